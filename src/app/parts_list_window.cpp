#include "app/parts_list_window.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace larkspan {

namespace {

QString figures(double v, int precision = 4)
{
    return QString::number(v, 'g', precision);
}

QString unitOf(PartKind k)
{
    return k == PartKind::C ? QStringLiteral(" uF") : k == PartKind::L ? QStringLiteral(" mH") : QStringLiteral(" ohm");
}

QString chosenText(const NetworkPart& p)
{
    const auto& c = p.chosen;
    if (c.values.size() != 2) return figures(c.values.at(0)) + unitOf(p.kind);
    return figures(c.values[0]) + (c.parallel ? QStringLiteral(" || ") : QStringLiteral(" + ")) + figures(c.values[1]) +
           unitOf(p.kind);
}

QString peakText(const Peak& p, const char* unit)
{
    return figures(p.value, 3) + QLatin1String(unit) + QStringLiteral(" at ") + QString::number(p.atHz, 'f', 0) +
           QStringLiteral(" Hz");
}

}  // namespace

PartsListWindow::PartsListWindow(QWidget* parent, std::function<PartsList()> make)
    : QDialog(parent), make_(std::move(make))
{
    setWindowTitle(QStringLiteral("Parts List"));
    auto* top = new QHBoxLayout;
    series_ = new QLabel(this);
    watts_ = new QDoubleSpinBox(this);
    watts_->setRange(0.1, 10000);
    watts_->setSuffix(QStringLiteral(" W"));
    ohms_ = new QDoubleSpinBox(this);
    ohms_->setRange(0.1, 1000);
    ohms_->setSuffix(QStringLiteral(" ohm"));
    volts_ = new QLabel(this);
    top->addWidget(series_);
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("Amplifier"), this));
    top->addWidget(watts_);
    top->addWidget(new QLabel(QStringLiteral("into"), this));
    top->addWidget(ohms_);
    top->addWidget(volts_);

    reason_ = new QLabel(this);
    reason_->setWordWrap(true);
    table_ = new QTableWidget(this);
    table_->setColumnCount(8);
    table_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Ideal"), QStringLiteral("Chosen"),
                                       QStringLiteral("Deviation"), QStringLiteral("Voltage"),
                                       QStringLiteral("Current"), QStringLiteral("Power"), QStringLiteral("Rating")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(reason_);
    layout->addWidget(table_);
    resize(980, 560);

    const auto changed = [this] { emit stressChanged({watts_->value(), ohms_->value()}); };
    connect(watts_, &QDoubleSpinBox::valueChanged, this, changed);
    connect(ohms_, &QDoubleSpinBox::valueChanged, this, changed);
}

void PartsListWindow::setStress(const StressSettings& s)
{
    const QSignalBlocker a(watts_), b(ohms_);
    watts_->setValue(s.watts);
    ohms_->setValue(s.nominalOhm);
}

void PartsListWindow::setSeriesText(const QString& text)
{
    series_->setText(QStringLiteral("Standard values: ") + text);
}

void PartsListWindow::refresh()
{
    const PartsList list = make_();
    const StressSettings s{watts_->value(), ohms_->value()};
    volts_->setText(QStringLiteral("= ") + figures(s.inputVolts(), 3) + QStringLiteral(" V rms"));
    reason_->setText(list.reason.empty() ? QString()
                                         : QStringLiteral("No parts list: ") + QString::fromStdString(list.reason));
    reason_->setVisible(!list.reason.empty());
    table_->setRowCount(static_cast<int>(list.rows.size()));
    int row = 0;
    for (const auto& r : list.rows) {
        const QStringList cells{
            QString::fromStdString(r.part.name),
            figures(r.part.ideal) + unitOf(r.part.kind),
            chosenText(r.part),
            QString::number(r.part.chosen.deviationPercent, 'f', 2) + QStringLiteral(" %"),
            peakText(r.stress.vrms, " V"),
            peakText(r.stress.irms, " A"),
            r.part.kind == PartKind::R ? peakText(r.stress.watts, " W") : QString(),
            figures(r.rating.value) + QLatin1Char(' ') + QLatin1String(r.rating.unit) +
                (r.rating.ok ? QString() : QStringLiteral(", series too low")),
        };
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (!r.rating.ok) item->setForeground(Qt::red);
            table_->setItem(row, c, item);
        }
        ++row;
    }
}

}  // namespace larkspan
