#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "TestSupport.h"
#include "base/AppInfo.h"
#include "model/DesignObject.h"
#include "system/Clipboard.h"
#include "ui/designwindow/DesignSurface.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"
#include "shell/ProgramWindow.h"

namespace {

QString exampleDesign(const QString& name) { return QStringLiteral(STICKWELL_DATA_SOURCE "/examples/") + name; }

// A main window over a throwaway folder and an in-memory clipboard.
struct ShellFixture : testing::Test {
    QTemporaryDir dir;
    MemoryClipboard clipboard;
    MessageRecorder messages;
    ProgramWindow window;

    ShellFixture()
    {
        // The address example's linked data travels with it.
        QFile::copy(exampleDesign("addresses.csv"), dir.filePath("addresses.csv"));
        window.setClipboard(&clipboard);
        window.enableCommands();
    }

    QString copyOf(const QString& example, const QString& name)
    {
        const QString target = dir.filePath(name);
        QFile::copy(exampleDesign(example), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }
    bool enabled(const char* name) const { return window.command(QString::fromLatin1(name))->isEnabled(); }
    DesignWindow& active() const { return *window.activeDesignWindow(); }
};

} // namespace

TEST_F(ShellFixture, CaptionCommandsAndBarsAreThere)
{
    EXPECT_EQ(window.windowTitle(), AppInfo::productTitle() + " ");
    struct Command {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } commands[] = {
        {"NewMI", "&New...", QKeySequence("Ctrl+N")},          {"OpenMI", "&Open...", QKeySequence("Ctrl+O")},
        {"SaveMI", "&Save", QKeySequence("Ctrl+S")},           {"PrintMI", "&Print...", QKeySequence("Ctrl+P")},
        {"UndoMI", "&Undo", QKeySequence("Ctrl+Z")},           {"RedoMI", "&Redo", QKeySequence("Shift+Ctrl+Z")},
        {"CutMI", "Cu&t", QKeySequence("Ctrl+X")},             {"CopyMI", "&Copy", QKeySequence("Ctrl+C")},
        {"PasteMI", "&Paste", QKeySequence("Ctrl+V")},         {"DeleteMI", "&Delete", QKeySequence("Ctrl+Del")},
        {"SelectAllMI", "Select A&ll", QKeySequence("Ctrl+A")}, {"SelectNoneMI", "Select &None", QKeySequence("Esc")},
        {"PropertiesMI", "Pr&operties...", QKeySequence("Shift+Ctrl+P")},
        {"MarginsMI", "&Margins...", QKeySequence("Ctrl+M")},
        {"AlignSelectedToGridMI", "Align Selected to &Grid", QKeySequence("Ctrl+G")},
        {"ZoomInMI", "Zoom &In", QKeySequence("Ctrl+=")},      {"ZoomOutMI", "Zoom &Out", QKeySequence("Ctrl+-")},
    };
    for (const Command& c : commands) {
        QAction* action = window.command(c.name);
        ASSERT_NE(action, nullptr) << c.name;
        EXPECT_EQ(action->text(), c.caption);
        EXPECT_EQ(action->shortcut(), c.shortcut) << c.name;
    }
    for (const char* bar : {"MainBar", "ZoomBar", "ToolsBar", "AlignmentBar", "RegionsBar", "PropertyEditor"})
        EXPECT_NE(window.findChild<QWidget*>(bar), nullptr) << bar;
    for (const char* button : {"NewBtn", "PrintPreviewBtn", "PersonalDatabaseBtn", "ZoomBtn", "SelectBtn",
                               "EllipseBtn", "AlignGroupVSpaceBtn", "BringtoFrontBtn", "SendtoBackBtn"})
        EXPECT_NE(window.findChild<QToolButton*>(button), nullptr) << button;
    // No design open: only the window-free commands work.
    EXPECT_TRUE(enabled("NewMI"));
    EXPECT_FALSE(enabled("SaveAsMI"));
    EXPECT_FALSE(enabled("TextMI"));
    EXPECT_FALSE(window.zoomCombo()->isEnabled());
    const QMenu* reopen = window.findChild<QMenu*>("ReopenMI");
    ASSERT_EQ(reopen->actions().size(), 1);
    EXPECT_EQ(reopen->actions().front()->text(), "(none)");
    EXPECT_FALSE(reopen->actions().front()->isEnabled());
}

TEST_F(ShellFixture, EnablingFollowsTheSelection)
{
    window.openDesignPath(copyOf("shapes-and-text.lpd", "shapes.lpd"), false);
    DesignEditor& editor = active().document().editor;
    ASSERT_GE(editor.card().objectCount(), 2);
    const auto* pages = window.findChild<QTabWidget*>("PropertyEditorPageControl");

    active().surface().selectNone();
    window.enableCommands();
    for (const char* name : {"CutMI", "CopyMI", "DeleteMI", "AlignMI", "AlignLeftBtnAction", "PropertiesMI"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(enabled("SelectAllMI"));
    EXPECT_FALSE(pages->isVisibleTo(&window));

    active().surface().selectOnly(editor.card().object(0));
    window.enableCommands();
    for (const char* name : {"CutMI", "CopyMI", "DeleteMI", "AlignMI", "AlignLeftBtnAction", "PropertiesMI",
                             "BringToFrontMI", "FitToMarginsMI"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_FALSE(enabled("AlignGroupLeftBtnAction"));
    EXPECT_TRUE(pages->isVisibleTo(&window));

    active().surface().selectAll();
    window.enableCommands();
    EXPECT_TRUE(enabled("AlignGroupLeftBtnAction"));
    EXPECT_TRUE(enabled("AlignGroupVSpaceBtnAction"));
    EXPECT_FALSE(enabled("PropertiesMI"));
    EXPECT_FALSE(pages->isVisibleTo(&window));

    // Paste needs something to paste; Undo something to undo.
    EXPECT_FALSE(enabled("PasteMI"));
    window.command("CopyMI")->trigger();
    EXPECT_TRUE(enabled("PasteMI"));
    EXPECT_FALSE(enabled("UndoMI"));
    window.command("PasteMI")->trigger();
    EXPECT_TRUE(enabled("UndoMI"));
    EXPECT_TRUE(enabled("SaveMI"));
    // Pop-up items take the state of their menu namesakes.
    for (QAction* item : window.objectPopup()->actions())
        if (item->objectName() == "UndoPI")
            EXPECT_TRUE(item->isEnabled());
}

TEST_F(ShellFixture, OpeningByNameDroppingAndTheSameDesignTwice)
{
    const QString design = copyOf("address-label.lpd", "Address.lpd");
    window.openDesignPath(design, true);
    window.openDesignPath(design.toLower().replace("address.lpd", "ADDRESS.LPD"), true);
    EXPECT_EQ(window.designWindows().size(), 1);
    EXPECT_EQ(window.statusPanel(2)->text(), "Address 1 x 2 5/8 in");
    EXPECT_EQ(window.statusPanel(1)->text(), "100%");
    EXPECT_EQ(window.findChild<QComboBox*>("RegionCombo")->currentText(), "Front");

    // A picture is refused with the message; a template with an upper-case extension opens.
    const QString picture = dir.filePath("photo.jpg");
    QFile(picture).open(QIODevice::WriteOnly);
    const QString templ = copyOf("bar-codes.lpd", "Card.CCT");
    window.openDroppedFiles({picture, templ});
    EXPECT_EQ(messages.texts(), QStringList{"Dropping a file here will open it for editing.\n\nPlease be sure to "
                                            "drop a design file or template and not a graphic or other file."});
    ASSERT_EQ(window.designWindows().size(), 2);
    EXPECT_EQ(active().document().fileName(), templ);
    EXPECT_EQ(window.recentFiles().entries().front().shownName, "Card.CCT");
}

TEST_F(ShellFixture, NewDesignsAreUntitledAndNumbered)
{
    for (int i = 1; i <= 3; ++i)
        ASSERT_NE(window.newBlankDesign(), nullptr);
    EXPECT_EQ(active().windowTitle(), "Untitled 3");
    EXPECT_FALSE(enabled("SaveMI"));
    EXPECT_TRUE(enabled("SaveAsMI"));
    EXPECT_TRUE(enabled("TextMI"));
}

TEST_F(ShellFixture, RecentFilesAfterSixSaves)
{
    ASSERT_NE(window.newBlankDesign(), nullptr);
    QStringList saved;
    for (int i = 1; i <= 6; ++i) {
        const QString path = dir.filePath(QString("design%1.lpd").arg(i));
        active().chooseSaveName = [path] { return path; };
        window.command("SaveAsMI")->trigger();
        saved << path;
    }
    const QMenu* reopen = window.findChild<QMenu*>("ReopenMI");
    QStringList shown;
    for (const QAction* item : reopen->actions())
        shown << item->text();
    EXPECT_EQ(shown, (QStringList{"design6.lpd", "design5.lpd", "design4.lpd", "design3.lpd", "design2.lpd"}));
    active().chooseSaveName = [&] { return saved[2]; };
    window.command("SaveAsMI")->trigger();
    EXPECT_EQ(window.recentFiles().entries().front().path, saved[2]);
    EXPECT_EQ(window.recentFiles().entries().size(), 5);
}

TEST_F(ShellFixture, ZoomListAndButtons)
{
    window.openDesignPath(copyOf("address-label.lpd", "zoom.lpd"), false);
    QComboBox* list = window.zoomCombo();
    EXPECT_EQ(list->count(), 26);
    EXPECT_EQ(list->itemText(12), "350");
    EXPECT_EQ(list->itemText(25), "1000");
    const auto typeAndApply = [&](const QString& text) {
        list->setEditText(text);
        window.command("ZoomBtnAction")->trigger();
        return active().surface().zoom();
    };
    EXPECT_EQ(typeAndApply("30"), 30);
    EXPECT_EQ(typeAndApply("abc"), 30);
    EXPECT_EQ(typeAndApply("20"), 30);
    EXPECT_EQ(typeAndApply("150"), 150);
    EXPECT_EQ(window.statusPanel(1)->text(), "150%");
    window.command("ZoomInMI")->trigger();
    EXPECT_EQ(list->currentText(), "160");
}

TEST_F(ShellFixture, ProtectionCheckBeforeDeleting)
{
    window.openDesignPath(copyOf("shapes-and-text.lpd", "locked.lpd"), false);
    DesignEditor& editor = active().document().editor;
    editor.manager().setPassword("secret");
    Options::current().promptOnDelete = false;
    const int objects = editor.card().objectCount();
    QStringList typed;
    window.askPassword = [&]() -> std::optional<QString> {
        if (typed.isEmpty())
            return std::nullopt;  // Cancel
        return typed.takeFirst();
    };
    const auto deleteFirst = [&] {
        active().surface().selectOnly(editor.card().object(0));
        window.command("DeleteMI")->trigger();
        return editor.card().objectCount();
    };
    EXPECT_EQ(deleteFirst(), objects) << "cancelled";
    typed = {"wrong", "secret"};
    EXPECT_EQ(deleteFirst(), objects - 1);
    EXPECT_EQ(messages.texts(), QStringList{"Invalid Password.\n\nPlease enter the correct password."});
    // The right password stays known to this window.
    EXPECT_EQ(deleteFirst(), objects - 2);
    Options::current().promptOnDelete = true;
}

TEST_F(ShellFixture, SavedDesignsReadBackAndUnchangedSavesAreIdentical)
{
    const QString design = copyOf("address-label.lpd", "same.lpd");
    QFile original(exampleDesign("address-label.lpd"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    window.openDesignPath(design, false);
    active().chooseSaveName = [&] { return design; };
    EXPECT_EQ(active().save(false), design);
    QFile written(design);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), original.readAll());

    // An edit saved from the window is what the command-line program reads.
    DesignEditor& editor = active().document().editor;
    std::unique_ptr<DesignObject> box = editor.manager().makeBox(30, 40);
    box->foreColor = 0x0000FF;
    editor.addObject(std::move(box));
    const QString edited = dir.filePath("edited.lpd");
    active().chooseSaveName = [&] { return edited; };
    window.command("SaveAsMI")->trigger();
    QProcess cli;
    cli.start(STICKWELL_CLI, {"info", edited});
    ASSERT_TRUE(cli.waitForFinished(30000));
    const QByteArray info = cli.readAllStandardOutput();
    EXPECT_TRUE(info.contains("\"kind\":\"B\",\"left\":30,\"top\":40")) << info.constData();
    EXPECT_TRUE(info.contains("\"fore_color\":255"));
}

TEST_F(ShellFixture, ObjectListSelectsAndRegionListSwitches)
{
    window.openDesignPath(copyOf("shapes-and-text.lpd", "list.lpd"), false);
    auto* objects = window.findChild<QComboBox*>("ObjectCombo");
    DesignEditor& editor = active().document().editor;
    ASSERT_EQ(objects->count(), editor.card().objectCount());
    // Sorted by name.
    for (int i = 1; i < objects->count(); ++i)
        EXPECT_LT(objects->itemText(i - 1), objects->itemText(i));
    const int pick = objects->findText("Text0");
    ASSERT_GE(pick, 0);
    objects->activated(pick);
    ASSERT_EQ(editor.selection().size(), 1u);
    EXPECT_EQ(editor.selection().front()->name, "Text0");

    // A label printed on one side has just its front; a two-sided one switches.
    auto* regions = window.findChild<QComboBox*>("RegionCombo");
    EXPECT_EQ(regions->count(), 1);
    LayoutRecord twoSided = thirtyUpAddressLayout();
    twoSided.backPrintable = 1;
    ASSERT_NE(window.newBlankDesign(twoSided), nullptr);
    DesignEditor& card = active().document().editor;
    card.addObject(card.manager().makeText(10, 10));
    ASSERT_EQ(regions->count(), 2);
    EXPECT_EQ(objects->count(), 1);
    regions->setCurrentIndex(1);
    EXPECT_EQ(active().document().regionIndex(), 1);
    EXPECT_EQ(card.card().objectCount(), 0);
    EXPECT_EQ(objects->count(), 0);
    regions->setCurrentIndex(0);
    EXPECT_EQ(card.card().objectCount(), 1);
}

TEST_F(ShellFixture, UndoInATextBoxUndoesItsTyping)
{
    window.openDesignPath(copyOf("shapes-and-text.lpd", "typing.lpd"), false);
    DesignEditor& editor = active().document().editor;
    active().surface().selectOnly(editor.card().object(0));
    window.command("DeleteMI")->trigger();  // the prompt is answered Yes
    ASSERT_TRUE(editor.canUndo());
    const int objects = editor.card().objectCount();

    window.show();
    QLineEdit box(&window);
    box.show();
    box.setFocus();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.hasFocus(); }));
    QTest::keyClicks(&box, "abc");
    window.command("UndoMI")->trigger();
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(editor.card().objectCount(), objects) << "the design was not touched";

    window.activateWindow();
    box.clearFocus();
    window.command("UndoMI")->trigger();
    EXPECT_EQ(editor.card().objectCount(), objects + 1);
}

TEST(MainWindowLayout, ToolbarsAndRecentFilesSurviveARestart)
{
    QTemporaryDir dir;
    const QString design = dir.filePath("kept.lpd");
    QFile::copy(exampleDesign("shapes-and-text.lpd"), design);
    {
        ProgramWindow window;
        window.show();
        window.openDesignPath(design, true);
        window.findChild<QToolBar*>("ZoomBar")->hide();
        window.close();
    }
    ProgramWindow again;
    again.show();
    EXPECT_FALSE(again.findChild<QToolBar*>("ZoomBar")->isVisible());
    EXPECT_TRUE(again.findChild<QToolBar*>("ToolsBar")->isVisible());
    ASSERT_EQ(again.recentFiles().entries().size(), 1);
    EXPECT_EQ(again.recentFiles().entries().front().path, design);
    again.findChild<QToolBar*>("ZoomBar")->show();
    again.close();
}

// A disabled command must look disabled on its button, whatever its icon.
TEST_F(ShellFixture, DisabledButtonsLookDisabled)
{
    window.show();
    for (const char* name : {"SaveBtn", "PrintBtn", "TextBtn", "SelectBtn", "CutBtn", "ZoomInBtn"}) {
        auto* button = window.findChild<QToolButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        ASSERT_FALSE(button->isEnabled()) << name;
        const QImage disabled = button->grab().toImage();
        button->defaultAction()->setEnabled(true);
        const QImage enabled = button->grab().toImage();
        EXPECT_NE(disabled, enabled) << name;
        window.enableCommands();
    }
}

TEST_F(ShellFixture, ADesignOpensAtTheZoomItWasSavedWith)
{
    const QString design = copyOf("shapes-and-text.lpd", "zoomed.lpd");
    window.openDesignPath(design, false);
    window.zoomCombo()->setEditText("150");
    window.command("ZoomBtnAction")->trigger();
    EXPECT_FALSE(active().document().isModified()) << "the zoom is a view setting";
    window.enableCommands();
    EXPECT_FALSE(enabled("SaveMI"));
    // Saved with the design all the same.
    ASSERT_EQ(active().save(false), design);
    const QRect first = active().document().editor.card().object(0)->rect();
    window.command("CloseMI")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(window.designWindows().isEmpty());

    window.openDesignPath(design, false);
    EXPECT_EQ(active().surface().zoom(), 150);
    EXPECT_EQ(window.zoomCombo()->currentText(), "150");
    EXPECT_EQ(active().document().editor.card().object(0)->rect(), first);
    EXPECT_FALSE(active().document().isModified());
}

TEST_F(ShellFixture, ClosingTheProgramAsksAboutEachChangedDesign)
{
    window.show();
    ASSERT_NE(window.newBlankDesign(), nullptr);
    DesignEditor& editor = active().document().editor;
    editor.addObject(editor.manager().makeText(10, 10));
    recordedMessages().queueAnswer(Messages::Answer::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(messages.texts(), QStringList{"Untitled 1 has been changed.\n\nWould you like to save it?"});
    EXPECT_EQ(window.designWindows().size(), 1);

    recordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_TRUE(window.close());
}

TEST_F(ShellFixture, ChangedOptionsReachEveryOpenWindowAtOnce)
{
    ASSERT_NE(window.newBlankDesign(), nullptr);
    ASSERT_NE(window.newBlankDesign(), nullptr);
    const Options saved = Options::current();
    Options::current().metricUnits = true;
    Options::current().showGrid = true;
    Options::current().gridSize = 10;
    window.applyOptionsToWindows();
    for (DesignWindow* design : window.designWindows()) {
        auto* unit = design->findChild<QLabel*>("UnitPanel");
        ASSERT_NE(unit, nullptr);
        EXPECT_EQ(unit->text(), "CM");
        EXPECT_TRUE(design->document().editor.card().showGrid);
        EXPECT_EQ(design->document().editor.card().gridX, 10);
    }
    Options::current() = saved;
}

TEST_F(ShellFixture, StackingCommandsAreOneUndoStep)
{
    ASSERT_NE(window.newBlankDesign(), nullptr);
    DesignEditor& editor = active().document().editor;
    DesignObject* a = editor.manager().createBox(0, 0);
    DesignObject* b = editor.manager().createBox(10, 10);
    DesignObject* c = editor.manager().createBox(20, 20);
    editor.contentReplaced();
    active().surface().selectOnly(c);
    editor.select(b);
    active().surface().selectionChangedOutside();
    window.enableCommands();
    window.command("SendToBackMI")->trigger();
    // Both go to the back, keeping their order among themselves.
    EXPECT_EQ(editor.card().order(), (std::vector<DesignObject*>{b, c, a}));
    EXPECT_TRUE(editor.isModified());
    EXPECT_TRUE(enabled("UndoMI"));
    window.command("UndoMI")->trigger();
    EXPECT_EQ(editor.card().order(), (std::vector<DesignObject*>{a, b, c}));
    EXPECT_FALSE(editor.isModified());

    // A locked selection keeps its place and changes nothing.
    a->flags |= ObjectFlags::Locked;
    active().surface().selectOnly(a);
    ASSERT_TRUE(active().surface().selectionLocked());
    window.enableCommands();
    window.command("BringToFrontMI")->trigger();
    EXPECT_EQ(editor.card().object(0), a);
    EXPECT_FALSE(editor.isModified());
}
