#include "printing/Printmarges.h"

#include "app/EditorState.h"
#include "app/Twips.h"
#include "platform/Dialogs.h"
#include "printing/LabelSettingsInput.h"
#include "printing/LabelSheetPicture.h"
#include "printing/WindowGeometry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace {

const QString Title = QStringLiteral(" Afdruk Marges");

template <typename Widget, typename... Args>
Widget* make(QWidget* parent, const QString& name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    return widget;
}

}

Printmarges::Printmarges(EditorState& state, QWidget* parent)
    : QDialog(parent), state_(state)
{
    setObjectName("Printmarges");
    setWindowTitle(Title);
    if (parent)
        setFont(parent->font());
    setModal(true);
    buildControls();
    showSettings();
}

void Printmarges::buildControls()
{
    setOuterSizeInTwips(this, 5700, 4755);

    Frame1 = make<QGroupBox>(this, "Frame1");
    placeInTwips(Frame1, 90, 0, 3930, 4200);
    Image1 = make<QLabel>(Frame1, "Image1");
    placeInTwips(Image1, 150, 240, 3600, 3900);
    Image1->setPixmap(QPixmap::fromImage(labelSheetPicture(Image1->size())));

    Frame2 = make<QGroupBox>(this, "Frame2");
    placeInTwips(Frame2, 4110, 0, 1425, 2610);
    static const char* const letters[] = {"", "A", "B", "C", "D"};
    for (int i = 1; i <= 4; ++i) {
        const int top = 240 + 300 * (i - 1);
        MargeText[i] = make<QLineEdit>(Frame2, QStringLiteral("MargeText_%1").arg(i));
        placeInTwips(MargeText[i], 135, top, 750, 285);
        setBackground(MargeText[i], QColor(220, 180, 120));
        MargeLabel[i] = make<QLabel>(Frame2, QStringLiteral("MargeLabel_%1").arg(i), letters[i]);
        QFont bold = MargeLabel[i]->font();
        bold.setBold(true);
        MargeLabel[i]->setFont(bold);
        setTextColor(MargeLabel[i], QColor(200, 0, 0));
        placeInTwips(MargeLabel[i], 1020, top + 15);
        connect(MargeText[i], &QLineEdit::textChanged, this, [this, i] { MargeText_Change(i); });
    }
    MargeText[3]->setToolTip(" Breedte van de kaartjes ");
    MargeText[4]->setToolTip(" Hoogte van de kaartjes ");

    Label3 = make<QLabel>(Frame2, "Label3", "Afmeting in mm");
    placeInTwips(Label3, 135, 1500);
    Combo1 = make<QComboBox>(Frame2, "Combo1");
    Combo1->setEditable(true);
    Combo1->addItems({"24", "21", "14"});
    placeInTwips(Combo1, 135, 1920, 570, -1);
    Label4 = make<QLabel>(Frame2, "Label4", "Aantal");
    placeInTwips(Label4, 765, 2040);
    Label5 = make<QLabel>(Frame2, "Label5", "etiketten per vel");
    placeInTwips(Label5, 135, 2280);

    Frame3 = make<QGroupBox>(this, "Frame3");
    placeInTwips(Frame3, 4110, 2850, 1425, 1350);
    Label1 = make<QLabel>(Frame3, "Label1");
    placeInTwips(Label1, 120, 210, 1200, 1050);
    setBackground(Label1, QColor(64, 64, 64));
    ResetKnop = make<QPushButton>(Frame3, "ResetKnop", "Reset");
    placeInTwips(ResetKnop, 150, 240, 1140, 330);
    CancelKnop = make<QPushButton>(Frame3, "CancelKnop", "Cancel");
    placeInTwips(CancelKnop, 150, 570, 1140, 330);
    OkKnop = make<QPushButton>(Frame3, "OkKnop", "Opslaan");
    placeInTwips(OkKnop, 150, 900, 1140, 330);
    OkKnop->setToolTip(" Gegevens opslaan ");
    for (QPushButton* button : {ResetKnop, CancelKnop, OkKnop})
        button->setAutoDefault(false);

    connect(ResetKnop, &QPushButton::clicked, this, &Printmarges::ResetKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &Printmarges::CancelKnop_Click);
    connect(OkKnop, &QPushButton::clicked, this, &Printmarges::OkKnop_Click);
}

void Printmarges::showSettings()
{
    Combo1->setEditText(QString::number(state_.labelsPerSheet));
    const double values[] = {0, state_.labelLeft, state_.labelTop, state_.labelWidth, double(state_.labelHeight)};
    for (int i = 1; i <= 4; ++i)
        MargeText[i]->setText(QString::number(values[i]));
}

void Printmarges::MargeText_Change(int index)
{
    QLineEdit* box = MargeText[index];
    if (!LabelSettingsInput::keepsTypedText(box->text()))
        box->clear();
}

void Printmarges::ResetKnop_Click()
{
    if (!Dialogs::askYesNo(this, "Wilt u de begin marges resetten?", " Reset"))
        return;
    const EditorState startValues;
    state_.labelLeft = startValues.labelLeft;
    state_.labelTop = startValues.labelTop;
    state_.labelWidth = startValues.labelWidth;
    state_.labelHeight = startValues.labelHeight;
    state_.labelsPerSheet = startValues.labelsPerSheet;
    showSettings();
}

void Printmarges::CancelKnop_Click()
{
    reject();
}

void Printmarges::OkKnop_Click()
{
    const auto read = LabelSettingsInput::read(MargeText[1]->text(), MargeText[2]->text(), MargeText[3]->text(),
                                               MargeText[4]->text(), Combo1->currentText());
    if (const auto* refusal = std::get_if<QString>(&read)) {
        Dialogs::showMessage(this, *refusal, Title, Dialogs::Icon::Warning);
        return;
    }
    const auto& values = std::get<LabelSettingsInput::Values>(read);
    state_.labelLeft = values.left;
    state_.labelTop = values.top;
    state_.labelWidth = values.width;
    state_.labelHeight = values.height;
    state_.labelsPerSheet = values.perSheet;
    accept();
}
