// The windows on a phone held upright. The 800 x 600 design shrunk into a narrow screen leaves
// texts a few pixels tall; upright, the main window puts its board at the full width at the top
// and its side panels below it as large touch targets, and the dialogs lay their controls out in
// rows as wide as the phone. Every text is at least TexteMinimal CSS pixels tall and every control
// that takes a tap at least CibleMinimale CSS pixels each way. A landscape phone, a tablet and a
// desktop keep the design.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Controles.h"

namespace cogitelle {

class FenetrePrincipale;

// In CSS pixels, the unit of a browser's layout (about 1/96 inch at arm's length).
constexpr int32_t TexteMinimal = 12;
constexpr int32_t CibleMinimale = 44;

// Whether a viewport of that many CSS pixels is a phone held upright.
bool EstPortrait(int32_t largeurCss, int32_t hauteurCss);

// The screen the main window is made for, in pixels at 96 per inch: a phone held upright takes
// the design screen, so its board has the design's proportions; any other viewport its own size,
// never smaller than the design.
void EcranDeReference(int32_t largeurCss, int32_t hauteurCss, int32_t& largeur, int32_t& hauteur);

// A control of a window laid out upright: its place in its parent and its type's size in pixels.
struct PlacePortrait {
    Rect place;
    int32_t taille = 0;
};

// The main window upright, in its own pixels (those of its board).
struct FenetrePortrait {
    double echelle = 1;            // CSS pixels per window pixel
    int32_t largeur = 0, hauteur = 0;
    // Every control of FenetrePrincipale::Disposition(), in its order.
    std::vector<PlacePortrait> places;
    // The menu bar, in CSS pixels: its height (and each item's), and its type.
    int32_t hauteurMenus = CibleMinimale;
    int32_t policeMenus = 16;
};

// The main window of factors fx, fy laid out for a phone `largeurCss` wide: the board panel at
// its design place, at the full width; below it the score, the puzzles' panels, the information
// with its three buttons, and the five games, one row each.
FenetrePortrait DisposerPortrait(const FenetrePrincipale& fenetre, double fx, double fy, int32_t largeurCss);

// A dialog upright, in CSS pixels: its client area and every control of its description.
struct DialoguePortrait {
    int32_t largeur = 0, hauteur = 0;
    int32_t taille = 0;            // the window's own type
    std::vector<PlacePortrait> places;
};

// The chooser and the high-score viewer for a phone `largeurCss` wide.
DialoguePortrait ChoixTableauPortrait(int32_t largeurCss);
DialoguePortrait DetailMeilleursScoresPortrait(int32_t largeurCss);

} // namespace cogitelle
