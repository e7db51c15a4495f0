// The numeric serpentine: slide cells towards the main hole until a long run of consecutive
// numbers forms.
#pragma once

#include "core/Contexte.h"

namespace cogitelle {

void GenererSerpentin(Contexte& c);
bool SerpentinForme(const GameState& g);
void DeplacerSerpentin(Contexte& c, int32_t x, int32_t y);
void ClicDroitSerpentin(Contexte& c, int32_t x, int32_t y);

} // namespace cogitelle
