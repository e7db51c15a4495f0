// The main window: the board, the right-hand panels, the menu and the timers, realised from the
// session's model and routed to it.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <vector>

#include "app/Ecran.h"
#include "session/Session.h"

class QAction;

namespace cogitelle {

class PanneauWidget;
class PlateauWidget;
class PortsQt;

class TfrmMath : public QMainWindow {
    Q_OBJECT
public:
    TfrmMath(Session& session, PortsQt& ports, const MetriquesEcran& ecran);
    ~TfrmMath() override;

    FenetrePrincipale& Modele() { return session_.Principale(); }
    PlateauWidget* Plateau() const { return plateau_; }
    PanneauWidget* Panneau(const Controle& c) const;
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
    void Executer(const std::function<void()>& regle);

    Session& session_;
    PortsQt& ports_;
    QWidget* fond_ = nullptr;
    PlateauWidget* plateau_ = nullptr;
    std::map<const Controle*, PanneauWidget*> panneaux_;
    // The menu items, in the order of the model's menus and their items (none for a separator).
    std::vector<QAction*> actions_;
    QTimer timerDebut_;
    uint64_t modificationsVues_ = ~uint64_t(0);
    const Controle* focusVu_ = nullptr;   // the model's focus last given to a widget
    bool focusDonne_ = false;
    bool activeeVue_ = true;
};

} // namespace cogitelle
