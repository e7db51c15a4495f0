// Memory: groups of equal hidden numbers, found by turning the cells face up.
#include "games/Memoire.h"

#include <utility>

#include "core/Rendu.h"
#include "core/Score.h"

namespace cogitelle {

namespace {

constexpr int32_t CoutClic = 3;

void Redessiner(Contexte& c, int32_t x, int32_t y) { AfficherCases(c, x, y, x, y); }

} // namespace

void GenererMemoire(Contexte& c)
{
    GameState& g = c.etat;
    const int32_t nc = g.NbColonnes;
    const int32_t nl = g.NbLignes;
    const int32_t total = nc * nl;
    const int32_t groupes = total / g.TailleGroupe;
    g.CartesRestantes = total - total % g.TailleGroupe;

    // Row by row, the numbers 1..G over and over; the cells beyond the last whole group stay empty.
    int32_t j = 0;
    int32_t i = 0;
    for (int32_t y = 1; y <= nl; ++y)
        for (int32_t x = 1; x <= nc; ++x) {
            j = j == groupes ? 1 : j + 1;
            ++i;
            g.Valeur[x][y] = i <= g.CartesRestantes ? j : 0;
        }

    // Swaps of two distinct cells; a pair equal to the first is drawn again as a pair. The
    // generator works on a local copy, which stays in a register while the board is written.
    PuzzleRandom r = c.hasard;
    for (int32_t t = 0; t < 5 * nc * nl; ++t) {
        const int32_t xa = r.Draw(nc);
        const int32_t ya = r.Draw(nl);
        int32_t xb, yb;
        do {
            xb = r.Draw(nc);
            yb = r.Draw(nl);
        } while (xb == xa && yb == ya);
        std::swap(g.Valeur[xa][ya], g.Valeur[xb][yb]);
    }
    c.hasard = r;

    for (int32_t x = 1; x <= nc; ++x)
        for (int32_t y = 1; y <= nl; ++y)
            g.Etat[x][y] = g.Valeur[x][y] != 0 ? 0 : -2;
}

void CliquerMemoire(Contexte& c, int32_t x, int32_t y)
{
    GameState& g = c.etat;
    if (g.Etat[x][y] != 0)
        return;
    // A group still on show goes first, so the board never shows it after a new click.
    if (c.controles.timerRefreshMemoire.Enabled) {
        ActiverMinuterie(c, c.controles.timerRefreshMemoire, false);
        RafraichirMemoire(c);
    }
    ChangerScore(c, -CoutClic);
    const int32_t v = g.Valeur[x][y];
    if (g.NbSelectionnees < g.TailleGroupe) {
        g.SelectionMemoire[++g.NbSelectionnees] = {x, y};
        g.Etat[x][y] = 1;
        Redessiner(c, x, y);
        if (g.ValeurSerie == -1) {
            g.ValeurSerie = v;
            g.LongueurSerie = 1;
        } else if (v == g.ValeurSerie) {
            if (++g.LongueurSerie == g.TailleGroupe)
                GroupeTrouve(c);
        } else {
            g.ValeurSerie = v;
            g.LongueurSerie = 1;
        }
        return;
    }
    // Every place is taken: the oldest cell turns face down.
    g.Etat[x][y] = 1;
    Redessiner(c, x, y);
    const PosCase ancienne = g.SelectionMemoire[1];
    g.Etat[ancienne.x][ancienne.y] = 0;
    Redessiner(c, ancienne.x, ancienne.y);
    if (g.LongueurSerie == g.TailleGroupe - 1 && v == g.ValeurSerie) {
        GroupeTrouve(c);
        return;
    }
    if (v == g.ValeurSerie) {
        ++g.LongueurSerie;
    } else {
        g.ValeurSerie = v;
        g.LongueurSerie = 1;
    }
    for (int32_t i = 1; i <= g.TailleGroupe - 1; ++i)
        g.SelectionMemoire[i] = g.SelectionMemoire[i + 1];
    g.SelectionMemoire[g.TailleGroupe] = {x, y};
}

void GroupeTrouve(Contexte& c)
{
    GameState& g = c.etat;
    g.NbSelectionnees = 0;
    g.ValeurSerie = -1;
    g.LongueurSerie = 0;
    for (int32_t x = 1; x <= g.NbColonnes; ++x)
        for (int32_t y = 1; y <= g.NbLignes; ++y)
            if (g.Etat[x][y] == 1)
                g.Etat[x][y] = -2;
    g.CartesRestantes -= g.TailleGroupe;
    // The group stays on show until the refresh.
    ActiverMinuterie(c, c.controles.timerRefreshMemoire, true);
}

void RafraichirMemoire(Contexte& c)
{
    AfficherCases(c, 1, 1, c.etat.NbColonnes, c.etat.NbLignes);
    FinDePartie(c);
}

void timerRefreshMemoireTimer(Contexte& c)
{
    // A tick left over from a stopped timer does nothing: after the end of the game it would
    // offer the same score to the table a second time.
    if (!c.controles.timerRefreshMemoire.Enabled)
        return;
    ActiverMinuterie(c, c.controles.timerRefreshMemoire, false);
    RafraichirMemoire(c);
}

} // namespace cogitelle
