// Pinned puzzles of the maze and the magic square: the printer's JSON line must not change. A
// change of one draw anywhere before or inside these games' generators shows here.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string Imprimer(int type, int numero, bool json = true)
{
    const std::string commande = std::string(COGITELLE_PUZZLE) + (json ? " --json " : " ") + std::to_string(type) +
        " " + std::to_string(numero);
    std::string sortie;
    FILE* f = popen(commande.c_str(), "r");
    if (!f)
        return sortie;
    std::array<char, 65536> tampon;
    size_t lus;
    while ((lus = fread(tampon.data(), 1, tampon.size(), f)) > 0)
        sortie.append(tampon.data(), lus);
    pclose(f);
    return sortie;
}

std::vector<std::string> Lignes(const std::string& fichier)
{
    std::ifstream f(std::string(COGITELLE_SOURCE_DIR) + "/tests/games/empreintes/" + fichier);
    std::vector<std::string> lignes;
    for (std::string l; std::getline(f, l);)
        if (!l.empty())
            lignes.push_back(l);
    return lignes;
}

void Comparer(const std::string& fichier, int type, const std::vector<int>& numeros)
{
    const std::vector<std::string> lignes = Lignes(fichier);
    ASSERT_EQ(lignes.size(), numeros.size()) << fichier;
    for (size_t i = 0; i < numeros.size(); ++i) {
        const std::string tete =
            "{\"type\":" + std::to_string(type) + ",\"number\":" + std::to_string(numeros[i]) + ",";
        ASSERT_EQ(lignes[i].rfind(tete, 0), 0u) << fichier << " line " << i + 1;
        EXPECT_EQ(Imprimer(type, numeros[i]), lignes[i] + "\n") << fichier << " puzzle " << numeros[i];
    }
}

} // namespace

TEST(EmpreintesLabyrintheCarre, Labyrinthe) { Comparer("labyrinthe.jsonl", 1, {1, 95, 250, 500}); }

TEST(EmpreintesLabyrintheCarre, CarreMagique) { Comparer("carre.jsonl", 2, {1, 77, 350, 500}); }

// The text form of the pinned puzzles: the same board, readable.
TEST(EmpreintesLabyrintheCarre, Textes)
{
    const std::string labyrinthe = Imprimer(1, 1, false);
    EXPECT_EQ(labyrinthe.rfind("LE GLOUTON DU LABYRINTHE - Cogitelle n° 1\nboard 6 x 6, bonuses per path cell at most 1, "
                               "bonus distance over 1, path 19 cells, energy 50\n\n",
                  0),
        0u)
        << labyrinthe;
    // The first row: the glutton, two path cells, then a wall on the right of (2, 1).
    EXPECT_NE(labyrinthe.find("+----+----+----+----+----+----+\n| @50   . |"), std::string::npos) << labyrinthe;

    const std::string carre = Imprimer(2, 1, false);
    EXPECT_EQ(carre.rfind("CARRE MAGIQUE - Cogitelle n° 1\nboard 5 x 5, magic sum 65, 3 scrambling swaps, "
                          "diagonals not counted\n\n",
                  0),
        0u)
        << carre;
    EXPECT_NE(carre.find("  -16 |   14    21     3    10     1  |  -16\n"), std::string::npos) << carre;
    EXPECT_NE(carre.find("off the magic sum: rows 1, 2, 3, 4; columns 4, 5\n"), std::string::npos) << carre;
    const std::string diagonales = Imprimer(2, 350, false);
    EXPECT_NE(diagonales.find("; diagonals (1, 1)-(11, 11), (11, 1)-(1, 11)\n"), std::string::npos) << diagonales;
}
