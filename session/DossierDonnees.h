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

} // namespace cogitelle
