#pragma once
// TFormTimer: a timer that runs only while its interval is non-zero, it is enabled and it has
// a handler; each change of one of them stops and restarts it. An error raised by the handler
// goes to the error handler and the timer keeps running.
#include <QObject>
#include <QTimer>
#include <functional>

namespace pixmo {

class TFormTimer : public QObject {
    Q_OBJECT
public:
    explicit TFormTimer(QObject* parent = nullptr);

    int Interval() const { return FInterval; }
    void SetInterval(int milliseconds);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    void SetOnTimer(std::function<void()> handler);
    // Whether the underlying timer is running now.
    bool Running() const { return FTimer.isActive(); }
    // Runs the handler as one tick does (tests; the error handler sees failures).
    void Tick();
    // Receives the message of an error raised by the handler.
    void SetOnError(std::function<void(const QString& message)> handler) { FOnError = std::move(handler); }

private:
    void UpdateTimer();

    QTimer FTimer;
    int FInterval = 1000;
    bool FEnabled = true;
    std::function<void()> FOnTimer;
    std::function<void(const QString&)> FOnError;
};

}  // namespace pixmo
