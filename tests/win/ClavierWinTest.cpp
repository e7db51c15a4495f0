// The Windows program played from the keyboard alone: the magic square won by the cursor and the
// walls beside it; the cursor's frame and a panel's focus painted; the keyboard's focus on the
// window of the control the model has it on; the windows' texts that a screen reader says.
#include <gtest/gtest.h>

#include <cstring>

#include "ProgrammeWin.h"
#include "support/Solutions.h"
#include "win/Unicode.h"

using namespace cogitelle;
using cogitelle::test::Coup;
using cogitelle::test::ProgrammeWin;

namespace {

// A key with Shift held: the thread's keyboard state says so while the key is handled.
void ToucheMaj(ProgrammeWin& p, WPARAM cle)
{
    BYTE etat[256];
    GetKeyboardState(etat);
    const BYTE avant = etat[VK_SHIFT];
    etat[VK_SHIFT] = 0x80;
    SetKeyboardState(etat);
    p.Touche(cle);
    GetKeyboardState(etat);
    etat[VK_SHIFT] = avant;
    SetKeyboardState(etat);
}

std::string Texte(HWND w)
{
    wchar_t t[512] = {};
    GetWindowTextW(w, t, 512);
    return Etroit(t);
}

PosCase PlaceCurseur(ProgrammeWin& p) { return {p.k().Focus.x, p.k().Focus.y}; }

// The cursor taken to (x, y) by the arrows.
void Amener(ProgrammeWin& p, int32_t x, int32_t y)
{
    for (int pas = 0; pas < 30 && !(PlaceCurseur(p) == PosCase{x, y}); ++pas) {
        const PosCase c = PlaceCurseur(p);
        p.Touche(x > c.x ? VK_RIGHT : x < c.x ? VK_LEFT : y > c.y ? VK_DOWN : VK_UP);
    }
}

} // namespace

TEST(ClavierWin, CarreMagiqueAuClavierSeul)
{
    ProgrammeWin p;
    p.Jouer(CarreMagique, 1);
    const HWND plateau = p.Plateau();
    EXPECT_EQ(GetFocus(), plateau);
    // No frame before a key: the mouse player sees the board as it always was.
    const RECT r11 = p.f.Math().Board().RectDe(p.k().Cases[1][1]);
    const Couleur fond11 = p.k().Cases[1][1].couleur();
    EXPECT_EQ(test::Capturer(plateau).Pixel(r11.left + 2, (r11.top + r11.bottom) / 2), fond11);

    // The board's text says the cursor's cell, its place and how far its lines are from the sum.
    const GameState& g = p.g();
    EXPECT_EQ(Texte(plateau).rfind("Plateau, " + std::to_string(g.Valeur[1][1]) + ", colonne 1, ligne 1, ligne ", 0), 0u)
        << Texte(plateau);

    // Each swap of the way back to the square it was scrambled from, by the walls beside the
    // cursor: Shift with the arrow of the wall's side.
    test::Solveur solveur(g);
    int coups = 0;
    while (const std::optional<Coup> coup = solveur.Suivant()) {
        ASSERT_LT(++coups, 200);
        ASSERT_EQ(coup->sorte, Coup::Mur);
        const int32_t avant = g.Score;
        // From the right or the lower cell, with the other arrow, every other time.
        if (coups % 2 == 0) {
            Amener(p, coup->x, coup->y);
            ToucheMaj(p, coup->mur == TypeMur::Droit ? VK_RIGHT : VK_DOWN);
        } else {
            Amener(p, coup->x + (coup->mur == TypeMur::Droit), coup->y + (coup->mur == TypeMur::Bas));
            ToucheMaj(p, coup->mur == TypeMur::Droit ? VK_LEFT : VK_UP);
        }
        ASSERT_EQ(g.Score, avant - 10);
    }
    ASSERT_TRUE(g.PartieTerminee);
    ASSERT_EQ(p.Messages().size(), 1u);
    EXPECT_EQ(p.Messages().back().rfind("Fin de la partie.\n", 0), 0u);
    EXPECT_EQ(g.Score, 5000 - 10 * coups);
    // The frame, two rings on the cursor's cell.
    const PosCase c = PlaceCurseur(p);
    const RECT r = p.f.Math().Board().RectDe(p.k().Cases[c.x][c.y]);
    const test::Image image = test::Capturer(plateau);
    const int milieu = (r.top + r.bottom) / 2;
    EXPECT_EQ(image.Pixel(r.left, milieu), RGB(0, 0, 0));
    EXPECT_EQ(image.Pixel(r.left + 1, milieu), RGB(0, 0, 0));
    EXPECT_EQ(image.Pixel(r.left + 2, milieu), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(image.Pixel(r.left + 3, milieu), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(image.Pixel(r.left + 4, milieu), p.k().Cases[c.x][c.y].couleur());
    test::Garder(test::Capturer(p.f.Math().Fenetre()), "principale-clavier");

    // Tab: the first game panel takes the keyboard, painted with its focus; its window says its
    // caption. Enter on "Règles" from the end of the round shows the rules.
    p.Touche(VK_TAB);
    const HWND labyrinthe = p.Panneau(p.k().panelsJeux[Labyrinthe]);
    EXPECT_EQ(GetFocus(), labyrinthe);
    EXPECT_EQ(Texte(labyrinthe), "JEU DU LABYRINTHE");
    const test::Image panneau = test::Capturer(labyrinthe);
    EXPECT_EQ(panneau.Pixel(2, panneau.hauteur / 2), RGB(0, 0, 0));
    EXPECT_EQ(panneau.Pixel(3, panneau.hauteur / 2), RGB(0xFF, 0xFF, 0xFF));
    ToucheMaj(p, VK_TAB);
    ToucheMaj(p, VK_TAB);
    ToucheMaj(p, VK_TAB);
    EXPECT_EQ(GetFocus(), p.Panneau(p.k().panelReglesDuJeu));
    p.Touche(VK_RETURN);
    EXPECT_EQ(p.k().lblInfos.Caption(), g.TextesRegles[CarreMagique]);
    EXPECT_EQ(Texte(p.Panneau(p.k().lblInfos)), g.TextesRegles[CarreMagique]);
    EXPECT_EQ(Texte(p.Panneau(p.k().panelScoreMixte)), std::to_string(g.Score));
}
