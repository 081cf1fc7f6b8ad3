#include "windows/animation_form.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <vector>

#include "edit/edit_context.h"
#include "edit/edit_view.h"
#include "formats/animation_file.h"
#include "formats/avi_stream.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/int_math.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "uikit/number_input_dialog.h"
#include "view/app_context.h"
#include "view/checkerboard.h"
#include "view/dib_to_qimage.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {

constexpr int kDesignedWidth = 240, kDesignedHeight = 200;

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& caption, bool checkable) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setCheckable(checkable);
    b->setAutoRaise(false);
    return b;
}

}  // namespace

// ---------------------------------------------------------------- TAnimationClient

TAnimationClient::TAnimationClient(TAnimationForm& form, QWidget* parent) : TClient(parent), FForm(form) {
    setObjectName("AnimationClient");
    Scroller().SetVisible(false);
    SetAutoScroll(false);
}

void TAnimationClient::LeftDown(TPoint) { FForm.ViewLeftClick(); }
void TAnimationClient::LeftDoubleClick(TPoint) { FForm.ViewLeftClick(); }
void TAnimationClient::RightDown(TPoint) { FForm.ViewRightClick(); }
void TAnimationClient::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

void TAnimationClient::PaintViewport(QPainter& painter, const QRect& rect) {
    const QRgb background = FForm.Background();
    const TDib* image = FForm.App().Edit().Dib();
    const TRect frame = image ? IntersectRect(FForm.FrameToDraw(), image->GetRect()) : TRect{};
    if (frame.IsEmpty()) {
        painter.fillRect(rect, QColor::fromRgb(background));
        return;
    }
    if (FForm.Tile())
        PaintTiled(painter, rect, frame);
    else
        PaintCentred(painter, rect, frame, background);
}

void TAnimationClient::PaintCentred(QPainter& painter, const QRect& rect, const TRect& frame, QRgb background) {
    const int z = FForm.Zoom();
    const QSize size(frame.Width() * z, frame.Height() * z);
    const QPoint at(Div(viewport()->width() - size.width(), 2), Div(viewport()->height() - size.height(), 2));
    const QRect target = QRect(at, size).intersected(rect);
    const QRegion around = QRegion(rect).subtracted(QRegion(target));
    for (const QRect& r : around) painter.fillRect(r, QColor::fromRgb(background));
    if (target.isEmpty()) return;
    QImage part(target.size(), QImage::Format_RGB32);
    DrawDibZoomed(*FForm.App().Edit().Dib(), frame, z, part, at - target.topLeft(), part.rect(),
                  CheckerCell(*this, FForm.App().Settings().ShowTransparency));
    painter.drawImage(target.topLeft(), part);
}

// The frame at the top-left, then along the first row the covered width doubles (the
// covered part copied beside itself) until the rest is filled; the same downwards with
// whole rows.
void TAnimationClient::PaintTiled(QPainter& painter, const QRect& rect, const TRect& frame) {
    const QSize size = viewport()->size();
    if (FTile.size() != size) FTile = QImage(size, QImage::Format_RGB32);
    const int z = FForm.Zoom();
    const int w = std::min(frame.Width() * z, size.width()), h = std::min(frame.Height() * z, size.height());
    DrawDibZoomed(*FForm.App().Edit().Dib(), frame, z, FTile, QPoint(0, 0), QRect(0, 0, w, h),
                  CheckerCell(*this, FForm.App().Settings().ShowTransparency));
    for (int covered = w; covered < size.width();) {
        const int n = std::min(covered, size.width() - covered);
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<QRgb*>(FTile.scanLine(y));
            std::memcpy(row + covered, row, static_cast<size_t>(n) * sizeof(QRgb));
        }
        covered += n;
    }
    const size_t rowBytes = static_cast<size_t>(size.width()) * sizeof(QRgb);
    for (int covered = h; covered < size.height();) {
        const int n = std::min(covered, size.height() - covered);
        for (int y = 0; y < n; ++y) std::memcpy(FTile.scanLine(covered + y), FTile.constScanLine(y), rowBytes);
        covered += n;
    }
    painter.drawImage(rect.topLeft(), FTile, rect);
}

// ---------------------------------------------------------------- TAnimationForm

TAnimationForm::TAnimationForm(TAppContext& app, QWidget* parent)
    : TDibForm(app, "AnimationForm", false, parent, Qt::Tool) {
    setWindowTitle(tr("Animazione"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    SBStart = MakeButton(panel, "SBStart", tr("Inizio"), true);
    SBSelect = MakeButton(panel, "SBSelect", tr("Animazione"), true);
    SBStop = MakeButton(panel, "SBStop", tr("Ferma"), false);
    SBTile = MakeButton(panel, "SBTile", tr("Affianca"), true);
    LBFrame = new QLabel(" 0/ 0", panel);
    LBFrame->setObjectName("LBFrame");
    for (QWidget* w : {static_cast<QWidget*>(SBStart), static_cast<QWidget*>(SBSelect),
                       static_cast<QWidget*>(SBStop), static_cast<QWidget*>(SBTile)})
        row->addWidget(w);
    row->addWidget(LBFrame, 1);
    layout->addWidget(panel);
    Client = new TAnimationClient(*this, this);
    layout->addWidget(Client, 1);

    Timer = new QTimer(this);
    Timer->setInterval(kDefaultAnimationInterval);
    connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
    connect(SBStart, &QToolButton::clicked, this, [this] { SBStartClick(); });
    connect(SBStop, &QToolButton::clicked, this, [this] { SBStopClick(); });
    connect(SBSelect, &QToolButton::clicked, this, [this] { SBSelectClick(); });
    connect(SBTile, &QToolButton::clicked, this, [this] { SBTileClick(); });

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName("PopupMenu");
    MIDelay = PopupMenu->addAction(tr("Ritardo"), this, [this] { MIDelayClick(); });
    MIDelay->setObjectName("MIDelay");
    QMenu* zoom = PopupMenu->addMenu(tr("Ingrandimento"));
    zoom->setObjectName("MIZoom");
    for (size_t i = 0; i < MIZoomItems.size(); ++i) {
        const int z = static_cast<int>(i) + 1;
        QAction* a = zoom->addAction(QString::number(z), this, [this, z] {
            try {
                SetZoom(z);
            } catch (const std::exception& e) {
                ShowErrorBox(this, ErrorText(e));
            }
        });
        a->setCheckable(true);
        MIZoomItems[i] = a;
    }
    MISaveAvi = PopupMenu->addAction(tr("Salva come AVI..."), this, [this] { MISaveAviClick(); });
    MISaveAvi->setObjectName("MISaveAvi");
    BuildFramesMenu();
    connect(PopupMenu, &QMenu::aboutToShow, this, [this] { PopupMenuPopup(); });
    TrackMenu(PopupMenu);

    if (TPaintClient* edit = app.PaintClient())
        connect(edit, &TPaintClient::painted, this, [this] {
            if (isVisible()) Client->viewport()->update();
        });
    // Wide enough for the four buttons and "99/99  5000 ms" in this font.
    LBFrame->setMinimumWidth(LBFrame->fontMetrics().horizontalAdvance("99/99  5000 ms "));
    const QSize designed(std::max(kDesignedWidth, layout->sizeHint().width()), kDesignedHeight);
    resize(designed);
    SetDesignedSize(designed);
    app.ToolFactory().SetAnimationHost(this);
    // A window opened after the image was: the frames it brought.
    TakeImageFrames();
    UpdateLabel();
    AfterConstruction();
}

TAnimationForm::~TAnimationForm() {
    Timer->stop();
    BeforeDestruction();
    if (App().ToolFactory().AnimationHost() == this) App().ToolFactory().SetAnimationHost(nullptr);
    if (FTool) FTool->DetachHost();
}

void TAnimationForm::LoadSettings() {
    TIni& ini = Ini();
    FInterval = std::clamp(ini.ReadInteger("Interval", FInterval), kMinAnimationInterval, kMaxAnimationInterval);
    Timer->setInterval(FInterval);
    MIOnionSkin->setChecked(ini.ReadBool("OnionSkin", false));
    MIOnionNext->setChecked(ini.ReadBool("OnionNext", false));
    MIOnionSkinClick();
    SBTile->setChecked(ini.ReadBool("Tile", SBTile->isChecked()));
    FZoom = std::clamp(ini.ReadInteger("Zoom", 1), kMinAnimationZoom, kMaxAnimationZoom);
}

void TAnimationForm::SaveSettings() {
    TIni& ini = Ini();
    ini.WriteInteger("Interval", FInterval);
    ini.WriteBool("OnionSkin", MIOnionSkin->isChecked());
    ini.WriteBool("OnionNext", MIOnionNext->isChecked());
    ini.WriteBool("Tile", SBTile->isChecked());
    ini.WriteInteger("Zoom", FZoom);
}

TRect TAnimationForm::FrameToDraw() const {
    if (FTool) {
        const TRectList& picked = FTool->Frames();
        return picked.Count() > 0 ? picked[picked.Count() - 1] : TRect{};
    }
    return FCurrent >= 1 && FCurrent <= FFrames.Count() ? FFrames[FCurrent - 1] : TRect{};
}

QRgb TAnimationForm::Background() const {
    const TEditContext& doc = App().Edit();
    if (const TDib* image = doc.Dib()) return PaletteRgb(*image)[static_cast<size_t>(doc.Color2Index() & 0xFF)];
    return palette().color(QPalette::Window).rgb();
}

void TAnimationForm::SetZoom(int zoom) {
    if (zoom == FZoom) return;
    if (zoom < kMinAnimationZoom || zoom > kMaxAnimationZoom)
        RaiseError(tr("Valore d'Ingrandimento non valido: %1").arg(zoom).toStdString());
    FZoom = zoom;
    App().Broadcast(TNotice::AnimationZoom);
}

void TAnimationForm::UpdateLabel() {
    std::string text = FTool ? Format(" 0/%2d", FTool->Frames().Count()) : Format("%2d/%2d", FCurrent, FFrames.Count());
    if (!FTool && FCurrent >= 1 && FCurrent <= static_cast<int>(FDelays.size()))
        text += Format("  %d ms", FDelays[static_cast<size_t>(FCurrent - 1)]);
    LBFrame->setText(QString::fromStdString(text));
}

void TAnimationForm::Redraw() {
    Client->viewport()->update();
    UpdateLabel();
}

void TAnimationForm::Stop() {
    Timer->stop();
    SBStart->setChecked(false);
    ScheduleTimer();
}

void TAnimationForm::EndTool() {
    if (!FTool) return;
    TPaintClient* edit = App().PaintClient();
    if (edit && edit->ToolItem() == TToolItem::Animation && edit->Tool()) {
        // A program started with the animation tool has no tool to go back to.
        if (edit->LastToolItem() != TToolItem::None)
            edit->RestoreTool();
        else
            edit->SelectTool(TToolItem::DrawDot);
    }
    if (FTool) {
        // No client holds the tool: take its frames all the same.
        TAnimationMouse* tool = FTool;
        tool->DetachHost();
        ToolEnded(tool->Frames());
    }
}

void TAnimationForm::SBStartClick() {
    EndTool();
    if (FFrames.Count() == 0) {
        Stop();
        return;
    }
    if (FCurrent == 0) FCurrent = 1;
    SBStart->setChecked(true);
    ScheduleTimer();
    Timer->start();
    Redraw();
}

void TAnimationForm::SBStopClick() {
    Stop();
    EndTool();
}

void TAnimationForm::SBSelectClick() {
    if (FTool) {
        EndTool();
    } else if (TPaintClient* edit = App().PaintClient()) {
        edit->SelectTool(TToolItem::Animation);
    }
    SBSelect->setChecked(FTool != nullptr);
}

void TAnimationForm::SBTileClick() {
    if (!SBTile->isChecked()) Client->FreeTileBitmap();
    Client->viewport()->update();
}

void TAnimationForm::TimerTimer() {
    const int count = FFrames.Count();
    FCurrent = FCurrent + 1 > count ? std::min(1, count) : FCurrent + 1;
    ScheduleTimer();
    Redraw();
}

void TAnimationForm::ViewLeftClick() {
    if (FTool) {
        EndTool();
        FCurrent = FFrames.Count() > 0 ? 1 : 0;
        Redraw();
        return;
    }
    Stop();
    TimerTimer();
}

void TAnimationForm::ViewRightClick() {
    if (Playing() && !FTool)
        Stop();
    else
        SBStartClick();
}

void TAnimationForm::MIDelayClick() {
    if (auto interval = TNumberInputDialog::Ask(this, tr("更新間隔(ﾐﾘ秒) "), kMinAnimationInterval,
                                                kMaxAnimationInterval, FInterval)) {
        FInterval = *interval;
        ScheduleTimer();
    }
}

void TAnimationForm::PopupMenuPopup() {
    for (size_t i = 0; i < MIZoomItems.size(); ++i)
        MIZoomItems[i]->setChecked(MIZoomItems[i]->text() == QString::number(FZoom));
    MISaveAvi->setEnabled(App().Edit().Dib() && FFrames.Count() >= 2 && !SBSelect->isChecked());
    const bool current = !FTool && FCurrent >= 1 && FCurrent <= FFrames.Count();
    MIFrameDelay->setEnabled(current);
    MIAllDelays->setEnabled(current);
    MIRemoveFrame->setEnabled(current);
    MIMoveEarlier->setEnabled(current && FCurrent > 1);
    MIMoveLater->setEnabled(current && FCurrent < FFrames.Count());
}

void TAnimationForm::MISaveAviClick() {
    const TDib* image = App().Edit().Dib();
    if (!image || FFrames.Count() < 2 || SBSelect->isChecked()) return;
    TFileRequest request;
    request.Save = true;
    request.Name = "AviDialog";
    request.Title = tr("Salva come AVI");
    // The file's name chooses the form: AVI, animated GIF, APNG or a strip of frames.
    request.Filter = QString::fromStdString(AnimationFileFilter());
    request.DefaultExt = "avi";
    const auto name = AskFileName(this, request);
    if (!name) return;
    try {
        TMessage notice;
        {
            TBusyCursor busy(App().Edit().Busy());
            notice = WriteAnimationFrames(*image, SheetFrames(), WithDefaultExt(*name, "avi").toStdString(),
                                          image->TransparentEntry());
        }
        if (!notice.Source.empty()) ShowNotice(notice);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        ShowErrorBox(this, ErrorText(e));
    }
}

void TAnimationForm::HandleMessage(TNotice notice) {
    switch (notice) {
        case TNotice::NewImage:
            Stop();
            TakeImageFrames();
            Redraw();
            break;
        case TNotice::Color2Changed:
        case TNotice::PaletteChanged:
        case TNotice::ShowTransparency:
        case TNotice::AnimationZoom:
            Client->viewport()->update();
            break;
        case TNotice::ToolChanged:
            UpdateLabel();
            break;
        default:
            break;
    }
}

void TAnimationForm::ToolStarted(TAnimationMouse& tool) {
    FTool = &tool;
    SBSelect->setChecked(true);
    show();
    Redraw();
}

void TAnimationForm::FramePicked() { Redraw(); }

// Nothing picked keeps the frames the window has: choosing the tool by mistake loses nothing.
void TAnimationForm::ToolEnded(const TRectList& frames) {
    FTool = nullptr;
    if (frames.Count() > 0) {
        FFrames.Assign(frames);
        FDelays.assign(static_cast<size_t>(frames.Count()), FInterval);
    }
    FCurrent = FFrames.Count() > 0 ? 1 : 0;
    SBSelect->setChecked(false);
    FramesChanged();
}

// Shown once the click that asked for it is over, so that the box does not hold the view's
// drag; clicks that came meanwhile add no more boxes.
void TAnimationForm::ShowNotice(const TMessage& notice) {
    if (FNoticeQueued) return;
    FNoticeQueued = true;
    const QString message = CoreText(notice);
    QTimer::singleShot(0, this, [this, message] {
        ShowMessageBox(this, TMessageRequest{TMsgKind::Information, TMsgButtons::Ok, QString(), message});
        FNoticeQueued = false;
    });
}

void TAnimationForm::hideEvent(QHideEvent* event) {
    EndTool();
    Stop();
    Client->FreeTileBitmap();
    TDibForm::hideEvent(event);
}

void TAnimationForm::contextMenuEvent(QContextMenuEvent* event) { PopupMenu->exec(event->globalPos()); }

}  // namespace pixmo
