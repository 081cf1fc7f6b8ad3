#include "edit/edit_context.h"

#include <algorithm>

#include "edit/null_edit.h"
#include "edit/selection.h"
#include "edit/undo.h"

namespace pixmo {

namespace {
TNullEditView gNoView;
TEditNotices gNoNotices;
TBusyBracket gNoBusy;
TNullPanels gNoPanels;
}  // namespace

TEditContext::TEditContext(TClipboard& clipboard) : FClipboard(clipboard) {
    FSelection = std::make_unique<TSelection>(*this);
    FUndo = std::make_unique<TUndo>(*this);
}

TEditView& TEditContext::View() const { return FView ? *FView : gNoView; }
TEditNotices& TEditContext::Notices() const { return FNotices ? *FNotices : gNoNotices; }
TBusyBracket& TEditContext::Busy() const { return FBusy ? *FBusy : gNoBusy; }
TMainPanels& TEditContext::Panels() const { return FPanels ? *FPanels : gNoPanels; }

// The history and the selection hold blocks of the image; they go first.
TEditContext::~TEditContext() {
    FUndo.reset();
    FSelection.reset();
}

void TEditContext::SetDib(std::unique_ptr<TDib> image) {
    if (!image) return;
    FDib = std::move(image);
    FSelection->ImageInstalled();
    const int top = std::max(0, FDib->Colors() - 1);
    FColor1Index = std::clamp(FColor1Index, 0, top);
    FColor2Index = std::clamp(FColor2Index, 0, top);
    Notices().ImageInstalled();
    View().InvalidateAll();
}

void TEditContext::SetDibFile(std::unique_ptr<TDib> image, const std::string& fileName) {
    if (!image) return;
    SwapDibFile(std::move(image), fileName);
    SetModified(false);
}

void TEditContext::SwapDibFile(std::unique_ptr<TDib> image, const std::string& fileName) {
    if (!image) return;
    SetDib(std::move(image));
    FFileName = fileName;
    Panels().FileNameChanged(fileName);
}

void TEditContext::SetFileName(const std::string& fileName) {
    FFileName = fileName;
    Panels().FileNameChanged(fileName);
}

void TEditContext::RestoreColorIndices(int color1, int color2) {
    FColor1Index = std::max(0, color1);
    FColor2Index = std::max(0, color2);
    if (!FDib) return;
    const int top = std::max(0, FDib->Colors() - 1);
    FColor1Index = std::min(FColor1Index, top);
    FColor2Index = std::min(FColor2Index, top);
}

void TEditContext::SetModified(bool modified) {
    if (modified) FUndo->ForgetSavePoint();
    else FUndo->MarkSavePoint();
    ModifiedFlagChanged(modified);
}

void TEditContext::ModifiedFlagChanged(bool modified) {
    if (FModified == modified) return;
    FModified = modified;
    Panels().ModifiedChanged(modified);
}

void TEditContext::SetColor1Index(int index) {
    if (!FDib || index == FColor1Index) return;
    FColor1Index = std::min(index, std::max(0, FDib->Colors() - 1));
    Notices().ColorIndexChanged(1);
}

void TEditContext::SetColor2Index(int index) {
    if (!FDib || index == FColor2Index) return;
    FColor2Index = std::min(index, std::max(0, FDib->Colors() - 1));
    Notices().ColorIndexChanged(2);
}

void TEditContext::SetPaletteColor(int index, TColorRef color) {
    if (!FDib || index < 0 || index >= FDib->Colors()) return;
    FDib->SetColor(index, color);
    PaletteChanged();
}

void TEditContext::PaletteChanged() {
    FSelection->PaletteChanged();
    Notices().PaletteChanged();
}

void TEditContext::ExchangePaletteEntries(int a, int b) {
    if (!FDib || a == b || a < 0 || b < 0 || a >= FDib->Colors() || b >= FDib->Colors()) return;
    for (TDib* dib : {FDib.get(), FSelection->FloatImage(), FSelection->Background()}) {
        if (!dib || dib->IsTrueColor()) continue;
        const TColorRef ca = dib->GetColor(a), cb = dib->GetColor(b);
        dib->SetColor(a, cb);
        dib->SetColor(b, ca);
        const auto ia = static_cast<uint8_t>(a), ib = static_cast<uint8_t>(b);
        const auto flip = static_cast<uint8_t>(ia ^ ib);
        const int w = dib->Width();
        for (int y = 0; y < dib->Height(); ++y) {
            uint8_t* row = dib->ScanLine(y);
            int x = 0;
            // a becomes b and b becomes a by one xor; blocks of a fixed length let the
            // compiler do them in vector registers.
            for (; x + 32 <= w; x += 32)
                for (int k = 0; k < 32; ++k) {
                    const uint8_t v = row[x + k];
                    row[x + k] = static_cast<uint8_t>(v ^ (flip & -static_cast<uint8_t>((v == ia) | (v == ib))));
                }
            for (; x < w; ++x) row[x] = row[x] == ia ? ib : row[x] == ib ? ia : row[x];
        }
    }
    PaletteChanged();
}

void TEditContext::SetUndoLimit(int64_t limit) {
    if (limit == FUndoLimit) return;
    FUndoLimit = limit;
    FUndo->UpdatePanel();
}

}  // namespace pixmo
