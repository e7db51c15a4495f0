// The windows as data: what a front end makes of the descriptions (places, type, tab order,
// menus, start screen) and the viewer's rules, checked without a display.
#include <gtest/gtest.h>

#include "session/Session.h"
#include "store/MeilleursScores.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::Banc;

namespace {

std::vector<std::string> Noms(const DescriptionFenetre& d, const std::vector<int32_t>& indices)
{
    std::vector<std::string> noms;
    for (int32_t i : indices)
        noms.push_back(d.controles[static_cast<size_t>(i)].nom);
    return noms;
}

const ControleFenetre& C(const DescriptionFenetre& d, const char* nom)
{
    const int32_t i = d.Indice(nom);
    if (i < 0)
        throw std::runtime_error(nom);
    return d.controles[static_cast<size_t>(i)];
}

} // namespace

// The chooser as designed, and at a 1024-pixel screen's factor.
TEST(Descriptions, ChoixALaConceptionEtALEchelle)
{
    const DescriptionFenetre& d = ChoixTableau::Description();
    EXPECT_EQ(d.titre, "Choix du jeu et du numéro de cogitelle");
    EXPECT_EQ(d.largeur, 370);
    EXPECT_EQ(d.hauteur, 256);
    EXPECT_EQ(d.couleur, RGB(0x00, 0x80, 0xC0));
    struct Attendu {
        const char* nom;
        Genre genre;
        Rect place;
        const char* parent;
    };
    const Attendu attendus[] = {
        {"groupBoxTypeJeu", Genre::Groupe, {4, 4, 219, 139}, nullptr},
        {"rbTypeJeu1", Genre::Radio, {14, 24, 200, 17}, "groupBoxTypeJeu"},
        {"rbTypeJeu5", Genre::Radio, {14, 112, 200, 17}, "groupBoxTypeJeu"},
        {"Panel1", Genre::Panneau, {228, 4, 139, 27}, nullptr},
        {"editYourName", Genre::Saisie, {226, 32, 141, 21}, nullptr},
        {"panelRecordMixte", Genre::Panneau, {226, 62, 140, 23}, nullptr},
        {"panelNomRecordMixte", Genre::Panneau, {226, 86, 140, 29}, nullptr},
        {"panelScoreRecordMixte", Genre::Panneau, {226, 116, 140, 27}, nullptr},
        {"panelNumeroTableau", Genre::Panneau, {4, 146, 360, 29}, nullptr},
        {"scrollBarChoixTableau", Genre::Defilement, {4, 178, 360, 19}, nullptr},
        {"panelAleatoire", Genre::BoutonPanneau, {4, 204, 360, 22}, nullptr},
        {"buttonCancel", Genre::BoutonPanneau, {4, 230, 115, 22}, nullptr},
        {"buttonOK", Genre::BoutonPanneau, {122, 230, 243, 22}, nullptr},
    };
    EXPECT_EQ(d.controles.size(), 16u);
    for (const Attendu& a : attendus) {
        const ControleFenetre& c = C(d, a.nom);
        EXPECT_EQ(c.genre, a.genre) << a.nom;
        EXPECT_EQ(c.design, a.place) << a.nom;
        EXPECT_EQ(c.parent, a.parent ? d.Indice(a.parent) : -1) << a.nom;
    }
    const ControleFenetre& barre = C(d, "scrollBarChoixTableau");
    EXPECT_EQ(barre.min, 1);
    EXPECT_EQ(barre.max, 500);
    EXPECT_EQ(barre.pasGrand, 10);
    EXPECT_EQ(C(d, "editYourName").longueurMax, 12);
    EXPECT_EQ(C(d, "buttonOK").largeurBiseau, 2);
    EXPECT_EQ(C(d, "buttonOK").curseur, Curseur::FlecheHaut);
    EXPECT_EQ(C(d, "panelNumeroTableau").police, Police(FamillePolice::Times, 32));
    EXPECT_EQ(C(d, "rbTypeJeu3").police, Police(FamillePolice::SansSerif, 13, false, true));

    // Tab goes through the controls that act, in the designed order; the group box stands for
    // its radio buttons; the panels that only show something take no focus.
    EXPECT_EQ(Noms(d, OrdreTabulation(d)),
        (std::vector<std::string>{"scrollBarChoixTableau", "editYourName", "panelAleatoire", "buttonOK", "buttonCancel",
            "rbTypeJeu1", "rbTypeJeu2", "rbTypeJeu3", "rbTypeJeu4", "rbTypeJeu5"}));

    // A screen 1024 pixels wide: everything at 1.28, type included.
    const std::vector<Rect> places = PlacesALEchelle(d, 1.28);
    EXPECT_EQ(places[static_cast<size_t>(d.Indice("buttonOK"))], (Rect{156, 294, 311, 28}));
    EXPECT_EQ(places[static_cast<size_t>(d.Indice("rbTypeJeu5"))], (Rect{18, 143, 256, 22}));
    EXPECT_EQ(AEchelle(d.largeur, 1.28), 474);
    EXPECT_EQ(TaillePolice(C(d, "panelNumeroTableau").police, 1.28), 41);
    EXPECT_EQ(TaillePolice(C(d, "buttonOK").police, 1.28), 17);
    EXPECT_EQ(TaillePolice(d.police, 1.28), 14);
}

// The viewer's grid: built from the central panel at the dialog's scale, rows filling it.
TEST(Descriptions, GrilleDesScoresALEchelle)
{
    const DescriptionFenetre& d = DetailMeilleursScores::Description();
    EXPECT_EQ(d.largeur, 430);
    EXPECT_EQ(d.hauteur, 356);
    EXPECT_EQ(d.controles.size(), 37u);
    const int32_t central = d.Indice("panelCentral");
    for (int r = 1; r <= 10; ++r) {
        const int haut = 5 + (r - 1) * 20;
        EXPECT_EQ(C(d, ("panelRang" + std::to_string(r)).c_str()).design, (Rect{5, haut, 20, 20}));
        EXPECT_EQ(C(d, ("panelNom" + std::to_string(r)).c_str()).design, (Rect{25, haut, 193, 20}));
        EXPECT_EQ(C(d, ("panelScore" + std::to_string(r)).c_str()).design, (Rect{218, haut, 193, 20}));
        EXPECT_EQ(C(d, ("panelScore" + std::to_string(r)).c_str()).parent, central);
    }
    // Row by row: rank, name, score.
    EXPECT_EQ(d.controles[static_cast<size_t>(d.Indice("panelRang2")) + 1].nom, "panelNom2");
    EXPECT_TRUE(OrdreTabulation(d).empty());

    // 1.28: 417 x 210 becomes 534 x 269; margins of 6, rows of (269 - 12) div 10 = 25, the panel
    // trimmed to 262; the rank column 26 wide, the name and score cells 248.
    const std::vector<Rect> places = DetailMeilleursScores::Places(1.28);
    auto place = [&](const char* nom) { return places[static_cast<size_t>(d.Indice(nom))]; };
    EXPECT_EQ(place("panelCentral"), (Rect{8, 120, 534, 262}));
    EXPECT_EQ(place("panelRang10"), (Rect{6, 231, 26, 25}));
    EXPECT_EQ(place("panelNom10"), (Rect{32, 231, 248, 25}));
    EXPECT_EQ(place("panelScore10"), (Rect{280, 231, 248, 25}));
    EXPECT_EQ(place("panelOkHighScores"), (Rect{10, 397, 531, 52}));
    EXPECT_EQ(TaillePolice(C(d, "panelNom1").police, 1.28), 13);
    EXPECT_TRUE(C(d, "panelNom1").police.points);
    // At the design size the grid is the design's.
    const std::vector<Rect> design = DetailMeilleursScores::Places(1.0);
    for (size_t i = 0; i < d.controles.size(); ++i)
        EXPECT_EQ(design[i], d.controles[i].design) << d.controles[i].nom;
}

// The viewer reads one list at a time, any request brought into range; its keys browse.
TEST(Descriptions, VisionneuseLitEtParcourt)
{
    Banc banc;
    Session& s = banc.session;
    s.CreerFenetrePrincipale(800, 600, 96);
    GameState& g = s.etat;
    ASSERT_EQ(InsererScore(banc.ctx, CarreMagique, 12, "ÉLODIE", 99999), 1);
    g.TypeJeuChoisi = CarreMagique;
    g.NumeroTableauChoisi = 12;
    DetailMeilleursScores& v = s.Scores();
    v.FormActivate();
    const DescriptionFenetre& d = DetailMeilleursScores::Description();
    auto caption = [&](const char* nom) { return v.Etats()[static_cast<size_t>(d.Indice(nom))].caption; };
    EXPECT_EQ(caption("panelTypeJeu"), "CARRES MAGIQUES");
    EXPECT_EQ(caption("panelNumeroTableau"), "Cogitelle n° 12");
    EXPECT_EQ(caption("panelNom1"), "ÉLODIE");
    EXPECT_EQ(caption("panelScore1"), "99999");
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(caption(("panelRang" + std::to_string(r)).c_str()), std::to_string(r));
    EXPECT_EQ(caption("panelMeilleursScores"), "MEILLEURS SCORES");

    struct Cas { ToucheDefilement touche; TTypeJeu type; int32_t numero; };
    using T = ToucheDefilement;
    for (const Cas& c : {Cas{T::Bas, 2, 13}, Cas{T::PageSuivante, 2, 23}, Cas{T::Droite, 3, 23}, Cas{T::Fin, 3, 500},
             Cas{T::PageSuivante, 3, 500}, Cas{T::Gauche, 2, 500}, Cas{T::Debut, 2, 1}, Cas{T::Haut, 2, 1}}) {
        v.Defiler(c.touche);
        EXPECT_EQ(v.Type, c.type);
        EXPECT_EQ(v.Numero, c.numero);
        EXPECT_EQ(v.Etats()[static_cast<size_t>(v.iBarreNumero)].position, c.numero);
        EXPECT_EQ(caption("panelNom3"), NomEnregistrement(g.MeilleursScores(c.type, c.numero, 3)));
    }
    // Browsing reads only.
    EXPECT_EQ(g.TypeJeuDialogue, CarreMagique);
    EXPECT_EQ(g.NumeroTableauDialogue, 12);

    // Out of range, from a damaged selection: brought in, never read outside the table.
    v.AfficherMeilleursScoresDetail(9, 0);
    EXPECT_EQ(v.Type, 5);
    EXPECT_EQ(v.Numero, 1);
    v.Change(v.iBarreNumero, 777);
    EXPECT_EQ(v.Numero, 500);
    EXPECT_EQ(caption("panelTypeJeu"), "JEU DE LA MEMOIRE");

    EXPECT_EQ(v.Clic(v.iOK), Issue::Fermer);
    EXPECT_EQ(v.Clic(v.iCentral), Issue::Rien);
    EXPECT_EQ(v.Touche(ToucheFenetre::Entree), Issue::Fermer);
    EXPECT_EQ(v.Touche(ToucheFenetre::Echappement), Issue::Fermer);
    EXPECT_EQ(v.Touche(ToucheFenetre::Espace), Issue::Rien);
}

// The menu bar: menus, mnemonics, items, separators, shortcuts and the command each runs.
TEST(Descriptions, MenusEtLeursCommandes)
{
    const std::vector<Menu> menus = DecrireMenus(false);
    std::vector<std::string> vus;
    for (const Menu& m : menus) {
        std::string ligne = m.caption + ":";
        for (const ElementMenu& e : m.elements)
            ligne += " " + (e.Separateur() ? std::string("-")
                                           : e.nom + "=" + std::to_string(e.commande) + (e.cochable ? "v" : "") +
                                                 TexteRaccourci(e.raccourci));
        vus.push_back(ligne);
    }
    EXPECT_EQ(vus, (std::vector<std::string>{
                       "&Cogitelle: menuLabyrinthe=1v menuCarresMagiques=2v menuDifferences=3v menuSerpentin=4v "
                       "menuMemoire=5v - Quitter1=10F9",
                       "&Meilleurs scores: menuDetailHighScores=11 menuRecreerHighScores=12",
                       "&Options: menuCouleurFondEcran=13 menuCouleurTableauDeJeu=14",
                       "&Aide: menuSommaire=15F1 - menuAPropos=16",
                   }));
    EXPECT_EQ(menus[0].elements[6].caption, "Quitter");
    EXPECT_EQ(menus[1].elements[1].caption, "Recréer les meilleurs scores");

    // The browser's menu adds the exchange of the records, after a separator.
    const std::vector<Menu> web = DecrireMenus(true);
    ASSERT_EQ(web[1].elements.size(), 5u);
    EXPECT_TRUE(web[1].elements[2].Separateur());
    EXPECT_EQ(web[1].elements[3].commande, cmdExporterScores);
    EXPECT_EQ(web[1].elements[4].commande, cmdImporterScores);
}

// The start screen at the design size and on a 1920-pixel screen: the buttons where the design
// puts them, the pictures inside their box, Enter and Space start in French.
TEST(Descriptions, EcranDeDemarrage)
{
    EcranDemarrage e;
    e.Creer(1.0, "COGITELLE I");
    EXPECT_EQ(e.LargeurEcran(), 425);
    EXPECT_EQ(e.HauteurEcran(), 304);
    EXPECT_EQ(e.Bouton(1).vue.rect(), (Rect{26, 212, 373, 33}));
    EXPECT_EQ(e.Bouton(1).vue.Caption(), "DEMARRER");
    EXPECT_EQ(e.Bouton(2).vue.rect(), (Rect{309, 256, 90, 22}));
    EXPECT_EQ(e.Bouton(2).vue.Caption(), "ENGLISH");
    EXPECT_EQ(e.Bouton(1).vue.curseur(), Curseur::Main);
    EXPECT_EQ(e.Bouton(1).vue.TaillePolice(), 16);   // 21 pixels
    const ElementDessin& boite = e.Dessin()[0];
    EXPECT_EQ(boite.vue.BiseauExterieur(), Biseau::Abaisse);
    EXPECT_EQ(boite.vue.BiseauInterieur(), Biseau::Releve);
    EXPECT_EQ(e.Dessin()[1].vue.Caption(), "COGITELLE I");
    EXPECT_EQ(e.Dessin()[1].police, Police(FamillePolice::Times, 32, false, true));

    // Two black pictures; every cell and wall inside its picture, none over another.
    std::vector<Rect> images;
    for (const ElementDessin& d : e.Dessin())
        if (d.vue.couleur() == couleurs::Noir)
            images.push_back(d.vue.rect());
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0], (Rect{62, 84, 112, 112}));
    EXPECT_EQ(images[1], (Rect{251, 84, 112, 112}));
    int cases = 0, murs = 0;
    for (size_t i = 2; i < e.Dessin().size(); ++i) {
        const Rect& r = e.Dessin()[i].vue.rect();
        if (e.Dessin()[i].vue.couleur() == couleurs::Noir)
            continue;
        const Rect& image = r.left < images[1].left ? images[0] : images[1];
        EXPECT_TRUE(image.contient(r.left, r.top) && image.contient(r.right() - 1, r.bottom() - 1)) << i;
        for (size_t j = 2; j < i; ++j) {
            const Rect& s = e.Dessin()[j].vue.rect();
            if (e.Dessin()[j].vue.couleur() != couleurs::Noir) {
                EXPECT_FALSE(r.left < s.right() && s.left < r.right() && r.top < s.bottom() && s.top < r.bottom())
                    << i << " " << j;
            }
        }
        (e.Dessin()[i].vue.Caption().empty() ? murs : cases)++;
    }
    // The maze: the start, the exit and six numbers; the square: nine numbers and twelve sums.
    EXPECT_EQ(cases, 8 + 9 + 12);
    EXPECT_GT(murs, 0);

    e.Creer(2.4, "COGITELLE I");
    EXPECT_EQ(e.LargeurEcran(), 1020);
    EXPECT_EQ(e.HauteurEcran(), 730);
    EXPECT_EQ(e.Bouton(1).vue.rect().width, 895);
    EXPECT_EQ(e.Bouton(1).vue.rect().height, 79);

    e.Enfoncer(1, true);
    EXPECT_EQ(e.Bouton(1).vue.BiseauExterieur(), Biseau::Abaisse);
    EXPECT_EQ(e.Bouton(2).vue.BiseauExterieur(), Biseau::Releve);
    e.Enfoncer(1, false);
    EXPECT_EQ(e.Bouton(1).vue.BiseauExterieur(), Biseau::Releve);
    EXPECT_EQ(EcranDemarrage::LangueDeLaTouche(ToucheFenetre::Entree), 1);
    EXPECT_EQ(EcranDemarrage::LangueDeLaTouche(ToucheFenetre::Espace), 1);
    EXPECT_EQ(EcranDemarrage::LangueDeLaTouche(ToucheFenetre::Echappement), 0);
}
