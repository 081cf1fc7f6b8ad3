#pragma once
// TMainForm: the program's main window. It owns the main menu (with the hidden key and mouse
// menus), the edit client, the status bar, the main timer and the recent-item lists, and turns
// menu commands into calls on the document. The sections below follow its files, one concern
// each (main_form_<concern>.cpp).
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "edit/main_panels.h"
#include "settings/string_lists.h"
#include "uikit/help_context.h"
#include "view/custom_main_form.h"

namespace pixmo {

class TDib;
class TEditPopupMenu;
class TFormTimer;
class TStatusPanel;
class THelpWindow;
class TToolWindowSet;
struct TDrawingSettings;
struct TIconOptions;

// The depth names of the "doesn't cope" message.
std::string DepthName(int bitCount);
// A file filter of the program's form with its descriptions in the reader's language.
QString ShownFilter(const std::string& filter);
// ".BAK" in place of the extension ("a.bmp" -> "a.BAK").
std::string BackupName(const std::string& fileName);

class TMainForm : public TCustomMainForm, private TMainPanels {
    Q_OBJECT

    // --- main_form.cpp: the window, its panels, dropped files, the error guard ---
public:
    explicit TMainForm(TAppContext& app, QWidget* parent = nullptr);
    ~TMainForm() override;
    // Loads the settings and the first document; the program calls it once after building.
    void Start();
    TPaintClient* Client() const { return PaintClient(); }
    TStatusPanel* StatusBar() const { return FStatusBar; }
    TFormTimer* Timer() const { return FTimer; }
    // Runs a command: an error goes to an error box, a silent abort is swallowed.
    void Guard(const std::function<void()>& command);
    // Files dropped on the window: the first one is opened.
    void DropFiles(const QStringList& names, Qt::KeyboardModifiers modifiers);
    void HandleMessage(TNotice notice) override;
    void ShowMessageText(const QString& text);
    void UndoPanelClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void UpdateCaption();
    // TMainPanels: what the document shows in the status bar and the caption.
    void ShowMessage(const std::string& text) override;
    void ShowCoreMessage(const TMessage& message) override;
    void ShowRect(const TRect& rect) override;
    void SetUndoPanel(const std::string& text) override;
    void ModifiedChanged(bool modified) override;
    void FileNameChanged(const std::string& fileName) override;
    TFormTimer* FTimer = nullptr;
    TStatusPanel* FStatusBar = nullptr;
    bool FStarted = false;

    // --- main_form_menu.cpp: the menus, their items by name and their states ---
public:
    // A menu item by name ("MIFileOpen"), or null.
    QAction* Item(const std::string& name) const;
    QAction* MenuItem(const std::string& name) const override { return Item(name); }
    QMenu* Menu(const std::string& name) const;
    QMenuBar* MainMenu() const { return FMenuBar; }
    // Sets the enabled and checked states of a menu as on opening it.
    void UpdateMenuStates(const std::string& menuName);

private:
    void BuildMenus();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, int shortcut,
                     std::function<void()> handler);
    void AddSeparator(QMenu* menu, const char* name, bool visible = true);
    void LoadShortcuts();
    void SaveShortcuts();
    void RebuildFileHistoryMenu();
    QMenuBar* FMenuBar = nullptr;
    std::map<std::string, QAction*> FItems;
    std::map<std::string, QMenu*> FMenus;
    std::map<std::string, int> FDesignedShortcuts;
    std::map<std::string, int> FShortcuts;
    std::vector<QAction*> FFileHistoryItems;

    // --- main_form_keys.cpp: the shortcut-key dialogs and keys no shortcut took ---
public:
    void EditShortcut(const std::string& itemName) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MISetKeyClick();
    QList<QMenu*> MainMenus() const;
    void WatchMenuChoices();
    // True when the item was just chosen from an open menu with Ctrl held (not by its key).
    bool ChosenWithCtrl(const QAction* action);
    void ShortcutsChanged();
    QAction* FMenuChoice = nullptr;

    // --- main_form_file.cpp: the File menu and the close query that guards the document ---
public:
    void OpenFile(const std::string& name);
    void SaveFile(const std::string& name);
    // True when the document may be replaced or the program closed.
    bool QueryClose() override;
    TMaxStringList& FileHistory() { return FFileHistory; }

private:
    void MIFileNewClick();
    void MIFileOpenClick();
    void MIFileSaveClick();
    void MIFileSaveAsClick();
    void MIFileCreateFromClipboardClick();
    void MIFileToClipboardClick();
    void MIFileExitClick();
    void FileHistoryClick(const std::string& name);
    void MakeBackup(const std::string& name);
    void InstallNewImage(std::unique_ptr<TDib> image, const std::string& undoCaption, const std::string& fileName);
    bool RefuseDeepImage(const TDib& image);
    bool RefuseDeepImage(const TDib& image, const TMessage& message);
    std::optional<std::string> AskImageFileName(bool save);
    TMaxStringList FFileHistory{10};

    // --- main_form_palette.cpp: the palette's commands of the File and Settings menus ---
public:
    void MISetChangePaletteClick();

private:
    void MIFileCreateWithPaletteClick();
    void MISetNumColorClick();

    // --- main_form_icon.cpp: the Icon submenu of the Edit menu ---
private:
    void MISaveAsIconClick();
    void MICopyAsIconClick();
    void MIIconColor256Click();
    void MIDitherIconClick();
    TIconOptions IconOptions();
    // Writes `image` in the format its name asks for; an icon takes IconOptions().
    void SaveImageFile(const TDib& image, const std::string& name);

    // --- main_form_edit.cpp: the Edit menu and the recent selection files ---
public:
    TMaxStringList& EditHistory() { return FEditHistory; }

private:
    void MIEditCutClick();
    void MIEditCopyClick();
    void MIEditPasteClick();
    void MIEditClearClick();
    void MIEditClearInsideClick();
    void MIEditSaveClick();
    // fromMainMenu: the chosen file also goes to the top of the recent selection files.
    void MIEditPasteFromFileClick(bool fromMainMenu = true);
    void EditHistoryClick(const std::string& name);
    void RebuildEditHistoryMenu();
    void PasteSelectionFile(const std::string& name);
    void SelectionCommand(bool needsSelection, const std::function<void()>& command);
    void UpdateEditMenuStates();
    TMaxStringList FEditHistory{10};
    std::vector<QAction*> FEditHistoryItems;

    // --- main_form_select.cpp: the Select menu ---
private:
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
    void UpdateSelectMenuStates();

    // --- main_form_popup.cpp: the edit pop-up menu and the key menu's colour commands ---
public:
    TEditPopupMenu* EditMoveMenu() const { return FEditMoveMenu; }
    // Sets the pop-up's states, as on opening it.
    void EditMoveMenuPopup();

private:
    void BuildEditCommands();
    // Opens the pop-up at a screen point; its colour commands use the image pixel there.
    void ShowEditMoveMenu(const QPoint& global);
    // The image pixel under the mouse cursor, or nothing outside the image.
    std::optional<TPoint> CursorPixel() const;
    void MIPopupClick();
    void MIAddCursorColorClick();
    void MIDeleteCursorColorClick();
    void MIScreenColorClick(int which);
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
    TEditPopupMenu* FEditMoveMenu = nullptr;

    // --- main_form_zoom.cpp: the Zoom menu, undo and redo, the key menu's view and options ---
public:
    void MIEditUndoClick();

private:
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

    // --- main_form_grid.cpp: the grid unit and its recent units ---
public:
    TMaxStringList& GridHistory() { return FGridHistory; }
    // A recent grid unit "x,y": taken out of the history and made the unit.
    void GridHistoryClick(const std::string& entry);
    void RebuildGridHistoryMenu();

private:
    void MISetEditSizeClick();
    TMaxStringList FGridHistory{10};
    std::vector<QAction*> FGridHistoryItems;

    // --- main_form_setting_dialog.cpp: "Impostazioni Disegno...", "Dimensioni Immagine..." ---
private:
    // The settings dialog opens the page last left (page < 0); the pop-up's
    // "Impostazioni..." opens the "Menu" page.
    void MISetPixmoClick(int page = -1);
    void PISetEditMenuClick() { MISetPixmoClick(1); }
    void MISetSizeClick();
    // The state the settings dialog shows, and what its OK applies.
    TDrawingSettings DrawingSettings();
    void ApplyDrawingSettings(const TDrawingSettings& settings);
    // Hidden key-menu items that rotate by the angle in their caption.
    void RotateByItemClick(const std::string& item);
    // The settings dialog's page when it was last closed, while the program runs.
    int FSettingPage = 0;
    // The pop-up's layout goes back to the settings once one was stored or chosen.
    bool FMenuLayoutKept = false;

    // --- main_form_settings.cpp: what the window reads and writes, the first document ---
protected:
    void LoadSettings() override;
    void SaveSettings() override;

private:
    void OpenStartDocument();
    // The mouse tools the client makes, with the options and the grid unit they read.
    void InstallToolFactory();

    // --- main_form_windows.cpp: the Window menu's tool windows ---
public:
    // At start-up: the tool windows whose placement says they were open, in the fixed order.
    void OpenToolWindowsAtStart();
    // A Window menu item ("MIShowOption"): shows, restores or hides its tool window.
    void ShowClick(const std::string& item);

private:
    std::unique_ptr<TToolWindowSet> FToolWindows;

    // --- main_form_help.cpp: the Help menu, the menus' help contexts and the F1 key ---
public:
    void MIHelpContentsClick();
    THelpWindow* HelpWindow() const { return FHelp; }

private:
    void InstallHelp();
    void ShowHelpContext(THelpContext context);
    void MIHelpOnHelpClick();
    void MIHelpAboutClick();
    THelpWindow* FHelp = nullptr;
};

}  // namespace pixmo
