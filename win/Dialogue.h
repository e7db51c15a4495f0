// A dialog realised from its description: native radio buttons, edit box, scroll bars and group
// box, buttons drawn as the panels they are designed as, painted panels, all at the dialog's scale.
// Each event goes to the dialog's rules; the widgets then copy what the rules say the controls show.
#pragma once

#include "win/Windows.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "session/Descriptions.h"
#include "session/Entrees.h"
#include "win/Ecran.h"
#include "win/Panneau.h"
#include "win/Peinture.h"

namespace cogitelle {

// What a dialog's window asks of its rules.
class ReglesDialogue {
public:
    virtual ~ReglesDialogue() = default;
    virtual const DescriptionFenetre& Description() const = 0;
    // Every control's place at the dialog's scale, in its parent.
    virtual std::vector<Rect> Places(double facteur) const;
    virtual std::vector<EtatControle> Etats() const = 0;
    // The window became active.
    virtual void Activer() = 0;
    virtual Issue Clic(int32_t indice) = 0;
    virtual void Change(int32_t indice, int32_t position) = 0;
    virtual void DoubleClic(int32_t /*indice*/) {}
    // The edit box's text after an edit; returns what it keeps.
    virtual std::string Saisie(const std::string& texte) { return texte; }
    virtual Issue Touche(ToucheFenetre touche) = 0;
    // A key of the scroll bars, on the bar `indice` that has the focus.
    virtual void Defiler(int32_t indice, ToucheDefilement touche) = 0;
    // A digit typed on the scroll bar `indice`; any other key, or the bar losing the keyboard,
    // forgets the digits typed.
    virtual void Chiffre(int32_t /*indice*/, int32_t /*chiffre*/) {}
    virtual void OublierChiffres() {}
    // True when the window takes the scroll bars' keys itself, whatever control has the focus.
    virtual bool ClavierALaFenetre() const { return false; }
    // The control the rules give the keyboard to, once; -1 when none.
    virtual int32_t PrendreFocus() { return -1; }
};

class Dialogue {
public:
    // `issue` is called after an event that closes the dialog or starts a game.
    Dialogue(HWND proprietaire, ReglesDialogue& regles, double facteurX, double facteurY, std::function<void(Issue)> issue);
    ~Dialogue();
    Dialogue(const Dialogue&) = delete;
    Dialogue& operator=(const Dialogue&) = delete;

    HWND Fenetre() const { return fenetre_; }
    // The window of a control of the description.
    HWND Controle(int32_t indice) const { return controles_[static_cast<size_t>(indice)].fenetre; }
    double Facteur() const { return facteur_; }

    // Centred on the monitor's free area, shown and activated; the rules take it as an activation.
    void Montrer();
    void Cacher();
    // The widgets copy what the controls show now.
    void Synchroniser();
    // The dialog's keys: Enter, Escape, Tab and the keys the window takes itself. True when the
    // message was used up.
    bool Previsualiser(MSG& m);
    // Its window's messages.
    LRESULT Traiter(UINT message, WPARAM w, LPARAM l);

private:
    struct Element {
        HWND fenetre = nullptr;
        std::unique_ptr<Panneau> panneau;   // a painted control
        cogitelle::Controle vue;            // what a painted control or a button shows
        std::optional<Police> police;       // its type at the dialog's scale
        bool enfonce = false;               // a button held down
    };

    static LRESULT CALLBACK ProcedureControle(HWND fenetre, UINT message, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR donnee);
    LRESULT TraiterControle(int32_t indice, HWND fenetre, UINT message, WPARAM w, LPARAM l);
    void Creer();
    void Evenement(const std::function<Issue()>& regle);
    // An edit of the edit box `indice`: the box shows what the rules keep, its caret where the
    // player typed, after the characters kept before it.
    void Saisir(int32_t indice);
    int32_t IndiceDe(HWND fenetre) const;
    HFONT PoliceNative(const Police& police);

    ReglesDialogue& regles_;
    std::function<void(Issue)> issue_;
    HWND proprietaire_;
    HWND fenetre_ = nullptr;
    double facteur_ = 1.0;
    Echelle echelle_;
    Polices polices_;
    std::vector<Element> controles_;
    HBRUSH fond_ = nullptr;
    std::vector<std::pair<Couleur, HBRUSH>> pinceaux_;
    bool synchronisation_ = false;   // the widgets are being set: their notifications are not edits
};

} // namespace cogitelle
