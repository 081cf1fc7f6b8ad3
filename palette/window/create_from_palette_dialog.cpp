#include "palette/window/create_from_palette_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "edit/edit_context.h"
#include "edit/undo.h"
#include "image/clipboard.h"
#include "image/color.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_format.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "view/app_context.h"
#include "view/paint_client.h"
#include "uikit/ok_cancel.h"

namespace pixmo {

TCreateFromPaletteDialog::TCreateFromPaletteDialog(TAppContext& app, QWidget* parent)
    : TIniDialog(app.Ini(), "CreateFromPaletteDialog", parent), FApp(app) {
    setWindowTitle(tr("Seleziona Palette da utilizzare"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    EDPalette = new QLineEdit(this);
    EDPalette->setObjectName("EDPalette");
    EDPalette->setMinimumWidth(260);
    SBPalettes = new TStringsButton("SBPalettes", this);
    SBPalettes->SetOnChoose([this](const QString& text) { EDPalette->setText(text); });
    BTBrowse = new QPushButton(tr("Sfoglia..."), this);
    BTBrowse->setObjectName("BTBrowse");
    row->addWidget(EDPalette, 1);
    row->addWidget(SBPalettes);
    row->addWidget(BTBrowse);
    layout->addLayout(row);
    layout->addWidget(OkCancelButtons(this, [this] { Confirm(); }));
    connect(BTBrowse, &QPushButton::clicked, this, [this] {
        TFileRequest request;
        request.Name = "PaletteDialog";
        request.Title = tr("Seleziona Palette");
        request.Filter = QString::fromStdString(PaletteSourceFilter());
        request.DefaultExt = "bmp";
        request.InitialName = EDPalette->text();
        if (auto name = AskFileName(this, request)) EDPalette->setText(*name);
    });
    AfterConstruction();
}

TCreateFromPaletteDialog::~TCreateFromPaletteDialog() { BeforeDestruction(); }

void TCreateFromPaletteDialog::LoadSettings() {
    EDPalette->setText(QString::fromStdString(Ini().ReadString("EDPalette", "")));
    SBPalettes->Load(Ini());
}

// The file is kept when OK closed the dialog.
void TCreateFromPaletteDialog::SaveSettings() {
    if (result() == QDialog::Accepted) Ini().WriteString("EDPalette", EDPalette->text().toStdString());
    SBPalettes->Save(Ini());
}

bool TCreateFromPaletteDialog::Confirm() {
    const QString file = EDPalette->text();
    SBPalettes->AddRecent(file);
    TClipboard& clipboard = FApp.Clipboard();
    if (!clipboard.HasFormat(CF_DIB)) {
        ShowMessageBox(this, TMessageRequest{TMsgKind::Information, TMsgButtons::Ok, QString(),
                                             tr("クリップボードに絵がありません。")});
        accept();
        return true;
    }
    std::unique_ptr<TDib> image;
    try {
        const auto palette = TDib::CreateFromFile(file.toStdString());
        if (palette->Colors() == 0) RaiseError(DepthRefused(24));
        image = TDib::CreateFromClipboardOnPalette(clipboard, *palette);
    } catch (const EAbort&) {
        return false;
    } catch (const std::exception& e) {
        ShowErrorBox(this, ErrorText(e));
        return false;
    }
    // Annulla in the close query keeps the image and closes this dialog too.
    bool replaced = false;
    ReportErrors(this, [&] { replaced = FApp.InstallNewImage(std::move(image), QT_TRANSLATE_NOOP("pixmo::Core", "Creato dagli Appunti"), ""); });
    if (replaced) accept();
    else reject();
    return true;
}

}  // namespace pixmo
