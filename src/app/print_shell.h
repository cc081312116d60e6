// What Page Setup, Print and Snapshot take from the response window.
#pragma once

#include <functional>

#include "app/prompts.h"
#include "app/shell_state.h"
#include "model/design.h"

class QWidget;

namespace larkspan {

class ResponseView;

struct PrintShell {
    QWidget* window = nullptr;  // the response window, which the sheets cover
    Design* design = nullptr;
    ShellState* shell = nullptr;
    Prompts* prompts = nullptr;
    ResponseView* view = nullptr;
    std::function<void()> initMenu2;
    std::function<void()> initMenu4;
    // The Stop button of an error alert. The program quits as the Quit
    // command does, so a design with changes is offered for saving first
    // rather than lost.
    std::function<void()> stopProgram;
};

}  // namespace larkspan
