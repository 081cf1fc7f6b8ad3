#pragma once
// TUndo: the linear history of edit steps, kept within a byte budget (the context's
// UndoLimit) and at most 999 steps. Each step is a TUndoObject that holds the part of the
// document its operation changes; undoing or redoing swaps that copy with the live state.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "image/geometry.h"
#include "image/color.h"
#include "image/errors.h"

namespace pixmo {

class TDib;
class TEditContext;

inline constexpr int kMaxUndoSteps = 999;

class TUndoObject {
public:
    explicit TUndoObject(TEditContext& context) : FContext(context) {}
    virtual ~TUndoObject() = default;
    TUndoObject(const TUndoObject&) = delete;
    TUndoObject& operator=(const TUndoObject&) = delete;

    // The step's name for menus and messages.
    virtual std::string GetCaption() const = 0;
    // Both call Exchange unless a class needs two different directions.
    virtual void Undo() { Exchange(); }
    virtual void Redo() { Exchange(); }
    // One swap of the stored copy with the live state.
    virtual void Exchange() {}

    // The bytes this step accounts for: its stored blocks plus its fixed overhead.
    int64_t Size() const { return FSize; }
    // Which state of the history this step leads to; given by TUndo when the step is added.
    uint64_t Serial() const { return FSerial; }

protected:
    TEditContext& FContext;
    int64_t FSize = 0;

private:
    friend class TUndo;
    uint64_t FSerial = 0;
};

class TUndo {
public:
    explicit TUndo(TEditContext& context);
    ~TUndo();

    int Position() const { return FPosition; }
    int64_t TotalSize() const { return FTotalSize; }
    int Count() const { return static_cast<int>(FItems.size()); }
    const std::vector<std::unique_ptr<TUndoObject>>& Items() const { return FItems; }

    bool CanUndo() const { return FPosition >= 1 && !FItems.empty(); }
    bool CanRedo() const { return FPosition < Count() && Count() > 0; }
    // The Edit menu's items with the step they would take back or do again, for the
    // catalogues, and their source text.
    TMessage UndoMenuText() const;
    TMessage RedoMenuText() const;
    std::string GetUndoCaption() const { return UndoMenuText().Text(); }
    std::string GetRedoCaption() const { return RedoMenuText().Text(); }

    void Undo();
    void Redo();
    // Takes ownership; marks the document changed; drops the redo tail and the oldest
    // steps until the budget and the step cap hold.
    void Add(std::unique_ptr<TUndoObject> object);
    void DeleteItem(int index);
    void UpdatePanel();

    int64_t GetLimit() const;
    void SetLimit(int64_t limit);

    // --- the save point: the state that was last saved or opened ---
    // The live state becomes the save point (after a save or an open).
    void MarkSavePoint();
    // No state of the history matches the file any more (a change that left no step).
    void ForgetSavePoint() { FSavePoint = kNoState; }
    // The save point belongs to the image, so a step that swaps images swaps it too.
    uint64_t SavePoint() const { return FSavePoint; }
    void SetSavePoint(uint64_t state) { FSavePoint = state; }
    // The live state is the save point.
    bool AtSavePoint() const { return CurrentState() == FSavePoint; }

    // --- recording shortcuts ---
    // Pixels of image (the image as it was, e.g. a tool's backup) in rect clipped to it.
    void AddDibRect(const TDib* image, const TRect& rect);
    void AddPaletteColour(int index, TColorRef colour);
    void AddNewSelection(const TRect& rect);
    void AddEffect(const std::string& caption);
    void AddTransform(const std::string& caption);
    void AddNewDib(const std::string& caption);
    void AddNewFile(const std::string& caption);

private:
    TEditContext& FContext;
    int FPosition = 0;
    int64_t FTotalSize = 0;
    std::vector<std::unique_ptr<TUndoObject>> FItems;

    static constexpr uint64_t kNoState = UINT64_MAX;
    // States are named by the serial of the last step applied, or of the last step dropped
    // from the front (FBaseState) when none is: dropping old steps renames nothing.
    uint64_t FNextSerial = 1;
    uint64_t FBaseState = 0;
    uint64_t FSavePoint = 0;

    uint64_t CurrentState() const { return FPosition > 0 ? FItems[FPosition - 1]->Serial() : FBaseState; }
    // The changed flag follows the live state's distance from the save point.
    void SyncModified();
    void ClearAll();
    void Swap(TUndoObject& item, void (TUndoObject::*direction)());
};

}  // namespace pixmo
