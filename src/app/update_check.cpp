#include "app/update_check.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QStandardPaths>
#include <QTimer>

#include "app/update_download.h"
#include "app/update_window.h"
#include "update/update_address.h"
#include "update/version_request.h"

namespace larkspan {

namespace {

QString latin1(std::string_view s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

std::optional<bool> InternetAvailable(const QUrl& url)
{
    // This computer is always reachable from itself.
    if (QHostAddress(url.host()).isLoopback()) return true;
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend()) return std::nullopt;
    const QNetworkInformation* info = QNetworkInformation::instance();
    if (!info) return std::nullopt;
    switch (info->reachability()) {
        case QNetworkInformation::Reachability::Online:
            return true;
        case QNetworkInformation::Reachability::Unknown:
            return std::nullopt;
        default:
            return false;
    }
}

QString downloadsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

void ObjectToTrash(const QString& fileName)
{
    const QString path = QDir(downloadsFolder()).filePath(fileName);
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) return;
    // Without the data folder the trash would be made in the current folder.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    if (!QFile::moveToTrash(path)) QFile::remove(path);
}

UpdateChecker::UpdateChecker(ShellState& shell, UpdateHost host, QWidget* windowParent)
    : QObject(windowParent),
      shell_(shell),
      host_(std::move(host)),
      windowParent_(windowParent),
      manager_(new QNetworkAccessManager(this)),
      request_(new VersionRequest(this)),
      download_(new UpdateDownload(this))
{
    schedule = [this](int millis, std::function<void()> action) {
        QTimer::singleShot(millis, this, std::move(action));
    };
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };

    connect(request_, &VersionRequest::finished, this, [this](bool ok, const QByteArray& answer, const QString&) {
        if (ok) {
            const std::string text = availStrFrom(answer.toStdString());
            availStr_ = latin1(text);
            bundleStr_ = QCoreApplication::applicationVersion();
            flags_.UpdateOkFlag = updateOffered(text, bundleStr_.toStdString()) ? 1 : 0;
        } else {
            // A request that fails shows as a failed network, where the
            // system's network information could not tell.
            flags_.NetConnectFlag = 1;
        }
        emit versionAnswered();
    });
    connect(download_, &UpdateDownload::finished, this, [this](bool ok, const QString&) {
        flags_.DownLoadOkFlag = ok ? 0 : 1;
        emit downloadEnded();
    });
}

UpdateChecker::~UpdateChecker() = default;

void UpdateChecker::checkFromMenu()
{
    host_.menusModal();
    InitUpdateFlag(flags_);
    flags_.CheckByMenuFlag = 1;
    CheckForVersion();
}

void UpdateChecker::checkAtLaunch()
{
    if (!startsLaunchCheck(shell_.prefs.UpdateForCheck, shell_.CheckForUpFlag, shell_.FastOpenFlag)) return;
    shell_.CheckForUpFlag = 1;
    CheckForVersion();
}

void UpdateChecker::CheckForVersion()
{
    const QUrl url = checkVerURL(updateBaseUrl());
    const std::optional<bool> available = InternetAvailable(url);
    flags_.NetConnectFlag = available == false ? 1 : 0;
    bundleStr_ = QCoreApplication::applicationVersion();
    request_->start(*manager_, url);
    schedule(kCheckResultMillis, [this] { checkTimerFired(); });
}

void UpdateChecker::checkTimerFired()
{
    // The results as they stand now; a later answer is not shown.
    if (!showsUpdateWindow(flags_) || window_) return;
    showWindow(CheckForUpdateWnd(flags_, availStr_.toStdString(), bundleStr_.toStdString()));
}

void UpdateChecker::showWindow(const UpdateWindowContent& content)
{
    host_.menusModal();
    if (!window_) {
        window_ = new UpdateWindow(shell_.prefs.UpdateForCheck, windowParent_);
        connect(window_, &UpdateWindow::buttonPressed, this, &UpdateChecker::buttonPressed);
    }
    window_->showContent(content);
    window_->show();
}

void UpdateChecker::buttonPressed(int control)
{
    if (control == 601 || control == 603 || control == 604) return closeWindow();
    if (control == 602) return Download();
    if (control == 605) return launchInstaller();
}

void UpdateChecker::closeWindow()
{
    if (UpdateWindow* window = window_) {
        window_ = nullptr;
        window->hide();
        window->deleteLater();
    }
    host_.menusBack();
}

void UpdateChecker::Download()
{
    window_->setButtonsEnabled(false);
    ObjectToTrash(latin1(downFileZip));
    ObjectToTrash(latin1(downFileName));
    schedule(kTrashPauseMillis, [this] {
        startDownload();
        schedule(kDownloadResultMillis, [this] { downloadTimerFired(); });
    });
}

void UpdateChecker::startDownload()
{
    const QUrl url = downloadURL(updateBaseUrl());
    if (!download_->start(*manager_, url, downloadsFolder(), downloadCap, kDownloadTimeoutMillis))
        flags_.DownLoadOkFlag = 1;
}

void UpdateChecker::downloadTimerFired()
{
    if (!window_) return;
    window_->showContent(ShowDownLoadFinished(flags_));
}

void UpdateChecker::launchInstaller()
{
    // Opens, never runs: the desktop's application for each file takes over.
    // The program then ends through the Quit command rather than ending at
    // once, so that a changed design is not lost without the question.
    window_->setButtonsEnabled(false);
    const QDir downloads(downloadsFolder());
    const auto open = [this, downloads](std::string_view name) {
        const QString path = downloads.filePath(latin1(name));
        if (QFileInfo::exists(path)) openUrl(QUrl::fromLocalFile(path));
    };
    open(downFileZip);
    schedule(kArchiveToPackageMillis, [this, open] {
        open(downFileName);
        schedule(kPackageToQuitMillis, [this] {
            closeWindow();
            host_.quit();
        });
    });
}

}  // namespace larkspan
