#include "commands/new_dib_dialog.h"

#include <QFormLayout>
#include <cstring>

#include "edit/edit_context.h"
#include "edit/undo.h"
#include "image/dib.h"
#include "image/errors.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

std::array<uint32_t, 256> DefaultColorTable() {
    static const TColorRef kStandard[16] = {
        RGB(0, 0, 0),     RGB(255, 255, 255), RGB(128, 0, 0),   RGB(0, 128, 0),
        RGB(128, 128, 0), RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128),
        RGB(192, 192, 192), RGB(128, 128, 128), RGB(255, 0, 0), RGB(0, 255, 0),
        RGB(255, 255, 0), RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255)};
    std::array<uint32_t, 256> table{};
    size_t n = 0;
    for (TColorRef c : kStandard) table[n++] = ColorRefToTableWord(c);
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) table[n++] = ColorRefToTableWord(RGB(r * 51, g * 51, b * 51));
    for (int i = 0; n < table.size(); ++i) {
        const int v = 8 + i * 10;
        table[n++] = ColorRefToTableWord(RGB(v, v, v));
    }
    return table;
}

std::array<int, 3> ParseHistoryEntry(const std::string& text) {
    std::array<int, 3> values{};
    size_t found = 0;
    size_t i = 0;
    while (found < values.size() && i < text.size()) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        int64_t v = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            v = std::min<int64_t>(v * 10 + (text[i] - '0'), INT32_MAX);
            ++i;
        }
        values[found++] = static_cast<int>(v);
    }
    return values;
}

TNewDibDialog::TNewDibDialog(TAppContext& app, QWidget* parent)
    : TNumColorDialog(app.Ini(), "NewDibDialog", tr("Nuova Pagina"), parent), FApp(app) {
    auto* form = new QFormLayout;
    WidthEdit = new TNumberEdit("WidthEdit", tr("Larghezza"), 1, 4000, 640, this);
    HeightEdit = new TNumberEdit("HeightEdit", tr("Altezza"), 1, 4000, 480, this);
    form->addRow(tr("Larghezza"), WidthEdit);
    form->addRow(tr("Altezza"), HeightEdit);
    ExtraArea()->addLayout(form);
    LBHistory = new QListWidget(this);
    LBHistory->setObjectName("LBHistory");
    LBHistory->setMaximumHeight(90);
    ExtraArea()->addWidget(LBHistory);
    connect(LBHistory, &QListWidget::currentRowChanged, this, [this](int row) { ChooseHistory(row); });
    connect(LBHistory, &QListWidget::itemDoubleClicked, this, [this] { Confirm(); });
    CBTransparent = new QCheckBox(tr("Colore 0 Trasparente"), this);
    CBTransparent->setObjectName("CBTransparent");
    ExtraArea()->addWidget(CBTransparent);
    AfterConstruction();
}

TNewDibDialog::~TNewDibDialog() { BeforeDestruction(); }

void TNewDibDialog::LoadSettings() {
    TNumColorDialog::LoadSettings();
    if (const TDib* image = FApp.Edit().Dib()) {
        WidthEdit->SetValue(image->Width());
        HeightEdit->SetValue(image->Height());
        if (image->Colors() > 0) PresetColorCount(image->Colors());
        UpdateStates();
    }
    {
        TSectionScope scope(Ini(), "LBHistory");
        Ini().ReadStrings(FHistory);
    }
    const QSignalBlocker block(LBHistory);
    for (const std::string& text : FHistory) LBHistory->addItem(QString::fromStdString(text));
    CBTransparent->setChecked(Ini().ReadBool("Transparent", false));
}

void TNewDibDialog::SaveSettings() {
    TNumColorDialog::SaveSettings();
    Ini().WriteBool("Transparent", CBTransparent->isChecked());
    TSectionScope scope(Ini(), "LBHistory");
    Ini().WriteStrings(FHistory);
}

void TNewDibDialog::ChooseHistory(int row) {
    if (row < 0 || row >= FHistory.Count()) return;
    const auto [width, height, count] = ParseHistoryEntry(FHistory[row]);
    WidthEdit->SetValue(width);
    HeightEdit->SetValue(height);
    if (count != 0) PresetColorCount(count);
    UpdateStates();
}

bool TNewDibDialog::Confirm() {
    if (!WidthEdit->Check() || !HeightEdit->Check()) return false;
    const int width = *WidthEdit->Value();
    const int height = *HeightEdit->Value();
    std::unique_ptr<TDib> image;
    std::string history;
    try {
        if (RBPalette->isChecked()) {
            SBPalettes->AddRecent(EDPalette->text());
            const auto source = TDib::CreateFromFile(EDPalette->text().toStdString());
            if (source->Colors() == 0)
                RaiseError(DepthRefused(24));
            TBitmapInfoHeader header = source->InfoHeader();
            header.Width = width;
            header.Height = height;
            header.SizeImage = 0;
            image = TDib::CreateFromInfo(header, source->UsedColorTable(), nullptr, 0);
            history = Format("%dx%d", width, height);
        } else {
            const int count = ColorCount();
            if (count == 0) {
                NEElse->Check();
                return false;
            }
            image = TDib::Create(width, height, count);
            const auto table = DefaultColorTable();
            const TDib* current = FApp.Edit().Dib();
            for (int i = 0; i < count; ++i) {
                const bool fromCurrent = current && i < current->Colors();
                image->SetColor(i, fromCurrent ? current->GetColor(i) : TableWordToColorRef(table[static_cast<size_t>(i)]));
            }
            history = Format("%dx%d %dco", width, height, count);
        }
    } catch (const EAbort&) {
        return false;
    } catch (const std::exception& e) {
        ShowErrorBox(this, ErrorText(e));
        return false;
    }
    if (CBTransparent->isChecked()) image->SetAlpha(0, 0);
    FHistory.Insert(0, history);
    {
        const QSignalBlocker block(LBHistory);
        LBHistory->clear();
        for (const std::string& text : FHistory) LBHistory->addItem(QString::fromStdString(text));
    }
    TEditContext& doc = FApp.Edit();
    // Annulla in the close query keeps the image and closes this dialog too.
    bool replaced = false;
    ReportErrors(this, [&] { replaced = FApp.InstallNewImage(std::move(image), tr("Nuova Pagina").toStdString(), ""); });
    if (!replaced) {
        reject();
        return true;
    }
    if (TDib* installed = doc.Dib()) {
        const int index = std::clamp(doc.Color2Index(), 0, std::max(0, installed->Colors() - 1));
        std::memset(installed->Bits(), index, static_cast<size_t>(installed->LineBytes()) * installed->Height());
        doc.View().InvalidateAll();
    }
    accept();
    return true;
}

}  // namespace pixmo
