#pragma once
// The About box: the program's name, version and a line about what it is.
#include <QDialog>

namespace pixmo {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    static QString Text();
};

}  // namespace pixmo
