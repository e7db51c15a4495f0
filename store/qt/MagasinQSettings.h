// The settings store on Linux and macOS: an INI file in the user's configuration folder,
// through QSettings, keeping the registry's distinction between binary and string values.
#pragma once

#include <QString>
#include <memory>

#include "store/MagasinOptions.h"

class QSettings;

namespace cogitelle {

class MagasinQSettings : public MagasinOptions {
public:
    // The file is <configuration folder>/<organisation>/<application>.ini unless a path is given.
    explicit MagasinQSettings(const QString& cheminFichier = QString());
    ~MagasinQSettings() override;

    QString CheminFichier() const;

    bool Ouvrir(std::string& erreur) override;
    void Fermer() override;
    Lecture LireBinaire(const std::string& nom, void* dst, size_t taille, size_t& lus, std::string& erreur) override;
    Lecture LireTexte(const std::string& nom, std::string& valeur, std::string& erreur) override;
    bool EcrireBinaire(const std::string& nom, const void* src, size_t taille, std::string& erreur) override;
    bool EcrireTexte(const std::string& nom, const std::string& valeur, std::string& erreur) override;

private:
    QString chemin_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace cogitelle
