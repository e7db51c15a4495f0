#include "games/Rendu.h"

#include <algorithm>

#include "games/Jeux.h"

namespace cogitelle {

void AfficherCases(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    const GameState& g = c.etat;
    const Jeu* jeu = JeuDe(g.TypeJeu);
    if (!jeu)
        return;
    const int32_t B = g.AvecBordure;
    const int32_t xDe = std::max(std::min(x1, x2), 1 - B);
    const int32_t xA = std::min(std::max(x1, x2), g.NbColonnes + B);
    const int32_t yDe = std::max(std::min(y1, y2), 1 - B);
    const int32_t yA = std::min(std::max(y1, y2), g.NbLignes + B);
    for (int32_t x = xDe; x <= xA; ++x)
        for (int32_t y = yDe; y <= yA; ++y)
            jeu->DessinerCase(c, x, y);
    jeu->ApresDessin(c);
}

void MontrerCasesEtCadres(Contexte& c)
{
    Controles& k = c.controles;
    for (int32_t x = 1; x <= c.etat.NbColonnes; ++x)
        for (int32_t y = 1; y <= c.etat.NbLignes; ++y) {
            k.Cases[x][y].SetVisible(true);
            k.CadresCases[x][y].SetVisible(true);
            k.CadresInterieurs[x][y].SetVisible(true);
        }
}

void RafraichirAutour(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    GameState& g = c.etat;
    const int32_t xDe = std::max(std::min(x1 - 1, x2 - 1), 1);
    const int32_t xA = std::min(std::max(x1 + 1, x2 + 1), g.NbColonnes);
    const int32_t yDe = std::max(std::min(y1 - 1, y2 - 1), 1);
    const int32_t yA = std::min(std::max(y1 + 1, y2 + 1), g.NbLignes);
    if (const Jeu* jeu = JeuDe(g.TypeJeu))
        jeu->AvantRafraichir(c, xDe, yDe, xA, yA);
    AfficherCases(c, xDe, yDe, xA, yA);
    if (!(g.PosX == -1 && g.PosY == -1))
        AfficherCases(c, g.PosX, g.PosY, g.PosX, g.PosY);
}

} // namespace cogitelle
