// The screen the windows are laid out for, and the scale from the layout's pixels (96 per inch)
// to the device pixels of a monitor.
#pragma once

#include "win/Windows.h"

#include <cstdint>

#include "core/Controles.h"

namespace cogitelle {

struct MetriquesEcran {
    int32_t largeur = 800;        // device pixels
    int32_t hauteur = 600;
    double pixelsParPouce = 96;   // the monitor's dots per inch
};

// The primary monitor, where the windows open.
MetriquesEcran MetriquesEcranPrincipal();

// The dots per inch of the monitor a window is on (96 when Windows cannot say).
UINT PppFenetre(HWND fenetre);

// Layout pixels to device pixels at `ppp` dots per inch. Both edges of a rectangle are rounded on
// their own, so neighbouring controls stay neighbours; a line is a whole number of pixels.
class Echelle {
public:
    explicit Echelle(UINT ppp = 96) : ppp_(ppp ? ppp : 96), s_(ppp_ / 96.0) {}
    UINT Ppp() const { return ppp_; }
    int X(int32_t v) const;
    RECT VersRect(const Rect& r) const;
    RECT VersRect(const Rect& r, int32_t dx, int32_t dy) const;   // moved by (dx, dy) layout pixels first
    int Trait(int32_t largeur) const;
    // A font of `points` at this scale, as a character height in device pixels.
    int HauteurPolice(int32_t points) const;

private:
    UINT ppp_;
    double s_;
};

} // namespace cogitelle
