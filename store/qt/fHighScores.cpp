#include "store/qt/fHighScores.h"

namespace cogitelle {

TfrmHighScores::TfrmHighScores(Contexte& c, QWidget* parent) : QDialog(parent), c_(c)
{
    setWindowTitle(QStringLiteral("Détail des meilleurs scores"));
}

} // namespace cogitelle
