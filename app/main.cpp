// The program: the core objects, the windows, the event loop.
#include <QApplication>
#include <memory>

#include "app/Fenetres.h"
#include "app/Peinture.h"
#include "app/PortsQt.h"
#include "app/fSplash.h"
#include "core/Contexte.h"
#include "store/qt/MagasinQSettings.h"

using namespace cogitelle;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallerSubstitutionsPolices();

    // One of each, for the program's whole life; the game state is too large for the stack.
    auto etat = std::make_unique<GameState>();
    PuzzleRandom hasard;
    auto controles = std::make_unique<Controles>();
    PortsQt ports(etat->Titre);
    MagasinQSettings magasin;
    Contexte ctx{*etat, hasard, *controles, ports, magasin, "scoresI"};

    QApplication::setApplicationName(QString::fromStdString(etat->Titre));
    Fenetres fenetres(ctx, ports, MetriquesEcranPrincipal(), true);
    // Closing the start screen ends the program.
    QObject::connect(fenetres.frmSplash.get(), &TfrmSplash::fermeture, &app, &QCoreApplication::quit,
        Qt::QueuedConnection);
    return app.exec();
}
