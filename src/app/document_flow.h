// The life of the open document: New, Open (from the File menu, the desktop
// or a second launch), Save, Save As, Save As Stationery, Close and Quit, with
// the save-changes question before a changed design goes away.
#pragma once

#include <QString>
#include <cstdint>

#include "app/prompts.h"
#include "app/shell_state.h"
#include "model/design.h"
#include "model/document_file.h"

class QWidget;

namespace larkspan {

// What the document flow needs of the window that shows the design.
class DocumentHost {
public:
    enum class Menus { NewDesign, Modal, NoDesign, DesignOpen };

    virtual ~DocumentHost() = default;
    virtual void setMenus(Menus menus) = 0;
    virtual void openResponseWindow() = 0;
    virtual void closeResponseWindow() = 0;
    virtual void plot() = 0;
    // The title and the changed mark follow the document.
    virtual void documentChanged() = 0;
    // Ends the program with this status; the design is already settled.
    virtual void endProgram(int status) = 0;
    virtual QWidget* promptParent() = 0;
};

class DocumentFlow {
public:
    DocumentFlow(Design& design, ShellState& shell, Prompts& prompts, DocumentHost& host);

    void newDesign();
    void open();
    // A file handed over by the desktop, a second launch or the command line.
    bool openFile(const QString& path);
    bool save();
    bool saveAs();
    void saveAsStationery();
    void close();
    void quit(int status = 0);

private:
    // Asks the save-changes question when the design has changes; true when
    // the design may go (saved or not to be saved). `waiting` is the close or
    // quit that waits for the save meanwhile.
    bool settleChanges(std::uint8_t DocumentState::*waiting);
    bool load(const QString& path);
    bool finishSave(const std::optional<FileError>& error);
    void showFileError(const FileError& error);

    Design& design_;
    ShellState& shell_;
    Prompts& prompts_;
    DocumentHost& host_;
};

}  // namespace larkspan
