#include "session/DetailMeilleursScores.h"

#include <algorithm>

#include "store/MeilleursScores.h"

namespace cogitelle {

namespace {

constexpr Couleur Saumon = RGB(0xFF, 0x80, 0x80);   // #FF8080
constexpr int32_t Marge = 5;                         // around the score grid
constexpr int32_t LargeurRang = 20;                  // the rank column


DescriptionFenetre Decrire()
{
    using G = Genre;
    const Police moyenne{FamillePolice::SansSerif, 16};
    const Police titre{FamillePolice::Times, 27};
    DescriptionFenetre d("frmHighScores", "Détail des meilleurs scores", 430, 356, RGB(0x00, 0x40, 0x80),
        {FamillePolice::SansSerif, 11});
    d.Ajouter("panelMeilleursScores", G::Panneau, {6, 6, 417, 31}, titre, Saumon, "MEILLEURS SCORES");
    d.Ajouter("panelTypeJeu", G::Panneau, {6, 40, 221, 31}, moyenne, Saumon);
    ControleFenetre& type = d.Ajouter("scrollBarTypeJeu", G::Defilement, {6, 76, 221, 13}, d.police, d.couleur);
    type.min = 1;
    type.max = NbTypesJeu;
    d.Ajouter("panelNumeroTableau", G::Panneau, {234, 40, 189, 31}, moyenne, Saumon);
    ControleFenetre& numero = d.Ajouter("scrollBarNumeroTableau", G::Defilement, {234, 76, 189, 13}, d.police, d.couleur);
    numero.min = 1;
    numero.max = NombreTableaux;
    numero.pasGrand = 10;
    const int32_t central = static_cast<int32_t>(d.controles.size());
    d.Ajouter("panelCentral", G::Panneau, {6, 94, 417, 210}, d.police, RGB(0x80, 0x00, 0x00));
    ControleFenetre& ok = d.Ajouter("panelOkHighScores", G::BoutonPanneau, {8, 310, 415, 41},
        {FamillePolice::Times, 27, false, true}, couleurs::Argent, "OK");
    ok.largeurBiseau = 2;
    ok.curseur = Curseur::FlecheHaut;
    // The grid's 30 cells, row by row: the rank, the name, the score.
    std::vector<Rect> cellules;
    DetailMeilleursScores::Grille(417, 210, 1.0, cellules);
    const char* noms[] = {"panelRang", "panelNom", "panelScore"};
    for (size_t i = 0; i < cellules.size(); ++i)
        d.Ajouter(noms[i % 3] + std::to_string(i / 3 + 1), G::Panneau, cellules[i], {FamillePolice::Times, 10, true},
            couleurs::Argent, "", central);
    return d;
}

} // namespace

int32_t DetailMeilleursScores::Grille(int32_t largeur, int32_t hauteur, double facteur, std::vector<Rect>& cellules)
{
    const int32_t marge = AEchelle(Marge, facteur);
    const int32_t rang = AEchelle(LargeurRang, facteur);
    const int32_t W = largeur - 2 * marge;
    const int32_t h = (hauteur - 2 * marge) / 10;
    const int32_t l = (W - rang) / 2;
    cellules.clear();
    for (int r = 1; r <= PlacesParTableau; ++r) {
        const int32_t haut = marge + (r - 1) * h;
        cellules.push_back({marge, haut, rang, h});
        cellules.push_back({marge + rang, haut, l, h});
        cellules.push_back({marge + rang + l, haut, l, h});
    }
    return 2 * marge + 10 * h;
}

const DescriptionFenetre& DetailMeilleursScores::Description()
{
    static const DescriptionFenetre d = Decrire();
    return d;
}

DetailMeilleursScores::DetailMeilleursScores(Contexte& c)
    : iTypeJeu(Description().Indice("panelTypeJeu")), iBarreType(Description().Indice("scrollBarTypeJeu")),
      iNumero(Description().Indice("panelNumeroTableau")), iBarreNumero(Description().Indice("scrollBarNumeroTableau")),
      iOK(Description().Indice("panelOkHighScores")), iCentral(Description().Indice("panelCentral")),
      iRang1(Description().Indice("panelRang1")), c_(c)
{
    NumeroMax = c_.etat.NumeroTableauMax;
}

std::vector<Rect> DetailMeilleursScores::Places(double facteur)
{
    const DescriptionFenetre& d = Description();
    std::vector<Rect> places = PlacesALEchelle(d, facteur);
    Rect& central = places[static_cast<size_t>(d.Indice("panelCentral"))];
    std::vector<Rect> cellules;
    central.height = Grille(central.width, central.height, facteur, cellules);
    std::copy(cellules.begin(), cellules.end(), places.begin() + d.Indice("panelRang1"));
    return places;
}

std::vector<EtatControle> DetailMeilleursScores::Etats() const
{
    std::vector<EtatControle> etats = EtatsDeConception(Description());
    etats[iTypeJeu].caption = TitreJeu;
    etats[iNumero].caption = TitreNumero;
    auto barre = [&etats](int32_t i, int32_t position, int32_t max) {
        etats[i].position = position;
        etats[i].min = 1;
        etats[i].max = max;
    };
    barre(iBarreType, Type, NbTypesJeu);
    barre(iBarreNumero, Numero, NumeroMax);
    for (int r = 1; r <= PlacesParTableau; ++r) {
        const int32_t i = iRang1 + 3 * (r - 1);
        etats[i].caption = std::to_string(r);
        etats[i + 1].caption = Noms[r];
        etats[i + 2].caption = Scores[r];
    }
    return etats;
}

void DetailMeilleursScores::FormActivate()
{
    GameState& g = c_.etat;
    NumeroMax = g.NumeroTableauMax;
    g.TypeJeuDialogue = g.TypeJeuChoisi;
    g.NumeroTableauDialogue = g.NumeroTableauChoisi;
    AfficherMeilleursScoresDetail(g.TypeJeuDialogue, g.NumeroTableauDialogue);
}

void DetailMeilleursScores::AfficherMeilleursScoresDetail(TTypeJeu type, int32_t numero)
{
    const GameState& g = c_.etat;
    // The scroll bars only offer valid values and the saved selection is checked when loaded;
    // the clamp keeps any other value from reading outside the table.
    Type = std::clamp(type, 1, NbTypesJeu);
    Numero = std::clamp(numero, 1, std::min(g.NumeroTableauMax, NombreTableaux));
    TitreJeu = g.TitresJeux[Type];
    TitreNumero = "Cogitelle n° " + std::to_string(Numero);
    for (int r = 1; r <= PlacesParTableau; ++r) {
        const EnregistrementScore& e = g.MeilleursScores(Type, Numero, r);
        Noms[r] = NomEnregistrement(e);
        Scores[r] = std::to_string(e.ValeurScore);
    }
}

void DetailMeilleursScores::scrollBarTypeJeuChange(int32_t position) { AfficherMeilleursScoresDetail(position, Numero); }
void DetailMeilleursScores::scrollBarNumeroTableauChange(int32_t position) { AfficherMeilleursScoresDetail(Type, position); }

Issue DetailMeilleursScores::Clic(int32_t indice) { return indice == iOK ? Issue::Fermer : Issue::Rien; }

void DetailMeilleursScores::Change(int32_t indice, int32_t position)
{
    if (indice == iBarreType)
        scrollBarTypeJeuChange(position);
    else if (indice == iBarreNumero)
        scrollBarNumeroTableauChange(position);
}

void DetailMeilleursScores::Defiler(ToucheDefilement touche)
{
    const DescriptionFenetre& d = Description();
    if (touche == ToucheDefilement::Gauche || touche == ToucheDefilement::Droite)
        scrollBarTypeJeuChange(
            PositionApresTouche(touche, Type, 1, NbTypesJeu, d.controles[static_cast<size_t>(iBarreType)].pasGrand));
    else
        scrollBarNumeroTableauChange(
            PositionApresTouche(touche, Numero, 1, NumeroMax, d.controles[static_cast<size_t>(iBarreNumero)].pasGrand));
}

Issue DetailMeilleursScores::Touche(ToucheFenetre touche)
{
    return touche == ToucheFenetre::Entree || touche == ToucheFenetre::Echappement ? Issue::Fermer : Issue::Rien;
}

} // namespace cogitelle
