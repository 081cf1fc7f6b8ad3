#include "windows/text_form.h"

#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMimeData>
#include <QMouseEvent>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "edit/edit_context.h"
#include "edit/edit_view.h"
#include "edit/selection.h"
#include "image/errors.h"
#include "image/file_io.h"
#include "settings/settings_location.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "uikit/font_map.h"
#include "uikit/number_input_dialog.h"
#include "uikit/strings_button.h"
#include "view/app_context.h"
#include "view/paint_client.h"
#include "windows/memo_ex.h"
#include "windows/text_renderer.h"

namespace pixmo {

namespace {
constexpr int kClientWidth = 320, kClientHeight = 180;
constexpr int kMaxTabSpace = 32;

// UTF-8 when the bytes are, else Latin-1 (older files in a Western code page).
QString DecodeText(const std::vector<uint8_t>& bytes) {
    const QByteArray raw(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(raw);
    if (utf8.hasError()) text = QString::fromLatin1(raw);
    text.remove(QChar(0));
    return text;
}
}  // namespace

TDragButton::TDragButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void TDragButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    FDragging = true;
    setDown(true);
    QApplication::setOverrideCursor(Qt::DragCopyCursor);
}

void TDragButton::mouseMoveEvent(QMouseEvent*) {}

void TDragButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !FDragging) return;
    FDragging = false;
    setDown(false);
    QApplication::restoreOverrideCursor();
    emit dropped(event->globalPosition().toPoint());
}

TTextForm::TTextForm(TAppContext& app, QWidget* parent) : TDibForm(app, "TextForm", false, parent, Qt::Tool) {
    setWindowTitle(tr("Immetti Testo"));
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    layout->addLayout(buttons);

    SBFont = new QPushButton(tr("Carattere"), this);
    SBFont->setObjectName("SBFont");
    SBFonts = new TStringsButton("SBFonts", this);
    SBFonts->setToolTip(tr("Caratteri Recenti"));
    SBClear = new QPushButton(tr("Cancella Tutto"), this);
    SBClear->setObjectName("SBClear");
    SBDrag = new TDragButton(tr("Incolla"), this);
    SBDrag->setObjectName("SBDrag");
    SBDrag->setToolTip(tr("Trascina sull'immagine"));
    buttons->addWidget(SBFont);
    buttons->addWidget(SBFonts);
    buttons->addWidget(SBClear);
    buttons->addStretch(1);
    buttons->addWidget(SBDrag);

    Memo = new TMemoEx(this);
    layout->addWidget(Memo, 1);
    Memo->setFocus();  // the window activated, typing goes to the memo

    PMStyle = new QMenu(this);
    PMStyle->setObjectName("PMStyle");
    PIOpen = PMStyle->addAction(tr("Apri..."), this, [this] { ReportErrors(this, [this] { OpenClick(); }); });
    PMStyle->addSeparator();
    auto* group = new QActionGroup(this);
    auto align = [&](const QString& caption, TTextAlign value) {
        QAction* a = PMStyle->addAction(caption, this, [this, value] { FAlignment = value; });
        a->setCheckable(true);
        group->addAction(a);
        return a;
    };
    PIAlignLeft = align(tr("Sinistra"), TTextAlign::Left);
    PIAlignCenter = align(tr("Centrato"), TTextAlign::Center);
    PIAlignRight = align(tr("Destra"), TTextAlign::Right);
    PMStyle->addSeparator();
    PITabSpace = PMStyle->addAction(QString(), this, [this] { TabSpaceClick(); });
    connect(PMStyle, &QMenu::aboutToShow, this, &TTextForm::UpdateStyleMenu);
    TrackMenu(PMStyle);
    Memo->setContextMenuPolicy(Qt::CustomContextMenu);
    // On the memo the style items follow the usual editing ones, which stay reachable.
    connect(Memo, &QWidget::customContextMenuRequested, this, [this](QPoint p) {
        std::unique_ptr<QMenu> menu(Memo->createStandardContextMenu());
        UpdateStyleMenu();
        menu->addSeparator();
        menu->addActions(PMStyle->actions());
        TrackMenu(menu.get());
        menu->exec(Memo->viewport()->mapToGlobal(p));
    });

    connect(SBFont, &QPushButton::clicked, this, [this] { SBFontClick(); });
    SBFonts->SetOnChoose([this](const QString& text) { ChooseFont(text); });
    SBFonts->SetOnSet(tr("Aggiungi"), [this] { return QString::fromStdString(FontDescription(App().TextFont())); });
    connect(SBClear, &QPushButton::clicked, this, [this] {
        Memo->clear();
        Memo->document()->setModified(true);
    });
    connect(SBDrag, &TDragButton::dropped, this, &TTextForm::DragReleased);
    Memo->SetOnDropFiles([this](const QStringList& names) { DropFiles(names); });

    SetDesignedSize(QSize(kClientWidth, kClientHeight));
    resize(kClientWidth, kClientHeight);
    UpdateStyleMenu();
    AfterConstruction();
}

TTextForm::~TTextForm() { BeforeDestruction(); }

std::string TTextForm::MemoFileName() const {
    return pixmo::MemoFileName(App().Ini().FileName(), QCoreApplication::applicationFilePath().toStdString());
}

void TTextForm::SetTabSpace(int tabSpace) { FTabSpace = std::clamp(tabSpace, 0, kMaxTabSpace); }

// --- settings and the memo file ---

void TTextForm::LoadSettings() {
    TIni& ini = Ini();
    ini.ReadFont("TextFont", &App().TextFont());
    if (App().TextFont().Name.empty()) App().TextFont().Name = QApplication::font().family().toStdString();
    FMemoFont = App().TextFont();
    ini.ReadFont(Memo->objectName().toStdString(), &FMemoFont);
    Memo->setFont(QtFontOf(FMemoFont));
    const uint8_t alignment = ini.ReadByte("Alignment", 0);
    FAlignment = alignment <= 2 ? static_cast<TTextAlign>(alignment) : TTextAlign::Left;
    SetTabSpace(ini.ReadInteger("TabSpace", 5));
    SBFonts->Load(ini);
    LoadMemo();
}

void TTextForm::SaveSettings() {
    TIni& ini = Ini();
    ini.WriteFont("TextFont", App().TextFont());
    ini.WriteFont(Memo->objectName().toStdString(), FMemoFont);
    ini.WriteByte("Alignment", static_cast<uint8_t>(FAlignment));
    ini.WriteInteger("TabSpace", FTabSpace);
    SBFonts->Save(ini);
    SaveMemo();
}

// A memo file that cannot be read is never written over: it goes aside under a free
// ".bak" name, and the memo starts empty. When it cannot even be moved, the memo is not
// saved in this run.
void TTextForm::LoadMemo() {
    const QString name = QString::fromStdString(MemoFileName());
    if (!QFileInfo::exists(name)) return;
    try {
        LoadFile(name);
        Memo->document()->setModified(false);
        return;
    } catch (const std::exception& e) {
        const QString reason = ErrorText(e);
        QString aside = name + ".bak";
        for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
            aside = QString("%1.%2.bak").arg(name).arg(n);
        std::error_code failed;
        std::filesystem::rename(name.toStdString(), aside.toStdString(), failed);
        if (failed) {
            FMemoKept = true;
            RaiseError(tr("Il file \"%1\" non può essere letto e non può essere messo da parte: in questa "
                          "sessione il testo non vi verrà salvato.\n%2")
                           .arg(name, reason)
                           .toStdString());
        }
        RaiseError(tr("Il file \"%1\" non può essere letto: è stato messo da parte come \"%2\".\n%3")
                       .arg(name, aside, reason)
                       .toStdString());
    }
}

void TTextForm::SaveMemo() {
    if (FMemoKept || !Memo->document()->isModified()) return;
    QStringList lines = Memo->Lines();
    if (!lines.isEmpty()) lines << QString();  // every line ends with a break
    const QByteArray bytes = lines.join('\n').toUtf8();
    // What could not be read back at the next start is not written: the file stays as it was.
    if (bytes.size() > kMaxTextFileSize)
        RaiseError(tr("Il testo supera %1 byte e non può essere salvato in \"%2\": il file resta com'era.")
                       .arg(static_cast<long long>(kMaxTextFileSize))
                       .arg(QString::fromStdString(MemoFileName()))
                       .toStdString());
    WriteFileAtomically(MemoFileName(), std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                                  static_cast<size_t>(bytes.size())));
    Memo->document()->setModified(false);
}

// Closing hides the window; the lines are saved then as well, not only at the program's end.
void TTextForm::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) ReportErrors(this, [this] { SaveMemo(); });
    TDibForm::hideEvent(event);
}

void TTextForm::LoadFile(const QString& name) {
    QString text = DecodeText(ReadWholeFile(name.toStdString(), kMaxTextFileSize));
    text.replace('\t', QString(FTabSpace, ' '));
    Memo->SetLines(SplitLines(text));
    Memo->document()->setModified(true);
}

// --- controls ---

void TTextForm::SetTextFont(const TFontSpec& font) {
    App().TextFont() = font;
    FMemoFont = font;
    Memo->setFont(QtFontOf(font));
}

void TTextForm::SBFontClick() {
    const std::optional<QFont> font = AskFont(this, QtFontOf(App().TextFont()));
    if (!font) return;
    SetTextFont(StoredFontOf(*font, App().TextFont()));
    SBFonts->AddRecent(QString::fromStdString(FontDescription(App().TextFont())));
}

void TTextForm::ChooseFont(const QString& description) {
    SetTextFont(ParseFontDescription(description.toStdString(), App().TextFont()));
}

void TTextForm::UpdateStyleMenu() {
    PIAlignLeft->setChecked(FAlignment == TTextAlign::Left);
    PIAlignCenter->setChecked(FAlignment == TTextAlign::Center);
    PIAlignRight->setChecked(FAlignment == TTextAlign::Right);
    PITabSpace->setText(tr("Larghezza... (%1)").arg(FTabSpace));
}

void TTextForm::OpenClick() {
    TFileRequest request;
    request.Name = "TextOpenDialog";
    request.Title = tr("Apri");
    request.Filter = tr("File Testo (*.txt;*.mem)|*.txt;*.mem|Tutti i File (*.*)|*.*");
    request.DefaultExt = "txt";
    if (const std::optional<QString> name = AskFileName(this, request)) LoadFile(*name);
}

void TTextForm::TabSpaceClick() {
    if (const std::optional<int> value = TNumberInputDialog::Ask(this, tr("Larghezza"), 0, kMaxTabSpace, FTabSpace))
        SetTabSpace(*value);
}

void TTextForm::DropFiles(const QStringList& names) {
    if (names.isEmpty()) return;
    activateWindow();
    ReportErrors(this, [&] { LoadFile(names.first()); });
}

void TTextForm::contextMenuEvent(QContextMenuEvent* event) { PMStyle->exec(event->globalPos()); }

void TTextForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TTextForm::dropEvent(QDropEvent* event) {
    const QStringList names = DroppedFiles(event->mimeData());
    if (names.isEmpty()) return;
    event->acceptProposedAction();
    DropFiles(names);
}

// --- placing the text ---

void TTextForm::DragReleased(QPoint globalPos) {
    TPaintClient* client = App().PaintClient();
    QWidget* target = QApplication::widgetAt(globalPos);
    if (!client || !target || !(target == client || client->isAncestorOf(target))) return;
    ReportErrors(this, [this] { PlaceText(); });
}

void TTextForm::PlaceText() {
    TEditContext& doc = App().Edit();
    const TDib* image = doc.Dib();
    if (!image || image->IsTrueColor()) return;
    const QStringList lines = Memo->SelectedOrAllLines();
    if (Memo->Lines().isEmpty() || lines.isEmpty()) return;
    TBusyCursor busy(doc.Busy());
    std::vector<std::string> text;
    text.reserve(static_cast<size_t>(lines.size()));
    for (const QString& line : lines) text.push_back(line.toStdString());
    const TQtTextRenderer renderer(QtFontOf(App().TextFont()));
    const TTextPiece piece = RenderTextPiece(renderer, text, FAlignment, *image, doc.Color1Index(), doc.Color2Index());
    if (!piece.Image) return;
    doc.Selection().Paste(*piece.Image, piece.Mask.get());
}

}  // namespace pixmo
