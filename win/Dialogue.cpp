#include "win/Dialogue.h"

#include <commctrl.h>

#include <algorithm>

#include "session/ChoixTableau.h"
#include "session/Echelles.h"
#include "win/Fenetre.h"
#include "win/Unicode.h"

namespace cogitelle {

namespace {

const wchar_t* const ClasseDialogue = L"CogitelleDialogue";

// Not clipping its children: the dialog paints its colour behind the group box too.
constexpr DWORD StyleDialogue = WS_POPUP | WS_CAPTION | WS_BORDER;
constexpr DWORD StyleEtenduDialogue = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

std::optional<ToucheDefilement> DefilementDe(WPARAM touche)
{
    switch (touche) {
    case VK_LEFT: return ToucheDefilement::Gauche;
    case VK_RIGHT: return ToucheDefilement::Droite;
    case VK_UP: return ToucheDefilement::Haut;
    case VK_DOWN: return ToucheDefilement::Bas;
    case VK_PRIOR: return ToucheDefilement::PagePrecedente;
    case VK_NEXT: return ToucheDefilement::PageSuivante;
    case VK_HOME: return ToucheDefilement::Debut;
    case VK_END: return ToucheDefilement::Fin;
    default: return std::nullopt;
    }
}

// A scroll bar's move by the mouse, as the keys of the same move.
std::optional<ToucheDefilement> DefilementDeLaBarre(WORD code)
{
    switch (code) {
    case SB_LINELEFT: return ToucheDefilement::Gauche;
    case SB_LINERIGHT: return ToucheDefilement::Droite;
    case SB_PAGELEFT: return ToucheDefilement::PagePrecedente;
    case SB_PAGERIGHT: return ToucheDefilement::PageSuivante;
    case SB_LEFT: return ToucheDefilement::Debut;
    case SB_RIGHT: return ToucheDefilement::Fin;
    default: return std::nullopt;
    }
}

std::wstring Texte(HWND fenetre)
{
    std::wstring t(static_cast<size_t>(GetWindowTextLengthW(fenetre)) + 1, L'\0');
    t.resize(static_cast<size_t>(GetWindowTextW(fenetre, t.data(), static_cast<int>(t.size()))));
    return t;
}

} // namespace

std::vector<Rect> ReglesDialogue::Places(double facteur) const { return PlacesALEchelle(Description(), facteur); }

Dialogue::Dialogue(HWND proprietaire, ReglesDialogue& regles, double facteurX, double facteurY,
    std::function<void(Issue)> issue)
    : regles_(regles), issue_(std::move(issue)), proprietaire_(proprietaire), echelle_(PppFenetre(proprietaire))
{
    EnregistrerClasse(ClasseDialogue, 0, LoadCursorW(nullptr, IDC_ARROW), true);
    const DescriptionFenetre& d = regles_.Description();
    // The whole dialog at the smaller screen factor, never larger than the monitor's free area
    // (in layout pixels) with its title bar.
    MONITORINFO moniteur{};
    moniteur.cbSize = sizeof moniteur;
    GetMonitorInfoW(MonitorFromWindow(proprietaire, MONITOR_DEFAULTTOPRIMARY), &moniteur);
    const double s = echelle_.Ppp() / 96.0;
    const RECT& libre = moniteur.rcWork;
    RECT cadre{0, 0, 0, 0};
    AdjustWindowRectEx(&cadre, StyleDialogue, FALSE, StyleEtenduDialogue);
    facteur_ = FacteurDialogue(facteurX, facteurY, d.largeur, d.hauteur,
        static_cast<int32_t>((libre.right - libre.left - (cadre.right - cadre.left)) / s),
        static_cast<int32_t>((libre.bottom - libre.top) / s), static_cast<int32_t>((cadre.bottom - cadre.top) / s));
    fond_ = CreateSolidBrush(VersColorref(d.couleur));
    fenetre_ = CreateWindowExW(StyleEtenduDialogue, ClasseDialogue, Large(d.titre).c_str(), StyleDialogue, 0, 0, 0, 0,
        proprietaire, nullptr, GetModuleHandleW(nullptr), nullptr);
    Brancher(fenetre_, this);
    RECT r{0, 0, echelle_.X(AEchelle(d.largeur, facteur_)), echelle_.X(AEchelle(d.hauteur, facteur_))};
    AdjustWindowRectEx(&r, StyleDialogue, FALSE, StyleEtenduDialogue);
    SetWindowPos(fenetre_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Creer();
    Synchroniser();
}

Dialogue::~Dialogue()
{
    for (Element& e : controles_)
        e.panneau.reset();
    Detruire(fenetre_);
    DeleteObject(fond_);
    for (auto& [couleur, pinceau] : pinceaux_)
        DeleteObject(pinceau);
}

HFONT Dialogue::PoliceNative(const Police& p)
{
    const Police police{p.famille, TaillePolice(p, facteur_), p.points, p.gras};
    return polices_.Obtenir(FamilleDe(police), police.points ? echelle_.HauteurPolice(police.taille) : echelle_.X(police.taille),
        police.gras);
}

void Dialogue::Creer()
{
    const DescriptionFenetre& d = regles_.Description();
    const std::vector<Rect> places = regles_.Places(facteur_);
    controles_.resize(d.controles.size());
    // Native controls lie in the dialog itself, at their place in the dialog; painted ones in
    // their painted parent.
    auto dansLeDialogue = [&](size_t i) {
        Rect r = places[i];
        for (int32_t p = d.controles[i].parent; p >= 0 && !controles_[static_cast<size_t>(p)].panneau;
             p = d.controles[static_cast<size_t>(p)].parent) {
            r.left += places[static_cast<size_t>(p)].left;
            r.top += places[static_cast<size_t>(p)].top;
        }
        return r;
    };
    for (size_t i = 0; i < d.controles.size(); ++i) {
        const ControleFenetre& c = d.controles[i];
        Element& e = controles_[i];
        e.police = Police{c.police.famille, TaillePolice(c.police, facteur_), c.police.points, c.police.gras};
        e.vue = cogitelle::Controle(c.genre == Genre::Etiquette ? Sorte::Etiquette
                : c.genre == Genre::Cadre                      ? Sorte::Cadre
                                                               : Sorte::Panneau,
            static_cast<int32_t>(i));
        e.vue.SetRect(places[i]);
        e.vue.SetCouleur(c.couleur);
        e.vue.SetCaption(c.caption);
        e.vue.SetLargeurBiseau(c.largeurBiseau);
        e.vue.SetCurseur(c.curseur);
        e.vue.SetGras(c.police.gras);
        e.vue.SetVisible(true);
        if (c.genre == Genre::Etiquette)
            e.vue.SetBiseauExterieur(Biseau::Aucun);
        const HWND parent = c.parent >= 0 && controles_[static_cast<size_t>(c.parent)].panneau
            ? controles_[static_cast<size_t>(c.parent)].fenetre
            : fenetre_;
        if (c.genre == Genre::Panneau || c.genre == Genre::Etiquette || c.genre == Genre::Cadre) {
            e.panneau = std::make_unique<Panneau>(parent, e.vue, c.nom.c_str(), FamilleDe(c.police), false,
                Panneau::Evenements{}, e.police);
            e.fenetre = e.panneau->Fenetre();
            e.panneau->Synchroniser(echelle_);
            continue;
        }
        const wchar_t* classe = L"BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE;
        switch (c.genre) {
        case Genre::BoutonPanneau: style |= BS_OWNERDRAW; break;
        case Genre::Radio: style |= BS_AUTORADIOBUTTON; break;
        case Genre::Groupe: style |= BS_GROUPBOX; break;
        case Genre::Saisie:
            classe = L"EDIT";
            style |= WS_BORDER | ES_AUTOHSCROLL | ES_UPPERCASE;
            break;
        case Genre::Defilement:
            classe = L"SCROLLBAR";
            style |= SBS_HORZ;
            break;
        default: break;
        }
        const RECT r = echelle_.VersRect(dansLeDialogue(i));
        e.fenetre = CreateWindowExW(0, classe, Large(c.caption).c_str(), style, r.left, r.top, r.right - r.left,
            r.bottom - r.top, fenetre_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), GetModuleHandleW(nullptr),
            nullptr);
        SendMessageW(e.fenetre, WM_SETFONT, reinterpret_cast<WPARAM>(PoliceNative(c.police)), FALSE);
        SetWindowSubclass(e.fenetre, ProcedureControle, i + 1, reinterpret_cast<DWORD_PTR>(this));
    }

    // The tab order: the order of the windows among their siblings, each control that takes the
    // keyboard a tab stop, a group box standing for its radio buttons.
    HWND precedent = HWND_TOP;
    bool premierRadio = true;
    for (const int32_t i : OrdreTabulation(d)) {
        const ControleFenetre& c = d.controles[static_cast<size_t>(i)];
        std::vector<int32_t> pile{i};
        if (c.genre == Genre::Groupe) {
            pile.clear();
            for (size_t j = 0; j < d.controles.size(); ++j)
                if (d.controles[j].parent == i && d.controles[j].genre == Genre::Radio)
                    pile.push_back(static_cast<int32_t>(j));
        }
        for (const int32_t j : pile) {
            const HWND w = controles_[static_cast<size_t>(j)].fenetre;
            LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
            if (d.controles[static_cast<size_t>(j)].genre == Genre::Radio) {
                // The radio buttons are one group, entered at the checked one.
                if (premierRadio)
                    style |= WS_GROUP | WS_TABSTOP;
                premierRadio = false;
            } else {
                style |= WS_GROUP | WS_TABSTOP;
            }
            SetWindowLongPtrW(w, GWL_STYLE, style);
            SetWindowPos(w, precedent, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            precedent = w;
        }
    }
}

void Dialogue::Synchroniser()
{
    const DescriptionFenetre& d = regles_.Description();
    const std::vector<EtatControle> etats = regles_.Etats();
    synchronisation_ = true;
    for (size_t i = 0; i < controles_.size() && i < etats.size(); ++i) {
        Element& e = controles_[i];
        const EtatControle& etat = etats[i];
        switch (d.controles[i].genre) {
        case Genre::Panneau:
        case Genre::Etiquette:
        case Genre::Cadre:
            e.vue.SetCaption(etat.caption);
            e.panneau->Synchroniser(echelle_);
            break;
        case Genre::BoutonPanneau:
            if (e.vue.Caption() != etat.caption) {
                e.vue.SetCaption(etat.caption);
                SetWindowTextW(e.fenetre, Large(etat.caption).c_str());
                InvalidateRect(e.fenetre, nullptr, FALSE);
            }
            break;
        case Genre::Radio:
        case Genre::Groupe:
            if (Texte(e.fenetre) != Large(etat.caption))
                SetWindowTextW(e.fenetre, Large(etat.caption).c_str());
            if (d.controles[i].genre == Genre::Radio &&
                (SendMessageW(e.fenetre, BM_GETCHECK, 0, 0) == BST_CHECKED) != etat.coche)
                SendMessageW(e.fenetre, BM_SETCHECK, etat.coche ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case Genre::Saisie:
            if (Texte(e.fenetre) != Large(etat.caption)) {
                const std::wstring texte = Large(etat.caption);
                SetWindowTextW(e.fenetre, texte.c_str());
                SendMessageW(e.fenetre, EM_SETSEL, texte.size(), texte.size());
            }
            break;
        case Genre::Defilement: {
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
            GetScrollInfo(e.fenetre, SB_CTL, &si);
            if (si.nMin != etat.min || si.nMax != etat.max || si.nPos != etat.position || si.nPage != 0) {
                si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL;
                si.nMin = etat.min;
                si.nMax = etat.max;
                si.nPage = 0;
                si.nPos = etat.position;
                SetScrollInfo(e.fenetre, SB_CTL, &si, TRUE);
            }
            break;
        }
        }
    }
    synchronisation_ = false;
}

void Dialogue::Montrer()
{
    // Centred in the free area of the main window's monitor, its top-left corner kept inside.
    MONITORINFO moniteur{};
    moniteur.cbSize = sizeof moniteur;
    GetMonitorInfoW(MonitorFromWindow(proprietaire_, MONITOR_DEFAULTTOPRIMARY), &moniteur);
    RECT r{};
    GetWindowRect(fenetre_, &r);
    const RECT& libre = moniteur.rcWork;
    const Rect place = PlaceDansZone(r.right - r.left, r.bottom - r.top,
        {libre.left, libre.top, libre.right - libre.left, libre.bottom - libre.top});
    SetWindowPos(fenetre_, HWND_TOP, place.left, place.top, 0, 0, SWP_NOSIZE);
    ShowWindow(fenetre_, SW_SHOW);
    SetForegroundWindow(fenetre_);
    // Opened again, it shows the rules' state even when it was already active.
    Evenement([this] {
        regles_.Activer();
        return Issue::Rien;
    });
    if (!GetFocus() || (GetFocus() != fenetre_ && !IsChild(fenetre_, GetFocus())))
        SetFocus(GetNextDlgTabItem(fenetre_, nullptr, FALSE));
}

void Dialogue::Cacher() { ShowWindow(fenetre_, SW_HIDE); }

void Dialogue::Evenement(const std::function<Issue()>& regle)
{
    const Issue issue = regle();
    Synchroniser();
    const int32_t focus = regles_.PrendreFocus();
    if (focus >= 0 && static_cast<size_t>(focus) < controles_.size() && IsWindowVisible(fenetre_))
        SetFocus(controles_[static_cast<size_t>(focus)].fenetre);
    if (issue != Issue::Rien)
        issue_(issue);
}

int32_t Dialogue::IndiceDe(HWND fenetre) const
{
    for (size_t i = 0; i < controles_.size(); ++i)
        if (controles_[i].fenetre == fenetre)
            return static_cast<int32_t>(i);
    return -1;
}

bool Dialogue::Previsualiser(MSG& m)
{
    if (!IsWindowVisible(fenetre_) || (m.hwnd != fenetre_ && !IsChild(fenetre_, m.hwnd)))
        return false;
    if (m.message == WM_KEYDOWN) {
        const int32_t indice = IndiceDe(m.hwnd);
        if (m.wParam == VK_RETURN) {
            // Held down, Enter acts once.
            if (m.lParam & (LPARAM{1} << 30))
                return true;
            // A button panel with the keyboard takes Enter, without Shift or Ctrl, as its click, as
            // it takes Space; elsewhere Enter confirms.
            const bool modifiee = (GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL)) & 0x8000;
            if (indice >= 0 && !modifiee &&
                regles_.Description().controles[static_cast<size_t>(indice)].genre == Genre::BoutonPanneau) {
                Evenement([this, indice] { return regles_.Clic(indice); });
                return true;
            }
            Evenement([this] { return regles_.Touche(ToucheFenetre::Entree); });
            return true;
        }
        if (m.wParam == VK_ESCAPE) {
            // Escape cancels from any control.
            Evenement([this] { return regles_.Touche(ToucheFenetre::Echappement); });
            return true;
        }
        const auto defilement = DefilementDe(m.wParam);
        const bool surUneBarre =
            indice >= 0 && regles_.Description().controles[static_cast<size_t>(indice)].genre == Genre::Defilement;
        if (defilement && (regles_.ClavierALaFenetre() || surUneBarre)) {
            Evenement([this, indice, defilement] {
                regles_.Defiler(indice, *defilement);
                return Issue::Rien;
            });
            return true;
        }
    }
    if (m.message == WM_CHAR) {
        const int32_t indice = IndiceDe(m.hwnd);
        if (indice >= 0 && regles_.Description().controles[static_cast<size_t>(indice)].genre == Genre::Defilement) {
            if (m.wParam >= L'0' && m.wParam <= L'9')
                Evenement([this, indice, &m] {
                    regles_.Chiffre(indice, static_cast<int32_t>(m.wParam - L'0'));
                    return Issue::Rien;
                });
            return true;
        }
    }
    return IsDialogMessageW(fenetre_, &m) != FALSE;
}

void Dialogue::Saisir(int32_t indice)
{
    const HWND champ = controles_[static_cast<size_t>(indice)].fenetre;
    const std::wstring tape = Texte(champ);
    const std::wstring avant = Large(regles_.Etats()[static_cast<size_t>(indice)].caption);
    const std::wstring garde = Large(regles_.Saisie(Etroit(tape)));
    if (garde == tape)
        return;
    DWORD fin = 0;
    SendMessageW(champ, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&fin));
    const size_t curseur = std::min<size_t>(fin, tape.size());
    auto place = static_cast<ptrdiff_t>(curseur);
    if (garde == avant)   // the edit was refused: the caret goes back with the text
        place -= static_cast<ptrdiff_t>(tape.size()) - static_cast<ptrdiff_t>(avant.size());
    else                  // after the characters before it, as they were kept
        place = static_cast<ptrdiff_t>(Large(NormaliserSaisie(Etroit(tape.substr(0, curseur)))).size());
    place = std::clamp<ptrdiff_t>(place, 0, static_cast<ptrdiff_t>(garde.size()));
    synchronisation_ = true;
    SetWindowTextW(champ, garde.c_str());
    SendMessageW(champ, EM_SETSEL, static_cast<WPARAM>(place), place);
    synchronisation_ = false;
}

LRESULT CALLBACK Dialogue::ProcedureControle(HWND fenetre, UINT message, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR donnee)
{
    auto* d = reinterpret_cast<Dialogue*>(donnee);
    return d->TraiterControle(static_cast<int32_t>(id) - 1, fenetre, message, w, l);
}

LRESULT Dialogue::TraiterControle(int32_t indice, HWND fenetre, UINT message, WPARAM w, LPARAM l)
{
    const ControleFenetre& c = regles_.Description().controles[static_cast<size_t>(indice)];
    switch (message) {
    case WM_LBUTTONDBLCLK:
        if (c.genre == Genre::Saisie) {
            Evenement([this, indice] {
                regles_.DoubleClic(indice);
                return Issue::Rien;
            });
            return 0;
        }
        // A button acts once per double click: its second press is no press at all.
        if (c.genre == Genre::BoutonPanneau || c.genre == Genre::Radio)
            return 0;
        break;
    case WM_SETCURSOR:
        if (c.curseur != Curseur::Defaut && LOWORD(l) == HTCLIENT) {
            SetCursor(VersCurseur(c.curseur));
            return TRUE;
        }
        break;
    case WM_KEYDOWN:
        // Any key but a digit (or a shift key) on the scroll bar starts the next typed number anew.
        if (c.genre == Genre::Defilement && !(w >= '0' && w <= '9') && !(w >= VK_NUMPAD0 && w <= VK_NUMPAD9) &&
            w != VK_SHIFT && w != VK_CONTROL && w != VK_MENU)
            regles_.OublierChiffres();
        break;
    case WM_KILLFOCUS:
        // Digits typed before the bar lost the keyboard do not join those typed after.
        if (c.genre == Genre::Defilement)
            regles_.OublierChiffres();
        break;
    case WM_GETDLGCODE:
        // The scroll bar's and the edit box's arrows are theirs; Enter and Escape go to the dialog.
        if (c.genre == Genre::Defilement)
            return DLGC_WANTARROWS;
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(fenetre, ProcedureControle, static_cast<UINT_PTR>(indice) + 1); break;
    }
    return DefSubclassProc(fenetre, message, w, l);
}

LRESULT Dialogue::Traiter(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_ERASEBKGND: return Effacer(fenetre_, w, fond_);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSCROLLBAR: {
        // A control's own colour (the edit box), or the dialog's behind the others.
        const int32_t indice = IndiceDe(reinterpret_cast<HWND>(l));
        const DescriptionFenetre& d = regles_.Description();
        Couleur couleur = d.couleur;
        if (indice >= 0 && d.controles[static_cast<size_t>(indice)].genre == Genre::Saisie)
            couleur = d.controles[static_cast<size_t>(indice)].couleur;
        HDC dc = reinterpret_cast<HDC>(w);
        SetBkColor(dc, VersColorref(couleur));
        SetTextColor(dc, VersColorref(d.couleurTexte));
        for (auto& [c, pinceau] : pinceaux_)
            if (c == couleur)
                return reinterpret_cast<LRESULT>(pinceau);
        pinceaux_.emplace_back(couleur, CreateSolidBrush(VersColorref(couleur)));
        return reinterpret_cast<LRESULT>(pinceaux_.back().second);
    }
    case WM_DRAWITEM: {
        // A button drawn as the panel it is designed as: raised, lowered while held.
        const auto* di = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
        const auto indice = static_cast<int32_t>(di->CtlID) - 1;
        if (indice < 0 || static_cast<size_t>(indice) >= controles_.size())
            break;
        Element& e = controles_[static_cast<size_t>(indice)];
        e.vue.SetBiseauExterieur(di->itemState & ODS_SELECTED ? Biseau::Abaisse : Biseau::Releve);
        PeindrePanneau(di->hDC, di->rcItem, e.vue,
            Pinceau{echelle_, polices_, FamilleDe(*e.police), true, &*e.police});
        if (di->itemState & ODS_FOCUS) {
            RECT focus = di->rcItem;
            InflateRect(&focus, -echelle_.Trait(e.vue.LargeurBiseau()) - 1, -echelle_.Trait(e.vue.LargeurBiseau()) - 1);
            DrawFocusRect(di->hDC, &focus);
        }
        return TRUE;
    }
    case WM_COMMAND: {
        const int32_t indice = static_cast<int32_t>(LOWORD(w)) - 1;
        if (synchronisation_ || indice < 0 || static_cast<size_t>(indice) >= controles_.size())
            break;
        const Genre genre = regles_.Description().controles[static_cast<size_t>(indice)].genre;
        if (HIWORD(w) == BN_CLICKED && (genre == Genre::BoutonPanneau || genre == Genre::Radio)) {
            Evenement([this, indice] { return regles_.Clic(indice); });
            return 0;
        }
        if (HIWORD(w) == EN_CHANGE && genre == Genre::Saisie) {
            Evenement([this, indice] {
                Saisir(indice);
                return Issue::Rien;
            });
            return 0;
        }
        break;
    }
    case WM_HSCROLL: {
        const int32_t indice = IndiceDe(reinterpret_cast<HWND>(l));
        if (indice < 0)
            break;
        const HWND barre = controles_[static_cast<size_t>(indice)].fenetre;
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_ALL;
        GetScrollInfo(barre, SB_CTL, &si);
        const WORD code = LOWORD(w);
        if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
            const int32_t position = si.nTrackPos;
            Evenement([this, indice, position] {
                regles_.Change(indice, position);
                return Issue::Rien;
            });
        } else if (const auto touche = DefilementDeLaBarre(code)) {
            const ControleFenetre& c = regles_.Description().controles[static_cast<size_t>(indice)];
            const int32_t position = PositionApresTouche(*touche, si.nPos, si.nMin, si.nMax, c.pasGrand);
            Evenement([this, indice, position] {
                regles_.Change(indice, position);
                return Issue::Rien;
            });
        }
        return 0;
    }
    case WM_DPICHANGED: {
        // Moved to a monitor of another scale: the same controls made again at its scale.
        for (Element& e : controles_) {
            if (!e.panneau)
                DestroyWindow(e.fenetre);
            e.panneau.reset();
        }
        controles_.clear();
        polices_.Vider();
        echelle_ = Echelle(HIWORD(w));
        Creer();
        Synchroniser();
        PrendrePlaceProposee(fenetre_, l);
        InvalidateRect(fenetre_, nullptr, TRUE);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(w) != WA_INACTIVE)
            Evenement([this] {
                regles_.Activer();
                return Issue::Rien;
            });
        break;
    case WM_CLOSE:
        // Alt+F4: as Escape.
        Evenement([this] { return regles_.Touche(ToucheFenetre::Echappement); });
        return 0;
    }
    return DefWindowProcW(fenetre_, message, w, l);
}

} // namespace cogitelle
