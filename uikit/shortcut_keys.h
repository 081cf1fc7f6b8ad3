#pragma once
// Menu shortcuts as the settings store them: the key code of the classic virtual-key table
// plus 8192 for Shift, 16384 for Ctrl and 32768 for Alt (Ctrl+O is 16463); 0 is none.
#include <QKeySequence>

namespace pixmo {

inline constexpr int kVkShift = 8192;
inline constexpr int kVkCtrl = 16384;
inline constexpr int kVkAlt = 32768;

// The key sequence of a stored value; an empty one for 0 or a key code it does not know.
QKeySequence ShortcutToKeySequence(int shortcut);
// The stored value of a single key combination (0 when it has no classic key code).
int KeySequenceToShortcut(const QKeySequence& sequence);

}  // namespace pixmo
