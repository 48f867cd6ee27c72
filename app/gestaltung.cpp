#include "app/gestaltung.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <limits>

namespace Gestaltung {

namespace {

// What text boxes do with the keyboard as Windows and GNOME do, where Qt
// does otherwise.
class Tastatur : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress)
            return false;
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const Qt::KeyboardModifiers mods = taste->modifiers() & ~Qt::KeypadModifier;
        // Alt with a letter no control uses as its access key reaches the
        // text box: Qt would type the letter, Windows types nothing.
        if (mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::ControlModifier) && !taste->text().isEmpty())
            return true;
        // Shift+F10 opens the context menu, as the Menu key does.
        if (taste->key() == Qt::Key_F10 && mods == Qt::ShiftModifier) {
            auto* feld = static_cast<QLineEdit*>(ziel);
            const QPoint ort = feld->rect().center();
            QContextMenuEvent menue(QContextMenuEvent::Keyboard, ort, feld->mapToGlobal(ort));
            QCoreApplication::sendEvent(feld, &menue);
            return true;
        }
        return false;
    }
};

}  // namespace

Entwurf::Farbe farbe(const QColor& c)
{
    return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

namespace {

// A row's own text colour, chosen again whenever the control's palette
// changes (a colour scheme changed while the program runs): the row's colour
// where it reads on the button face the control stands on, otherwise the
// system's text colour, which is then inherited like any other.
class EigeneTextfarbe : public QObject {
public:
    EigeneTextfarbe(QWidget& w, const Steuerelement& e)
        : QObject(&w)
        , zeile(e)
    {
        waehlen(w);
        w.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override
    {
        // Setting the palette sends the event again; the second choice is
        // the same, and an unchanged palette sends nothing.
        if (ereignis->type() == QEvent::PaletteChange)
            waehlen(*static_cast<QWidget*>(ziel));
        return false;
    }

private:
    void waehlen(QWidget& w) const
    {
        const QPalette umgebung = w.parentWidget()->palette();
        const Entwurf::Farbe system = farbe(umgebung.color(QPalette::ButtonText));
        // Linux desktops say nothing of high contrast: the contrast alone decides.
        const bool hoherKontrast = false;
        const Entwurf::Farbe f =
            Entwurf::textfarbe(zeile, farbe(umgebung.color(QPalette::Button)), system, hoherKontrast);
        // A default palette sets no role: the control inherits every one.
        QPalette eigene;
        if (f != system) {
            const QColor text(f.rot, f.gruen, f.blau);
            eigene.setColor(QPalette::WindowText, text);
            eigene.setColor(QPalette::ButtonText, text);
        }
        w.setPalette(eigene);
    }

    const Steuerelement& zeile;
};

// The role a row gives a control, kept on the widget for the factory below.
constexpr const char* rollenEigenschaft = "zapfkontorRolle";

// Screen readers meet a picture box as a picture and the options panel as a
// group, where Qt would make both a plain widget.
QAccessibleInterface* mitRolle(const QString&, QObject* objekt)
{
    if (!objekt || !objekt->isWidgetType())
        return nullptr;
    const QVariant rolle = objekt->property(rollenEigenschaft);
    if (!rolle.isValid())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(objekt),
                                 Entwurf::Rolle(rolle.toInt()) == Entwurf::Rolle::Bild ? QAccessible::Graphic
                                                                                       : QAccessible::Grouping);
}

}  // namespace

QFont schrift(Schrift art)
{
    const Entwurf::Schriftart a = Entwurf::schriftart(art);
    QFont f(QString::fromLatin1(Entwurf::schriftfamilie));
    // Pixel sizes keep the layout independent of the screen's dpi setting,
    // which the twips positions do not follow either.
    f.setPixelSize(a.pixelgroesse);
    f.setWeight(a.fett ? QFont::Bold : QFont::Normal);
    f.setUnderline(a.unterstrichen);
    return f;
}

void schriftenEinrichten()
{
    QFont::insertSubstitutions(QString::fromLatin1(Entwurf::schriftfamilie),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
}

QWidget* platziere(QWidget& behaelter, const Steuerelement& e, QWidget* w)
{
    // First: Qt makes a control's accessible object once, when first asked.
    if (e.rolle != Entwurf::Rolle::Eigene) {
        static const bool angemeldet = (QAccessible::installFactory(mitRolle), true);
        Q_UNUSED(angemeldet);
        w->setProperty(rollenEigenschaft, int(e.rolle));
    }
    w->setParent(&behaelter);
    w->setObjectName(QString::fromLatin1(e.name));
    // A container's positions count from inside its border (a picture box's
    // sunken frame); a window has none.
    w->setGeometry(pixel(e.lage).translated(behaelter.contentsRect().topLeft()));
    w->setFont(schrift(e.schrift));
    w->setVisible(e.sichtbar);
    if (e.tooltip)
        w->setToolTip(QString::fromUtf8(e.tooltip));
    if (e.vorleseName)
        w->setAccessibleName(QString::fromUtf8(e.vorleseName));
    // Without a description of its own, Qt describes a control by its tooltip.
    if (e.beschreibung)
        w->setAccessibleDescription(QString::fromUtf8(e.beschreibung));
    if (e.textfarbe)
        new EigeneTextfarbe(*w, e);
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
    if (e.groesseNachText)
        anTextAnpassen(*l);
    // Made after the control it names, which is first in the focus order; or
    // it names the window whose text it is.
    if (e.beschriftet) {
        const QString name = QString::fromLatin1(e.beschriftet);
        l->setBuddy(behaelter.objectName() == name ? &behaelter
                                                   : behaelter.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly));
    }
    return l;
}

QLineEdit* textfeld(QWidget& behaelter, const Steuerelement& e)
{
    auto* t = platziere(behaelter, e, new QLineEdit(QString::fromUtf8(e.text)));
    // Text boxes take any length; Qt would cut a pasted text at 32767
    // characters and so change what the user gave.
    t->setMaxLength(std::numeric_limits<int>::max());
    static Tastatur* tastatur = new Tastatur(QCoreApplication::instance());
    t->installEventFilter(tastatur);
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
    // The caption's advance and the font's height, as the Windows program
    // measures it; QLabel's own size hint adds a line's leading in one Qt
    // version and not in another.
    const QFontMetrics fm(bezeichnung.font());
    bezeichnung.resize(fm.horizontalAdvance(bezeichnung.text()), fm.height());
}

}  // namespace Gestaltung
