#include "store/SystemeFichiers.h"

#include <algorithm>

namespace cogitelle {

namespace {

// Where the path's last folder separator stands, npos where it has none.
size_t DerniereSeparation(const std::string& chemin)
{
    return chemin.find_last_of(SeparateursDossiers);
}

} // namespace

std::string DossierDe(const std::string& chemin)
{
    const size_t k = DerniereSeparation(chemin);
    if (k == std::string::npos)
        return {};
    return k == 0 ? chemin.substr(0, 1) : chemin.substr(0, k);
}

std::string NomDe(const std::string& chemin)
{
    const size_t k = DerniereSeparation(chemin);
    return k == std::string::npos ? chemin : chemin.substr(k + 1);
}

std::string CheminDuLien(const std::string& chemin, const std::string& lien)
{
    const std::string dossier = DossierDe(chemin);
    return lien[0] == '/' || dossier.empty() ? lien : dossier + "/" + lien;
}

std::string NomTemporaire(const std::string& cible, unsigned long processus, unsigned numero)
{
    return cible + "." + std::to_string(processus) + "-" + std::to_string(numero) + ".tmp";
}

bool EstTemporaireDe(const std::string& nom, const std::string& nomCible)
{
    // "<nomCible>." then digits, "-", digits, ".tmp"
    if (nom.size() <= nomCible.size() + 1 || nom.compare(0, nomCible.size(), nomCible) != 0 || nom[nomCible.size()] != '.')
        return false;
    const std::string reste = nom.substr(nomCible.size() + 1);
    if (reste.size() < 7 || reste.compare(reste.size() - 4, 4, ".tmp") != 0)
        return false;
    const std::string milieu = reste.substr(0, reste.size() - 4);
    const size_t tiret = milieu.find('-');
    if (tiret == std::string::npos || tiret == 0 || tiret + 1 == milieu.size())
        return false;
    for (size_t i = 0; i < milieu.size(); ++i)
        if (i != tiret && (milieu[i] < '0' || milieu[i] > '9'))
            return false;
    return true;
}

namespace {

bool EcrireFlux(SystemeFichiers::Flux& flux, std::string_view octets, std::string& raison)
{
    // Written in pieces so that a failing disk stops the write where it fails.
    constexpr size_t Bloc = 64 * 1024;
    for (size_t i = 0; i < octets.size(); i += Bloc)
        if (!flux.Ecrire(octets.data() + i, std::min(Bloc, octets.size() - i), raison))
            return false;
    return flux.Terminer(raison);
}

} // namespace

bool EcrireAtomiquement(SystemeFichiers& fs, const std::string& chemin, std::string_view octets, std::string& raison,
    const SystemeFichiers::Info* modele, bool* creationImpossible)
{
    if (creationImpossible)
        *creationImpossible = false;
    std::string temporaire;
    std::unique_ptr<SystemeFichiers::Flux> flux = fs.CreerTemporaire(chemin, temporaire, raison);
    if (!flux) {
        if (creationImpossible)
            *creationImpossible = true;
        return false;
    }
    bool ok = EcrireFlux(*flux, octets, raison);
    flux.reset();
    // The new file takes the place of the old one with its permissions and owner.
    if (ok && modele && modele->genre == SystemeFichiers::Genre::Fichier)
        ok = fs.CopierAttributs(*modele, temporaire, raison);
    if (ok)
        ok = fs.Remplacer(temporaire, chemin, raison);
    if (!ok)
        fs.Supprimer(temporaire);
    return ok;
}

bool EcrireEnPlace(SystemeFichiers& fs, const std::string& chemin, std::string_view octets, std::string& raison,
    bool* commence)
{
    std::unique_ptr<SystemeFichiers::Flux> flux = fs.EcrireEnPlace(chemin, raison);
    if (commence)
        *commence = flux != nullptr;
    return flux && EcrireFlux(*flux, octets, raison);
}


} // namespace cogitelle
