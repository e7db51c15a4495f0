#include "session/Descriptions.h"

#include <algorithm>
#include <cmath>

#include "core/Plateau.h"

namespace cogitelle {

int32_t AEchelle(int32_t pixels, double facteur) { return Arrondi(pixels * facteur); }

Rect AEchelle(const Rect& d, double f) { return {AEchelle(d.left, f), AEchelle(d.top, f), AEchelle(d.width, f), AEchelle(d.height, f)}; }

int32_t TaillePolice(const Police& police, double facteur) { return std::max(1, AEchelle(police.taille, facteur)); }

int32_t DescriptionFenetre::Indice(std::string_view n) const
{
    for (size_t i = 0; i < controles.size(); ++i)
        if (controles[i].nom == n)
            return static_cast<int32_t>(i);
    return -1;
}

ControleFenetre& DescriptionFenetre::Ajouter(std::string n, Genre genre, const Rect& design, const Police& police,
    Couleur couleur, std::string caption, int32_t parent)
{
    ControleFenetre& c = controles.emplace_back();
    c.nom = std::move(n);
    c.genre = genre;
    c.parent = parent;
    c.design = design;
    c.police = police;
    c.couleur = couleur;
    c.caption = std::move(caption);
    return c;
}

std::vector<EtatControle> EtatsDeConception(const DescriptionFenetre& d)
{
    std::vector<EtatControle> etats(d.controles.size());
    for (size_t i = 0; i < etats.size(); ++i) {
        const ControleFenetre& c = d.controles[i];
        etats[i].caption = c.caption;
        etats[i].position = etats[i].min = c.min;
        etats[i].max = c.max;
    }
    return etats;
}

std::vector<Rect> PlacesALEchelle(const DescriptionFenetre& d, double facteur)
{
    std::vector<Rect> places;
    places.reserve(d.controles.size());
    for (const ControleFenetre& c : d.controles)
        places.push_back(AEchelle(c.design, facteur));
    return places;
}

namespace {

bool Agit(const ControleFenetre& c)
{
    switch (c.genre) {
    case Genre::Defilement:
    case Genre::Saisie:
    case Genre::BoutonPanneau:
    case Genre::Groupe: return true;
    default: return false;
    }
}

} // namespace

std::vector<int32_t> OrdreTabulation(const DescriptionFenetre& d)
{
    std::vector<int32_t> places;
    for (size_t i = 0; i < d.controles.size(); ++i)
        if (d.controles[i].ordreTab >= 0 && Agit(d.controles[i]))
            places.push_back(static_cast<int32_t>(i));
    std::stable_sort(places.begin(), places.end(),
        [&d](int32_t a, int32_t b) { return d.controles[a].ordreTab < d.controles[b].ordreTab; });
    std::vector<int32_t> ordre;
    for (int32_t i : places) {
        if (d.controles[i].genre != Genre::Groupe) {
            ordre.push_back(i);
            continue;
        }
        for (size_t j = 0; j < d.controles.size(); ++j)
            if (d.controles[j].parent == i && d.controles[j].genre == Genre::Radio)
                ordre.push_back(static_cast<int32_t>(j));
    }
    return ordre;
}

} // namespace cogitelle
