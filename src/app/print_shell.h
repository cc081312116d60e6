// What Page Setup, Print and Snapshot take from the response window, and the
// dialogs and alerts they show (tests put recorders in their place).
#pragma once

#include <QString>
#include <functional>

#include "app/shell_state.h"
#include "model/design.h"

class QPrinter;
class QWidget;

namespace larkspan {

class ResponseView;

struct PrintShell {
    QWidget* window = nullptr;  // the response window, which the sheets cover
    Design* design = nullptr;
    ShellState* shell = nullptr;
    std::function<ResponseView*()> view;
    std::function<void()> initMenu2;
    std::function<void()> initMenu4;
    std::function<void()> beep;
    // Plays a sound of the resource folder "Images" to its end.
    std::function<void(const QString& soundFile)> playSound;
    // The Stop button of an error alert: the program quits as the Quit
    // command does, so a design with changes is offered for saving first.
    std::function<void()> stopProgram;
};

struct PrintPrompts {
    // The page setup sheet on the printer's page layout, with the user's
    // scale in percent; true when the user confirmed it.
    std::function<bool(QPrinter& printer, double& scale)> pageSetup;
    // The print sheet; true for Print.
    std::function<bool(QPrinter& printer)> print;
    // The PNG file-save sheet; "" for Cancel.
    std::function<QString(const QString& prompt, const QString& proposedName)> savePng;
    // A stop alert with Stop and Continue; true for Stop.
    std::function<bool(const QString& title, const QString& message)> stopAlert;
};

// The real sheets and alerts, window-modal on `window`.
PrintPrompts dialogPrompts(QWidget* window);

}  // namespace larkspan
