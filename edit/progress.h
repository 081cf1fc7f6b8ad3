#pragma once
// Progress of a long pass over rows (the smoothed stretch, the rotation). The window side
// shows it with a Stop button; the document core only asks, once per row, whether to go on.
#include <string>

namespace pixmo {

class TProgress {
public:
    virtual ~TProgress() = default;
    // A pass of `maximum` rows begins; `caption` names it for the progress window.
    virtual void Open(const std::string& caption, int maximum) = 0;
    // Called before each row. False when the user asked to stop: the pass then ends and
    // the command keeps nothing of it.
    virtual bool Step() = 0;
    // The pass ended: finished, stopped or failed.
    virtual void Close() = 0;
};

// Never stops and shows nothing: the converter and the benchmarks.
class TNoProgress final : public TProgress {
public:
    void Open(const std::string&, int) override {}
    bool Step() override { return true; }
    void Close() override {}
};

// Opens the progress on construction and closes it on destruction, so that a pass that
// throws closes the window as well.
class TProgressPass {
public:
    TProgressPass(TProgress& progress, const std::string& caption, int maximum) : FProgress(progress) {
        FProgress.Open(caption, maximum);
    }
    ~TProgressPass() { FProgress.Close(); }
    TProgressPass(const TProgressPass&) = delete;
    TProgressPass& operator=(const TProgressPass&) = delete;
    bool Step() { return FProgress.Step(); }

private:
    TProgress& FProgress;
};

}  // namespace pixmo
