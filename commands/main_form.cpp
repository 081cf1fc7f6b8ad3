#include "commands/main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QVBoxLayout>

#include "edit/edit_context.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "image/dib.h"
#include "image/errors.h"
#include "commands/tool_windows.h"
#include "tools/tool_items.h"
#include "uikit/core_text.h"
#include "uikit/dialog_hooks.h"
#include "uikit/help_window.h"
#include "view/app_context.h"
#include "view/form_timer.h"
#include "view/paint_client.h"
#include "view/status_panel.h"

namespace pixmo {

namespace {
constexpr char kAppTitle[] = "Pixmo3";
}  // namespace

TMainForm::TMainForm(TAppContext& app, QWidget* parent) : TCustomMainForm(app, "MainForm", parent) {
    setWindowTitle(kAppTitle);
    SetHelpContext(this, THelpContext::MainWindow);
    setAcceptDrops(true);
    resize(640, 480);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FMenuBar = new QMenuBar(this);
    FMenuBar->setObjectName("MainMenu");
    layout->setMenuBar(FMenuBar);
    layout->addWidget(CreateClient(this), 1);
    FStatusBar = new TStatusPanel(this);
    layout->addWidget(FStatusBar);
    FStatusBar->SetOnUndoPanelClick([this] { UndoPanelClick(); });
    connect(Client(), &TPaintClient::cursorTextChanged, this,
            [this](const QString& text) { FStatusBar->SetCursorText(text); });

    FToolWindows = std::make_unique<TToolWindowSet>(App(), this);
    FTimer = new TFormTimer(this);
    FTimer->setObjectName("Timer");
    FTimer->SetInterval(200);
    FTimer->SetOnError([this](const QString& message) { ShowErrorBox(this, message); });
    FTimer->SetOnTimer([this] { Client()->AnimateOutline(); });
    App().SetMainTimer(FTimer);
    App().Edit().AttachPanels(this);

    BuildMenus();
    InstallHelp();
    // The timer rests while another program has the focus.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (FTimer) FTimer->SetEnabled(state == Qt::ApplicationActive && !App().InMenuLoop);
    });
    UpdateCaption();
}

TMainForm::~TMainForm() {
    BeforeDestruction();
    // The grid unit outlives this window.
    App().EditSize().History = nullptr;
    App().EditSize().OnChanged = nullptr;
    App().Edit().AttachPanels(nullptr);
    if (App().MainTimer() == FTimer) App().SetMainTimer(nullptr);
}

void TMainForm::Start() {
    if (FStarted) return;
    FStarted = true;
    AfterConstruction();
    FToolWindows->MakeAtStart();
    // The animation tool has no window to work with while the settings are read: chosen
    // there, it is made now.
    if (Client()->ToolItem() == TToolItem::None && ToolItemByName(App().Settings().Mouse) == TToolItem::Animation)
        Client()->SelectTool(TToolItem::Animation);
}

void TMainForm::Guard(const std::function<void()>& command) { ReportErrors(this, command); }

void TMainForm::ShowMessageText(const QString& text) { FStatusBar->ShowMessageText(text); }

void TMainForm::UpdateCaption() {
    // "[*]" is where the window shows its unsaved-changes mark.
    std::string caption = std::string(kAppTitle) + " - " + App().Edit().FileName() + "[*]";
    if (const TDib* dib = App().Edit().Dib())
        caption += Format("%s [%dx%d %d] Col", App().Edit().FileName().empty() ? "None" : "", dib->Width(),
                          dib->Height(), dib->Colors());
    setWindowTitle(QString::fromStdString(caption));
}

// --- TMainPanels ---

void TMainForm::ShowMessage(const std::string& text) { ShowMessageText(QString::fromStdString(text)); }

void TMainForm::ShowCoreMessage(const TMessage& message) { ShowMessageText(CoreText(message)); }

void TMainForm::ShowRect(const TRect& r) {
    ShowMessage(Format("(%d,%d)-(%d,%d) Lar:%d Alt:%d", r.Left, r.Top, r.Right - 1, r.Bottom - 1, r.Width(),
                       r.Height()));
}

void TMainForm::SetUndoPanel(const std::string& text) { FStatusBar->SetUndoText(QString::fromStdString(text)); }

// The caption's format carries no changed mark; the close query reads the flag itself.
void TMainForm::ModifiedChanged(bool modified) { setWindowModified(modified); }

void TMainForm::FileNameChanged(const std::string& fileName) {
    if (!fileName.empty()) {
        FFileHistory.Insert(0, fileName);
        RebuildFileHistoryMenu();
    }
    UpdateCaption();
}

void TMainForm::HandleMessage(TNotice notice) {
    TCustomMainForm::HandleMessage(notice);
    if (notice == TNotice::NewImage || notice == TNotice::PaletteChanged) UpdateCaption();
    // The status a tool left (a shape's size and angle) says nothing about the next one.
    if (notice == TNotice::ToolChanged) ShowMessageText(QString());
}

void TMainForm::UndoPanelClick() {
    const TUndo& undo = App().Edit().Undo();
    ShowMessage(Format("%lld/%lld", static_cast<long long>(undo.TotalSize() / 1000),
                       static_cast<long long>(undo.GetLimit() / 1000)));
}

// --- closing and dropping ---

void TMainForm::closeEvent(QCloseEvent* event) {
    bool allow = false;
    try {
        allow = QueryClose();
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        ShowErrorBox(this, ErrorText(e));
    }
    if (!allow) {
        event->ignore();
        return;
    }
    if (FHelp) FHelp->close();
    // The tool windows are about to be hidden with their owner: keep whether they were open.
    for (TDibForm* form : App().Forms()) form->FreezePlacement();
    for (TDibForm* form : App().Forms())
        if (form != this) form->hide();
    event->accept();
    // Tool windows must never keep the program alive once the main window has gone.
    QCoreApplication::quit();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    QStringList names;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) names << url.toLocalFile();
    if (names.isEmpty()) return;
    event->acceptProposedAction();
    DropFiles(names, event->modifiers());
}

void TMainForm::DropFiles(const QStringList& names, Qt::KeyboardModifiers modifiers) {
    if (names.isEmpty()) return;
    raise();
    activateWindow();
    const std::string name = names.first().toStdString();
    Guard([&] {
        const bool held = modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
        if (held && App().Edit().Dib()) {
            auto piece = TDib::CreateFromFileOnPalette(name, *App().Edit().Dib());
            App().Edit().Selection().Paste(*piece, nullptr);
        } else {
            OpenFile(name);
        }
    });
}

}  // namespace pixmo
