#include "core/Plateau.h"

#include <algorithm>
#include <cmath>

namespace cogitelle {

int32_t Arrondi(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

int32_t TaillePoliceEchelle(int32_t taille, double fx, double fy) { return Arrondi(taille * std::min(fx, fy)); }

} // namespace cogitelle
