// Drawing the controls model with GDI the classic way: flat colours, raised and lowered bevels,
// captions, outline shapes. Shared by the board and the side panels.
#pragma once

#include "win/Windows.h"

#include <cstdint>
#include <map>
#include <string>
#include <tuple>

#include "core/Controles.h"
#include "session/Descriptions.h"
#include "win/Ecran.h"

namespace cogitelle {

COLORREF VersColorref(Couleur c);
Couleur DepuisColorref(COLORREF c);
HCURSOR VersCurseur(Curseur c);

enum class Famille : uint8_t { Fenetre, Times };   // Arial, "Times New Roman"

// The fonts in use, made once each and kept until the cache is dropped.
class Polices {
public:
    Polices() = default;
    Polices(const Polices&) = delete;
    Polices& operator=(const Polices&) = delete;
    ~Polices() { Vider(); }
    // A font whose characters are `hauteur` device pixels high.
    HFONT Obtenir(Famille famille, int hauteur, bool gras);
    void Vider();

private:
    std::map<std::tuple<Famille, int, bool>, HFONT> polices_;
};

// True when `texte` fits whole inside a zone of `largeur` x `hauteur` pixels in the font selected
// into `dc`: on one line, or word-wrapped over as many lines as it needs.
bool TexteTient(HDC dc, const std::wstring& texte, int largeur, int hauteur, bool plusieursLignes);

// How a control is painted: the scale, the fonts, and the family of its captions.
struct Pinceau {
    const Echelle& echelle;
    Polices& polices;
    Famille famille = Famille::Fenetre;
    bool ajuster = false;   // a caption too large for its box is drawn smaller rather than cut
    // A dialog's type, already at the dialog's scale: it replaces the family, the size and the
    // weight the control holds.
    const Police* police = nullptr;
};

// The family of a described font.
Famille FamilleDe(const Police& police);

// A bevel of `largeur` lines on the edge of `r` (raised: light top-left, dark bottom-right),
// which then shrinks to the area inside it.
void PeindreBiseau(HDC dc, RECT& r, Biseau biseau, int32_t largeur, int trait);
// A panel: outer bevel, inner bevel, background, caption centred on one line.
void PeindrePanneau(HDC dc, RECT r, const Controle& c, const Pinceau& p);
// A label: background and a caption centred both ways, word-wrapped.
void PeindreEtiquette(HDC dc, RECT r, const Controle& c, const Pinceau& p);
// An outline shape with no fill: the pen's whole width lies inside the bounds.
void PeindreCadre(HDC dc, RECT r, const Controle& c, const Echelle& e);
// The keyboard's focus: two rings inside `r`, each `largeur` layout pixels wide, the outer one in
// `exterieur`, the inner one in `interieur`.
void PeindreFocus(HDC dc, RECT r, int32_t largeur, Couleur exterieur, Couleur interieur, const Echelle& e);
// Any control, by its kind; a side panel with the focus shown gets a thin focus frame inside its
// bevels.
void PeindreControle(HDC dc, const RECT& r, const Controle& c, const Pinceau& p);

} // namespace cogitelle
