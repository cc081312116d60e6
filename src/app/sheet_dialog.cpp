#include "app/sheet_dialog.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <algorithm>

#include "app/fonts.h"
#include "model/number_text.h"

namespace larkspan {

namespace {

// Splits "text\@BL" into the text and its placement code.
std::pair<QString, QString> splitHelp(const QString& help)
{
    const qsizetype at = help.lastIndexOf(QStringLiteral("\\@"));
    if (at < 0) return {help, QStringLiteral("BL")};
    return {help.left(at), help.mid(at + 2)};
}

}  // namespace

SheetDialog::SheetDialog(QWidget* parent, int windowNumber, QSize size, Prompts& prompts)
    : QDialog(parent, Qt::Sheet), windowNumber_(windowNumber), prompts_(prompts)
{
    setWindowModality(Qt::WindowModal);
    setFixedSize(size);
    setFont(uiFont(13));
}

QLineEdit* SheetDialog::field(int id) const
{
    const auto it = fields_.find(id);
    return it == fields_.end() ? nullptr : it->second;
}

QPushButton* SheetDialog::button(int id) const
{
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

QLabel* SheetDialog::label(int id) const
{
    const auto it = labels_.find(id);
    return it == labels_.end() ? nullptr : it->second;
}

QLabel* SheetDialog::addLabel(int id, const QRect& r, const QString& text, const QString& help, int pointSize)
{
    auto* l = new QLabel(text, this);
    l->setGeometry(r);
    l->setFont(uiFont(pointSize));
    if (!help.isEmpty()) setHelp(l, help);
    if (id) labels_[id] = l;
    return l;
}

QLineEdit* SheetDialog::addField(int id, const QRect& r, const QString& help)
{
    auto* e = new QLineEdit(this);
    e->setGeometry(r);
    e->setObjectName(QStringLiteral("field%1").arg(id));
    // The I-beam over edit fields is QLineEdit's own cursor.
    e->installEventFilter(this);
    connect(e, &QLineEdit::textEdited, this, &SheetDialog::clearRefusal);
    if (!help.isEmpty()) setHelp(e, help);
    fields_[id] = e;
    return e;
}

QPushButton* SheetDialog::addButton(int id, const QRect& r, const QString& text, const QString& help)
{
    auto* b = new QPushButton(text, this);
    b->setGeometry(r);
    b->setObjectName(QStringLiteral("button%1").arg(id));
    b->setAutoDefault(false);
    if (!help.isEmpty()) setHelp(b, help);
    buttons_[id] = b;
    if (id == 1) {
        b->setDefault(true);
        connect(b, &QPushButton::clicked, this, &SheetDialog::pressOk);
    } else if (id == 2) {
        connect(b, &QPushButton::clicked, this, &SheetDialog::pressCancel);
    }
    return b;
}

bool SheetDialog::mustBePositive(int id) const
{
    return !field(id)->isReadOnly();
}

void SheetDialog::showRefusal(const std::vector<QLineEdit*>& refused)
{
    clearRefusal();
    if (refused.empty()) return;
    // Departure: a refusal is shown, not only beeped (a beep is silent
    // without audio): the fields are marked and the reason is shown below
    // the first of them until the next keystroke.
    for (QLineEdit* e : refused) {
        e->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #d0021b; }"));
        refused_.push_back(e);
    }
    if (!reason_) {
        reason_ = new QLabel(this);
        reason_->setObjectName(QStringLiteral("refusal"));
        reason_->setFont(uiFont(11));
        reason_->setStyleSheet(QStringLiteral(
            "QLabel { color: #d0021b; background: #fff4f4; border: 1px solid #d0021b; padding: 1px 4px; }"));
    }
    reason_->setText(QStringLiteral("Enter a number greater than 0"));
    reason_->adjustSize();
    const QRect at = refused.front()->geometry();
    reason_->move(std::min(at.left(), width() - reason_->width() - 4), at.bottom() + 2);
    reason_->raise();
    reason_->show();
}

void SheetDialog::clearRefusal()
{
    for (QLineEdit* e : refused_) e->setStyleSheet(QString());
    refused_.clear();
    if (reason_) reason_->hide();
}

QString SheetDialog::refusalShown() const
{
    return reason_ && reason_->isVisible() ? reason_->text() : QString();
}

void SheetDialog::setHelp(QWidget* w, const QString& helpWithCode)
{
    const auto [text, code] = splitHelp(helpWithCode);
    w->setToolTip(text);
    placement_[w] = code;
    w->installEventFilter(this);
}

void SheetDialog::showNumber(int id, std::string_view text)
{
    if (text.starts_with(' ')) text.remove_prefix(1);
    field(id)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void SheetDialog::focusField(int id)
{
    if (QLineEdit* e = field(id)) {
        e->setFocus(Qt::OtherFocusReason);
        e->selectAll();
        edtFldID_ = id;
    }
}

bool SheetDialog::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && event->type() == QEvent::FocusIn) {
        for (const auto& [id, e] : fields_)
            if (e == w) edtFldID_ = id;
    }
    if (w && event->type() == QEvent::ToolTip) {
        const auto it = placement_.find(w);
        if (it != placement_.end() && !w->toolTip().isEmpty()) {
            const QString& text = w->toolTip();
            QPoint at = w->mapToGlobal(QPoint(0, w->height()));  // below, left edges aligned
            if (it->second == QLatin1String("LB")) {
                const int width = QFontMetrics(QToolTip::font()).horizontalAdvance(text) + 12;
                at = w->mapToGlobal(QPoint(-width, w->height() - QFontMetrics(QToolTip::font()).height() - 6));
            }
            QToolTip::showText(at, text, w);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SheetDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pressOk();
            return;
        case Qt::Key_Escape:
            pressCancel();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void SheetDialog::reject()
{
    pressCancel();
}

void SheetDialog::pressOk()
{
    apply(okAction());
}

void SheetDialog::pressCancel()
{
    apply(cancelAction());
}

void SheetDialog::apply(const SheetOutcome& outcome)
{
    for (int i = 0; i < outcome.beeps; ++i) prompts_.beep();
    // The refused entries are read from the fields as typed, before the
    // model's values are shown in them again.
    const bool refused = outcome.beeps > 0 && !outcome.alert && !outcome.closed;
    std::vector<QLineEdit*> refusedFields;
    if (refused) {
        for (const auto& [id, e] : fields_)
            if (mustBePositive(id) && !(textToNumber(e->text().toStdString()) > 0)) refusedFields.push_back(e);
        if (refusedFields.empty() && field(edtFldID_)) refusedFields.push_back(field(edtFldID_));
    }
    display();
    showRefusal(refusedFields);
    if (outcome.alert)
        prompts_.alert(this, QString::fromStdString(outcome.alert->title),
                       QString::fromStdString(outcome.alert->message));
    if (!outcome.sound.empty()) prompts_.playSound(QString::fromStdString(outcome.sound));
    if (!outcome.closed) return;
    if (outcome.redraw)
        QDialog::accept();
    else
        QDialog::done(QDialog::Rejected);
}

}  // namespace larkspan
