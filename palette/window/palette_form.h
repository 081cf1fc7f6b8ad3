#pragma once
// TPaletteForm ("Palette"): the current image's palette as a grid of swatches. A left click
// picks the primary colour, a right click the secondary; the red, green and blue bars edit the
// edited one of the two live, as one undo step per drag. The tool bar searches duplicate, used
// and unused entries, opens the find-colour dialog, exchanges two entries by drag and drop,
// turns editing on and off and spreads a gradient from the primary to the secondary entry.
#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <QWidget>

#include "image/color.h"
#include "palette/palette_ops.h"
#include "view/dib_form.h"

namespace pixmo {

class TGrid;
class TDib;

enum class TEditedColour { Primary, Secondary };

class TPaletteForm : public TDibForm {
    Q_OBJECT
public:
    explicit TPaletteForm(TAppContext& app, QWidget* parent = nullptr);
    ~TPaletteForm() override;

    QWidget* PNTop = nullptr;
    QToolButton* SBSame = nullptr;
    QToolButton* SBUnUsed = nullptr;
    QToolButton* SBUsed = nullptr;
    QToolButton* SBSearch = nullptr;
    QToolButton* SBExchange = nullptr;
    QToolButton* SBChangeable = nullptr;
    QToolButton* SBGrad = nullptr;
    TGrid* GDColors = nullptr;
    QWidget* PNBottom = nullptr;
    QScrollBar* SBRed = nullptr;
    QScrollBar* SBGreen = nullptr;
    QScrollBar* SBBlue = nullptr;
    QLabel* LBRed = nullptr;
    QLabel* LBGreen = nullptr;
    QLabel* LBBlue = nullptr;
    QWidget* PBColor1 = nullptr;
    QWidget* PBColor2 = nullptr;
    QLabel* LBColor1 = nullptr;
    QLabel* LBColor2 = nullptr;
    // The alpha of the primary and the secondary entry, shown when it is not opaque.
    QLabel* LBAlpha1 = nullptr;
    QLabel* LBAlpha2 = nullptr;
    // "ﾂｰﾙﾊﾞｰを表示(&T)" in the window's context menu.
    QAction* MIToolBar = nullptr;
    // "Trasparente" in the context menu: the entry under the pointer, checked when it is fully
    // transparent.
    QAction* MITransparent = nullptr;

    TEditedColour EditedColour() const { return FEdited; }
    const TEntryMarks& EntryMarks() const { return FMarks; }
    bool ToolBarVisible() const { return FToolBar; }
    void SetToolBarVisible(bool visible);

    // palette_file_commands.cpp: the table to and from palette files.
    void SavePaletteClick();
    void LoadPaletteClick();

    // --- the grid's events ---
    void GDColorsClickCell(int cell, Qt::MouseButton button);
    void GDColorsDblClickCell(int cell, Qt::MouseButton button);
    void GDColorsCancel();
    void GDColorsDragDrop(int cell);
    // The entry becomes fully transparent, or opaque when it was; one undo step.
    void ToggleTransparent(int cell);

    // --- the tool bar ---
    void SBSameClick();
    // From SBUsed (unused false) or SBUnUsed (unused true).
    void SBUsedClick(bool unused);
    void SBSearchClick();
    void SBChangeableClick();
    void SBGradClick();

    void SetEditedColour(TEditedColour edited);
    void HandleMessage(TNotice notice) override;

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TDib* Image() const;
    int EditedIndex() const;
    TColorRef BarColour() const;
    // Cell count, rows and the window's height after the image and the tool bar.
    void UpdateLayout();
    void LoadBars();
    void UpdateIndexLabels();
    void UpdateFrames();
    // Frames, index labels, bars and swatches after a colour index changed.
    void ColoursChanged();
    void SelectColour(TEditedColour which, int index);
    void EnableEditing();
    void ReleaseSearchButtons();
    void ShowStatus(const std::string& text);
    void AbortTool();
    void DrawCell(QPainter& painter, int cell, const QRect& inside) const;
    // The checkerboard's squares under transparent entries (0 when the setting is off).
    int Checker() const;
    void UpdateAlphaLabels();
    bool CellHidden(int cell) const;
    // A drag of a bar: its start, each move and its end.
    void BarDragStart();
    void BarChanged();
    void BarDragEnd();

    TEditedColour FEdited = TEditedColour::Primary;
    TEntryMarks FMarks{};
    bool FToolBar = true;
    int FDrawnColor1 = -1;
    int FDrawnColor2 = -1;
    int FIndexBeforeClick = -1;
    // Set while the window itself moves the bars.
    bool FSettingBars = false;
    bool FBarDragging = false;
    int FBarIndex = -1;
    TColorRef FBarStart = 0;
    // The entry the context menu was opened on, -1 for none.
    int FMenuCell = -1;
};

}  // namespace pixmo
