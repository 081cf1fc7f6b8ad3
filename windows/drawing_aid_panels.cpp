#include "windows/drawing_aid_panels.h"

#include <QVBoxLayout>

#include "settings/main_keys.h"
#include "tools/mouse_tool.h"
#include "view/app_context.h"
#include "view/drawing_aids_view.h"
#include "windows/option_form.h"

namespace pixmo {

namespace {
QCheckBox* CheckBox(const char* name, const QString& caption, QWidget* panel) {
    auto* box = new QCheckBox(caption, panel);
    box->setObjectName(name);
    panel->layout()->addWidget(box);
    return box;
}
}  // namespace

TDrawingAidPanels::TDrawingAidPanels(TAppContext& app, QWidget* form, QLayout* layout) : FApp(app) {
    PNInk = OptionPanel("PNInk", form, layout);
    CBShade = CheckBox("CBShade", tr("Sfumatura"), PNInk);
    CBDither = CheckBox("CBDither", tr("Retino"), PNInk);
    // The two mirror options do not fit side by side: a panel of two rows.
    PNMirror = new QWidget(form);
    PNMirror->setObjectName("PNMirror");
    auto* rows = new QVBoxLayout(PNMirror);
    rows->setContentsMargins(4, 0, 4, 0);
    rows->setSpacing(0);
    layout->addWidget(PNMirror);
    CBMirrorHorizontal = CheckBox("CBMirrorHorizontal", tr("Specchio orizzontale"), PNMirror);
    CBMirrorVertical = CheckBox("CBMirrorVertical", tr("Specchio verticale"), PNMirror);
    PNMirror->setFixedHeight(2 * PNInk->maximumHeight());
    PNPixelPerfect = OptionPanel("PNPixelPerfect", form, layout);
    CBPixelPerfect = CheckBox("CBPixelPerfect", tr("Pixel perfetto"), PNPixelPerfect);

    // The two inks exclude each other: choosing one again goes back to the pen's colour.
    QObject::connect(CBShade, &QCheckBox::clicked, form, [this] { ToggleInk(FApp, kInkShade); });
    QObject::connect(CBDither, &QCheckBox::clicked, form, [this] { ToggleInk(FApp, kInkDither); });
    auto flag = [this](bool TMainSettings::*member) {
        return [this, member](bool on) {
            ChangeDrawingAids(FApp, [member, on](TMainSettings& s, TToolOptions&) { s.*member = on; });
        };
    };
    QObject::connect(CBMirrorHorizontal, &QCheckBox::clicked, form, flag(&TMainSettings::MirrorHorizontal));
    QObject::connect(CBMirrorVertical, &QCheckBox::clicked, form, flag(&TMainSettings::MirrorVertical));
    QObject::connect(CBPixelPerfect, &QCheckBox::clicked, form, flag(&TMainSettings::PixelPerfect));
    Load();
}

int TDrawingAidPanels::Show(const TMouseTool* tool) {
    const bool draws = tool && tool->DrawsWithPen();
    const bool perfect = tool && tool->UsesPixelPerfect();
    PNInk->setVisible(draws);
    PNMirror->setVisible(draws);
    PNPixelPerfect->setVisible(perfect);
    return 3 * draws + perfect;
}

void TDrawingAidPanels::Load() {
    const TMainSettings& s = FApp.Settings();
    CBShade->setChecked(s.Ink == kInkShade);
    CBDither->setChecked(s.Ink == kInkDither);
    CBMirrorHorizontal->setChecked(s.MirrorHorizontal);
    CBMirrorVertical->setChecked(s.MirrorVertical);
    CBPixelPerfect->setChecked(s.PixelPerfect);
}

}  // namespace pixmo
