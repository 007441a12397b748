#pragma once
// The paper a print job asks of the printer: its size, which way the page
// lies on it, and whether the page is the whole sheet.
#include <QPageLayout>
#include <QPageSize>

struct PageSetup {
    QPageSize paper = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // The page covers the whole sheet, origin at its corner, no margins.
    bool fullPage = false;
};
