#include <gtest/gtest.h>

#include "session/Textes.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

TEST(Textes, CarreMagiqueAvecEtSansDiagonales)
{
    Banc banc;
    banc.Jouer(CarreMagique, 350);
    const GameState& g = banc.g();
    EXPECT_EQ(g.TextesBut[2],
        "But du jeu : Vous devez faire en sorte que la somme des nombres de chaque ligne et chaque colonne soit "
        "identique (671) en inversant le moins de cases possibles (deux par deux). De même pour les deux "
        "diagonales !");
    EXPECT_NE(g.TextesRegles[2].find("de la somme (671) à réaliser"), std::string::npos);
    banc.Jouer(CarreMagique, 1);
    EXPECT_NE(g.TextesBut[2].find("(65) en inversant"), std::string::npos);
    EXPECT_EQ(g.TextesBut[2].find("diagonales"), std::string::npos);
    EXPECT_EQ(banc.k().lblInfos.Caption(), g.TextesBut[2]);
}

TEST(Textes, TextesExacts)
{
    Banc banc;
    GameState& g = banc.g();
    g.TailleGroupe = 3;
    g.LongueurSerpentin = 13;
    PreparerTextes(banc.ctx);
    EXPECT_EQ(g.TitresJeux[1], "JEU DU LABYRINTHE");
    EXPECT_EQ(g.TitresJeux[5], "JEU DE LA MEMOIRE");
    EXPECT_EQ(g.TextesRegles[1],
        "Règles du jeu : Vous vous déplacez à l'aide des flèches de votre clavier. Dès que vous atteignez une case "
        "marquée d'un nombre, vous récupérez autant de points.La partie se termine lorsque vous atteignez la case "
        "Arrivée (case en bas à droite).");
    EXPECT_EQ(g.TextesScores[1],
        "Calcul des scores : Vous démarrez avec un score de 5000 points. Chaque seconde passée vous faire perdre 1 "
        "point. Chaque déplacement dans le labyrinthe vous faire perdre 1 point. Dès que vous atteignez une case "
        "marquée d'un nombre, vous récupérez autant de points.");
    EXPECT_EQ(g.TextesScores[3],
        "Calcul des scores : Vous démarrez avec un score de 5000 points. Chaque seconde passée vous faire perdre 1 "
        "point. Chaque déplacement vous rapporte 10 points - la différence entre la case de départ et la case "
        "arrivée. Chaque inversion de 2 ou 4 cases vous coûte 5  points.");
    EXPECT_EQ(g.TextesBut[4],
        "But du jeu : Vous devez réaliser un alignement d'au moins 13 nombres consécutifs en déplaçant les cases "
        "vers le trou principal. Les cases doivent se suivre (par exemple : 5,6,7,8, etc.) mais elles peuvent se "
        "croiser, aller en ligne droite ou diagonale.");
    EXPECT_EQ(g.TextesScores[4],
        "Calcul des scores : Vous démarrez avec un score de 5000 points. Chaque seconde passée vous faire perdre 1 "
        "point. Chaque click sur une case vous coûte 2 points. Chaque déplacement de case vous coûte 50 points.");
    EXPECT_EQ(g.TextesBut[5],
        "But du jeu : Vous devez associer par tierces des nombres identiques que vous découvrez au fur et à mesure "
        "sur la grille de jeu.");
    EXPECT_EQ(g.TextesRegles[5],
        "Règles du jeu : Cliquez sur la case de votre choix et le nombre apparaîtra. Seuls les nombres des trois "
        "dernières cases sélectionnées sont visibles.");
    EXPECT_EQ(g.TextesScores[5],
        "Calcul des scores : Vous démarrez avec un score de 5000 points. Chaque seconde passée vous faire perdre 1 "
        "point. Chaque click sur une case vous coûte 3 points.");
    g.TailleGroupe = 7;
    PreparerTextes(banc.ctx);
    EXPECT_EQ(g.TextesBut[5],
        "But du jeu : Vous devez associer par  des nombres identiques que vous découvrez au fur et à mesure sur la "
        "grille de jeu.");
    EXPECT_NE(g.TextesRegles[5].find("des  dernières"), std::string::npos);
}

TEST(Textes, LangueEtTaillePolice)
{
    Banc banc;
    GameState& g = banc.g();
    g.Langue = 2;
    PreparerTextes(banc.ctx);
    EXPECT_EQ(g.TexteQuestionQuitter, "Do you really want to quit ?");
    EXPECT_EQ(g.TexteAuRevoir, "See you !!!");
    EXPECT_EQ(g.FichierAide, "cogitelleus.html");
    EXPECT_EQ(g.TitresJeux[3], "JEU DES DIFFERENCES");   // the game texts stay French
    g.Langue = 3;
    PreparerTextes(banc.ctx);
    EXPECT_EQ(g.TexteAuRevoir, "See you !!!");
    g.Langue = 1;
    PreparerTextes(banc.ctx);
    EXPECT_EQ(g.TexteQuestionQuitter, "Voulez-vous vraiment arrêter ?");
    EXPECT_EQ(g.TexteAuRevoir, "A bientôt !!!");
    EXPECT_EQ(g.FichierAide, "cogitellefr.html");

    // A 1024 x 768 screen: 9 x 1.28 = 11.52.
    g.FacteurEcranX = 1024 / 800.0;
    g.FacteurEcranY = 768 / 600.0;
    AfficherInfo(banc.ctx, "x");
    EXPECT_EQ(banc.k().lblInfos.TaillePolice(), 12);
    // A 1920 x 1080 screen: the label is 2.4 times as wide but only 1.8 times as tall, and its
    // type follows the smaller factor: 9 x 1.8 = 16.2.
    g.FacteurEcranX = 2.4;
    g.FacteurEcranY = 1.8;
    AfficherInfo(banc.ctx, "x");
    EXPECT_EQ(banc.k().lblInfos.TaillePolice(), 16);
    EXPECT_EQ(banc.k().lblInfos.Caption(), "x");
}
