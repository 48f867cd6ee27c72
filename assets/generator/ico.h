// The program's icon: a petrol pump in the standard 16 colours at 32 and 16
// pixels, in true colour with alpha at the sizes today's displays ask for,
// and the ICO writer for both (Qt writes no 16-colour icons).
#pragma once

#include "symbolgroessen.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

// The sizes of the design's two 16-colour images, in the order the icon
// holds them; the icon's other sizes are in true colour.
inline constexpr int sechzehnFarbenGroessen[] = {32, 16};

// The pump at 32 x 32 and at 16 x 16, transparent around it, every opaque
// pixel one of the 16 standard colours.
std::vector<QImage> zapfsaeule();

// The pump in true colour with alpha, drawn smoothly, at every other size of
// the program's icon (symbolgroessen.h), smallest first.
std::vector<QImage> zapfsaeuleFarbig();

// Writes the images as one ICO. The first `sechzehnFarben` images take 4 bits
// a pixel in the standard palette, each with its 1-bit transparency mask; the
// others 32 bits with alpha, and one of 256 pixels is stored as PNG, as
// Windows stores it.
bool schreibeIco(const std::vector<QImage>& bilder, const QString& pfad, std::size_t sechzehnFarben = SIZE_MAX);
