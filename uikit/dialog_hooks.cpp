#include "uikit/dialog_hooks.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <exception>

#include "image/errors.h"
#include "uikit/core_text.h"

namespace pixmo {

namespace {
TMessageHook& MessageHook() {
    static TMessageHook hook;
    return hook;
}
TFileHook& FileHook() {
    static TFileHook hook;
    return hook;
}
TColorHook& ColorHook() {
    static TColorHook hook;
    return hook;
}
TFontHook& FontHook() {
    static TFontHook hook;
    return hook;
}
}  // namespace

TMessageHook SetMessageHook(TMessageHook hook) {
    TMessageHook previous = std::move(MessageHook());
    MessageHook() = std::move(hook);
    return previous;
}

TFileHook SetFileHook(TFileHook hook) {
    TFileHook previous = std::move(FileHook());
    FileHook() = std::move(hook);
    return previous;
}

TMsgResult ShowMessageBox(QWidget* parent, const TMessageRequest& request) {
    if (MessageHook()) return MessageHook()(request);
    QMessageBox::Icon icon = QMessageBox::Critical;
    if (request.Kind == TMsgKind::Question) icon = QMessageBox::Question;
    if (request.Kind == TMsgKind::Information) icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (request.Buttons == TMsgButtons::YesCancel) buttons = QMessageBox::Yes | QMessageBox::Cancel;
    if (request.Buttons == TMsgButtons::YesNoCancel)
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QString caption = request.Caption.isEmpty() ? QApplication::applicationDisplayName() : request.Caption;
    QMessageBox box(icon, caption, request.Text, buttons, parent);
    switch (box.exec()) {
        case QMessageBox::Yes: return TMsgResult::Yes;
        case QMessageBox::No: return TMsgResult::No;
        case QMessageBox::Ok: return TMsgResult::Ok;
        default: return TMsgResult::Cancel;
    }
}

void ShowErrorBox(QWidget* parent, const QString& text) {
    ShowMessageBox(parent, TMessageRequest{TMsgKind::Error, TMsgButtons::Ok, QString(), text});
}

void ReportErrors(QWidget* parent, const std::function<void()>& action) {
    try {
        action();
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        ShowErrorBox(parent, ErrorText(e));
    }
}

// The core's labels are source texts; one that lists its patterns is translated without them.
QString FilterLabel(const QString& label) {
    const QString text = QCoreApplication::translate("pixmo::Core", label.toUtf8().constData());
    const qsizetype open = label.lastIndexOf(" (");
    if (text != label || open < 0) return text;
    return QCoreApplication::translate("pixmo::Core", label.left(open).toUtf8().constData()) + label.mid(open);
}

QString QtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << FilterLabel(parts[i]) + " (" + patterns + ")";
    }
    return out.join(";;");
}

QString WithDefaultExt(const QString& name, const QString& defaultExt) {
    if (name.isEmpty() || defaultExt.isEmpty()) return name;
    if (!QFileInfo(name).suffix().isEmpty()) return name;
    return name + "." + defaultExt;
}

QString FilterExtension(const QString& qtFilter, const QString& fallback) {
    const qsizetype open = qtFilter.lastIndexOf('(');
    const QString first = qtFilter.mid(open + 1).section(')', 0, 0).section(' ', 0, 0);
    const QString extension = first.startsWith("*.") ? first.mid(2) : QString();
    if (extension.isEmpty() || extension.contains('*') || extension.contains('?')) return fallback;
    return extension;
}

// A name saved without an extension gets the one of the chosen filter.
std::optional<QString> AskFileName(QWidget* parent, const TFileRequest& request) {
    if (FileHook()) return FileHook()(request);
    QFileDialog dialog(parent, request.Title);
    dialog.setObjectName(request.Name);
    dialog.setNameFilters(QtFilter(request.Filter).split(";;"));
    dialog.setDefaultSuffix(request.DefaultExt);
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.InitialName.isEmpty()) dialog.selectFile(request.InitialName);
    QString extension = request.DefaultExt;
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        extension = FilterExtension(filter, request.DefaultExt);
        dialog.setDefaultSuffix(extension);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return WithDefaultExt(dialog.selectedFiles().first(), extension);
}

TColorHook SetColorHook(TColorHook hook) {
    TColorHook previous = std::move(ColorHook());
    ColorHook() = std::move(hook);
    return previous;
}

std::optional<QColor> AskColor(QWidget* parent, const QColor& initial) {
    if (ColorHook()) return ColorHook()(initial);
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedColor();
}

TFontHook SetFontHook(TFontHook hook) {
    TFontHook previous = std::move(FontHook());
    FontHook() = std::move(hook);
    return previous;
}

std::optional<QFont> AskFont(QWidget* parent, const QFont& initial) {
    if (FontHook()) return FontHook()(initial);
    QFontDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFont();
}

}  // namespace pixmo
