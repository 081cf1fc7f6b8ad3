#pragma once
// A row of radio buttons in a group box, numbered 0 … n−1 in a button group, one checked.
#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace pixmo {

QButtonGroup* RadioGroup(QGroupBox* box, const QString& name, const QStringList& items, int checked);

}  // namespace pixmo
