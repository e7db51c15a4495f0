#include "web/glue/StockageWeb.h"

#include <emscripten.h>

#include <cstdlib>

#include "store/MeilleursScores.h"

// The page's storage (Module.cgStockage): "V" and the value, "A" when absent, "E" and the reason
// when the browser refuses. The text is allocated here and freed by the caller.
EM_JS(char*, cg_js_stockage_lire, (const char* cle), {
    let r;
    try {
        const v = Module.cgStockage.lire(UTF8ToString(cle));
        r = v === null || v === undefined ? "A" : "V" + v;
    } catch (e) {
        r = "E" + (e && e.message ? e.message : String(e));
    }
    const n = lengthBytesUTF8(r) + 1;
    const p = _malloc(n);
    stringToUTF8(r, p, n);
    return p;
});
EM_JS(char*, cg_js_stockage_ecrire, (const char* cle, const char* valeur), {
    let r = "";
    try {
        Module.cgStockage.ecrire(UTF8ToString(cle), UTF8ToString(valeur));
    } catch (e) {
        r = "E" + (e && e.message ? e.message : String(e));
    }
    const n = lengthBytesUTF8(r) + 1;
    const p = _malloc(n);
    stringToUTF8(r, p, n);
    return p;
});

namespace cogitelle {

const char* const CleOptionsWeb = "Ludivex/COGITELLE I";
bool refusNavigateurSignale = false;

namespace {

const char* const DebutRefus = "le stockage du navigateur a refusé";

std::string CleScores() { return std::string(CleOptionsWeb) + "/scoresI"; }

// 'V' and the value, 'A', or 'E' and the reason.
std::string LireStockage(const std::string& cle)
{
    char* p = cg_js_stockage_lire(cle.c_str());
    std::string r(p);
    std::free(p);
    return r;
}

// Empty when kept, otherwise the reason.
std::string EcrireStockage(const std::string& cle, const std::string& valeur)
{
    char* p = cg_js_stockage_ecrire(cle.c_str(), valeur.c_str());
    std::string r(p);
    std::free(p);
    if (r.empty())
        refusNavigateurSignale = false;
    return r.empty() ? r : r.substr(1);
}

std::string RaisonNavigateur(const std::string& raison, const char* quoi = "de les garder")
{
    return std::string(DebutRefus) + " " + quoi + " (" + raison + ")";
}

} // namespace

bool RefusDuNavigateur(const std::string& message) { return message.find(DebutRefus) != std::string::npos; }

bool MagasinWeb::Ouvrir(std::string& erreur)
{
    if (!charge_) {
        charge_ = true;
        const std::string r = LireStockage(CleOptionsWeb);
        if (r[0] == 'E') {
            MagasinMemoire::Ouvrir(erreur);
            MagasinMemoire::Fermer(erreur);
            erreur = RaisonNavigateur(r.substr(1), "de les lire");
            return false;
        }
        if (r[0] == 'V') {
            OptionsDepuisTexte(r.substr(1), valeurs);
            ecrit_ = OptionsEnTexte(valeurs);
        }
    }
    return MagasinMemoire::Ouvrir(erreur);
}

bool MagasinWeb::Fermer(std::string& erreur)
{
    MagasinMemoire::Fermer(erreur);
    const std::string texte = OptionsEnTexte(valeurs);
    if (texte == ecrit_)
        return true;
    const std::string raison = EcrireStockage(CleOptionsWeb, texte);
    if (!raison.empty()) {
        erreur = RaisonNavigateur(raison);
        return false;
    }
    ecrit_ = texte;
    return true;
}

bool FichiersWeb::Remplacer(const std::string& de, const std::string& vers, std::string& raison)
{
    if (vers == cheminScores) {
        std::string octets;
        if (Lire(de, octets, raison) != Lecture::Ok) {
            if (raison.empty())
                raison = "le fichier temporaire a disparu";
            return false;
        }
        const std::string refus = EcrireStockage(CleScores(), EnBase64(octets));
        if (!refus.empty()) {
            raison = RaisonNavigateur(refus);
            return false;
        }
    }
    return SystemeFichiersMemoire::Remplacer(de, vers, raison);
}

void ChargerScoresDuNavigateur(FichiersWeb& fichiers, const std::string& chemin)
{
    const std::string r = LireStockage(CleScores());
    std::string octets;
    // Records the browser cannot give back are looked for in vain: the core then draws the
    // default table, and the options' own read reports the refusal.
    if (r[0] != 'V' || !DepuisBase64(r.substr(1), octets))
        return;
    fichiers.Poser(chemin, std::move(octets));
}

} // namespace cogitelle
