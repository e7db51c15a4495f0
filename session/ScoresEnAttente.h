// Records the player made that no save has put in place, which a front end whose storage may be
// lost with its window (a browser page) asks about before it closes and offers to export.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

// The table was replaced whole at the player's word (re-created, imported), then saved: while that
// save has not succeeded, the table counts as records the player made.
void TableRemplaceeParLeJoueur(SuiviSauvegardes& suivi);

// True while scores entered since the last save that succeeded, or a table the player replaced
// whole, are not stored. The table the program makes itself on a first run is none of the player's.
bool ScoresNonEnregistres(const SuiviSauvegardes& suivi);

} // namespace cogitelle
