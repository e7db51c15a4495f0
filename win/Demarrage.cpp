#include "win/Demarrage.h"

#include "session/Echelles.h"
#include "win/Fenetre.h"
#include "win/Unicode.h"

namespace cogitelle {

namespace {

const wchar_t* const ClasseDemarrage = L"CogitelleDemarrage";

} // namespace

Demarrage::Demarrage(Session& session, const MetriquesEcran& ecran, std::function<void(int32_t)> demarrer,
    std::function<void()> fermer)
    : session_(session), demarrer_(std::move(demarrer)), fermer_(std::move(fermer)),
      echelle_(static_cast<UINT>(ecran.pixelsParPouce))
{
    // A double click on a button is one click: its second press does nothing (see Traiter).
    EnregistrerClasse(ClasseDemarrage, CS_DBLCLKS);
    session_.CreerEcranDemarrage(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce);
    const EcranDemarrage& d = session_.Demarrage();
    // Centred on the whole screen, as designed.
    const int largeur = echelle_.X(d.LargeurEcran()), hauteur = echelle_.X(d.HauteurEcran());
    const Rect place = PlaceDansZone(largeur, hauteur, {0, 0, ecran.largeur, ecran.hauteur});
    fenetre_ = CreateWindowExW(WS_EX_APPWINDOW, ClasseDemarrage, Large(session_.etat.Titre).c_str(), WS_POPUP,
        place.left, place.top, largeur, hauteur, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    Brancher(fenetre_, this);
}

Demarrage::~Demarrage() { Detruire(fenetre_); }

void Demarrage::Montrer()
{
    ShowWindow(fenetre_, SW_SHOW);
    SetForegroundWindow(fenetre_);
    SetFocus(fenetre_);
    UpdateWindow(fenetre_);
}

RECT Demarrage::RectBouton(int32_t langue) const { return echelle_.VersRect(session_.Demarrage().Bouton(langue).vue.rect()); }

int32_t Demarrage::BoutonA(POINT p) const
{
    for (int32_t langue = 1; langue <= EcranDemarrage::NbBoutons; ++langue) {
        const RECT r = RectBouton(langue);
        if (session_.Demarrage().Bouton(langue).vue.Visible() && PtInRect(&r, p))
            return langue;
    }
    return 0;
}

void Demarrage::Peindre(HDC dc)
{
    const EcranDemarrage& d = session_.Demarrage();
    RECT tout{};
    GetClientRect(fenetre_, &tout);
    SetBkColor(dc, VersColorref(EcranDemarrage::Fond));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &tout, nullptr, 0, nullptr);
    auto peindre = [&](const ElementDessin& e) {
        if (e.vue.Visible())
            PeindrePanneau(dc, echelle_.VersRect(e.vue.rect()), e.vue,
                Pinceau{echelle_, polices_, FamilleDe(e.police), true, &e.police});
    };
    for (const ElementDessin& e : d.Dessin())
        peindre(e);
    for (int32_t langue = 1; langue <= EcranDemarrage::NbBoutons; ++langue)
        peindre(d.Bouton(langue));
}

LRESULT Demarrage::Traiter(UINT message, WPARAM w, LPARAM l)
{
    const POINT p{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
    switch (message) {
    case WM_PAINT: Repeindre(fenetre_, [this](HDC dc, const RECT&) { Peindre(dc); }); return 0;
    case WM_PRINTCLIENT: Peindre(reinterpret_cast<HDC>(w)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
        if (const int32_t langue = BoutonA(p)) {
            boutonTenu_ = langue;
            SetCapture(fenetre_);
            session_.Demarrage().Enfoncer(langue, true);
            const RECT r = RectBouton(langue);
            InvalidateRect(fenetre_, &r, FALSE);
        }
        return 0;
    case WM_LBUTTONUP: {
        const int32_t langue = boutonTenu_;
        if (!langue)
            return 0;
        boutonTenu_ = 0;
        if (GetCapture() == fenetre_)
            ReleaseCapture();
        session_.Demarrage().Enfoncer(langue, false);
        const RECT r = RectBouton(langue);
        InvalidateRect(fenetre_, &r, FALSE);
        if (PtInRect(&r, p))
            demarrer_(langue);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (boutonTenu_ && reinterpret_cast<HWND>(l) != fenetre_) {
            session_.Demarrage().Enfoncer(boutonTenu_, false);
            boutonTenu_ = 0;
            InvalidateRect(fenetre_, nullptr, FALSE);
        }
        return 0;
    case WM_KEYDOWN: {
        const int32_t langue = w == VK_RETURN ? EcranDemarrage::LangueDeLaTouche(ToucheFenetre::Entree)
            : w == VK_SPACE                   ? EcranDemarrage::LangueDeLaTouche(ToucheFenetre::Espace)
                                              : 0;
        if (langue)
            demarrer_(langue);
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(l) == HTCLIENT) {
            POINT souris{};
            GetCursorPos(&souris);
            ScreenToClient(fenetre_, &souris);
            const int32_t langue = BoutonA(souris);
            SetCursor(VersCurseur(langue ? session_.Demarrage().Bouton(langue).vue.curseur() : Curseur::Defaut));
            return TRUE;
        }
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another scale: the same picture at its scale.
        echelle_ = Echelle(HIWORD(w));
        polices_.Vider();
        PrendrePlaceProposee(fenetre_, l);
        InvalidateRect(fenetre_, nullptr, FALSE);
        return 0;
    }
    case WM_CLOSE:
        // Closing the start screen ends the program.
        fermer_();
        return 0;
    }
    return DefWindowProcW(fenetre_, message, w, l);
}

} // namespace cogitelle
