// Differences: a walk over numbered cells, each step to a neighbour whose number differs by at
// most 5; the cell left behind becomes a hole.
#include "games/Differences.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <string>
#include <utility>

#include "core/Plateau.h"
#include "core/Score.h"
#include "games/Impression.h"
#include "games/Rendu.h"

namespace cogitelle {

namespace {

constexpr int32_t ValeurMax = 10;
constexpr int32_t MinimumCoups = 2;

// Recounts the moves of the rectangle (x1, y1)-(x2, y2) in reading order; false at the first
// cell left with too few moves.
bool RectangleJouable(GameState& g, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    for (int32_t y = y1; y <= y2; ++y)
        for (int32_t x = x1; x <= x2; ++x) {
            CompterCoups(g, x, y);
            if (g.NbCoupsPossibles[x][y] < MinimumCoups)
                return false;
        }
    return true;
}

// In play and not the player's cell: the only cells a visible wall or corner lies between.
bool Echangeable(const GameState& g, int32_t x, int32_t y)
{
    return DansLePlateau(g, x, y) && g.Etat[x][y] != -2 && g.Etat[x][y] != 1;
}

// Exchanges two cells' numbers and, with them, their panels' colours.
void Echanger(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    std::swap(c.etat.Valeur[x1][y1], c.etat.Valeur[x2][y2]);
    Controle& a = c.controles.Cases[x1][y1];
    Controle& b = c.controles.Cases[x2][y2];
    const Couleur couleurA = a.couleur();
    a.SetCouleur(b.couleur());
    b.SetCouleur(couleurA);
}

} // namespace

bool CaseLibre(const GameState& g, int32_t x, int32_t y)
{
    return DansLePlateau(g, x, y) && g.Etat[x][y] >= -1 && g.Etat[x][y] <= 1;
}

bool EcartPermis(const GameState& g, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return std::abs(g.Valeur[x1][y1] - g.Valeur[x2][y2]) <= EcartMaxDifferences;
}

// The generator and the redraws count moves some thousand times per new game; the count tests
// the three conditions of a neighbour together: a neighbour off the board reads the cell itself,
// and does not count.
void CompterCoups(GameState& g, int32_t x, int32_t y)
{
    const uint32_t nc = static_cast<uint32_t>(g.NbColonnes);
    const uint32_t nl = static_cast<uint32_t>(g.NbLignes);
    const int32_t valeur = g.Valeur[x][y];
    int32_t coups = 0;
    for (int32_t d = 1; d <= 8; ++d) {
        const int32_t vx = x + g.Voisins.VoisinDX[d];
        const int32_t vy = y + g.Voisins.VoisinDY[d];
        const bool dedans = static_cast<uint32_t>(vx - 1) < nc && static_cast<uint32_t>(vy - 1) < nl;
        const int32_t ix = dedans ? vx : x;
        const int32_t iy = dedans ? vy : y;
        const bool libre = static_cast<uint32_t>(g.Etat[ix][iy] + 1) <= 2u;   // -1, 0 or 1
        const bool permis = std::abs(valeur - g.Valeur[ix][iy]) <= EcartMaxDifferences;
        coups += static_cast<int32_t>(dedans & libre & permis);
    }
    g.NbCoupsPossibles[x][y] = coups;
}

void MarquerAccessibles(GameState& g, int32_t x, int32_t y)
{
    for (int32_t d = 1; d <= 8; ++d) {
        const int32_t vx = x + g.Voisins.VoisinDX[d];
        const int32_t vy = y + g.Voisins.VoisinDY[d];
        if (!CaseLibre(g, vx, vy))
            continue;
        if (g.Etat[vx][vy] == 0)
            g.Etat[vx][vy] = -1;
        if (g.Etat[vx][vy] == -1 && EcartPermis(g, g.PosX, g.PosY, vx, vy))
            g.Etat[vx][vy] = 0;
    }
}

bool PreparerDifferences(Contexte& c)
{
    GameState& g = c.etat;
    const int32_t n = g.NbColonnes;

    PuzzleRandom r = c.hasard;   // in a register while the board is written
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y)
            g.Valeur[x][y] = r.Draw(ValeurMax);
    c.hasard = r;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y)
            g.Etat[x][y] = -1;

    // The starting cell: one pass over the whole board from a random cell looking for exactly
    // 8 moves, then a pass from a new random cell for exactly 7, and so on down to 2.
    int32_t cible = 8;
    int32_t pas = 0;
    for (;;) {
        if (pas >= n * n) {
            --cible;
            pas = 0;
        }
        ++pas;
        if (pas == 1) {
            g.PosX = c.hasard.Draw(n);
            g.PosY = c.hasard.Draw(n);
        } else {
            if (++g.PosX == n + 1) {
                g.PosX = 1;
                ++g.PosY;
            }
            if (g.PosY == n + 1)
                g.PosY = 1;
        }
        CompterCoups(g, g.PosX, g.PosY);
        if (g.NbCoupsPossibles[g.PosX][g.PosY] == cible || cible == 1)
            break;
    }
    const bool departTrouve = cible >= MinimumCoups;
    if (departTrouve) {
        g.Etat[g.PosX][g.PosY] = 1;
        MarquerAccessibles(g, g.PosX, g.PosY);
    }

    // Every cell needs two moves; one repair is allowed.
    bool jouable = true;
    for (int32_t y = 1; y <= n; ++y)
        for (int32_t x = 1; x <= n; ++x) {
            CompterCoups(g, x, y);
            jouable = jouable && g.NbCoupsPossibles[x][y] >= MinimumCoups;
        }
    if (jouable)
        return departTrouve;
    ReparerPlateau(g);
    // Without a starting cell every count was below 2, so the check rejects the board anyway;
    // testing the flag as well keeps an unmarked board from ever being played.
    return RectangleJouable(g, 1, 1, n, n) && departTrouve;
}

void ReparerPlateau(GameState& g)
{
    const int32_t n = g.NbColonnes;
    for (int32_t py = 1; py <= n; ++py)
        for (int32_t px = 1; px <= n; ++px) {
            CompterCoups(g, px, py);
            if (g.NbCoupsPossibles[px][py] >= MinimumCoups)
                continue;
            bool garde = false;
            for (int32_t d = 1; d <= 8 && !garde; ++d) {
                const int32_t qx = px + g.Voisins.VoisinDX[d];
                const int32_t qy = py + g.Voisins.VoisinDY[d];
                if (!CaseLibre(g, qx, qy))
                    continue;
                std::swap(g.Valeur[px][py], g.Valeur[qx][qy]);
                garde = RectangleJouable(g, std::max(1, std::min(px, qx) - 1), std::max(1, std::min(py, qy) - 1),
                    std::min(n, std::max(px, qx) + 1), std::min(n, std::max(py, qy) + 1));
                if (!garde)
                    std::swap(g.Valeur[px][py], g.Valeur[qx][qy]);
            }
            // A cell that no exchange helps ends the repair.
            if (!garde)
                return;
        }
}

void PlacerTrous(Contexte& c)
{
    GameState& g = c.etat;
    const int32_t n = g.NbColonnes;
    for (auto& colonne : g.EstTrou)
        for (bool& trou : colonne)
            trou = false;
    bool essayee[15][15] = {};
    int32_t essais = 0;
    bool epuise = false;

    for (int32_t t = 1; t <= g.NbTrous; ++t) {
        bool place = false;
        do {
            const int32_t hx = c.hasard.Draw(n);
            const int32_t hy = c.hasard.Draw(n);
            bool sauter = essayee[hx][hy];
            // The block of 3 x 3 around the start stays whole; each such draw is counted.
            if (std::abs(g.PosX - hx) < 2 && std::abs(g.PosY - hy) < 2) {
                sauter = true;
                essayee[hx][hy] = true;
                ++essais;
            }
            if (!sauter && !g.EstTrou[hx][hy]) {
                g.EstTrou[hx][hy] = true;
                const int32_t etat = g.Etat[hx][hy];
                g.Etat[hx][hy] = -2;
                place = true;
                // No neighbour in play may be left with fewer than two moves.
                for (int32_t d = 1; d <= 8 && place; ++d) {
                    const int32_t vx = hx + g.Voisins.VoisinDX[d];
                    const int32_t vy = hy + g.Voisins.VoisinDY[d];
                    if (CaseLibre(g, vx, vy)) {
                        CompterCoups(g, vx, vy);
                        place = g.NbCoupsPossibles[vx][vy] >= MinimumCoups;
                    }
                }
                if (!place) {
                    g.EstTrou[hx][hy] = false;
                    g.Etat[hx][hy] = etat;
                    essayee[hx][hy] = true;
                    ++essais;
                }
            }
            if (essais == n * n)
                epuise = true;
        } while (!place && !epuise);
    }
}

namespace {

// The player steps to (x, y): the cell left becomes a hole.
Suite PrendreCase(Contexte& c, int32_t x, int32_t y)
{
    GameState& g = c.etat;
    const int32_t n = g.NbColonnes;
    for (int32_t i = 1; i <= n; ++i)
        for (int32_t j = 1; j <= n; ++j)
            if (g.Etat[i][j] == 0)
                g.Etat[i][j] = -1;
    g.Etat[x][y] = 1;
    g.Etat[g.PosX][g.PosY] = -2;
    g.EstTrou[g.PosX][g.PosY] = true;
    ChangerScore(c, GainPasDifferences - std::abs(g.Valeur[g.PosX][g.PosY] - g.Valeur[x][y]));
    g.PrecX = g.PosX;
    g.PrecY = g.PosY;
    g.PosX = x;
    g.PosY = y;
    RafraichirAutour(c, g.PrecX, g.PrecY, g.PosX, g.PosY);
    g.CasesRestantes -= 1;
    return Suite::TesterFin;
}

// The paid exchange with the right or bottom neighbour.
Suite InverserDifferences(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (c.etat.PartieTerminee || !Echangeable(c.etat, x1, y1) || !Echangeable(c.etat, x2, y2))
        return Suite::Rien;
    ChangerScore(c, -CoutInversionDifferences);
    Echanger(c, x1, y1, x2, y2);
    RafraichirAutour(c, x1, y1, x2, y2);
    return Suite::TesterFin;
}

// The paid half turn of the 2 x 2 block at a corner; the end test does not follow it.
void InverserCoinDifferences(Contexte& c, int32_t x, int32_t y)
{
    const GameState& g = c.etat;
    if (g.PartieTerminee || !Echangeable(g, x, y) || !Echangeable(g, x + 1, y) || !Echangeable(g, x, y + 1) ||
        !Echangeable(g, x + 1, y + 1))
        return;
    ChangerScore(c, -CoutInversionDifferences);
    Echanger(c, x, y, x + 1, y + 1);
    Echanger(c, x + 1, y, x, y + 1);
    RafraichirAutour(c, x, y, x + 1, y + 1);
}

void DessinerDifferences(Contexte& c, int32_t x, int32_t y)
{
    GameState& g = c.etat;
    Controles& k = c.controles;
    if (x <= g.NbColonnes - 1)
        k.MursDroits[x][y].SetVisible(Echangeable(g, x, y) && Echangeable(g, x + 1, y));
    if (y <= g.NbLignes - 1)
        k.MursBas[x][y].SetVisible(Echangeable(g, x, y) && Echangeable(g, x, y + 1));
    if (x <= g.NbColonnes - 1 && y <= g.NbLignes - 1)
        k.MursBasDroits[x][y].SetVisible(Echangeable(g, x, y) && Echangeable(g, x + 1, y) &&
            Echangeable(g, x, y + 1) && Echangeable(g, x + 1, y + 1));
    Controle& cell = k.Cases[x][y];
    cell.SetCaption(EnDecimal(g.Valeur[x][y]));
    // Each property is set once to its final value, so an unchanged cell writes nothing.
    Curseur curseur = Curseur::Interdit;
    Couleur cadre = couleurs::Noir;
    switch (g.Etat[x][y]) {
    case -2:
        cell.SetVisible(false);
        k.CadresCases[x][y].SetVisible(false);
        k.CadresInterieurs[x][y].SetVisible(false);
        break;
    case 0:
        cadre = couleurs::VertVif;
        curseur = Curseur::Main;
        break;
    case 1:
        cadre = couleurs::Jaune;
        curseur = Curseur::Defaut;
        break;
    default:
        break;
    }
    cell.SetCurseur(curseur);
    k.CadresCases[x][y].SetCouleurStylo(cadre);
    k.CadresInterieurs[x][y].SetCouleurStylo(cadre);
    CompterCoups(g, x, y);
}

std::string CelluleDifferences(const GameState& g, int x, int y)
{
    if (g.Etat[x][y] == -2)
        return "##";
    if (x == g.PosX && y == g.PosY)
        return "[" + std::to_string(g.Valeur[x][y]) + "]";
    return std::to_string(g.Valeur[x][y]);
}

// Framed cells in wide gaps, whose walls and corners are all clicked.
constexpr DispositionJeu DispositionDifferences{
    .ecart = 150,
    .retraitMur = 4,
    .cadre = 2,
    .curseurMurs = Curseur::Main,
    .curseurCoins = Curseur::Main,
    .mursActifs = true,
    .mursTeintes = true,
    .murs = {76, 20, false},
    .coins = {76, 20, false},
    .cases = {50, 200},
};

class JeuDifferences final : public Jeu {
public:
    constexpr JeuDifferences() : Jeu(DispositionDifferences, "differences", "JEU DES DIFFERENCES") {}

    int32_t Taille(int32_t n) const override
    {
        if (n <= 100) return n / 25 + 4;
        return std::min(n / 60 + 4, 12);
    }

    void Parametres(Contexte& c) const override
    {
        GameState& g = c.etat;
        const int32_t N = g.NumeroTableau;
        const int32_t n = g.NbColonnes;
        g.ClavierActif = false;
        g.PourcentTrous = N <= 100 ? 0 : std::min(N / 50 + 5, 15);
        g.NbTrous = Arrondi(n * n * g.PourcentTrous * 0.01);
    }

    bool Preparer(Contexte& c) const override { return PreparerDifferences(c); }

    void Construire(Contexte& c) const override
    {
        GameState& g = c.etat;
        PlacerTrous(c);
        const int32_t n = g.NbColonnes;
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y)
                if (g.EstTrou[x][y])
                    g.Etat[x][y] = -2;
        // Every cell's move count follows here; the full redraw that follows counts every cell
        // again from the same numbers and states, so it is done there alone. It hides the holes.
        MontrerCasesEtCadres(c);
    }

    void DessinerCase(Contexte& c, int32_t x, int32_t y) const override { DessinerDifferences(c, x, y); }

    // The green cells around the player, and the move counts of the cells around the change.
    void AvantRafraichir(Contexte& c, int32_t xDe, int32_t yDe, int32_t xA, int32_t yA) const override
    {
        GameState& g = c.etat;
        MarquerAccessibles(g, g.PosX, g.PosY);
        for (int32_t x = xDe; x <= xA; ++x)
            for (int32_t y = yDe; y <= yA; ++y)
                CompterCoups(g, x, y);
    }

    Suite Deplacer(Contexte& c, int32_t x, int32_t y) const override
    {
        return c.etat.Etat[x][y] == 0 ? PrendreCase(c, x, y) : Suite::Rien;
    }

    Suite Presser(Contexte& c, int32_t x, int32_t y, BoutonSouris bouton, uint32_t etat) const override
    {
        return ClicGauche(bouton, etat) ? Deplacer(c, x, y) : Suite::Rien;
    }

    Suite CliquerMur(Contexte& c, TypeMur mur, int32_t x, int32_t y) const override
    {
        switch (mur) {
        case TypeMur::Droit: return InverserDifferences(c, x, y, x + 1, y);
        case TypeMur::Bas: return InverserDifferences(c, x, y, x, y + 1);
        case TypeMur::BasDroit: InverserCoinDifferences(c, x, y); break;
        }
        return Suite::Rien;
    }

    PosCase CaseDeDepart(const GameState& g) const override { return {g.PosX, g.PosY}; }

    // A hole, or the number; the player's cell and the cells it may move to are said so.
    TexteCase DireCase(const GameState& g, int32_t x, int32_t y) const override
    {
        const int32_t e = g.Etat[x][y];
        if (e == -2)
            return {"trou", ""};
        return {std::to_string(g.Valeur[x][y]), e == 1 ? "vous" : e == 0 ? "accessible" : ""};
    }

    // Over when one cell is left, or when the player's cell has no move left.
    IssuePartie Fin(const GameState& g) const override
    {
        return g.CasesRestantes == 1 || g.NbCoupsPossibles[g.PosX][g.PosY] == 0 ? IssuePartie::Reussie : IssuePartie::EnCours;
    }

    void EcrireJson(std::ostream& o, const GameState& g) const override
    {
        o << ",\"pos\":[" << g.PosX << ',' << g.PosY << "],\"holes\":" << g.NbTrous
          << ",\"remaining\":" << g.CasesRestantes;
    }

    void EcrireTexte(std::ostream& o, const GameState& g) const override
    {
        o << ", " << g.NbTrous << " holes (" << g.PourcentTrous << " %), start (" << g.PosX << ", " << g.PosY
          << "), " << g.CasesRestantes << " cells in play";
        if (g.TentativesPartie > 0)
            o << ", " << g.TentativesPartie << " rejected board" << (g.TentativesPartie > 1 ? "s" : "");
        o << "\n\n";
        TexteGrille(o, g, 1, g.NbColonnes, CelluleDifferences);
        o << "[n] start cell, ## hole\n";
    }
};

constexpr JeuDifferences Table;

} // namespace

const Jeu& TableDifferences = Table;

} // namespace cogitelle
