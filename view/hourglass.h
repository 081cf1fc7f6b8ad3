#pragma once
// The main window's hourglass around long operations: the main timer rests, the wait cursor
// shows, and the clicks and keys that arrived meanwhile are dropped at the end. Nested
// brackets act once, at the outermost pair.
#include <QObject>

#include "edit/edit_view.h"

namespace pixmo {

class TFormTimer;

class THourglass : public QObject, public TBusyBracket {
public:
    THourglass(TFormTimer& timer, QObject* parent) : QObject(parent), FTimer(timer) {}
    void BeginBusyCursor() override;
    void EndBusyCursor() override;
    bool Shown() const { return FDepth > 0; }

private:
    TFormTimer& FTimer;
    int FDepth = 0;
    bool FTimerWasOn = false;
};

}  // namespace pixmo
