// The help: our own HTML documents, French and English, shown in a small help window.
#pragma once

#include <QString>

class QWidget;

namespace cogitelle {

// Opens the help document `fichier` (cogitellefr.html or cogitelleus.html) at its contents, or
// tells the player clearly when it cannot be found.
void MontrerAide(QWidget* parent, const QString& fichier);

} // namespace cogitelle
