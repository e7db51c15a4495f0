#include <gtest/gtest.h>

#include <string>

#include "support/Imprimante.h"

namespace {

using Resultat = cogitelle::test::SortieImprimante;

Resultat Lancer(const std::string& arguments, std::string* erreurs = nullptr)
{
    return cogitelle::test::LancerImprimante(arguments, erreurs);
}

} // namespace

TEST(CogitellePuzzle, MauvaisesEntreesRefuseesAvecStatutDeux)
{
    for (const char* args : {"", "6 1", "0 1", "carre 0", "carre 501", "carre -3", "carre 1x", "--json",
             "--json carre", "--frobnicate carre 1", "--all", "--json --all 2 3", "1 2 3", "labyrinth 1"}) {
        std::string erreurs;
        const Resultat r = Lancer(args, &erreurs);
        EXPECT_EQ(r.statut, 2) << args;
        EXPECT_TRUE(r.sortie.empty()) << args;
        EXPECT_NE(erreurs.find("usage: cogitelle-puzzle"), std::string::npos) << args;
        EXPECT_EQ(erreurs.find("cogitelle-puzzle: "), 0u) << args;
    }
}

TEST(CogitellePuzzle, JsonAUneLigneEtSesCles)
{
    const char* communes[] = {"\"type\":", "\"number\":", "\"n\":", "\"attempts\":", "\"rng\":", "\"values\":",
        "\"states\":", "\"colours\":"};
    const std::pair<const char*, std::vector<const char*>> propres[] = {
        {"labyrinthe 3", {"\"path\":", "\"walls\":", "\"energy\":"}},
        {"2 3", {"\"sum\":", "\"diagonals\":", "\"swaps\":", "\"ring\":{\"columns\":", "\"rows\":", "\"diagonal\":",
                    "\"antidiagonal\":"}},
        {"differences 3", {"\"pos\":", "\"holes\":", "\"remaining\":"}},
        {"serpentin 3", {"\"hole\":", "\"target\":"}},
        {"5 3", {"\"group\":", "\"cards\":"}}};
    for (const auto& [args, cles] : propres) {
        const Resultat r = Lancer(std::string("--json ") + args);
        ASSERT_EQ(r.statut, 0) << args;
        ASSERT_EQ(r.sortie.back(), '\n');
        EXPECT_EQ(r.sortie.find('\n'), r.sortie.size() - 1) << args;
        EXPECT_EQ(r.sortie.find('\r'), std::string::npos) << args;   // "\n" on every system
        for (const char* cle : communes)
            EXPECT_NE(r.sortie.find(cle), std::string::npos) << args << " " << cle;
        for (const char* cle : cles)
            EXPECT_NE(r.sortie.find(cle), std::string::npos) << args << " " << cle;
    }
    // Options and arguments in any order; the same puzzle prints the same line.
    EXPECT_EQ(Lancer("carre 3 --json").sortie, Lancer("--json 2 3").sortie);
}

TEST(CogitellePuzzle, TexteLisible)
{
    const Resultat r = Lancer("memoire 1");
    ASSERT_EQ(r.statut, 0);
    EXPECT_EQ(r.sortie.rfind("MEMOIRE - Cogitelle n° 1\nboard 4 x 4, groups of 2", 0), 0u) << r.sortie;
}

// Each game prints its own board: the title of its type and its parameters first, the legend of
// its board on the last line.
TEST(CogitellePuzzle, TexteDeChaqueJeu)
{
    struct Cas {
        const char* arguments;
        const char* tete;
        const char* legende;
    };
    const Cas cas[] = {
        {"labyrinthe 7", "LE GLOUTON DU LABYRINTHE - Cogitelle n° 7\nboard 6 x 6, bonuses per path cell at most 1",
            "@ glutton and its energy, A exit"},
        {"carre 7", "CARRE MAGIQUE - Cogitelle n° 7\nboard 5 x 5, magic sum 65, ", "the diagonals' (top left"},
        {"differences 7", "JEU DES DIFFERENCES - Cogitelle n° 7\nboard 4 x 4, 0 holes (0 %), start (",
            "[n] start cell, ## hole\n"},
        {"serpentin 7", "LE SERPENTIN NUMERIQUE - Cogitelle n° 7\nboard 3 x 3, run of 6 consecutive numbers",
            "() main hole\n"},
        {"memoire 7", "MEMOIRE - Cogitelle n° 7\nboard 4 x 4, groups of 2, 16 cards\n\n", ". empty cell\n"},
    };
    for (const Cas& c : cas) {
        const Resultat r = Lancer(c.arguments);
        ASSERT_EQ(r.statut, 0) << c.arguments;
        ASSERT_EQ(r.sortie.back(), '\n') << c.arguments;
        EXPECT_EQ(r.sortie.rfind(c.tete, 0), 0u) << r.sortie;
        const size_t derniere = r.sortie.rfind('\n', r.sortie.size() - 2) + 1;
        EXPECT_EQ(r.sortie.compare(derniere, std::string(c.legende).size(), c.legende), 0) << r.sortie;
    }
}

TEST(CogitellePuzzle, ToutesLesEmpreintes)
{
    const Resultat r = Lancer("--json --all");
    ASSERT_EQ(r.statut, 0);
    size_t lignes = 0, debut = 0;
    int attendu = 0;
    while (debut < r.sortie.size()) {
        const size_t fin = r.sortie.find('\n', debut);
        ASSERT_NE(fin, std::string::npos);
        const int type = attendu / 500 + 1, numero = attendu % 500 + 1;
        const std::string tete = "{\"type\":" + std::to_string(type) + ",\"number\":" + std::to_string(numero) + ",";
        ASSERT_EQ(r.sortie.compare(debut, tete.size(), tete), 0) << "line " << lignes;
        ++attendu;
        ++lignes;
        debut = fin + 1;
    }
    EXPECT_EQ(lignes, 2500u);
    // The --all lines are the single puzzles' lines.
    EXPECT_NE(r.sortie.find(Lancer("--json 4 250").sortie), std::string::npos);
}
