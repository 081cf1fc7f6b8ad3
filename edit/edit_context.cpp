#include "edit/edit_context.h"

#include <algorithm>

#include "edit/edit_client.h"
#include "edit/main_panels.h"
#include "edit/selection.h"
#include "edit/undo.h"

namespace pixmo {

TEditContext::TEditContext(TEditClient& client, TMainPanels& panels, TClipboard& clipboard)
    : FClient(client), FPanels(panels), FClipboard(clipboard) {
    FSelection = std::make_unique<TSelection>(*this);
    FUndo = std::make_unique<TUndo>(*this);
}

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
    FClient.ImageInstalled();
    FClient.InvalidateAll();
}

void TEditContext::SetDibFile(std::unique_ptr<TDib> image, const std::string& fileName) {
    if (!image) return;
    SetDib(std::move(image));
    SetModified(false);
    FFileName = fileName;
    FPanels.FileNameChanged(fileName);
}

void TEditContext::SetFileName(const std::string& fileName) {
    FFileName = fileName;
    FPanels.FileNameChanged(fileName);
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
    if (FModified == modified) return;
    FModified = modified;
    FPanels.ModifiedChanged(modified);
}

void TEditContext::SetColor1Index(int index) {
    if (!FDib || index == FColor1Index) return;
    FColor1Index = std::min(index, std::max(0, FDib->Colors() - 1));
    FClient.ColorIndexChanged(1);
}

void TEditContext::SetColor2Index(int index) {
    if (!FDib || index == FColor2Index) return;
    FColor2Index = std::min(index, std::max(0, FDib->Colors() - 1));
    FClient.ColorIndexChanged(2);
}

void TEditContext::SetPaletteColor(int index, TColorRef color) {
    if (!FDib || index < 0 || index >= FDib->Colors()) return;
    FDib->SetColor(index, color);
    PaletteChanged();
}

void TEditContext::PaletteChanged() {
    FSelection->PaletteChanged();
    FClient.PaletteChanged();
}

void TEditContext::SetUndoLimit(int64_t limit) {
    if (limit == FUndoLimit) return;
    FUndoLimit = limit;
    FUndo->UpdatePanel();
}

}  // namespace pixmo
