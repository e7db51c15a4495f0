#include "app/fSplash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "app/PanneauDialogue.h"
#include "app/PanneauWidget.h"
#include "app/Peinture.h"

namespace cogitelle {

TfrmSplash::TfrmSplash(Session& session, const MetriquesEcran& ecran)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), modele_(session.Demarrage())
{
    session.CreerEcranDemarrage(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce);
    setObjectName(QString::fromLatin1(EcranDemarrage::Nom));
    setWindowTitle(QString::fromStdString(session.etat.Titre));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(modele_.LargeurEcran(), modele_.HauteurEcran());
    for (int32_t langue = 1; langue <= EcranDemarrage::NbBoutons; ++langue) {
        auto* w = new PanneauWidget(modele_.Bouton(langue).vue, false, this);
        w->setObjectName(QString::fromLatin1(EcranDemarrage::NomBouton(langue)));
        w->SetCliquable(true);
        connect(w, &PanneauWidget::enfonce, this, [this, w, langue] {
            modele_.Enfoncer(langue, true);
            w->Synchroniser();
        });
        connect(w, &PanneauWidget::relache, this, [this, w, langue] {
            modele_.Enfoncer(langue, false);
            w->Synchroniser();
        });
        connect(w, &PanneauWidget::clique, this, [this, langue] { emit demarrage(langue); });
        boutons_[langue] = w;
    }
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - QPoint(width() / 2, height() / 2));
}

void TfrmSplash::paintEvent(QPaintEvent*)
{
    if (!peint_) {
        peint_ = true;
        emit premierAffichage();
    }
    QPainter p(this);
    const Aligneur a(p);
    p.fillRect(rect(), VersQColor(EcranDemarrage::Fond));
    for (const ElementDessin& e : modele_.Dessin())
        PeindrePanneau(p, VersQRect(e.vue.rect()), e.vue, PoliceDe(e.police), a);
}

void TfrmSplash::keyPressEvent(QKeyEvent* e)
{
    const std::optional<ToucheFenetre> touche = ToucheFenetreDe(e->key());
    if (touche && !e->isAutoRepeat())
        if (const int32_t langue = EcranDemarrage::LangueDeLaTouche(*touche)) {
            e->accept();
            emit demarrage(langue);
            return;
        }
    QWidget::keyPressEvent(e);
}

void TfrmSplash::closeEvent(QCloseEvent* e)
{
    e->accept();
    if (fermee_)
        return;
    fermee_ = true;
    emit fermeture();
}

} // namespace cogitelle
