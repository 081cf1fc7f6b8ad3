#pragma once
// TStatusPanel: the main window's status bar, aligned to the bottom, holding the message
// panel (fills the rest), the undo panel ("0/0") and the cursor panel ("0,0").
#include <QFrame>
#include <QLabel>
#include <QString>
#include <functional>

namespace pixmo {

class TStatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit TStatusPanel(QWidget* parent = nullptr);

    QLabel* MessagePanel() const { return FMessage; }
    QLabel* UndoPanel() const { return FUndo; }
    QLabel* CursorPanel() const { return FCursor; }

    // Each repaints its panel at once, and does nothing while the bar is hidden.
    void ShowMessageText(const QString& text);
    void SetUndoText(const QString& text);
    void SetCursorText(const QString& text);

    // A click on the undo panel.
    void SetOnUndoPanelClick(std::function<void()> handler) { FOnUndoClick = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void SetPanelText(QLabel* panel, const QString& text);

    QLabel* FMessage;
    QLabel* FUndo;
    QLabel* FCursor;
    std::function<void()> FOnUndoClick;
};

}  // namespace pixmo
