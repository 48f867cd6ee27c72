#include "main_window/bildfeld.h"

#include <QPainter>

Bildfeld::Bildfeld(QWidget* eltern, const QString& bild)
    : QFrame(eltern)
    , bildDaten(bild.isEmpty() ? QPixmap() : QPixmap(bild))
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
}

void Bildfeld::paintEvent(QPaintEvent* ereignis)
{
    QFrame::paintEvent(ereignis);
    if (bildDaten.isNull())
        return;
    QPainter p(this);
    const QRect innen = contentsRect();
    p.setClipRect(innen);
    // Unscaled, its pixels counted as the design's pixels, like every other
    // length of the window.
    p.drawPixmap(innen.topLeft(), bildDaten);
}
