#pragma once
// The start screen: a photo, information about the program and the screen, a
// clock, and the click that opens the card editor.
#include "platform/PictureSurface.h"

#include <QWidget>

class ClickableLabel;
class Main;
class PictureBox;
class QLabel;
class QTimer;

class Titel : public QWidget {
    Q_OBJECT
public:
    explicit Titel(QWidget* parent = nullptr);

    int dpi = 96;
    PictureSurface stripSurface; // what the strip Picture1 shows

    ClickableLabel* Image1 = nullptr;
    ClickableLabel* Label1 = nullptr;
    QLabel* KlokLabel = nullptr;
    QLabel* Label2 = nullptr;
    PictureBox* Picture1 = nullptr;
    ClickableLabel* Label4 = nullptr;
    QTimer* Timer1 = nullptr;

    // Warns once when the screen is not at 96 dots per inch.
    void Form_Activate();
    // Plays the strip animation, opens the main window and closes the start
    // screen; returns the main window. Clicks during the animation are ignored.
    Main* Start();
    void Timer1_Timer();
    // Opens the window "Over Prentvel".
    void Label4_Click();

Q_SIGNALS:
    void mainWindowOpened(Main* main);

protected:
    bool event(QEvent* event) override;

private:
    void placeClock();

    bool warned_ = false;
    bool starting_ = false;
};
