#include "commands/size_dialog.h"

#include <QHBoxLayout>

namespace pixmo {

TSizeDialog::TSizeDialog(TIni& ini, const QString& name, TPoint oldSize, int max, QWidget* parent)
    : TIniDialog(ini, name, parent), FOldSize(oldSize) {
    LBOldWidth = new QLabel(QString::number(oldSize.X), this);
    LBOldHeight = new QLabel(QString::number(oldSize.Y), this);
    NEWidth = new TNumberEdit("NEWidth", tr("Larghezza"), 1, max, oldSize.X, this);
    NEHeight = new TNumberEdit("NEHeight", tr("Altezza"), 1, max, oldSize.Y, this);
    FRows = new QFormLayout;
    auto row = [this](QLabel* old, TNumberEdit* edit) {
        auto* line = new QHBoxLayout;
        line->addWidget(old);
        line->addWidget(new QLabel("->", this));
        line->addWidget(edit, 1);
        return line;
    };
    FRows->addRow(tr("Larghezza"), row(LBOldWidth, NEWidth));
    FRows->addRow(tr("Altezza"), row(LBOldHeight, NEHeight));
}

}  // namespace pixmo
