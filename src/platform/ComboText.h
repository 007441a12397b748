#pragma once
// An editable list that opens at the item matching its text, not at its first item.
#include <QComboBox>
#include <QLineEdit>

// Keeps the list's current item on the item whose text is typed or shown.
inline void openAtShownText(QComboBox* combo)
{
    const auto follow = [combo](const QString& text) {
        const int index = combo->findText(text);
        if (index < 0 || index == combo->currentIndex())
            return;
        QLineEdit* edit = combo->lineEdit();
        const int cursor = edit ? edit->cursorPosition() : 0;
        combo->setCurrentIndex(index);
        if (edit)
            edit->setCursorPosition(cursor);
    };
    QObject::connect(combo, &QComboBox::editTextChanged, combo, follow);
    follow(combo->currentText());
}
