#include "session/DossierDonnees.h"

#include <cctype>
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

std::string DossierDonneesWindows(const char* localAppData)
{
    if (!localAppData)
        return {};
    std::string d = localAppData;
    const bool lecteur = d.size() >= 3 && std::isalpha(static_cast<unsigned char>(d[0])) && d[1] == ':' &&
        (d[2] == '\\' || d[2] == '/');
    const bool partage = d.size() >= 3 && (d[0] == '\\' || d[0] == '/') && (d[1] == '\\' || d[1] == '/');
    if (!lecteur && !partage)
        return {};
    while (d.size() > 3 && (d.back() == '\\' || d.back() == '/'))
        d.pop_back();
    if (d.back() != '\\' && d.back() != '/')
        d += '\\';
    return d + "Cogitelle";
}

std::string TexteDossierDonneesImpossible(const std::string& dossier, const std::string& courant)
{
    return "Le dossier des données « " + dossier + " » ne peut être ni créé ni ouvert. Les meilleurs scores "
        "seront lus et écrits dans le dossier courant « " + courant + " ».";
}

} // namespace cogitelle
