#include "framework/ui/menu_qt.h"

#include "framework/core/runtime.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <algorithm>
#include <optional>

namespace fw {

namespace {

QString ToQ(const String& s) { return QString::fromStdString(s.ToUTF8()); }

QKeySequence Shortcut(const String& text)
{
    QString s = ToQ(text);
    if (s.startsWith("Cmd+"))
        s.replace(0, 3, "Ctrl");
    return QKeySequence(s);
}

enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

EditCommand CommandOf(const String& name)
{
    const std::string n = name.ToUTF8();
    if (n == "EditUndo") return EditCommand::Undo;
    if (n == "EditCut") return EditCommand::Cut;
    if (n == "EditCopy") return EditCommand::Copy;
    if (n == "EditPaste") return EditCommand::Paste;
    if (n == "EditClear") return EditCommand::Clear;
    if (n == "EditSelectAll") return EditCommand::SelectAll;
    return EditCommand::None;
}

// A text editor, whichever Qt class it is.
struct Editor {
    QPlainTextEdit* plain = nullptr;
    QTextEdit* rich = nullptr;
    QLineEdit* line = nullptr;

    static Editor Of(QWidget* w)
    {
        Editor e;
        e.plain = qobject_cast<QPlainTextEdit*>(w);
        e.rich = qobject_cast<QTextEdit*>(w);
        e.line = qobject_cast<QLineEdit*>(w);
        return e;
    }
    bool Exists() const { return plain || rich || line; }
    bool ReadOnly() const
    {
        return plain ? plain->isReadOnly() : rich ? rich->isReadOnly() : line ? line->isReadOnly() : true;
    }
    bool HasSelection() const
    {
        if (plain) return plain->textCursor().hasSelection();
        if (rich) return rich->textCursor().hasSelection();
        return line && line->hasSelectedText();
    }
    bool HasText() const
    {
        if (plain) return !plain->document()->isEmpty();
        if (rich) return !rich->document()->isEmpty();
        return line && !line->text().isEmpty();
    }
    bool CanUndo() const
    {
        if (plain) return plain->document()->isUndoAvailable();
        if (rich) return rich->document()->isUndoAvailable();
        return line && line->isUndoAvailable();
    }
    // Whether the clipboard holds text is given, not asked: asking is a
    // round trip to the program that holds it.
    bool Applies(EditCommand c, std::optional<bool> clipboardHasText) const
    {
        if (!Exists())
            return false;
        switch (c) {
        case EditCommand::Undo: return !ReadOnly() && CanUndo();
        case EditCommand::Cut:
        case EditCommand::Clear: return !ReadOnly() && HasSelection();
        case EditCommand::Copy: return HasSelection();
        case EditCommand::Paste: return !ReadOnly() && clipboardHasText.value_or(true);
        case EditCommand::SelectAll: return HasText();
        case EditCommand::None: return false;
        }
        return false;
    }
    // What hasText() asks, in one question: a holder that does not answer
    // is waited for once, not once for each format. Text may name its
    // charset ("text/plain;charset=utf-8").
    static bool ClipboardHasText()
    {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        const QStringList formats = data ? data->formats() : QStringList();
        return std::any_of(formats.begin(), formats.end(), [](const QString& f) {
            return f == "text/uri-list" || f == "text/plain" || f.startsWith("text/plain;");
        });
    }
    void Run(EditCommand c) const
    {
        QObject* target = plain ? static_cast<QObject*>(plain) : rich ? static_cast<QObject*>(rich) : line;
        if (!target)
            return;
        switch (c) {
        case EditCommand::Undo: QMetaObject::invokeMethod(target, "undo"); break;
        case EditCommand::Cut: QMetaObject::invokeMethod(target, "cut"); break;
        case EditCommand::Copy: QMetaObject::invokeMethod(target, "copy"); break;
        case EditCommand::Paste: QMetaObject::invokeMethod(target, "paste"); break;
        case EditCommand::SelectAll: QMetaObject::invokeMethod(target, "selectAll"); break;
        case EditCommand::Clear:
            if (plain) {
                auto cur = plain->textCursor();
                cur.removeSelectedText();
                plain->setTextCursor(cur);
            } else if (rich) {
                auto cur = rich->textCursor();
                cur.removeSelectedText();
                rich->setTextCursor(cur);
            } else if (line) {
                line->del();
            }
            break;
        case EditCommand::None: break;
        }
    }
};

// Keeps the Edit items' enabled state in step with the text field they act
// on: the focused one, or the one that had the focus when the menu bar took
// it (a menu opened with Alt and a letter).
class EditEnabler : public QObject {
public:
    EditEnabler(QMenuBar* bar) : QObject(bar)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
        // A change of hands is told without asking the holder anything.
        connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { m_clipboardHasText.reset(); });
        Follow(QApplication::focusWidget());
    }
    void Add(QAction* action, EditCommand command)
    {
        m_items.push_back({action, command});
        Update();
    }
    Editor Target() const { return Editor::Of(m_field); }
    void Update() { Enable({}); }
    // Only when a menu holding Paste opens, as the clipboard's holder may
    // keep us waiting; its answer holds until the clipboard changes hands.
    void UpdateAskingTheClipboard()
    {
        if (!m_clipboardHasText)
            m_clipboardHasText = Editor::ClipboardHasText();
        Enable(m_clipboardHasText);
    }

private:
    void Enable(std::optional<bool> clipboardHasText)
    {
        const Editor e = Target();
        for (const auto& item : m_items)
            if (item.action)
                item.action->setEnabled(e.Applies(item.command, clipboardHasText));
    }
    void Follow(QWidget* now)
    {
        // A menu opened from the keyboard gives the menu bar the focus; the
        // items still act on the field it was taken from.
        if (now && (now == parent() || qobject_cast<QMenu*>(now)))
            return;
        for (const auto& c : m_connections)
            disconnect(c);
        m_connections.clear();
        m_field = now;
        if (auto* p = qobject_cast<QPlainTextEdit*>(now)) {
            m_connections << connect(p, &QPlainTextEdit::selectionChanged, this, &EditEnabler::Update)
                          << connect(p, &QPlainTextEdit::textChanged, this, &EditEnabler::Update)
                          << connect(p, &QPlainTextEdit::undoAvailable, this, &EditEnabler::Update);
        } else if (auto* r = qobject_cast<QTextEdit*>(now)) {
            m_connections << connect(r, &QTextEdit::selectionChanged, this, &EditEnabler::Update)
                          << connect(r, &QTextEdit::textChanged, this, &EditEnabler::Update)
                          << connect(r, &QTextEdit::undoAvailable, this, &EditEnabler::Update);
        } else if (auto* l = qobject_cast<QLineEdit*>(now)) {
            m_connections << connect(l, &QLineEdit::selectionChanged, this, &EditEnabler::Update)
                          << connect(l, &QLineEdit::textChanged, this, &EditEnabler::Update);
        }
        Update();
    }

    struct Item {
        QPointer<QAction> action;
        EditCommand command;
    };
    std::vector<Item> m_items;
    QPointer<QWidget> m_field;
    QList<QMetaObject::Connection> m_connections;
    std::optional<bool> m_clipboardHasText;
};

void AddItems(const MenuItem& node, QMenu* menu, EditEnabler* enabler)
{
    bool holdsPaste = false;
    for (int i = 0; i < node.Count(); ++i) {
        const Ref<MenuItem> item = node.Item(i);
        if (item->IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(ToQ(item->Text()));
            sub->setObjectName(ToQ(item->Name()));
            AddItems(*item, sub, enabler);
            continue;
        }
        QAction* action = menu->addAction(ToQ(item->Text()));
        action->setObjectName(ToQ(item->Name()));
        if (!item->KeyboardShortcut().IsEmpty())
            action->setShortcut(Shortcut(item->KeyboardShortcut()));
        if (dynamic_cast<const QuitMenuItem*>(item.Raw())) {
            action->setMenuRole(QAction::QuitRole);
            QObject::connect(action, &QAction::triggered, [] { Quit(0); });
            continue;
        }
        const EditCommand command = CommandOf(item->Name());
        if (command != EditCommand::None) {
            QObject::connect(action, &QAction::triggered, enabler,
                             [enabler, command] { enabler->Target().Run(command); });
            if (item->AutoEnable())
                enabler->Add(action, command);
            holdsPaste = holdsPaste || command == EditCommand::Paste;
        }
    }
    // Between openings Paste follows only whether the field can be edited.
    QObject::connect(menu, &QMenu::aboutToShow, enabler,
                     holdsPaste ? &EditEnabler::UpdateAskingTheClipboard : &EditEnabler::Update);
    QObject::connect(menu, &QMenu::aboutToHide, enabler, &EditEnabler::Update);
}

} // namespace

QMenuBar* BuildQtMenuBar(const MenuBar& bar, QWidget* parent)
{
    auto* qbar = new QMenuBar(parent);
    auto* enabler = new EditEnabler(qbar);
    for (int i = 0; i < bar.Count(); ++i) {
        const Ref<MenuItem> menu = bar.Item(i);
        QMenu* qmenu = qbar->addMenu(ToQ(menu->Text()));
        qmenu->setObjectName(ToQ(menu->Name()));
        AddItems(*menu, qmenu, enabler);
    }
    return qbar;
}

} // namespace fw
