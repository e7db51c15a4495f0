#include "win/Programme.h"


#include "store/qt/MagasinSysteme.h"
#include "win/Peinture.h"
#include "win/Unicode.h"

namespace cogitelle {

ObjetsDuProgramme::ObjetsDuProgramme()
    : ports(etat->Titre), magasin(CreerMagasinSysteme()), ctx{*etat, hasard, *controles, ports, *magasin, "scoresI"}
{
}

Fenetres::Fenetres(Contexte& c, PortsWin& ports, const MetriquesEcran& ecran) : ports_(ports), liaison_(c, *this)
{
    math_ = std::make_unique<FenetreMath>(liaison_, ports, ecran);
}

Fenetres::~Fenetres() = default;

void Fenetres::Demarrer(int32_t langue)
{
    liaison_.ChoisirLangue(langue);
    math_->Montrer();
}

bool Fenetres::Previsualiser(const MSG& m) { return math_->Previsualiser(m); }

void Fenetres::MontrerChoixTableau()
{
    // The chooser's window comes with the windows' descriptions.
}

void Fenetres::MontrerMeilleursScores()
{
    // The high-score viewer's window comes with the windows' descriptions.
}

void Fenetres::FermerEcranDemarrage()
{
    // Closing the start screen ends the program.
    termine_ = true;
    ShowWindow(math_->Fenetre(), SW_HIDE);
    PostQuitMessage(0);
}

bool Fenetres::ChoisirCouleur(Couleur initiale, Couleur& choisie)
{
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = math_->Fenetre();
    cc.rgbResult = VersColorref(initiale);
    cc.lpCustColors = couleursPerso_;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    if (!ChooseColorW(&cc))
        return false;
    choisie = DepuisColorref(cc.rgbResult);
    return true;
}

void Fenetres::MontrerAide(const std::string& fichier)
{
    // The help pages lie beside the program; the default browser shows them.
    const std::wstring chemin = DossierDuProgramme() + Large(fichier);
    const auto resultat = reinterpret_cast<INT_PTR>(
        ShellExecuteW(math_->Fenetre(), L"open", chemin.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (resultat > 32)
        return;
    // The system says why (no such file, no browser), in its own words.
    const DWORD code = resultat == SE_ERR_NOASSOC ? ERROR_NO_ASSOCIATION
        : resultat == SE_ERR_FNF || resultat == 0 ? ERROR_FILE_NOT_FOUND
                                                  : static_cast<DWORD>(resultat);
    wchar_t* texte = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&texte), 0, nullptr);
    std::wstring raison = texte ? texte : L"";
    if (texte)
        LocalFree(texte);
    while (!raison.empty() && (raison.back() == L'\r' || raison.back() == L'\n'))
        raison.pop_back();
    ports_.Erreur(Etroit(chemin) + "\n\n" + Etroit(raison));
}

std::wstring DossierDuProgramme()
{
    std::wstring chemin(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, chemin.data(), static_cast<DWORD>(chemin.size()));
        if (n < chemin.size()) {
            chemin.resize(n);
            break;
        }
        chemin.resize(chemin.size() * 2);
    }
    const size_t separateur = chemin.find_last_of(L"\\/");
    return separateur == std::wstring::npos ? std::wstring() : chemin.substr(0, separateur + 1);
}

} // namespace cogitelle
