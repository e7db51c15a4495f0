// The maze glutton: generation of a perfect maze, the bonus numbers, the glutton's step and clock.
#include "games/Labyrinthe.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>

#include "core/Plateau.h"
#include "core/Score.h"
#include "games/Impression.h"
#include "games/Rendu.h"

namespace cogitelle {

namespace {

/*
 * The depth-first walk of ChercherChemin is the hot loop of a new maze game: puzzle 500 makes some
 * 770 000 draws in it while placing its numbers, and every one of them belongs to the puzzle.
 *
 * The maze is a tree, so the walk from a cell u towards the target meets, at each cell of the one
 * path between them, a random order of the sides not yet tried. A side that leads away from the
 * target opens a branch of s cells that the walk explores completely before coming back to u:
 * one Draw(4) for the step into the branch, then one draw for each of its other s - 1 cells
 * entered, none for the steps back, whatever the values drawn. So the walk below draws at the
 * cells of the path as the plain walk does and advances the generator over each explored branch
 * by its s - 1 draws at once. The sequence, the count of draws and the path found are the plain
 * walk's; the work is proportional to the path instead of the cells visited.
 *
 * Cells are indexed x * 16 + y. The searches towards one target share one pass over the maze
 * that roots the tree at the target; it gives every cell the side that leads towards the target
 * and the size of the branch behind each of its other sides: the subtree of the neighbour on that
 * side. The open sides are read from the wall list once per maze; the maze generator's rejected
 * attempts never build Passages, which only the accepted maze needs.
 */
constexpr int32_t Largeur = 16;
constexpr int32_t NbIndices = Largeur * Largeur;

constexpr uint8_t Bit(int32_t d) { return static_cast<uint8_t>(1u << (d - 1)); }
constexpr int32_t Oppose(int32_t d) { return d <= 2 ? d + 2 : d - 2; }
constexpr int32_t DeltaDirection[5] = {0, Largeur, 1, -Largeur, -1};   // right, down, left, up

// The direction taken for a drawn t in 1..4 and a mask of untried open sides: the first open
// side from t + 1 on, 5 read as 1.
struct TableDirections {
    uint8_t d[16][5] = {};
    constexpr TableDirections()
    {
        for (int32_t m = 1; m < 16; ++m)
            for (int32_t t = 1; t <= 4; ++t) {
                int32_t dir = t % 4 + 1;
                while (!(m & Bit(dir)))
                    dir = dir % 4 + 1;
                d[m][t] = static_cast<uint8_t>(dir);
            }
    }
};
constexpr TableDirections Directions;

using Masques = uint8_t[NbIndices];   // the open sides of each cell

// The number of sides in a mask of the four sides.
constexpr uint8_t NbCotes[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};

// The open sides of every cell, read from the wall list.
void LireMasques(const GameState& g, Masques& ouvert)
{
    std::fill(std::begin(ouvert), std::end(ouvert), uint8_t{0});
    const int32_t n = g.NbColonnes;
    for (int32_t i = 1; i <= g.NbMurs; ++i) {
        const MurLab& mur = g.ListeMurs[i];
        if (mur.Ferme)
            continue;
        const int32_t a = ((mur.CaseA - 1) / n + 1) * Largeur + (mur.CaseA - 1) % n + 1;
        const int32_t b = ((mur.CaseB - 1) / n + 1) * Largeur + (mur.CaseB - 1) % n + 1;
        const int32_t da = mur.VersLeBas ? 2 : 1;
        ouvert[a] |= Bit(da);
        ouvert[b] |= Bit(Oppose(da));
    }
}

// The tree rooted at a target: for every cell joined to it, the side towards it (0 at the target
// and in the cells no open side joins to it) and the number of cells of its subtree. For each
// open side of each cell, the jump of the generator from one Draw(4) of the walk at that cell to
// its next Draw(4), when the draw picks that side. Any side but the one towards the target opens a
// branch whose other cells are walked (one draw each) before the walk comes back, so the jump is
// those draws and then the next one. The side towards the target steps; when the cell stepped
// into is a corridor (two open sides, not the target), its draw can only pick the way on, and so
// on along the corridor: the step's jump takes every draw of the corridor and the draw at the cell
// where it ends, and the walk lands there at once. A jump of k draws is the affine map
// s -> a[k] s + c[k] of the generator's state.
struct Racine {
    uint8_t vers[NbIndices];
    int16_t taille[NbIndices];
    uint32_t sautA[NbIndices][4], sautC[NbIndices][4];   // by side 1..4 at [d - 1]
    uint8_t sautTirages[NbIndices][4];                    // k <= 196 < SautsCourts
    // A step from the cell: where it lands, how many cells of the path it passes (the landing
    // cell included) and the landing cell's side back towards the cell before it.
    uint8_t arrivee[NbIndices], gain[NbIndices], retour[NbIndices];
};
static_assert(NbIndices <= detail::SautsCourts, "a jump never needs more than the short jumps");

// The jumps and corridors pay for themselves over the many walks towards one bonus cell; a single
// walk (a maze's own search) needs only the sides towards the target and the sizes.
void Enraciner(const Masques& ouvert, int32_t cible, Racine& r, bool avecSauts = true)
{
    std::fill(std::begin(r.vers), std::end(r.vers), uint8_t{0});
    int32_t ordre[NbIndices];
    int32_t pile[NbIndices];
    int32_t nb = 0, haut = 0;
    pile[0] = cible;
    while (haut >= 0) {
        const int32_t u = pile[haut--];
        ordre[nb++] = u;
        r.taille[u] = 1;
        for (int32_t d = 1; d <= 4; ++d)
            if ((ouvert[u] & Bit(d)) && d != r.vers[u]) {
                const int32_t v = u + DeltaDirection[d];
                r.vers[v] = static_cast<uint8_t>(Oppose(d));
                pile[++haut] = v;
            }
    }
    if (!avecSauts) {
        for (int32_t k = nb - 1; k >= 1; --k) {
            const int32_t u = ordre[k];
            const int32_t parent = u + DeltaDirection[r.vers[u]];
            r.taille[parent] = static_cast<int16_t>(r.taille[parent] + r.taille[u]);
        }
        return;
    }
    // The corridors, from the target down (a cell comes after its parent in ordre): the forced
    // steps from a cell on, the cell where they end, and that cell's side back into the corridor.
    uint8_t forces[NbIndices], fin[NbIndices], retourFin[NbIndices];
    for (int32_t k = 0; k < nb; ++k) {
        const int32_t u = ordre[k];
        const int32_t parent = u + DeltaDirection[r.vers[u]];
        const bool couloir = u != cible && NbCotes[ouvert[u]] == 2;
        forces[u] = couloir ? static_cast<uint8_t>(forces[parent] + 1) : uint8_t{0};
        fin[u] = static_cast<uint8_t>(couloir ? fin[parent] : u);
        retourFin[u] = couloir ? (forces[parent] == 0 ? Bit(Oppose(r.vers[u])) : retourFin[parent]) : uint8_t{0};
    }
    // Every cell comes after its parent in ordre, so the sizes add up from the end: a cell's size
    // is whole when it is reached, and gives the parent's jump over that branch.
    const auto sauter = [&r](int32_t u, int32_t d, int32_t tirages) {
        r.sautA[u][d - 1] = detail::SautsCourtsLCG.a[tirages];
        r.sautC[u][d - 1] = detail::SautsCourtsLCG.c[tirages];
        r.sautTirages[u][d - 1] = static_cast<uint8_t>(tirages);
    };
    for (int32_t k = nb - 1; k >= 1; --k) {
        const int32_t u = ordre[k];
        const int32_t versParent = r.vers[u];
        const int32_t parent = u + DeltaDirection[versParent];
        r.taille[parent] = static_cast<int16_t>(r.taille[parent] + r.taille[u]);
        // The step, its corridor and the draw where the corridor ends.
        sauter(u, versParent, forces[parent] + 1);
        r.arrivee[u] = fin[parent];
        r.gain[u] = static_cast<uint8_t>(forces[parent] + 1);
        r.retour[u] = forces[parent] == 0 ? Bit(Oppose(versParent)) : retourFin[parent];
        sauter(parent, Oppose(versParent), r.taille[u]);
    }
}

// The walk from depart to cible, r being the tree rooted at cible; returns the number of cells of
// the path, both ends included (its cells follow the sides towards the target from depart). A
// target that no open side leads to gives 0, without a draw.
//
// Each pass of the loop reads one Draw(4) at the walk's current cell from the state and jumps to
// the state of the next Draw(4) that is not forced, in one multiply-add. Whether the side drawn is
// the way to the target cannot be predicted, so the pass does not branch on it: the selections are
// made by masks. The walk counts the draws it jumps over; the generator is moved by that count at
// the end, which lands where the draws one by one would.
int32_t Marcher(PuzzleRandom& hasard, const Masques& ouvert, const Racine& r, int32_t depart, int32_t cible)
{
    if (depart == cible)
        return 1;
    if (r.vers[depart] == 0)
        return 0;
    uint32_t etat = hasard.Etat() * PuzzleRandom::Multiplicateur + 1u;   // the first Draw(4)
    uint32_t tirages = 1;
    int32_t u = depart;
    int32_t longueur = 1;
    // The side already used leads back; the side towards the target is always among the others.
    uint32_t restants = ouvert[u];
    for (;;) {
        // Draw(4) - 1 is the top two bits of the state.
        const int32_t d = Directions.d[restants][(etat >> 30) + 1];
        const bool pas = d == r.vers[u];
        etat = etat * r.sautA[u][d - 1] + r.sautC[u][d - 1];
        tirages += r.sautTirages[u][d - 1];
        const int32_t arrivee = r.arrivee[u];
        const uint32_t apresPas = ouvert[arrivee] & ~static_cast<uint32_t>(r.retour[u]);
        const uint32_t sansD = restants & ~static_cast<uint32_t>(Bit(d));
        // Selections by mask, not by branch: all ones when the walk steps.
        const uint32_t masque = 0u - static_cast<uint32_t>(pas);
        longueur += static_cast<int32_t>(r.gain[u] & masque);
        u = static_cast<int32_t>((static_cast<uint32_t>(arrivee) & masque) | (static_cast<uint32_t>(u) & ~masque));
        restants = (apresPas & masque) | (sansD & ~masque);
        if (u == cible) {
            // The last jump took the next draw too, which the walk does not make.
            hasard.Avancer(tirages - 1);
            return longueur;
        }
    }
}

// The same walk on a tree rooted without its jumps: each side drawn away from the target jumps the
// generator over its branch by the branch's size, the side towards it steps.
int32_t MarcherUneFois(PuzzleRandom& hasard, const Masques& ouvert, const Racine& r, int32_t depart, int32_t cible)
{
    if (depart == cible)
        return 1;
    if (r.vers[depart] == 0)
        return 0;
    PuzzleRandom tirage = hasard;   // in registers through the loop
    int32_t u = depart;
    int32_t longueur = 1;
    uint32_t restants = ouvert[u];
    for (;;) {
        const int32_t d = Directions.d[restants][tirage.Draw(4)];
        const int32_t v = u + DeltaDirection[d];
        if (d == r.vers[u]) {
            u = v;
            ++longueur;
            if (u == cible) {
                hasard = tirage;
                return longueur;
            }
            restants = ouvert[u] & ~static_cast<uint32_t>(Bit(Oppose(d)));
        } else {
            tirage.Avancer(static_cast<uint32_t>(r.taille[v] - 1));
            restants &= ~static_cast<uint32_t>(Bit(d));
        }
    }
}

void ConstruireMurs(GameState& g)
{
    const int32_t n = g.NbColonnes;
    int32_t i = 0;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n - 1; ++y)
            g.ListeMurs[++i] = MurLab{NumeroCase(g, x, y), NumeroCase(g, x, y + 1), 1, 1};
    for (int32_t y = 1; y <= n; ++y)
        for (int32_t x = 1; x <= n - 1; ++x)
            g.ListeMurs[++i] = MurLab{NumeroCase(g, x, y), NumeroCase(g, x + 1, y), 1, 0};
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y)
            g.CellulesLab[NumeroCase(g, x, y)] = CelluleLab{x, y, NumeroCase(g, x, y)};
}

void MelangerMurs(Contexte& c)
{
    GameState& g = c.etat;
    const int32_t nb = g.NbMurs;
    // A local copy of the generator stays in a register while the list is written.
    PuzzleRandom r = c.hasard;
    for (int32_t k = 0; k < 5 * nb; ++k) {
        const int32_t a = r.Draw(nb);
        int32_t b;
        do
            b = r.Draw(nb);
        while (b == a);
        std::swap(g.ListeMurs[a], g.ListeMurs[b]);
    }
    c.hasard = r;
}

/*
 * Kruskal's method: a wall between two groups opens, and every cell of the second group takes the
 * first group's label. The groups are kept in a union-find forest whose roots carry the labels,
 * which opens the same walls as relabelling every cell at each opening; the labels are written
 * back into CellulesLab at the end, as the relabelling would have left them.
 */
void OuvrirMurs(GameState& g)
{
    const int32_t nbCases = g.NbColonnes * g.NbLignes;
    int16_t parent[197], etiquette[197], taille[197];
    for (int32_t k = 1; k <= nbCases; ++k) {
        parent[k] = static_cast<int16_t>(k);
        etiquette[k] = static_cast<int16_t>(g.CellulesLab[k].Ensemble);
        taille[k] = 1;
    }
    const auto racine = [&](int32_t k) {
        while (parent[k] != k) {
            parent[k] = parent[parent[k]];
            k = parent[k];
        }
        return k;
    };
    for (int32_t i = 1; i <= g.NbMurs; ++i) {
        MurLab& mur = g.ListeMurs[i];
        const int32_t a = racine(mur.CaseA);
        const int32_t b = racine(mur.CaseB);
        if (a == b)
            continue;
        mur.Ferme = 0;
        const int16_t garde = etiquette[a];
        const int32_t haut = taille[a] >= taille[b] ? a : b;
        const int32_t bas = haut == a ? b : a;
        parent[bas] = static_cast<int16_t>(haut);
        taille[haut] = static_cast<int16_t>(taille[haut] + taille[bas]);
        etiquette[haut] = garde;
    }
    for (int32_t k = 1; k <= nbCases; ++k)
        g.CellulesLab[k].Ensemble = etiquette[racine(k)];
}

} // namespace

void CalculerPassages(GameState& g)
{
    const int32_t n = g.NbColonnes;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y)
            g.Passages[x][y] = PassageLab{x, y, 0, {}};
    for (int32_t i = 1; i <= g.NbMurs; ++i) {
        const MurLab& mur = g.ListeMurs[i];
        if (mur.Ferme)
            continue;
        PassageLab& a = g.Passages[(mur.CaseA - 1) / n + 1][(mur.CaseA - 1) % n + 1];
        PassageLab& b = g.Passages[(mur.CaseB - 1) / n + 1][(mur.CaseB - 1) % n + 1];
        const int32_t da = mur.VersLeBas ? 2 : 1;
        a.Ouvert[da] = 1;
        b.Ouvert[Oppose(da)] = 1;
        ++a.NbOuvertures;
        ++b.NbOuvertures;
    }
}

namespace {

// The search of ChercherChemin on the open sides given.
int32_t Chercher(PuzzleRandom& hasard, const Masques& ouvert, int32_t xDepart, int32_t yDepart, int32_t xCible,
    int32_t yCible, PosCase* chemin)
{
    Racine racine;
    const int32_t cible = xCible * Largeur + yCible;
    Enraciner(ouvert, cible, racine, false);
    const int32_t longueur = MarcherUneFois(hasard, ouvert, racine, xDepart * Largeur + yDepart, cible);
    // The walk's stack at the end is the one path between the two cells.
    if (chemin)
        for (int32_t i = 1, c = xDepart * Largeur + yDepart; i <= longueur; ++i, c += DeltaDirection[racine.vers[c]])
            chemin[i] = PosCase{c / Largeur, c % Largeur};
    return longueur;
}

} // namespace

int32_t ChercherChemin(Contexte& c, int32_t xDepart, int32_t yDepart, int32_t xCible, int32_t yCible, bool garder)
{
    GameState& g = c.etat;
    CalculerPassages(g);
    Masques ouvert;
    LireMasques(g, ouvert);
    return Chercher(c.hasard, ouvert, xDepart, yDepart, xCible, yCible, garder ? g.Chemin : nullptr);
}

void GenererLabyrinthe(Contexte& c)
{
    GameState& g = c.etat;
    const int32_t n = g.NbColonnes;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y) {
            g.CaseGarnie[x][y] = 0;
            g.Valeur[x][y] = 0;
        }
    // Only paths that are neither too short nor too long are kept; each retry continues the
    // puzzle's sequence, so the accepted maze is still fixed by the seed.
    const int32_t plusLong = Arrondi((n + n) * 1.8);
    Masques ouvert;
    int32_t longueur;
    do {
        ConstruireMurs(g);
        MelangerMurs(c);
        OuvrirMurs(g);
        LireMasques(g, ouvert);
        longueur = Chercher(c.hasard, ouvert, 1, 1, n, n, g.Chemin);
    } while (!(3 * n < longueur && longueur < plusLong));
    // Passages as the last search leaves them; the glutton's moves read them.
    CalculerPassages(g);
    g.LongueurChemin = longueur;
    g.ArriveeX = n;
    g.ArriveeY = n;
}

void PlacerNombres(Contexte& c, int32_t maxPlaces)
{
    GameState& g = c.etat;
    const int32_t n = g.NbColonnes;
    const int32_t L = g.LongueurChemin;
    const int32_t K = g.ParamLab1;
    const int32_t K2 = g.ParamLab2;

    // The exit's counter starts full: no number ever belongs to it.
    int32_t compteur[197] = {};
    compteur[L] = K;
    bool occupee[15][15] = {};
    int32_t libres = n * n;
    for (int32_t i = 1; i <= L; ++i) {
        const PosCase& p = g.Chemin[i];
        if (!occupee[p.x][p.y]) {
            occupee[p.x][p.y] = true;
            --libres;
        }
    }

    CalculerPassages(g);
    Masques ouvert;
    LireMasques(g, ouvert);
    Racine racine;
    int32_t depart[197];
    for (int32_t i = 1; i <= L; ++i)
        depart[i] = g.Chemin[i].x * Largeur + g.Chemin[i].y;
    int32_t places = 0;
    for (;;) {
        bool plein = true;
        for (int32_t i = 1; i <= L - 1 && plein; ++i)
            plein = compteur[i] >= K;
        if (plein || libres == 0)
            return;

        int32_t x, y;
        do {
            x = c.hasard.Draw(n);
            y = c.hasard.Draw(n);
        } while (occupee[x][y]);
        // A rejected cell stays taken: it is never drawn again.
        occupee[x][y] = true;
        --libres;

        // The nearest path cell: the first of the closest ones.
        int32_t meilleur = 0, dist = 50000;
        const int32_t cible = x * Largeur + y;
        Enraciner(ouvert, cible, racine);
        for (int32_t i = 1; i <= L; ++i) {
            const int32_t d = Marcher(c.hasard, ouvert, racine, depart[i], cible);
            if (d < dist) {
                dist = d;
                meilleur = i;
            }
        }
        if (compteur[meilleur] == K || dist <= K2)
            continue;
        ++compteur[meilleur];
        ++places;
        g.CaseGarnie[x][y] = 1;
        g.Valeur[x][y] = c.hasard.Draw(Arrondi(8.0 * (dist - 1) / K)) + 1;
        if (places == maxPlaces)
            return;
    }
}

void EntrerCase(Contexte& c, int32_t x, int32_t y)
{
    GameState& g = c.etat;
    g.CaseGarnie[x][y] = 0;
    g.CompteurGlouton += g.Valeur[x][y] - 1;
    g.Valeur[x][y] = g.CompteurGlouton;
    g.Valeur[g.PosX][g.PosY] = 0;
    for (int32_t i = 1; i <= g.NbColonnes; ++i)
        for (int32_t j = 1; j <= g.NbLignes; ++j)
            g.Etat[i][j] = -1;
    AfficherCases(c, g.PosX - 1, g.PosY - 1, g.PosX + 1, g.PosY + 1);

    g.PosX = x;
    g.PosY = y;
    g.Etat[x][y] = 1;
    const PassageLab& p = g.Passages[x][y];
    for (int32_t d = 1; d <= 4; ++d)
        if (p.Ouvert[d]) {
            const int32_t vx = x + (d == 1) - (d == 3);
            const int32_t vy = y + (d == 2) - (d == 4);
            if (DansLePlateau(g, vx, vy))
                g.Etat[vx][vy] = 0;
        }
    AfficherCases(c, x - 1, y - 1, x + 1, y + 1);
}

namespace {

void DessinerLabyrinthe(Contexte& c, int32_t x, int32_t y)
{
    const GameState& g = c.etat;
    Controle& cell = c.controles.Cases[x][y];
    switch (g.Etat[x][y]) {
    case 1:
        cell.SetCaption(EnDecimal(g.Valeur[x][y]));
        cell.SetVisible(true);
        cell.SetCurseur(Curseur::Defaut);
        cell.SetCouleur(couleurs::Jaune);
        break;
    case -1:
    case 0:
        if (!(x == g.ArriveeX && y == g.ArriveeY))
            cell.SetVisible(g.CaseGarnie[x][y] == 1);
        break;
    default:
        cell.SetVisible(false);
        break;
    }
}

// The exit cell and, once per game, the walls; they run on every redraw of the maze.
void FinLabyrinthe(Contexte& c)
{
    GameState& g = c.etat;
    Controles& k = c.controles;
    const int32_t n = g.NbColonnes;
    if (g.ArriveeX >= 1 && g.ArriveeX <= 14 && g.ArriveeY >= 1 && g.ArriveeY <= 14) {
        Controle& arrivee = k.Cases[g.ArriveeX][g.ArriveeY];
        const bool gloutonAuBout = g.PosX == n && g.PosY == g.NbLignes;
        if (gloutonAuBout)
            arrivee.SetCaption(EnDecimal(g.Valeur[n][g.NbLignes]));
        else
            arrivee.SetCaption("A");
        arrivee.SetVisible(true);
        arrivee.SetCouleur(couleurs::Jaune);
        arrivee.SetHint("Case Arrivée");
        arrivee.SetShowHint(true);
    }
    if (!g.MursADessiner)
        return;
    g.MursADessiner = false;
    for (int32_t i = 1; i <= g.NbMurs; ++i) {
        const MurLab& mur = g.ListeMurs[i];
        const int32_t x = (mur.CaseA - 1) / n + 1;
        const int32_t y = (mur.CaseA - 1) % n + 1;
        const bool debout = mur.Ferme == 1;
        if (mur.VersLeBas == 0) {
            k.MursDroits[x][y].SetVisible(debout);
            if (y >= 2)
                k.MursBasDroits[x][y - 1].SetVisible(debout);
            if (y <= n - 1)
                k.MursBasDroits[x][y].SetVisible(debout);
        } else {
            k.MursBas[x][y].SetVisible(debout);
            if (x >= 2)
                k.MursBasDroits[x - 1][y].SetVisible(debout);
            if (x <= n - 1)
                k.MursBasDroits[x][y].SetVisible(debout);
        }
    }
}

// The maze with its standing walls for a person: a cell is 4 characters wide.
void TexteLabyrinthe(std::ostream& o, const GameState& g)
{
    const int n = g.NbColonnes;
    bool murDroit[15][15] = {}, murBas[15][15] = {}, surChemin[15][15] = {};
    for (int i = 1; i <= g.NbMurs; ++i) {
        const MurLab& m = g.ListeMurs[i];
        const int x = (m.CaseA - 1) / n + 1, y = (m.CaseA - 1) % n + 1;
        if (m.Ferme)
            (m.VersLeBas ? murBas : murDroit)[x][y] = true;
    }
    for (int i = 1; i <= g.LongueurChemin; ++i)
        surChemin[g.Chemin[i].x][g.Chemin[i].y] = true;
    o << '+';
    for (int x = 1; x <= n; ++x)
        o << "----+";
    o << '\n';
    for (int y = 1; y <= n; ++y) {
        o << '|';
        for (int x = 1; x <= n; ++x) {
            std::string contenu;
            if (x == g.PosX && y == g.PosY)
                contenu = "@" + std::to_string(g.CompteurGlouton);
            else if (x == n && y == n)
                contenu = "A";
            else if (g.CaseGarnie[x][y])
                contenu = std::to_string(g.Valeur[x][y]);
            else if (surChemin[x][y])
                contenu = ".";
            o << Centrer(contenu, 4) << (x == n || murDroit[x][y] ? '|' : ' ');
        }
        o << "\n+";
        for (int x = 1; x <= n; ++x)
            o << (y == n || murBas[x][y] ? "----" : "    ") << '+';
        o << '\n';
    }
    int bonus = 0, total = 0;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (g.CaseGarnie[x][y]) {
                ++bonus;
                total += g.Valeur[x][y];
            }
    o << "@ glutton and its energy, A exit, . solution path, numbers are bonuses (" << bonus << ", worth "
      << total << " in all)\n";
}

// The walls are part of the puzzle: every wall of the pool draws its colour.
constexpr DispositionJeu DispositionLabyrinthe{
    .marge = false,
    .ecart = 100,
    .mursTeintes = true,
    .murs = {100, 50},
    .coins = {100, 50},
    .cases = {50, 150},
};

class JeuLabyrinthe final : public Jeu {
public:
    constexpr JeuLabyrinthe() : Jeu(DispositionLabyrinthe, "labyrinthe", "LE GLOUTON DU LABYRINTHE") {}

    int32_t Taille(int32_t n) const override
    {
        if (n <= 20) return 6;
        if (n <= 40) return 7;
        if (n <= 50) return 8;
        if (n <= 70) return 9;
        if (n <= 100) return 10;
        return std::min(n / 100 + 9, 14);
    }

    void Parametres(Contexte& c) const override
    {
        GameState& g = c.etat;
        const int32_t N = g.NumeroTableau;
        const int32_t n = g.NbColonnes;
        struct Tranche { int32_t jusqua, k, k2; };
        static constexpr Tranche tranches[] = {
            {10, 1, 1}, {20, 2, 1}, {30, 2, 1}, {40, 2, 2}, {50, 2, 2}, {60, 2, 2},
            {70, 3, 2}, {80, 3, 2}, {90, 3, 3}, {100, 4, 3}, {NombreTableaux, 5, 3}};
        for (const Tranche& t : tranches)
            if (N <= t.jusqua) {
                g.ParamLab1 = t.k;
                g.ParamLab2 = t.k2;
                break;
            }
        g.NbMurs = 2 * n * n - (n + n);
        IntervalleMinuterie(c, c.controles.timerLab, N <= 20 ? 2000 : 1000);
    }

    void Construire(Contexte& c) const override
    {
        GameState& g = c.etat;
        GenererLabyrinthe(c);
        for (auto& colonne : g.Etat)
            std::fill(std::begin(colonne), std::end(colonne), -1);
        g.PosX = 1;
        g.PosY = 1;
        EntrerCase(c, 1, 1);
        PlacerNombres(c, 1000);
        g.CompteurGlouton = EnergieDepart;
        g.Valeur[1][1] = EnergieDepart;
        // Every cell's caption is its number; the redraws set only those of the cells they show.
        const int32_t n = g.NbColonnes;
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y)
                c.controles.Cases[x][y].SetCaption(EnDecimal(g.Valeur[x][y]));
    }

    void DessinerCase(Contexte& c, int32_t x, int32_t y) const override { DessinerLabyrinthe(c, x, y); }
    void ApresDessin(Contexte& c) const override { FinLabyrinthe(c); }

    // The glutton walks to an open neighbour: a step costs, a bonus pays.
    Suite Deplacer(Contexte& c, int32_t x, int32_t y) const override
    {
        GameState& g = c.etat;
        if (g.Etat[x][y] != 0 || (x == g.PosX && y == g.PosY))
            return Suite::Rien;
        ChangerScore(c, -CoutPasLabyrinthe + g.Valeur[x][y]);
        EntrerCase(c, x, y);
        return Suite::TesterFin;
    }

    PosCase CaseDeDepart(const GameState& g) const override { return {g.PosX, g.PosY}; }
    bool CurseurSurJoueur() const override { return true; }

    // The glutton, the exit, a bonus or nothing; then the walls that stand around the cell.
    TexteCase DireCase(const GameState& g, int32_t x, int32_t y) const override
    {
        TexteCase t;
        const bool glouton = x == g.PosX && y == g.PosY;
        if (glouton)
            t.nom = "glouton";
        else if (x == g.ArriveeX && y == g.ArriveeY)
            t.nom = "arrivée";
        else if (g.CaseGarnie[x][y])
            t.nom = std::to_string(g.Valeur[x][y]);
        else
            t.nom = "vide";
        if (glouton)
            t.etat = "énergie " + std::to_string(g.Valeur[x][y]);
        // Passages: 1 right, 2 down, 3 left, 4 up; told from the top, clockwise.
        static constexpr struct { int32_t cote; const char* mot; } cotes[] = {
            {4, "haut"}, {1, "droite"}, {2, "bas"}, {3, "gauche"}};
        std::string murs;
        int32_t nb = 0;
        for (const auto& c : cotes)
            if (!g.Passages[x][y].Ouvert[c.cote]) {
                murs += (nb++ ? ", " : "") + std::string(c.mot);
            }
        if (nb)
            t.etat += (t.etat.empty() ? "" : ", ") + std::string(nb > 1 ? "murs : " : "mur : ") + murs;
        return t;
    }

    bool Touche(const GameState& g, Fleche touche, PosCase& cible) const override
    {
        cible = PosCase{g.PosX + (touche == Fleche::Droite) - (touche == Fleche::Gauche),
            g.PosY + (touche == Fleche::Bas) - (touche == Fleche::Haut)};
        return true;
    }

    // The glutton's own clock: a point of energy a tick.
    Suite Tic(Contexte& c, Minuterie::Id minuterie) const override
    {
        GameState& g = c.etat;
        // A tick that arrives once the game is over would end it a second time.
        if (minuterie != Minuterie::Lab || g.PartieTerminee)
            return Suite::Rien;
        g.CompteurGlouton -= 1;
        g.Valeur[g.PosX][g.PosY] = g.CompteurGlouton;
        AfficherCases(c, g.PosX, g.PosY, g.PosX, g.PosY);
        return Suite::TesterFin;
    }

    // Won on the exit; lost anywhere else once the energy is spent.
    IssuePartie Fin(const GameState& g) const override
    {
        const bool surArrivee = g.PosX == g.NbColonnes && g.PosY == g.NbLignes;
        if (!surArrivee && g.CompteurGlouton > 0)
            return IssuePartie::EnCours;
        return surArrivee ? IssuePartie::Reussie : IssuePartie::Echouee;
    }

    void EcrireJson(std::ostream& o, const GameState& g) const override
    {
        const int n = g.NbColonnes;
        o << ",\"path\":[";
        for (int i = 1; i <= g.LongueurChemin; ++i)
            o << (i > 1 ? "," : "") << '[' << g.Chemin[i].x << ',' << g.Chemin[i].y << ']';
        o << "],\"walls\":[";
        bool premier = true;
        for (int i = 1; i <= g.NbMurs; ++i) {
            const MurLab& m = g.ListeMurs[i];
            if (!m.Ferme)
                continue;
            o << (premier ? "" : ",") << '[' << (m.CaseA - 1) / n + 1 << ',' << (m.CaseA - 1) % n + 1 << ",\""
              << (m.VersLeBas ? "down" : "right") << "\"]";
            premier = false;
        }
        o << "],\"energy\":" << g.CompteurGlouton;
    }

    void EcrireTexte(std::ostream& o, const GameState& g) const override
    {
        o << ", bonuses per path cell at most " << g.ParamLab1 << ", bonus distance over " << g.ParamLab2
          << ", path " << g.LongueurChemin << " cells, energy " << g.CompteurGlouton << "\n\n";
        TexteLabyrinthe(o, g);
    }
};

constexpr JeuLabyrinthe Table;

} // namespace

const Jeu& TableLabyrinthe = Table;

} // namespace cogitelle
