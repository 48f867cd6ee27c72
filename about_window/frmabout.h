// The About window: the program's title, version and description, a credit
// line and "Freeware", with the desk bell in its corner. Shown modally by the
// main window's "I&nfo".
#pragma once

#include "about_window/frmabout_entwurf.h"

#include <QDialog>
#include <QImage>

#include <array>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout();

    void Form_Load();

    void cmdOK_Click();

    // Controls, in the focus order of the design.
    QPushButton* cmdOK;
    QLabel* Label1;
    QLabel* lblDescription;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDisclaimer;

    // The etched separator, a control array: Line1[1] the grey line, Line1[0]
    // the white one below it.
    using Linie = frmAboutEntwurf::Linie;
    std::array<Linie, 2> Line1;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void done(int ergebnis) override;

private:
    void linie(const Linie& entwurf);

    QImage glocke;
};
