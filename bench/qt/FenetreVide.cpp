// The floor of the start-up and memory figures: an empty Qt window titled like the start screen,
// built with the same compiler, flags and Qt as the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget fenetre(nullptr, Qt::FramelessWindowHint);
    fenetre.setWindowTitle(QStringLiteral("COGITELLE I"));
    fenetre.resize(425, 304);
    fenetre.show();
    return app.exec();
}
