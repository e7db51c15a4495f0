#include "core/Score.h"

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

void timerScoreTimer(Contexte& c) { ChangerScore(c, -CoutSeconde); }

} // namespace cogitelle
