#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "games/Disposition.h"
#include "games/Serpentin.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

struct Serp : ::testing::Test {
    Banc banc;
    GameState& g = banc.g();
    Controles& k = banc.k();

    // A hand-made board on the layout of a puzzle of side n: 0 marks the hole; each cell's panel
    // is coloured after its number.
    void Plateau(int numero, const std::vector<std::vector<int>>& lignes, int cible)
    {
        banc.Jouer(Serpentin, numero);
        const int n = g.NbColonnes;
        ASSERT_EQ(static_cast<int>(lignes.size()), n);
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                const int v = lignes[y - 1][x - 1];
                g.EstTrou[x][y] = v == 0;
                g.Valeur[x][y] = v;
                if (v == 0) {
                    g.TrouPrincipalX = x;
                    g.TrouPrincipalY = y;
                } else {
                    k.Cases[x][y].SetCouleur(RGB(v, 0, 0));
                }
            }
        g.LongueurSerpentin = cible;
        g.Score = 5000;
    }

    void Gauche(int x, int y) { AppelCaseMouseDown(banc.ctx, 100 * x + y, BoutonSouris::Gauche, ssLeft); }
    void Droit(int x, int y) { AppelCaseMouseDown(banc.ctx, 100 * x + y, BoutonSouris::Droit, ssRight); }
    int CouleurDe(int x, int y) { return static_cast<int>(Rouge(k.Cases[x][y].couleur())); }
};

// The longest run of consecutive numbers on neighbouring cells, from the positions of the numbers.
int PlusLongueSuite(const GameState& g)
{
    const int n = g.NbColonnes;
    std::map<int, std::pair<int, int>> ou;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (!g.EstTrou[x][y])
                ou[g.Valeur[x][y]] = {x, y};
    int meilleure = 1, suite = 1;
    for (int v = 2; v <= n * n - 1; ++v) {
        const auto [ax, ay] = ou[v - 1];
        const auto [bx, by] = ou[v];
        suite = std::max(std::abs(ax - bx), std::abs(ay - by)) == 1 ? suite + 1 : 1;
        meilleure = std::max(meilleure, suite);
    }
    return meilleure;
}

// A 4 x 4 board (hole at (4, 4)) in which the given numbers sit on the given cells and the other
// numbers are spread so that none of them extends or forms a run: only the given pairs of
// consecutive numbers touch.
std::vector<std::vector<int>> PlateauAvec(const std::vector<std::pair<int, std::pair<int, int>>>& places)
{
    PuzzleRandom r;
    r.Seed(99);
    for (;;) {
        std::vector<std::vector<int>> lignes(4, std::vector<int>(4, -1));
        lignes[3][3] = 0;
        std::vector<bool> place(16, false);
        for (const auto& [v, p] : places) {
            lignes[p.second - 1][p.first - 1] = v;
            place[v] = true;
        }
        std::vector<int> reste;
        for (int v = 1; v <= 15; ++v)
            if (!place[v])
                reste.push_back(v);
        for (int i = static_cast<int>(reste.size()) - 1; i > 0; --i)
            std::swap(reste[i], reste[r.Random(i + 1)]);
        size_t i = 0;
        for (auto& ligne : lignes)
            for (int& v : ligne)
                if (v == -1)
                    v = reste[i++];
        // Accept when only pairs inside the given cells touch.
        std::map<int, std::pair<int, int>> ou;
        for (int y = 1; y <= 4; ++y)
            for (int x = 1; x <= 4; ++x)
                ou[lignes[y - 1][x - 1]] = {x, y};
        bool bon = true;
        for (int v = 2; v <= 15 && bon; ++v) {
            const auto [ax, ay] = ou[v - 1];
            const auto [bx, by] = ou[v];
            const bool touche = std::max(std::abs(ax - bx), std::abs(ay - by)) == 1;
            if (touche && !(place[v - 1] && place[v]))
                bon = false;
        }
        if (bon)
            return lignes;
    }
}

} // namespace

TEST_F(Serp, ChaquePlateauTientChaqueNombreUneFoisEtNEstPasResolu)
{
    banc.ctx.CheminScores.clear();   // no score file written at each new game
    for (int numero = 1; numero <= 500; ++numero) {
        banc.Jouer(Serpentin, numero);
        const int n = g.NbColonnes;
        ASSERT_TRUE(DansLePlateau(g, g.TrouPrincipalX, g.TrouPrincipalY));
        std::vector<int> vus(n * n, 0);
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                const bool trou = x == g.TrouPrincipalX && y == g.TrouPrincipalY;
                ASSERT_EQ(g.EstTrou[x][y], trou) << numero;
                ASSERT_EQ(g.Etat[x][y], trou ? -2 : 0) << numero;
                EXPECT_EQ(k.Cases[x][y].Visible(), !trou) << numero;
                if (trou)
                    continue;
                const int v = g.Valeur[x][y];
                ASSERT_TRUE(v >= 1 && v <= n * n - 1) << numero;
                ++vus[v];
                const Couleur c = k.Cases[x][y].couleur();
                for (uint32_t composante : {Rouge(c), Vert(c), Bleu(c)})
                    EXPECT_TRUE(composante >= 180 && composante <= 220) << numero << " " << EnHex(c);
                EXPECT_EQ(k.Cases[x][y].Caption(), std::to_string(v));
                EXPECT_FALSE(k.CadresCases[x][y].Visible());
            }
        for (int v = 1; v <= n * n - 1; ++v)
            ASSERT_EQ(vus[v], 1) << numero << ": " << v;
        EXPECT_FALSE(SerpentinForme(g)) << numero;
        EXPECT_LT(PlusLongueSuite(g), g.LongueurSerpentin) << numero;
    }
}

// Puzzles 24 and 25 come out solved at the first try; the generator goes on from where it stands.
TEST_F(Serp, UnPlateauResoluEstTireDeNouveau)
{
    for (int numero = 1; numero <= 29; ++numero) {
        g.TypeJeu = Serpentin;
        g.NumeroTableau = numero;
        banc.hasard.Seed(PuzzleSeed(Serpentin, numero, 0));
        ParametresPartie(banc.ctx);
        DisposerPlateau(banc.ctx);
        GenererSerpentin(banc.ctx);
        const bool resolu = SerpentinForme(g);
        EXPECT_EQ(resolu, numero == 24 || numero == 25) << numero;
        EXPECT_EQ(resolu, PlusLongueSuite(g) >= 6) << numero;
        if (!resolu)
            continue;
        GenererSerpentin(banc.ctx);
        Banc b;
        b.Jouer(Serpentin, numero);
        EXPECT_EQ(b.hasard.Etat(), banc.hasard.Etat());
        for (int x = 1; x <= 3; ++x)
            for (int y = 1; y <= 3; ++y)
                if (!g.EstTrou[x][y]) {
                    EXPECT_EQ(b.g().Valeur[x][y], g.Valeur[x][y]);
                }
    }
}

TEST_F(Serp, LesSuitesComptees)
{
    struct Cas {
        const char* nom;
        std::vector<std::pair<int, std::pair<int, int>>> places;
        int longueur;
    };
    const Cas cas[] = {
        {"straight", {{5, {1, 2}}, {6, {2, 2}}, {7, {3, 2}}, {8, {4, 2}}}, 4},
        {"diagonal", {{5, {4, 1}}, {6, {3, 2}}, {7, {2, 3}}, {8, {1, 4}}}, 4},
        {"bent", {{5, {2, 1}}, {6, {2, 2}}, {7, {2, 3}}, {8, {3, 3}}}, 4},
        {"crossing", {{5, {1, 1}}, {6, {2, 2}}, {7, {2, 1}}, {8, {1, 2}}}, 4},
        {"broken", {{5, {1, 1}}, {6, {2, 1}}, {8, {3, 3}}, {9, {4, 3}}}, 2},
        {"last run", {{1, {1, 1}}, {2, {2, 1}}, {13, {2, 4}}, {14, {3, 4}}, {15, {4, 3}}}, 3},
    };
    for (const Cas& c : cas) {
        Plateau(30, PlateauAvec(c.places), 0);
        ASSERT_EQ(PlusLongueSuite(g), c.longueur) << c.nom;
        for (int cible = 2; cible <= 6; ++cible) {
            g.LongueurSerpentin = cible;
            EXPECT_EQ(SerpentinForme(g), c.longueur >= cible) << c.nom << ", target " << cible;
        }
    }
}

TEST_F(Serp, LeTestSuitLaPlusLongueSuiteSurDesPlateauxQuelconques)
{
    PuzzleRandom r;
    r.Seed(4242);
    for (int essai = 0; essai < 3000; ++essai) {
        const int n = 3 + essai % 6;
        g.NbColonnes = g.NbLignes = n;
        std::vector<int> nombres(n * n);
        for (int i = 0; i < n * n; ++i)
            nombres[i] = i;   // 0 is the hole
        // Mostly short shuffles of the ordered board, so that long runs occur.
        const int melanges = 1 + r.Random(n * n);
        for (int i = 0; i < melanges; ++i)
            std::swap(nombres[r.Random(n * n)], nombres[r.Random(n * n)]);
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                const int v = nombres[(y - 1) * n + x - 1];
                g.Valeur[x][y] = v == 0 ? 1 : v;   // the hole's leftover number is never looked at
                g.EstTrou[x][y] = v == 0;
            }
        const int suite = PlusLongueSuite(g);
        for (int cible : {2, suite, suite + 1, 2 * n + 5}) {
            g.LongueurSerpentin = cible;
            ASSERT_EQ(SerpentinForme(g), suite >= cible) << "try " << essai << ", target " << cible;
        }
    }
}

TEST_F(Serp, GlissementsAutourDuTrouEn33)
{
    const std::vector<std::vector<int>> depart = {
        {1, 2, 3, 4},
        {5, 6, 7, 8},
        {9, 10, 0, 11},
        {12, 13, 14, 15}};
    // A diagonal click costs 2: (2, 2) goes to (3, 3) and (1, 1) to (2, 2).
    Plateau(30, depart, 99);
    Gauche(1, 1);
    EXPECT_EQ(g.Score, 4998);
    EXPECT_EQ(k.panelScoreMixte.Caption(), "4998");
    EXPECT_EQ(g.Valeur[3][3], 6);
    EXPECT_EQ(g.Valeur[2][2], 1);
    EXPECT_EQ(CouleurDe(3, 3), 6);
    EXPECT_EQ(CouleurDe(2, 2), 1);
    EXPECT_EQ(g.TrouPrincipalX, 1);
    EXPECT_EQ(g.TrouPrincipalY, 1);
    EXPECT_TRUE(g.EstTrou[1][1]);
    EXPECT_FALSE(g.EstTrou[3][3]);
    EXPECT_FALSE(k.Cases[1][1].Visible());
    EXPECT_TRUE(k.Cases[3][3].Visible());
    EXPECT_EQ(k.Cases[3][3].Caption(), "6");

    // A click in the hole's column is free: (3, 2) goes to (3, 3) and (3, 1) to (3, 2).
    Plateau(30, depart, 99);
    Gauche(3, 1);
    EXPECT_EQ(g.Score, 5000);
    EXPECT_EQ(g.Valeur[3][3], 7);
    EXPECT_EQ(g.Valeur[3][2], 3);
    EXPECT_EQ(CouleurDe(3, 2), 3);
    EXPECT_EQ(g.TrouPrincipalX, 3);
    EXPECT_EQ(g.TrouPrincipalY, 1);
    EXPECT_EQ(k.Cases[3][2].Caption(), "3");

    // The row, both ways, and the column downwards; the other cells stay.
    Plateau(30, depart, 99);
    Gauche(1, 3);
    EXPECT_EQ(g.Valeur[3][3], 10);
    EXPECT_EQ(g.Valeur[2][3], 9);
    Gauche(4, 3);   // hole at (1, 3): slides 9, 10, 11 to the left
    EXPECT_EQ(g.Valeur[1][3], 9);
    EXPECT_EQ(g.Valeur[2][3], 10);
    EXPECT_EQ(g.Valeur[3][3], 11);
    Gauche(4, 1);   // hole at (4, 3): 8 then 4 move down
    EXPECT_EQ(g.Valeur[4][3], 8);
    EXPECT_EQ(g.Valeur[4][2], 4);
    Gauche(4, 4);   // hole at (4, 1): 4, 8, 15 move up
    EXPECT_EQ(g.Valeur[4][1], 4);
    EXPECT_EQ(g.Valeur[4][2], 8);
    EXPECT_EQ(g.Valeur[4][3], 15);
    Gauche(2, 2);   // up the diagonal from (4, 4): 11 then 6 move down-right
    EXPECT_EQ(g.Valeur[4][4], 11);
    EXPECT_EQ(g.Valeur[3][3], 6);
    EXPECT_EQ(CouleurDe(3, 3), 6);
    EXPECT_EQ(g.TrouPrincipalX, 2);
    EXPECT_EQ(g.TrouPrincipalY, 2);
    EXPECT_EQ(g.Score, 4998);

    // Off every line of the hole: nothing at all.
    Plateau(30, depart, 99);
    const uint64_t avant = k.Modifications();
    Gauche(1, 2);
    Gauche(4, 1);
    EXPECT_EQ(k.Modifications(), avant);
    EXPECT_EQ(g.Score, 5000);
    EXPECT_EQ(g.TrouPrincipalX, 3);

    // The hole itself costs 2 and changes nothing else.
    Gauche(3, 3);
    EXPECT_EQ(g.Score, 4998);
    EXPECT_EQ(g.TrouPrincipalX, 3);
    EXPECT_EQ(g.TrouPrincipalY, 3);
}

TEST_F(Serp, QuelsCoupsLancentLeTestDeFinEtApresLaFinRienNeBouge)
{
    // A board already holding the run 1..4 against a target of 4: any move that runs the end
    // test ends the game; one that does not leaves it running.
    const std::vector<std::vector<int>> resolu = {
        {1, 2, 3, 4},
        {5, 6, 7, 8},
        {9, 10, 0, 11},
        {12, 13, 14, 15}};
    Plateau(30, resolu, 4);
    Gauche(1, 2);   // off every line
    EXPECT_FALSE(g.PartieTerminee);
    Gauche(3, 3);   // the hole: paid, and tested
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_EQ(g.Score, 4998);

    Plateau(30, resolu, 4);
    Gauche(3, 4);   // a straight slide: free, and tested
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_EQ(g.Score, 5000);

    Plateau(30, resolu, 4);
    Droit(1, 4);
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_EQ(g.Score, 4950);

    // From then on neither button changes anything.
    int avant[5][5];
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y)
            avant[x][y] = g.Valeur[x][y];
    const uint64_t modifications = k.Modifications();
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y) {
            Gauche(x, y);
            Droit(x, y);
        }
    EXPECT_EQ(g.Score, 4950);
    EXPECT_EQ(k.Modifications(), modifications);
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 4; ++y)
            EXPECT_EQ(g.Valeur[x][y], avant[x][y]);
}

TEST_F(Serp, ClicDroit)
{
    const std::vector<std::vector<int>> depart = {
        {1, 2, 3, 4},
        {5, 6, 7, 8},
        {9, 10, 0, 11},
        {12, 13, 14, 15}};
    Plateau(30, depart, 99);
    Droit(1, 1);   // any distance
    EXPECT_EQ(g.Score, 4950);
    EXPECT_EQ(g.Valeur[3][3], 1);
    EXPECT_EQ(CouleurDe(3, 3), 1);
    EXPECT_EQ(k.Cases[3][3].Caption(), "1");
    EXPECT_TRUE(k.Cases[3][3].Visible());
    EXPECT_FALSE(k.Cases[1][1].Visible());
    EXPECT_TRUE(g.EstTrou[1][1]);
    EXPECT_FALSE(g.EstTrou[3][3]);
    EXPECT_EQ(g.TrouPrincipalX, 1);
    EXPECT_EQ(g.Valeur[2][2], 6);
    // On the hole it only costs.
    Droit(1, 1);
    EXPECT_EQ(g.Score, 4900);
    EXPECT_TRUE(g.EstTrou[1][1]);
    EXPECT_EQ(g.Valeur[3][3], 1);
}

TEST_F(Serp, PartiesGagneesJusquAuTableau)
{
    for (int numero : {1, 24, 120, 500}) {
        Banc b;
        b.Jouer(Serpentin, numero, "LEO");
        GameState& e = b.g();
        const int n = e.NbColonnes;
        // The numbers 1..target laid along a snake of the rows: a right click moves the cell in
        // the way into the hole, another moves the wanted number into the freed cell.
        std::vector<std::pair<int, int>> chemin;
        for (int y = 1; y <= n; ++y)
            for (int i = 1; i <= n; ++i)
                chemin.emplace_back(y % 2 ? i : n + 1 - i, y);
        // One free slide first, along the hole's row.
        const int hy = e.TrouPrincipalY;
        const int gx = e.TrouPrincipalX == 1 ? n : 1;
        AppelCaseMouseDown(b.ctx, 100 * gx + hy, BoutonSouris::Gauche, ssLeft);
        EXPECT_EQ(e.Score, 5000);
        EXPECT_EQ(e.TrouPrincipalX, gx);
        int clics = 0;
        for (int v = 1; v <= e.LongueurSerpentin && !e.PartieTerminee; ++v) {
            const auto [px, py] = chemin[v - 1];
            if (!e.EstTrou[px][py] && e.Valeur[px][py] == v)
                continue;
            if (!e.EstTrou[px][py]) {
                AppelCaseMouseDown(b.ctx, 100 * px + py, BoutonSouris::Droit, ssRight);
                ++clics;
            }
            if (e.PartieTerminee)
                break;
            int sx = 0, sy = 0;
            for (int x = 1; x <= n; ++x)
                for (int y = 1; y <= n; ++y)
                    if (!e.EstTrou[x][y] && e.Valeur[x][y] == v) {
                        sx = x;
                        sy = y;
                    }
            ASSERT_NE(sx, 0);
            AppelCaseMouseDown(b.ctx, 100 * sx + sy, BoutonSouris::Droit, ssRight);
            ++clics;
        }
        ASSERT_TRUE(e.PartieTerminee) << numero;
        EXPECT_TRUE(SerpentinForme(e));
        EXPECT_GE(PlusLongueSuite(e), e.LongueurSerpentin);
        EXPECT_EQ(e.Score, 5000 - 50 * clics);
        ASSERT_EQ(b.ports.messages.size(), 1u);
        EXPECT_EQ(b.ports.messages[0], "Fin de la partie.\nFELICITATIONS LEO\xC2\xA0! Vous entrez dans les 10 meilleurs scores\xC2\xA0! "
                                       "\nScore Numéro 1 avec " + std::to_string(e.Score) + " points.");
        EXPECT_EQ(e.MeilleursScores(Serpentin, numero, 1).ValeurScore, e.Score);
        // The board keeps every number once.
        std::vector<int> vus(n * n, 0);
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y)
                if (!e.EstTrou[x][y])
                    ++vus[e.Valeur[x][y]];
        EXPECT_EQ(std::count(vus.begin() + 1, vus.end(), 1), n * n - 1);
    }
}
