#include "app/fHighScores.h"

#include <QKeyEvent>
#include <QShowEvent>

#include "app/PanneauDialogue.h"

namespace cogitelle {

namespace {

// Scaled whole by one factor, so it keeps its proportions and stays on the screen.
double FacteurDuDialogue(const Session& s)
{
    const DescriptionFenetre& d = DetailMeilleursScores::Description();
    return FacteurDialogueEcran(s.etat.FacteurEcranX, s.etat.FacteurEcranY, d.largeur, d.hauteur);
}

} // namespace

TfrmHighScores::TfrmHighScores(Session& session, QWidget* parent)
    : DialogueModele(DetailMeilleursScores::Description(), DetailMeilleursScores::Places(FacteurDuDialogue(session)),
          FacteurDuDialogue(session), parent),
      modele_(session.Scores())
{
}

void TfrmHighScores::AfficherMeilleursScoresDetail(TTypeJeu type, int32_t numero)
{
    modele_.AfficherMeilleursScoresDetail(type, numero);
    Realiser(Issue::Rien);
}

void TfrmHighScores::Clic(int32_t indice) { Realiser(modele_.Clic(indice)); }

void TfrmHighScores::Change(int32_t indice, int32_t position)
{
    modele_.Change(indice, position);
    Realiser(Issue::Rien);
}

void TfrmHighScores::Realiser(Issue issue)
{
    if (issue == Issue::Fermer) {
        close();
        return;
    }
    Synchroniser(modele_.Etats());
}

void TfrmHighScores::keyPressEvent(QKeyEvent* e)
{
    if (const auto touche = ToucheFenetreDe(e->key()); touche && modele_.Touche(*touche) == Issue::Fermer) {
        e->accept();
        close();
        return;
    }
    const auto defilement = ToucheDefilementDe(e->key());
    if (!defilement) {
        QDialog::keyPressEvent(e);
        return;
    }
    e->accept();
    modele_.Defiler(*defilement);
    Realiser(Issue::Rien);
}

void TfrmHighScores::FormActivate()
{
    modele_.FormActivate();
    Realiser(Issue::Rien);
}

void TfrmHighScores::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) {
        CentrerSurEcran(this, parentWidget());
        // Shown is as good as activated: some window managers do not activate a new window.
        FormActivate();
    }
}

bool TfrmHighScores::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(e);
}

} // namespace cogitelle
