// The program's icon: a petrol pump in the standard 16 colours, and the ICO
// writer for it (Qt writes no 16-colour icons).
#pragma once

#include <QImage>
#include <QString>

#include <vector>

// The pump at 32 x 32 and at 16 x 16, transparent around it, every opaque
// pixel one of the 16 standard colours.
std::vector<QImage> zapfsaeule();

// Writes the images as one ICO: 4 bits a pixel in the standard palette, each
// with its 1-bit transparency mask.
bool schreibeIco(const std::vector<QImage>& bilder, const QString& pfad);
