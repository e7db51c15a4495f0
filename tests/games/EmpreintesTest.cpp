// Pinned puzzles of every game: the printer's --json lines must not change. A line that moves
// means a draw was added, lost or reordered somewhere.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/Imprimante.h"

using cogitelle::test::LancerImprimante;

namespace {

std::vector<std::string> Lignes(const std::string& texte)
{
    std::vector<std::string> lignes;
    size_t debut = 0;
    while (debut < texte.size()) {
        size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos)
            fin = texte.size();
        lignes.push_back(texte.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return lignes;
}

int Champ(const std::string& ligne, const std::string& cle)
{
    const size_t p = ligne.find("\"" + cle + "\":");
    return p == std::string::npos ? -1 : std::stoi(ligne.substr(p + cle.size() + 3));
}

} // namespace

TEST(Empreintes, PuzzlesEpingles)
{
    const std::vector<std::string> toutes = Lignes(LancerImprimante("--json --all").sortie);
    ASSERT_EQ(toutes.size(), 2500u);
    const std::pair<const char*, int> fichiers[] = {
        {"labyrinthe", 1}, {"carre", 2}, {"differences", 3}, {"serpentin", 4}, {"memoire", 5}};
    for (const auto& [fichier, typeAttendu] : fichiers) {
        std::ifstream f(std::string(COGITELLE_SOURCE_DIR) + "/tests/games/empreintes/" + fichier + ".jsonl");
        ASSERT_TRUE(f) << fichier;
        int vues = 0;
        for (std::string attendu; std::getline(f, attendu);) {
            if (attendu.empty())
                continue;
            const int type = Champ(attendu, "type"), numero = Champ(attendu, "number");
            ASSERT_TRUE(type == typeAttendu && numero >= 1 && numero <= 500) << attendu;
            EXPECT_EQ(toutes[(type - 1) * 500 + numero - 1], attendu) << fichier << " n° " << numero;
            ++vues;
        }
        EXPECT_GE(vues, 4) << fichier;
    }
}

// The text form of pinned puzzles: the same board, readable.
TEST(Empreintes, Textes)
{
    const std::string labyrinthe = LancerImprimante("1 1").sortie;
    EXPECT_EQ(labyrinthe.rfind("LE GLOUTON DU LABYRINTHE - Cogitelle n° 1\nboard 6 x 6, bonuses per path cell at most 1, "
                               "bonus distance over 1, path 19 cells, energy 50\n\n",
                  0),
        0u)
        << labyrinthe;
    // The first row: the glutton, two path cells, then a wall on the right of (2, 1).
    EXPECT_NE(labyrinthe.find("+----+----+----+----+----+----+\n| @50   . |"), std::string::npos) << labyrinthe;

    const std::string carre = LancerImprimante("2 1").sortie;
    EXPECT_EQ(carre.rfind("CARRE MAGIQUE - Cogitelle n° 1\nboard 5 x 5, magic sum 65, 3 scrambling swaps, "
                          "diagonals not counted\n\n",
                  0),
        0u)
        << carre;
    EXPECT_NE(carre.find("  -16 |   14    21     3    10     1  |  -16\n"), std::string::npos) << carre;
    EXPECT_NE(carre.find("off the magic sum: rows 1, 2, 3, 4; columns 4, 5\n"), std::string::npos) << carre;
    const std::string diagonales = LancerImprimante("2 350").sortie;
    EXPECT_NE(diagonales.find("; diagonals (1, 1)-(11, 11), (11, 1)-(1, 11)\n"), std::string::npos) << diagonales;
}
