// Everything the program asks or tells the user in a window of its own: the
// beep, sounds, alerts, the save-changes question, the file-error alert, the
// file dialogs and the page setup and print sheets. The window and the sheets talk to this interface, so that tests
// answer in place of the user.
#pragma once

#include <QString>
#include <array>
#include <string>

class QPrinter;
class QWidget;

namespace larkspan {

class Prompts {
public:
    enum class SaveChanges { Save, DontSave, Cancel };
    enum class FileErrorChoice { Stop, Continue };

    virtual ~Prompts() = default;

    virtual void beep() = 0;
    // A sound of the resource folder "Images", played to its end.
    virtual void playSound(const QString& soundFile) = 0;
    // A caution alert with an OK button, over the window `over`.
    virtual void alert(QWidget* over, const QString& title, const QString& message) = 0;
    // Save / Don't Save / Cancel for the changed document `documentName`.
    virtual SaveChanges askSaveChanges(QWidget* over, const QString& documentName) = 0;
    // The three lines of a file error, with Stop and Continue.
    virtual FileErrorChoice fileError(QWidget* over, const std::array<std::string, 3>& lines) = 0;
    // The file chosen to open or to save into; "" when the user cancels.
    virtual QString openPath(QWidget* over) = 0;
    virtual QString savePath(QWidget* over, const QString& prompt, const QString& proposedName) = 0;
    // The page setup sheet on the printer's page layout, with the user's
    // scale in percent; true when the user confirmed it.
    virtual bool pageSetup(QWidget* over, QPrinter& printer, double& scale) = 0;
    // The print sheet; true for Print.
    virtual bool print(QWidget* over, QPrinter& printer) = 0;
    // A stop alert (print errors, a failed picture write) with Stop and
    // Continue.
    virtual FileErrorChoice stopAlert(QWidget* over, const QString& title, const QString& message) = 0;
};

}  // namespace larkspan
