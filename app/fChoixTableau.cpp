#include "app/fChoixTableau.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/PanneauDialogue.h"

namespace cogitelle {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Scaled whole by one factor, so it keeps its proportions and stays on the screen.
double FacteurDuDialogue(const Session& s)
{
    const DescriptionFenetre& d = ChoixTableau::Description();
    return FacteurDialogueEcran(s.etat.FacteurEcranX, s.etat.FacteurEcranY, d.largeur, d.hauteur);
}

} // namespace

TfrmChoixTableau::TfrmChoixTableau(Session& session, QWidget* fenetrePrincipale, std::function<void()> demarrer)
    : DialogueModele(ChoixTableau::Description(), PlacesALEchelle(ChoixTableau::Description(), FacteurDuDialogue(session)),
          FacteurDuDialogue(session)),
      session_(session), modele_(session.Choix()), fenetrePrincipale_(fenetrePrincipale), demarrer_(std::move(demarrer))
{
    horloge_.start();
    Widget(modele_.iBarre)->installEventFilter(this);
    Synchroniser(modele_.Etats());
}

void TfrmChoixTableau::Ouvrir()
{
    retourDeBoite_ = false;
    if (isVisible())
        FormActivate();
    show();
    raise();
    activateWindow();
}

void TfrmChoixTableau::Clic(int32_t indice)
{
    PrendreNom();
    Realiser(modele_.Clic(indice));
}

void TfrmChoixTableau::PrendreNom()
{
    // What the field shows is what the game gets.
    modele_.Saisie(static_cast<QLineEdit*>(Widget(modele_.iNom))->text().toStdString());
}

void TfrmChoixTableau::Change(int32_t indice, int32_t position)
{
    modele_.Change(indice, position);
    Realiser(Issue::Rien);
}

void TfrmChoixTableau::DoubleClic(int32_t indice)
{
    modele_.DoubleClic(indice);
    Realiser(Issue::Rien);
}

void TfrmChoixTableau::Edite(int32_t indice, const QString& texte)
{
    auto* nom = static_cast<QLineEdit*>(Widget(indice));
    const QString avant = Q(modele_.Nom);
    const QString apres = Q(modele_.Saisie(texte.toStdString()));
    if (apres == texte)
        return;
    int curseur = nom->cursorPosition();
    if (apres == avant)   // the edit was refused: the cursor goes back with the text
        curseur -= texte.size() - avant.size();
    else                  // the characters before the cursor, as they were kept
        curseur = Q(NormaliserSaisie(texte.left(curseur).toStdString())).size();
    nom->setText(apres);
    nom->setCursorPosition(std::clamp(curseur, 0, static_cast<int>(apres.size())));
}

void TfrmChoixTableau::keyPressEvent(QKeyEvent* e)
{
    // Enter confirms from any control; a button panel with the focus has taken it already.
    // Escape: reject(), which follows the "Annuler" rule.
    if (ToucheFenetreDe(e->key()) == ToucheFenetre::Entree && !e->isAutoRepeat()) {
        e->accept();
        PrendreNom();
        Realiser(modele_.Touche(ToucheFenetre::Entree));
        return;
    }
    QDialog::keyPressEvent(e);
}

void TfrmChoixTableau::FormActivate()
{
    modele_.FormActivate();
    Realiser(Issue::Rien);
}

void TfrmChoixTableau::Realiser(Issue issue)
{
    switch (issue) {
    case Issue::Fermer: hide(); break;
    case Issue::Demarrer:
        hide();
        if (fenetrePrincipale_) {
            fenetrePrincipale_->setEnabled(session_.Principale().Enabled);
            fenetrePrincipale_->show();
            fenetrePrincipale_->raise();
            fenetrePrincipale_->activateWindow();
        }
        if (demarrer_)
            demarrer_();
        return;
    case Issue::Rien: break;
    }
    Synchroniser(modele_.Etats());
    const int32_t focus = modele_.PrendreFocus();
    if (focus >= 0) {
        // After a message box, back on the chooser already, no activation is to come from it:
        // the next one is a new one and reloads the selection.
        if (isActiveWindow())
            retourDeBoite_ = false;
        Widget(focus)->setFocus();
    }
}

void TfrmChoixTableau::reject() { Realiser(modele_.Annuler()); }

void TfrmChoixTableau::closeEvent(QCloseEvent* e)
{
    // The player closing the window (a spontaneous event from the window system) follows the
    // cancel rule; a close asked by the program, as when the application quits, always goes.
    if (e->spontaneous() && modele_.Annuler() != Issue::Fermer)
        e->ignore();
    else
        e->accept();
}

void TfrmChoixTableau::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous()) {
        CentrerSurEcran(this, fenetrePrincipale_);
        // Shown is as good as activated: some window managers do not activate a new window.
        retourDeBoite_ = false;
        FormActivate();
    }
}

bool TfrmChoixTableau::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        if (retourDeBoite_)
            retourDeBoite_ = false;   // back from our own message: the selection stays
        else
            FormActivate();
    } else if (e->type() == QEvent::WindowDeactivate) {
        QWidget* modale = QApplication::activeModalWidget();
        retourDeBoite_ = modale && modale != this;
    }
    return QDialog::event(e);
}

bool TfrmChoixTableau::eventFilter(QObject* objet, QEvent* e)
{
    QWidget* barre = Widget(modele_.iBarre);
    // Digits typed before the bar lost the keyboard do not join those typed after.
    if (objet == barre && e->type() == QEvent::FocusOut)
        modele_.OublierChiffres();
    if (objet == barre && e->type() == QEvent::KeyPress) {
        auto* touche = static_cast<QKeyEvent*>(e);
        if (touche->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return DialogueModele::eventFilter(objet, e);
        if (const auto defilement = ToucheDefilementDe(touche->key())) {
            modele_.Defiler(*defilement);
            Realiser(Issue::Rien);
            return true;
        }
        const QString texte = touche->text();
        if (texte.size() == 1 && texte[0] >= QLatin1Char('0') && texte[0] <= QLatin1Char('9')) {
            modele_.TaperChiffre(texte[0].unicode() - '0', horloge_.elapsed());
            Realiser(Issue::Rien);
            return true;
        }
    }
    return DialogueModele::eventFilter(objet, e);
}

} // namespace cogitelle
