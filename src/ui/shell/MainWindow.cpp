#include "ui/shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <tuple>
#include <vector>

#include "base/AppInfo.h"
#include "model/DesignObject.h"
#include "model/ObjectClipboard.h"
#include "model/Options.h"
#include "system/Clipboard.h"
#include "system/Messages.h"
#include "system/SettingsStore.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/designwindow/DesignView.h"
#include "ui/icons/Icons.h"
#include "ui/shell/DefaultLayout.h"
#include "ui/shell/DesignDocument.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/FrameLayout.h"
#include "ui/shell/LoadProgress.h"
#include "ui/shell/ProtectionCheck.h"
#include "ui/shell/ProtectionDialog.h"
#include "ui/shell/ShellTexts.h"

namespace {

constexpr int kMinimumSize = 400;
constexpr int kEnableDelayMs = 500;
constexpr int kStartupDelayMs = 250;
constexpr int kZoomListWidth = 70;

QList<int> zoomListValues()
{
    QList<int> values{25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300};
    for (int zoom = 350; zoom <= 1000; zoom += 50)
        values.append(zoom);
    return values;
}

bool isDesignFileName(const QString& path)
{
    const QString extension = QLatin1Char('.') + QFileInfo(path).suffix().toLower();
    return extension.contains(QStringLiteral(".lpd")) || extension == QStringLiteral(".cct");
}

SystemClipboard& systemClipboard()
{
    static SystemClipboard clipboard;
    return clipboard;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_clipboard(&systemClipboard())
{
    setWindowTitle(AppInfo::productTitle() + QLatin1Char(' '));
    setWindowIcon(stickwellIcon(QStringLiteral("quillon-stickwell")));
    setMinimumSize(kMinimumSize, kMinimumSize);
    setAcceptDrops(true);
    resize(1000, 720);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("ClientArea"));
    m_mdiArea->setViewMode(QMdiArea::SubWindowView);
    m_mdiArea->setBackground(palette().color(QPalette::Dark));
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::onSubWindowActivated);

    m_commands = new CommandHost(this);
    askPassword = [this] { return askProtectionPassword(this); };
    chooseOpenFile = [this] {
        return QFileDialog::getOpenFileName(this, QString(), Options::current().favorites, ShellTexts::OpenFilter);
    };

    createMenus();
    createToolBars();
    createPropertyDock();
    createStatusBar();
    createObjectPopup();
    addFrameCommands();

    m_recentFiles.load(SettingsStore::instance());
    fillRecentMenu();
    restoreLayout();
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::clipboardChanged);
    clipboardChanged();
    enableCommands();
}

MainWindow::~MainWindow()
{
    // The design windows go while this window's members still exist: their
    // signals (activation, tool, selection) reach handlers that use them.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    delete m_mdiArea;
}

// ---- the skeleton: menus, toolbars, separators ----------------------------
//
// Commands are placed by order; the separators sit at whole hundreds, so a
// group is the commands of one hundred (File: 1-99 new, open and save;
// 101-199 printing; 201-299 layouts; 301 Re-Open; 401-499 close and exit).

void MainWindow::createMenus()
{
    const std::tuple<Menu, const char*, std::vector<int>> menus[] = {
        {Menu::File, "&File", {100, 200, 300, 400}},
        {Menu::Edit, "&Edit", {100, 200, 300}},
        {Menu::Alignment, "&Alignment", {100, 200, 300}},
        {Menu::Tool, "&Tool", {}},
        {Menu::View, "&View", {100, 200}},
    };
    for (const auto& [which, title, separators] : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(title));
        m_commands->addMenu(which, menu);
        for (int order : separators)
            m_commands->addSeparator(which, order);
        if (which == Menu::File) {
            menu->setObjectName(QStringLiteral("FileMenu"));
            m_recentMenu = new QMenu(QStringLiteral("&Re-Open"), menu);
            m_recentMenu->setObjectName(QStringLiteral("ReopenMI"));
            m_commands->addSubmenu(Menu::File, 310, m_recentMenu);
        }
        if (which == Menu::View) {
            m_toolbarsMenu = new QMenu(QStringLiteral("&Toolbars"), menu);
            m_toolbarsMenu->setObjectName(QStringLiteral("ToolbarsMI"));
            m_commands->addSubmenu(Menu::View, 10, m_toolbarsMenu);
        }
    }
    m_windowMenu = menuBar()->addMenu(QStringLiteral("&Window"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    m_commands->addMenu(Menu::Help, help);
    m_commands->addSeparator(Menu::Help, 100);
}

void MainWindow::createToolBars()
{
    const auto makeBar = [this](QToolBar*& bar, Bar which, const QString& title, const char* name,
                                Qt::ToolBarArea area, std::initializer_list<int> separators) {
        bar = new QToolBar(title, this);
        bar->setObjectName(QLatin1String(name));
        m_commands->addBar(which, bar);
        for (int order : separators)
            m_commands->addSeparator(which, order);
        addToolBar(area, bar);
    };
    makeBar(m_mainBar, Bar::Main, QStringLiteral("Main"), "MainBar", Qt::TopToolBarArea, {100, 200, 300, 400, 500});
    makeBar(m_zoomBar, Bar::Zoom, QStringLiteral("Zoom"), "ZoomBar", Qt::TopToolBarArea, {100});
    m_zoomCombo = new QComboBox(m_zoomBar);
    m_zoomCombo->setObjectName(QStringLiteral("ZoomCombo"));
    m_zoomCombo->setEditable(true);
    m_zoomCombo->setInsertPolicy(QComboBox::NoInsert);
    m_zoomCombo->setFixedWidth(kZoomListWidth);
    m_zoomCombo->setToolTip(ShellTexts::ZoomHint);
    for (int zoom : zoomListValues())
        m_zoomCombo->addItem(QString::number(zoom));
    m_zoomCombo->setCurrentIndex(-1);
    m_commands->addWidget(Bar::Zoom, 110, m_zoomCombo);
    makeBar(m_toolsBar, Bar::Tools, QStringLiteral("Tools"), "ToolsBar", Qt::LeftToolBarArea, {});
    makeBar(m_alignmentBar, Bar::Alignment, QStringLiteral("Alignment"), "AlignmentBar", Qt::BottomToolBarArea,
            {100, 200, 300, 400});
    createRegionsBar();

    // The View menu's toolbar switches, checked when the menu opens.
    const std::pair<const char*, QToolBar*> switches[] = {
        {"&Main", m_mainBar}, {"Tools", m_toolsBar}, {"&Alignment", m_alignmentBar},
        {"&Regions", m_regionsBar}, {"&Zoom", m_zoomBar}};
    for (const auto& [caption, bar] : switches) {
        QAction* item = m_toolbarsMenu->addAction(QString::fromLatin1(caption));
        item->setObjectName(bar->objectName() + QStringLiteral("MI"));
        item->setCheckable(true);
        QToolBar* target = bar;
        connect(item, &QAction::triggered, target, [target](bool on) { target->setVisible(on); });
        connect(m_toolbarsMenu, &QMenu::aboutToShow, item, [item, target] { item->setChecked(target->isVisible()); });
    }
}

void MainWindow::createObjectPopup()
{
    m_objectPopup = new QMenu(this);
    m_objectPopup->setObjectName(QStringLiteral("ObjectPopup"));
    m_commands->addMenu(Menu::ObjectPopup, m_objectPopup);
    auto* align = new QMenu(QStringLiteral("Align"), m_objectPopup);
    m_commands->addMenu(Menu::AlignPopup, align);
    m_commands->addSubmenu(Menu::ObjectPopup, 10, align);
}

// ---- enabling -------------------------------------------------------------

void MainWindow::setClipboard(ClipboardPort* clipboard)
{
    m_clipboard = clipboard;
    clipboardChanged();
}

// Asking the clipboard what it holds can mean a round trip to another
// program, so it is asked when the clipboard changes, not on every command.
void MainWindow::clipboardChanged()
{
    m_clipboardHasPaste = m_clipboard && canPaste(*m_clipboard);
    enableCommands();
}

void MainWindow::enableCommands()
{
    CommandContext context;
    DesignWindow* window = activeDesignWindow();
    context.windowOpen = window != nullptr;
    if (window) {
        DesignEditor& editor = window->document().editor;
        context.modified = editor.isModified();
        context.canUndo = editor.canUndo();
        context.canRedo = editor.canRedo();
        context.selected = int(editor.selection().size());
        context.regionHasObjects = editor.card().objectCount() > 0;
    }
    context.clipboardHasPaste = m_clipboardHasPaste;
    context.scannerAvailable = m_services.hasScanner();
    m_commands->enable(context);
    m_zoomCombo->setEnabled(context.windowOpen);
    m_objectCombo->setEnabled(context.windowOpen);
    m_regionCombo->setEnabled(context.windowOpen);
    m_pages->setVisible(context.selected == 1);
    if (!window) {
        for (QLabel* panel : m_statusPanels)
            panel->clear();
        m_zoomCombo->setCurrentIndex(-1);
        m_zoomCombo->setEditText(QString());
        m_objectCombo->clear();
        m_regionCombo->setCurrentIndex(-1);
    }
}

// ---- design windows -------------------------------------------------------

DesignWindow* MainWindow::activeDesignWindow() const
{
    QMdiSubWindow* sub = m_mdiArea->activeSubWindow();
    if (!sub && !m_mdiArea->subWindowList().isEmpty())
        sub = m_mdiArea->currentSubWindow();
    return sub ? qobject_cast<DesignWindow*>(sub->widget()) : nullptr;
}

QList<DesignWindow*> MainWindow::designWindows() const
{
    QList<DesignWindow*> windows;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList())
        if (auto* window = qobject_cast<DesignWindow*>(sub->widget()))
            windows.append(window);
    return windows;
}

DesignWindow* MainWindow::addDesignWindow(std::unique_ptr<DesignDocument> document)
{
    // A new window opens maximized when none is open or the active one is maximized.
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    const bool maximized = !active || active->isMaximized();
    auto* window = new DesignWindow(std::move(document), Options::current());
    QMdiSubWindow* sub = m_mdiArea->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(stickwellIcon(QStringLiteral("quillon-stickwell")));
    connectDesignWindow(window);
    emit designWindowOpened(window);
    if (maximized)
        sub->showMaximized();
    else
        sub->show();
    m_mdiArea->setActiveSubWindow(sub);
    showActiveWindowState();
    enableCommands();
    return window;
}

void MainWindow::connectDesignWindow(DesignWindow* window)
{
    DesignSurface& surface = window->surface();
    surface.pictureSource = [this]() { return m_services.choosePictureOrFile(this, Picture()); };
    connect(&surface, &DesignSurface::selectionChanged, this, [this, window] {
        if (window == activeDesignWindow()) {
            rebuildObjectList();
            enableCommands();
        }
    });
    connect(&surface, &DesignSurface::contentChanged, this, [this, window] {
        if (window == activeDesignWindow()) {
            rebuildObjectList();
            enableCommands();
        }
    });
    connect(&window->document().editor, &DesignEditor::modifiedChanged, this, &MainWindow::enableCommands);
    connect(&surface, &DesignSurface::zoomChanged, this, [this, window](int zoom) {
        if (window == activeDesignWindow())
            showZoom(zoom);
    });
    connect(&surface, &DesignSurface::positionTextChanged, this, [this, window](const QString& text) {
        if (window == activeDesignWindow())
            m_statusPanels[0]->setText(text);
    });
    connect(&surface, &DesignSurface::contextMenuRequested, this, [this, window](QPoint cardPos) {
        enableCommands();
        m_objectPopup->popup(window->view().mapToGlobal(cardPos));
    });
    connect(window, &DesignWindow::saved, this, &MainWindow::addToRecent);
    connect(window, &QObject::destroyed, this, [this] {
        // Re-enable once the window is really gone.
        QTimer::singleShot(kEnableDelayMs, this, [this] {
            showActiveWindowState();
            enableCommands();
        });
    });
}

void MainWindow::onSubWindowActivated(QMdiSubWindow*)
{
    DesignWindow* window = activeDesignWindow();
    if (window)
        window->surface().setActiveTool(Tool::Select);
    showActiveWindowState();
    enableCommands();
    emit activeDesignWindowChanged(window);
}

// ---- opening and saving ---------------------------------------------------

DesignWindow* MainWindow::newBlankDesign() { return newBlankDesign(defaultLayout()); }

DesignWindow* MainWindow::newBlankDesign(const LayoutRecord& layout)
{
    auto document = std::make_unique<DesignDocument>();
    if (!document->startBlank(layout, m_untitledCounter))
        return nullptr;
    takeUntitledNumber();
    return addDesignWindow(std::move(document));
}

void MainWindow::openDesignPath(const QString& path, bool addToRecent)
{
    const QString wanted = path.toUpper();
    bool found = false;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
        auto* window = qobject_cast<DesignWindow*>(sub->widget());
        if (window && window->document().fileName().toUpper() == wanted) {
            m_mdiArea->setActiveSubWindow(sub);
            found = true;
        }
    }
    if (found)
        return;
    if (!isDesignFileName(path)) {
        Messages::information(ShellTexts::DropDesignFiles);
        return;
    }
    auto document = std::make_unique<DesignDocument>();
    {
        // A long linked source shows its progress and can be cancelled.
        const LoadProgress progress(document->dataReader(), this);
        if (!document->open(path))
            return;
    }
    addDesignWindow(std::move(document));
    if (addToRecent)
        this->addToRecent(path);
}

void MainWindow::addToRecent(const QString& path)
{
    m_recentFiles.add(path);
    fillRecentMenu();
}

// ---- protection -----------------------------------------------------------

bool MainWindow::passesProtection(ProtectionKind kind)
{
    DesignWindow* window = activeDesignWindow();
    if (!window)
        return false;
    DesignDocument& document = window->document();
    const auto& selection = document.editor.selection();
    const bool firstLocked = !selection.empty() && selection.front()->locked();
    return ::passesProtection(document.editor.manager(), document.enteredPassword, kind, firstLocked, askPassword);
}

void MainWindow::afterDesignChange()
{
    if (DesignWindow* window = activeDesignWindow())
        window->updateTitle();
    enableCommands();
}

void MainWindow::applyOptionsToWindows()
{
    for (DesignWindow* window : designWindows())
        window->surface().applyOptions(Options::current());
}

// ---- start, drop, close ---------------------------------------------------

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    for (const QString& file : std::as_const(m_startupFiles))
        openDesignPath(file, true);
    if (m_startupFiles.isEmpty() && m_newDesignAtStart && Options::current().showDesignWizard)
        QTimer::singleShot(kStartupDelayMs, this, [this] {
            // New is whatever carries the command out (the design wizard, when present).
            if (QAction* create = command(QStringLiteral("NewMI")))
                create->trigger();
            enableCommands();
        });
    m_startupFiles.clear();
    enableCommands();
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    event->acceptProposedAction();
    openDroppedFiles(paths);
}

void MainWindow::openDroppedFiles(const QStringList& paths)
{
    bringToFront();
    for (const QString& path : paths)
        openDesignPath(path, true);
    enableCommands();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Every design window asks about its own unsaved changes.
    m_mdiArea->closeAllSubWindows();
    if (!m_mdiArea->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    storeLayout();
    event->accept();
}

QList<QWidget*> MainWindow::dockables() const
{
    return {m_mainBar, m_zoomBar, m_toolsBar, m_alignmentBar, m_regionsBar, m_propertyEditor};
}

void MainWindow::storeLayout()
{
    SettingsStore& store = SettingsStore::instance();
    storeFrameLayout(*this, dockables(), store);
    m_recentFiles.save(store);
    store.sync();
}

void MainWindow::restoreLayout() { restoreFrameLayout(*this, dockables(), SettingsStore::instance()); }
