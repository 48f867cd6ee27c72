// A picture box of the main window's frame: a sunken two-pixel border and a
// picture drawn as it is, from the top-left of the inner area, cut off where
// the box ends. It takes the focus like any box of the frame, and does nothing
// with it.
#pragma once

#include <QFrame>
#include <QImage>

#include <future>

class Bildfeld : public QFrame {
    Q_OBJECT

public:
    // `bild` is the picture, decoded elsewhere or still being decoded; none
    // for an empty box.
    explicit Bildfeld(QWidget* eltern, std::shared_future<QImage> bild = {});

    // The decoded picture; null for an empty box. Waits for the decoding
    // if it has not finished yet.
    const QImage& bild() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    // Decoded beside the start-up, on another core: the window's fonts and
    // controls are made meanwhile, and the first paint is the first to wait.
    std::shared_future<QImage> bildDaten;
};
