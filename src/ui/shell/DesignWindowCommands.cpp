// The Tool menu and the zoom commands: they act on the active design
// window's surface, with their toolbar buttons.

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <memory>
#include <vector>

#include "ui/designwindow/DesignSurface.h"
#include "ui/shell/CommandHost.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/DesignWindowCommands.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/ProtectionCheck.h"

namespace {

constexpr int kZoomStep = 10;
constexpr int kSmallestZoom = 25;

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

using ToolActions = std::vector<std::pair<Tool, QAction*>>;

void checkTool(const ToolActions& actions, Tool tool)
{
    for (const auto& [each, action] : actions)
        if (each == tool)
            action->setChecked(true);
}

void chooseTool(MainWindow& window, const ToolActions& actions, Tool tool)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design)
        return;
    design->surface().selectNone();
    if (tool != Tool::Select && !window.passesProtection(ProtectionKind::DesignChange))
        tool = Tool::Select;
    design->surface().setActiveTool(tool);
    checkTool(actions, tool);
    window.enableCommands();
}

void zoomBy(MainWindow& window, int step)
{
    if (DesignWindow* design = window.activeDesignWindow())
        window.showZoom(design->surface().setZoom(step, true));
    window.enableCommands();
}

void zoomToListed(MainWindow& window)
{
    DesignWindow* design = window.activeDesignWindow();
    if (!design)
        return;
    bool isNumber = false;
    const int zoom = window.zoomCombo()->currentText().trimmed().toInt(&isNumber);
    if (!isNumber || zoom < kSmallestZoom)
        return;
    window.showZoom(design->surface().setZoom(zoom, false));
    window.enableCommands();
}

void installTools(MainWindow& window)
{
    CommandHost& commands = window.commands();
    auto actions = std::make_shared<ToolActions>();
    auto* group = new QActionGroup(&window);
    group->setExclusive(true);
    MainWindow* w = &window;
    int order = 10;
    for (const ToolCommand& entry : kToolCommands) {
        const Tool tool = entry.tool;
        QAction* action = commands.add({.name = entry.action, .caption = QString::fromLatin1(entry.caption),
                                        .rule = CommandRule::Window, .menu = {Menu::Tool, order},
                                        .button = {Bar::Tools, order, entry.button, entry.hint, entry.icon},
                                        .run = [w, actions, tool] { chooseTool(*w, *actions, tool); }});
        order += 10;
        action->setCheckable(true);
        group->addAction(action);
        actions->emplace_back(tool, action);
    }
    checkTool(*actions, Tool::Select);
    // A hidden tool that does nothing, kept so stored toolbars find it.
    commands.add({.name = "OLEMI", .caption = "&OLE", .rule = CommandRule::Window, .menu = {Menu::Tool, order},
                  .run = [] {}})
        ->setVisible(false);
    // A surface that changes its own tool (after placing an object) shows it here.
    QObject::connect(&window, &MainWindow::designWindowOpened, &window, [w, actions](DesignWindow* design) {
        QObject::connect(&design->surface(), &DesignSurface::toolChanged, w,
                         [actions](Tool tool) { checkTool(*actions, tool); });
    });
}

} // namespace

void installDesignWindowCommands(MainWindow& window)
{
    installTools(window);
    using R = CommandRule;
    MainWindow* w = &window;
    CommandHost& commands = window.commands();
    commands.add({.name = "ZoomInMI", .caption = "Zoom &In", .rule = R::Window,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Equal), .menu = {Menu::View, 110},
                  .button = {Bar::Zoom, 10, "ZoomInBtn", "Zoom In", "zoom-in"}, .run = [w] { zoomBy(*w, kZoomStep); }});
    commands.add({.name = "ZoomOutMI", .caption = "Zoom &Out", .rule = R::Window,
                  .shortcut = QKeySequence(Qt::CTRL | Qt::Key_Minus), .menu = {Menu::View, 120},
                  .button = {Bar::Zoom, 20, "ZoomOutBtn", "Zoom Out", "zoom-out"},
                  .run = [w] { zoomBy(*w, -kZoomStep); }});
    commands.add({.name = "ZoomBtnAction", .caption = "Zoom to Selected Level", .rule = R::Window,
                  .button = {Bar::Zoom, 120, "ZoomBtn", "Zoom to Selected Level", "zoom-fit-best"},
                  .run = [w] { zoomToListed(*w); }});
}
