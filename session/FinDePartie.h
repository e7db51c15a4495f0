// The end of a game: the game's end test, then the result shown and a good score entered in the
// table of best scores.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

// Runs the end test of the game in play; when the game is over, stops the timers, locks the board
// and shows the result, and enters a score that beats the tenth in the table (saved at once).
void FinDePartie(Contexte& c);

} // namespace cogitelle
