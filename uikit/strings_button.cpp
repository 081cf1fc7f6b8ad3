#include "uikit/strings_button.h"

#include <QMenu>
#include <algorithm>

namespace pixmo {

TStringsButton::TStringsButton(const QString& name, QWidget* parent) : QToolButton(parent) {
    setObjectName(name);
    setText("...");
    setPopupMode(QToolButton::InstantPopup);
    setMenu(new QMenu(this));
    RebuildMenu();
}

void TStringsButton::AddRecent(const QString& text) {
    if (text.isEmpty()) return;
    FRecent.Insert(0, text.toStdString());
    RebuildMenu();
}

void TStringsButton::Choose(int index) {
    if (index < 0 || index >= FRecent.Count()) return;
    const QString text = QString::fromStdString(FRecent[index]);
    AddRecent(text);
    if (FOnChoose) FOnChoose(text);
}

void TStringsButton::SetOnSet(const QString& caption, std::function<QString()> current) {
    FSetCaption = caption;
    FOnSet = std::move(current);
    RebuildMenu();
}

void TStringsButton::RebuildMenu() {
    menu()->clear();
    for (int i = 0; i < FRecent.Count(); ++i) {
        QAction* action = menu()->addAction(QString::fromStdString(FRecent[i]));
        connect(action, &QAction::triggered, this, [this, i] { Choose(i); });
    }
    if (!FOnSet) return;
    if (FRecent.Count() > 0) menu()->addSeparator();
    QAction* set = menu()->addAction(FSetCaption);
    set->setObjectName("Set");
    connect(set, &QAction::triggered, this, [this] { AddRecent(FOnSet()); });
}

void TStringsButton::Load(TIni& ini) {
    TSectionScope scope(ini, objectName().toStdString());
    FRecent.Clear();
    FRecent.SetMax(std::clamp(ini.ReadInteger("HMax", 10), 1, 100));
    const int count = std::clamp(ini.ReadInteger("HC", 0), 0, FRecent.Max());
    for (int i = 0; i < count; ++i) {
        const std::string text = ini.ReadString("H" + std::to_string(i), "");
        if (!text.empty()) FRecent.Add(text);
    }
    RebuildMenu();
}

void TStringsButton::Save(TIni& ini) const {
    TSectionScope scope(ini, objectName().toStdString());
    try {
        ini.WriteInteger("HMax", FRecent.Max());
        ini.WriteInteger("HC", FRecent.Count());
        for (int i = 0; i < FRecent.Count(); ++i) ini.WriteString("H" + std::to_string(i), FRecent[i]);
    } catch (const std::exception&) {
    }
}

}  // namespace pixmo
