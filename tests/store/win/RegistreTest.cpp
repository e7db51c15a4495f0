// The options on the registry: the shared scenarios on a key of their own, the values as the raw
// registry API sees them, values of the wrong type planted by hand, and the game's own key.
#include <gtest/gtest.h>

#include "support/Windows.h"

#include <cstdint>
#include <string>
#include <vector>

#include "store/Cp1252.h"
#include "store/Options.h"
#include "store/OptionsScenarios.h"
#include "store/win/MagasinRegistre.h"
#include "support/Banc.h"

using namespace cogitelle;
using namespace cogitelle::test;

namespace {

std::wstring Large(const std::string& utf8)
{
    const std::u16string s = Utf8VersUtf16(utf8);
    return std::wstring(s.begin(), s.end());
}

std::string Etroit(const std::wstring& s) { return Utf16VersUtf8(std::u16string(s.begin(), s.end())); }

// A value exactly as the registry holds it.
struct ValeurBrute {
    LONG statut = ERROR_FILE_NOT_FOUND;
    DWORD type = REG_NONE;
    std::vector<BYTE> octets;
};

bool CleExiste(const std::wstring& chemin)
{
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, chemin.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

ValeurBrute LireBrut(const std::wstring& chemin, const std::string& nom)
{
    ValeurBrute v;
    HKEY h = nullptr;
    v.statut = RegOpenKeyExW(HKEY_CURRENT_USER, chemin.c_str(), 0, KEY_QUERY_VALUE, &h);
    if (v.statut != ERROR_SUCCESS)
        return v;
    const std::wstring n = Large(nom);
    DWORD taille = 0;
    v.statut = RegQueryValueExW(h, n.c_str(), nullptr, &v.type, nullptr, &taille);
    if (v.statut == ERROR_SUCCESS) {
        v.octets.resize(taille);
        v.statut = RegQueryValueExW(h, n.c_str(), nullptr, &v.type, v.octets.data(), &taille);
        v.octets.resize(taille);
    }
    RegCloseKey(h);
    return v;
}

void PlanterBrut(const std::wstring& chemin, const std::string& nom, DWORD type, const void* octets, size_t taille)
{
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, chemin.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                  nullptr, &h, nullptr),
        ERROR_SUCCESS);
    const LONG r = RegSetValueExW(h, Large(nom).c_str(), 0, type, static_cast<const BYTE*>(octets), static_cast<DWORD>(taille));
    RegCloseKey(h);
    ASSERT_EQ(r, ERROR_SUCCESS) << nom;
}

// The UTF-16 code units of a REG_SZ as stored, terminator included.
std::vector<BYTE> OctetsTexte(const std::wstring& texte)
{
    const BYTE* debut = reinterpret_cast<const BYTE*>(texte.c_str());
    return std::vector<BYTE>(debut, debut + (texte.size() + 1) * sizeof(wchar_t));
}

std::string MessageWindows(DWORD code)
{
    char tampon[512] = {};
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, tampon,
        sizeof tampon, nullptr);
    std::string texte(tampon, n);
    while (!texte.empty() && (texte.back() == '\r' || texte.back() == '\n' || texte.back() == ' ' || texte.back() == '.'))
        texte.pop_back();
    return texte;
}

// Removes Software\Ludivex when nothing is left in it, so that the tests leave no trace.
void NettoyerLudivex()
{
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Ludivex", 0, KEY_READ, &h) != ERROR_SUCCESS)
        return;
    DWORD sousCles = 1, valeurs = 1;
    const LONG r = RegQueryInfoKeyW(h, nullptr, nullptr, nullptr, &sousCles, nullptr, nullptr, &valeurs, nullptr,
        nullptr, nullptr, nullptr);
    RegCloseKey(h);
    if (r == ERROR_SUCCESS && sousCles == 0 && valeurs == 0)
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Ludivex");
}

// The scenarios' store: a key of the tests' own beside the game's, removed before and after.
struct AdaptateurRegistre {
    std::string titre = "COGITELLE I tests " + std::to_string(GetCurrentProcessId());
    std::wstring chemin = L"Software\\Ludivex\\" + Large(titre);
    MagasinRegistre m{titre};

    AdaptateurRegistre() { Vider(); }
    ~AdaptateurRegistre()
    {
        Vider();
        NettoyerLudivex();
    }

    MagasinOptions& Magasin() { return m; }
    void Planter(const std::string& nom, const std::vector<uint8_t>& octets)
    {
        PlanterBrut(chemin, nom, REG_BINARY, octets.data(), octets.size());
    }
    void PlanterTexte(const std::string& nom, const std::string& texte)
    {
        const std::wstring t = Large(texte);
        PlanterBrut(chemin, nom, REG_SZ, t.c_str(), (t.size() + 1) * sizeof(wchar_t));
    }
    void Vider()
    {
        const LONG r = RegDeleteTreeW(HKEY_CURRENT_USER, chemin.c_str());
        EXPECT_TRUE(r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND) << r;
    }
    ValeurLue Lire(const std::string& nom)
    {
        const ValeurBrute v = LireBrut(chemin, nom);
        ValeurLue l;
        if (v.statut != ERROR_SUCCESS)
            return l;
        l.present = true;
        l.binaire = v.type == REG_BINARY;
        if (l.binaire) {
            l.octets.assign(v.octets.begin(), v.octets.end());
        } else if (v.type == REG_SZ) {
            std::wstring t(reinterpret_cast<const wchar_t*>(v.octets.data()), v.octets.size() / sizeof(wchar_t));
            l.texte = Etroit(t.substr(0, t.find(L'\0')));
        }
        return l;
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Registre, ScenariosOptions, ::testing::Types<AdaptateurRegistre>);

using ScenariosRegistre = ScenariosOptions<AdaptateurRegistre>;

TEST_F(ScenariosRegistre, PremierLancementCreeLaCleEtSesValeursTypees)
{
    ASSERT_FALSE(CleExiste(a.chemin));
    Banc& b = Demarrer();
    ASSERT_TRUE(CleExiste(a.chemin));
    const std::pair<const char*, size_t> nombres[] = {{"verif", 1}, {"optionCouleurFondEcran", 4},
        {"optionCouleurTableauDeJeu", 4}, {"optionNumeroTableau", 4}, {"optionTypeJeu", 4}};
    for (const auto& [nom, taille] : nombres) {
        const ValeurBrute v = LireBrut(a.chemin, nom);
        ASSERT_EQ(v.statut, ERROR_SUCCESS) << nom;
        EXPECT_EQ(v.type, static_cast<DWORD>(REG_BINARY)) << nom;
        EXPECT_EQ(v.octets.size(), taille) << nom;
    }
    EXPECT_EQ(LireBrut(a.chemin, "optionCouleurFondEcran").octets, (std::vector<BYTE>{0, 0, 0x40, 0}));
    const ValeurBrute nom = LireBrut(a.chemin, "optionYourName");
    EXPECT_EQ(nom.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(nom.octets, OctetsTexte(L""));   // the terminator alone

    // A game saves the name as a UTF-16 string with its terminator, the numbers at their size.
    b.Jouer(Differences, 42, "ÉMILE");
    const ValeurBrute joue = LireBrut(a.chemin, "optionYourName");
    EXPECT_EQ(joue.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(joue.octets, OctetsTexte(L"\u00C9MILE"));
    const ValeurBrute numero = LireBrut(a.chemin, "optionNumeroTableau");
    EXPECT_EQ(numero.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(numero.octets, (std::vector<BYTE>{42, 0, 0, 0}));
    EXPECT_TRUE(b.ports.erreurs.empty());
}

TEST_F(ScenariosRegistre, DwordOuBinaireTropLongSignalesParNom)
{
    PlanterOptionsValides();
    const DWORD numero = 42;
    PlanterBrut(a.chemin, "optionNumeroTableau", REG_DWORD, &numero, sizeof numero);
    const uint64_t type = 3;
    PlanterBrut(a.chemin, "optionTypeJeu", REG_BINARY, &type, sizeof type);
    const std::string table = PlanterTable();

    Banc& b = Demarrer();
    ASSERT_EQ(b.ports.erreurs.size(), 2u);
    EXPECT_NE(b.ports.erreurs[0].find("« optionNumeroTableau »"), std::string::npos) << b.ports.erreurs[0];
    EXPECT_NE(b.ports.erreurs[1].find("« optionTypeJeu »"), std::string::npos) << b.ports.erreurs[1];
    // The platform's own words for a value of the wrong type.
    const std::string raison = MessageWindows(ERROR_INVALID_DATATYPE);
    ASSERT_FALSE(raison.empty());
    EXPECT_NE(b.ports.erreurs[0].find(raison), std::string::npos) << b.ports.erreurs[0];
    EXPECT_NE(b.ports.erreurs[1].find(raison), std::string::npos) << b.ports.erreurs[1];
    // Loading went on to the name, then the missing numbers brought the defaults back.
    EXPECT_EQ(Trace().lectures.back(), "optionYourName");
    AttendreValeursParDefaut(b.g());
    EXPECT_EQ(LireFichierEntier(b.ctx.CheminScores), table);
    // The repair rewrites both as 4-byte binaries, so the next start is clean.
    for (const char* nom : {"optionNumeroTableau", "optionTypeJeu"}) {
        const ValeurBrute v = LireBrut(a.chemin, nom);
        EXPECT_EQ(v.type, static_cast<DWORD>(REG_BINARY)) << nom;
        EXPECT_EQ(v.octets, (std::vector<BYTE>{1, 0, 0, 0})) << nom;
    }
    Banc& suite = Demarrer();
    EXPECT_TRUE(suite.ports.erreurs.empty());
}

TEST_F(ScenariosRegistre, AutresTypesRefusesParLeMagasin)
{
    std::string erreur;
    ASSERT_TRUE(a.m.Ouvrir(erreur)) << erreur;
    const DWORD mot = 7;
    PlanterBrut(a.chemin, "dword", REG_DWORD, &mot, sizeof mot);
    PlanterBrut(a.chemin, "binaire", REG_BINARY, "\1\2", 2);
    const std::wstring etendu = L"%TEMP%";
    PlanterBrut(a.chemin, "etendu", REG_EXPAND_SZ, etendu.c_str(), (etendu.size() + 1) * sizeof(wchar_t));

    uint8_t octets[4] = {9, 9, 9, 9};
    size_t lus = 99;
    EXPECT_EQ(a.m.LireBinaire("dword", octets, 4, lus, erreur), MagasinOptions::Lecture::Erreur);
    EXPECT_EQ(erreur, MessageWindows(ERROR_INVALID_DATATYPE));
    EXPECT_EQ(lus, 0u);
    EXPECT_EQ(a.m.LireBinaire("binaire", octets, 1, lus, erreur), MagasinOptions::Lecture::Erreur);
    // A shorter binary fills only its own bytes.
    EXPECT_EQ(a.m.LireBinaire("binaire", octets, 4, lus, erreur), MagasinOptions::Lecture::Ok);
    EXPECT_EQ(lus, 2u);
    EXPECT_EQ(std::vector<uint8_t>(octets, octets + 4), (std::vector<uint8_t>{1, 2, 9, 9}));
    EXPECT_EQ(a.m.LireBinaire("absent", octets, 4, lus, erreur), MagasinOptions::Lecture::Absent);

    std::string texte = "avant";
    EXPECT_EQ(a.m.LireTexte("etendu", texte, erreur), MagasinOptions::Lecture::Erreur);
    EXPECT_EQ(a.m.LireTexte("binaire", texte, erreur), MagasinOptions::Lecture::Erreur);
    EXPECT_EQ(a.m.LireTexte("absent", texte, erreur), MagasinOptions::Lecture::Absent);
    EXPECT_EQ(texte, "avant");
    ASSERT_TRUE(a.m.Fermer(erreur));

    // A closed store refuses every read and write instead of touching a stale handle.
    EXPECT_EQ(a.m.LireBinaire("binaire", octets, 4, lus, erreur), MagasinOptions::Lecture::Erreur);
    EXPECT_FALSE(erreur.empty());
    EXPECT_FALSE(a.m.EcrireBinaire("binaire", octets, 4, erreur));
    EXPECT_FALSE(a.m.EcrireTexte("nom", "X", erreur));
}

TEST_F(ScenariosRegistre, NomAccentueAllerRetour)
{
    std::string erreur;
    ASSERT_TRUE(a.m.Ouvrir(erreur)) << erreur;
    ASSERT_TRUE(a.m.EcrireTexte("optionYourName", "ŒDIPE ÉTÉ", erreur)) << erreur;
    std::string lu;
    EXPECT_EQ(a.m.LireTexte("optionYourName", lu, erreur), MagasinOptions::Lecture::Ok);
    EXPECT_EQ(lu, "ŒDIPE ÉTÉ");
    ASSERT_TRUE(a.m.Fermer(erreur));
    // UTF-16 in the registry, not the UTF-8 bytes nor Windows-1252.
    const ValeurBrute v = LireBrut(a.chemin, "optionYourName");
    EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(v.octets, OctetsTexte(L"\u0152DIPE \u00C9T\u00C9"));

    // Through a whole start: the name comes back upper case, accents kept.
    PlanterOptionsValides();
    a.PlanterTexte("optionYourName", "Œdipe é");
    Banc& b = Demarrer();
    EXPECT_EQ(b.g().NomJoueur, "ŒDIPE É");
    EXPECT_TRUE(b.ports.erreurs.empty());
}

TEST_F(ScenariosRegistre, TexteSansTerminateurOuAvecPlusieurs)
{
    // Other programs may store a REG_SZ without its terminator, or with text after one.
    // The registry adds a terminator that was left out of the size when one follows the text, as
    // NT does; another character after it keeps the value unterminated.
    const std::wstring sans = L"ZO\u00C9X";
    PlanterBrut(a.chemin, "sans", REG_SZ, sans.c_str(), 3 * sizeof(wchar_t));
    ASSERT_EQ(LireBrut(a.chemin, "sans").octets.size(), 3 * sizeof(wchar_t));
    const wchar_t avec[] = L"ABC\0DEF";
    PlanterBrut(a.chemin, "avec", REG_SZ, avec, sizeof avec);
    PlanterBrut(a.chemin, "vide", REG_SZ, L"", 0);
    std::string erreur, texte;
    ASSERT_TRUE(a.m.Ouvrir(erreur)) << erreur;
    EXPECT_EQ(a.m.LireTexte("sans", texte, erreur), MagasinOptions::Lecture::Ok);
    EXPECT_EQ(texte, "ZOÉ");
    EXPECT_EQ(a.m.LireTexte("avec", texte, erreur), MagasinOptions::Lecture::Ok);
    EXPECT_EQ(texte, "ABC");
    EXPECT_EQ(a.m.LireTexte("vide", texte, erreur), MagasinOptions::Lecture::Ok);
    EXPECT_EQ(texte, "");
    a.m.Fermer(erreur);
}

TEST(MagasinRegistre, CleDuJeu)
{
    // The game's own key, touched with one value of the test's that is removed afterwards, so a
    // player's options survive the test.
    const std::wstring chemin = L"Software\\Ludivex\\COGITELLE I";
    const bool existait = CleExiste(chemin);
    const std::string nom = "cogitelle-test-" + std::to_string(GetCurrentProcessId());
    {
        MagasinRegistre m;
        std::string erreur;
        ASSERT_TRUE(m.Ouvrir(erreur)) << erreur;
        const uint8_t octets[3] = {7, 8, 9};
        EXPECT_TRUE(m.EcrireBinaire(nom, octets, sizeof octets, erreur)) << erreur;
        EXPECT_TRUE(m.Fermer(erreur)) << erreur;
    }
    const ValeurBrute v = LireBrut(chemin, nom);
    EXPECT_EQ(v.statut, ERROR_SUCCESS);
    EXPECT_EQ(v.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(v.octets, (std::vector<BYTE>{7, 8, 9}));
    // The trailing backslash of the usual spelling names the same key.
    EXPECT_EQ(LireBrut(chemin + L"\\", nom).octets, (std::vector<BYTE>{7, 8, 9}));

    EXPECT_EQ(RegDeleteKeyValueW(HKEY_CURRENT_USER, chemin.c_str(), Large(nom).c_str()), ERROR_SUCCESS);
    if (!existait) {
        EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, chemin.c_str()), ERROR_SUCCESS);
        NettoyerLudivex();
    }
}
