#include "app/preferences_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QPushButton>
#include <QScreen>

#include "app/fonts.h"

namespace larkspan {

PreferencesDialog::PreferencesDialog(Preferences& prefs, QWidget* parent) : QDialog(parent), prefs_(prefs)
{
    setWindowTitle(QStringLiteral("Larkspan Preferences"));
    setModal(true);
    setFixedSize(330, 225);

    auto* group = new QGroupBox(QStringLiteral(" Larkspan State on Launch"), this);
    group->setObjectName(QStringLiteral("control501"));
    group->setFont(uiFont(13));
    group->setGeometry(20, 10, 290, 155);

    struct Row {
        int control;
        int top;
        const char* title;
        std::int32_t* value;
    };
    const Row rows[] = {
        {502, 40, " Save Current Position of Window", &prefs_.BoundsCheck},
        {503, 70, " Use Snap and Copy Sound Effect", &prefs_.SoundCheck},
        {504, 100, " Print Date at Printing", &prefs_.PrintDateCheck},
        {505, 130, " Check for New Updates on Launch", &prefs_.UpdateForCheck},
    };
    for (int i = 0; i < 4; ++i) {
        const Row& r = rows[i];
        auto* box = new QCheckBox(QString::fromUtf8(r.title), this);
        box->setObjectName(QStringLiteral("control%1").arg(r.control));
        box->setGeometry(50, r.top, 250, 20);
        box->setChecked(*r.value == 1);
        std::int32_t* value = r.value;
        connect(box, &QCheckBox::toggled, this, [value](bool on) { *value = on ? 1 : 0; });
        boxes_[i] = box;
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("control506"));
    ok->setGeometry(240, 185, 70, 20);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // Departure: the first time (no place remembered yet, the default is the
    // screen's top left corner) the window opens centred over the main window.
    const bool remembered = prefs_.PrefeBounds.top != 0 || prefs_.PrefeBounds.left != 0;
    if (prefs_.BoundsCheck == 1 && remembered) {
        move(prefs_.PrefeBounds.left, prefs_.PrefeBounds.top);
    } else if (parent) {
        move(parent->window()->geometry().center() - rect().center());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QCheckBox* PreferencesDialog::checkBox(int control) const
{
    return control >= 502 && control <= 505 ? boxes_[control - 502] : nullptr;
}

void PreferencesDialog::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    const QRect g = geometry();
    prefs_.PrefeBounds = {static_cast<std::int16_t>(g.top()), static_cast<std::int16_t>(g.left()),
                          static_cast<std::int16_t>(g.bottom() + 1), static_cast<std::int16_t>(g.right() + 1)};
}

}  // namespace larkspan
