#include <gtest/gtest.h>

#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "core/Score.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

struct Partie : ::testing::Test {
    Banc banc;
    GameState& g = banc.g();
    Controles& k = banc.k();
    void SetUp() override
    {
        InitialiserMeilleursScores(banc.ctx);
    }
};

} // namespace

TEST_F(Partie, PanneauxDeDroiteEtBornesDesTableaux)
{
    banc.Jouer(Labyrinthe, 1, "ZOE");
    EXPECT_FALSE(k.panelTableauPrecedent.Enabled());
    EXPECT_EQ(k.panelTableauPrecedent.couleur(), couleurs::Gris);
    EXPECT_TRUE(k.panelTableauSuivant.Enabled());
    EXPECT_EQ(k.panelTableauSuivant.couleur(), couleurs::Argent);
    EXPECT_EQ(k.panelNumeroTableau.Caption(), "Cogitelle n° 1");
    EXPECT_EQ(k.panelNomJoueur.Caption(), "ZOE");
    EXPECT_EQ(k.panelScoreMixte.Caption(), "5000");
    for (Controle* c : {&k.panelInfo, &k.superPanelJeux, &k.panelTableaux, &k.superPanelDroite, &k.panelCentral})
        EXPECT_TRUE(c->Visible());
    EXPECT_EQ(k.panelsJeux[1].couleur(), couleurs::VertClair);
    EXPECT_EQ(k.panelsJeux[2].couleur(), couleurs::BleuCiel);
    EXPECT_TRUE(k.MenuCoche[1]);
    EXPECT_FALSE(k.MenuCoche[4]);
    EXPECT_EQ(k.panelPremierMeilleurScore.Caption(), std::to_string(g.MeilleursScores(1, 1, 1).ValeurScore));
    EXPECT_EQ(k.panelDernierMeilleurScore.Caption(), std::to_string(g.MeilleursScores(1, 1, 10).ValeurScore));

    TableauSuivant(banc.ctx);
    EXPECT_EQ(g.NumeroTableau, 2);
    EXPECT_TRUE(k.panelTableauPrecedent.Enabled());
    EXPECT_EQ(k.panelTableauPrecedent.couleur(), couleurs::Argent);

    g.TypeJeu = Serpentin;
    g.NumeroTableau = 499;
    TableauSuivant(banc.ctx);
    EXPECT_FALSE(k.panelTableauSuivant.Enabled());
    EXPECT_EQ(k.panelTableauSuivant.couleur(), couleurs::Gris);
    EXPECT_EQ(k.panelsJeux[4].couleur(), couleurs::VertClair);
    EXPECT_EQ(k.panelsJeux[1].couleur(), couleurs::BleuCiel);
    EXPECT_TRUE(k.MenuCoche[4]);
    EXPECT_FALSE(k.MenuCoche[1]);
    TableauPrecedent(banc.ctx);
    EXPECT_EQ(g.NumeroTableau, 499);
    EXPECT_TRUE(k.panelTableauSuivant.Enabled());
}

TEST_F(Partie, ScoreHorlogeTexteEtOptions)
{
    g.Score = 12;
    g.PartieTerminee = true;
    ActiverMinuterie(banc.ctx, k.timerRefreshMemoire, true);
    banc.Jouer(Differences, 42);
    EXPECT_EQ(g.Score, 5000);
    EXPECT_FALSE(g.PartieTerminee);
    EXPECT_TRUE(k.timerScore.Enabled);
    EXPECT_FALSE(k.timerRefreshMemoire.Enabled);
    EXPECT_FALSE(k.timerLab.Enabled);
    EXPECT_FALSE(g.ClavierActif);   // the differences game takes no keys
    EXPECT_EQ(k.lblInfos.Caption(), g.TextesBut[Differences]);
    EXPECT_EQ(g.PrecX, -1);
    EXPECT_EQ(g.NbTentatives, 0);
    // The new game saved the options: type 3, puzzle 42.
    EXPECT_EQ(banc.magasin.valeurs.at("optionTypeJeu").octets, (std::vector<uint8_t>{3, 0, 0, 0}));
    EXPECT_EQ(banc.magasin.valeurs.at("optionNumeroTableau").octets, (std::vector<uint8_t>{42, 0, 0, 0}));
    EXPECT_EQ(g.TypeJeuChoisi, 3);
    EXPECT_EQ(g.NumeroTableauChoisi, 42);

    banc.Jouer(Labyrinthe, 20);
    EXPECT_TRUE(g.ClavierActif);
    EXPECT_EQ(k.timerLab.Interval, 2000);
    EXPECT_FALSE(k.timerLab.Enabled);   // set, never started
    banc.Jouer(Labyrinthe, 21);
    EXPECT_EQ(k.timerLab.Interval, 1000);
}

TEST_F(Partie, ParametresParNumero)
{
    g.TypeJeu = Labyrinthe;
    for (auto [numero, k1, k2] : {std::tuple{10, 1, 1}, {11, 2, 1}, {31, 2, 2}, {61, 3, 2}, {81, 3, 3}, {91, 4, 3},
             {100, 4, 3}, {101, 5, 3}, {500, 5, 3}}) {
        g.NumeroTableau = numero;
        ParametresPartie(banc.ctx);
        EXPECT_EQ(g.ParamLab1, k1) << numero;
        EXPECT_EQ(g.ParamLab2, k2) << numero;
        EXPECT_EQ(g.NbMurs, 2 * g.NbColonnes * g.NbColonnes - 2 * g.NbColonnes) << numero;
    }
    g.NumeroTableau = 500;
    ParametresPartie(banc.ctx);
    EXPECT_EQ(g.NbMurs, 364);

    g.TypeJeu = CarreMagique;
    for (auto [numero, bas, haut, diag, somme] : {std::tuple{1, 3, 4, false, 65}, {20, 3, 4, false, 65},
             {21, 5, 6, false, 65}, {41, 5, 6, false, 175}, {61, 7, 8, false, 175}, {81, 9, 11, false, 175},
             {300, 9, 11, false, 671}, {301, 12, 14, true, 671}, {401, 15, 17, true, 671}}) {
        g.NumeroTableau = numero;
        // The swap count is the puzzle's first draw.
        PuzzleRandom attendu;
        attendu.Seed(PuzzleSeed(CarreMagique, numero, 0));
        banc.hasard.Seed(PuzzleSeed(CarreMagique, numero, 0));
        ParametresPartie(banc.ctx);
        EXPECT_EQ(banc.hasard.Etat(), (attendu.Draw(2), attendu.Etat())) << numero;
        EXPECT_GE(g.ParamCarre, bas) << numero;
        EXPECT_LE(g.ParamCarre, haut) << numero;
        EXPECT_EQ(g.AvecDiagonales, diag) << numero;
        EXPECT_EQ(g.SommeMagique, somme) << numero;
        EXPECT_NE(g.TextesBut[2].find("(" + std::to_string(somme) + ")"), std::string::npos);
    }

    g.TypeJeu = Differences;
    for (auto [numero, pourcent, trous] : {std::tuple{100, 0, 0}, {101, 7, 2}, {120, 7, 3}, {150, 8, 3},
             {200, 9, 4}, {250, 10, 6}, {300, 11, 9}, {350, 12, 10}, {400, 13, 13}, {480, 14, 20}, {500, 15, 22}}) {
        g.NumeroTableau = numero;
        ParametresPartie(banc.ctx);
        EXPECT_EQ(g.PourcentTrous, pourcent) << numero;
        EXPECT_EQ(g.NbTrous, trous) << numero;
    }

    g.TypeJeu = Serpentin;
    for (auto [numero, longueur] : {std::pair{1, 6}, {29, 6}, {30, 8}, {59, 8}, {100, 13}, {119, 13}, {150, 17},
             {199, 17}, {400, 20}, {499, 20}, {500, 21}}) {
        g.NumeroTableau = numero;
        ParametresPartie(banc.ctx);
        EXPECT_EQ(g.LongueurSerpentin, longueur) << numero;
    }

    g.TypeJeu = Memoire;
    for (auto [numero, groupe] : {std::pair{1, 2}, {60, 2}, {61, 3}, {100, 3}, {101, 2}, {200, 2}, {201, 3},
             {300, 3}, {301, 4}, {400, 4}, {401, 5}, {500, 5}}) {
        g.NumeroTableau = numero;
        ParametresPartie(banc.ctx);
        EXPECT_EQ(g.TailleGroupe, groupe) << numero;
    }
}

TEST_F(Partie, LaDispositionTireAvantLesGenerateurs)
{
    // Memory and maze: the layout's draws are the first of the puzzle.
    banc.Jouer(Memoire, 1);
    PuzzleRandom r;
    r.Seed(PuzzleSeed(Memoire, 1, 0));
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y) {
            const int32_t b = r.Draw(30) + 150, v = r.Draw(30) + 150, rouge = r.Draw(30) + 150;
            EXPECT_EQ(k.Cases[x][y].couleur(), RGB(rouge, v, b)) << x << "," << y;
        }
    banc.Jouer(Labyrinthe, 9);
    r.Seed(PuzzleSeed(Labyrinthe, 9, 0));
    const int32_t b = r.Draw(100) + 50, v = r.Draw(100) + 50, rouge = r.Draw(100) + 50;
    EXPECT_EQ(k.MursDroits[1][1].couleur(), RGB(rouge, v, b));
    // Magic square: the swap count, then the layout.
    banc.Jouer(CarreMagique, 5);
    r.Seed(PuzzleSeed(CarreMagique, 5, 0));
    r.Draw(2);
    const int32_t cb = r.Draw(76) + 20, cv = r.Draw(76) + 20;
    EXPECT_EQ(k.MursDroits[1][1].couleur(), RGB(0, cv, cb));
}

TEST_F(Partie, RejouerRefaitLeMemePlateau)
{
    for (TTypeJeu type = 1; type <= 5; ++type) {
        banc.Jouer(type, 77);
        const auto valeurs = std::vector<int32_t>(&g.Valeur[0][0], &g.Valeur[0][0] + 16 * 16);
        std::vector<Couleur> couleursCases;
        for (int x = 1; x <= g.NbColonnes; ++x)
            for (int y = 1; y <= g.NbLignes; ++y)
                couleursCases.push_back(k.Cases[x][y].couleur());
        const uint32_t etat = banc.hasard.Etat();
        g.Score = 3;
        banc.ports.millisecondes = 999;   // another time of day changes nothing
        NouvellePartie(banc.ctx);
        EXPECT_EQ(g.Score, 5000);
        EXPECT_EQ(banc.hasard.Etat(), etat) << type;
        EXPECT_EQ(valeurs, std::vector<int32_t>(&g.Valeur[0][0], &g.Valeur[0][0] + 16 * 16)) << type;
        size_t i = 0;
        for (int x = 1; x <= g.NbColonnes; ++x)
            for (int y = 1; y <= g.NbLignes; ++y)
                EXPECT_EQ(k.Cases[x][y].couleur(), couleursCases[i++]) << type;
    }
}

TEST_F(Partie, TableauAuHasardJamaisLeMeme)
{
    banc.Jouer(Memoire, 250);
    for (int essai = 0; essai < 300; ++essai) {
        const int32_t avant = g.NumeroTableau;
        banc.ports.millisecondes = essai * 7919;
        TableauAuHasard(banc.ctx);
        EXPECT_NE(g.NumeroTableau, avant);
        EXPECT_GE(g.NumeroTableau, 1);
        EXPECT_LE(g.NumeroTableau, 500);
        EXPECT_EQ(g.TypeJeu, Memoire);
    }
}

TEST_F(Partie, CasesAfficheesEtCasesRestantes)
{
    banc.Jouer(Memoire, 21);   // 5 x 5
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y)
            EXPECT_EQ(k.Cases[x][y].Caption(),
                g.Etat[x][y] == 0 && g.Valeur[x][y] != 0 ? "" : std::to_string(g.Valeur[x][y]));
    int horsJeu = 0;
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y)
            horsJeu += g.Etat[x][y] == -2;
    EXPECT_EQ(g.CasesRestantes, 25 - horsJeu);
    EXPECT_FALSE(k.Cases[6][1].Visible());
    EXPECT_FALSE(k.Cases[0][0].Visible());
}
