// The main window: four inputs, the result sentence, and the buttons that
// lead to the other windows.
#pragma once

#include <QDialog>
#include <QString>

#include "verbrauchsrechnung.h"

#include <cstdint>

class Bildfeld;
class QLabel;
class QLineEdit;
class QPushButton;

// A QDialog gives the window its default button: Enter presses "&Berechnen"
// wherever the focus is, or the push button that has the focus. It is a
// top-level window in every other respect.
class Verbrauch : public QDialog {
    Q_OBJECT

public:
    Verbrauch();

    void Form_Load();

    void Berechnen_Click();
    void cmdWeiter_Click();
    void cmdinfo_Click();
    void cmdOptionen_Click();

    // Shows the currency in Label9, proposes its price in txtPreis and makes
    // it the one the calculation prints.
    void währungAnwenden(const rechnung::Waehrung& w);

    // Controls, in the focus order of the design.
    QLineEdit* txtKMalt;
    QLineEdit* txtKMneu;
    QLineEdit* txtLiter;
    QLineEdit* txtPreis;
    // The picture frame round the window's edge.
    Bildfeld* Picture1;
    Bildfeld* Picture2;
    Bildfeld* Picture3;
    Bildfeld* Picture4;
    Bildfeld* Picture5;
    Bildfeld* Picture6;
    Bildfeld* Picture7;
    Bildfeld* Picture8;
    Bildfeld* Picture9;
    Bildfeld* Picture10;
    Bildfeld* Picture11;
    Bildfeld* Picture12;
    Bildfeld* Picture13;
    Bildfeld* Picture14;
    Bildfeld* Picture16;
    Bildfeld* Picture17;
    Bildfeld* Picture18;
    Bildfeld* Picture19;
    QLabel* Label1;  // inside Picture7, below what the box shows
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* Berechnen;
    QLabel* lblAusgabe;
    QLabel* Label7;
    QLabel* Label6;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QPushButton* cmdWeiter;
    QPushButton* cmdOptionen;
    QPushButton* cmdinfo;
    Bildfeld* Picture15;

    // The figures of the last calculation, and the currency it prints.
    std::int32_t KilometerAlt = 0;
    std::int32_t KilometerNeu = 0;
    std::int32_t FahrKilometer = 0;
    double DurchVerbrauch = 0.0;
    QString LiterPreis;
    QString Liter;
    QString Währung;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void done(int ergebnis) override;

private:
    QLineEdit* feld(rechnung::Feld f) const;
};

// The number conventions of the user's region, as the calculation takes them.
rechnung::Zahlenformat zahlenformat();
