#include "commands/transform_dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <memory>

#include "edit/edit_context.h"
#include "edit/selection.h"
#include "edit/transform.h"
#include "image/dib.h"
#include "image/errors.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "uikit/ok_cancel.h"
#include "view/abort_dialog.h"
#include "view/app_context.h"

namespace pixmo {

namespace {

// Runs a pass with the given progress, or with a progress window of its own; an error goes
// to an error box. True when the pass finished.
bool RunPass(TAppContext& app, TProgress* progress, QWidget* parent, const std::function<bool(TProgress&)>& pass) {
    try {
        if (progress) return pass(*progress);
        TAbortDialog window(app, parent);
        return pass(window);
    } catch (const EAbort&) {
        return false;
    } catch (const std::exception& e) {
        ShowErrorBox(parent, ErrorText(e));
        return false;
    }
}

}  // namespace

namespace {

TPoint StretchSourceSize(TAppContext& app) {
    if (!app.Edit().Dib()) return TPoint{1, 1};
    const TRect r = app.Edit().Selection().GetRectOrImage();
    return TPoint{std::max(1, r.Width()), std::max(1, r.Height())};
}

}  // namespace

TStretchDialog::TStretchDialog(TAppContext& app, TProgress* progress, QWidget* parent)
    : TSizeDialog(app.Ini(), "StretchDialog", StretchSourceSize(app), 8000, parent), FApp(app), FProgress(progress) {
    setWindowTitle("Estendi");
    UsePercent = new QCheckBox("Usa Percentuale", this);
    UsePercent->setObjectName("UsePercent");
    NEPercent = new TNumberEdit("NEPercent", "Percentuale", 1, 10000, 100, this);
    LBPercent = new QLabel("%", this);
    StretchPercent = new TStringsButton("StretchPercent", this);
    StretchPercent->SetOnChoose([this](const QString& text) { NEPercent->setText(text); });
    CBStretchType = new QCheckBox("Leviga i Bordi", this);
    CBStretchType->setObjectName("CBStretchType");

    auto* percent = new QHBoxLayout;
    percent->addWidget(UsePercent);
    percent->addWidget(NEPercent);
    percent->addWidget(LBPercent);
    percent->addWidget(StretchPercent);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(SizeRows());
    layout->addLayout(percent);
    layout->addWidget(CBStretchType);
    layout->addWidget(OkCancelButtons(this, [this] { Confirm(); }));

    connect(UsePercent, &QCheckBox::toggled, this, [this](bool on) {
        for (QWidget* w : PercentControls()) w->setVisible(on);
        if (on) PercentChanged();
    });
    connect(NEPercent, &QLineEdit::textChanged, this, [this] { PercentChanged(); });
    for (QWidget* w : PercentControls()) w->setVisible(false);
    AfterConstruction();
}

TStretchDialog::~TStretchDialog() { BeforeDestruction(); }

void TStretchDialog::PercentChanged() {
    if (!UsePercent->isChecked()) return;
    const auto p = NEPercent->Value();
    if (!p) return;
    NEWidth->SetValue(static_cast<int>(std::max<int64_t>(int64_t{OldSize().X} * *p / 100, 1)));
    NEHeight->SetValue(static_cast<int>(std::max<int64_t>(int64_t{OldSize().Y} * *p / 100, 1)));
}

QList<QWidget*> TStretchDialog::PercentControls() const { return {NEPercent, LBPercent, StretchPercent}; }

// In percent mode the percentage, read last, sets the sizes again.
void TStretchDialog::LoadSettings() {
    TIni& ini = Ini();
    UsePercent->setChecked(ini.ReadBool("UsePercent", false));
    NEWidth->SetValue(ini.ReadInteger("NEWidth", OldSize().X));
    NEHeight->SetValue(ini.ReadInteger("NEHeight", OldSize().Y));
    CBStretchType->setChecked(ini.ReadBool("CBStretchType", false));
    NEPercent->SetValue(ini.ReadInteger("NEPercent", 100));
    StretchPercent->Load(ini);
    PercentChanged();
}

void TStretchDialog::SaveSettings() {
    if (result() != QDialog::Accepted) return;
    TIni& ini = Ini();
    ini.WriteBool("UsePercent", UsePercent->isChecked());
    if (auto w = NEWidth->Value()) ini.WriteInteger("NEWidth", *w);
    if (auto h = NEHeight->Value()) ini.WriteInteger("NEHeight", *h);
    ini.WriteBool("CBStretchType", CBStretchType->isChecked());
    if (auto p = NEPercent->Value()) ini.WriteInteger("NEPercent", *p);
    StretchPercent->Save(ini);
}

bool TStretchDialog::Confirm() {
    // A percentage that is no number would leave the last sizes standing unseen.
    if (UsePercent->isChecked() && !NEPercent->Check()) return false;
    if (!SizeValid()) return false;
    const TPoint size = NewSize();
    const bool smooth = CBStretchType->isChecked();
    if (!RunPass(FApp, FProgress, this, [&](TProgress& p) { return StretchSelection(FApp.Edit(), size, smooth, p); }))
        return false;
    if (UsePercent->isChecked()) StretchPercent->AddRecent(QString::number(*NEPercent->Value()));
    accept();
    return true;
}

TRotateDialog::TRotateDialog(TAppContext& app, TProgress* progress, QWidget* parent)
    : TIniDialog(app.Ini(), "RotateDialog", parent), FApp(app), FProgress(progress) {
    setWindowTitle("Ruota");
    NEAngle = new TNumberEdit("NEAngle", "Angolo", -360, 360, 0, this);
    CBRotateType = new QCheckBox("Leviga i Bordi", this);
    CBRotateType->setObjectName("CBRotateType");
    auto* form = new QFormLayout;
    form->addRow("Angolo", NEAngle);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(CBRotateType);
    layout->addWidget(OkCancelButtons(this, [this] { Confirm(); }));
    AfterConstruction();
}

TRotateDialog::~TRotateDialog() { BeforeDestruction(); }

void TRotateDialog::LoadSettings() {
    NEAngle->SetValue(Ini().ReadInteger("Angle", 0));
    CBRotateType->setChecked(Ini().ReadBool("CBRotateType", false));
}

void TRotateDialog::SaveSettings() {
    if (result() != QDialog::Accepted) return;
    if (auto a = NEAngle->Value()) Ini().WriteInteger("Angle", *a);
    Ini().WriteBool("CBRotateType", CBRotateType->isChecked());
}

bool TRotateDialog::Confirm() {
    if (!NEAngle->Check()) return false;
    const int angle = *NEAngle->Value();
    const bool smooth = CBRotateType->isChecked();
    if (!RunPass(FApp, FProgress, this, [&](TProgress& p) { return RotateSelection(FApp.Edit(), angle, smooth, p); }))
        return false;
    accept();
    return true;
}

bool RotateByCaption(TAppContext& app, const QString& caption, QWidget* parent, TProgress* progress) {
    if (!app.Edit().Dib()) return false;
    static const QRegularExpression number("[-+]?\\d+");
    const QRegularExpressionMatch match = number.match(QString(caption).remove('&'));
    if (!match.hasMatch()) return false;
    bool ok = false;
    const int angle = match.captured().toInt(&ok);
    if (!ok || angle < -360 || angle > 360) return false;
    bool smooth = false;
    {
        TSectionScope scope(app.Ini(), "RotateDialog");
        smooth = app.Ini().ReadBool("CBRotateType", false);
    }
    return RunPass(app, progress, parent, [&](TProgress& p) { return RotateSelection(app.Edit(), angle, smooth, p); });
}

}  // namespace pixmo
