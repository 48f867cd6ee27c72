#include "app/anwendung.h"
#include "app/fenster.h"
#include "main_window/verbrauch.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    Anwendung::plattformWaehlen(argc, argv);
    QApplication app(argc, argv);
    Anwendung::einrichten(app);
    Fenster::instanz<Verbrauch>().show();
    const int ergebnis = app.exec();
    Fenster::alleEntladen();
    return ergebnis;
}
