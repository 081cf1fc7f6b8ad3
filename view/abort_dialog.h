#pragma once
// TAbortDialog: the progress window of a long pass, with "Stop" (and Escape). While it is
// open the window that was active is disabled and the main timer rests; each row the event
// loop gets a turn, at most every few milliseconds, so the window repaints and Stop is seen.
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include "edit/progress.h"

namespace pixmo {

class TAppContext;

class TAbortDialog : public QDialog, public TProgress {
    Q_OBJECT
public:
    explicit TAbortDialog(TAppContext& app, QWidget* parent = nullptr);

    QProgressBar* Bar = nullptr;
    QPushButton* StopButton = nullptr;
    bool Aborted = false;

    void Open(const std::string& caption, int maximum) override;
    bool Step() override;
    void Close() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { Aborted = true; }

private:
    TAppContext& FApp;
    QPointer<QWidget> FDisabled;
    QElapsedTimer FSinceEvents;
    bool FTimerWasOn = false;
    int FSteps = 0;
};

}  // namespace pixmo
