#include "store/MeilleursScores.h"

#include <array>
#include <bit>
#include <cstring>

#include "core/Score.h"
#include "store/Cp1252.h"
#include "store/MagasinOptions.h"
#include "store/SystemeFichiers.h"

namespace cogitelle {

const char* const NomsParDefaut[10] = {
    "JOHN", "ALBERT", "ORVALIN", "EDOUARD", "PHILIPPE", "BILL", "MARYLIN", "MARIE", "NATACHA", "BORIS"};

std::string NomEnregistrement(const EnregistrementScore& e)
{
    size_t longueur = 0;
    while (longueur < sizeof e.NomScore && e.NomScore[longueur] != 0)
        ++longueur;
    return Cp1252VersUtf8(std::string(e.NomScore, longueur));
}

void EcrireNom(EnregistrementScore& e, const std::string& nomUtf8)
{
    std::string octets;
    Utf8VersCp1252(nomUtf8, octets);
    std::memset(e.NomScore, 0, sizeof e.NomScore);
    std::memcpy(e.NomScore, octets.data(), std::min(octets.size(), sizeof e.NomScore));
}

void InitialiserMeilleursScores(Contexte& c)
{
    // The ten default names, encoded once: the table takes 25 000 of them.
    static const std::array<EnregistrementScore, 10> noms = [] {
        std::array<EnregistrementScore, 10> n{};
        for (size_t i = 0; i < n.size(); ++i)
            EcrireNom(n[i], NomsParDefaut[i]);
        return n;
    }();
    // The records in file order: type, puzzle, place.
    EnregistrementScore* e = &c.E.MeilleursScores.e[0][0][0];
    for (int32_t type = 1; type <= NbTypesJeu; ++type)
        for (int32_t p = 1; p <= NombreTableaux; ++p)
            for (int32_t r = 1; r <= PlacesParTableau; ++r, ++e) {
                std::memcpy(e->NomScore, noms[static_cast<size_t>(c.R.Draw(10) - 1)].NomScore, sizeof e->NomScore);
                if (r == 1)
                    e->ValeurScore = 4650 - c.R.Draw(50) - 2 * p;
                else
                    e->ValeurScore = e[-1].ValeurScore - c.R.Draw(99);
            }
}

// A record in memory is its 16 bytes in the file on a little-endian machine: the table is then
// copied whole.
constexpr bool MemoireCommeFichier = std::endian::native == std::endian::little && sizeof(TableMeilleursScores) == TailleFichierScores;

std::string OctetsTable(const TableMeilleursScores& t)
{
    if constexpr (MemoireCommeFichier)
        return std::string(reinterpret_cast<const char*>(&t), TailleFichierScores);
    std::string octets(TailleFichierScores, '\0');
    size_t i = 0;
    for (const auto& type : t.e)
        for (const auto& puzzle : type)
            for (const EnregistrementScore& e : puzzle) {
                std::memcpy(&octets[i], e.NomScore, 12);
                const uint32_t v = static_cast<uint32_t>(e.ValeurScore);
                for (int b = 0; b < 4; ++b)
                    octets[i + 12 + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
                i += 16;
            }
    return octets;
}

size_t LireOctetsTable(TableMeilleursScores& t, const std::string& octets)
{
    const size_t complets = std::min(octets.size() / 16, TailleFichierScores / 16);
    if constexpr (MemoireCommeFichier) {
        std::memcpy(&t, octets.data(), 16 * complets);
        return complets;
    }
    EnregistrementScore* e = &t.e[0][0][0];
    for (size_t k = 0; k < complets; ++k) {
        const char* src = octets.data() + 16 * k;
        std::memcpy(e[k].NomScore, src, 12);
        uint32_t v = 0;
        for (int b = 0; b < 4; ++b)
            v |= static_cast<uint32_t>(static_cast<uint8_t>(src[12 + b])) << (8 * b);
        e[k].ValeurScore = static_cast<int32_t>(v);
    }
    return complets;
}

namespace {

SystemeFichiers& Fichiers(Contexte& c)
{
    return c.Sauvegardes.fichiers ? *c.Sauvegardes.fichiers : SystemeFichiersReel();
}

std::string CheminCopie(const Contexte& c) { return c.CheminScores + ".bak"; }

// Keeps the damaged score file as "<file>.bak": a copy, or when it cannot even be read, the file
// itself moved aside. True once nothing is left to protect.
bool CopierScoresEndommages(Contexte& c, std::string& raison)
{
    SystemeFichiers& fs = Fichiers(c);
    std::string octets, ignoree;
    if (fs.Lire(c.CheminScores, octets, ignoree) == SystemeFichiers::Lecture::Absent ||
        fs.Copier(c.CheminScores, CheminCopie(c), raison) || fs.Remplacer(c.CheminScores, CheminCopie(c), ignoree)) {
        c.Sauvegardes.copieScoresAFaire = false;
        return true;
    }
    return false;
}

} // namespace

EtatFichierScores ChargerFichierScores(Contexte& c)
{
    if (c.CheminScores.empty())
        return EtatFichierScores::Absent;
    std::string octets, raison;
    const auto lecture = Fichiers(c).Lire(c.CheminScores, octets, raison);
    if (lecture == SystemeFichiers::Lecture::Absent)
        return EtatFichierScores::Absent;
    const size_t lus = lecture == SystemeFichiers::Lecture::Ok ? LireOctetsTable(c.E.MeilleursScores, octets) : 0;
    if (lus == TailleFichierScores / 16)
        return EtatFichierScores::Complet;

    const std::string fichier = "Le fichier des meilleurs scores « " + c.CheminScores + " »";
    std::string texte;
    if (lecture != SystemeFichiers::Lecture::Ok)
        texte = fichier + " n'a pas pu être lu (" + raison + ").";
    else
        texte = fichier + " est incomplet (" + std::to_string(octets.size()) + " octets au lieu de " +
            std::to_string(TailleFichierScores) + ").";
    if (lus > 0)
        texte += " Ses " + std::to_string(lus) + " premiers scores ont été lus.";
    else
        texte += " Des meilleurs scores par défaut le remplacent.";
    c.Sauvegardes.copieScoresAFaire = true;
    std::string raisonCopie;
    if (CopierScoresEndommages(c, raisonCopie))
        texte += " Le fichier abîmé est gardé dans « " + CheminCopie(c) + " ».";
    else
        texte += " Il n'a pas pu être gardé dans « " + CheminCopie(c) + " » (" + raisonCopie +
            ") : il ne sera pas remplacé.";
    c.P.Erreur(texte);
    return lus > 0 ? EtatFichierScores::Partiel : EtatFichierScores::Illisible;
}

void LireMeilleursScores(Contexte& c)
{
    const EtatFichierScores etat = ChargerFichierScores(c);
    if (etat == EtatFichierScores::Absent || etat == EtatFichierScores::Illisible) {
        InitialiserMeilleursScores(c);
        EcrireMeilleursScores(c);
    }
}

void EcrireMeilleursScores(Contexte& c)
{
    if (c.CheminScores.empty())
        return;
    SuiviSauvegardes& suivi = c.Sauvegardes;
    std::string raison;
    bool ok = !suivi.copieScoresAFaire || CopierScoresEndommages(c, raison);
    if (!ok)
        raison = "le fichier abîmé n'a pas pu être gardé dans « " + CheminCopie(c) + " » (" + raison + ")";
    else
        ok = EcrireAtomiquement(Fichiers(c), c.CheminScores, OctetsTable(c.E.MeilleursScores), raison);
    if (ok) {
        suivi.echecScoresSignale = false;
    } else if (!suivi.echecScoresSignale) {
        suivi.echecScoresSignale = true;
        c.P.Erreur("Les meilleurs scores n'ont pas pu être enregistrés dans « " + c.CheminScores + " » : " + raison +
            ". Ils restent en mémoire et seront enregistrés de nouveau à la prochaine occasion.");
    }
}

int32_t InsererScore(Contexte& c, TTypeJeu type, int32_t numero, const std::string& nom, int32_t score)
{
    TableMeilleursScores& t = c.E.MeilleursScores;
    if (score <= t(type, numero, 10).ValeurScore)
        return 0;
    int32_t r = 10;
    do
        --r;
    while (!(t(type, numero, r).ValeurScore >= score || r == 1));
    const int32_t place = t(type, numero, r).ValeurScore >= score ? r + 1 : 1;
    for (int32_t k = 9; k >= place; --k)
        t(type, numero, k + 1) = t(type, numero, k);
    EnregistrementScore& e = t(type, numero, place);
    EcrireNom(e, nom);
    e.ValeurScore = score;
    AfficherMeilleursScores(c);
    EcrireMeilleursScores(c);
    return place;
}

} // namespace cogitelle
