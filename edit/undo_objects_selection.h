#pragma once
// Undo steps of selection changes, clears and cuts, and of the move and duplicate tools.
#include <string>

#include "edit/pixel_ops.h"
#include "edit/snapshot.h"
#include "edit/undo.h"

namespace pixmo {

class TUndoSelection : public TUndoObject {
public:
    TUndoSelection(TEditContext& context, bool withBackground);

protected:
    TSelectionSnapshot FSnapshot;
    void Account() { FSize = FSnapshot.Size(); }
};

// Undo puts the old selection back; redo applies the new one again.
class TUndoNewSelection : public TUndoSelection {
public:
    explicit TUndoNewSelection(TEditContext& context) : TUndoSelection(context, true) {}
    std::string GetCaption() const override {
        return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Selezione di un nuovo campo");
    }
    void Undo() override;
    void Redo() override;
};

class TUndoCancelSelection : public TUndoNewSelection {
public:
    using TUndoNewSelection::TUndoNewSelection;
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Selezione Annullata"); }
};

class TUndoCancelFloatSelection : public TUndoNewSelection {
public:
    using TUndoNewSelection::TUndoNewSelection;
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Trascinamento Rilasciato"); }
};

class TUndoPaste : public TUndoNewSelection {
public:
    using TUndoNewSelection::TUndoNewSelection;
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Incolla "); }
};

// A change of the mask that keeps the image: both directions swap the snapshot.
class TUndoReplaceSelection : public TUndoSelection {
public:
    explicit TUndoReplaceSelection(TEditContext& context) : TUndoSelection(context, false) {}
    std::string GetCaption() const override {
        return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Selezione di un nuovo campo");
    }
    void Exchange() override;
};

class TUndoAddSelection : public TUndoReplaceSelection {
public:
    using TUndoReplaceSelection::TUndoReplaceSelection;
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Addit.of choic"); }
};

class TUndoDeleteSelection : public TUndoReplaceSelection {
public:
    using TUndoReplaceSelection::TUndoReplaceSelection;
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Part deletion of c"); }
};

class TUndoAndSelection : public TUndoReplaceSelection {
public:
    using TUndoReplaceSelection::TUndoReplaceSelection;
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Common Part Ch"); }
};

// The selection rectangle and what a clear takes away; raises EAbort (nothing recorded)
// when nothing is selected.
class TUndoClearSelection : public TUndoObject {
public:
    explicit TUndoClearSelection(TEditContext& context);
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Selezione Eliminata"); }
    void Exchange() override;

private:
    TRect FRect;
    TClearSnapshot FSnapshot;
};

class TUndoCutSelection : public TUndoClearSelection {
public:
    using TUndoClearSelection::TUndoClearSelection;
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Selezione Tagliata"); }
};

// The rectangle of a floating piece before a move.
class TUndoMoveSelection : public TUndoObject {
public:
    explicit TUndoMoveSelection(TEditContext& context);
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Selezione Spostata"); }
    void Exchange() override;
    const TRect& Rect() const { return FRect; }

protected:
    TRect FRect;
    void SwapRect();
};

// The move that lifted the selection: undo anchors the piece back, redo lifts it again
// and leaves a hole of the secondary colour of the time.
class TUndoFirstMove : public TUndoMoveSelection {
public:
    TUndoFirstMove(TEditContext& context, int holeColour);
    void Exchange() override;
    int HoleColour() const { return FHoleColour; }

private:
    int FHoleColour;
};

// A copy-drag: the rectangle before, and the background under it when the piece was
// already floating.
class TUndoDuplicate : public TUndoMoveSelection {
public:
    explicit TUndoDuplicate(TEditContext& context);
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Selezione Copiata"); }
    void Undo() override;
    void Redo() override;

private:
    TBlock FBlock;
    // The piece floated when the copy began (the block may still be empty when the
    // rectangle lay outside the image).
    bool FFloating = false;
};

}  // namespace pixmo
