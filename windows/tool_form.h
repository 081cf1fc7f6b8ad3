#pragma once
// TToolForm ("ToolForm"): the tool box, eighteen tool buttons in two columns, each bound to
// the Mouse menu item that chooses its tool and to a Window menu item its double click runs.
// The current tool's button is down.
#include <array>

#include "uikit/app_button.h"
#include "view/dib_form.h"

namespace pixmo {

class TToolForm : public TDibForm {
    Q_OBJECT
public:
    explicit TToolForm(TAppContext& app, QWidget* parent = nullptr);
    ~TToolForm() override;

    static constexpr int kButtonCount = 18;
    const std::array<TAppButton*, kButtonCount>& Buttons() const { return FButtons; }
    TAppButton* Button(const QString& name) const;

    void HandleMessage(TNotice notice) override;

private:
    // Puts down the button of the edit client's current tool.
    void ShowCurrentTool();

    std::array<TAppButton*, kButtonCount> FButtons{};
};

}  // namespace pixmo
