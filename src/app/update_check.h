// The update check of the desktop program: the version request, the two
// one-shot timers that read its results and the download's, window 11 and the
// hand-over to the installer. All of it runs on the main event loop.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

#include "app/shell_state.h"
#include "app/update_window.h"
#include "rules/update_rules.h"

class QNetworkAccessManager;

namespace larkspan {

class UpdateDownload;
class VersionRequest;

// What the check needs of the rest of the program.
struct UpdateHost {
    std::function<void()> menusModal;  // the menus into the modal state
    std::function<void()> menusBack;   // the design-open or the no-design state
    std::function<void()> quit;        // the Quit command: preferences saved, changes asked about
};

// True or false as the system's network information reports the connection to
// `url`; nothing when it cannot tell (no backend, or a state it does not know),
// and the request's own result decides.
std::optional<bool> InternetAvailable(const QUrl& url);

class UpdateChecker : public QObject {
    Q_OBJECT

public:
    UpdateChecker(ShellState& shell, UpdateHost host, QWidget* windowParent);
    ~UpdateChecker() override;

    // "Check for Updates...": reset the flags, then check as asked from the menu.
    void checkFromMenu();
    // After the first design is shown, or a document is opened from the
    // desktop: checks once per run when the preferences ask for it.
    void checkAtLaunch();
    void CheckForVersion();
    // Window 11 with `content`, the menus modal while it is up.
    void showWindow(const UpdateWindowContent& content);

    const UpdateFlags& flags() const { return flags_; }
    const QString& availStr() const { return availStr_; }
    UpdateWindow* window() const { return window_; }

    // Runs `action` after `millis` on the event loop; tests replace it to run
    // the timers when they choose.
    std::function<void(int millis, std::function<void()> action)> schedule;
    // Opens a file with the desktop's application for it; tests record.
    std::function<void(const QUrl& url)> openUrl;
    qint64 downloadCap = kDownloadCap;

signals:
    void versionAnswered();
    void downloadEnded();

private:
    void checkTimerFired();
    void buttonPressed(int control);
    void Download();
    void startDownload();
    void downloadTimerFired();
    void launchInstaller();
    void closeWindow();

    ShellState& shell_;
    UpdateHost host_;
    QWidget* windowParent_;
    QNetworkAccessManager* manager_;
    VersionRequest* request_;
    UpdateDownload* download_;
    QPointer<UpdateWindow> window_;
    UpdateFlags flags_;
    QString availStr_;
    QString bundleStr_;
};

// The user's Downloads folder.
QString downloadsFolder();
// Moves a file of the Downloads folder to the trash, or removes it where the
// system has no trash.
void ObjectToTrash(const QString& fileName);

}  // namespace larkspan
