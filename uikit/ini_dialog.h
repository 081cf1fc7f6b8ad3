#pragma once
// TIniDialog: the program's dialog window. Like every program window it restores its
// placement from "Place" in the section named after it and has LoadSettings/SaveSettings
// hooks; derived classes call AfterConstruction() at the end of their constructor and
// BeforeDestruction() at the start of their destructor.
#include <QDialog>
#include <QPoint>
#include <optional>

#include "settings/ini.h"

namespace pixmo {

class TIniDialog : public QDialog {
    Q_OBJECT
public:
    TIniDialog(TIni& ini, const QString& name, QWidget* parent = nullptr);
    ~TIniDialog() override;

    TIni& Ini() const { return FIni; }
    std::string SectionName() const { return objectName().toStdString(); }

protected:
    virtual void LoadSettings() {}
    virtual void SaveSettings() {}
    void AfterConstruction();
    void BeforeDestruction();
    void showEvent(QShowEvent* event) override;

private:
    TIni& FIni;
    bool FConstructed = false;
    bool FDestroyed = false;
    std::optional<QPoint> FStoredCorner;
};

}  // namespace pixmo
