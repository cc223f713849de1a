// The frame's own commands: opening, saving and closing designs, the recent
// files, the Window menu, Options and Help.

#include <QAction>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

#include "base/AppInfo.h"
#include "model/Options.h"
#include "system/Messages.h"
#include "ui/help/UserGuide.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/OptionsDialog.h"
#include "ui/shell/ShellTexts.h"

void MainWindow::addFrameCommands()
{
    using R = CommandRule;
    CommandHost& c = *m_commands;
    c.add({.name = "OpenMI", .caption = "&Open...", .rule = R::Always, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_O),
           .menu = {Menu::File, 20}, .button = {Bar::Main, 20, "OpenBtn", "Open", "document-open"},
           .run = [this] { openCommand(); }});
    c.add({.name = "SaveMI", .caption = "&Save", .rule = R::Modified, .shortcut = QKeySequence(Qt::CTRL | Qt::Key_S),
           .menu = {Menu::File, 30}, .button = {Bar::Main, 30, "SaveBtn", "Save", "document-save"},
           .run = [this] { saveCommand(false); }});
    c.add({.name = "SaveAsMI", .caption = "Save &As...", .rule = R::Window, .menu = {Menu::File, 40},
           .run = [this] { saveCommand(true); }});
    // Kept hidden, and doing nothing, for stored toolbars and menus that name it.
    c.add({.name = "SetProtectionPasswordMI", .caption = "Set Protection Pass&word...", .rule = R::Window,
           .menu = {Menu::File, 240}, .run = [] {}})
        ->setVisible(false);
    c.add({.name = "CloseMI", .caption = "&Close", .rule = R::Window, .menu = {Menu::File, 410}, .run = [this] {
               if (QMdiSubWindow* sub = m_mdiArea->activeSubWindow())
                   sub->close();
           }});
    c.add({.name = "ExitMI", .caption = "E&xit", .rule = R::Always, .menu = {Menu::File, 420},
           .run = [this] { close(); }});
    c.add({.name = "OptionsMI", .caption = "O&ptions...", .rule = R::Always, .menu = {Menu::View, 230},
           .run = [this] { optionsCommand(); }});
    addWindowCommands();
    addHelpCommands();
}

void MainWindow::addWindowCommands()
{
    using R = CommandRule;
    CommandHost& c = *m_commands;
    // The Window menu is filled when it opens: these, then the open windows.
    c.add({.name = "TileMI", .caption = "&Tile", .rule = R::Window, .run = [this] { m_mdiArea->tileSubWindows(); }});
    c.add({.name = "CascadeMI", .caption = "&Cascade", .rule = R::Window,
           .run = [this] { m_mdiArea->cascadeSubWindows(); }});
    c.add({.name = "ArrangeIconsMI", .caption = "&Arrange Icons", .rule = R::Window, .run = [this] { arrangeIcons(); }});
    c.add({.name = "CloseAllMI", .caption = "C&lose All", .rule = R::Window, .run = [this] { closeAllCommand(); }});
    fillWindowMenu();
}

void MainWindow::addHelpCommands()
{
    using R = CommandRule;
    CommandHost& c = *m_commands;
    c.add({.name = "HelpTopicsMI", .caption = "&Help Topics", .rule = R::Always,
           .shortcut = QKeySequence(QKeySequence::HelpContents), .menu = {Menu::Help, 10}, .run = [] {
               if (!openUserGuide())
                   Messages::error(ShellTexts::GuideMissing);
           }});
    c.add({.name = "HomePageMI", .caption = AppInfo::productTitle() + ShellTexts::HomePageSuffix, .rule = R::Always,
           .menu = {Menu::Help, 20}, .run = [] { QDesktopServices::openUrl(QUrl(AppInfo::homePageUrl())); }});
    c.add({.name = "SupportMI", .caption = "&Support...", .rule = R::Always, .menu = {Menu::Help, 30},
           .run = [] { QDesktopServices::openUrl(QUrl(AppInfo::supportUrl())); }});
    c.add({.name = "AboutMI", .caption = "&About", .rule = R::Always, .menu = {Menu::Help, 110}, .run = [this] {
               QMessageBox::about(this, AppInfo::productTitle(),
                                  AppInfo::productTitle() + QStringLiteral(" ") + AppInfo::version());
           }});
}

void MainWindow::openCommand()
{
    const QString path = chooseOpenFile ? chooseOpenFile() : QString();
    if (!path.isEmpty())
        openDesignPath(path, true);
    enableCommands();
}

void MainWindow::saveCommand(bool saveAs)
{
    if (DesignWindow* window = activeDesignWindow())
        window->save(saveAs);
    enableCommands();
}

void MainWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    if (m_recentFiles.isEmpty()) {
        m_recentMenu->addAction(ShellTexts::NoRecentFiles)->setEnabled(false);
        return;
    }
    for (const RecentFiles::Entry& entry : m_recentFiles.entries()) {
        const QString path = entry.path;
        QAction* item = m_recentMenu->addAction(entry.shownName, this, [this, path] {
            openDesignPath(path, true);
            enableCommands();
        });
        item->setToolTip(path);
    }
}

void MainWindow::fillWindowMenu()
{
    m_windowMenu->clear();
    for (const char* name : {"TileMI", "CascadeMI", "ArrangeIconsMI", "CloseAllMI"})
        m_windowMenu->addAction(command(QString::fromLatin1(name)));
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    if (!windows.isEmpty())
        m_windowMenu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        QAction* item = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()), this,
                                                [this, sub] { m_mdiArea->setActiveSubWindow(sub); });
        item->setCheckable(true);
        item->setChecked(sub == m_mdiArea->activeSubWindow());
    }
}

void MainWindow::closeAllCommand()
{
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList())
        if (!sub->close())
            break;
    enableCommands();
}

void MainWindow::arrangeIcons()
{
    // Minimized windows line up along the bottom of the client area.
    int x = 0;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
        if (!sub->isMinimized())
            continue;
        sub->move(x, m_mdiArea->viewport()->height() - sub->height());
        x += sub->width();
    }
}

void MainWindow::optionsCommand()
{
    if (editOptions(this))
        applyOptionsToWindows();
    enableCommands();
}
