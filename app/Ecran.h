// The screen the windows are scaled for.
#pragma once

#include <cstdint>

namespace cogitelle {

struct MetriquesEcran {
    int32_t largeur = 800;   // logical pixels
    int32_t hauteur = 600;
    double pixelsParPouce = 96;   // logical dots per inch
};

// The primary screen's logical size and logical dots per inch.
MetriquesEcran MetriquesEcranPrincipal();

} // namespace cogitelle
