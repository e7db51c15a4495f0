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
    // screen is shown.
    Fenetres(Contexte& c, PortsQt& ports, const MetriquesEcran& ecran);
    ~Fenetres();

    std::unique_ptr<TfrmSplash> frmSplash;
    std::unique_ptr<TfrmMath> frmMath;
    std::unique_ptr<TfrmChoixTableau> frmChoixTableau;
    std::unique_ptr<TfrmHighScores> frmHighScores;
};

} // namespace cogitelle
