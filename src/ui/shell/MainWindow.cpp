#include "ui/shell/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "base/AppInfo.h"
#include "model/ObjectClipboard.h"
#include "model/DesignObject.h"
#include "model/Options.h"
#include "system/Clipboard.h"
#include "system/Messages.h"
#include "system/SettingsStore.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/designwindow/DesignView.h"
#include "ui/Features.h"
#include "ui/help/UserGuide.h"
#include "ui/icons/Icons.h"
#include "ui/shell/DefaultLayout.h"
#include "ui/shell/DesignDocument.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/Hooks.h"
#include "ui/shell/LoadProgress.h"
#include "ui/shell/OptionsDialog.h"
#include "ui/shell/ProtectionCheck.h"
#include "ui/shell/ProtectionDialog.h"
#include "ui/shell/ShellTexts.h"
#include "ui/shell/WindowLayout.h"

namespace {

constexpr int kMinimumSize = 400;
constexpr int kZoomStep = 10;
constexpr int kEnableDelayMs = 500;
constexpr int kStartupDelayMs = 250;
constexpr int kZoomListWidth = 70;
constexpr int kRegionListWidth = 225;

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

// The text box that has the keyboard focus, if any: Undo, Cut, Copy and
// Paste act on its text instead of the design.
QWidget* focusedTextBox()
{
    QWidget* focus = QApplication::focusWidget();
    if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QTextEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus))
        return focus;
    return nullptr;
}

template <typename Call>
bool onTextBox(QWidget* box, Call call)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return call(line), true;
    if (auto* text = qobject_cast<QTextEdit*>(box))
        return call(text), true;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        return call(plain), true;
    return false;
}

struct ToolCommand {
    Tool tool;
    const char* action;
    const char* caption;
    const char* button;
    const char* hint;
    const char* icon;
};

const ToolCommand kToolCommands[] = {
    {Tool::Select, "SelectMI", "&Select", "SelectBtn", "Selection Tool", "stickwell-tool-select"},
    {Tool::Text, "TextMI", "&Text", "TextBtn", "Text Tool", "stickwell-tool-text"},
    {Tool::BarCode, "BarCodeMI", "B&ar Code", "BarCodeBtn", "Bar Code Tool", "stickwell-tool-barcode"},
    {Tool::ArcText, "ArcTextMI", "Arc Te&xt", "ArcTextBtn", "Arc Text Tool", "stickwell-tool-arctext"},
    {Tool::Graphic, "GraphicMI", "&Graphic", "GraphicBtn", "Graphic Tool", "stickwell-tool-graphic"},
    {Tool::Line, "LineMI", "&Line", "LineBtn", "Line Tool", "stickwell-tool-line"},
    {Tool::Box, "BoxMI", "&Box", "BoxBtn", "Box Tool", "stickwell-tool-box"},
    {Tool::RoundBox, "RoundBoxMI", "&Round Box", "RoundBoxBtn", "Round Box Tool", "stickwell-tool-roundbox"},
    {Tool::Ellipse, "EllipseMI", "&Ellipse", "EllipseBtn", "Ellipse Tool", "stickwell-tool-ellipse"},
};

struct AlignButton {
    const char* button;
    const char* hint;
    const char* icon;
    bool group;
};

const AlignButton kAlignButtons[] = {
    {"AlignLeftBtn", "Align Left", "stickwell-align-left", false},
    {"AlignHCenterBtn", "Align Horizontal Center", "stickwell-align-hcenter", false},
    {"AlignRightBtn", "Align Right", "stickwell-align-right", false},
    {nullptr, nullptr, nullptr, false},
    {"AlignTopBtn", "Align Top", "stickwell-align-top", false},
    {"AlignVCenterBtn", "Align Vertical Center", "stickwell-align-vcenter", false},
    {"AlignBottomBtn", "Align Bottom", "stickwell-align-bottom", false},
    {nullptr, nullptr, nullptr, false},
    {"AlignGroupLeftBtn", "Align Group Left", "stickwell-group-left", true},
    {"AlignGroupHCenterBtn", "Align Group Horizontal Center", "stickwell-group-hcenter", true},
    {"AlignGroupRightBtn", "Align Group Right", "stickwell-group-right", true},
    {"AlignGroupHSpaceBtn", "Space Equally Horizontal", "stickwell-group-space-h", true},
    {nullptr, nullptr, nullptr, false},
    {"AlignGroupTopBtn", "Align Group Top", "stickwell-group-top", true},
    {"AlignGroupVCenterBtn", "Align Group Vertical Center", "stickwell-group-vcenter", true},
    {"AlignGroupBottomBtn", "Align Group Bottom", "stickwell-group-bottom", true},
    {"AlignGroupVSpaceBtn", "Space Equally Vertical", "stickwell-group-space-v", true},
};

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

    askPassword = [this] { return askProtectionPassword(this); };
    chooseOpenFile = [this] {
        return QFileDialog::getOpenFileName(this, QString(), Options::current().favorites, ShellTexts::OpenFilter);
    };

    createFileMenu();
    createEditMenu();
    createAlignmentMenu();
    createToolMenu();
    createViewMenu();
    createWindowMenu();
    createHelpMenu();
    createToolBars();
    createPropertyDock();
    createStatusBar();
    createObjectPopup();

    m_recentFiles.load(SettingsStore::instance());
    fillRecentMenu();
    installFeatures(*this);
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

// ---- commands -------------------------------------------------------------

QAction* MainWindow::addCommand(QMenu* menu, const QString& name, const QString& caption, CommandRule rule,
                                const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (menu)
        menu->addAction(action);
    m_commands.insert(name, action);
    m_rules.insert(action, rule);
    return action;
}

void MainWindow::addButton(QToolBar* bar, QAction* action, const QString& buttonName, const QString& hint,
                           const QString& icon)
{
    action->setIcon(stickwellIcon(icon));
    action->setToolTip(hint);
    bar->addAction(action);
    if (QWidget* button = bar->widgetForAction(action))
        button->setObjectName(buttonName);
}

QAction* MainWindow::command(const QString& objectName) const { return m_commands.value(objectName); }

void MainWindow::onCommand(const char* objectName, std::function<void()> run)
{
    if (QAction* action = command(QString::fromLatin1(objectName)))
        connect(action, &QAction::triggered, this, std::move(run));
}

void MainWindow::createFileMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    using R = CommandRule;
    // New, printing and printer set-up are carried out by their window families.
    addCommand(file, "NewMI", "&New...", R::Always, QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(addCommand(file, "OpenMI", "&Open...", R::Always, QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &MainWindow::openCommand);
    connect(addCommand(file, "SaveMI", "&Save", R::Modified, QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { saveCommand(false); });
    connect(addCommand(file, "SaveAsMI", "Save &As...", R::Window), &QAction::triggered, this,
            [this] { saveCommand(true); });
    addCommand(file, "SaveAsTemplateMI", "Save As &Template...", R::Window);
    addCommand(file, "SaveAsGraphicMI", "Save As &Graphic...", R::Window);
    file->addSeparator();
    addCommand(file, "PrinterSetupMI", "P&rinter Setup...", R::Always);
    addCommand(file, "PrintPreviewMI", "Print Pre&view", R::Window);
    addCommand(file, "PrintMI", "&Print...", R::Window, QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    addCommand(file, "EditLayoutsMI", "&Edit Layouts...", R::Always);
    addCommand(file, "EditCurrentLayoutMI", "Edit Current La&yout...", R::Window);
    addCommand(file, "SwitchLayoutMI", "S&witch to Different Layout...", R::Window);
    addCommand(file, "SetProtectionPasswordMI", "Set Protection Pass&word...", R::Window)->setVisible(false);
    file->addSeparator();
    m_recentMenu = file->addMenu(QStringLiteral("&Re-Open"));
    m_recentMenu->setObjectName(QStringLiteral("ReopenMI"));
    file->addSeparator();
    connect(addCommand(file, "CloseMI", "&Close", R::Window), &QAction::triggered, this, [this] {
        if (QMdiSubWindow* sub = m_mdiArea->activeSubWindow())
            sub->close();
    });
    connect(addCommand(file, "ExitMI", "E&xit", R::Always), &QAction::triggered, this, &QWidget::close);
}

void MainWindow::createEditMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    using R = CommandRule;
    connect(addCommand(edit, "UndoMI", "&Undo", R::CanUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)), &QAction::triggered,
            this, &MainWindow::undoCommand);
    connect(addCommand(edit, "RedoMI", "&Redo", R::CanRedo, QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z)),
            &QAction::triggered, this, &MainWindow::redoCommand);
    edit->addSeparator();
    connect(addCommand(edit, "CutMI", "Cu&t", R::Selected, QKeySequence(Qt::CTRL | Qt::Key_X)), &QAction::triggered,
            this, &MainWindow::cutCommand);
    connect(addCommand(edit, "CopyMI", "&Copy", R::Selected, QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &MainWindow::copyCommand);
    connect(addCommand(edit, "PasteMI", "&Paste", R::Paste, QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, this, &MainWindow::pasteCommand);
    connect(addCommand(edit, "DeleteMI", "&Delete", R::Selected, QKeySequence(Qt::CTRL | Qt::Key_Delete)),
            &QAction::triggered, this, &MainWindow::deleteCommand);
    edit->addSeparator();
    connect(addCommand(edit, "SelectAllMI", "Select A&ll", R::RegionHasObjects, QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, this, &MainWindow::selectAllCommand);
    connect(addCommand(edit, "SelectNoneMI", "Select &None", R::Selected, QKeySequence(Qt::Key_Escape)),
            &QAction::triggered, this, &MainWindow::selectNoneCommand);
    edit->addSeparator();
    connect(addCommand(edit, "PropertiesMI", "Pr&operties...", R::SingleSelected,
                       QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &MainWindow::propertiesCommand);
    addCommand(edit, "BackgroundMI", "&Background...", R::Window);
    addCommand(edit, "LinkedDatabaseMI", "&Linked Database...", R::Window);
}

void MainWindow::createAlignmentMenu()
{
    QMenu* alignment = menuBar()->addMenu(QStringLiteral("&Alignment"));
    using R = CommandRule;
    addCommand(alignment, "MarginsMI", "&Margins...", R::Window, QKeySequence(Qt::CTRL | Qt::Key_M));
    alignment->addSeparator();
    addCommand(alignment, "AlignMI", "&Align...", R::Selected);
    addCommand(alignment, "AlignSelectedToGridMI", "Align Selected to &Grid", R::Selected,
               QKeySequence(Qt::CTRL | Qt::Key_G));
    addCommand(alignment, "AlignAllToGridMI", "Align A&ll to Grid", R::RegionHasObjects);
    alignment->addSeparator();
    connect(addCommand(alignment, "BringToFrontMI", "Bring to &Front", R::Selected), &QAction::triggered, this,
            &MainWindow::bringSelectionToFront);
    connect(addCommand(alignment, "SendToBackMI", "Send to &Back", R::Selected), &QAction::triggered, this,
            &MainWindow::sendSelectionToBack);
    alignment->addSeparator();
    addCommand(alignment, "FitToMarginsMI", "F&it to Margins", R::Selected);
}

void MainWindow::createToolMenu()
{
    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tool"));
    m_tools = new QActionGroup(this);
    m_tools->setExclusive(true);
    for (const ToolCommand& entry : kToolCommands) {
        QAction* action = addCommand(tools, entry.action, entry.caption, CommandRule::Window);
        action->setCheckable(true);
        m_tools->addAction(action);
        m_toolOfAction.insert(action, entry.tool);
        const Tool tool = entry.tool;
        connect(action, &QAction::triggered, this, [this, tool] { chooseTool(tool); });
    }
    m_commands.value("SelectMI")->setChecked(true);
    // A hidden tool that does nothing, kept so stored toolbars find it.
    QAction* ole = addCommand(tools, "OLEMI", "&OLE", CommandRule::Window);
    ole->setVisible(false);
}

void MainWindow::createViewMenu()
{
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    using R = CommandRule;
    m_toolbarsMenu = view->addMenu(QStringLiteral("&Toolbars"));
    m_toolbarsMenu->setObjectName(QStringLiteral("ToolbarsMI"));
    view->addSeparator();
    connect(addCommand(view, "ZoomInMI", "Zoom &In", R::Window, QKeySequence(Qt::CTRL | Qt::Key_Equal)),
            &QAction::triggered, this, [this] { zoomBy(kZoomStep); });
    connect(addCommand(view, "ZoomOutMI", "Zoom &Out", R::Window, QKeySequence(Qt::CTRL | Qt::Key_Minus)),
            &QAction::triggered, this, [this] { zoomBy(-kZoomStep); });
    connect(addCommand(nullptr, "ZoomBtnAction", "Zoom to Selected Level", R::Window), &QAction::triggered, this,
            &MainWindow::zoomToListed);
    view->addSeparator();
    addCommand(view, "TwainMI", "TWAIN Source Manager...", R::Scanner);
    addCommand(view, "PersonalDatabasesMI", "&Personal Databases...", R::Always);
    connect(addCommand(view, "OptionsMI", "O&ptions...", R::Always), &QAction::triggered, this,
            &MainWindow::optionsCommand);
}

void MainWindow::createWindowMenu()
{
    m_windowMenu = menuBar()->addMenu(QStringLiteral("&Window"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
    using R = CommandRule;
    connect(addCommand(nullptr, "TileMI", "&Tile", R::Window), &QAction::triggered, m_mdiArea,
            &QMdiArea::tileSubWindows);
    connect(addCommand(nullptr, "CascadeMI", "&Cascade", R::Window), &QAction::triggered, m_mdiArea,
            &QMdiArea::cascadeSubWindows);
    connect(addCommand(nullptr, "ArrangeIconsMI", "&Arrange Icons", R::Window), &QAction::triggered, this,
            &MainWindow::arrangeIcons);
    connect(addCommand(nullptr, "CloseAllMI", "C&lose All", R::Window), &QAction::triggered, this,
            &MainWindow::closeAllCommand);
    fillWindowMenu();
}

void MainWindow::createHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    using R = CommandRule;
    connect(addCommand(help, "HelpTopicsMI", "&Help Topics", R::Always, QKeySequence::HelpContents),
            &QAction::triggered, this, [] {
                if (!openUserGuide())
                    Messages::error(ShellTexts::GuideMissing);
            });
    connect(addCommand(help, "HomePageMI", AppInfo::productTitle() + ShellTexts::HomePageSuffix, R::Always),
            &QAction::triggered, this, [] { QDesktopServices::openUrl(QUrl(AppInfo::homePageUrl())); });
    connect(addCommand(help, "SupportMI", "&Support...", R::Always), &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(AppInfo::supportUrl())); });
    help->addSeparator();
    connect(addCommand(help, "AboutMI", "&About", R::Always), &QAction::triggered, this, [this] {
        QMessageBox::about(this, AppInfo::productTitle(),
                           AppInfo::productTitle() + QStringLiteral(" ") + AppInfo::version());
    });
}

void MainWindow::createToolBars()
{
    m_mainBar = new QToolBar(QStringLiteral("Main"), this);
    m_mainBar->setObjectName(QStringLiteral("MainBar"));
    addButton(m_mainBar, command("NewMI"), "NewBtn", "New", "document-new");
    addButton(m_mainBar, command("OpenMI"), "OpenBtn", "Open", "document-open");
    addButton(m_mainBar, command("SaveMI"), "SaveBtn", "Save", "document-save");
    m_mainBar->addSeparator();
    addButton(m_mainBar, command("PrintMI"), "PrintBtn", "Print", "document-print");
    addButton(m_mainBar, command("PrintPreviewMI"), "PrintPreviewBtn", "Print Preview", "document-print-preview");
    m_mainBar->addSeparator();
    addButton(m_mainBar, command("UndoMI"), "UndoBtn", "Undo", "edit-undo");
    addButton(m_mainBar, command("RedoMI"), "RedoBtn", "Redo", "edit-redo");
    m_mainBar->addSeparator();
    addButton(m_mainBar, command("CutMI"), "CutBtn", "Cut", "edit-cut");
    addButton(m_mainBar, command("CopyMI"), "CopyBtn", "Copy", "edit-copy");
    addButton(m_mainBar, command("PasteMI"), "PasteBtn", "Paste", "edit-paste");
    m_mainBar->addSeparator();
    addButton(m_mainBar, command("BackgroundMI"), "BackgroundBtn", "Background", "stickwell-background");
    m_mainBar->addSeparator();
    addButton(m_mainBar, command("PersonalDatabasesMI"), "PersonalDatabaseBtn", "Personal Databases",
              "stickwell-personal-databases");
    addToolBar(Qt::TopToolBarArea, m_mainBar);

    m_zoomBar = new QToolBar(QStringLiteral("Zoom"), this);
    m_zoomBar->setObjectName(QStringLiteral("ZoomBar"));
    addButton(m_zoomBar, command("ZoomInMI"), "ZoomInBtn", "Zoom In", "zoom-in");
    addButton(m_zoomBar, command("ZoomOutMI"), "ZoomOutBtn", "Zoom Out", "zoom-out");
    m_zoomBar->addSeparator();
    m_zoomCombo = new QComboBox(m_zoomBar);
    m_zoomCombo->setObjectName(QStringLiteral("ZoomCombo"));
    m_zoomCombo->setEditable(true);
    m_zoomCombo->setInsertPolicy(QComboBox::NoInsert);
    m_zoomCombo->setFixedWidth(kZoomListWidth);
    m_zoomCombo->setToolTip(ShellTexts::ZoomHint);
    for (int zoom : zoomListValues())
        m_zoomCombo->addItem(QString::number(zoom));
    m_zoomCombo->setCurrentIndex(-1);
    m_zoomBar->addWidget(m_zoomCombo);
    addButton(m_zoomBar, command("ZoomBtnAction"), "ZoomBtn", "Zoom to Selected Level", "zoom-fit-best");
    addToolBar(Qt::TopToolBarArea, m_zoomBar);

    m_toolsBar = new QToolBar(QStringLiteral("Tools"), this);
    m_toolsBar->setObjectName(QStringLiteral("ToolsBar"));
    for (const ToolCommand& entry : kToolCommands)
        addButton(m_toolsBar, command(entry.action), entry.button, entry.hint, entry.icon);
    addToolBar(Qt::LeftToolBarArea, m_toolsBar);

    m_alignmentBar = new QToolBar(QStringLiteral("Alignment"), this);
    m_alignmentBar->setObjectName(QStringLiteral("AlignmentBar"));
    for (const AlignButton& entry : kAlignButtons) {
        if (!entry.button) {
            m_alignmentBar->addSeparator();
            continue;
        }
        QAction* action = addCommand(nullptr, QString::fromLatin1(entry.button) + QStringLiteral("Action"),
                                     entry.hint, entry.group ? CommandRule::GroupSelected : CommandRule::Selected);
        addButton(m_alignmentBar, action, entry.button, entry.hint, entry.icon);
    }
    m_alignmentBar->addSeparator();
    addButton(m_alignmentBar, command("BringToFrontMI"), "BringtoFrontBtn", "Bring To Front",
              "stickwell-bring-to-front");
    addButton(m_alignmentBar, command("SendToBackMI"), "SendtoBackBtn", "Send To Back", "stickwell-send-to-back");
    addToolBar(Qt::BottomToolBarArea, m_alignmentBar);

    m_regionsBar = new QToolBar(ShellTexts::RegionBar, this);
    m_regionsBar->setObjectName(QStringLiteral("RegionsBar"));
    m_regionCombo = new QComboBox(m_regionsBar);
    m_regionCombo->setObjectName(QStringLiteral("RegionCombo"));
    m_regionCombo->setFixedWidth(kRegionListWidth);
    m_regionsBar->addWidget(m_regionCombo);
    addToolBar(Qt::BottomToolBarArea, m_regionsBar);
    connect(m_regionCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        DesignWindow* window = activeDesignWindow();
        if (m_activating || !window || index < 0 || index == window->document().regionIndex())
            return;
        // The editor's changed() redraws the card and its lists; a region that
        // did not come up leaves the list on the one still shown.
        if (!window->document().showRegion(index))
            rebuildRegionList();
        enableCommands();
    });

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

void MainWindow::createPropertyDock()
{
    m_propertyEditor = new QDockWidget(ShellTexts::PropertyEditor, this);
    m_propertyEditor->setObjectName(QStringLiteral("PropertyEditor"));
    auto* content = new QWidget(m_propertyEditor);
    auto* layout = new QVBoxLayout(content);
    m_objectCombo = new QComboBox(content);
    m_objectCombo->setObjectName(QStringLiteral("ObjectCombo"));
    layout->addWidget(m_objectCombo);
    m_pages = new QTabWidget(content);
    m_pages->setObjectName(QStringLiteral("PropertyEditorPageControl"));
    layout->addWidget(m_pages, 1);
    layout->addStretch();
    m_propertyEditor->setWidget(content);
    m_propertyEditor->setMinimumWidth(220);
    addDockWidget(Qt::RightDockWidgetArea, m_propertyEditor);
    connect(m_objectCombo, &QComboBox::activated, this, [this](int index) {
        DesignWindow* window = activeDesignWindow();
        if (!window)
            return;
        auto* object = static_cast<DesignObject*>(m_objectCombo->itemData(index).value<void*>());
        window->surface().selectOnly(window->document().editor.card().contains(object) ? object : nullptr);
        enableCommands();
    });
}

void MainWindow::createStatusBar()
{
    const int widths[3] = {75, 75, 50};
    for (int i = 0; i < 3; ++i) {
        m_statusPanels[i] = new QLabel(statusBar());
        m_statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_statusPanels[i]->setMinimumWidth(widths[i]);
        m_statusPanels[i]->setFrameShape(QFrame::Panel);
        m_statusPanels[i]->setFrameShadow(QFrame::Sunken);
        if (i < 2)
            m_statusPanels[i]->setAlignment(Qt::AlignCenter);
        // The layout name is longer than its panel's width: it takes the rest of the bar.
        statusBar()->addWidget(m_statusPanels[i], i == 2 ? 1 : 0);
    }
}

QLabel* MainWindow::statusPanel(int index) const { return index >= 0 && index < 3 ? m_statusPanels[index] : nullptr; }

void MainWindow::createObjectPopup()
{
    m_objectPopup = new QMenu(this);
    m_objectPopup->setObjectName(QStringLiteral("ObjectPopup"));
    // Pop-up items are their menu namesakes, so they share their state.
    QMenu* align = m_objectPopup->addMenu(QStringLiteral("Align"));
    const std::pair<const char*, const char*> alignItems[] = {
        {"AlignMI", "Align..."},           {"AlignSelectedToGridMI", "Align Selected To Grid"},
        {"AlignAllToGridMI", "Align All To Grid"}, {"FitToMarginsMI", "Fit To Margins"},
        {"BringToFrontMI", "Bring To Front"}, {"SendToBackMI", "Send To Back"}};
    const std::pair<const char*, const char*> items[] = {
        {"UndoMI", "Undo"},     {"RedoMI", "Redo"},          {"CutMI", "Cut"},
        {"CopyMI", "Copy"},     {"PasteMI", "Paste"},        {"DeleteMI", "Delete"},
        {"SelectAllMI", "Select All"}, {"SelectNoneMI", "Select None"}, {"PropertiesMI", "Properties..."}};
    const auto addItem = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* source = command(QString::fromLatin1(name));
        QAction* item = menu->addAction(QString::fromLatin1(caption), source, &QAction::trigger);
        item->setObjectName(QString::fromLatin1(name).replace(QStringLiteral("MI"), QStringLiteral("PI")));
        m_rules.insert(item, m_rules.value(source));
    };
    for (const auto& [name, caption] : alignItems)
        addItem(align, name, caption);
    for (const auto& [name, caption] : items)
        addItem(m_objectPopup, name, caption);
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
    context.scannerAvailable = Hooks::scannerAvailable() && Hooks::scannerAvailable()();
    for (auto it = m_rules.cbegin(); it != m_rules.cend(); ++it)
        it.key()->setEnabled(ruleHolds(it.value(), context));
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
    surface.pictureSource = [this]() { return Hooks::choosePictureOrFile(this, Picture()); };
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
    connect(&surface, &DesignSurface::toolChanged, this, [this](Tool tool) {
        for (auto it = m_toolOfAction.cbegin(); it != m_toolOfAction.cend(); ++it)
            if (it.value() == tool)
                it.key()->setChecked(true);
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

void MainWindow::showActiveWindowState()
{
    DesignWindow* window = activeDesignWindow();
    if (!window)
        return;
    m_activating = true;
    showZoom(window->surface().zoom());
    m_statusPanels[2]->setText(layoutShownName(window->document().layout()));
    rebuildRegionList();
    rebuildObjectList();
    m_activating = false;
}

void MainWindow::rebuildObjectList()
{
    DesignWindow* window = activeDesignWindow();
    m_objectCombo->clear();
    if (!window)
        return;
    const DesignEditor& editor = window->document().editor;
    QList<DesignObject*> objects;
    for (const auto& object : editor.card().objects())
        objects.append(object.get());
    std::sort(objects.begin(), objects.end(),
              [](const DesignObject* a, const DesignObject* b) { return a->name < b->name; });
    for (DesignObject* object : objects)
        m_objectCombo->addItem(object->name, QVariant::fromValue(static_cast<void*>(object)));
    const auto& selection = editor.selection();
    const int selected =
        selection.size() == 1 ? m_objectCombo->findData(QVariant::fromValue(static_cast<void*>(selection.front()))) : -1;
    m_objectCombo->setCurrentIndex(selected);
}

void MainWindow::rebuildRegionList()
{
    DesignWindow* window = activeDesignWindow();
    const bool wasActivating = m_activating;
    m_activating = true;
    m_regionCombo->clear();
    if (window) {
        m_regionCombo->addItems(window->document().regionCaptions());
        m_regionCombo->setCurrentIndex(window->document().regionIndex());
    }
    m_activating = wasActivating;
}

void MainWindow::showZoom(int zoom)
{
    m_zoomCombo->setEditText(QString::number(zoom));
    m_statusPanels[1]->setText(QString::number(zoom) + QLatin1Char('%'));
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

void MainWindow::addToRecent(const QString& path)
{
    m_recentFiles.add(path);
    fillRecentMenu();
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

// ---- editing commands -----------------------------------------------------

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

void MainWindow::undoCommand()
{
    if (onTextBox(focusedTextBox(), [](auto* box) { box->undo(); }))
        return;
    // The editor's changed() brings the card, the lists and the commands up to date.
    if (DesignWindow* window = activeDesignWindow())
        window->document().editor.undo();
}

void MainWindow::redoCommand()
{
    if (DesignWindow* window = activeDesignWindow())
        window->document().editor.redo();
}

void MainWindow::copyCommand()
{
    if (onTextBox(focusedTextBox(), [](auto* box) { box->copy(); }))
        return;
    if (DesignWindow* window = activeDesignWindow())
        copyObjects(window->document().editor, *m_clipboard);
    clipboardChanged();
}

void MainWindow::cutCommand()
{
    if (onTextBox(focusedTextBox(), [](auto* box) { box->cut(); }))
        return;
    if (!activeDesignWindow() || !passesProtection(ProtectionKind::DesignChange))
        return;
    cutObjects(activeDesignWindow()->document().editor, *m_clipboard);
    clipboardChanged();
}

void MainWindow::pasteCommand()
{
    if (onTextBox(focusedTextBox(), [](auto* box) { box->paste(); }))
        return;
    if (!activeDesignWindow() || !passesProtection(ProtectionKind::DesignChange))
        return;
    DesignWindow* window = activeDesignWindow();
    pasteObjects(window->document().editor, *m_clipboard);
    // The pasted objects come selected.
    window->surface().selectionChangedOutside();
}

void MainWindow::deleteCommand()
{
    if (!activeDesignWindow() || !passesProtection(ProtectionKind::DesignChange))
        return;
    deleteObjects(activeDesignWindow()->document().editor, Options::current().promptOnDelete);
}

void MainWindow::selectAllCommand()
{
    if (DesignWindow* window = activeDesignWindow())
        window->surface().selectAll();
    enableCommands();
}

void MainWindow::selectNoneCommand()
{
    if (DesignWindow* window = activeDesignWindow())
        window->surface().selectNone();
    enableCommands();
}

void MainWindow::propertiesCommand()
{
    m_propertyEditor->show();
    m_propertyEditor->raise();
    m_pages->setFocus();
}

void MainWindow::bringSelectionToFront() { restackSelection(true); }

void MainWindow::sendSelectionToBack() { restackSelection(false); }

void MainWindow::restackSelection(bool toFront)
{
    DesignWindow* window = activeDesignWindow();
    if (!window || !passesProtection(ProtectionKind::DesignChange))
        return;
    // A locked selection keeps its place in the stack.
    if (window->surface().selectionLocked())
        return;
    DesignEditor& editor = window->document().editor;
    toFront ? editor.bringToFront(editor.selection()) : editor.sendToBack(editor.selection());
}

void MainWindow::chooseTool(Tool tool)
{
    DesignWindow* window = activeDesignWindow();
    if (!window)
        return;
    window->surface().selectNone();
    if (tool != Tool::Select && !passesProtection(ProtectionKind::DesignChange))
        tool = Tool::Select;
    window->surface().setActiveTool(tool);
    for (auto it = m_toolOfAction.cbegin(); it != m_toolOfAction.cend(); ++it)
        if (it.value() == tool)
            it.key()->setChecked(true);
    enableCommands();
}

// ---- zoom -----------------------------------------------------------------

void MainWindow::zoomBy(int step)
{
    if (DesignWindow* window = activeDesignWindow())
        showZoom(window->surface().setZoom(step, true));
    enableCommands();
}

void MainWindow::zoomToListed()
{
    DesignWindow* window = activeDesignWindow();
    if (!window)
        return;
    bool isNumber = false;
    const int zoom = m_zoomCombo->currentText().trimmed().toInt(&isNumber);
    if (!isNumber || zoom < 25)
        return;
    showZoom(window->surface().setZoom(zoom, false));
    enableCommands();
}

// ---- options --------------------------------------------------------------

void MainWindow::optionsCommand()
{
    if (editOptions(this))
        applyOptionsToWindows();
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
            command(QStringLiteral("NewMI"))->trigger();
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

namespace {
const std::pair<Qt::DockWidgetArea, const char*> kDockNames[] = {
    {Qt::TopDockWidgetArea, "TopDock"},
    {Qt::LeftDockWidgetArea, "LeftDock"},
    {Qt::BottomDockWidgetArea, "BottomDock"},
    {Qt::RightDockWidgetArea, "RightDock"},
};

QString dockName(Qt::DockWidgetArea area)
{
    for (const auto& [dock, name] : kDockNames)
        if (dock == area)
            return QString::fromLatin1(name);
    return QString::fromLatin1(BarPlacement::kFloating);
}

std::optional<Qt::DockWidgetArea> dockArea(const QString& name)
{
    for (const auto& [dock, dockName] : kDockNames)
        if (name == QLatin1String(dockName))
            return dock;
    return std::nullopt;
}
} // namespace

void MainWindow::storeLayout()
{
    SettingsStore& store = SettingsStore::instance();
    for (QWidget* widget : dockables()) {
        BarPlacement bar;
        bar.visible = widget->isVisible() || (!isVisible() && !widget->isHidden());
        const bool floating = widget->isWindow();
        Qt::DockWidgetArea area = Qt::NoDockWidgetArea;
        if (auto* toolBar = qobject_cast<QToolBar*>(widget))
            area = Qt::DockWidgetArea(int(toolBarArea(toolBar)));
        else if (auto* dock = qobject_cast<QDockWidget*>(widget))
            area = dockWidgetArea(dock);
        bar.lastDock = dockName(area);
        bar.dockedTo = floating ? QString::fromLatin1(BarPlacement::kFloating) : bar.lastDock;
        const bool horizontal = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
        bar.dockRow = horizontal ? widget->y() : widget->x();
        bar.dockPos = horizontal ? widget->x() : widget->y();
        bar.floatLeft = widget->mapToGlobal(QPoint()).x();
        bar.floatTop = widget->mapToGlobal(QPoint()).y();
        bar.save(store, widget->objectName());
    }
    m_recentFiles.save(store);
    WindowPlacement placement;
    placement.normal = isMaximized() ? normalGeometry() : geometry();
    placement.maximized = isMaximized();
    placement.save(store);
    store.sync();
}

void MainWindow::restoreLayout()
{
    const SettingsStore& store = SettingsStore::instance();
    for (QWidget* widget : dockables()) {
        const auto bar = BarPlacement::load(store, widget->objectName());
        if (!bar)
            continue;
        widget->setVisible(bar->visible);
        const auto area = dockArea(bar->dockedTo == QLatin1String(BarPlacement::kFloating) ? bar->lastDock
                                                                                            : bar->dockedTo);
        if (auto* toolBar = qobject_cast<QToolBar*>(widget); toolBar && area)
            addToolBar(Qt::ToolBarArea(int(*area)), toolBar);
        if (auto* dock = qobject_cast<QDockWidget*>(widget)) {
            if (area)
                addDockWidget(*area, dock);
            if (bar->dockedTo == QLatin1String(BarPlacement::kFloating)) {
                dock->setFloating(true);
                dock->move(bar->floatLeft, bar->floatTop);
            }
        }
    }
    const auto placement = WindowPlacement::load(store);
    QScreen* screen = QApplication::primaryScreen();
    if (placement && screen) {
        if (const auto rect = placementWithin(placement->normal, screen->availableGeometry()))
            setGeometry(*rect);
        if (placement->maximized)
            setWindowState(windowState() | Qt::WindowMaximized);
    }
}
