#include "platform/Retranslation.h"

#include "platform/SourceMemory.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace {

const char* const KeepTexts = "prentvel.keepTexts";

// The property keeping a traced text's source and the text it gave, so that a
// text shown twice in different contexts is traced the same way next time.
QByteArray memoryName(const QByteArray& slot)
{
    return QByteArrayLiteral("prentvel.source.") + slot;
}

// The class of the window an object is shown in: the context its texts most
// likely come from.
QString windowContext(QObject* object)
{
    for (QObject* o = object; o; o = o->parent())
        if (auto* widget = qobject_cast<QWidget*>(o))
            return QString::fromLatin1(widget->window()->metaObject()->className());
    return QString();
}

template <class Widget, class Setter>
std::function<void(QObject*, const QString&)> setter(Setter set)
{
    return [set](QObject* object, const QString& text) { (static_cast<Widget*>(object)->*set)(text); };
}

}

void Retranslation::keepTexts(QObject* object)
{
    object->setProperty(KeepTexts, true);
}

Retranslation::Retranslation(const SourceMemory& memory, const QList<QWidget*>& windows)
{
    for (QWidget* window : windows) {
        QList<QObject*> objects = window->findChildren<QObject*>();
        objects.prepend(window);
        for (QObject* object : std::as_const(objects))
            if (!object->property(KeepTexts).toBool())
                for (TextSlot& slot : textSlots(object))
                    trace(memory, object, std::move(slot));
    }
}

QList<TextSlot> textSlots(QObject* object)
{
    QList<TextSlot> slots;
    const auto add = [&slots](const QByteArray& name, const QString& shown, auto set) {
        if (!shown.isEmpty())
            slots.append({name, shown, std::move(set)});
    };
    if (auto* action = qobject_cast<QAction*>(object)) {
        add("text", action->text(), setter<QAction>(&QAction::setText));
        if (action->toolTip() != action->text())
            add("toolTip", action->toolTip(), setter<QAction>(&QAction::setToolTip));
        add("statusTip", action->statusTip(), setter<QAction>(&QAction::setStatusTip));
        return slots;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return slots;
    add("windowTitle", widget->windowTitle(), setter<QWidget>(&QWidget::setWindowTitle));
    add("toolTip", widget->toolTip(), setter<QWidget>(&QWidget::setToolTip));
    add("statusTip", widget->statusTip(), setter<QWidget>(&QWidget::setStatusTip));
    if (auto* label = qobject_cast<QLabel*>(widget))
        add("text", label->text(), setter<QLabel>(&QLabel::setText));
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        add("text", button->text(), setter<QAbstractButton>(&QAbstractButton::setText));
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        add("title", group->title(), setter<QGroupBox>(&QGroupBox::setTitle));
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        add("placeholderText", edit->placeholderText(), setter<QLineEdit>(&QLineEdit::setPlaceholderText));
    else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        for (int index = 0; index < combo->count(); ++index)
            add("item" + QByteArray::number(index), combo->itemText(index),
                [index](QObject* o, const QString& text) { static_cast<QComboBox*>(o)->setItemText(index, text); });
    } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        for (int index = 0; index < tabs->count(); ++index)
            add("tab" + QByteArray::number(index), tabs->tabText(index),
                [index](QObject* o, const QString& text) { static_cast<QTabWidget*>(o)->setTabText(index, text); });
    }
    return slots;
}

void Retranslation::trace(const SourceMemory& memory, QObject* object, TextSlot slot)
{
    // The source traced last time holds while the text is still the one it gave.
    const QStringList remembered = object->property(memoryName(slot.name)).toStringList();
    if (remembered.size() == 4 && remembered.at(3) == slot.shown) {
        texts_.append({object, slot.name, remembered.at(0), remembered.at(1), remembered.at(2), std::move(slot.set)});
        return;
    }
    const std::optional<TextSource> origin = memory.sourceOf(slot.shown, windowContext(object));
    if (origin)
        texts_.append({object, slot.name, origin->context, origin->source, origin->disambiguation, std::move(slot.set)});
}

void Retranslation::apply() const
{
    for (const Text& text : texts_) {
        if (!text.object)
            continue; // removed while the language changed
        const QByteArray context = text.context.toUtf8();
        const QByteArray source = text.source.toUtf8();
        const QByteArray disambiguation = text.disambiguation.toUtf8();
        const QString translated = QCoreApplication::translate(
            context.constData(), source.constData(), disambiguation.isEmpty() ? nullptr : disambiguation.constData());
        text.set(text.object, translated);
        text.object->setProperty(memoryName(text.slot),
                                 QStringList{text.context, text.source, text.disambiguation, translated});
    }
}
