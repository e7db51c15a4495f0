#include "app/Fenetres.h"


#include "app/Icone.h"
#include "app/PortsQt.h"
#include "app/fChoixTableau.h"
#include "app/fSplash.h"
#include "app/mathema.h"
#include "app/fHighScores.h"

namespace cogitelle {

Fenetres::Fenetres(Contexte& c, PortsQt& ports, const MetriquesEcran& ecran, bool differer)
    : c_(c), ports_(ports), ecran_(ecran)
{
    frmSplash = std::make_unique<TfrmSplash>(c, ecran);
    QObject::connect(frmSplash.get(), &TfrmSplash::demarrage, frmSplash.get(), [this](int32_t langue) {
        CreerFenetresCachees();
        frmMath->PanelStartClick(langue);
    });
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
    frmMath = std::make_unique<TfrmMath>(c_, ports_, ecran_);
    TfrmMath* math = frmMath.get();
    frmChoixTableau = std::make_unique<TfrmChoixTableau>(c_, math, [math] { math->DemarrerPartie(); });
    frmHighScores = std::make_unique<TfrmHighScores>(c_);
    math->SetFenetres(frmSplash.get(), frmChoixTableau.get(), frmHighScores.get());
}

// The dialogs go first: they refer to the main window.
Fenetres::~Fenetres()
{
    frmHighScores.reset();
    frmChoixTableau.reset();
    frmMath.reset();
    frmSplash.reset();
}

} // namespace cogitelle
