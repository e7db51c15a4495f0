// cogitelle-puzzle: prints any puzzle of the collection, for a person or as a JSON fingerprint.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "games/Jeux.h"
#include "session/SessionAutonome.h"

using namespace cogitelle;

namespace {

const char* const Usage =
    "usage: cogitelle-puzzle TYPE NUMBER\n"
    "       cogitelle-puzzle --json TYPE NUMBER\n"
    "       cogitelle-puzzle --json --all\n"
    "TYPE is 1..5 or labyrinthe, carre, differences, serpentin, memoire; NUMBER is 1..500.\n";

[[noreturn]] void Refuser(const std::string& raison)
{
    std::cerr << "cogitelle-puzzle: " << raison << "\n" << Usage;
    std::exit(2);
}

int LireType(const std::string& s)
{
    for (int t = 1; t <= NbTypesJeu; ++t)
        if (s == JeuDe(t)->nom || s == std::to_string(t))
            return t;
    Refuser("unknown game type '" + s + "'");
}

int LireNumero(const std::string& s)
{
    if (s.empty() || s.size() > 3 || s.find_first_not_of("0123456789") != std::string::npos)
        Refuser("puzzle number '" + s + "' is not in 1..500");
    const int n = std::atoi(s.c_str());
    if (n < 1 || n > 500)
        Refuser("puzzle number '" + s + "' is not in 1..500");
    return n;
}

template <typename F>
void Grille(std::ostream& o, int n, F valeur)
{
    o << '[';
    for (int y = 1; y <= n; ++y) {
        o << (y > 1 ? ",[" : "[");
        for (int x = 1; x <= n; ++x)
            o << (x > 1 ? "," : "") << valeur(x, y);
        o << ']';
    }
    o << ']';
}

std::string Json(const SessionAutonome& s)
{
    const GameState& g = *s.etat;
    const Controles& k = *s.controles;
    const int n = g.NbColonnes;
    std::ostringstream o;
    o << "{\"type\":" << g.TypeJeu << ",\"number\":" << g.NumeroTableau << ",\"n\":" << n
      << ",\"attempts\":" << g.TentativesPartie << ",\"rng\":" << s.hasard.Etat() << ",\"values\":";
    Grille(o, n, [&](int x, int y) { return std::to_string(g.Valeur[x][y]); });
    o << ",\"states\":";
    Grille(o, n, [&](int x, int y) { return std::to_string(g.Etat[x][y]); });
    o << ",\"colours\":";
    Grille(o, n, [&](int x, int y) { return "\"" + EnHex(k.Cases[x][y].couleur()) + "\""; });
    JeuDe(g.TypeJeu)->EcrireJson(o, g);
    o << '}';
    return o.str();
}

std::string Texte(const SessionAutonome& s)
{
    const GameState& g = *s.etat;
    const int n = g.NbColonnes;
    std::ostringstream o;
    const Jeu* jeu = JeuDe(g.TypeJeu);
    o << jeu->titre << " - Cogitelle n° " << g.NumeroTableau << "\n";
    o << "board " << n << " x " << n;
    jeu->EcrireTexte(o, g);
    return o.str();
}

} // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    // "\n" as on every other system: the same puzzle prints the same bytes everywhere.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    bool json = false, tout = false;
    std::string positionnels[2];
    int nb = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--json")
            json = true;
        else if (a == "--all")
            tout = true;
        else if (a == "-h" || a == "--help") {
            std::cout << Usage;
            return 0;
        } else if (a.size() > 1 && a[0] == '-' && a.find_first_not_of("0123456789", 1) != std::string::npos)
            Refuser("unknown option '" + a + "'");
        else if (nb < 2)
            positionnels[nb++] = a;
        else
            Refuser("too many arguments");
    }
    if (tout) {
        if (!json)
            Refuser("--all needs --json");
        if (nb != 0)
            Refuser("--all takes no TYPE or NUMBER");
        // A fresh session per puzzle, as for a single puzzle: a fingerprint never depends on
        // the puzzles printed before it.
        std::string sortie;
        for (int t = 1; t <= NbTypesJeu; ++t)
            for (int numero = 1; numero <= 500; ++numero) {
                SessionAutonome s;
                s.Jouer(t, numero);
                sortie += Json(s);
                sortie += '\n';
            }
        std::fwrite(sortie.data(), 1, sortie.size(), stdout);
        return 0;
    }
    if (nb < 2)
        Refuser(nb == 0 ? "missing TYPE and NUMBER" : "missing NUMBER");
    const int type = LireType(positionnels[0]);
    const int numero = LireNumero(positionnels[1]);
    SessionAutonome s;
    s.Jouer(type, numero);
    std::cout << (json ? Json(s) + "\n" : Texte(s));
    return 0;
}
