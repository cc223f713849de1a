#pragma once
// The frame window: design windows in the middle, the menus, the five
// toolbars, the property editor dock and the status bar. It lays out the
// menus and toolbars and carries out only its own commands (files, windows,
// options, help); the window families declare theirs in its CommandHost
// (src/ui/Features.cpp) and reach each other through its FamilyServices.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "ui/shell/CommandHost.h"
#include "ui/shell/FamilyServices.h"
#include "ui/shell/RecentFiles.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTabWidget;
class QToolBar;
class QDockWidget;
class ClipboardPort;
class DesignWindow;
class DesignDocument;
struct LayoutRecord;
enum class ProtectionKind;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The frame alone; installFeatures (src/ui/Features.h) adds the families.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a design or template by name (command line, dropped files,
    // a second start, recent files, the Open dialog). An open one comes to the front.
    void openDesignPath(const QString& path, bool addToRecent);
    // A blank design on the default layout, or on the given one.
    DesignWindow* newBlankDesign();
    DesignWindow* newBlankDesign(const LayoutRecord& layout);
    // Shows the active window's zoom, layout name, regions and objects.
    void showActiveWindowState();
    // Files dropped onto the window, opened in the order given.
    void openDroppedFiles(const QStringList& paths);
    DesignWindow* activeDesignWindow() const;
    QList<DesignWindow*> designWindows() const;

    // Files named on the command line, opened when the window is first shown.
    void setStartupFiles(const QStringList& files) { m_startupFiles = files; }
    // Without files, a new design is started when the window is first shown
    // (if the options say so); pictures of the window turn that off.
    void setNewDesignAtStart(bool on) { m_newDesignAtStart = on; }

    // The command table every family declares its commands in.
    CommandHost& commands() { return *m_commands; }
    void enableCommands();
    QAction* command(const QString& objectName) const { return m_commands->command(objectName); }
    // A further handler for a declared command (CommandHost::onCommand).
    void onCommand(const char* objectName, std::function<void()> run)
    {
        m_commands->onCommand(objectName, std::move(run));
    }
    // What the families offer each other.
    FamilyServices& services() { return m_services; }
    const FamilyServices& services() const { return m_services; }

    const RecentFiles& recentFiles() const { return m_recentFiles; }
    QMenu* objectPopup() const { return m_objectPopup; }
    QComboBox* zoomCombo() const { return m_zoomCombo; }
    QLabel* statusPanel(int index) const;
    // The zoom list and its status panel show this zoom.
    void showZoom(int zoom);

    // Where the password and the Open dialog's file come from, and the
    // clipboard used; tests replace them.
    std::function<std::optional<QString>()> askPassword;
    std::function<QString()> chooseOpenFile;
    void setClipboard(ClipboardPort* clipboard);
    ClipboardPort& clipboard() const { return *m_clipboard; }
    // The clipboard changed (or was written): Paste follows what it holds.
    void clipboardChanged();

    // The active window passes the protection check (asking for the password when needed).
    bool passesProtection(ProtectionKind kind);

    // Stores the toolbar layout, recent files and window placement.
    void saveSessionState() { storeLayout(); }

    // Pushes the current options to every open design window.
    void applyOptionsToWindows();

    // For the window families: a document made elsewhere (the design wizard,
    // a layout switch) gets its window here; the number of the next
    // "Untitled n" is taken once.
    DesignWindow* addDesignWindow(std::unique_ptr<DesignDocument> document);
    int takeUntitledNumber() { return m_untitledCounter++; }
    // After a command changed the active document past its editor (a print
    // run, a linked source, a layout): the title and the command states
    // follow. Edits through the editor need no call: its changed() does it.
    void afterDesignChange();
    QDockWidget* propertyDock() const { return m_propertyEditor; }
    QTabWidget* propertyPages() const { return m_pages; }
    QComboBox* objectCombo() const { return m_objectCombo; }
    QComboBox* regionCombo() const { return m_regionCombo; }

signals:
    void designWindowOpened(DesignWindow* window);
    // The active design window changed (null: none is left).
    void activeDesignWindowChanged(DesignWindow* window);

public slots:
    void bringToFront();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void createToolBars();
    // The frame's panels and lists (FramePanels.cpp).
    void createRegionsBar();
    void createPropertyDock();
    void createStatusBar();
    void createObjectPopup();
    // The frame's own commands (FrameCommands.cpp).
    void addFrameCommands();
    void addWindowCommands();
    void addHelpCommands();

    void connectDesignWindow(DesignWindow* window);
    void onSubWindowActivated(QMdiSubWindow* subWindow);
    void rebuildObjectList();
    void rebuildRegionList();
    void fillRecentMenu();
    void fillWindowMenu();
    void addToRecent(const QString& path);

    void openCommand();
    void saveCommand(bool saveAs);
    void optionsCommand();
    void closeAllCommand();
    void arrangeIcons();

    void restoreLayout();
    void storeLayout();
    QList<QWidget*> dockables() const;

    QMdiArea* m_mdiArea = nullptr;
    CommandHost* m_commands = nullptr;
    FamilyServices m_services;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_toolbarsMenu = nullptr;
    QMenu* m_objectPopup = nullptr;
    QToolBar* m_mainBar = nullptr;
    QToolBar* m_zoomBar = nullptr;
    QToolBar* m_toolsBar = nullptr;
    QToolBar* m_alignmentBar = nullptr;
    QToolBar* m_regionsBar = nullptr;
    QDockWidget* m_propertyEditor = nullptr;
    QComboBox* m_objectCombo = nullptr;
    QTabWidget* m_pages = nullptr;
    QComboBox* m_regionCombo = nullptr;
    QComboBox* m_zoomCombo = nullptr;
    QLabel* m_statusPanels[3] = {};
    RecentFiles m_recentFiles;
    QStringList m_startupFiles;
    bool m_shownOnce = false;
    bool m_newDesignAtStart = true;
    bool m_activating = false;  // changes of the region list are ignored meanwhile
    int m_untitledCounter = 1;
    ClipboardPort* m_clipboard = nullptr;
    bool m_clipboardHasPaste = false;
};
