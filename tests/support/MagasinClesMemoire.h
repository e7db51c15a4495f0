// The browser's local storage and its Web Locks in memory: the tabs of one test share one.
#pragma once

#include <map>
#include <set>
#include <string>

#include "store/StockageCles.h"

namespace cogitelle::test {

class MagasinClesMemoire : public MagasinCles {
public:
    std::map<std::string, std::string> valeurs;
    std::set<std::string> verrous;   // the locks held, by name
    bool plein = false;              // every write fails, as a full storage's

    Lecture Lire(const std::string& cle, std::string& valeur, std::string&) override
    {
        const auto it = valeurs.find(cle);
        if (it == valeurs.end())
            return Lecture::Absent;
        valeur = it->second;
        return Lecture::Ok;
    }
    bool Ecrire(const std::string& cle, const std::string& valeur, std::string& raison) override
    {
        if (plein) {
            raison = "le quota de stockage est dépassé";
            return false;
        }
        valeurs[cle] = valeur;
        return true;
    }
    bool Effacer(const std::string& cle, std::string&) override
    {
        valeurs.erase(cle);
        return true;
    }
    std::vector<std::string> Cles(const std::string& prefixe) override
    {
        std::vector<std::string> cles;
        for (const auto& [cle, v] : valeurs)
            if (cle.rfind(prefixe, 0) == 0)
                cles.push_back(cle);
        return cles;
    }
    // A lock another tab holds is held past any delay: nothing else runs meanwhile.
    Verrouillage Verrouiller(const std::string& nom, int, std::unique_ptr<SystemeFichiers::Verrou>& verrou,
        std::string& raison) override
    {
        if (!verrous.insert(nom).second) {
            raison = "held";
            return Verrouillage::Occupe;
        }
        verrou = std::make_unique<Tenu>(*this, nom);
        return Verrouillage::Ok;
    }

private:
    struct Tenu : SystemeFichiers::Verrou {
        Tenu(MagasinClesMemoire& m, std::string n) : m_(m), n_(std::move(n)) {}
        ~Tenu() override { m_.verrous.erase(n_); }
        MagasinClesMemoire& m_;
        std::string n_;
    };
};

} // namespace cogitelle::test
