#pragma once
// TTextForm ("Immetti Testo"): text typed in the memo is placed into the image by dragging
// "Incolla" onto the edit client: the glyphs of the text font in the primary colour on the
// secondary colour, as a floating piece whose mask holds exactly the glyph pixels. The
// memo's lines are kept between runs in the ".MEM" file beside the settings file.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <cstdint>
#include <functional>
#include <string>

#include "edit/text_piece.h"
#include "settings/font_text.h"
#include "view/dib_form.h"

namespace pixmo {

class TMemoEx;
class TStringsButton;

// SBDrag: a left press holds the mouse until the release, which reports where it happened.
class TDragButton : public QPushButton {
    Q_OBJECT
public:
    TDragButton(const QString& caption, QWidget* parent = nullptr);

signals:
    void dropped(QPoint globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool FDragging = false;
};

class TTextForm : public TDibForm {
    Q_OBJECT
public:
    explicit TTextForm(TAppContext& app, QWidget* parent = nullptr);
    ~TTextForm() override;

    // Files over this size are refused, and a memo over it is not saved: no image shows
    // more text than that.
    static constexpr int64_t kMaxTextFileSize = 1 << 20;

    TMemoEx* Memo = nullptr;
    QPushButton* SBFont = nullptr;
    TStringsButton* SBFonts = nullptr;
    QPushButton* SBClear = nullptr;
    TDragButton* SBDrag = nullptr;
    QMenu* PMStyle = nullptr;
    QAction* PIOpen = nullptr;
    QAction* PIAlignLeft = nullptr;
    QAction* PIAlignCenter = nullptr;
    QAction* PIAlignRight = nullptr;
    QAction* PITabSpace = nullptr;

    TTextAlign Alignment() const { return FAlignment; }
    void SetAlignment(TTextAlign alignment) { FAlignment = alignment; }
    int TabSpace() const { return FTabSpace; }
    void SetTabSpace(int tabSpace);
    const TFontSpec& MemoFont() const { return FMemoFont; }
    std::string MemoFileName() const;

    // The text font from the font dialog; a description from SBFonts.
    void SBFontClick();
    void ChooseFont(const QString& description);
    // Loads a text file into the memo, every tab becoming TabSpace spaces; raises on failure.
    void LoadFile(const QString& name);
    // The first of the files dropped on the window; failures are shown.
    void DropFiles(const QStringList& names);
    // "Apri...": the open dialog, then LoadFile.
    void OpenClick();
    void TabSpaceClick();
    // The release of SBDrag at a screen position: over the edit client the text is placed.
    void DragReleased(QPoint globalPos);
    // Places the memo's text (its selection, else all of it) as a floating piece.
    void PlaceText();
    // Writes the memo's lines to the ".MEM" file when they changed; raises, leaving the file
    // as it was, when they are more than the file may hold.
    void SaveMemo();

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void SetTextFont(const TFontSpec& font);
    void UpdateStyleMenu();
    void LoadMemo();

    TFontSpec FMemoFont;
    TTextAlign FAlignment = TTextAlign::Left;
    int FTabSpace = 5;
    bool FMemoKept = false;  // an unreadable memo file that could not be moved aside
};

}  // namespace pixmo
