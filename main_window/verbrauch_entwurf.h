// The main window as designed: its caption and size, its controls in the
// focus order, and the picture frame round its edge. Every toolkit's class of
// the window is built from these rows; nothing here knows a toolkit.
#pragma once

#include "app/entwurf.h"

namespace VerbrauchEntwurf {

// One control a line, as the design lists them.
// clang-format off

using Entwurf::Schrift;
using Entwurf::Steuerelement;

inline constexpr Entwurf::Fenster fenster{.titel = "Tankumat Fenrold-Edition!", .breite = 10215, .hoehe = 7395};

// ---- the picture frame -------------------------------------------------------

enum class Bildformat { Keins, Jpeg, Bmp };

// A picture box of the frame and the picture it shows, unscaled from the
// top-left of its inner area. The file lies in assets/ and is linked into the
// program; the generator there paints it at the size given here.
struct Bildkasten {
    Steuerelement kasten;
    const char* datei = nullptr;  // none: an empty box
    Bildformat format = Bildformat::Keins;
    int breite = 0, hoehe = 0;  // of the picture, in pixels
};

inline constexpr Bildkasten Picture1{.kasten = {.name = "Picture1", .lage = {0, 360, 1695, 1215}, .vorleseName = "Scheinwerfer bei Nacht", .rolle = Entwurf::Rolle::Bild},
                                     .datei = "Picture1.jpg", .format = Bildformat::Jpeg, .breite = 115, .hoehe = 80};
inline constexpr Bildkasten Picture2{.kasten = {.name = "Picture2", .lage = {0, 1560, 1695, 1215}, .vorleseName = "Rücklicht", .rolle = Entwurf::Rolle::Bild},
                                     .datei = "Picture2.jpg", .format = Bildformat::Jpeg, .breite = 115, .hoehe = 80};
inline constexpr Bildkasten Picture3{.kasten = {.name = "Picture3", .lage = {0, 2760, 1695, 1215}, .vorleseName = "roter Kombi von hinten", .rolle = Entwurf::Rolle::Bild},
                                     .datei = "Picture3.jpg", .format = Bildformat::Jpeg, .breite = 115, .hoehe = 80};
inline constexpr Bildkasten Picture4{.kasten = {.name = "Picture4", .lage = {0, 3960, 1695, 1215}, .vorleseName = "Kombi an der Strandpromenade", .rolle = Entwurf::Rolle::Bild},
                                     .datei = "Picture4.jpg", .format = Bildformat::Jpeg, .breite = 117, .hoehe = 80};
inline constexpr Bildkasten Picture5{.kasten = {.name = "Picture5", .lage = {0, 5160, 1695, 1095}, .vorleseName = "Karosseriefugen", .rolle = Entwurf::Rolle::Bild},
                                     .datei = "Picture5.jpg", .format = Bildformat::Jpeg, .breite = 113, .hoehe = 80};
inline constexpr Bildkasten Picture6{.kasten = {.name = "Picture6", .lage = {0, 6240, 1695, 1215}, .vorleseName = "Kombi vor einem Haus", .rolle = Entwurf::Rolle::Bild},
                                     .datei = "Picture6.jpg", .format = Bildformat::Jpeg, .breite = 116, .hoehe = 80};
inline constexpr Bildkasten Picture7{.kasten = {.name = "Picture7", .lage = {1680, 360, 1695, 1215}, .vorleseName = "Wagen im Schnee", .rolle = Entwurf::Rolle::Bild},
                                     .datei = "Picture7.jpg", .format = Bildformat::Jpeg, .breite = 116, .hoehe = 80};
inline constexpr Bildkasten Picture8{.kasten = {.name = "Picture8", .lage = {3360, 360, 1695, 1215}, .vorleseName = "Innenraum", .rolle = Entwurf::Rolle::Bild},
                                     .datei = "Picture8.jpg", .format = Bildformat::Jpeg, .breite = 118, .hoehe = 80};
inline constexpr Bildkasten Picture9{.kasten = {.name = "Picture9", .lage = {5160, 0, 15, 135}, .vorleseName = "leeres Bildfeld", .rolle = Entwurf::Rolle::Bild}};
inline constexpr Bildkasten Picture10{.kasten = {.name = "Picture10", .lage = {5040, 360, 1815, 1215}, .vorleseName = "Klarglasscheinwerfer", .rolle = Entwurf::Rolle::Bild},
                                      .datei = "Picture10.jpg", .format = Bildformat::Jpeg, .breite = 120, .hoehe = 80};
inline constexpr Bildkasten Picture11{.kasten = {.name = "Picture11", .lage = {6840, 360, 1695, 1215}, .vorleseName = "Kombi bei Nacht vor einer Mauer", .rolle = Entwurf::Rolle::Bild},
                                      .datei = "Picture11.jpg", .format = Bildformat::Jpeg, .breite = 116, .hoehe = 80};
inline constexpr Bildkasten Picture12{.kasten = {.name = "Picture12", .lage = {8520, 360, 1695, 1215}, .vorleseName = "Türgriff", .rolle = Entwurf::Rolle::Bild},
                                      .datei = "Picture12.jpg", .format = Bildformat::Jpeg, .breite = 115, .hoehe = 80};
inline constexpr Bildkasten Picture13{.kasten = {.name = "Picture13", .lage = {8520, 1560, 1695, 1215}, .vorleseName = "Lichter im Nebel", .rolle = Entwurf::Rolle::Bild},
                                      .datei = "Picture13.jpg", .format = Bildformat::Jpeg, .breite = 116, .hoehe = 80};
inline constexpr Bildkasten Picture14{.kasten = {.name = "Picture14", .lage = {8520, 2760, 1695, 1215}, .vorleseName = "Kombi in der Abenddämmerung", .rolle = Entwurf::Rolle::Bild},
                                      .datei = "Picture14.jpg", .format = Bildformat::Jpeg, .breite = 115, .hoehe = 80};
inline constexpr Bildkasten Picture15{.kasten = {.name = "Picture15", .lage = {8520, 3960, 1695, 1095}, .tooltip = "Schloss Wernigerode",
                                                 .vorleseName = "Schloss auf dem Berg", .rolle = Entwurf::Rolle::Bild},
                                      .datei = "Picture15.bmp", .format = Bildformat::Bmp, .breite = 120, .hoehe = 75};
inline constexpr Bildkasten Picture16{.kasten = {.name = "Picture16", .lage = {8520, 5040, 1695, 1215}, .vorleseName = "roter Kombi von oben", .rolle = Entwurf::Rolle::Bild},
                                      .datei = "Picture16.jpg", .format = Bildformat::Jpeg, .breite = 114, .hoehe = 80};
inline constexpr Bildkasten Picture17{.kasten = {.name = "Picture17", .lage = {8520, 6000, 135, 15}, .vorleseName = "leeres Bildfeld", .rolle = Entwurf::Rolle::Bild}};
inline constexpr Bildkasten Picture18{.kasten = {.name = "Picture18", .lage = {8520, 6240, 1695, 1215}, .vorleseName = "Wagen in einer Kurve", .rolle = Entwurf::Rolle::Bild},
                                      .datei = "Picture18.jpg", .format = Bildformat::Jpeg, .breite = 117, .hoehe = 80};
inline constexpr Bildkasten Picture19{.kasten = {.name = "Picture19", .lage = {1680, 6240, 6855, 1215}, .tooltip = "Kühlergrill mit Markenzeichen",
                                                 .vorleseName = "Kühlergrill", .rolle = Entwurf::Rolle::Bild},
                                      .datei = "Picture19.bmp", .format = Bildformat::Bmp, .breite = 511, .hoehe = 132};

// The whole frame, by number.
inline constexpr const Bildkasten* rahmen[] = {
    &Picture1, &Picture2, &Picture3, &Picture4, &Picture5, &Picture6, &Picture7, &Picture8, &Picture9, &Picture10,
    &Picture11, &Picture12, &Picture13, &Picture14, &Picture15, &Picture16, &Picture17, &Picture18, &Picture19,
};

// Inside Picture7's inner area, below the 77 pixels of it that show.
inline constexpr Steuerelement Label1{.name = "Label1", .text = "Label1", .lage = {0, 1200, 1695, 15}};

// ---- the controls, in the focus order (the frame takes places 4 to 21 and 37) --

inline constexpr Steuerelement txtKMalt{.name = "txtKMalt", .text = "8211", .lage = {5520, 2400, 1215, 285},
                                        .vorleseName = "Kilometerstand alt", .beschreibung = "in Kilometer"};
inline constexpr Steuerelement txtKMneu{.name = "txtKMneu", .text = "8965", .lage = {5520, 2880, 1215, 285},
                                        .vorleseName = "Kilometerstand neu", .beschreibung = "in Kilometer"};
inline constexpr Steuerelement txtLiter{.name = "txtLiter", .text = "55", .lage = {5520, 3360, 1215, 285},
                                        .vorleseName = "Kraftstoff", .beschreibung = "in Liter"};
// Its text is the price of the currency the window loads with, written when
// it loads in the number conventions in force.
inline constexpr Steuerelement txtPreis{.name = "txtPreis", .lage = {5520, 3840, 1215, 285}, .vorleseName = "Preis je Liter"};
inline constexpr Steuerelement Label2{.name = "Label2", .text = "Sprittafel", .lage = {2520, 1680, 5250, 435}, .schrift = Schrift::Ueberschrift, .groesseNachText = true};
inline constexpr Steuerelement Label3{.name = "Label3", .text = "Kilometerstand alt", .lage = {2520, 2400, 2895, 375}, .schrift = Schrift::GrossFett, .beschriftet = "txtKMalt"};
inline constexpr Steuerelement Label4{.name = "Label4", .text = "Kilometerstand neu", .lage = {2520, 2880, 2895, 375}, .schrift = Schrift::GrossFett, .beschriftet = "txtKMneu"};
inline constexpr Steuerelement Label5{.name = "Label5", .text = "Kraftstoff ", .lage = {2520, 3360, 2895, 375}, .schrift = Schrift::GrossFett, .beschriftet = "txtLiter"};
inline constexpr Steuerelement Berechnen{.name = "Berechnen", .text = "&Berechnen", .lage = {3480, 4320, 3255, 375}, .schrift = Schrift::Fett,
                                         .tooltip = "Hier klicken zum Berechnen!"};
inline constexpr Steuerelement lblAusgabe{.name = "lblAusgabe", .lage = {2760, 4800, 4725, 795}};
inline constexpr Steuerelement Label7{.name = "Label7", .text = "Kilometer", .lage = {6840, 2520, 975, 255}, .schrift = Schrift::Fett};
inline constexpr Steuerelement Label6{.name = "Label6", .text = "Kilometer", .lage = {6840, 3000, 975, 255}, .schrift = Schrift::Fett};
inline constexpr Steuerelement Label8{.name = "Label8", .text = "Liter", .lage = {6840, 3480, 975, 255}, .schrift = Schrift::Fett};
// The currency's name, written with the price.
inline constexpr Steuerelement Label9{.name = "Label9", .lage = {6840, 3960, 975, 255}, .schrift = Schrift::Fett};
inline constexpr Steuerelement Label10{.name = "Label10", .text = "Preis / Liter", .lage = {2520, 3840, 2895, 375}, .schrift = Schrift::GrossFett, .beschriftet = "txtPreis"};
inline constexpr Steuerelement cmdWeiter{.name = "cmdWeiter", .text = "&weiter?", .lage = {4440, 5760, 1215, 375}};
inline constexpr Steuerelement cmdOptionen{.name = "cmdOptionen", .text = "&Optionen", .lage = {0, 0, 5055, 375}, .tooltip = "Euro oder DM?"};
inline constexpr Steuerelement cmdinfo{.name = "cmdinfo", .text = "I&nfo", .lage = {5040, 0, 5175, 375}, .tooltip = "Informationen!"};

// clang-format on

}  // namespace VerbrauchEntwurf
