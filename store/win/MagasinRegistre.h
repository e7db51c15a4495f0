// The settings store on Windows: one key of the current user's registry, numbers as REG_BINARY
// values of their exact size and the name as REG_SZ.
#pragma once

#include <string>

#include "store/MagasinOptions.h"

namespace cogitelle {

class MagasinRegistre : public MagasinOptions {
public:
    // The key HKEY_CURRENT_USER\Software\Ludivex\<title>\ .
    explicit MagasinRegistre(const std::string& titre = "COGITELLE I");
    ~MagasinRegistre() override;
    MagasinRegistre(const MagasinRegistre&) = delete;
    MagasinRegistre& operator=(const MagasinRegistre&) = delete;

    // Creates the key when missing and opens it; Fermer releases it.
    bool Ouvrir(std::string& erreur) override;
    bool Fermer(std::string& erreur) override;
    Lecture LireBinaire(const std::string& nom, void* dst, size_t taille, size_t& lus, std::string& erreur) override;
    Lecture LireTexte(const std::string& nom, std::string& valeur, std::string& erreur) override;
    bool EcrireBinaire(const std::string& nom, const void* src, size_t taille, std::string& erreur) override;
    bool EcrireTexte(const std::string& nom, const std::string& valeur, std::string& erreur) override;

private:
    std::wstring sousCle_;
    void* cle_ = nullptr;   // the open HKEY
};

} // namespace cogitelle
