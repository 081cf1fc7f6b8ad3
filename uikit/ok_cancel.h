#pragma once
// The program's "OK" (default) and "Annulla" buttons for a dialog: OK runs `onOk` (the
// dialog's own check and work), "Annulla" rejects.
#include <QDialogButtonBox>
#include <functional>

class QDialog;

namespace pixmo {

QDialogButtonBox* OkCancelButtons(QDialog* dialog, std::function<void()> onOk);

}  // namespace pixmo
