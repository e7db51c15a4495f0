// What the program owns for its whole life: the Qt ports, the settings store of the machine and
// the session over them.
#pragma once

#include <memory>

#include "app/PortsQt.h"
#include "session/Session.h"
#include "store/MagasinOptions.h"

namespace cogitelle {

struct ObjetsDuProgramme {
    ObjetsDuProgramme();
    PortsQt ports;
    // The registry on Windows, a settings file elsewhere.
    std::unique_ptr<MagasinOptions> magasin;
    // The score file "scoresI" in the current folder.
    Session session;
    Contexte& ctx;
};

} // namespace cogitelle
