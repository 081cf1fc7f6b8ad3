#pragma once
// TNewDibDialog ("Nuova Pagina"): a new image of a chosen size, with a colour count or the
// palette of a file, and a history of earlier choices. OK records the step, installs the
// image without file name and fills it with the secondary colour.
#include <QCheckBox>
#include <QListWidget>
#include <array>

#include "settings/string_lists.h"
#include "uikit/num_color_dialog.h"

namespace pixmo {

class TAppContext;

// The palette a new image gets when no image is open: black and white first, then the other
// standard colours, a 6×6×6 colour cube and a grey ramp.
std::array<uint32_t, 256> DefaultColorTable();

// "32x32 16co" -> 32, 32, 16; missing numbers are 0.
std::array<int, 3> ParseHistoryEntry(const std::string& text);

class TNewDibDialog : public TNumColorDialog {
    Q_OBJECT
public:
    explicit TNewDibDialog(TAppContext& app, QWidget* parent = nullptr);
    ~TNewDibDialog() override;

    TNumberEdit* WidthEdit = nullptr;
    TNumberEdit* HeightEdit = nullptr;
    QListWidget* LBHistory = nullptr;
    // "Colore 0 Trasparente": the new image's entry 0 is fully transparent ("Transparent").
    QCheckBox* CBTransparent = nullptr;

    // Presets the dialog from a history entry.
    void ChooseHistory(int row);
    // OK: true when the image was made and the dialog closed.
    bool Confirm();

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void OkClick() override { Confirm(); }

private:
    TAppContext& FApp;
    TMaxStringList FHistory{10};
};

}  // namespace pixmo
