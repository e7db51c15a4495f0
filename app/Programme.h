// The core objects the program owns for its whole life: the game state, the generator, the
// controls, the ports, the settings store of the machine and the context over them.
#pragma once

#include <QWidget>
#include <memory>

#include "app/PortsQt.h"
#include "core/Contexte.h"
#include "store/MagasinOptions.h"

namespace cogitelle {

struct ObjetsDuProgramme {
    ObjetsDuProgramme();
    // The game state is too large for the stack.
    std::unique_ptr<GameState> etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    std::unique_ptr<Controles> controles = std::make_unique<Controles>();
    PortsQt ports;
    // The registry on Windows, a settings file elsewhere.
    std::unique_ptr<MagasinOptions> magasin;
    // The score file "scoresI" in the current folder.
    Contexte ctx;
};

} // namespace cogitelle
