#pragma once
// TToolForm ("ToolForm"): the tool box, a button for each tool whose row has one, each bound to
// the Mouse menu item that chooses its tool and to a Window menu item its double click runs.
// The current tool's button is down.
#include <vector>

#include "uikit/app_button.h"
#include "view/dib_form.h"

namespace pixmo {

class TToolForm : public TDibForm {
    Q_OBJECT
public:
    explicit TToolForm(TAppContext& app, QWidget* parent = nullptr);
    ~TToolForm() override;

    // One per row of the tool table that has a button, in reading order.
    const std::vector<TAppButton*>& Buttons() const { return FButtons; }
    TAppButton* Button(const QString& name) const;

    void HandleMessage(TNotice notice) override;

private:
    // Puts down the button of the edit client's current tool.
    void ShowCurrentTool();

    std::vector<TAppButton*> FButtons;
};

}  // namespace pixmo
