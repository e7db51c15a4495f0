// The Windows program's windows on a given screen for the tests that drive them: a session with
// settings in memory, a private score file, and ports whose boxes are recorded instead of shown.
// The windows are real and shown; the tests send them the messages a player's mouse and keyboard
// send, and read back the pixels they painted.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "session/Session.h"
#include "store/MagasinOptions.h"
#include "support/Banc.h"
#include "win/PortsWin.h"
#include "win/Programme.h"

namespace cogitelle::test {

class PortsWinEnregistres : public BoitesEnregistrees<PortsWin> {
public:
    void Erreur(const std::string& texte) override { this->messages.push_back("erreur: " + texte); }
};

// The settings in `autreMagasin` and the score file at `cheminScores` when given (a program started
// again over the same ones); otherwise in memory and in a folder of its own.
struct CoeurWin {
    explicit CoeurWin(MagasinOptions* autreMagasin = nullptr, const std::string& cheminScores = {});
    PortsWinEnregistres ports;
    MagasinMemoire magasin;
    DossierTemporaire dossier;
    Session session;
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
// Handles the messages waiting, through the program's loop (the windows' previews first), for at
// least `millisecondes`.
void Pomper(Fenetres& f, int millisecondes = 0);
// The place of a window in its parent's client area.
RECT Place(HWND fenetre);
// Checks a place against its left, top, width and height.
void ExpectRect(const RECT& r, int gauche, int haut, int largeur, int hauteur);
// Keeps a picture for a person to look at, under the build folder's captures/.
void Garder(const Image& im, const std::string& nom);

struct ProgrammeWin {
    explicit ProgrammeWin(MetriquesEcran ecran = {800, 600, 96}, MagasinOptions* autreMagasin = nullptr,
        const std::string& cheminScores = {});
    CoeurWin coeur;
    Fenetres f;

    GameState& g() { return coeur.session.etat; }
    Controles& k() { return coeur.session.controles; }
    HWND Plateau() { return f.Math().Board().Fenetre(); }
    HWND Panneau(const Controle& c) { return f.Math().PanneauDe(c)->Fenetre(); }

    // Enter on the start screen, then the main window waits for the chooser.
    void Demarrer();
    // The messages shown since the start.
    const std::vector<std::string>& Messages() { return coeur.ports.messages; }
    // Starts puzzle `numero` of game `type` as the chooser confirms it, the main window shown.
    void Jouer(TTypeJeu type, int32_t numero, const std::string& nom = "TEST");
    // A left click (press and release) at the centre of a control of the board, or with the right
    // button; a double click: press, release, the second press as a double click, release.
    void Cliquer(const Controle& c, bool droit = false);
    void DoubleCliquer(const Controle& c);
    // A left click at the centre of a window (a side panel, a dialog's control).
    void CliquerFenetre(HWND fenetre);
    void CliquerPanneau(const Controle& c) { CliquerFenetre(Panneau(c)); }
    // A key pressed and released in a window (the main window by default); the digits and letters
    // type their character.
    void Touche(WPARAM codeVirtuel, HWND fenetre = nullptr);
};

} // namespace cogitelle::test
