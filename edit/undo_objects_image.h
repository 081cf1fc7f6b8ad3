#pragma once
// Undo steps that change image pixels: strokes, clear inside, effects, transforms, and the
// steps that replace the whole image (new size, colours, palette; a file opened).
#include <memory>
#include <string>

#include "edit/pixel_ops.h"
#include "edit/restore.h"
#include "edit/snapshot.h"
#include "edit/undo.h"

namespace pixmo {

// A fixed caption and nothing stored.
class TUndoCaption : public TUndoObject {
public:
    TUndoCaption(TEditContext& context, std::string caption) : TUndoObject(context), FCaption(std::move(caption)) {}
    std::string GetCaption() const override { return FCaption; }

protected:
    std::string FCaption;
};

// The raw pixels of a rectangle (clipped to the image): one byte per pixel, rows top to
// bottom. Exchange swaps them with the live pixels and brings a floating image in step.
class TUndoDibRect : public TUndoObject {
public:
    TUndoDibRect(TEditContext& context, const TDib& image, const TRect& rect);
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Draw"); }
    void Exchange() override;
    const TRect& Rect() const { return FRect; }

private:
    TRect FRect;
    std::vector<uint8_t> FPixels;
};

class TUndoClearInside : public TUndoDibRect {
public:
    using TUndoDibRect::TUndoDibRect;
    std::string GetCaption() const override {
        return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Cancellata immagine della Selezione");
    }
};

// The selected content before an effect.
class TUndoEffect : public TUndoObject {
public:
    TUndoEffect(TEditContext& context, std::string caption);
    std::string GetCaption() const override { return FCaption; }
    void Exchange() override;

protected:
    TUndoEffect(TEditContext& context, std::string caption, std::unique_ptr<TRestore> restore);
    std::string FCaption;
    std::unique_ptr<TRestore> FRestore;
};

// The state before a transform that floats its result; HoleColour is the secondary colour
// index of the time, used again when the transform is redone.
class TUndoTransform : public TUndoEffect {
public:
    TUndoTransform(TEditContext& context, std::string caption);
    void Undo() override;
    void Redo() override;
    int HoleColour() const { return FHoleColour; }

private:
    int FHoleColour;
};

// The whole image and the selection state before the image was replaced.
class TUndoNewDib : public TUndoCaption {
public:
    TUndoNewDib(TEditContext& context, std::string caption);
    void Undo() override;
    void Redo() override;

protected:
    TBlock FBlock;
    std::vector<uint8_t> FAlphas;
    TSelectionSnapshot FSnapshot;
    void Account();
    virtual void SwapImage();
    // The stored image, the live one stored in its place.
    std::unique_ptr<TDib> TakeStoredImage();
};

// ... and the file name and the history's save point, which swap with the live ones, so an
// undone open brings back the other image's changed mark.
class TUndoNewFile : public TUndoNewDib {
public:
    TUndoNewFile(TEditContext& context, std::string caption);

protected:
    void SwapImage() override;

private:
    std::string FFileName;
    uint64_t FSavePoint;
};

}  // namespace pixmo
