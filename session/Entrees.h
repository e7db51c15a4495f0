// The keyboard and mouse rules of the windows that every front end follows: the direction of the
// scroll bars, typing a puzzle number, and what the second press of a double click does.
#pragma once

#include <cstdint>

namespace cogitelle {

enum class ToucheDefilement : uint8_t { Gauche, Droite, Haut, Bas, PagePrecedente, PageSuivante, Debut, Fin };

// The keys the windows act on besides the scroll bars' and the board's.
enum class ToucheFenetre : uint8_t { Entree, Echappement, Espace };

// The position a scroll bar takes on a key, as on every desktop: Right, Down and PageDown raise
// it, Left, Up and PageUp lower it, Home and End go to the ends. Always within min..max.
int32_t PositionApresTouche(ToucheDefilement touche, int32_t position, int32_t min, int32_t max, int32_t pasGrand);

// Digits typed within a second of each other make one number: 2, 5, 0 gives 250.
class SaisieNumero {
public:
    static constexpr int64_t DelaiMs = 1000;

    // The number to show after `chiffre` (0..9) typed at `instantMs` (a steady clock), or 0 when
    // there is none yet (a leading 0). A digit that would take the number past `max` starts a
    // new number.
    int32_t Taper(int32_t chiffre, int64_t instantMs, int32_t max);
    // The next digit starts a new number.
    void Oublier() { enCours_ = false; }

private:
    bool enCours_ = false;
    int32_t valeur_ = 0;
    int64_t dernier_ = 0;
};

// The toolkits report a double click as a press and a release, then a second press marked
// double. Only the board's cells act on that second press (they are told it is a double click and
// ignore it themselves); panels, buttons and walls act once per double click, on the first.
enum class CibleSouris : uint8_t { Case, Mur, Panneau };
constexpr bool SecondePressionAgit(CibleSouris cible) { return cible == CibleSouris::Case; }

} // namespace cogitelle
