// The Windows program's main window driven as a player drives it: real windows on the screen,
// the mouse and keyboard messages Windows sends, the pixels read back from the screen. The figures
// are those the Qt front end's pixel tests expect on the 800 x 600 design screen.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <thread>

#include "ProgrammeWin.h"
#include "support/Invariants.h"

using namespace cogitelle;
using cogitelle::test::Image;
using cogitelle::test::ExpectRect;
using cogitelle::test::Garder;
using cogitelle::test::ProgrammeWin;

namespace {

constexpr Couleur CouleurPlateau = RGB(0x20, 0x30, 0x40);
constexpr Couleur Blanc = RGB(0xFF, 0xFF, 0xFF);
constexpr Couleur Gris = RGB(0x80, 0x80, 0x80);
constexpr Couleur Argent = RGB(0xC0, 0xC0, 0xC0);

// The board in a colour of its own, so that what shows through is seen.
struct Programme : ProgrammeWin {
    Programme() { g().CouleurTableauDeJeu = CouleurPlateau; }
    void Jouer(TTypeJeu type, int32_t numero)
    {
        g().CouleurTableauDeJeu = CouleurPlateau;
        ProgrammeWin::Jouer(type, numero);
    }
    RECT Place(HWND w) { return test::Place(w); }
    Image Plateau_() { return test::Capturer(Plateau()); }
};



} // namespace

TEST(FenetrePrincipaleWin, PlateauALEcranDeConception)
{
    Programme p;
    EXPECT_FALSE(IsWindowVisible(p.Plateau()));
    p.Jouer(Memoire, 1);
    ASSERT_TRUE(IsWindowVisible(p.Plateau()));
    ExpectRect(p.Place(p.Plateau()), 4, 4, 600, 524);
    {
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y) {
                p.k().Cases[x][y].SetVisible(true);
                p.k().Cases[x][y].SetCaption("");
            }
        p.f.Math().RafraichirVue();
        const Image im = p.Plateau_();
        const Couleur c11 = p.k().Cases[1][1].couleur(), c21 = p.k().Cases[2][1].couleur();
        EXPECT_EQ(im.Pixel(9, 60), CouleurPlateau);
        EXPECT_EQ(im.Pixel(10, 60), Blanc);
        EXPECT_EQ(im.Pixel(11, 60), c11);
        EXPECT_EQ(im.Pixel(153, 60), c11);
        EXPECT_EQ(im.Pixel(154, 60), Gris);
        EXPECT_EQ(im.Pixel(155, 60), Blanc);
        EXPECT_EQ(im.Pixel(156, 60), c21);
        EXPECT_EQ(im.Pixel(60, 9), CouleurPlateau);
        EXPECT_EQ(im.Pixel(60, 10), Blanc);
        EXPECT_EQ(im.Pixel(60, 135), Gris);
        EXPECT_EQ(im.Pixel(60, 136), Blanc);
        EXPECT_EQ(im.Pixel(589, 60), Gris);
        EXPECT_EQ(im.Pixel(590, 60), CouleurPlateau);
        // The board's own raised bevels, outer then inner.
        EXPECT_EQ(im.Pixel(0, 300), Blanc);
        EXPECT_EQ(im.Pixel(1, 300), Blanc);
        EXPECT_EQ(im.Pixel(599, 300), Gris);
        EXPECT_EQ(im.Pixel(598, 300), Gris);
        EXPECT_EQ(im.Pixel(2, 300), CouleurPlateau);
        // A hidden cell shows the board: only its rectangle is repainted.
        p.k().Cases[2][2].SetVisible(false);
        p.f.Math().RafraichirVue();
        EXPECT_EQ(p.Plateau_().Pixel(220, 200), CouleurPlateau);
    }

    p.Jouer(Differences, 1);
    ExpectRect(p.Place(p.Plateau()), 4, 4, 598, 522);
    {
        const Controles& k = p.k();
        const Image im = p.Plateau_();
        Garder(test::Capturer(p.f.Math().Fenetre()), "principale-differences");
        const Couleur cadre = k.CadresCases[1][1].CouleurStylo();
        const Couleur interieur = k.CadresInterieurs[1][1].CouleurStylo();
        const Couleur cellule = k.Cases[1][1].couleur();
        const int y = 30;
        EXPECT_EQ(im.Pixel(9, y), CouleurPlateau);
        EXPECT_EQ(im.Pixel(10, y), cadre);
        EXPECT_EQ(im.Pixel(11, y), cadre);
        EXPECT_EQ(im.Pixel(12, y), interieur);
        EXPECT_EQ(im.Pixel(13, y), interieur);
        EXPECT_EQ(im.Pixel(14, y), Blanc);
        EXPECT_EQ(im.Pixel(15, y), cellule);
        EXPECT_EQ(im.Pixel(121, y), Gris);
        EXPECT_EQ(im.Pixel(122, y), interieur);
        EXPECT_EQ(im.Pixel(124, y), cadre);
        EXPECT_EQ(im.Pixel(125, y), cadre);
        EXPECT_EQ(im.Pixel(126, y), CouleurPlateau);
        EXPECT_EQ(im.Pixel(130, y), Blanc);
        EXPECT_EQ(im.Pixel(131, y), k.MursDroits[1][1].couleur());
        EXPECT_EQ(im.Pixel(159, y), Gris);
        EXPECT_EQ(im.Pixel(160, y), CouleurPlateau);
        // The frames are outlines: above the cell, the outer frame, the inner one, the cell.
        EXPECT_EQ(im.Pixel(60, 10), cadre);
        EXPECT_EQ(im.Pixel(60, 12), interieur);
        EXPECT_EQ(im.Pixel(60, 14), Blanc);
    }

    p.Jouer(CarreMagique, 1);
    {
        Controles& k = p.k();
        k.Cases[1][0].SetVisible(true);
        p.f.Math().RafraichirVue();
        const Image im = p.Plateau_();
        Garder(test::Capturer(p.f.Math().Fenetre()), "principale-carre");
        const int y = 100;
        EXPECT_EQ(im.Pixel(94, y), CouleurPlateau);
        EXPECT_EQ(im.Pixel(95, y), Blanc);
        EXPECT_EQ(im.Pixel(96, y), k.Cases[1][1].couleur());
        EXPECT_EQ(im.Pixel(158, y), Gris);
        EXPECT_EQ(im.Pixel(159, y), Blanc);
        EXPECT_EQ(im.Pixel(160, y), k.MursDroits[1][1].couleur());
        EXPECT_EQ(im.Pixel(179, y), Gris);
        EXPECT_EQ(im.Pixel(180, y), Blanc);
        // A ring cell: raised outer bevel, lowered inner bevel, silver.
        EXPECT_EQ(im.Pixel(95, 30), Blanc);
        EXPECT_EQ(im.Pixel(96, 30), Gris);
        EXPECT_EQ(im.Pixel(97, 30), Argent);
        EXPECT_EQ(im.Pixel(120, 62), Blanc);
        EXPECT_EQ(im.Pixel(120, 63), Gris);
        EXPECT_EQ(im.Pixel(120, 64), CouleurPlateau);
    }

    p.Jouer(Labyrinthe, 1);
    {
        Controles& k = p.k();
        Garder(test::Capturer(p.f.Math().Fenetre()), "principale-labyrinthe");
        k.Cases[1][1].SetVisible(true);
        k.Cases[2][1].SetVisible(true);
        k.MursDroits[1][1].SetVisible(false);
        k.MursBasDroits[1][1].SetVisible(true);
        p.f.Math().RafraichirVue();
        const Image im = p.Plateau_();
        EXPECT_EQ(im.largeur, 595);
        EXPECT_EQ(im.hauteur, 523);
        EXPECT_EQ(im.Pixel(84, 30), Gris);
        EXPECT_EQ(im.Pixel(85, 30), CouleurPlateau);
        EXPECT_EQ(im.Pixel(101, 30), CouleurPlateau);
        EXPECT_EQ(im.Pixel(102, 30), Blanc);
        EXPECT_EQ(im.Pixel(103, 30), k.Cases[2][1].couleur());
        EXPECT_EQ(im.Pixel(93, 81), k.MursBasDroits[1][1].couleur());
        EXPECT_EQ(im.Pixel(85, 81), Blanc);
    }
    p.Jouer(Serpentin, 1);
    Garder(test::Capturer(p.f.Math().Fenetre()), "principale-serpentin");
    p.Jouer(Memoire, 1);
    Garder(test::Capturer(p.f.Math().Fenetre()), "principale-memoire");
}

// The right-hand panels: their places and colours on the design screen, the window's colour, the
// pressed look, the bounds of the previous and next panels.
TEST(FenetrePrincipaleWin, PanneauxDeDroite)
{
    Programme p;
    const Controles& k = p.k();
    EXPECT_FALSE(IsWindowVisible(p.Panneau(k.panelInfo)));
    p.Jouer(Serpentin, 2);
    ExpectRect(p.Place(p.Panneau(k.panelInfo)), 612, 334, 183, 195);
    ExpectRect(p.Place(p.Panneau(k.panelBut)), 4, 174, 57, 16);
    ExpectRect(p.Place(p.Panneau(k.superPanelJeux)), 610, 4, 187, 117);
    ExpectRect(p.Place(p.Panneau(k.panelTableauSuivant)), 156, 54, 23, 20);

    const Image fenetre = test::Capturer(p.f.Math().Fenetre());
    EXPECT_EQ(fenetre.Pixel(700, 560), p.g().CouleurFondEcran);   // below the panels
    EXPECT_EQ(fenetre.Pixel(612 + 2, 208 + 60), RGB(0x00, 0x40, 0x80));      // superPanelDroite
    EXPECT_EQ(fenetre.Pixel(612 + 6 + 3, 208 + 6 + 9), RGB(0x80, 0xFF, 0x80));   // panelNumeroTableau
    EXPECT_EQ(fenetre.Pixel(612 + 6 + 3, 208 + 52 + 9), RGB(0xFF, 0xB7, 0xB7));  // panelTitreMeilleurScore
    // The game in play's panel stands out.
    EXPECT_EQ(fenetre.Pixel(610 + 3 + 3, 4 + 4 + 10), RGB(0x74, 0xC6, 0xED));    // panelLabyrinthe
    EXPECT_EQ(fenetre.Pixel(610 + 3 + 3, 4 + 70 + 10), RGB(0x80, 0xFF, 0x80));   // panelSerpentin
    // The info text's frame: 4 pixels of #80FF80 around the label, over its top row too.
    EXPECT_EQ(fenetre.Pixel(612 + 5, 334 + 80), RGB(0x80, 0xFF, 0x80));
    EXPECT_EQ(fenetre.Pixel(612 + 2, 334 + 80), RGB(0x00, 0x40, 0x80));
    EXPECT_EQ(fenetre.Pixel(612 + 80, 334 + 7), RGB(0x80, 0xFF, 0x80));
    Garder(fenetre, "principale-serpentin-2");

    // "<<" on puzzle 2 goes to puzzle 1, where it greys out and does nothing.
    const HWND precedent = p.Panneau(k.panelTableauPrecedent);
    EXPECT_EQ(test::Capturer(precedent).Pixel(3, 10), Argent);
    p.CliquerPanneau(k.panelTableauPrecedent);
    EXPECT_EQ(p.g().NumeroTableau, 1);
    EXPECT_EQ(k.panelNumeroTableau.Caption(), "Cogitelle n° 1");
    EXPECT_FALSE(IsWindowEnabled(precedent));
    EXPECT_EQ(test::Capturer(precedent).Pixel(3, 10), Gris);
    p.CliquerPanneau(k.panelTableauPrecedent);
    EXPECT_EQ(p.g().NumeroTableau, 1);

    // Pressed: lowered while the button is down; released outside, no click.
    const HWND idem = p.Panneau(k.panelTableauIdem);
    p.g().Score = 4321;
    PostMessageW(idem, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    test::Pomper(p.f);
    EXPECT_EQ(k.panelTableauIdem.BiseauExterieur(), Biseau::Abaisse);
    EXPECT_EQ(test::Capturer(idem).Pixel(0, 5), Gris);
    PostMessageW(idem, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(-20), 5));
    test::Pomper(p.f);
    EXPECT_EQ(k.panelTableauIdem.BiseauExterieur(), Biseau::Releve);
    EXPECT_EQ(test::Capturer(idem).Pixel(0, 5), Blanc);
    EXPECT_EQ(p.g().Score, 4321);
    // Clicked: the same puzzle again.
    p.CliquerPanneau(k.panelTableauIdem);
    EXPECT_EQ(p.g().Score, 5000);

    // The rules panels change the info text.
    p.CliquerPanneau(k.panelReglesDuJeu);
    EXPECT_EQ(k.lblInfos.Caption(), p.g().TextesRegles[Serpentin]);
}

// Presses on cells and walls and keys reach the rules as the other front ends route them.
TEST(FenetrePrincipaleWin, SourisEtClavier)
{
    Programme p;
    Controles& k = p.k();

    // A magic-square wall: one swap for 10 points per double click, not a swap and its undoing.
    p.Jouer(CarreMagique, 5);
    const int32_t gauche = p.g().Valeur[1][1], droite = p.g().Valeur[2][1];
    ASSERT_NE(gauche, droite);
    p.g().Score = 5000;
    p.DoubleCliquer(k.MursDroits[1][1]);
    EXPECT_EQ(p.g().Valeur[1][1], droite);
    EXPECT_EQ(p.g().Valeur[2][1], gauche);
    EXPECT_EQ(p.g().Score, 4990);
    EXPECT_EQ(k.MursDroits[1][1].BiseauExterieur(), Biseau::Releve);
    // The cell shows its new number.
    EXPECT_EQ(k.Cases[1][1].Caption(), std::to_string(droite));

    // The serpentine: a right click moves a cell next to the main hole into it, for 50 points.
    p.Jouer(Serpentin, 1);
    const int32_t tx = p.g().TrouPrincipalX, ty = p.g().TrouPrincipalY;
    const int32_t vx = tx > 1 ? tx - 1 : tx + 1;
    const int32_t valeur = p.g().Valeur[vx][ty];
    p.Cliquer(k.Cases[vx][ty], true);
    EXPECT_EQ(p.g().Valeur[tx][ty], valeur);
    EXPECT_EQ(p.g().TrouPrincipalX, vx);
    EXPECT_EQ(p.g().Score, 5000 - 50);

    // The maze: arrows and the digits 2, 4, 6, 8 move the glutton along open passages.
    p.Jouer(Labyrinthe, 1);
    const auto ouverts = test::detail::VoisinsOuverts(p.g(), 1, 1);
    ASSERT_FALSE(ouverts.empty());
    const bool aDroite = ouverts.count({2, 1}) > 0;
    p.Touche(aDroite ? VK_RIGHT : VK_DOWN);
    EXPECT_EQ(p.g().PosX, aDroite ? 2 : 1);
    EXPECT_EQ(p.g().PosY, aDroite ? 1 : 2);
    p.Touche(aDroite ? '4' : '8');
    EXPECT_EQ(p.g().PosX, 1);
    EXPECT_EQ(p.g().PosY, 1);
    // A disabled main window (the chooser of start-up) takes no key.
    EnableWindow(p.f.Math().Fenetre(), FALSE);
    p.Touche(aDroite ? VK_RIGHT : VK_DOWN);
    EXPECT_EQ(p.g().PosX, 1);
    EXPECT_EQ(p.g().PosY, 1);
    EnableWindow(p.f.Math().Fenetre(), TRUE);
    // The exit's hint: the tooltip's tool lies over the exit once the mouse is there.
    const Controle& arrivee = k.Cases[p.g().NbColonnes][p.g().NbLignes];
    const RECT r = p.f.Math().Board().RectDe(arrivee);
    EXPECT_EQ(p.f.Math().Board().BulleA({r.left + 3, r.top + 3}), "Case Arrivée");
    EXPECT_EQ(p.f.Math().Board().BulleA({5, 5}), "");
    PostMessageW(p.Plateau(), WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 3, r.top + 3));
    test::Pomper(p.f);
    TOOLINFOW outil{};
    outil.cbSize = sizeof outil;
    outil.hwnd = p.Plateau();
    outil.uId = 1;
    ASSERT_TRUE(SendMessageW(p.f.Math().Board().Bulle(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&outil)));
    EXPECT_TRUE(EqualRect(&outil.rect, &r));

    // The memory game: a click turns a card for 3 points.
    p.Jouer(Memoire, 1);
    p.Cliquer(k.Cases[1][1]);
    EXPECT_EQ(p.g().Score, 4997);
    EXPECT_EQ(k.Cases[1][1].Caption(), std::to_string(p.g().Valeur[1][1]));
}

// The score timer runs on SetTimer and takes a point a second; the game ends and it stops.
TEST(FenetrePrincipaleWin, MinuterieDuScore)
{
    Programme p;
    p.Jouer(Memoire, 1);
    EXPECT_TRUE(p.coeur.ports.Actif(Minuterie::Score));
    EXPECT_EQ(p.coeur.ports.Intervalle(Minuterie::Score), 1000u);
    const ULONGLONG limite = GetTickCount64() + 5000;
    while (p.g().Score == 5000 && GetTickCount64() < limite)
        test::Pomper(p.f, 50);
    EXPECT_EQ(p.g().Score, 4999);
    EXPECT_EQ(p.k().panelScoreMixte.Caption(), "4999");
}

// At 125, 150 and 200 % the same layout at the monitor's scale, every bevel a whole number of
// pixels: a row across the board holds only the model's colours, none blended.
TEST(FenetrePrincipaleWin, NetALEchelle)
{
    for (const UINT ppp : {120u, 144u, 192u}) {
        Programme p;
        p.Jouer(Memoire, 1);
        Controles& k = p.k();
        for (int x = 1; x <= 4; ++x)
            for (int y = 1; y <= 4; ++y)
                k.Cases[x][y].SetCaption("");
        p.f.Math().Board().ChangerEchelle(ppp);
        p.f.Math().RafraichirVue();
        const double s = ppp / 96.0;
        RECT r{};
        GetClientRect(p.Plateau(), &r);
        EXPECT_EQ(r.right, static_cast<LONG>(std::lround(600 * s))) << ppp;
        const Image im = p.Plateau_();
        std::set<Couleur> permises{Blanc, Gris, CouleurPlateau};
        for (int x = 1; x <= 4; ++x)
            permises.insert(k.Cases[x][1].couleur());
        const int y = static_cast<int>(60 * s);
        int blanc = 0;
        // What lies past the screen's edge is not painted.
        for (int x = 0; x < std::min(im.largeur, 790); ++x) {
            EXPECT_TRUE(permises.count(im.Pixel(x, y))) << ppp << " dpi, x " << x;
            // The first cell's left bevel: as wide as one pixel rounds to.
            if (x >= static_cast<int>(10 * s) - 1 && x <= static_cast<int>(14 * s) && im.Pixel(x, y) == Blanc)
                ++blanc;
        }
        EXPECT_EQ(blanc, std::max(1, static_cast<int>(std::lround(s)))) << ppp;
        Garder(im, "plateau-" + std::to_string(ppp * 100 / 96));
    }
}
