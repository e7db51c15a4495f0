#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "session/FenetrePrincipale.h"
#include "session/NouvellePartie.h"
#include "core/Plateau.h"
#include "store/MeilleursScores.h"
#include "store/Options.h"
#include "store/SystemeFichiers.h"
#include "support/ActionsEnregistrees.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::ActionsEnregistrees;
using cogitelle::test::Banc;

namespace {

struct Fenetre {
    Banc banc;
    ActionsEnregistrees actions;
    FenetrePrincipale f{banc.ctx, actions};

    explicit Fenetre(int32_t largeur = 800, int32_t hauteur = 600, double ppp = 96)
    {
        banc.g().Langue = 0;
        f.FormCreate(largeur, hauteur, ppp);
    }
    GameState& g() { return banc.g(); }
    Controles& k() { return banc.k(); }
};

uint32_t Lire32(const MagasinMemoire& m, const std::string& nom)
{
    const auto& o = m.valeurs.at(nom).octets;
    uint32_t v = 0;
    for (size_t i = 0; i < o.size(); ++i)
        v |= static_cast<uint32_t>(o[i]) << (8 * i);
    return v;
}

} // namespace

TEST(FacteursEcran, TronqueAQuatreVingtSeizePointsParPouce)
{
    struct Cas { int32_t l, h; double ppp; int32_t M, H; double x, y; };
    const Cas cas[] = {
        {800, 600, 96, 800, 600, 1.0, 1.0},
        {1024, 768, 96, 1024, 768, 1.28, 1.28},
        {1920, 1080, 96, 1920, 1080, 2.4, 1.8},
        {2880, 1800, 144, 1920, 1200, 2.4, 2.0},
        {1001, 751, 120, 800, 600, 1.0, 1.0},   // 800.8 and 600.8, truncated
        {1366, 768, 96, 1366, 768, 1.7075, 1.28},
    };
    for (const Cas& c : cas) {
        const FacteursEcran f = CalculerFacteursEcran(c.l, c.h, c.ppp);
        EXPECT_EQ(f.M, c.M) << c.l;
        EXPECT_EQ(f.H, c.H) << c.h;
        EXPECT_DOUBLE_EQ(f.X, c.x) << c.l;
        EXPECT_DOUBLE_EQ(f.Y, c.y) << c.h;
    }
}

TEST(FormCreate, EtatInitialEtOptionsChargees)
{
    Banc banc;
    // A returning player: options already stored.
    const uint8_t un = 1;
    const uint32_t type = 3, numero = 42, fond = 0x00112233, tableau = 0x00445566;
    std::string erreur;
    banc.magasin.Ouvrir(erreur);
    banc.magasin.EcrireBinaire("verif", &un, 1, erreur);
    banc.magasin.EcrireBinaire("optionCouleurFondEcran", &fond, 4, erreur);
    banc.magasin.EcrireBinaire("optionCouleurTableauDeJeu", &tableau, 4, erreur);
    banc.magasin.EcrireBinaire("optionNumeroTableau", &numero, 4, erreur);
    banc.magasin.EcrireBinaire("optionTypeJeu", &type, 4, erreur);
    banc.magasin.EcrireTexte("optionYourName", "LUCIE", erreur);
    banc.magasin.Fermer(erreur);
    banc.g().NbTentatives = 7;
    banc.g().NumeroTableau = 9;
    banc.g().Voisins = TableVoisins{};
    banc.g().Langue = 0;
    ActionsEnregistrees actions;
    FenetrePrincipale f(banc.ctx, actions);
    f.FormCreate(1024, 768, 96);

    const GameState& g = banc.g();
    EXPECT_DOUBLE_EQ(g.FacteurEcranX, 1.28);
    EXPECT_DOUBLE_EQ(g.FacteurEcranY, 1.28);
    EXPECT_EQ(f.Caption, "COGITELLE I");
    EXPECT_EQ(g.NbTentatives, 0);
    EXPECT_EQ(g.NumeroTableau, 1);
    TableVoisins attendue;
    RemplirVoisins(attendue);
    EXPECT_EQ(std::memcmp(&g.Voisins, &attendue, sizeof attendue), 0);
    EXPECT_EQ(g.TypeJeuChoisi, 3);
    EXPECT_EQ(g.NumeroTableauChoisi, 42);
    EXPECT_EQ(g.TypeJeuDialogue, 3);
    EXPECT_EQ(g.NumeroTableauDialogue, 42);
    EXPECT_EQ(g.NomJoueur, "LUCIE");
    EXPECT_EQ(g.TitresJeux[3], "JEU DES DIFFERENCES");
    // The options applied: window and board colours, the score titles.
    EXPECT_EQ(banc.k().CouleurFenetre, 0x00112233u);
    EXPECT_EQ(banc.k().panelCentral.couleur(), 0x00445566u);
    EXPECT_EQ(banc.k().panelTitreMeilleurScore.Caption(), "Meilleur score");
    EXPECT_EQ(banc.k().panelTitreDernierMeilleurScore.Caption(), "Score n° 10");
    EXPECT_FALSE(banc.k().panelInfo.Visible());
    EXPECT_FALSE(banc.k().superPanelDroite.Visible());
    EXPECT_FALSE(banc.k().panelCentral.Visible());
    EXPECT_TRUE(banc.ports.erreurs.empty());
    EXPECT_TRUE(actions.appels.empty());
}

TEST(FormCreate, PremierLancementCreeLesOptionsEtLesScores)
{
    Fenetre w;
    EXPECT_EQ(w.g().Verif, 1);
    EXPECT_EQ(w.k().CouleurFenetre, 0x400000u);   // #000040
    EXPECT_EQ(Lire32(w.banc.magasin, "optionTypeJeu"), 1u);
    EXPECT_EQ(w.g().TypeJeuDialogue, 1);
    EXPECT_EQ(w.g().NumeroTableauDialogue, 1);
    EXPECT_EQ(std::filesystem::file_size(w.banc.ctx.CheminScores), TailleFichierScores);
}

TEST(FormCreate, PanneauxDeDroiteALEchelle)
{
    Fenetre w;   // factors 1 and 1: the design itself
    const Controles& k = w.k();
    EXPECT_EQ(k.superPanelDroite.rect(), (Rect{612, 208, 183, 121}));
    EXPECT_EQ(k.panelDetailHighScores.rect(), (Rect{6, 94, 171, 23}));
    EXPECT_EQ(k.lblInfos.rect(), (Rect{8, 7, 165, 160}));
    EXPECT_EQ(w.f.Shape1.rect(), (Rect{4, 4, 173, 167}));
    EXPECT_EQ(w.f.Shape1.LargeurStylo(), 4);
    EXPECT_EQ(w.f.Shape1.CouleurStylo(), couleurs::VertClair);
    EXPECT_EQ(k.panelsJeux[5].rect(), (Rect{3, 92, 180, 20}));
    EXPECT_EQ(k.panelCentral.rect(), (Rect{4, 4, 600, 525}));
    EXPECT_EQ(k.superPanelJeux.couleur(), RGB(0, 0, 0xA0));
    EXPECT_EQ(k.panelTableaux.couleur(), RGB(0, 0x40, 0x80));
    EXPECT_EQ(k.panelTitreDernierMeilleurScore.couleur(), RGB(0xFF, 0xFF, 0xB3));
    EXPECT_EQ(k.panelPremierMeilleurScore.couleur(), RGB(0xFF, 0xB7, 0xB7));
    EXPECT_EQ(k.panelScoreMixte.couleur(), couleurs::VertClair);
    EXPECT_EQ(k.lblInfos.couleur(), couleurs::VertClair);
    EXPECT_EQ(k.panelsJeux[2].couleur(), couleurs::BleuCiel);
    EXPECT_EQ(k.panelReglesDuJeu.Caption(), "Règles");
    EXPECT_EQ(k.panelTableauIdem.Caption(), "REJOUER");
    EXPECT_EQ(k.panelChangerTableau.Caption(), "Changer de cogitelle");
    EXPECT_EQ(k.panelTableauAleatoire.Caption(), "Cogitelle au hasard");
    EXPECT_EQ(k.panelDetailHighScores.Caption(), "Meilleurs scores");
    EXPECT_EQ(k.panelTableauPrecedent.curseur(), Curseur::FlecheHaut);
    EXPECT_EQ(k.panelsJeux[1].curseur(), Curseur::FlecheHaut);
    EXPECT_EQ(k.panelScoreMixte.curseur(), Curseur::Defaut);
    EXPECT_TRUE(w.f.EstCliquable(k.panelCalculScores));
    EXPECT_FALSE(w.f.EstCliquable(k.panelNomJoueur));
    EXPECT_EQ(k.panelBut.TaillePolice(), 8);

    // A 1920 x 1080 screen: across by 2.4, down by 1.8, the panels' type by the smaller, 1.8
    // (8 x 1.8 = 14.4), so it fits panels only 1.8 times as tall.
    Fenetre large(1920, 1080, 96);
    EXPECT_EQ(large.k().panelInfo.rect(), (Rect{1469, 601, 439, 351}));
    EXPECT_EQ(large.k().panelCentral.rect(), (Rect{10, 10, 1440, 945}));
    EXPECT_EQ(large.k().panelBut.TaillePolice(), 14);
    // The side panels end above the bottom of the board's design area.
    EXPECT_LE(large.k().panelInfo.rect().bottom(), Arrondi(534 * 1.8));
}

TEST(Langue, DemarrerEtEnglishNeChangentQueLesTextesDeLangue)
{
    Fenetre w;
    ChoisirLangue(w.banc.ctx, 2);
    EXPECT_EQ(w.g().Langue, 2);
    EXPECT_EQ(w.g().TexteQuestionQuitter, "Do you really want to quit ?");
    EXPECT_EQ(w.g().TexteAuRevoir, "See you !!!");
    EXPECT_EQ(w.g().FichierAide, "cogitelleus.html");
    EXPECT_EQ(w.g().TitresJeux[1], "JEU DU LABYRINTHE");
    EXPECT_EQ(w.g().TextesBut[1].rfind("But du jeu : ", 0), 0u);
    ChoisirLangue(w.banc.ctx, 1);
    EXPECT_EQ(w.g().TexteQuestionQuitter, "Voulez-vous vraiment arrêter ?");
    EXPECT_EQ(w.g().TexteAuRevoir, "A bientôt !!!");
    EXPECT_EQ(w.g().FichierAide, "cogitellefr.html");
    w.f.menuSommaireClick();
    EXPECT_EQ(w.actions.appels.back(), "aide cogitellefr.html");
    // The options are applied again: the game menu's check mark follows the game.
    w.g().TypeJeu = 4;
    ChoisirLangue(w.banc.ctx, 1);
    EXPECT_TRUE(w.k().MenuCoche[4]);
    EXPECT_FALSE(w.k().MenuCoche[1]);
}

TEST(FormActivate, TitresDesJeuxSurLesPanneauxEtLeMenu)
{
    Fenetre w;
    w.g().Titre = "AUTRE";
    w.f.FormActivate();
    EXPECT_EQ(w.f.Caption, "AUTRE");
    const char* titres[] = {"", "JEU DU LABYRINTHE", "CARRES MAGIQUES", "JEU DES DIFFERENCES", "JEU DU SERPENTIN",
        "JEU DE LA MEMOIRE"};
    for (int t = 1; t <= 5; ++t) {
        EXPECT_EQ(w.k().panelsJeux[t].Caption(), titres[t]);
        EXPECT_EQ(w.f.MenuJeux[t], titres[t]);
    }
}

TEST(ChoisirJeu, OuvreLeChoixSansChangerLaPartie)
{
    Fenetre w;
    w.banc.Jouer(Labyrinthe, 12);
    const auto avant = w.banc.magasin.valeurs;
    w.f.ChoisirJeu(Memoire);
    EXPECT_EQ(w.g().TypeJeuChoisi, Memoire);
    EXPECT_EQ(w.g().TypeJeu, Labyrinthe);
    EXPECT_EQ(w.g().NumeroTableau, 12);
    EXPECT_EQ(w.actions.appels, std::vector<std::string>{"choix"});
    EXPECT_EQ(Lire32(w.banc.magasin, "optionTypeJeu"), 1u);   // saved only by the next game
    w.f.panelChangerTableauClick();
    w.f.panelDetailHighScoresClick();
    EXPECT_EQ(w.actions.appels, (std::vector<std::string>{"choix", "choix", "scores"}));
}

TEST(PanneauxInfo, ButReglesScoresDuJeuEnCours)
{
    Fenetre w(1024, 768, 96);
    w.f.panelButClick();   // no game yet: nothing to show
    EXPECT_EQ(w.k().lblInfos.Caption(), "");
    w.banc.Jouer(CarreMagique, 350);
    w.f.panelReglesDuJeuClick();
    EXPECT_EQ(w.k().lblInfos.Caption(),
        "Règles du jeu : Pour inverser les nombres de deux cases, vous pouvez cliquez sur les parois entre ces "
        "deux cases. A noter que les cases en gris autour du carré magique représentent l'écart qui vous sépare "
        "de la somme (671) à réaliser pour chaque ligne et colonne.");
    EXPECT_EQ(w.k().lblInfos.TaillePolice(), 12);   // 9 x 1.28 = 11.52
    w.f.panelCalculScoresClick();
    EXPECT_EQ(w.k().lblInfos.Caption(),
        "Calcul des scores : Vous démarrez avec un score de 5000 points. Chaque seconde passée vous faire perdre 1 "
        "point. Chaque inversion de deux cases vous coûte 10 points.");
    w.f.panelButClick();
    EXPECT_EQ(w.k().lblInfos.Caption(), w.g().TextesBut[2]);
    EXPECT_NE(w.g().TextesBut[2].find("De même pour les deux diagonales !"), std::string::npos);
}

TEST(RecreerScores, QuestionPuisTableNeuve)
{
    Fenetre w;
    const std::string question = "COGITELLE I|Etes-vous sûr de vouloir recréer les scores (vos records disparaîtront) ?";
    EnregistrementScore& premier = w.g().MeilleursScores(Labyrinthe, 1, 1);
    premier.ValeurScore = 99999;

    // No: nothing changes, not even the file.
    const auto tailleAvant = std::filesystem::file_size(w.banc.ctx.CheminScores);
    std::filesystem::remove(w.banc.ctx.CheminScores);
    w.banc.ports.reponses = {false};
    w.f.menuRecreerHighScoresClick();
    ASSERT_EQ(w.banc.ports.questions.size(), 1u);
    EXPECT_EQ(w.banc.ports.questions[0], question);
    EXPECT_EQ(premier.ValeurScore, 99999);
    EXPECT_FALSE(std::filesystem::exists(w.banc.ctx.CheminScores));

    // Yes before any game: a new table, written, the hidden panels left alone.
    w.banc.ports.reponses = {true};
    w.f.menuRecreerHighScoresClick();
    EXPECT_EQ(w.banc.ports.questions.back(), question);
    EXPECT_NE(premier.ValeurScore, 99999);
    EXPECT_LT(premier.ValeurScore, 4650);
    EXPECT_EQ(std::filesystem::file_size(w.banc.ctx.CheminScores), tailleAvant);
    EXPECT_EQ(w.k().panelPremierMeilleurScore.Caption(), "");

    // Yes during a game: the two best-score panels follow the new table.
    w.banc.Jouer(Labyrinthe, 1);
    premier.ValeurScore = 99999;
    w.banc.ports.reponses = {true};
    w.f.menuRecreerHighScoresClick();
    EXPECT_EQ(w.k().panelPremierMeilleurScore.Caption(), std::to_string(premier.ValeurScore));
    EXPECT_EQ(w.k().panelDernierMeilleurScore.Caption(),
        std::to_string(w.g().MeilleursScores(Labyrinthe, 1, 10).ValeurScore));
    std::ifstream fichier(w.banc.ctx.CheminScores, std::ios::binary);
    const std::string octets((std::istreambuf_iterator<char>(fichier)), std::istreambuf_iterator<char>());
    EXPECT_EQ(octets, OctetsTable(w.g().MeilleursScores));
}

TEST(Quitter, NonPuisOui)
{
    Fenetre w;
    ChoisirLangue(w.banc.ctx, 1);
    w.banc.ports.reponses = {false};
    w.f.Quitter1Click();
    EXPECT_EQ(w.banc.ports.questions, std::vector<std::string>{"COGITELLE I|Voulez-vous vraiment arrêter ?"});
    EXPECT_TRUE(w.banc.ports.messages.empty());
    EXPECT_TRUE(w.actions.appels.empty());

    w.banc.ports.reponses = {true};
    w.f.Quitter1Click();
    EXPECT_EQ(w.banc.ports.messages, std::vector<std::string>{"A bientôt !!!"});
    EXPECT_EQ(w.actions.appels, std::vector<std::string>{"fin"});

    ChoisirLangue(w.banc.ctx, 2);
    w.banc.ports.reponses = {true};
    w.f.Quitter1Click();
    EXPECT_EQ(w.banc.ports.questions.back(), "COGITELLE I|Do you really want to quit ?");
    EXPECT_EQ(w.banc.ports.messages.back(), "See you !!!");
    // The quit box answers in the language it asks in.
    EXPECT_EQ(w.banc.ports.boutons, (std::vector<std::string>{"Oui|Non", "Oui|Non", "Yes|No"}));
}

TEST(FormClose, ArreteLesMinuteriesSansQuestion)
{
    Fenetre w;
    w.banc.Jouer(Memoire, 1);
    ASSERT_TRUE(w.k().timerScore.Enabled);
    w.k().timerRefreshMemoire.Enabled = true;
    w.f.FormClose();
    EXPECT_FALSE(w.k().timerScore.Enabled);
    EXPECT_FALSE(w.k().timerRefreshMemoire.Enabled);
    EXPECT_FALSE(w.k().timerLab.Enabled);
    EXPECT_TRUE(w.banc.ports.questions.empty());
    EXPECT_EQ(w.actions.appels, std::vector<std::string>{"fin"});
}

TEST(Couleurs, ConfirmeeOuAnnuleeLesOptionsSontSauvees)
{
    Fenetre w;
    w.banc.Jouer(Differences, 1);
    // Confirmed: the background colour is stored, applied and saved.
    w.actions.confirmerCouleur = true;
    w.actions.couleurChoisie = RGB(0x12, 0x34, 0x56);
    w.f.menuCouleurFondEcranClick();
    EXPECT_EQ(w.actions.couleurInitiale, CouleurFondParDefaut);
    EXPECT_EQ(w.g().CouleurFondEcran, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(w.k().CouleurFenetre, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(Lire32(w.banc.magasin, "optionCouleurFondEcran"), RGB(0x12, 0x34, 0x56));
    EXPECT_TRUE(w.k().MenuCoche[Differences]);

    // The board colour: the dialog opens on the window's colour too.
    w.actions.couleurChoisie = RGB(0x65, 0x43, 0x21);
    w.f.menuCouleurTableauDeJeuClick();
    EXPECT_EQ(w.actions.couleurInitiale, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(w.k().panelCentral.couleur(), RGB(0x65, 0x43, 0x21));
    EXPECT_EQ(Lire32(w.banc.magasin, "optionCouleurTableauDeJeu"), RGB(0x65, 0x43, 0x21));

    // Cancelled: nothing changes, but the options are saved all the same.
    w.banc.magasin.valeurs.clear();
    w.actions.confirmerCouleur = false;
    w.f.menuCouleurTableauDeJeuClick();
    EXPECT_EQ(w.k().panelCentral.couleur(), RGB(0x65, 0x43, 0x21));
    EXPECT_EQ(Lire32(w.banc.magasin, "optionCouleurTableauDeJeu"), RGB(0x65, 0x43, 0x21));
    EXPECT_EQ(Lire32(w.banc.magasin, "optionTypeJeu"), static_cast<uint32_t>(Differences));
    EXPECT_EQ(w.actions.appels, (std::vector<std::string>{"couleur", "couleur", "couleur"}));
}

TEST(APropos, DeuxMessages)
{
    Fenetre w;
    w.f.menuAProposClick();
    ASSERT_EQ(w.banc.ports.messages.size(), 2u);
    EXPECT_EQ(w.banc.ports.messages[0], TexteAPropos1);
    EXPECT_EQ(w.banc.ports.messages[1], TexteAPropos2);
}

TEST(PanneauxCliquables, EnfonceTantQueLeBoutonEstTenu)
{
    Fenetre w;
    Controle& p = w.k().panelTableauIdem;
    EXPECT_EQ(p.BiseauExterieur(), Biseau::Releve);
    w.f.AppelPanelMyMouseDown(p);
    EXPECT_EQ(p.BiseauExterieur(), Biseau::Abaisse);
    w.f.AppelPanelMyMouseUp(p);
    EXPECT_EQ(p.BiseauExterieur(), Biseau::Releve);
}

TEST(FormClose, UnRecordPasEncoreEnregistreEstEnregistreALaFin)
{
    for (const bool parQuitter : {false, true}) {
        SCOPED_TRACE(parQuitter ? "Quitter" : "closing the window");
        Fenetre w;
        w.banc.ctx.Sauvegardes.delaiVerrouMs = 50;
        const std::string& chemin = w.banc.ctx.CheminScores;
        {
            // Another copy of the game holds the lock when the game is won.
            std::unique_ptr<SystemeFichiers::Verrou> tenu;
            std::string raison;
            ASSERT_EQ(SystemeFichiersReel().Verrouiller(chemin + ".lock", 0, tenu, raison),
                SystemeFichiers::Verrouillage::Ok);
            EXPECT_EQ(InsererScore(w.banc.ctx, 1, 1, "ALICE", 9000), 1);
            ASSERT_EQ(w.banc.ports.erreurs.size(), 1u);
        }
        w.banc.ports.reponses = {true};
        if (parQuitter)
            w.f.Quitter1Click();
        else
            w.f.FormClose();
        std::string octets;
        {
            std::ifstream fichier(chemin, std::ios::binary);
            octets.assign(std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>());
        }
        EXPECT_TRUE(octets == OctetsTable(w.g().MeilleursScores));
        EXPECT_EQ(octets.substr(0, 5), "ALICE");
        EXPECT_EQ(w.banc.ports.erreurs.size(), 1u);

        // With every record on disk, the end writes nothing.
        std::filesystem::remove(chemin);
        w.f.FormClose();
        EXPECT_FALSE(std::filesystem::exists(chemin));
    }
}
