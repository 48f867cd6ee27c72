#include "gif.h"

#include "bilder.h"

#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

namespace {

constexpr int hoechstensFarben = 256;
constexpr int hoechsteCodelaenge = 12;  // LZW codes of GIF are at most 12 bits
constexpr int tabellenende = 1 << hoechsteCodelaenge;

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

// --- LZW ------------------------------------------------------------------

// Codes go out least significant bit first, packed into sub-blocks of at
// most 255 bytes, each after its length byte.
class Bitstrom {
public:
    explicit Bitstrom(QByteArray& ziel)
        : ziel(ziel)
    {
    }

    void schreibe(int code, int laenge)
    {
        puffer |= std::uint32_t(code) << belegt;
        belegt += laenge;
        while (belegt >= 8) {
            byte(std::uint8_t(puffer & 0xff));
            puffer >>= 8;
            belegt -= 8;
        }
    }

    void abschliessen()
    {
        if (belegt > 0)
            byte(std::uint8_t(puffer & 0xff));
        puffer = 0;
        belegt = 0;
        if (!block.isEmpty())
            blockAusgeben();
        ziel.append('\0');  // block terminator
    }

private:
    void byte(std::uint8_t b)
    {
        block.append(char(b));
        if (block.size() == 255)
            blockAusgeben();
    }

    void blockAusgeben()
    {
        ziel.append(char(block.size()));
        ziel.append(block);
        block.clear();
    }

    QByteArray& ziel;
    QByteArray block;
    std::uint32_t puffer = 0;
    int belegt = 0;
};

void lzw(const std::vector<std::uint8_t>& indizes, int mindestlaenge, QByteArray& ziel)
{
    const int loeschen = 1 << mindestlaenge;
    const int ende = loeschen + 1;
    Bitstrom strom(ziel);

    std::unordered_map<std::uint32_t, int> tabelle;
    int naechsterCode = ende + 1;
    int laenge = mindestlaenge + 1;
    strom.schreibe(loeschen, laenge);

    int praefix = indizes.front();
    for (std::size_t i = 1; i < indizes.size(); ++i) {
        const std::uint32_t schluessel = std::uint32_t(praefix) << 8 | indizes[i];
        if (const auto gefunden = tabelle.find(schluessel); gefunden != tabelle.end()) {
            praefix = gefunden->second;
            continue;
        }
        strom.schreibe(praefix, laenge);
        tabelle.emplace(schluessel, naechsterCode++);
        // The decoder builds its table one code behind the encoder, so it
        // widens its codes only once the code just made no longer fits.
        if (naechsterCode > (1 << laenge) && laenge < hoechsteCodelaenge)
            ++laenge;
        if (naechsterCode == tabellenende) {
            // Full: start a fresh table rather than go on with a stale one.
            strom.schreibe(loeschen, laenge);
            tabelle.clear();
            naechsterCode = ende + 1;
            laenge = mindestlaenge + 1;
        }
        praefix = indizes[i];
    }
    strom.schreibe(praefix, laenge);
    strom.schreibe(ende, laenge);
    strom.abschliessen();
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

void wort(QByteArray& ziel, int wert)
{
    ziel.append(char(wert & 0xff));
    ziel.append(char((wert >> 8) & 0xff));
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

    QByteArray gif("GIF89a");
    wort(gif, bild.width());  // logical screen
    wort(gif, bild.height());
    gif.append(char(0x80 | (tiefe - 1) << 4 | (tiefe - 1)));  // global table, its depth and size
    gif.append('\0');                                         // background colour index
    gif.append('\0');                                         // square pixels
    for (int i = 0; i < (1 << tiefe); ++i) {
        const QRgb farbe = i < int(bildpunkte.palette.size()) ? bildpunkte.palette[i] : qRgb(0, 0, 0);
        gif.append(char(qRed(farbe)));
        gif.append(char(qGreen(farbe)));
        gif.append(char(qBlue(farbe)));
    }

    gif.append(',');  // image descriptor
    wort(gif, 0);
    wort(gif, 0);
    wort(gif, bild.width());
    wort(gif, bild.height());
    gif.append(char(interlaced ? 0x40 : 0x00));

    std::vector<std::uint8_t> folge;
    folge.reserve(bildpunkte.pixel.size());
    const auto breite = std::size_t(bild.width());
    for (const int y : zeilenfolge(bild.height(), interlaced))
        folge.insert(folge.end(), bildpunkte.pixel.begin() + y * breite, bildpunkte.pixel.begin() + (y + 1) * breite);

    // Codes must have room for every index and for the two control codes.
    const int mindestlaenge = std::max(2, tiefe);
    gif.append(char(mindestlaenge));
    lzw(folge, mindestlaenge, gif);

    gif.append(';');  // trailer
    return gif;
}

bool schreibeGif(const QImage& bild, const QString& pfad, bool interlaced)
{
    const QByteArray daten = gifDaten(bild, interlaced);
    if (daten.isEmpty())
        return false;
    return speichern(pfad, [&](QIODevice& datei) { return datei.write(daten) == daten.size(); });
}
