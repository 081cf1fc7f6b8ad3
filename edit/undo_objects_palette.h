#pragma once
// Undo steps of palette edits.
#include <string>
#include <vector>

#include "edit/undo.h"
#include "image/color.h"
#include "image/translate_noop.h"

namespace pixmo {

inline constexpr const char* kMsgUndoError = PIXMO_TRANSLATE_NOOP("pixmo::Core", "Errore Annulla");

// One entry's colour before an edit.
class TUndoPalette : public TUndoObject {
public:
    TUndoPalette(TEditContext& context, int index, TColorRef colour);
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Palette Change"); }
    void Exchange() override;

private:
    int32_t FIndex;
    TColorRef FColour;
};

// One entry's alpha before "Trasparente" changed it.
class TUndoPaletteAlpha : public TUndoObject {
public:
    TUndoPaletteAlpha(TEditContext& context, int index, uint8_t alpha);
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Trasparente"); }
    void Exchange() override;

private:
    int32_t FIndex;
    uint8_t FAlpha;
};

// Two entries the palette window exchanged (with the pixels that use them).
class TUndoExchangePalette : public TUndoObject {
public:
    TUndoExchangePalette(TEditContext& context, int indexA, int indexB);
    std::string GetCaption() const override {
        return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Il cambiamento della posizione della Palette");
    }
    void Exchange() override;

private:
    int32_t FIndexA;
    int32_t FIndexB;
};

// The colours of a range of entries; "Errore Annulla" without an image or when the range
// runs past the palette.
class TUndoPalettes : public TUndoObject {
public:
    TUndoPalettes(TEditContext& context, int first, int count);
    std::string GetCaption() const override { return PIXMO_TRANSLATE_NOOP("pixmo::Core", "Palette gradation"); }
    void Exchange() override;

private:
    int FFirst;
    std::vector<TColorRef> FColours;
    std::vector<TColorRef> Collect(int count) const;
};

}  // namespace pixmo
