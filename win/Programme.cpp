#include "win/Programme.h"

#include "store/qt/MagasinSysteme.h"
#include "win/Peinture.h"
#include "win/Unicode.h"

namespace cogitelle {

namespace {

constexpr UINT_PTR IdTimerDebut = 1;
// The main window's property that leads its start timer back to the windows.
const wchar_t* const ProprieteFenetres = L"Cogitelle.Fenetres";

} // namespace

ObjetsDuProgramme::ObjetsDuProgramme() : session(ports, CreerMagasinSysteme(), "scoresI")
{
    ports.SetTitre(session.etat.Titre);
}

// The chooser's rules as its window asks them.
class Fenetres::ReglesChoix : public ReglesDialogue {
public:
    explicit ReglesChoix(ChoixTableau& m) : m_(m) {}
    const DescriptionFenetre& Description() const override { return ChoixTableau::Description(); }
    std::vector<EtatControle> Etats() const override { return m_.Etats(); }
    void Activer() override { m_.FormActivate(); }
    Issue Clic(int32_t indice) override { return m_.Clic(indice); }
    void Change(int32_t indice, int32_t position) override { m_.Change(indice, position); }
    void DoubleClic(int32_t indice) override { m_.DoubleClic(indice); }
    std::string Saisie(const std::string& texte) override { return m_.Saisie(texte); }
    Issue Touche(ToucheFenetre touche) override { return m_.Touche(touche); }
    void Defiler(int32_t, ToucheDefilement touche) override { m_.Defiler(touche); }
    void Chiffre(int32_t, int32_t chiffre) override { m_.TaperChiffre(chiffre, static_cast<int64_t>(GetTickCount64())); }
    void OublierChiffres() override { m_.OublierChiffres(); }
    int32_t PrendreFocus() override { return m_.PrendreFocus(); }

private:
    ChoixTableau& m_;
};

// The viewer's rules as its window asks them: it takes the scroll bars' keys itself.
class Fenetres::ReglesScores : public ReglesDialogue {
public:
    explicit ReglesScores(DetailMeilleursScores& m) : m_(m) {}
    const DescriptionFenetre& Description() const override { return DetailMeilleursScores::Description(); }
    std::vector<Rect> Places(double facteur) const override { return DetailMeilleursScores::Places(facteur); }
    std::vector<EtatControle> Etats() const override { return m_.Etats(); }
    void Activer() override { m_.FormActivate(); }
    Issue Clic(int32_t indice) override { return m_.Clic(indice); }
    void Change(int32_t indice, int32_t position) override { m_.Change(indice, position); }
    Issue Touche(ToucheFenetre touche) override { return m_.Touche(touche); }
    void Defiler(int32_t, ToucheDefilement touche) override { m_.Defiler(touche); }
    bool ClavierALaFenetre() const override { return true; }

private:
    DetailMeilleursScores& m_;
};

Fenetres::Fenetres(Session& session, PortsWin& ports, const MetriquesEcran& ecran) : session_(session), ports_(ports)
{
    session_.BrancherFenetres(this);
    demarrage_ = std::make_unique<Demarrage>(session_, ecran, [this](int32_t langue) { Demarrer(langue); },
        [this] { FermerEcranDemarrage(); });
    math_ = std::make_unique<FenetreMath>(session_, ports_, ecran);
    const GameState& g = session_.etat;
    reglesChoix_ = std::make_unique<ReglesChoix>(session_.Choix());
    choix_ = std::make_unique<Dialogue>(math_->Fenetre(), *reglesChoix_, g.FacteurEcranX, g.FacteurEcranY, [this](Issue issue) {
        choix_->Cacher();
        if (issue == Issue::Demarrer) {
            // The confirmed game starts in the main window, enabled again.
            math_->Executer([this] { session_.NouvellePartie(); });
            SetForegroundWindow(math_->Fenetre());
        }
    });
    reglesScores_ = std::make_unique<ReglesScores>(session_.Scores());
    scores_ = std::make_unique<Dialogue>(math_->Fenetre(), *reglesScores_, g.FacteurEcranX, g.FacteurEcranY,
        [this](Issue) { scores_->Cacher(); });
    demarrage_->Montrer();
}

Fenetres::~Fenetres()
{
    session_.BrancherFenetres(nullptr);
    KillTimer(math_->Fenetre(), IdTimerDebut);
    RemovePropW(math_->Fenetre(), ProprieteFenetres);
    scores_.reset();
    choix_.reset();
    math_.reset();
    demarrage_.reset();
}

void Fenetres::Demarrer(int32_t langue)
{
    math_->Executer([this, langue] { session_.Demarrer(langue); });
    demarrage_->Cacher();
    math_->Montrer();
    // The chooser opens just after the main window has shown.
    SetPropW(math_->Fenetre(), ProprieteFenetres, this);
    SetTimer(math_->Fenetre(), IdTimerDebut, 1, TimerDebut);
}

void CALLBACK Fenetres::TimerDebut(HWND fenetre, UINT, UINT_PTR id, DWORD)
{
    KillTimer(fenetre, id);
    if (auto* f = static_cast<Fenetres*>(RemovePropW(fenetre, ProprieteFenetres)))
        f->math_->Executer([f] { f->session_.TimerDebut(); });
}

bool Fenetres::Previsualiser(MSG& m)
{
    return choix_->Previsualiser(m) || scores_->Previsualiser(m) || math_->Previsualiser(m);
}

void Fenetres::MontrerChoixTableau() { choix_->Montrer(); }
void Fenetres::MontrerMeilleursScores() { scores_->Montrer(); }

void Fenetres::FermerEcranDemarrage()
{
    // Closing the start screen ends the program: the windows go at once, the loop ends after.
    termine_ = true;
    ShowWindow(scores_->Fenetre(), SW_HIDE);
    ShowWindow(choix_->Fenetre(), SW_HIDE);
    ShowWindow(math_->Fenetre(), SW_HIDE);
    demarrage_->Cacher();
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
