#include "app/Fenetres.h"

#include "app/PortsQt.h"
#include "app/fChoixTableau.h"
#include "app/fSplash.h"
#include "app/mathema.h"
#include "store/qt/fHighScores.h"

namespace cogitelle {

Fenetres::Fenetres(Contexte& c, PortsQt& ports, const MetriquesEcran& ecran)
{
    frmSplash = std::make_unique<TfrmSplash>(c, ecran);
    frmMath = std::make_unique<TfrmMath>(c, ports, ecran);
    TfrmMath* math = frmMath.get();
    frmChoixTableau = std::make_unique<TfrmChoixTableau>(c, math, [math] { math->DemarrerPartie(); });
    frmHighScores = std::make_unique<TfrmHighScores>(c);
    math->SetFenetres(frmSplash.get(), frmChoixTableau.get(), frmHighScores.get());
    QObject::connect(frmSplash.get(), &TfrmSplash::demarrage, math, [math](int32_t langue) { math->PanelStartClick(langue); });
    frmSplash->show();
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
