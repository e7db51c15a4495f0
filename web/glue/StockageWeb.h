// The browser's storage behind the core's stores: the options under the key named after the
// registry key, and the score file's bytes beside them. The score file itself lives on an
// in-memory file system, so the core's own save path (lock, temporary file, rename) runs as on the
// desktop; each completed save is copied to the browser's storage before the rename, and a copy
// that fails fails the save, which the core reports once.
#pragma once

#include <string>

#include "core/GameState.h"
#include "store/MagasinOptions.h"
#include "store/StockageCles.h"
#include "store/SystemeFichiersMemoire.h"

namespace cogitelle {

// The storage key of the options; the records are kept under the same key + "/scoresI".
extern const char* const CleOptionsWeb;

class MagasinWeb : public MagasinMemoire {
public:
    bool Ouvrir(std::string& erreur) override;
    bool Fermer(std::string& erreur) override;

private:
    bool charge_ = false;
    std::string ecrit_;   // the text last kept in the browser
};

class FichiersWeb : public SystemeFichiersMemoire {
public:
    bool Remplacer(const std::string& de, const std::string& vers, std::string& raison) override;
    // The score file's name: its saves are the ones kept in the browser.
    std::string cheminScores = "scoresI";
};

// Whether a failed save's message is about the browser refusing to keep the data, and whether
// such a message has already been shown since the browser last kept something: the options and
// the records are then one storage that failed, reported once.
bool RefusDuNavigateur(const std::string& message);
extern bool refusNavigateurSignale;

// Puts the records kept in the browser, if any, at `chemin` before the options are loaded.
void ChargerScoresDuNavigateur(FichiersWeb& fichiers, const std::string& chemin);

} // namespace cogitelle
