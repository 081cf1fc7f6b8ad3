#include "windows/option_form.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "edit/edit_context.h"
#include "settings/main_keys.h"
#include "tools/tool_options.h"
#include "uikit/number_edit.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {
constexpr int kClientWidth = 225, kPanelHeight = 26;

QWidget* Panel(const char* name, QWidget* parent, QLayout* into) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setFixedHeight(kPanelHeight);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 0, 4, 0);
    into->addWidget(panel);
    return panel;
}
}  // namespace

QWidget* OptionPanel(const char* name, QWidget* parent, QLayout* into) { return Panel(name, parent, into); }

TOptionForm::TOptionForm(TAppContext& app, TToolOptions& options, QWidget* parent)
    : TDibForm(app, "OptionForm", false, parent, Qt::Tool), FOptions(options) {
    setWindowTitle(tr("Opzioni"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    PNTrans = Panel("PNTrans", this, layout);
    auto* transLabel = new QLabel(tr("Transparenza"), PNTrans);
    transLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    PNTrans->layout()->addWidget(transLabel);
    SBTransRate = new QScrollBar(Qt::Horizontal, PNTrans);
    SBTransRate->setObjectName("SBTransRate");
    SBTransRate->setRange(0, 100);
    SBTransRate->setPageStep(10);
    SBTransRate->setMinimumWidth(80);
    static_cast<QHBoxLayout*>(PNTrans->layout())->addWidget(SBTransRate, 1);
    PBTransRate = new QPushButton("100", PNTrans);
    PBTransRate->setObjectName("PBTransRate");
    PBTransRate->setToolTip(tr("Opaco"));
    PBTransRate->setFixedWidth(PBTransRate->fontMetrics().horizontalAdvance("100") + 14);
    PNTrans->layout()->addWidget(PBTransRate);
    connect(SBTransRate, &QScrollBar::sliderReleased, this, &TOptionForm::TransRateChanged);
    connect(SBTransRate, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove) QMetaObject::invokeMethod(this, &TOptionForm::TransRateChanged, Qt::QueuedConnection);
    });
    // The caption says what the button sets: the bar at 100, opaque drawing.
    connect(PBTransRate, &QPushButton::clicked, this, [this] {
        SBTransRate->setValue(100);
        TransRateChanged();
    });

    TMainSettings& s = App().Settings();
    PNSpray = Panel("PNSpray", this, layout);
    PNSpray->layout()->addWidget(new QLabel(tr("Spazio"), PNSpray));
    NEInterval = new TNumberEdit("NEInterval", tr("Spazio"), -1, 1000, s.SprayInterval, PNSpray);
    PNSpray->layout()->addWidget(NEInterval);
    connect(NEInterval, &QLineEdit::textChanged, this, [this] {
        if (auto v = NEInterval->Value()) App().Settings().SprayInterval = *v;
    });

    PNRMode = Panel("PNRMode", this, layout);
    CBRDraw = new QCheckBox(tr("Disegna Eroe Destro"), PNRMode);
    CBRDraw->setObjectName("CBRDraw");
    PNRMode->layout()->addWidget(CBRDraw);
    connect(CBRDraw, &QCheckBox::clicked, this, [this](bool on) {
        App().Settings().RDraw = on;
        if (TPaintClient* client = App().PaintClient()) client->SetRightButtonDraws(on);
        App().Broadcast(TNotice::RightDraws);
    });

    PNRect = Panel("PNRect", this, layout);
    CBSquare = new QCheckBox(tr("Quadrato"), PNRect);
    CBSquare->setObjectName("CBSquare");
    CBCenter = new QCheckBox(tr("Dal Centro"), PNRect);
    CBCenter->setObjectName("CBCenter");
    PNRect->layout()->addWidget(CBSquare);
    PNRect->layout()->addWidget(CBCenter);
    auto flag = [this](int bit) {
        return [this, bit](bool on) {
            uint8_t& opt = App().Settings().DefRectOpt;
            opt = static_cast<uint8_t>(on ? opt | bit : opt & ~bit);
            App().Broadcast(TNotice::ShapeOptions);
        };
    };
    connect(CBSquare, &QCheckBox::clicked, this, flag(1));
    connect(CBCenter, &QCheckBox::clicked, this, flag(2));

    PNLimit = Panel("PNLimit", this, layout);
    PNLimit->layout()->addWidget(new QLabel(tr("Tolleranza"), PNLimit));
    NELimit = new TNumberEdit("NELimit", tr("Tolleranza"), 0, 255, s.SelectLimit, PNLimit);
    PNLimit->layout()->addWidget(NELimit);
    connect(NELimit, &QLineEdit::textChanged, this, [this] {
        if (auto v = NELimit->Value()) App().Settings().SelectLimit = *v;
    });

    PNSelectColors = Panel("PNSelectColors", this, layout);
    CBSelectInSight = new QCheckBox(tr("Solo nell'Area Visibile"), PNSelectColors);
    CBSelectInSight->setObjectName("CBSelectInSight");
    PNSelectColors->layout()->addWidget(CBSelectInSight);
    connect(CBSelectInSight, &QCheckBox::clicked, this, [this](bool on) {
        App().Settings().SelectInSight = on;
        App().Broadcast(TNotice::SelectInSight);
    });

    Aids = std::make_unique<TDrawingAidPanels>(app, this, layout);

    layout->addStretch(1);
    SetDesignedSize(QSize(kClientWidth, 3 * kPanelHeight));
    resize(kClientWidth, 3 * kPanelHeight);
    LoadControls();
    ShowPanels();
    AfterConstruction();
}

TOptionForm::~TOptionForm() { BeforeDestruction(); }

void TOptionForm::LoadControls() {
    const TMainSettings& s = App().Settings();
    CBRDraw->setChecked(s.RDraw);
    SBTransRate->setValue(100 - FOptions.TransRate());
    NEInterval->SetValue(s.SprayInterval);
    NELimit->SetValue(s.SelectLimit);
    CBSelectInSight->setChecked(s.SelectInSight);
    CBSquare->setChecked(s.DefRectOpt & 1);
    CBCenter->setChecked(s.DefRectOpt & 2);
}

void TOptionForm::ShowPanels() {
    TPaintClient* client = App().PaintClient();
    const TMouseTool* tool = client ? client->Tool() : nullptr;
    const bool draws = tool && tool->DrawsWithPen();
    PNTrans->setVisible(draws);
    PNSpray->setVisible(tool && tool->UsesSprayInterval());
    PNRMode->setVisible(draws);
    PNRect->setVisible(tool && tool->UsesShapeOptions());
    PNLimit->setVisible(tool && tool->UsesTolerance());
    PNSelectColors->setVisible(tool && tool->UsesVisibleAreaOption());
    // The aids add rows: the window is as tall as the panels shown, three rows at least.
    const int shown = Aids->Show(tool) + draws * 2 + PNSpray->isVisibleTo(this) + PNRect->isVisibleTo(this) +
                      PNLimit->isVisibleTo(this) + PNSelectColors->isVisibleTo(this);
    setMinimumHeight(std::max(3, shown) * kPanelHeight);
    resize(width(), minimumHeight());
}

void TOptionForm::TransRateChanged() {
    FOptions.SetTransRate(100 - SBTransRate->value(), App().Edit().Dib(), &App().Edit().Busy());
}

void TOptionForm::ResetTransRate() {
    FOptions.SetTransRate(0, nullptr);
    SBTransRate->setValue(100);
}

void TOptionForm::HandleMessage(TNotice notice) {
    switch (notice) {
        case TNotice::ToolChanged: ShowPanels(); break;
        case TNotice::ShapeOptions:
            CBSquare->setChecked(App().Settings().DefRectOpt & 1);
            CBCenter->setChecked(App().Settings().DefRectOpt & 2);
            break;
        case TNotice::RightDraws: CBRDraw->setChecked(App().Settings().RDraw); break;
        case TNotice::SelectInSight: CBSelectInSight->setChecked(App().Settings().SelectInSight); break;
        case TNotice::PaletteChanged:
            if (FOptions.TransRate() != 0) ResetTransRate();
            break;
        case TNotice::NewImage: ResetTransRate(); break;
        case TNotice::DrawingAids: Aids->Load(); break;
        default: break;
    }
}

}  // namespace pixmo
