// Pinned puzzles of the maze and the magic square: the printer's JSON line must not change. A
// change of one draw anywhere before or inside these games' generators shows here.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string Imprimer(int type, int numero)
{
    const std::string commande = std::string(COGITELLE_PUZZLE) + " --json " + std::to_string(type) + " " +
        std::to_string(numero);
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
