// Small layout pieces the sheets share.
#pragma once

#include <QGroupBox>
#include <QLabel>

namespace larkspan {

// The sheet's heading, bold and centred.
inline void makeSheetTitle(QLabel* title)
{
    QFont f = title->font();
    f.setBold(true);
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
