// A screen of today: at a device pixel ratio of 2 the whole layout doubles,
// no caption wraps, and every picture still fills its box from the inner
// top-left, pixel for logical pixel.

#include "main_window/bildfeld.h"
#include "main_window/verbrauch.h"
#include "testumgebung.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class SkalierungTest : public Testumgebung::Fenstertest {
    Q_OBJECT

private slots:
    void allesDoppeltGross()
    {
        QCOMPARE(w->devicePixelRatio(), 2.0);
        const QImage bild = w->grab().toImage();
        QCOMPARE(bild.size(), QSize(1362, 986));
        // Layout in logical pixels is the designed one.
        QCOMPARE(w->txtKMalt->geometry(), QRect(368, 160, 81, 19));
    }

    void keineBeschriftungBricht()
    {
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (l == w->Label1 || l == w->lblAusgabe)
                continue;
            QVERIFY2(QFontMetricsF(l->font()).horizontalAdvance(l->text()) <= l->width(), qPrintable(l->objectName()));
        }
        for (QPushButton* k : w->findChildren<QPushButton*>())
            QVERIFY2(QFontMetricsF(k->font()).horizontalAdvance(k->text().remove(u'&')) + 8 <= k->width(),
                     qPrintable(k->objectName()));
    }

    void bilderAmInnerenEck()
    {
        const QImage fenster = w->grab().toImage();
        for (Bildfeld* b : w->findChildren<Bildfeld*>()) {
            if (b->bild().isNull())
                continue;
            const QImage bild = b->bild();
            const QPoint innen = (b->pos() + QPoint(2, 2)) * 2;
            // Each picture pixel covers 2 x 2 device pixels.
            QCOMPARE(fenster.pixel(innen + QPoint(1, 1)), bild.pixel(0, 0));
            QCOMPARE(fenster.pixel(innen + QPoint(41, 61)), bild.pixel(20, 30));
        }
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    SkalierungTest test;
    return Testumgebung::starte(test, argc, argv);
}
#include "skalierung_test.moc"
