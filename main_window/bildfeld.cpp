#include "main_window/bildfeld.h"

#include <QPainter>

Bildfeld::Bildfeld(QWidget* eltern, const QString& bild)
    : QFrame(eltern)
{
    // QImage and its readers are safe to use from another thread; a pixmap
    // would not be.
    if (!bild.isEmpty())
        bildDaten = std::async(std::launch::async, [bild] { return QImage(bild); }).share();
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
}

const QImage& Bildfeld::bild() const
{
    static const QImage keins;
    return bildDaten.valid() ? bildDaten.get() : keins;
}

void Bildfeld::paintEvent(QPaintEvent* ereignis)
{
    QFrame::paintEvent(ereignis);
    if (bild().isNull())
        return;
    QPainter p(this);
    const QRect innen = contentsRect();
    p.setClipRect(innen);
    // Unscaled, its pixels counted as the design's pixels, like every other
    // length of the window.
    p.drawImage(innen.topLeft(), bild());
}
