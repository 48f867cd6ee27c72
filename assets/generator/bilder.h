// The generator's table of contents: every asset it writes, by file name.
// Each picture module adds its own entries.
#pragma once

#include <QDir>
#include <QIODevice>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <vector>

struct Asset {
    QString datei;                                       // file name in assets/
    std::function<bool(const QString& pfad)> schreiben;  // paints and writes it
};

// Writes a file all or nothing: `schreiben` fills it, and only when it
// succeeds does the file replace the one at `pfad`, so a failed run leaves
// the committed asset as it was.
inline bool speichern(const QString& pfad, const std::function<bool(QIODevice&)>& schreiben)
{
    QSaveFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && schreiben(datei) && datei.commit();
}

// The bell of the About window (interlaced GIF89a).
std::vector<Asset> glockenAssets();
// The pictures of the main window's frame and the program's icon.
std::vector<Asset> rahmenAssets();

// Everything the generator writes.
inline std::vector<Asset> alleAssets()
{
    std::vector<Asset> alle = glockenAssets();
    for (Asset& a : rahmenAssets())
        alle.push_back(std::move(a));
    return alle;
}
