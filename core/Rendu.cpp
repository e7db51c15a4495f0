#include "core/Rendu.h"

#include <algorithm>
#include <string>

#include "games/CarreMagique.h"
#include "games/Differences.h"

namespace cogitelle {

namespace {

void CaseLabyrinthe(Contexte& c, int32_t x, int32_t y)
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

void CaseCarre(Contexte& c, int32_t x, int32_t y)
{
    const GameState& g = c.etat;
    Controles& k = c.controles;
    const int32_t n = g.NbColonnes;
    Controle& cell = k.Cases[x][y];
    const int32_t v = g.Valeur[x][y];
    const bool anneau = x == 0 || y == 0 || x == n + 1 || y == n + 1;
    if (anneau) {
        if (v < 1) {
            cell.SetCaption(EnDecimal(v));
            cell.SetCouleurPolice(couleurs::RougeVif);
        } else {
            cell.SetCaption(EnDecimal(v, '+'));
            cell.SetCouleurPolice(couleurs::VertFonce);
        }
        const bool coin = (x == 0 || x == n + 1) && (y == 0 || y == n + 1);
        if (coin && !g.AvecDiagonales)
            return;
    } else {
        cell.SetCaption(EnDecimal(v));
    }
    if (x >= 1 && x <= n - 1 && y >= 1 && y <= n)
        k.MursDroits[x][y].SetVisible(true);
    if (y >= 1 && y <= n - 1 && x >= 1 && x <= n)
        k.MursBas[x][y].SetVisible(true);
    cell.SetVisible(v != 0);
}

bool EnJeuHorsJoueur(const GameState& g, int32_t x, int32_t y)
{
    return DansLePlateau(g, x, y) && g.Etat[x][y] != -2 && g.Etat[x][y] != 1;
}

void CaseDifferences(Contexte& c, int32_t x, int32_t y)
{
    GameState& g = c.etat;
    Controles& k = c.controles;
    if (x <= g.NbColonnes - 1)
        k.MursDroits[x][y].SetVisible(EnJeuHorsJoueur(g, x, y) && EnJeuHorsJoueur(g, x + 1, y));
    if (y <= g.NbLignes - 1)
        k.MursBas[x][y].SetVisible(EnJeuHorsJoueur(g, x, y) && EnJeuHorsJoueur(g, x, y + 1));
    if (x <= g.NbColonnes - 1 && y <= g.NbLignes - 1)
        k.MursBasDroits[x][y].SetVisible(EnJeuHorsJoueur(g, x, y) && EnJeuHorsJoueur(g, x + 1, y) &&
            EnJeuHorsJoueur(g, x, y + 1) && EnJeuHorsJoueur(g, x + 1, y + 1));
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

void CaseSerpentin(Contexte& c, int32_t x, int32_t y)
{
    const GameState& g = c.etat;
    Controles& k = c.controles;
    Controle& cell = k.Cases[x][y];
    if (x == g.TrouPrincipalX && y == g.TrouPrincipalY) {
        cell.SetVisible(false);
    } else {
        cell.SetCaption(EnDecimal(g.Valeur[x][y]));
        cell.SetVisible(true);
    }
    k.CadresCases[x][y].SetVisible(false);
    k.CadresInterieurs[x][y].SetVisible(false);
}

void CaseMemoire(Contexte& c, int32_t x, int32_t y)
{
    const GameState& g = c.etat;
    Controle& cell = c.controles.Cases[x][y];
    const int32_t v = g.Valeur[x][y];
    const int32_t etat = g.Etat[x][y];
    if (v != 0 && etat == 0)
        cell.SetCaption({});
    else
        cell.SetCaption(EnDecimal(v));
    if (v == 0 || etat == -2)
        cell.SetVisible(false);
    else if (etat == 0 || etat == 1)
        cell.SetVisible(true);
}

} // namespace

void AfficherCases(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    const GameState& g = c.etat;
    if (g.TypeJeu < 1 || g.TypeJeu > 5)
        return;
    const int32_t B = g.AvecBordure;
    const int32_t xDe = std::max(std::min(x1, x2), 1 - B);
    const int32_t xA = std::min(std::max(x1, x2), g.NbColonnes + B);
    const int32_t yDe = std::max(std::min(y1, y2), 1 - B);
    const int32_t yA = std::min(std::max(y1, y2), g.NbLignes + B);
    for (int32_t x = xDe; x <= xA; ++x)
        for (int32_t y = yDe; y <= yA; ++y) {
            switch (g.TypeJeu) {
            case Labyrinthe: CaseLabyrinthe(c, x, y); break;
            case CarreMagique: CaseCarre(c, x, y); break;
            case Differences: CaseDifferences(c, x, y); break;
            case Serpentin: CaseSerpentin(c, x, y); break;
            case Memoire: CaseMemoire(c, x, y); break;
            default: break;
            }
        }
    if (g.TypeJeu == Labyrinthe)
        FinLabyrinthe(c);
}

void RafraichirAutour(Contexte& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    GameState& g = c.etat;
    const int32_t xDe = std::max(std::min(x1 - 1, x2 - 1), 1);
    const int32_t xA = std::min(std::max(x1 + 1, x2 + 1), g.NbColonnes);
    const int32_t yDe = std::max(std::min(y1 - 1, y2 - 1), 1);
    const int32_t yA = std::min(std::max(y1 + 1, y2 + 1), g.NbLignes);
    if (g.TypeJeu == CarreMagique) {
        CalculerEcarts(g);
        const int32_t n = g.NbColonnes;
        AfficherCases(c, n + 1, 0, n + 1, n + 1);
        AfficherCases(c, 0, n + 1, n + 1, n + 1);
        AfficherCases(c, 0, 0, 0, n + 1);
        AfficherCases(c, 0, 0, n + 1, 0);
    } else if (g.TypeJeu == Differences) {
        RafraichirDifferences(g, xDe, yDe, xA, yA);
    }
    AfficherCases(c, xDe, yDe, xA, yA);
    if (!(g.PosX == -1 && g.PosY == -1))
        AfficherCases(c, g.PosX, g.PosY, g.PosX, g.PosY);
}

} // namespace cogitelle
