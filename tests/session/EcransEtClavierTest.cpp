// The rules both front ends share for wide screens and the keyboard: the fonts of boxes scaled by
// both factors, the dialogs' factor and place, the scroll bars' keys, the typed puzzle number, the
// double click, and the data folder of the installed game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/DossierDonnees.h"
#include "session/Echelles.h"
#include "session/Entrees.h"

using namespace cogitelle;

namespace {

struct Ecran {
    int largeur, hauteur;
    double fx() const { return largeur / 800.0; }
    double fy() const { return hauteur / 600.0; }
};

} // namespace

TEST(Echelles, PolicesDesBoitesSuiventLePlusPetitFacteur)
{
    // The design screen and the 4:3 screens keep the sizes they had.
    EXPECT_EQ(TaillePoliceInfo(1, 1), 9);
    EXPECT_EQ(TaillePolicePanneaux(1, 1), 8);
    EXPECT_EQ(TaillePoliceInfo(1.28, 1.28), 12);
    // Wide screens: the height factor limits them, never the width factor.
    struct Cas { Ecran e; int info, panneaux; };
    for (const Cas& c : {Cas{{1366, 768}, 12, 10}, Cas{{1920, 1080}, 16, 14}, Cas{{2560, 1080}, 16, 14},
             Cas{{1280, 720}, 11, 10}, Cas{{2560, 1440}, 22, 19}}) {
        EXPECT_EQ(TaillePoliceInfo(c.e.fx(), c.e.fy()), c.info) << c.e.largeur;
        EXPECT_EQ(TaillePolicePanneaux(c.e.fx(), c.e.fy()), c.panneaux) << c.e.largeur;
    }
    // A tall screen: the width factor limits.
    EXPECT_EQ(TaillePoliceInfo(1.0, 2.0), 9);
}

TEST(Echelles, DialogueEntierALEcran)
{
    // The chooser (370 x 256) and the viewer (430 x 356) on the design screen: unchanged.
    EXPECT_DOUBLE_EQ(FacteurDialogue(1, 1, 430, 356, 800, 570, 40), 1.0);
    EXPECT_DOUBLE_EQ(FacteurDialogue(1.28, 1.28, 430, 356, 1024, 740, 40), 1.28);
    // 1920 x 1080 and 2560 x 1080: the height factor, so the viewer is 641 tall, not 1139.
    EXPECT_DOUBLE_EQ(FacteurDialogue(2.4, 1.8, 430, 356, 1920, 1040, 40), 1.8);
    EXPECT_DOUBLE_EQ(FacteurDialogue(3.2, 1.8, 430, 356, 2560, 1040, 40), 1.8);
    // A free area smaller than the scaled dialog (a tall panel at the bottom): it fits, title
    // bar included.
    const double f = FacteurDialogue(1.8, 1.8, 430, 356, 1920, 600, 40);
    EXPECT_LE(356 * f + 40, 600.0);
    EXPECT_DOUBLE_EQ(f, 560.0 / 356);
    EXPECT_LE(430 * FacteurDialogue(2, 2, 430, 356, 700, 2000, 40), 700.0);
    // No free area known: the screen factors alone.
    EXPECT_DOUBLE_EQ(FacteurDialogue(2.4, 1.8, 430, 356, 0, 0, 40), 1.8);
}

TEST(Echelles, PlaceCentreeEtToujoursAtteignable)
{
    EXPECT_EQ(PlaceDansZone(400, 300, Rect{0, 0, 800, 600}), (Rect{200, 150, 400, 300}));
    // An area that does not start at the corner (a panel at the top or the left).
    EXPECT_EQ(PlaceDansZone(400, 300, Rect{50, 30, 800, 570}), (Rect{250, 165, 400, 300}));
    // Larger than the area: the title bar stays at its top-left corner, never above or left of it.
    EXPECT_EQ(PlaceDansZone(900, 700, Rect{10, 20, 800, 600}), (Rect{10, 20, 900, 700}));
}

TEST(Echelles, TailleQuiTient)
{
    // The largest size that fits, searched from the given one down.
    std::vector<int32_t> essais;
    EXPECT_EQ(TailleQuiTient(20, [&](int32_t t) {
        essais.push_back(t);
        return t <= 17;
    }),
        17);
    EXPECT_EQ(essais, (std::vector<int32_t>{20, 19, 18, 17}));
    EXPECT_EQ(TailleQuiTient(12, [](int32_t) { return true; }), 12);
    // Nothing fits: the smallest size, never 0.
    EXPECT_EQ(TailleQuiTient(5, [](int32_t) { return false; }), 1);
    EXPECT_EQ(TailleQuiTient(0, [](int32_t) { return false; }), 1);
}

TEST(Entrees, BarreDeDefilementDansLeSensDuBureau)
{
    using T = ToucheDefilement;
    EXPECT_EQ(PositionApresTouche(T::Droite, 37, 1, 500, 10), 38);
    EXPECT_EQ(PositionApresTouche(T::Bas, 37, 1, 500, 10), 38);
    EXPECT_EQ(PositionApresTouche(T::PageSuivante, 37, 1, 500, 10), 47);
    EXPECT_EQ(PositionApresTouche(T::Gauche, 37, 1, 500, 10), 36);
    EXPECT_EQ(PositionApresTouche(T::Haut, 37, 1, 500, 10), 36);
    EXPECT_EQ(PositionApresTouche(T::PagePrecedente, 37, 1, 500, 10), 27);
    EXPECT_EQ(PositionApresTouche(T::Debut, 37, 1, 500, 10), 1);
    EXPECT_EQ(PositionApresTouche(T::Fin, 37, 1, 500, 10), 500);
    // The ends hold.
    EXPECT_EQ(PositionApresTouche(T::PageSuivante, 495, 1, 500, 10), 500);
    EXPECT_EQ(PositionApresTouche(T::Gauche, 1, 1, 500, 10), 1);
    EXPECT_EQ(PositionApresTouche(T::PagePrecedente, 4, 1, 500, 10), 1);
    EXPECT_EQ(PositionApresTouche(T::Droite, 5, 1, 5, 1), 5);
}

TEST(Entrees, ChiffresTapesDansLaSeconde)
{
    SaisieNumero s;
    // 2, 5, 0 within a second of each other: 250, shown as it grows.
    EXPECT_EQ(s.Taper(2, 1000, 500), 2);
    EXPECT_EQ(s.Taper(5, 1400, 500), 25);
    EXPECT_EQ(s.Taper(0, 2300, 500), 250);
    // More than a second later: a new number.
    EXPECT_EQ(s.Taper(7, 3301, 500), 7);
    EXPECT_EQ(s.Taper(7, 4301, 500), 77);
    // A digit that would pass 500 starts again from it.
    EXPECT_EQ(s.Taper(9, 4500, 500), 9);
    EXPECT_EQ(s.Taper(5, 9000, 500), 5);
    EXPECT_EQ(s.Taper(0, 9100, 500), 50);
    EXPECT_EQ(s.Taper(0, 9200, 500), 500);
    EXPECT_EQ(s.Taper(1, 9300, 500), 1);
    // A leading 0 gives no number yet; the next digit does.
    EXPECT_EQ(s.Taper(0, 20000, 500), 0);
    EXPECT_EQ(s.Taper(8, 20100, 500), 8);
    // Forgotten (an arrow key meanwhile): the next digit starts a new number.
    s.Oublier();
    EXPECT_EQ(s.Taper(3, 20200, 500), 3);
    // A clock that went back does not join digits.
    EXPECT_EQ(s.Taper(4, 100, 500), 4);
    EXPECT_EQ(s.Taper(12, 150, 500), 0);
}

TEST(Entrees, UneActionParDoubleClic)
{
    EXPECT_TRUE(SecondePressionAgit(CibleSouris::Case));
    EXPECT_FALSE(SecondePressionAgit(CibleSouris::Mur));
    EXPECT_FALSE(SecondePressionAgit(CibleSouris::Panneau));
}

TEST(DossierDonnees, OptionEtDossierDeLUtilisateur)
{
    const char* avec[] = {"cogitelle", "-style", "fusion", "--dossier-donnees"};
    const char* sans[] = {"cogitelle", "--dossier-donnees=x", "dossier-donnees"};
    EXPECT_TRUE(DemandeDossierDonnees(4, avec));
    EXPECT_FALSE(DemandeDossierDonnees(3, sans));
    EXPECT_FALSE(DemandeDossierDonnees(1, avec));

    EXPECT_EQ(DossierDonneesUtilisateur("/home/ana/.data", "/home/ana"), "/home/ana/.data/cogitelle");
    EXPECT_EQ(DossierDonneesUtilisateur("/home/ana/.data/", "/home/ana"), "/home/ana/.data/cogitelle");
    // Unset, empty or relative: the default under the home folder.
    EXPECT_EQ(DossierDonneesUtilisateur(nullptr, "/home/ana"), "/home/ana/.local/share/cogitelle");
    EXPECT_EQ(DossierDonneesUtilisateur("", "/home/ana/"), "/home/ana/.local/share/cogitelle");
    EXPECT_EQ(DossierDonneesUtilisateur("donnees", "/home/ana"), "/home/ana/.local/share/cogitelle");
    EXPECT_EQ(DossierDonneesUtilisateur(nullptr, "/"), "/.local/share/cogitelle");
    // Nothing absolute to go by: no folder.
    EXPECT_EQ(DossierDonneesUtilisateur(nullptr, nullptr), "");
    EXPECT_EQ(DossierDonneesUtilisateur("rel", "rel"), "");
}

TEST(DossierDonnees, DossierDeLUtilisateurSousWindows)
{
    EXPECT_EQ(DossierDonneesWindows("C:\\Users\\Ana\\AppData\\Local"), "C:\\Users\\Ana\\AppData\\Local\\Cogitelle");
    EXPECT_EQ(DossierDonneesWindows("C:\\Users\\Ana\\AppData\\Local\\\\"), "C:\\Users\\Ana\\AppData\\Local\\Cogitelle");
    EXPECT_EQ(DossierDonneesWindows("D:\\"), "D:\\Cogitelle");
    EXPECT_EQ(DossierDonneesWindows("\\\\serveur\\profils\\ana"), "\\\\serveur\\profils\\ana\\Cogitelle");
    // Unset, empty, relative or a bare drive: no folder, the game stays where it was started.
    EXPECT_EQ(DossierDonneesWindows(nullptr), "");
    EXPECT_EQ(DossierDonneesWindows(""), "");
    EXPECT_EQ(DossierDonneesWindows("AppData\\Local"), "");
    EXPECT_EQ(DossierDonneesWindows("C:"), "");
    EXPECT_EQ(DossierDonneesWindows("C:AppData"), "");
    EXPECT_EQ(TexteDossierDonneesImpossible("D:\\x", "C:\\jeu"),
        "Le dossier des données « D:\\x » ne peut être ni créé ni ouvert. Les meilleurs scores seront lus et "
        "écrits dans le dossier courant « C:\\jeu ».");
}
