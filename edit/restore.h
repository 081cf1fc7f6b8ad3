#pragma once
// Restore objects: a copy of part of the live state taken by Save and written back by
// Restore. The effect and transform steps swap two of them.
#include <cstdint>
#include <memory>

#include "edit/pixel_ops.h"
#include "image/geometry.h"

namespace pixmo {

class TEditContext;

class TRestore {
public:
    explicit TRestore(TEditContext& context) : FContext(context) {}
    virtual ~TRestore() = default;
    TRestore(const TRestore&) = delete;
    TRestore& operator=(const TRestore&) = delete;
    // Copies the live state; returns the bytes kept.
    virtual int64_t Save() = 0;
    // Writes the copy back into the live state.
    virtual void Restore() = 0;

protected:
    TEditContext& FContext;
};

// The whole image; restoring drops the selection.
class TReplaceDib : public TRestore {
public:
    using TRestore::TRestore;
    int64_t Save() override;
    void Restore() override;

private:
    TBlock FBlock;
};

// The selected content: the whole image, the floating image, or the image under the
// rectangle; restored through the selection's PutSelected.
class TReplaceDib_DibRect_EditDib : public TRestore {
public:
    using TRestore::TRestore;
    int64_t Save() override;
    void Restore() override;

private:
    TBlock FBlock;
};

// The selection rectangle and the mask under it.
class TReplaceMask : public TRestore {
public:
    using TRestore::TRestore;
    int64_t Save() override;
    void Restore() override;

protected:
    TRect FRect;
    TBlock FMaskBlock;
};

// ... plus the image under the rectangle.
class TReplaceMask_Dib : public TReplaceMask {
public:
    using TReplaceMask::TReplaceMask;
    int64_t Save() override;
    void Restore() override;

private:
    TBlock FImageBlock;
};

// A floating piece: rectangle, floating mask and floating image; restoring first takes
// the live piece away (background, or the hole colour), then floats the stored one.
class TReplaceEditMask_EditDib : public TRestore {
public:
    TReplaceEditMask_EditDib(TEditContext& context, int holeColour) : TRestore(context), FHoleColour(holeColour) {}
    int64_t Save() override;
    void Restore() override;

private:
    TRect FRect;
    TBlock FFloatMaskBlock;
    TBlock FFloatImageBlock;
    int FHoleColour;
};

// The restore object a transform keeps for the live state: none selected -> whole image,
// floating -> the piece (no hole colour), else rectangle, mask and image.
std::unique_ptr<TRestore> CreateRestoreForState(TEditContext& context);

}  // namespace pixmo
