// The Select menu: select all, cancel, invert, cancel the floating piece, the outline
// toggle, the edge commands and selecting by the primary or secondary colour, each with its
// message, and the menu's states.
#include "commands/main_form.h"
#include "edit/edit_context.h"
#include "edit/selection.h"
#include "view/app_context.h"
#include "view/form_timer.h"
#include "view/paint_client.h"

namespace pixmo {

void TMainForm::MISelectAllClick() {
    SelectionCommand(false, [this] { App().Edit().Selection().SelectAll(); });
}

void TMainForm::MISelectCancelClick() {
    SelectionCommand(true, [this] {
        App().Edit().Selection().Cancel();
        ShowMessageText(tr("Elimina Selezione"));
    });
}

void TMainForm::MISelectInvertClick() {
    SelectionCommand(true, [this] { App().Edit().Selection().Invert(); });
}

void TMainForm::MISelectCancelFloatClick() {
    SelectionCommand(true, [this] {
        if (App().Edit().Selection().IsFloating()) App().Edit().Selection().CancelFloat();
    });
}

void TMainForm::MISelectVisibleEdgeClick() {
    TPaintClient* client = Client();
    if (!client) return;
    const bool show = !client->ShowEdges();
    client->SetShowEdges(show);
    FTimer->SetEnabled(show);
    client->Repaint();
    ShowMessageText(show ? tr("La Linea del limite è attivata") : tr("La Linea del limite è stata nascosta"));
}

void TMainForm::MISelectEdgeClick() {
    SelectionCommand(true, [this] {
        App().Edit().Selection().Edge();
        ShowMessageText(tr("Bordo Attivato"));
    });
}

void TMainForm::MISelectAddEdgeClick() {
    SelectionCommand(true, [this] {
        App().Edit().Selection().AddEdge();
        ShowMessageText(tr("Il Bordo aumenta"));
    });
}

void TMainForm::MISelectDeleteEdgeClick() {
    SelectionCommand(true, [this] {
        App().Edit().Selection().DeleteEdge();
        ShowMessageText(tr("Il Bordo diminuisce"));
    });
}

void TMainForm::MISelectColor1Click() {
    SelectionCommand(false, [this] { App().Edit().Selection().SelectColour(App().Edit().Color1Index()); });
}

void TMainForm::MISelectExceptColor2Click() {
    SelectionCommand(false, [this] { App().Edit().Selection().SelectExceptColour(App().Edit().Color2Index()); });
}

void TMainForm::UpdateSelectMenuStates() {
    TEditContext& doc = App().Edit();
    const bool ok = doc.Dib() && !(Client() && Client()->IsBusy());
    const bool sel = ok && !doc.Selection().IsEmpty();
    auto enable = [this](const char* name, bool on) {
        if (QAction* a = Item(name)) a->setEnabled(on);
    };
    for (const char* name : {"MISelectAll", "MISelectColor1", "MISelectExceptColor2"}) enable(name, ok);
    for (const char* name : {"MISelectCancel", "MISelectInvert", "MISelectEdge", "MISelectAddEdge", "MISelectDeleteEdge"})
        enable(name, sel);
    enable("MISelectCancelFloat", sel && doc.Selection().IsFloating());
    if (QAction* a = Item("MISelectVisibleEdge")) a->setChecked(Client() && Client()->ShowEdges());
}

}  // namespace pixmo
