#include "editor/TextOnCard.h"

#include "app/Main.h"
#include "platform/Twips.h"
#include "platform/ClickableLabel.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

std::optional<TextFont> chosenTextFont(Main& main)
{
    const std::optional<int> size = parseTextSize(main.ComboSize->currentText());
    if (!size) {
        Dialogs::showMessage(&main,
                             QStringLiteral("De grootte van de tekst moet een heel getal van %1 tot %2 zijn.")
                                 .arg(SmallestTextSize).arg(LargestTextSize),
                             QStringLiteral(" Tekst"), Dialogs::Icon::Information);
        return std::nullopt;
    }
    return TextFont{main.ListFonts->currentText(), *size, main.CheckBold->isChecked(), main.CheckItalic->isChecked(),
                    main.CheckOnderstreept->isChecked()};
}

TextInk chosenTextInk(const Main& main)
{
    return TextInk{main.Check1->isChecked(), main.state.drawColor.value(), main.state.fillColor.value()};
}

void Text1_DblClick(Main& main)
{
    main.Text1->clear();
}

void PlaatsKnop_Click(Main& main)
{
    const QString text = main.Text1->text();
    if (text.trimmed().isEmpty())
        return;
    const std::optional<TextFont> font = chosenTextFont(main);
    if (!font)
        return;

    // The preview shows the text as large as it will be printed on the card,
    // whose text sizes are points at 96 dots per inch.
    QLabel* preview = main.Label12;
    QFont previewFont(font->name);
    previewFont.setPointSizeF(font->size * 96.0 / preview->logicalDpiY());
    previewFont.setBold(font->bold);
    previewFont.setItalic(font->italic);
    previewFont.setUnderline(font->underline);
    preview->setFont(previewFont);
    preview->setAutoFillBackground(false);
    preview->setMargin(0);
    preview->setIndent(0);
    setTextColor(preview, main.state.fillColor.color());
    preview->setText(text + QLatin1Char(' '));
    preview->adjustSize();
    preview->show();

    main.state.placingText = true;
    main.InfoLabel->setText(QStringLiteral("Klik op de linkermuisknop om de tekst te plaatsen"));
}
