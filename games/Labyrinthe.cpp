// Placeholder until the maze is built.
#include "games/Labyrinthe.h"

namespace cogitelle {
void GenererLabyrinthe(Contexte&) {}
void CalculerPassages(GameState&) {}
int32_t ChercherChemin(Contexte&, int32_t, int32_t, int32_t, int32_t, bool) { return 0; }
void PlacerNombres(Contexte&, int32_t) {}
void EntrerCase(Contexte&, int32_t, int32_t) {}
void timerLabTimer(Contexte&) {}
} // namespace cogitelle
