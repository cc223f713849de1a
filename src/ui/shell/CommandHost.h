#pragma once
// The frame's command table. Each window family declares the commands it
// carries out (caption, shortcut, enabling rule, where it sits in a menu, a
// toolbar or the object pop-up); the frame lays out the menus, toolbars and
// separators and places every command by its order there, so the order never
// depends on which family installed first. A name used but never declared,
// or declared but never carried out, is reported once every family is in.

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

#include "ui/shell/CommandRules.h"

class QAction;
class QMenu;
class QToolBar;
class QWidget;

// The menus and pop-ups commands can sit in; the frame makes them.
enum class Menu { None, File, Edit, Alignment, Tool, View, Help, ObjectPopup, AlignPopup };
// The toolbars commands can have a button on.
enum class Bar { None, Main, Zoom, Tools, Alignment };

struct MenuPlace {
    Menu menu = Menu::None;
    int order = 0;  // items sort by order; the frame's separators sit at whole hundreds
};

struct ButtonPlace {
    Bar bar = Bar::None;
    int order = 0;
    const char* name = nullptr;  // the button's object name
    const char* hint = nullptr;  // its tooltip (set on the command)
    const char* icon = nullptr;  // a stickwellIcon name (set on the command)
};

// The pop-up item: a namesake of the menu command with its own caption.
struct PopupPlace {
    Menu menu = Menu::None;
    int order = 0;
    const char* caption = nullptr;
};

struct CommandEntry {
    const char* name = nullptr;  // the action's object name ("PrintMI")
    QString caption;
    CommandRule rule = CommandRule::Always;
    QKeySequence shortcut = {};
    MenuPlace menu = {};
    ButtonPlace button = {};
    PopupPlace popup = {};
    std::function<void()> run = {};
};

class CommandHost : public QObject {
    Q_OBJECT
public:
    // Commands belong to owner and run in its context.
    explicit CommandHost(QWidget* owner);
    ~CommandHost() override;

    // The frame's skeleton: the containers, and what it puts in them itself.
    void addMenu(Menu menu, QMenu* widget);
    void addBar(Bar bar, QToolBar* widget);
    void addSeparator(Menu menu, int order);
    void addSeparator(Bar bar, int order);
    void addSubmenu(Menu menu, int order, QMenu* submenu);
    void addWidget(Bar bar, int order, QWidget* widget);

    // Declares a command; the returned action is for what the table does not
    // cover (checkable tools, hidden items).
    QAction* add(const CommandEntry& entry);
    // A further handler for a command, declared now or by a family installed later.
    void onCommand(const char* name, std::function<void()> run);

    QAction* command(const QString& name) const;
    QList<QAction*> commands() const;

    // Names handled or looked for that no family declared, and commands no
    // one carries out. Both are empty in a correct program.
    QStringList unknownNames() const;
    QStringList unhandledNames() const;
    // Reports both (qCritical; fatal in debug builds). True when all is well.
    bool check() const;

    // Every command (and pop-up item) follows its rule.
    void enable(const CommandContext& context);

private:
    struct Slots {
        QWidget* widget = nullptr;
        std::map<int, QAction*> placed;
    };
    QAction* place(Slots& container, int order, QAction* action, const char* what);
    Slots& slotsOf(Menu menu);
    Slots& slotsOf(Bar bar);
    void connectRun(QAction* action, std::function<void()> run);

    QWidget* m_owner;
    QHash<int, Slots> m_menus;
    QHash<int, Slots> m_bars;
    QHash<QString, QAction*> m_commands;
    QHash<QAction*, CommandRule> m_rules;
    QHash<QString, std::vector<std::function<void()>>> m_waiting;  // handlers for names not yet declared
    QStringList m_handled;
    mutable QStringList m_lookedFor;
};
