#pragma once
// A spin box for decimal numbers that takes a point as well as a comma.
#include <QDoubleSpinBox>
#include <QLocale>

class DecimalSpinBox : public QDoubleSpinBox {
public:
    explicit DecimalSpinBox(QWidget* parent = nullptr) : QDoubleSpinBox(parent)
    {
        setLocale(QLocale(QLocale::Dutch, QLocale::Netherlands));
        setGroupSeparatorShown(false);
    }

    QValidator::State validate(QString& text, int& pos) const override
    {
        text.replace(QLatin1Char('.'), QLatin1Char(','));
        return QDoubleSpinBox::validate(text, pos);
    }

    double valueFromText(const QString& text) const override
    {
        QString comma = text;
        comma.replace(QLatin1Char('.'), QLatin1Char(','));
        return QDoubleSpinBox::valueFromText(comma);
    }
};
