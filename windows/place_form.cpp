#include "windows/place_form.h"

#include <QVBoxLayout>

#include "image/errors.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "windows/place_client.h"

namespace pixmo {

namespace {
constexpr int kClientWidth = 200, kClientHeight = 160;
}  // namespace

TPlaceForm::TPlaceForm(TAppContext& app, QWidget* parent)
    : TDibForm(app, "PlaceForm", false, parent, Qt::Tool) {
    setWindowTitle("Posizione");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FClient = new TPlaceClient(app, this);
    layout->addWidget(FClient);
    FMenu = new QMenu(this);
    BuildMenu();
    connect(FClient, &TPlaceClient::menuRequested, this, [this](QPoint global) { FMenu->popup(global); });
    resize(kClientWidth, kClientHeight);
    AfterConstruction();
}

TPlaceForm::~TPlaceForm() { BeforeDestruction(); }

void TPlaceForm::BuildMenu() {
    FMenu->setObjectName("PlaceMenu");
    TrackMenu(FMenu);
    connect(FMenu, &QMenu::aboutToShow, this, &TPlaceForm::UpdateMenu);
    FScrollBarsItem = FMenu->addAction(QString::fromUtf8("ｽｸﾛｰﾙﾊﾞｰを表示(&B)"), this, [this] {
        FClient->Scroller().SetVisible(!FClient->Scroller().Visible());
    });
    FFrameItem = FMenu->addAction(QString::fromUtf8("枠を表示(&F)"), this,
                                  [this] { FClient->SetVisibleRect(!FClient->VisibleRect()); });
    QMenu* zoom = FMenu->addMenu(QString::fromUtf8("表示倍率(&Z)"));
    for (int i = 0; i < 4; ++i) {
        // A zoom chosen in fit mode would change nothing on screen: it leaves fit mode.
        FZoomItems[static_cast<size_t>(i)] = zoom->addAction(QString::number(i + 1), this, [this, i] {
            FClient->SetZoomSize(i + 1);
            FClient->SetStretch(false);
            FClient->CenterOnFrame();
        });
    }
    for (QAction* a : FMenu->actions()) a->setCheckable(!a->menu());
    for (QAction* a : FZoomItems) a->setCheckable(true);
}

void TPlaceForm::UpdateMenu() {
    FScrollBarsItem->setChecked(FClient->Scroller().Visible());
    FFrameItem->setChecked(FClient->VisibleRect());
    for (int i = 0; i < 4; ++i) FZoomItems[static_cast<size_t>(i)]->setChecked(FClient->ZoomSize() == i + 1);
}

void TPlaceForm::showEvent(QShowEvent* event) {
    TDibForm::showEvent(event);
    if (FSettingsRead) return;
    FSettingsRead = true;
    ReadSettings();
}

// A zoom out of range is reported and the other keys are still read.
void TPlaceForm::ReadSettings() {
    TSectionScope scope(Ini(), SectionName());
    // A new user sees the whole image first.
    FClient->SetStretch(Ini().ReadBool("Stretch", true));
    FClient->SetVisibleRect(Ini().ReadBool("VisibleRect", true));
    try {
        FClient->SetZoomSize(Ini().ReadInteger("ZoomSize", 1));
    } catch (const EPixmoError& e) {
        ShowErrorBox(this, ErrorText(e));
    }
    FClient->ImageChanged();
    FClient->LoadSettings(Ini());
}

// Keys never read are not written: a window that was never shown keeps what the file holds.
void TPlaceForm::SaveSettings() {
    if (!FSettingsRead) return;
    Ini().WriteBool("Stretch", FClient->Stretch());
    Ini().WriteBool("VisibleRect", FClient->VisibleRect());
    Ini().WriteInteger("ZoomSize", FClient->ZoomSize());
    FClient->SaveSettings(Ini());
}

void TPlaceForm::HandleMessage(TNotice notice) {
    switch (notice) {
        case TNotice::NavigatorRepaint: FClient->Repaint(); break;
        case TNotice::NewImage: FClient->ImageChanged(); break;
        case TNotice::SelectPen: FClient->LoadPen(); break;
        default: break;
    }
}

}  // namespace pixmo
