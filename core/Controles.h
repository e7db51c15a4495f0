// The model of every window control the rules touch. The core writes it; the Qt layer draws it.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cogitelle {

// A colour whose low three bytes are red, green and blue (red in the low byte).
using Couleur = uint32_t;

constexpr Couleur RGB(uint32_t r, uint32_t g, uint32_t b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }
constexpr uint32_t Rouge(Couleur c) { return c & 0xFF; }
constexpr uint32_t Vert(Couleur c) { return (c >> 8) & 0xFF; }
constexpr uint32_t Bleu(Couleur c) { return (c >> 16) & 0xFF; }
// "#RRGGBB" as written everywhere in the rules.
std::string EnHex(Couleur c);

namespace couleurs {
constexpr Couleur Noir = RGB(0, 0, 0);
constexpr Couleur Argent = RGB(0xC0, 0xC0, 0xC0);
constexpr Couleur Gris = RGB(0x80, 0x80, 0x80);
constexpr Couleur Jaune = RGB(0xFF, 0xFF, 0x00);
constexpr Couleur VertVif = RGB(0x00, 0xFF, 0x00);
constexpr Couleur VertFonce = RGB(0x00, 0x80, 0x00);
constexpr Couleur RougeVif = RGB(0xFF, 0x00, 0x00);
constexpr Couleur BleuVif = RGB(0x00, 0x00, 0xFF);
constexpr Couleur VertClair = RGB(0x80, 0xFF, 0x80);    // #80FF80
constexpr Couleur BleuCiel = RGB(0x74, 0xC6, 0xED);     // #74C6ED
constexpr Couleur Blanc = RGB(0xFF, 0xFF, 0xFF);
} // namespace couleurs

enum class Curseur : uint8_t { Defaut, Main, Interdit, FlecheHaut };
enum class Biseau : uint8_t { Aucun, Releve, Abaisse };
enum class Sorte : uint8_t { Panneau, Cadre, Etiquette };

struct Rect {
    int32_t left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
    int32_t right() const { return left + width; }
    int32_t bottom() const { return top + height; }
    bool contient(int32_t x, int32_t y) const { return x >= left && y >= top && x < right() && y < bottom(); }
};

class Controles;

// The decimal text of a number, after an optional one-character prefix, held in place: a caption
// is compared with it and copied only when it differs, with no string built for each redraw.
class EnDecimal {
public:
    explicit EnDecimal(int32_t v, char prefixe = 0)
    {
        char* p = texte_;
        if (prefixe)
            *p++ = prefixe;
        longueur_ = static_cast<uint8_t>(std::to_chars(p, texte_ + sizeof texte_, v).ptr - texte_);
    }
    operator std::string_view() const { return {texte_, longueur_}; }

private:
    char texte_[13];   // a prefix, a sign and ten digits
    uint8_t longueur_;
};

// One control: a panel (cell, wall, side panel), an outline shape (cell frame) or a label.
// Every setter compares first and changes nothing when the value is the same, so a redraw that
// changes nothing writes nothing and the widget repaints nothing.
class alignas(64) Controle {
public:
    Controle() = default;
    Controle(Sorte sorte, int32_t tag) : tag_(tag), sorte_(sorte) {}

    Sorte sorte() const { return sorte_; }
    int32_t Tag() const { return tag_; }
    const Rect& rect() const { return rect_; }
    bool Visible() const { return visible_; }
    bool Enabled() const { return enabled_; }
    const std::string& Caption() const { return caption_; }
    Couleur couleur() const { return couleur_; }
    Couleur CouleurPolice() const { return couleurPolice_; }
    int32_t TaillePolice() const { return taillePolice_; }   // points
    bool Gras() const { return gras_; }
    Biseau BiseauInterieur() const { return biseauInterieur_; }
    Biseau BiseauExterieur() const { return biseauExterieur_; }
    int32_t LargeurBiseau() const { return largeurBiseau_; }
    Curseur curseur() const { return curseur_; }
    const std::string& Hint() const { return hint_; }
    bool ShowHint() const { return showHint_; }
    Couleur CouleurStylo() const { return couleurStylo_; }
    int32_t LargeurStylo() const { return largeurStylo_; }
    // A side panel that has the keyboard's focus, shown: a two-tone frame inside its bevel.
    bool Focus() const { return focus_; }

    // The comparison is inline: a layout or a redraw calls these thousands of times per new game,
    // and most calls change nothing.
    void SetRect(const Rect& r)
    {
        if (rect_ != r)
            ChangerRect(r);
    }
    void SetVisible(bool v)
    {
        if (visible_ == v)
            return;
        visible_ = v;
        Compter();
        Salir();
    }
    void SetEnabled(bool v) { Affecter(enabled_, v); }
    void SetCaption(std::string_view s)
    {
        if (caption_ != s) {
            caption_.assign(s);
            Modifie();
        }
    }
    void SetCouleur(Couleur c) { Affecter(couleur_, c); }
    void SetCouleurPolice(Couleur c) { Affecter(couleurPolice_, c); }
    void SetTaillePolice(int32_t points) { Affecter(taillePolice_, points); }
    void SetGras(bool g) { Affecter(gras_, g); }
    void SetBiseauInterieur(Biseau b) { Affecter(biseauInterieur_, b); }
    void SetBiseauExterieur(Biseau b) { Affecter(biseauExterieur_, b); }
    void SetLargeurBiseau(int32_t w) { Affecter(largeurBiseau_, w); }
    void SetCurseur(Curseur c) { Affecter(curseur_, c); }
    void SetHint(std::string_view s)
    {
        if (hint_ != s) {
            hint_.assign(s);
            Modifie();
        }
    }
    void SetShowHint(bool v) { Affecter(showHint_, v); }
    void SetCouleurStylo(Couleur c) { Affecter(couleurStylo_, c); }
    void SetLargeurStylo(int32_t w) { Affecter(largeurStylo_, w); }
    void SetFocus(bool f) { Affecter(focus_, f); }

private:
    friend class Controles;
    template <typename T>
    void Affecter(T& champ, const T& v)
    {
        if (champ == v)
            return;
        champ = v;
        Modifie();
    }
    // A property that only shows while the control is visible needs a repaint only then.
    void Modifie();
    void ChangerRect(const Rect& r);
    void Salir();   // records the current rectangle as needing a repaint
    void Compter();

    // Every scalar property in the first 64 bytes, the two strings after them: a layout pass
    // over the 1181 board controls compares mostly scalars and then reads one cache line each.
    Controles* proprietaire_ = nullptr;
    Rect rect_{};
    int32_t tag_ = 0;
    Couleur couleur_ = couleurs::Argent;
    Couleur couleurPolice_ = couleurs::Noir;
    int32_t taillePolice_ = 8;
    int32_t largeurBiseau_ = 1;
    Couleur couleurStylo_ = couleurs::Noir;
    int32_t largeurStylo_ = 1;
    bool surPlateau_ = false;
    Sorte sorte_ = Sorte::Panneau;
    bool visible_ = false;
    bool enabled_ = true;
    bool gras_ = false;
    Biseau biseauInterieur_ = Biseau::Aucun;
    Biseau biseauExterieur_ = Biseau::Releve;
    Curseur curseur_ = Curseur::Defaut;
    bool showHint_ = false;
    bool focus_ = false;
    std::string caption_;
    std::string hint_;
};

// A timer as data: the Qt layer mirrors it with a QTimer, tests call the tick directly.
struct Minuterie {
    enum Id : uint8_t { Score, RefreshMemoire, Lab };
    Id id = Score;
    bool Enabled = false;
    int32_t Interval = 1000;
    // Counts every start from disabled, so a front end can tell a restart from a still-running timer.
    uint32_t Demarrages = 0;
};

enum class TypeMur : uint8_t { Droit, Bas, BasDroit };

// The two colours of a focus frame: an outer ring and an inner one, so that it reads on any cell,
// panel and board colour the player may pick.
constexpr Couleur CouleurFocusExterieur = couleurs::Noir;
constexpr Couleur CouleurFocusInterieur = couleurs::Blanc;

// A side panel's focus frame, one pixel of each colour, lies this far inside the panel: past its
// bevels, and one pixel more.
inline int32_t RetraitFocusPanneau(const Controle& c)
{
    return (c.BiseauExterieur() != Biseau::Aucun ? c.LargeurBiseau() : 0) +
        (c.BiseauInterieur() != Biseau::Aucun ? c.LargeurBiseau() : 0) + 1;
}

// Whether two states of a control paint it alike, wherever it lies: a front end repaints a
// control only when its look changed.
inline bool MemeAspect(const Controle& a, const Controle& b)
{
    return a.Caption() == b.Caption() && a.couleur() == b.couleur() && a.CouleurPolice() == b.CouleurPolice() &&
        a.TaillePolice() == b.TaillePolice() && a.Gras() == b.Gras() &&
        a.BiseauInterieur() == b.BiseauInterieur() && a.BiseauExterieur() == b.BiseauExterieur() &&
        a.LargeurBiseau() == b.LargeurBiseau() && a.CouleurStylo() == b.CouleurStylo() &&
        a.LargeurStylo() == b.LargeurStylo() && a.Focus() == b.Focus();
}

// Where the main window's keyboard focus is: on the board, at one of its cells, or on a side panel.
struct FocusClavier {
    const Controle* panneau = nullptr;   // the side panel that has it; nullptr: the board
    int32_t x = 1, y = 1;                // the board's cell that has it
    // Its look shows: a key moved or used it since the last press of the mouse.
    bool montre = false;
};

// The pool of board controls and the main window's panels the rules write to.
class Controles {
public:
    Controles();
    Controles(const Controles&) = delete;
    Controles& operator=(const Controles&) = delete;

    // Board pool, indexed [x][y] like the grids of the game state.
    Controle Cases[16][16];             // x, y 0..15
    Controle CadresInterieurs[15][15];  // x, y 1..14
    Controle CadresCases[15][15];       // x, y 1..14
    Controle MursDroits[14][15];        // x 1..13, y 1..14
    Controle MursBas[15][14];           // x 1..14, y 1..13
    Controle MursBasDroits[14][14];     // x 1..13, y 1..13

    Controle& Mur(TypeMur type, int32_t x, int32_t y);

    // The keyboard's focus, and its look on the board: a frame of the two focus colours, each
    // ring LargeurStylo wide, over the focused cell. It is painted above the pool and is not part
    // of it: it takes no press.
    FocusClavier Focus;
    Controle CadreFocus;

    // The board panel (its rectangle is relative to the main window's client area).
    Controle panelCentral;

    // Right-hand panels of the main window.
    Controle superPanelDroite, panelNumeroTableau, panelNomJoueur, panelScoreMixte,
        panelTitreMeilleurScore, panelTitreDernierMeilleurScore, panelPremierMeilleurScore,
        panelDernierMeilleurScore, panelDetailHighScores;
    Controle panelInfo, lblInfos, panelBut, panelReglesDuJeu, panelCalculScores;
    Controle panelTableaux, panelChangerTableau, panelTableauAleatoire, panelTableauPrecedent,
        panelTableauIdem, panelTableauSuivant;
    Controle superPanelJeux;
    Controle panelsJeux[6];   // 1..5 in game type order: panelLabyrinthe .. panelMemoire

    // Main window colour and the check marks of the five game menu items (1..5).
    Couleur CouleurFenetre = RGB(0x00, 0x80, 0x40);
    bool MenuCoche[6] = {};

    Minuterie timerScore{Minuterie::Score, false, 1000};
    Minuterie timerRefreshMemoire{Minuterie::RefreshMemoire, false, 300};
    Minuterie timerLab{Minuterie::Lab, false, 1000};

    // The board controls in creation order: cells, inner frames, outer frames, right, bottom and
    // corner walls, each grid first index outer. Painting follows this order (later on top);
    // hit-testing runs it backwards. A cell lies inside its frames' strokes, so they never overlap.
    const std::vector<Controle*>& OrdreCreation() const { return ordre_; }

    // Rectangles (relative to panelCentral) that changed since the last call of PrendreZonesSales.
    std::vector<Rect> PrendreZonesSales();
    bool ToutSale() const { return toutSale_; }
    // The whole board is to be repainted: the rectangles recorded so far, and those of the changes
    // made until the next PrendreZonesSales, say nothing more and are not kept.
    void MarquerToutSale()
    {
        toutSale_ = true;
        zonesSales_.clear();
    }
    // How many properties actually changed value since the start: a redraw that changes nothing
    // leaves it as it was.
    uint64_t Modifications() const { return modifications_; }

private:
    friend class Controle;
    void Attacher(Controle& c, bool surPlateau);
    void AjouterZone(const Rect& r);
    std::vector<Controle*> ordre_;
    std::vector<Rect> zonesSales_;
    bool toutSale_ = true;
    uint64_t modifications_ = 0;
};

inline void Controle::Compter()
{
    if (proprietaire_)
        ++proprietaire_->modifications_;
}

inline void Controle::Salir()
{
    if (proprietaire_ && surPlateau_ && !proprietaire_->toutSale_ && rect_.width > 0 && rect_.height > 0)
        proprietaire_->AjouterZone(rect_);
}

inline void Controle::Modifie()
{
    Compter();
    if (visible_)
        Salir();
}

} // namespace cogitelle
