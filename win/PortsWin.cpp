#include "win/PortsWin.h"

#include "win/Unicode.h"

namespace cogitelle {

namespace {

const wchar_t* const ClasseHorloge = L"CogitelleHorloge";

// The names of the Yes and No buttons of the box about to open, set by a hook on its creation:
// MessageBoxW names them in the system's language.
thread_local const wchar_t* nomOui = nullptr;
thread_local const wchar_t* nomNon = nullptr;
thread_local HHOOK crochet = nullptr;

LRESULT CALLBACK CrochetBoite(int code, WPARAM w, LPARAM l)
{
    if (code == HCBT_ACTIVATE) {
        const HWND boite = reinterpret_cast<HWND>(w);
        if (nomOui)
            SetDlgItemTextW(boite, IDYES, nomOui);
        if (nomNon)
            SetDlgItemTextW(boite, IDNO, nomNon);
        nomOui = nomNon = nullptr;
    }
    return CallNextHookEx(crochet, code, w, l);
}

} // namespace

PortsWin::PortsWin()
{
    WNDCLASSEXW classe{};
    classe.cbSize = sizeof classe;
    classe.lpfnWndProc = Procedure;
    classe.hInstance = GetModuleHandleW(nullptr);
    classe.lpszClassName = ClasseHorloge;
    RegisterClassExW(&classe);   // a second ports object finds it registered
    horloge_ = CreateWindowExW(0, ClasseHorloge, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, classe.hInstance, this);
}

PortsWin::~PortsWin()
{
    if (horloge_)
        DestroyWindow(horloge_);
}

LRESULT CALLBACK PortsWin::Procedure(HWND fenetre, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(l);
        SetWindowLongPtrW(fenetre, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    } else if (message == WM_TIMER) {
        auto* ports = reinterpret_cast<PortsWin*>(GetWindowLongPtrW(fenetre, GWLP_USERDATA));
        const UINT_PTR id = w - 1;
        if (ports && id < 3 && ports->actifs_[id] && ports->Tic)
            ports->Tic(static_cast<Minuterie::Id>(id));
        return 0;
    }
    return DefWindowProcW(fenetre, message, w, l);
}

int PortsWin::Boite(const std::string& texte, const std::string& titre, UINT style, const wchar_t* oui,
    const wchar_t* non)
{
    if (AvantBoite)
        AvantBoite();
    nomOui = oui;
    nomNon = non;
    if (oui || non)
        crochet = SetWindowsHookExW(WH_CBT, CrochetBoite, nullptr, GetCurrentThreadId());
    // The box belongs to the active window (the chooser, when it asks for the name), which it
    // blocks while it is open and gives back the keyboard to; otherwise to the main window.
    HWND proprietaire = GetActiveWindow();
    if (!proprietaire || !IsWindowVisible(proprietaire))
        proprietaire = proprietaire_ && IsWindowVisible(proprietaire_) ? proprietaire_ : nullptr;
    const int reponse = MessageBoxW(proprietaire, Large(texte).c_str(), Large(titre).c_str(), style);
    if (crochet) {
        UnhookWindowsHookEx(crochet);
        crochet = nullptr;
    }
    nomOui = nomNon = nullptr;
    return reponse;
}

void PortsWin::Message(const std::string& texte) { Boite(texte, titre_ ? *titre_ : std::string(), MB_OK | MB_ICONINFORMATION); }

bool PortsWin::Question(const std::string& titre, const std::string& texte)
{
    return QuestionOuiNon(titre, texte, "Oui", "Non");
}

bool PortsWin::QuestionOuiNon(const std::string& titre, const std::string& texte, const std::string& oui,
    const std::string& non)
{
    // The first letter is the button's key: O/N in French, Y/N in English.
    const std::wstring o = L"&" + Large(oui), n = L"&" + Large(non);
    return Boite(texte, titre, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1, o.c_str(), n.c_str()) == IDYES;
}

void PortsWin::Erreur(const std::string& texte) { Boite(texte, titre_ ? *titre_ : std::string(), MB_OK | MB_ICONERROR); }

void PortsWin::MinuterieChangee(const Minuterie& m)
{
    const auto id = static_cast<size_t>(m.id);
    const UINT intervalle = m.Interval > 0 ? static_cast<UINT>(m.Interval) : USER_TIMER_MINIMUM;
    if (!m.Enabled) {
        if (actifs_[id])
            KillTimer(horloge_, id + 1);
        actifs_[id] = false;
    } else if (!actifs_[id] || intervalle != intervalles_[id] || m.Demarrages != demarragesVus_[id]) {
        // SetTimer on a running timer starts its interval anew: called only for a start from
        // disabled or a new interval, as a fresh timer would begin.
        SetTimer(horloge_, id + 1, intervalle, nullptr);
        actifs_[id] = true;
    }
    intervalles_[id] = intervalle;
    demarragesVus_[id] = m.Demarrages;
}

int PortsWin::MillisecondesDuJour()
{
    SYSTEMTIME t{};
    GetSystemTime(&t);
    return ((t.wHour * 60 + t.wMinute) * 60 + t.wSecond) * 1000 + t.wMilliseconds;
}

} // namespace cogitelle
