#include "app/DialogueModele.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/PanneauDialogue.h"
#include "app/Peinture.h"

namespace cogitelle {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void Colorer(QWidget* w, QPalette::ColorRole role, const QColor& couleur)
{
    QPalette p = w->palette();
    p.setColor(role, couleur);
    w->setPalette(p);
}

QString Famille(FamillePolice f)
{
    return f == FamillePolice::Times ? QStringLiteral("Times New Roman") : QStringLiteral("MS Sans Serif");
}

} // namespace

QFont PoliceDialogue(const Police& police, double facteur)
{
    if (!police.points)
        return PoliceDialogue(Famille(police.famille), TaillePolice(police, facteur), police.gras);
    QFont f = PoliceDialogue(Famille(police.famille), 13, police.gras);
    f.setPointSize(TaillePolice(police, facteur));
    return f;
}

DialogueModele::DialogueModele(const DescriptionFenetre& d, const std::vector<Rect>& places, double f, QWidget* parent)
    : QDialog(parent), description_(d), facteur_(f)
{
    const EchelleDialogue echelle{f};
    setObjectName(Q(d.nom));
    // A fixed single border with a title but no title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(Q(d.titre));
    setFixedSize(AEchelle(d.largeur, f), AEchelle(d.hauteur, f));
    setAutoFillBackground(true);
    Colorer(this, QPalette::Window, VersQColor(d.couleur));
    Colorer(this, QPalette::WindowText, VersQColor(d.couleurTexte));
    setFont(PoliceDialogue(d.police, f));

    for (size_t i = 0; i < d.controles.size(); ++i) {
        const ControleFenetre& c = d.controles[i];
        const auto indice = static_cast<int32_t>(i);
        QWidget* parent = c.parent >= 0 ? widgets_[static_cast<size_t>(c.parent)] : this;
        QWidget* w = nullptr;
        switch (c.genre) {
        case Genre::Panneau:
        case Genre::BoutonPanneau:
        case Genre::Etiquette:
        case Genre::Cadre: {
            auto* p = new PanneauDialogue(parent, Q(c.nom), VersQColor(c.couleur), Q(c.caption));
            if (c.largeurBiseau != p->LargeurBiseau())
                p->SetLargeurBiseau(c.largeurBiseau);
            if (c.genre == Genre::BoutonPanneau) {
                p->SetBouton([this, indice] { Clic(indice); });
                p->setCursor(VersCurseur(c.curseur));
            }
            w = p;
            break;
        }
        case Genre::Radio: {
            auto* rb = new QRadioButton(parent);
            echelle.Styler(rb);
            rb->setText(Q(c.caption));
            // Checked by the mouse, the keys or a screen reader's toggle action, which checks it
            // without a click. A click on the button already checked changes nothing.
            connect(rb, &QRadioButton::toggled, this, [this, indice](bool coche) {
                if (coche)
                    Clic(indice);
            });
            w = rb;
            break;
        }
        case Genre::Saisie: {
            auto* e = new QLineEdit(parent);
            Colorer(e, QPalette::Base, VersQColor(c.couleur));
            Colorer(e, QPalette::Text, VersQColor(d.couleurTexte));
            e->installEventFilter(this);
            connect(e, &QLineEdit::textEdited, this, [this, indice](const QString& t) { Edite(indice, t); });
            w = e;
            break;
        }
        case Genre::Defilement: {
            auto* b = new QScrollBar(Qt::Horizontal, parent);
            b->setRange(c.min, c.max);
            b->setValue(c.min);
            b->setSingleStep(c.pasPetit);
            b->setPageStep(c.pasGrand);
            // A bar out of the tab order leaves the keys to its window.
            b->setFocusPolicy(c.ordreTab >= 0 ? Qt::StrongFocus : Qt::NoFocus);
            echelle.Styler(b);
            connect(b, &QScrollBar::valueChanged, this, [this, indice](int v) { Change(indice, v); });
            w = b;
            break;
        }
        case Genre::Groupe: {
            auto* g = new QGroupBox(parent);
            g->setTitle(Q(c.caption));
            // The classic etched frame with the caption on its top line, which the platform
            // styles draw faintly or not at all on a coloured window.
            g->setStyleSheet(QStringLiteral("QGroupBox#%1 { border: 2px groove #E0E0E0; margin-top: %2px; }"
                                            "QGroupBox#%1::title { subcontrol-origin: margin; subcontrol-position: top left;"
                                            " left: %3px; padding: 0px; }")
                                 .arg(Q(c.nom))
                                 .arg(AEchelle(7, f))
                                 .arg(AEchelle(6, f)));
            w = g;
            break;
        }
        }
        w->setObjectName(Q(c.nom));
        w->setGeometry(VersQRect(places[i]));
        if (!(c.police == d.police))
            w->setFont(PoliceDialogue(c.police, f));
        widgets_.push_back(w);
    }

    // The Tab key goes through the controls that act, in the window's tab order.
    const std::vector<int32_t> ordre = OrdreTabulation(d);
    for (size_t i = 1; i < ordre.size(); ++i)
        setTabOrder(Widget(ordre[i - 1]), Widget(ordre[i]));
}

void DialogueModele::Synchroniser(const std::vector<EtatControle>& etats)
{
    for (size_t i = 0; i < widgets_.size() && i < etats.size(); ++i) {
        const EtatControle& e = etats[i];
        QWidget* w = widgets_[i];
        const QSignalBlocker bloque(w);
        switch (description_.controles[i].genre) {
        case Genre::Panneau:
        case Genre::BoutonPanneau:
        case Genre::Etiquette:
        case Genre::Cadre: static_cast<PanneauDialogue*>(w)->SetCaption(Q(e.caption)); break;
        case Genre::Radio: {
            auto* rb = static_cast<QRadioButton*>(w);
            if (rb->text() != Q(e.caption))
                rb->setText(Q(e.caption));
            if (e.coche)
                rb->setChecked(true);
            break;
        }
        case Genre::Saisie: {
            auto* l = static_cast<QLineEdit*>(w);
            if (l->text() != Q(e.caption))
                l->setText(Q(e.caption));
            break;
        }
        case Genre::Defilement: {
            auto* b = static_cast<QScrollBar*>(w);
            b->setRange(e.min, e.max);
            b->setValue(e.position);
            break;
        }
        case Genre::Groupe: static_cast<QGroupBox*>(w)->setTitle(Q(e.caption)); break;
        }
    }
}

bool DialogueModele::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick)
        for (size_t i = 0; i < widgets_.size(); ++i)
            if (widgets_[i] == objet && description_.controles[i].genre == Genre::Saisie) {
                DoubleClic(static_cast<int32_t>(i));
                return true;
            }
    return QDialog::eventFilter(objet, e);
}

} // namespace cogitelle
