#include "session/FenetrePrincipale.h"

#include <cmath>

#include "session/Echelles.h"
#include "session/Textes.h"
#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "core/Score.h"
#include "store/MeilleursScores.h"
#include "store/Options.h"

namespace cogitelle {

const char* const TexteAPropos1 =
    "COGITELLE I\n\nCinq jeux de réflexion sur les nombres : le glouton du labyrinthe, le carré magique, "
    "le jeu des différences, le serpentin numérique et la mémoire, avec 500 cogitelles chacun.";
const char* const TexteAPropos2 =
    "Conception et programmation : l'équipe Cogitelle.\n\nÉcrit en C++ avec Qt. Merci de jouer avec nous !";

namespace {

constexpr Couleur BleuNuit = RGB(0x00, 0x40, 0x80);     // #004080
constexpr Couleur Saumon = RGB(0xFF, 0xB7, 0xB7);       // #FFB7B7
constexpr Couleur Paille = RGB(0xFF, 0xFF, 0xB3);       // #FFFFB3
constexpr Couleur BleuRoi = RGB(0x00, 0x00, 0xA0);      // #0000A0

} // namespace

FacteursEcran CalculerFacteursEcran(int32_t largeurPixels, int32_t hauteurPixels, double pixelsParPouce)
{
    FacteursEcran f;
    if (pixelsParPouce <= 0)
        pixelsParPouce = 96;
    f.M = static_cast<int32_t>(std::trunc(largeurPixels * 96.0 / pixelsParPouce));
    f.H = static_cast<int32_t>(std::trunc(hauteurPixels * 96.0 / pixelsParPouce));
    f.X = f.M * 0.00125;
    f.Y = f.H / 600.0;
    return f;
}

Rect MettreALEchelle(const Rect& d, double fx, double fy)
{
    return {Arrondi(d.left * fx), Arrondi(d.top * fy), Arrondi(d.width * fx), Arrondi(d.height * fy)};
}

FenetrePrincipale::FenetrePrincipale(Contexte& c, ActionsFenetres& actions) : c_(c), actions_(actions)
{
    Controles& k = c.controles;
    disposition_ = {
        {&k.superPanelDroite, nullptr, "superPanelDroite", {612, 208, 183, 121}, false, false},
        {&k.panelNumeroTableau, &k.superPanelDroite, "panelNumeroTableau", {6, 6, 171, 19}, false, false},
        {&k.panelNomJoueur, &k.superPanelDroite, "panelNomJoueur", {6, 28, 109, 19}, false, false},
        {&k.panelScoreMixte, &k.superPanelDroite, "panelScoreMixte", {118, 28, 59, 19}, false, false},
        {&k.panelTitreMeilleurScore, &k.superPanelDroite, "panelTitreMeilleurScore", {6, 52, 91, 19}, false, false},
        {&k.panelTitreDernierMeilleurScore, &k.superPanelDroite, "panelTitreDernierMeilleurScore",
            {100, 52, 77, 19}, false, false},
        {&k.panelPremierMeilleurScore, &k.superPanelDroite, "panelPremierMeilleurScore", {6, 72, 91, 19}, false,
            false},
        {&k.panelDernierMeilleurScore, &k.superPanelDroite, "panelDernierMeilleurScore", {100, 72, 77, 19}, false,
            false},
        {&k.panelDetailHighScores, &k.superPanelDroite, "panelDetailHighScores", {6, 94, 171, 23}, true, false},
        {&k.panelInfo, nullptr, "panelInfo", {612, 334, 183, 195}, false, false},
        {&k.lblInfos, &k.panelInfo, "lblInfos", {8, 7, 165, 160}, false, true},
        {&Shape1, &k.panelInfo, "Shape1", {4, 4, 173, 167}, false, false},
        {&k.panelBut, &k.panelInfo, "panelBut", {4, 174, 57, 16}, true, false},
        {&k.panelReglesDuJeu, &k.panelInfo, "panelReglesDuJeu", {64, 174, 59, 16}, true, false},
        {&k.panelCalculScores, &k.panelInfo, "panelCalculScores", {126, 174, 53, 16}, true, false},
        {&k.panelTableaux, nullptr, "panelTableaux", {612, 124, 183, 79}, false, false},
        {&k.panelChangerTableau, &k.panelTableaux, "panelChangerTableau", {4, 4, 175, 21}, true, false},
        {&k.panelTableauAleatoire, &k.panelTableaux, "panelTableauAleatoire", {4, 28, 175, 21}, true, false},
        {&k.panelTableauPrecedent, &k.panelTableaux, "panelTableauPrecedent", {4, 54, 23, 20}, true, false},
        {&k.panelTableauIdem, &k.panelTableaux, "panelTableauIdem", {30, 54, 123, 20}, true, false},
        {&k.panelTableauSuivant, &k.panelTableaux, "panelTableauSuivant", {156, 54, 23, 20}, true, false},
        {&k.superPanelJeux, nullptr, "superPanelJeux", {610, 4, 187, 117}, false, false},
        {&k.panelsJeux[1], &k.superPanelJeux, "panelLabyrinthe", {3, 4, 180, 20}, true, false},
        {&k.panelsJeux[2], &k.superPanelJeux, "panelCarreMagique", {3, 26, 180, 20}, true, false},
        {&k.panelsJeux[3], &k.superPanelJeux, "panelDifferences", {3, 48, 180, 20}, true, false},
        {&k.panelsJeux[4], &k.superPanelJeux, "panelSerpentin", {3, 70, 180, 20}, true, false},
        {&k.panelsJeux[5], &k.superPanelJeux, "panelMemoire", {3, 92, 180, 20}, true, false},
    };
    Shape1 = Controle(Sorte::Cadre, 0);
}

bool FenetrePrincipale::EstCliquable(const Controle& c) const
{
    for (const PlaceControle& p : disposition_)
        if (p.controle == &c)
            return p.cliquable;
    return false;
}

void FenetrePrincipale::FormCreate(int32_t largeurEcran, int32_t hauteurEcran, double pixelsParPouce)
{
    GameState& g = c_.etat;
    Controles& k = c_.controles;

    // 1. The 800-pixel design brought to the screen. Across it scales by the width factor and
    // down by the height factor, as the board does, so the side panels end where the board ends
    // on a wide screen too.
    const FacteursEcran f = CalculerFacteursEcran(largeurEcran, hauteurEcran, pixelsParPouce);
    g.FacteurEcranX = f.X;
    g.FacteurEcranY = f.Y;
    for (const PlaceControle& p : disposition_) {
        p.controle->SetRect(MettreALEchelle(p.design, f.X, f.Y));
        // The info label's size belongs to the texts it shows. The panels' type follows the
        // smaller factor, so their captions stay whole on a wide screen.
        if (!p.policeTimes)
            p.controle->SetTaillePolice(TaillePolicePanneaux(f.X, f.Y));
        if (p.cliquable)
            p.controle->SetCurseur(Curseur::FlecheHaut);
    }
    // The board panel as the layout sizes it before each game.
    k.panelCentral.SetRect({Arrondi(f.X * 4), Arrondi(f.X * 4), Arrondi(f.X * 600), Arrondi(f.Y * 525)});
    k.panelCentral.SetBiseauInterieur(Biseau::Releve);

    for (Controle* p : {&k.superPanelDroite, &k.panelInfo, &k.panelTableaux})
        p->SetCouleur(BleuNuit);
    k.superPanelJeux.SetCouleur(BleuRoi);
    for (Controle* p : {&k.panelNumeroTableau, &k.panelNomJoueur, &k.panelScoreMixte, &k.lblInfos})
        p->SetCouleur(couleurs::VertClair);
    k.panelTitreMeilleurScore.SetCouleur(Saumon);
    k.panelPremierMeilleurScore.SetCouleur(Saumon);
    k.panelTitreDernierMeilleurScore.SetCouleur(Paille);
    k.panelDernierMeilleurScore.SetCouleur(Paille);
    for (Controle* p : {&k.panelDetailHighScores, &k.panelBut, &k.panelReglesDuJeu, &k.panelCalculScores,
             &k.panelChangerTableau, &k.panelTableauAleatoire, &k.panelTableauPrecedent, &k.panelTableauIdem,
             &k.panelTableauSuivant})
        p->SetCouleur(couleurs::Argent);
    for (int t = 1; t <= NbTypesJeu; ++t)
        k.panelsJeux[t].SetCouleur(couleurs::BleuCiel);
    k.panelNumeroTableau.SetCaption("Cogitelle n° ");
    k.panelDetailHighScores.SetCaption("Meilleurs scores");
    k.panelBut.SetCaption("But");
    k.panelReglesDuJeu.SetCaption("Règles");
    k.panelCalculScores.SetCaption("Scores");
    k.panelChangerTableau.SetCaption("Changer de cogitelle");
    k.panelTableauAleatoire.SetCaption("Cogitelle au hasard");
    k.panelTableauPrecedent.SetCaption("<<");
    k.panelTableauIdem.SetCaption("REJOUER");
    k.panelTableauSuivant.SetCaption(">>");
    k.lblInfos.SetBiseauExterieur(Biseau::Aucun);
    Shape1.SetCouleurStylo(couleurs::VertClair);
    Shape1.SetLargeurStylo(4);
    Shape1.SetVisible(true);

    // 2-7.
    Caption = g.Titre;
    g.NbTentatives = 0;
    g.NumeroTableau = 1;
    RemplirVoisins(g.Voisins);
    ChargerOptions(c_);
    g.NumeroTableauDialogue = g.NumeroTableauChoisi;
    g.TypeJeuDialogue = g.TypeJeuChoisi;
    PreparerTextes(c_);
    AppliquerOptions(c_);
    k.panelInfo.SetVisible(false);
}

void FenetrePrincipale::FormActivate()
{
    const GameState& g = c_.etat;
    Caption = g.Titre;
    for (int t = 1; t <= NbTypesJeu; ++t) {
        c_.controles.panelsJeux[t].SetCaption(g.TitresJeux[t]);
        MenuJeux[t] = g.TitresJeux[t];
    }
}

void FenetrePrincipale::FormClose()
{
    ArreterMinuteries(c_);
    // Records whose save failed get one last try; nothing else is written at the end.
    EnregistrerScoresEnAttente(c_);
    actions_.FermerEcranDemarrage();
}

void FenetrePrincipale::ChoisirJeu(TTypeJeu type)
{
    // Only the choice: it is saved when the chosen game starts.
    c_.etat.TypeJeuChoisi = type;
    actions_.MontrerChoixTableau();
}

void FenetrePrincipale::panelChangerTableauClick() { actions_.MontrerChoixTableau(); }
void FenetrePrincipale::panelTableauAleatoireClick() { TableauAuHasard(c_); }
void FenetrePrincipale::panelTableauPrecedentClick() { TableauPrecedent(c_); }
void FenetrePrincipale::panelTableauIdemClick() { NouvellePartie(c_); }
void FenetrePrincipale::panelTableauSuivantClick() { TableauSuivant(c_); }
void FenetrePrincipale::panelDetailHighScoresClick() { actions_.MontrerMeilleursScores(); }

namespace {

// The texts are indexed by game type; before the first game there is none to show.
const std::string& TexteDuJeu(const GameState& g, const std::string (&textes)[6])
{
    static const std::string vide;
    return g.TypeJeu >= 1 && g.TypeJeu <= NbTypesJeu ? textes[g.TypeJeu] : vide;
}

} // namespace

void FenetrePrincipale::panelButClick() { AfficherInfo(c_, TexteDuJeu(c_.etat, c_.etat.TextesBut)); }
void FenetrePrincipale::panelReglesDuJeuClick() { AfficherInfo(c_, TexteDuJeu(c_.etat, c_.etat.TextesRegles)); }
void FenetrePrincipale::panelCalculScoresClick() { AfficherInfo(c_, TexteDuJeu(c_.etat, c_.etat.TextesScores)); }

void FenetrePrincipale::menuRecreerHighScoresClick()
{
    if (!c_.ports.Question(c_.etat.Titre, "Etes-vous sûr de vouloir recréer les scores (vos records disparaîtront) ?"))
        return;
    InitialiserMeilleursScores(c_);
    EcrireMeilleursScores(c_);
    if (c_.controles.superPanelDroite.Visible())
        AfficherMeilleursScores(c_);
}

void FenetrePrincipale::CommandeCouleur(Couleur& option)
{
    Couleur choisie = 0;
    if (actions_.ChoisirCouleur(c_.controles.CouleurFenetre, choisie))
        option = choisie;
    // Applied and saved whether the dialog was confirmed or cancelled.
    AppliquerOptions(c_);
    SauverOptions(c_);
}

void FenetrePrincipale::menuCouleurFondEcranClick() { CommandeCouleur(c_.etat.CouleurFondEcran); }
void FenetrePrincipale::menuCouleurTableauDeJeuClick() { CommandeCouleur(c_.etat.CouleurTableauDeJeu); }
void FenetrePrincipale::menuSommaireClick() { actions_.MontrerAide(c_.etat.FichierAide); }

void FenetrePrincipale::menuAProposClick()
{
    c_.ports.Message(TexteAPropos1);
    c_.ports.Message(TexteAPropos2);
}

void FenetrePrincipale::Quitter1Click()
{
    const GameState& g = c_.etat;
    if (!c_.ports.QuestionOuiNon(g.Titre, g.TexteQuestionQuitter, g.TexteOuiQuitter, g.TexteNonQuitter))
        return;
    c_.ports.Message(g.TexteAuRevoir);
    EnregistrerScoresEnAttente(c_);
    actions_.FermerEcranDemarrage();
}

void FenetrePrincipale::AppelPanelMyMouseDown(Controle& panneau) { panneau.SetBiseauExterieur(Biseau::Abaisse); }
void FenetrePrincipale::AppelPanelMyMouseUp(Controle& panneau) { panneau.SetBiseauExterieur(Biseau::Releve); }

void CreerEcranDemarrage(Contexte& c) { c.etat.Titre = "COGITELLE I"; }

void ChoisirLangue(Contexte& c, int32_t langue)
{
    c.etat.Langue = langue;
    PreparerTextes(c);
    AppliquerOptions(c);
}

} // namespace cogitelle
