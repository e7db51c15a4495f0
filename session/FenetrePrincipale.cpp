#include "session/FenetrePrincipale.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "session/Echelles.h"
#include "session/Textes.h"
#include "session/NouvellePartie.h"
#include "session/ScoresEnAttente.h"
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
    auto place = [](Controle& c, Controle* parent, const char* nom, Rect design, Commande commande = cmdAucune,
                     bool policeTimes = false) { return PlaceControle{&c, parent, nom, design, commande, policeTimes}; };
    Controle* droite = &k.superPanelDroite;
    Controle* info = &k.panelInfo;
    Controle* tableaux = &k.panelTableaux;
    Controle* jeux = &k.superPanelJeux;
    disposition_ = {
        place(k.superPanelDroite, nullptr, "superPanelDroite", {612, 208, 183, 121}),
        place(k.panelNumeroTableau, droite, "panelNumeroTableau", {6, 6, 171, 19}),
        place(k.panelNomJoueur, droite, "panelNomJoueur", {6, 28, 109, 19}),
        place(k.panelScoreMixte, droite, "panelScoreMixte", {118, 28, 59, 19}),
        place(k.panelTitreMeilleurScore, droite, "panelTitreMeilleurScore", {6, 52, 91, 19}),
        place(k.panelTitreDernierMeilleurScore, droite, "panelTitreDernierMeilleurScore", {100, 52, 77, 19}),
        place(k.panelPremierMeilleurScore, droite, "panelPremierMeilleurScore", {6, 72, 91, 19}),
        place(k.panelDernierMeilleurScore, droite, "panelDernierMeilleurScore", {100, 72, 77, 19}),
        place(k.panelDetailHighScores, droite, "panelDetailHighScores", {6, 94, 171, 23}, cmdDetailScores),
        place(k.panelInfo, nullptr, "panelInfo", {612, 334, 183, 195}),
        place(k.lblInfos, info, "lblInfos", {8, 7, 165, 160}, cmdAucune, true),
        place(Shape1, info, "Shape1", {4, 4, 173, 167}),
        place(k.panelBut, info, "panelBut", {4, 174, 57, 16}, cmdBut),
        place(k.panelReglesDuJeu, info, "panelReglesDuJeu", {64, 174, 59, 16}, cmdRegles),
        place(k.panelCalculScores, info, "panelCalculScores", {126, 174, 53, 16}, cmdScores),
        place(k.panelTableaux, nullptr, "panelTableaux", {612, 124, 183, 79}),
        place(k.panelChangerTableau, tableaux, "panelChangerTableau", {4, 4, 175, 21}, cmdChangerTableau),
        place(k.panelTableauAleatoire, tableaux, "panelTableauAleatoire", {4, 28, 175, 21}, cmdTableauAleatoire),
        place(k.panelTableauPrecedent, tableaux, "panelTableauPrecedent", {4, 54, 23, 20}, cmdTableauPrecedent),
        place(k.panelTableauIdem, tableaux, "panelTableauIdem", {30, 54, 123, 20}, cmdTableauIdem),
        place(k.panelTableauSuivant, tableaux, "panelTableauSuivant", {156, 54, 23, 20}, cmdTableauSuivant),
        place(k.superPanelJeux, nullptr, "superPanelJeux", {610, 4, 187, 117}),
        place(k.panelsJeux[1], jeux, "panelLabyrinthe", {3, 4, 180, 20}, CommandeJeu(Labyrinthe)),
        place(k.panelsJeux[2], jeux, "panelCarreMagique", {3, 26, 180, 20}, CommandeJeu(CarreMagique)),
        place(k.panelsJeux[3], jeux, "panelDifferences", {3, 48, 180, 20}, CommandeJeu(Differences)),
        place(k.panelsJeux[4], jeux, "panelSerpentin", {3, 70, 180, 20}, CommandeJeu(Serpentin)),
        place(k.panelsJeux[5], jeux, "panelMemoire", {3, 92, 180, 20}, CommandeJeu(Memoire)),
    };
    Shape1 = Controle(Sorte::Cadre, 0);

    // The design places in the window, each child's added to its parent's.
    auto origine = [this](const PlaceControle& p) {
        int32_t gauche = p.design.left, haut = p.design.top;
        for (const PlaceControle& q : disposition_)
            if (q.controle == p.parent) {
                gauche += q.design.left;
                haut += q.design.top;
            }
        return std::pair{haut, gauche};
    };
    for (size_t i = 0; i < disposition_.size(); ++i)
        if (disposition_[i].cliquable())
            tabulation_.push_back(i);
    std::stable_sort(tabulation_.begin(), tabulation_.end(),
        [&](size_t a, size_t b) { return origine(disposition_[a]) < origine(disposition_[b]); });
}

bool FenetrePrincipale::EstCliquable(const Controle& c) const
{
    for (const PlaceControle& p : disposition_)
        if (p.controle == &c)
            return p.cliquable();
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
        if (p.cliquable())
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
    TableRemplaceeParLeJoueur(c_.Sauvegardes);
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

void FenetrePrincipale::Executer(Commande commande)
{
    if (const TTypeJeu type = JeuDeLaCommande(commande)) {
        ChoisirJeu(type);
        return;
    }
    switch (commande) {
    case cmdQuitter: Quitter1Click(); break;
    case cmdDetailScores: panelDetailHighScoresClick(); break;
    case cmdRecreerScores: menuRecreerHighScoresClick(); break;
    case cmdCouleurFond: menuCouleurFondEcranClick(); break;
    case cmdCouleurTableau: menuCouleurTableauDeJeuClick(); break;
    case cmdSommaire: menuSommaireClick(); break;
    case cmdAPropos: menuAProposClick(); break;
    case cmdChangerTableau: panelChangerTableauClick(); break;
    case cmdTableauAleatoire: panelTableauAleatoireClick(); break;
    case cmdTableauPrecedent: panelTableauPrecedentClick(); break;
    case cmdTableauIdem: panelTableauIdemClick(); break;
    case cmdTableauSuivant: panelTableauSuivantClick(); break;
    case cmdBut: panelButClick(); break;
    case cmdRegles: panelReglesDuJeuClick(); break;
    case cmdScores: panelCalculScoresClick(); break;
    case cmdFermer: FormClose(); break;
    case cmdExporterScores: actions_.ExporterMeilleursScores(); break;
    case cmdImporterScores: actions_.ImporterMeilleursScores(); break;
    case cmdExporterCopies: actions_.ExporterCopiesGardees(); break;
    default: break;
    }
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
