// Windows as data: every control of a dialog with its kind, its place on the 800 x 600 design,
// its type, colours, caption, tab order and object name, so that a front end only makes the
// widgets the description names and copies the state the rules give them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Controles.h"

namespace cogitelle {

enum class Genre : uint8_t {
    Panneau,         // a coloured box with a raised bevel and a centred caption
    BoutonPanneau,   // a panel used as a button: up-arrow cursor, lowered while held, acts on release
    Radio,           // a radio button
    Saisie,          // a one-line edit box
    Defilement,      // a horizontal scroll bar
    Groupe,          // a group box, its caption on its frame
    Etiquette,       // a label: its caption word-wrapped and centred both ways
    Cadre,           // an outline shape
};

enum class FamillePolice : uint8_t { SansSerif, Times };   // "MS Sans Serif", "Times New Roman"

// A font: its family, its character height in pixels (or its size in points) and its weight.
struct Police {
    constexpr Police(FamillePolice f = FamillePolice::SansSerif, int32_t t = 11, bool enPoints = false, bool g = false)
        : famille(f), taille(t), points(enPoints), gras(g)
    {
    }
    FamillePolice famille;
    int32_t taille;
    bool points;
    bool gras;
    bool operator==(const Police&) const = default;
};

// A design size in pixels brought to a dialog's scale: to the nearest, halves to even.
int32_t AEchelle(int32_t pixels, double facteur);
Rect AEchelle(const Rect& design, double facteur);
// The type's size at that scale, in its own unit, never below 1.
int32_t TaillePolice(const Police& police, double facteur);

struct ControleFenetre {
    std::string nom;                  // the control's name, also its object name in a toolkit
    Genre genre = Genre::Panneau;
    int32_t parent = -1;              // index of the control it lies in; -1: the window's client area
    Rect design;                      // in its parent, at the design size
    Police police;
    Couleur couleur = couleurs::Argent;
    std::string caption;              // its caption as designed; the rules may change it
    int32_t largeurBiseau = 1;
    Curseur curseur = Curseur::Defaut;
    // Its place in the window's tab order as designed, from 0; -1 when it has none. A control
    // that only shows something takes no focus whatever its place (see OrdreTabulation).
    int32_t ordreTab = -1;
    // A scroll bar's range and steps.
    int32_t min = 0, max = 0, pasPetit = 1, pasGrand = 1;
    // An edit box: at most this many characters (0: no limit).
    int32_t longueurMax = 0;
};

struct DescriptionFenetre {
    DescriptionFenetre(std::string n, std::string t, int32_t l, int32_t h, Couleur c, const Police& p)
        : nom(std::move(n)), titre(std::move(t)), largeur(l), hauteur(h), couleur(c), police(p)
    {
    }
    std::string nom;                  // the window's object name
    std::string titre;                // its title bar's caption
    int32_t largeur = 0, hauteur = 0; // its client area at the design size
    Couleur couleur = couleurs::Argent;
    Couleur couleurTexte = couleurs::Noir;
    Police police;
    std::vector<ControleFenetre> controles;   // in creation order, parents before their children

    // The index of the control named `nom`, or -1.
    int32_t Indice(std::string_view nom) const;
    // Adds a control and returns it, for the fields its kind adds.
    ControleFenetre& Ajouter(std::string nom, Genre genre, const Rect& design, const Police& police, Couleur couleur,
        std::string caption = std::string(), int32_t parent = -1);
};

// What a window does after the rules handled an event in it.
enum class Issue : uint8_t {
    Rien,       // it stays as it is
    Fermer,     // it closes (hides)
    Demarrer,   // the chooser closes, the main window is shown and the confirmed game starts
};

// What a control shows now, as the rules left it.
struct EtatControle {
    std::string caption;    // a panel's or a radio button's caption, an edit box's text
    bool coche = false;     // a radio button
    int32_t position = 0;   // a scroll bar
    int32_t min = 0, max = 0;
    bool operator==(const EtatControle&) const = default;
};

// Every control's state as designed: its caption, nothing checked, scroll bars at their minimum.
std::vector<EtatControle> EtatsDeConception(const DescriptionFenetre& d);

// Every control's place at a dialog's scale, in its parent.
std::vector<Rect> PlacesALEchelle(const DescriptionFenetre& d, double facteur);

// The controls that take the keyboard, in the order Tab goes through them: those that act (the
// scroll bars with a place in the order, the edit boxes, the button panels, the radio buttons),
// a group box standing for its radio buttons in their order of creation.
std::vector<int32_t> OrdreTabulation(const DescriptionFenetre& d);

} // namespace cogitelle
