#include "store/SystemeFichiersMemoire.h"

#include <algorithm>

namespace cogitelle {

namespace {
// A link still unresolved after the hops Resoudre follows leads round in a loop.
const char* const BoucleDeLiens = "Too many levels of symbolic links";
} // namespace

class SystemeFichiersMemoire::FluxMemoire : public Flux {
public:
    FluxMemoire(SystemeFichiersMemoire& fs, std::string chemin, bool enPlace)
        : fs_(fs), chemin_(std::move(chemin)), enPlace_(enPlace)
    {
    }
    bool Ecrire(const char* octets, size_t taille, std::string& raison) override
    {
        size_t permis = taille;
        const bool ok = fs_.Permettre(Operation::Ecrire, chemin_, permis, raison);
        permis = std::min(permis, taille);
        Noeud* n = fs_.Fichier(chemin_);
        if (!n) {
            raison = "No such file or directory";
            return false;
        }
        // The bytes reach the file at once, so a failure leaves what a real disk would.
        const size_t ecrits = ok ? taille : permis;
        const size_t fin = position_ + ecrits;
        if (position_ == n->octets.size())
            n->octets.append(octets, ecrits);
        else {
            if (n->octets.size() < fin)
                n->octets.resize(fin);
            n->octets.replace(position_, ecrits, octets, ecrits);
        }
        position_ = fin;
        n->modifie = fs_.horloge;
        return ok;
    }
    bool Terminer(std::string& raison) override
    {
        if (!fs_.Autoriser(Operation::Terminer, chemin_, raison))
            return false;
        Noeud* n = fs_.Fichier(chemin_);
        if (!n) {
            raison = "No such file or directory";
            return false;
        }
        if (enPlace_)
            n->octets.resize(position_);
        return true;
    }

private:
    SystemeFichiersMemoire& fs_;
    std::string chemin_;
    bool enPlace_;
    size_t position_ = 0;
};

class SystemeFichiersMemoire::VerrouMemoire : public Verrou {
public:
    VerrouMemoire(SystemeFichiersMemoire& fs, std::string chemin) : fs_(fs), chemin_(std::move(chemin)) {}
    ~VerrouMemoire() override { fs_.verrouilles_.erase(chemin_); }

private:
    SystemeFichiersMemoire& fs_;
    std::string chemin_;
};

bool SystemeFichiersMemoire::Permettre(Operation, const std::string&, size_t&, std::string&)
{
    return true;
}

bool SystemeFichiersMemoire::Autoriser(Operation op, const std::string& chemin, std::string& raison)
{
    size_t taille = 0;
    return Permettre(op, chemin, taille, raison);
}

bool SystemeFichiersMemoire::DossierInscriptible(const std::string& chemin, std::string& raison) const
{
    if (dossiersEnLectureSeule.count(DossierDe(chemin))) {
        raison = "Permission denied";
        return false;
    }
    return true;
}

void SystemeFichiersMemoire::Poser(const std::string& chemin, std::string octets)
{
    Noeud& n = noeuds[chemin];
    n = Noeud();
    n.octets = std::move(octets);
    n.modifie = horloge;
}

const std::string* SystemeFichiersMemoire::Contenu(const std::string& chemin) const
{
    const auto it = noeuds.find(chemin);
    return it != noeuds.end() && it->second.lien.empty() && it->second.genre == Genre::Fichier ? &it->second.octets
                                                                                               : nullptr;
}

SystemeFichiersMemoire::Noeud* SystemeFichiersMemoire::Fichier(const std::string& chemin)
{
    const auto it = noeuds.find(Resoudre(chemin));
    return it != noeuds.end() && it->second.lien.empty() && it->second.genre == Genre::Fichier ? &it->second : nullptr;
}

SystemeFichiers::Lecture SystemeFichiersMemoire::Lire(const std::string& chemin, std::string& octets, std::string& raison)
{
    octets.clear();
    if (!Autoriser(Operation::Lire, chemin, raison))
        return Lecture::Erreur;
    const auto it = noeuds.find(Resoudre(chemin));
    if (it == noeuds.end())
        return Lecture::Absent;
    if (!it->second.lien.empty()) {
        raison = BoucleDeLiens;
        return Lecture::Erreur;
    }
    if (it->second.genre != Genre::Fichier) {
        raison = it->second.genre == Genre::Dossier ? "Is a directory" : "not a regular file";
        return Lecture::Erreur;
    }
    octets = it->second.octets;
    return Lecture::Ok;
}

SystemeFichiers::Info SystemeFichiersMemoire::Etat(const std::string& chemin)
{
    Info info;
    if (!Autoriser(Operation::Etat, chemin, info.raison)) {
        info.genre = Genre::Erreur;
        return info;
    }
    const auto it = noeuds.find(Resoudre(chemin));
    if (it == noeuds.end())
        return info;
    if (!it->second.lien.empty()) {
        info.genre = Genre::Erreur;
        info.raison = BoucleDeLiens;
        return info;
    }
    const Noeud& n = it->second;
    info.genre = n.genre;
    info.lectureSeule = n.lectureSeule;
    info.mode = n.mode;
    info.proprietaire = n.proprietaire;
    info.groupe = n.groupe;
    info.modifie = n.modifie;
    return info;
}

std::string SystemeFichiersMemoire::Resoudre(const std::string& chemin)
{
    std::string courant = chemin;
    for (int saut = 0; saut < 40; ++saut) {
        const auto it = noeuds.find(courant);
        if (it == noeuds.end() || it->second.lien.empty())
            return courant;
        courant = CheminDuLien(courant, it->second.lien);
    }
    return courant;
}

std::unique_ptr<SystemeFichiers::Flux> SystemeFichiersMemoire::CreerTemporaire(
    const std::string& cible, std::string& chemin, std::string& raison)
{
    do
        chemin = NomTemporaire(cible, static_cast<unsigned long>(processus), compteur_++);
    while (noeuds.count(chemin));
    if (!Autoriser(Operation::CreerTemporaire, chemin, raison) || !DossierInscriptible(chemin, raison))
        return nullptr;
    // Room for a new version of the file as large as the one it replaces, made once.
    std::string place;
    if (const Noeud* n = Fichier(cible))
        place.reserve(n->octets.size());
    Poser(chemin, std::move(place));
    return std::make_unique<FluxMemoire>(*this, chemin, false);
}

std::unique_ptr<SystemeFichiers::Flux> SystemeFichiersMemoire::EcrireEnPlace(const std::string& chemin, std::string& raison)
{
    if (!Autoriser(Operation::EcrireEnPlace, chemin, raison))
        return nullptr;
    Noeud* n = Fichier(chemin);
    if (!n) {
        raison = noeuds.count(Resoudre(chemin)) ? "not a regular file" : "No such file or directory";
        return nullptr;
    }
    if (n->lectureSeule) {
        raison = "Permission denied";
        return nullptr;
    }
    return std::make_unique<FluxMemoire>(*this, Resoudre(chemin), true);
}

bool SystemeFichiersMemoire::CopierAttributs(const Info& modele, const std::string& chemin, std::string& raison)
{
    if (!Autoriser(Operation::CopierAttributs, chemin, raison))
        return false;
    Noeud* n = Fichier(chemin);
    if (!n) {
        raison = "No such file or directory";
        return false;
    }
    n->mode = modele.mode;
    n->proprietaire = modele.proprietaire;
    n->groupe = modele.groupe;
    return true;
}

bool SystemeFichiersMemoire::Remplacer(const std::string& de, const std::string& vers, std::string& raison)
{
    return Renommer(Operation::Remplacer, de, vers, true, raison);
}

bool SystemeFichiersMemoire::Copier(const std::string& de, const std::string& vers, std::string& raison)
{
    if (!Autoriser(Operation::Copier, vers, raison) || !DossierInscriptible(vers, raison))
        return false;
    const Noeud* source = Fichier(de);
    if (!source) {
        raison = "No such file or directory";
        return false;
    }
    if (noeuds.count(vers)) {
        raison = "File exists";
        return false;
    }
    Noeud copie = *source;
    copie.lectureSeule = false;
    copie.modifie = horloge;
    noeuds[vers] = std::move(copie);
    return true;
}

bool SystemeFichiersMemoire::Deplacer(const std::string& de, const std::string& vers, std::string& raison)
{
    return Renommer(Operation::Deplacer, de, vers, false, raison);
}

bool SystemeFichiersMemoire::Renommer(
    Operation op, const std::string& de, const std::string& vers, bool remplacer, std::string& raison)
{
    if (!Autoriser(op, vers, raison) || !DossierInscriptible(de, raison) || !DossierInscriptible(vers, raison))
        return false;
    const auto it = noeuds.find(de);
    if (it == noeuds.end()) {
        raison = "No such file or directory";
        return false;
    }
    const auto cible = noeuds.find(vers);
    if (cible != noeuds.end() && !remplacer) {
        raison = "File exists";
        return false;
    }
    // A file never replaces a folder.
    if (cible != noeuds.end() && cible->second.genre == Genre::Dossier && cible->second.lien.empty() &&
        it->second.genre != Genre::Dossier) {
        raison = "Is a directory";
        return false;
    }
    Noeud n = std::move(it->second);
    noeuds.erase(it);
    noeuds[vers] = std::move(n);
    return true;
}

void SystemeFichiersMemoire::Supprimer(const std::string& chemin)
{
    std::string raison;
    if (Autoriser(Operation::Supprimer, chemin, raison) && DossierInscriptible(chemin, raison))
        noeuds.erase(chemin);
}

std::vector<std::string> SystemeFichiersMemoire::Lister(const std::string& dossier)
{
    std::vector<std::string> noms;
    std::string raison;
    if (!Autoriser(Operation::Lister, dossier, raison))
        return noms;
    for (const auto& [chemin, n] : noeuds)
        if (DossierDe(chemin) == dossier)
            noms.push_back(NomDe(chemin));
    return noms;
}

SystemeFichiers::Verrouillage SystemeFichiersMemoire::Verrouiller(
    const std::string& chemin, int, std::unique_ptr<Verrou>& verrou, std::string& raison)
{
    if (!Autoriser(Operation::Verrouiller, chemin, raison))
        return Verrouillage::Erreur;
    const std::string reel = Resoudre(chemin);
    const auto it = noeuds.find(reel);
    if (it == noeuds.end()) {
        if (!DossierInscriptible(reel, raison))
            return Verrouillage::Erreur;
        Poser(reel, {});
    } else if (it->second.genre != Genre::Fichier) {
        raison = "not a regular file";
        return Verrouillage::Erreur;
    }
    // Nothing else runs while a call waits here: a lock held is held for the whole delay.
    if (verrouilles_.count(reel)) {
        raison = "Resource temporarily unavailable";
        return Verrouillage::Occupe;
    }
    verrouilles_.insert(reel);
    verrou = std::make_unique<VerrouMemoire>(*this, reel);
    return Verrouillage::Ok;
}

} // namespace cogitelle
