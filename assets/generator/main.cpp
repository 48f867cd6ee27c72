// Paints every picture and icon of the program and writes them into the
// folder given as the only argument (the project's assets/).

#include "bilder.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // Painting needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream fehler(stderr);
    if (argc != 2) {
        fehler << "usage: bildgenerator ASSETS-FOLDER\n";
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));

    int fehlgeschlagen = 0;
    for (const Asset& a : alleAssets()) {
        if (!a.schreiben(ziel.filePath(a.datei))) {
            fehler << "could not write " << a.datei << "\n";
            ++fehlgeschlagen;
        }
    }
    return fehlgeschlagen == 0 ? 0 : 1;
}
