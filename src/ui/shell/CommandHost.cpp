#include "ui/shell/CommandHost.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QtGlobal>

#include "ui/icons/Icons.h"

CommandHost::CommandHost(QWidget* owner) : QObject(owner), m_owner(owner) {}

CommandHost::~CommandHost() = default;

void CommandHost::addMenu(Menu menu, QMenu* widget) { m_menus[int(menu)].widget = widget; }

void CommandHost::addBar(Bar bar, QToolBar* widget) { m_bars[int(bar)].widget = widget; }

CommandHost::Slots& CommandHost::slotsOf(Menu menu)
{
    Slots& container = m_menus[int(menu)];
    Q_ASSERT_X(container.widget, "CommandHost", "a command placed in a menu the frame does not have");
    return container;
}

CommandHost::Slots& CommandHost::slotsOf(Bar bar)
{
    Slots& container = m_bars[int(bar)];
    Q_ASSERT_X(container.widget, "CommandHost", "a button placed on a toolbar the frame does not have");
    return container;
}

// Inserts before the item with the next higher order, so the result is the
// same whatever order the families come in.
QAction* CommandHost::place(Slots& container, int order, QAction* action, const char* what)
{
    if (!container.widget)
        return action;
    if (container.placed.count(order))
        qCritical("Two items at order %d of one menu or toolbar: %s", order, what);
    const auto next = container.placed.upper_bound(order);
    QAction* before = next == container.placed.end() ? nullptr : next->second;
    container.widget->insertAction(before, action);
    container.placed[order] = action;
    return action;
}

void CommandHost::addSeparator(Menu menu, int order)
{
    auto* separator = new QAction(m_owner);
    separator->setSeparator(true);
    place(slotsOf(menu), order, separator, "separator");
}

void CommandHost::addSeparator(Bar bar, int order)
{
    auto* separator = new QAction(m_owner);
    separator->setSeparator(true);
    place(slotsOf(bar), order, separator, "separator");
}

void CommandHost::addSubmenu(Menu menu, int order, QMenu* submenu)
{
    place(slotsOf(menu), order, submenu->menuAction(), "submenu");
}

void CommandHost::addWidget(Bar bar, int order, QWidget* widget)
{
    Slots& container = slotsOf(bar);
    auto* toolBar = qobject_cast<QToolBar*>(container.widget);
    const auto next = container.placed.upper_bound(order);
    QAction* before = next == container.placed.end() ? nullptr : next->second;
    container.placed[order] = toolBar->insertWidget(before, widget);
}

void CommandHost::connectRun(QAction* action, std::function<void()> run)
{
    connect(action, &QAction::triggered, m_owner, std::move(run));
    m_handled << action->objectName();
}

QAction* CommandHost::add(const CommandEntry& entry)
{
    const QString name = QString::fromLatin1(entry.name);
    if (m_commands.contains(name))
        qCritical("The command %s is declared twice", entry.name);
    auto* action = new QAction(entry.caption, m_owner);
    action->setObjectName(name);
    if (!entry.shortcut.isEmpty())
        action->setShortcut(entry.shortcut);
    m_commands.insert(name, action);
    m_rules.insert(action, entry.rule);
    if (entry.menu.menu != Menu::None)
        place(slotsOf(entry.menu.menu), entry.menu.order, action, entry.name);
    if (entry.button.bar != Bar::None) {
        action->setIcon(stickwellIcon(QLatin1String(entry.button.icon)));
        action->setToolTip(QString::fromUtf8(entry.button.hint));
        Slots& bar = slotsOf(entry.button.bar);
        place(bar, entry.button.order, action, entry.name);
        if (QWidget* button = qobject_cast<QToolBar*>(bar.widget)->widgetForAction(action))
            button->setObjectName(QLatin1String(entry.button.name));
    }
    if (entry.popup.menu != Menu::None) {
        // Pop-up items are their menu namesakes, so they share their state.
        auto* item = new QAction(QString::fromUtf8(entry.popup.caption), m_owner);
        item->setObjectName(QString(name).replace(QStringLiteral("MI"), QStringLiteral("PI")));
        connect(item, &QAction::triggered, action, &QAction::trigger);
        m_rules.insert(item, entry.rule);
        place(slotsOf(entry.popup.menu), entry.popup.order, item, entry.name);
    }
    if (entry.run)
        connectRun(action, entry.run);
    for (auto& run : m_waiting.take(name))
        connectRun(action, std::move(run));
    return action;
}

void CommandHost::onCommand(const char* name, std::function<void()> run)
{
    const QString key = QString::fromLatin1(name);
    if (QAction* action = m_commands.value(key))
        connectRun(action, std::move(run));
    else
        m_waiting[key].push_back(std::move(run));
}

QAction* CommandHost::command(const QString& name) const
{
    QAction* action = m_commands.value(name);
    if (!action && !m_lookedFor.contains(name))
        m_lookedFor << name;
    return action;
}

QList<QAction*> CommandHost::commands() const { return m_commands.values(); }

QStringList CommandHost::unknownNames() const
{
    QStringList names = m_waiting.keys();
    for (const QString& name : m_lookedFor)
        if (!m_commands.contains(name) && !names.contains(name))
            names << name;
    names.sort();
    return names;
}

QStringList CommandHost::unhandledNames() const
{
    QStringList names;
    for (auto it = m_commands.cbegin(); it != m_commands.cend(); ++it)
        if (!m_handled.contains(it.key()))
            names << it.key();
    names.sort();
    return names;
}

bool CommandHost::check() const
{
    const QStringList unknown = unknownNames();
    const QStringList unhandled = unhandledNames();
    if (!unknown.isEmpty())
        qCritical("Commands used but never declared: %s", qPrintable(unknown.join(QStringLiteral(", "))));
    if (!unhandled.isEmpty())
        qCritical("Commands declared but never carried out: %s", qPrintable(unhandled.join(QStringLiteral(", "))));
    Q_ASSERT_X(unknown.isEmpty() && unhandled.isEmpty(), "CommandHost::check", "the command table is not whole");
    return unknown.isEmpty() && unhandled.isEmpty();
}

void CommandHost::enable(const CommandContext& context)
{
    for (auto it = m_rules.cbegin(); it != m_rules.cend(); ++it)
        it.key()->setEnabled(ruleHolds(it.value(), context));
}
