#include "games/Impression.h"

#include <ostream>

namespace cogitelle {

std::string Centrer(const std::string& s, size_t largeur)
{
    if (s.size() >= largeur)
        return s;
    const size_t gauche = (largeur - s.size() + 1) / 2;
    return std::string(gauche, ' ') + s + std::string(largeur - s.size() - gauche, ' ');
}

void TexteGrille(std::ostream& o, const GameState& g, int de, int a, std::string (*cellule)(const GameState&, int, int))
{
    for (int y = de; y <= a; ++y) {
        for (int x = de; x <= a; ++x)
            o << Centrer(cellule(g, x, y), 6);
        o << '\n';
    }
}

} // namespace cogitelle
