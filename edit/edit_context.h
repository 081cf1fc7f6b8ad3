#pragma once
// The document's process-wide objects in one owner: the current image, the selection (with
// its mask and floating piece), the undo history, the colour indices, the undo budget, the
// changed flag and the file name. The window creates one at start-up; tests create a fresh
// one per case. Nothing here is global.
#include <cstdint>
#include <memory>
#include <string>

#include "image/color.h"
#include "image/dib.h"

namespace pixmo {

class TBusyBracket;
class TClipboard;
class TEditNotices;
class TEditView;
class TMainPanels;
class TSelection;
class TUndo;

inline constexpr int64_t kDefaultUndoLimit = 10000000;

class TEditContext {
public:
    explicit TEditContext(TClipboard& clipboard);
    ~TEditContext();
    TEditContext(const TEditContext&) = delete;
    TEditContext& operator=(const TEditContext&) = delete;

    // The windows around the document; each may be attached and detached (null) at any
    // time, and reads as one that ignores everything while none is attached.
    void AttachView(TEditView* view) { FView = view; }
    void AttachNotices(TEditNotices* notices) { FNotices = notices; }
    void AttachBusy(TBusyBracket* busy) { FBusy = busy; }
    void AttachPanels(TMainPanels* panels) { FPanels = panels; }
    TEditView& View() const;
    TEditNotices& Notices() const;
    TBusyBracket& Busy() const;
    TMainPanels& Panels() const;
    TClipboard& Clipboard() const { return FClipboard; }
    TSelection& Selection() const { return *FSelection; }
    TUndo& Undo() const { return *FUndo; }

    // The current image, or null.
    TDib* Dib() const { return FDib.get(); }
    // Installs a new current image (frees the previous one): a new empty selection mask,
    // the selection dropped, the colour indices clamped, the client told. Null does nothing.
    void SetDib(std::unique_ptr<TDib> image);
    // SetDib, then the image is the named file's: the changed flag is cleared.
    void SetDibFile(std::unique_ptr<TDib> image, const std::string& fileName);
    // SetDib and the file name, leaving the changed flag to the history (an undone open).
    void SwapDibFile(std::unique_ptr<TDib> image, const std::string& fileName);
    const std::string& FileName() const { return FFileName; }
    // The image was saved under another name.
    void SetFileName(const std::string& fileName);

    // The image differs from what was last saved or opened.
    bool Modified() const { return FModified; }
    // False makes the live state the history's save point; true leaves no state matching it.
    void SetModified(bool modified);
    // The history moved to or from its save point.
    void ModifiedFlagChanged(bool modified);

    int Color1Index() const { return FColor1Index; }
    int Color2Index() const { return FColor2Index; }
    // Nothing without an image or when unchanged; clamped to the palette's top.
    void SetColor1Index(int index);
    void SetColor2Index(int index);
    // Both indices as the settings kept them (negative ones become 0), clamped to the
    // palette when there is an image; nobody is told.
    void RestoreColorIndices(int color1, int color2);
    // Writes palette entry index (inside the palette only) and tells everyone.
    void SetPaletteColor(int index, TColorRef color);
    // Palette entries changed behind the context's back.
    void PaletteChanged();
    // Entries a and b trade places, and so do the pixels using them (in the image, the
    // floating image and the background), so the picture keeps its look.
    void ExchangePaletteEntries(int a, int b);

    // The undo byte budget.
    int64_t UndoLimit() const { return FUndoLimit; }
    void SetUndoLimit(int64_t limit);

private:
    TEditView* FView = nullptr;
    TEditNotices* FNotices = nullptr;
    TBusyBracket* FBusy = nullptr;
    TMainPanels* FPanels = nullptr;
    TClipboard& FClipboard;
    std::unique_ptr<TDib> FDib;
    std::unique_ptr<TSelection> FSelection;
    std::unique_ptr<TUndo> FUndo;
    std::string FFileName;
    bool FModified = false;
    int FColor1Index = 0;
    int FColor2Index = 0;
    int64_t FUndoLimit = kDefaultUndoLimit;
};

}  // namespace pixmo
