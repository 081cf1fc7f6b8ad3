#include "commands/icon_form.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "image/errors.h"
#include "uikit/radio_group.h"
#include "view/checkerboard.h"

namespace pixmo {

namespace {

constexpr int kPreviewSide = 72;

QLabel* PreviewBox(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(kPreviewSide, kPreviewSide);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    return label;
}

}  // namespace

QImage IconPreview(const TDIIcon& icon, QColor background, int checker) {
    const TDib& color = *icon.Color;
    QImage image(color.Width(), color.Height(), QImage::Format_RGB32);
    const QRgb bg = background.rgb() & 0xFFFFFF;
    for (int y = 0; y < color.Height(); ++y)
        for (int x = 0; x < color.Width(); ++x) {
            uint32_t c = 0;
            if (color.IsTrueColor()) {
                const uint8_t* p = color.ScanLine(y) + 3 * x;
                c = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
            } else {
                c = color.ColorTable()[color.Pixel(x, y)] & 0xFFFFFF;
            }
            const uint32_t mask = icon.Mask->Pixel(x, y) ? 0xFFFFFF : 0;
            const QRgb under = checker > 0 ? OverChecker(0, x, y, TCheckerboard{checker, {}}) & 0xFFFFFF : bg;
            image.setPixel(x, y, 0xFF000000u | ((under & mask) | c));
        }
    return image;
}

TIconForm::TIconForm(const TDib& source, const TIconOptions& options, QWidget* parent, bool showTransparency)
    : QWidget(parent), FSource(source), FOptions(options), FShowTransparency(showTransparency) {
    setObjectName("IconForm");
    auto* colors = new QGroupBox(tr("Colori "), this);
    SaveColors = RadioGroup(colors, "SaveColors", {tr("16 Colori"), tr("256 Colori")}, options.Colors256 ? 1 : 0);
    Dither = new QCheckBox(tr("Tremore "), this);
    Dither->setObjectName("Dither");
    // Our screens have more than 8 bits, where a dithered icon cannot be made.
    Dither->setVisible(false);
    auto* mask = new QGroupBox(tr("Sfondo "), this);
    MaskColor = RadioGroup(mask, "MaskColor", {tr("Visibile"), tr("Trasparente")}, options.MaskBottomLeft ? 1 : 0);
    SavePreview = PreviewBox(this, "SavePreview");
    FilePreview = PreviewBox(this, "FilePreview");
    auto* previews = new QHBoxLayout;
    previews->addWidget(SavePreview);
    previews->addWidget(FilePreview);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(colors);
    layout->addWidget(Dither);
    layout->addWidget(mask);
    layout->addLayout(previews);
    layout->addStretch();
    connect(SaveColors, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) RecreateSaveIcon();
    });
    connect(MaskColor, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) RecreateSaveIcon();
    });
    RecreateSaveIcon();
}

TIconOptions TIconForm::Options() const {
    TIconOptions options = FOptions;
    options.Colors256 = SaveColors->checkedId() == 1;
    options.MaskBottomLeft = MaskColor->checkedId() == 1;
    return options;
}

void TIconForm::RecreateSaveIcon() {
    const TIconOptions options = Options();
    FSaveIcon = MakeIcon(FSource, IconTransparentColor(FSource, options), 32, 32, options.Colors256, false);
    SavePreview->setPixmap(QPixmap::fromImage(IconPreview(FSaveIcon, palette().color(QPalette::Window), CheckerCell(*this, FShowTransparency))));
}

void TIconForm::ShowFile(const QString& fileName) {
    FilePreview->clear();
    if (!QFileInfo(fileName).isFile()) return;
    try {
        TIcons icons;
        icons.LoadFromFile(fileName.toStdString());
        FilePreview->setPixmap(QPixmap::fromImage(IconPreview(icons.Item(0), palette().color(QPalette::Window),
                                                             CheckerCell(*this, FShowTransparency))));
    } catch (const EPixmoError&) {
    }
}

TIconSaveDialog::TIconSaveDialog(const TDib& source, const TIconOptions& options, const QString& initialName,
                                 QWidget* parent, bool showTransparency)
    : QDialog(parent) {
    setObjectName("IconDialog");
    setWindowTitle(tr("Salva come Icona"));
    Files = new QFileDialog(this);
    // A dialog given no window type becomes a window of its own: make it a part of this one.
    Files->setWindowFlags(Qt::Widget);
    Files->setOption(QFileDialog::DontUseNativeDialog);
    Files->setAcceptMode(QFileDialog::AcceptSave);
    Files->setNameFilters({tr("Icona (*.ico)"), tr("Tutti i File (*)")});
    Files->setDefaultSuffix("ico");
    if (!initialName.isEmpty()) Files->selectFile(initialName);
    Panel = new TIconForm(source, options, this, showTransparency);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Files, 1);
    layout->addWidget(Panel);
    Files->setVisible(true);  // a child given new flags stays hidden until shown
    FileNameEdit = Files->findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = Files->findChild<QDialogButtonBox*>("buttonBox");
    if (!FileNameEdit || !buttons) RaiseError("TIconSaveDialog: the file chooser has no name field or buttons");
    SaveButton = buttons->button(QDialogButtonBox::Save);
    CancelButton = buttons->button(QDialogButtonBox::Cancel);
    connect(Files, &QFileDialog::currentChanged, Panel, &TIconForm::ShowFile);
    connect(Files, &QFileDialog::fileSelected, this, [this](const QString& name) {
        FFileName = name;
        accept();
    });
    connect(Files, &QFileDialog::rejected, this, &QDialog::reject);
}

// The name is what a person types first.
void TIconSaveDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FileNameEdit->setFocus();
}

}  // namespace pixmo
