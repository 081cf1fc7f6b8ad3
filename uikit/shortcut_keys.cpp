#include "uikit/shortcut_keys.h"

namespace pixmo {

namespace {
struct TKeyPair {
    int Vk;
    int Key;
};

// Key codes with no arithmetic relation to Qt's.
constexpr TKeyPair kKeys[] = {
    {8, Qt::Key_Backspace}, {9, Qt::Key_Tab},        {13, Qt::Key_Return},     {27, Qt::Key_Escape},
    {32, Qt::Key_Space},    {33, Qt::Key_PageUp},    {34, Qt::Key_PageDown},   {35, Qt::Key_End},
    {36, Qt::Key_Home},     {37, Qt::Key_Left},      {38, Qt::Key_Up},         {39, Qt::Key_Right},
    {40, Qt::Key_Down},     {45, Qt::Key_Insert},    {46, Qt::Key_Delete},     {106, Qt::Key_Asterisk},
    {107, Qt::Key_Plus},    {109, Qt::Key_Minus},    {111, Qt::Key_Slash},     {186, Qt::Key_Semicolon},
    {187, Qt::Key_Equal},   {188, Qt::Key_Comma},    {190, Qt::Key_Period},    {191, Qt::Key_Question},
    {192, Qt::Key_QuoteLeft}, {219, Qt::Key_BracketLeft}, {220, Qt::Key_Backslash},
    {221, Qt::Key_BracketRight}, {222, Qt::Key_Apostrophe},
    // Read, never written: the main row's minus, which is the same key as the keypad's here.
    {189, Qt::Key_Minus},
};

int VkToKey(int vk) {
    if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
    if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
    if (vk >= 112 && vk <= 135) return Qt::Key_F1 + (vk - 112);
    if (vk >= 96 && vk <= 105) return Qt::Key_0 + (vk - 96);
    for (const TKeyPair& p : kKeys)
        if (p.Vk == vk) return p.Key;
    return 0;
}

int KeyToVk(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    if (key == Qt::Key_Enter) return 13;
    for (const TKeyPair& p : kKeys)
        if (p.Key == key) return p.Vk;
    return 0;
}

// Digits and punctuation need Shift on some layouts and not on others ("+" and "*" on a US
// keyboard, the digits on a French one): Shift belongs to typing them, not to the shortcut.
bool ShiftTypesIt(int key) {
    return key > Qt::Key_Space && key <= Qt::Key_AsciiTilde && !(key >= Qt::Key_A && key <= Qt::Key_Z);
}
}  // namespace

// No keypad flag: the shortcut map of the X11 platform never sees it, so a key that asked for
// it would not fire; the keypad's keys run what their main-row keys run.
QKeySequence ShortcutToKeySequence(int shortcut) {
    if (shortcut <= 0 || shortcut >= 65536) return QKeySequence();
    const int key = VkToKey(shortcut & 0xFF);
    if (key == 0 || (shortcut & 0x1F00) != 0) return QKeySequence();
    int modifiers = 0;
    if ((shortcut & kVkShift) && !ShiftTypesIt(key)) modifiers |= Qt::SHIFT;
    if (shortcut & kVkCtrl) modifiers |= Qt::CTRL;
    if (shortcut & kVkAlt) modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}

int KeySequenceToShortcut(const QKeySequence& sequence) {
    if (sequence.count() != 1) return 0;
    const QKeyCombination combination = sequence[0];
    const int vk = KeyToVk(combination.key());
    if (vk == 0) return 0;
    int value = vk;
    const Qt::KeyboardModifiers m = combination.keyboardModifiers();
    if ((m & Qt::ShiftModifier) && !ShiftTypesIt(combination.key())) value += kVkShift;
    if (m & Qt::ControlModifier) value += kVkCtrl;
    if (m & Qt::AltModifier) value += kVkAlt;
    return value;
}

}  // namespace pixmo
