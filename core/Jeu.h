// What every game of the collection gives the rest of the program: one table per game.
//
// A game is a class derived from Jeu with one constant instance, reached through JeuDe
// (games/Jeux.h). It is an abstract class rather than a struct of function pointers because the
// compiler then checks every override against the interface, and the defaults below cover what a
// game does not do (most games have no ring, take no keys, ignore the walls). The instance holds
// no state: every field of a game lives in GameState, so one instance serves every Contexte, and
// tests that make their own state never share anything through it.
//
// A handler that may end the game does not run the end test itself, which belongs to the layer
// above (it enters the table of best scores): it returns Suite::TesterFin as its last step and
// the caller runs the end test at once.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "core/Contexte.h"

namespace cogitelle {

// Mouse state at a press, as the toolkit reports it: the keys held and the buttons down.
enum EtatSouris : uint32_t {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,   // the second press of a double click
};
enum class BoutonSouris { Gauche, Droit, Milieu };

// The arrow keys, and the digits "4", "6", "8", "2" that stand for them.
enum class Fleche { Gauche, Droite, Haut, Bas };

// What a handler asks of its caller once it has returned.
enum class [[nodiscard]] Suite : uint8_t { Rien, TesterFin };

// The end test's answer.
enum class IssuePartie : uint8_t { EnCours, Reussie, Echouee };

// What a screen reader says of a board cell: what the cell shows (its number, or a short word
// where it shows none), then what the player may want to know of it (empty when nothing).
struct TexteCase {
    std::string nom;
    std::string etat;
};

// A colour drawn from the puzzle's generator: blue, then green, then red, each component
// base + Draw(etendue); without red the red component is 0 and is not drawn.
struct Teinte {
    int32_t etendue = 0, base = 0;
    bool rouge = true;
};

// What the board layout needs of a game. Lengths are in pixels of the 800 x 600 design, scaled by
// the screen's width factor.
struct DispositionJeu {
    int32_t anneau = 0;        // 1: a ring of cells around the board (AvecBordure)
    bool marge = true;         // the board keeps its margin around the cells
    int32_t ecart = 0;         // the gaps: ecart / (cells across, ring included) between cells
    int32_t retraitMur = 0;    // a wall's inset inside its gap
    int32_t cadre = 0;         // the width of a cell's frame, and the cell's inset inside it
    Curseur curseurCases = Curseur::Defaut;
    Curseur curseurMurs = Curseur::Defaut;    // right and bottom walls
    Curseur curseurCoins = Curseur::Defaut;   // corner walls
    bool mursActifs = false;   // the walls look pressed while a button is held on them
    // The walls' colours, when the game draws them: every right and bottom wall with `murs`, then
    // every corner with `coins`. The cells' colours come next, the ring's excepted (silver).
    bool mursTeintes = false;
    Teinte murs{}, coins{};
    Teinte cases{};
};

class Jeu {
public:
    const DispositionJeu disposition;
    const char* const nom;     // the puzzle printer's name of the game ("labyrinthe")
    const char* const titre;   // the printer's title ("LE GLOUTON DU LABYRINTHE")

    // A new game, in the order the mid-end calls these.
    // The board's side for puzzle 1..500.
    virtual int32_t Taille(int32_t numero) const = 0;
    // The parameters of the puzzle number, right after the seeding, NbColonnes and NbLignes set.
    // A draw made here is the puzzle's first.
    virtual void Parametres(Contexte& c) const {}
    // Builds what comes before the layout; false rejects the board, and the next seed is tried.
    virtual bool Preparer(Contexte& c) const { return true; }
    // Builds the board after the layout, with whatever the full redraw that follows leaves out.
    virtual void Construire(Contexte& c) const = 0;
    // After the first full redraw.
    virtual void ApresPremierAffichage(Contexte& c) const {}

    // Drawing. One cell of the board or of its ring, from the grids.
    virtual void DessinerCase(Contexte& c, int32_t x, int32_t y) const = 0;
    // After every redraw of cells.
    virtual void ApresDessin(Contexte& c) const {}
    // What a change of the cells in the rectangle (widened by one, clipped to the board) changes
    // beyond them, before they are redrawn.
    virtual void AvantRafraichir(Contexte& c, int32_t xDe, int32_t yDe, int32_t xA, int32_t yA) const {}

    // Input. The caller has checked that (x, y) is on the board and, for a move or a press, that
    // the game is not over.
    virtual Suite Deplacer(Contexte& c, int32_t x, int32_t y) const { return Suite::Rien; }
    virtual Suite Presser(Contexte& c, int32_t x, int32_t y, BoutonSouris bouton, uint32_t etat) const
    {
        return Suite::Rien;
    }
    // A click on the wall of that kind at the lower right of cell (x, y).
    virtual Suite CliquerMur(Contexte& c, TypeMur mur, int32_t x, int32_t y) const { return Suite::Rien; }
    // The cell a key moves the player to; false when the key does nothing.
    virtual bool Touche(const GameState& g, Fleche touche, PosCase& cible) const { return false; }
    // A tick of a game timer, whether or not that timer runs.
    virtual Suite Tic(Contexte& c, Minuterie::Id minuterie) const { return Suite::Rien; }

    // The keyboard's cursor on the board: the cell it starts on in a new game. A game whose
    // player walks with the arrow keys keeps it on the player's cell instead.
    virtual PosCase CaseDeDepart(const GameState& g) const { return {1, 1}; }
    virtual bool CurseurSurJoueur() const { return false; }
    // A cell of the board (1..n) as a screen reader says it.
    virtual TexteCase DireCase(const GameState& g, int32_t x, int32_t y) const = 0;

    // The end test.
    virtual IssuePartie Fin(const GameState& g) const = 0;

    // The puzzle printer: the game's own JSON fields, each after a comma; and the rest of the
    // text's first line after the board's size, then its board for a person.
    virtual void EcrireJson(std::ostream& o, const GameState& g) const = 0;
    virtual void EcrireTexte(std::ostream& o, const GameState& g) const = 0;

protected:
    constexpr Jeu(const DispositionJeu& d, const char* nomJeu, const char* titreJeu)
        : disposition(d), nom(nomJeu), titre(titreJeu)
    {
    }
    ~Jeu() = default;

    // A press of the left button alone: the move of the games played on the cells.
    static bool ClicGauche(BoutonSouris bouton, uint32_t etat)
    {
        return bouton == BoutonSouris::Gauche && etat == ssLeft;
    }
};

} // namespace cogitelle
