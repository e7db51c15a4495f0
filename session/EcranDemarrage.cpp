#include "session/EcranDemarrage.h"

#include <algorithm>

#include "core/Plateau.h"
#include "session/Portrait.h"

namespace cogitelle {

namespace {

// Design places, in pixels of the 800-pixel-wide design.
constexpr Rect Boite{14, 12, 397, 280};
constexpr Rect ZoneTitre{26, 22, 373, 50};
constexpr Rect ImageLabyrinthe{62, 84, 112, 112};
constexpr Rect ImageCarre{251, 84, 112, 112};
constexpr Rect BoutonDemarrer{26, 212, 373, 33};
constexpr Rect BoutonEnglish{309, 256, 90, 22};

constexpr Couleur FondBoite = RGB(0x0E, 0x8F, 0xA8);
constexpr Couleur FondTitre = RGB(0x00, 0x40, 0x80);
constexpr Couleur CouleurMur = RGB(0x5A, 0x7D, 0xB4);

// A flat coloured rectangle.
ElementDessin Aplat(const Rect& r, Couleur couleur)
{
    ElementDessin e{Controle(Sorte::Panneau, 0), {}};
    e.vue.SetRect(r);
    e.vue.SetCouleur(couleur);
    e.vue.SetBiseauExterieur(Biseau::Aucun);
    e.vue.SetVisible(true);
    return e;
}

// A small cell drawn like the board's: colour, raised bevel, caption in "Times New Roman".
ElementDessin Case(const Rect& r, Couleur fond, const char* texte, int32_t points, Biseau interieur = Biseau::Aucun)
{
    ElementDessin e{Controle(Sorte::Panneau, 0), {FamillePolice::Times, points, true}};
    e.vue.SetRect(r);
    e.vue.SetCouleur(fond);
    e.vue.SetCaption(texte);
    e.vue.SetTaillePolice(points);
    e.vue.SetBiseauInterieur(interieur);
    e.vue.SetVisible(true);
    return e;
}

// A black picture of 5 x 5 cells `ecartDesign` apart at factor 1.
struct Grille5 {
    static constexpr int n = 5;
    Rect zone;
    int32_t ecart, cote;
    Grille5(const Rect& z, double f, int32_t ecartDesign)
        : zone(z), ecart(std::max(2, Arrondi(ecartDesign * f))), cote((z.width - (n - 1) * ecart) / n)
    {
    }
    Rect Case(int x, int y) const { return {zone.left + x * (cote + ecart), zone.top + y * (cote + ecart), cote, cote}; }
};

// A 5 x 5 maze with its walls in the gaps, the glutton at the top left and the exit at the
// bottom right.
void DessinLabyrinthe(std::vector<ElementDessin>& dessin, const Rect& zone, double f, int32_t minimum)
{
    dessin.push_back(Aplat(zone, couleurs::Noir));
    const Grille5 g(zone, f, 5);
    const int n = Grille5::n;
    const int32_t points = std::max(minimum, Arrondi(8 * f));
    // Bonus numbers off the path, the rest of the cells eaten or unexplored.
    const char* nombres[5][5] = {{"50", "", "", "7", ""}, {"", "", "12", "", ""}, {"", "9", "", "", "4"},
        {"", "", "", "15", ""}, {"3", "", "", "", "A"}};
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const char* t = nombres[y][x];
            if ((x == 0 && y == 0) || (x == n - 1 && y == n - 1))
                dessin.push_back(Case(g.Case(x, y), couleurs::Jaune, t, points));
            else if (*t)
                dessin.push_back(Case(g.Case(x, y),
                    RGB(0xB4 + 6 * x, 0xC0 - 5 * y, 0xAA + 9 * ((x + y) % 3)), t, points));
        }
    // A perfect maze: the passages form a tree; every other wall stands, with the pieces at the
    // crossings that join them.
    struct Passage { int x1, y1, x2, y2; };
    const Passage passages[] = {{0, 0, 1, 0}, {1, 0, 2, 0}, {2, 0, 3, 0}, {3, 0, 4, 0}, {4, 0, 4, 1}, {0, 0, 0, 1},
        {0, 1, 1, 1}, {1, 1, 2, 1}, {2, 1, 2, 2}, {0, 1, 0, 2}, {0, 2, 0, 3}, {0, 3, 1, 3}, {1, 3, 1, 2},
        {2, 2, 3, 2}, {3, 2, 3, 1}, {3, 2, 4, 2}, {4, 2, 4, 3}, {4, 3, 3, 3}, {3, 3, 2, 3}, {2, 3, 2, 4},
        {2, 4, 1, 4}, {1, 4, 0, 4}, {2, 4, 3, 4}, {3, 4, 4, 4}};
    auto ouvert = [&](int x1, int y1, int x2, int y2) {
        for (const Passage& q : passages)
            if ((q.x1 == x1 && q.y1 == y1 && q.x2 == x2 && q.y2 == y2) ||
                (q.x1 == x2 && q.y1 == y2 && q.x2 == x1 && q.y2 == y1))
                return true;
        return false;
    };
    auto murDroit = [&](int x, int y) { return x < n - 1 && y >= 0 && y < n && !ouvert(x, y, x + 1, y); };
    auto murBas = [&](int x, int y) { return y < n - 1 && x >= 0 && x < n && !ouvert(x, y, x, y + 1); };
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            const Rect c = g.Case(x, y);
            if (murDroit(x, y))
                dessin.push_back(Aplat({c.right(), c.top, g.ecart, g.cote}, CouleurMur));
            if (murBas(x, y))
                dessin.push_back(Aplat({c.left, c.bottom(), g.cote, g.ecart}, CouleurMur));
            if (x < n - 1 && y < n - 1 && (murDroit(x, y) || murDroit(x, y + 1) || murBas(x, y) || murBas(x + 1, y)))
                dessin.push_back(Aplat({c.right(), c.bottom(), g.ecart, g.ecart}, CouleurMur));
        }
}

// A magic square of 3 with its ring of sums: every line makes 15.
void DessinCarre(std::vector<ElementDessin>& dessin, const Rect& zone, double f, int32_t minimum)
{
    dessin.push_back(Aplat(zone, couleurs::Noir));
    const Grille5 g(zone, f, 4);
    const int n = Grille5::n;
    const int32_t points = std::max({5, minimum, Arrondi(10 * f)});
    const int32_t petits = std::max({4, minimum, Arrondi(6 * f)});
    const char* carre[3][3] = {{"2", "7", "6"}, {"9", "5", "1"}, {"4", "3", "8"}};
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const bool anneau = x == 0 || y == 0 || x == n - 1 || y == n - 1;
            const bool coin = (x == 0 || x == n - 1) && (y == 0 || y == n - 1);
            if (coin)
                continue;
            if (anneau)
                dessin.push_back(Case(g.Case(x, y), couleurs::Argent, "15", petits, Biseau::Abaisse));
            else
                dessin.push_back(Case(g.Case(x, y), RGB(0xA0 + 12 * x, 0xB4 + 8 * y, 0xAA), carre[y - 1][x - 1], points));
        }
}

} // namespace

const char* EcranDemarrage::NomBouton(int32_t langue) { return langue == 2 ? "PanelStartEnglish" : "PanelStartFrench"; }

void EcranDemarrage::Creer(double f, const std::string& titre) { Disposer(f, titre, false); }

void EcranDemarrage::CreerDebout(int32_t largeurCss, const std::string& titre)
{
    Disposer(static_cast<double>(largeurCss) / Largeur, titre, true);
}

void EcranDemarrage::Disposer(double f, const std::string& titre, bool debout)
{
    facteur_ = f;
    largeur_ = Arrondi(Largeur * f);
    hauteur_ = Arrondi(Hauteur * f);
    dessin_.clear();

    // Upright, the pictures take the box's width between them, their numbers readable, and each
    // button is tall enough for a finger, "ENGLISH" on a row of its own.
    const Rect imageLabyrinthe = debout ? Rect{26, 84, 170, 170} : ImageLabyrinthe;
    const Rect imageCarre = debout ? Rect{229, 84, 170, 170} : ImageCarre;
    const double fImages = debout ? f * imageLabyrinthe.width / ImageLabyrinthe.width : f;
    const int32_t pointsMinimaux = debout ? (TexteMinimal * 72 + 95) / 96 : 0;
    Rect places[] = {{}, AEchelle(BoutonDemarrer, f), AEchelle(BoutonEnglish, f)};
    double pixels[] = {0, 21 * f, 11 * f};
    Rect boite = AEchelle(Boite, f);
    if (debout) {
        const int32_t ecart = Arrondi(12 * f);
        Rect& demarrer = places[1];
        demarrer.top = AEchelle(imageLabyrinthe, f).bottom() + Arrondi(16 * f);
        demarrer.height = std::max(demarrer.height, CibleMinimale);
        Rect& english = places[2];
        english.width = std::max(english.width, CibleMinimale);
        english.height = std::max(english.height, CibleMinimale);
        english.left = demarrer.right() - english.width;
        english.top = demarrer.bottom() + ecart;
        boite.height = english.bottom() + Arrondi(14 * f) - boite.top;
        hauteur_ = boite.bottom() + ecart;
        for (double& p : pixels)
            p = p > 0 ? std::max(p, static_cast<double>(TexteMinimal)) : 0;
    }

    // The framed box: a lowered groove around a raised face.
    const int32_t bord = std::max(1, Arrondi(f));
    ElementDessin cadre = Aplat(boite, FondBoite);
    cadre.vue.SetBiseauExterieur(Biseau::Abaisse);
    cadre.vue.SetBiseauInterieur(Biseau::Releve);
    cadre.vue.SetLargeurBiseau(bord);
    dessin_.push_back(cadre);

    // The title in its own lowered frame.
    ElementDessin t = Aplat(AEchelle(ZoneTitre, f), FondTitre);
    t.vue.SetBiseauExterieur(Biseau::Abaisse);
    t.vue.SetLargeurBiseau(bord);
    t.vue.SetCaption(titre);
    t.vue.SetCouleurPolice(couleurs::VertClair);
    t.police = {FamillePolice::Times, std::max(8, Arrondi(32 * f)), false, true};
    dessin_.push_back(t);

    DessinLabyrinthe(dessin_, AEchelle(imageLabyrinthe, f), fImages, std::max(5, pointsMinimaux));
    DessinCarre(dessin_, AEchelle(imageCarre, f), fImages, pointsMinimaux);

    // The buttons: bold type of 21 and 11 pixels on the design screen, a hand over them.
    const char* captions[] = {"", "DEMARRER", "ENGLISH"};
    for (int32_t langue = 1; langue <= NbBoutons; ++langue) {
        ElementDessin& b = boutons_[langue];
        const int32_t points = Arrondi(pixels[langue] * 72.0 / 96.0);
        b = {Controle(Sorte::Panneau, langue), {FamillePolice::SansSerif, points, true, true}};
        b.vue.SetRect(places[langue]);
        b.vue.SetVisible(true);
        b.vue.SetCouleur(couleurs::Argent);
        b.vue.SetCaption(captions[langue]);
        b.vue.SetTaillePolice(points);
        b.vue.SetGras(true);
        b.vue.SetLargeurBiseau(2);
        b.vue.SetCurseur(Curseur::Main);
    }
}

void EcranDemarrage::Enfoncer(int32_t langue, bool enfonce)
{
    if (langue >= 1 && langue <= NbBoutons)
        boutons_[langue].vue.SetBiseauExterieur(enfonce ? Biseau::Abaisse : Biseau::Releve);
}

int32_t EcranDemarrage::LangueDeLaTouche(ToucheFenetre touche)
{
    return touche == ToucheFenetre::Entree || touche == ToucheFenetre::Espace ? 1 : 0;
}

} // namespace cogitelle
