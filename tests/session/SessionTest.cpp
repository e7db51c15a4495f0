// The session as a front end drives it: start-up, the chooser of start-up, a game, the main
// window's commands and timers, the viewer; every window read from its model, no display.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "session/Session.h"
#include "store/MeilleursScores.h"
#include "support/ActionsEnregistrees.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::ActionsEnregistrees;
using cogitelle::test::Banc;

namespace {

// The session as the desktop starts it: the start screen, the main window, "DEMARRER", the
// start timer's tick.
struct Demarre {
    Banc banc;
    ActionsEnregistrees actions;
    Session& s = banc.session;
    Demarre()
    {
        s.BrancherFenetres(&actions);
        s.CreerEcranDemarrage(800, 600, 96);
        s.CreerFenetrePrincipale(800, 600, 96);
        s.Demarrer(1);
        s.Activer();
        s.TimerDebut();
    }
    ChoixTableau& choix() { return s.Choix(); }
    std::string Caption(const std::vector<EtatControle>& etats, const DescriptionFenetre& d, const char* nom)
    {
        return etats[static_cast<size_t>(d.Indice(nom))].caption;
    }
};

} // namespace

// The first game: the chooser of start-up cannot be left, its digits and radio buttons select,
// OK starts the chosen game and enables the main window; from then on "Annuler" closes it.
TEST(Session, LePremierJeuPartDuChoix)
{
    Demarre d;
    Session& s = d.s;
    EXPECT_EQ(s.etat.Titre, "COGITELLE I");
    EXPECT_EQ(s.etat.Langue, 1);
    EXPECT_EQ(d.actions.appels, std::vector<std::string>{"choix"});
    EXPECT_FALSE(s.Principale().Enabled);

    ChoixTableau& c = d.choix();
    c.FormActivate();
    EXPECT_EQ(c.Annuler(), Issue::Rien);
    EXPECT_EQ(c.Touche(ToucheFenetre::Echappement), Issue::Rien);
    EXPECT_EQ(c.Clic(c.iAnnuler), Issue::Rien);

    // Radio button 4, digits 3 then 7 within a second: "JEU DU SERPENTIN", puzzle 37.
    EXPECT_EQ(c.Clic(c.iRadio1 + 3), Issue::Rien);
    c.TaperChiffre(3, 10000);
    c.TaperChiffre(7, 10500);
    const std::vector<EtatControle> etats = c.Etats();
    const DescriptionFenetre& dc = ChoixTableau::Description();
    EXPECT_TRUE(etats[static_cast<size_t>(c.iRadio1 + 3)].coche);
    EXPECT_FALSE(etats[static_cast<size_t>(c.iRadio1)].coche);
    EXPECT_EQ(d.Caption(etats, dc, "rbTypeJeu4"), "JEU DU SERPENTIN");
    EXPECT_EQ(d.Caption(etats, dc, "panelNumeroTableau"), "Cogitelle n° 37");
    EXPECT_EQ(etats[static_cast<size_t>(c.iBarre)].position, 37);
    EXPECT_EQ(d.Caption(etats, dc, "panelScoreRecordMixte"),
        std::to_string(s.etat.MeilleursScores(Serpentin, 37, 1).ValeurScore));

    // No name: the message, the chooser stays, the main window stays disabled.
    c.DoubleClic(c.iNom);
    EXPECT_EQ(c.Clic(c.iOK), Issue::Rien);
    EXPECT_EQ(d.banc.ports.messages.back(), "Veuillez saisir votre nom !");
    EXPECT_FALSE(s.Principale().Enabled);

    EXPECT_EQ(c.Saisie("zoé"), "ZOÉ");
    EXPECT_EQ(c.Touche(ToucheFenetre::Entree), Issue::Demarrer);
    EXPECT_TRUE(s.Principale().Enabled);
    s.NouvellePartie();
    EXPECT_EQ(s.etat.TypeJeu, Serpentin);
    EXPECT_EQ(s.etat.NumeroTableau, 37);
    EXPECT_EQ(s.etat.NomJoueur, "ZOÉ");
    EXPECT_TRUE(s.controles.timerScore.Enabled);
    EXPECT_EQ(s.controles.panelNumeroTableau.Caption(), "Cogitelle n° 37");

    // In play, "Annuler" closes the chooser without touching the game.
    s.Commande(cmdChangerTableau);
    c.FormActivate();
    c.Clic(c.iRadio1);
    EXPECT_EQ(c.Clic(c.iAnnuler), Issue::Fermer);
    EXPECT_EQ(s.etat.TypeJeu, Serpentin);
}

// The main window's commands, its menus' check marks, its timers' ticks and its board, all
// through the session.
TEST(Session, CommandesMinuteriesEtMenus)
{
    Demarre d;
    Session& s = d.s;
    d.choix().FormActivate();
    d.choix().Saisie("ANA");
    ASSERT_EQ(d.choix().Valider(), Issue::Demarrer);
    s.NouvellePartie();
    ASSERT_EQ(s.etat.TypeJeu, Labyrinthe);

    // The check mark follows the game in play; the captions are the game titles.
    auto element = [&s](const char* nom) -> const ElementMenu& {
        for (const Menu& m : s.Menus())
            for (const ElementMenu& e : m.elements)
                if (e.nom == nom)
                    return e;
        throw std::runtime_error(nom);
    };
    EXPECT_TRUE(element("menuLabyrinthe").coche);
    EXPECT_FALSE(element("menuMemoire").coche);
    EXPECT_EQ(element("menuMemoire").caption, "JEU DE LA MEMOIRE");
    s.Commande(element("menuMemoire").commande);   // chooses the game; it starts from the chooser
    EXPECT_EQ(s.etat.TypeJeuChoisi, Memoire);
    EXPECT_EQ(d.actions.appels.back(), "choix");
    EXPECT_TRUE(element("menuLabyrinthe").coche);

    s.Commande(cmdTableauSuivant);
    EXPECT_EQ(s.etat.NumeroTableau, 2);
    EXPECT_TRUE(element("menuLabyrinthe").coche);
    s.Commande(element("menuDetailHighScores").commande);
    EXPECT_EQ(d.actions.appels.back(), "scores");
    s.Commande(element("menuSommaire").commande);
    EXPECT_EQ(d.actions.appels.back(), "aide cogitellefr.html");

    // A clickable panel looks pressed while held, by its index in the window's layout.
    const std::vector<PlaceControle>& places = s.Principale().Disposition();
    const auto idem = std::find_if(places.begin(), places.end(), [](const PlaceControle& p) { return p.commande == cmdTableauIdem; });
    ASSERT_NE(idem, places.end());
    s.Panneau(static_cast<int32_t>(idem - places.begin()), true);
    EXPECT_EQ(s.controles.panelTableauIdem.BiseauExterieur(), Biseau::Abaisse);
    s.Panneau(static_cast<int32_t>(idem - places.begin()), false);
    EXPECT_EQ(s.controles.panelTableauIdem.BiseauExterieur(), Biseau::Releve);
    s.Panneau(0, true);   // not clickable: nothing
    EXPECT_EQ(s.controles.superPanelDroite.BiseauExterieur(), Biseau::Releve);

    // The score clock takes a point a tick; a tick queued after the timer stopped does nothing.
    const int32_t score = s.etat.Score;
    s.Tic(Minuterie::Score);
    EXPECT_EQ(s.etat.Score, score - 1);
    EXPECT_EQ(s.controles.panelScoreMixte.Caption(), std::to_string(score - 1));
    s.Commande(cmdFermer);
    EXPECT_FALSE(s.controles.timerScore.Enabled);
    EXPECT_EQ(d.actions.appels.back(), "fin");
    s.Tic(Minuterie::Score);
    EXPECT_EQ(s.etat.Score, score - 1);
}

// Without a front end's actions the rules still run: nothing is shown, the colour dialog counts
// as cancelled and the options are saved all the same.
TEST(Session, SansFenetresLesReglesTournent)
{
    Banc banc;
    Session& s = banc.session;
    s.CreerFenetrePrincipale(800, 600, 96);
    s.Commande(cmdCouleurFond);
    EXPECT_EQ(banc.magasin.valeurs.count("optionCouleurFondEcran"), 1u);
    s.Commande(cmdDetailScores);
    s.Commande(cmdExporterScores);
    EXPECT_TRUE(banc.ports.messages.empty());

    // The export is the score file's bytes, whatever the front end does with them.
    const std::string octets = s.ExporterScores();
    ASSERT_EQ(octets.size(), TailleFichierScores);
    TableMeilleursScores relue;
    ASSERT_EQ(LireOctetsTable(relue, octets), TailleFichierScores / sizeof(EnregistrementScore));
    EXPECT_EQ(std::memcmp(&relue, &s.etat.MeilleursScores, sizeof relue), 0);
}

// The wall clicks reach the game in play through the session as a toolkit reports them.
TEST(Session, MursEtClavier)
{
    Banc banc;
    Session& s = banc.session;
    banc.Jouer(CarreMagique, 5);
    GameState& g = s.etat;
    const int32_t gauche = g.Valeur[1][1], droite = g.Valeur[2][1];
    ASSERT_NE(gauche, droite);
    const int32_t score = g.Score;
    s.MurEnfonce(TypeMur::Droit, 101);
    EXPECT_EQ(s.controles.MursDroits[1][1].BiseauExterieur(), Biseau::Abaisse);
    s.MurRelache(TypeMur::Droit, 101);
    s.MurClique(TypeMur::Droit, 101);
    EXPECT_EQ(g.Valeur[1][1], droite);
    EXPECT_EQ(g.Valeur[2][1], gauche);
    EXPECT_EQ(g.Score, score - 10);

    banc.Jouer(Labyrinthe, 1);
    g.PosX = g.PosY = 3;
    for (int x = 1; x <= 5; ++x)
        for (int y = 1; y <= 5; ++y)
            g.Etat[x][y] = -1;
    g.Etat[4][3] = 0;
    g.Etat[4][4] = 0;
    s.Fleche(Fleche::Droite);
    s.Caractere('2');
    EXPECT_EQ(g.PosX, 4);
    EXPECT_EQ(g.PosY, 4);
}
