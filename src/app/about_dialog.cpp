#include "app/about_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace larkspan {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 24);
    auto* name = new QLabel(QStringLiteral("Larkspan"), this);
    QFont big = name->font();
    big.setPointSize(22);
    big.setBold(true);
    name->setFont(big);
    auto* line = new QLabel(QStringLiteral("Speaker network design software"), this);
    auto* version = new QLabel(QStringLiteral("Version %1").arg(QApplication::applicationVersion()), this);
    for (QLabel* l : {name, line, version}) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
}

void AboutDialog::mousePressEvent(QMouseEvent*)
{
    // A click anywhere in the window closes it, as Return and Enter do.
    accept();
}

}  // namespace larkspan
