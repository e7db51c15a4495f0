#include "core/Score.h"

#include <string>

#include "games/Serpentin.h"
#include "store/MeilleursScores.h"

namespace cogitelle {

void ActiverMinuterie(Contexte& c, Minuterie& m, bool actif)
{
    if (m.Enabled == actif)
        return;
    m.Enabled = actif;
    if (actif)
        ++m.Demarrages;
    c.ports.MinuterieChangee(m);
}

void IntervalleMinuterie(Contexte& c, Minuterie& m, int32_t intervalle)
{
    if (m.Interval == intervalle)
        return;
    m.Interval = intervalle;
    c.ports.MinuterieChangee(m);
}

void AfficherScore(Contexte& c) { c.controles.panelScoreMixte.SetCaption(EnDecimal(c.etat.Score)); }

void ChangerScore(Contexte& c, int32_t delta)
{
    c.etat.Score += delta;
    AfficherScore(c);
}

void AfficherMeilleursScores(Contexte& c)
{
    const GameState& g = c.etat;
    if (g.TypeJeu < 1 || g.TypeJeu > NbTypesJeu || g.NumeroTableau < 1 || g.NumeroTableau > NombreTableaux)
        return;
    c.controles.panelPremierMeilleurScore.SetCaption(EnDecimal(g.MeilleursScores(g.TypeJeu, g.NumeroTableau, 1).ValeurScore));
    c.controles.panelDernierMeilleurScore.SetCaption(EnDecimal(g.MeilleursScores(g.TypeJeu, g.NumeroTableau, 10).ValeurScore));
}

void ArreterMinuteries(Contexte& c)
{
    ActiverMinuterie(c, c.controles.timerLab, false);
    ActiverMinuterie(c, c.controles.timerScore, false);
    ActiverMinuterie(c, c.controles.timerRefreshMemoire, false);
}

namespace {

// Decides whether the game in play is over, and whether it ended in success.
bool PartieFinie(const GameState& g, bool& succes)
{
    const int32_t n = g.NbColonnes;
    succes = true;
    switch (g.TypeJeu) {
    case Labyrinthe: {
        const bool surArrivee = g.PosX == g.NbColonnes && g.PosY == g.NbLignes;
        if (!surArrivee && g.CompteurGlouton > 0)
            return false;
        succes = surArrivee;
        return true;
    }
    case CarreMagique:
        // Row 1 follows from the other rows and the columns.
        for (int32_t y = 2; y <= n; ++y)
            if (g.Valeur[n + 1][y] != 0)
                return false;
        for (int32_t x = 1; x <= n; ++x)
            if (g.Valeur[x][n + 1] != 0)
                return false;
        if (g.AvecDiagonales && (g.Valeur[n + 1][n + 1] != 0 || g.Valeur[n + 1][0] != 0))
            return false;
        return true;
    case Differences:
        return g.CasesRestantes == 1 || g.NbCoupsPossibles[g.PosX][g.PosY] == 0;
    case Serpentin:
        return SerpentinForme(g);
    case Memoire:
        return g.CartesRestantes == 0;
    default:
        return false;
    }
}

} // namespace

void FinDePartie(Contexte& c)
{
    GameState& g = c.etat;
    bool succes = false;
    if (!PartieFinie(g, succes))
        return;
    g.PartieTerminee = true;
    ArreterMinuteries(c);
    if (!succes) {
        c.ports.Message("Fin de la partie. Vous n'avez pas réussi ce cogitelle...");
        return;
    }
    const int32_t s = g.Score;
    if (g.MeilleursScores(g.TypeJeu, g.NumeroTableau, 10).ValeurScore >= s) {
        c.ports.Message(std::string("Fin de la partie.") + "\n" +
            "Malheureusement, vous ne réalisez pas un score parmi les " + "10" + " premiers...");
        return;
    }
    const int32_t r = InsererScore(c, g.TypeJeu, g.NumeroTableau, g.NomJoueur, s);
    // A no-break space keeps each "!" on the line of the word before it when the box wraps.
    const std::string insecable = "\xC2\xA0";
    c.ports.Message(std::string("Fin de la partie.") + "\n" + (r == 1 ? "FELICITATIONS" : "Bravo") + " " +
        g.NomJoueur + insecable + "! Vous entrez dans les " + "10" + " meilleurs scores" + insecable + "! " + "\n" +
        "Score Numéro " +
        std::to_string(r) + " avec " + std::to_string(s) + " points.");
}

void timerScoreTimer(Contexte& c) { ChangerScore(c, -1); }

} // namespace cogitelle
