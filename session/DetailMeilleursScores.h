// The high-score viewer's window and rules without a toolkit: the ten best scores of any game type
// and puzzle, browsed with two scroll bars. It only reads the table.
#pragma once

#include <string>
#include <vector>

#include "core/Contexte.h"
#include "session/Descriptions.h"
#include "session/Entrees.h"

namespace cogitelle {

class DetailMeilleursScores {
public:
    explicit DetailMeilleursScores(Contexte& c);

    // The window as designed (the score grid's cells at the design size), and what each of its
    // controls shows now.
    static const DescriptionFenetre& Description();
    std::vector<EtatControle> Etats() const;
    // Every control's place at a dialog's scale: the score grid is built at that scale from the
    // central panel's, its rows filling the panel, which is trimmed to them.
    static std::vector<Rect> Places(double facteur);
    // The score grid in a central panel of `largeur` x `hauteur` at `facteur`: the margins and the
    // rank column scaled, the rows the panel's height shared in ten, the name and score cells each
    // half of the rest. Returns the panel's height trimmed to the rows.
    static int32_t Grille(int32_t largeur, int32_t hauteur, double facteur, std::vector<Rect>& cellules);

    // Each activation returns to the game and puzzle last chosen.
    void FormActivate();
    // One puzzle's list. Any value is brought into range first, so nothing is read outside the table.
    void AfficherMeilleursScoresDetail(TTypeJeu type, int32_t numero);
    void scrollBarTypeJeuChange(int32_t position);
    void scrollBarNumeroTableauChange(int32_t position);

    // The controls' events, by index into the description: "OK" closes the window; the scroll
    // bars browse.
    Issue Clic(int32_t indice);
    void Change(int32_t indice, int32_t position);
    // The window takes the keys itself: Left and Right step through the game types; Up, Down, the
    // pages, Home and End through the puzzle numbers; Enter and Escape close it.
    void Defiler(ToucheDefilement touche);
    Issue Touche(ToucheFenetre touche);

    // What the controls show.
    TTypeJeu Type = Labyrinthe;
    int32_t Numero = 1;
    int32_t NumeroMax = NombreTableaux;
    std::string TitreJeu;
    std::string TitreNumero;
    std::string Noms[PlacesParTableau + 1];     // 1..10
    std::string Scores[PlacesParTableau + 1];

    // The indices of the controls the rules handle.
    const int32_t iTypeJeu, iBarreType, iNumero, iBarreNumero, iOK, iCentral, iRang1;

private:
    Contexte& c_;
};

} // namespace cogitelle
