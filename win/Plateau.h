// The board panel: one window that paints the pool of board controls from the model and routes
// the presses on cells and walls, hit-tested from the top down.
#pragma once

#include "win/Windows.h"

#include <functional>
#include <string>
#include <optional>

#include <vector>

#include "session/Session.h"
#include "win/Ecran.h"
#include "win/Peinture.h"

namespace cogitelle {

// What a control of the board pool is, for painting and hit-testing.
enum class Piece : uint8_t { Case, Cadre, MurDroit, MurBas, MurBasDroit };

class Plateau {
public:
    // A child of `parent`; `modeleModifie` is called after each press or release the rules saw.
    Plateau(HWND parent, Session& session, std::function<void()> modeleModifie);
    ~Plateau();
    Plateau(const Plateau&) = delete;
    Plateau& operator=(const Plateau&) = delete;

    HWND Fenetre() const { return fenetre_; }

    // Follows the board panel's place, colour and visibility, and repaints what the rules changed.
    void Synchroniser();
    // The monitor's scale changed: everything is laid out and painted again.
    void ChangerEchelle(UINT ppp);

    // The index in the pool of the visible cell or wall under a point (device pixels of this
    // window), the topmost one; -1 when none. Frames take no press.
    int IndiceA(POINT p) const;
    // The place of a pool control in this window, in device pixels.
    RECT RectDe(const Controle& c) const { return echelle_.VersRect(c.rect()); }
    // The hint shown over the control under a point (the maze's exit), or nothing; the tooltip
    // that shows it.
    std::string BulleA(POINT p) const;
    HWND Bulle() const { return bulle_; }
    // What a screen reader says of the board, its window's text: the cursor's cell, what it
    // shows, its column and row and its state ("Plateau, 17, colonne 2, ligne 3, accessible").
    std::string Nom() const;
    // Paints the zone of the board into `dc`.
    void Peindre(HDC dc, const RECT& zone);
    // The board window's messages.
    LRESULT Traiter(UINT message, WPARAM w, LPARAM l);

private:
    struct MurTenu {
        Piece piece;
        int32_t tag;
        const Controle* mur;
        UINT bouton;   // MK_LBUTTON, MK_RBUTTON or MK_MBUTTON
    };

    void Appuyer(UINT bouton, WPARAM w, POINT p, bool doubleClic);
    void Relacher(UINT bouton, POINT p);
    void Placer();

    HWND fenetre_ = nullptr;
    HWND bulle_ = nullptr;        // the tooltip of the hints
    int bulleIndice_ = -1;        // the control whose hint it shows
    std::wstring bulleTexte_;
    Session& session_;
    std::vector<Piece> pieces_;   // what each control of the pool is, in creation order
    std::function<void()> modeleModifie_;
    Echelle echelle_;
    Polices polices_;
    std::optional<MurTenu> murTenu_;
    Controle panneauVu_;
    std::string nomDonne_;
};

} // namespace cogitelle
