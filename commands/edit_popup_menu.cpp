#include "commands/edit_popup_menu.h"

#include <QMouseEvent>

#include "uikit/help_window.h"

namespace pixmo {

TEditPopupMenu::TEditPopupMenu(QWidget* parent) : QMenu(parent) {
    setObjectName("EditMoveMenu");
    SetHelpContext(this, THelpContext::EditPopup);
    Add(this, "PIEditSelectClear", tr("Annulla Selezione"));
    Add(this, "PIEditCut", tr("Taglia"));
    Add(this, "PIEditCopy", tr("Copia"));
    Add(this, "PIEditPaste", tr("Incolla"));
    Add(this, "PIEditDelete", tr("Elimina"));
    Add(this, "PIEditSelectAll", tr("Seleziona Tutto"));
    Add(this, "PIEditSave", tr("Salva nel File..."));
    Add(this, "PIEditPasteFromFile", tr("Incolla nel File..."));
    AddSeparator("PSMoveMenu3");
    Add(this, "PISetColor2", tr("Imposta come Colore Secondario"));
    Add(this, "PISelAddColor", tr("Aggiungi Colore"));
    Add(this, "PISelDelColor", tr("Elimina Colore"));
    AddSeparator("PSMoveMenu1");
    Add(this, "PIEditLeftRight", tr("Rifletti Orizzontale"));
    Add(this, "PIEditUpDown", tr("Rifletti Verticale"));
    Add(this, "PIEditRotate", tr("Ruota..."));
    Add(this, "PIEditStretch", tr("Estendi..."));
    Add(this, "PIInvertColor", tr("Inverti Colori"));
    auto* change = new QMenu(tr("Cambia Colori"), this);
    change->setObjectName("PIChangeColorMenu");
    QAction* changeItem = addMenu(change);
    changeItem->setObjectName("PIChangeColor");
    FItems["PIChangeColor"] = changeItem;
    Add(change, "PIRedBlue", tr("Rosso - Blu"));
    Add(change, "PIGreenRed", tr("Verde - Rosso"));
    Add(change, "PIBlueGreen", tr("Blu - Verde"));
    Add(this, "PIEditToMask", tr("Crea Maschera"));
    AddSeparator("PSMoveMenu2");
    Add(this, "PISetEditMenu", tr("Impostazioni..."));
}

QAction* TEditPopupMenu::Add(QMenu* menu, const char* name, const QString& caption, bool later) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    if (later) {
        action->setProperty("pixmoLater", true);
        action->setEnabled(false);
    }
    menu->addAction(action);
    FItems[name] = action;
    return action;
}

void TEditPopupMenu::AddSeparator(const char* name) {
    QAction* separator = addSeparator();
    separator->setObjectName(name);
    FItems[name] = separator;
}

void TEditPopupMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && !FRightButtonChooses) {
        event->accept();
        return;
    }
    QMenu::mouseReleaseEvent(event);
}

QAction* TEditPopupMenu::Item(const std::string& name) const {
    auto it = FItems.find(name);
    return it == FItems.end() ? nullptr : it->second;
}

std::vector<std::string> TEditPopupMenu::ItemNames() const {
    std::vector<std::string> names;
    for (QAction* a : actions()) names.push_back(a->objectName().toStdString());
    return names;
}

void TEditPopupMenu::UpdateStates(const TEditPopupState& s) {
    const bool ok = s.Image && !s.Busy;
    const bool sel = ok && s.Selection;
    auto enable = [this](const char* name, bool on) {
        if (QAction* a = Item(name); a && !a->property("pixmoLater").toBool()) a->setEnabled(on);
    };
    for (const char* name : {"PIEditSelectClear", "PIEditCut", "PIEditCopy", "PIEditDelete", "PIEditSave", "PISelDelColor"})
        enable(name, sel);
    enable("PIEditPaste", ok && s.ClipboardDib);
    for (const char* name : {"PIEditSelectAll", "PIEditPasteFromFile", "PISetColor2", "PISelAddColor", "PIEditLeftRight",
                             "PIEditUpDown", "PIEditRotate", "PIEditStretch", "PIInvertColor", "PIChangeColor",
                             "PIRedBlue", "PIGreenRed", "PIBlueGreen", "PIEditToMask"})
        enable(name, ok);
    enable("PISetEditMenu", !s.Busy);
}

void TEditPopupMenu::ApplyLayout(const std::vector<std::string>& visibleItems) {
    for (QAction* a : actions()) a->setVisible(false);
    int position = 0;
    for (const std::string& name : visibleItems) {
        QAction* a = Item(name);
        if (!a || !actions().contains(a)) continue;
        removeAction(a);
        const QList<QAction*> now = actions();
        insertAction(position < now.size() ? now[position] : nullptr, a);
        a->setVisible(true);
        ++position;
    }
}

std::vector<std::string> TEditPopupMenu::Layout() const {
    std::vector<std::string> names;
    for (QAction* a : actions())
        if (a->isVisible()) names.push_back(a->objectName().toStdString());
    return names;
}

}  // namespace pixmo
