// The few file operations the score file needs, behind an interface so that tests can make any of
// them fail part-way, and the atomic replacement of a file built on them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace cogitelle {

class SystemeFichiers {
public:
    enum class Lecture { Ok, Absent, Erreur };
    enum class Genre { Absent, Fichier, Dossier, Autre, Erreur };
    enum class Verrouillage { Ok, Occupe, Erreur };

    // What a path names, links followed.
    struct Info {
        Genre genre = Genre::Absent;
        bool lectureSeule = false;   // the file's own permissions keep this process from writing it
        uint32_t mode = 0;           // POSIX permission bits; 0 where the system has none
        int64_t proprietaire = -1;   // POSIX owner and group; -1 where the system has none
        int64_t groupe = -1;
        int64_t modifie = 0;         // last change, in seconds since 1970
        std::string raison;          // why, for Genre::Erreur
    };

    // A file open for writing.
    class Flux {
    public:
        virtual ~Flux() = default;
        virtual bool Ecrire(const char* octets, size_t taille, std::string& raison) = 0;
        // Pushes the bytes to the disk and closes the file; false when any of it failed. A file
        // written in place is first cut at the bytes written.
        virtual bool Terminer(std::string& raison) = 0;
    };

    // An exclusive lock, held until it is destroyed.
    class Verrou {
    public:
        virtual ~Verrou() = default;
    };

    virtual ~SystemeFichiers() = default;
    // Reads a whole regular file; Absent when there is no such file. Never waits on a pipe or a
    // device: anything but a regular file is an error.
    virtual Lecture Lire(const std::string& chemin, std::string& octets, std::string& raison) = 0;
    virtual Info Etat(const std::string& chemin) = 0;
    // The path that `chemin` leads to once every symbolic link on its last part is followed;
    // `chemin` itself when it is no link.
    virtual std::string Resoudre(const std::string& chemin) = 0;
    // Creates a file of a fresh name "<cible>.<process>-<n>.tmp" beside `cible` and returns its
    // path in `chemin`.
    virtual std::unique_ptr<Flux> CreerTemporaire(const std::string& cible, std::string& chemin, std::string& raison) = 0;
    // Opens an existing file to write it over from its first byte, without creating anything.
    virtual std::unique_ptr<Flux> EcrireEnPlace(const std::string& chemin, std::string& raison) = 0;
    // Gives `chemin` the mode, owner and group of `modele`, as far as this process may: an owner
    // it may not give is no failure.
    virtual bool CopierAttributs(const Info& modele, const std::string& chemin, std::string& raison) = 0;
    // Renames `de` onto `vers`, replacing `vers` when it exists.
    virtual bool Remplacer(const std::string& de, const std::string& vers, std::string& raison) = 0;
    // Copies `de` to a new file `vers`, flushed to the disk; fails when `vers` exists.
    virtual bool Copier(const std::string& de, const std::string& vers, std::string& raison) = 0;
    // Renames `de` to `vers`; fails when `vers` exists.
    virtual bool Deplacer(const std::string& de, const std::string& vers, std::string& raison) = 0;
    virtual void Supprimer(const std::string& chemin) = 0;
    // The names of the entries of a folder ("" is the current folder); empty when it cannot be read.
    virtual std::vector<std::string> Lister(const std::string& dossier) = 0;
    // Takes an exclusive lock on `chemin`, created when missing (an existing file that cannot be
    // written is opened for reading), waiting at most `delaiMs`. Occupe when another holder kept
    // it all that time; the lock is then not held. Locks of one process on one file exclude each
    // other too.
    virtual Verrouillage Verrouiller(const std::string& chemin, int delaiMs, std::unique_ptr<Verrou>& verrou,
        std::string& raison) = 0;
    // The clock the files' times are read against, in seconds since 1970.
    virtual int64_t Maintenant() = 0;
};

// The machine's own file system. Paths are UTF-8. Each system's half of the seam is a file of its
// own (store/posix, store/win), which the build chooses.
SystemeFichiers& SystemeFichiersReel();

// The characters that end a folder's name in a path: "/" on POSIX systems, "/\\" on Windows.
extern const char* const SeparateursDossiers;

// The folder part of a path ("" for a bare name) and its last part.
std::string DossierDe(const std::string& chemin);
std::string NomDe(const std::string& chemin);

// The path a symbolic link at `chemin` whose target reads `lien` leads to: a relative target is
// taken from the link's folder.
std::string CheminDuLien(const std::string& chemin, const std::string& lien);

// Writes `octets` to a temporary file beside `chemin`, gives it the mode and owner of `modele` when
// that is a file, flushes it to the disk and renames it onto `chemin`: whatever happens, `chemin`
// holds either its old bytes or all the new ones. On failure the temporary file is removed and
// `raison` says why; `creationImpossible` tells that the temporary file could not even be created.
bool EcrireAtomiquement(SystemeFichiers& fs, const std::string& chemin, std::string_view octets, std::string& raison,
    const SystemeFichiers::Info* modele = nullptr, bool* creationImpossible = nullptr);

// Writes `octets` over the existing file `chemin` and flushes it. Not atomic: for a folder where no
// new file can be made. `commence` tells that the file was opened, so a failure may have left
// part of the bytes in it.
bool EcrireEnPlace(SystemeFichiers& fs, const std::string& chemin, std::string_view octets, std::string& raison,
    bool* commence = nullptr);

// The temporary file beside `cible` numbered `numero` by process `processus`:
// "<cible>.<processus>-<numero>.tmp".
std::string NomTemporaire(const std::string& cible, unsigned long processus, unsigned numero);

// True for the name of a temporary file EcrireAtomiquement makes for `nomCible`:
// "<nomCible>.<digits>-<digits>.tmp".
bool EstTemporaireDe(const std::string& nom, const std::string& nomCible);

} // namespace cogitelle
