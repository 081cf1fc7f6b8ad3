#pragma once
// TIniForm: the base of every program window. Built, it restores its placement from "Place"
// in the section named after the window and runs LoadSettings; before it goes, it stores the
// placement and runs SaveSettings. Derived classes call AfterConstruction() at the end of
// their constructor and BeforeDestruction() at the start of their destructor (a virtual hook
// cannot run from the base's own constructor or destructor).
#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>

#include "settings/ini.h"

namespace pixmo {

class TIniForm : public QWidget {
    Q_OBJECT
public:
    // `name` is the window's component name and its settings section.
    TIniForm(TIni& ini, const QString& name, bool isMainWindow, QWidget* parent = nullptr,
             Qt::WindowFlags flags = {});
    ~TIniForm() override;

    TIni& Ini() const { return FIni; }
    std::string SectionName() const { return objectName().toStdString(); }

    // Whether the user may resize the window; one that may not keeps its designed size.
    void SetSizeable(bool sizeable) { FSizeable = sizeable; }
    void SetDesignedSize(QSize size) { FDesignedSize = size; }

    void LoadPlacement();
    void SavePlacement();
    // Takes the placement now (a window about to close is still visible); SavePlacement
    // then writes this one.
    void FreezePlacement();

protected:
    // Reads the window's own keys (Section is the window's name).
    virtual void LoadSettings() {}
    // Writes them back.
    virtual void SaveSettings() {}

    void AfterConstruction();
    void BeforeDestruction();
    // A window other than the main one hides instead of closing.
    void closeEvent(QCloseEvent* event) override;
    // A tool window without a placement of its own first shows beside its owner.
    void showEvent(QShowEvent* event) override;

private:
    void Report(const std::exception& e);

    TIni& FIni;
    bool FIsMainWindow;
    bool FSizeable = true;
    QSize FDesignedSize;
    std::optional<TPlacement> FFrozen;
    bool FConstructed = false;
    bool FHasPlacement = false;
    bool FShown = false;
    bool FDestroyed = false;
};

}  // namespace pixmo
