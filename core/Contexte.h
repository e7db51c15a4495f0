// Everything a rule touches, passed by reference: the game state, the generator, the controls
// model and the ports. The application owns one of each; every test makes its own.
#pragma once

#include <string>

#include "core/Controles.h"
#include "core/GameState.h"
#include "core/Ports.h"
#include "core/PuzzleRandom.h"

namespace cogitelle {

class MagasinOptions;
class SystemeFichiers;

// What the saves remember from one to the next.
struct SuiviSauvegardes {
    SystemeFichiers* fichiers = nullptr;   // the machine's file system when null
    bool echecOptionsSignale = false;      // a failed settings save was reported
    bool echecScoresSignale = false;       // a failed score-file save was reported
    bool copieScoresAFaire = false;        // a damaged score file still needs its .bak copy
};

struct Contexte {
    GameState& E;
    PuzzleRandom& R;
    Controles& C;
    Ports& P;
    MagasinOptions& O;
    // The score file: "scoresI" in the current directory unless a test points elsewhere. Empty
    // keeps the table in memory only (the puzzle printer never touches the player's records).
    std::string CheminScores = "scoresI";
    SuiviSauvegardes Sauvegardes{};
};

} // namespace cogitelle
