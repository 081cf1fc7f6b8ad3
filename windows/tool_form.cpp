#include "windows/tool_form.h"

#include <QAction>
#include <QCoreApplication>
#include <algorithm>
#include <utility>

#include "tools/tool_items.h"
#include "view/app_context.h"
#include "view/custom_main_form.h"
#include "view/paint_client.h"
#include "windows/tool_glyphs.h"

namespace pixmo {

namespace {

constexpr int kMargin = 2;

// The rows that have a button, in reading order of their places.
std::vector<const TToolEntry*> ButtonRows() {
    std::vector<const TToolEntry*> rows;
    for (const TToolEntry& e : ToolEntries())
        if (e.Button.Name) rows.push_back(&e);
    std::stable_sort(rows.begin(), rows.end(), [](const TToolEntry* a, const TToolEntry* b) {
        return std::pair(a->Button.Y, a->Button.X) < std::pair(b->Button.Y, b->Button.X);
    });
    return rows;
}

}  // namespace

TToolForm::TToolForm(TAppContext& app, QWidget* parent) : TDibForm(app, "ToolForm", false, parent, Qt::Tool) {
    setWindowTitle(tr("Strumenti"));
    const TCustomMainForm* main = app.MainForm();
    int right = 0, bottom = 0;
    for (const TToolEntry* row : ButtonRows()) {
        const TToolButton& entry = row->Button;
        auto* button = new TAppButton(entry.Name, QCoreApplication::translate(kToolTextContext, entry.Hint), this);
        button->move(kMargin + entry.X, kMargin + entry.Y);
        button->SetGlyph(ToolGlyph(row->Glyph));
        if (main) {
            button->SetMenuItem(main->MenuItem(row->Name));
            button->SetDblMenuItem(main->MenuItem(entry.DblMenuItem));
        }
        button->SetOnEditShortcut([this](const std::string& item) {
            if (TCustomMainForm* form = App().MainForm()) form->EditShortcut(item);
        });
        FButtons.push_back(button);
        right = std::max(right, entry.X + 24);
        bottom = std::max(bottom, entry.Y + 23);
    }
    const QSize size(right + 2 * kMargin, bottom + 2 * kMargin);
    setFixedSize(size);
    SetSizeable(false);
    SetDesignedSize(size);
    ShowCurrentTool();
    AfterConstruction();
}

TToolForm::~TToolForm() { BeforeDestruction(); }

TAppButton* TToolForm::Button(const QString& name) const {
    for (TAppButton* b : FButtons)
        if (b->objectName() == name) return b;
    return nullptr;
}

void TToolForm::ShowCurrentTool() {
    const TPaintClient* client = App().PaintClient();
    const std::string current = client ? ToolItemName(client->ToolItem()) : std::string();
    bool found = false;
    for (TAppButton* b : FButtons) {
        if (!current.empty() && b->MenuItem() && b->MenuItem()->objectName().toStdString() == current) {
            b->SetDown(true);
            found = true;
        }
    }
    // A tool the box has no button for leaves every button up.
    if (!found)
        for (TAppButton* b : FButtons) b->SetDown(false);
}

void TToolForm::HandleMessage(TNotice notice) {
    if (notice == TNotice::ToolChanged) ShowCurrentTool();
}

}  // namespace pixmo
