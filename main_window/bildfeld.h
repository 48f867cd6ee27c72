// A picture box of the main window's frame: a sunken two-pixel border and a
// picture drawn as it is, from the top-left of the inner area, cut off where
// the box ends. It takes the focus like any box of the frame, and does nothing
// with it.
#pragma once

#include <QFrame>
#include <QPixmap>

class Bildfeld : public QFrame {
    Q_OBJECT

public:
    explicit Bildfeld(QWidget* eltern, const QString& bild = {});

    const QPixmap& bild() const { return bildDaten; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    QPixmap bildDaten;
};
