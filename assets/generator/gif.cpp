#include "gif.h"

#include "bilder.h"

#include <QPainter>
#include <QSaveFile>

#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

constexpr int hoechstensFarben = 256;

// --- palette --------------------------------------------------------------

struct Farbhaeufigkeit {
    QRgb farbe;
    int anzahl;
};

int kanal(QRgb farbe, int k)
{
    return k == 0 ? qRed(farbe) : k == 1 ? qGreen(farbe) : qBlue(farbe);
}

// A box of median cut: a run of the colour list, and the channel along which
// its colours spread widest.
struct Kasten {
    std::size_t anfang, ende;
    int breitesterKanal = 0;
    int spanne = 0;
};

void vermesse(Kasten& k, const std::vector<Farbhaeufigkeit>& farben)
{
    k.spanne = -1;
    for (int c = 0; c < 3; ++c) {
        int klein = 255, gross = 0;
        for (std::size_t i = k.anfang; i < k.ende; ++i) {
            klein = std::min(klein, kanal(farben[i].farbe, c));
            gross = std::max(gross, kanal(farben[i].farbe, c));
        }
        if (gross - klein > k.spanne) {
            k.spanne = gross - klein;
            k.breitesterKanal = c;
        }
    }
}

QRgb mittel(const Kasten& k, const std::vector<Farbhaeufigkeit>& farben)
{
    std::int64_t summe[3] = {0, 0, 0};
    std::int64_t gewicht = 0;
    for (std::size_t i = k.anfang; i < k.ende; ++i) {
        for (int c = 0; c < 3; ++c)
            summe[c] += std::int64_t(kanal(farben[i].farbe, c)) * farben[i].anzahl;
        gewicht += farben[i].anzahl;
    }
    auto runde = [gewicht](std::int64_t s) { return int((2 * s + gewicht) / (2 * gewicht)); };
    return qRgb(runde(summe[0]), runde(summe[1]), runde(summe[2]));
}

// Median cut over the distinct colours, weighted by how often they occur.
std::vector<QRgb> medianSchnitt(std::vector<Farbhaeufigkeit> farben)
{
    std::vector<Kasten> kaesten{{0, farben.size()}};
    vermesse(kaesten.front(), farben);
    while (int(kaesten.size()) < hoechstensFarben) {
        auto teilbar = [](const Kasten& k) { return k.ende - k.anfang > 1; };
        auto weitester = kaesten.end();
        for (auto it = kaesten.begin(); it != kaesten.end(); ++it)
            if (teilbar(*it) && (weitester == kaesten.end() || it->spanne > weitester->spanne))
                weitester = it;
        if (weitester == kaesten.end())
            break;
        Kasten& k = *weitester;
        const int c = k.breitesterKanal;
        std::sort(farben.begin() + k.anfang, farben.begin() + k.ende,
                  [c](const Farbhaeufigkeit& a, const Farbhaeufigkeit& b) {
                      return kanal(a.farbe, c) != kanal(b.farbe, c) ? kanal(a.farbe, c) < kanal(b.farbe, c)
                                                                    : a.farbe < b.farbe;
                  });
        std::int64_t gesamt = 0;
        for (std::size_t i = k.anfang; i < k.ende; ++i)
            gesamt += farben[i].anzahl;
        // Cut where half the pixels lie on either side, leaving both halves
        // at least one colour.
        std::size_t schnitt = k.anfang + 1;
        std::int64_t bisher = farben[k.anfang].anzahl;
        while (schnitt < k.ende - 1 && 2 * bisher < gesamt)
            bisher += farben[schnitt++].anzahl;
        Kasten zweite{schnitt, k.ende};
        k.ende = schnitt;
        vermesse(k, farben);
        vermesse(zweite, farben);
        kaesten.push_back(zweite);
    }
    std::vector<QRgb> palette;
    for (const Kasten& k : kaesten)
        palette.push_back(mittel(k, farben));
    return palette;
}

int naechste(const std::vector<QRgb>& palette, QRgb farbe)
{
    int beste = 0;
    int besterAbstand = INT32_MAX;
    for (int i = 0; i < int(palette.size()); ++i) {
        int abstand = 0;
        for (int c = 0; c < 3; ++c) {
            const int d = kanal(palette[i], c) - kanal(farbe, c);
            abstand += d * d;
        }
        if (abstand < besterAbstand) {
            besterAbstand = abstand;
            beste = i;
        }
    }
    return beste;
}

struct Indiziert {
    std::vector<QRgb> palette;
    std::vector<std::uint8_t> pixel;  // row by row, top to bottom
};

QImage aufWeiss(const QImage& bild)
{
    if (!bild.hasAlphaChannel())
        return bild.convertToFormat(QImage::Format_RGB32);
    QImage flach(bild.size(), QImage::Format_RGB32);
    flach.fill(Qt::white);
    QPainter maler(&flach);
    maler.drawImage(0, 0, bild);
    return flach;
}

Indiziert indiziere(const QImage& bild)
{
    const QImage rgb = aufWeiss(bild);
    // An ordered map keeps the palette, and so the file, the same from run to
    // run: the generated files are committed.
    std::map<QRgb, int> haeufigkeit;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++haeufigkeit[zeile[x] | 0xff000000u];
    }
    Indiziert ergebnis;
    std::unordered_map<QRgb, std::uint8_t> index;
    if (haeufigkeit.size() <= std::size_t(hoechstensFarben)) {
        for (const auto& [farbe, anzahl] : haeufigkeit) {
            index[farbe] = std::uint8_t(ergebnis.palette.size());
            ergebnis.palette.push_back(farbe);
        }
    } else {
        std::vector<Farbhaeufigkeit> farben;
        for (const auto& [farbe, anzahl] : haeufigkeit)
            farben.push_back({farbe, anzahl});
        ergebnis.palette = medianSchnitt(std::move(farben));
        for (const auto& [farbe, anzahl] : haeufigkeit)
            index[farbe] = std::uint8_t(naechste(ergebnis.palette, farbe));
    }
    ergebnis.pixel.reserve(std::size_t(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ergebnis.pixel.push_back(index.at(zeile[x] | 0xff000000u));
    }
    return ergebnis;
}

// The rows in the order of the four passes of interlacing: every eighth from
// 0, every eighth from 4, every fourth from 2, every second from 1.
std::vector<int> zeilenfolge(int hoehe, bool interlaced)
{
    std::vector<int> folge;
    if (!interlaced) {
        for (int y = 0; y < hoehe; ++y)
            folge.push_back(y);
        return folge;
    }
    for (const auto& [anfang, schritt] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
        for (int y = anfang; y < hoehe; y += schritt)
            folge.push_back(y);
    return folge;
}

// giflib writes through this into the array it is given.
int anhaengen(GifFileType* gif, const GifByteType* daten, int laenge)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(daten), laenge);
    return laenge;
}

}  // namespace

QByteArray gifDaten(const QImage& bild, bool interlaced)
{
    if (bild.isNull() || bild.width() > 0xffff || bild.height() > 0xffff)
        return {};
    const Indiziert bildpunkte = indiziere(bild);

    // The colour table holds a power of two entries, at least two.
    int tiefe = 1;
    while ((1 << tiefe) < int(bildpunkte.palette.size()))
        ++tiefe;
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> farben(GifMakeMapObject(1 << tiefe, nullptr),
                                                                        GifFreeMapObject);
    if (!farben)
        return {};
    for (int i = 0; i < (1 << tiefe); ++i) {
        const QRgb farbe = i < int(bildpunkte.palette.size()) ? bildpunkte.palette[std::size_t(i)] : qRgb(0, 0, 0);
        farben->Colors[i] = {GifByteType(qRed(farbe)), GifByteType(qGreen(farbe)), GifByteType(qBlue(farbe))};
    }

    QByteArray daten;
    int fehler = 0;
    GifFileType* gif = EGifOpen(&daten, anhaengen, &fehler);
    if (!gif)
        return {};
    EGifSetGifVersion(gif, true);  // GIF89a
    bool gut = EGifPutScreenDesc(gif, bild.width(), bild.height(), tiefe, 0, farben.get()) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, bild.width(), bild.height(), interlaced, nullptr) == GIF_OK;
    // giflib takes the rows in the order they are stored: by pass, where
    // the picture is interlaced.
    const auto breite = std::size_t(bild.width());
    std::vector<GifPixelType> zeile(breite);
    for (const int y : zeilenfolge(bild.height(), interlaced)) {
        if (!gut)
            break;
        std::copy_n(bildpunkte.pixel.begin() + std::ptrdiff_t(std::size_t(y) * breite), breite, zeile.begin());
        gut = EGifPutLine(gif, zeile.data(), bild.width()) == GIF_OK;
    }
    if (EGifCloseFile(gif, &fehler) != GIF_OK || !gut)
        return {};
    return daten;
}

bool schreibeGif(const QImage& bild, const QString& pfad, bool interlaced)
{
    const QByteArray daten = gifDaten(bild, interlaced);
    if (daten.isEmpty())
        return false;
    return speichern(pfad, [&](QIODevice& datei) { return datei.write(daten) == daten.size(); });
}
