// The puzzle chooser: a game type, a puzzle number and the player's name, then the game starts.
#pragma once

#include <QDialog>
#include <functional>

#include "core/Contexte.h"

namespace cogitelle {

class TfrmChoixTableau : public QDialog {
    Q_OBJECT
public:
    // fenetrePrincipale: the main window; "Annuler" does nothing while it is disabled, and a
    // confirmation enables and shows it. demarrer: starts the confirmed game (the new game and
    // the main window's repaint).
    TfrmChoixTableau(Contexte& c, QWidget* fenetrePrincipale, std::function<void()> demarrer);

private:
    Contexte& c_;
    QWidget* fenetrePrincipale_;
    std::function<void()> demarrer_;
};

} // namespace cogitelle
