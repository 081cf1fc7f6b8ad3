#pragma once
// TNewColorDialog ("Numero Massimo di Colori"): the current image gets another colour count,
// or the palette of a file with its pixels matched to it, as one undo step.
#include <QLabel>

#include "uikit/num_color_dialog.h"

namespace pixmo {

class TAppContext;

class TNewColorDialog : public TNumColorDialog {
    Q_OBJECT
public:
    explicit TNewColorDialog(TAppContext& app, QWidget* parent = nullptr);
    ~TNewColorDialog() override;

    // The current palette size, "16色".
    QLabel* LBNow = nullptr;

    // OK: true when the image was replaced and the dialog closed.
    bool Confirm();

protected:
    void OkClick() override { Confirm(); }

private:
    TAppContext& FApp;
};

}  // namespace pixmo
