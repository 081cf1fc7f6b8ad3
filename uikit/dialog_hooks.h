#pragma once
// The program's message boxes and file dialogs in one place, so that tests can answer them:
// a test installs a hook and the real Qt dialog is never shown.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace pixmo {

enum class TMsgButtons { Ok, YesCancel, YesNoCancel };
enum class TMsgKind { Error, Question, Information };
enum class TMsgResult { Ok, Yes, No, Cancel };

struct TMessageRequest {
    TMsgKind Kind = TMsgKind::Error;
    TMsgButtons Buttons = TMsgButtons::Ok;
    QString Caption;
    QString Text;
};

struct TFileRequest {
    bool Save = false;
    QString Name;        // the dialog's name ("FileDialog", "EditDialog", ...)
    QString Title;
    QString Filter;      // the program's form: "Text|*.a;*.b|Text|*.c"
    QString DefaultExt;  // without the dot
    QString InitialName;
};

using TMessageHook = std::function<TMsgResult(const TMessageRequest&)>;
// The chosen name, or nothing when cancelled.
using TFileHook = std::function<std::optional<QString>(const TFileRequest&)>;

// Installing an empty function restores the real dialogs. Each returns the previous hook.
TMessageHook SetMessageHook(TMessageHook hook);
TFileHook SetFileHook(TFileHook hook);

TMsgResult ShowMessageBox(QWidget* parent, const TMessageRequest& request);
// The error box of the application's default handler (OK button).
void ShowErrorBox(QWidget* parent, const QString& text);
std::optional<QString> AskFileName(QWidget* parent, const TFileRequest& request);
// Runs the action; a failure is shown in the error box, a silent abort shows nothing.
void ReportErrors(QWidget* parent, const std::function<void()>& action);

// A filter description of the core's in the reader's language.
QString FilterLabel(const QString& label);
// "File Immagine|*.bmp;*.png|..." as Qt's "File Immagine (*.bmp *.png);;...", the descriptions translated.
QString QtFilter(const QString& filter);
// The extension of a Qt filter's first pattern ("GIF (*.gif)" gives "gif", "(*.strip.png)"
// "strip.png"), or `fallback` when the pattern takes any extension.
QString FilterExtension(const QString& qtFilter, const QString& fallback);
// The name with the default extension added when the chosen name has none.
QString WithDefaultExt(const QString& name, const QString& defaultExt);

// Installs a hook for the life of the object (tests).
class TMessageHookScope {
public:
    explicit TMessageHookScope(TMessageHook hook) : FPrevious(SetMessageHook(std::move(hook))) {}
    ~TMessageHookScope() { SetMessageHook(std::move(FPrevious)); }
    TMessageHookScope(const TMessageHookScope&) = delete;
    TMessageHookScope& operator=(const TMessageHookScope&) = delete;

private:
    TMessageHook FPrevious;
};

class TFileHookScope {
public:
    explicit TFileHookScope(TFileHook hook) : FPrevious(SetFileHook(std::move(hook))) {}
    ~TFileHookScope() { SetFileHook(std::move(FPrevious)); }
    TFileHookScope(const TFileHookScope&) = delete;
    TFileHookScope& operator=(const TFileHookScope&) = delete;

private:
    TFileHook FPrevious;
};

// The platform colour chooser: the chosen colour, or nothing when cancelled.
using TColorHook = std::function<std::optional<QColor>(const QColor& initial)>;
TColorHook SetColorHook(TColorHook hook);
std::optional<QColor> AskColor(QWidget* parent, const QColor& initial);

class TColorHookScope {
public:
    explicit TColorHookScope(TColorHook hook) : FPrevious(SetColorHook(std::move(hook))) {}
    ~TColorHookScope() { SetColorHook(std::move(FPrevious)); }
    TColorHookScope(const TColorHookScope&) = delete;
    TColorHookScope& operator=(const TColorHookScope&) = delete;

private:
    TColorHook FPrevious;
};

// The platform font chooser: the chosen font, or nothing when cancelled.
using TFontHook = std::function<std::optional<QFont>(const QFont& initial)>;
TFontHook SetFontHook(TFontHook hook);
std::optional<QFont> AskFont(QWidget* parent, const QFont& initial);

// Installs a hook for the life of the object (tests), with the setter of its kind.
template <class THook, THook (*Set)(THook)>
class THookScope {
public:
    explicit THookScope(THook hook) : FPrevious(Set(std::move(hook))) {}
    ~THookScope() { Set(std::move(FPrevious)); }
    THookScope(const THookScope&) = delete;
    THookScope& operator=(const THookScope&) = delete;

private:
    THook FPrevious;
};
using TFontHookScope = THookScope<TFontHook, SetFontHook>;

}  // namespace pixmo
