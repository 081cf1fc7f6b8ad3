#include "view/abort_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "view/app_context.h"
#include "view/form_timer.h"

namespace pixmo {

namespace {
// Giving the event loop a turn every row would cost more than the rows on small pieces.
constexpr int kEventIntervalMs = 30;
}  // namespace

TAbortDialog::TAbortDialog(TAppContext& app, QWidget* parent) : QDialog(parent), FApp(app) {
    setObjectName("AbortDialog");
    auto* layout = new QVBoxLayout(this);
    Bar = new QProgressBar(this);
    Bar->setTextVisible(false);
    Bar->setMinimumWidth(260);
    StopButton = new QPushButton("Stop", this);
    StopButton->setObjectName("CancelButton");
    layout->addWidget(Bar);
    layout->addWidget(StopButton, 0, Qt::AlignHCenter);
    connect(StopButton, &QPushButton::clicked, this, [this] { Aborted = true; });
}

void TAbortDialog::Open(const std::string& caption, int maximum) {
    Aborted = false;
    FSteps = 0;
    setWindowTitle(QCoreApplication::translate("pixmo::Core", caption.c_str()));
    Bar->setRange(0, std::max(1, maximum));
    Bar->setValue(0);
    if (TFormTimer* timer = FApp.MainTimer()) {
        FTimerWasOn = timer->Enabled();
        timer->SetEnabled(false);
    }
    // The window that was active takes no input meanwhile. When it holds this window,
    // disabling it would disable Stop too: modality keeps it still instead.
    setWindowModality(Qt::ApplicationModal);
    FDisabled = QApplication::activeWindow();
    // isAncestorOf() stops at window borders; a dialog's owner is found by walking up.
    for (QWidget* w = this; w && FDisabled; w = w->parentWidget())
        if (w == FDisabled) FDisabled = nullptr;
    if (FDisabled) FDisabled->setEnabled(false);
    show();
    raise();
    activateWindow();
    QApplication::processEvents();
    FSinceEvents.start();
}

bool TAbortDialog::Step() {
    ++FSteps;
    // The bar is moved only with the event loop's turn: a progress bar paints at once
    // whenever its value shows a change, which would cost more than the rows.
    if (FSinceEvents.elapsed() >= kEventIntervalMs) {
        Bar->setValue(std::min(FSteps, Bar->maximum()));
        QApplication::processEvents();
        FSinceEvents.restart();
    }
    return !Aborted;
}

void TAbortDialog::Close() {
    hide();
    if (FDisabled) FDisabled->setEnabled(true);
    FDisabled = nullptr;
    if (TFormTimer* timer = FApp.MainTimer()) timer->SetEnabled(FTimerWasOn);
}

void TAbortDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) Aborted = true;
    else QDialog::keyPressEvent(event);
}

}  // namespace pixmo
