// One control of the main window's right-hand side drawn from the controls model, in a child
// window of its own: a panel, a label or an outline shape. A clickable one reports its press,
// release and click; it follows its model at each Synchroniser.
#pragma once

#include "win/Windows.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "win/Ecran.h"
#include "win/Peinture.h"

namespace cogitelle {

class Panneau {
public:
    struct Evenements {
        std::function<void()> enfonce;   // a mouse button went down on it
        std::function<void()> relache;   // that button went up
        std::function<void()> clique;    // the left button went up inside it
    };

    // `police`: a dialog's type at the dialog's scale, in place of the control's own size.
    Panneau(HWND parent, const Controle& modele, const char* nom, Famille famille, bool cliquable, Evenements evenements,
        std::optional<Police> police = std::nullopt);
    ~Panneau();
    Panneau(const Panneau&) = delete;
    Panneau& operator=(const Panneau&) = delete;

    HWND Fenetre() const { return fenetre_; }
    const Controle& Modele() const { return modele_; }
    // An outline shape that lies above this control: one of its children (`enfant`), or one of
    // its siblings created after it. Outline shapes have no window: each control under one
    // paints the part of it that crosses it.
    void AjouterDessus(const Controle& cadre, bool enfant) { dessus_.push_back({&cadre, enfant, cadre}); }
    // Its window's text follows its caption, which a screen reader then says, rather than
    // staying its control's name.
    void NommerParLegende() { nommerParLegende_ = true; }

    // Place, visibility and enabled state from the model; a repaint when the look changed.
    void Synchroniser(const Echelle& echelle);
    void Peindre(HDC dc);
    // Its window's messages.
    LRESULT Traiter(UINT message, WPARAM w, LPARAM l);

private:

    HWND fenetre_ = nullptr;
    const Controle& modele_;
    Controle vu_;   // the look last painted
    Famille famille_;
    std::optional<Police> police_;
    bool cliquable_;
    Evenements evenements_;
    Echelle echelle_;
    Polices polices_;
    struct Dessus {
        const Controle* cadre;
        bool enfant;
        Controle vu;
    };
    std::vector<Dessus> dessus_;
    UINT boutonTenu_ = 0;
    bool nommerParLegende_ = false;
    std::string nomDonne_;
};

} // namespace cogitelle
