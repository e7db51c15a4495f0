// The program: the core objects, the windows, the event loop.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdlib>

#include "app/Fenetres.h"
#include "app/Peinture.h"
#include "app/Programme.h"
#include "app/fSplash.h"
#include "session/DossierDonnees.h"

using namespace cogitelle;

namespace {

// With --dossier-donnees (the installed desktop entry passes it) the game works in the user's data
// folder, created when missing, so its best scores live there rather than among the documents of
// the home folder. Without it the game keeps the folder it was started from. A folder that cannot
// be made or entered is said, and the game goes on in the folder it was started from.
void EntrerDossierDonnees(int argc, char** argv)
{
    if (!DemandeDossierDonnees(argc, argv))
        return;
    const QString dossier =
        QString::fromStdString(DossierDonneesUtilisateur(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
    if (!dossier.isEmpty() && QDir().mkpath(dossier) && QDir::setCurrent(dossier))
        return;
    const QString nom = dossier.isEmpty() ? QStringLiteral("$XDG_DATA_HOME/cogitelle") : dossier;
    QMessageBox::warning(nullptr, QStringLiteral("COGITELLE I"),
        QString::fromStdString(TexteDossierDonneesImpossible(
            nom.toStdString(), QDir::toNativeSeparators(QDir::currentPath()).toStdString())));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallerSubstitutionsPolices();
    EntrerDossierDonnees(argc, argv);

    // One of each, for the program's whole life.
    ObjetsDuProgramme programme;

    QApplication::setApplicationName(QString::fromStdString(programme.session.etat.Titre));
    Fenetres fenetres(programme.session, programme.ports, MetriquesEcranPrincipal(), true);
    // Closing the start screen ends the program.
    QObject::connect(fenetres.frmSplash.get(), &TfrmSplash::fermeture, &app, &QCoreApplication::quit,
        Qt::QueuedConnection);
    return app.exec();
}
