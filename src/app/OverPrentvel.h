#pragma once
// "Over Prentvel": a small window with the program's version, the platform it
// runs on and a button that opens the manual.
#include <QDialog>

class QLabel;
class QPushButton;

class OverPrentvel : public QDialog {
    Q_OBJECT
public:
    explicit OverPrentvel(QWidget* parent = nullptr);

    QLabel* VersieLabel = nullptr;
    QLabel* PlatformLabel = nullptr;
    QPushButton* HandleidingKnop = nullptr;
    QPushButton* SluitenKnop = nullptr;
};

// "Versie 1.0.0.0" and "Platform: ..." as the window shows them.
QString versionLine();
QString platformLine();
