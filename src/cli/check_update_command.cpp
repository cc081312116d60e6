// `check-update`: the update check's request and comparison, synchronously.
#include "cli/cli.h"
#include "cli/json.h"

#if LARKSPAN_CLI_HAS_QT
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <memory>

#include "rules/update_rules.h"
#include "update/update_address.h"
#include "update/version_request.h"
#endif

namespace larkspan::cli {

#if LARKSPAN_CLI_HAS_QT

namespace {

struct Answer {
    bool ok = false;
    QByteArray text;
    QString reason;
};

Answer askServer(const QUrl& url)
{
    QNetworkAccessManager manager;
    VersionRequest request;
    QEventLoop loop;
    Answer answer;
    QObject::connect(&request, &VersionRequest::finished, &loop,
                     [&](bool ok, const QByteArray& text, const QString& reason) {
                         answer = {ok, text, reason};
                         loop.quit();
                     });
    request.start(manager, url);
    loop.exec();
    return answer;
}

}  // namespace

int checkUpdateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    bool json = false;
    for (const std::string& a : args) {
        if (a == "--help") {
            out << "usage: larkspan-cli check-update [--json]\n"
                   "Asks the update server for its version (LARKSPAN_UPDATE_URL) and compares it with this one.\n";
            return kOk;
        }
        if (a != "--json") {
            err << "larkspan-cli: check-update takes only --json, not '" << a << "'\n";
            return kRefused;
        }
        json = true;
    }
    std::unique_ptr<QCoreApplication> app;
    static int argc = 1;
    static char name[] = "larkspan-cli";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Larkspan"));
    QCoreApplication::setOrganizationName(QStringLiteral("Larkspan"));

    const Answer answer = askServer(checkVerURL(updateBaseUrl()));
    if (!answer.ok) {
        err << "larkspan-cli: the update check failed: " << answer.reason.toStdString() << "\n";
        return kIoError;
    }
    const std::string availStr = availStrFrom(answer.text.toStdString());
    const std::string server =
        QString::fromLatin1(availStr.data(), static_cast<qsizetype>(availStr.size())).toStdString();
    const std::string bundleStr = LARKSPAN_VERSION;
    const bool offered = updateOffered(availStr, bundleStr);
    if (json)
        out << JsonObject()
                   .addString("server", server)
                   .addString("this", bundleStr)
                   .addBool("updateOffered", offered)
                   .str()
            << "\n";
    else
        out << "server version: " << server << "\nthis version: " << bundleStr
            << "\nupdate offered: " << (offered ? "yes" : "no") << "\n";
    return kOk;
}

#else

int checkUpdateCommand(const std::vector<std::string>&, std::ostream&, std::ostream& err)
{
    err << "larkspan-cli: check-update needs the network support of Qt, and this build was made without Qt\n";
    return kRefused;
}

#endif

}  // namespace larkspan::cli
