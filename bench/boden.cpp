// The floor the start-up benchmark measures against: the least a Qt Widgets
// program of the same size does before its first paint.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Boden"));
    fenster.resize(681, 493);
    auto* knopf = new QPushButton(QStringLiteral("OK"), &fenster);
    knopf->setGeometry(300, 230, 81, 25);
    fenster.show();
    return app.exec();
}
