// The high-score viewer: the ten best scores of any game type and puzzle.
#pragma once

#include <QDialog>

#include "core/Contexte.h"

class QScrollBar;

namespace cogitelle {

class PanneauDialogue;

class TfrmHighScores : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHighScores(Contexte& c, QWidget* parent = nullptr);

    // Shows the list of one game type and puzzle; it only reads the table.
    void AfficherMeilleursScoresDetail(TTypeJeu type, int32_t numero);

protected:
    bool event(QEvent* e) override;
    // The arrows, PageUp, PageDown, Home and End browse the lists; Enter and Escape close.
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void FormCreate();
    void FormActivate();
    void ConstruireGrille();
    void scrollBarChange();

    Contexte& c_;
    double f_ = 1.0;   // the dialog's scale
    PanneauDialogue* panelMeilleursScores_ = nullptr;
    PanneauDialogue* panelTypeJeu_ = nullptr;
    QScrollBar* scrollBarTypeJeu_ = nullptr;
    PanneauDialogue* panelNumeroTableau_ = nullptr;
    QScrollBar* scrollBarNumeroTableau_ = nullptr;
    PanneauDialogue* panelCentral_ = nullptr;
    PanneauDialogue* panelOkHighScores_ = nullptr;
    // The score grid, row 1..10: rank, name, score.
    PanneauDialogue* rangs_[11] = {};
    PanneauDialogue* noms_[11] = {};
    PanneauDialogue* scores_[11] = {};
};

} // namespace cogitelle
