// The main window's keyboard: the cursor on the board and its frame, the walls by keys, the Tab
// key through the side panels, the keys played against the mouse presses they stand for, and the
// words a screen reader says of each cell.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "games/Jeux.h"
#include "session/Session.h"
#include "support/ActionsEnregistrees.h"
#include "support/Banc.h"

using namespace cogitelle;
using cogitelle::test::ActionsEnregistrees;
using cogitelle::test::Banc;
using T = ToucheClavier;

namespace {

// A session whose main window is made, playing puzzle `numero` of game `type`.
struct Partie {
    Banc banc;
    ActionsEnregistrees actions;
    Session& s = banc.session;
    Partie(TTypeJeu type, int32_t numero)
    {
        s.BrancherFenetres(&actions);
        s.CreerFenetrePrincipale(800, 600, 96);
        s.Activer();
        banc.Jouer(type, numero);
    }
    GameState& g() { return s.etat; }
    Controles& k() { return s.controles; }
    const FocusClavier& f() { return s.controles.Focus; }
    PosCase Curseur() { return {f().x, f().y}; }
    // The name of the side panel that has the focus; "plateau" for the board.
    std::string Focus()
    {
        for (const PlaceControle& p : s.Principale().Disposition())
            if (p.controle == f().panneau)
                return p.nom;
        return "plateau";
    }
    int32_t Indice(const char* nom)
    {
        const auto& d = s.Principale().Disposition();
        for (size_t i = 0; i < d.size(); ++i)
            if (std::string(d[i].nom) == nom)
                return static_cast<int32_t>(i);
        return -1;
    }
};

} // namespace

// The cursor starts where the game says, moves one cell a key, holds at the edges; its frame lies
// over its cell, shows from the first key and hides at a press of the mouse, which takes the
// cursor with it. The maze keeps its arrows for the glutton, and the frame follows the glutton.
// (The walls by keys are played against the mouse below.)
TEST(Clavier, CurseurBordsEtCadre)
{
    Partie p(CarreMagique, 1);   // 5 x 5
    const Controle& cadre = p.k().CadreFocus;
    EXPECT_EQ(p.Curseur(), (PosCase{1, 1}));
    EXPECT_FALSE(cadre.Visible());
    EXPECT_TRUE(p.s.Touche(T::Gauche, 0));
    EXPECT_TRUE(p.s.Touche(T::Haut, 0));
    EXPECT_EQ(p.Curseur(), (PosCase{1, 1}));
    EXPECT_TRUE(cadre.Visible());
    EXPECT_EQ(cadre.rect(), p.k().Cases[1][1].rect());
    EXPECT_EQ(cadre.LargeurStylo(), 2);
    for (int i = 0; i < 7; ++i)
        p.s.Touche(T::Droite, 0);
    EXPECT_EQ(p.Curseur(), (PosCase{5, 1}));
    for (int i = 0; i < 7; ++i)
        p.s.Touche(T::Bas, 0);
    EXPECT_EQ(p.Curseur(), (PosCase{5, 5}));
    p.s.Touche(T::BasDroite, 0);
    EXPECT_EQ(p.Curseur(), (PosCase{5, 5}));
    p.s.Touche(T::HautGauche, 0);
    p.s.Touche(T::HautGauche, 0);
    p.s.Touche(T::BasGauche, 0);
    EXPECT_EQ(p.Curseur(), (PosCase{2, 4}));
    EXPECT_EQ(cadre.rect(), p.k().Cases[2][4].rect());
    // Keys held with Ctrl or Alt are not the board's.
    EXPECT_FALSE(p.s.Touche(T::Droite, ssCtrl));
    EXPECT_FALSE(p.s.Touche(T::Espace, ssAlt));
    EXPECT_EQ(p.Curseur(), (PosCase{2, 4}));

    // The mouse takes the cursor to the cell it presses, and hides the frame until the next key.
    p.s.Case(403, BoutonSouris::Gauche, ssLeft);
    EXPECT_EQ(p.Curseur(), (PosCase{4, 3}));
    EXPECT_FALSE(cadre.Visible());
    p.s.Touche(T::Droite, 0);
    EXPECT_TRUE(cadre.Visible());
    EXPECT_EQ(cadre.rect(), p.k().Cases[5][3].rect());
    p.s.MurEnfonce(TypeMur::Droit, 101);
    p.s.MurRelache(TypeMur::Droit, 101);
    EXPECT_FALSE(cadre.Visible());

    // A new game puts the cursor back on its start: the player's cell in the differences.
    p.banc.Jouer(Differences, 30);
    EXPECT_EQ(p.Curseur(), (PosCase{p.g().PosX, p.g().PosY}));
    EXPECT_EQ(cadre.rect(), p.k().Cases[p.g().PosX][p.g().PosY].rect());
    p.banc.Jouer(Memoire, 1);
    EXPECT_EQ(p.Curseur(), (PosCase{1, 1}));

    // The maze: the arrows walk the glutton; the frame, shown by Tab, stays on it.
    p.banc.Jouer(Labyrinthe, 1);
    EXPECT_EQ(p.Curseur(), (PosCase{1, 1}));
    p.s.Touche(T::Tabulation, ssShift);
    p.s.Touche(T::Tabulation, 0);
    ASSERT_EQ(p.Focus(), "plateau");
    EXPECT_TRUE(cadre.Visible());
    GameState& g = p.g();
    // The start has an open side on the right or below.
    const bool droite = g.Etat[2][1] == 0;
    const PosCase voisin = droite ? PosCase{2, 1} : PosCase{1, 2};
    const int32_t avant = g.Score, bonus = g.Valeur[voisin.x][voisin.y];
    p.s.Touche(droite ? T::Droite : T::Bas, 0);
    EXPECT_EQ(g.Score, avant - 1 + bonus);
    EXPECT_EQ((PosCase{g.PosX, g.PosY}), voisin);
    EXPECT_EQ(p.Curseur(), voisin);
    EXPECT_EQ(cadre.rect(), p.k().Cases[voisin.x][voisin.y].rect());
    // The digits too, through the maze's own entry point.
    p.s.Caractere(droite ? '4' : '8');
    EXPECT_EQ((PosCase{g.PosX, g.PosY}), (PosCase{1, 1}));
    EXPECT_EQ(cadre.rect(), p.k().Cases[1][1].rect());
}

// Tab goes from the board through every panel the mouse can click, down the window and along its
// lines, and back to the board; Shift+Tab the other way. Space or Enter clicks the focused panel
// as the mouse does, and the focus stays on it.
TEST(Clavier, TabulationParLesPanneaux)
{
    Partie p(Serpentin, 1);
    const std::vector<std::string> ordre = {"panelLabyrinthe", "panelCarreMagique", "panelDifferences",
        "panelSerpentin", "panelMemoire", "panelChangerTableau", "panelTableauAleatoire",
        // "<<" is disabled at puzzle 1: the Tab key passes it.
        "panelTableauIdem", "panelTableauSuivant", "panelDetailHighScores", "panelBut", "panelReglesDuJeu",
        "panelCalculScores", "plateau"};
    EXPECT_EQ(p.Focus(), "plateau");
    for (const std::string& nom : ordre) {
        EXPECT_TRUE(p.s.Touche(T::Tabulation, 0));
        EXPECT_EQ(p.Focus(), nom);
        // Only the focused panel shows it; the board's frame only when the board has it.
        for (const PlaceControle& pc : p.s.Principale().Disposition())
            EXPECT_EQ(pc.controle->Focus(), nom == pc.nom) << nom << " " << pc.nom;
        EXPECT_EQ(p.k().CadreFocus.Visible(), nom == "plateau");
    }
    for (auto it = ordre.rbegin() + 1; it != ordre.rend(); ++it) {
        p.s.Touche(T::Tabulation, ssShift);
        EXPECT_EQ(p.Focus(), *it);
    }
    p.s.Touche(T::Tabulation, ssShift);
    EXPECT_EQ(p.Focus(), "plateau");
    EXPECT_FALSE(p.s.Touche(T::Tabulation, ssCtrl));
    EXPECT_EQ(p.Focus(), "plateau");

    // Enter on "Règles": the rules in the info label.
    while (p.Focus() != "panelReglesDuJeu")
        p.s.Touche(T::Tabulation, ssShift);
    EXPECT_TRUE(p.s.Touche(T::Entree, 0));
    EXPECT_EQ(p.k().lblInfos.Caption(), p.g().TextesRegles[Serpentin]);
    // Space on ">>": the next puzzle; the focus stays on ">>", and "<<" can now be reached.
    while (p.Focus() != "panelTableauSuivant")
        p.s.Touche(T::Tabulation, 0);
    EXPECT_TRUE(p.s.Touche(T::Espace, 0));
    EXPECT_EQ(p.g().NumeroTableau, 2);
    EXPECT_EQ(p.Focus(), "panelTableauSuivant");
    EXPECT_EQ(p.k().panelTableauSuivant.BiseauExterieur(), Biseau::Releve);
    p.s.Touche(T::Tabulation, ssShift);
    p.s.Touche(T::Tabulation, ssShift);
    EXPECT_EQ(p.Focus(), "panelTableauPrecedent");
    // A game panel opens the chooser on its game, as its click does; the game in play stays.
    while (p.Focus() != "panelMemoire")
        p.s.Touche(T::Tabulation, ssShift);
    p.s.Touche(T::Espace, 0);
    EXPECT_EQ(p.actions.appels.back(), "choix");
    EXPECT_EQ(p.g().TypeJeuChoisi, Memoire);
    EXPECT_EQ(p.g().TypeJeu, Serpentin);
    // On a panel the board's keys press nothing; an arrow takes the focus back to the board.
    const int32_t score = p.g().Score;
    EXPECT_FALSE(p.s.Touche(T::Menu, 0));
    EXPECT_FALSE(p.s.Touche(T::Espace, ssShift));
    EXPECT_EQ(p.g().Score, score);
    p.s.Touche(T::Droite, 0);
    EXPECT_EQ(p.Focus(), "plateau");

    // The mouse on a panel takes the focus there, hidden; the next Tab goes on from it, shown.
    p.s.Panneau(p.Indice("panelBut"), true);
    p.s.Panneau(p.Indice("panelBut"), false);
    EXPECT_EQ(p.Focus(), "panelBut");
    EXPECT_FALSE(p.k().panelBut.Focus());
    p.s.Touche(T::Tabulation, 0);
    EXPECT_EQ(p.Focus(), "panelReglesDuJeu");
    EXPECT_TRUE(p.k().panelReglesDuJeu.Focus());
    EXPECT_FALSE(p.k().CadreFocus.Visible());
}

namespace {

// The mouse presses a key stands for, worked out from the cursor's place, played on `s`.
struct Souris {
    Session& s;
    PosCase curseur;

    bool Dans(int32_t x, int32_t y) const { return x >= 1 && y >= 1 && x <= s.etat.NbColonnes && y <= s.etat.NbLignes; }
    void Mur(TypeMur type, int32_t x, int32_t y)
    {
        const int32_t xMax = type == TypeMur::Bas ? 14 : 13, yMax = type == TypeMur::Droit ? 14 : 13;
        // The mouse reaches only a wall that shows.
        if (x < 1 || y < 1 || x > xMax || y > yMax || !s.controles.Mur(type, x, y).Visible())
            return;
        s.MurEnfonce(type, 100 * x + y);
        s.MurRelache(type, 100 * x + y);
        s.MurClique(type, 100 * x + y);
    }
    void Cellule(BoutonSouris bouton)
    {
        if (s.controles.Cases[curseur.x][curseur.y].Visible())
            s.Case(100 * curseur.x + curseur.y, bouton, bouton == BoutonSouris::Gauche ? ssLeft : ssRight);
    }
    void Jouer(T t, uint32_t etat)
    {
        int32_t dx = 0, dy = 0;
        switch (t) {
        case T::Gauche: dx = -1; break;
        case T::Droite: dx = 1; break;
        case T::Haut: dy = -1; break;
        case T::Bas: dy = 1; break;
        case T::HautGauche: dx = dy = -1; break;
        case T::HautDroite: dx = 1, dy = -1; break;
        case T::BasGauche: dx = -1, dy = 1; break;
        case T::BasDroite: dx = dy = 1; break;
        case T::Espace: Cellule(etat & ssShift ? BoutonSouris::Droit : BoutonSouris::Gauche); return;
        // Shift+Enter and Shift+Menu are no click.
        case T::Entree:
            if (!(etat & ssShift))
                Cellule(BoutonSouris::Gauche);
            return;
        case T::Menu:
            if (!(etat & ssShift))
                Cellule(BoutonSouris::Droit);
            return;
        case T::Tabulation: return;
        }
        const int32_t x = curseur.x, y = curseur.y;
        if (!(etat & ssShift)) {
            if (Dans(x + dx, y + dy))
                curseur = {x + dx, y + dy};
        } else if (dx && dy) {
            Mur(TypeMur::BasDroit, dx > 0 ? x : x - 1, dy > 0 ? y : y - 1);
        } else if (dx) {
            Mur(TypeMur::Droit, dx > 0 ? x : x - 1, y);
        } else {
            Mur(TypeMur::Bas, x, dy > 0 ? y : y - 1);
        }
    }
};

} // namespace

// Each game played by random keys beside a twin played by the mouse presses they stand for:
// after every key both boards, scores, messages and records are the same.
TEST(Clavier, LesTouchesValentLesClicsDeLaSouris)
{
    struct Cas { TTypeJeu type; int32_t numero; };
    for (const Cas& cas : {Cas{CarreMagique, 7}, Cas{Differences, 140}, Cas{Serpentin, 1}, Cas{Memoire, 3},
             Cas{Differences, 2}, Cas{CarreMagique, 350}}) {
        SCOPED_TRACE(std::to_string(cas.type) + " " + std::to_string(cas.numero));
        Partie clavier(cas.type, cas.numero), souris(cas.type, cas.numero);
        Souris s{souris.s, clavier.Curseur()};
        std::mt19937 alea(static_cast<uint32_t>(cas.type * 1000 + cas.numero));
        const T touches[] = {T::Gauche, T::Droite, T::Haut, T::Bas, T::HautGauche, T::HautDroite, T::BasGauche,
            T::BasDroite, T::Espace, T::Entree, T::Menu};
        int coups = 0;
        for (int i = 0; i < 1500; ++i) {
            const T t = touches[alea() % std::size(touches)];
            const uint32_t etat = alea() % 3 == 0 ? uint32_t{ssShift} : 0u;
            if (alea() % 25 == 0) {
                clavier.s.Tic(Minuterie::RefreshMemoire);
                souris.s.Tic(Minuterie::RefreshMemoire);
            }
            const int32_t avant = clavier.g().Score;
            clavier.s.Touche(t, etat);
            s.Jouer(t, etat);
            coups += clavier.g().Score != avant;
            ASSERT_EQ(clavier.Curseur(), s.curseur) << i;
            const GameState& a = clavier.g();
            const GameState& b = souris.g();
            ASSERT_EQ(a.Score, b.Score) << i << " touche " << int(t) << " etat " << etat << " curseur " << s.curseur.x << "," << s.curseur.y << " pos " << a.PosX << "," << a.PosY;
            ASSERT_EQ(a.PartieTerminee, b.PartieTerminee) << i;
            ASSERT_EQ(0, std::memcmp(a.Valeur, b.Valeur, sizeof a.Valeur)) << i;
            ASSERT_EQ(0, std::memcmp(a.Etat, b.Etat, sizeof a.Etat)) << i;
            ASSERT_EQ(clavier.banc.ports.messages, souris.banc.ports.messages) << i;
            for (int32_t x = 1; x <= a.NbColonnes; ++x)
                for (int32_t y = 1; y <= a.NbLignes; ++y)
                    ASSERT_EQ(clavier.k().Cases[x][y].couleur(), souris.k().Cases[x][y].couleur()) << i;
        }
        // The keys did play: moves were paid or earned.
        EXPECT_GT(coups, 10);
        EXPECT_EQ(0, std::memcmp(&clavier.g().MeilleursScores(cas.type, cas.numero, 1),
                         &souris.g().MeilleursScores(cas.type, cas.numero, 1), 16 * 10));
    }
}

// What a screen reader says of each cell, from the same state the board is drawn from.
TEST(Clavier, NomsDesCases)
{
    {
        // The magic square's cell on both diagonals: how far each of its lines is from the sum.
        Partie p(CarreMagique, 350);   // 11 x 11, diagonals
        const GameState& g = p.g();
        auto ecart = [](int32_t v) { return v == 0 ? std::string("juste") : (v > 0 ? "+" : "") + std::to_string(v); };
        const TexteCase centre = JeuDe(CarreMagique)->DireCase(g, 6, 6);
        EXPECT_EQ(centre.nom, std::to_string(g.Valeur[6][6]));
        EXPECT_EQ(centre.etat, "ligne " + ecart(g.Valeur[12][6]) + ", colonne " + ecart(g.Valeur[6][12]) +
                ", diagonale " + ecart(g.Valeur[12][12]) + ", diagonale " + ecart(g.Valeur[12][0]));
    }
    {
        Partie p(Differences, 500);
        const GameState& g = p.g();
        const Jeu& jeu = *JeuDe(Differences);
        int trous = 0, accessibles = 0;
        for (int32_t x = 1; x <= g.NbColonnes; ++x)
            for (int32_t y = 1; y <= g.NbLignes; ++y) {
                const TexteCase t = jeu.DireCase(g, x, y);
                if (g.EstTrou[x][y]) {
                    EXPECT_EQ(t.nom, "trou");
                    ++trous;
                } else {
                    EXPECT_EQ(t.nom, std::to_string(g.Valeur[x][y]));
                }
                accessibles += t.etat == "accessible";
                EXPECT_EQ(t.etat == "accessible", g.Etat[x][y] == 0);
            }
        EXPECT_EQ(trous, g.NbTrous);
        EXPECT_GE(accessibles, 1);
        EXPECT_EQ(jeu.DireCase(g, g.PosX, g.PosY).etat, "vous");
    }
    {
        Partie p(Serpentin, 40);
        const GameState& g = p.g();
        EXPECT_EQ(JeuDe(Serpentin)->DireCase(g, g.TrouPrincipalX, g.TrouPrincipalY).nom, "trou");
    }
    {
        // A card is hidden until the key turns it.
        Partie p(Memoire, 1);
        const Jeu& jeu = *JeuDe(Memoire);
        EXPECT_EQ(jeu.DireCase(p.g(), 1, 1).nom, "cachée");
        p.s.Touche(T::Espace, 0);
        EXPECT_EQ(jeu.DireCase(p.g(), 1, 1).nom, std::to_string(p.g().Valeur[1][1]));
    }
    {
        // The glutton with its energy and the walls around it; the exit; the bonuses.
        Partie p(Labyrinthe, 1);
        const GameState& g = p.g();
        const Jeu& jeu = *JeuDe(Labyrinthe);
        const TexteCase glouton = jeu.DireCase(g, 1, 1);
        EXPECT_EQ(glouton.nom, "glouton");
        const bool droite = g.Passages[1][1].Ouvert[1], bas = g.Passages[1][1].Ouvert[2];
        EXPECT_EQ(glouton.etat, std::string("énergie 50, ") + (droite && bas ? "mur : " : "murs : ") + "haut" +
                (droite ? "" : ", droite") + (bas ? "" : ", bas") + ", gauche");
        EXPECT_EQ(jeu.DireCase(g, 6, 6).nom, "arrivée");
        int bonus = 0;
        for (int32_t x = 1; x <= 6; ++x)
            for (int32_t y = 1; y <= 6; ++y)
                if (g.CaseGarnie[x][y]) {
                    EXPECT_EQ(jeu.DireCase(g, x, y).nom, std::to_string(g.Valeur[x][y]));
                    ++bonus;
                } else if (!(x == 1 && y == 1) && !(x == 6 && y == 6)) {
                    EXPECT_EQ(jeu.DireCase(g, x, y).nom, "vide");
                }
        EXPECT_GT(bonus, 0);
    }
}
