#pragma once
// TMainForm: the program's main window. It owns the main menu (with the hidden key and mouse
// menus), the edit client, the status bar, the main timer and the recent-item lists, and
// turns menu commands into calls on the document and the edit client. One file per concern:
// main_form_menu.cpp builds the menus and their states; main_form_file.cpp the File menu;
// main_form_edit.cpp and main_form_select.cpp the Edit and Select menus; main_form_zoom.cpp
// the Zoom menu, undo and redo and the key menu's view and option commands;
// main_form_popup.cpp the edit pop-up and the key menu's colour commands; main_form_grid.cpp
// the grid unit; main_form_windows.cpp the Window menu; main_form_help.cpp the Help menu;
// main_form_busy.cpp the hourglass bracket; main_form_settings.cpp what it reads and writes;
// main_form_keys.cpp the shortcut-key dialogs.
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "edit/main_panels.h"
#include "settings/string_lists.h"
#include "tools/mouse_tool.h"
#include "tools/tool_items.h"
#include "view/custom_main_form.h"

namespace pixmo {

class TDib;
class TEditPopupMenu;
class TEditSize;
class TFormTimer;
class TPixmoToolFactory;
class TToolOptions;
class TPaintClient;
class TStatusPanel;
class THelpWindow;
enum class THelpContext : int;
struct TDrawingSettings;
struct TIconOptions;

// The depth names of the "doesn't cope" message.
std::string DepthName(int bitCount);
// ".BAK" in place of the extension ("a.bmp" -> "a.BAK").
std::string BackupName(const std::string& fileName);

class TMainForm : public TCustomMainForm, public TMainPanels {
    Q_OBJECT
public:
    explicit TMainForm(TAppContext& app, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Loads the settings and the first document; the program calls it once after building.
    void Start();

    TPaintClient* Client() const { return PaintClient(); }
    TStatusPanel* StatusBar() const { return FStatusBar; }
    QMenuBar* MainMenu() const { return FMenuBar; }
    TFormTimer* Timer() const { return FTimer; }
    // A menu item by name ("MIFileOpen"), or null.
    QAction* Item(const std::string& name) const;
    QAction* MenuItem(const std::string& name) const override { return Item(name); }
    QMenu* Menu(const std::string& name) const;
    TMaxStringList& FileHistory() { return FFileHistory; }
    TMaxStringList& GridHistory() { return FGridHistory; }
    TMaxStringList& EditHistory() { return FEditHistory; }

    // --- the Part's operations used by other windows ---
    void ShowMessageText(const QString& text);
    void UpdateCaption();
    void OpenFile(const std::string& name);
    void SaveFile(const std::string& name);
    // True when the document may be replaced or the program closed.
    bool QueryClose() override;
    // Runs a command: an error goes to an error box, a silent abort is swallowed.
    void Guard(const std::function<void()>& command);

    // --- commands (menu handlers) ---
    void MIFileNewClick();
    void MIFileOpenClick();
    void MIFileSaveClick();
    void MIFileSaveAsClick();
    void MIFileCreateFromClipboardClick();
    void MIFileToClipboardClick();
    // main_form_palette.cpp
    void MIFileCreateWithPaletteClick();
    void MISetNumColorClick();
    void MISetChangePaletteClick();
    // main_form_keys.cpp
    void MISetKeyClick();
    void EditShortcut(const std::string& itemName) override;
    void MIFileExitClick();
    void FileHistoryClick(const std::string& name);
    void MIEditUndoClick();
    void MIEditRedoClick();
    void MIZoomItemClick(int zoom);
    void MIZoomInClick();
    void MIZoomOutClick();
    void MIColorClick(int which);
    void MIMeasureTypeClick();
    void MIRDrawClick();
    void MISelectPenColorClick();
    void MISelectPenModeClick();
    void MIUseEditSizeClick();
    void MISetEditSizeClick();
    // A recent grid unit "x,y": taken out of the history and made the unit.
    void GridHistoryClick(const std::string& entry);
    void RebuildGridHistoryMenu();
    // At start-up: the tool windows whose "Place" says they were open, in the fixed order.
    void OpenToolWindowsAtStart();
    // main_form_help.cpp
    void MIHelpContentsClick();
    void MIHelpOnHelpClick();
    void MIHelpAboutClick();
    void UndoPanelClick();
    // Files dropped on the window: the first one is opened.
    void DropFiles(const QStringList& names, Qt::KeyboardModifiers modifiers);

    // Edit and Select menus, the rest of the key menu and the edit pop-up menu
    // (main_form_edit.cpp, main_form_select.cpp, main_form_popup.cpp).
    void MIEditCutClick();
    void MIEditCopyClick();
    void MIEditPasteClick();
    void MIEditClearClick();
    void MIEditClearInsideClick();
    void MIEditSaveClick();
    // fromMainMenu: the chosen file also goes to the top of the recent selection files.
    void MIEditPasteFromFileClick(bool fromMainMenu = true);
    void EditHistoryClick(const std::string& name);
    void MISelectAllClick();
    void MISelectCancelClick();
    void MISelectInvertClick();
    void MISelectCancelFloatClick();
    void MISelectVisibleEdgeClick();
    void MISelectEdgeClick();
    void MISelectAddEdgeClick();
    void MISelectDeleteEdgeClick();
    void MISelectColor1Click();
    void MISelectExceptColor2Click();
    void MIScreenColorClick(int which);
    void MIAddCursorColorClick();
    void MIDeleteCursorColorClick();
    void MIPopupClick();
    void PISetColor2Click();
    void PISelAddColorClick();
    void PISelDelColorClick();
    void PIEditInverseClick(bool horizontal);
    void PIInvertColorClick();
    void PIChangeColorClick(int kind);
    void PIEditToMaskClick();
    // "Estendi..." and "Ruota..." (with nothing selected, the whole image).
    void PIEditStretchClick();
    void PIEditRotateClick();
    // main_form_icon.cpp: the Icon submenu of the Edit menu.
    void MISaveAsIconClick();
    void MICopyAsIconClick();
    void MIIconColor256Click();
    void MIDitherIconClick();
    TIconOptions IconOptions();
    // Writes `image` in the format its name asks for; an icon takes IconOptions().
    void SaveImageFile(const TDib& image, const std::string& name);
    // Hidden key-menu items that rotate by the angle in their caption.
    void RotateByItemClick(const std::string& item);
    // main_form_setting_dialog.cpp: "Impostazioni Disegno..." opens the page last left
    // (page < 0), the pop-up's "Impostazioni..." the "Menu" page; "Dimensioni Immagine...".
    void MISetPixmoClick(int page = -1);
    void PISetEditMenuClick() { MISetPixmoClick(1); }
    void MISetSizeClick();
    // The state the settings dialog shows, and what its OK applies.
    TDrawingSettings DrawingSettings();
    void ApplyDrawingSettings(const TDrawingSettings& settings);
    TEditPopupMenu* EditMoveMenu() const { return FEditMoveMenu; }
    TToolOptions* ToolOptions() const;
    TEditSize* EditSize() const;
    // A Window menu item ("MIShowOption"): shows, restores or hides its tool window.
    void ShowClick(const std::string& item);
    // Sets the pop-up's states, as on opening it.
    void EditMoveMenuPopup();
    // Opens the pop-up at a screen point; its colour commands use the image pixel there.
    void ShowEditMoveMenu(const QPoint& global);
    // The hourglass around long operations: the timer rests, the cursor is kept, and
    // clicks and keys that arrived meanwhile are dropped at the end.
    void BeginBusy();
    void EndBusy();
    bool IsBusyShown() const { return FBusyShown; }

    // Sets the enabled and checked states of a menu as on opening it.
    void UpdateMenuStates(const std::string& menuName);
    THelpWindow* HelpWindow() const { return FHelp; }

    // --- TMainPanels ---
    void ShowMessage(const std::string& text) override;
    void ShowRect(const TRect& rect) override;
    void SetUndoPanel(const std::string& text) override;
    void ModifiedChanged(bool modified) override;
    void FileNameChanged(const std::string& fileName) override;

    void HandleMessage(TNotice notice) override;

protected:
    void LoadSettings() override;
    void SaveSettings() override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // main_form_keys.cpp: a key that no shortcut took runs the item that has it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // main_form_menu.cpp
    void BuildMenus();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, int shortcut,
                     std::function<void()> handler);
    void AddSeparator(QMenu* menu, const char* name, bool visible = true);
    void LoadShortcuts();
    void SaveShortcuts();
    void RebuildFileHistoryMenu();
    void OpenStartDocument();
    // main_form_keys.cpp
    QList<QMenu*> MainMenus() const;
    void WatchMenuChoices();
    // True when the item was just chosen from an open menu with Ctrl held (not by its key).
    bool ChosenWithCtrl(const QAction* action);
    void ShortcutsChanged();
    QAction* FMenuChoice = nullptr;
    // main_form_file.cpp
    void MakeBackup(const std::string& name);
    void InstallNewImage(std::unique_ptr<TDib> image, const std::string& undoCaption, const std::string& fileName);
    bool RefuseDeepImage(const TDib& image);
    std::optional<std::string> AskImageFileName(bool save);

    TFormTimer* FTimer = nullptr;
    TStatusPanel* FStatusBar = nullptr;
    QMenuBar* FMenuBar = nullptr;
    THelpWindow* FHelp = nullptr;
    std::map<std::string, QAction*> FItems;
    std::map<std::string, QMenu*> FMenus;
    std::map<std::string, int> FDesignedShortcuts;
    std::map<std::string, int> FShortcuts;
    std::vector<QAction*> FFileHistoryItems;
    std::vector<QAction*> FGridHistoryItems;
    // main_form_edit.cpp, main_form_select.cpp, main_form_popup.cpp
    void BuildEditCommands();
    void UpdateEditMenuStates();
    void UpdateSelectMenuStates();
    void RebuildEditHistoryMenu();
    void PasteSelectionFile(const std::string& name);
    // The image pixel under the mouse cursor, or nothing outside the image.
    std::optional<TPoint> CursorPixel() const;
    void SelectionCommand(bool needsSelection, const std::function<void()>& command);
    // The mouse tools the client makes, with the options and the grid unit they read
    // (main_form_settings.cpp).
    void InstallToolFactory();
    // The document's hourglass goes through BeginBusy/EndBusy (main_form_busy.cpp).
    void InstallBusyBracket();
    // main_form_windows.cpp: the tool windows of the Window menu (tool_windows.h), by item,
    // made when their row says.
    TDibForm* ToolWindow(const std::string& item, bool create);
    std::map<std::string, TDibForm*> FToolWindows;
    // main_form_help.cpp: the menus' help contexts, the pages' pictures and the F1 key.
    void InstallHelp();
    void ShowHelpContext(THelpContext context);
    TEditPopupMenu* FEditMoveMenu = nullptr;
    std::vector<QAction*> FEditHistoryItems;
    bool FBusyShown = false;
    // The settings dialog's page when it was last closed, while the program runs.
    int FSettingPage = 0;
    // The pop-up's layout goes back to the settings once one was stored or chosen.
    bool FMenuLayoutKept = false;
    bool FBusyTimerWasOn = false;
    TMaxStringList FFileHistory{10};
    TMaxStringList FGridHistory{10};
    TMaxStringList FEditHistory{10};
    bool FStarted = false;
};

}  // namespace pixmo
