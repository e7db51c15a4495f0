#include <gtest/gtest.h>

#include <cstring>

#include "session/ChoixTableau.h"
#include "session/Textes.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

void PoserRecord(GameState& g, TTypeJeu t, int32_t p, const std::string& nom, int32_t score)
{
    EcrireNom(g.MeilleursScores(t, p, 1), nom);
    g.MeilleursScores(t, p, 1).ValeurScore = score;
}

} // namespace

TEST(ChoixTableau, AfficheLePuzzleChoisiEtSonRecord)
{
    Banc banc;
    GameState& g = banc.g();
    PreparerTextes(banc.ctx);
    g.TypeJeuChoisi = Labyrinthe;
    g.NumeroTableauChoisi = 1;
    PoserRecord(g, Serpentin, 37, "ÉLODIE", 4321);
    // Bytes left behind a shorter name by an older file are not part of the name.
    std::memcpy(g.MeilleursScores(Serpentin, 37, 1).NomScore + 7, "XYZWV", 5);
    PoserRecord(g, Serpentin, 36, "AUTRE", 1);
    PoserRecord(g, Differences, 37, "AUTRE", 2);
    PoserRecord(g, Serpentin, 38, "ABCDEFGHIJKL", 3999);

    ChoixTableau choix(banc.ctx);
    choix.FormActivate();
    EXPECT_EQ(choix.TitreGroupe, " Choix du jeu ");
    EXPECT_EQ(choix.TitresRadios[1], "JEU DU LABYRINTHE");
    EXPECT_EQ(choix.TitresRadios[4], "JEU DU SERPENTIN");
    EXPECT_EQ(choix.ScrollMin, 1);
    EXPECT_EQ(choix.ScrollMax, 500);

    choix.rbTypeJeuClick(Serpentin);
    choix.scrollBarChoixTableauChange(37);
    EXPECT_EQ(g.TypeJeuDialogue, Serpentin);
    EXPECT_EQ(g.NumeroTableauSelectionne, 37);
    EXPECT_EQ(choix.RadioCoche, Serpentin);
    EXPECT_EQ(choix.CaptionNumeroTableau, "Cogitelle n° 37");
    EXPECT_EQ(choix.PositionScroll, 37);
    EXPECT_EQ(choix.NomRecord, "ÉLODIE");
    EXPECT_EQ(choix.ScoreRecord, "4321");

    // A 12-character name has no terminator: the score that follows is not read into it.
    choix.scrollBarChoixTableauChange(38);
    EXPECT_EQ(choix.NomRecord, "ABCDEFGHIJKL");
    EXPECT_EQ(choix.ScoreRecord, "3999");
    // Browsing changes nothing of the game.
    EXPECT_EQ(g.TypeJeu, AucunJeu);
    EXPECT_EQ(g.TypeJeuChoisi, Labyrinthe);
    EXPECT_EQ(g.NumeroTableauChoisi, 1);
}

TEST(ChoixTableau, ActivationRechargeLaSelectionEnregistree)
{
    Banc banc;
    GameState& g = banc.g();
    PreparerTextes(banc.ctx);
    g.TypeJeuChoisi = Differences;
    g.NumeroTableauChoisi = 250;
    g.NomJoueur = "Zoé";
    PoserRecord(g, Differences, 250, "BORIS", 4100);

    ChoixTableau choix(banc.ctx);
    choix.FormActivate();
    EXPECT_EQ(choix.RadioCoche, Differences);
    EXPECT_EQ(choix.PositionScroll, 250);
    EXPECT_EQ(choix.CaptionNumeroTableau, "Cogitelle n° 250");
    EXPECT_EQ(choix.NomRecord, "BORIS");
    EXPECT_EQ(choix.ScoreRecord, "4100");
    EXPECT_EQ(choix.Nom, "ZOÉ");

    // A selection not confirmed is forgotten at the next activation.
    choix.rbTypeJeuClick(Memoire);
    choix.scrollBarChoixTableauChange(12);
    choix.Nom = "AUTRE";
    choix.FormActivate();
    EXPECT_EQ(g.TypeJeuDialogue, Differences);
    EXPECT_EQ(g.NumeroTableauSelectionne, 250);
    EXPECT_EQ(choix.RadioCoche, Differences);
    EXPECT_EQ(choix.PositionScroll, 250);
    EXPECT_EQ(choix.Nom, "ZOÉ");

    // Nothing saved yet: the first game and puzzle, and no read outside the table.
    g.TypeJeuChoisi = 0;
    g.NumeroTableauChoisi = 0;
    choix.FormActivate();
    EXPECT_EQ(choix.RadioCoche, Labyrinthe);
    EXPECT_EQ(choix.PositionScroll, 1);
    EXPECT_EQ(choix.CaptionNumeroTableau, "Cogitelle n° 1");
}

TEST(ChoixTableau, ValiderSansNomNeChangeRien)
{
    Banc banc;
    GameState& g = banc.g();
    g.TypeJeu = Labyrinthe;
    g.NumeroTableau = 5;
    g.NomJoueur = "ANCIEN";
    g.TypeJeuChoisi = Memoire;
    g.NumeroTableauChoisi = 77;
    ChoixTableau choix(banc.ctx);
    choix.FormActivate();
    choix.editYourNameDblClick();
    EXPECT_EQ(choix.Nom, "");
    const uint64_t tirages = banc.hasard.Tirages();

    EXPECT_FALSE(choix.ValiderChoix());
    ASSERT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_EQ(banc.ports.messages[0], "Veuillez saisir votre nom !");
    EXPECT_EQ(g.TypeJeu, Labyrinthe);
    EXPECT_EQ(g.NumeroTableau, 5);
    EXPECT_EQ(g.NomJoueur, "ANCIEN");
    EXPECT_EQ(g.TypeJeuDialogue, Memoire);
    EXPECT_EQ(g.NumeroTableauSelectionne, 77);
    EXPECT_EQ(choix.PositionScroll, 77);
    EXPECT_EQ(banc.hasard.Tirages(), tirages);

    choix.Nom = "PAUL";
    EXPECT_TRUE(choix.ValiderChoix());
    EXPECT_EQ(banc.ports.messages.size(), 1u);
    EXPECT_EQ(g.TypeJeu, Memoire);
    EXPECT_EQ(g.NumeroTableau, 77);
    EXPECT_EQ(g.NomJoueur, "PAUL");
    // The confirmation sets the game; starting it is the caller's step.
    EXPECT_FALSE(banc.k().timerScore.Enabled);
}

TEST(ChoixTableau, HasardJamaisLaSelectionCouranteEtTirageDuNumeroPuisDuJeu)
{
    Banc banc;
    GameState& g = banc.g();
    g.TypeJeu = CarreMagique;
    g.NumeroTableau = 9;
    ChoixTableau choix(banc.ctx);
    int repetitions = 0;
    for (int k = 0; k < 3000; ++k) {
        const int ms = (k * 28813) % 86400000;
        banc.ports.millisecondes = ms;
        // The reference: a then t from the clock's seed, until both differ from the selection.
        // Half of the cases select the first pair itself, so the loop must draw again.
        PuzzleRandom ref;
        ref.SeedFromMillisecondes(ms);
        int32_t a0 = ref.Draw(500), t0 = ref.Draw(5);
        if (k % 2 == 0) {
            g.NumeroTableauSelectionne = a0;
            g.TypeJeuDialogue = t0;
        } else {
            g.NumeroTableauSelectionne = 1 + k % 500;
            g.TypeJeuDialogue = 1 + k % 5;
        }
        const int32_t numero = g.NumeroTableauSelectionne, type = g.TypeJeuDialogue;
        int32_t a = a0, t = t0;
        int tours = 1;
        while (a == numero || t == type) {
            a = ref.Draw(500);
            t = ref.Draw(5);
            ++tours;
        }
        repetitions += tours > 1;
        const uint64_t avant = banc.hasard.Tirages();

        choix.panelAleatoireClick();
        ASSERT_NE(g.NumeroTableauSelectionne, numero) << ms;
        ASSERT_NE(g.TypeJeuDialogue, type) << ms;
        ASSERT_EQ(g.NumeroTableauSelectionne, a) << ms;
        ASSERT_EQ(g.TypeJeuDialogue, t) << ms;
        ASSERT_EQ(banc.hasard.Tirages() - avant, 2u * tours) << ms;
        ASSERT_EQ(choix.RadioCoche, t);
        ASSERT_EQ(choix.PositionScroll, a);
        ASSERT_EQ(choix.CaptionNumeroTableau, "Cogitelle n° " + std::to_string(a));
    }
    EXPECT_GE(repetitions, 1500);
    // The pick only selects: the game in play is untouched.
    EXPECT_EQ(g.TypeJeu, CarreMagique);
    EXPECT_EQ(g.NumeroTableau, 9);
    EXPECT_FALSE(banc.k().timerScore.Enabled);
}

TEST(ChoixTableau, SaisieDuNom)
{
    EXPECT_EQ(NomApresSaisie("", "jean-noël"), "JEAN-NOËL");
    EXPECT_EQ(NomApresSaisie("", "ÿœšž€"), "ŸŒŠŽ€");
    // Characters Windows-1252 cannot hold, and controls, are dropped.
    EXPECT_EQ(NomApresSaisie("", "日本a\tb😀c"), "ABC");
    EXPECT_EQ(NomApresSaisie("", "\xff" "d"), "D");
    // A long paste into a field with room is cut to 12 characters.
    EXPECT_EQ(NomApresSaisie("", "élisabeth-marguerite"), "ÉLISABETH-MA");
    EXPECT_EQ(NomApresSaisie("AB", "AB日本語日本語日本語日本語CDEFGHIJKLMN"), "ABCDEFGHIJKL");
    // A full field refuses what would make it longer, wherever it is typed.
    EXPECT_EQ(NomApresSaisie("ABCDEFGHIJKL", "ABCDEFGHIJKLm"), "ABCDEFGHIJKL");
    EXPECT_EQ(NomApresSaisie("ABCDEFGHIJKL", "AxBCDEFGHIJKL"), "ABCDEFGHIJKL");
    // ... but keeps edits that leave it at 12 or fewer, dropped characters included.
    EXPECT_EQ(NomApresSaisie("ABCDEFGHIJKL", "ABCDEFGHIJKL日"), "ABCDEFGHIJKL");
    EXPECT_EQ(NomApresSaisie("ABCDEFGHIJKL", "ABCDEFGHIJK"), "ABCDEFGHIJK");
    EXPECT_EQ(NombreCaracteres("ÉLODIE€"), 7u);
    EXPECT_EQ(NormaliserSaisie("abcdefghijklmnop"), "ABCDEFGHIJKLMNOP");
}
