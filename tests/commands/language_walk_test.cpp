// Every text a person can see, with each catalogue: the main window, its menus and pop-ups, every
// tool window, every dialog their "..." items and buttons open, and the boxes raised by bad input.
// No Japanese may be left in either language; in English every text with words must have come
// from the catalogue.
#include <QAbstractButton>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <fstream>

#include "main_form_fixture.h"
#include "uikit/number_edit.h"
#include "translations/language.h"

namespace pixmo::test {
namespace {

const QChar kMark(0x200B);  // zero width: what the catalogue translated carries it

// Our catalogue, marking each text it renders and noting each of ours it lacks.
class TMarkingTranslator : public QTranslator {
public:
    TMarkingTranslator(QTranslator* inner, bool english) : FInner(inner), FEnglish(english) {}
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
        const QString text = FInner->translate(context, source, disambiguation, n);
        if (!text.isEmpty()) return kMark + text;
        if (QByteArray(context).startsWith("pixmo::")) {
            Missing.insert(QString("%1 | %2").arg(context, source));
            return {};
        }
        // Qt's own texts are English as written.
        return FEnglish ? kMark + QString::fromUtf8(source) : QString();
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> Missing;

private:
    QTranslator* FInner;
    bool FEnglish;
};

bool HasJapanese(const QString& s) {
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

// Words that read the same in every language: names of formats, of the program, of the languages.
bool IsName(const QString& s) {
    static const QRegularExpression names(
        "^(Pixmo3|pixmo3-convert|PNG|BMP|GIF|AVI|APNG|ICO|RGB|HSV|R|G|B|H|S|V|px|ms|x|%|OK|Qt|"
        "GIMP|JASC|Lospec|Adobe|DPI|Alpha|Zoom|English|Italiano)$");
    // File names (the recent files, a folder) are the user's.
    const QStringList words = QString(s).remove(kMark).remove(QRegularExpression("/\\S*")).split(QRegularExpression("[^A-Za-z0-9%-]+"), Qt::SkipEmptyParts);
    for (const QString& w : words)
        if (w.contains(QRegularExpression("[A-Za-z]{2,}")) && !names.match(w).hasMatch()) return false;
    return true;
}

class TTextWalk {
public:
    explicit TTextWalk(bool english) : FEnglish(english) {}

    void Check(const QString& where, QString text) {
        text.remove(QRegularExpression("<[^>]*>"));  // rich text's tags
        if (text.trimmed().isEmpty()) return;
        const QString line = where + ": " + QString(text).remove(kMark);
        if (HasJapanese(text)) Faults.insert("Japanese in " + line);
        else if (FEnglish && !text.contains(kMark) && !IsName(text)) Faults.insert("not from the catalogue in " + line);
    }

    void Actions(const QString& where, const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            Check(where + " item", a->text());
            Check(where + " item tip", a->toolTip() == QString(a->text()).remove('&') ? QString() : a->toolTip());
            if (a->menu()) Menu(a->menu());
        }
    }

    void Menu(QMenu* menu) {
        if (FMenus.contains(menu)) return;
        FMenus.insert(menu);
        emit menu->aboutToShow();  // the items some menus set as they open
        Check("menu", menu->title());
        Actions("menu " + QString(menu->title()).remove(kMark), menu->actions());
    }

    void Window(QWidget* window) {
        if (!window) return;
        const QString name = QString(window->windowTitle()).remove(kMark) + " (" + window->metaObject()->className() + ")";
        Check("title of" + name, window->windowTitle());
        Actions(name, window->actions());
        for (QWidget* w : window->findChildren<QWidget*>()) {
            Check(name + " tip", w->toolTip());
            if (auto* l = qobject_cast<QLabel*>(w)) Check(name + " label", l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(w)) Check(name + " button", b->text());
            if (auto* g = qobject_cast<QGroupBox*>(w)) Check(name + " group", g->title());
            if (auto* e = qobject_cast<QLineEdit*>(w)) Check(name + " hint", e->placeholderText());
            if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable())
                for (int i = 0; i < c->count(); ++i) Check(name + " choice", c->itemText(i));
            if (auto* t = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < t->count(); ++i) Check(name + " tab", t->tabText(i));
            if (auto* m = qobject_cast<QMenu*>(w)) Menu(m);
            Actions(name, w->actions());
        }
    }

    QSet<QString> Faults;
    QStringList Dialogs;

private:
    bool FEnglish;
    QSet<QMenu*> FMenus;
};

// Pressing may delete what a list holds.
template <class T>
QList<QPointer<T>> Guarded(const QList<T*>& list) {
    return QList<QPointer<T>>(list.begin(), list.end());
}

bool OpensDialog(const QString& text) { return text.endsWith("...") || text.endsWith(QChar(0x2026)); }

// Each dialog or pop-up menu that opens is read; the "..." items and buttons in it are pressed
// (what they open read in turn); then it is closed.
class TWalker : public QObject {
public:
    explicit TWalker(TTextWalk& walk) : FWalk(walk) { qApp->installEventFilter(this); }
    ~TWalker() override { qApp->removeEventFilter(this); }

    // Presses what opens a dialog, once per text.
    void Press(QAction* a) {
        if (!a->isEnabled() || !OpensDialog(a->text()) || FPressed.contains(a->text())) return;
        FPressed.insert(a->text());
        a->trigger();
    }
    void Press(QAbstractButton* b) {
        if (!b->isVisible() || !b->isEnabled() || FPressed.contains(b->objectName() + b->text())) return;
        FPressed.insert(b->objectName() + b->text());
        b->click();
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->isWindow() || (!qobject_cast<QDialog*>(w) && !qobject_cast<QMenu*>(w))) return false;
        // Dialogs live on the stack: the next one may have the last one's address.
        if (e->type() == QEvent::Hide) FSeen.remove(w);
        if (e->type() == QEvent::Show && !FSeen.contains(w)) {
            FSeen.insert(w);
            QTimer::singleShot(0, w, [this, w] { Walk(w); });
        }
        return false;
    }

private:
    void Walk(QWidget* w) {
        if (FDepth > 3) return w->close(), void();
        ++FDepth;
        if (QPointer<QMenu> menu = qobject_cast<QMenu*>(w)) {
            FWalk.Menu(menu);
            for (QPointer<QAction> a : Guarded(menu->actions()))
                if (a) Press(a);
            if (menu) menu->close();
        } else {
            QPointer<QDialog> d = static_cast<QDialog*>(w);
            FWalk.Dialogs << QString(d->windowTitle()).remove(kMark);
            FWalk.Window(d);
            if (auto* number = d->findChild<TNumberEdit*>()) {  // a number out of range
                number->setText("999999");
                number->Check();
            }
            for (QPointer<QAbstractButton> b : Guarded(d->findChildren<QAbstractButton*>()))
                if (b && OpensDialog(b->text())) Press(b);
            if (d && d->isVisible()) d->reject();
        }
        --FDepth;
    }

    TTextWalk& FWalk;
    QSet<QWidget*> FSeen;
    QSet<QString> FPressed;
    int FDepth = 0;
};

class LanguageWalk : public MainFormTest {
protected:
    // An image with two frames, all of it selected and copied, every tool window open.
    TMainForm& Start() {
        TMainForm& form = Build();
        auto image = TDib::Create(32, 32, 16);
        image->SetFrames({{TRect{0, 0, 16, 16}, 100}, {TRect{16, 0, 32, 16}, 200}});
        image->SaveToFile(Path("a.png"));
        form.OpenFile(Path("a.png"));
        form.show();
        form.Item("MISelectAll")->trigger();
        form.Item("MIEditCopy")->trigger();
        for (QAction* a : form.findChildren<QAction*>())
            if (a->objectName().startsWith("MIShow") && a->isCheckable() && !a->isChecked()) a->trigger();
        QTest::qWait(20);
        return form;
    }

    void Walk(TLanguage language) {
        QTranslator* catalogue = InstallCatalogue(*qApp, language);
        ASSERT_NE(catalogue, nullptr);
        QCoreApplication::removeTranslator(catalogue);
        const bool english = language == TLanguage::English;
        TMarkingTranslator marking(catalogue, english);
        QCoreApplication::installTranslator(&marking);
        TColorHookScope noColour([](const QColor&) { return std::optional<QColor>(); });

        TMainForm& form = Start();
        TTextWalk walk(english);
        {
            TWalker walker(walk);
            for (int round = 0; round < 2; ++round)  // windows made by the first round too
                for (QPointer<QWidget> top : Guarded(QApplication::topLevelWidgets())) {
                    if (!top || !top->isVisible() || qobject_cast<QDialog*>(top) || qobject_cast<QMenu*>(top)) continue;
                    walk.Window(top);
                    for (QPointer<QAction> a : Guarded(top->findChildren<QAction*>()))
                        if (a) walker.Press(a);
                    // What the pop-up menus made on a right click open: the pointer over each of our widgets.
                    for (QPointer<QWidget> w : Guarded(top ? top->findChildren<QWidget*>() : QList<QWidget*>())) {
                        if (!w || !w->isVisible() || !QByteArray(w->metaObject()->className()).startsWith("pixmo::")) continue;
                        QContextMenuEvent menu(QContextMenuEvent::Mouse, w->rect().center(), w->mapToGlobal(w->rect().center()));
                        QApplication::sendEvent(w, &menu);
                    }
                    if (top && top != &form)  // the tool windows' buttons
                        for (QPointer<QAbstractButton> b : Guarded(top->findChildren<QAbstractButton*>()))
                            if (b && !b->isCheckable()) walker.Press(b);
                }
            // Dialogs opened by items with no "...": the colour count and a shortcut (Ctrl+click).
            form.Item("MISetNumColor")->trigger();
            form.EditShortcut("MIFileNew");
            // Bad input: a damaged picture and a damaged icon (the number: in the dialogs above).
            const std::pair<const char*, std::string> damaged[] = {
                {"bad.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16)},
                {"bad.ico", std::string("\0\0\1\0\1\0", 6)}};
            Doc().SetModified(false);
            for (const auto& [name, bytes] : damaged) {
                std::ofstream(Path(name), std::ios::binary) << bytes;
                FFileAnswers = {QString::fromStdString(Path(name))};
                form.Item("MIFileOpen")->trigger();
            }
        }
        for (const TMessageRequest& box : FBoxes) {
            walk.Check("box title", box.Caption);
            walk.Check("box", box.Text);
        }
        QCoreApplication::removeTranslator(&marking);
        delete catalogue;

        EXPECT_GE(walk.Dialogs.size(), 18) << walk.Dialogs.join(", ").toStdString();
        EXPECT_GE(FBoxes.size(), 3u);
        QStringList faults(walk.Faults.begin(), walk.Faults.end());
        faults.sort();
        EXPECT_TRUE(faults.isEmpty()) << faults.size() << " texts:\n" << faults.join("\n").toStdString();
        QStringList missing(marking.Missing.begin(), marking.Missing.end());
        missing.sort();
        EXPECT_TRUE(missing.isEmpty()) << "not in the catalogue:\n" << missing.join("\n").toStdString();
    }
};

TEST_F(LanguageWalk, EnglishEverywhere) { Walk(TLanguage::English); }
TEST_F(LanguageWalk, ItalianWithNoJapaneseLeft) { Walk(TLanguage::Italian); }

}  // namespace
}  // namespace pixmo::test
