#include "app/snapshot.h"

#include <QImageWriter>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

#include "app/response_view.h"
#include "drawing/printed_page.h"

namespace larkspan {

QImage snapshotPicture(ResponseView& content)
{
    return content.grab(content.drawingRect()).toImage();
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

void SnapShot(PrintShell& s)
{
    Prompts& prompts = *s.prompts;
    if (!s.shell->RespWndOpenFlag || !s.view) {
        prompts.beep();
        return;
    }
    if (s.shell->prefs.SoundCheck == 1) prompts.playSound(QStringLiteral("Shutter.aif"));
    const QImage picture = snapshotPicture(*s.view);
    s.initMenu2();
    ++s.shell->SnapNum;
    const QString proposed = QString::fromStdString(snapshotFileName(s.shell->SnapNum, s.design->s_Resp));
    const QString path = prompts.savePath(s.window, QStringLiteral("Save This PNG File As..."), proposed, QString(),
                                          Prompts::FileKind::Other);
    bool stop = false;
    if (path.isEmpty()) {
        --s.shell->SnapNum;
    } else if (const auto failure = writePngFile(picture, path)) {
        prompts.beep();
        stop = prompts.stopAlert(s.window, QStringLiteral("SaveImageFile failed"),
                                 path + QStringLiteral("\n") + *failure) == Prompts::FileErrorChoice::Stop;
    }
    s.initMenu4();
    if (stop) s.stopProgram();
}

}  // namespace larkspan
