#include "app/Fenetres.h"

#include <QApplication>
#include <QColorDialog>

#include "app/Accessibilite.h"
#include "app/Aide.h"
#include "app/Icone.h"
#include "app/PanneauDialogue.h"
#include "app/Peinture.h"
#include "app/PortsQt.h"
#include "app/fChoixTableau.h"
#include "app/fHighScores.h"
#include "app/fSplash.h"
#include "app/mathema.h"

namespace cogitelle {

Fenetres::Fenetres(Session& session, PortsQt& ports, const MetriquesEcran& ecran, bool differer)
    : session_(session), ports_(ports), ecran_(ecran)
{
    ports_.SetTitre(session_.etat.Titre);
    session_.BrancherFenetres(this);
    InstallerAccessibilite();
    frmSplash = std::make_unique<TfrmSplash>(session_, ecran);
    QObject::connect(frmSplash.get(), &TfrmSplash::demarrage, frmSplash.get(), [this](int32_t langue) { Demarrer(langue); });
    if (!differer)
        CreerFenetresCachees();
    frmSplash->show();
    // The keyboard starts the game too: Enter or Space on the start screen.
    frmSplash->activateWindow();
    if (differer)
        QObject::connect(frmSplash.get(), &TfrmSplash::premierAffichage, frmSplash.get(),
            [this] {
                AppliquerIconeApplication();
                CreerFenetresCachees();
            },
            Qt::QueuedConnection);
}

void Fenetres::CreerFenetresCachees()
{
    if (frmMath)
        return;
    frmMath = std::make_unique<TfrmMath>(session_, ports_, ecran_);
    TfrmMath* math = frmMath.get();
    frmChoixTableau = std::make_unique<TfrmChoixTableau>(session_, math, [math] { math->DemarrerPartie(); });
    frmHighScores = std::make_unique<TfrmHighScores>(session_);
}

// The dialogs go first: they refer to the main window.
Fenetres::~Fenetres()
{
    session_.BrancherFenetres(nullptr);
    frmHighScores.reset();
    frmChoixTableau.reset();
    frmMath.reset();
    frmSplash.reset();
}

void Fenetres::Demarrer(int32_t langue)
{
    CreerFenetresCachees();
    frmSplash->hide();
    frmMath->PanelStartClick(langue);
}

void Fenetres::Centrer(QWidget* fenetre)
{
    if (!fenetre->testAttribute(Qt::WA_Resized))
        fenetre->adjustSize();
    CentrerSurEcran(fenetre, frmMath.get());
}

void Fenetres::MontrerChoixTableau()
{
    if (!frmChoixTableau)
        return;
    Centrer(frmChoixTableau.get());
    // Opened from here it always shows the game chosen here, even when it was already open.
    frmChoixTableau->Ouvrir();
}

void Fenetres::MontrerMeilleursScores()
{
    if (!frmHighScores)
        return;
    Centrer(frmHighScores.get());
    frmHighScores->show();
    frmHighScores->raise();
    frmHighScores->activateWindow();
}

void Fenetres::FermerEcranDemarrage()
{
    if (frmSplash)
        frmSplash->close();
    else
        QCoreApplication::quit();
}

bool Fenetres::ChoisirCouleur(Couleur initiale, Couleur& choisie)
{
    const QColor couleur = QColorDialog::getColor(VersQColor(initiale), frmMath.get(), QStringLiteral("Couleur"),
        QColorDialog::DontUseNativeDialog);
    if (!couleur.isValid())
        return false;
    choisie = DepuisQColor(couleur);
    return true;
}

void Fenetres::MontrerAide(const std::string& fichier) { cogitelle::MontrerAide(frmMath.get(), QString::fromStdString(fichier)); }

} // namespace cogitelle
