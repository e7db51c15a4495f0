// The help window: the document of the language, and a clear message when it is missing.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/Aide.h"

using namespace cogitelle;

namespace {

QDialog* Fenetre(QWidget* parent)
{
    if (parent)
        return parent->findChild<QDialog*>(QStringLiteral("fenetreAide"));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("fenetreAide"))
            return qobject_cast<QDialog*>(w);
    return nullptr;
}

QTextBrowser* Texte(QDialog* f) { return f->findChild<QTextBrowser*>(QStringLiteral("texteAide")); }

} // namespace

class TestAide : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void dossiersCherches();
    void documentFrancaisAuSommaire();
    void documentAnglais();
    void fichierIntrouvable();

private:
    QString dossierAide_;
};

void TestAide::initTestCase()
{
    // From the source tree itself: a compiler cache may hand the test a relative __FILE__.
    const QString fr = QStringLiteral(COGITELLE_SOURCE_DIR "/help/cogitellefr.html");
    QVERIFY(QFileInfo::exists(fr));
    dossierAide_ = QFileInfo(fr).absolutePath();
}

void TestAide::dossiersCherches()
{
    const QStringList dossiers = DossiersAide();
    QCOMPARE(dossiers.size(), 2);
    QCOMPARE(dossiers[0], QCoreApplication::applicationDirPath());
    QCOMPARE(dossiers[1], QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/cogitelle")));
}

void TestAide::documentFrancaisAuSommaire()
{
    QWidget principale;
    // The first folder has no document: the next one is used.
    QTemporaryDir vide;
    MontrerAide(&principale, QStringLiteral("cogitellefr.html"), {vide.path(), dossierAide_});
    QDialog* f = Fenetre(&principale);
    QVERIFY(f);
    QVERIFY(f->isVisible());
    QVERIFY(!f->isModal());
    QTextBrowser* texte = Texte(f);
    QCOMPARE(QFileInfo(texte->source().toLocalFile()).canonicalFilePath(),
        QFileInfo(dossierAide_ + QStringLiteral("/cogitellefr.html")).canonicalFilePath());
    QCOMPARE(f->windowTitle(), QStringLiteral("Aide de COGITELLE I"));
    const QString contenu = texte->toPlainText();
    QVERIFY(contenu.contains(QStringLiteral("Sommaire")));
    QVERIFY(contenu.contains(QStringLiteral("Les carrés magiques")));
    QCOMPARE(f->findChild<QPushButton*>(QStringLiteral("boutonSommaire"))->text(), QStringLiteral("Sommaire"));
    QCOMPARE(f->findChild<QPushButton*>(QStringLiteral("boutonFermer"))->text(), QStringLiteral("Fermer"));

    // Opened at the contents: at the top, even when the player had followed a link before.
    f->resize(500, 300);
    QTest::qWait(10);
    texte->scrollToAnchor(QStringLiteral("fichiers"));
    QVERIFY(texte->verticalScrollBar()->value() > 0);
    MontrerAide(&principale, QStringLiteral("cogitellefr.html"), {dossierAide_});
    QCOMPARE(Fenetre(&principale), f);   // one help window, reused
    QCOMPARE(texte->verticalScrollBar()->value(), 0);
    texte->scrollToAnchor(QStringLiteral("fichiers"));
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("boutonSommaire")), Qt::LeftButton);
    QCOMPARE(texte->verticalScrollBar()->value(), 0);
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("boutonFermer")), Qt::LeftButton);
    QVERIFY(!f->isVisible());
}

void TestAide::documentAnglais()
{
    MontrerAide(nullptr, QStringLiteral("cogitelleus.html"), {dossierAide_});
    QDialog* f = Fenetre(nullptr);
    QVERIFY(f);
    QVERIFY(f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("COGITELLE I Help"));
    QVERIFY(Texte(f)->source().toLocalFile().endsWith(QStringLiteral("/cogitelleus.html")));
    QVERIFY(Texte(f)->toPlainText().contains(QStringLiteral("Contents")));
    QCOMPARE(f->findChild<QPushButton*>(QStringLiteral("boutonSommaire"))->text(), QStringLiteral("Contents"));
    f->close();
}

void TestAide::fichierIntrouvable()
{
    QTemporaryDir a, b;
    QWidget principale;
    MontrerAide(&principale, QStringLiteral("cogitellefr.html"), {a.path(), b.path()});
    QDialog* f = Fenetre(&principale);
    QVERIFY(f);
    QVERIFY(f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("Aide introuvable"));
    const QString texte = Texte(f)->toPlainText();
    QVERIFY(texte.contains(QStringLiteral("Le fichier d'aide cogitellefr.html est introuvable.")));
    QVERIFY(texte.contains(QStringLiteral("Il a été cherché dans :")));
    QVERIFY(texte.contains(QDir::toNativeSeparators(a.path())));
    QVERIFY(texte.contains(QDir::toNativeSeparators(b.path())));

    // Found again once it is there.
    QVERIFY(QFile::copy(dossierAide_ + QStringLiteral("/cogitellefr.html"), b.filePath(QStringLiteral("cogitellefr.html"))));
    MontrerAide(&principale, QStringLiteral("cogitellefr.html"), {a.path(), b.path()});
    QCOMPARE(f->windowTitle(), QStringLiteral("Aide de COGITELLE I"));
    QVERIFY(Texte(f)->toPlainText().contains(QStringLiteral("Sommaire")));

    MontrerAide(&principale, QStringLiteral("cogitelleus.html"), {a.path()});
    QCOMPARE(f->windowTitle(), QStringLiteral("Help not found"));
    QVERIFY(Texte(f)->toPlainText().contains(QStringLiteral("The help file cogitelleus.html could not be found.")));
    QVERIFY(Texte(f)->toPlainText().contains(QDir::toNativeSeparators(a.path())));
}

QTEST_MAIN(TestAide)
#include "AideTest.moc"
