// The few file operations the score file needs, behind an interface so that tests can make any of
// them fail part-way, and the atomic replacement of a file built on them.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace cogitelle {

class SystemeFichiers {
public:
    enum class Lecture { Ok, Absent, Erreur };

    // A new file open for writing.
    class Flux {
    public:
        virtual ~Flux() = default;
        virtual bool Ecrire(const char* octets, size_t taille, std::string& raison) = 0;
        // Pushes the bytes to the disk and closes the file; false when any of it failed.
        virtual bool Terminer(std::string& raison) = 0;
    };

    virtual ~SystemeFichiers() = default;
    // Reads a whole file; Absent when there is no such file.
    virtual Lecture Lire(const std::string& chemin, std::string& octets, std::string& raison) = 0;
    // Creates a file of a fresh name beside `cible` (same folder) and returns its path in `chemin`.
    virtual std::unique_ptr<Flux> CreerTemporaire(const std::string& cible, std::string& chemin, std::string& raison) = 0;
    // Renames `de` onto `vers`, replacing `vers` when it exists.
    virtual bool Remplacer(const std::string& de, const std::string& vers, std::string& raison) = 0;
    // Copies `de` onto `vers`, replacing `vers` when it exists.
    virtual bool Copier(const std::string& de, const std::string& vers, std::string& raison) = 0;
    virtual void Supprimer(const std::string& chemin) = 0;
};

// The machine's own file system. Paths are UTF-8.
SystemeFichiers& SystemeFichiersReel();

// Writes `octets` to a temporary file beside `chemin`, flushes it to the disk and renames it onto
// `chemin`: whatever happens, `chemin` holds either its old bytes or all the new ones. On failure
// the temporary file is removed and `raison` says why.
bool EcrireAtomiquement(SystemeFichiers& fs, const std::string& chemin, const std::string& octets, std::string& raison);

} // namespace cogitelle
