#include "uikit/radio_group.h"

#include <QHBoxLayout>
#include <QRadioButton>

namespace pixmo {

QButtonGroup* RadioGroup(QGroupBox* box, const QString& name, const QStringList& items, int checked) {
    auto* group = new QButtonGroup(box);
    group->setObjectName(name);
    auto* layout = new QHBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    if (QAbstractButton* b = group->button(checked)) b->setChecked(true);
    return group;
}

}  // namespace pixmo
