// What the games' parts of the puzzle printer share: text centred in a column, a board as a grid.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

#include "core/GameState.h"

namespace cogitelle {

// The text padded with spaces on both sides to the width, the odd space on the left.
std::string Centrer(const std::string& s, size_t largeur);

// The cells de..a in both directions, one row a line, each centred in 6 characters.
void TexteGrille(std::ostream& o, const GameState& g, int de, int a, std::string (*cellule)(const GameState&, int, int));

} // namespace cogitelle
