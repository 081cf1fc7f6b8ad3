#include "view/paint_client.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "edit/selection.h"
#include "image/dib_canvas.h"
#include "image/int_math.h"
#include "tools/cursor_images.h"
#include "tools/select_marks.h"
#include "tools/tool_items.h"
#include "view/view_objects.h"
#include <QPixmap>

namespace pixmo {

namespace {

int ShiftByte(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= kShiftKey;
    if (modifiers & Qt::AltModifier) shift |= kAltKey;
    if (modifiers & Qt::ControlModifier) shift |= kCtrlKey;
    return shift;
}

Qt::CursorShape CursorShapeOf(int id) {
    switch (id) {
        case kCursorHourGlass: return Qt::WaitCursor;
        case kCursorHand: return Qt::PointingHandCursor;
        case kCursorMove: return Qt::SizeAllCursor;
        case kCursorTool:
        case kCursorGetColor: return Qt::CrossCursor;
        default: return Qt::ArrowCursor;
    }
}

bool IsModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta;
}

}  // namespace

TPaintClient::TPaintClient(QWidget* parent, TViewObjects* objects) : TClient(parent), FObjects(objects) {
    if (!FObjects) {
        FOwnObjects = std::make_unique<TViewObjects>();
        FObjects = FOwnObjects.get();
    }
    Scroller().SetZoom(1, 1);
}

// The temporary tool goes first, then the current one; the scroller goes with the base.
TPaintClient::~TPaintClient() {
    FTempTool.reset();
    FTool.reset();
}

void TPaintClient::SetContext(TEditContext* context) {
    if (FContext) {
        if (&FContext->View() == this) FContext->AttachView(nullptr);
        if (&FContext->Notices() == this) FContext->AttachNotices(nullptr);
        if (&FContext->Busy() == this) FContext->AttachBusy(nullptr);
    }
    FContext = context;
    if (!FContext) return;
    FContext->AttachView(this);
    FContext->AttachNotices(this);
    FContext->AttachBusy(this);
}

TDib* TPaintClient::Dib() const { return FContext ? FContext->Dib() : nullptr; }

// A tool's failure must not end the program: the client goes on.
template <class F>
void TPaintClient::Guarded(F&& f) {
    try {
        f();
    } catch (...) {
    }
}

// --- images ---

void TPaintClient::ImageInstalled() {
    const TDib* dib = Dib();
    Scroller().SetRange(dib ? dib->GetSize() : TPoint{0, 0});
    FOutline.Drop();
    FObjects->DropOutlineMasks();
    TClient::InvalidateAll(true);
}

void TPaintClient::PaletteChanged() { TClient::InvalidateAll(false); }

// --- zoom and grids ---

void TPaintClient::SetZoom(int z, bool anchorAtCursor) {
    if (z <= 0 || z > kMaxZoom || z == FZoom) return;
    FZoom = z;
    const TPoint before = ClientToImage(CursorPos());
    Scroller().SetZoom(z, z);
    if (anchorAtCursor) {
        const TPoint after = ClientToImage(CursorPos());
        Scroller().ScrollBy(before.X - after.X, before.Y - after.Y);
    }
    Repaint();
    emit zoomChanged(z);
}

bool TPaintClient::ZoomIn(bool anchorAtCursor) {
    const auto it = std::find(kZoomSteps.begin(), kZoomSteps.end(), FZoom);
    if (it == kZoomSteps.end() || it + 1 == kZoomSteps.end()) return false;
    SetZoom(*(it + 1), anchorAtCursor);
    return true;
}

bool TPaintClient::ZoomOut(bool anchorAtCursor) {
    const auto it = std::find(kZoomSteps.begin(), kZoomSteps.end(), FZoom);
    if (it == kZoomSteps.end() || it == kZoomSteps.begin()) return false;
    SetZoom(*(it - 1), anchorAtCursor);
    return true;
}

void TPaintClient::SetGridMode(int mode) {
    FGridMode = mode;
    if (isVisible()) Repaint();
}

void TPaintClient::SetUnit(int x, int y) {
    if (x == FUnitX && y == FUnitY) return;
    FUnitX = x;
    FUnitY = y;
    if (isVisible()) Repaint();
}

void TPaintClient::SetShowUnitGrid(bool show) {
    if (show == FShowUnitGrid) return;
    FShowUnitGrid = show;
    if (isVisible()) Repaint();
}

void TPaintClient::SetShowTransparency(bool show) {
    if (show == FShowTransparency) return;
    FShowTransparency = show;
    if (isVisible()) Repaint();
}

void TPaintClient::SetShowEdges(bool show) {
    if (show == FShowEdges) return;
    FShowEdges = show;
    if (!show && FOutline.IsBuilt()) {
        const QRect r = FOutline.Rect();
        FOutline.Drop();
        InvalidateRect(TRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1}, false);
    } else if (show) {
        RedrawOutline();
    }
}

// --- tools ---

void TPaintClient::SelectTool(TToolItem item) {
    FTool.reset();
    if (FFactory && item != TToolItem::None) Guarded([&] { FTool = FFactory->CreateTool(item, *this); });
    if (!FTool) return;
    FToolItem = item;
    if (!IsPassingTool(item)) FLastToolItem = item;
    emit toolChanged();
}

TDibCanvas* TPaintClient::ToolCanvas() const {
    TDibCanvas* canvas = nullptr;
    if (FTempTool)
        canvas = FTempTool->GetCanvas();
    else if (FTool)
        canvas = FTool->GetCanvas();
    if (!canvas && Dib()) canvas = &Dib()->Canvas();
    return canvas;
}

bool TPaintClient::IsDragging() const {
    if (FTempTool) return FTempTool->IsDragging();
    return FTool && FTool->IsDragging();
}

void TPaintClient::AbortTool() {
    if (IsPassingTool(FToolItem) && FTool) {
        RestoreTool();
        return;
    }
    Guarded([&] {
        if (FTempTool && FTempTool->IsDragging())
            FTempTool->Abort();
        else if (FTool && FTool->IsDragging())
            FTool->Abort();
    });
}

void TPaintClient::UpdateToolCursor() {
    Guarded([&] {
        if (FTempTool)
            FTempTool->UpdateCursor();
        else if (FTool)
            FTool->UpdateCursor();
    });
}

void TPaintClient::NotifyTools(TNotice notice) {
    if (!Dib()) return;
    Guarded([&] {
        if (FTempTool) FTempTool->Notify(notice);
    });
    Guarded([&] {
        if (FTool) FTool->Notify(notice);
    });
}

void TPaintClient::FreeTempTool() { FTempTool.reset(); }

// The modifiers of the last input event the client saw.
int TPaintClient::HeldShift() const { return ShiftByte(FModifiers); }

void TPaintClient::UpdateTempTool() {
    FModifiers = QGuiApplication::keyboardModifiers();
    UpdateTempToolFor(HeldShift());
}

void TPaintClient::UpdateTempToolFor(int shift) {
    if (FTempTool && (FTempTool->IsDragging() || LeftDragging() || RightDragging())) {
        Guarded([&] { FTempTool->ShiftChanged(shift, false); });
        return;
    }
    FreeTempTool();
    const bool selected = FContext && Dib() && !FContext->Selection().IsEmpty();
    if ((!FTool || !FTool->IsDragging()) && shift != 0 && selected && FFactory) {
        Guarded([&] {
            if (FShiftKeys.Move != 0 && shift == FShiftKeys.Move)
                FTempTool = FFactory->CreateTempTool(TTempToolKind::Move, *this);
            else if (FShiftKeys.Duplicate != 0 && shift == FShiftKeys.Duplicate)
                FTempTool = FFactory->CreateTempTool(TTempToolKind::Duplicate, *this);
            if (FTempTool) FTempTool->UpdateCursor();
        });
    }
    if (!FTempTool && FTool) Guarded([&] { FTool->ShiftChanged(shift, false); });
}

void TPaintClient::RegisterCursor(int id, const std::string& resourceName) {
    const TCursorImage* image = FindCursorImage(resourceName);
    if (!image) {
        // A selection tool's mode cursor: the tool's picture with the mode's mark on it.
        const std::vector<std::string> marked = MarkedCursorXpm(resourceName);
        const TCursorImage* base = FindCursorImage(resourceName.substr(0, resourceName.find('+')));
        if (marked.empty() || !base) {
            FCursors.erase(id);
            return;
        }
        std::vector<const char*> lines;
        for (const std::string& line : marked) lines.push_back(line.c_str());
        FCursors[id] = QCursor(QPixmap(lines.data()), base->HotX, base->HotY);
        return;
    }
    FCursors[id] = QCursor(QPixmap(image->Xpm), image->HotX, image->HotY);
}

void TPaintClient::SetCursorId(int id) {
    FCursorId = id;
    if (FCursors.empty()) {
        // The move and pick cursors are ours from the start.
        RegisterCursor(kCursorMove, "CR_MOVE");
        RegisterCursor(kCursorGetColor, "CR_GETCOLOR");
    }
    if (const auto it = FCursors.find(id); it != FCursors.end()) {
        viewport()->setCursor(it->second);
        return;
    }
    viewport()->setCursor(QCursor(CursorShapeOf(id)));
}

void TPaintClient::BeginBusyCursor() {
    if (FBusyDepth++ == 0) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void TPaintClient::EndBusyCursor() {
    if (FBusyDepth > 0 && --FBusyDepth == 0) QGuiApplication::restoreOverrideCursor();
}

void TPaintClient::BringToFront() {
    window()->raise();
    window()->activateWindow();
    emit bringToFrontRequested();
}

void TPaintClient::Scrolled() { emit scrolled(); }

// --- mouse routing ---

void TPaintClient::LeftDown(TPoint p) {
    if (!Dib()) return;
    FRightButton = false;
    Guarded([&] {
        if (!FTempTool && FTool) FTool->OnButtonDown(p);
        if (FTempTool) FTempTool->OnButtonDown(p);
    });
}

bool TPaintClient::ExamineRightDown(TPoint, Qt::KeyboardModifiers modifiers) {
    if (!Dib()) return false;
    const int shift = ShiftByte(modifiers);
    if (shift != 0) {
        if (FShiftKeys.Scroll != 0 && shift == FShiftKeys.Scroll && FFactory) {
            FreeTempTool();
            Guarded([&] { FTempTool = FFactory->CreateTempTool(TTempToolKind::Scroll, *this); });
        }
        return FTempTool != nullptr;
    }
    if (!FTool || !FTool->IsDragging()) {
        if (FTool && FTool->HasPopupMenu()) {
            emit toolPopupRequested(QCursor::pos());
            return false;
        }
        if (!FRightButtonDraws && FFactory) {
            FreeTempTool();
            Guarded([&] { FTempTool = FFactory->CreateTempTool(TTempToolKind::GetColor1, *this); });
        }
    }
    return true;
}

void TPaintClient::RightDown(TPoint p) {
    if (!Dib()) return;
    FRightButton = true;
    Guarded([&] {
        if (FTempTool)
            FTempTool->OnButtonDown(p);
        else if (FTool)
            FTool->OnButtonDown(p);
    });
}

void TPaintClient::MouseMove(TPoint p) {
    Guarded([&] {
        if (FTempTool)
            FTempTool->OnMove(p);
        else if (FTool)
            FTool->OnMove(p);
    });
    OnionPointerMoved(*this, p);
    emit cursorTextChanged(QString("%1,%2").arg(p.X).arg(p.Y));
}

void TPaintClient::ButtonUp(TPoint p) {
    if (Dib()) Guarded([&] {
        if (FTempTool) {
            FTempTool->OnButtonUp(p);
            FreeTempTool();
        } else if (FTool) {
            FTool->OnButtonUp(p);
        }
    });
    FreeTempTool();
    FRightButton = false;
    UpdateTempToolFor(HeldShift());
}

void TPaintClient::LeftUp(TPoint p) { ButtonUp(p); }
void TPaintClient::RightUp(TPoint p) { ButtonUp(p); }

void TPaintClient::CancelDrag() {
    Guarded([&] {
        if (FTempTool)
            FTempTool->Abort();
        else if (FTool)
            FTool->Abort();
    });
    FreeTempTool();
    FRightButton = false;
    UpdateTempToolFor(HeldShift());
}

void TPaintClient::LeftDoubleClick(TPoint p) {
    if (Dib()) Guarded([&] {
        if (!FTempTool && FTool) FTool->DoubleClick(p);
        if (FTempTool) FTempTool->DoubleClick(p);
    });
    UpdateTempToolFor(HeldShift());
}

void TPaintClient::mousePressEvent(QMouseEvent* event) {
    FModifiers = event->modifiers();
    TClient::mousePressEvent(event);
}

void TPaintClient::mouseReleaseEvent(QMouseEvent* event) {
    FModifiers = event->modifiers();
    TClient::mouseReleaseEvent(event);
}

void TPaintClient::mouseMoveEvent(QMouseEvent* event) {
    FModifiers = event->modifiers();
    TClient::mouseMoveEvent(event);
}

void TPaintClient::mouseDoubleClickEvent(QMouseEvent* event) {
    FModifiers = event->modifiers();
    TClient::mouseDoubleClickEvent(event);
}

// A key event reports the modifiers as they are after the key.
void TPaintClient::keyPressEvent(QKeyEvent* event) {
    FModifiers = event->modifiers();
    if (IsModifierKey(event->key())) UpdateTempToolFor(HeldShift());
    TClient::keyPressEvent(event);
}

void TPaintClient::keyReleaseEvent(QKeyEvent* event) {
    FModifiers = event->modifiers();
    if (IsModifierKey(event->key())) UpdateTempToolFor(HeldShift());
    TClient::keyReleaseEvent(event);
}

// --- queued requests ---

// Selection changes come in bursts; the outline is rebuilt once for all of them.
void TPaintClient::RedrawOutline() {
    if (FOutlinePending) return;
    FOutlinePending = true;
    QMetaObject::invokeMethod(this, [this] {
        FOutlinePending = false;
        const TDib* dib = Dib();
        if (!FShowEdges || !dib) return;
        if (IsDragging()) {
            // No outline shows during a drag; the last one drawn must not stay behind on screen.
            EraseOutline();
            return;
        }
        OutlineChanged();
    }, Qt::QueuedConnection);
}


}  // namespace pixmo
