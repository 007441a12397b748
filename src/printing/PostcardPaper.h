#pragma once
// Postcard paper: the ready-cut sheets modes 8 and 9 print on, and which of a
// printer's paper sizes a job on them asks for.
#include <QList>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

namespace PostcardPaper {

// The sheets of the paper list, in its order.
enum Id : int { A6, TienBijVijftien };

// The text of the paper list ("A6 (148 x 105 mm)"), in the language shown.
QString caption(Id paper);
QStringList captions();
// The key the settings keep, and back; an unknown key gives A6.
QString key(Id paper);
Id fromKey(const QString& key);
// The sheet's size, portrait.
QPageSize pageSize(Id paper);

}

// The paper sizes a printer offers.
struct PaperOffer {
    QList<QPageSize> sizes;     // the sizes its driver lists
    bool customSizes = false;   // it takes any size as well
    bool anySize = false;       // a PDF file: every size is there
};

// Whether a listed size is a driver's borderless variant ("A6.Borderless", "A6.FB").
bool isBorderlessVariant(const QPageSize& size);

// The size a job for `wanted` asks of a printer with `offer`: its own listed
// size (its borderless variant first when `borderless`), else the exact size
// when it takes custom sizes, or nothing when it has no such paper.
std::optional<QPageSize> choosePaper(const PaperOffer& offer, const QPageSize& wanted, bool borderless);

// What the print window says when the printer has no such paper.
QString missingPaperMessage(const QString& printerName, const QString& paperCaption);
