#include "app/fSplash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "app/PanneauWidget.h"
#include "app/Peinture.h"
#include "session/FenetrePrincipale.h"
#include "core/Plateau.h"

namespace cogitelle {

namespace {

const QColor Turquoise(0x12, 0xAC, 0xC7);   // #12ACC7

// Design places, in pixels of the 800-pixel-wide design.
constexpr Rect Boite{14, 12, 397, 280};
constexpr Rect ZoneTitre{26, 22, 373, 50};
constexpr Rect ImageLabyrinthe{62, 84, 112, 112};
constexpr Rect ImageCarre{251, 84, 112, 112};
constexpr Rect BoutonDemarrer{26, 212, 373, 33};
constexpr Rect BoutonEnglish{309, 256, 90, 22};

int Points(int pixels, double f) { return Arrondi(pixels * f * 72.0 / 96.0); }

// A small cell drawn like the board's: colour, raised bevel, caption.
void Case(QPainter& p, const Aligneur& a, const QRect& r, Couleur fond, const char* texte, const QFont& police,
    Biseau interieur = Biseau::Aucun)
{
    Controle c(Sorte::Panneau, 0);
    c.SetCouleur(fond);
    c.SetCaption(texte);
    c.SetBiseauInterieur(interieur);
    PeindrePanneau(p, r, c, police, a);
}

// A 5 x 5 maze with its walls in the gaps, the glutton at the top left and the exit at the
// bottom right.
void PeindreLabyrinthe(QPainter& p, const Aligneur& a, const QRect& zone, double f)
{
    p.fillRect(a.Aligner(zone), Qt::black);
    const int n = 5;
    const int ecart = std::max(2, Arrondi(5 * f));
    const int cote = (zone.width() - (n - 1) * ecart) / n;
    const QFont police = PoliceTimes(std::max(5, Arrondi(8 * f)));
    auto caseEn = [&](int x, int y) {
        return QRect(zone.left() + x * (cote + ecart), zone.top() + y * (cote + ecart), cote, cote);
    };
    // Bonus numbers off the path, the rest of the cells eaten or unexplored.
    const char* nombres[5][5] = {{"50", "", "", "7", ""}, {"", "", "12", "", ""}, {"", "9", "", "", "4"},
        {"", "", "", "15", ""}, {"3", "", "", "", "A"}};
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const char* t = nombres[y][x];
            if (x == 0 && y == 0)
                Case(p, a, caseEn(x, y), RGB(0xFF, 0xFF, 0x00), t, police);
            else if (x == n - 1 && y == n - 1)
                Case(p, a, caseEn(x, y), RGB(0xFF, 0xFF, 0x00), t, police);
            else if (*t)
                Case(p, a, caseEn(x, y), RGB(0xB4 + 6 * x, 0xC0 - 5 * y, 0xAA + 9 * ((x + y) % 3)), t, police);
        }
    // A perfect maze: the passages form a tree; every other wall stands, with the pieces at the
    // crossings that join them.
    struct Passage { int x1, y1, x2, y2; };
    const Passage passages[] = {{0, 0, 1, 0}, {1, 0, 2, 0}, {2, 0, 3, 0}, {3, 0, 4, 0}, {4, 0, 4, 1}, {0, 0, 0, 1},
        {0, 1, 1, 1}, {1, 1, 2, 1}, {2, 1, 2, 2}, {0, 1, 0, 2}, {0, 2, 0, 3}, {0, 3, 1, 3}, {1, 3, 1, 2},
        {2, 2, 3, 2}, {3, 2, 3, 1}, {3, 2, 4, 2}, {4, 2, 4, 3}, {4, 3, 3, 3}, {3, 3, 2, 3}, {2, 3, 2, 4},
        {2, 4, 1, 4}, {1, 4, 0, 4}, {2, 4, 3, 4}, {3, 4, 4, 4}};
    auto ouvert = [&](int x1, int y1, int x2, int y2) {
        for (const Passage& q : passages)
            if ((q.x1 == x1 && q.y1 == y1 && q.x2 == x2 && q.y2 == y2) ||
                (q.x1 == x2 && q.y1 == y2 && q.x2 == x1 && q.y2 == y1))
                return true;
        return false;
    };
    auto murDroit = [&](int x, int y) { return x < n - 1 && y >= 0 && y < n && !ouvert(x, y, x + 1, y); };
    auto murBas = [&](int x, int y) { return y < n - 1 && x >= 0 && x < n && !ouvert(x, y, x, y + 1); };
    const QColor couleurMur(0x5A, 0x7D, 0xB4);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            const QRect c = caseEn(x, y);
            if (murDroit(x, y))
                p.fillRect(a.Aligner(QRect(c.right() + 1, c.top(), ecart, cote)), couleurMur);
            if (murBas(x, y))
                p.fillRect(a.Aligner(QRect(c.left(), c.bottom() + 1, cote, ecart)), couleurMur);
            if (x < n - 1 && y < n - 1 && (murDroit(x, y) || murDroit(x, y + 1) || murBas(x, y) || murBas(x + 1, y)))
                p.fillRect(a.Aligner(QRect(c.right() + 1, c.bottom() + 1, ecart, ecart)), couleurMur);
        }
}

// A magic square of 3 with its ring of sums: every line makes 15.
void PeindreCarre(QPainter& p, const Aligneur& a, const QRect& zone, double f)
{
    p.fillRect(a.Aligner(zone), Qt::black);
    const int n = 5;
    const int ecart = std::max(2, Arrondi(4 * f));
    const int cote = (zone.width() - (n - 1) * ecart) / n;
    const QFont police = PoliceTimes(std::max(5, Arrondi(10 * f)));
    const QFont petite = PoliceTimes(std::max(4, Arrondi(6 * f)));
    const char* carre[3][3] = {{"2", "7", "6"}, {"9", "5", "1"}, {"4", "3", "8"}};
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const QRect r(zone.left() + x * (cote + ecart), zone.top() + y * (cote + ecart), cote, cote);
            const bool anneau = x == 0 || y == 0 || x == n - 1 || y == n - 1;
            const bool coin = (x == 0 || x == n - 1) && (y == 0 || y == n - 1);
            if (coin)
                continue;
            if (anneau)
                Case(p, a, r, couleurs::Argent, "15", petite, Biseau::Abaisse);
            else
                Case(p, a, r, RGB(0xA0 + 12 * x, 0xB4 + 8 * y, 0xAA), carre[y - 1][x - 1], police);
        }
}

} // namespace

TfrmSplash::TfrmSplash(Contexte& c, const MetriquesEcran& ecran)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), c_(c),
      f_(CalculerFacteursEcran(ecran.largeur, ecran.hauteur, ecran.pixelsParPouce).X)
{
    CreerEcranDemarrage(c_);
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString::fromStdString(c_.etat.Titre));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(Arrondi(425 * f_), Arrondi(304 * f_));
    french_ = Bouton(french_m_, "PanelStartFrench", BoutonDemarrer, 21, 1);
    french_m_.SetCaption("DEMARRER");
    english_ = Bouton(english_m_, "PanelStartEnglish", BoutonEnglish, 11, 2);
    english_m_.SetCaption("ENGLISH");
    french_->Synchroniser();
    english_->Synchroniser();
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - QPoint(width() / 2, height() / 2));
}

QRect TfrmSplash::Echelle(const Rect& d) const { return VersQRect(MettreALEchelle(d, f_, f_)); }

PanneauWidget* TfrmSplash::Bouton(Controle& modele, const char* nom, const Rect& design, int pixels, int32_t langue)
{
    modele = Controle(Sorte::Panneau, 0);
    modele.SetRect(MettreALEchelle(design, f_, f_));
    modele.SetVisible(true);
    modele.SetCouleur(couleurs::Argent);
    modele.SetTaillePolice(Points(pixels, f_));
    modele.SetGras(true);
    modele.SetLargeurBiseau(2);
    modele.SetCurseur(Curseur::Main);
    auto* w = new PanneauWidget(modele, false, this);
    w->setObjectName(QString::fromLatin1(nom));
    w->SetCliquable(true);
    Controle* m = &modele;
    connect(w, &PanneauWidget::enfonce, this, [m, w] {
        m->SetBiseauExterieur(Biseau::Abaisse);
        w->Synchroniser();
    });
    connect(w, &PanneauWidget::relache, this, [m, w] {
        m->SetBiseauExterieur(Biseau::Releve);
        w->Synchroniser();
    });
    connect(w, &PanneauWidget::clique, this, [this, langue] { emit demarrage(langue); });
    return w;
}

void TfrmSplash::paintEvent(QPaintEvent*)
{
    if (!peint_) {
        peint_ = true;
        emit premierAffichage();
    }
    QPainter p(this);
    const Aligneur a(p);
    p.fillRect(rect(), Turquoise);

    // The framed box: a lowered groove around a raised face.
    QRectF boite = a.Aligner(Echelle(Boite));
    const int bord = std::max(1, Arrondi(f_));
    PeindreBiseau(p, boite, Biseau::Abaisse, bord, a);
    PeindreBiseau(p, boite, Biseau::Releve, bord, a);
    p.fillRect(boite, QColor(0x0E, 0x8F, 0xA8));

    // The title in its own lowered frame.
    QRectF titre = a.Aligner(Echelle(ZoneTitre));
    PeindreBiseau(p, titre, Biseau::Abaisse, bord, a);
    p.fillRect(titre, QColor(0x00, 0x40, 0x80));
    QFont police = PoliceTimes(10);
    police.setPixelSize(std::max(8, Arrondi(32 * f_)));
    police.setBold(true);
    p.setFont(police);
    p.setPen(QColor(0x80, 0xFF, 0x80));
    p.drawText(titre, Qt::AlignCenter, QString::fromStdString(c_.etat.Titre));

    PeindreLabyrinthe(p, a, Echelle(ImageLabyrinthe), f_);
    PeindreCarre(p, a, Echelle(ImageCarre), f_);
}

void TfrmSplash::keyPressEvent(QKeyEvent* e)
{
    const int k = e->key();
    if ((k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) && !e->isAutoRepeat()) {
        e->accept();
        emit demarrage(1);
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
