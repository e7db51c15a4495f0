#include "win/Peinture.h"

#include <algorithm>

#include "session/Echelles.h"
#include "win/Unicode.h"

namespace cogitelle {

namespace {

const COLORREF Lumiere = 0xFFFFFF;   // the light edge of a bevel
const COLORREF Ombre = 0x808080;     // the dark edge

void Remplir(HDC dc, int gauche, int haut, int droite, int bas, COLORREF couleur)
{
    if (droite <= gauche || bas <= haut)
        return;
    const RECT r{gauche, haut, droite, bas};
    // ExtTextOut with an opaque rectangle fills without making a brush.
    SetBkColor(dc, couleur);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// The font of a control at its size, made smaller, when asked, until its caption fits the zone.
HFONT PoliceDe(HDC dc, const Controle& c, const std::wstring& texte, const RECT& zone, const Pinceau& p,
    bool plusieursLignes)
{
    const Famille famille = p.police ? FamilleDe(*p.police) : p.famille;
    const bool gras = p.police ? p.police->gras : c.Gras();
    const int hauteur = !p.police   ? p.echelle.HauteurPolice(c.TaillePolice())
        : p.police->points          ? p.echelle.HauteurPolice(p.police->taille)
                                    : p.echelle.X(p.police->taille);
    HFONT police = p.polices.Obtenir(famille, hauteur, gras);
    if (!p.ajuster || texte.empty())
        return police;
    const int largeur = zone.right - zone.left, haut = zone.bottom - zone.top;
    const int32_t tient = TailleQuiTient(hauteur, [&](int32_t h) {
        SelectObject(dc, p.polices.Obtenir(famille, h, gras));
        return TexteTient(dc, texte, largeur, haut, plusieursLignes);
    });
    return p.polices.Obtenir(famille, tient, gras);
}

void PeindreFondEtTexte(HDC dc, const RECT& zone, const Controle& c, const Pinceau& p, bool plusieursLignes)
{
    Remplir(dc, zone.left, zone.top, zone.right, zone.bottom, VersColorref(c.couleur()));
    if (c.Caption().empty())
        return;
    const std::wstring texte = Large(c.Caption());
    const HGDIOBJ avant = GetCurrentObject(dc, OBJ_FONT);
    SelectObject(dc, PoliceDe(dc, c, texte, zone, p, plusieursLignes));
    SetTextColor(dc, VersColorref(c.CouleurPolice()));
    SetBkMode(dc, TRANSPARENT);
    RECT r = zone;
    UINT drapeaux = DT_CENTER | DT_NOPREFIX;
    if (plusieursLignes) {
        // Centred down the zone too: the wrapped height measured first.
        RECT mesure = zone;
        DrawTextW(dc, texte.c_str(), static_cast<int>(texte.size()), &mesure, DT_CENTER | DT_NOPREFIX | DT_WORDBREAK | DT_CALCRECT);
        const int h = mesure.bottom - mesure.top;
        r.top = zone.top + std::max<LONG>(0, (zone.bottom - zone.top - h) / 2);
        drapeaux |= DT_WORDBREAK;
    } else {
        drapeaux |= DT_VCENTER | DT_SINGLELINE;
    }
    const int sauve = SaveDC(dc);
    IntersectClipRect(dc, zone.left, zone.top, zone.right, zone.bottom);
    DrawTextW(dc, texte.c_str(), static_cast<int>(texte.size()), &r, drapeaux);
    RestoreDC(dc, sauve);
    SelectObject(dc, avant);
    SetBkMode(dc, OPAQUE);
}

} // namespace

Famille FamilleDe(const Police& police) { return police.famille == FamillePolice::Times ? Famille::Times : Famille::Fenetre; }

COLORREF VersColorref(Couleur c) { return static_cast<COLORREF>(c & 0xFFFFFF); }   // the same byte order
Couleur DepuisColorref(COLORREF c) { return static_cast<Couleur>(c & 0xFFFFFF); }

HCURSOR VersCurseur(Curseur c)
{
    switch (c) {
    case Curseur::Main: return LoadCursorW(nullptr, IDC_HAND);
    case Curseur::Interdit: return LoadCursorW(nullptr, IDC_NO);
    case Curseur::FlecheHaut: return LoadCursorW(nullptr, IDC_UPARROW);
    case Curseur::Defaut: break;
    }
    return LoadCursorW(nullptr, IDC_ARROW);
}

HFONT Polices::Obtenir(Famille famille, int hauteur, bool gras)
{
    const auto cle = std::make_tuple(famille, std::max(1, hauteur), gras);
    if (auto it = polices_.find(cle); it != polices_.end())
        return it->second;
    LOGFONTW lf{};
    // A negative height is the characters' height, without the internal leading.
    lf.lfHeight = -std::get<1>(cle);
    lf.lfWeight = gras ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, famille == Famille::Times ? L"Times New Roman" : L"Arial", LF_FACESIZE);
    HFONT police = CreateFontIndirectW(&lf);
    polices_[cle] = police;
    return police;
}

void Polices::Vider()
{
    for (auto& [cle, police] : polices_)
        DeleteObject(police);
    polices_.clear();
}

bool TexteTient(HDC dc, const std::wstring& texte, int largeur, int hauteur, bool plusieursLignes)
{
    if (plusieursLignes) {
        RECT r{0, 0, largeur, 0};
        DrawTextW(dc, texte.c_str(), static_cast<int>(texte.size()), &r, DT_CENTER | DT_NOPREFIX | DT_WORDBREAK | DT_CALCRECT);
        return r.right - r.left <= largeur && r.bottom - r.top <= hauteur;
    }
    SIZE taille{};
    GetTextExtentPoint32W(dc, texte.c_str(), static_cast<int>(texte.size()), &taille);
    TEXTMETRICW m{};
    GetTextMetricsW(dc, &m);
    // One line's ink: the characters' height without the leading above them.
    return taille.cx <= largeur && m.tmHeight - m.tmInternalLeading <= hauteur;
}

void PeindreBiseau(HDC dc, RECT& r, Biseau biseau, int32_t largeur, int trait)
{
    if (biseau == Biseau::Aucun)
        return;
    const COLORREF haut = biseau == Biseau::Releve ? Lumiere : Ombre;
    const COLORREF bas = biseau == Biseau::Releve ? Ombre : Lumiere;
    for (int32_t i = 0; i < largeur && r.right > r.left && r.bottom > r.top; ++i) {
        // Top row and left column light, right column and bottom row dark: the top-right and
        // bottom-left corner pixels take the dark colour.
        Remplir(dc, r.left, r.top, r.right - trait, r.top + trait, haut);
        Remplir(dc, r.left, r.top, r.left + trait, r.bottom - trait, haut);
        Remplir(dc, r.right - trait, r.top, r.right, r.bottom, bas);
        Remplir(dc, r.left, r.bottom - trait, r.right, r.bottom, bas);
        InflateRect(&r, -trait, -trait);
    }
}

void PeindrePanneau(HDC dc, RECT r, const Controle& c, const Pinceau& p)
{
    const int trait = p.echelle.Trait(1);
    PeindreBiseau(dc, r, c.BiseauExterieur(), c.LargeurBiseau(), trait);
    PeindreBiseau(dc, r, c.BiseauInterieur(), c.LargeurBiseau(), trait);
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    PeindreFondEtTexte(dc, r, c, p, false);
}

void PeindreEtiquette(HDC dc, RECT r, const Controle& c, const Pinceau& p) { PeindreFondEtTexte(dc, r, c, p, true); }

static void PeindreAnneau(HDC dc, const RECT& r, int t, COLORREF couleur)
{
    Remplir(dc, r.left, r.top, r.right, r.top + t, couleur);
    Remplir(dc, r.left, r.bottom - t, r.right, r.bottom, couleur);
    Remplir(dc, r.left, r.top + t, r.left + t, r.bottom - t, couleur);
    Remplir(dc, r.right - t, r.top + t, r.right, r.bottom - t, couleur);
}

void PeindreCadre(HDC dc, RECT r, const Controle& c, const Echelle& e)
{
    // A pen of width 0 still draws one pixel.
    const int t = std::min({e.Trait(std::max(1, c.LargeurStylo())), static_cast<int>(r.right - r.left) / 2,
        static_cast<int>(r.bottom - r.top) / 2});
    if (t <= 0)
        return;
    PeindreAnneau(dc, r, t, VersColorref(c.CouleurStylo()));
}

void PeindreFocus(HDC dc, RECT r, int32_t largeur, Couleur exterieur, Couleur interieur, const Echelle& e)
{
    const int t = std::min({e.Trait(std::max(1, largeur)), static_cast<int>(r.right - r.left) / 4,
        static_cast<int>(r.bottom - r.top) / 4});
    if (t <= 0)
        return;
    PeindreAnneau(dc, r, t, VersColorref(exterieur));
    InflateRect(&r, -t, -t);
    PeindreAnneau(dc, r, t, VersColorref(interieur));
}

void PeindreControle(HDC dc, const RECT& r, const Controle& c, const Pinceau& p)
{
    switch (c.sorte()) {
    case Sorte::Panneau:
        PeindrePanneau(dc, r, c, p);
        if (c.Focus()) {
            RECT zone = r;
            const int m = p.echelle.Trait(RetraitFocusPanneau(c));
            InflateRect(&zone, -m, -m);
            PeindreFocus(dc, zone, 1, CouleurFocusExterieur, CouleurFocusInterieur, p.echelle);
        }
        break;
    case Sorte::Etiquette: PeindreEtiquette(dc, r, c, p); break;
    case Sorte::Cadre: PeindreCadre(dc, r, c, p.echelle); break;
    }
}

} // namespace cogitelle
