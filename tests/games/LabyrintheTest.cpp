#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "session/NouvellePartie.h"
#include "core/Score.h"
#include "games/Labyrinthe.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

// The open neighbours of every cell, read from the wall list alone (not from Passages).
struct Graphe {
    int n = 0;
    std::vector<PosCase> voisins[15][15];

    explicit Graphe(const GameState& g) : n(g.NbColonnes)
    {
        for (int i = 1; i <= g.NbMurs; ++i) {
            const MurLab& m = g.ListeMurs[i];
            if (m.Ferme)
                continue;
            const PosCase a{(m.CaseA - 1) / n + 1, (m.CaseA - 1) % n + 1};
            const PosCase b{(m.CaseB - 1) / n + 1, (m.CaseB - 1) % n + 1};
            voisins[a.x][a.y].push_back(b);
            voisins[b.x][b.y].push_back(a);
        }
    }
    bool Ouvert(PosCase a, PosCase b) const
    {
        for (const PosCase& v : voisins[a.x][a.y])
            if (v == b)
                return true;
        return false;
    }
    // Cells on the way from a to b, both ends included, by breadth-first search; 0 if none.
    int Distance(PosCase a, PosCase b) const { return Route(a, b).size(); }
    std::vector<PosCase> Route(PosCase a, PosCase b) const
    {
        PosCase prec[15][15];
        bool vu[15][15] = {};
        std::deque<PosCase> file{a};
        vu[a.x][a.y] = true;
        while (!file.empty()) {
            const PosCase p = file.front();
            file.pop_front();
            if (p == b) {
                std::vector<PosCase> route{b};
                while (!(route.back() == a))
                    route.push_back(prec[route.back().x][route.back().y]);
                return {route.rbegin(), route.rend()};
            }
            for (const PosCase& v : voisins[p.x][p.y])
                if (!vu[v.x][v.y]) {
                    vu[v.x][v.y] = true;
                    prec[v.x][v.y] = p;
                    file.push_back(v);
                }
        }
        return {};
    }
};

// The wall list of an n x n grid with every wall standing, in the generator's order.
void GrilleFermee(GameState& g, int n)
{
    g.TypeJeu = Labyrinthe;
    g.NbColonnes = g.NbLignes = n;
    g.NbMurs = 2 * n * n - 2 * n;
    int i = 0;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y < n; ++y)
            g.ListeMurs[++i] = MurLab{NumeroCase(g, x, y), NumeroCase(g, x, y + 1), 1, 1};
    for (int y = 1; y <= n; ++y)
        for (int x = 1; x < n; ++x)
            g.ListeMurs[++i] = MurLab{NumeroCase(g, x, y), NumeroCase(g, x + 1, y), 1, 0};
}

void Ouvrir(GameState& g, int x1, int y1, int x2, int y2)
{
    const int a = NumeroCase(g, x1, y1), b = NumeroCase(g, x2, y2);
    for (int i = 1; i <= g.NbMurs; ++i)
        if ((g.ListeMurs[i].CaseA == a && g.ListeMurs[i].CaseB == b) ||
            (g.ListeMurs[i].CaseA == b && g.ListeMurs[i].CaseB == a))
            g.ListeMurs[i].Ferme = 0;
}

Fleche VersFleche(PosCase de, PosCase vers)
{
    if (vers.x == de.x + 1) return Fleche::Droite;
    if (vers.x == de.x - 1) return Fleche::Gauche;
    if (vers.y == de.y + 1) return Fleche::Bas;
    return Fleche::Haut;
}

char Pave(Fleche f)
{
    switch (f) {
    case Fleche::Droite: return '6';
    case Fleche::Gauche: return '4';
    case Fleche::Bas: return '2';
    case Fleche::Haut: return '8';
    }
    return ' ';
}

struct Glouton : ::testing::Test {
    Banc banc;
    GameState& g = banc.g();
    Controles& k = banc.k();

    PosCase Pos() const { return {g.PosX, g.PosY}; }
    void Aller(PosCase vers) { FormKeyDown(banc.ctx, VersFleche(Pos(), vers)); }

    // Only the open neighbours of the glutton's cell are reachable, and only the glutton's cell is 1.
    void VerifierEtats(const Graphe& gr)
    {
        for (int x = 1; x <= g.NbColonnes; ++x)
            for (int y = 1; y <= g.NbLignes; ++y) {
                const int attendu = PosCase{x, y} == Pos() ? 1 : gr.Ouvert(Pos(), {x, y}) ? 0 : -1;
                ASSERT_EQ(g.Etat[x][y], attendu) << x << "," << y;
            }
    }
};

} // namespace

// Every maze of the collection, checked against its rules with searches of the test's own.
TEST_F(Glouton, TousLesLabyrinthes)
{
    const int bornes[15] = {0, 0, 0, 0, 0, 0, 22, 25, 29, 32, 36, 40, 43, 47, 50};
    for (int p = 1; p <= 500; ++p) {
        SCOPED_TRACE("puzzle " + std::to_string(p));
        banc.Jouer(Labyrinthe, p);
        const int n = g.NbColonnes;
        const int attenduN = p <= 20 ? 6 : p <= 40 ? 7 : p <= 50 ? 8 : p <= 70 ? 9 : p <= 199 ? 10 : p / 100 + 9;
        ASSERT_EQ(n, attenduN);
        ASSERT_EQ(g.NbMurs, 2 * n * (n - 1));
        const int L = g.LongueurChemin;
        ASSERT_GT(L, 3 * n);
        ASSERT_LT(L, bornes[n]);
        ASSERT_EQ(bornes[n], static_cast<int>(std::nearbyint((n + n) * 1.8)));
        EXPECT_EQ(g.Chemin[1], (PosCase{1, 1}));
        EXPECT_EQ(g.Chemin[L], (PosCase{n, n}));
        EXPECT_EQ(g.ArriveeX, n);
        EXPECT_EQ(g.ArriveeY, n);

        // Kruskal's method with plain relabelling, run again over the final wall order, opens the
        // same walls and leaves the same group labels.
        std::vector<int> etiquettes(n * n + 1);
        for (int c = 1; c <= n * n; ++c)
            etiquettes[c] = c;
        for (int i = 1; i <= g.NbMurs; ++i) {
            const MurLab& m = g.ListeMurs[i];
            const int a = etiquettes[m.CaseA], b = etiquettes[m.CaseB];
            ASSERT_EQ(m.Ferme, a == b ? 1 : 0) << i;
            if (a != b)
                for (int c = 1; c <= n * n; ++c)
                    if (etiquettes[c] == b)
                        etiquettes[c] = a;
        }
        for (int c = 1; c <= n * n; ++c) {
            ASSERT_EQ(g.CellulesLab[c].Ensemble, etiquettes[c]) << c;
            ASSERT_EQ(NumeroCase(g, g.CellulesLab[c].x, g.CellulesLab[c].y), c);
        }

        // A perfect maze: N² - 1 open walls joining every cell.
        const Graphe gr(g);
        int ouverts = 0;
        for (int i = 1; i <= g.NbMurs; ++i)
            ouverts += g.ListeMurs[i].Ferme == 0;
        ASSERT_EQ(ouverts, n * n - 1);
        // The path is a walk through open walls, and the only one between its ends.
        std::set<std::pair<int, int>> surChemin;
        for (int i = 1; i <= L; ++i) {
            surChemin.insert({g.Chemin[i].x, g.Chemin[i].y});
            if (i > 1) {
                ASSERT_TRUE(gr.Ouvert(g.Chemin[i - 1], g.Chemin[i])) << i;
            }
        }
        ASSERT_EQ(static_cast<int>(surChemin.size()), L);
        ASSERT_EQ(gr.Distance({1, 1}, {n, n}), L);

        // Bonuses: off the path, farther than K2 from it, at most K per path cell, none for the exit.
        const int K = g.ParamLab1, K2 = g.ParamLab2;
        std::vector<int> parCase(L + 1, 0);
        int garnies = 0;
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y) {
                if (!g.CaseGarnie[x][y]) {
                    EXPECT_EQ(g.Valeur[x][y], x == 1 && y == 1 ? 50 : 0) << x << "," << y;
                    continue;
                }
                ++garnies;
                ASSERT_EQ(surChemin.count({x, y}), 0u) << x << "," << y;
                int meilleur = 0, dist = 1 << 30;
                for (int i = 1; i <= L; ++i) {
                    const int d = gr.Distance(g.Chemin[i], {x, y});
                    if (d < dist) {
                        dist = d;
                        meilleur = i;
                    }
                }
                EXPECT_GT(dist, K2);
                EXPECT_LT(meilleur, L);
                ++parCase[meilleur];
                const int m = static_cast<int>(std::nearbyint(8.0 * (dist - 1) / K));
                EXPECT_GE(g.Valeur[x][y], 2);
                EXPECT_LE(g.Valeur[x][y], m + 1);
            }
        for (int i = 1; i <= L; ++i)
            ASSERT_LE(parCase[i], K) << i;
        EXPECT_GT(garnies, 0);

        EXPECT_EQ(g.CompteurGlouton, 50);
        EXPECT_EQ(g.Score, 5000);
        EXPECT_EQ(Pos(), (PosCase{1, 1}));
        VerifierEtats(gr);
        EXPECT_FALSE(g.PartieTerminee);
        EXPECT_FALSE(k.timerLab.Enabled);
        EXPECT_EQ(k.timerLab.Interval, p <= 20 ? 2000 : 1000);
    }
}

// A tree of 3 x 3 cells: from (1, 1) the way to (3, 1) goes right; going down first leads into a
// dead end of five steps, and (2, 1) has a dead end of one step below it. Each forward step draws
// once and a step back draws nothing, so the draws are 2, 3, 7 or 8 depending on the dead ends
// visited; drawing on the way back would give 2, 4, 12 or 14.
TEST_F(Glouton, UnTirageParPasEnAvant)
{
    GrilleFermee(g, 3);
    Ouvrir(g, 1, 1, 2, 1);
    Ouvrir(g, 2, 1, 3, 1);
    Ouvrir(g, 2, 1, 2, 2);
    Ouvrir(g, 1, 1, 1, 2);
    Ouvrir(g, 1, 2, 1, 3);
    Ouvrir(g, 1, 3, 2, 3);
    Ouvrir(g, 2, 3, 3, 3);
    Ouvrir(g, 3, 3, 3, 2);
    std::set<uint64_t> vus;
    for (int graine = 1; graine <= 200; ++graine) {
        banc.hasard.Seed(graine);
        const uint64_t avant = banc.hasard.Tirages();
        ASSERT_EQ(ChercherChemin(banc.ctx, 1, 1, 3, 1, true), 3);
        const uint64_t tirages = banc.hasard.Tirages() - avant;
        ASSERT_TRUE(tirages == 2 || tirages == 3 || tirages == 7 || tirages == 8) << tirages;
        vus.insert(tirages);
        EXPECT_EQ(g.Chemin[1], (PosCase{1, 1}));
        EXPECT_EQ(g.Chemin[2], (PosCase{2, 1}));
        EXPECT_EQ(g.Chemin[3], (PosCase{3, 1}));
    }
    EXPECT_EQ(vus.size(), 4u);

    // The way back is the same path reversed; without garder, Chemin is left alone.
    g.Chemin[1] = {9, 9};
    EXPECT_EQ(ChercherChemin(banc.ctx, 3, 2, 2, 2, false), 8);
    EXPECT_EQ(g.Chemin[1], (PosCase{9, 9}));
    // Passages follow the walls.
    EXPECT_EQ(g.Passages[2][1].NbOuvertures, 3);
    EXPECT_EQ(g.Passages[2][1].Ouvert[1] + g.Passages[2][1].Ouvert[2] + g.Passages[2][1].Ouvert[3], 3);
    EXPECT_EQ(g.Passages[2][1].Ouvert[4], 0);
    EXPECT_EQ(g.Passages[3][2].NbOuvertures, 1);
    EXPECT_EQ(g.Passages[3][2].Ouvert[2], 1);
}

namespace {

// The walk as first described: a stack of cells with their untried sides, one Draw(4) per step
// forward, none per step back. ChercherChemin must leave the generator exactly where this does.
int MarcheSimple(const GameState& g, PuzzleRandom& r, PosCase depart, PosCase cible, std::vector<PosCase>& pile)
{
    struct Entree {
        PosCase p;
        int nb;
        uint8_t ouvert[5];
    };
    const auto copie = [&](PosCase p) {
        Entree e{p, g.Passages[p.x][p.y].NbOuvertures, {}};
        for (int d = 1; d <= 4; ++d)
            e.ouvert[d] = g.Passages[p.x][p.y].Ouvert[d];
        return e;
    };
    std::vector<Entree> es{copie(depart)};
    for (;;) {
        Entree& f = es.back();
        if (f.nb < 1) {
            es.pop_back();
            continue;
        }
        int d = r.Draw(4) + 1;
        if (d == 5) d = 1;
        while (f.ouvert[d] == 0)
            d = d == 4 ? 1 : d + 1;
        --f.nb;
        f.ouvert[d] = 0;
        const PosCase v{f.p.x + (d == 1) - (d == 3), f.p.y + (d == 2) - (d == 4)};
        Entree e = copie(v);
        const int retour = d <= 2 ? d + 2 : d - 2;
        e.ouvert[retour] = 0;
        --e.nb;
        es.push_back(e);
        if (v == cible)
            break;
    }
    pile.clear();
    for (const Entree& e : es)
        pile.push_back(e.p);
    return static_cast<int>(es.size());
}

} // namespace

TEST_F(Glouton, ChercherCheminCommeLaMarcheSimple)
{
    for (const int p : {1, 95, 250, 451, 500}) {
        banc.Jouer(Labyrinthe, p);
        const int n = g.NbColonnes;
        PuzzleRandom choix;
        choix.Seed(p);
        for (int essai = 0; essai < 300; ++essai) {
            const PosCase a{choix.Draw(n), choix.Draw(n)}, b{choix.Draw(n), choix.Draw(n)};
            if (a == b)
                continue;
            PuzzleRandom simple = banc.hasard;
            std::vector<PosCase> pile;
            const uint64_t avant = banc.hasard.Tirages();
            const int longueur = ChercherChemin(banc.ctx, a.x, a.y, b.x, b.y, true);
            ASSERT_EQ(longueur, MarcheSimple(g, simple, a, b, pile)) << p << " " << essai;
            ASSERT_EQ(banc.hasard.Etat(), simple.Etat()) << p << " " << essai;
            ASSERT_EQ(banc.hasard.Tirages() - avant, simple.Tirages() - avant) << p << " " << essai;
            for (int i = 1; i <= longueur; ++i)
                ASSERT_EQ(g.Chemin[i], pile[i - 1]);
        }
    }
}

TEST_F(Glouton, PlacerNombresSArreteAuMaximumDePlaces)
{
    g.TypeJeu = Labyrinthe;
    g.NumeroTableau = 300;
    banc.hasard.Seed(PuzzleSeed(Labyrinthe, 300, 0));
    ParametresPartie(banc.ctx);
    GenererLabyrinthe(banc.ctx);
    PlacerNombres(banc.ctx, 3);
    int garnies = 0;
    for (int x = 1; x <= g.NbColonnes; ++x)
        for (int y = 1; y <= g.NbLignes; ++y)
            garnies += g.CaseGarnie[x][y];
    EXPECT_EQ(garnies, 3);
}

// From the first key to the exit along the solution path: each step costs one point of energy
// and of score, the states follow the glutton, and the score enters the top ten.
TEST_F(Glouton, PartieGagneeAuClavier)
{
    banc.Jouer(Labyrinthe, 1, "ZOE");
    for (int r = 1; r <= 10; ++r)
        g.MeilleursScores(Labyrinthe, 1, r).ValeurScore = 4990 - 5 * r;
    const Graphe gr(g);
    const int n = g.NbColonnes, L = g.LongueurChemin;
    EXPECT_EQ(k.Cases[n][n].Caption(), "A");
    EXPECT_EQ(k.Cases[n][n].Hint(), "Case Arrivée");
    EXPECT_EQ(k.Cases[1][1].Caption(), "50");
    for (int i = 2; i <= L; ++i) {
        const PosCase avant = Pos();
        // Arrow keys and the keypad characters both move.
        if (i % 2)
            Aller(g.Chemin[i]);
        else
            FormKeyPress(banc.ctx, Pave(VersFleche(Pos(), g.Chemin[i])));
        ASSERT_EQ(Pos(), g.Chemin[i]) << i;
        EXPECT_EQ(g.CompteurGlouton, 50 - (i - 1));
        EXPECT_EQ(g.Score, 5000 - (i - 1));
        EXPECT_EQ(g.Valeur[avant.x][avant.y], 0);
        EXPECT_EQ(g.Valeur[g.PosX][g.PosY], g.CompteurGlouton);
        EXPECT_EQ(k.panelScoreMixte.Caption(), std::to_string(g.Score));
        if (i < L) {
            EXPECT_EQ(k.Cases[g.PosX][g.PosY].Caption(), std::to_string(g.CompteurGlouton));
            EXPECT_FALSE(g.PartieTerminee);
            VerifierEtats(gr);
        }
    }
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_EQ(k.Cases[n][n].Caption(), std::to_string(50 - (L - 1)));
    const int s = 5000 - (L - 1);
    int place = 1;
    while (place <= 10 && 4990 - 5 * place >= s)
        ++place;
    ASSERT_LE(place, 10);
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_EQ(banc.ports.messages[0], "Fin de la partie.\n" + std::string(place == 1 ? "FELICITATIONS" : "Bravo") +
        " ZOE\xC2\xA0! Vous entrez dans les 10 meilleurs scores\xC2\xA0! \nScore Numéro " + std::to_string(place) + " avec " +
        std::to_string(s) + " points.");
    EXPECT_EQ(g.MeilleursScores(Labyrinthe, 1, place).ValeurScore, s);

    // After the end nothing moves and nothing is paid.
    const PosCase fin = Pos();
    FormKeyDown(banc.ctx, Fleche::Gauche);
    FormKeyDown(banc.ctx, Fleche::Haut);
    Deplacer(banc.ctx, g.Chemin[L - 1].x, g.Chemin[L - 1].y, true);
    timerLabTimer(banc.ctx);
    EXPECT_EQ(Pos(), fin);
    EXPECT_EQ(g.Score, s);
    EXPECT_EQ(banc.ports.messages.size(), 1u);
}

// Walking to a bonus: the number is eaten once, then its cell is an empty cell like any other.
TEST_F(Glouton, BonusMangeUneFois)
{
    banc.Jouer(Labyrinthe, 42);
    const Graphe gr(g);
    PosCase bonus{0, 0};
    for (int x = 1; x <= g.NbColonnes && bonus.x == 0; ++x)
        for (int y = 1; y <= g.NbLignes; ++y)
            if (g.CaseGarnie[x][y]) {
                bonus = {x, y};
                break;
            }
    ASSERT_NE(bonus.x, 0);
    const std::vector<PosCase> route = gr.Route({1, 1}, bonus);
    int gagne = 0;
    for (size_t i = 1; i < route.size(); ++i) {
        const int v = g.Valeur[route[i].x][route[i].y];
        ASSERT_EQ(v != 0, g.CaseGarnie[route[i].x][route[i].y] == 1);
        ASSERT_TRUE(k.Cases[route[i].x][route[i].y].Visible() == (v != 0));
        gagne += v;
        Aller(route[i]);
        ASSERT_EQ(Pos(), route[i]);
        EXPECT_EQ(g.CaseGarnie[route[i].x][route[i].y], 0);
    }
    const int pas = static_cast<int>(route.size()) - 1;
    EXPECT_EQ(g.CompteurGlouton, 50 - pas + gagne);
    EXPECT_EQ(g.Score, 5000 - pas + gagne);

    // Back and forth over the eaten cell: 1 point a step, nothing gained, the cell shows nothing.
    const PosCase precedente = route[route.size() - 2];
    Aller(precedente);
    EXPECT_FALSE(k.Cases[bonus.x][bonus.y].Visible());
    EXPECT_EQ(g.Valeur[bonus.x][bonus.y], 0);
    Aller(bonus);
    EXPECT_EQ(g.CompteurGlouton, 50 - pas - 2 + gagne);
    EXPECT_EQ(g.Score, 5000 - pas - 2 + gagne);
}

TEST_F(Glouton, MouvementsIgnoresSansFrais)
{
    banc.Jouer(Labyrinthe, 7);
    const Graphe gr(g);
    const uint64_t tirages = banc.hasard.Tirages();
    // Off the board from (1, 1).
    FormKeyDown(banc.ctx, Fleche::Gauche);
    FormKeyDown(banc.ctx, Fleche::Haut);
    FormKeyPress(banc.ctx, '4');
    FormKeyPress(banc.ctx, '8');
    // Other keys do nothing.
    FormKeyPress(banc.ctx, '5');
    FormKeyPress(banc.ctx, 'x');
    EXPECT_EQ(Pos(), (PosCase{1, 1}));
    // Into a wall: (1, 1) has exactly one or two open sides; try the closed ones.
    for (const PosCase v : {PosCase{2, 1}, PosCase{1, 2}})
        if (!gr.Ouvert({1, 1}, v)) {
            Aller(v);
            EXPECT_EQ(Pos(), (PosCase{1, 1}));
        }
    // Onto the glutton's own cell, or a cell two steps away.
    Deplacer(banc.ctx, 1, 1, true);
    Deplacer(banc.ctx, 3, 1, true);
    // The mouse never moves the glutton.
    AppelCaseMouseDown(banc.ctx, 100 * g.Chemin[2].x + g.Chemin[2].y, BoutonSouris::Gauche, ssLeft);
    EXPECT_EQ(Pos(), (PosCase{1, 1}));
    EXPECT_EQ(g.Score, 5000);
    EXPECT_EQ(g.CompteurGlouton, 50);
    EXPECT_EQ(banc.hasard.Tirages(), tirages);
    EXPECT_TRUE(banc.ports.messages.empty());
    // The keys move only while the keyboard is on and the maze is played.
    g.ClavierActif = false;
    Aller(g.Chemin[2]);
    EXPECT_EQ(Pos(), (PosCase{1, 1}));
}

TEST_F(Glouton, EnergieAuBord)
{
    // Entering the empty exit with 1 point of energy leaves 0 and still wins.
    banc.Jouer(Labyrinthe, 3);
    const int L = g.LongueurChemin;
    EntrerCase(banc.ctx, g.Chemin[L - 1].x, g.Chemin[L - 1].y);
    g.CompteurGlouton = 1;
    Aller(g.Chemin[L]);
    EXPECT_EQ(g.CompteurGlouton, 0);
    EXPECT_TRUE(g.PartieTerminee);
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_EQ(banc.ports.messages[0].rfind("Fin de la partie.\nFELICITATIONS TEST\xC2\xA0!", 0), 0u) << banc.ports.messages[0];

    // Entering an empty cell with 1 point of energy loses.
    banc.ports.messages.clear();
    banc.Jouer(Labyrinthe, 3);
    const int32_t premier = g.MeilleursScores(Labyrinthe, 3, 1).ValeurScore;
    g.CompteurGlouton = 1;
    Aller(g.Chemin[2]);
    EXPECT_EQ(g.CompteurGlouton, 0);
    EXPECT_TRUE(g.PartieTerminee);
    EXPECT_FALSE(k.timerScore.Enabled);
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_EQ(banc.ports.messages[0], "Fin de la partie. Vous n'avez pas réussi ce cogitelle...");
    EXPECT_EQ(g.MeilleursScores(Labyrinthe, 3, 1).ValeurScore, premier);
    EXPECT_EQ(g.MeilleursScores(Labyrinthe, 3, 2).ValeurScore, 0);
}

// Fifty steps back and forth on the path use up the energy: the game is lost on the fiftieth.
TEST_F(Glouton, PartiePerdueEnTournantEnRond)
{
    banc.Jouer(Labyrinthe, 250);
    const PosCase a = g.Chemin[1], b = g.Chemin[2];
    for (int pas = 1; pas <= 50; ++pas) {
        ASSERT_FALSE(g.PartieTerminee) << pas;
        Aller(pas % 2 ? b : a);
        EXPECT_EQ(g.CompteurGlouton, 50 - pas);
        EXPECT_EQ(g.Score, 5000 - pas);
    }
    EXPECT_TRUE(g.PartieTerminee);
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_EQ(banc.ports.messages[0], "Fin de la partie. Vous n'avez pas réussi ce cogitelle...");
    Aller(a);
    EXPECT_EQ(g.Score, 4950);
}

TEST_F(Glouton, TicDeLHorlogeDuLabyrinthe)
{
    banc.Jouer(Labyrinthe, 12);
    EXPECT_FALSE(k.timerLab.Enabled);
    timerLabTimer(banc.ctx);
    EXPECT_EQ(g.CompteurGlouton, 49);
    EXPECT_EQ(g.Valeur[1][1], 49);
    EXPECT_EQ(k.Cases[1][1].Caption(), "49");
    EXPECT_EQ(g.Score, 5000);
    EXPECT_FALSE(g.PartieTerminee);
    g.CompteurGlouton = 1;
    timerLabTimer(banc.ctx);
    EXPECT_EQ(k.Cases[1][1].Caption(), "0");
    EXPECT_TRUE(g.PartieTerminee);
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    // A late tick after the end changes nothing and reports nothing again.
    timerLabTimer(banc.ctx);
    EXPECT_EQ(g.CompteurGlouton, 0);
    EXPECT_EQ(banc.ports.messages.size(), 1u);
}

