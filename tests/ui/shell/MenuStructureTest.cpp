// The menus, toolbars and pop-up exactly as users see them: captions,
// shortcuts, object names, order, separators, buttons, icons and which
// commands are enabled. Families declare their own commands, so this is what
// shows that none moved, went missing or changed its rule.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWidgetAction>

#include "TestSupport.h"
#include "system/Clipboard.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/icons/Icons.h"
#include "ui/shell/DesignWindow.h"
#include "shell/ProgramWindow.h"

namespace {

// Each icon of the set, told apart by its picture.
QString iconName(const QIcon& icon)
{
    if (icon.isNull())
        return QStringLiteral("-");
    const QImage shown = icon.pixmap(24).toImage();
    for (const QString& file : QDir(QStringLiteral(":/stickwell/icons")).entryList({QStringLiteral("*.svg")})) {
        const QString name = file.chopped(4);
        if (stickwellIcon(name).pixmap(24).toImage() == shown)
            return name;
    }
    return QStringLiteral("?");
}

void dumpMenu(const QMenu& menu, const QString& indent, QString& out)
{
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            out += indent + QStringLiteral("---\n");
            continue;
        }
        QStringList fields{action->menu() ? action->menu()->objectName() : action->objectName(), action->text()};
        if (!action->shortcut().isEmpty())
            fields << action->shortcut().toString(QKeySequence::PortableText);
        if (!action->isVisible())
            fields << QStringLiteral("hidden");
        if (action->isCheckable())
            fields << (action->isChecked() ? QStringLiteral("checked") : QStringLiteral("checkable"));
        // The scanner is found in the background, whenever the search ends.
        if (!action->isEnabled() && action->objectName() != QLatin1String("TwainMI"))
            fields << QStringLiteral("off");
        out += indent + fields.join(QStringLiteral(" | ")) + QLatin1Char('\n');
        // Re-Open lists whatever earlier runs saved.
        if (action->menu() && action->menu()->objectName() != QLatin1String("ReopenMI"))
            dumpMenu(*action->menu(), indent + QStringLiteral("  "), out);
    }
}

QString structureOf(MainWindow& window)
{
    QString out;
    for (QAction* top : window.menuBar()->actions()) {
        out += QStringLiteral("menu ") + top->text() + QLatin1Char('\n');
        dumpMenu(*top->menu(), QStringLiteral("  "), out);
    }
    for (const char* name : {"MainBar", "ZoomBar", "ToolsBar", "AlignmentBar", "RegionsBar"}) {
        auto* bar = window.findChild<QToolBar*>(QLatin1String(name));
        out += QStringLiteral("bar %1 %2 area %3\n").arg(bar->objectName(), bar->windowTitle()).arg(int(window.toolBarArea(bar)));
        for (QAction* action : bar->actions()) {
            if (action->isSeparator()) {
                out += QStringLiteral("  ---\n");
                continue;
            }
            if (auto* widget = qobject_cast<QWidgetAction*>(action)) {
                out += QStringLiteral("  widget ") + widget->defaultWidget()->objectName() + QLatin1Char('\n');
                continue;
            }
            out += QStringLiteral("  %1 | %2 | %3 | %4\n")
                       .arg(action->objectName(), bar->widgetForAction(action)->objectName(), action->toolTip(),
                            iconName(action->icon()));
        }
    }
    out += QStringLiteral("popup ObjectPopup\n");
    dumpMenu(*window.objectPopup(), QStringLiteral("  "), out);
    return out;
}

const char* const kStructure = R"(menu &File
  NewMI | &New... | Ctrl+N
  OpenMI | &Open... | Ctrl+O
  SaveMI | &Save | Ctrl+S | off
  SaveAsMI | Save &As... | off
  SaveAsTemplateMI | Save As &Template... | off
  SaveAsGraphicMI | Save As &Graphic... | off
  ---
  PrinterSetupMI | P&rinter Setup...
  PrintPreviewMI | Print Pre&view | off
  PrintMI | &Print... | Ctrl+P | off
  ---
  EditLayoutsMI | &Edit Layouts...
  EditCurrentLayoutMI | Edit Current La&yout... | off
  SwitchLayoutMI | S&witch to Different Layout... | off
  SetProtectionPasswordMI | Set Protection Pass&word... | hidden | off
  ---
  ReopenMI | &Re-Open
  ---
  CloseMI | &Close | off
  ExitMI | E&xit
menu &Edit
  UndoMI | &Undo | Ctrl+Z | off
  RedoMI | &Redo | Ctrl+Shift+Z | off
  ---
  CutMI | Cu&t | Ctrl+X | off
  CopyMI | &Copy | Ctrl+C | off
  PasteMI | &Paste | Ctrl+V | off
  DeleteMI | &Delete | Ctrl+Del | off
  ---
  SelectAllMI | Select A&ll | Ctrl+A | off
  SelectNoneMI | Select &None | Esc | off
  ---
  PropertiesMI | Pr&operties... | Ctrl+Shift+P | off
  BackgroundMI | &Background... | off
  LinkedDatabaseMI | &Linked Database... | off
menu &Alignment
  MarginsMI | &Margins... | Ctrl+M | off
  ---
  AlignMI | &Align... | off
  AlignSelectedToGridMI | Align Selected to &Grid | Ctrl+G | off
  AlignAllToGridMI | Align A&ll to Grid | off
  ---
  BringToFrontMI | Bring to &Front | off
  SendToBackMI | Send to &Back | off
  ---
  FitToMarginsMI | F&it to Margins | off
menu &Tool
  SelectMI | &Select | checked | off
  TextMI | &Text | checkable | off
  BarCodeMI | B&ar Code | checkable | off
  ArcTextMI | Arc Te&xt | checkable | off
  GraphicMI | &Graphic | checkable | off
  LineMI | &Line | checkable | off
  BoxMI | &Box | checkable | off
  RoundBoxMI | &Round Box | checkable | off
  EllipseMI | &Ellipse | checkable | off
  OLEMI | &OLE | hidden | off
menu &View
  ToolbarsMI | &Toolbars
    MainBarMI | &Main | checkable
    ToolsBarMI | Tools | checkable
    AlignmentBarMI | &Alignment | checkable
    RegionsBarMI | &Regions | checkable
    ZoomBarMI | &Zoom | checkable
  ---
  ZoomInMI | Zoom &In | Ctrl+= | off
  ZoomOutMI | Zoom &Out | Ctrl+- | off
  ---
  TwainMI | TWAIN Source Manager...
  PersonalDatabasesMI | &Personal Databases...
  OptionsMI | O&ptions...
menu &Window
  TileMI | &Tile | off
  CascadeMI | &Cascade | off
  ArrangeIconsMI | &Arrange Icons | off
  CloseAllMI | C&lose All | off
menu &Help
  HelpTopicsMI | &Help Topics | F1
  HomePageMI | Quillon Stickwell Home Page
  SupportMI | &Support...
  ---
  AboutMI | &About
bar MainBar Main area 4
  NewMI | NewBtn | New | document-new
  OpenMI | OpenBtn | Open | document-open
  SaveMI | SaveBtn | Save | document-save
  ---
  PrintMI | PrintBtn | Print | document-print
  PrintPreviewMI | PrintPreviewBtn | Print Preview | document-print-preview
  ---
  UndoMI | UndoBtn | Undo | edit-undo
  RedoMI | RedoBtn | Redo | edit-redo
  ---
  CutMI | CutBtn | Cut | edit-cut
  CopyMI | CopyBtn | Copy | edit-copy
  PasteMI | PasteBtn | Paste | edit-paste
  ---
  BackgroundMI | BackgroundBtn | Background | stickwell-background
  ---
  PersonalDatabasesMI | PersonalDatabaseBtn | Personal Databases | stickwell-personal-databases
bar ZoomBar Zoom area 4
  ZoomInMI | ZoomInBtn | Zoom In | zoom-in
  ZoomOutMI | ZoomOutBtn | Zoom Out | zoom-out
  ---
  widget ZoomCombo
  ZoomBtnAction | ZoomBtn | Zoom to Selected Level | zoom-fit-best
bar ToolsBar Tools area 1
  SelectMI | SelectBtn | Selection Tool | stickwell-tool-select
  TextMI | TextBtn | Text Tool | stickwell-tool-text
  BarCodeMI | BarCodeBtn | Bar Code Tool | stickwell-tool-barcode
  ArcTextMI | ArcTextBtn | Arc Text Tool | stickwell-tool-arctext
  GraphicMI | GraphicBtn | Graphic Tool | stickwell-tool-graphic
  LineMI | LineBtn | Line Tool | stickwell-tool-line
  BoxMI | BoxBtn | Box Tool | stickwell-tool-box
  RoundBoxMI | RoundBoxBtn | Round Box Tool | stickwell-tool-roundbox
  EllipseMI | EllipseBtn | Ellipse Tool | stickwell-tool-ellipse
bar AlignmentBar Alignment area 8
  AlignLeftBtnAction | AlignLeftBtn | Align Left | stickwell-align-left
  AlignHCenterBtnAction | AlignHCenterBtn | Align Horizontal Center | stickwell-align-hcenter
  AlignRightBtnAction | AlignRightBtn | Align Right | stickwell-align-right
  ---
  AlignTopBtnAction | AlignTopBtn | Align Top | stickwell-align-top
  AlignVCenterBtnAction | AlignVCenterBtn | Align Vertical Center | stickwell-align-vcenter
  AlignBottomBtnAction | AlignBottomBtn | Align Bottom | stickwell-align-bottom
  ---
  AlignGroupLeftBtnAction | AlignGroupLeftBtn | Align Group Left | stickwell-group-left
  AlignGroupHCenterBtnAction | AlignGroupHCenterBtn | Align Group Horizontal Center | stickwell-group-hcenter
  AlignGroupRightBtnAction | AlignGroupRightBtn | Align Group Right | stickwell-group-right
  AlignGroupHSpaceBtnAction | AlignGroupHSpaceBtn | Space Equally Horizontal | stickwell-group-space-h
  ---
  AlignGroupTopBtnAction | AlignGroupTopBtn | Align Group Top | stickwell-group-top
  AlignGroupVCenterBtnAction | AlignGroupVCenterBtn | Align Group Vertical Center | stickwell-group-vcenter
  AlignGroupBottomBtnAction | AlignGroupBottomBtn | Align Group Bottom | stickwell-group-bottom
  AlignGroupVSpaceBtnAction | AlignGroupVSpaceBtn | Space Equally Vertical | stickwell-group-space-v
  ---
  BringToFrontMI | BringtoFrontBtn | Bring To Front | stickwell-bring-to-front
  SendToBackMI | SendtoBackBtn | Send To Back | stickwell-send-to-back
bar RegionsBar Region Bar area 8
  widget RegionCombo
popup ObjectPopup
   | Align
    AlignPI | Align... | off
    AlignSelectedToGridPI | Align Selected To Grid | off
    AlignAllToGridPI | Align All To Grid | off
    FitToMarginsPI | Fit To Margins | off
    BringToFrontPI | Bring To Front | off
    SendToBackPI | Send To Back | off
  UndoPI | Undo | off
  RedoPI | Redo | off
  CutPI | Cut | off
  CopyPI | Copy | off
  PastePI | Paste | off
  DeletePI | Delete | off
  SelectAllPI | Select All | off
  SelectNonePI | Select None | off
  PropertiesPI | Properties... | off
)";

// The commands that are on with a design open and one of its objects selected.
const char* const kEnabledWithOneSelected =
    "AlignAllToGridMI AlignAllToGridPI AlignBottomBtnAction AlignHCenterBtnAction AlignLeftBtnAction AlignMI AlignPI "
    "AlignRightBtnAction AlignSelectedToGridMI AlignSelectedToGridPI AlignTopBtnAction AlignVCenterBtnAction AboutMI "
    "ArcTextMI ArrangeIconsMI BackgroundMI BarCodeMI BoxMI BringToFrontMI BringToFrontPI CascadeMI CloseAllMI CloseMI "
    "CopyMI CopyPI CutMI CutPI DeleteMI DeletePI EditCurrentLayoutMI EditLayoutsMI EllipseMI ExitMI FitToMarginsMI "
    "FitToMarginsPI GraphicMI HelpTopicsMI HomePageMI LineMI LinkedDatabaseMI MarginsMI NewMI OpenMI OptionsMI "
    "PersonalDatabasesMI PrintMI PrintPreviewMI PrinterSetupMI PropertiesMI PropertiesPI RoundBoxMI SaveAsGraphicMI "
    "SaveAsMI SaveAsTemplateMI SelectAllMI SelectAllPI SelectMI SelectNoneMI SelectNonePI SendToBackMI SendToBackPI "
    "SupportMI SwitchLayoutMI TextMI TileMI ZoomBtnAction ZoomInMI ZoomOutMI";

struct MenuStructure : testing::Test {
    QTemporaryDir dir;
    MemoryClipboard clipboard;
    MessageRecorder messages;
    ProgramWindow window;

    MenuStructure()
    {
        window.setClipboard(&clipboard);
        window.enableCommands();
    }
};

} // namespace

TEST_F(MenuStructure, MenusToolbarsAndPopupAreAsUsersKnowThem)
{
    EXPECT_EQ(structureOf(window).toStdString(), std::string(kStructure));
}

TEST_F(MenuStructure, EnablingWithOneObjectSelected)
{
    const QString design = dir.filePath("shapes.lpd");
    QFile::copy(QStringLiteral(STICKWELL_DATA_SOURCE "/examples/shapes-and-text.lpd"), design);
    QFile::setPermissions(design, QFile::ReadOwner | QFile::WriteOwner);
    window.openDesignPath(design, false);
    DesignWindow* active = window.activeDesignWindow();
    ASSERT_NE(active, nullptr);
    active->surface().selectOnly(active->document().editor.card().object(0));
    window.enableCommands();

    QStringList on;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->isEnabled() && !action->objectName().isEmpty() && action->objectName() != QLatin1String("TwainMI") &&
            (action->objectName().endsWith(QLatin1String("MI")) || action->objectName().endsWith(QLatin1String("PI")) ||
             action->objectName().endsWith(QLatin1String("Action"))) &&
            !action->objectName().endsWith(QLatin1String("BarMI")))
            on << action->objectName();
    on.sort();
    on.removeDuplicates();
    QStringList expected = QString::fromLatin1(kEnabledWithOneSelected).split(QLatin1Char(' '));
    expected.sort();
    EXPECT_EQ(on.join(' ').toStdString(), expected.join(' ').toStdString());
}
