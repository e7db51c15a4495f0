#include "web/glue/StockageWeb.h"

#include <emscripten.h>

#include <cstdlib>

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
// Writes the value, or removes the key when `valeur` is null: "" when done, else "E" and the reason.
EM_JS(char*, cg_js_stockage_ecrire, (const char* cle, const char* valeur), {
    let r = "";
    try {
        if (valeur)
            Module.cgStockage.ecrire(UTF8ToString(cle), UTF8ToString(valeur));
        else
            Module.cgStockage.effacer(UTF8ToString(cle));
    } catch (e) {
        r = "E" + (e && e.message ? e.message : String(e));
    }
    const n = lengthBytesUTF8(r) + 1;
    const p = _malloc(n);
    stringToUTF8(r, p, n);
    return p;
});
// The keys that begin with `prefixe`, one a line.
EM_JS(char*, cg_js_stockage_cles, (const char* prefixe), {
    let r = "";
    try {
        r = Module.cgStockage.cles(UTF8ToString(prefixe)).join("\n");
    } catch (e) {
    }
    const n = lengthBytesUTF8(r) + 1;
    const p = _malloc(n);
    stringToUTF8(r, p, n);
    return p;
});
// The lock's number once it is held, 0 when another tab kept it past the delay, -1 where the
// browser has no locks.
EM_ASYNC_JS(int, cg_js_verrouiller, (const char* nom, int delaiMs), {
    return await Module.cgVerrous.prendre(UTF8ToString(nom), delaiMs);
});
EM_JS(void, cg_js_liberer, (int numero), { Module.cgVerrous.liberer(numero); });

namespace cogitelle {

const char* const CleOptionsWeb = "Ludivex/COGITELLE I";
const char* const CheminScoresWeb = "Ludivex/COGITELLE I/scoresI";
bool refusNavigateurSignale = false;

namespace {

const char* const DebutRefus = "le stockage du navigateur a refusé";

std::string Rendu(char* p)
{
    std::string r(p);
    std::free(p);
    return r;
}

std::string RaisonNavigateur(const std::string& raison, const char* quoi)
{
    return std::string(DebutRefus) + " " + quoi + " (" + raison + ")";
}

class VerrouNavigateur : public SystemeFichiers::Verrou {
public:
    explicit VerrouNavigateur(int numero) : numero_(numero) {}
    ~VerrouNavigateur() override { cg_js_liberer(numero_); }

private:
    int numero_;
};

} // namespace

bool RefusDuNavigateur(const std::string& message) { return message.find(DebutRefus) != std::string::npos; }

MagasinCles::Lecture MagasinClesNavigateur::Lire(const std::string& cle, std::string& valeur, std::string& raison)
{
    const std::string r = Rendu(cg_js_stockage_lire(cle.c_str()));
    if (r[0] == 'A')
        return Lecture::Absent;
    if (r[0] == 'E') {
        raison = RaisonNavigateur(r.substr(1), "de les lire");
        return Lecture::Erreur;
    }
    valeur = r.substr(1);
    return Lecture::Ok;
}

bool MagasinClesNavigateur::Ecrire(const std::string& cle, const std::string& valeur, std::string& raison)
{
    const std::string r = Rendu(cg_js_stockage_ecrire(cle.c_str(), valeur.c_str()));
    if (!r.empty()) {
        raison = RaisonNavigateur(r.substr(1), "de les garder");
        return false;
    }
    refusNavigateurSignale = false;
    return true;
}

bool MagasinClesNavigateur::Effacer(const std::string& cle, std::string& raison)
{
    const std::string r = Rendu(cg_js_stockage_ecrire(cle.c_str(), nullptr));
    if (!r.empty()) {
        raison = RaisonNavigateur(r.substr(1), "de les effacer");
        return false;
    }
    return true;
}

std::vector<std::string> MagasinClesNavigateur::Cles(const std::string& prefixe)
{
    const std::string texte = Rendu(cg_js_stockage_cles(prefixe.c_str()));
    std::vector<std::string> cles;
    for (size_t debut = 0; debut < texte.size();) {
        size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos)
            fin = texte.size();
        if (fin > debut)
            cles.push_back(texte.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return cles;
}

MagasinCles::Verrouillage MagasinClesNavigateur::Verrouiller(const std::string& nom, int delaiMs,
    std::unique_ptr<SystemeFichiers::Verrou>& verrou, std::string& raison)
{
    const int numero = cg_js_verrouiller(nom.c_str(), delaiMs);
    if (numero > 0) {
        verrou = std::make_unique<VerrouNavigateur>(numero);
        return Verrouillage::Ok;
    }
    raison = numero == 0 ? "le verrou est tenu par un autre onglet" : "le navigateur n'a pas de verrous";
    return numero == 0 ? Verrouillage::Occupe : Verrouillage::Erreur;
}

} // namespace cogitelle
