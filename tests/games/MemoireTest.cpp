#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "games/Disposition.h"
#include "games/Rendu.h"
#include "games/Memoire.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

struct Mem : ::testing::Test {
    Banc banc;
    GameState& g = banc.g();
    Controles& k = banc.k();

    // A hand-made board on the layout of a puzzle: rows top to bottom, 0 for an empty cell.
    void Plateau(int numero, const std::vector<std::vector<int>>& lignes)
    {
        banc.Jouer(Memoire, numero);
        const int n = g.NbColonnes;
        ASSERT_EQ(static_cast<int>(lignes.size()), n);
        g.CartesRestantes = 0;
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                g.Valeur[x][y] = lignes[y - 1][x - 1];
                g.Etat[x][y] = g.Valeur[x][y] ? 0 : -2;
                g.CartesRestantes += g.Valeur[x][y] != 0;
            }
        AfficherCases(banc.ctx, 1, 1, n, n);
    }

    void Cliquer(int x, int y) { AppelCaseMouseDown(banc.ctx, 100 * x + y, BoutonSouris::Gauche, ssLeft); }

    // The cells in state 1 are exactly the selection list, in any order.
    void VerifierSelection()
    {
        std::vector<std::pair<int, int>> etat1, liste;
        for (int x = 1; x <= g.NbColonnes; ++x)
            for (int y = 1; y <= g.NbLignes; ++y)
                if (g.Etat[x][y] == 1)
                    etat1.emplace_back(x, y);
        ASSERT_LE(g.NbSelectionnees, g.TailleGroupe);
        for (int i = 1; i <= g.NbSelectionnees; ++i)
            liste.emplace_back(g.SelectionMemoire[i].x, g.SelectionMemoire[i].y);
        std::sort(liste.begin(), liste.end());
        ASSERT_EQ(liste, etat1);
    }

    bool FaceVisible(int x, int y)
    {
        return k.Cases[x][y].Visible() && k.Cases[x][y].Caption() == std::to_string(g.Valeur[x][y]);
    }
};

} // namespace

TEST_F(Mem, ChaqueNombreAutantDeFoisQueLeGroupe)
{
    struct Cas { int n, groupe, nombres, vides; };
    const std::map<int, Cas> cas = {{1, {4, 2, 8, 0}}, {21, {5, 2, 12, 1}}, {61, {5, 3, 8, 1}}, {401, {5, 5, 5, 0}},
        {440, {7, 5, 9, 4}}, {500, {10, 5, 20, 0}}};
    banc.ctx.CheminScores.clear();   // no score file written at each new game
    for (int numero = 1; numero <= 500; ++numero) {
        banc.Jouer(Memoire, numero);
        const int n = g.NbColonnes, t = g.TailleGroupe;
        std::map<int, int> compte;
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                ++compte[g.Valeur[x][y]];
                ASSERT_EQ(g.Etat[x][y], g.Valeur[x][y] ? 0 : -2) << numero;
                ASSERT_EQ(k.Cases[x][y].Visible(), g.Valeur[x][y] != 0) << numero;
                ASSERT_EQ(k.Cases[x][y].Caption(), g.Valeur[x][y] ? "" : "0") << numero;
            }
        const int vides = compte.count(0) ? compte[0] : 0;
        ASSERT_EQ(vides, n * n % t) << numero;
        ASSERT_EQ(compte.rbegin()->first, n * n / t) << numero;   // nothing above G
        for (int v = 1; v <= n * n / t; ++v)
            ASSERT_EQ(compte[v], t) << numero;
        ASSERT_EQ(g.CartesRestantes, n * n - vides) << numero;
        EXPECT_EQ(g.NbSelectionnees, 0);
        EXPECT_EQ(g.ValeurSerie, -1);
        if (const auto c = cas.find(numero); c != cas.end()) {
            EXPECT_EQ(n, c->second.n) << numero;
            EXPECT_EQ(t, c->second.groupe) << numero;
            EXPECT_EQ(n * n / t, c->second.nombres) << numero;
            EXPECT_EQ(vides, c->second.vides) << numero;
        }
    }
}

// Undoing the shuffle with the same draws gives back the fill: xa, ya, then (xb, yb) drawn again
// as a pair until it differs.
TEST_F(Mem, LeRemplissageAvantLeMelange)
{
    struct Cas { int numero; std::vector<std::vector<int>> rangees; };
    const Cas cas[] = {
        {1, {{1, 2, 3, 4}, {5, 6, 7, 8}, {1, 2, 3, 4}, {5, 6, 7, 8}}},
        {21, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 1, 2, 3}, {4, 5, 6, 7, 8}, {9, 10, 11, 12, 0}}},
        {61, {{1, 2, 3, 4, 5}, {6, 7, 8, 1, 2}, {3, 4, 5, 6, 7}, {8, 1, 2, 3, 4}, {5, 6, 7, 8, 0}}},
    };
    for (const Cas& c : cas) {
        g.TypeJeu = Memoire;
        g.NumeroTableau = c.numero;
        banc.hasard.Seed(PuzzleSeed(Memoire, c.numero, 0));
        ParametresPartie(banc.ctx);
        DisposerPlateau(banc.ctx);
        PuzzleRandom copie = banc.hasard;
        GenererMemoire(banc.ctx);
        const int n = g.NbColonnes;
        std::vector<std::pair<std::pair<int, int>, std::pair<int, int>>> echanges;
        for (int t = 0; t < 5 * n * n; ++t) {
            const int xa = copie.Draw(n), ya = copie.Draw(n);
            int xb, yb;
            do {
                xb = copie.Draw(n);
                yb = copie.Draw(n);
            } while (xb == xa && yb == ya);
            echanges.push_back({{xa, ya}, {xb, yb}});
        }
        EXPECT_EQ(copie.Etat(), banc.hasard.Etat()) << c.numero;
        for (auto it = echanges.rbegin(); it != echanges.rend(); ++it)
            std::swap(g.Valeur[it->first.first][it->first.second], g.Valeur[it->second.first][it->second.second]);
        for (int y = 1; y <= n; ++y)
            for (int x = 1; x <= n; ++x)
                EXPECT_EQ(g.Valeur[x][y], c.rangees[y - 1][x - 1]) << c.numero << " (" << x << "," << y << ")";
    }
}

TEST_F(Mem, Paires)
{
    Plateau(1, {{1, 2, 3, 4},
                {2, 1, 4, 3},
                {5, 6, 7, 8},
                {6, 5, 8, 7}});
    // Two different numbers both stay face up.
    Cliquer(1, 1);
    Cliquer(2, 1);
    EXPECT_EQ(g.Score, 4994);
    EXPECT_EQ(g.Etat[1][1], 1);
    EXPECT_EQ(g.Etat[2][1], 1);
    EXPECT_TRUE(FaceVisible(1, 1));
    EXPECT_TRUE(FaceVisible(2, 1));
    VerifierSelection();
    // A third click turns the first face down; it shows the second's number: both go.
    Cliquer(1, 2);
    EXPECT_EQ(g.Score, 4991);
    EXPECT_EQ(g.Etat[1][1], 0);
    EXPECT_EQ(k.Cases[1][1].Caption(), "");
    EXPECT_EQ(g.Etat[2][1], -2);
    EXPECT_EQ(g.Etat[1][2], -2);
    EXPECT_EQ(g.CartesRestantes, 14);
    EXPECT_EQ(g.NbSelectionnees, 0);
    EXPECT_EQ(g.ValeurSerie, -1);
    VerifierSelection();
    // The group stays on show until the refresh.
    EXPECT_TRUE(k.timerRefreshMemoire.Enabled);
    EXPECT_EQ(k.timerRefreshMemoire.Interval, 300);
    EXPECT_TRUE(FaceVisible(2, 1));
    EXPECT_TRUE(FaceVisible(1, 2));
    timerRefreshMemoireTimer(banc.ctx);
    EXPECT_FALSE(k.timerRefreshMemoire.Enabled);
    EXPECT_FALSE(k.Cases[2][1].Visible());
    EXPECT_FALSE(k.Cases[1][2].Visible());
    EXPECT_FALSE(g.PartieTerminee);

    // Face-up, removed and empty cells cost nothing and change nothing.
    Cliquer(3, 1);
    const int score = g.Score;
    const uint64_t avant = k.Modifications();
    Cliquer(3, 1);
    Cliquer(2, 1);
    g.Valeur[4][4] = 0;
    g.Etat[4][4] = -2;
    Cliquer(4, 4);
    EXPECT_EQ(g.Score, score);
    EXPECT_EQ(k.Modifications(), avant);
    EXPECT_EQ(g.NbSelectionnees, 1);
    VerifierSelection();
}

TEST_F(Mem, Tierces)
{
    // 3, 3, 4, 4, 4: at the fourth click the first 3 turns face down, at the fifth the second 3
    // does and the three 4s go.
    Plateau(61, {{3, 3, 4, 4, 4},
                 {1, 1, 1, 2, 2},
                 {2, 5, 5, 5, 6},
                 {6, 6, 7, 7, 7},
                 {8, 8, 8, 3, 0}});
    Cliquer(1, 1);
    Cliquer(2, 1);
    Cliquer(3, 1);
    EXPECT_EQ(g.NbSelectionnees, 3);
    EXPECT_EQ(g.ValeurSerie, 4);
    EXPECT_EQ(g.LongueurSerie, 1);
    Cliquer(4, 1);
    EXPECT_EQ(g.Etat[1][1], 0);
    EXPECT_EQ(g.Etat[2][1], 1);
    EXPECT_EQ(g.LongueurSerie, 2);
    EXPECT_EQ(g.SelectionMemoire[1], (PosCase{2, 1}));
    EXPECT_EQ(g.SelectionMemoire[3], (PosCase{4, 1}));
    VerifierSelection();
    Cliquer(5, 1);
    EXPECT_EQ(g.Etat[2][1], 0);
    for (int x = 3; x <= 5; ++x)
        EXPECT_EQ(g.Etat[x][1], -2);
    EXPECT_EQ(g.CartesRestantes, 21);
    EXPECT_EQ(g.Score, 5000 - 15);
    VerifierSelection();

    // Equal numbers split by another do not make a group.
    timerRefreshMemoireTimer(banc.ctx);
    Cliquer(1, 2);   // 1
    Cliquer(2, 2);   // 1
    Cliquer(4, 2);   // 2
    Cliquer(3, 2);   // 1: the run starts again
    EXPECT_EQ(g.ValeurSerie, 1);
    EXPECT_EQ(g.LongueurSerie, 1);
    EXPECT_EQ(g.Etat[3][2], 1);
    EXPECT_EQ(g.CartesRestantes, 21);
    VerifierSelection();
}

TEST_F(Mem, UnClicPendantLaPauseRafraichitDAbord)
{
    Plateau(1, {{1, 1, 2, 2},
                {3, 3, 4, 4},
                {5, 5, 6, 6},
                {7, 7, 8, 8}});
    Cliquer(1, 1);
    Cliquer(2, 1);
    ASSERT_TRUE(k.timerRefreshMemoire.Enabled);
    const uint32_t demarrages = k.timerRefreshMemoire.Demarrages;
    EXPECT_TRUE(FaceVisible(2, 1));
    Cliquer(3, 1);
    EXPECT_FALSE(k.timerRefreshMemoire.Enabled);
    EXPECT_FALSE(k.Cases[1][1].Visible());
    EXPECT_FALSE(k.Cases[2][1].Visible());
    EXPECT_TRUE(FaceVisible(3, 1));
    EXPECT_EQ(g.NbSelectionnees, 1);
    EXPECT_EQ(g.Score, 4991);
    // A second group restarts the one-shot timer.
    Cliquer(4, 1);
    EXPECT_TRUE(k.timerRefreshMemoire.Enabled);
    EXPECT_EQ(k.timerRefreshMemoire.Demarrages, demarrages + 1);
    VerifierSelection();
}

TEST_F(Mem, LaFinAuRafraichissementPasAuClic)
{
    Plateau(1, {{1, 1, 2, 2},
                {3, 3, 4, 4},
                {5, 5, 6, 6},
                {7, 7, 8, 8}});
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x) {
            Cliquer(x, y);
            if (k.timerRefreshMemoire.Enabled && !(x == 4 && y == 4))
                timerRefreshMemoireTimer(banc.ctx);
        }
    EXPECT_EQ(g.CartesRestantes, 0);
    EXPECT_FALSE(g.PartieTerminee);
    EXPECT_TRUE(k.timerScore.Enabled);
    EXPECT_TRUE(banc.ports.messages.empty());
    EXPECT_EQ(g.Score, 5000 - 48);
    timerRefreshMemoireTimer(banc.ctx);
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_FALSE(k.timerScore.Enabled);
    EXPECT_FALSE(k.timerRefreshMemoire.Enabled);
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_NE(banc.ports.messages[0].find("Score Numéro 1 avec 4952 points."), std::string::npos);
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y)
            EXPECT_FALSE(k.Cases[x][y].Visible());
    // A late tick of the stopped timer does not offer the score again.
    timerRefreshMemoireTimer(banc.ctx);
    EXPECT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_EQ(g.MeilleursScores(Memoire, 1, 2).ValeurScore, 0);
}

TEST_F(Mem, PartiesJoueesJusquAuTableau)
{
    // Random clicks for a while, then each group clicked in a row; the refresh runs now and then.
    for (int numero : {1, 100, 250, 333, 500}) {
        Banc b;
        b.Jouer(Memoire, numero, "MIA");
        GameState& e = b.g();
        Controles& c = b.k();
        const int n = e.NbColonnes, t = e.TailleGroupe;
        PuzzleRandom r;
        r.Seed(numero);
        int acceptes = 0;
        const auto cliquer = [&](int x, int y) {
            const bool accepte = e.Etat[x][y] == 0;
            const bool enAttente = c.timerRefreshMemoire.Enabled;
            const int restantes = e.CartesRestantes;
            const int score = e.Score;
            AppelCaseMouseDown(b.ctx, 100 * x + y, BoutonSouris::Gauche, ssLeft);
            acceptes += accepte;
            ASSERT_EQ(e.Score, score - (accepte ? 3 : 0));
            if (accepte && enAttente && e.CartesRestantes == restantes) {
                ASSERT_FALSE(c.timerRefreshMemoire.Enabled);
            }
            ASSERT_TRUE(e.CartesRestantes == restantes || e.CartesRestantes == restantes - t);
            ASSERT_FALSE(e.PartieTerminee);
            // Between two events the list and the face-up cells agree.
            std::vector<std::pair<int, int>> etat1, liste;
            for (int i = 1; i <= n; ++i)
                for (int j = 1; j <= n; ++j)
                    if (e.Etat[i][j] == 1)
                        etat1.emplace_back(i, j);
            for (int i = 1; i <= e.NbSelectionnees; ++i)
                liste.emplace_back(e.SelectionMemoire[i].x, e.SelectionMemoire[i].y);
            std::sort(liste.begin(), liste.end());
            ASSERT_EQ(liste, etat1);
            if (c.timerRefreshMemoire.Enabled && r.Draw(2) == 1)
                timerRefreshMemoireTimer(b.ctx);
        };
        for (int i = 0; i < 40 * n; ++i) {
            cliquer(r.Draw(n), r.Draw(n));
            if (HasFatalFailure())
                return;
        }
        // Each group in turn: first enough other cells to push every older face-up cell out of
        // the selection (or to complete some group, which empties it), then the group's cells.
        for (int v = 1; v <= n * n / t; ++v) {
            const auto reste = [&] {
                for (int x = 1; x <= n; ++x)
                    for (int y = 1; y <= n; ++y)
                        if (e.Valeur[x][y] == v && e.Etat[x][y] != -2)
                            return true;
                return false;
            };
            for (int essai = 0; reste(); ++essai) {
                ASSERT_LT(essai, 10) << numero << ": group " << v;
                int autres = 0;
                for (int x = 1; x <= n && autres < t; ++x)
                    for (int y = 1; y <= n && autres < t; ++y)
                        if (e.Etat[x][y] == 0 && e.Valeur[x][y] != v) {
                            cliquer(x, y);
                            ++autres;
                            if (e.NbSelectionnees == 0)
                                autres = t;
                        }
                for (int x = 1; x <= n; ++x)
                    for (int y = 1; y <= n; ++y)
                        if (e.Valeur[x][y] == v && e.Etat[x][y] == 0)
                            cliquer(x, y);
                if (HasFatalFailure())
                    return;
            }
        }
        EXPECT_EQ(e.CartesRestantes, 0) << numero;
        if (c.timerRefreshMemoire.Enabled)
            timerRefreshMemoireTimer(b.ctx);
        EXPECT_TRUE(e.PartieTerminee) << numero;
        EXPECT_EQ(e.Score, 5000 - 3 * acceptes);
        ASSERT_EQ(b.ports.messages.size(), 1u) << numero;
        EXPECT_EQ(b.ports.messages[0], "Fin de la partie.\nFELICITATIONS MIA\xC2\xA0! Vous entrez dans les 10 meilleurs scores\xC2\xA0! "
                                       "\nScore Numéro 1 avec " + std::to_string(e.Score) + " points.");
        EXPECT_EQ(e.MeilleursScores(Memoire, numero, 1).ValeurScore, e.Score);
    }
}
