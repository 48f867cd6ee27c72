// The currency window: Euro or DM, written into the main window the moment
// the user picks one.
#pragma once

#include <QMainWindow>

class QFrame;
class QLabel;
class QMdiArea;
class QPushButton;
class QRadioButton;

// A multiple-document frame that hosts no documents: its workspace shows
// wherever the panel Picture1, docked to the top, does not cover it.
class Optionen : public QMainWindow {
    Q_OBJECT

public:
    Optionen();

    void Form_Load() {}

    void Option1_Click();
    void Option2_Click();
    void cmdOptionOk_Click();

    // Controls, in the focus order of the design.
    QFrame* Picture1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* cmdOptionOk;

protected:
    void resizeEvent(QResizeEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void auswahlIstTabstopp();
    void arbeitsbereichFaerben();

    QMdiArea* arbeitsbereich = nullptr;
};
