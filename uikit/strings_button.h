#pragma once
// TStringsButton: a small button whose menu offers recent texts (most recent first). The
// recent entries are kept in the section named after the button: "HMax" (default 10), "HC",
// "H0" … ; a chosen or added text moves to the front.
#include <QToolButton>
#include <functional>

#include "settings/ini.h"
#include "settings/string_lists.h"

namespace pixmo {

class TStringsButton : public QToolButton {
    Q_OBJECT
public:
    TStringsButton(const QString& name, QWidget* parent = nullptr);

    const TMaxStringList& Recent() const { return FRecent; }
    void AddRecent(const QString& text);
    void SetOnChoose(std::function<void(const QString&)> handler) { FOnChoose = std::move(handler); }
    // The "set" action: a last menu item that adds what `current` gives as the newest entry.
    void SetOnSet(const QString& caption, std::function<QString()> current);
    // Picks a recent entry as a click on its menu item does.
    void Choose(int index);

    void Load(TIni& ini);
    void Save(TIni& ini) const;

private:
    void RebuildMenu();

    TMaxStringList FRecent{10};
    std::function<void(const QString&)> FOnChoose;
    QString FSetCaption;
    std::function<QString()> FOnSet;
};

}  // namespace pixmo
