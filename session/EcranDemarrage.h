// The start screen as data: its framed box, its title, two small pictures of the games (a 5 x 5
// maze and a 3 x 3 magic square with its ring of sums) and its two start buttons, laid out at the
// screen's factor. A front end paints the pictures in order and makes the buttons.
#pragma once

#include <string>
#include <vector>

#include "core/Controles.h"
#include "session/Descriptions.h"
#include "session/Entrees.h"

namespace cogitelle {

// One thing the start screen paints: a panel (place, colours, bevels, caption) and its type.
struct ElementDessin {
    Controle vue;
    Police police;
};

class EcranDemarrage {
public:
    static constexpr int32_t Largeur = 425, Hauteur = 304;   // on the design screen
    static constexpr Couleur Fond = RGB(0x12, 0xAC, 0xC7);    // #12ACC7
    static constexpr const char* Nom = "frmSplash";

    // Lays the screen out at `facteur` (the screen's width against the 800-pixel design) with the
    // program's title.
    void Creer(double facteur, const std::string& titre);
    // Lays it out for a phone held upright, `largeurCss` CSS pixels wide, in CSS pixels: as wide as
    // the phone, its pictures larger, every text at least TexteMinimal pixels and each button at
    // least CibleMinimale pixels each way, "ENGLISH" on a row of its own below "DEMARRER".
    void CreerDebout(int32_t largeurCss, const std::string& titre);

    double Facteur() const { return facteur_; }
    int32_t LargeurEcran() const { return largeur_; }
    int32_t HauteurEcran() const { return hauteur_; }
    // What is painted, in order: the box, the title, the pictures' backgrounds, cells and walls.
    const std::vector<ElementDessin>& Dessin() const { return dessin_; }
    // The start buttons: 1 "DEMARRER" (French), 2 "ENGLISH".
    static constexpr int32_t NbBoutons = 2;
    const ElementDessin& Bouton(int32_t langue) const { return boutons_[langue]; }
    static const char* NomBouton(int32_t langue);

    // The pressed look while a mouse button is held on a start button.
    void Enfoncer(int32_t langue, bool enfonce);
    // The language a key starts the program in: Enter or Space is "DEMARRER"; 0 for none.
    static int32_t LangueDeLaTouche(ToucheFenetre touche);

private:
    void Disposer(double facteur, const std::string& titre, bool debout);

    double facteur_ = 1.0;
    int32_t largeur_ = Largeur, hauteur_ = Hauteur;
    std::vector<ElementDessin> dessin_;
    ElementDessin boutons_[NbBoutons + 1];
};

} // namespace cogitelle
