// The prompts as window-modal message boxes and file dialogs.
#pragma once

#include "app/prompts.h"

namespace larkspan {

class QtPrompts : public Prompts {
public:
    void beep() override;
    void playSound(const QString& soundFile) override;
    void alert(QWidget* over, const QString& title, const QString& message) override;
    SaveChanges askSaveChanges(QWidget* over, const QString& documentName) override;
    FileErrorChoice fileError(QWidget* over, const std::array<std::string, 3>& lines) override;
    QString openPath(QWidget* over) override;
    QString savePath(QWidget* over, const QString& prompt, const QString& proposedName) override;
    // These three in print_dialogs.cpp.
    bool pageSetup(QWidget* over, QPrinter& printer, double& scale) override;
    bool print(QWidget* over, QPrinter& printer) override;
    FileErrorChoice stopAlert(QWidget* over, const QString& title, const QString& message) override;
};

}  // namespace larkspan
