// The program's windows, created in the order of start-up, realising the session's windows and
// doing what its rules ask of them.
#pragma once

#include <memory>

#include "app/Ecran.h"
#include "session/Session.h"

class QWidget;

namespace cogitelle {

class PortsQt;
class TfrmChoixTableau;
class TfrmHighScores;
class TfrmMath;
class TfrmSplash;

struct Fenetres : private ActionsFenetres {
    // The start screen, the main window, the chooser, then the high-score viewer; only the start
    // screen is shown. With `differer`, the three hidden windows are created, and the window icon
    // set, once the start screen has been painted (or at "DEMARRER", whichever comes first), so
    // the start screen does not wait for them.
    Fenetres(Session& session, PortsQt& ports, const MetriquesEcran& ecran, bool differer = false);
    ~Fenetres() override;

    // Creates the main window, the chooser and the viewer, once.
    void CreerFenetresCachees();

    std::unique_ptr<TfrmSplash> frmSplash;
    std::unique_ptr<TfrmMath> frmMath;
    std::unique_ptr<TfrmChoixTableau> frmChoixTableau;
    std::unique_ptr<TfrmHighScores> frmHighScores;

private:
    // "DEMARRER" (1) or "ENGLISH" (2).
    void Demarrer(int32_t langue);
    // Centred on the main window's screen.
    void Centrer(QWidget* fenetre);

    // ActionsFenetres
    void MontrerChoixTableau() override;
    void MontrerMeilleursScores() override;
    void FermerEcranDemarrage() override;
    bool ChoisirCouleur(Couleur initiale, Couleur& choisie) override;
    void MontrerAide(const std::string& fichier) override;

    Session& session_;
    PortsQt& ports_;
    MetriquesEcran ecran_;
};

} // namespace cogitelle
