// The Windows program's windows on a given screen for the tests that drive them: a whole core with
// settings in memory, a private score file, and ports whose boxes are recorded instead of shown.
// The windows are real and shown; the tests send them the messages a player's mouse and keyboard
// send, and read back the pixels they painted.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Contexte.h"
#include "store/MagasinOptions.h"
#include "support/Banc.h"
#include "win/PortsWin.h"
#include "win/Programme.h"

namespace cogitelle::test {

class PortsWinEnregistres : public BoitesEnregistrees<PortsWin> {
public:
    using BoitesEnregistrees<PortsWin>::BoitesEnregistrees;
    void Erreur(const std::string& texte) override { this->messages.push_back("erreur: " + texte); }
};

struct CoeurWin {
    std::unique_ptr<GameState> etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    std::unique_ptr<Controles> controles = std::make_unique<Controles>();
    PortsWinEnregistres ports{etat->Titre};
    MagasinMemoire magasin;
    DossierTemporaire dossier;
    Contexte ctx{*etat, hasard, *controles, ports, magasin, (dossier.chemin() / "scoresI").string()};
};

// What a window shows: its pixels, read back from the screen.
struct Image {
    int largeur = 0, hauteur = 0;
    std::vector<uint32_t> pixels;   // 0x00RRGGBB, rows from the top
    // The colour of a pixel as the core writes colours (red in the low byte).
    Couleur Pixel(int x, int y) const;
    // Writes the image as a PNG file.
    bool Sauver(const std::string& chemin) const;
};

// The client area of a window as it is on the screen, after every pending repaint.
Image Capturer(HWND fenetre);
// Handles the messages waiting, through the program's loop (the keyboard preview first).
void Pomper(Fenetres& f, int millisecondes = 0);

struct ProgrammeWin {
    explicit ProgrammeWin(MetriquesEcran ecran = {800, 600, 96});
    CoeurWin coeur;
    Fenetres f;

    GameState& g() { return *coeur.etat; }
    Controles& k() { return *coeur.controles; }
    HWND Plateau() { return f.Math().Board().Fenetre(); }
    HWND Panneau(const Controle& c) { return f.Math().PanneauDe(c)->Fenetre(); }

    // Starts puzzle `numero` of game `type` as the chooser confirms it, the main window shown.
    void Jouer(TTypeJeu type, int32_t numero, const std::string& nom = "TEST");
    // A left click (press and release) at the centre of a control of the board, or with the right
    // button; a double click: press, release, the second press as a double click, release.
    void Cliquer(const Controle& c, bool droit = false);
    void DoubleCliquer(const Controle& c);
    // A left click on a side panel.
    void CliquerPanneau(const Controle& c);
    // A key pressed and released in the main window (the digits type their character).
    void Touche(WPARAM codeVirtuel);
};

} // namespace cogitelle::test
