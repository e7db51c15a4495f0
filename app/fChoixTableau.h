// The puzzle chooser: a game type, a puzzle number and the player's name, then the game starts.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <functional>

#include "session/ChoixTableau.h"
#include "session/Entrees.h"
#include "core/Contexte.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace cogitelle {

class PanneauDialogue;

class TfrmChoixTableau : public QDialog {
    Q_OBJECT
public:
    // fenetrePrincipale: the main window; "Annuler" does nothing while it is disabled, and a
    // confirmation enables and shows it. demarrer: starts the confirmed game (the new game and
    // the main window's repaint).
    TfrmChoixTableau(Contexte& c, QWidget* fenetrePrincipale, std::function<void()> demarrer);

    // The rules behind the controls.
    const ChoixTableau& Modele() const { return modele_; }

    // Escape, like "Annuler", closes the chooser only while the main window is enabled.
    void reject() override;

    // Shows the chooser on the saved selection, reloaded even when it was already open.
    void Ouvrir();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void FormCreate();
    void FormActivate();
    // Copies the model onto the widgets, without echoing their change signals.
    void Afficher();
    void ValiderChoix();
    void buttonCancelClick();
    void editYourNameEdite(const QString& texte);
    bool FenetrePrincipaleActive() const;

    Contexte& c_;
    QWidget* fenetrePrincipale_;
    std::function<void()> demarrer_;
    ChoixTableau modele_;
    // Set when a modal box opened over the chooser: coming back from it is not a new activation.
    bool retourDeBoite_ = false;
    // A puzzle number typed on the scroll bar.
    SaisieNumero saisieNumero_;
    QElapsedTimer horloge_;

    QGroupBox* groupBoxTypeJeu_ = nullptr;
    QRadioButton* rbTypeJeu_[6] = {};   // 1..5
    PanneauDialogue* Panel1_ = nullptr;
    QLineEdit* editYourName_ = nullptr;
    PanneauDialogue* panelRecordMixte_ = nullptr;
    PanneauDialogue* panelNomRecordMixte_ = nullptr;
    PanneauDialogue* panelScoreRecordMixte_ = nullptr;
    PanneauDialogue* panelNumeroTableau_ = nullptr;
    QScrollBar* scrollBarChoixTableau_ = nullptr;
    PanneauDialogue* panelAleatoire_ = nullptr;
    PanneauDialogue* buttonCancel_ = nullptr;
    PanneauDialogue* buttonOK_ = nullptr;
};

} // namespace cogitelle
