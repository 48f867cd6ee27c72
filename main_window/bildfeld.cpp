#include "main_window/bildfeld.h"

#include <QPainter>

Bildfeld::Bildfeld(QWidget* eltern, std::shared_future<QImage> bild)
    : QFrame(eltern)
    , bildDaten(std::move(bild))
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
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
