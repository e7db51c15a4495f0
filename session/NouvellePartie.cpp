#include "session/NouvellePartie.h"

#include <algorithm>
#include <string>

#include "session/Textes.h"
#include "core/Plateau.h"
#include "core/Rendu.h"
#include "core/Score.h"
#include "games/CarreMagique.h"
#include "games/Differences.h"
#include "games/Labyrinthe.h"
#include "games/Memoire.h"
#include "games/Serpentin.h"
#include "store/MeilleursScores.h"
#include "store/Options.h"

namespace cogitelle {

void ParametresPartie(Contexte& c)
{
    GameState& g = c.etat;
    const int32_t N = g.NumeroTableau;
    const int32_t n = TaillePlateau(g.TypeJeu, N);
    g.NbColonnes = n;
    g.NbLignes = n;
    switch (g.TypeJeu) {
    case Labyrinthe: {
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
        break;
    }
    case CarreMagique: {
        // The puzzle's first draw.
        struct Tranche { int32_t jusqua, etendue, base; bool diagonales; };
        static constexpr Tranche tranches[] = {
            {20, 2, 2, false}, {40, 2, 4, false}, {60, 2, 4, false}, {80, 2, 6, false},
            {100, 3, 8, false}, {300, 3, 8, false}, {400, 3, 11, true}, {NombreTableaux, 3, 14, true}};
        for (const Tranche& t : tranches)
            if (N <= t.jusqua) {
                g.AvecDiagonales = t.diagonales;
                g.ParamCarre = c.hasard.Draw(t.etendue) + t.base;
                break;
            }
        g.SommeMagique = (n * n + 1) * n / 2;
        PreparerTextes(c);
        break;
    }
    case Differences:
        g.ClavierActif = false;
        g.PourcentTrous = N <= 100 ? 0 : std::min(N / 50 + 5, 15);
        g.NbTrous = Arrondi(n * n * g.PourcentTrous * 0.01);
        break;
    case Serpentin:
        g.LongueurSerpentin = std::min(N / 100 + 2 * n, 2 * n + 5);
        break;
    case Memoire:
        if (N <= 60) g.TailleGroupe = 2;
        else if (N <= 100) g.TailleGroupe = 3;
        else g.TailleGroupe = (N - 1) / 100 + 1;
        PreparerTextes(c);
        break;
    default:
        break;
    }
}

namespace {

void PreparerPanneaux(Contexte& c)
{
    GameState& g = c.etat;
    Controles& k = c.controles;
    g.PartieTerminee = false;
    AppliquerOptions(c);
    k.panelInfo.SetVisible(true);
    g.NumeroTableauChoisi = g.NumeroTableau;
    g.TypeJeuChoisi = g.TypeJeu;
    SauverOptions(c);
    k.superPanelJeux.SetVisible(true);
    k.panelTableaux.SetVisible(true);
    const bool premier = g.NumeroTableau == 1;
    k.panelTableauPrecedent.SetEnabled(!premier);
    k.panelTableauPrecedent.SetCouleur(premier ? couleurs::Gris : couleurs::Argent);
    const bool dernier = g.NumeroTableau == g.NumeroTableauMax;
    k.panelTableauSuivant.SetEnabled(!dernier);
    k.panelTableauSuivant.SetCouleur(dernier ? couleurs::Gris : couleurs::Argent);
    k.panelNumeroTableau.SetCaption("Cogitelle n° " + std::to_string(g.NumeroTableau));
    k.panelNomJoueur.SetCaption(g.NomJoueur);
    k.superPanelDroite.SetVisible(true);
    for (int t = 1; t <= NbTypesJeu; ++t)
        k.panelsJeux[t].SetCouleur(couleurs::BleuCiel);
    if (g.TypeJeu >= 1 && g.TypeJeu <= NbTypesJeu)
        k.panelsJeux[g.TypeJeu].SetCouleur(couleurs::VertClair);
    ArreterMinuteries(c);
    g.ClavierActif = true;
    g.MursADessiner = true;
}

void ConstruirePlateau(Contexte& c)
{
    GameState& g = c.etat;
    switch (g.TypeJeu) {
    case Labyrinthe:
        GenererLabyrinthe(c);
        for (auto& colonne : g.Etat)
            std::fill(std::begin(colonne), std::end(colonne), -1);
        g.PosX = 1;
        g.PosY = 1;
        EntrerCase(c, 1, 1);
        PlacerNombres(c, 1000);
        g.CompteurGlouton = 50;
        g.Valeur[1][1] = 50;
        break;
    case CarreMagique:
        GenererCarreMagique(c);
        MelangerCarre(c, g.ParamCarre);
        break;
    case Differences:
        PlacerTrous(c);
        break;
    case Serpentin:
        // No puzzle starts solved: the generator goes on drawing until it is not.
        do
            GenererSerpentin(c);
        while (SerpentinForme(g));
        break;
    case Memoire:
        GenererMemoire(c);
        g.NbSelectionnees = 0;
        g.ValeurSerie = -1;
        g.LongueurSerie = 0;
        break;
    default:
        break;
    }
}

// The closing steps: the score at 5000, the texts, the goal shown and the clock started.
void DemarrerPartie(Contexte& c)
{
    GameState& g = c.etat;
    g.Score = 5000;
    AfficherScore(c);
    PreparerTextes(c);
    if (g.TypeJeu >= 1 && g.TypeJeu <= NbTypesJeu)
        AfficherInfo(c, g.TextesBut[g.TypeJeu]);
    ActiverMinuterie(c, c.controles.timerScore, true);
}

} // namespace

void NouvellePartie(Contexte& c)
{
    GameState& g = c.etat;
    Controles& k = c.controles;

    // A rejected differences board starts the whole sequence again with the next seed; each
    // rejected run then only repeats the closing steps once the accepted one has finished.
    int32_t rejets = 0;
    for (;;) {
        PreparerPanneaux(c);
        c.hasard.SeedFromMillisecondes(c.ports.MillisecondesDuJour());
        c.hasard.Seed(PuzzleSeed(g.TypeJeu, g.NumeroTableau, g.NbTentatives));
        ParametresPartie(c);
        if (g.TypeJeu == Differences && !PreparerDifferences(c)) {
            ++g.NbTentatives;
            ++rejets;
            continue;
        }
        break;
    }

    DisposerPlateau(c);
    AfficherMeilleursScores(c);
    g.PrecX = -1;
    g.PrecY = -1;
    ConstruirePlateau(c);

    const int32_t n = g.NbColonnes;
    if (g.TypeJeu == Differences) {
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y)
                if (g.EstTrou[x][y])
                    g.Etat[x][y] = -2;
        // Every cell's move count follows here; the full redraw below counts every cell again
        // from the same numbers and states, so it is done there alone.
    }
    g.TentativesPartie = g.NbTentatives;
    g.NbTentatives = 0;
    // Every cell's caption is its number. The full redraw below sets the caption of every cell
    // itself in the magic square, the differences and the memory game, and of every cell but the
    // main hole in the serpentine, so only the maze and that hole need it here.
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y)
            if (g.TypeJeu == Labyrinthe || (g.TypeJeu == Serpentin && x == g.TrouPrincipalX && y == g.TrouPrincipalY))
                k.Cases[x][y].SetCaption(EnDecimal(g.Valeur[x][y]));
    if (g.TypeJeu == Differences || g.TypeJeu == Serpentin)
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y) {
                k.Cases[x][y].SetVisible(true);
                k.CadresCases[x][y].SetVisible(true);
                k.CadresInterieurs[x][y].SetVisible(true);
            }

    const int32_t d = g.AvecBordure;
    AfficherCases(c, 1 - d, 1 - d, n + d, n + d);
    if (g.PosX != -1)
        RafraichirAutour(c, g.PosX, g.PosY, g.PosX, g.PosY);
    if (g.TypeJeu == CarreMagique) {
        AfficherCases(c, n + 1, 1, n + 1, n);
        AfficherCases(c, 1, n + 1, n, n + 1);
    }
    int32_t enJeu = n * n;
    for (int32_t x = 1; x <= n; ++x)
        for (int32_t y = 1; y <= n; ++y)
            if (g.Etat[x][y] == -2)
                --enJeu;
    g.CasesRestantes = enJeu;
    k.panelCentral.SetVisible(true);

    DemarrerPartie(c);
    for (int32_t i = 0; i < rejets; ++i)
        DemarrerPartie(c);
}

// The ">>" and "<<" panels are disabled at the last and the first puzzle; a call that reaches
// these operations there all the same changes nothing, rather than start a puzzle 501 or 0 that
// has no board parameters and no place in the table of best scores.
void TableauSuivant(Contexte& c)
{
    if (c.etat.NumeroTableau >= c.etat.NumeroTableauMax)
        return;
    c.etat.NumeroTableau += 1;
    NouvellePartie(c);
}

void TableauPrecedent(Contexte& c)
{
    if (c.etat.NumeroTableau <= 1)
        return;
    c.etat.NumeroTableau -= 1;
    NouvellePartie(c);
}

void TableauAuHasard(Contexte& c)
{
    c.hasard.SeedFromMillisecondes(c.ports.MillisecondesDuJour());
    int32_t k;
    do
        k = c.hasard.Draw(c.etat.NumeroTableauMax);
    while (k == c.etat.NumeroTableau);
    c.etat.NumeroTableau = k;
    NouvellePartie(c);
}

void Deplacer(Contexte& c, int32_t x, int32_t y, bool auClavier)
{
    GameState& g = c.etat;
    if (g.PartieTerminee)
        return;
    switch (g.TypeJeu) {
    case Labyrinthe:
        if (DansLePlateau(g, x, y) && g.Etat[x][y] == 0 && !(x == g.PosX && y == g.PosY)) {
            ChangerScore(c, -1 + g.Valeur[x][y]);
            EntrerCase(c, x, y);
            FinDePartie(c);
        }
        break;
    case Differences:
        if (DansLePlateau(g, x, y) && g.Etat[x][y] == 0)
            PrendreCase(c, x, y);
        break;
    case Serpentin:
        if (DansLePlateau(g, x, y))
            DeplacerSerpentin(c, x, y);
        break;
    case Memoire:
        if (DansLePlateau(g, x, y))
            CliquerMemoire(c, x, y);
        break;
    default:
        break;
    }
}

void AppelCaseMouseDown(Contexte& c, int32_t tag, BoutonSouris bouton, uint32_t etat)
{
    const GameState& g = c.etat;
    const int32_t x = tag / 100;
    const int32_t y = tag % 100;
    if (!DansLePlateau(g, x, y))
        return;
    if (bouton == BoutonSouris::Gauche && etat == ssLeft) {
        if (g.TypeJeu == Differences || g.TypeJeu == Serpentin || g.TypeJeu == Memoire)
            Deplacer(c, x, y, false);
    } else if (bouton == BoutonSouris::Droit && etat == ssRight) {
        if (g.TypeJeu == Serpentin)
            ClicDroitSerpentin(c, x, y);
    }
}

namespace {

Controle* MurDuTag(Contexte& c, TypeMur type, int32_t tag)
{
    const int32_t x = tag / 100;
    const int32_t y = tag % 100;
    switch (type) {
    case TypeMur::Droit:
        if (x >= 1 && x <= 13 && y >= 1 && y <= 14) return &c.controles.MursDroits[x][y];
        break;
    case TypeMur::Bas:
        if (x >= 1 && x <= 14 && y >= 1 && y <= 13) return &c.controles.MursBas[x][y];
        break;
    case TypeMur::BasDroit:
        if (x >= 1 && x <= 13 && y >= 1 && y <= 13) return &c.controles.MursBasDroits[x][y];
        break;
    }
    return nullptr;
}

void EnfoncerMur(Contexte& c, TypeMur type, int32_t tag, Biseau biseau)
{
    const GameState& g = c.etat;
    if (g.PartieTerminee || (g.TypeJeu != CarreMagique && g.TypeJeu != Differences))
        return;
    if (Controle* mur = MurDuTag(c, type, tag))
        mur->SetBiseauExterieur(biseau);
}

} // namespace

void AppelMurEnfoncement(Contexte& c, TypeMur type, int32_t tag) { EnfoncerMur(c, type, tag, Biseau::Abaisse); }
void AppelMurRelachement(Contexte& c, TypeMur type, int32_t tag) { EnfoncerMur(c, type, tag, Biseau::Releve); }

void AppelMurDroitClique(Contexte& c, int32_t tag)
{
    if (DansLePlateau(c.etat, tag / 100, tag % 100))
        InverserDroite(c, tag / 100, tag % 100);
}

void AppelMurBasClique(Contexte& c, int32_t tag)
{
    if (DansLePlateau(c.etat, tag / 100, tag % 100))
        InverserBas(c, tag / 100, tag % 100);
}

void AppelMurBasDroitClique(Contexte& c, int32_t tag)
{
    if (DansLePlateau(c.etat, tag / 100, tag % 100))
        InverserCoin(c, tag / 100, tag % 100);
}

void InverserDroite(Contexte& c, int32_t x, int32_t y)
{
    if (c.etat.TypeJeu == CarreMagique)
        InverserCarre(c, x, y, x + 1, y);
    else if (c.etat.TypeJeu == Differences)
        InverserDifferences(c, x, y, x + 1, y);
}

void InverserBas(Contexte& c, int32_t x, int32_t y)
{
    if (c.etat.TypeJeu == CarreMagique)
        InverserCarre(c, x, y, x, y + 1);
    else if (c.etat.TypeJeu == Differences)
        InverserDifferences(c, x, y, x, y + 1);
}

void InverserCoin(Contexte& c, int32_t x, int32_t y)
{
    if (c.etat.TypeJeu == Differences)
        InverserCoinDifferences(c, x, y);
}

void FormKeyDown(Contexte& c, Fleche touche)
{
    GameState& g = c.etat;
    if (!g.ClavierActif || g.TypeJeu != Labyrinthe)
        return;
    switch (touche) {
    case Fleche::Gauche: Deplacer(c, g.PosX - 1, g.PosY, true); break;
    case Fleche::Droite: Deplacer(c, g.PosX + 1, g.PosY, true); break;
    case Fleche::Haut: Deplacer(c, g.PosX, g.PosY - 1, true); break;
    case Fleche::Bas: Deplacer(c, g.PosX, g.PosY + 1, true); break;
    }
}

void FormKeyPress(Contexte& c, char caractere)
{
    switch (caractere) {
    case '4': FormKeyDown(c, Fleche::Gauche); break;
    case '6': FormKeyDown(c, Fleche::Droite); break;
    case '8': FormKeyDown(c, Fleche::Haut); break;
    case '2': FormKeyDown(c, Fleche::Bas); break;
    default: break;
    }
}

} // namespace cogitelle
