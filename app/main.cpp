// The program: the core objects, the windows, the event loop.
#include <QApplication>

#include "app/Fenetres.h"
#include "app/Peinture.h"
#include "app/Programme.h"
#include "app/fSplash.h"

using namespace cogitelle;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallerSubstitutionsPolices();

    // One of each, for the program's whole life.
    ObjetsDuProgramme programme;

    QApplication::setApplicationName(QString::fromStdString(programme.etat->Titre));
    Fenetres fenetres(programme.ctx, programme.ports, MetriquesEcranPrincipal(), true);
    // Closing the start screen ends the program.
    QObject::connect(fenetres.frmSplash.get(), &TfrmSplash::fermeture, &app, &QCoreApplication::quit,
        Qt::QueuedConnection);
    return app.exec();
}
