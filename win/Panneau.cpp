#include "win/Panneau.h"


#include "session/Entrees.h"
#include "win/Fenetre.h"
#include "win/Unicode.h"

namespace cogitelle {

namespace {

const wchar_t* const ClassePanneau = L"CogitellePanneau";

} // namespace

Panneau::Panneau(HWND parent, const Controle& modele, const char* nom, Famille famille, bool cliquable,
    Evenements evenements, std::optional<Police> police)
    : modele_(modele), vu_(modele), famille_(famille), police_(police), cliquable_(cliquable),
      evenements_(std::move(evenements)),
      echelle_(PppFenetre(parent))
{
    // A double click is two presses here: the panel acts on the first only (see Traiter). A new
    // size repaints it whole: its caption is centred.
    EnregistrerClasse(ClassePanneau, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    fenetre_ = CreateWindowExW(0, ClassePanneau, Large(nom).c_str(), WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
        0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    Brancher(fenetre_, this);
}

Panneau::~Panneau() { Detruire(fenetre_); }

void Panneau::Synchroniser(const Echelle& echelle)
{
    const bool nouvelleEchelle = echelle.Ppp() != echelle_.Ppp();
    if (nouvelleEchelle) {
        echelle_ = echelle;
        polices_.Vider();
    }
    const RECT r = echelle_.VersRect(modele_.rect());
    RECT actuel{};
    GetWindowRect(fenetre_, &actuel);
    MapWindowPoints(HWND_DESKTOP, GetParent(fenetre_), reinterpret_cast<POINT*>(&actuel), 2);
    if (!EqualRect(&actuel, &r))
        SetWindowPos(fenetre_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    const bool visible = (GetWindowLongW(fenetre_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != modele_.Visible())
        ShowWindow(fenetre_, modele_.Visible() ? SW_SHOWNA : SW_HIDE);
    if ((IsWindowEnabled(fenetre_) != FALSE) != modele_.Enabled())
        EnableWindow(fenetre_, modele_.Enabled());
    bool change = nouvelleEchelle || !MemeAspect(vu_, modele_);
    for (const Dessus& d : dessus_)
        change = change || !MemeAspect(d.vu, *d.cadre) || d.vu.Visible() != d.cadre->Visible() ||
            d.vu.rect() != d.cadre->rect();
    if (change)
        InvalidateRect(fenetre_, nullptr, FALSE);
    // A new text tells assistive technologies of the new name.
    if (nommerParLegende_ && nomDonne_ != modele_.Caption()) {
        nomDonne_ = modele_.Caption();
        SetWindowTextW(fenetre_, Large(nomDonne_).c_str());
    }

}

void Panneau::Peindre(HDC dc)
{
    RECT r{};
    GetClientRect(fenetre_, &r);
    PeindreControle(dc, r, modele_, Pinceau{echelle_, polices_, famille_, true, police_ ? &*police_ : nullptr});
    // The outline shapes above it, in this window's coordinates.
    for (Dessus& d : dessus_) {
        d.vu = *d.cadre;
        if (!d.cadre->Visible())
            continue;
        const Rect& ici = modele_.rect();
        const RECT zone = d.enfant ? echelle_.VersRect(d.cadre->rect())
                                   : echelle_.VersRect(d.cadre->rect(), -ici.left, -ici.top);
        PeindreCadre(dc, zone, *d.cadre, echelle_);
    }
    vu_ = modele_;
}

LRESULT Panneau::Traiter(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_PAINT: Repeindre(fenetre_, [this](HDC dc, const RECT&) { Peindre(dc); }); return 0;
    case WM_PRINTCLIENT: Peindre(reinterpret_cast<HDC>(w)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
        const bool doubleClic = message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
        // A panel acts once per double click: the second press, and so its release, do nothing.
        if (!cliquable_ || (doubleClic && !SecondePressionAgit(CibleSouris::Panneau)))
            return 0;
        const UINT bouton = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ? MK_LBUTTON
            : message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK               ? MK_RBUTTON
                                                                                     : MK_MBUTTON;
        if (boutonTenu_) {
            if (bouton != boutonTenu_ && (w & boutonTenu_))
                return 0;
            // The held button's release went elsewhere (a box opened meanwhile): let go, unclicked.
            boutonTenu_ = 0;
            evenements_.relache();
        }
        boutonTenu_ = bouton;
        SetCapture(fenetre_);
        evenements_.enfonce();
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const UINT bouton = message == WM_LBUTTONUP ? MK_LBUTTON : message == WM_RBUTTONUP ? MK_RBUTTON : MK_MBUTTON;
        if (!cliquable_ || bouton != boutonTenu_)
            return 0;
        boutonTenu_ = 0;
        if (GetCapture() == fenetre_)
            ReleaseCapture();
        evenements_.relache();
        RECT r{};
        GetClientRect(fenetre_, &r);
        if (bouton == MK_LBUTTON && PtInRect(&r, POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)}))
            evenements_.clique();
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (boutonTenu_ && reinterpret_cast<HWND>(l) != fenetre_) {
            boutonTenu_ = 0;
            evenements_.relache();
        }
        return 0;
    case WM_CONTEXTMENU: return 0;
    case WM_SETCURSOR:
        if (LOWORD(l) == HTCLIENT) {
            SetCursor(VersCurseur(modele_.curseur()));
            return TRUE;
        }
        break;
    }
    return DefWindowProcW(fenetre_, message, w, l);
}

} // namespace cogitelle
