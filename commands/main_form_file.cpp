// The File menu: new, open, save (with backups), save as, the clipboard, recent files, exit,
// and the close query that guards the document.
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <filesystem>
#include <system_error>

#include "commands/main_form.h"
#include "commands/new_dib_dialog.h"
#include "edit/edit_context.h"
#include "edit/undo.h"
#include "formats/clipboard_png.h"
#include "image/clipboard.h"
#include "image/dib.h"
#include "image/errors.h"
#include "image/file_io.h"
#include "image/errors.h"
#include "image/file_format.h"
#include "image/palette_reduce.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "view/app_context.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {
constexpr char kMsgBmpNoTransparency[] = QT_TRANSLATE_NOOP("pixmo::TMainForm", "Il file BMP non conserva la trasparenza");
constexpr TSourceText kMsgIconSizeOnly = PIXMO_MSG(
    "pixmo::TMainForm",
    "Un'icona è di 32 x 32 pixel: per salvare questa immagine come icona usare Modifica > Icona > Salva come "
    "Icona...");
// Opening and saving name the file and say what can be done.
constexpr TSourceText kMsgCannotOpen = PIXMO_MSG("pixmo::TMainForm", "Impossibile aprire \"%1\".\n%2");
constexpr TSourceText kMsgCannotSave = PIXMO_MSG("pixmo::TMainForm", "Impossibile salvare \"%1\".\n%2");
constexpr TSourceText kMsgSaveElsewhere =
    PIXMO_MSG("pixmo::TMainForm",
              "%1\nL'immagine è ancora aperta: si può salvarla in un'altra cartella con \"Salva con Nome...\".");
constexpr TSourceText kMsgFileTooManyColours =
    PIXMO_MSG("pixmo::TMainForm",
              "\"%1\" ha più di 256 colori: Pixmo3 modifica solo immagini con palette, di 256 colori al massimo.\n"
              "La si rende un'immagine con palette riducendone i colori a 256 o meno, oppure con\n"
              "pixmo3-convert --palette PALETTE \"%1\" NUOVA.png\n"
              "(PALETTE: un file .gpl, .pal, .hex o .act, o un'immagine di cui prendere i colori).");
constexpr TSourceText kMsgClipboardTooManyColours = PIXMO_MSG(
    "pixmo::TMainForm",
    "L'immagine negli Appunti ha più di 256 colori: Pixmo3 modifica solo immagini con palette, di 256 colori al "
    "massimo.\nRiducendone i colori a 256 o meno prima di copiarla la si può incollare.");
constexpr TSourceText kMsgNoBackupFolder =
    PIXMO_MSG("pixmo::TMainForm", "Impossibile creare la cartella delle copie di riserva \"%1\". %2");

// Clears the message panel however the command ends.
class TMessageScope {
public:
    TMessageScope(TMainForm& form, const QString& text) : FForm(form) { FForm.ShowMessageText(text); }
    ~TMessageScope() { FForm.ShowMessageText(QString()); }

private:
    TMainForm& FForm;
};
}  // namespace

std::string DepthName(int bitCount) { return DepthDisplayName(bitCount); }

QString ShownFilter(const std::string& filter) {
    // The descriptions come from the format table (marked there); the patterns between them stay.
    QStringList parts = QString::fromStdString(filter).split('|');
    for (qsizetype i = 0; i < parts.size(); i += 2) parts[i] = FilterLabel(parts[i]);
    return parts.join('|');
}

std::string BackupName(const std::string& fileName) {
    std::filesystem::path p(fileName);
    p.replace_extension(".BAK");
    return p.string();
}

bool TMainForm::RefuseDeepImage(const TDib& image) { return RefuseDeepImage(image, DepthRefused(image.BitCount())); }

bool TMainForm::RefuseDeepImage(const TDib& image, const TMessage& message) {
    if (image.BitCount() <= 8) return false;
    ShowErrorBox(this, CoreText(message));
    return true;
}

void TMainForm::InstallNewImage(std::unique_ptr<TDib> image, const std::string& undoCaption,
                                const std::string& fileName) {
    if (App().InstallNewImage(std::move(image), undoCaption, fileName)) UpdateCaption();
}

std::optional<std::string> TMainForm::AskImageFileName(bool save) {
    TFileRequest request;
    request.Save = save;
    request.Name = "FileDialog";
    request.Filter = ShownFilter(ImageFileFilter());
    request.DefaultExt = "bmp";
    request.InitialName = QString::fromStdString(App().Edit().FileName());
    auto name = AskFileName(this, request);
    if (!name || name->isEmpty()) return std::nullopt;
    return name->toStdString();
}

void TMainForm::MIFileNewClick() {
    TNewDibDialog dialog(App(), this);
    dialog.exec();
}

void TMainForm::MIFileOpenClick() {
    if (auto name = AskImageFileName(false)) OpenFile(*name);
}

void TMainForm::OpenFile(const std::string& name) {
    if (name.empty()) return;
    std::unique_ptr<TDib> image;
    {
        TMessageScope message(*this, tr("Reading  : %1").arg(QString::fromStdString(name)));
        try {
            image = OpenImageFile(name);
        } catch (const EPixmoError& e) {
            RaiseError(AboutFile(e, name, kMsgCannotOpen));
        }
    }
    // A true-colour file of 256 colours or fewer has become a palette image by now.
    if (RefuseDeepImage(*image, Msg(kMsgFileTooManyColours, name))) return;
    InstallNewImage(std::move(image), PIXMO_TRANSLATE_NOOP("pixmo::Core", "Apri"), name);
}

void TMainForm::MIFileSaveClick() {
    if (!App().Edit().Dib()) return;
    if (App().Edit().FileName().empty()) MIFileSaveAsClick();
    else SaveFile(App().Edit().FileName());
}

void TMainForm::MIFileSaveAsClick() {
    if (!App().Edit().Dib()) return;
    if (auto name = AskImageFileName(true)) SaveFile(*name);
}

void TMainForm::SaveFile(const std::string& name) {
    const TDib* image = App().Edit().Dib();
    if (!image || name.empty()) return;
    // An icon file holds a 32 x 32 picture: a larger image saved into one would be lost.
    const int side = FormatForName(name).Side;
    if (side && image->GetSize() != TPoint{side, side}) RaiseError(Msg(kMsgIconSizeOnly));
    {
        TMessageScope message(*this, tr("Saving:%1").arg(QString::fromStdString(name)));
        try {
            if (App().Settings().Backup) MakeBackup(name);
            SaveImageFile(*image, name);
        } catch (const EPixmoError& e) {
            RaiseError(Msg(kMsgSaveElsewhere, AboutFile(e, name, kMsgCannotSave)));
        }
    }
    App().Edit().SetFileName(name);
    App().Edit().SetModified(false);
    UpdateCaption();
    // BMP has no room for it: the file is written all the same, and the user told.
    if (!image->Alphas().empty() && FormatForName(name).Name == "BMP") ShowMessageText(tr(kMsgBmpNoTransparency));
}

void TMainForm::MakeBackup(const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::exists(name, ec)) return;
    fs::path backup = BackupName(name);
    const std::string& dir = App().Settings().BackupDir;
    if (!dir.empty()) {
        if (!fs::is_directory(dir, ec)) {
            const QString text = tr("%1は存在しません\n作成してよいですか？").arg(QString::fromStdString(dir));
            const TMsgResult answer = ShowMessageBox(
                this, TMessageRequest{TMsgKind::Question, TMsgButtons::YesCancel, QString(), text});
            if (answer != TMsgResult::Yes) throw EAbort();
            fs::create_directories(dir, ec);
            if (ec) RaiseError(Msg(kMsgNoBackupFolder, dir, SystemReason(ec.value())));
        }
        backup = fs::path(dir) / backup.filename();
    }
    // A backup of the file over itself would lose it.
    if (fs::equivalent(name, backup, ec)) return;
    // A copy, not a rename: the saved file stays where it is, a link to it stays a link
    // and a write-protected file stays refused. A link standing at the backup's name goes,
    // its target is never written.
    const std::vector<uint8_t> bytes = ReadWholeFile(name);
    fs::remove(backup, ec);
    WriteFileAtomically(backup.string(), bytes);
}

bool TMainForm::QueryClose() {
    TEditContext& doc = App().Edit();
    if (!doc.Dib() || !App().Settings().AskWhenDestroy || !doc.Modified()) return true;
    const QString name = doc.FileName().empty() ? tr("None") : QString::fromStdString(doc.FileName());
    const QString text = tr("%1 è cambiato.        \nVuoi salvare? ").arg(name);
    switch (ShowMessageBox(this, TMessageRequest{TMsgKind::Question, TMsgButtons::YesNoCancel, QString(), text})) {
        case TMsgResult::Yes:
            MIFileSaveClick();
            // A save the user cancelled leaves the changes unsaved: keep them.
            return !doc.Modified();
        case TMsgResult::No:
            return true;
        default:
            return false;
    }
}

void TMainForm::MIFileCreateFromClipboardClick() {
    if (!App().Clipboard().HasFormat(CF_DIB)) return;
    // A picture with transparency opens as an RGBA PNG file does.
    std::optional<TPngPicture> clear = TransparentPictureFromClipboard(App().Clipboard());
    auto image = clear ? PaletteIfFew(std::move(clear->Dib), clear->Alpha)
                       : PaletteIfFew(TDib::CreateFromClipboard(App().Clipboard()));
    if (RefuseDeepImage(*image, Msg(kMsgClipboardTooManyColours))) return;
    InstallNewImage(std::move(image), PIXMO_TRANSLATE_NOOP("pixmo::Core", "Creato dagli Appunti"), "");
}

void TMainForm::MIFileToClipboardClick() {
    const TDib* image = App().Edit().Dib();
    if (!image) return;
    App().Clipboard().Clear();
    CopyWithTransparency(App().Clipboard(), *image);
}

void TMainForm::FileHistoryClick(const std::string& name) { OpenFile(name); }

void TMainForm::MIFileExitClick() { close(); }

}  // namespace pixmo
