#include "windows/shift_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "edit/edit_context.h"
#include "edit/main_panels.h"
#include "edit/selection.h"
#include "image/errors.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "uikit/number_edit.h"
#include "uikit/strings_button.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {
constexpr int kClientWidth = 240, kClientHeight = 82;
constexpr int kArrowSize = 22;
constexpr int kMaxShift = 8000;
}  // namespace

TShiftForm::TShiftForm(TAppContext& app, QWidget* parent) : TDibForm(app, "ShiftForm", false, parent, Qt::Tool) {
    setWindowTitle("Muovi Immagine");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);

    auto* cross = new QGridLayout();
    cross->setSpacing(0);
    auto arrow = [this, cross](const char* name, Qt::ArrowType type, int row, int column) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setArrowType(type);
        b->setFixedSize(kArrowSize, kArrowSize);
        cross->addWidget(b, row, column);
        connect(b, &QToolButton::clicked, this, [this, b] { ShiftButtonClick(b); });
        return b;
    };
    ShiftUpButton = arrow("ShiftUpButton", Qt::UpArrow, 0, 1);
    ShiftLeftButton = arrow("ShiftLeftButton", Qt::LeftArrow, 1, 0);
    ShiftRightButton = arrow("ShiftRightButton", Qt::RightArrow, 1, 2);
    ShiftDownButton = arrow("ShiftDownButton", Qt::DownArrow, 2, 1);
    layout->addLayout(cross);
    layout->addSpacing(6);

    auto* fields = new QGridLayout();
    fields->setSpacing(2);
    auto field = [this, fields](int row, const char* label, const char* name, const char* hint, const char* button,
                                TStringsButton*& recent) {
        fields->addWidget(new QLabel(label, this), row, 0);
        auto* edit = new TNumberEdit(name, hint, -kMaxShift, kMaxShift, 0, this);
        edit->setFixedWidth(48);
        fields->addWidget(edit, row, 1);
        recent = new TStringsButton(button, this);
        recent->setFixedSize(20, edit->sizeHint().height());
        recent->SetOnChoose([edit](const QString& text) { edit->setText(text); });
        fields->addWidget(recent, row, 2);
        return edit;
    };
    HorzShift = field(0, "Orizzontale", "HorzShift", "Sposta in Orizzontale", "HorzShiftButton", HorzShiftButton);
    VertShift = field(1, "Verticale", "VertShift", "Sposta in Verticale", "VertShiftButton", VertShiftButton);
    auto* buttons = new QHBoxLayout();
    ShiftButton = new QPushButton("Muovi", this);
    ShiftButton->setObjectName("ShiftButton");
    XShiftButton = new QPushButton("Rifletti", this);
    XShiftButton->setObjectName("XShiftButton");
    for (QPushButton* b : {ShiftButton, XShiftButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, b] { ShiftButtonClick(b); });
    }
    fields->addLayout(buttons, 2, 0, 1, 3);
    layout->addLayout(fields, 1);

    SetSizeable(false);
    SetDesignedSize(QSize(kClientWidth, kClientHeight));
    resize(kClientWidth, kClientHeight);
    AfterConstruction();
}

TShiftForm::~TShiftForm() { BeforeDestruction(); }

void TShiftForm::LoadSettings() {
    HorzShift->SetValue(Ini().ReadInteger("HorzShift", 0));
    VertShift->SetValue(Ini().ReadInteger("VertShift", 0));
    HorzShiftButton->Load(Ini());
    VertShiftButton->Load(Ini());
}

// A field left holding no valid number keeps the value last stored.
void TShiftForm::SaveSettings() {
    if (const auto v = HorzShift->Value()) Ini().WriteInteger("HorzShift", *v);
    if (const auto v = VertShift->Value()) Ini().WriteInteger("VertShift", *v);
    HorzShiftButton->Save(Ini());
    VertShiftButton->Save(Ini());
}

void TShiftForm::ShiftButtonClick(QAbstractButton* sender) {
    try {
        Shift(sender);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        ShowErrorBox(this, ErrorText(e));
    }
}

void TShiftForm::Shift(QAbstractButton* sender) {
    TEditContext& doc = App().Edit();
    if (!doc.Dib()) return;
    TPaintClient* client = App().PaintClient();
    // A tool half-way through a drag would draw over the shifted pixels when it ends.
    if (client) client->AbortTool();
    TSelection& selection = doc.Selection();
    const struct {
        QAbstractButton* Button;
        const char* Message;
        int Dx, Dy;
    } arrows[] = {
        {ShiftLeftButton, "L'immagine viene spostata a Sinistra", -1, 0},
        {ShiftRightButton, "L'immagine viene spostata a Destra", 1, 0},
        {ShiftUpButton, "L'immagine viene spostata in Alto", 0, -1},
        {ShiftDownButton, "L'immagine viene spostata in Basso", 0, 1},
    };
    for (const auto& a : arrows) {
        if (sender != a.Button) continue;
        doc.Panels().ShowMessage(a.Message);
        selection.Shift(a.Dx, a.Dy);
    }
    if (sender == ShiftButton) {
        // A field that holds no number in range is named in an error box; nothing moves.
        if (!HorzShift->Check() || !VertShift->Check()) return;
        HorzShiftButton->AddRecent(HorzShift->text().trimmed());
        VertShiftButton->AddRecent(VertShift->text().trimmed());
        selection.Shift(*HorzShift->Value(), *VertShift->Value());
    } else if (sender == XShiftButton) {
        selection.XShift();
    }
    if (client) client->UpdateNow();
}

}  // namespace pixmo
