#pragma once
// TSettingDialog ("Configurazione di Pixmo"): the drawing settings on two pages, "Finestra
// Principale" and "Menu". The controls show the state it is given; OK hands the edited state
// back through the apply function at once, Annulla drops it. F1 and "Aiuto" open the help
// page of the active page.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <functional>
#include <string>
#include <vector>

#include "uikit/help_context.h"
#include "uikit/ini_dialog.h"
#include "uikit/number_edit.h"

namespace pixmo {

// One item of the edit pop-up menu as the "Menu" page lists it.
struct TPopupItem {
    std::string Name;
    QString Caption;
    bool Visible = true;
};

struct TDrawingSettings {
    int DotLineWidth = 32;
    int DotLineHeight = 32;
    bool DotLineVisible = true;
    int MeasureType = 1;  // 0 none, 1 black, 2 grey
    bool IconMaskBottomLeft = false;
    int64_t UndoBuffer = 10000000;  // bytes
    bool ShowStatusBar = true;
    bool ShowScroller = true;
    bool AutoScroll = true;
    bool AskWhenDestroy = true;
    bool Backup = false;
    std::string BackupDir;
    bool RMenuMode = true;
    std::vector<TPopupItem> PopupItems;  // menu order
    std::vector<std::string> ShownItems;  // on OK: the visible items in the order wanted
    int PngCompression = 1;  // "Compressione PNG": 0 Veloce, 1 Normale, 2 Massima
    bool ShowTransparency = true;
    int Language = 0;  // "Lingua": 0 Automatica, 1 Italiano, 2 English
};

class TSettingDialog : public TIniDialog {
    Q_OBJECT
public:
    using TApply = std::function<void(const TDrawingSettings&)>;
    using THelp = std::function<void(THelpContext context)>;

    // Opens on `page` when such a page exists.
    TSettingDialog(TIni& ini, const TDrawingSettings& state, int page, TApply apply, THelp help,
                   QWidget* parent = nullptr);
    ~TSettingDialog() override;

    QTabWidget* PageControl = nullptr;
    QWidget* TSMain = nullptr;
    QWidget* TSContextMenu = nullptr;
    TNumberEdit* DotLineWidth = nullptr;
    TNumberEdit* DotLineHeight = nullptr;
    QCheckBox* DotLineVisible = nullptr;
    QButtonGroup* RGMeasureType = nullptr;
    QButtonGroup* IconMaskColor = nullptr;
    TNumberEdit* NEUndoBuffer = nullptr;
    QCheckBox* CBShowStatusBar = nullptr;
    QCheckBox* CBShowScroller = nullptr;
    QCheckBox* CBAutoScroll = nullptr;
    QCheckBox* CBAskWhenDestroy = nullptr;
    QCheckBox* CBBackup = nullptr;
    QLineEdit* EDBackupDir = nullptr;
    QCheckBox* RMenuMode = nullptr;
    QListWidget* LBShowItem = nullptr;
    QListWidget* LBHideItem = nullptr;
    QButtonGroup* RGPngCompression = nullptr;
    QCheckBox* CBShowTransparency = nullptr;
    QButtonGroup* RGLanguage = nullptr;
    QPushButton* HelpBtn = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // OK: true when every field was valid, the state applied and the dialog closed.
    bool Confirm();
    // The help context of the active page.
    THelpContext HelpContext() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* BuildMainPage(const TDrawingSettings& s);
    QWidget* BuildMenuPage(const TDrawingSettings& s);
    TDrawingSettings FState;
    TApply FApply;
    THelp FHelp;
};

}  // namespace pixmo
