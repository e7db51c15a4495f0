#include "win/FenetreMath.h"

#include "win/PortsWin.h"
#include "win/Unicode.h"

namespace cogitelle {

namespace {

const wchar_t* const ClasseMath = L"CogitelleMath";

void EnregistrerClasse()
{
    static const bool fait = [] {
        WNDCLASSEXW classe{};
        classe.cbSize = sizeof classe;
        classe.style = CS_DBLCLKS;
        classe.lpfnWndProc = DefWindowProcW;
        classe.hInstance = GetModuleHandleW(nullptr);
        classe.hIcon = LoadIconW(classe.hInstance, MAKEINTRESOURCEW(1));
        classe.hIconSm = static_cast<HICON>(LoadImageW(classe.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
            GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
        classe.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        classe.lpszClassName = ClasseMath;
        return RegisterClassExW(&classe) != 0;
    }();
    (void)fait;
}

} // namespace

FenetreMath::FenetreMath(Liaison& liaison, PortsWin& ports, const MetriquesEcran& ecran)
    : liaison_(liaison), ports_(ports), echelle_(static_cast<UINT>(ecran.pixelsParPouce))
{
    EnregistrerClasse();
    liaison_.Creer(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce);
    fenetre_ = CreateWindowExW(0, ClasseMath, Large(liaison_.Caption()).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(fenetre_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(fenetre_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
    echelle_ = Echelle(PppFenetre(fenetre_));

    plateau_ = std::make_unique<Plateau>(fenetre_, liaison_, [this] { RafraichirVue(); });
    CreerPanneaux();

    ports_.SetProprietaire(fenetre_);
    ports_.Tic = [this](Minuterie::Id id) { Executer([this, id] { liaison_.Tic(id); }); };
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
    if (fenetre_) {
        SetWindowLongPtrW(fenetre_, GWLP_USERDATA, 0);
        DestroyWindow(fenetre_);
    }
    if (fond_)
        DeleteObject(fond_);
}

void FenetreMath::CreerPanneaux()
{
    const std::vector<PlaceControle>& disposition = liaison_.Disposition();
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
        const Controle* ctl = p.controle;
        Panneau::Evenements evenements;
        if (p.cliquable) {
            evenements.enfonce = [this, ctl] { Executer([this, ctl] { liaison_.PanneauEnfonce(*ctl); }); };
            evenements.relache = [this, ctl] { Executer([this, ctl] { liaison_.PanneauRelache(*ctl); }); };
            evenements.clique = [this, ctl] { Executer([this, ctl] { liaison_.PanneauClique(*ctl); }); };
        }
        panneaux_.push_back(std::make_unique<Panneau>(parent, *ctl, p.nom, p.policeTimes ? Famille::Times : Famille::Fenetre,
            p.cliquable, std::move(evenements)));
        parControle_[ctl] = panneaux_.back().get();
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
    const Controles& k = liaison_.Modele();
    const std::wstring titre = Large(liaison_.Caption());
    wchar_t actuel[256] = {};
    GetWindowTextW(fenetre_, actuel, 256);
    if (titre != actuel)
        SetWindowTextW(fenetre_, titre.c_str());
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
}

void FenetreMath::Montrer()
{
    ShowWindow(fenetre_, SW_SHOWMAXIMIZED);
    UpdateWindow(fenetre_);
    Executer([this] { liaison_.Activer(); });
}

bool FenetreMath::Previsualiser(const MSG& m)
{
    if (m.hwnd != fenetre_ && !IsChild(fenetre_, m.hwnd))
        return false;
    if (!IsWindowEnabled(fenetre_))
        return false;
    if (m.message == WM_KEYDOWN) {
        switch (m.wParam) {
        case VK_LEFT: Executer([this] { liaison_.Touche(Fleche::Gauche); }); break;
        case VK_RIGHT: Executer([this] { liaison_.Touche(Fleche::Droite); }); break;
        case VK_UP: Executer([this] { liaison_.Touche(Fleche::Haut); }); break;
        case VK_DOWN: Executer([this] { liaison_.Touche(Fleche::Bas); }); break;
        default: break;
        }
    } else if (m.message == WM_CHAR && m.wParam > 0 && m.wParam < 128) {
        const char caractere = static_cast<char>(m.wParam);
        Executer([this, caractere] { liaison_.Caractere(caractere); });
    }
    // The message still goes on to its control.
    return false;
}

LRESULT CALLBACK FenetreMath::Procedure(HWND fenetre, UINT message, WPARAM w, LPARAM l)
{
    auto* math = reinterpret_cast<FenetreMath*>(GetWindowLongPtrW(fenetre, GWLP_USERDATA));
    return math ? math->Traiter(message, w, l) : DefWindowProcW(fenetre, message, w, l);
}

LRESULT FenetreMath::Traiter(UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(fenetre_, &r);
        FillRect(reinterpret_cast<HDC>(w), &r, fond_);
        return 1;
    }
    case WM_ACTIVATE:
        if (LOWORD(w) != WA_INACTIVE)
            Executer([this] { liaison_.Activer(); });
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another scale: the same layout at its scale.
        echelle_ = Echelle(HIWORD(w));
        plateau_->ChangerEchelle(HIWORD(w));
        for (const auto& p : panneaux_)
            p->Synchroniser(echelle_);
        const RECT* propose = reinterpret_cast<const RECT*>(l);
        SetWindowPos(fenetre_, nullptr, propose->left, propose->top, propose->right - propose->left,
            propose->bottom - propose->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        // Closing the main window stops the timers and ends the program, without a question.
        Executer([this] { liaison_.Fermer(); });
        return 0;
    case WM_CONTEXTMENU: return 0;
    }
    return DefWindowProcW(fenetre_, message, w, l);
}

} // namespace cogitelle
