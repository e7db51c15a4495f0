// The program's windows, created in the order of start-up and wired together.
#pragma once

#include <memory>

#include "app/Ecran.h"
#include "core/Contexte.h"

namespace cogitelle {

class PortsQt;
class TfrmChoixTableau;
class TfrmHighScores;
class TfrmMath;
class TfrmSplash;

struct Fenetres {
    // The start screen, the main window, the chooser, then the high-score viewer; only the start
    // screen is shown. With `differer`, the three hidden windows are created, and the window icon
    // set, once the start screen has been painted (or at "DEMARRER", whichever comes first), so
    // the start screen does not wait for them.
    Fenetres(Contexte& c, PortsQt& ports, const MetriquesEcran& ecran, bool differer = false);
    ~Fenetres();

    // Creates the main window, the chooser and the viewer, once.
    void CreerFenetresCachees();

    std::unique_ptr<TfrmSplash> frmSplash;
    std::unique_ptr<TfrmMath> frmMath;
    std::unique_ptr<TfrmChoixTableau> frmChoixTableau;
    std::unique_ptr<TfrmHighScores> frmHighScores;

private:
    Contexte& c_;
    PortsQt& ports_;
    MetriquesEcran ecran_;
};

} // namespace cogitelle
