#include "windows/tool_form.h"

#include <QAction>

#include "tools/tool_items.h"
#include "view/app_context.h"
#include "view/custom_main_form.h"
#include "view/paint_client.h"
#include "windows/tool_glyphs.h"

namespace pixmo {

namespace {

constexpr int kMargin = 2;

struct TButtonEntry {
    const char* Name;
    const char* Hint;
    const char* MenuItem;
    const char* DblMenuItem;
    TToolItem Tool;
    int X, Y;
};

constexpr TButtonEntry kButtons[TToolForm::kButtonCount] = {
    {"SBSelectRect", "Selezione Rettangolare", "MISelectRect", "MIShowOption", TToolItem::SelectRect, 0, 0},
    {"SBSelectEllipse", "Selezione Circolare", "MISelectEllipse", "MIShowOption", TToolItem::SelectEllipse, 24, 0},
    {"SBSelectPoly", "Selezione Poligonale", "MISelectPoly", "MIShowOption", TToolItem::SelectPoly, 0, 23},
    {"SBSelectRegion", "Seleziona Regione", "MISelectRegion", "MIShowOption", TToolItem::SelectRegion, 24, 23},
    {"SBSelectParallelogram", "Selezione Parallelogramma", "MISelectParallelogram", "MIShowOption",
     TToolItem::SelectParallelogram, 0, 46},
    {"SBSelectColors", "Seleziona Colori", "MISelectColors", "MIShowOption", TToolItem::SelectColors, 24, 46},
    {"SBSelectBorder", "Scegli Bordi con il Colore Secondario", "MISelectBorder", "MIShowOption",
     TToolItem::SelectBorder, 0, 69},
    {"SBSelectSurface", "Bacchetta Magica", "MISelectSurface", "MIShowOption", TToolItem::SelectSurface, 24, 69},
    {"SBDrawDot", "Matita", "MIDrawDot", "MIShowPen", TToolItem::DrawDot, 0, 97},
    {"SBDrawLine", "Linea", "MIDrawLine", "MIShowPen", TToolItem::DrawLine, 24, 97},
    {"SBDrawRect", "Rettangolo", "MIDrawRect", "MIShowPalette", TToolItem::DrawRect, 0, 120},
    {"SBFillRect", "Rettangolo Pieno", "MIFillRect", "MIShowPalette", TToolItem::FillRect, 24, 120},
    {"SBDrawEllipse", "Cerchio", "MIDrawEllipse", "MIShowPalette", TToolItem::DrawEllipse, 0, 143},
    {"SBFillEllipse", "Cerchio Pieno", "MIFillEllipse", "MIShowPalette", TToolItem::FillEllipse, 24, 143},
    {"SBDrawEdge", "Bordi", "MIDrawEdge", "MIShowPlace", TToolItem::DrawEdge, 0, 166},
    {"SBFill", "Secchiello", "MIFill", "MIShowPlace", TToolItem::Fill, 24, 166},
    {"SBDrawBezier", "Curva", "MIDrawBezier", "MIShowPlace", TToolItem::DrawBezier, 0, 189},
    {"SBDrawSpray", "Aerografo", "MIDrawSpray", "MIShowPlace", TToolItem::DrawSpray, 24, 189},
};

}  // namespace

TToolForm::TToolForm(TAppContext& app, QWidget* parent) : TDibForm(app, "ToolForm", false, parent, Qt::Tool) {
    setWindowTitle("Strumenti");
    const TCustomMainForm* main = app.MainForm();
    int right = 0, bottom = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        const TButtonEntry& entry = kButtons[i];
        auto* button = new TAppButton(entry.Name, QString::fromUtf8(entry.Hint), this);
        button->move(kMargin + entry.X, kMargin + entry.Y);
        button->SetGlyph(ToolGlyph(entry.Tool));
        if (main) {
            button->SetMenuItem(main->MenuItem(entry.MenuItem));
            button->SetDblMenuItem(main->MenuItem(entry.DblMenuItem));
        }
        button->SetOnEditShortcut([this](const std::string& item) {
            if (TCustomMainForm* form = App().MainForm()) form->EditShortcut(item);
        });
        FButtons[static_cast<size_t>(i)] = button;
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
