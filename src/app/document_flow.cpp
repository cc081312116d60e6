#include "app/document_flow.h"

#include <QFileInfo>

#include "rules/document_rules.h"

namespace larkspan {

using Menus = DocumentHost::Menus;

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

void DocumentFlow::open()
{
    const QString path = prompts_.openPath(host_.promptParent());
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
    const QString path = prompts_.savePath(host_.promptParent(), QStringLiteral("Save This File As..."),
                                           QString::fromStdString(design_.fileName1));
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
        prompts_.savePath(host_.promptParent(), QStringLiteral("Save This Stationery File As..."), proposed);
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
