#include "uikit/number_input_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "uikit/number_edit.h"

namespace pixmo {

TNumberInputDialog::TNumberInputDialog(const QString& caption, int min, int max, int value, QWidget* parent)
    : QDialog(parent) {
    setObjectName("NumberInputDialog");
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    FEdit = new TNumberEdit("NENumber", caption, min, max, value, this);
    layout->addWidget(FEdit);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName("OkBtn");
    buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole)->setObjectName("CancelBtn");
    connect(buttons, &QDialogButtonBox::accepted, this, &TNumberInputDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TNumberInputDialog::reject);
    layout->addWidget(buttons);
}

std::optional<int> TNumberInputDialog::Value() const { return FEdit->Value(); }

void TNumberInputDialog::accept() {
    if (FEdit->Check()) QDialog::accept();
}

namespace {
TNumberInputDialog::THook& Hook() {
    static TNumberInputDialog::THook hook;
    return hook;
}
}  // namespace

TNumberInputDialog::THook TNumberInputDialog::SetHook(THook hook) {
    THook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

std::optional<int> TNumberInputDialog::Ask(QWidget* parent, const QString& caption, int min, int max, int value) {
    TNumberInputDialog dialog(caption, min, max, value, parent);
    const int result = Hook() ? Hook()(dialog) : dialog.exec();
    if (result != QDialog::Accepted) return std::nullopt;
    return dialog.Value();
}

}  // namespace pixmo
