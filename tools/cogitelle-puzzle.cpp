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

#include "session/SessionAutonome.h"

using namespace cogitelle;

namespace {

const char* const NomsTypes[6] = {"", "labyrinthe", "carre", "differences", "serpentin", "memoire"};
const char* const TitresTypes[6] = {"", "LE GLOUTON DU LABYRINTHE", "CARRE MAGIQUE", "JEU DES DIFFERENCES",
    "LE SERPENTIN NUMERIQUE", "MEMOIRE"};

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
    for (int t = 1; t <= 5; ++t)
        if (s == NomsTypes[t] || s == std::to_string(t))
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
    switch (g.TypeJeu) {
    case Labyrinthe: {
        o << ",\"path\":[";
        for (int i = 1; i <= g.LongueurChemin; ++i)
            o << (i > 1 ? "," : "") << '[' << g.Chemin[i].x << ',' << g.Chemin[i].y << ']';
        o << "],\"walls\":[";
        bool premier = true;
        for (int i = 1; i <= g.NbMurs; ++i) {
            const MurLab& m = g.ListeMurs[i];
            if (!m.Ferme)
                continue;
            o << (premier ? "" : ",") << '[' << (m.CaseA - 1) / n + 1 << ',' << (m.CaseA - 1) % n + 1 << ",\""
              << (m.VersLeBas ? "down" : "right") << "\"]";
            premier = false;
        }
        o << "],\"energy\":" << g.CompteurGlouton;
        break;
    }
    case CarreMagique:
        o << ",\"sum\":" << g.SommeMagique << ",\"diagonals\":" << (g.AvecDiagonales ? "true" : "false")
          << ",\"swaps\":" << g.ParamCarre << ",\"ring\":{\"columns\":[";
        for (int x = 1; x <= n; ++x)
            o << (x > 1 ? "," : "") << g.Valeur[x][n + 1];
        o << "],\"rows\":[";
        for (int y = 1; y <= n; ++y)
            o << (y > 1 ? "," : "") << g.Valeur[n + 1][y];
        o << "],\"diagonal\":" << g.Valeur[n + 1][n + 1] << ",\"antidiagonal\":" << g.Valeur[n + 1][0] << '}';
        break;
    case Differences:
        o << ",\"pos\":[" << g.PosX << ',' << g.PosY << "],\"holes\":" << g.NbTrous
          << ",\"remaining\":" << g.CasesRestantes;
        break;
    case Serpentin:
        o << ",\"hole\":[" << g.TrouPrincipalX << ',' << g.TrouPrincipalY << "],\"target\":" << g.LongueurSerpentin;
        break;
    case Memoire:
        o << ",\"group\":" << g.TailleGroupe << ",\"cards\":" << g.CartesRestantes;
        break;
    default:
        break;
    }
    o << '}';
    return o.str();
}

std::string Centrer(const std::string& s, size_t largeur)
{
    if (s.size() >= largeur)
        return s;
    const size_t gauche = (largeur - s.size() + 1) / 2;
    return std::string(gauche, ' ') + s + std::string(largeur - s.size() - gauche, ' ');
}

// The maze with its standing walls: a cell is 4 characters wide.
void TexteLabyrinthe(std::ostream& o, const GameState& g)
{
    const int n = g.NbColonnes;
    bool murDroit[15][15] = {}, murBas[15][15] = {}, surChemin[15][15] = {};
    for (int i = 1; i <= g.NbMurs; ++i) {
        const MurLab& m = g.ListeMurs[i];
        const int x = (m.CaseA - 1) / n + 1, y = (m.CaseA - 1) % n + 1;
        if (m.Ferme)
            (m.VersLeBas ? murBas : murDroit)[x][y] = true;
    }
    for (int i = 1; i <= g.LongueurChemin; ++i)
        surChemin[g.Chemin[i].x][g.Chemin[i].y] = true;
    o << '+';
    for (int x = 1; x <= n; ++x)
        o << "----+";
    o << '\n';
    for (int y = 1; y <= n; ++y) {
        o << '|';
        for (int x = 1; x <= n; ++x) {
            std::string contenu;
            if (x == g.PosX && y == g.PosY)
                contenu = "@" + std::to_string(g.CompteurGlouton);
            else if (x == n && y == n)
                contenu = "A";
            else if (g.CaseGarnie[x][y])
                contenu = std::to_string(g.Valeur[x][y]);
            else if (surChemin[x][y])
                contenu = ".";
            o << Centrer(contenu, 4) << (x == n || murDroit[x][y] ? '|' : ' ');
        }
        o << "\n+";
        for (int x = 1; x <= n; ++x)
            o << (y == n || murBas[x][y] ? "----" : "    ") << '+';
        o << '\n';
    }
    int bonus = 0, total = 0;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y)
            if (g.CaseGarnie[x][y]) {
                ++bonus;
                total += g.Valeur[x][y];
            }
    o << "@ glutton and its energy, A exit, . solution path, numbers are bonuses (" << bonus << ", worth "
      << total << " in all)\n";
}

void TexteGrille(std::ostream& o, const GameState& g, int de, int a, std::string (*cellule)(const GameState&, int, int))
{
    for (int y = de; y <= a; ++y) {
        for (int x = de; x <= a; ++x)
            o << Centrer(cellule(g, x, y), 6);
        o << '\n';
    }
}

std::string CelluleCarre(const GameState& g, int x, int y)
{
    const int n = g.NbColonnes;
    const bool anneau = x == 0 || y == 0 || x == n + 1 || y == n + 1;
    const bool coin = (x == 0 || x == n + 1) && (y == 0 || y == n + 1);
    if (!anneau)
        return std::to_string(g.Valeur[x][y]);
    if ((coin && !g.AvecDiagonales) || g.Valeur[x][y] == 0)
        return "";
    return (g.Valeur[x][y] > 0 ? "+" : "") + std::to_string(g.Valeur[x][y]);
}

// The square inside its ring, the ring set apart by rules; the lines still to mend are listed.
void TexteCarre(std::ostream& o, const GameState& g)
{
    const int n = g.NbColonnes;
    const std::string regle = std::string(6, ' ') + '+' + std::string(6 * n + 1, '-') + "+\n";
    for (int y = 0; y <= n + 1; ++y) {
        if (y == 1 || y == n + 1)
            o << regle;
        std::string ligne;
        for (int x = 0; x <= n + 1; ++x) {
            if (x == 1)
                ligne += '|';
            else if (x == n + 1)
                ligne += " |";
            const std::string cellule = CelluleCarre(g, x, y);
            ligne += std::string(cellule.size() < 5 ? 5 - cellule.size() : 0, ' ') + cellule + ' ';
        }
        ligne.erase(ligne.find_last_not_of(' ') + 1);
        o << ligne << '\n';
    }
    std::string lignes, colonnes;
    for (int i = 1; i <= n; ++i) {
        if (g.Valeur[n + 1][i] != 0)
            lignes += (lignes.empty() ? "" : ", ") + std::to_string(i);
        if (g.Valeur[i][n + 1] != 0)
            colonnes += (colonnes.empty() ? "" : ", ") + std::to_string(i);
    }
    o << "off the magic sum: rows " << (lignes.empty() ? "none" : lignes) << "; columns "
      << (colonnes.empty() ? "none" : colonnes);
    if (g.AvecDiagonales) {
        std::string diagonales;
        if (g.Valeur[n + 1][n + 1] != 0)
            diagonales = "(1, 1)-(" + std::to_string(n) + ", " + std::to_string(n) + ")";
        if (g.Valeur[n + 1][0] != 0)
            diagonales += (diagonales.empty() ? "(" : ", (") + std::to_string(n) + ", 1)-(1, " + std::to_string(n) + ")";
        o << "; diagonals " << (diagonales.empty() ? "none" : diagonales);
    }
    o << "\nthe ring shows each line's difference from the magic sum (blank when right); its corners,\n"
         "the diagonals' (top left and bottom right: (1, 1)-(n, n)), shown only when they count\n";
}

std::string CelluleDifferences(const GameState& g, int x, int y)
{
    if (g.Etat[x][y] == -2)
        return "##";
    if (x == g.PosX && y == g.PosY)
        return "[" + std::to_string(g.Valeur[x][y]) + "]";
    return std::to_string(g.Valeur[x][y]);
}

std::string CelluleSerpentin(const GameState& g, int x, int y)
{
    if (x == g.TrouPrincipalX && y == g.TrouPrincipalY)
        return "()";
    return std::to_string(g.Valeur[x][y]);
}

std::string CelluleMemoire(const GameState& g, int x, int y)
{
    return g.Valeur[x][y] == 0 ? "." : std::to_string(g.Valeur[x][y]);
}

std::string Texte(const SessionAutonome& s)
{
    const GameState& g = *s.etat;
    const int n = g.NbColonnes;
    std::ostringstream o;
    o << TitresTypes[g.TypeJeu] << " - Cogitelle n° " << g.NumeroTableau << "\n";
    o << "board " << n << " x " << n;
    switch (g.TypeJeu) {
    case Labyrinthe:
        o << ", bonuses per path cell at most " << g.ParamLab1 << ", bonus distance over " << g.ParamLab2
          << ", path " << g.LongueurChemin << " cells, energy " << g.CompteurGlouton << "\n\n";
        TexteLabyrinthe(o, g);
        break;
    case CarreMagique:
        o << ", magic sum " << g.SommeMagique << ", " << g.ParamCarre << " scrambling swaps, diagonals "
          << (g.AvecDiagonales ? "counted" : "not counted") << "\n\n";
        TexteCarre(o, g);
        break;
    case Differences:
        o << ", " << g.NbTrous << " holes (" << g.PourcentTrous << " %), start (" << g.PosX << ", " << g.PosY
          << "), " << g.CasesRestantes << " cells in play";
        if (g.TentativesPartie > 0)
            o << ", " << g.TentativesPartie << " rejected board" << (g.TentativesPartie > 1 ? "s" : "");
        o << "\n\n";
        TexteGrille(o, g, 1, n, CelluleDifferences);
        o << "[n] start cell, ## hole\n";
        break;
    case Serpentin:
        o << ", run of " << g.LongueurSerpentin << " consecutive numbers to form, main hole (" << g.TrouPrincipalX
          << ", " << g.TrouPrincipalY << ")\n\n";
        TexteGrille(o, g, 1, n, CelluleSerpentin);
        o << "() main hole\n";
        break;
    case Memoire:
        o << ", groups of " << g.TailleGroupe << ", " << g.CartesRestantes << " cards\n\n";
        TexteGrille(o, g, 1, n, CelluleMemoire);
        o << ". empty cell\n";
        break;
    default:
        break;
    }
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
        for (int t = 1; t <= 5; ++t)
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
