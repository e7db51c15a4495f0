// The machine's file system with failures on demand: a disk that fills up after so many bytes, a
// folder where nothing can be created, a file that cannot be read, a rename or a copy that fails.
// Everything else goes to the real file system.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "store/SystemeFichiers.h"

namespace cogitelle::test {

class FichiersDefaillants : public SystemeFichiers {
public:
    long long octetsAvantPanne = -1;   // a written file takes this many bytes, then the disk is full
    bool refuserCreation = false;      // as in a read-only folder
    bool refuserEcritureEnPlace = false;   // as for a read-only file
    bool echecSynchronisation = false;
    bool echecRemplacement = false;
    bool echecCopie = false;
    std::string cheminIllisible;       // reading this path fails
    std::vector<std::string> temporaires;

    Lecture Lire(const std::string& chemin, std::string& octets, std::string& raison) override
    {
        if (!cheminIllisible.empty() && chemin == cheminIllisible) {
            raison = "Input/output error";
            return Lecture::Erreur;
        }
        return reel_->Lire(chemin, octets, raison);
    }

    std::unique_ptr<Flux> CreerTemporaire(const std::string& cible, std::string& chemin, std::string& raison) override
    {
        if (refuserCreation) {
            raison = "Permission denied";
            return nullptr;
        }
        auto flux = reel_->CreerTemporaire(cible, chemin, raison);
        if (!flux)
            return nullptr;
        temporaires.push_back(chemin);
        return std::make_unique<FluxDefaillant>(*this, std::move(flux));
    }

    bool Remplacer(const std::string& de, const std::string& vers, std::string& raison) override
    {
        if (echecRemplacement) {
            raison = "Device or resource busy";
            return false;
        }
        return reel_->Remplacer(de, vers, raison);
    }

    bool Copier(const std::string& de, const std::string& vers, std::string& raison) override
    {
        if (echecCopie) {
            raison = "No space left on device";
            return false;
        }
        return reel_->Copier(de, vers, raison);
    }

    bool Deplacer(const std::string& de, const std::string& vers, std::string& raison) override
    {
        if (echecRemplacement) {
            raison = "Device or resource busy";
            return false;
        }
        return reel_->Deplacer(de, vers, raison);
    }

    std::unique_ptr<Flux> EcrireEnPlace(const std::string& chemin, std::string& raison) override
    {
        if (refuserEcritureEnPlace) {
            raison = "Permission denied";
            return nullptr;
        }
        auto flux = reel_->EcrireEnPlace(chemin, raison);
        if (!flux)
            return nullptr;
        return std::make_unique<FluxDefaillant>(*this, std::move(flux));
    }

    void Supprimer(const std::string& chemin) override { reel_->Supprimer(chemin); }
    Info Etat(const std::string& chemin) override { return reel_->Etat(chemin); }
    std::string Resoudre(const std::string& chemin) override { return reel_->Resoudre(chemin); }
    bool CopierAttributs(const Info& modele, const std::string& chemin, std::string& raison) override
    {
        return reel_->CopierAttributs(modele, chemin, raison);
    }
    std::vector<std::string> Lister(const std::string& dossier) override { return reel_->Lister(dossier); }
    Verrouillage Verrouiller(const std::string& chemin, int delaiMs, std::unique_ptr<Verrou>& verrou,
        std::string& raison) override
    {
        // Nothing can be created in a read-only folder, a lock file neither.
        if (refuserCreation && reel_->Etat(chemin).genre == Genre::Absent) {
            raison = "Permission denied";
            return Verrouillage::Erreur;
        }
        return reel_->Verrouiller(chemin, delaiMs, verrou, raison);
    }
    int64_t Maintenant() override { return reel_->Maintenant(); }

private:
    class FluxDefaillant : public Flux {
    public:
        FluxDefaillant(FichiersDefaillants& f, std::unique_ptr<Flux> reel) : f_(f), reel_(std::move(reel)) {}
        bool Ecrire(const char* octets, size_t taille, std::string& raison) override
        {
            if (f_.octetsAvantPanne >= 0 && ecrits_ + static_cast<long long>(taille) > f_.octetsAvantPanne) {
                const size_t reste = static_cast<size_t>(f_.octetsAvantPanne - ecrits_);
                reel_->Ecrire(octets, reste, raison);
                ecrits_ += static_cast<long long>(reste);
                raison = "No space left on device";
                return false;
            }
            ecrits_ += static_cast<long long>(taille);
            return reel_->Ecrire(octets, taille, raison);
        }
        bool Terminer(std::string& raison) override
        {
            const bool ok = reel_->Terminer(raison);
            if (f_.echecSynchronisation) {
                raison = "Input/output error";
                return false;
            }
            return ok;
        }

    private:
        FichiersDefaillants& f_;
        std::unique_ptr<Flux> reel_;
        long long ecrits_ = 0;
    };

    SystemeFichiers* reel_ = &SystemeFichiersReel();
};

} // namespace cogitelle::test
