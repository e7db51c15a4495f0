// The main window's keyboard beyond the maze's arrows and digits: a cursor on every board, which
// the arrows move and Space or Enter presses as the mouse would, the walls beside it clicked with
// Shift, and the Tab key through the side panels. Every press goes through the mouse's own entry
// points, so a key moves, costs and earns exactly what the same press of the mouse does.
#pragma once

#include "core/Jeu.h"
#include "session/FenetrePrincipale.h"

namespace cogitelle {

enum class ToucheClavier : uint8_t {
    Gauche, Droite, Haut, Bas,
    // Home, Page Up, End and Page Down, where the numeric keypad has its diagonals.
    HautGauche, HautDroite, BasGauche, BasDroite,
    Espace, Entree, Menu, Tabulation,
};

// The frame on the board follows the focus: over the focused cell (the player's cell where the
// cursor stays on the player), shown while the board has the focus and a key showed it.
void PlacerCadreFocus(Contexte& c);
// A new game: the cursor on the cell the game starts it on.
void RemettreCurseur(Contexte& c);

// The board as assistive technologies read it: its side (0 while no game is on it), what each
// cell (1..side) says, and the game and puzzle on it ("JEU DES DIFFERENCES, cogitelle n° 12").
int32_t CotePlateauLu(const GameState& g);
TexteCase DireCase(const GameState& g, int32_t x, int32_t y);
std::string DecrirePlateau(const GameState& g);
// The board's name as the desktop's assistive technologies read it, and its columns' and rows'.
inline constexpr const char* NomPlateauLu = "Plateau";
std::string NomColonneLue(int32_t x);
std::string NomLigneLue(int32_t y);

class Clavier {
public:
    Clavier(Contexte& c, FenetrePrincipale& fenetre);
    Clavier(const Clavier&) = delete;
    Clavier& operator=(const Clavier&) = delete;

    // A key of the main window, with the keys held (ssShift, ssCtrl, ssAlt). True when it was
    // used; the front end then does nothing more with it.
    //  - Tab, Shift+Tab: the focus to the next (previous) of the board and the side panels that
    //    can be clicked, in the window's order from the top; it shows.
    //  - The arrows and the diagonals: the cursor one cell that way, held at the board's edges;
    //    the focus goes to the board. In the maze they stay the glutton's (the arrows only).
    //  - Space or Enter: the focused cell pressed as a left click, or the focused panel clicked;
    //    Shift+Space and the Menu key: the cell pressed as a right click.
    //  - Shift with an arrow: the wall on that side of the cursor clicked; with a diagonal, the
    //    corner on that side (the four cells around it turn).
    bool Touche(ToucheClavier touche, uint32_t etat);

    // The mouse pressed a cell (by its tag), a wall or a clickable panel: the focus goes there,
    // and its look hides until a key shows it again.
    void SourisSurCase(int32_t tag);
    void SourisSurMur();
    void SourisSurPanneau(const Controle& panneau);

    // A cell pressed from outside the window (a screen reader's action on it): the cursor goes
    // there, then the press as the keys make it.
    void PresserCase(int32_t x, int32_t y, BoutonSouris bouton);

    // The stops of the Tab key that can take the focus now, in order: nullptr for the board, then
    // the side panels.
    std::vector<const Controle*> Arrets() const;

private:
    bool DeplacerCurseur(int32_t dx, int32_t dy);
    bool Mur(TypeMur type, int32_t x, int32_t y);
    bool PresserPanneau();
    void Tabuler(bool arriere);
    bool Accessible(const Controle* arret) const;
    // The panels' look of the focus, and the board's frame.
    void Montrer();

    Contexte& c_;
    FenetrePrincipale& fenetre_;
};

} // namespace cogitelle
