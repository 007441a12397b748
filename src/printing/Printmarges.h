#pragma once
// The label settings window " Afdruk Marges": where the text of the first
// label starts (A, B), the label width and height (C, D) and how many labels a
// sheet holds. It edits the print settings directly.
#include <QDialog>

#include <array>

struct PrintSettings;
class QComboBox;
class QDoubleSpinBox;
class SessionPrinter;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Printmarges : public QDialog {
    Q_OBJECT
public:
    explicit Printmarges(PrintSettings& settings, QWidget* parent = nullptr);

    // The printer the alignment sheet goes to; without one Testvel is off.
    void setPrinter(SessionPrinter* printer);

    QGroupBox* Frame1 = nullptr;
    QLabel* Image1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QLineEdit*, 5> MargeText{};   // [1] A .. [4] D
    std::array<QLabel*, 5> MargeLabel{};
    QLabel* Label3 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* ResetKnop = nullptr;
    QPushButton* CancelKnop = nullptr;
    QPushButton* OkKnop = nullptr;
    // Printer alignment.
    QLabel* Image2 = nullptr;
    QLabel* Label6 = nullptr;
    QDoubleSpinBox* OffsetX = nullptr;
    QLabel* Label7 = nullptr;
    QDoubleSpinBox* OffsetY = nullptr;
    // Added on the backs of two-sided jobs.
    QLabel* Label8 = nullptr;
    QDoubleSpinBox* OffsetAchterX = nullptr;
    QLabel* Label9 = nullptr;
    QDoubleSpinBox* OffsetAchterY = nullptr;
    QPushButton* TestvelKnop = nullptr;

    void MargeText_Change(int index);
    void ResetKnop_Click();
    void CancelKnop_Click();
    void OkKnop_Click();
    void TestvelKnop_Click();

private:
    void buildControls();
    void buildAlignmentControls();
    void showSettings();

    PrintSettings& settings_;
    SessionPrinter* printer_ = nullptr;
};
