// The numeric serpentine: slide cells towards the main hole until a long run of consecutive
// numbers forms.
#pragma once

#include "core/Jeu.h"

namespace cogitelle {

extern const Jeu& TableSerpentin;

// What a paid click costs (on a diagonal through the main hole, or on the hole), and what the
// right button's slide of a cell into the hole costs.
constexpr int32_t CoutClicSerpentin = 2;
constexpr int32_t CoutGlissementSerpentin = 50;

void GenererSerpentin(Contexte& c);
bool SerpentinForme(const GameState& g);

} // namespace cogitelle
