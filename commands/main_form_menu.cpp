// The main menu: every item in order with its caption and designed shortcut, the hidden key
// and mouse menus, the states set on opening, and the shortcuts kept under "MainMenu".
// Items whose commands come with later windows are present and disabled.
#include <QActionGroup>
#include <QCoreApplication>
#include <algorithm>
#include <cstring>

#include "commands/main_form.h"
#include "commands/tool_windows.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "edit/undo.h"
#include "image/clipboard.h"
#include "settings/main_keys.h"
#include "tools/tool_items.h"
#include "uikit/core_text.h"
#include "uikit/shortcut_keys.h"
#include "view/app_context.h"
#include "view/drawing_aids_view.h"
#include "view/paint_client.h"

namespace pixmo {

namespace {
constexpr int Ctrl(char c) { return kVkCtrl + c; }
constexpr int kF4 = 115;
constexpr int kDel = 46;

}  // namespace

QAction* TMainForm::AddItem(QMenu* menu, const char* name, const QString& caption, int shortcut,
                            std::function<void()> handler) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    menu->addAction(action);
    FItems[name] = action;
    FDesignedShortcuts[name] = shortcut;
    FShortcuts[name] = shortcut;
    action->setShortcut(ShortcutToKeySequence(shortcut));
    // Holding a key repeats only the commands that usefully repeat (undo, redo, zoom).
    action->setAutoRepeat(false);
    if (handler) {
        // Chosen from the menu with Ctrl held, the command's key is edited instead.
        connect(action, &QAction::triggered, this, [this, action, handler = std::move(handler)] {
            if (ChosenWithCtrl(action)) Guard([this, action] { EditShortcut(action->objectName().toStdString()); });
            else Guard(handler);
        });
    } else {
        action->setEnabled(false);
        action->setProperty("pixmoLater", true);
    }
    return action;
}

void TMainForm::AddSeparator(QMenu* menu, const char* name, bool visible) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    separator->setVisible(visible);
    FItems[name] = separator;
}

QAction* TMainForm::Item(const std::string& name) const {
    auto it = FItems.find(name);
    return it == FItems.end() ? nullptr : it->second;
}

QMenu* TMainForm::Menu(const std::string& name) const {
    auto it = FMenus.find(name);
    return it == FMenus.end() ? nullptr : it->second;
}

void TMainForm::BuildMenus() {
    auto menu = [this](const char* name, const QString& caption, bool shown) {
        auto* m = new QMenu(caption, this);
        m->setObjectName(name);
        FMenus[name] = m;
        if (shown) {
            FMenuBar->addMenu(m);
            TrackMenu(m);
            connect(m, &QMenu::aboutToShow, this, [this, name] { UpdateMenuStates(name); });
            // Shortcuts reach the commands whatever the menu showed; each checks for itself.
            connect(m, &QMenu::aboutToHide, this, [m] {
                for (QAction* a : m->actions())
                    if (!a->property("pixmoLater").toBool() && !a->isSeparator()) a->setEnabled(true);
            });
        }
        return m;
    };

    // Hidden: their items carry shortcuts only; they act through the window itself.
    QMenu* key = menu("MIKey", tr("Key"), false);
    AddItem(key, "MIColor1", tr("Prendi Colore Primario"), '1', [this] { MIColorClick(1); });
    AddItem(key, "MIColor2", tr("Prendi Colore Secondario"), '2', [this] { MIColorClick(2); });
    AddItem(key, "MIZoomIn", tr("Zoom In"), 'Z', [this] { MIZoomInClick(); })->setAutoRepeat(true);
    AddItem(key, "MIZoomOut", tr("Zoom Out"), 'X', [this] { MIZoomOutClick(); })->setAutoRepeat(true);
    AddItem(key, "MIMeasureType", tr("Cambia Classe di Colori"), 'L', [this] { MIMeasureTypeClick(); });
    AddItem(key, "MIRDraw", tr("Cambia Limiti di Disegno"), 'R', [this] { MIRDrawClick(); });
    AddItem(key, "MISelectPenColor", tr("Imposta Colore Matita"), 219, [this] { MISelectPenColorClick(); });
    AddItem(key, "MISelectPenMode", tr("Imposta Modalità Matita"), 221, [this] { MISelectPenModeClick(); });
    AddItem(key, "MIScreenColor1", tr("Colore Schermo 1"), kVkAlt + '1', [this] { MIScreenColorClick(1); });
    AddItem(key, "MIScreenColor2", tr("Colore Schermo 2"), kVkAlt + '2', [this] { MIScreenColorClick(2); });
    AddItem(key, "MIAddCursorColor", tr("Aggiungi Colore del Cursore"), 0, [this] { MIAddCursorColorClick(); });
    AddItem(key, "MIDeleteCursorColor", tr("Elimina Colore del Cursore"), 0, [this] { MIDeleteCursorColorClick(); });
    AddItem(key, "MIPopup", tr("Mostra Menu"), 0, [this] { MIPopupClick(); });
    // Quarter and half turns that a shortcut can be given to.
    for (const char* name : {"MIRotate90", "MIRotate180", "MIRotate270"}) {
        const QString caption = tr("Ruota %1").arg(name + 8);
        AddItem(key, name, caption, 0, [this, name] { RotateByItemClick(name); });
    }
    // The drawing aids: inks, mirror images and their axes, pixel-perfect strokes.
    AddItem(key, "MIInkShade", tr("Sfumatura"), 'S', [this] { ToggleInk(App(), kInkShade); });
    AddItem(key, "MIInkDither", tr("Retino"), 'D', [this] { ToggleInk(App(), kInkDither); });
    AddItem(key, "MIPixelPerfect", tr("Pixel perfetto"), 'P', [this] { ToggleDrawingAid(App(), &TMainSettings::PixelPerfect); });
    AddItem(key, "MIMirrorHorizontal", tr("Specchio orizzontale"), 'H',
            [this] { ToggleDrawingAid(App(), &TMainSettings::MirrorHorizontal); });
    AddItem(key, "MIMirrorVertical", tr("Specchio verticale"), 'V',
            [this] { ToggleDrawingAid(App(), &TMainSettings::MirrorVertical); });
    AddItem(key, "MIMirrorAxis", tr("Asse dello Specchio al Puntatore"), 'A', [this] { SetMirrorAxesAtPointer(App()); });
    AddItem(key, "MIMirrorCentre", tr("Asse dello Specchio al Centro"), kVkShift + 'A', [this] { CentreMirrorAxes(App()); });
    addActions(key->actions());

    QMenu* mouse = menu("MIMouse", tr("Mouse"), false);
    auto* tools = new QActionGroup(this);
    for (const TToolEntry& e : ToolEntries()) {
        const TToolItem item = e.Item;
        QAction* a = AddItem(mouse, e.Name, QCoreApplication::translate(kToolTextContext, e.Caption), 0, [this, item] {
            if (Client()) Client()->SelectTool(item);
        });
        a->setCheckable(true);
        tools->addAction(a);
    }
    addActions(mouse->actions());

    QMenu* file = menu("MIFile", tr("&File"), true);
    AddItem(file, "MIFileNew", tr("&Nuovo..."), Ctrl('N'), [this] { MIFileNewClick(); });
    AddItem(file, "MIFileOpen", tr("&Apri..."), Ctrl('O'), [this] { MIFileOpenClick(); });
    AddItem(file, "MIFileSave", tr("&Salva"), Ctrl('S'), [this] { MIFileSaveClick(); });
    AddItem(file, "MIFileSaveAs", tr("Salva con &Nome..."), 0, [this] { MIFileSaveAsClick(); });
    AddSeparator(file, "MSFileSaveAs");
    AddItem(file, "MIFileCreateFromClipboard", tr("&Crea dagli Appunti"), 0, [this] { MIFileCreateFromClipboardClick(); });
    AddItem(file, "MIFileCreateWithPalette", tr("Usa &Palette da..."), 0, [this] { MIFileCreateWithPaletteClick(); });
    AddItem(file, "MIFileToClipboard", tr("Co&pia negli Appunti"), 0, [this] { MIFileToClipboardClick(); });
    AddSeparator(file, "MSFileAdd", false);
    AddSeparator(file, "MSFileToClipboard");
    AddItem(file, "MIFileExit", tr("&Esci"), 0, [this] { MIFileExitClick(); });

    QMenu* edit = menu("MIEdit", tr("&Modifica"), true);
    AddItem(edit, "MIEditUndo", tr("&Annulla"), Ctrl('Z'), [this] { MIEditUndoClick(); })->setAutoRepeat(true);
    AddItem(edit, "MIEditRedo", tr("&Ripeti"), kF4, [this] { MIEditRedoClick(); })->setAutoRepeat(true);
    AddSeparator(edit, "MSEditCut");
    AddItem(edit, "MIEditCut", tr("&Taglia"), Ctrl('X'), [this] { MIEditCutClick(); });
    AddItem(edit, "MIEditCopy", tr("&Copia"), Ctrl('C'), [this] { MIEditCopyClick(); });
    AddItem(edit, "MIEditPaste", tr("&Incolla"), Ctrl('V'), [this] { MIEditPasteClick(); });
    AddItem(edit, "MIEditClear", tr("C&ancella"), kDel, [this] { MIEditClearClick(); });
    AddItem(edit, "MIEditClearInside", tr("Cancella &Dentro"), 0, [this] { MIEditClearInsideClick(); });
    QMenu* icon = edit->addMenu(tr("&Icona"));
    icon->setObjectName("MIIcon");
    FMenus["MIIcon"] = icon;
    AddItem(icon, "MISaveAsIcon", tr("&Salva come Icona..."), 0, [this] { MISaveAsIconClick(); });
    AddItem(icon, "MICopyAsIcon", tr("&Copia come Icona..."), 0, [this] { MICopyAsIconClick(); });
    AddItem(icon, "MIIconColor256", tr("&2: 256 Colori"), 0, [this] { MIIconColor256Click(); })->setCheckable(true);
    AddItem(icon, "MIDitherIcon", tr("Icona &Tremolante"), 0, [this] { MIDitherIconClick(); })->setCheckable(true);
    connect(icon, &QMenu::aboutToShow, this, [this] { UpdateMenuStates("MIIcon"); });
    AddSeparator(edit, "MSEditAll");
    AddItem(edit, "MIEditPasteFromFile", tr("Carica &Selezione da un file..."), 0, [this] { MIEditPasteFromFileClick(true); });
    AddItem(edit, "MIEditSave", tr("Salva S&elezione..."), 0, [this] { MIEditSaveClick(); });
    AddSeparator(edit, "MSEditAdd", false);

    QMenu* select = menu("MISelect", tr("&Selezione"), true);
    AddItem(select, "MISelectAll", tr("Seleziona &Tutto"), 0, [this] { MISelectAllClick(); });
    AddItem(select, "MISelectCancel", tr("&Annulla Selezione"), 0, [this] { MISelectCancelClick(); });
    AddItem(select, "MISelectInvert", tr("&Inverti Selezione"), 0, [this] { MISelectInvertClick(); });
    AddItem(select, "MISelectCancelFloat", tr("Cancella Selezione &Mobile"), 0, [this] { MISelectCancelFloatClick(); });
    AddItem(select, "MISelectVisibleEdge", tr("&Mostra Bordi"), 0, [this] { MISelectVisibleEdgeClick(); })->setCheckable(true);
    AddSeparator(select, "MSSelect1");
    AddItem(select, "MISelectEdge", tr("&Bordo"), 0, [this] { MISelectEdgeClick(); });
    AddItem(select, "MISelectAddEdge", tr("&Aggiungi Bordo"), 0, [this] { MISelectAddEdgeClick(); });
    AddItem(select, "MISelectDeleteEdge", tr("&Elimina Bordo"), 0, [this] { MISelectDeleteEdgeClick(); });
    AddSeparator(select, "MSSelect3");
    AddItem(select, "MISelectColor1", tr("Seleziona colore &Primario"), 0, [this] { MISelectColor1Click(); });
    AddItem(select, "MISelectExceptColor2", tr("Seleziona colore &Secondario"), 0, [this] { MISelectExceptColor2Click(); });

    QMenu* show = menu("MIShow", tr("&Finestra"), true);
    for (const TToolWindowEntry& w : ToolWindowEntries())
        AddItem(show, w.MenuItem, tr(w.Caption), 0, [this, item = w.MenuItem] { ShowClick(item); });
    for (QAction* a : show->actions()) a->setCheckable(true);

    QMenu* zoom = menu("MIZoom", tr("&Ingrandimento"), true);
    auto* zooms = new QActionGroup(this);
    for (size_t i = 0; i < kZoomSteps.size(); ++i) {
        const int z = kZoomSteps[i];
        const std::string name = "MIZoom" + std::to_string(i);
        QAction* a = AddItem(zoom, name.c_str(), QString::number(z), 0, [this, z] { MIZoomItemClick(z); });
        a->setCheckable(true);
        zooms->addAction(a);
    }

    QMenu* setting = menu("MISetting", tr("&Impostazioni"), true);
    AddItem(setting, "MISetPixmo", tr("Impostazioni &Disegno..."), 0, [this] { MISetPixmoClick(); });
    AddItem(setting, "MISetKey", tr("&Tasti a Scelta Rapida..."), 0, [this] { MISetKeyClick(); });
    AddSeparator(setting, "MSSet");
    AddItem(setting, "MISetNumColor", tr("Numero di &Colori Massimo"), 0, [this] { MISetNumColorClick(); });
    AddItem(setting, "MISetChangePalette", tr("Cambia &Palette..."), 0, [this] { MISetChangePaletteClick(); });
    AddItem(setting, "MISetSize", tr("Dimensioni &Immagine..."), 0, [this] { MISetSizeClick(); });
    AddSeparator(setting, "N1");
    AddItem(setting, "MIUseEditSize", tr("Usa &Griglia"), 0, [this] { MIUseEditSizeClick(); })->setCheckable(true);
    AddItem(setting, "MISetEditSize", tr("Imposta &Unità Griglia..."), 0, [this] { MISetEditSizeClick(); });
    AddSeparator(setting, "MSGrid", false);

    QMenu* help = menu("MIHelp", tr("&Aiuto"), true);
    AddItem(help, "MIHelpContents", tr("&Contenuti"), 0, [this] { MIHelpContentsClick(); });
    AddItem(help, "MIHelpOnHelp", tr("&Guida in Linea"), 0, [this] { MIHelpOnHelpClick(); });
    AddSeparator(help, "MSHelpAbout");
    AddItem(help, "MIHelpAbout", tr("&Informazioni su..."), 0, [this] { MIHelpAboutClick(); });
    BuildEditCommands();
    WatchMenuChoices();
}

void TMainForm::UpdateMenuStates(const std::string& menuName) {
    TEditContext& doc = App().Edit();
    const bool busy = Client() && Client()->IsBusy();
    const bool image = doc.Dib() != nullptr;
    auto enable = [this](const char* name, bool on) {
        if (QAction* a = Item(name); a && !a->property("pixmoLater").toBool()) a->setEnabled(on);
    };
    if (menuName == "MIFile") {
        enable("MIFileNew", !busy);
        enable("MIFileOpen", !busy);
        enable("MIFileSave", !busy && image);
        enable("MIFileSaveAs", !busy && image);
        enable("MIFileCreateFromClipboard", App().Clipboard().HasFormat(CF_DIB));
        enable("MIFileCreateWithPalette", !busy && App().Clipboard().HasFormat(CF_DIB));
        enable("MIFileToClipboard", image);
        for (QAction* a : FFileHistoryItems) a->setEnabled(!busy);
    } else if (menuName == "MIEdit") {
        QAction* undo = Item("MIEditUndo");
        QAction* redo = Item("MIEditRedo");
        undo->setText(CoreText(doc.Undo().UndoMenuText()));
        redo->setText(CoreText(doc.Undo().RedoMenuText()));
        enable("MIEditUndo", !busy && doc.Undo().CanUndo());
        enable("MIEditRedo", !busy && doc.Undo().CanRedo());
        UpdateEditMenuStates();
    } else if (menuName == "MISelect") {
        UpdateSelectMenuStates();
    } else if (menuName == "MIZoom") {
        const int zoom = Client() ? Client()->Zoom() : 1;
        for (size_t i = 0; i < kZoomSteps.size(); ++i)
            Item("MIZoom" + std::to_string(i))->setChecked(kZoomSteps[i] == zoom);
    } else if (menuName == "MISetting") {
        enable("MISetNumColor", image && !busy);
        enable("MISetChangePalette", image && !busy && doc.Dib()->BitCount() <= 8);
        enable("MISetSize", image && !busy);
        Item("MIUseEditSize")->setChecked((App().Settings().DefRectOpt & kDefRectOptUseGrid) != 0);
        RebuildGridHistoryMenu();
    } else if (menuName == "MIShow") {
        for (const TToolWindowEntry& w : ToolWindowEntries()) {
            const TDibForm* form = FToolWindows->Window(w.MenuItem, false);
            Item(w.MenuItem)->setChecked(form && form->isVisible());
        }
    } else if (menuName == "MIIcon") {
        enable("MISaveAsIcon", image && !busy);
        enable("MICopyAsIcon", image && !busy);
        Item("MIIconColor256")->setChecked(App().Settings().IconSaveColor);
        Item("MIDitherIcon")->setChecked(App().Settings().DitherIcon);
        // A dithered icon needs a screen of at most 8 bits, which ours never is.
        Item("MIDitherIcon")->setVisible(false);
    } else if (menuName == "MIKey") {
        enable("MIColor1", image && !busy);
        enable("MIColor2", image && !busy);
    }
}

void TMainForm::LoadShortcuts() {
    for (auto& [name, value] : FShortcuts) {
        QAction* a = Item(name);
        if (!a || a->isSeparator()) continue;
        value = ReadShortcut(App().Ini(), name, FDesignedShortcuts[name]);
        a->setShortcut(ShortcutToKeySequence(value));
    }
}

void TMainForm::SaveShortcuts() {
    TIniUpdate update(App().Ini());
    for (const auto& [name, value] : FShortcuts) {
        QAction* a = Item(name);
        if (!a || a->isSeparator()) continue;
        WriteShortcut(App().Ini(), name, value);
    }
}

void TMainForm::RebuildFileHistoryMenu() {
    QMenu* file = Menu("MIFile");
    for (QAction* a : FFileHistoryItems) {
        file->removeAction(a);
        a->deleteLater();
    }
    FFileHistoryItems.clear();
    QAction* before = Item("MSFileAdd");
    for (int i = 0; i < FFileHistory.Count(); ++i) {
        const std::string name = FFileHistory[i];
        auto* a = new QAction(QString::fromStdString(name).replace("&", "&&"), this);
        a->setData(QString::fromStdString(name));
        connect(a, &QAction::triggered, this, [this, name] { Guard([this, name] { FileHistoryClick(name); }); });
        file->insertAction(before, a);
        FFileHistoryItems.push_back(a);
    }
}

}  // namespace pixmo
