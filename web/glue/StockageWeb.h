// The browser's local storage and Web Locks behind the core's stores. The options are kept under
// the key named after the registry key; the score file, and the copies of a damaged one, under
// that key + "/scoresI", "/scoresI.bak"... Every tab of the site shares them: a save takes the
// Web Lock, re-reads the stored table and adds this tab's own scores to it, as the desktop's save
// does with its file, and the other tabs hear of it through the storage event.
#pragma once

#include <string>

#include "store/StockageCles.h"

namespace cogitelle {

// The storage key of the options, and the path (the storage key) of the score file.
extern const char* const CleOptionsWeb;
extern const char* const CheminScoresWeb;

// The page's storage (Module.cgStockage) and locks (Module.cgVerrous). The reasons of its
// failures say that the browser refused.
class MagasinClesNavigateur : public MagasinCles {
public:
    Lecture Lire(const std::string& cle, std::string& valeur, std::string& raison) override;
    bool Ecrire(const std::string& cle, const std::string& valeur, std::string& raison) override;
    bool Effacer(const std::string& cle, std::string& raison) override;
    std::vector<std::string> Cles(const std::string& prefixe) override;
    // Waits for the Web Lock (the module sleeps meanwhile) at most `delaiMs`.
    Verrouillage Verrouiller(const std::string& nom, int delaiMs, std::unique_ptr<SystemeFichiers::Verrou>& verrou,
        std::string& raison) override;
};

// Whether a failed save's message is about the browser refusing to keep the data, and whether
// such a message has already been shown since the browser last kept something: the options and
// the records are then one storage that failed, reported once.
bool RefusDuNavigateur(const std::string& message);
extern bool refusNavigateurSignale;

} // namespace cogitelle
