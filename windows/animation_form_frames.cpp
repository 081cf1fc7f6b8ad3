// The animation window's frame list: each frame's delay, removing and moving frames, the
// frames kept in the image, and the onion skin option of the edit client.
#include <QMenu>
#include <QTimer>
#include <algorithm>

#include "edit/edit_context.h"
#include "image/dib.h"
#include "uikit/number_input_dialog.h"
#include "view/app_context.h"
#include "view/paint_client.h"
#include "windows/animation_form.h"

namespace pixmo {

void TAnimationForm::BuildFramesMenu() {
    auto add = [this](const char* name, const QString& caption, auto handler) {
        QAction* a = PopupMenu->addAction(caption, this, handler);
        a->setObjectName(name);
        return a;
    };
    PopupMenu->addSeparator();
    MIFrameDelay = add("MIFrameDelay", tr("Ritardo del Fotogramma..."), [this] { MIFrameDelayClick(); });
    MIAllDelays = add("MIAllDelays", tr("Ritardo di Tutti i Fotogrammi..."), [this] { MIAllDelaysClick(); });
    MIRemoveFrame = add("MIRemoveFrame", tr("Togli il Fotogramma"), [this] { MIRemoveFrameClick(); });
    MIMoveEarlier = add("MIMoveEarlier", tr("Sposta Prima"), [this] { MoveFrame(-1); });
    MIMoveLater = add("MIMoveLater", tr("Sposta Dopo"), [this] { MoveFrame(1); });
    PopupMenu->addSeparator();
    MIOnionSkin = add("MIOnionSkin", tr("Carta Lucida"), [this] { MIOnionSkinClick(); });
    MIOnionNext = add("MIOnionNext", tr("Carta Lucida anche col Successivo"), [this] { MIOnionSkinClick(); });
    MIOnionSkin->setCheckable(true);
    MIOnionNext->setCheckable(true);
}

TSheetFrames TAnimationForm::SheetFrames() const {
    TSheetFrames frames;
    for (int i = 0; i < FFrames.Count(); ++i)
        frames.push_back(TSheetFrame{FFrames[i], i < static_cast<int>(FDelays.size()) ? FDelays[size_t(i)] : FInterval});
    return frames;
}

void TAnimationForm::FramesChanged() {
    // The frames travel with the image's file: changing them is a change to save.
    if (TDib* image = App().Edit().Dib(); image && image->Frames() != SheetFrames()) {
        image->SetFrames(SheetFrames());
        App().Edit().SetModified(true);
    }
    if (TPaintClient* edit = App().PaintClient()) RefreshOnionSkin(*edit);
    Redraw();
}

void TAnimationForm::TakeImageFrames() {
    FFrames.Clear();
    FDelays.clear();
    if (const TDib* image = App().Edit().Dib())
        for (const TSheetFrame& f : image->Frames()) {
            FFrames.Add(f.Rect);
            FDelays.push_back(f.DelayMs);
        }
    FCurrent = FFrames.Count() > 0 ? 1 : 0;
}

void TAnimationForm::ScheduleTimer() {
    const bool frameDelay = SBStart->isChecked() && FCurrent >= 1 && FCurrent <= static_cast<int>(FDelays.size());
    Timer->setInterval(frameDelay ? FDelays[static_cast<size_t>(FCurrent - 1)] : FInterval);
}

void TAnimationForm::MIFrameDelayClick() {
    if (FCurrent < 1 || FCurrent > static_cast<int>(FDelays.size())) return;
    int& delay = FDelays[static_cast<size_t>(FCurrent - 1)];
    if (auto value = TNumberInputDialog::Ask(this, tr("Ritardo del fotogramma (ms) "), kMinAnimationInterval,
                                             kMaxAnimationInterval, delay)) {
        delay = *value;
        FramesChanged();
    }
}

void TAnimationForm::MIAllDelaysClick() {
    if (FDelays.empty()) return;
    if (auto value = TNumberInputDialog::Ask(this, tr("Ritardo di tutti i fotogrammi (ms) "), kMinAnimationInterval,
                                             kMaxAnimationInterval, FDelays[size_t(std::max(FCurrent, 1) - 1)])) {
        std::fill(FDelays.begin(), FDelays.end(), *value);
        FramesChanged();
    }
}

void TAnimationForm::MIRemoveFrameClick() {
    if (FTool || FCurrent < 1 || FCurrent > FFrames.Count()) return;
    FFrames.Delete(FCurrent - 1);
    FDelays.erase(FDelays.begin() + (FCurrent - 1));
    FCurrent = std::min(FCurrent, FFrames.Count());
    if (FFrames.Count() == 0) Stop();
    FramesChanged();
}

void TAnimationForm::MoveFrame(int step) {
    const int other = FCurrent + step;
    if (FTool || FCurrent < 1 || FCurrent > FFrames.Count() || other < 1 || other > FFrames.Count()) return;
    const TRect moved = FFrames[FCurrent - 1];
    FFrames.Put(FCurrent - 1, FFrames[other - 1]);
    FFrames.Put(other - 1, moved);
    std::swap(FDelays[size_t(FCurrent - 1)], FDelays[size_t(other - 1)]);
    FCurrent = other;
    FramesChanged();
}

void TAnimationForm::MIOnionSkinClick() {
    MIOnionNext->setEnabled(MIOnionSkin->isChecked());
    if (TPaintClient* edit = App().PaintClient()) {
        edit->OnionSkin().On = MIOnionSkin->isChecked();
        edit->OnionSkin().Next = MIOnionNext->isChecked();
        RefreshOnionSkin(*edit);
    }
}

}  // namespace pixmo
