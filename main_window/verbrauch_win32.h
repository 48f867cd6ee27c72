// The main window of the Windows program: four inputs, the result sentence,
// and the buttons that lead to the other windows.
#pragma once

#include "app/fenster_win32.h"
#include "main_window/bildfeld_win32.h"
#include "verbrauchsrechnung.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Verbrauch : public Fenster::Basis {
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

    // Shows the window, active, with the focus where the design puts it.
    void zeigen();

    // Puts the keyboard focus into a control; the default button follows it
    // as in a dialog box.
    void fokus(HWND steuerelement);

    // Controls, in the focus order of the design.
    HWND txtKMalt, txtKMneu, txtLiter, txtPreis;
    // The picture frame round the window's edge.
    Bildfeld *Picture1, *Picture2, *Picture3, *Picture4, *Picture5, *Picture6, *Picture7, *Picture8, *Picture9,
        *Picture10, *Picture11, *Picture12, *Picture13, *Picture14, *Picture16, *Picture17, *Picture18, *Picture19;
    HWND Label1;  // inside Picture7, below what the box shows
    HWND Label2, Label3, Label4, Label5;
    HWND Berechnen;
    HWND lblAusgabe;
    HWND Label7, Label6, Label8, Label9, Label10;
    HWND cmdWeiter, cmdOptionen, cmdinfo;
    Bildfeld* Picture15;
    HWND tooltips;

    // The figures of the last calculation, and the currency it prints. Texts
    // are UTF-8.
    std::int32_t KilometerAlt = 0;
    std::int32_t KilometerNeu = 0;
    std::int32_t FahrKilometer = 0;
    double DurchVerbrauch = 0.0;
    std::string LiterPreis;
    std::string Liter;
    std::string Währung;

protected:
    LRESULT nachricht(UINT n, WPARAM w, LPARAM l) override;

private:
    template <class Kasten>
    Bildfeld* bildfeld(const Kasten& b)
    {
        return bildfelder.emplace_back(std::make_unique<Bildfeld>(hwnd, b.kasten, b.datei)).get();
    }
    void symboleSetzen();
    void Knopf_Click(HWND knopf);
    void standardknopf(HWND knopf);
    void ausgabeZeichnen(const DRAWITEMSTRUCT& d);
    HWND feld(rechnung::Feld f) const;

    // The control that had the focus when the window was last deactivated.
    HWND letzterFokus = nullptr;
    std::vector<std::unique_ptr<Bildfeld>> bildfelder;
};
