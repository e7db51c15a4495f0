// The window icon compiled into the program: every size present, drawn, and given to every window.
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QWidget>

#include "app/Icone.h"

using namespace cogitelle;

namespace {

const int Tailles[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The distinct opaque colours of an image: a blank or one-colour picture has at most one.
int CouleursOpaques(const QImage& image)
{
    QSet<QRgb> couleurs;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) == 255)
                couleurs.insert(argb.pixel(x, y));
    return couleurs.size();
}

} // namespace

class TestIcone : public QObject {
    Q_OBJECT

private slots:
    // Each size is in the resources at exactly its size (a rendering at the wrong size would be
    // scaled and blurred), and holds a picture, not a blank square.
    void TaillesDansLesRessources()
    {
        const QIcon icone = IconeApplication();
        QVERIFY(!icone.isNull());
        const QList<QSize> disponibles = icone.availableSizes();
        for (int taille : Tailles) {
            QVERIFY2(disponibles.contains(QSize(taille, taille)), qPrintable(QString::number(taille)));
            const QImage image(QStringLiteral(":/icone/cogitelle-%1.png").arg(taille));
            QVERIFY2(!image.isNull(), qPrintable(QString::number(taille)));
            QCOMPARE(image.size(), QSize(taille, taille));
            QVERIFY2(CouleursOpaques(image) >= 4, qPrintable(QString::number(taille)));
        }
        QFile svg(QStringLiteral(":/icone/cogitelle.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
    }

    // Asking for a standard size gives that size's own drawing, unscaled.
    void PixmapAuxTaillesStandard()
    {
        const QIcon icone = IconeApplication();
        for (int taille : {16, 24, 48}) {
            const QImage attendue = QImage(QStringLiteral(":/icone/cogitelle-%1.png").arg(taille))
                                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            const QImage obtenue =
                icone.pixmap(QSize(taille, taille)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(obtenue.size(), attendue.size());
            QVERIFY2(obtenue == attendue, qPrintable(QString::number(taille)));
        }
    }

    // Once applied, a window that sets no icon of its own shows the program's icon, and the
    // desktop entry is named for Wayland.
    void ChaqueFenetreRecoitLIcone()
    {
        QVERIFY(QApplication::windowIcon().isNull());
        AppliquerIconeApplication();
        QWidget fenetre;
        const QImage attendue = IconeApplication().pixmap(QSize(32, 32)).toImage();
        QCOMPARE(fenetre.windowIcon().pixmap(QSize(32, 32)).toImage(), attendue);
        QCOMPARE(QApplication::windowIcon().pixmap(QSize(32, 32)).toImage(), attendue);
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("cogitelle"));
    }
};

QTEST_MAIN(TestIcone)
#include "IconeTest.moc"
