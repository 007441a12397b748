#include "editor/TextOnCard.h"

#include "editor/CardContext.h"
#include "editor/EditorState.h"
#include "platform/Dialogs.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>

std::optional<TextFont> chosenTextFont(CardContext& context)
{
    const EditorState::TextChoice& choice = context.state().textChoice;
    const std::optional<int> size = parseTextSize(choice.size);
    if (!size) {
        Dialogs::showMessage(context.window(),
                             QCoreApplication::translate("Main", "De grootte van de tekst moet een heel getal van %1 tot %2 zijn.")
                                 .arg(SmallestTextSize).arg(LargestTextSize),
                             QCoreApplication::translate("Main", " Tekst"), Dialogs::Icon::Information);
        return std::nullopt;
    }
    return TextFont{choice.fontName, *size, choice.bold, choice.italic, choice.underline};
}

TextInk chosenTextInk(CardContext& context)
{
    const EditorState& state = context.state();
    return TextInk{state.textChoice.halo, state.drawColor.value(), state.fillColor.value()};
}

void PlaatsKnop_Click(CardContext& context)
{
    EditorState& state = context.state();
    const QString text = state.textChoice.text;
    if (text.trimmed().isEmpty())
        return;
    const std::optional<TextFont> font = chosenTextFont(context);
    if (!font)
        return;

    // The preview shows the text as large as it will be printed on the card.
    QFont previewFont(font->name);
    previewFont.setPointSizeF(font->size);
    previewFont.setBold(font->bold);
    previewFont.setItalic(font->italic);
    previewFont.setUnderline(font->underline);
    context.overlays().showTextPreview(text + QLatin1Char(' '), previewFont, state.fillColor.color());

    state.placingText = true;
    context.setInformation(QStringLiteral(QT_TRANSLATE_NOOP("Main", "Klik op de linkermuisknop om de tekst te plaatsen")));
}
