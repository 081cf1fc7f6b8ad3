#pragma once
// A paint client on a fresh document, shown offscreen, with tools that record their calls.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "edit/selection.h"
#include "image/clipboard.h"
#include "support/test_support.h"
#include "tools/mouse_tool.h"
#include "view/paint_client.h"
#include "view/view_objects.h"

namespace pixmo::test {

class TQuietPanels : public TMainPanels {
public:
    std::string FileName;
    void ShowMessage(const std::string&) override {}
    void ShowRect(const TRect&) override {}
    void SetUndoPanel(const std::string&) override {}
    void ModifiedChanged(bool) override {}
    void FileNameChanged(const std::string& name) override { FileName = name; }
};

// Writes "down x,y", "move x,y", "up x,y", "dbl x,y", "abort", "shift n" to a shared log.
class TRecordingTool : public TMouseTool {
public:
    TRecordingTool(std::string name, std::vector<std::string>& log) : Name(std::move(name)), Log(log) {}
    ~TRecordingTool() override { Log.push_back(Name + " freed"); }

    void OnButtonDown(TPoint p) override {
        Dragging = true;
        Say("down", p);
        if (ThrowOnDown) throw std::runtime_error("tool failure");
    }
    void OnButtonUp(TPoint p) override {
        Dragging = false;
        Say("up", p);
    }
    void OnMove(TPoint p) override { Say("move", p); }
    void DoubleClick(TPoint p) override { Say("dbl", p); }
    void Abort() override {
        Dragging = false;
        Log.push_back(Name + " abort");
    }
    bool IsDragging() const override { return Dragging; }
    void ShiftChanged(int shift, bool) override { Log.push_back(Name + " shift " + std::to_string(shift)); }
    void Notify(TNotice notice) override { Log.push_back(Name + " notify " + std::to_string(NoticeNumber(notice))); }
    void UpdateCursor() override {}
    TDibCanvas* GetCanvas() override { return nullptr; }
    bool HasPopupMenu() const override { return Popup; }

    std::string Name;
    std::vector<std::string>& Log;
    bool Dragging = false;
    bool Popup = false;
    bool ThrowOnDown = false;

private:
    void Say(const char* what, TPoint p) {
        Log.push_back(Name + " " + what + " " + std::to_string(p.X) + "," + std::to_string(p.Y));
    }
};

class TRecordingFactory : public TToolFactory {
public:
    std::vector<std::string> Log;
    TRecordingTool* LastTool = nullptr;

    std::unique_ptr<TMouseTool> CreateTool(TToolItem item, TToolHost&) override {
        if (item == TToolItem::Animation) return nullptr;
        auto tool = std::make_unique<TRecordingTool>("tool", Log);
        LastTool = tool.get();
        return tool;
    }
    std::unique_ptr<TMouseTool> CreateTempTool(TTempToolKind kind, TToolHost&) override {
        static const char* names[] = {"scroll", "getcolor", "move", "duplicate"};
        return std::make_unique<TRecordingTool>(names[static_cast<int>(kind)], Log);
    }
    // The log without the entries of a name ("tool move ..." lines are often noise).
    std::vector<std::string> Without(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& line : Log)
            if (line.rfind(prefix, 0) != 0) out.push_back(line);
        return out;
    }
};

struct TClientFixture {
    // The tools log into the factory: it outlives the client.
    TRecordingFactory Factory;
    TQuietPanels Panels;
    TMemoryClipboard Clipboard;
    TViewObjects Objects{QSize(400, 300)};
    TPaintClient Client{nullptr, &Objects};
    TEditContext Context{Clipboard};

    explicit TClientFixture(QSize size = QSize(400, 300)) {
        Client.SetContext(&Context);
        Context.AttachPanels(&Panels);
        Client.SetToolFactory(&Factory);
        Client.resize(size);
        Client.show();
        QApplication::processEvents();
    }

    // An image of one colour index on a 16-entry grey ramp.
    void Install(int w, int h, int index = 5) {
        auto image = TDib::Create(w, h, 16);
        for (int i = 0; i < 16; ++i) image->SetColor(i, RGB(i * 17, i * 17, i * 17));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) image->SetPixel(x, y, static_cast<uint8_t>(index));
        Context.SetDib(std::move(image));
        QApplication::processEvents();
    }

    QWidget* View() const { return Client.viewport(); }

    void Mouse(QEvent::Type type, Qt::MouseButton button, QPoint pos, Qt::KeyboardModifiers mods = {}) {
        Qt::MouseButtons buttons = Held;
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) buttons |= button;
        if (type == QEvent::MouseButtonRelease) buttons &= ~Qt::MouseButtons(button);
        Held = buttons;
        QMouseEvent event(type, QPointF(pos), QPointF(View()->mapToGlobal(pos)), button, buttons, mods);
        QApplication::sendEvent(View(), &event);
    }
    void Press(Qt::MouseButton b, QPoint pos, Qt::KeyboardModifiers mods = {}) {
        Mouse(QEvent::MouseButtonPress, b, pos, mods);
    }
    void Release(Qt::MouseButton b, QPoint pos) { Mouse(QEvent::MouseButtonRelease, b, pos); }
    void Move(QPoint pos) { Mouse(QEvent::MouseMove, Qt::NoButton, pos); }

    // The widget as the user sees it.
    QImage Shot() { return View()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    Qt::MouseButtons Held;
};

}  // namespace pixmo::test
