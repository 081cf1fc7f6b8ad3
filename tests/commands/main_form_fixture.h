#pragma once
// A main window over a fresh process-wide set per test: its own settings file in a temporary
// folder, a memory clipboard, and message boxes and file dialogs answered by the test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/main_form.h"
#include "edit/edit_context.h"
#include "image/clipboard.h"
#include "image/dib.h"
#include "settings/params.h"
#include "support/test_support.h"
#include "uikit/dialog_hooks.h"
#include "uikit/key_dialog.h"
#include "view/app_context.h"

namespace pixmo::test {

// Cancels every key dialog as soon as it shows and keeps its caption.
class TKeyDialogCloser {
public:
    TKeyDialogCloser() {
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<TKeyDialog*>(w); d && d->isVisible()) {
                    Captions << d->windowTitle();
                    d->CancelButton->click();
                }
        });
        FTimer.start(0);
    }
    QStringList Captions;

private:
    QTimer FTimer;
};

// The caption as the window shows it: "[*]" becomes the unsaved-changes mark or nothing.
inline std::string ShownCaption(const QWidget& form) {
    return form.windowTitle().replace("[*]", form.isWindowModified() ? "*" : "").toStdString();
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the set and the window and starts it (settings, first document).
    TMainForm& Build(std::vector<std::string> args = {});
    // Destroys the window (settings written) and the set.
    void Destroy();
    std::string Path(const std::string& name) const { return (std::filesystem::path(FDir) / name).string(); }
    // A 32x32 image with `colors` colours saved as `name`; returns the path.
    std::string WriteImage(const std::string& name, int colors = 256, int width = 32, int height = 32);
    std::string IniText() const;

    TEditContext& Doc() { return FApp->Edit(); }

    std::string FDir;
    std::unique_ptr<TAppContext> FApp;
    std::unique_ptr<TMainForm> FForm;
    TMemoryClipboard* FClipboard = nullptr;
    // Answers for the boxes, in order; each box asked is recorded.
    std::deque<TMsgResult> FAnswers;
    std::vector<TMessageRequest> FBoxes;
    std::deque<std::optional<QString>> FFileAnswers;
    std::vector<TFileRequest> FFileRequests;
    std::unique_ptr<TMessageHookScope> FMessageHook;
    std::unique_ptr<TFileHookScope> FFileHook;
};

}  // namespace pixmo::test
