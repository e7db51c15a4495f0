// The puzzle chooser: a game type, a puzzle number and the player's name, then the game starts.
// Its controls and rules are the session's; this window realises them and routes its events.
#pragma once

#include <QElapsedTimer>
#include <functional>

#include "app/DialogueModele.h"
#include "session/Session.h"

namespace cogitelle {

class TfrmChoixTableau : public DialogueModele {
    Q_OBJECT
public:
    // fenetrePrincipale: the main window, which a confirmation enables (as the session's main
    // window then is) and shows. demarrer: starts the confirmed game (the new game and the main
    // window's repaint).
    TfrmChoixTableau(Session& session, QWidget* fenetrePrincipale, std::function<void()> demarrer);

    // The rules behind the controls.
    const ChoixTableau& Modele() const { return modele_; }

    // Escape, like "Annuler", closes the chooser only while the main window is enabled.
    void reject() override;

    // Shows the chooser on the saved selection, reloaded even when it was already open.
    void Ouvrir();

protected:
    void Clic(int32_t indice) override;
    void Change(int32_t indice, int32_t position) override;
    void DoubleClic(int32_t indice) override;
    void Edite(int32_t indice, const QString& texte) override;

    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void FormActivate();
    // Does what the rules decided, then copies the model onto the widgets.
    void Realiser(Issue issue);
    void PrendreNom();

    Session& session_;
    ChoixTableau& modele_;
    QWidget* fenetrePrincipale_;
    std::function<void()> demarrer_;
    // Set when a modal box opened over the chooser: coming back from it is not a new activation.
    bool retourDeBoite_ = false;
    // The clock of the digits typed on the scroll bar.
    QElapsedTimer horloge_;
};

} // namespace cogitelle
