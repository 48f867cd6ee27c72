#include "app/gestaltung.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <limits>

namespace Gestaltung {

namespace {

constexpr auto familie = "MS Sans Serif";

// Point sizes of the design at 96 dpi: 8.25 pt = 11 px, 13.5 pt = 18 px,
// 18 pt = 24 px. Pixel sizes keep the layout independent of the screen's dpi
// setting, which the twips positions do not follow either.
QFont machSchrift(int pixelgroesse, bool fett, bool unterstrichen = false)
{
    QFont f(QString::fromLatin1(familie));
    f.setPixelSize(pixelgroesse);
    f.setWeight(fett ? QFont::Bold : QFont::Normal);
    f.setUnderline(unterstrichen);
    return f;
}

}  // namespace

QFont schrift(Schrift art)
{
    switch (art) {
    case Schrift::Standard: return machSchrift(11, false);
    case Schrift::Fett: return machSchrift(11, true);
    case Schrift::GrossFett: return machSchrift(18, true);
    case Schrift::TitelFett: return machSchrift(24, true);
    case Schrift::Ueberschrift: return machSchrift(24, true, true);
    }
    return machSchrift(11, false);
}

void schriftenEinrichten()
{
    QFont::insertSubstitutions(QString::fromLatin1(familie),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
}

QWidget* platziere(QWidget& behaelter, const Steuerelement& e, QWidget* w)
{
    w->setParent(&behaelter);
    w->setObjectName(QString::fromLatin1(e.name));
    // A container's positions count from inside its border (a picture box's
    // sunken frame); a window has none.
    w->setGeometry(pixel(e.lage).translated(behaelter.contentsRect().topLeft()));
    w->setFont(schrift(e.schrift));
    if (e.tooltip)
        w->setToolTip(QString::fromUtf8(e.tooltip));
    if (e.vorleseName)
        w->setAccessibleName(QString::fromUtf8(e.vorleseName));
    return w;
}

QLabel* bezeichnung(QWidget& behaelter, const Steuerelement& e)
{
    auto* l = platziere(behaelter, e, new QLabel(QString::fromUtf8(e.text)));
    // Plain text: rich text would not be drawn etched when disabled, and a
    // caption is never markup.
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setBackgroundRole(QPalette::Button);
    l->setForegroundRole(QPalette::ButtonText);
    l->setAutoFillBackground(true);
    return l;
}

QLineEdit* textfeld(QWidget& behaelter, const Steuerelement& e)
{
    auto* t = platziere(behaelter, e, new QLineEdit(QString::fromUtf8(e.text)));
    // Text boxes take any length; Qt would cut a pasted text at 32767
    // characters and so change what the user gave.
    t->setMaxLength(std::numeric_limits<int>::max());
    return t;
}

QPushButton* knopf(QWidget& behaelter, const Steuerelement& e)
{
    auto* k = platziere(behaelter, e, new QPushButton(QString::fromUtf8(e.text)));
    k->setFocusPolicy(Qt::StrongFocus);
    return k;
}

void ohneSymbol(QWidget& fenster)
{
    QPixmap leer(16, 16);
    leer.fill(Qt::transparent);
    fenster.setWindowIcon(QIcon(leer));
}

void anTextAnpassen(QLabel& bezeichnung)
{
    bezeichnung.setWordWrap(false);
    bezeichnung.resize(bezeichnung.sizeHint());
}

}  // namespace Gestaltung
