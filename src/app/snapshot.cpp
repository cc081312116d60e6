#include "app/snapshot.h"

#include <QImageWriter>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

#include "app/response_view.h"
#include "drawing/printed_page.h"

namespace larkspan {

QImage snapshotPicture(QWidget& content)
{
    return content.grab().toImage();
}

std::optional<QString> writePngFile(const QImage& picture, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    QImageWriter writer(&file, "png");
    if (!writer.write(picture)) {
        file.cancelWriting();
        return writer.errorString();
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

void SnapShot(PrintShell& s, PrintPrompts& prompts)
{
    ResponseView* view = s.view ? s.view() : nullptr;
    if (!s.shell->RespWndOpenFlag || !view) {
        s.beep();
        return;
    }
    if (s.shell->prefs.SoundCheck == 1) s.playSound(QStringLiteral("Shutter.aif"));
    const QImage picture = snapshotPicture(*view);
    s.initMenu2();
    ++s.shell->SnapNum;
    const QString proposed = QString::fromStdString(snapshotFileName(s.shell->SnapNum, s.design->s_Resp));
    const QString path = prompts.savePng(QStringLiteral("Save This PNG File As..."), proposed);
    bool stop = false;
    if (path.isEmpty()) {
        --s.shell->SnapNum;
    } else if (const auto failure = writePngFile(picture, path)) {
        s.beep();
        stop = prompts.stopAlert(QStringLiteral("SaveImageFile failed"), path + QStringLiteral("\n") + *failure);
    }
    s.initMenu4();
    if (stop) s.stopProgram();
}

}  // namespace larkspan
