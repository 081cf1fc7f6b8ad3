#pragma once
// TColRateDialog ("Colour Rate Setup"): red, green and blue rates (0 … 255, each a number
// and a bar) over a private copy of the current image. What the rates would change is not
// decided yet, so OK closes the dialog and changes nothing.
#include <QScrollBar>
#include <array>
#include <memory>

#include "uikit/ini_dialog.h"
#include "uikit/number_edit.h"

namespace pixmo {

class TAppContext;
class TDib;

class TColRateDialog : public TIniDialog {
    Q_OBJECT
public:
    explicit TColRateDialog(TAppContext& app, QWidget* parent = nullptr);
    ~TColRateDialog() override;

    // Red, green, blue.
    std::array<TNumberEdit*, 3> Edits{};
    std::array<QScrollBar*, 3> Bars{};
    const TDib* Copy() const { return FCopy.get(); }

private:
    std::unique_ptr<TDib> FCopy;
};

}  // namespace pixmo
