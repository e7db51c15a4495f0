#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "games/Disposition.h"
#include "games/Rendu.h"
#include "core/Score.h"
#include "games/CarreMagique.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

struct Sommes {
    std::vector<int> colonnes, lignes;
    int diagonale = 0, antidiagonale = 0;
};

Sommes Calculer(const GameState& g)
{
    const int n = g.NbColonnes;
    Sommes s;
    s.colonnes.assign(n + 1, 0);
    s.lignes.assign(n + 1, 0);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            s.colonnes[x] += g.Valeur[x][y];
            s.lignes[y] += g.Valeur[x][y];
        }
    for (int i = 1; i <= n; ++i) {
        s.diagonale += g.Valeur[i][i];
        s.antidiagonale += g.Valeur[i][n + 1 - i];
    }
    return s;
}

// Both copies of every ring cell hold the difference of their line from the magic sum.
void VerifierAnneau(const GameState& g)
{
    const int n = g.NbColonnes, S = g.SommeMagique;
    const Sommes s = Calculer(g);
    for (int i = 1; i <= n; ++i) {
        ASSERT_EQ(g.Valeur[i][n + 1], s.colonnes[i] - S) << "column " << i;
        ASSERT_EQ(g.Valeur[i][0], s.colonnes[i] - S) << "column " << i;
        ASSERT_EQ(g.Valeur[n + 1][i], s.lignes[i] - S) << "row " << i;
        ASSERT_EQ(g.Valeur[0][i], s.lignes[i] - S) << "row " << i;
    }
    ASSERT_EQ(g.Valeur[n + 1][n + 1], s.diagonale - S);
    ASSERT_EQ(g.Valeur[0][0], s.diagonale - S);
    ASSERT_EQ(g.Valeur[n + 1][0], s.antidiagonale - S);
    ASSERT_EQ(g.Valeur[0][n + 1], s.antidiagonale - S);
}

void VerifierPermutation(const GameState& g)
{
    const int n = g.NbColonnes;
    std::vector<int> vus(n * n + 1, 0);
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            const int v = g.Valeur[x][y];
            ASSERT_TRUE(v >= 1 && v <= n * n) << v;
            ASSERT_EQ(vus[v]++, 0) << v;
        }
}

struct Carre : ::testing::Test {
    Banc banc;
    GameState& g = banc.g();
    Controles& k = banc.k();

    // Seeds and lays out puzzle p as a new game does, then builds its magic square.
    void Generer(int p)
    {
        g.TypeJeu = CarreMagique;
        g.NumeroTableau = p;
        banc.hasard.Seed(PuzzleSeed(CarreMagique, p, 0));
        ParametresPartie(banc.ctx);
        DisposerPlateau(banc.ctx);
        GenererCarreMagique(banc.ctx);
    }

    std::vector<int> Cases() const
    {
        std::vector<int> v;
        for (int x = 0; x <= g.NbColonnes + 1; ++x)
            for (int y = 0; y <= g.NbLignes + 1; ++y)
                v.push_back(g.Valeur[x][y]);
        return v;
    }
    std::vector<Couleur> Couleurs() const
    {
        std::vector<Couleur> v;
        for (int x = 1; x <= g.NbColonnes; ++x)
            for (int y = 1; y <= g.NbLignes; ++y)
                v.push_back(k.Cases[x][y].couleur());
        return v;
    }
    std::vector<std::string> Legendes() const
    {
        std::vector<std::string> v;
        for (int x = 0; x <= g.NbColonnes + 1; ++x)
            for (int y = 0; y <= g.NbLignes + 1; ++y)
                v.push_back(k.Cases[x][y].Caption() + (k.Cases[x][y].Visible() ? "+" : "-"));
        return v;
    }
    bool LignesJustes() const
    {
        const Sommes s = Calculer(g);
        for (int i = 1; i <= g.NbColonnes; ++i)
            if (s.colonnes[i] != g.SommeMagique || s.lignes[i] != g.SommeMagique)
                return false;
        return true;
    }
};

} // namespace

TEST_F(Carre, GenereUnCarreMagiquePuisLeMelange)
{
    for (int p = 1; p <= 500; p += 3) {
        SCOPED_TRACE("puzzle " + std::to_string(p));
        Generer(p);
        const int n = g.NbColonnes;
        VerifierPermutation(g);
        for (int i = 0; i <= n + 1; ++i) {
            ASSERT_EQ(g.Valeur[i][0], 0);
            ASSERT_EQ(g.Valeur[i][n + 1], 0);
            ASSERT_EQ(g.Valeur[0][i], 0);
            ASSERT_EQ(g.Valeur[n + 1][i], 0);
        }
        const Sommes s = Calculer(g);
        ASSERT_EQ(s.diagonale, g.SommeMagique);
        ASSERT_EQ(s.antidiagonale, g.SommeMagique);

        // The scramble, taken as a permutation of the cells. Each swap's first cell is one no
        // earlier swap touched, so the swaps form a forest and every tree of k cells is one
        // k-cycle: moved cells minus cycles is exactly the number of swaps. A swap undone, or a
        // first cell drawn twice, breaks the count.
        int avant[12][12];
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y)
                avant[x][y] = g.Valeur[x][y];
        const int nb = std::min(g.ParamCarre, 2 * n - 3);
        MelangerCarre(banc.ctx, p % 2 ? g.ParamCarre : 99);
        const int attendu = p % 2 ? nb : 2 * n - 3;
        VerifierPermutation(g);
        VerifierAnneau(g);
        int ou[200][2];
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                ou[g.Valeur[x][y]][0] = x;
                ou[g.Valeur[x][y]][1] = y;
            }
        bool vu[12][12] = {};
        int deplacees = 0, cycles = 0;
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                if (vu[x][y] || g.Valeur[x][y] == avant[x][y])
                    continue;
                ++cycles;
                int cx = x, cy = y;
                while (!vu[cx][cy]) {
                    vu[cx][cy] = true;
                    ++deplacees;
                    const int v = avant[cx][cy];
                    cx = ou[v][0];
                    cy = ou[v][1];
                }
            }
        EXPECT_EQ(deplacees - cycles, attendu);
        EXPECT_LE(deplacees, 2 * attendu);
    }
}

TEST_F(Carre, TousLesTableaux)
{
    for (int p = 1; p <= 500; ++p) {
        SCOPED_TRACE("puzzle " + std::to_string(p));
        banc.Jouer(CarreMagique, p);
        const int n = p <= 40 ? 5 : p <= 100 ? 7 : 11;
        ASSERT_EQ(g.NbColonnes, n);
        ASSERT_EQ(g.SommeMagique, n == 5 ? 65 : n == 7 ? 175 : 671);
        ASSERT_EQ(g.AvecDiagonales, p >= 301);
        const int de = p <= 20 ? 3 : p <= 40 ? 5 : p <= 60 ? 5 : p <= 80 ? 7 : p <= 300 ? 9 : p <= 400 ? 12 : 15;
        const int a = p <= 80 ? de + 1 : de + 2;
        ASSERT_GE(g.ParamCarre, de);
        ASSERT_LE(g.ParamCarre, a);
        VerifierPermutation(g);
        VerifierAnneau(g);
        // No puzzle starts solved, and the end test did not run at the start anyway.
        EXPECT_FALSE(LignesJustes());
        EXPECT_FALSE(g.PartieTerminee);
        EXPECT_TRUE(banc.ports.messages.empty());
        EXPECT_TRUE(k.timerScore.Enabled);
    }
}

TEST_F(Carre, DeuxEchangesAuMemeMurRestaurentTout)
{
    banc.Jouer(CarreMagique, 77);
    const int n = g.NbColonnes;
    const auto cases = Cases();
    const auto couleurs = Couleurs();
    const auto legendes = Legendes();
    const int a = g.Valeur[3][4], b = g.Valeur[4][4];
    const Couleur ca = k.Cases[3][4].couleur(), cb = k.Cases[4][4].couleur();
    ASSERT_NE(ca, cb);

    AppelMurDroitClique(banc.ctx, 304);
    EXPECT_EQ(g.Score, 4990);
    EXPECT_EQ(k.panelScoreMixte.Caption(), "4990");
    EXPECT_EQ(g.Valeur[3][4], b);
    EXPECT_EQ(g.Valeur[4][4], a);
    EXPECT_EQ(k.Cases[3][4].couleur(), cb);
    EXPECT_EQ(k.Cases[4][4].couleur(), ca);
    EXPECT_EQ(k.Cases[3][4].Caption(), std::to_string(b));
    VerifierAnneau(g);
    // The ring shows the new differences: row 4 is unchanged, columns 3 and 4 moved.
    const int d3 = g.Valeur[3][n + 1];
    EXPECT_EQ(k.Cases[3][n + 1].Caption(), d3 > 0 ? "+" + std::to_string(d3) : std::to_string(d3));
    EXPECT_EQ(k.Cases[3][n + 1].Visible(), d3 != 0);

    AppelMurDroitClique(banc.ctx, 304);
    EXPECT_EQ(g.Score, 4980);
    EXPECT_EQ(Cases(), cases);
    EXPECT_EQ(Couleurs(), couleurs);
    EXPECT_EQ(Legendes(), legendes);

    AppelMurBasClique(banc.ctx, 205);
    AppelMurBasClique(banc.ctx, 205);
    EXPECT_EQ(g.Score, 4960);
    EXPECT_EQ(Cases(), cases);
    EXPECT_EQ(Couleurs(), couleurs);
    EXPECT_FALSE(g.PartieTerminee);
}

TEST_F(Carre, MursHorsDuCarreSansEffet)
{
    banc.Jouer(CarreMagique, 5);
    const int n = g.NbColonnes;
    const auto cases = Cases();
    // The last column's right walls and the last row's bottom walls would reach the ring.
    AppelMurDroitClique(banc.ctx, 100 * n + 2);
    AppelMurBasClique(banc.ctx, 100 * 2 + n);
    InverserDroite(banc.ctx, n, 1);
    InverserBas(banc.ctx, 1, n);
    // Tags off the board, and corner walls, which this game does not use.
    AppelMurDroitClique(banc.ctx, 100 * (n + 1) + 1);
    AppelMurBasClique(banc.ctx, 1);
    AppelMurBasDroitClique(banc.ctx, 101);
    EXPECT_EQ(Cases(), cases);
    EXPECT_EQ(g.Score, 5000);
}

// Rows and columns right but not the diagonals: a win up to puzzle 300, not from 301 on.
TEST_F(Carre, DiagonalesSeulementAPartirDe301)
{
    for (const int p : {100, 300, 301, 500}) {
        SCOPED_TRACE("puzzle " + std::to_string(p));
        banc.ports.messages.clear();
        banc.Jouer(CarreMagique, p);
        GenererCarreMagique(banc.ctx);
        const int n = g.NbColonnes;
        // Exchanging two columns keeps every row and column sum but not the diagonals.
        for (int y = 1; y <= n; ++y)
            std::swap(g.Valeur[1][y], g.Valeur[2][y]);
        CalculerEcarts(g);
        ASSERT_TRUE(LignesJustes());
        const Sommes s = Calculer(g);
        ASSERT_TRUE(s.diagonale != g.SommeMagique || s.antidiagonale != g.SommeMagique);
        // Break it by one cell swap, then let the player swap it back.
        std::swap(g.Valeur[3][3], g.Valeur[3][4]);
        CalculerEcarts(g);
        AppelMurBasClique(banc.ctx, 303);
        ASSERT_TRUE(LignesJustes());
        EXPECT_EQ(g.PartieTerminee, p <= 300);
        EXPECT_EQ(banc.ports.messages.size(), p <= 300 ? 1u : 0u);
    }
}

// From the scrambled puzzle to a won game by wall clicks alone: each number of the magic square
// the puzzle was made from is brought to its cell, row by row, without disturbing those placed.
TEST_F(Carre, PartieGagneeAuxMurs)
{
    Generer(1);
    int cible[6][6];
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y)
            cible[x][y] = g.Valeur[x][y];

    banc.Jouer(CarreMagique, 1, "LEA");
    for (int r = 1; r <= 10; ++r)
        g.MeilleursScores(CarreMagique, 1, r).ValeurScore = 4000 - 50 * r;
    const int n = g.NbColonnes;
    int echanges = 0;
    const auto echanger = [&](int x, int y, bool droite) {
        if (droite)
            AppelMurDroitClique(banc.ctx, 100 * x + y);
        else
            AppelMurBasClique(banc.ctx, 100 * x + y);
        ++echanges;
    };
    for (int ty = 1; ty <= n && !g.PartieTerminee; ++ty)
        for (int tx = 1; tx <= n && !g.PartieTerminee; ++tx) {
            int x = 0, y = 0;
            for (int i = 1; i <= n; ++i)
                for (int j = 1; j <= n; ++j)
                    if (g.Valeur[i][j] == cible[tx][ty]) {
                        x = i;
                        y = j;
                    }
            ASSERT_TRUE(y > ty || (y == ty && x >= tx));
            while (x > tx && !g.PartieTerminee)
                echanger(--x, y, true);
            while (x < tx && !g.PartieTerminee)
                echanger(x++, y, true);
            while (y > ty && !g.PartieTerminee)
                echanger(x, --y, false);
        }
    ASSERT_TRUE(g.PartieTerminee);
    EXPECT_TRUE(LignesJustes());
    const int s = 5000 - 10 * echanges;
    EXPECT_EQ(g.Score, s);
    EXPECT_FALSE(k.timerScore.Enabled);
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_EQ(banc.ports.messages[0],
        "Fin de la partie.\nFELICITATIONS LEA\xC2\xA0! Vous entrez dans les 10 meilleurs scores\xC2\xA0! \nScore Numéro 1 avec " +
            std::to_string(s) + " points.");
    EXPECT_EQ(g.MeilleursScores(CarreMagique, 1, 1).ValeurScore, s);
    EXPECT_EQ(g.MeilleursScores(CarreMagique, 1, 2).ValeurScore, 3950);

    // Once over, clicks change nothing and cost nothing.
    const auto cases = Cases();
    AppelMurDroitClique(banc.ctx, 101);
    AppelMurBasClique(banc.ctx, 101);
    AppelMurEnfoncement(banc.ctx, TypeMur::Droit, 101);
    EXPECT_EQ(k.MursDroits[1][1].BiseauExterieur(), Biseau::Releve);
    EXPECT_EQ(Cases(), cases);
    EXPECT_EQ(g.Score, s);
    EXPECT_EQ(banc.ports.messages.size(), 1u);
}

// A square put right by other means is not a win: only a player's swap runs the end test.
TEST_F(Carre, FinTesteeSeulementApresUnEchange)
{
    banc.Jouer(CarreMagique, 12);
    GenererCarreMagique(banc.ctx);
    RafraichirAutour(banc.ctx, 1, 1, 1, 1);
    timerScoreTimer(banc.ctx);
    ASSERT_TRUE(LignesJustes());
    EXPECT_FALSE(g.PartieTerminee);
    AppelMurDroitClique(banc.ctx, 101);
    EXPECT_FALSE(g.PartieTerminee);
    EXPECT_FALSE(LignesJustes());
    AppelMurDroitClique(banc.ctx, 101);
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_EQ(g.Score, 4979);
    EXPECT_EQ(banc.ports.messages.size(), 1u);
}
