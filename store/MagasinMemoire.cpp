#include <cstring>

#include "store/MagasinOptions.h"

namespace cogitelle {

bool MagasinMemoire::Ouvrir(std::string&)
{
    cleExiste = true;
    ouverte = true;
    ++ouvertures;
    return true;
}

bool MagasinMemoire::Fermer(std::string&)
{
    ouverte = false;
    return true;
}

namespace {
const std::string CleFermee = "la clé n'est pas ouverte";
const std::string TypeInvalide = "le type de données n'est pas valide";
}

MagasinOptions::Lecture MagasinMemoire::LireBinaire(const std::string& nom, void* dst, size_t taille, size_t& lus, std::string& erreur)
{
    lus = 0;
    lectures.push_back(nom);
    if (!ouverte) {
        erreur = CleFermee;
        return Lecture::Erreur;
    }
    const auto it = valeurs.find(nom);
    if (it == valeurs.end())
        return Lecture::Absent;
    const Valeur& v = it->second;
    if (!v.binaire || v.octets.size() > taille) {
        erreur = TypeInvalide;
        return Lecture::Erreur;
    }
    if (!v.octets.empty())   // an empty vector may hold no buffer at all
        std::memcpy(dst, v.octets.data(), v.octets.size());
    lus = v.octets.size();
    return Lecture::Ok;
}

MagasinOptions::Lecture MagasinMemoire::LireTexte(const std::string& nom, std::string& valeur, std::string& erreur)
{
    lectures.push_back(nom);
    if (!ouverte) {
        erreur = CleFermee;
        return Lecture::Erreur;
    }
    const auto it = valeurs.find(nom);
    if (it == valeurs.end())
        return Lecture::Absent;
    if (it->second.binaire) {
        erreur = TypeInvalide;
        return Lecture::Erreur;
    }
    valeur = it->second.texte;
    return Lecture::Ok;
}

bool MagasinMemoire::EcrireBinaire(const std::string& nom, const void* src, size_t taille, std::string& erreur)
{
    if (!ouverte || echecEcriture) {
        erreur = ouverte ? "l'écriture de « " + nom + " » a échoué" : CleFermee;
        return false;
    }
    Valeur v;
    v.binaire = true;
    v.octets.assign(static_cast<const uint8_t*>(src), static_cast<const uint8_t*>(src) + taille);
    valeurs[nom] = v;
    return true;
}

bool MagasinMemoire::EcrireTexte(const std::string& nom, const std::string& valeur, std::string& erreur)
{
    if (!ouverte || echecEcriture) {
        erreur = ouverte ? "l'écriture de « " + nom + " » a échoué" : CleFermee;
        return false;
    }
    Valeur v;
    v.binaire = false;
    v.texte = valeur;
    valeurs[nom] = v;
    return true;
}

} // namespace cogitelle
