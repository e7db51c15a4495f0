#include "win/FenetreMath.h"

#include "win/Fenetre.h"
#include "win/PortsWin.h"
#include "win/Unicode.h"

namespace cogitelle {

namespace {

const wchar_t* const ClasseMath = L"CogitelleMath";

// A menu item's text: its caption, then its shortcut key after a tab.
std::wstring TexteElement(const ElementMenu& e)
{
    std::wstring texte = Large(e.caption);
    if (e.raccourci != Raccourci::Aucun)
        texte += L"\t" + Large(TexteRaccourci(e.raccourci));
    return texte;
}

WORD ToucheDe(Raccourci r) { return r == Raccourci::F1 ? VK_F1 : VK_F9; }

// The keys of the main window's keyboard rules (session/Clavier.h).
bool ToucheClavierDe(WPARAM cle, ToucheClavier& t)
{
    switch (cle) {
    case VK_LEFT: t = ToucheClavier::Gauche; return true;
    case VK_RIGHT: t = ToucheClavier::Droite; return true;
    case VK_UP: t = ToucheClavier::Haut; return true;
    case VK_DOWN: t = ToucheClavier::Bas; return true;
    case VK_HOME: t = ToucheClavier::HautGauche; return true;
    case VK_PRIOR: t = ToucheClavier::HautDroite; return true;
    case VK_END: t = ToucheClavier::BasGauche; return true;
    case VK_NEXT: t = ToucheClavier::BasDroite; return true;
    case VK_SPACE: t = ToucheClavier::Espace; return true;
    case VK_RETURN: t = ToucheClavier::Entree; return true;
    case VK_APPS: t = ToucheClavier::Menu; return true;
    case VK_TAB: t = ToucheClavier::Tabulation; return true;
    default: return false;
    }
}

uint32_t EtatTouches()
{
    uint32_t etat = 0;
    if (GetKeyState(VK_SHIFT) < 0) etat |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) etat |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) etat |= ssAlt;
    return etat;
}

} // namespace

FenetreMath::FenetreMath(Session& session, PortsWin& ports, const MetriquesEcran& ecran)
    : session_(session), ports_(ports), echelle_(static_cast<UINT>(ecran.pixelsParPouce))
{
    EnregistrerClasse(ClasseMath, CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW));
    session_.CreerFenetrePrincipale(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce);
    fenetre_ = CreateWindowExW(0, ClasseMath, Large(session_.Principale().Caption).c_str(),
        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
        nullptr, GetModuleHandleW(nullptr), nullptr);
    Brancher(fenetre_, this);
    echelle_ = Echelle(PppFenetre(fenetre_));

    CreerMenus();
    plateau_ = std::make_unique<Plateau>(fenetre_, session_, [this] { RafraichirVue(); });
    CreerPanneaux();

    ports_.SetProprietaire(fenetre_);
    ports_.Tic = [this](Minuterie::Id id) { Executer([this, id] { session_.Tic(id); }); };
    ports_.AvantBoite = [this] {
        RafraichirVue();
        UpdateWindow(fenetre_);
    };
    RafraichirVue();
}

FenetreMath::~FenetreMath()
{
    ports_.Tic = nullptr;
    ports_.AvantBoite = nullptr;
    ports_.SetProprietaire(nullptr);
    panneaux_.clear();
    plateau_.reset();
    Detruire(fenetre_);
    if (raccourcis_)
        DestroyAcceleratorTable(raccourcis_);
    if (fond_)
        DeleteObject(fond_);
}

void FenetreMath::CreerMenus()
{
    // The menu bar as the session describes it: each item's identifier is its command.
    barre_ = CreateMenu();
    std::vector<ACCEL> touches;
    for (const Menu& m : session_.Menus()) {
        HMENU menu = CreatePopupMenu();
        for (const ElementMenu& e : m.elements) {
            if (e.Separateur()) {
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            AppendMenuW(menu, MF_STRING | (e.coche ? MF_CHECKED : MF_UNCHECKED), static_cast<UINT_PTR>(e.commande),
                TexteElement(e).c_str());
            menusVus_.push_back(e);
            if (e.raccourci != Raccourci::Aucun)
                touches.push_back({FVIRTKEY, ToucheDe(e.raccourci), static_cast<WORD>(e.commande)});
        }
        AppendMenuW(barre_, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), Large(m.caption).c_str());
    }
    SetMenu(fenetre_, barre_);
    if (!touches.empty())
        raccourcis_ = CreateAcceleratorTableW(touches.data(), static_cast<int>(touches.size()));
}

void FenetreMath::CreerPanneaux()
{
    const std::vector<PlaceControle>& disposition = session_.Principale().Disposition();
    for (size_t i = 0; i < disposition.size(); ++i) {
        const PlaceControle& p = disposition[i];
        if (p.controle->sorte() == Sorte::Cadre) {
            // No window: its parent and the siblings created before it paint it.
            if (Panneau* parent = p.parent ? PanneauDe(*p.parent) : nullptr)
                parent->AjouterDessus(*p.controle, true);
            for (size_t j = 0; j < i; ++j)
                if (disposition[j].parent == p.parent)
                    if (Panneau* frere = PanneauDe(*disposition[j].controle))
                        frere->AjouterDessus(*p.controle, false);
            continue;
        }
        const HWND parent = p.parent ? PanneauDe(*p.parent)->Fenetre() : fenetre_;
        Panneau::Evenements evenements;
        if (p.cliquable()) {
            const auto indice = static_cast<int32_t>(i);
            const Commande commande = p.commande;
            evenements.enfonce = [this, indice] { Executer([this, indice] { session_.Panneau(indice, true); }); };
            evenements.relache = [this, indice] { Executer([this, indice] { session_.Panneau(indice, false); }); };
            evenements.clique = [this, commande] { Executer([this, commande] { session_.Commande(commande); }); };
        }
        panneaux_.push_back(std::make_unique<Panneau>(parent, *p.controle, p.nom,
            p.policeTimes ? Famille::Times : Famille::Fenetre, p.cliquable(), std::move(evenements)));
        // A screen reader says the panel's caption: the score, the info text, a button's name.
        panneaux_.back()->NommerParLegende();
        parControle_[p.controle] = panneaux_.back().get();
    }
}

Panneau* FenetreMath::PanneauDe(const Controle& c) const
{
    const auto it = parControle_.find(&c);
    return it == parControle_.end() ? nullptr : it->second;
}

void FenetreMath::Executer(const std::function<void()>& regle)
{
    regle();
    RafraichirVue();
}

void FenetreMath::RafraichirVue()
{
    if (!fenetre_)
        return;
    const Controles& k = session_.controles;
    const FenetrePrincipale& principale = session_.Principale();
    const std::wstring titre = Large(principale.Caption);
    wchar_t actuel[256] = {};
    GetWindowTextW(fenetre_, actuel, 256);
    if (titre != actuel)
        SetWindowTextW(fenetre_, titre.c_str());
    if ((IsWindowEnabled(fenetre_) != FALSE) != principale.Enabled)
        EnableWindow(fenetre_, principale.Enabled);
    if (!fond_ || couleurVue_ != k.CouleurFenetre) {
        if (fond_)
            DeleteObject(fond_);
        fond_ = CreateSolidBrush(VersColorref(k.CouleurFenetre));
        couleurVue_ = k.CouleurFenetre;
        InvalidateRect(fenetre_, nullptr, TRUE);
    }
    plateau_->Synchroniser();
    if (k.Modifications() != modificationsVues_) {
        modificationsVues_ = k.Modifications();
        for (const auto& p : panneaux_)
            p->Synchroniser(echelle_);
    }
    DonnerFocus();
    // The game items' captions and the check mark of the game in play.
    size_t i = 0;
    bool change = false;
    for (const Menu& m : session_.Menus())
        for (const ElementMenu& e : m.elements) {
            if (e.Separateur() || i >= menusVus_.size())
                continue;
            ElementMenu& vu = menusVus_[i++];
            const auto id = static_cast<UINT>(e.commande);
            if (vu.caption != e.caption) {
                ModifyMenuW(barre_, id, MF_BYCOMMAND | MF_STRING, id, TexteElement(e).c_str());
                change = true;
            }
            if (vu.coche != e.coche || vu.caption != e.caption)
                CheckMenuItem(barre_, id, MF_BYCOMMAND | (e.coche ? MF_CHECKED : MF_UNCHECKED));
            vu = e;
        }
    if (change)
        DrawMenuBar(fenetre_);
}

void FenetreMath::DonnerFocus()
{
    const Controle* voulu = session_.controles.Focus.panneau;
    if (focusDonne_ && voulu == focusVu_)
        return;
    // Another window of the program may be active (a dialog just opened): the focus waits for
    // this one's activation, which would otherwise take it back.
    const HWND active = GetActiveWindow();
    if (active && active != fenetre_)
        return;
    const Panneau* panneau = voulu ? PanneauDe(*voulu) : nullptr;
    const HWND cible = panneau ? panneau->Fenetre() : plateau_->Fenetre();
    if (!IsWindowVisible(cible) || !IsWindowEnabled(cible))
        return;
    focusVu_ = voulu;
    focusDonne_ = true;
    if (GetFocus() != cible)
        SetFocus(cible);
}

void FenetreMath::Montrer()
{
    ShowWindow(fenetre_, SW_SHOWMAXIMIZED);
    UpdateWindow(fenetre_);
    Executer([this] { session_.Activer(); });
}

bool FenetreMath::Previsualiser(MSG& m)
{
    if (m.hwnd != fenetre_ && !IsChild(fenetre_, m.hwnd))
        return false;
    if (!IsWindowEnabled(fenetre_))
        return false;
    if (raccourcis_ && TranslateAcceleratorW(fenetre_, raccourcis_, &m))
        return true;
    ToucheClavier touche{};
    if (m.message == WM_KEYDOWN && ToucheClavierDe(m.wParam, touche)) {
        // The board's cursor, the walls, Tab through the panels, the maze's arrows. A key used
        // goes no further: its character is not made.
        bool utilisee = false;
        const uint32_t etat = EtatTouches();
        Executer([this, &utilisee, touche, etat] { utilisee = session_.Touche(touche, etat); });
        if (utilisee)
            return true;
    } else if (m.message == WM_CHAR && m.wParam > 0 && m.wParam < 128) {
        const char caractere = static_cast<char>(m.wParam);
        Executer([this, caractere] { session_.Caractere(caractere); });
    }
    // The message still goes on to its control.
    return false;
}

LRESULT FenetreMath::Traiter(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_ERASEBKGND: return Effacer(fenetre_, w, fond_);
    case WM_COMMAND:
        // A menu item (0) or its shortcut key (1): its identifier is its command.
        if (HIWORD(w) == 0 || HIWORD(w) == 1) {
            const auto commande = static_cast<Commande>(LOWORD(w));
            Executer([this, commande] { session_.Commande(commande); });
            return 0;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(w) != WA_INACTIVE) {
            Executer([this] { session_.Activer(); });
            // The keyboard goes back to the control the model has it on, not to the window.
            focusDonne_ = false;
            DonnerFocus();
            if (focusDonne_)
                return 0;
        }
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another scale: the same layout at its scale.
        echelle_ = Echelle(HIWORD(w));
        plateau_->ChangerEchelle(HIWORD(w));
        for (const auto& p : panneaux_)
            p->Synchroniser(echelle_);
        PrendrePlaceProposee(fenetre_, l);
        return 0;
    }
    case WM_CLOSE:
        // Closing the main window stops the timers and ends the program, without a question.
        Executer([this] { session_.Commande(cmdFermer); });
        return 0;
    case WM_CONTEXTMENU: return 0;
    }
    return DefWindowProcW(fenetre_, message, w, l);
}

} // namespace cogitelle
