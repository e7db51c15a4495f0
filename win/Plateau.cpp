#include "win/Plateau.h"


#include "session/Entrees.h"
#include "win/Fenetre.h"
#include "win/Unicode.h"

namespace cogitelle {

namespace {

const wchar_t* const ClassePlateau = L"CogitellePlateau";

// Beyond this many changed rectangles one repaint of the whole board is cheaper to compute.
constexpr size_t ZonesMax = 64;

uint32_t EtatSourisDe(WPARAM w, bool doubleClic)
{
    uint32_t etat = 0;
    if (w & MK_SHIFT) etat |= ssShift;
    if (GetKeyState(VK_MENU) < 0) etat |= ssAlt;
    if (w & MK_CONTROL) etat |= ssCtrl;
    if (w & MK_LBUTTON) etat |= ssLeft;
    if (w & MK_RBUTTON) etat |= ssRight;
    if (w & MK_MBUTTON) etat |= ssMiddle;
    if (doubleClic) etat |= ssDouble;
    return etat;
}

BoutonSouris BoutonDe(UINT bouton)
{
    return bouton == MK_RBUTTON ? BoutonSouris::Droit : bouton == MK_MBUTTON ? BoutonSouris::Milieu : BoutonSouris::Gauche;
}

TypeMur TypeDe(Piece mur)
{
    return mur == Piece::MurDroit ? TypeMur::Droit : mur == Piece::MurBas ? TypeMur::Bas : TypeMur::BasDroit;
}

template <typename Grille>
bool Dans(const Grille& grille, const Controle* c)
{
    const Controle* debut = &grille[0][0];
    return c >= debut && c < debut + sizeof grille / sizeof grille[0][0];
}

} // namespace

Plateau::Plateau(HWND parent, Session& session, std::function<void()> modeleModifie)
    : session_(session), modeleModifie_(std::move(modeleModifie)), echelle_(PppFenetre(parent)),
      panneauVu_(session.controles.panelCentral)
{
    const Controles& k = session.controles;
    for (const Controle* ctl : k.OrdreCreation())
        pieces_.push_back(Dans(k.Cases, ctl)                                ? Piece::Case
                : Dans(k.CadresInterieurs, ctl) || Dans(k.CadresCases, ctl) ? Piece::Cadre
                : Dans(k.MursDroits, ctl)                                   ? Piece::MurDroit
                : Dans(k.MursBas, ctl)                                      ? Piece::MurBas
                                                                            : Piece::MurBasDroit);
    // Double clicks reach the board as such: the cells see the second press as one.
    EnregistrerClasse(ClassePlateau, CS_DBLCLKS);
    fenetre_ = CreateWindowExW(0, ClassePlateau, L"panelCentral", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
        nullptr, GetModuleHandleW(nullptr), nullptr);
    Brancher(fenetre_, this);
    // The hints: one tool over the board, moved to the control under the mouse that has one.
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    bulle_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, fenetre_, nullptr, GetModuleHandleW(nullptr), nullptr);
    TOOLINFOW outil{};
    outil.cbSize = sizeof outil;
    outil.uFlags = TTF_SUBCLASS;
    outil.hwnd = fenetre_;
    outil.uId = 1;
    outil.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(bulle_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&outil));
    Placer();
}

Plateau::~Plateau()
{
    if (bulle_)
        DestroyWindow(bulle_);
    Detruire(fenetre_);
}

std::string Plateau::BulleA(POINT p) const
{
    const int i = IndiceA(p);
    if (i < 0)
        return {};
    const Controle& c = *session_.controles.OrdreCreation()[static_cast<size_t>(i)];
    return c.ShowHint() ? c.Hint() : std::string();
}

void Plateau::Placer()
{
    const Controle& pc = session_.controles.panelCentral;
    const RECT r = echelle_.VersRect(pc.rect());
    SetWindowPos(fenetre_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
        SWP_NOZORDER | SWP_NOACTIVATE | (pc.Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void Plateau::ChangerEchelle(UINT ppp)
{
    echelle_ = Echelle(ppp);
    polices_.Vider();
    Placer();
    InvalidateRect(fenetre_, nullptr, FALSE);
}

std::string Plateau::Nom() const
{
    const GameState& g = session_.etat;
    const FocusClavier& f = session_.controles.Focus;
    if (!CotePlateauLu(g) || !session_.controles.panelCentral.Visible())
        return NomPlateauLu;
    const TexteCase t = DireCase(g, f.x, f.y);
    return std::string(NomPlateauLu) + ", " + t.nom + ", " + NomColonneLue(f.x) + ", " + NomLigneLue(f.y) +
        (t.etat.empty() ? "" : ", " + t.etat);
}

void Plateau::Synchroniser()
{
    Controles& k = session_.controles;
    // A new text tells assistive technologies of the new name.
    const std::string nom = Nom();
    if (nom != nomDonne_) {
        nomDonne_ = nom;
        SetWindowTextW(fenetre_, Large(nom).c_str());
    }
    const Controle& pc = k.panelCentral;
    bool tout = false;
    if (pc.rect() != panneauVu_.rect() || pc.Visible() != panneauVu_.Visible() || pc.couleur() != panneauVu_.couleur() ||
        pc.BiseauExterieur() != panneauVu_.BiseauExterieur() || pc.BiseauInterieur() != panneauVu_.BiseauInterieur() ||
        pc.LargeurBiseau() != panneauVu_.LargeurBiseau()) {
        panneauVu_ = pc;
        Placer();
        tout = true;
    }
    if (k.ToutSale())
        tout = true;
    const std::vector<Rect> zones = k.PrendreZonesSales();
    if (tout || zones.size() > ZonesMax) {
        InvalidateRect(fenetre_, nullptr, FALSE);
    } else {
        for (const Rect& z : zones) {
            const RECT r = echelle_.VersRect(z);
            InvalidateRect(fenetre_, &r, FALSE);
        }
    }
}

int Plateau::IndiceA(POINT p) const
{
    const auto& pool = session_.controles.OrdreCreation();
    for (int i = static_cast<int>(pool.size()) - 1; i >= 0; --i) {
        const Controle& ctl = *pool[static_cast<size_t>(i)];
        if (pieces_[static_cast<size_t>(i)] == Piece::Cadre || !ctl.Visible())
            continue;
        const RECT r = echelle_.VersRect(ctl.rect());
        if (PtInRect(&r, p))
            return i;
    }
    return -1;
}

void Plateau::Peindre(HDC dc, const RECT& zone)
{
    const Controles& k = session_.controles;
    RECT tout{};
    GetClientRect(fenetre_, &tout);
    Pinceau pinceau{echelle_, polices_, Famille::Times, false};
    PeindrePanneau(dc, tout, k.panelCentral, pinceau);
    const auto& pool = k.OrdreCreation();
    for (size_t i = 0; i < pool.size(); ++i) {
        const Controle& ctl = *pool[i];
        if (!ctl.Visible())
            continue;
        const RECT r = echelle_.VersRect(ctl.rect());
        RECT commun;
        if (r.right <= r.left || r.bottom <= r.top || !IntersectRect(&commun, &r, &zone))
            continue;
        if (pieces_[i] == Piece::Cadre) {
            PeindreCadre(dc, r, ctl, echelle_);
        } else {
            // A number a little wide for its cell (the magic square's ring of sums) is drawn
            // smaller rather than cut.
            pinceau.ajuster = pieces_[i] == Piece::Case && !ctl.Caption().empty();
            PeindrePanneau(dc, r, ctl, pinceau);
        }
    }
    // The keyboard's cursor, above everything on the board.
    const Controle& focus = k.CadreFocus;
    const RECT r = echelle_.VersRect(focus.rect());
    RECT commun;
    if (focus.Visible() && IntersectRect(&commun, &r, &zone))
        PeindreFocus(dc, r, focus.LargeurStylo(), focus.CouleurStylo(), focus.couleur(), echelle_);
}

void Plateau::Appuyer(UINT bouton, WPARAM w, POINT p, bool doubleClic)
{
    // A wall keeps the mouse until the button pressed on it is released. When that button is
    // pressed again, or is no longer down, its release went elsewhere (to a box that opened
    // meanwhile): the wall is let go unclicked.
    if (murTenu_) {
        if (bouton != murTenu_->bouton && (w & murTenu_->bouton))
            return;
        const MurTenu mur = *murTenu_;
        murTenu_.reset();
        session_.MurRelache(TypeDe(mur.piece), mur.tag);
    }
    const int i = IndiceA(p);
    if (i < 0)
        return;
    const Controle& ctl = *session_.controles.OrdreCreation()[static_cast<size_t>(i)];
    const Piece piece = pieces_[static_cast<size_t>(i)];
    if (piece == Piece::Case) {
        session_.Case(ctl.Tag(), BoutonDe(bouton), EtatSourisDe(w, doubleClic));
    } else {
        // A wall acts once per double click: its second press is neither a press nor a click.
        if (doubleClic && !SecondePressionAgit(CibleSouris::Mur))
            return;
        murTenu_ = MurTenu{piece, ctl.Tag(), &ctl, bouton};
        SetCapture(fenetre_);
        session_.MurEnfonce(TypeDe(piece), ctl.Tag());
    }
    Synchroniser();
    modeleModifie_();
}

void Plateau::Relacher(UINT bouton, POINT p)
{
    if (!murTenu_ || bouton != murTenu_->bouton)
        return;
    const MurTenu mur = *murTenu_;
    murTenu_.reset();
    if (GetCapture() == fenetre_)
        ReleaseCapture();
    const RECT r = echelle_.VersRect(mur.mur->rect());
    const bool dedans = PtInRect(&r, p);
    // The wall is raised before its click runs: a click that ends the game locks the board, and
    // the wall must not stay pressed under the end message.
    session_.MurRelache(TypeDe(mur.piece), mur.tag);
    Synchroniser();
    modeleModifie_();
    if (bouton != MK_LBUTTON || !dedans)
        return;
    session_.MurClique(TypeDe(mur.piece), mur.tag);
    Synchroniser();
    modeleModifie_();
}

LRESULT Plateau::Traiter(UINT message, WPARAM w, LPARAM l)
{
    const POINT p{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
    switch (message) {
    case WM_PAINT:
        Repeindre(fenetre_, [this](HDC dc, const RECT& z) {
            // Painted off screen, then shown at once: no flicker of the cells under their frames.
            if (z.right <= z.left || z.bottom <= z.top)
                return;
            HDC memoire = CreateCompatibleDC(dc);
            HBITMAP image = CreateCompatibleBitmap(dc, z.right - z.left, z.bottom - z.top);
            const HGDIOBJ avant = SelectObject(memoire, image);
            SetViewportOrgEx(memoire, -z.left, -z.top, nullptr);
            Peindre(memoire, z);
            SetViewportOrgEx(memoire, 0, 0, nullptr);
            BitBlt(dc, z.left, z.top, z.right - z.left, z.bottom - z.top, memoire, 0, 0, SRCCOPY);
            SelectObject(memoire, avant);
            DeleteObject(image);
            DeleteDC(memoire);
        });
        return 0;
    case WM_PRINTCLIENT: {
        RECT tout{};
        GetClientRect(fenetre_, &tout);
        Peindre(reinterpret_cast<HDC>(w), tout);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: Appuyer(MK_LBUTTON, w, p, false); return 0;
    case WM_RBUTTONDOWN: Appuyer(MK_RBUTTON, w, p, false); return 0;
    case WM_MBUTTONDOWN: Appuyer(MK_MBUTTON, w, p, false); return 0;
    // The second press of a double click: the cells see it with ssDouble; the walls ignore it.
    case WM_LBUTTONDBLCLK: Appuyer(MK_LBUTTON, w, p, true); return 0;
    case WM_RBUTTONDBLCLK: Appuyer(MK_RBUTTON, w, p, true); return 0;
    case WM_MBUTTONDBLCLK: Appuyer(MK_MBUTTON, w, p, true); return 0;
    case WM_LBUTTONUP: Relacher(MK_LBUTTON, p); return 0;
    case WM_RBUTTONUP: Relacher(MK_RBUTTON, p); return 0;
    case WM_MBUTTONUP: Relacher(MK_MBUTTON, p); return 0;
    case WM_CAPTURECHANGED:
        // The capture went elsewhere (a box opened): the wall is let go unclicked.
        if (murTenu_ && reinterpret_cast<HWND>(l) != fenetre_) {
            const MurTenu mur = *murTenu_;
            murTenu_.reset();
            session_.MurRelache(TypeDe(mur.piece), mur.tag);
            Synchroniser();
            modeleModifie_();
        }
        return 0;
    case WM_MOUSEMOVE: {
        // Another control under the mouse: the tool moves onto it when it has a hint, and the
        // tip shown so far goes.
        const int i = IndiceA(p);
        if (i != bulleIndice_) {
            bulleIndice_ = i;
            const std::string texte = BulleA(p);
            bulleTexte_ = Large(texte);
            TOOLINFOW outil{};
            outil.cbSize = sizeof outil;
            outil.hwnd = fenetre_;
            outil.uId = 1;
            if (!texte.empty())
                outil.rect = echelle_.VersRect(session_.controles.OrdreCreation()[static_cast<size_t>(i)]->rect());
            SendMessageW(bulle_, TTM_POP, 0, 0);
            SendMessageW(bulle_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&outil));
        }
        break;
    }
    case WM_NOTIFY: {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(l);
        if (info->hdr.hwndFrom == bulle_ && info->hdr.code == TTN_GETDISPINFOW) {
            info->lpszText = bulleTexte_.data();
            return 0;
        }
        break;
    }
    // The right button plays in the serpentine: no context menu.
    case WM_CONTEXTMENU: return 0;
    case WM_SETCURSOR:
        if (LOWORD(l) == HTCLIENT) {
            POINT souris{};
            GetCursorPos(&souris);
            ScreenToClient(fenetre_, &souris);
            const int i = IndiceA(souris);
            const Controle& ctl =
                i < 0 ? session_.controles.panelCentral : *session_.controles.OrdreCreation()[static_cast<size_t>(i)];
            SetCursor(VersCurseur(ctl.curseur()));
            return TRUE;
        }
        break;
    }
    return DefWindowProcW(fenetre_, message, w, l);
}

} // namespace cogitelle
