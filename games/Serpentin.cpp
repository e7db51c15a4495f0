// Placeholder until the serpentine is built.
#include "games/Serpentin.h"

namespace cogitelle {
void GenererSerpentin(Contexte&) {}
bool SerpentinForme(const GameState&) { return false; }
void DeplacerSerpentin(Contexte&, int32_t, int32_t) {}
void ClicDroitSerpentin(Contexte&, int32_t, int32_t) {}
} // namespace cogitelle
