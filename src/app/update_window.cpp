#include "app/update_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "app/fonts.h"

namespace larkspan {

namespace {

constexpr int kStatusPixels = 20;
constexpr int kDetailPixels = 15;

QRect fromCorners(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

QString colourName(const Colour& c)
{
    return QColor::fromRgbF(c.red, c.green, c.blue).name();
}

QFont arial(int pointSize)
{
    QFont font = uiFont(pointSize);
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    return font;
}

// A line of text the server may have written: never read as markup.
QLabel* textLine(QWidget* parent, int control, const QRect& rect, const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("control%1").arg(control));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(rect);
    label->setFont(font);
    return label;
}

// The line's text at `pixelSize`, or smaller until it fits the line: the
// fonts here are wider than the ones the sizes were chosen for.
void fitText(QLabel* label, const QString& text, int pixelSize)
{
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    while (font.pixelSize() > 9 && QFontMetrics(font).horizontalAdvance(text) > label->width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    label->setText(text);
}

}  // namespace

UpdateWindow::UpdateWindow(std::int32_t& UpdateForCheck, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Larkspan Check for Update"));
    setModal(true);
    setFixedSize(420, 150);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("control600"));
    icon->setGeometry(fromCorners(24, 20, 104, 100));
    // The program's icon; until it has one, the style's information icon.
    const QIcon appIcon = QApplication::windowIcon();
    const QIcon shown = appIcon.isNull() ? style()->standardIcon(QStyle::SP_MessageBoxInformation) : appIcon;
    icon->setPixmap(shown.pixmap(80, 80).scaled(80, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    status_ = textLine(this, 606, fromCorners(128, 25, 400, 50), arial(kStatusPixels));
    detail_ = textLine(this, 607, fromCorners(128, 55, 400, 80), arial(kDetailPixels));
    detail_->setStyleSheet(QStringLiteral("color: %1;").arg(colourName(kDetailGrey)));

    checkBox_ = new QCheckBox(QStringLiteral(" Check for New Updates on Launch."), this);
    checkBox_->setObjectName(QStringLiteral("control608"));
    checkBox_->setGeometry(fromCorners(129, 80, 380, 99));
    checkBox_->setChecked(UpdateForCheck == 1);
    std::int32_t* value = &UpdateForCheck;
    connect(checkBox_, &QCheckBox::toggled, this, [value](bool on) { *value = on ? 1 : 0; });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void UpdateWindow::showContent(const UpdateWindowContent& content)
{
    fitText(status_, QString::fromStdString(content.status), kStatusPixels);
    status_->setStyleSheet(QStringLiteral("color: %1;").arg(colourName(content.statusColour)));
    fitText(detail_, QString::fromStdString(content.detail), kDetailPixels);
    for (auto& [control, button] : buttons_) {
        button->hide();
        button->deleteLater();
    }
    buttons_.clear();
    for (const UpdateButton& b : content.buttons) {
        auto* button = new QPushButton(QString::fromStdString(b.title), this);
        button->setObjectName(QStringLiteral("control%1").arg(b.control));
        button->setGeometry(fromCorners(b.left, b.top, b.right, b.bottom));
        // Return and Enter act on the default button only, wherever the focus is.
        button->setAutoDefault(false);
        button->setDefault(b.control == content.checkUpdateBtn);
        const int control = b.control;
        connect(button, &QPushButton::clicked, this, [this, control] { emit buttonPressed(control); });
        button->show();
        buttons_[b.control] = button;
    }
    checkUpdateBtn_ = content.checkUpdateBtn;
}

void UpdateWindow::setButtonsEnabled(bool enabled)
{
    for (auto& [control, button] : buttons_) button->setEnabled(enabled);
}

QLabel* UpdateWindow::line(int control) const
{
    return control == 606 ? status_ : control == 607 ? detail_ : nullptr;
}

QPushButton* UpdateWindow::button(int control) const
{
    const auto it = buttons_.find(control);
    return it == buttons_.end() ? nullptr : it->second;
}

void UpdateWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (QPushButton* b = button(checkUpdateBtn_); b && b->isEnabled()) b->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void UpdateWindow::reject()
{
    // Escape, or a close from the window manager, presses OK so that the
    // menus come back as after OK; while no OK can be pressed it does nothing.
    for (const int ok : {601, 603, 604})
        if (QPushButton* b = button(ok); b && b->isEnabled()) return b->click();
}

}  // namespace larkspan
