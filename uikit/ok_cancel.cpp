#include "uikit/ok_cancel.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

namespace pixmo {

QDialogButtonBox* OkCancelButtons(QDialog* dialog, std::function<void()> onOk) {
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(QCoreApplication::translate("pixmo::OkCancel", "OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QCoreApplication::translate("pixmo::OkCancel", "Annulla"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, std::move(onOk));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace pixmo
