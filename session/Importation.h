// The records of a score file the player chose (the browser's Import): checked, confirmed by the
// player, then put in place of the whole table and saved. Every front end that imports uses it.
#pragma once

#include <cstdint>
#include <string>

#include "core/Contexte.h"

namespace cogitelle {

enum class ResultatImport {
    Refuse,          // the file could not be read, or is no score file the game could have written
    Annule,          // the player kept the records
    Importe,         // the file's records are the table, and saved
    NonEnregistre,   // the file's records are the table, but the save failed: they stay in memory
};

// `octets` are the file's first bytes, `tailleFichier` its whole size; `erreurLecture` says why
// the file could not be read, when it could not. A refused file changes nothing and the player is
// told why; an accepted one is put in place of the table only once the player confirms, as for
// re-creating the table. The player is told whether the records were saved.
ResultatImport ImporterMeilleursScores(Contexte& c, const std::string& octets, uint64_t tailleFichier,
    const std::string& erreurLecture = {});

} // namespace cogitelle
