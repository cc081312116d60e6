// Small layout pieces the sheets share.
#pragma once

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

namespace larkspan {

// The sheet's heading, bold and centred. A heading wider than its label
// (the fallback face runs wider than the one the sizes were made for) gets
// a smaller size rather than losing its ends.
inline void makeSheetTitle(QLabel* title)
{
    QFont f = title->font();
    f.setBold(true);
    for (int px = f.pixelSize(); px > 9; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(title->text()) <= title->width()) break;
    }
    title->setFont(f);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

// A titled group box at a fixed place, behind the controls drawn over it.
inline QGroupBox* addGroupBox(QWidget* sheet, const QRect& r, const QString& title)
{
    auto* box = new QGroupBox(title, sheet);
    box->setGeometry(r);
    box->lower();
    return box;
}

}  // namespace larkspan
