// A whole file system in memory, for the browser, the tests and the fuzz targets: files, symbolic
// links, folders where nothing may be created, read-only files, locks and a clock. Before doing
// anything, every call asks Permettre, which a test overrides to make any call fail, or a write keep
// only part of its bytes. A failed call changes nothing, except a write, which keeps the bytes it
// was allowed: a temporary file then holds a part, and a file written in place a mix of new and old
// bytes, as on a real disk.
#pragma once

#include <map>
#include <set>

#include "store/SystemeFichiers.h"

namespace cogitelle {

class SystemeFichiersMemoire : public SystemeFichiers {
public:
    enum class Operation {
        Lire, Etat, Resoudre, CreerTemporaire, EcrireEnPlace, Ecrire, Terminer, CopierAttributs, Remplacer, Copier,
        Deplacer, Supprimer, Lister, Verrouiller,
    };
    struct Noeud {
        Genre genre = Genre::Fichier;   // Fichier, Dossier or Autre (a pipe, a device...)
        std::string lien;               // set: a symbolic link to this path (relative to its folder)
        std::string octets;
        uint32_t mode = 0644;
        bool lectureSeule = false;
        int64_t proprietaire = 1000;
        int64_t groupe = 1000;
        int64_t modifie = 0;
    };

    std::map<std::string, Noeud> noeuds;            // every path, folders only where a test puts them
    std::set<std::string> dossiersEnLectureSeule;   // no file is created, renamed or removed there
    int64_t horloge = 1700000000;                   // Maintenant(); files written take this time
    int processus = 4242;                           // the number in temporary files' names

    // Plants a file, or reads one back (null when there is no file of that path).
    void Poser(const std::string& chemin, std::string octets);
    const std::string* Contenu(const std::string& chemin) const;

    // Asked before every call with the path it is about; false makes the call fail with `raison`.
    // For Ecrire, `taille` (the bytes asked) may be lowered: that many are written, then it fails.
    virtual bool Permettre(Operation op, const std::string& chemin, size_t& taille, std::string& raison);

    Lecture Lire(const std::string& chemin, std::string& octets, std::string& raison) override;
    Info Etat(const std::string& chemin) override;
    std::string Resoudre(const std::string& chemin) override;
    std::unique_ptr<Flux> CreerTemporaire(const std::string& cible, std::string& chemin, std::string& raison) override;
    std::unique_ptr<Flux> EcrireEnPlace(const std::string& chemin, std::string& raison) override;
    bool CopierAttributs(const Info& modele, const std::string& chemin, std::string& raison) override;
    bool Remplacer(const std::string& de, const std::string& vers, std::string& raison) override;
    bool Copier(const std::string& de, const std::string& vers, std::string& raison) override;
    bool Deplacer(const std::string& de, const std::string& vers, std::string& raison) override;
    void Supprimer(const std::string& chemin) override;
    std::vector<std::string> Lister(const std::string& dossier) override;
    Verrouillage Verrouiller(const std::string& chemin, int delaiMs, std::unique_ptr<Verrou>& verrou,
        std::string& raison) override;
    int64_t Maintenant() override { return horloge; }

    // The paths locked now.
    const std::set<std::string>& Verrouilles() const { return verrouilles_; }

private:
    class FluxMemoire;
    class VerrouMemoire;
    bool Autoriser(Operation op, const std::string& chemin, std::string& raison);
    bool DossierInscriptible(const std::string& chemin, std::string& raison) const;
    Noeud* Fichier(const std::string& chemin);   // a regular file, links followed
    // Moves `de` to `vers`: over what stands there with `remplacer`, else only to a free name.
    bool Renommer(Operation op, const std::string& de, const std::string& vers, bool remplacer, std::string& raison);
    std::set<std::string> verrouilles_;
    unsigned compteur_ = 0;
};

} // namespace cogitelle
