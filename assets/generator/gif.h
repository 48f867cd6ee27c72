// A GIF89a writer for the generator: Qt reads GIF but cannot write it. The
// colours are chosen here; giflib compresses and writes the file.
//
// One image, one global colour table of at most 256 colours, no local table,
// no transparency, no animation. A picture with more colours is reduced to
// 256 by median cut and each pixel takes the nearest colour of that palette,
// without dithering: at the sizes of the program's pictures, dithering noise
// shows more than the lost shades. Any alpha channel is flattened onto white,
// the background every picture of the program is painted on.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The complete file. An empty image gives an empty array.
QByteArray gifDaten(const QImage& bild, bool interlaced);

// Writes gifDaten() to `pfad`; false if the image is empty or the file cannot
// be written.
bool schreibeGif(const QImage& bild, const QString& pfad, bool interlaced);
