#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "games/Rendu.h"
#include "games/Differences.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

struct Diff : ::testing::Test {
    Banc banc;
    GameState& g = banc.g();
    Controles& k = banc.k();

    // Moves of (x, y) counted from the grids alone.
    int Coups(int x, int y)
    {
        int coups = 0;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const int vx = x + dx, vy = y + dy;
                if ((dx || dy) && DansLePlateau(g, vx, vy) && g.Etat[vx][vy] != -2 &&
                    std::abs(g.Valeur[x][y] - g.Valeur[vx][vy]) <= 5)
                    ++coups;
            }
        return coups;
    }

    // A hand-made 4 x 4 game on the layout of puzzle 1: rows top to bottom, the player on
    // (px, py), nothing removed, each cell coloured after its position.
    void Plateau(const std::vector<std::vector<int>>& lignes, int px, int py)
    {
        banc.Jouer(Differences, 1);
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y) {
                g.Valeur[x][y] = lignes[y - 1][x - 1];
                g.Etat[x][y] = -1;
                g.EstTrou[x][y] = false;
                k.Cases[x][y].SetCouleur(RGB(x, y, 0));
            }
        g.PosX = px;
        g.PosY = py;
        g.Etat[px][py] = 1;
        g.CasesRestantes = 16;
        g.Score = 5000;
        RafraichirAutour(banc.ctx, 1, 1, 4, 4);
    }

    void Cliquer(int x, int y) { AppelCaseMouseDown(banc.ctx, 100 * x + y, BoutonSouris::Gauche, ssLeft); }
};

// The moves of the seven-and-two board: the player's 7 at (2, 2), another 7 at (1, 1), a 2 at
// (3, 2) and a 1 at (3, 3).
const std::vector<std::vector<int>> SeptEtDeux = {
    {7, 9, 9, 9},
    {9, 7, 2, 9},
    {9, 9, 1, 9},
    {9, 9, 9, 9}};

} // namespace

TEST_F(Diff, TaillesEtTrousParNumero)
{
    struct Cas { int numero, n, pourcent, trous; };
    for (const Cas& c : {Cas{100, 8, 0, 0}, Cas{101, 5, 7, 2}, Cas{500, 12, 15, 22}}) {
        banc.Jouer(Differences, c.numero);
        EXPECT_EQ(g.NbColonnes, c.n) << c.numero;
        EXPECT_EQ(g.NbLignes, c.n) << c.numero;
        EXPECT_EQ(g.PourcentTrous, c.pourcent) << c.numero;
        EXPECT_EQ(g.NbTrous, c.trous) << c.numero;
        int trous = 0;
        for (int x = 1; x <= c.n; ++x)
            for (int y = 1; y <= c.n; ++y)
                trous += g.Etat[x][y] == -2;
        EXPECT_EQ(trous, c.trous) << c.numero;
        EXPECT_EQ(g.CasesRestantes, c.n * c.n - c.trous) << c.numero;
        EXPECT_FALSE(g.ClavierActif);
    }
    // Hole counts by board size over 101..500 (halves of the rounding go to the even count).
    const std::set<int> attendus[13] = {{}, {}, {}, {}, {}, {2}, {3}, {4}, {6}, {9, 10}, {12, 13}, {16, 17}, {20, 22}};
    std::set<int> vus[13];
    for (int numero = 101; numero <= 500; ++numero) {
        g.TypeJeu = Differences;
        g.NumeroTableau = numero;
        ParametresPartie(banc.ctx);
        vus[g.NbColonnes].insert(g.NbTrous);
    }
    for (int n = 5; n <= 12; ++n)
        EXPECT_EQ(vus[n], attendus[n]) << n;
}

TEST_F(Diff, ChaquePlateauEstJouableEtLeDepartEntier)
{
    banc.ctx.CheminScores.clear();   // no score file written at each new game
    for (int numero = 1; numero <= 500; ++numero) {
        banc.Jouer(Differences, numero);
        const int n = g.NbColonnes;
        ASSERT_TRUE(DansLePlateau(g, g.PosX, g.PosY)) << numero;
        EXPECT_EQ(g.Etat[g.PosX][g.PosY], 1) << numero;
        EXPECT_EQ(g.PrecX, -1);
        int trous = 0;
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                const int v = g.Valeur[x][y];
                ASSERT_TRUE(v >= 1 && v <= 10) << numero;
                ASSERT_EQ(g.EstTrou[x][y], g.Etat[x][y] == -2) << numero << " (" << x << "," << y << ")";
                const bool voisin = std::abs(x - g.PosX) <= 1 && std::abs(y - g.PosY) <= 1;
                if (g.EstTrou[x][y]) {
                    ++trous;
                    EXPECT_FALSE(voisin) << numero << ": hole at (" << x << "," << y << ")";
                    continue;
                }
                EXPECT_GE(Coups(x, y), 2) << numero << " (" << x << "," << y << ")";
                EXPECT_EQ(g.NbCoupsPossibles[x][y], Coups(x, y)) << numero;
                // Green exactly on the player's reachable neighbours.
                const bool accessible = voisin && !(x == g.PosX && y == g.PosY) &&
                    std::abs(g.Valeur[x][y] - g.Valeur[g.PosX][g.PosY]) <= 5;
                if (!(x == g.PosX && y == g.PosY)) {
                    EXPECT_EQ(g.Etat[x][y], accessible ? 0 : -1) << numero << " (" << x << "," << y << ")";
                }
                EXPECT_EQ(k.Cases[x][y].Caption(), std::to_string(v));
            }
        EXPECT_EQ(trous, g.NbTrous) << numero;
        EXPECT_EQ(g.CasesRestantes, n * n - trous) << numero;
        EXPECT_EQ(g.Score, 5000);
    }
}

// Puzzle 5 is the first whose board is rejected: it is played with the next seed, that of
// puzzle 6, whose board has the same size, so the two puzzles are the same game.
TEST_F(Diff, UnPlateauRejeteCedeLaPlaceALaGraineSuivante)
{
    int premier = 0;
    std::vector<std::pair<int, int>> rejets;
    banc.ctx.CheminScores.clear();   // no score file written at each new game
    for (int numero = 1; numero <= 500; ++numero) {
        banc.Jouer(Differences, numero);
        EXPECT_EQ(g.NbTentatives, 0);
        if (g.TentativesPartie > 0) {
            rejets.emplace_back(numero, g.TentativesPartie);
            if (!premier)
                premier = numero;
        }
    }
    ASSERT_EQ(premier, 5);
    EXPECT_EQ(rejets.size(), 72u);
    EXPECT_NE(std::find(rejets.begin(), rejets.end(), std::make_pair(195, 2)), rejets.end());

    for (const auto& [numero, tentatives] : {std::make_pair(5, 1), std::make_pair(195, 2)}) {
        // Each rejected seed really fails the check.
        for (int t = 0; t < tentatives; ++t) {
            g.TypeJeu = Differences;
            g.NumeroTableau = numero;
            banc.hasard.Seed(PuzzleSeed(Differences, numero, t));
            ParametresPartie(banc.ctx);
            EXPECT_FALSE(PreparerDifferences(banc.ctx)) << numero << " seed +" << t;
        }
        banc.ports.messages.clear();
        const uint32_t demarrages = k.timerScore.Demarrages;
        banc.Jouer(Differences, numero);
        ASSERT_EQ(g.TentativesPartie, tentatives);
        // The rejected runs' closing steps leave the game as the accepted run set it.
        EXPECT_EQ(g.Score, 5000);
        EXPECT_EQ(k.panelScoreMixte.Caption(), "5000");
        EXPECT_TRUE(k.timerScore.Enabled);
        EXPECT_EQ(k.timerScore.Demarrages, demarrages + 1);
        EXPECT_FALSE(g.PartieTerminee);
        EXPECT_EQ(g.NbTentatives, 0);
        EXPECT_TRUE(banc.ports.messages.empty());

        // The same board as the seed type*500 + N + attempts gives straight away.
        Banc direct;
        direct.g().TypeJeu = Differences;
        direct.g().NumeroTableau = numero;
        direct.g().NbTentatives = tentatives;
        NouvellePartie(direct.ctx);
        EXPECT_EQ(direct.g().TentativesPartie, tentatives);
        EXPECT_EQ(direct.hasard.Etat(), banc.hasard.Etat());
        EXPECT_EQ(direct.g().PosX, g.PosX);
        EXPECT_EQ(direct.g().PosY, g.PosY);
        const int n = g.NbColonnes;
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                EXPECT_EQ(direct.g().Valeur[x][y], g.Valeur[x][y]);
                EXPECT_EQ(direct.g().Etat[x][y], g.Etat[x][y]);
                EXPECT_EQ(direct.k().Cases[x][y].couleur(), k.Cases[x][y].couleur());
            }
    }

    Banc six;
    six.Jouer(Differences, 6);
    banc.Jouer(Differences, 5);
    EXPECT_EQ(six.g().TentativesPartie, 0);
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y) {
            EXPECT_EQ(six.g().Valeur[x][y], g.Valeur[x][y]);
            EXPECT_EQ(six.k().Cases[x][y].couleur(), k.Cases[x][y].couleur());
        }
}

TEST_F(Diff, LesTrousSArretentQuandToutAEteEssaye)
{
    // No hole can be kept: the 10s have no move at all, and every cell outside the player's block
    // lies next to one of them. The search for the first hole then ends once n * n tries are
    // counted: every draw near the player counts, every other cell counts once, on its failed try.
    const int lignes[4][4] = {{1, 1, 10, 1}, {1, 1, 1, 1}, {10, 1, 10, 1}, {1, 1, 1, 1}};
    const auto preparer = [&](int trous) {
        g.TypeJeu = Differences;
        g.NbColonnes = g.NbLignes = 4;
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y) {
                g.Valeur[x][y] = lignes[y - 1][x - 1];
                g.Etat[x][y] = -1;
            }
        g.PosX = g.PosY = 2;
        g.Etat[2][2] = 1;
        g.NbTrous = trous;
        banc.hasard.Seed(777);
    };
    preparer(1);
    PuzzleRandom copie = banc.hasard;
    const uint64_t avant = banc.hasard.Tirages();
    PlacerTrous(banc.ctx);
    const uint64_t tirages = banc.hasard.Tirages() - avant;
    ASSERT_EQ(tirages % 2, 0u);
    int compteur = 0;
    std::set<std::pair<int, int>> essayees;
    for (uint64_t i = 0; i < tirages / 2; ++i) {
        ASSERT_LT(compteur, 16) << "the search went on after every cell was tried";
        const int hx = copie.Draw(4), hy = copie.Draw(4);
        if (std::abs(hx - 2) < 2 && std::abs(hy - 2) < 2)
            ++compteur;
        else if (essayees.insert({hx, hy}).second)
            ++compteur;
    }
    EXPECT_EQ(compteur, 16);
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y) {
            EXPECT_FALSE(g.EstTrou[x][y]);
            EXPECT_EQ(g.Etat[x][y], x == 2 && y == 2 ? 1 : -1);
        }

    // Once exhausted, every further hole costs exactly one pair of draws.
    preparer(5);
    const uint64_t avant5 = banc.hasard.Tirages();
    PlacerTrous(banc.ctx);
    EXPECT_EQ(banc.hasard.Tirages() - avant5, tirages + 8);
}

TEST_F(Diff, LesGainsDesPas)
{
    Plateau(SeptEtDeux, 2, 2);
    EXPECT_EQ(g.Etat[1][1], 0);
    EXPECT_EQ(g.Etat[3][2], 0);
    EXPECT_EQ(g.Etat[3][3], -1);   // a 1 next to the 7 is not green
    EXPECT_EQ(k.CadresCases[3][2].CouleurStylo(), couleurs::VertVif);

    // A click on a cell that is not green does nothing at all.
    const uint64_t avant = k.Modifications();
    Cliquer(3, 3);
    Cliquer(4, 4);
    Cliquer(2, 2);
    EXPECT_EQ(k.Modifications(), avant);
    EXPECT_EQ(g.Score, 5000);

    // 7 onto 2 earns 5; the cell left is removed at once.
    Cliquer(3, 2);
    EXPECT_EQ(g.Score, 5005);
    EXPECT_EQ(k.panelScoreMixte.Caption(), "5005");
    EXPECT_EQ(g.PosX, 3);
    EXPECT_EQ(g.PosY, 2);
    EXPECT_EQ(g.PrecX, 2);
    EXPECT_EQ(g.PrecY, 2);
    EXPECT_EQ(g.Etat[2][2], -2);
    EXPECT_TRUE(g.EstTrou[2][2]);
    EXPECT_FALSE(k.Cases[2][2].Visible());
    EXPECT_EQ(g.Etat[3][2], 1);
    EXPECT_EQ(g.Etat[1][1], -1);   // no longer green
    EXPECT_EQ(g.CasesRestantes, 15);
    EXPECT_FALSE(g.PartieTerminee);
    // The player can never step back.
    Cliquer(2, 2);
    EXPECT_EQ(g.PosX, 3);

    // 7 onto 7 earns 10.
    Plateau(SeptEtDeux, 2, 2);
    Cliquer(1, 1);
    EXPECT_EQ(g.Score, 5010);
}

TEST_F(Diff, FinQuandLaCaseCouranteNAPlusDeVoisinVert)
{
    Plateau(SeptEtDeux, 2, 2);
    Cliquer(3, 2);   // 7 -> 2: only the 1 below is within reach
    EXPECT_EQ(g.Etat[3][3], 0);
    EXPECT_FALSE(g.PartieTerminee);
    Cliquer(3, 3);   // 2 -> 1: surrounded by holes and 9s
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_EQ(g.CasesRestantes, 14);
    EXPECT_EQ(g.NbCoupsPossibles[3][3], 0);
    EXPECT_EQ(g.Score, 5014);
    EXPECT_FALSE(k.timerScore.Enabled);
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_NE(banc.ports.messages[0].find("FELICITATIONS TEST"), std::string::npos);
    EXPECT_EQ(g.MeilleursScores(Differences, 1, 1).ValeurScore, 5014);
    // Locked from then on.
    const uint64_t avant = k.Modifications();
    Cliquer(4, 4);
    AppelMurDroitClique(banc.ctx, 100 * 1 + 4);
    AppelMurBasDroitClique(banc.ctx, 100 * 1 + 3);
    EXPECT_EQ(g.Score, 5014);
    EXPECT_EQ(k.Modifications(), avant);
}

TEST_F(Diff, EchangesDroitBasEtCoin)
{
    Plateau(SeptEtDeux, 2, 2);
    const Couleur c33 = k.Cases[3][3].couleur(), c43 = k.Cases[4][3].couleur();
    AppelMurDroitClique(banc.ctx, 100 * 3 + 3);
    EXPECT_EQ(g.Score, 4995);
    EXPECT_EQ(g.Valeur[3][3], 9);
    EXPECT_EQ(g.Valeur[4][3], 1);
    EXPECT_EQ(k.Cases[3][3].couleur(), c43);
    EXPECT_EQ(k.Cases[4][3].couleur(), c33);
    EXPECT_EQ(k.Cases[3][3].Caption(), "9");
    EXPECT_EQ(g.Etat[3][3], 0);   // the 9 is within reach of the 7
    EXPECT_EQ(g.Etat[4][3], -1);
    // The same wall again restores the board: 10 points in all.
    AppelMurDroitClique(banc.ctx, 100 * 3 + 3);
    EXPECT_EQ(g.Score, 4990);
    EXPECT_EQ(g.Valeur[3][3], 1);
    EXPECT_EQ(k.Cases[3][3].couleur(), c33);
    EXPECT_EQ(g.Etat[3][3], -1);

    AppelMurBasClique(banc.ctx, 100 * 4 + 2);   // (4, 2) with (4, 3)
    EXPECT_EQ(g.Valeur[4][3], 9);
    EXPECT_EQ(k.Cases[4][3].couleur(), RGB(4, 2, 0));
    EXPECT_EQ(g.Score, 4985);

    // A half turn of the block (2, 3)-(3, 4).
    g.Valeur[2][3] = 1; g.Valeur[3][3] = 2; g.Valeur[2][4] = 3; g.Valeur[3][4] = 4;
    AppelMurBasDroitClique(banc.ctx, 100 * 2 + 3);
    EXPECT_EQ(g.Score, 4980);
    EXPECT_EQ(g.Valeur[2][3], 4);
    EXPECT_EQ(g.Valeur[3][4], 1);
    EXPECT_EQ(g.Valeur[3][3], 3);
    EXPECT_EQ(g.Valeur[2][4], 2);
    EXPECT_EQ(k.Cases[2][3].couleur(), RGB(3, 4, 0));
    EXPECT_EQ(k.Cases[3][3].couleur(), RGB(2, 4, 0));
    EXPECT_EQ(k.Cases[2][4].Caption(), "2");
    EXPECT_EQ(g.PosX, 2);
    EXPECT_EQ(g.Etat[2][2], 1);

    // Walls beside the player's cell or a removed cell are hidden, and their exchanges are refused.
    EXPECT_FALSE(k.MursDroits[2][2].Visible());
    g.Etat[4][4] = -2;
    AfficherCases(banc.ctx, 3, 3, 4, 4);
    EXPECT_FALSE(k.MursDroits[3][4].Visible());
    EXPECT_TRUE(k.MursDroits[3][3].Visible());
    const uint64_t avant = k.Modifications();
    AppelMurDroitClique(banc.ctx, 100 * 2 + 2);
    AppelMurBasClique(banc.ctx, 100 * 2 + 1);
    AppelMurBasDroitClique(banc.ctx, 100 * 1 + 1);
    AppelMurDroitClique(banc.ctx, 100 * 3 + 4);
    AppelMurBasDroitClique(banc.ctx, 100 * 3 + 3);
    AppelMurDroitClique(banc.ctx, 100 * 4 + 1);   // the right edge: no cell beyond it
    EXPECT_EQ(k.Modifications(), avant);
    EXPECT_EQ(g.Score, 4980);
}

TEST_F(Diff, LEchangeDuCoinNeFinitPasLaPartie)
{
    // The player's 1 reaches only the two 1s to its right; turning the block they sit in leaves
    // it no move, and only the next right or bottom exchange ends the game.
    Plateau({{1, 1, 10, 5},
             {10, 1, 10, 5},
             {5, 5, 5, 5},
             {5, 5, 5, 5}}, 1, 1);
    EXPECT_EQ(g.NbCoupsPossibles[1][1], 2);
    AppelMurBasDroitClique(banc.ctx, 100 * 2 + 1);
    EXPECT_EQ(g.Valeur[2][1], 10);
    EXPECT_EQ(g.Valeur[2][2], 10);
    EXPECT_EQ(g.NbCoupsPossibles[1][1], 0);
    EXPECT_FALSE(g.PartieTerminee);
    EXPECT_TRUE(k.timerScore.Enabled);
    EXPECT_EQ(g.Score, 4995);
    AppelMurDroitClique(banc.ctx, 100 * 3 + 4);   // far from the player
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_EQ(g.Score, 4990);
    EXPECT_FALSE(k.timerScore.Enabled);
}

TEST_F(Diff, PartiesGagneesJusquAuTableau)
{
    for (int numero : {1, 5, 250, 500}) {
        Banc b;
        b.Jouer(Differences, numero, "ZOE");
        GameState& e = b.g();
        int attendu = 5000, pas = 0;
        while (!e.PartieTerminee) {
            // The first green cell, column by column.
            int cx = 0, cy = 0;
            for (int x = 1; x <= e.NbColonnes && !cx; ++x)
                for (int y = 1; y <= e.NbLignes && !cx; ++y)
                    if (e.Etat[x][y] == 0) {
                        cx = x;
                        cy = y;
                    }
            ASSERT_NE(cx, 0) << "no green cell in a running game, n° " << numero;
            attendu += 10 - std::abs(e.Valeur[e.PosX][e.PosY] - e.Valeur[cx][cy]);
            AppelCaseMouseDown(b.ctx, 100 * cx + cy, BoutonSouris::Gauche, ssLeft);
            ASSERT_EQ(e.Score, attendu);
            ++pas;
        }
        EXPECT_GT(pas, 0);
        EXPECT_TRUE(e.CasesRestantes == 1 || e.NbCoupsPossibles[e.PosX][e.PosY] == 0);
        ASSERT_EQ(b.ports.messages.size(), 1u) << numero;
        EXPECT_EQ(b.ports.messages[0], "Fin de la partie.\nFELICITATIONS ZOE\xC2\xA0! Vous entrez dans les 10 meilleurs scores\xC2\xA0! "
                                       "\nScore Numéro 1 avec " + std::to_string(attendu) + " points.");
        EXPECT_EQ(e.MeilleursScores(Differences, numero, 1).ValeurScore, attendu);
        EXPECT_EQ(NomEnregistrement(e.MeilleursScores(Differences, numero, 1)), "ZOE");
    }
}
