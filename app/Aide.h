// The help: our own HTML documents, French and English, shown in a small help window.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace cogitelle {

// Opens the help document `fichier` (cogitellefr.html or cogitelleus.html) at its contents, or
// tells the player clearly when it cannot be found.
void MontrerAide(QWidget* parent, const QString& fichier);

// The same, looking for the document in `dossiers`, in order.
void MontrerAide(QWidget* parent, const QString& fichier, const QStringList& dossiers);

// Where the help documents are looked for: beside the executable, then the installed data
// folder ../share/cogitelle beside it.
QStringList DossiersAide();

} // namespace cogitelle
