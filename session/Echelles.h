// How the windows follow the screen: the fonts of boxes scaled by both factors, the dialogs'
// factor and place, and the shrinking of a text to its box. Both front ends use these rules.
#pragma once

#include <cstdint>
#include <functional>

#include "core/Controles.h"

namespace cogitelle {

// The info label's font: 9 points on the design screen, after the smaller screen factor.
int32_t TaillePoliceInfo(double fx, double fy);
// The side panels' font: the window's 8 points after the smaller screen factor.
int32_t TaillePolicePanneaux(double fx, double fy);

// The factor by which a dialog designed at largeur x hauteur is scaled whole (controls, type,
// scroll bars and indicators alike): the smaller screen factor, so it keeps its proportions, and
// never more than lets it fit, with its title bar, in the screen's free area.
double FacteurDialogue(double fx, double fy, int32_t largeur, int32_t hauteur, int32_t largeurLibre,
    int32_t hauteurLibre, int32_t hauteurTitre);

// A window's outer rectangle of size largeur x hauteur centred in the free area and moved, when
// it is larger than the area's margin allows, so its top-left corner stays inside the area.
Rect PlaceDansZone(int32_t largeur, int32_t hauteur, const Rect& zone);

// The largest size not above `taille` at which `tient` says the text fits, at least 1. The front
// end measures; the rule is the same for every text that must stay whole in its box.
int32_t TailleQuiTient(int32_t taille, const std::function<bool(int32_t)>& tient);

} // namespace cogitelle
