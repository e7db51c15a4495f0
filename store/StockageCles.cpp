#include "store/StockageCles.h"

#include <algorithm>
#include <cstdint>

#include "store/SystemeFichiers.h"

namespace cogitelle {

namespace {

const char Hex[] = "0123456789abcdef";

std::string EnHexa(const std::string& s)
{
    std::string r;
    for (const char c : s) {
        r += Hex[(static_cast<unsigned char>(c) >> 4) & 15];
        r += Hex[static_cast<unsigned char>(c) & 15];
    }
    return r;
}

bool DepuisHexa(const std::string& s, std::string& r)
{
    if (s.size() % 2)
        return false;
    r.clear();
    for (size_t i = 0; i < s.size(); i += 2) {
        const auto chiffre = [](char c) {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            return -1;
        };
        const int h = chiffre(s[i]), l = chiffre(s[i + 1]);
        if (h < 0 || l < 0)
            return false;
        r += static_cast<char>(h * 16 + l);
    }
    return true;
}

} // namespace

std::string OptionsEnTexte(const std::map<std::string, MagasinMemoire::Valeur>& valeurs)
{
    std::string s;
    for (const auto& [nom, v] : valeurs) {
        s += v.binaire ? "b\t" : "s\t";
        s += nom + "\t";
        s += v.binaire ? EnHexa(std::string(v.octets.begin(), v.octets.end())) : EnHexa(v.texte);
        s += "\n";
    }
    return s;
}

void OptionsDepuisTexte(const std::string& texte, std::map<std::string, MagasinMemoire::Valeur>& valeurs)
{
    size_t debut = 0;
    while (debut < texte.size()) {
        size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos)
            fin = texte.size();
        const std::string ligne = texte.substr(debut, fin - debut);
        debut = fin + 1;
        const size_t t1 = ligne.find('\t');
        const size_t t2 = t1 == std::string::npos ? t1 : ligne.find('\t', t1 + 1);
        if (t2 == std::string::npos || (ligne[0] != 'b' && ligne[0] != 's') || t1 != 1)
            continue;
        std::string octets;
        if (!DepuisHexa(ligne.substr(t2 + 1), octets))
            continue;
        MagasinMemoire::Valeur v;
        v.binaire = ligne[0] == 'b';
        if (v.binaire)
            v.octets.assign(octets.begin(), octets.end());
        else
            v.texte = octets;
        valeurs[ligne.substr(t1 + 1, t2 - t1 - 1)] = v;
    }
}

std::string EnBase64(const std::string& octets)
{
    static const char A[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string r;
    r.reserve((octets.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < octets.size(); i += 3) {
        const uint32_t v = (uint8_t(octets[i]) << 16) | (uint8_t(octets[i + 1]) << 8) | uint8_t(octets[i + 2]);
        r += A[v >> 18];
        r += A[(v >> 12) & 63];
        r += A[(v >> 6) & 63];
        r += A[v & 63];
    }
    if (i < octets.size()) {
        const bool deux = i + 1 < octets.size();
        const uint32_t v = (uint8_t(octets[i]) << 16) | (deux ? uint8_t(octets[i + 1]) << 8 : 0);
        r += A[v >> 18];
        r += A[(v >> 12) & 63];
        r += deux ? A[(v >> 6) & 63] : '=';
        r += '=';
    }
    return r;
}

bool DepuisBase64(const std::string& texte, std::string& octets)
{
    if (texte.size() % 4)
        return false;
    octets.clear();
    octets.reserve(texte.size() / 4 * 3);
    const auto valeur = [](char c) -> int {
        if (c >= 'A' && c <= 'Z') return c - 'A';
        if (c >= 'a' && c <= 'z') return c - 'a' + 26;
        if (c >= '0' && c <= '9') return c - '0' + 52;
        if (c == '+') return 62;
        if (c == '/') return 63;
        return -1;
    };
    for (size_t i = 0; i < texte.size(); i += 4) {
        int v[4];
        int n = 4;
        for (int k = 0; k < 4; ++k) {
            // Padding only ends the text: "xx==" or "xxx=".
            const bool remplissage = texte[i + k] == '=' && i + 4 == texte.size() && (k == 3 || texte[i + 3] == '=');
            v[k] = remplissage && k >= 2 ? 0 : valeur(texte[i + k]);
            if (v[k] < 0)
                return false;
            if (texte[i + k] == '=')
                n = std::min(n, k);
        }
        const uint32_t x = (v[0] << 18) | (v[1] << 12) | (v[2] << 6) | v[3];
        octets += static_cast<char>(x >> 16);
        if (n > 2)
            octets += static_cast<char>((x >> 8) & 0xFF);
        if (n > 3)
            octets += static_cast<char>(x & 0xFF);
    }
    return true;
}

bool SystemeFichiersCles::Garde(const std::string& chemin) const
{
    return chemin == chemin_ || chemin.rfind(chemin_ + ".bak", 0) == 0;
}

std::vector<std::string> SystemeFichiersCles::Copies()
{
    std::vector<std::string> copies = cles_.Cles(chemin_ + ".bak");
    std::sort(copies.begin(), copies.end());
    return copies;
}

SystemeFichiers::Lecture SystemeFichiersCles::Texte(const std::string& chemin, std::string& texte, std::string& raison)
{
    if (Garde(chemin))
        return cles_.Lire(chemin, texte, raison);
    std::string octets;
    const Lecture l = SystemeFichiersMemoire::Lire(chemin, octets, raison);
    if (l == Lecture::Ok)
        texte = EnBase64(octets);
    return l;
}

SystemeFichiers::Lecture SystemeFichiersCles::Lire(const std::string& chemin, std::string& octets, std::string& raison)
{
    if (!Garde(chemin))
        return SystemeFichiersMemoire::Lire(chemin, octets, raison);
    octets.clear();
    std::string texte;
    const Lecture l = cles_.Lire(chemin, texte, raison);
    if (l != Lecture::Ok)
        return l;
    if (DepuisBase64(texte, octets))
        return Lecture::Ok;
    octets.clear();
    raison = "sa valeur n'est pas en base64";
    return Lecture::Erreur;
}

SystemeFichiers::Info SystemeFichiersCles::Etat(const std::string& chemin)
{
    if (!Garde(chemin))
        return SystemeFichiersMemoire::Etat(chemin);
    Info info;
    std::string texte;
    const Lecture l = cles_.Lire(chemin, texte, info.raison);
    if (l == Lecture::Ok) {
        info.genre = Genre::Fichier;
        info.modifie = Maintenant();
    } else if (l == Lecture::Erreur) {
        info.genre = Genre::Erreur;
    }
    return info;
}

std::unique_ptr<SystemeFichiers::Flux> SystemeFichiersCles::EcrireEnPlace(const std::string& chemin, std::string& raison)
{
    if (!Garde(chemin))
        return SystemeFichiersMemoire::EcrireEnPlace(chemin, raison);
    raison = "une valeur du stockage ne s'écrit qu'entière";
    return nullptr;
}

bool SystemeFichiersCles::Copie(const std::string& de, const std::string& vers, bool deplacer, bool remplacer,
    std::string& raison)
{
    if (!Garde(vers)) {
        raison = "Operation not supported";
        return false;
    }
    std::string texte;
    const Lecture l = Texte(de, texte, raison);
    if (l != Lecture::Ok) {
        if (l == Lecture::Absent)
            raison = "No such file or directory";
        return false;
    }
    if (!remplacer) {
        std::string existant;
        const Lecture v = cles_.Lire(vers, existant, raison);
        if (v != Lecture::Absent) {
            if (v == Lecture::Ok)
                raison = "File exists";
            return false;
        }
    }
    if (!cles_.Ecrire(vers, texte, raison))
        return false;
    if (deplacer)
        Supprimer(de);
    return true;
}

bool SystemeFichiersCles::Remplacer(const std::string& de, const std::string& vers, std::string& raison)
{
    if (!Garde(de) && !Garde(vers))
        return SystemeFichiersMemoire::Remplacer(de, vers, raison);
    return Copie(de, vers, true, true, raison);
}

bool SystemeFichiersCles::Copier(const std::string& de, const std::string& vers, std::string& raison)
{
    if (!Garde(de) && !Garde(vers))
        return SystemeFichiersMemoire::Copier(de, vers, raison);
    return Copie(de, vers, false, false, raison);
}

bool SystemeFichiersCles::Deplacer(const std::string& de, const std::string& vers, std::string& raison)
{
    if (!Garde(de) && !Garde(vers))
        return SystemeFichiersMemoire::Deplacer(de, vers, raison);
    return Copie(de, vers, true, false, raison);
}

void SystemeFichiersCles::Supprimer(const std::string& chemin)
{
    if (!Garde(chemin))
        return SystemeFichiersMemoire::Supprimer(chemin);
    std::string raison;
    cles_.Effacer(chemin, raison);
}

std::vector<std::string> SystemeFichiersCles::Lister(const std::string& dossier)
{
    std::vector<std::string> noms = SystemeFichiersMemoire::Lister(dossier);
    for (const std::string& cle : cles_.Cles(chemin_))
        if (Garde(cle) && DossierDe(cle) == dossier)
            noms.push_back(NomDe(cle));
    return noms;
}

SystemeFichiers::Verrouillage SystemeFichiersCles::Verrouiller(
    const std::string& chemin, int delaiMs, std::unique_ptr<Verrou>& verrou, std::string& raison)
{
    return cles_.Verrouiller(chemin, delaiMs, verrou, raison);
}

namespace {

bool MemeValeur(const MagasinMemoire::Valeur& a, const MagasinMemoire::Valeur& b)
{
    return a.binaire == b.binaire && (a.binaire ? a.octets == b.octets : a.texte == b.texte);
}

} // namespace

bool MagasinOptionsCles::Ouvrir(std::string& erreur)
{
    if (!charge_) {
        charge_ = true;
        std::string texte;
        const MagasinCles::Lecture l = cles_.Lire(cle_, texte, erreur);
        if (l == MagasinCles::Lecture::Erreur) {
            // The key is there, but nothing of it could be read: the options start empty.
            std::string ignoree;
            MagasinMemoire::Ouvrir(ignoree);
            MagasinMemoire::Fermer(ignoree);
            return false;
        }
        if (l == MagasinCles::Lecture::Ok)
            OptionsDepuisTexte(texte, valeurs);
        connues_ = valeurs;
    }
    return MagasinMemoire::Ouvrir(erreur);
}

bool MagasinOptionsCles::Fermer(std::string& erreur)
{
    MagasinMemoire::Fermer(erreur);
    std::map<std::string, Valeur> changees;
    for (const auto& [nom, v] : valeurs) {
        const auto connue = connues_.find(nom);
        if (connue == connues_.end() || !MemeValeur(connue->second, v))
            changees[nom] = v;
    }
    if (changees.empty())
        return true;
    // What another copy wrote since stays, but for the values changed here.
    std::string texte;
    std::map<std::string, Valeur> stockees;
    const MagasinCles::Lecture l = cles_.Lire(cle_, texte, erreur);
    if (l == MagasinCles::Lecture::Erreur)
        return false;
    if (l == MagasinCles::Lecture::Ok)
        OptionsDepuisTexte(texte, stockees);
    for (const auto& [nom, v] : changees)
        stockees[nom] = v;
    if (!cles_.Ecrire(cle_, OptionsEnTexte(stockees), erreur))
        return false;
    for (const auto& [nom, v] : changees)
        connues_[nom] = v;
    return true;
}

} // namespace cogitelle
