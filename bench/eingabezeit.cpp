// How long the main window takes to answer the worst texts a user can paste:
// from the press of "&Berechnen" to the message box, per field and text.
//
//     eingabezeit [RUNDEN]        (runs on the offscreen platform)

#include "app/anwendung.h"
#include "app/fenster.h"
#include "main_window/verbrauch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Anwendung::einrichten(app);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    Verbrauch& w = Fenster::instanz<Verbrauch>();
    w.show();
    const QString megabyte(1 << 20, u'9');
    const std::pair<const char*, QString> texte[] = {
        {"1 MB digits", megabyte},
        {"1 MB digits + letter", megabyte + u'x'},
        {"full-width digits", QStringLiteral("\uFF15\uFF15")},
    };
    for (QLineEdit* feld : {w.txtKMneu, w.txtKMalt, w.txtPreis, w.txtLiter}) {
        const QString vorher = feld->text();
        for (const auto& [name, text] : texte) {
            feld->setText(text);
            std::vector<double> ms;
            for (int i = 0; i < runden; ++i) {
                QElapsedTimer uhr;
                double bisMeldung = -1;
                QTimer::singleShot(0, [&] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        bisMeldung = uhr.nsecsElapsed() / 1e6;
                        box->button(QMessageBox::Ok)->click();
                    }
                });
                uhr.start();
                w.Berechnen->click();
                ms.push_back(bisMeldung);
            }
            std::sort(ms.begin(), ms.end());
            std::printf("%-9s %-22s median %7.2f ms to the message\n", qPrintable(feld->objectName()), name,
                        ms[ms.size() / 2]);
        }
        feld->setText(vorher);
    }
    Fenster::alleEntladen();
    return 0;
}
