// The settings store: one key holding typed values (fixed-size binaries and strings), as the
// Windows registry does. Backends: the registry, a settings file, and memory for tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace cogitelle {

class MagasinOptions {
public:
    enum class Lecture { Ok, Absent, Erreur };

    virtual ~MagasinOptions() = default;
    // Opens the key, creating it when missing. The key is opened for each load or save.
    virtual bool Ouvrir(std::string& erreur) = 0;
    // Closes the key; false when values written since Ouvrir could not be kept.
    virtual bool Fermer(std::string& /*erreur*/) { return true; }
    // Reads a binary value of at most `taille` bytes into `dst`. A value of another type, or
    // one larger than `taille`, is an error. Returns the bytes read in `lus`.
    virtual Lecture LireBinaire(const std::string& nom, void* dst, size_t taille, size_t& lus, std::string& erreur) = 0;
    // Reads a string value; another type is an error.
    virtual Lecture LireTexte(const std::string& nom, std::string& valeur, std::string& erreur) = 0;
    virtual bool EcrireBinaire(const std::string& nom, const void* src, size_t taille, std::string& erreur) = 0;
    virtual bool EcrireTexte(const std::string& nom, const std::string& valeur, std::string& erreur) = 0;

};

// Keeps the values in memory; tests read and plant values through `valeurs`.
class MagasinMemoire : public MagasinOptions {
public:
    struct Valeur {
        bool binaire = true;
        std::vector<uint8_t> octets;   // binary value
        std::string texte;             // string value
    };
    std::map<std::string, Valeur> valeurs;
    bool cleExiste = false;
    bool echecEcriture = false;   // makes every write fail, as a locked key would
    int ouvertures = 0;
    bool ouverte = false;               // reads and writes outside Ouvrir/Fermer fail
    std::vector<std::string> lectures;  // names of the values read, in order

    bool Ouvrir(std::string& erreur) override;
    bool Fermer(std::string& erreur) override;
    Lecture LireBinaire(const std::string& nom, void* dst, size_t taille, size_t& lus, std::string& erreur) override;
    Lecture LireTexte(const std::string& nom, std::string& valeur, std::string& erreur) override;
    bool EcrireBinaire(const std::string& nom, const void* src, size_t taille, std::string& erreur) override;
    bool EcrireTexte(const std::string& nom, const std::string& valeur, std::string& erreur) override;
};

} // namespace cogitelle
