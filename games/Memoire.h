// Memory: find the groups of equal hidden numbers.
#pragma once

#include "core/Jeu.h"

namespace cogitelle {

extern const Jeu& TableMemoire;

// What a click on a card costs.
constexpr int32_t CoutClicMemoire = 3;

void GenererMemoire(Contexte& c);

} // namespace cogitelle
