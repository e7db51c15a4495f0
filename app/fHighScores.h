// The high-score viewer: the ten best scores of any game type and puzzle. Its controls and rules
// are the session's; this window realises them and routes its events.
#pragma once

#include "app/DialogueModele.h"
#include "session/Session.h"

namespace cogitelle {

class TfrmHighScores : public DialogueModele {
    Q_OBJECT
public:
    explicit TfrmHighScores(Session& session, QWidget* parent = nullptr);

    // Shows the list of one game type and puzzle; it only reads the table.
    void AfficherMeilleursScoresDetail(TTypeJeu type, int32_t numero);

protected:
    void Clic(int32_t indice) override;
    void Change(int32_t indice, int32_t position) override;

    bool event(QEvent* e) override;
    // The arrows, PageUp, PageDown, Home and End browse the lists; Enter and Escape close.
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void FormActivate();
    // Does what the rules decided, then copies the model onto the widgets.
    void Realiser(Issue issue);

    DetailMeilleursScores& modele_;
};

} // namespace cogitelle
