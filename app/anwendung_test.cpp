#include "testumgebung.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>

// What the program sets up once at start, as every window then sees it.
class AnwendungTest : public QObject {
    Q_OBJECT

private slots:
    void nameUndVersion()
    {
        // The one place where the texts made from the project's version 1.3.0.3
        // are checked letter by letter; every other test uses them as made.
        QCOMPARE(QString::fromUtf8(Version::titel), QStringLiteral("Zapfkontor V1.03"));
        QCOMPARE(QString::fromUtf8(Version::text), QStringLiteral("1.03.0003"));
        QCOMPARE(QString::fromUtf8(Version::internerName), QStringLiteral("Tankumat1.03"));
        QCOMPARE(QString::fromUtf8(Version::versionsZeile), QStringLiteral("Version 1.03"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Zapfkontor V1.03"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.03.0003"));
    }

    void stilMitEigenerPalette()
    {
        const auto* klassisch = qobject_cast<const QProxyStyle*>(QApplication::style());
        QVERIFY(klassisch);
        QCOMPARE(klassisch->baseStyle()->name(), QStringLiteral("windows"));
        // Offscreen no desktop sets colours: the style's own grey, not Qt's
        // light palette.
        const QPalette ist = QApplication::palette();
        const QPalette stil = QApplication::style()->standardPalette();
        for (const auto rolle : {QPalette::Button, QPalette::ButtonText, QPalette::Window, QPalette::Base,
                                 QPalette::Text, QPalette::Dark, QPalette::Light})
            for (const auto gruppe : {QPalette::Active, QPalette::Disabled})
                QCOMPARE(ist.color(gruppe, rolle), stil.color(gruppe, rolle));
    }

    void grundschrift()
    {
        const QFont f = QApplication::font();
        QCOMPARE(f.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(f.pixelSize(), 11);
        QCOMPARE(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
    }

    void qtTexteAufDeutsch()
    {
        QLineEdit feld;
        std::unique_ptr<QMenu> menue(feld.createStandardContextMenu());
        QStringList texte;
        for (QAction* a : menue->actions())
            texte << a->text().section(u'\t', 0, 0);  // without the shortcut
        QVERIFY2(texte.contains(QStringLiteral("&Rückgängig")), qPrintable(texte.join(u'|')));
        QVERIFY2(texte.contains(QStringLiteral("&Ausschneiden")), qPrintable(texte.join(u'|')));
    }
};

ZAPFKONTOR_TEST_MAIN(AnwendungTest)
#include "anwendung_test.moc"
