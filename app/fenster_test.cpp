#include "main_window/verbrauch.h"
#include "testumgebung.h"

#include <QLineEdit>
#include <QPushButton>

// The single instances, shown with the main window, the one window every
// build of the program has.
class FensterTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Fenster::alleEntladen(); }

    void ladenBeimErstenBezug()
    {
        QVERIFY(!Fenster::istGeladen<Verbrauch>());
        Verbrauch& w = Fenster::instanz<Verbrauch>();
        QVERIFY(Fenster::istGeladen<Verbrauch>());
        // Loaded means Form_Load has run, not that the window is shown.
        QVERIFY(!w.isVisible());
        QCOMPARE(w.Währung, QStringLiteral("Euro"));
        QVERIFY(w.cmdWeiter->isHidden());
        QCOMPARE(&Fenster::instanz<Verbrauch>(), &w);
    }

    void schliessenEntlaedt()
    {
        Verbrauch* erstes = &Fenster::instanz<Verbrauch>();
        erstes->show();
        QVERIFY(QTest::qWaitForWindowExposed(erstes));
        erstes->txtPreis->setText(QStringLiteral("1,23"));
        erstes->Währung = QStringLiteral("DM");
        QPointer<Verbrauch> alt(erstes);

        QVERIFY(erstes->close());
        QVERIFY(!Fenster::istGeladen<Verbrauch>());
        QTRY_VERIFY(alt.isNull());

        // The next reference loads a fresh window with the designed texts.
        Verbrauch& neu = Fenster::instanz<Verbrauch>();
        QCOMPARE(neu.txtPreis->text(), QStringLiteral("0,88"));
        QCOMPARE(neu.Währung, QStringLiteral("Euro"));
        QVERIFY(!neu.isVisible());
    }

    void bezugDirektNachDemSchliessen()
    {
        // Deletion waits for the event loop; a reference made before that
        // must not get the closing window back.
        Verbrauch* erstes = &Fenster::instanz<Verbrauch>();
        erstes->show();
        erstes->close();
        QVERIFY(&Fenster::instanz<Verbrauch>() != erstes);
    }

    void programmEndetMitDemLetztenFenster()
    {
        Verbrauch& w = Fenster::instanz<Verbrauch>();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTimer::singleShot(0, &w, &QWidget::close);
        QTimer notbremse;
        notbremse.setSingleShot(true);
        connect(&notbremse, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        notbremse.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!Fenster::istGeladen<Verbrauch>());
    }
};

ZAPFKONTOR_TEST_MAIN(FensterTest)
#include "fenster_test.moc"
