// The game tables as the rest of the program relies on them.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "games/Jeux.h"

using namespace cogitelle;

// One table for each game type, none for any other number; every puzzle's board, its ring
// included, fits the pool of board controls; a game whose walls are clicked shows it.
TEST(Jeux, UneTableParTypeDeJeu)
{
    for (TTypeJeu type : {AucunJeu, -1, NbTypesJeu + 1, INT32_MAX, INT32_MIN})
        EXPECT_EQ(JeuDe(type), nullptr) << type;
    std::set<std::string> noms, titres;
    for (TTypeJeu type = 1; type <= NbTypesJeu; ++type) {
        const Jeu* jeu = JeuDe(type);
        ASSERT_NE(jeu, nullptr) << type;
        noms.insert(jeu->nom);
        titres.insert(jeu->titre);
        const DispositionJeu& d = jeu->disposition;
        for (int32_t numero = 1; numero <= NombreTableaux; ++numero) {
            const int32_t cote = jeu->Taille(numero);
            // Frames and walls go to 14 cells, the cells with their ring to 16.
            EXPECT_TRUE(cote >= 3 && cote <= 14 && cote + 2 * d.anneau <= 16) << type << " n° " << numero;
        }
        EXPECT_EQ(d.mursActifs, d.curseurMurs == Curseur::Main) << type;
    }
    EXPECT_EQ(noms.size(), static_cast<size_t>(NbTypesJeu));
    EXPECT_EQ(titres.size(), static_cast<size_t>(NbTypesJeu));
}
