#include <gtest/gtest.h>

#include "core/Score.h"
#include "session/FinDePartie.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

struct Fin : ::testing::Test {
    Banc banc;
    GameState& g = banc.g();

    void SetUp() override
    {
        g.TypeJeu = Memoire;
        g.NumeroTableau = 7;
        g.NbColonnes = g.NbLignes = 4;
        g.NomJoueur = "ANA";
        g.CartesRestantes = 0;
        // A top ten of 1000, 900, ..., 100.
        for (int r = 1; r <= 10; ++r) {
            EcrireNom(g.MeilleursScores(Memoire, 7, r), "P" + std::to_string(r));
            g.MeilleursScores(Memoire, 7, r).ValeurScore = 1100 - 100 * r;
        }
        ActiverMinuterie(banc.ctx, banc.k().timerScore, true);
    }
    int32_t ScoreA(int r) { return g.MeilleursScores(Memoire, 7, r).ValeurScore; }
    std::string NomA(int r) { return NomEnregistrement(g.MeilleursScores(Memoire, 7, r)); }
};

} // namespace

TEST_F(Fin, EgalAuDixiemeRefuse)
{
    g.Score = 100;
    FinDePartie(banc.ctx);
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_FALSE(banc.k().timerScore.Enabled);
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_EQ(banc.ports.messages[0],
        "Fin de la partie.\nMalheureusement, vous ne réalisez pas un score parmi les 10 premiers...");
    EXPECT_EQ(ScoreA(10), 100);
    EXPECT_FALSE(std::filesystem::exists(banc.ctx.CheminScores));
}

TEST_F(Fin, UnDePlusQueLeDixieme)
{
    g.Score = 101;
    FinDePartie(banc.ctx);
    EXPECT_EQ(ScoreA(10), 101);
    EXPECT_EQ(NomA(10), "ANA");
    EXPECT_EQ(ScoreA(9), 200);
    EXPECT_EQ(banc.ports.messages.at(0),
        "Fin de la partie.\nBravo ANA\xC2\xA0! Vous entrez dans les 10 meilleurs scores\xC2\xA0! \nScore Numéro 10 avec 101 points.");
    EXPECT_EQ(std::filesystem::file_size(banc.ctx.CheminScores), 400000u);
}

TEST_F(Fin, EgalAuMeilleurVaEnDeuxiemePlace)
{
    g.Score = 1000;
    FinDePartie(banc.ctx);
    EXPECT_EQ(NomA(1), "P1");
    EXPECT_EQ(NomA(2), "ANA");
    EXPECT_EQ(ScoreA(2), 1000);
    EXPECT_EQ(NomA(3), "P2");
    EXPECT_EQ(NomA(10), "P9");   // the old ninth; the old tenth is dropped
    EXPECT_NE(banc.ports.messages.at(0).find("\nBravo ANA\xC2\xA0!"), std::string::npos);
    EXPECT_EQ(banc.k().panelPremierMeilleurScore.Caption(), "1000");
    EXPECT_EQ(banc.k().panelDernierMeilleurScore.Caption(), "200");
}

TEST_F(Fin, AuDessusDeTousFelicitations)
{
    g.Score = 4321;
    FinDePartie(banc.ctx);
    EXPECT_EQ(ScoreA(1), 4321);
    EXPECT_EQ(NomA(2), "P1");
    EXPECT_EQ(ScoreA(10), 200);
    EXPECT_EQ(banc.ports.messages.at(0),
        "Fin de la partie.\nFELICITATIONS ANA\xC2\xA0! Vous entrez dans les 10 meilleurs scores\xC2\xA0! \nScore Numéro 1 avec 4321 points.");
    // A three-letter name is stored as those letters and nine zero bytes.
    const EnregistrementScore& e = g.MeilleursScores(Memoire, 7, 1);
    EXPECT_EQ(std::string(e.NomScore, 12), std::string("ANA") + std::string(9, '\0'));
}

TEST_F(Fin, ScoreNegatifEtNomLong)
{
    for (int r = 1; r <= 10; ++r)
        g.MeilleursScores(Memoire, 7, r).ValeurScore = -100 * r;
    g.NomJoueur = "ABCDEFGHIJKLMNO";
    g.Score = -150;
    FinDePartie(banc.ctx);
    EXPECT_EQ(ScoreA(2), -150);
    EXPECT_EQ(std::string(g.MeilleursScores(Memoire, 7, 2).NomScore, 12), "ABCDEFGHIJKL");
}

TEST_F(Fin, PasFiniNeFaitRien)
{
    g.CartesRestantes = 2;
    FinDePartie(banc.ctx);
    EXPECT_FALSE(g.PartieTerminee);
    EXPECT_TRUE(banc.k().timerScore.Enabled);
    EXPECT_TRUE(banc.ports.messages.empty());
    g.TypeJeu = AucunJeu;
    FinDePartie(banc.ctx);
    EXPECT_FALSE(g.PartieTerminee);
}

TEST_F(Fin, LabyrintheGagneOuPerdu)
{
    g.TypeJeu = Labyrinthe;
    g.NumeroTableau = 7;
    g.NbColonnes = g.NbLignes = 6;
    for (int r = 1; r <= 10; ++r)
        g.MeilleursScores(Labyrinthe, 7, r).ValeurScore = 0;
    g.Score = 10;
    // On the exit with no energy left: still won.
    g.PosX = g.PosY = 6;
    g.CompteurGlouton = 0;
    FinDePartie(banc.ctx);
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_NE(banc.ports.messages.at(0).find("FELICITATIONS"), std::string::npos);

    g.PartieTerminee = false;
    g.PosX = 5;
    g.CompteurGlouton = 1;
    FinDePartie(banc.ctx);
    EXPECT_FALSE(g.PartieTerminee);
    g.CompteurGlouton = 0;
    FinDePartie(banc.ctx);
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_EQ(banc.ports.messages.back(), "Fin de la partie. Vous n'avez pas réussi ce cogitelle...");
    EXPECT_EQ(banc.ports.messages.size(), 2u);
}

TEST_F(Fin, CarreMagiqueEtSesDiagonales)
{
    g.TypeJeu = CarreMagique;
    g.NbColonnes = g.NbLignes = 5;
    for (auto& c : g.Valeur) for (auto& v : c) v = 0;
    g.Valeur[6][1] = 3;   // row 1 alone never decides
    g.Valeur[6][6] = 2;   // a diagonal
    g.AvecDiagonales = false;
    g.Score = 50;
    FinDePartie(banc.ctx);
    EXPECT_TRUE(g.PartieTerminee);

    g.PartieTerminee = false;
    g.AvecDiagonales = true;
    FinDePartie(banc.ctx);
    EXPECT_FALSE(g.PartieTerminee);
    g.Valeur[6][6] = 0;
    g.Valeur[6][0] = -1;
    FinDePartie(banc.ctx);
    EXPECT_FALSE(g.PartieTerminee);
    g.Valeur[6][0] = 0;
    g.Valeur[3][6] = 1;
    FinDePartie(banc.ctx);
    EXPECT_FALSE(g.PartieTerminee);
    g.Valeur[3][6] = 0;
    g.Valeur[6][5] = 1;
    FinDePartie(banc.ctx);
    EXPECT_FALSE(g.PartieTerminee);
}

TEST_F(Fin, DifferencesUneCaseOuAucunCoup)
{
    g.TypeJeu = Differences;
    g.PosX = g.PosY = 2;
    g.CasesRestantes = 5;
    g.NbCoupsPossibles[2][2] = 1;
    FinDePartie(banc.ctx);
    EXPECT_FALSE(g.PartieTerminee);
    g.NbCoupsPossibles[2][2] = 0;
    FinDePartie(banc.ctx);
    EXPECT_TRUE(g.PartieTerminee);
    g.PartieTerminee = false;
    g.NbCoupsPossibles[2][2] = 3;
    g.CasesRestantes = 1;
    FinDePartie(banc.ctx);
    EXPECT_TRUE(g.PartieTerminee);
}

TEST_F(Fin, HorlogeEtMinuteries)
{
    g.Score = 5000;
    timerScoreTimer(banc.ctx);
    timerScoreTimer(banc.ctx);
    EXPECT_EQ(g.Score, 4998);
    EXPECT_EQ(banc.k().panelScoreMixte.Caption(), "4998");
    ActiverMinuterie(banc.ctx, banc.k().timerRefreshMemoire, true);
    ActiverMinuterie(banc.ctx, banc.k().timerLab, true);
    ArreterMinuteries(banc.ctx);
    EXPECT_FALSE(banc.k().timerScore.Enabled);
    EXPECT_FALSE(banc.k().timerRefreshMemoire.Enabled);
    EXPECT_FALSE(banc.k().timerLab.Enabled);
    // Starting a running timer is not a restart.
    ActiverMinuterie(banc.ctx, banc.k().timerScore, true);
    const uint32_t demarrages = banc.k().timerScore.Demarrages;
    ActiverMinuterie(banc.ctx, banc.k().timerScore, true);
    EXPECT_EQ(banc.k().timerScore.Demarrages, demarrages);
}
