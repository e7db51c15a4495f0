#include "app/fChoixTableau.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <optional>

#include "app/PanneauDialogue.h"

namespace cogitelle {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void Colorer(QWidget* w, QPalette::ColorRole role, const QColor& couleur)
{
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}

} // namespace

TfrmChoixTableau::TfrmChoixTableau(Contexte& c, QWidget* fenetrePrincipale, std::function<void()> demarrer)
    : QDialog(nullptr), c_(c), fenetrePrincipale_(fenetrePrincipale), demarrer_(std::move(demarrer)), modele_(c)
{
    FormCreate();
}

void TfrmChoixTableau::FormCreate()
{
    // Scaled whole by one factor, so it keeps its proportions and stays on the screen.
    const double f = FacteurDialogueEcran(c_.etat.FacteurEcranX, c_.etat.FacteurEcranY, 370, 256);
    const EchelleDialogue echelle{f};
    horloge_.start();
    const QString sansSerif = QStringLiteral("MS Sans Serif");

    setObjectName(QStringLiteral("frmChoixTableau"));
    // A fixed single border with a title but no title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Choix du jeu et du numéro de cogitelle"));
    setFixedSize(AEchelle(370, f), AEchelle(256, f));
    setAutoFillBackground(true);
    Colorer(this, QPalette::Window, QColor(0x00, 0x80, 0xC0));
    Colorer(this, QPalette::WindowText, Qt::black);
    setFont(echelle.Police(sansSerif, 11));

    groupBoxTypeJeu_ = new QGroupBox(this);
    groupBoxTypeJeu_->setObjectName(QStringLiteral("groupBoxTypeJeu"));
    echelle.Placer(groupBoxTypeJeu_, 4, 4, 219, 139);
    groupBoxTypeJeu_->setFont(echelle.Police(sansSerif, 13));
    groupBoxTypeJeu_->setTitle(Q(modele_.TitreGroupe));
    // The classic etched frame with the caption on its top line, which the platform styles draw
    // faintly or not at all on a coloured window.
    groupBoxTypeJeu_->setStyleSheet(QStringLiteral(
        "QGroupBox#groupBoxTypeJeu { border: 2px groove #E0E0E0; margin-top: %1px; }"
        "QGroupBox#groupBoxTypeJeu::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: %2px; padding: 0px; }")
            .arg(AEchelle(7, f))
            .arg(AEchelle(6, f)));
    const int tops[6] = {0, 24, 46, 68, 90, 112};
    for (int t = 1; t <= NbTypesJeu; ++t) {
        auto* rb = new QRadioButton(groupBoxTypeJeu_);
        rb->setObjectName(QStringLiteral("rbTypeJeu%1").arg(t));
        echelle.Placer(rb, 14, tops[t], 200, 17);
        rb->setFont(echelle.Police(sansSerif, 13, true));
        echelle.Styler(rb);
        rb->setText(Q(c_.etat.TitresJeux[t]));
        connect(rb, &QRadioButton::clicked, this, [this, t] {
            modele_.rbTypeJeuClick(t);
            Afficher();
        });
        rbTypeJeu_[t] = rb;
    }

    Panel1_ = new PanneauDialogue(this, QStringLiteral("Panel1"), QColor(0x80, 0xFF, 0xFF), QStringLiteral("VOTRE NOM :"));
    echelle.Placer(Panel1_, 228, 4, 139, 27);

    editYourName_ = new QLineEdit(this);
    editYourName_->setObjectName(QStringLiteral("editYourName"));
    echelle.Placer(editYourName_, 226, 32, 141, 21);
    Colorer(editYourName_, QPalette::Base, QColor(0x80, 0xFF, 0xFF));
    Colorer(editYourName_, QPalette::Text, Qt::black);
    editYourName_->installEventFilter(this);
    connect(editYourName_, &QLineEdit::textEdited, this, &TfrmChoixTableau::editYourNameEdite);
    // Enter in the name confirms as it does from every control: the window's keyPressEvent.

    panelRecordMixte_ = new PanneauDialogue(this, QStringLiteral("panelRecordMixte"), QColor(0x00, 0x80, 0xFF), QStringLiteral("RECORD"));
    echelle.Placer(panelRecordMixte_, 226, 62, 140, 23);
    panelRecordMixte_->setFont(echelle.Police(sansSerif, 13, true));

    panelNomRecordMixte_ = new PanneauDialogue(this, QStringLiteral("panelNomRecordMixte"), QColor(0x66, 0xB3, 0xFF));
    echelle.Placer(panelNomRecordMixte_, 226, 86, 140, 29);
    panelNomRecordMixte_->setFont(echelle.Police(sansSerif, 16));

    panelScoreRecordMixte_ = new PanneauDialogue(this, QStringLiteral("panelScoreRecordMixte"), QColor(0x66, 0xB3, 0xFF));
    echelle.Placer(panelScoreRecordMixte_, 226, 116, 140, 27);
    panelScoreRecordMixte_->setFont(echelle.Police(sansSerif, 16));

    panelNumeroTableau_ = new PanneauDialogue(this, QStringLiteral("panelNumeroTableau"), QColor(0x66, 0xB3, 0xFF));
    echelle.Placer(panelNumeroTableau_, 4, 146, 360, 29);
    panelNumeroTableau_->setFont(echelle.Police(QStringLiteral("Times New Roman"), 32));

    scrollBarChoixTableau_ = new QScrollBar(Qt::Horizontal, this);
    scrollBarChoixTableau_->setObjectName(QStringLiteral("scrollBarChoixTableau"));
    echelle.Placer(scrollBarChoixTableau_, 4, 178, 360, 19);
    scrollBarChoixTableau_->setRange(modele_.ScrollMin, modele_.ScrollMax);
    scrollBarChoixTableau_->setValue(1);
    scrollBarChoixTableau_->setSingleStep(1);
    scrollBarChoixTableau_->setPageStep(10);
    scrollBarChoixTableau_->setFocusPolicy(Qt::StrongFocus);
    scrollBarChoixTableau_->installEventFilter(this);
    echelle.Styler(scrollBarChoixTableau_);
    connect(scrollBarChoixTableau_, &QScrollBar::valueChanged, this, [this](int position) {
        modele_.scrollBarChoixTableauChange(position);
        Afficher();
    });

    auto bouton = [&](const QString& nom, const QString& caption, int left, int top, int width, int height) {
        auto* p = new PanneauDialogue(this, nom, QColor(0xC0, 0xC0, 0xC0), caption);
        echelle.Placer(p, left, top, width, height);
        p->setFont(echelle.Police(sansSerif, 13, true));
        p->SetLargeurBiseau(2);
        return p;
    };
    panelAleatoire_ = bouton(QStringLiteral("panelAleatoire"), QStringLiteral("Jeu et cogitelle au hasard"), 4, 204, 360, 22);
    panelAleatoire_->SetBouton([this] {
        modele_.panelAleatoireClick();
        Afficher();
    });
    buttonCancel_ = bouton(QStringLiteral("buttonCancel"), QStringLiteral("Annuler"), 4, 230, 115, 22);
    buttonCancel_->SetBouton([this] { buttonCancelClick(); });
    buttonOK_ = bouton(QStringLiteral("buttonOK"), QStringLiteral("OK"), 122, 230, 243, 22);
    buttonOK_->SetBouton([this] { ValiderChoix(); });

    // The Tab key goes through the controls that act, in the window's tab order: the scroll bar,
    // the name, the random pick, OK, Annuler, then the game types. The panels that only show
    // something take no focus.
    setTabOrder(scrollBarChoixTableau_, editYourName_);
    setTabOrder(editYourName_, panelAleatoire_);
    setTabOrder(panelAleatoire_, buttonOK_);
    setTabOrder(buttonOK_, buttonCancel_);
    setTabOrder(buttonCancel_, rbTypeJeu_[1]);
    for (int t = 1; t < NbTypesJeu; ++t)
        setTabOrder(rbTypeJeu_[t], rbTypeJeu_[t + 1]);
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

void TfrmChoixTableau::keyPressEvent(QKeyEvent* e)
{
    // Enter confirms from any control; a button panel with the focus has taken it already.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat()) {
        e->accept();
        ValiderChoix();
        return;
    }
    // Escape: reject(), which follows the "Annuler" rule.
    QDialog::keyPressEvent(e);
}

void TfrmChoixTableau::FormActivate()
{
    saisieNumero_.Oublier();
    modele_.FormActivate();
    Afficher();
    scrollBarChoixTableau_->setFocus();
}

void TfrmChoixTableau::Afficher()
{
    const QSignalBlocker b1(scrollBarChoixTableau_);
    groupBoxTypeJeu_->setTitle(Q(modele_.TitreGroupe));
    for (int t = 1; t <= NbTypesJeu; ++t) {
        const QSignalBlocker b2(rbTypeJeu_[t]);
        rbTypeJeu_[t]->setText(Q(modele_.TitresRadios[t]));
        if (t == modele_.RadioCoche)
            rbTypeJeu_[t]->setChecked(true);
    }
    panelNumeroTableau_->SetCaption(Q(modele_.CaptionNumeroTableau));
    scrollBarChoixTableau_->setRange(modele_.ScrollMin, modele_.ScrollMax);
    scrollBarChoixTableau_->setValue(modele_.PositionScroll);
    panelNomRecordMixte_->SetCaption(Q(modele_.NomRecord));
    panelScoreRecordMixte_->SetCaption(Q(modele_.ScoreRecord));
    if (editYourName_->text() != Q(modele_.Nom))
        editYourName_->setText(Q(modele_.Nom));
}

void TfrmChoixTableau::editYourNameEdite(const QString& texte)
{
    const QString avant = Q(modele_.Nom);
    const QString apres = Q(NomApresSaisie(modele_.Nom, texte.toStdString()));
    modele_.Nom = apres.toStdString();
    if (apres == texte)
        return;
    int curseur = editYourName_->cursorPosition();
    if (apres == avant)   // the edit was refused: the cursor goes back with the text
        curseur -= texte.size() - avant.size();
    else                  // the characters before the cursor, as they were kept
        curseur = Q(NormaliserSaisie(texte.left(curseur).toStdString())).size();
    editYourName_->setText(apres);
    editYourName_->setCursorPosition(std::clamp(curseur, 0, static_cast<int>(apres.size())));
}

void TfrmChoixTableau::ValiderChoix()
{
    modele_.Nom = editYourName_->text().toStdString();
    if (!modele_.ValiderChoix()) {
        // The message box has closed. Back on the chooser already, no activation is to come
        // from it: the next one is a new one and reloads the selection.
        if (isActiveWindow())
            retourDeBoite_ = false;
        editYourName_->setFocus();
        return;
    }
    hide();
    if (fenetrePrincipale_) {
        fenetrePrincipale_->setEnabled(true);
        fenetrePrincipale_->show();
        fenetrePrincipale_->raise();
        fenetrePrincipale_->activateWindow();
    }
    if (demarrer_)
        demarrer_();
}

bool TfrmChoixTableau::FenetrePrincipaleActive() const
{
    return !fenetrePrincipale_ || fenetrePrincipale_->isEnabled();
}

void TfrmChoixTableau::buttonCancelClick()
{
    // The chooser of start-up cannot be left: the first game always starts from it.
    if (FenetrePrincipaleActive())
        hide();
}

void TfrmChoixTableau::reject() { buttonCancelClick(); }

void TfrmChoixTableau::closeEvent(QCloseEvent* e)
{
    // The player closing the window (a spontaneous event from the window system) follows the
    // cancel rule; a close asked by the program, as when the application quits, always goes.
    if (e->spontaneous() && !FenetrePrincipaleActive())
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
    // Digits typed before the bar lost the keyboard do not join those typed after.
    if (objet == scrollBarChoixTableau_ && e->type() == QEvent::FocusOut)
        saisieNumero_.Oublier();
    if (objet == scrollBarChoixTableau_ && e->type() == QEvent::KeyPress) {
        auto* touche = static_cast<QKeyEvent*>(e);
        if (touche->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return QDialog::eventFilter(objet, e);
        QScrollBar* barre = scrollBarChoixTableau_;
        if (const auto defilement = ToucheDefilementDe(touche->key())) {
            saisieNumero_.Oublier();
            Defiler(barre, *defilement);
            return true;
        }
        const QString texte = touche->text();
        if (texte.size() == 1 && texte[0] >= QLatin1Char('0') && texte[0] <= QLatin1Char('9')) {
            const int32_t numero = saisieNumero_.Taper(texte[0].unicode() - '0', horloge_.elapsed(), barre->maximum());
            if (numero >= barre->minimum())
                barre->setValue(numero);
            return true;
        }
    }
    if (objet == editYourName_ && e->type() == QEvent::MouseButtonDblClick) {
        modele_.editYourNameDblClick();
        editYourName_->clear();
        return true;
    }
    return QDialog::eventFilter(objet, e);
}

} // namespace cogitelle
