#include "session/Echelles.h"

#include <algorithm>

#include "core/Plateau.h"

namespace cogitelle {

int32_t TaillePoliceInfo(double fx, double fy) { return TaillePoliceEchelle(9, fx, fy); }
int32_t TaillePolicePanneaux(double fx, double fy) { return TaillePoliceEchelle(8, fx, fy); }

double FacteurDialogue(double fx, double fy, int32_t largeur, int32_t hauteur, int32_t largeurLibre,
    int32_t hauteurLibre, int32_t hauteurTitre)
{
    double f = std::min(fx, fy);
    if (largeur > 0 && largeurLibre > 0)
        f = std::min(f, static_cast<double>(largeurLibre) / largeur);
    if (hauteur > 0 && hauteurLibre > hauteurTitre)
        f = std::min(f, static_cast<double>(hauteurLibre - hauteurTitre) / hauteur);
    return f > 0 ? f : 1.0;
}

Rect PlaceDansZone(int32_t largeur, int32_t hauteur, const Rect& zone)
{
    int32_t gauche = zone.left + (zone.width - largeur) / 2;
    int32_t haut = zone.top + (zone.height - hauteur) / 2;
    // Too large for the area: the title bar stays reachable at the top left.
    gauche = std::max(zone.left, gauche);
    haut = std::max(zone.top, haut);
    return {gauche, haut, largeur, hauteur};
}

int32_t TailleQuiTient(int32_t taille, const std::function<bool(int32_t)>& tient)
{
    int32_t t = std::max(1, taille);
    while (t > 1 && !tient(t))
        --t;
    return t;
}

} // namespace cogitelle
