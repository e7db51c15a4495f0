// Everything a rule touches, passed by reference: the game state, the generator, the controls
// model and the ports. The application owns one of each; every test makes its own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Controles.h"
#include "core/GameState.h"
#include "core/Ports.h"
#include "core/PuzzleRandom.h"

namespace cogitelle {

class MagasinOptions;
class SystemeFichiers;

// A score this copy of the game entered in its table, kept until a save has put it on disk.
struct ScoreInsere {
    TTypeJeu type = AucunJeu;
    int32_t numero = 0;
    EnregistrementScore enregistrement;
};

// What the saves remember from one to the next.
struct SuiviSauvegardes {
    SystemeFichiers* fichiers = nullptr;   // the machine's file system when null
    bool echecOptionsSignale = false;      // a failed settings save was reported
    bool echecScoresSignale = false;       // a failed score-file save was reported
    // Another copy of the game may have written the score file since this one read it: a save
    // applies this copy's own changes to the table on disk rather than writing its memory over it.
    std::vector<ScoreInsere> scoresAEnregistrer;   // entered since the last save that succeeded
    // The table as this copy last read or wrote it: a list of the table in memory that differs from
    // it by more than the scores entered was changed here, and is written as it stands.
    std::shared_ptr<TableMeilleursScores> tableLue;
    bool tableEntiereAEcrire = false;              // the table was replaced as a whole, or must be
    bool tableDuJoueur = false;                    // that table was made at the player's word
    // The table is the default one drawn at a start that found no readable file, not yet on disk:
    // a complete file found there at the save was written by another copy since, and is kept.
    bool tableParDefaut = false;
    bool derniereSauvegardeReussie = false;        // the last save put the table on disk
    // The damaged score file already kept aside, by its size and a hash of its bytes.
    bool copieGardee = false;
    size_t tailleCopie = 0;
    size_t empreinteCopie = 0;
    int delaiVerrouMs = 2000;                // how long a save waits for another copy's lock
    int64_t ageTemporairesOublies = 300;     // seconds after which a temporary file is left over
};

struct Contexte {
    GameState& etat;
    PuzzleRandom& hasard;
    Controles& controles;
    Ports& ports;
    MagasinOptions& options;   // the settings store
    // The score file: "scoresI" in the current directory unless a test points elsewhere. Empty
    // keeps the table in memory only (the puzzle printer never touches the player's records).
    std::string CheminScores = "scoresI";
    SuiviSauvegardes Sauvegardes{};
};

} // namespace cogitelle
