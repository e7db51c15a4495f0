// The settings store on Linux and macOS: an INI file in the user's configuration folder, through
// QSettings. The file plays the part of the registry key; binary values are kept as byte arrays
// and strings as strings, so a value of the wrong type is still told apart.
#pragma once

#include <QString>
#include <memory>

#include "store/MagasinOptions.h"

class QSettings;

namespace cogitelle {

class MagasinQSettings : public MagasinOptions {
public:
    // <configuration folder>/Ludivex/COGITELLE I.ini unless a path is given.
    explicit MagasinQSettings(const QString& cheminFichier = QString());
    ~MagasinQSettings() override;

    static QString CheminParDefaut();
    QString CheminFichier() const;

    bool Ouvrir(std::string& erreur) override;
    // Writes the values set since Ouvrir to the file; false, with the reason, when it cannot.
    bool Fermer(std::string& erreur) override;
    Lecture LireBinaire(const std::string& nom, void* dst, size_t taille, size_t& lus, std::string& erreur) override;
    Lecture LireTexte(const std::string& nom, std::string& valeur, std::string& erreur) override;
    bool EcrireBinaire(const std::string& nom, const void* src, size_t taille, std::string& erreur) override;
    bool EcrireTexte(const std::string& nom, const std::string& valeur, std::string& erreur) override;

private:
    QString chemin_;
    std::unique_ptr<QSettings> settings_;
    bool modifie_ = false;
};

} // namespace cogitelle
