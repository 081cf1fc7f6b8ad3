#include "tools/internal_select.h"

#include <array>
#include <cstring>

#include "edit/edit_view.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "image/dib.h"
#include "image/dib_canvas.h"
#include "settings/main_keys.h"
#include "tools/internal_draw.h"
#include "tools/mouse.h"
#include "tools/temp_mice.h"
#include "tools/tool_options.h"

namespace pixmo {

namespace {
constexpr const char* kMarks[3] = {"BM_ADD", "BM_DELETE", "BM_AND"};
}  // namespace

std::string MarkedCursorName(const std::string& cursor, const char* mark) { return cursor + "+" + mark; }

// ---------------------------------------------------------------- TInternalBmp

TInternalBmp::TInternalBmp(TMouse& mouse) : TInternalMouse(mouse) {
    if (TDib* image = Image()) DrawTarget = &image->Canvas();
}

TInternalBmp::~TInternalBmp() = default;

// Made when a drag needs it, not with the tool: choosing a tool should cost nothing.
void TInternalBmp::RebuildBitmap() {
    Bitmap.reset();
    if (const TDib* image = Image()) Bitmap = TTrueDib::CreateTrue(*image);
}

void TInternalBmp::BeginDrag() {
    const TDib* image = Image();
    if (!image) return;
    if (!Bitmap || Bitmap->GetSize() != image->GetSize())
        RebuildBitmap();
    else
        RestoreRect(image->GetRect());
    DrawTarget = &Bitmap->Canvas();
    SetupPen();
}

void TInternalBmp::SetupPen() {
    if (!Bitmap) return;
    const TMainSettings& s = Mouse.Env.Settings;
    TDibCanvas& canvas = Bitmap->Canvas();
    canvas.Pen.Color = static_cast<TColor>(s.SelectPenColor) & 0x00FFFFFFu;
    canvas.Pen.Mode = s.SelectPenMode == kSelectPenModeNotXor ? TPenMode::NotXor : TPenMode::Copy;
    canvas.Pen.Width = 1;
    canvas.Brush.Style = TBrushStyle::Clear;
}

void TInternalBmp::RestoreRect(const TRect& rect) {
    const TDib* image = Image();
    if (!image || !Bitmap || Bitmap->GetSize() != image->GetSize()) return;
    const TRect r = IntersectRect(rect, image->GetRect());
    if (r.IsEmpty()) return;
    if (image->IsTrueColor()) {
        for (int y = r.Top; y < r.Bottom; ++y)
            std::memcpy(Bitmap->ScanLine(y) + 3 * r.Left, image->ScanLine(y) + 3 * r.Left,
                        static_cast<size_t>(3 * r.Width()));
        return;
    }
    std::array<uint32_t, 256> bgr{};
    for (int i = 0; i < 256; ++i) bgr[static_cast<size_t>(i)] = image->ColorTable()[static_cast<size_t>(i)];
    for (int y = r.Top; y < r.Bottom; ++y) {
        const uint8_t* in = image->ScanLine(y);
        uint8_t* out = Bitmap->ScanLine(y) + 3 * r.Left;
        for (int x = r.Left; x < r.Right; ++x, out += 3) {
            const uint32_t w = bgr[in[x]];  // table word 0x00RRGGBB
            out[0] = static_cast<uint8_t>(w);
            out[1] = static_cast<uint8_t>(w >> 8);
            out[2] = static_cast<uint8_t>(w >> 16);
        }
    }
}

TDibCanvas* TInternalBmp::Canvas() {
    if (Mouse.Dragging && Bitmap) return &Bitmap->Canvas();
    return TInternalMouse::Canvas();
}

TDibCanvas* TInternalBmp::DrawCanvas() {
    if (Bitmap) return &Bitmap->Canvas();
    return TInternalMouse::Canvas();
}

void TInternalBmp::Commit(const TRect&) { DrawTarget = TInternalMouse::Canvas(); }
void TInternalBmp::Cancelled() { DrawTarget = TInternalMouse::Canvas(); }

void TInternalBmp::Notify(TNotice notice) {
    if (notice == TNotice::SelectPen) SetupPen();
    if ((notice == TNotice::PaletteChanged || notice == TNotice::NewImage) && Bitmap) RebuildBitmap();
}

// ---------------------------------------------------------------- TInternalSelect

TInternalSelect::TInternalSelect(TMouse& mouse) : TInternalBmp(mouse) {
    FCursorName = mouse.CursorName;
    mouse.Host.RegisterCursor(kCursorSelect, FCursorName);
    for (int id = kCursorSelectAdd; id <= kCursorSelectAnd; ++id) mouse.Host.RegisterCursor(id, "");
    HasMenu = true;
}

TInternalSelect::~TInternalSelect() {
    // A move handed over ends with the tool.
    MoveTool.reset();
}

TMaskDib& TInternalSelect::WorkMask() {
    const TDib* image = Image();
    const TPoint size = image ? image->GetSize() : TPoint{1, 1};
    if (!Mask || Mask->GetSize() != size)
        Mask = TMaskDib::CreateSize(size);
    else
        std::memset(Mask->Bits(), 0, static_cast<size_t>(Mask->LineBytes()) * static_cast<size_t>(Mask->Height()));
    return *Mask;
}

bool TInternalSelect::OnSelected(TPoint p) const {
    const TSelection& selection = Edit().Selection();
    const TMaskDib* mask = selection.Mask();
    return !selection.IsEmpty() && mask && mask->Contains(p);
}

void TInternalSelect::ButtonDown(TPoint p) {
    FLastPoint = p;
    if (MoveTool) return;
    if (Mouse.Dragging) {
        Mouse.ButtonDown(p);
        return;
    }
    if (!OnSelected(p) || Mode != TSelectMode::Replace) {
        UpdateCursor();
        if (Mask) std::memset(Mask->Bits(), 0, static_cast<size_t>(Mask->LineBytes()) * static_cast<size_t>(Mask->Height()));
        Mouse.ButtonDown(p);
        return;
    }
    // A plain press on the selection drags it, as the move key would.
    MoveTool = TMouse::Make<TMoveMouse>(Mouse.Env, Mouse.Host);
    MoveTool->OnButtonDown(p);
    Mouse.Dragging = MoveTool->IsDragging();
    if (!Mouse.Dragging) MoveTool.reset();
}

// A moved selection shows in the image itself.
TDibCanvas* TInternalSelect::Canvas() {
    if (MoveTool) return TInternalMouse::Canvas();
    return TInternalBmp::Canvas();
}

void TInternalSelect::MouseMove(TPoint p) {
    FLastPoint = p;
    if (MoveTool) {
        MoveTool->OnMove(p);
        return;
    }
    if (Mouse.Dragging)
        Mouse.MouseMove(p);
    else
        UpdateCursor();
}

bool TInternalSelect::TakeShift(int shift) {
    Mode = TSelectMode::Replace;
    if (shift != 0 && !Edit().Selection().IsEmpty() && Image()) {
        const TShiftStateSettings& roles = Mouse.Env.Options.Shift;
        if (shift == roles.Add)
            Mode = TSelectMode::Add;
        else if (shift == roles.Delete)
            Mode = TSelectMode::Delete;
        else if (shift == roles.And)
            Mode = TSelectMode::And;
    }
    return Mode != TSelectMode::Replace;
}

void TInternalSelect::ShiftChanged(int shift, bool) {
    if (Mouse.Dragging || MoveTool) return;
    TakeShift(shift);
    UpdateCursor();
}

void TInternalSelect::UpdateCursor() {
    if (Mouse.Dragging || MoveTool) return;
    if (Mode != TSelectMode::Replace) {
        const int slot = static_cast<int>(Mode) - 1;
        const int id = kCursorSelectAdd + slot;
        if (!FMarksMade[slot]) {
            Mouse.Host.RegisterCursor(id, MarkedCursorName(FCursorName, kMarks[slot]));
            FMarksMade[slot] = true;
        }
        Mouse.Host.SetCursorId(id);
        return;
    }
    Mouse.Host.SetCursorId(OnSelected(FLastPoint) ? kCursorMove : kCursorSelect);
}

void TInternalSelect::Commit(const TRect& rect) {
    TInternalBmp::Commit(rect);
    TDib* image = Image();
    if (!image) return;
    const TRect r = IntersectRect(rect, image->GetRect());
    TSelection& selection = Edit().Selection();
    if (UsesMask) {
        if (!Mask || Mask->GetSize() != image->GetSize()) return;
        switch (Mode) {
            case TSelectMode::Replace: selection.Replace(*Mask, r); break;
            case TSelectMode::Add: selection.AddMask(*Mask, r); break;
            case TSelectMode::Delete: selection.DeleteMask(*Mask, r); break;
            case TSelectMode::And: selection.AndMask(*Mask, r); break;
        }
    } else {
        CommitShape(r);
    }
    Edit().View().UpdateNow();
    Edit().View().RedrawOutline();
}

// The shape as drawn with a white brush and pen is the new mask; its set pixels bound it.
void TInternalSelect::CommitShape(const TRect&) {
    const TDib* image = Image();
    auto m = TMaskDib::CreateSize(image->GetSize());
    Mouse.DrawToMask(*m);
    const TRect bounds = m->Bounds();
    TSelection& selection = Edit().Selection();
    switch (Mode) {
        case TSelectMode::Replace: selection.Replace(*m, bounds); break;
        case TSelectMode::Add: selection.AddMask(*m, bounds); break;
        case TSelectMode::Delete: selection.DeleteMask(*m, bounds); break;
        case TSelectMode::And: selection.AndMask(*m, bounds); break;
    }
}

}  // namespace pixmo
