// Pinned puzzles of the differences, serpentine and memory games: the printer's --json lines must
// not change. A line that moves means a draw was added, lost or reordered somewhere.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string SortieImprimante(const std::string& arguments)
{
    std::string sortie;
    FILE* f = popen((std::string(COGITELLE_PUZZLE) + " " + arguments).c_str(), "r");
    if (!f)
        return sortie;
    std::array<char, 65536> tampon;
    size_t lus;
    while ((lus = fread(tampon.data(), 1, tampon.size(), f)) > 0)
        sortie.append(tampon.data(), lus);
    pclose(f);
    return sortie;
}

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

TEST(Empreintes, DifferencesSerpentinMemoire)
{
    const std::vector<std::string> toutes = Lignes(SortieImprimante("--json --all"));
    ASSERT_EQ(toutes.size(), 2500u);
    for (const char* fichier : {"differences", "serpentin", "memoire"}) {
        std::ifstream f(std::string(COGITELLE_SOURCE_DIR) + "/tests/games/empreintes/" + fichier + ".jsonl");
        ASSERT_TRUE(f) << fichier;
        std::string attendu;
        int vues = 0;
        while (std::getline(f, attendu)) {
            const int type = Champ(attendu, "type"), numero = Champ(attendu, "number");
            ASSERT_TRUE(type >= 3 && type <= 5 && numero >= 1 && numero <= 500) << attendu;
            EXPECT_EQ(toutes[(type - 1) * 500 + numero - 1], attendu) << fichier << " n° " << numero;
            ++vues;
        }
        EXPECT_GE(vues, 8) << fichier;
    }
}
