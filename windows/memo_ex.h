#pragma once
// TMemoEx: the text window's multi-line edit. A double click selects the whole line under
// the caret; Tab and Enter reach it only while it wants them; files dropped on it go to
// the window instead of their names being typed in.
#include <QPlainTextEdit>
#include <QStringList>
#include <functional>

namespace pixmo {

class TMemoEx : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemoEx(QWidget* parent = nullptr);

    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool want);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool want) { FWantReturns = want; }

    // The lines as the user sees them; a final line break opens no further line, so an
    // empty memo has none.
    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    // The selected text's lines, or all lines when nothing is selected.
    QStringList SelectedOrAllLines() const;

    // Receives the local files of a drop on the memo.
    void SetOnDropFiles(std::function<void(const QStringList&)> handler) { FOnDropFiles = std::move(handler); }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void dropEvent(QDropEvent* event) override;

private:
    bool FWantTabs = false;
    bool FWantReturns = true;
    std::function<void(const QStringList&)> FOnDropFiles;
};

// The local files among dropped data.
QStringList DroppedFiles(const QMimeData* data);
// Text split into lines at "\r\n", "\n", "\r" or a paragraph break; a final break opens no
// further line.
QStringList SplitLines(QString text);

}  // namespace pixmo
