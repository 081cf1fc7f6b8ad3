#pragma once
// TSizeDialog: a width and a height beside the old ones. The stretch and image-size dialogs
// build on it; OK is taken only when both fields hold valid numbers.
#include <QFormLayout>
#include <QLabel>

#include "uikit/ini_dialog.h"
#include "uikit/number_edit.h"

namespace pixmo {

class TSizeDialog : public TIniDialog {
    Q_OBJECT
public:
    // `oldSize` is shown in the labels and preset in the fields, each 1 … `max`.
    TSizeDialog(TIni& ini, const QString& name, TPoint oldSize, int max, QWidget* parent = nullptr);

    QLabel* LBOldWidth = nullptr;
    QLabel* LBOldHeight = nullptr;
    TNumberEdit* NEWidth = nullptr;
    TNumberEdit* NEHeight = nullptr;

    // Both fields valid (an error box names the first that is not).
    bool SizeValid() { return NEWidth->Check() && NEHeight->Check(); }
    TPoint NewSize() const { return TPoint{NEWidth->Value().value_or(1), NEHeight->Value().value_or(1)}; }

protected:
    TPoint OldSize() const { return FOldSize; }
    // The width and height rows, for the derived dialog's layout.
    QFormLayout* SizeRows() const { return FRows; }

private:
    TPoint FOldSize;
    QFormLayout* FRows;
};

}  // namespace pixmo
