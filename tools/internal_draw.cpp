#include "tools/internal_draw.h"

#include <algorithm>
#include <cstring>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "image/dib.h"
#include "image/dib_canvas.h"
#include "settings/main_keys.h"
#include "tools/mouse.h"
#include "tools/tool_options.h"

namespace pixmo {

TInternalDraw::TInternalDraw(TMouse& mouse) : TInternalMouse(mouse) {
    mouse.Host.RegisterCursor(kCursorTool, mouse.CursorName);
    mouse.Host.SetCursorId(kCursorTool);
    if (const TDib* image = Image()) Backup = TDib::CreateClone(*image);
}

TInternalDraw::~TInternalDraw() { Aids.Disarm(Image()); }

void TInternalDraw::TakeBackup() {
    const TDib* image = Image();
    if (!image) return;
    const bool reusable = Backup && Backup->Width() == image->Width() && Backup->Height() == image->Height() &&
                          Backup->Colors() == image->Colors() && Backup->PixelBytes() == image->PixelBytes() &&
                          Backup->ColorTable() == image->ColorTable();
    if (!reusable) {
        Backup = TDib::CreateClone(*image);
        return;
    }
    std::memcpy(Backup->Bits(), image->Bits(), static_cast<size_t>(image->LineBytes()) * static_cast<size_t>(image->Height()));
}

void TInternalDraw::BeginDrag() {
    TakeBackup();
    SetupPen();
    if (TDib* image = Image()) Aids.Arm(Mouse.Env, Mouse.Host.RightButtonDrag(), *image, Backup.get());
}

void TInternalDraw::Rebackup() {
    Backup.reset();
    if (const TDib* image = Image()) Backup = TDib::CreateClone(*image);
    Aids.SetUnder(Backup.get());
}

void TInternalDraw::Finish() { Aids.Disarm(Image()); }
void TInternalDraw::Cancelled() { Aids.Disarm(Image()); }

void TInternalDraw::Notify(TNotice notice) {
    if (notice == TNotice::PaletteChanged) Rebackup();
}

int TInternalDraw::PenWidthOfDrag() const {
    const TMainSettings& s = Mouse.Env.Settings;
    const int slot = Mouse.Host.RightButtonDrag() ? s.NPen2 : s.NPen1;
    if (slot < 0 || slot >= kPenWidthCount) return 1;
    return std::max(1, static_cast<int>(s.PenWidths[static_cast<size_t>(slot)]));
}

void TInternalDraw::ChooseColour() {
    const TEditContext& edit = Edit();
    Colour = Mouse.Host.RightButtonDrag() ? edit.Color2Index() : edit.Color1Index();
}

void TInternalDraw::SetupPen() {
    ChooseColour();
    TDib* image = Image();
    if (!image) return;
    TDibCanvas& canvas = image->Canvas();
    canvas.Pen.Color = PaletteIndex(Colour);
    canvas.Pen.Width = PenWidthOfDrag();
    canvas.Pen.Mode = TPenMode::Copy;
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Brush.Color = PaletteIndex(Colour);
}

void TInternalFill::SetupPen() {
    ChooseColour();
    TDib* image = Image();
    if (!image) return;
    TDibCanvas& canvas = image->Canvas();
    canvas.Pen.Color = PaletteIndex(Colour);
    canvas.Pen.Width = 1;
    canvas.Pen.Mode = TPenMode::Copy;
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = PaletteIndex(Colour);
}

TDibCanvas* TInternalDraw::BackupCanvas() {
    if (Backup) return &Backup->Canvas();
    return TInternalMouse::BackupCanvas();
}

void TInternalDraw::RestoreRect(const TRect& r) {
    TDib* image = Image();
    if (!image || !Backup || Backup->Height() != image->Height() || Backup->LineBytes() != image->LineBytes()) return;
    const int bpp = image->PixelBytes();
    auto restore = [&](const TRect& c) {
        for (int y = c.Top; y < c.Bottom; ++y)
            std::memcpy(image->ScanLine(y) + c.Left * bpp, Backup->ScanLine(y) + c.Left * bpp,
                        static_cast<size_t>(c.Width() * bpp));
    };
    if (!Aids.Mirrors()) {
        const TRect c = IntersectRect(r, image->GetRect());
        if (!c.IsEmpty()) restore(c);
        return;
    }
    // The tool repaints r itself; the mirror images are ours to show.
    const std::vector<TRect> areas = Aids.Areas(r, image->GetRect());
    for (size_t i = 0; i < areas.size(); ++i) {
        restore(areas[i]);
        if (i > 0) Edit().View().InvalidateImageRect(areas[i]);
    }
}

// Only the rectangle just drawn, row by row: outside the selection the backup comes back,
// inside it (or everywhere without one) the pen's pixels are blended when a rate is set.
void TInternalDraw::Merge(const TRect& rect) {
    TDib* image = Image();
    if (!image || !Backup || image->IsTrueColor() || Backup->Height() != image->Height() ||
        Backup->LineBytes() != image->LineBytes())
        return;
    const TRect r = IntersectRect(rect, image->GetRect());
    if (r.IsEmpty()) return;
    const TToolOptions& options = Mouse.Env.Options;
    // Blending mixes the pen's colour; an ink paints indices of its own.
    const bool blend = options.TransRate() != 0 && !Aids.Inked();
    const auto colour = static_cast<uint8_t>(Colour);
    const uint8_t* table = options.TransTable().data() + colour;
    const TSelection& selection = Edit().Selection();
    const TMaskDib* mask = selection.IsEmpty() ? nullptr : selection.Mask();
    if (mask && (mask->Width() != image->Width() || mask->Height() != image->Height())) mask = nullptr;
    if (!mask && !blend) return;
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint8_t* row = image->ScanLine(y);
        const uint8_t* back = Backup->ScanLine(y);
        if (mask) {
            const uint8_t* m = mask->ScanLine(y);
            for (int x = r.Left; x < r.Right; ++x) {
                if (m[x] == 0)
                    row[x] = back[x];
                else if (blend && row[x] == colour)
                    row[x] = table[static_cast<size_t>(back[x]) << 8];
            }
        } else {
            for (int x = r.Left; x < r.Right; ++x)
                if (row[x] == colour) row[x] = table[static_cast<size_t>(back[x]) << 8];
        }
    }
}

void TInternalDraw::UpdateRect(const TRect& rect) {
    const TDib* image = Image();
    if (!image) return;
    if (Aids.Mirrors()) {
        for (const TRect& area : Aids.Areas(rect, image->GetRect())) UpdateArea(area);
        return;
    }
    const TRect r = IntersectRect(rect, image->GetRect());
    if (!r.IsEmpty()) UpdateArea(r);
}

void TInternalDraw::UpdateArea(TRect r) {
    Merge(r);
    const TSelection& selection = Edit().Selection();
    if (!selection.IsEmpty()) r = IntersectRect(r, selection.GetRect());
    if (!r.IsEmpty()) Edit().View().RepaintImageRect(r);
}

void TInternalDraw::Commit(const TRect& rect) {
    TDib* image = Image();
    // The mirror images belong to the same step.
    TRect r = image ? Aids.Covering(rect, image->GetRect()) : TRect{};
    Aids.Disarm(image);
    if (!image || !Backup) return;
    TSelection& selection = Edit().Selection();
    if (!selection.IsEmpty()) {
        r = IntersectRect(r, selection.GetRect());
        if (selection.IsFloating()) selection.SyncFloating(r);
    }
    Edit().Undo().AddDibRect(Backup.get(), r);
}

void TInternalDraw::UpdateCursor() { Mouse.Host.SetCursorId(kCursorTool); }

}  // namespace pixmo
