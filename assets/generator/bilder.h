// The generator's table of contents: every asset it writes, by file name.
// Each picture module adds its own entries.
#pragma once

#include <QDir>
#include <QString>

#include <functional>
#include <vector>

struct Asset {
    QString datei;                                       // file name in assets/
    std::function<bool(const QString& pfad)> schreiben;  // paints and writes it
};

// The bell of the About window (interlaced GIF89a).
std::vector<Asset> glockenAssets();
// The pictures of the main window's frame and the program's icon.
std::vector<Asset> rahmenAssets();
