#include "app/fHighScores.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>

#include "app/PanneauDialogue.h"
#include "session/Entrees.h"
#include "core/Plateau.h"
#include "store/MeilleursScores.h"

namespace cogitelle {

namespace {

void Colorer(QWidget* w, QPalette::ColorRole role, const QColor& couleur)
{
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}

} // namespace

TfrmHighScores::TfrmHighScores(Contexte& c, QWidget* parent) : QDialog(parent), c_(c)
{
    FormCreate();
}

void TfrmHighScores::FormCreate()
{
    // Scaled whole by one factor, so it keeps its proportions and stays on the screen.
    const double f = FacteurDialogueEcran(c_.etat.FacteurEcranX, c_.etat.FacteurEcranY, 430, 356);
    f_ = f;
    const EchelleDialogue echelle{f};
    const QString sansSerif = QStringLiteral("MS Sans Serif");
    const QString times = QStringLiteral("Times New Roman");
    const QColor saumon(0xFF, 0x80, 0x80);

    setObjectName(QStringLiteral("frmHighScores"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Détail des meilleurs scores"));
    setFixedSize(AEchelle(430, f), AEchelle(356, f));
    setAutoFillBackground(true);
    Colorer(this, QPalette::Window, QColor(0x00, 0x40, 0x80));
    setFont(echelle.Police(sansSerif, 11));

    panelMeilleursScores_ = new PanneauDialogue(this, QStringLiteral("panelMeilleursScores"), saumon, QStringLiteral("MEILLEURS SCORES"));
    echelle.Placer(panelMeilleursScores_, 6, 6, 417, 31);
    panelMeilleursScores_->setFont(echelle.Police(times, 27));

    panelTypeJeu_ = new PanneauDialogue(this, QStringLiteral("panelTypeJeu"), saumon);
    echelle.Placer(panelTypeJeu_, 6, 40, 221, 31);
    panelTypeJeu_->setFont(echelle.Police(sansSerif, 16));

    scrollBarTypeJeu_ = new QScrollBar(Qt::Horizontal, this);
    scrollBarTypeJeu_->setObjectName(QStringLiteral("scrollBarTypeJeu"));
    echelle.Placer(scrollBarTypeJeu_, 6, 76, 221, 13);
    scrollBarTypeJeu_->setRange(1, NbTypesJeu);
    scrollBarTypeJeu_->setValue(1);
    scrollBarTypeJeu_->setPageStep(1);
    // The window takes the keys itself, whichever bar the mouse last used.
    scrollBarTypeJeu_->setFocusPolicy(Qt::NoFocus);
    echelle.Styler(scrollBarTypeJeu_);
    connect(scrollBarTypeJeu_, &QScrollBar::valueChanged, this, &TfrmHighScores::scrollBarChange);

    panelNumeroTableau_ = new PanneauDialogue(this, QStringLiteral("panelNumeroTableau"), saumon);
    echelle.Placer(panelNumeroTableau_, 234, 40, 189, 31);
    panelNumeroTableau_->setFont(echelle.Police(sansSerif, 16));

    scrollBarNumeroTableau_ = new QScrollBar(Qt::Horizontal, this);
    scrollBarNumeroTableau_->setObjectName(QStringLiteral("scrollBarNumeroTableau"));
    echelle.Placer(scrollBarNumeroTableau_, 234, 76, 189, 13);
    scrollBarNumeroTableau_->setRange(1, c_.etat.NumeroTableauMax);
    scrollBarNumeroTableau_->setValue(1);
    scrollBarNumeroTableau_->setSingleStep(1);
    scrollBarNumeroTableau_->setPageStep(10);
    scrollBarNumeroTableau_->setFocusPolicy(Qt::NoFocus);
    echelle.Styler(scrollBarNumeroTableau_);
    connect(scrollBarNumeroTableau_, &QScrollBar::valueChanged, this, &TfrmHighScores::scrollBarChange);

    panelCentral_ = new PanneauDialogue(this, QStringLiteral("panelCentral"), QColor(0x80, 0x00, 0x00));
    echelle.Placer(panelCentral_, 6, 94, 417, 210);

    panelOkHighScores_ = new PanneauDialogue(this, QStringLiteral("panelOkHighScores"), QColor(0xC0, 0xC0, 0xC0), QStringLiteral("OK"));
    echelle.Placer(panelOkHighScores_, 8, 310, 415, 41);
    panelOkHighScores_->setFont(echelle.Police(times, 27, true));
    panelOkHighScores_->SetLargeurBiseau(2);
    panelOkHighScores_->SetBouton([this] { close(); });

    ConstruireGrille();
}

void TfrmHighScores::ConstruireGrille()
{
    // Built after the scaling, so the rows fill the panel. The margins of 5 pixels, the rank
    // column of 20 and the 10-point type are those of the design screen, scaled with the rest.
    const int marge = AEchelle(5, f_);
    const int largeurRang = AEchelle(20, f_);
    const int W = panelCentral_->width() - 2 * marge;
    const int h = (panelCentral_->height() - 2 * marge) / 10;
    panelCentral_->resize(panelCentral_->width(), 2 * marge + 10 * h);
    QFont police = PoliceDialogue(QStringLiteral("Times New Roman"), 13);
    police.setPointSize(Arrondi(10 * f_));
    const QColor gris(0xC0, 0xC0, 0xC0);
    auto cellule = [&](const QString& nom) {
        auto* p = new PanneauDialogue(panelCentral_, nom, gris);
        p->setFont(police);
        return p;
    };
    for (int r = 1; r <= 10; ++r) {
        rangs_[r] = cellule(QStringLiteral("panelRang%1").arg(r));
        noms_[r] = cellule(QStringLiteral("panelNom%1").arg(r));
        scores_[r] = cellule(QStringLiteral("panelScore%1").arg(r));
    }
    const int largeur = (W - largeurRang) / 2;
    for (int r = 1; r <= 10; ++r) {
        const int top = marge + (r - 1) * h;
        rangs_[r]->setGeometry(marge, top, largeurRang, h);
        noms_[r]->setGeometry(rangs_[r]->x() + rangs_[r]->width(), top, largeur, h);
        scores_[r]->setGeometry(noms_[r]->x() + noms_[r]->width(), top, largeur, h);
    }
}

void TfrmHighScores::AfficherMeilleursScoresDetail(TTypeJeu type, int32_t numero)
{
    const GameState& g = c_.etat;
    // The scroll bars only offer valid values; the saved selection is checked when loaded. The
    // clamp keeps any other value from reading outside the table.
    type = std::clamp(type, 1, NbTypesJeu);
    numero = std::clamp(numero, 1, std::min(g.NumeroTableauMax, NombreTableaux));
    const QSignalBlocker b1(scrollBarTypeJeu_);
    const QSignalBlocker b2(scrollBarNumeroTableau_);
    panelTypeJeu_->SetCaption(QString::fromStdString(g.TitresJeux[type]));
    scrollBarTypeJeu_->setValue(type);
    panelNumeroTableau_->SetCaption(QStringLiteral("Cogitelle n° %1").arg(numero));
    scrollBarNumeroTableau_->setValue(numero);
    for (int r = 1; r <= 10; ++r) {
        const EnregistrementScore& e = g.MeilleursScores(type, numero, r);
        rangs_[r]->SetCaption(QString::number(r));
        noms_[r]->SetCaption(QString::fromStdString(NomEnregistrement(e)));
        scores_[r]->SetCaption(QString::number(e.ValeurScore));
    }
}

void TfrmHighScores::scrollBarChange()
{
    AfficherMeilleursScoresDetail(scrollBarTypeJeu_->value(), scrollBarNumeroTableau_->value());
}

void TfrmHighScores::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        e->accept();
        close();
        return;
    default: break;
    }
    // Left and Right step through the game types; Up, Down, the pages, Home and End through the
    // puzzle numbers.
    const auto defilement = ToucheDefilementDe(e->key());
    if (!defilement) {
        QDialog::keyPressEvent(e);
        return;
    }
    e->accept();
    const bool type = *defilement == ToucheDefilement::Gauche || *defilement == ToucheDefilement::Droite;
    Defiler(type ? scrollBarTypeJeu_ : scrollBarNumeroTableau_, *defilement);
}

void TfrmHighScores::FormActivate()
{
    GameState& g = c_.etat;
    g.TypeJeuDialogue = g.TypeJeuChoisi;
    g.NumeroTableauDialogue = g.NumeroTableauChoisi;
    AfficherMeilleursScoresDetail(g.TypeJeuDialogue, g.NumeroTableauDialogue);
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
