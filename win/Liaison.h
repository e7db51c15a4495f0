// The one place where the Windows front end calls the rules: the windows read the model through
// it and hand it every event. Nothing else in win/ includes a rule.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Contexte.h"
#include "session/FenetrePrincipale.h"
#include "session/NouvellePartie.h"

namespace cogitelle {

// What a control of the board pool is, for painting and hit-testing.
enum class Piece : uint8_t { Case, Cadre, MurDroit, MurBas, MurBasDroit };

class Liaison {
public:
    Liaison(Contexte& c, ActionsFenetres& actions);
    Liaison(const Liaison&) = delete;
    Liaison& operator=(const Liaison&) = delete;

    // The model the windows show.
    const Controles& Modele() const { return c_.controles; }
    const GameState& Etat() const { return c_.etat; }
    const std::string& Caption() const { return fenetre_.Caption; }
    const std::string& MenuJeu(TTypeJeu type) const { return fenetre_.MenuJeux[type]; }
    // The right-hand controls in creation order, parents before their children.
    const std::vector<PlaceControle>& Disposition() const { return fenetre_.Disposition(); }
    // The board pool in creation order, and what each of its controls is.
    const std::vector<Controle*>& Pool() const { return c_.controles.OrdreCreation(); }
    Piece PieceDe(size_t indice) const { return pieces_[indice]; }
    // The rectangles of the board that changed since the last call.
    std::vector<Rect> PrendreZonesSales() { return c_.controles.PrendreZonesSales(); }

    // The main window's life: created for a screen, activated, closed.
    void Creer(int32_t largeurEcran, int32_t hauteurEcran, double pixelsParPouce);
    void Activer();
    void Fermer();
    // The start screen's button of a language (1 French, 2 English).
    void ChoisirLangue(int32_t langue);
    // The game confirmed in the chooser: its type, puzzle and player, then the new game.
    void Jouer(TTypeJeu type, int32_t numero, const std::string& nom);

    // The board: a press on a cell; a wall's press, release and click.
    void CaseEnfoncee(int32_t tag, BoutonSouris bouton, uint32_t etat);
    void MurEnfonce(Piece mur, int32_t tag);
    void MurRelache(Piece mur, int32_t tag);
    void MurClique(Piece mur, int32_t tag);
    // A clickable side panel: pressed, released, clicked.
    void PanneauEnfonce(const Controle& panneau);
    void PanneauRelache(const Controle& panneau);
    void PanneauClique(const Controle& panneau);
    // The keys the main window sees first: the arrows, and the characters typed.
    void Touche(Fleche fleche);
    void Caractere(char caractere);
    // A tick of a game timer.
    void Tic(Minuterie::Id id);

private:
    Controle* Modifiable(const Controle& c) const;

    Contexte& c_;
    FenetrePrincipale fenetre_;
    std::vector<Piece> pieces_;   // parallel to Pool()
};

} // namespace cogitelle
