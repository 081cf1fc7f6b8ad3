#pragma once
// A small modal dialog that asks for one number within bounds ("ペンの太さ" of the pen
// window). OK is refused while the text is not a number in range.
#include <QDialog>
#include <functional>
#include <optional>

namespace pixmo {

class TNumberEdit;

class TNumberInputDialog : public QDialog {
    Q_OBJECT
public:
    TNumberInputDialog(const QString& caption, int min, int max, int value, QWidget* parent = nullptr);
    TNumberEdit* Edit() const { return FEdit; }
    std::optional<int> Value() const;
    void accept() override;

    // Shows it modally; the number on OK.
    static std::optional<int> Ask(QWidget* parent, const QString& caption, int min, int max, int value);
    // Tests answer in place of the user: the hook gets the dialog and returns its result
    // code. Returns the previous hook.
    using THook = std::function<int(TNumberInputDialog&)>;
    static THook SetHook(THook hook);

private:
    TNumberEdit* FEdit;
};

}  // namespace pixmo
