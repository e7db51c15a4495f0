// The rounding of the board's and the windows' scaled sizes.
#pragma once

#include <cstdint>

namespace cogitelle {

// Rounds to the nearest integer, a half going to the even neighbour.
int32_t Arrondi(double v);

// A font size designed for a box that is scaled across by fx and down by fy: it follows the
// smaller factor, so a text that fits the box on the 800 x 600 design fits it on any screen.
int32_t TaillePoliceEchelle(int32_t taille, double fx, double fy);

} // namespace cogitelle
