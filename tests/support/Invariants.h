// The rules every game keeps from one event to the next, checked after each event of a random
// game (the soak test) or of a fuzzed sequence (the routing fuzzer). The expected cost of an event
// is read from the state before it by the rules alone, never by calling the code under test.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "session/NouvellePartie.h"
#include "core/Score.h"
#include "games/Labyrinthe.h"
#include "games/Memoire.h"

namespace cogitelle::test {

// One input, as the front end delivers it to the core.
struct Evenement {
    enum Sorte : uint8_t {
        Partie,       // NouvellePartie of (type, numero)
        Suivant,      // TableauSuivant
        Precedent,    // TableauPrecedent
        Case,         // AppelCaseMouseDown(tag, bouton, etat)
        MurEnfonce,   // AppelMurEnfoncement(mur, tag)
        MurRelache,   // AppelMurRelachement(mur, tag)
        MurClique,    // the click handler of the wall kind, with tag
        Touche,       // FormKeyDown(fleche)
        Caractere,    // FormKeyPress(caractere)
        TicScore,     // timerScoreTimer, when timerScore runs (as the front end delivers it)
        TicMemoire,   // timerRefreshMemoireTimer, whether or not the timer runs
        TicLab,       // timerLabTimer, whether or not the timer runs
        Hasard,       // TableauAuHasard
    };
    Sorte sorte = Partie;
    int32_t type = 0, numero = 1;   // Partie
    int32_t tag = 0;                // Case and walls
    BoutonSouris bouton = BoutonSouris::Gauche;
    uint32_t etat = ssLeft;
    TypeMur mur = TypeMur::Droit;
    Fleche fleche = Fleche::Gauche;
    char caractere = '4';
};

inline bool EstNouvellePartie(const Evenement& e)
{
    return e.sorte == Evenement::Partie || e.sorte == Evenement::Suivant || e.sorte == Evenement::Precedent ||
        e.sorte == Evenement::Hasard;
}

inline std::string Decrire(const Evenement& e)
{
    std::ostringstream o;
    static const char* const noms[] = {"Partie", "Suivant", "Precedent", "Case", "MurEnfonce", "MurRelache",
        "MurClique", "Touche", "Caractere", "TicScore", "TicMemoire", "TicLab", "Hasard"};
    o << noms[e.sorte];
    switch (e.sorte) {
    case Evenement::Partie: o << '(' << e.type << ", " << e.numero << ')'; break;
    case Evenement::Case:
        o << "(tag " << e.tag << ", bouton " << static_cast<int>(e.bouton) << ", etat " << e.etat << ')';
        break;
    case Evenement::MurEnfonce:
    case Evenement::MurRelache:
    case Evenement::MurClique: o << "(mur " << static_cast<int>(e.mur) << ", tag " << e.tag << ')'; break;
    case Evenement::Touche: o << '(' << static_cast<int>(e.fleche) << ')'; break;
    case Evenement::Caractere: o << "('" << e.caractere << "')"; break;
    default: break;
    }
    return o.str();
}

inline void Appliquer(Contexte& c, const Evenement& e)
{
    switch (e.sorte) {
    case Evenement::Partie:
        c.etat.TypeJeu = e.type;
        c.etat.NumeroTableau = e.numero;
        NouvellePartie(c);
        break;
    case Evenement::Suivant: TableauSuivant(c); break;
    case Evenement::Precedent: TableauPrecedent(c); break;
    case Evenement::Case: AppelCaseMouseDown(c, e.tag, e.bouton, e.etat); break;
    case Evenement::MurEnfonce: AppelMurEnfoncement(c, e.mur, e.tag); break;
    case Evenement::MurRelache: AppelMurRelachement(c, e.mur, e.tag); break;
    case Evenement::MurClique:
        switch (e.mur) {
        case TypeMur::Droit: AppelMurDroitClique(c, e.tag); break;
        case TypeMur::Bas: AppelMurBasClique(c, e.tag); break;
        case TypeMur::BasDroit: AppelMurBasDroitClique(c, e.tag); break;
        }
        break;
    case Evenement::Touche: FormKeyDown(c, e.fleche); break;
    case Evenement::Caractere: FormKeyPress(c, e.caractere); break;
    case Evenement::TicScore:
        if (c.controles.timerScore.Enabled)
            timerScoreTimer(c);
        break;
    case Evenement::TicMemoire: timerRefreshMemoireTimer(c); break;
    case Evenement::TicLab: timerLabTimer(c); break;
    case Evenement::Hasard: TableauAuHasard(c); break;
    }
}

namespace detail {

inline bool EnJeuHorsJoueur(const GameState& g, int32_t x, int32_t y)
{
    return DansLePlateau(g, x, y) && g.Etat[x][y] != -2 && g.Etat[x][y] != 1;
}

// The glutton's key moves: the cell a key asks for.
inline bool CibleClavier(const GameState& g, const Evenement& e, int32_t& x, int32_t& y)
{
    Fleche f = e.fleche;
    if (e.sorte == Evenement::Caractere) {
        switch (e.caractere) {
        case '4': f = Fleche::Gauche; break;
        case '6': f = Fleche::Droite; break;
        case '8': f = Fleche::Haut; break;
        case '2': f = Fleche::Bas; break;
        default: return false;
        }
    }
    x = g.PosX + (f == Fleche::Droite) - (f == Fleche::Gauche);
    y = g.PosY + (f == Fleche::Bas) - (f == Fleche::Haut);
    return true;
}

// The open neighbours of a maze cell, read from the wall list.
inline std::set<std::pair<int32_t, int32_t>> VoisinsOuverts(const GameState& g, int32_t x, int32_t y)
{
    std::set<std::pair<int32_t, int32_t>> v;
    const int32_t n = g.NbColonnes;
    const int32_t ici = (x - 1) * n + y;
    for (int32_t i = 1; i <= g.NbMurs; ++i) {
        const MurLab& m = g.ListeMurs[i];
        if (m.Ferme)
            continue;
        const int32_t autre = m.CaseA == ici ? m.CaseB : m.CaseB == ici ? m.CaseA : 0;
        if (autre)
            v.insert({(autre - 1) / n + 1, (autre - 1) % n + 1});
    }
    return v;
}

inline int32_t CoupsRecomptes(const GameState& g, int32_t x, int32_t y)
{
    int32_t coups = 0;
    for (int32_t dx = -1; dx <= 1; ++dx)
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0)
                continue;
            const int32_t vx = x + dx, vy = y + dy;
            if (DansLePlateau(g, vx, vy) && g.Etat[vx][vy] >= -1 && g.Etat[vx][vy] <= 1 &&
                std::abs(g.Valeur[x][y] - g.Valeur[vx][vy]) <= 5)
                ++coups;
        }
    return coups;
}

} // namespace detail

// What the rules say an event that is not a new game does to the score, read from the state
// before it.
inline int32_t CoutAttendu(const Contexte& c, const Evenement& e)
{
    const GameState& g = c.etat;
    const auto dans = [&g](int32_t x, int32_t y) { return DansLePlateau(g, x, y); };
    switch (e.sorte) {
    case Evenement::TicScore:
        return c.controles.timerScore.Enabled ? -1 : 0;
    case Evenement::Touche:
    case Evenement::Caractere: {
        int32_t x, y;
        if (g.PartieTerminee || !g.ClavierActif || g.TypeJeu != Labyrinthe || !detail::CibleClavier(g, e, x, y))
            return 0;
        if (!dans(x, y) || g.Etat[x][y] != 0 || (x == g.PosX && y == g.PosY))
            return 0;
        return -1 + g.Valeur[x][y];
    }
    case Evenement::Case: {
        const int32_t x = e.tag / 100, y = e.tag % 100;
        if (g.PartieTerminee || !dans(x, y))
            return 0;
        if (e.bouton == BoutonSouris::Gauche && e.etat == ssLeft) {
            switch (g.TypeJeu) {
            case Differences:
                return g.Etat[x][y] == 0 ? 10 - std::abs(g.Valeur[g.PosX][g.PosY] - g.Valeur[x][y]) : 0;
            case Serpentin:
                return std::abs(g.TrouPrincipalX - x) == std::abs(g.TrouPrincipalY - y) ? -2 : 0;
            case Memoire:
                return g.Etat[x][y] == 0 ? -3 : 0;
            default:
                return 0;
            }
        }
        if (e.bouton == BoutonSouris::Droit && e.etat == ssRight && g.TypeJeu == Serpentin)
            return -50;
        return 0;
    }
    case Evenement::MurClique: {
        const int32_t x = e.tag / 100, y = e.tag % 100;
        if (g.PartieTerminee || !dans(x, y))
            return 0;
        const int32_t vx = x + (e.mur != TypeMur::Bas), vy = y + (e.mur != TypeMur::Droit);
        if (g.TypeJeu == CarreMagique)
            return e.mur != TypeMur::BasDroit && dans(vx, vy) ? -10 : 0;
        if (g.TypeJeu == Differences) {
            using detail::EnJeuHorsJoueur;
            if (e.mur != TypeMur::BasDroit)
                return EnJeuHorsJoueur(g, x, y) && EnJeuHorsJoueur(g, vx, vy) ? -5 : 0;
            return EnJeuHorsJoueur(g, x, y) && EnJeuHorsJoueur(g, x + 1, y) && EnJeuHorsJoueur(g, x, y + 1) &&
                    EnJeuHorsJoueur(g, x + 1, y + 1)
                ? -5
                : 0;
        }
        return 0;
    }
    default:
        return 0;
    }
}

// The invariants of the game in play; an empty string when they all hold.
inline std::string VerifierInvariants(const Contexte& c)
{
    const GameState& g = c.etat;
    const int32_t n = g.NbColonnes;
    std::ostringstream faute;
    // Once a game has started (and started the clock), the score panel shows the score.
    if (c.controles.timerScore.Demarrages > 0 && c.controles.panelScoreMixte.Caption() != std::to_string(g.Score))
        faute << "the score panel shows " << c.controles.panelScoreMixte.Caption() << " for " << g.Score << "; ";
    if (g.TypeJeu < 1 || g.TypeJeu > 5)
        return faute.str();
    if (n != g.NbLignes || n < 3 || n > 14) {
        faute << "board " << n << " x " << g.NbLignes << "; ";
        return faute.str();
    }
    if (g.PartieTerminee && (c.controles.timerScore.Enabled || c.controles.timerRefreshMemoire.Enabled || c.controles.timerLab.Enabled))
        faute << "a timer runs after the end; ";

    switch (g.TypeJeu) {
    case Labyrinthe: {
        if (!DansLePlateau(g, g.PosX, g.PosY)) {
            faute << "glutton off the board; ";
            break;
        }
        const auto ouverts = detail::VoisinsOuverts(g, g.PosX, g.PosY);
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y) {
                const bool ici = x == g.PosX && y == g.PosY;
                const int32_t attendu = ici ? 1 : ouverts.count({x, y}) ? 0 : -1;
                if (g.Etat[x][y] != attendu)
                    faute << "maze state " << g.Etat[x][y] << " at (" << x << ", " << y << "), not " << attendu
                          << "; ";
                if (ici && g.CaseGarnie[x][y])
                    faute << "the glutton's cell still holds a bonus; ";
            }
        if (g.Valeur[g.PosX][g.PosY] != g.CompteurGlouton)
            faute << "the glutton's cell shows " << g.Valeur[g.PosX][g.PosY] << " for energy " << g.CompteurGlouton
                  << "; ";
        break;
    }
    case CarreMagique: {
        std::vector<bool> vu(static_cast<size_t>(n * n + 1), false);
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y) {
                const int32_t v = g.Valeur[x][y];
                if (v < 1 || v > n * n || vu[static_cast<size_t>(v)])
                    faute << "the square is no permutation of 1.." << n * n << " at (" << x << ", " << y << "); ";
                else
                    vu[static_cast<size_t>(v)] = true;
            }
        for (int32_t i = 1; i <= n; ++i) {
            int32_t colonne = 0, ligne = 0;
            for (int32_t j = 1; j <= n; ++j) {
                colonne += g.Valeur[i][j];
                ligne += g.Valeur[j][i];
            }
            if (g.Valeur[i][n + 1] != colonne - g.SommeMagique || g.Valeur[i][0] != colonne - g.SommeMagique)
                faute << "column " << i << " ring out of date; ";
            if (g.Valeur[n + 1][i] != ligne - g.SommeMagique || g.Valeur[0][i] != ligne - g.SommeMagique)
                faute << "row " << i << " ring out of date; ";
        }
        break;
    }
    case Differences: {
        int32_t enJeu = 0, joueurs = 0;
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y) {
                const int32_t e = g.Etat[x][y];
                enJeu += e != -2;
                joueurs += e == 1;
                if (g.EstTrou[x][y] && e != -2)
                    faute << "hole in play at (" << x << ", " << y << "); ";
                const bool voisin = std::max(std::abs(x - g.PosX), std::abs(y - g.PosY)) == 1;
                const bool vert = voisin && e != -2 && e != 1 &&
                    std::abs(g.Valeur[x][y] - g.Valeur[g.PosX][g.PosY]) <= 5;
                if ((e == 0) != vert)
                    faute << "green cell " << (vert ? "missing" : "wrong") << " at (" << x << ", " << y << "); ";
                if (g.NbCoupsPossibles[x][y] != detail::CoupsRecomptes(g, x, y))
                    faute << "move count out of date at (" << x << ", " << y << "); ";
                if (g.Valeur[x][y] < 1 || g.Valeur[x][y] > 10)
                    faute << "number " << g.Valeur[x][y] << " at (" << x << ", " << y << "); ";
            }
        if (g.CasesRestantes != enJeu)
            faute << "CasesRestantes " << g.CasesRestantes << " for " << enJeu << " cells in play; ";
        if (joueurs != 1 || !DansLePlateau(g, g.PosX, g.PosY) || g.Etat[g.PosX][g.PosY] != 1)
            faute << "the player's cell is lost; ";
        break;
    }
    case Serpentin: {
        std::vector<int32_t> vu(static_cast<size_t>(n * n), 0);
        int32_t trous = 0;
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y) {
                if (g.EstTrou[x][y]) {
                    ++trous;
                    if (x != g.TrouPrincipalX || y != g.TrouPrincipalY)
                        faute << "a hole away from the main hole; ";
                    continue;
                }
                const int32_t v = g.Valeur[x][y];
                if (v < 1 || v > n * n - 1 || vu[static_cast<size_t>(v)]++)
                    faute << "the serpentine is no permutation of 1.." << n * n - 1 << " at (" << x << ", " << y
                          << "); ";
            }
        if (trous != 1)
            faute << trous << " holes; ";
        break;
    }
    case Memoire: {
        std::set<std::pair<int32_t, int32_t>> retournees, selection;
        int32_t restantes = 0;
        for (int32_t x = 1; x <= n; ++x)
            for (int32_t y = 1; y <= n; ++y) {
                if (g.Etat[x][y] == 1)
                    retournees.insert({x, y});
                restantes += g.Valeur[x][y] != 0 && g.Etat[x][y] != -2;
                if ((g.Valeur[x][y] == 0) && g.Etat[x][y] != -2)
                    faute << "an empty cell in play; ";
            }
        if (g.NbSelectionnees < 0 || g.NbSelectionnees > g.TailleGroupe)
            faute << "NbSelectionnees " << g.NbSelectionnees << "; ";
        else
            for (int32_t i = 1; i <= g.NbSelectionnees; ++i)
                selection.insert({g.SelectionMemoire[i].x, g.SelectionMemoire[i].y});
        if (selection != retournees || static_cast<int32_t>(selection.size()) != g.NbSelectionnees)
            faute << "the selection (" << g.NbSelectionnees << ") is not the " << retournees.size()
                  << " face-up cells; ";
        if (g.CartesRestantes != restantes)
            faute << "CartesRestantes " << g.CartesRestantes << " for " << restantes << " cards; ";
        break;
    }
    default:
        break;
    }
    return faute.str();
}

// What must not move once a game is over.
struct Releve {
    int32_t Valeur[16][16];
    int32_t Etat[15][15];
    bool EstTrou[15][15];
    uint8_t CaseGarnie[15][15];
    int32_t nombres[14];
    uint64_t modifications;
    bool minuteries[3];
    EnregistrementScore liste[10];

    bool operator==(const Releve& o) const
    {
        return std::memcmp(Valeur, o.Valeur, sizeof Valeur) == 0 && std::memcmp(Etat, o.Etat, sizeof Etat) == 0 &&
            std::memcmp(EstTrou, o.EstTrou, sizeof EstTrou) == 0 &&
            std::memcmp(CaseGarnie, o.CaseGarnie, sizeof CaseGarnie) == 0 &&
            std::memcmp(nombres, o.nombres, sizeof nombres) == 0 && modifications == o.modifications &&
            std::memcmp(minuteries, o.minuteries, sizeof minuteries) == 0 &&
            std::memcmp(liste, o.liste, sizeof liste) == 0;
    }
};

inline Releve Relever(const Contexte& c)
{
    const GameState& g = c.etat;
    Releve r{};
    std::memcpy(r.Valeur, g.Valeur, sizeof r.Valeur);
    std::memcpy(r.Etat, g.Etat, sizeof r.Etat);
    std::memcpy(r.EstTrou, g.EstTrou, sizeof r.EstTrou);
    std::memcpy(r.CaseGarnie, g.CaseGarnie, sizeof r.CaseGarnie);
    const int32_t nombres[14] = {g.Score, g.PosX, g.PosY, g.PrecX, g.PrecY, g.CompteurGlouton, g.CasesRestantes,
        g.CartesRestantes, g.NbSelectionnees, g.ValeurSerie, g.LongueurSerie, g.TrouPrincipalX, g.TrouPrincipalY,
        g.PartieTerminee};
    std::memcpy(r.nombres, nombres, sizeof r.nombres);
    r.modifications = c.controles.Modifications();
    r.minuteries[0] = c.controles.timerScore.Enabled;
    r.minuteries[1] = c.controles.timerRefreshMemoire.Enabled;
    r.minuteries[2] = c.controles.timerLab.Enabled;
    if (g.TypeJeu >= 1 && g.TypeJeu <= 5 && g.NumeroTableau >= 1 && g.NumeroTableau <= 500)
        for (int32_t p = 1; p <= 10; ++p)
            r.liste[p - 1] = g.MeilleursScores(g.TypeJeu, g.NumeroTableau, p);
    return r;
}

// Plays events one by one and checks each: its cost, the end of the game and the top ten, that
// nothing moves after the end, and the invariants.
class Verificateur {
public:
    explicit Verificateur(Contexte& c) : c_(c) {}

    // Plays the event; an empty string when every check holds.
    std::string Jouer(const Evenement& e)
    {
        GameState& g = c_.etat;
        // ">>" at the last puzzle and "<<" at the first change nothing, as their disabled panels.
        const bool auBout = (e.sorte == Evenement::Suivant && g.NumeroTableau >= g.NumeroTableauMax) ||
            (e.sorte == Evenement::Precedent && g.NumeroTableau <= 1);
        const bool nouvelle = EstNouvellePartie(e) && !auBout;
        const bool terminee = g.PartieTerminee && g.TypeJeu != AucunJeu;
        const int32_t score = g.Score;
        const int32_t cout = nouvelle ? 0 : CoutAttendu(c_, e);
        const Releve avant = Relever(c_);
        Appliquer(c_, e);
        std::ostringstream faute;
        if (nouvelle) {
            if (g.TypeJeu >= 1 && g.TypeJeu <= 5 && (g.Score != 5000 || g.PartieTerminee || !c_.controles.timerScore.Enabled))
                faute << "a new game starts at " << g.Score << (g.PartieTerminee ? ", over" : "") << "; ";
        } else if (terminee || auBout) {
            if (!(Relever(c_) == avant))
                faute << "the finished game changed; ";
        } else {
            if (g.Score != score + cout)
                faute << "score " << score << " -> " << g.Score << ", the rules say " << cout << "; ";
            if (g.PartieTerminee)
                faute << VerifierFin(avant, g.Score);
        }
        faute << VerifierInvariants(c_);
        const std::string s = faute.str();
        return s.empty() ? s : Decrire(e) + ": " + s;
    }

    int32_t Victoires() const { return victoires_; }
    int32_t Entrees() const { return entrees_; }
    int32_t Defaites() const { return defaites_; }

private:
    // The event ended the game: a won game's score enters the top ten exactly when it beats the
    // tenth, at the place below every score at least as high.
    std::string VerifierFin(const Releve& avant, int32_t s)
    {
        const GameState& g = c_.etat;
        const bool succes = g.TypeJeu != Labyrinthe || (g.PosX == g.NbColonnes && g.PosY == g.NbLignes);
        std::vector<EnregistrementScore> attendue(avant.liste, avant.liste + 10);
        if (succes) {
            ++victoires_;
            if (s > attendue[9].ValeurScore) {
                ++entrees_;
                size_t place = 0;
                while (place < 10 && attendue[place].ValeurScore >= s)
                    ++place;
                EnregistrementScore nouveau;
                // The stored name is checked by the store's tests; here only the place and score.
                const int32_t rang = static_cast<int32_t>(place) + 1;
                std::memcpy(nouveau.NomScore, g.MeilleursScores(g.TypeJeu, g.NumeroTableau, rang).NomScore, 12);
                nouveau.ValeurScore = s;
                attendue.insert(attendue.begin() + static_cast<std::ptrdiff_t>(place), nouveau);
                attendue.pop_back();
            }
        } else {
            ++defaites_;
        }
        for (int32_t p = 1; p <= 10; ++p) {
            const EnregistrementScore& e = g.MeilleursScores(g.TypeJeu, g.NumeroTableau, p);
            if (std::memcmp(&e, &attendue[static_cast<size_t>(p - 1)], sizeof e) != 0)
                return "the top ten after the end is wrong at place " + std::to_string(p) + "; ";
        }
        return {};
    }

    Contexte& c_;
    int32_t victoires_ = 0, entrees_ = 0, defaites_ = 0;
};

} // namespace cogitelle::test
