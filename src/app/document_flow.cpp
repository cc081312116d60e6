#include "app/document_flow.h"

#include <QFileInfo>
#include <string_view>

#include "rules/document_rules.h"

namespace larkspan {

using Menus = DocumentHost::Menus;

namespace {

// Departure: a name typed without an extension gets ours, so that the file
// can be opened again (Open and the desktop take only our extensions).
QString withExtension(const QString& path, std::string_view extension)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + QLatin1Char('.') + QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size()));
}

}  // namespace

DocumentFlow::DocumentFlow(Design& design, ShellState& shell, Prompts& prompts, DocumentHost& host)
    : design_(design), shell_(shell), prompts_(prompts), host_(host)
{
}

void DocumentFlow::newDesign()
{
    larkspan::newDesign(design_, shell_.doc);
    shell_.GPrintScale = 100.0;
    shell_.PMOrientFlag = 0;
    host_.setMenus(Menus::NewDesign);
    host_.openResponseWindow();
    host_.plot();
}

QString DocumentFlow::documentFolder() const
{
    if (!shell_.doc.FileOpenFlag && !design_.SaveAsFlag) return {};
    return QString::fromStdString(shell_.doc.fileUrl.parent_path().string());
}

void DocumentFlow::open()
{
    const QString path = prompts_.openPath(host_.promptParent(), documentFolder());
    if (path.isEmpty() || !isDesignFileName(QFileInfo(path).fileName().toStdString())) return;
    load(path);
}

bool DocumentFlow::openFile(const QString& path)
{
    // Only our two extensions, compared exactly; anything else is ignored.
    if (!isDesignFileName(QFileInfo(path).fileName().toStdString())) return false;
    if (shell_.RespWndOpenFlag) {
        if (!settleChanges(&DocumentState::WndCloseFlag)) return false;
        host_.closeResponseWindow();
    }
    return load(path);
}

bool DocumentFlow::load(const QString& path)
{
    shell_.GPrintScale = 100.0;
    shell_.PMOrientFlag = 0;
    const auto error = openDesignFile(design_, shell_.doc, path.toStdString());
    host_.setMenus(Menus::DesignOpen);
    host_.openResponseWindow();
    host_.plot();
    if (error) {
        showFileError(*error);
        return false;
    }
    return true;
}

bool DocumentFlow::save()
{
    if (saveNeedsName(design_)) return saveAs();
    return finishSave(SaveFile(design_, shell_.doc));
}

bool DocumentFlow::saveAs()
{
    host_.setMenus(Menus::Modal);
    const QString path = withExtension(
        prompts_.savePath(host_.promptParent(), QStringLiteral("Save This File As..."),
                          QString::fromStdString(design_.fileName1), documentFolder(), Prompts::FileKind::Document),
        kDocumentExtension);
    if (path.isEmpty()) {
        dropWaitingCloseOrQuit(shell_.doc);
        host_.setMenus(Menus::DesignOpen);
        return false;
    }
    const auto error = saveAsChosen(design_, shell_.doc, path.toStdString());
    host_.setMenus(Menus::DesignOpen);
    return finishSave(error);
}

void DocumentFlow::saveAsStationery()
{
    host_.setMenus(Menus::Modal);
    const QString proposed = QString::fromStdString(stationeryProposedName(design_.fileName1));
    const QString path =
        withExtension(prompts_.savePath(host_.promptParent(), QStringLiteral("Save This Stationery File As..."),
                                        proposed, documentFolder(), Prompts::FileKind::Stationery),
                      kStationeryExtension);
    host_.setMenus(Menus::DesignOpen);
    if (path.isEmpty()) return;
    if (const auto error = saveStationeryChosen(design_, path.toStdString())) showFileError(*error);
}

bool DocumentFlow::finishSave(const std::optional<FileError>& error)
{
    host_.documentChanged();
    if (!error) return true;
    showFileError(*error);
    return false;
}

void DocumentFlow::close()
{
    if (settleChanges(&DocumentState::WndCloseFlag)) host_.closeResponseWindow();
}

void DocumentFlow::quit(int status)
{
    if (!shell_.RespWndOpenFlag || settleChanges(&DocumentState::QuitAppFlag)) host_.endProgram(status);
}

bool DocumentFlow::settleChanges(std::uint8_t DocumentState::*waiting)
{
    if (design_.DirtyFlag != 1) return true;
    shell_.doc.*waiting = 1;
    host_.setMenus(Menus::Modal);
    switch (prompts_.askSaveChanges(host_.promptParent(), QString::fromStdString(design_.fileName1))) {
        case Prompts::SaveChanges::DontSave:
            return true;
        case Prompts::SaveChanges::Save:
            // A failed or cancelled save drops the waiting close or quit.
            if (save() && shell_.doc.*waiting == 1) return true;
            break;
        case Prompts::SaveChanges::Cancel:
            break;
    }
    dropWaitingCloseOrQuit(shell_.doc);
    host_.setMenus(Menus::DesignOpen);
    host_.plot();
    return false;
}

void DocumentFlow::showFileError(const FileError& error)
{
    // Stop ends the program, but a changed design is not dropped without the
    // save-changes question.
    if (prompts_.fileError(host_.promptParent(), fileErrorAlertLines(error)) == Prompts::FileErrorChoice::Stop) quit(1);
}

}  // namespace larkspan
