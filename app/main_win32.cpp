#include "app/anwendung_win32.h"
#include "app/fenster_win32.h"
#include "main_window/verbrauch_win32.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instanz, HINSTANCE, PWSTR, int)
{
    Anwendung::einrichten(instanz);
    Fenster::instanz<Verbrauch>().zeigen();
    const int ergebnis = Anwendung::nachrichtenschleife();
    Fenster::alleEntladen();
    return ergebnis;
}
