#include "session/DossierDonnees.h"

#include <cstring>

namespace cogitelle {

namespace {

bool Absolu(const char* chemin) { return chemin && chemin[0] == '/'; }

std::string SansBarreFinale(std::string s)
{
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

} // namespace

bool DemandeDossierDonnees(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i)
        if (argv[i] && std::strcmp(argv[i], OptionDossierDonnees) == 0)
            return true;
    return false;
}

std::string DossierDonneesUtilisateur(const char* xdgDataHome, const char* home)
{
    if (Absolu(xdgDataHome))
        return SansBarreFinale(xdgDataHome) + "/cogitelle";
    if (Absolu(home)) {
        const std::string h = SansBarreFinale(home);
        return (h == "/" ? std::string() : h) + "/.local/share/cogitelle";
    }
    return {};
}

} // namespace cogitelle
