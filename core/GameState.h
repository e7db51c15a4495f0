// The one record of the game in play: the game, the board grids, the player, the score and the
// fields of each of the five games.
#pragma once

#include <cstdint>
#include <string>

namespace cogitelle {

using TTypeJeu = int32_t;
constexpr TTypeJeu AucunJeu = 0;
constexpr TTypeJeu Labyrinthe = 1;
constexpr TTypeJeu CarreMagique = 2;
constexpr TTypeJeu Differences = 3;
constexpr TTypeJeu Serpentin = 4;
constexpr TTypeJeu Memoire = 5;

constexpr int32_t NbTypesJeu = 5;
constexpr int32_t NombreTableaux = 500;
constexpr int32_t PlacesParTableau = 10;

// Neighbour directions 1..8, clockwise from the upper left.
struct TableVoisins {
    int32_t VoisinDX[9] = {};
    int32_t VoisinDY[9] = {};
    int32_t VoisinDiagonal[9] = {};
};

struct PosCase {
    int32_t x = 0, y = 0;
    bool operator==(const PosCase&) const = default;
};

// Maze records.
struct CelluleLab {
    int32_t x = 0, y = 0, Ensemble = 0;
};
struct MurLab {
    int32_t CaseA = 0, CaseB = 0;
    uint8_t Ferme = 0, VersLeBas = 0;
};
struct PassageLab {
    int32_t x = 0, y = 0, NbOuvertures = 0;
    uint8_t Ouvert[5] = {};   // 1 right, 2 down, 3 left, 4 up
};

// One place of a top-ten list: 16 bytes, the same in memory and in the score file.
struct EnregistrementScore {
    char NomScore[12] = {};   // Windows-1252, 0-padded, no terminator when 12 long
    int32_t ValeurScore = 0;
};
static_assert(sizeof(EnregistrementScore) == 16);

// The ten best scores of every game type and puzzle, in file order.
struct TableMeilleursScores {
    EnregistrementScore e[NbTypesJeu][NombreTableaux][PlacesParTableau];
    // type 1..5, puzzle 1..500, place 1..10
    EnregistrementScore& operator()(int32_t t, int32_t p, int32_t r) { return e[t - 1][p - 1][r - 1]; }
    const EnregistrementScore& operator()(int32_t t, int32_t p, int32_t r) const { return e[t - 1][p - 1][r - 1]; }
};

struct GameState {
    // Game and player
    TTypeJeu TypeJeu = AucunJeu;
    int32_t NumeroTableau = 0;
    int32_t NumeroTableauMax = NombreTableaux;
    int32_t TypeJeuChoisi = 0;
    int32_t NumeroTableauChoisi = 0;
    TTypeJeu TypeJeuDialogue = AucunJeu;
    int32_t NumeroTableauDialogue = 0;
    int32_t NumeroTableauSelectionne = 0;
    std::string NomJoueur;   // UTF-8, at most 12 characters
    int32_t Langue = 0;      // 1 French, 2 English
    std::string Titre = "COGITELLE I";

    // Board
    int32_t NbColonnes = 0, NbLignes = 0;
    int32_t Valeur[16][16] = {};   // [x][y], 0..15 for the magic square's ring
    int32_t Etat[15][15] = {};     // [x][y], 1..14
    int32_t CasesRestantes = 0;

    // Position
    int32_t PosX = 0, PosY = 0;
    int32_t PrecX = 0, PrecY = 0;

    // Score and locks
    int32_t Score = 0;
    bool PartieTerminee = false;
    bool ClavierActif = false;
    int32_t NbTentatives = 0;
    int32_t TentativesPartie = 0;   // rejected boards before the game in play was accepted
    bool MursADessiner = false;

    TableVoisins Voisins;

    // Screen factors and layout geometry
    double FacteurEcranX = 1.0, FacteurEcranY = 1.0;
    int32_t AvecBordure = 0;
    int32_t MargePlateau = 0, EcartCases = 0, LargeurCase = 0, HauteurCase = 0;
    int32_t RetraitMur = 0, EpaisseurCadre = 0, RetraitCase = 0;

    // Maze
    int32_t ParamLab1 = 0, ParamLab2 = 0, NbMurs = 0, CompteurGlouton = 0;
    CelluleLab CellulesLab[197];     // 1..196
    MurLab ListeMurs[393];           // 1..392
    PassageLab Passages[15][15];     // [x][y] 1..14
    PosCase Chemin[197];             // 1..LongueurChemin
    int32_t LongueurChemin = 0;
    uint8_t CaseGarnie[15][15] = {};
    int32_t ArriveeX = 0, ArriveeY = 0;

    // Magic square
    int32_t SommeMagique = 0;
    bool AvecDiagonales = false;
    int32_t ParamCarre = 0;

    // Differences (EstTrou also marks the serpentine's main hole)
    bool EstTrou[15][15] = {};
    int32_t NbCoupsPossibles[15][15] = {};
    int32_t PourcentTrous = 0;
    int32_t NbTrous = 0;

    // Serpentine
    int32_t TrouPrincipalX = 0, TrouPrincipalY = 0;
    int32_t LongueurSerpentin = 0;

    // Memory
    int32_t TailleGroupe = 0;
    int32_t CartesRestantes = 0;
    PosCase SelectionMemoire[6];   // 1..5
    int32_t NbSelectionnees = 0;
    int32_t ValeurSerie = -1;
    int32_t LongueurSerie = 0;

    // Options
    uint8_t Verif = 0;
    uint32_t CouleurFondEcran = 0;
    uint32_t CouleurTableauDeJeu = 0;

    // Rules texts, indexed by game type 1..5
    std::string TitresJeux[6];
    std::string TextesBut[6];
    std::string TextesRegles[6];
    std::string TextesScores[6];
    std::string TexteQuestionQuitter;
    std::string TexteAuRevoir;
    // The quit box's two answers in the same language.
    std::string TexteOuiQuitter = "Oui";
    std::string TexteNonQuitter = "Non";
    std::string FichierAide;   // file name of the help of the current language
    // What the texts above were last built from: a new game that changes none of it keeps them.
    struct SourcesTextes {
        bool Prets = false;
        int32_t Langue = 0, SommeMagique = 0, LongueurSerpentin = 0, TailleGroupe = 0;
        bool AvecDiagonales = false;
        bool operator==(const SourcesTextes&) const = default;
    };
    SourcesTextes TextesPreparesPour;

    TableMeilleursScores MeilleursScores;
};

// Fills the neighbour table; called once when the main window is created.
void RemplirVoisins(TableVoisins& v);

// True when 1 <= x <= NbColonnes and 1 <= y <= NbLignes.
inline bool DansLePlateau(const GameState& g, int32_t x, int32_t y)
{
    return x >= 1 && x <= g.NbColonnes && y >= 1 && y <= g.NbLignes;
}

} // namespace cogitelle
