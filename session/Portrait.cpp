#include "session/Portrait.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "core/Plateau.h"
#include "session/ChoixTableau.h"
#include "session/DetailMeilleursScores.h"
#include "session/FenetrePrincipale.h"

namespace cogitelle {

namespace {

// Wider than this, a viewport held upright is a tablet's, which keeps the design.
constexpr int32_t LargeurTelephoneMax = 600;
// The type of the panels and buttons upright, and the space between two rows, in CSS pixels.
constexpr int32_t TexteCourant = 15;
constexpr int32_t Ecart = 6;

// Lays controls out in rows across a parent `largeur` wide, from its top `marge` in: each row
// one height, its controls side by side in the shares given (hundredths of the row).
class Rangees {
public:
    Rangees(int32_t largeur, int32_t marge, int32_t ecart) : largeur_(largeur), marge_(marge), ecart_(ecart), y_(marge) {}

    // A row of controls: their places, left to right.
    std::vector<Rect> Rangee(int32_t hauteur, std::initializer_list<int32_t> parts)
    {
        std::vector<Rect> places;
        const int32_t utile = largeur_ - 2 * marge_ - ecart_ * static_cast<int32_t>(parts.size() - 1);
        int32_t x = marge_, cumul = 0;
        for (int32_t part : parts) {
            cumul += part;
            // The last control ends at the margin whatever the rounding.
            const int32_t fin = marge_ + utile * cumul / 100 + ecart_ * static_cast<int32_t>(places.size());
            places.push_back({x, y_, fin - x, hauteur});
            x = fin + ecart_;
        }
        y_ += hauteur + ecart_;
        return places;
    }
    // The height used so far, the bottom margin included.
    int32_t Hauteur() const { return y_ - ecart_ + marge_; }

private:
    int32_t largeur_, marge_, ecart_, y_;
};

} // namespace

bool EstPortrait(int32_t largeurCss, int32_t hauteurCss)
{
    return largeurCss > 0 && hauteurCss > largeurCss && largeurCss <= LargeurTelephoneMax;
}

void EcranDeReference(int32_t largeurCss, int32_t hauteurCss, int32_t& largeur, int32_t& hauteur)
{
    if (EstPortrait(largeurCss, hauteurCss)) {
        largeur = 800;
        hauteur = 600;
        return;
    }
    largeur = std::max(800, largeurCss);
    hauteur = std::max(600, hauteurCss);
}

FenetrePortrait DisposerPortrait(const FenetrePrincipale& fenetre, double fx, double fy, int32_t largeurCss)
{
    FenetrePortrait f;
    // The board panel's margin each side of it, as the design places it.
    const int32_t marge = Arrondi(fx * 4);
    f.largeur = 2 * marge + Arrondi(fx * 600);
    f.echelle = static_cast<double>(std::max(1, largeurCss)) / f.largeur;
    // A length of CSS pixels in window pixels, rounded up so it never shrinks below it.
    auto px = [&f](int32_t css) { return static_cast<int32_t>(std::ceil(css / f.echelle - 1e-9)); };
    const int32_t cible = px(CibleMinimale), ligne = px(TexteCourant * 2), texte = px(TexteCourant);
    const int32_t ecart = px(Ecart), interieur = px(4);
    const int32_t largeurPanneau = f.largeur - 2 * marge;

    const std::vector<PlaceControle>& d = fenetre.Disposition();
    f.places.resize(d.size());
    auto indice = [&d](std::string_view nom) {
        for (size_t i = 0; i < d.size(); ++i)
            if (nom == d[i].nom)
                return i;
        return d.size();
    };
    auto placer = [&](std::string_view nom, const Rect& r, int32_t taille) {
        const size_t i = indice(nom);
        if (i < f.places.size())
            f.places[i] = {r, taille};
    };
    auto rangee = [&](Rangees& r, int32_t hauteur, std::initializer_list<std::string_view> noms,
                      std::initializer_list<int32_t> parts) {
        const std::vector<Rect> places = r.Rangee(hauteur, parts);
        size_t k = 0;
        for (std::string_view nom : noms)
            placer(nom, places[k++], texte);
    };

    // Below the board: each group of panels one box as wide as the board, its rows inside.
    int32_t y = marge + Arrondi(fy * 525) + ecart;
    auto groupe = [&](std::string_view nom, Rangees& r) {
        placer(nom, {marge, y, largeurPanneau, r.Hauteur()}, texte);
        y += r.Hauteur() + ecart;
    };

    // The score first, where the player sees it under the board.
    Rangees droite(largeurPanneau, interieur, interieur);
    rangee(droite, ligne, {"panelNumeroTableau", "panelNomJoueur", "panelScoreMixte"}, {40, 38, 22});
    rangee(droite, ligne, {"panelTitreMeilleurScore", "panelPremierMeilleurScore", "panelTitreDernierMeilleurScore",
                              "panelDernierMeilleurScore"}, {30, 20, 30, 20});
    rangee(droite, cible, {"panelDetailHighScores"}, {100});
    groupe("superPanelDroite", droite);

    Rangees tableaux(largeurPanneau, interieur, interieur);
    rangee(tableaux, cible, {"panelChangerTableau", "panelTableauAleatoire"}, {50, 50});
    rangee(tableaux, cible, {"panelTableauPrecedent", "panelTableauIdem", "panelTableauSuivant"}, {22, 56, 22});
    groupe("panelTableaux", tableaux);

    // The information in its frame, room for the longest rules, then its three buttons.
    Rangees info(largeurPanneau, interieur, interieur);
    const Rect cadre = info.Rangee(px(12 * TexteCourant), {100})[0];
    placer("Shape1", cadre, texte);
    const int32_t bord = px(6);
    placer("lblInfos", {cadre.left + bord, cadre.top + bord, cadre.width - 2 * bord, cadre.height - 2 * bord}, texte);
    rangee(info, cible, {"panelBut", "panelReglesDuJeu", "panelCalculScores"}, {33, 34, 33});
    groupe("panelInfo", info);

    Rangees jeux(largeurPanneau, interieur, interieur);
    for (std::string_view nom : {"panelLabyrinthe", "panelCarreMagique", "panelDifferences", "panelSerpentin", "panelMemoire"})
        rangee(jeux, cible, {nom}, {100});
    groupe("superPanelJeux", jeux);

    f.hauteur = y - ecart + marge;
    f.hauteurMenus = CibleMinimale;
    f.policeMenus = 16;
    return f;
}

namespace {

// A dialog's controls by name, placed in CSS pixels.
struct Placeur {
    const DescriptionFenetre& d;
    DialoguePortrait& p;
    void operator()(std::string_view nom, const Rect& r, int32_t taille) const
    {
        const int32_t i = d.Indice(nom);
        if (i >= 0)
            p.places[static_cast<size_t>(i)] = {r, taille};
    }
};

// A dialog's client width on a phone: as wide as the phone, its frame and a margin kept.
int32_t LargeurDialogue(int32_t largeurCss) { return std::max(240, std::min(480, largeurCss * 96 / 100 - 2)); }

// A dialog upright before its controls are placed: its width and type, a place for each control.
DialoguePortrait DialogueVide(const DescriptionFenetre& d, int32_t largeurCss)
{
    DialoguePortrait p;
    p.largeur = LargeurDialogue(largeurCss);
    p.taille = TexteCourant;
    p.places.resize(d.controles.size());
    return p;
}

} // namespace

DialoguePortrait ChoixTableauPortrait(int32_t largeurCss)
{
    const DescriptionFenetre& d = ChoixTableau::Description();
    DialoguePortrait p = DialogueVide(d, largeurCss);
    const Placeur placer{d, p};
    const int32_t T = CibleMinimale, m = 4;

    // The five games, one row each inside their group box.
    const int32_t haut = 22;
    const Rect groupe{m, m, p.largeur - 2 * m, haut + NbTypesJeu * T + Ecart};
    placer("groupBoxTypeJeu", groupe, TexteCourant + 1);
    for (int t = 1; t <= NbTypesJeu; ++t)
        placer("rbTypeJeu" + std::to_string(t), {10, haut + (t - 1) * T, groupe.width - 20, T}, TexteCourant + 1);

    Rangees r(p.largeur, m, Ecart);
    r.Rangee(groupe.height, {100});
    std::vector<Rect> l = r.Rangee(T, {42, 58});
    placer("Panel1", l[0], TexteCourant);
    placer("editYourName", l[1], TexteCourant + 3);
    l = r.Rangee(T, {28, 44, 28});
    placer("panelRecordMixte", l[0], TexteCourant);
    placer("panelNomRecordMixte", l[1], TexteCourant + 2);
    placer("panelScoreRecordMixte", l[2], TexteCourant + 2);
    placer("panelNumeroTableau", r.Rangee(T, {100})[0], 26);
    placer("scrollBarChoixTableau", r.Rangee(T, {100})[0], TexteCourant);
    placer("panelAleatoire", r.Rangee(T, {100})[0], TexteCourant + 1);
    l = r.Rangee(T, {38, 62});
    placer("buttonCancel", l[0], TexteCourant + 1);
    placer("buttonOK", l[1], TexteCourant + 1);
    p.hauteur = r.Hauteur();
    return p;
}

DialoguePortrait DetailMeilleursScoresPortrait(int32_t largeurCss)
{
    const DescriptionFenetre& d = DetailMeilleursScores::Description();
    DialoguePortrait p = DialogueVide(d, largeurCss);
    const Placeur placer{d, p};
    const int32_t T = CibleMinimale, m = 4;

    Rangees r(p.largeur, m, Ecart);
    placer("panelMeilleursScores", r.Rangee(40, {100})[0], 24);
    placer("panelTypeJeu", r.Rangee(36, {100})[0], TexteCourant + 1);
    placer("scrollBarTypeJeu", r.Rangee(T, {100})[0], TexteCourant);
    placer("panelNumeroTableau", r.Rangee(36, {100})[0], TexteCourant + 1);
    placer("scrollBarNumeroTableau", r.Rangee(T, {100})[0], TexteCourant);
    // The ten places, a row of 26 pixels each, as the viewer's grid divides its panel.
    Rect central = r.Rangee(10 * 26 + 2 * 8, {100})[0];
    std::vector<Rect> cellules;
    central.height = DetailMeilleursScores::Grille(central.width, central.height, 1.6, cellules);
    placer("panelCentral", central, TexteCourant);
    const int32_t premier = d.Indice("panelRang1");
    for (size_t i = 0; i < cellules.size(); ++i)
        p.places[static_cast<size_t>(premier) + i] = {cellules[i], TexteCourant};
    placer("panelOkHighScores", r.Rangee(48, {100})[0], 22);
    p.hauteur = r.Hauteur();
    return p;
}

} // namespace cogitelle
