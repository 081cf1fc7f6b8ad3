#pragma once
// TFindColorDialog ("Cerca Colore"): red, green and blue as number edits and bars that follow
// each other; the label lists the palette indices holding exactly that colour.
#include <QLabel>
#include <QScrollBar>
#include <functional>

#include "image/color.h"
#include "uikit/ini_dialog.h"

namespace pixmo {

class TDib;
class TNumberEdit;

class TFindColorDialog : public TIniDialog {
    Q_OBJECT
public:
    TFindColorDialog(TIni& ini, const TDib& image, TColorRef start, QWidget* parent = nullptr);
    ~TFindColorDialog() override;

    TNumberEdit* NERed = nullptr;
    TNumberEdit* NEGreen = nullptr;
    TNumberEdit* NEBlue = nullptr;
    QScrollBar* SBRed = nullptr;
    QScrollBar* SBGreen = nullptr;
    QScrollBar* SBBlue = nullptr;
    QLabel* LBMessage = nullptr;

    TColorRef Colour() const;
    // The lowest index holding exactly the colour, or -1.
    int FirstMatch() const;
    void accept() override;

    // Shows it modally and returns its result; tests answer through the hook instead (it
    // gets the dialog and returns the result code). SetHook returns the previous hook.
    using THook = std::function<int(TFindColorDialog&)>;
    static int Run(TFindColorDialog& dialog);
    static THook SetHook(THook hook);

private:
    void EditChanged(TNumberEdit* edit, QScrollBar* bar);
    void BarChanged(QScrollBar* bar, TNumberEdit* edit);
    void UpdateMessage();

    const TDib& FImage;
    bool FFollowing = false;
};

}  // namespace pixmo
