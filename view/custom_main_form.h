#pragma once
// TCustomMainForm: the main window's base. Owns the edit client, keeps the colour indices
// valid and handles the notifications that concern the document as a whole.
#include <QAction>
#include <cstdint>
#include <string>

#include "view/dib_form.h"

namespace pixmo {

class TPaintClient;

class TCustomMainForm : public TDibForm {
    Q_OBJECT
public:
    TCustomMainForm(TAppContext& app, const QString& name, QWidget* parent = nullptr);
    ~TCustomMainForm() override;

    TPaintClient* PaintClient() const { return FClient; }

    void SetColor1Index(int index);
    void SetColor2Index(int index);
    void SetPaletteColor(int index, uint32_t color);

    void HandleMessage(TNotice notice) override;

    // The main menu's item by name ("MIDrawDot"), or null: tool windows bind buttons to it.
    virtual QAction* MenuItem(const std::string& /*name*/) const { return nullptr; }
    // True when the document may be replaced or the program closed (asks about unsaved
    // changes where the main window does).
    virtual bool QueryClose() { return true; }
    // Opens the key dialog for the named menu item (a Ctrl+click on a tool button).
    virtual void EditShortcut(const std::string& /*itemName*/) {}

protected:
    // Creates the edit client (once); its tool changes are broadcast.
    TPaintClient* CreateClient(QWidget* parent);

private:
    TPaintClient* FClient = nullptr;
};

}  // namespace pixmo
