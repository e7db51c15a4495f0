#include "app/Aide.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/PanneauDialogue.h"

namespace cogitelle {

namespace {

const QString NomFenetre = QStringLiteral("fenetreAide");

// The English document ends in "us"; every other name is taken for the French one.
bool EnFrancais(const QString& fichier) { return !QFileInfo(fichier).completeBaseName().endsWith(QLatin1String("us")); }

// The help window of a program without a main window (the widget tests).
QPointer<QDialog> fenetreSansParent;

// The help window: a browser with two buttons. One per parent, reused by every call.
QDialog* FenetreAide(QWidget* parent)
{
    if (parent) {
        if (auto* f = parent->findChild<QDialog*>(NomFenetre, Qt::FindDirectChildrenOnly))
            return f;
    } else if (fenetreSansParent) {
        return fenetreSansParent;
    }
    auto* fenetre = new QDialog(parent, Qt::Window);
    fenetre->setObjectName(NomFenetre);
    fenetre->setModal(false);

    auto* texte = new QTextBrowser(fenetre);
    texte->setObjectName(QStringLiteral("texteAide"));
    texte->setOpenExternalLinks(true);
    auto* sommaire = new QPushButton(fenetre);
    sommaire->setObjectName(QStringLiteral("boutonSommaire"));
    auto* fermer = new QPushButton(fenetre);
    fermer->setObjectName(QStringLiteral("boutonFermer"));
    QObject::connect(sommaire, &QPushButton::clicked, texte, [texte] {
        texte->scrollToAnchor(QStringLiteral("sommaire"));
        texte->verticalScrollBar()->setValue(0);
    });
    QObject::connect(fermer, &QPushButton::clicked, fenetre, &QDialog::close);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(sommaire);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* disposition = new QVBoxLayout(fenetre);
    disposition->addWidget(texte);
    disposition->addLayout(boutons);

    QScreen* ecran = parent ? parent->screen() : fenetre->screen();
    const QRect zone = ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
    fenetre->resize(std::min(760, zone.width() * 4 / 5), std::min(620, zone.height() * 4 / 5));
    CentrerSurEcran(fenetre, parent);
    if (!parent)
        fenetreSansParent = fenetre;
    return fenetre;
}

QString Echapper(const QString& s) { return s.toHtmlEscaped(); }

} // namespace

QStringList DossiersAide()
{
    const QString ici = QCoreApplication::applicationDirPath();
    return {ici, QDir::cleanPath(ici + QStringLiteral("/../share/cogitelle"))};
}

void MontrerAide(QWidget* parent, const QString& fichier) { MontrerAide(parent, fichier, DossiersAide()); }

void MontrerAide(QWidget* parent, const QString& fichier, const QStringList& dossiers)
{
    const bool fr = EnFrancais(fichier);
    QDialog* fenetre = FenetreAide(parent);
    auto* texte = fenetre->findChild<QTextBrowser*>(QStringLiteral("texteAide"));
    fenetre->findChild<QPushButton*>(QStringLiteral("boutonSommaire"))->setText(fr ? QStringLiteral("Sommaire") : QStringLiteral("Contents"));
    fenetre->findChild<QPushButton*>(QStringLiteral("boutonFermer"))->setText(fr ? QStringLiteral("Fermer") : QStringLiteral("Close"));

    QString chemin;
    for (const QString& dossier : dossiers) {
        const QFileInfo info(QDir(dossier).filePath(fichier));
        if (info.isFile() && info.isReadable()) {
            chemin = info.absoluteFilePath();
            break;
        }
    }

    texte->clearHistory();
    if (!chemin.isEmpty()) {
        texte->setSource(QUrl::fromLocalFile(chemin));
        texte->verticalScrollBar()->setValue(0);
        const QString titre = texte->documentTitle();
        fenetre->setWindowTitle(!titre.isEmpty() ? titre : fr ? QStringLiteral("Aide") : QStringLiteral("Help"));
    } else {
        QString lieux;
        for (const QString& dossier : dossiers)
            lieux += QStringLiteral("<li>") + Echapper(QDir::toNativeSeparators(QDir::cleanPath(dossier))) + QStringLiteral("</li>");
        const QString nom = Echapper(fichier);
        texte->setHtml(fr
            ? QStringLiteral("<h2>Aide introuvable</h2><p>Le fichier d'aide <b>%1</b> est introuvable.</p>"
                             "<p>Il a été cherché dans :</p><ul>%2</ul>"
                             "<p>Placez le fichier dans l'un de ces dossiers ou réinstallez le jeu.</p>").arg(nom, lieux)
            : QStringLiteral("<h2>Help not found</h2><p>The help file <b>%1</b> could not be found.</p>"
                             "<p>It was looked for in:</p><ul>%2</ul>"
                             "<p>Put the file in one of these folders or reinstall the game.</p>").arg(nom, lieux));
        fenetre->setWindowTitle(fr ? QStringLiteral("Aide introuvable") : QStringLiteral("Help not found"));
    }
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

} // namespace cogitelle
