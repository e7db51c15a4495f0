#include "session/NouvellePartie.h"

#include <string>

#include "core/Score.h"
#include "games/Disposition.h"
#include "games/Jeux.h"
#include "games/Rendu.h"
#include "session/Clavier.h"
#include "session/FinDePartie.h"
#include "session/Textes.h"
#include "store/Options.h"

namespace cogitelle {

void ParametresPartie(Contexte& c)
{
    GameState& g = c.etat;
    const Jeu* jeu = JeuDe(g.TypeJeu);
    const int32_t n = jeu ? jeu->Taille(g.NumeroTableau) : 0;
    g.NbColonnes = n;
    g.NbLignes = n;
    if (jeu)
        jeu->Parametres(c);
    // Some texts quote the parameters (the magic sum, the size of a group).
    PreparerTextes(c);
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

// The closing steps: the score at 5000, the texts, the goal shown and the clock started.
void DemarrerPartie(Contexte& c)
{
    GameState& g = c.etat;
    g.Score = ScoreDeDepart;
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

    // A board the game rejects starts the whole sequence again with the next seed; each rejected
    // run then only repeats the closing steps once the accepted one has finished.
    int32_t rejets = 0;
    const Jeu* jeu = nullptr;
    for (;;) {
        PreparerPanneaux(c);
        c.hasard.SeedFromMillisecondes(c.ports.MillisecondesDuJour());
        c.hasard.Seed(PuzzleSeed(g.TypeJeu, g.NumeroTableau, g.NbTentatives));
        ParametresPartie(c);
        jeu = JeuDe(g.TypeJeu);
        if (jeu && !jeu->Preparer(c)) {
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
    if (jeu)
        jeu->Construire(c);
    g.TentativesPartie = g.NbTentatives;
    g.NbTentatives = 0;

    const int32_t n = g.NbColonnes;
    const int32_t d = g.AvecBordure;
    AfficherCases(c, 1 - d, 1 - d, n + d, n + d);
    if (g.PosX != -1)
        RafraichirAutour(c, g.PosX, g.PosY, g.PosX, g.PosY);
    if (jeu)
        jeu->ApresPremierAffichage(c);
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
    RemettreCurseur(c);
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

namespace {

// Runs the end test when the handler that has just returned asks for it.
void Poursuivre(Contexte& c, Suite suite)
{
    if (suite == Suite::TesterFin)
        FinDePartie(c);
}

} // namespace

void Deplacer(Contexte& c, int32_t x, int32_t y, bool auClavier)
{
    GameState& g = c.etat;
    const Jeu* jeu = JeuDe(g.TypeJeu);
    if (g.PartieTerminee || !jeu || !DansLePlateau(g, x, y))
        return;
    Poursuivre(c, jeu->Deplacer(c, x, y));
}

void AppelCaseMouseDown(Contexte& c, int32_t tag, BoutonSouris bouton, uint32_t etat)
{
    const GameState& g = c.etat;
    const Jeu* jeu = JeuDe(g.TypeJeu);
    const int32_t x = tag / 100;
    const int32_t y = tag % 100;
    if (g.PartieTerminee || !jeu || !DansLePlateau(g, x, y))
        return;
    Poursuivre(c, jeu->Presser(c, x, y, bouton, etat));
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
    const Jeu* jeu = JeuDe(g.TypeJeu);
    if (g.PartieTerminee || !jeu || !jeu->disposition.mursActifs)
        return;
    if (Controle* mur = MurDuTag(c, type, tag))
        mur->SetBiseauExterieur(biseau);
}

// A click on a wall of the kind given, at the lower right of (x, y), for the game in play.
void Inverser(Contexte& c, TypeMur type, int32_t x, int32_t y)
{
    if (const Jeu* jeu = JeuDe(c.etat.TypeJeu))
        Poursuivre(c, jeu->CliquerMur(c, type, x, y));
}

// A game timer's tick, whether or not the timer runs.
void TicDuJeu(Contexte& c, Minuterie::Id minuterie)
{
    if (const Jeu* jeu = JeuDe(c.etat.TypeJeu))
        Poursuivre(c, jeu->Tic(c, minuterie));
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

void InverserDroite(Contexte& c, int32_t x, int32_t y) { Inverser(c, TypeMur::Droit, x, y); }
void InverserBas(Contexte& c, int32_t x, int32_t y) { Inverser(c, TypeMur::Bas, x, y); }
void InverserCoin(Contexte& c, int32_t x, int32_t y) { Inverser(c, TypeMur::BasDroit, x, y); }

void FormKeyDown(Contexte& c, Fleche touche)
{
    const GameState& g = c.etat;
    const Jeu* jeu = JeuDe(g.TypeJeu);
    PosCase cible;
    if (g.ClavierActif && jeu && jeu->Touche(g, touche, cible))
        Deplacer(c, cible.x, cible.y, true);
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

void timerRefreshMemoireTimer(Contexte& c) { TicDuJeu(c, Minuterie::RefreshMemoire); }
void timerLabTimer(Contexte& c) { TicDuJeu(c, Minuterie::Lab); }

void TicMinuterie(Contexte& c, int32_t minuterie)
{
    Controles& k = c.controles;
    switch (minuterie) {
    case Minuterie::Score:
        if (k.timerScore.Enabled)
            timerScoreTimer(c);
        break;
    case Minuterie::RefreshMemoire:
        if (k.timerRefreshMemoire.Enabled)
            timerRefreshMemoireTimer(c);
        break;
    case Minuterie::Lab:
        if (k.timerLab.Enabled)
            timerLabTimer(c);
        break;
    default:
        break;
    }
}

} // namespace cogitelle
