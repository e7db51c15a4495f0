// The windows on a phone held upright: which viewports get the upright layout, every text and
// every control that takes a tap large enough on the phones people hold, nothing overlapping;
// and a finger's tap beside the maze's glutton moving it as the arrow does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "session/Portrait.h"
#include "session/Session.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

bool SeChevauchent(const Rect& a, const Rect& b)
{
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool Dans(const Rect& r, int32_t largeur, int32_t hauteur)
{
    return r.left >= 0 && r.top >= 0 && r.right() <= largeur && r.bottom() <= hauteur;
}

// Checks a dialog laid out upright: every control placed inside its parent (the window for
// none), no two controls of one parent overlapping, every text and every control that acts
// large enough.
void VerifierDialogue(const DescriptionFenetre& d, const DialoguePortrait& p, int32_t largeurCss)
{
    SCOPED_TRACE(d.nom + " at " + std::to_string(largeurCss));
    EXPECT_LE(p.largeur + 2, largeurCss);
    EXPECT_GE(p.taille, TexteMinimal);
    ASSERT_EQ(p.places.size(), d.controles.size());
    for (size_t i = 0; i < d.controles.size(); ++i) {
        const ControleFenetre& c = d.controles[i];
        const Rect& r = p.places[i].place;
        SCOPED_TRACE(c.nom);
        EXPECT_GT(r.width, 0);
        EXPECT_GE(p.places[i].taille, TexteMinimal);
        const Rect parent = c.parent < 0 ? Rect{0, 0, p.largeur, p.hauteur} : p.places[static_cast<size_t>(c.parent)].place;
        EXPECT_TRUE(Dans(r, parent.width, parent.height));
        if (c.genre == Genre::BoutonPanneau || c.genre == Genre::Radio || c.genre == Genre::Saisie ||
            c.genre == Genre::Defilement) {
            EXPECT_GE(r.height, CibleMinimale);
            EXPECT_GE(r.width, CibleMinimale * (c.genre == Genre::Defilement ? 3 : 1));
        }
        for (size_t j = 0; j < i; ++j) {
            if (d.controles[j].parent == c.parent) {
                EXPECT_FALSE(SeChevauchent(r, p.places[j].place)) << "over " << d.controles[j].nom;
            }
        }
    }
}

} // namespace

TEST(Portrait, SeulUnTelephoneTenuDebout)
{
    EXPECT_TRUE(EstPortrait(390, 844));
    EXPECT_TRUE(EstPortrait(320, 568));
    EXPECT_FALSE(EstPortrait(844, 390));    // the same phone turned
    EXPECT_FALSE(EstPortrait(768, 1024));   // a tablet upright
    EXPECT_FALSE(EstPortrait(800, 600));
    EXPECT_FALSE(EstPortrait(500, 500));

    int32_t l = 0, h = 0;
    EcranDeReference(390, 844, l, h);
    EXPECT_EQ(l, 800);
    EXPECT_EQ(h, 600);
    EcranDeReference(1920, 1080, l, h);
    EXPECT_EQ(l, 1920);
    EXPECT_EQ(h, 1080);
    EcranDeReference(844, 390, l, h);
    EXPECT_EQ(l, 844);
    EXPECT_EQ(h, 600);
}

// The main window upright on the narrowest to the widest phone: as wide as the phone, the board
// at the top, every group of panels below it, every side control placed inside its group, the
// siblings apart, the texts and the buttons large enough in CSS pixels.
TEST(Portrait, LaFenetrePrincipaleSousLePlateau)
{
    Banc b;
    b.session.CreerFenetrePrincipale(800, 600, 96);
    const std::vector<PlaceControle>& d = b.session.Principale().Disposition();
    for (int32_t largeurCss : {320, 360, 390, 430, 600}) {
        SCOPED_TRACE(largeurCss);
        const FenetrePortrait f = DisposerPortrait(b.session.Principale(), b.g().FacteurEcranX, b.g().FacteurEcranY, largeurCss);
        EXPECT_NEAR(f.largeur * f.echelle, largeurCss, 0.01);
        EXPECT_EQ(f.largeur, 608);
        EXPECT_GE(f.hauteurMenus, CibleMinimale);
        EXPECT_GE(f.policeMenus, TexteMinimal);
        ASSERT_EQ(f.places.size(), d.size());
        const Rect plateau{4, 4, 600, 525};
        for (size_t i = 0; i < d.size(); ++i) {
            SCOPED_TRACE(d[i].nom);
            const Rect& r = f.places[i].place;
            EXPECT_GE(f.places[i].taille * f.echelle, TexteMinimal - 1e-9);
            if (d[i].cliquable()) {
                EXPECT_GE(r.height * f.echelle, CibleMinimale - 1e-9);
                EXPECT_GE(r.width * f.echelle, CibleMinimale - 1e-9);
            }
            if (!d[i].parent) {
                EXPECT_TRUE(Dans(r, f.largeur, f.hauteur));
                EXPECT_GE(r.top, plateau.bottom());
            } else {
                size_t p = 0;
                while (d[p].controle != d[i].parent)
                    ++p;
                EXPECT_TRUE(Dans(r, f.places[p].place.width, f.places[p].place.height));
            }
            // The info label lies in its frame; nothing else overlaps a sibling.
            for (size_t j = 0; j < i; ++j) {
                if (d[j].parent == d[i].parent && std::string(d[i].nom) != "Shape1") {
                    EXPECT_FALSE(SeChevauchent(r, f.places[j].place)) << "over " << d[j].nom;
                }
            }
        }
    }
}

TEST(Portrait, LesDialoguesAussiLargesQueLeTelephone)
{
    for (int32_t largeurCss : {320, 390, 430}) {
        VerifierDialogue(ChoixTableau::Description(), ChoixTableauPortrait(largeurCss), largeurCss);
        VerifierDialogue(DetailMeilleursScores::Description(), DetailMeilleursScoresPortrait(largeurCss), largeurCss);
    }
    // Both fit a phone's height with their title bar and the browser's own bars.
    EXPECT_LE(ChoixTableauPortrait(390).hauteur, 640);
    EXPECT_LE(DetailMeilleursScoresPortrait(390).hauteur, 640);
}

// A tap on each cell around the glutton moves, costs and earns what the arrow to it does, a wall
// in the way included; a tap on the glutton itself or two cells away is the mouse's left press.
// The start screen upright on the narrowest to the widest phone: as wide as the phone, its two
// buttons below the pictures and apart, each a finger's size, every text readable.
TEST(Portrait, LEcranDeDemarrageDebout)
{
    Banc b;
    for (int32_t largeurCss : {320, 360, 390, 430, 600}) {
        SCOPED_TRACE(largeurCss);
        b.session.CreerEcranDemarrageDebout(largeurCss);
        const EcranDemarrage& e = b.session.Demarrage();
        EXPECT_EQ(e.LargeurEcran(), largeurCss);
        const Rect boite = e.Dessin().front().vue.rect();
        EXPECT_TRUE(Dans(boite, e.LargeurEcran(), e.HauteurEcran()));
        int32_t basDesImages = 0;
        for (const ElementDessin& d : e.Dessin()) {
            EXPECT_TRUE(Dans(d.vue.rect(), e.LargeurEcran(), e.HauteurEcran()));
            if (!d.vue.Caption().empty()) {
                EXPECT_GE(d.police.taille * 96.0 / 72.0, TexteMinimal) << d.vue.Caption();
            }
            if (&d != &e.Dessin().front())
                basDesImages = std::max(basDesImages, d.vue.rect().bottom());
        }
        const Rect demarrer = e.Bouton(1).vue.rect(), english = e.Bouton(2).vue.rect();
        for (const Rect& r : {demarrer, english}) {
            EXPECT_GE(r.width, CibleMinimale);
            EXPECT_GE(r.height, CibleMinimale);
            EXPECT_TRUE(Dans(r, boite.right(), boite.bottom()));
            EXPECT_GE(r.top, basDesImages);
        }
        EXPECT_FALSE(SeChevauchent(demarrer, english));
        for (int32_t langue = 1; langue <= EcranDemarrage::NbBoutons; ++langue)
            EXPECT_GE(e.Bouton(langue).police.taille * 96.0 / 72.0, TexteMinimal);
    }
}

TEST(Portrait, UneTapeACoteDuGloutonEstUneFleche)
{
    const std::pair<int, Fleche> voisins[] = {{-100, Fleche::Gauche}, {100, Fleche::Droite}, {-1, Fleche::Haut}, {1, Fleche::Bas}};
    for (int32_t numero : {1, 137, 500}) {
        Banc depart;
        depart.Jouer(Labyrinthe, numero);
        const int32_t tag = depart.g().PosX * 100 + depart.g().PosY;
        int deplacements = 0;
        for (const auto& [decalage, fleche] : voisins) {
            SCOPED_TRACE(std::to_string(numero) + " " + std::to_string(decalage));
            Banc tape, cle;
            tape.Jouer(Labyrinthe, numero);
            cle.Jouer(Labyrinthe, numero);
            tape.session.Toucher(tag + decalage);
            cle.session.Fleche(fleche);
            EXPECT_EQ(tape.g().PosX, cle.g().PosX);
            EXPECT_EQ(tape.g().PosY, cle.g().PosY);
            EXPECT_EQ(tape.g().Score, cle.g().Score);
            EXPECT_EQ(tape.g().CompteurGlouton, cle.g().CompteurGlouton);
            deplacements += tape.g().PosX * 100 + tape.g().PosY != tag;
        }
        EXPECT_GE(deplacements, 1) << "the glutton leaves its corner by some tap";
        for (int32_t loin : {tag, tag + 2, tag + 202}) {
            Banc tape, souris;
            tape.Jouer(Labyrinthe, numero);
            souris.Jouer(Labyrinthe, numero);
            tape.session.Toucher(loin);
            souris.session.Case(loin, BoutonSouris::Gauche, ssLeft);
            EXPECT_EQ(tape.g().PosX * 100 + tape.g().PosY, tag);
            EXPECT_EQ(tape.g().Score, souris.g().Score);
        }
    }
    // In another game a tap is the left press.
    Banc tape, souris;
    tape.Jouer(Differences, 3);
    souris.Jouer(Differences, 3);
    const int32_t tag = (tape.g().PosX + 1) * 100 + tape.g().PosY;
    tape.session.Toucher(tag);
    souris.session.Case(tag, BoutonSouris::Gauche, ssLeft);
    EXPECT_EQ(tape.g().PosX, souris.g().PosX);
    EXPECT_EQ(tape.g().Score, souris.g().Score);
}
