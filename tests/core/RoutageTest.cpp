#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "core/Score.h"
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

// The front ends hand every tick to TicMinuterie. A tick of a timer that no longer runs, or of a
// number that names no timer, does nothing; the refresh of the last group found ends the game, once.
TEST_F(Routage, LesTicsDesMinuteries)
{
    banc.Jouer(Memoire, 1);   // 4 x 4, eight pairs
    TicMinuterie(banc.ctx, Minuterie::Score);
    EXPECT_EQ(g.Score, 4999);
    std::map<int32_t, std::vector<PosCase>> paires;
    for (int x = 1; x <= g.NbColonnes; ++x)
        for (int y = 1; y <= g.NbLignes; ++y)
            paires[g.Valeur[x][y]].push_back({x, y});
    ASSERT_EQ(paires.size(), 8u);
    size_t trouvees = 0;
    for (const auto& [valeur, cases] : paires) {
        const uint64_t avant = k.Modifications();
        for (int32_t id : {int32_t{Minuterie::RefreshMemoire}, int32_t{Minuterie::Lab}, 3, -1, 256})
            TicMinuterie(banc.ctx, id);
        EXPECT_EQ(k.Modifications(), avant) << valeur;
        for (const PosCase& c : cases)
            AppelCaseMouseDown(banc.ctx, 100 * c.x + c.y, BoutonSouris::Gauche, ssLeft);
        ASSERT_TRUE(k.timerRefreshMemoire.Enabled) << valeur;
        EXPECT_TRUE(k.Cases[cases[0].x][cases[0].y].Visible()) << valeur;
        TicMinuterie(banc.ctx, Minuterie::RefreshMemoire);
        EXPECT_FALSE(k.Cases[cases[0].x][cases[0].y].Visible()) << valeur;
        EXPECT_EQ(g.PartieTerminee, ++trouvees == paires.size()) << valeur;
    }
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_NE(banc.ports.messages[0].find("avec " + std::to_string(4999 - 16 * 3) + " points"), std::string::npos);
    // The ticks queued before the end stopped the timers.
    TicMinuterie(banc.ctx, Minuterie::Score);
    TicMinuterie(banc.ctx, Minuterie::RefreshMemoire);
    EXPECT_EQ(g.Score, 4999 - 16 * 3);
    EXPECT_EQ(banc.ports.messages.size(), 1u);

    // The glutton's clock reaches the maze only while it runs, and no other game.
    banc.Jouer(Labyrinthe, 12);
    TicMinuterie(banc.ctx, Minuterie::Lab);
    EXPECT_EQ(g.CompteurGlouton, 50);
    ActiverMinuterie(banc.ctx, k.timerLab, true);
    TicMinuterie(banc.ctx, Minuterie::Lab);
    EXPECT_EQ(g.CompteurGlouton, 49);
    EXPECT_EQ(k.Cases[1][1].Caption(), "49");
    banc.Jouer(Memoire, 1);
    ActiverMinuterie(banc.ctx, k.timerLab, true);
    const uint64_t avant = k.Modifications();
    TicMinuterie(banc.ctx, Minuterie::Lab);
    EXPECT_EQ(k.Modifications(), avant);
}

// The end test runs after the moves that ask for it, and only those: the differences' half turn
// of a 2 x 2 block and a memory click never end a game, even one whose end test would pass.
TEST_F(Routage, LeTestDeFinSuitLesCoupsQuiLeDemandent)
{
    banc.Jouer(Differences, 1);   // 4 x 4, no hole
    int32_t x = 1, y = 1;
    const auto surLeJoueur = [&] { return g.PosX - x >= 0 && g.PosX - x <= 1 && g.PosY - y >= 0 && g.PosY - y <= 1; };
    while (surLeJoueur() && y <= 3)
        if (++x == 4) {
            x = 1;
            ++y;
        }
    ASSERT_LE(y, 3);
    g.CasesRestantes = 1;   // the end test passes from here on
    AppelMurBasDroitClique(banc.ctx, 100 * x + y);
    EXPECT_EQ(g.Score, 4995);
    EXPECT_FALSE(g.PartieTerminee);
    EXPECT_TRUE(banc.ports.messages.empty());
    AppelMurDroitClique(banc.ctx, 100 * x + y);
    EXPECT_EQ(g.Score, 4990);
    EXPECT_TRUE(g.PartieTerminee);
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_NE(banc.ports.messages[0].find("avec 4990 points"), std::string::npos);

    banc.Jouer(Memoire, 1);
    g.CartesRestantes = 0;
    const PosCase c = CarteCachee();
    AppelCaseMouseDown(banc.ctx, 100 * c.x + c.y, BoutonSouris::Gauche, ssLeft);
    EXPECT_EQ(g.Score, 4997);
    EXPECT_FALSE(g.PartieTerminee);
    EXPECT_EQ(banc.ports.messages.size(), 1u);
}
