#include "app/fChoixTableau.h"

namespace cogitelle {

TfrmChoixTableau::TfrmChoixTableau(Contexte& c, QWidget* fenetrePrincipale, std::function<void()> demarrer)
    : QDialog(nullptr), c_(c), fenetrePrincipale_(fenetrePrincipale), demarrer_(std::move(demarrer))
{
    setWindowTitle(QStringLiteral("Choix du jeu et du numéro de cogitelle"));
}

} // namespace cogitelle
