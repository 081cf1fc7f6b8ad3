#pragma once
// TNumberEdit: a number field with a minimum and a maximum. It holds text as typed; a value
// counts only when it lies within the bounds, and Check() tells the user otherwise.
#include <QLineEdit>
#include <optional>

namespace pixmo {

class TNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    // `hint` names the field in the error box.
    TNumberEdit(const QString& name, const QString& hint, int min, int max, int value,
                QWidget* parent = nullptr);

    int Max() const { return FMax; }
    void SetRange(int min, int max);
    void SetValue(int value);
    // The number when it is one and within the bounds.
    std::optional<int> Value() const;
    bool IsValid() const { return Value().has_value(); }
    // Valid, or an error box: "%1は %2 から %3 の間にして下さい" with the hint, min and max.
    bool Check();
    QString RangeMessage() const;

signals:
    // A mouse press into the field.
    void Pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int FMin;
    int FMax;
};

}  // namespace pixmo
