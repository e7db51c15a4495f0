#include "app/Icone.h"

#include <QApplication>
#include <QString>

// The resources are compiled into a static library, whose unreferenced objects the linker
// drops: registering them by hand keeps them. Q_INIT_RESOURCE must stand outside any namespace
// (even an unnamed one), and registering twice would add the files twice.
static void InitialiserRessourcesIcone()
{
    static bool fait = false;
    if (!fait) {
        Q_INIT_RESOURCE(Icone);
        fait = true;
    }
}

namespace cogitelle {

QIcon IconeApplication()
{
    InitialiserRessourcesIcone();
    // Qt here may have no SVG plugin, so the icon is built from the PNG renderings; the small
    // sizes are drawn on their own pixel grid and stay crisp.
    QIcon icone;
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256})
        icone.addFile(QStringLiteral(":/icone/cogitelle-%1.png").arg(taille), QSize(taille, taille));
    return icone;
}

void AppliquerIconeApplication()
{
    QApplication::setWindowIcon(IconeApplication());
    QGuiApplication::setDesktopFileName(QStringLiteral("cogitelle"));
}

} // namespace cogitelle
