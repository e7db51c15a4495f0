// Where the game keeps its best scores when asked to use the user's data folder rather than the
// folder it was started from (the installed desktop entry asks for it).
#pragma once

#include <string>

namespace cogitelle {

// The option that asks for the user's data folder.
constexpr const char* OptionDossierDonnees = "--dossier-donnees";

// True when the command line holds OptionDossierDonnees.
bool DemandeDossierDonnees(int argc, const char* const* argv);

// $XDG_DATA_HOME/cogitelle, or $HOME/.local/share/cogitelle when XDG_DATA_HOME is unset, empty or
// not absolute (such a value is to be ignored). Empty when neither gives an absolute folder.
std::string DossierDonneesUtilisateur(const char* xdgDataHome, const char* home);

// On Windows: %LOCALAPPDATA%\Cogitelle, from the value of LOCALAPPDATA (UTF-8). Empty when it is
// unset or not an absolute folder ("C:\..." or "\\server\...").
std::string DossierDonneesWindows(const char* localAppData);

// What the player is told when the data folder can be neither made nor entered: `dossier` is the
// folder as the player would name it, `courant` the folder the game goes on in.
std::string TexteDossierDonneesImpossible(const std::string& dossier, const std::string& courant);

} // namespace cogitelle
