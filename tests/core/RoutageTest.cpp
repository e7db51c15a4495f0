#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "session/NouvellePartie.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

struct Routage : ::testing::Test {
    Banc banc;
    GameState& g = banc.g();
    Controles& k = banc.k();
    void SetUp() override { banc.ctx.CheminScores.clear(); }

    // A face-down memory card.
    PosCase CarteCachee()
    {
        for (int x = 1; x <= g.NbColonnes; ++x)
            for (int y = 1; y <= g.NbLignes; ++y)
                if (g.Etat[x][y] == 0)
                    return {x, y};
        return {0, 0};
    }
};

} // namespace

TEST_F(Routage, ClicGaucheSeulementSansModificateur)
{
    banc.Jouer(Memoire, 1);
    const PosCase c = CarteCachee();
    const int32_t tag = 100 * c.x + c.y;
    for (uint32_t etat : {ssLeft | ssShift, ssLeft | ssCtrl, ssLeft | ssAlt, ssLeft | ssRight, ssLeft | ssMiddle,
             ssLeft | ssDouble, 0u}) {
        AppelCaseMouseDown(banc.ctx, tag, BoutonSouris::Gauche, etat);
        EXPECT_EQ(g.Etat[c.x][c.y], 0) << etat;
    }
    AppelCaseMouseDown(banc.ctx, tag, BoutonSouris::Droit, ssRight);
    AppelCaseMouseDown(banc.ctx, tag, BoutonSouris::Milieu, ssMiddle);
    EXPECT_EQ(g.Etat[c.x][c.y], 0);
    EXPECT_EQ(g.Score, 5000);
    AppelCaseMouseDown(banc.ctx, tag, BoutonSouris::Gauche, ssLeft);
    EXPECT_EQ(g.Etat[c.x][c.y], 1);
    EXPECT_EQ(g.Score, 4997);
}

TEST_F(Routage, TagsHorsDuPlateau)
{
    banc.Jouer(Memoire, 1);   // 4 x 4
    for (int32_t tag : {0, 101 - 1, 105, 501, 500, 1616, 1501}) {
        AppelCaseMouseDown(banc.ctx, tag, BoutonSouris::Gauche, ssLeft);
        Deplacer(banc.ctx, tag / 100, tag % 100, false);
    }
    EXPECT_EQ(g.Score, 5000);
    EXPECT_EQ(g.NbSelectionnees, 0);
}

TEST_F(Routage, ClicDroitSeulementAuSerpentin)
{
    banc.Jouer(Serpentin, 1);
    const int32_t x = g.TrouPrincipalX == 1 ? 2 : 1;
    const int32_t y = 1;
    AppelCaseMouseDown(banc.ctx, 100 * x + y, BoutonSouris::Droit, ssRight | ssShift);
    EXPECT_EQ(g.Score, 5000);
    AppelCaseMouseDown(banc.ctx, 100 * x + y, BoutonSouris::Droit, ssRight);
    EXPECT_EQ(g.Score, 4950);
    EXPECT_EQ(g.TrouPrincipalX, x);
    EXPECT_EQ(g.TrouPrincipalY, y);

    banc.Jouer(Memoire, 1);
    const PosCase c = CarteCachee();
    AppelCaseMouseDown(banc.ctx, 100 * c.x + c.y, BoutonSouris::Droit, ssRight);
    EXPECT_EQ(g.Score, 5000);
    EXPECT_EQ(g.Etat[c.x][c.y], 0);
}

TEST_F(Routage, RienApresLaFin)
{
    banc.Jouer(Memoire, 1);
    g.PartieTerminee = true;
    const PosCase c = CarteCachee();
    AppelCaseMouseDown(banc.ctx, 100 * c.x + c.y, BoutonSouris::Gauche, ssLeft);
    EXPECT_EQ(g.Etat[c.x][c.y], 0);

    banc.Jouer(Differences, 3);
    g.PartieTerminee = true;
    const auto copie = std::make_unique<GameState>(g);
        const GameState& avant = *copie;
    for (int x = 1; x <= g.NbColonnes; ++x)
        for (int y = 1; y <= g.NbLignes; ++y) {
            AppelCaseMouseDown(banc.ctx, 100 * x + y, BoutonSouris::Gauche, ssLeft);
            AppelMurEnfoncement(banc.ctx, TypeMur::Droit, 100 * x + y);
            AppelMurDroitClique(banc.ctx, 100 * x + y);
            AppelMurBasClique(banc.ctx, 100 * x + y);
            AppelMurBasDroitClique(banc.ctx, 100 * x + y);
        }
    EXPECT_EQ(g.Score, avant.Score);
    EXPECT_EQ(0, std::memcmp(g.Valeur, avant.Valeur, sizeof g.Valeur));
    EXPECT_EQ(0, std::memcmp(g.Etat, avant.Etat, sizeof g.Etat));
    EXPECT_EQ(k.MursDroits[1][1].BiseauExterieur(), Biseau::Releve);
}

TEST_F(Routage, AspectEnfonceDesMurs)
{
    banc.Jouer(Differences, 3);
    AppelMurEnfoncement(banc.ctx, TypeMur::BasDroit, 202);
    EXPECT_EQ(k.MursBasDroits[2][2].BiseauExterieur(), Biseau::Abaisse);
    AppelMurRelachement(banc.ctx, TypeMur::BasDroit, 202);
    EXPECT_EQ(k.MursBasDroits[2][2].BiseauExterieur(), Biseau::Releve);
    AppelMurEnfoncement(banc.ctx, TypeMur::Bas, 9999);   // no such wall: ignored
    banc.Jouer(Memoire, 3);
    AppelMurEnfoncement(banc.ctx, TypeMur::Droit, 101);
    EXPECT_EQ(k.MursDroits[1][1].BiseauExterieur(), Biseau::Releve);
}

TEST_F(Routage, LesTouchesNeServentQuAuLabyrinthe)
{
    for (TTypeJeu type : {CarreMagique, Differences, Serpentin, Memoire}) {
        banc.Jouer(type, 10);
        g.ClavierActif = true;
        const auto copie = std::make_unique<GameState>(g);
        const GameState& avant = *copie;
        for (Fleche f : {Fleche::Gauche, Fleche::Droite, Fleche::Haut, Fleche::Bas})
            FormKeyDown(banc.ctx, f);
        for (char ch : std::string("24680abc\r"))
            FormKeyPress(banc.ctx, ch);
        EXPECT_EQ(g.Score, avant.Score) << type;
        EXPECT_EQ(0, std::memcmp(g.Valeur, avant.Valeur, sizeof g.Valeur)) << type;
        EXPECT_EQ(0, std::memcmp(g.Etat, avant.Etat, sizeof g.Etat)) << type;
    }
}

// Before the player has chosen a game, the board's inputs reach the core all the same (a click on
// the empty board, a key, a wall): none of them changes anything.
TEST_F(Routage, AvantToutePartieRienNeChange)
{
    ASSERT_EQ(g.TypeJeu, AucunJeu);
    const uint64_t modifications = k.Modifications();
    const int32_t score = g.Score;
    AppelCaseMouseDown(banc.ctx, 101, BoutonSouris::Gauche, ssLeft);
    AppelCaseMouseDown(banc.ctx, 202, BoutonSouris::Droit, ssRight);
    AppelMurDroitClique(banc.ctx, 101);
    AppelMurBasClique(banc.ctx, 101);
    AppelMurBasDroitClique(banc.ctx, 101);
    FormKeyDown(banc.ctx, Fleche::Droite);
    FormKeyPress(banc.ctx, '6');
    EXPECT_EQ(k.Modifications(), modifications);
    EXPECT_EQ(g.Score, score);
    EXPECT_EQ(g.TypeJeu, AucunJeu);
    EXPECT_FALSE(k.timerScore.Enabled);
    EXPECT_TRUE(banc.ports.erreurs.empty());
}
