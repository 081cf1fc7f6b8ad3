#include "commands/edit_popup_menu.h"

#include <QMouseEvent>

#include "uikit/help_window.h"

namespace pixmo {

TEditPopupMenu::TEditPopupMenu(QWidget* parent) : QMenu(parent) {
    setObjectName("EditMoveMenu");
    SetHelpContext(this, THelpContext::EditPopup);
    Add(this, "PIEditSelectClear", "Annulla Selezione");
    Add(this, "PIEditCut", "Taglia");
    Add(this, "PIEditCopy", "Copia");
    Add(this, "PIEditPaste", "Incolla");
    Add(this, "PIEditDelete", "Elimina");
    Add(this, "PIEditSelectAll", "Seleziona Tutto");
    Add(this, "PIEditSave", "Salva nel File...");
    Add(this, "PIEditPasteFromFile", "Incolla nel File...");
    AddSeparator("PSMoveMenu3");
    Add(this, "PISetColor2", "Imposta come Colore Secondario");
    Add(this, "PISelAddColor", "Aggiungi Colore");
    Add(this, "PISelDelColor", "Elimina Colore");
    AddSeparator("PSMoveMenu1");
    Add(this, "PIEditLeftRight", "Rifletti Orizzontale");
    Add(this, "PIEditUpDown", "Rifletti Verticale");
    Add(this, "PIEditRotate", "Ruota...");
    Add(this, "PIEditStretch", "Estendi...");
    Add(this, "PIInvertColor", "Inverti Colori");
    auto* change = new QMenu("Cambia Colori", this);
    change->setObjectName("PIChangeColorMenu");
    QAction* changeItem = addMenu(change);
    changeItem->setObjectName("PIChangeColor");
    FItems["PIChangeColor"] = changeItem;
    Add(change, "PIRedBlue", "Rosso - Blu");
    Add(change, "PIGreenRed", "Verde - Rosso");
    Add(change, "PIBlueGreen", "Blu - Verde");
    Add(this, "PIEditToMask", "Crea Maschera");
    AddSeparator("PSMoveMenu2");
    Add(this, "PISetEditMenu", "Impostazioni...");
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
