#pragma once
// TEditSizeDialog ("Imposta Unità Griglia"): the grid unit's width and height, each
// 1 .. 8000. OK sets the unit only when both fields hold valid numbers.
#include <QPushButton>

#include "uikit/ini_dialog.h"
#include "uikit/number_edit.h"

namespace pixmo {

class TEditSize;

class TEditSizeDialog : public TIniDialog {
    Q_OBJECT
public:
    TEditSizeDialog(TIni& ini, TEditSize& editSize, QWidget* parent = nullptr);
    ~TEditSizeDialog() override;

    TNumberEdit* NEGridWidth = nullptr;
    TNumberEdit* NEGridHeight = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // OK: true when the unit was set and the dialog closed; otherwise it stays open.
    bool Confirm();

private:
    TEditSize& FEditSize;
};

}  // namespace pixmo
