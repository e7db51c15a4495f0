// The score file and the options kept as text values under string keys, as the browser's local
// storage keeps them: the file's bytes in base64, the options one value a line. Several copies of
// the game (the browser's tabs) share one such store; its lock keeps their saves apart, so the
// score file's save path runs on it as on a disk, re-reading what another copy wrote.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "store/MagasinOptions.h"
#include "store/SystemeFichiersMemoire.h"

namespace cogitelle {

// Base64, with its padding.
std::string EnBase64(const std::string& octets);
// False when the text is not base64; `octets` then holds nothing useful.
bool DepuisBase64(const std::string& texte, std::string& octets);

// The options as text: one value a line, "b" or "s", the name, the bytes in hexadecimal,
// separated by tabs.
std::string OptionsEnTexte(const std::map<std::string, MagasinMemoire::Valeur>& valeurs);
// A line that cannot be read is left out: the value is then missing.
void OptionsDepuisTexte(const std::string& texte, std::map<std::string, MagasinMemoire::Valeur>& valeurs);

// Text values under string keys, and exclusive locks by name: the browser's local storage and
// its Web Locks, or memory in the tests.
class MagasinCles {
public:
    using Lecture = SystemeFichiers::Lecture;
    using Verrouillage = SystemeFichiers::Verrouillage;

    virtual ~MagasinCles() = default;
    virtual Lecture Lire(const std::string& cle, std::string& valeur, std::string& raison) = 0;
    virtual bool Ecrire(const std::string& cle, const std::string& valeur, std::string& raison) = 0;
    virtual bool Effacer(const std::string& cle, std::string& raison) = 0;
    // The keys that begin with `prefixe`.
    virtual std::vector<std::string> Cles(const std::string& prefixe) = 0;
    // As SystemeFichiers::Verrouiller: Erreur where the store has no locks.
    virtual Verrouillage Verrouiller(const std::string& nom, int delaiMs, std::unique_ptr<SystemeFichiers::Verrou>& verrou,
        std::string& raison) = 0;
};

// A file system in memory whose one file `chemin`, and the copies of it kept as "<chemin>.bak",
// "<chemin>.bak.2"..., are the values of the same keys in a MagasinCles, their bytes in base64.
// Its locks are the store's. Temporary files stay in memory: a save's new file reaches the store
// when it is renamed onto `chemin`. A value that is not base64 reads as an error; copying or moving
// a kept file copies its text as it is, so a damaged value is kept as it was.
class SystemeFichiersCles : public SystemeFichiersMemoire {
public:
    SystemeFichiersCles(MagasinCles& cles, std::string chemin) : cles_(cles), chemin_(std::move(chemin)) {}

    // True for the paths whose files live in the store.
    bool Garde(const std::string& chemin) const;
    // The kept copies of the file, by path, in the order of their names.
    std::vector<std::string> Copies();

    Lecture Lire(const std::string& chemin, std::string& octets, std::string& raison) override;
    Info Etat(const std::string& chemin) override;
    std::unique_ptr<Flux> EcrireEnPlace(const std::string& chemin, std::string& raison) override;
    bool Remplacer(const std::string& de, const std::string& vers, std::string& raison) override;
    bool Copier(const std::string& de, const std::string& vers, std::string& raison) override;
    bool Deplacer(const std::string& de, const std::string& vers, std::string& raison) override;
    void Supprimer(const std::string& chemin) override;
    std::vector<std::string> Lister(const std::string& dossier) override;
    Verrouillage Verrouiller(const std::string& chemin, int delaiMs, std::unique_ptr<Verrou>& verrou,
        std::string& raison) override;

private:
    // A file's text as the store keeps it: a kept file's value, a file in memory in base64.
    Lecture Texte(const std::string& chemin, std::string& texte, std::string& raison);
    // Copies a file's text to a kept path, over what is there with `remplacer`, else only to a free
    // key; `deplacer` then removes the original.
    bool Copie(const std::string& de, const std::string& vers, bool deplacer, bool remplacer, std::string& raison);

    MagasinCles& cles_;
    std::string chemin_;
};

// The settings store kept as one text value of a MagasinCles, read once. A close writes only the
// values this copy changed since it read or last wrote them, onto what the store holds then: two
// copies that change different options both keep their change, and the last to write a value wins.
class MagasinOptionsCles : public MagasinMemoire {
public:
    MagasinOptionsCles(MagasinCles& cles, std::string cle) : cles_(cles), cle_(std::move(cle)) {}
    bool Ouvrir(std::string& erreur) override;
    bool Fermer(std::string& erreur) override;

private:
    MagasinCles& cles_;
    std::string cle_;
    bool charge_ = false;
    std::map<std::string, Valeur> connues_;   // the values as this copy read or last wrote them
};

} // namespace cogitelle
