// The main window: the board, the right-hand panels, the menu and the timers, each routed to the
// rules of the window and the game.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

#include "app/Ecran.h"
#include "session/FenetrePrincipale.h"
#include "core/Contexte.h"

class QAction;

namespace cogitelle {

class PanneauWidget;
class PlateauWidget;
class PortsQt;
class TfrmChoixTableau;
class TfrmHighScores;
class TfrmSplash;

class TfrmMath : public QMainWindow, private ActionsFenetres {
    Q_OBJECT
public:
    TfrmMath(Contexte& c, PortsQt& ports, const MetriquesEcran& ecran);
    ~TfrmMath() override;

    // The other windows, created after this one.
    void SetFenetres(TfrmSplash* splash, TfrmChoixTableau* choix, TfrmHighScores* scores);

    FenetrePrincipale& Modele() { return modele_; }
    PlateauWidget* Plateau() const { return plateau_; }
    PanneauWidget* Panneau(const Controle& c) const;
    QAction* ActionJeu(TTypeJeu type) const { return menuJeux_[type]; }
    QTimer& TimerDebut() { return timerDebut_; }

    // "DEMARRER" (1) or "ENGLISH" (2) on the start screen.
    void PanelStartClick(int32_t langue);
    // The game confirmed in the chooser starts.
    void DemarrerPartie();
    // The view follows the model after a call of the rules.
    void RafraichirVue();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void CreerMenu();
    void CreerPanneaux();
    QAction* Action(QMenu* menu, const char* nom, const QString& texte, void (FenetrePrincipale::*handler)());
    void Executer(const std::function<void()>& regle);
    void timerDebutTimer();
    void Tic(Minuterie::Id id);
    void Centrer(QWidget* fenetre);

    // ActionsFenetres
    void MontrerChoixTableau() override;
    void MontrerMeilleursScores() override;
    void FermerEcranDemarrage() override;
    bool ChoisirCouleur(Couleur initiale, Couleur& choisie) override;
    void MontrerAide(const std::string& fichier) override;

    Contexte& c_;
    PortsQt& ports_;
    FenetrePrincipale modele_;
    QWidget* fond_ = nullptr;
    PlateauWidget* plateau_ = nullptr;
    std::map<const Controle*, PanneauWidget*> panneaux_;
    QAction* menuJeux_[6] = {};
    QTimer timerDebut_;
    QPointer<TfrmSplash> splash_;
    QPointer<TfrmChoixTableau> choix_;
    QPointer<TfrmHighScores> scores_;
    uint64_t modificationsVues_ = ~uint64_t(0);
};

} // namespace cogitelle
