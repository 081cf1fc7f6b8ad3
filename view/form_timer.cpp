#include "view/form_timer.h"

#include <exception>

#include "image/errors.h"
#include "uikit/core_text.h"

namespace pixmo {

TFormTimer::TFormTimer(QObject* parent) : QObject(parent) {
    connect(&FTimer, &QTimer::timeout, this, [this] { Tick(); });
}

void TFormTimer::SetInterval(int milliseconds) {
    if (milliseconds == FInterval) return;
    FInterval = milliseconds;
    UpdateTimer();
}

void TFormTimer::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    UpdateTimer();
}

void TFormTimer::SetOnTimer(std::function<void()> handler) {
    FOnTimer = std::move(handler);
    UpdateTimer();
}

void TFormTimer::UpdateTimer() {
    FTimer.stop();
    if (FInterval <= 0 || !FEnabled || !FOnTimer) return;
    FTimer.start(FInterval);
    if (!FTimer.isActive()) RaiseError(tr("A timer can't be acquired.").toStdString());
}

void TFormTimer::Tick() {
    if (!FOnTimer) return;
    try {
        FOnTimer();
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        if (FOnError) FOnError(ErrorText(e));
    }
}

}  // namespace pixmo
