#include "windows/memo_ex.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QUrl>

namespace pixmo {

TMemoEx::TMemoEx(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("Memo");
    // Each memo line becomes one line of the placed text, so lines are never wrapped.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
}

void TMemoEx::SetWantTabs(bool want) {
    FWantTabs = want;
    setTabChangesFocus(!want);
}

QStringList SplitLines(QString text) {
    text.replace("\r\n", "\n").replace('\r', '\n').replace(QChar::ParagraphSeparator, '\n').replace(QChar::LineSeparator, '\n');
    if (text.isEmpty()) return {};
    if (text.endsWith('\n')) text.chop(1);
    return text.split('\n');
}

QStringList TMemoEx::Lines() const { return SplitLines(toPlainText()); }

void TMemoEx::SetLines(const QStringList& lines) { setPlainText(lines.join('\n')); }

QStringList TMemoEx::SelectedOrAllLines() const {
    const QTextCursor cursor = textCursor();
    return cursor.hasSelection() ? SplitLines(cursor.selectedText()) : Lines();
}

void TMemoEx::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void TMemoEx::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !FWantReturns) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

QStringList DroppedFiles(const QMimeData* data) {
    QStringList names;
    if (!data || !data->hasUrls()) return names;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) names << url.toLocalFile();
    return names;
}

bool TMemoEx::canInsertFromMimeData(const QMimeData* source) const {
    return !DroppedFiles(source).isEmpty() || QPlainTextEdit::canInsertFromMimeData(source);
}

void TMemoEx::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty() || !FOnDropFiles) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    QDragLeaveEvent leave;  // takes away the drop caret
    QPlainTextEdit::dragLeaveEvent(&leave);
    event->acceptProposedAction();
    FOnDropFiles(files);
}

}  // namespace pixmo
