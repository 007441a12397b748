#pragma once
// The address book window: browse, add, change and delete the recipients and
// the sender line in memory; "Opslaan" writes the address file, "Cancel"
// drops every change. Tests build it with their own file, fill the boxes and
// call the button handlers directly.
#include "addressbook/AddressFile.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Dataform : public QDialog {
    Q_OBJECT
public:
    // Builds the window and loads the address book from `addressFilePath`.
    explicit Dataform(QWidget* parent = nullptr, const QString& addressFilePath = AddressFile::path());

    QGroupBox* Frame1 = nullptr;
    QLabel* Image1 = nullptr;
    std::array<QLineEdit*, 5> Tekstbox{};  // Tekstbox[1] .. Tekstbox[4]: the fields of a record
    std::array<QLabel*, 5> Tekstlabel{};   // their captions
    QLabel* Label1 = nullptr;
    QPushButton* AddKnop = nullptr;
    QPushButton* BeginKnop = nullptr;
    QPushButton* VorigeKnop = nullptr;
    QLabel* RecordLabel = nullptr;
    QPushButton* VolgendeKnop = nullptr;
    QPushButton* LaatsteKnop = nullptr;
    QPushButton* WijzigKnop = nullptr;
    QPushButton* DeleteKnop = nullptr;
    QLineEdit* Afz = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* CancelKnop = nullptr;
    QPushButton* OkKnop = nullptr;
    QLineEdit* ZoekText = nullptr;
    QLabel* ZoekLabel = nullptr;
    QPushButton* ImportKnop = nullptr;
    QPushButton* ExportKnop = nullptr;

    // The working copy of the records: record k is element k of Lijstbox[1..4].
    std::array<QStringList, 5> Lijstbox;
    int currentRecord = 0;  // equals recordCount right after "Toevoegen"
    int recordCount = 0;
    QString senderLine;

    void PlaatsRecord(int record);

    void AddKnop_Click();
    void BeginKnop_Click();
    void VorigeKnop_Click();
    void VolgendeKnop_Click();
    void LaatsteKnop_Click();
    void WijzigKnop_Click();
    void DeleteKnop_Click();
    void OkKnop_Click();
    void CancelKnop_Click();
    void ImportKnop_Click();
    void ExportKnop_Click();
    void ZoekText_Change();
    void ZoekText_Enter();  // the next match, wrapping round

private:
    QString addressFilePath_;

    void buildControls();
    void connectButtons();
    void loadAddressBook();
    void setRecordLabel(const QString& text);
    bool showsRecord() const;
    AddressBook bookToSave() const;

    // The search box and its normal colours.
    QPalette zoekPalette_;
    void buildContactControls();
    void showSearchResult(int record);
};
