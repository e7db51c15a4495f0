// Games played to their end through the Windows program's windows, as a player plays them: the
// chooser filled in with the keyboard and the mouse, every game of the collection won with the
// mouse or the keyboard, the records on disk and the options in the registry, and a second start
// of the program that finds them.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "ProgrammeWin.h"
#include "store/win/MagasinRegistre.h"
#include "support/Solutions.h"
#include "win/Unicode.h"

using namespace cogitelle;
using cogitelle::test::ProgrammeWin;

namespace {

// Waits, handling the messages, until `fini` holds or three seconds have passed.
template <typename Condition>
bool Attendre(ProgrammeWin& p, Condition fini)
{
    const ULONGLONG limite = GetTickCount64() + 3000;
    while (!fini() && GetTickCount64() < limite)
        test::Pomper(p.f, 10);
    return fini();
}

void JouerLabyrinthe(ProgrammeWin& p)
{
    const GameState& g = p.g();
    const test::Solveur solveur(g);
    for (int pas = 0; pas < 400 && !g.PartieTerminee; ++pas) {
        const std::optional<test::Coup> coup = solveur.Suivant();
        if (!coup)
            break;
        const int32_t dx = coup->x, dy = coup->y;
        // The arrows and the digit keys in turn.
        if (pas % 2)
            p.Touche(dx > 0 ? VK_RIGHT : dx < 0 ? VK_LEFT : dy > 0 ? VK_DOWN : VK_UP);
        else
            p.Touche(dx > 0 ? '6' : dx < 0 ? '4' : dy > 0 ? '2' : '8');
    }
}

// The presses of the support's solver, by the mouse: the magic square back to the square it was
// scrambled from by clicks on the walls, any cell framed in green of the differences, the
// serpentine's numbers laid along the rows back and forth by right clicks.
void JouerALaSouris(ProgrammeWin& p)
{
    const test::Solveur solveur(p.g());
    for (int coup = 0; coup < 300; ++coup) {
        const std::optional<test::Coup> c = solveur.Suivant();
        if (!c)
            break;
        if (c->sorte == test::Coup::Mur)
            p.Cliquer(p.k().Mur(c->mur, c->x, c->y));
        else
            p.Cliquer(p.k().Cases[c->x][c->y], c->sorte == test::Coup::Droit);
    }
}

// Each group of equal numbers turned over, then taken off at the refresh timer's tick.
void JouerMemoire(ProgrammeWin& p)
{
    const GameState& g = p.g();
    std::map<int32_t, std::vector<std::pair<int32_t, int32_t>>> groupes;
    for (int32_t x = 1; x <= g.NbColonnes; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y)
            if (g.Valeur[x][y] != 0)
                groupes[g.Valeur[x][y]].push_back({x, y});
    for (const auto& [valeur, cases] : groupes) {
        for (const auto& [x, y] : cases)
            p.Cliquer(p.k().Cases[x][y]);
        Attendre(p, [&p] { return !p.k().timerRefreshMemoire.Enabled; });
    }
}

// The table as the score file holds it.
std::string Fichier(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

EnregistrementScore Place(const std::string& octets, TTypeJeu type, int32_t numero, int32_t rang)
{
    EnregistrementScore e;
    const size_t debut = ((static_cast<size_t>(type - 1) * 500 + static_cast<size_t>(numero - 1)) * 10 +
                             static_cast<size_t>(rang - 1)) * 16;
    std::memcpy(&e, octets.data() + debut, 16);
    return e;
}

} // namespace

// One puzzle of every game won through the windows; each ends with its message, its record (when
// the score enters the top ten) on disk at once and the timers stopped.
TEST(PartiesWin, ChaqueJeuJusquAuBout)
{
    ProgrammeWin p;
    struct Partie {
        TTypeJeu type;
        int32_t numero;
        void (*jouer)(ProgrammeWin&);
    };
    const Partie parties[] = {{Labyrinthe, 3, JouerLabyrinthe}, {CarreMagique, 1, JouerALaSouris},
        {Differences, 1, JouerALaSouris}, {Serpentin, 1, JouerALaSouris}, {Memoire, 2, JouerMemoire}};
    int records = 0;
    for (const Partie& partie : parties) {
        SCOPED_TRACE(partie.type);
        p.Jouer(partie.type, partie.numero);
        const size_t avant = p.Messages().size();
        partie.jouer(p);
        ASSERT_TRUE(p.g().PartieTerminee);
        EXPECT_FALSE(p.coeur.ports.Actif(Minuterie::Score));
        ASSERT_EQ(p.Messages().size(), avant + 1);
        const std::string& message = p.Messages().back();
        ASSERT_EQ(message.rfind("Fin de la partie.\n", 0), 0u) << message;
        const size_t numero = message.find("Score Numéro ");
        if (numero == std::string::npos) {
            EXPECT_NE(message.find("Malheureusement"), std::string::npos) << message;
            continue;
        }
        ++records;
        const int32_t rang = std::stoi(message.substr(numero + std::strlen("Score Numéro ")));
        const EnregistrementScore e = Place(Fichier(p.coeur.session.ctx.CheminScores), partie.type, partie.numero, rang);
        EXPECT_EQ(std::string(e.NomScore, 4), "TEST");
        EXPECT_EQ(e.ValeurScore, p.g().Score);
    }
    // The easy puzzles' default records are beaten.
    EXPECT_GE(records, 3);
}

// A first start on the real registry: the chooser filled in by the keyboard and the mouse, a game
// won, the program closed; started again, it finds the options and the record, in the chooser and
// in the viewer opened from the menu.
TEST(PartiesWin, RecordsEtOptionsApresRedemarrage)
{
    const std::string titre = "COGITELLE I TEST " + std::to_string(GetCurrentProcessId());
    const std::wstring cle = L"Software\\Ludivex\\" + Large(titre);
    test::DossierTemporaire dossier;
    const std::string scores = (dossier.chemin() / "scoresI").string();
    int32_t score = 0;
    {
        MagasinRegistre registre(titre);
        ProgrammeWin p({800, 600, 96}, &registre, scores);
        p.Demarrer();
        Dialogue& choix = p.f.Choix();
        ASSERT_TRUE(IsWindowVisible(choix.Fenetre()));
        const ChoixTableau& m = p.coeur.session.Choix();
        // The name typed, the memory game picked, puzzle 2 typed on the scroll bar, then OK.
        SetFocus(choix.Controle(m.iNom));
        for (const wchar_t c : std::wstring(L"zoé"))
            PostMessageW(choix.Controle(m.iNom), WM_CHAR, c, 1);
        test::Pomper(p.f);
        EXPECT_EQ(m.Nom, "ZOÉ");
        p.CliquerFenetre(choix.Controle(m.iRadio1 + Memoire - 1));
        EXPECT_EQ(m.RadioCoche, Memoire);
        SetFocus(choix.Controle(m.iBarre));
        p.Touche('2', choix.Controle(m.iBarre));
        EXPECT_EQ(m.PositionScroll, 2);
        EXPECT_EQ(m.CaptionNumeroTableau, "Cogitelle n° 2");
        p.CliquerFenetre(choix.Controle(m.iOK));
        EXPECT_FALSE(IsWindowVisible(choix.Fenetre()));
        EXPECT_TRUE(IsWindowEnabled(p.f.Math().Fenetre()));
        ASSERT_EQ(p.g().TypeJeu, Memoire);
        ASSERT_EQ(p.g().NumeroTableau, 2);
        JouerMemoire(p);
        ASSERT_TRUE(p.g().PartieTerminee);
        score = p.g().Score;
        ASSERT_NE(p.Messages().back().find("FELICITATIONS ZOÉ"), std::string::npos) << p.Messages().back();
        // The name in the file in Windows-1252, as the file has always held it.
        const EnregistrementScore e = Place(Fichier(scores), Memoire, 2, 1);
        EXPECT_EQ(std::string(e.NomScore, 4), std::string("ZO\xC9\0", 4));
        EXPECT_EQ(e.ValeurScore, score);
    }
    // The six options under the key.
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, cle.c_str(), 0, KEY_READ, &h), ERROR_SUCCESS);
    for (const wchar_t* nom : {L"verif", L"optionCouleurFondEcran", L"optionCouleurTableauDeJeu", L"optionNumeroTableau",
             L"optionTypeJeu", L"optionYourName"})
        EXPECT_EQ(RegQueryValueExW(h, nom, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS) << Etroit(nom);
    RegCloseKey(h);
    {
        MagasinRegistre registre(titre);
        ProgrammeWin p({800, 600, 96}, &registre, scores);
        p.Demarrer();
        const ChoixTableau& m = p.coeur.session.Choix();
        EXPECT_EQ(m.RadioCoche, Memoire);
        EXPECT_EQ(m.PositionScroll, 2);
        EXPECT_EQ(m.Nom, "ZOÉ");
        EXPECT_EQ(m.NomRecord, "ZOÉ");
        EXPECT_EQ(m.ScoreRecord, std::to_string(score));
        EXPECT_EQ(SendMessageW(p.f.Choix().Controle(m.iRadio1 + Memoire - 1), BM_GETCHECK, 0, 0), BST_CHECKED);
        // The viewer, from the menu, on the game last chosen.
        p.f.Choix().Cacher();
        p.coeur.session.Principale().Enabled = true;
        p.f.Math().RafraichirVue();
        PostMessageW(p.f.Math().Fenetre(), WM_COMMAND, MAKEWPARAM(cmdDetailScores, 0), 0);
        test::Pomper(p.f);
        ASSERT_TRUE(IsWindowVisible(p.f.Scores().Fenetre()));
        const DetailMeilleursScores& v = p.coeur.session.Scores();
        EXPECT_EQ(v.Type, Memoire);
        EXPECT_EQ(v.Numero, 2);
        EXPECT_EQ(v.Noms[1], "ZOÉ");
        EXPECT_EQ(v.Scores[1], std::to_string(score));
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, cle.c_str());
}
