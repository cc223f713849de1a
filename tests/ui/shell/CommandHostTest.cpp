#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "TestSupport.h"
#include "shell/ProgramWindow.h"
#include "ui/shell/CommandHost.h"

namespace {

QStringList namesIn(const QWidget& container)
{
    QStringList names;
    for (QAction* action : container.actions())
        names << (action->isSeparator() ? QStringLiteral("---") : action->objectName());
    return names;
}

// A frame of one menu, one toolbar and one pop-up, with separators at 100.
struct SmallFrame {
    QWidget owner;
    QMenu* menu = new QMenu(&owner);
    QToolBar* bar = new QToolBar(&owner);
    QMenu* popup = new QMenu(&owner);
    CommandHost host{&owner};

    SmallFrame()
    {
        host.addMenu(Menu::Edit, menu);
        host.addBar(Bar::Main, bar);
        host.addMenu(Menu::ObjectPopup, popup);
        host.addSeparator(Menu::Edit, 100);
        host.addSeparator(Bar::Main, 100);
    }
};

const CommandEntry kSpecs[] = {
    {.name = "CutMI", .caption = "Cu&t", .rule = CommandRule::Selected, .menu = {Menu::Edit, 110},
     .button = {Bar::Main, 110, "CutBtn", "Cut", "edit-cut"}, .popup = {Menu::ObjectPopup, 20, "Cut"},
     .run = [] {}},
    {.name = "UndoMI", .caption = "&Undo", .rule = CommandRule::CanUndo, .menu = {Menu::Edit, 10},
     .button = {Bar::Main, 10, "UndoBtn", "Undo", "edit-undo"}, .popup = {Menu::ObjectPopup, 10, "Undo"},
     .run = [] {}},
    {.name = "PasteMI", .caption = "&Paste", .rule = CommandRule::Paste, .menu = {Menu::Edit, 120}, .run = [] {}},
};

} // namespace

TEST(CommandHost, PlacesByOrderWhateverOrderTheyComeIn)
{
    std::vector<int> order{0, 1, 2};
    do {
        SmallFrame frame;
        for (int i : order)
            frame.host.add(kSpecs[i]);
        EXPECT_EQ(namesIn(*frame.menu), (QStringList{"UndoMI", "---", "CutMI", "PasteMI"}));
        EXPECT_EQ(namesIn(*frame.bar), (QStringList{"UndoMI", "---", "CutMI"}));
        EXPECT_EQ(namesIn(*frame.popup), (QStringList{"UndoPI", "CutPI"}));
        EXPECT_EQ(frame.bar->widgetForAction(frame.host.command("CutMI"))->objectName(), "CutBtn");
        EXPECT_EQ(frame.host.command("CutMI")->toolTip(), "Cut");
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(CommandHost, PopupItemsFollowTheRuleAndRunTheCommand)
{
    SmallFrame frame;
    int runs = 0;
    CommandEntry cut = kSpecs[0];
    cut.run = [&runs] { ++runs; };
    frame.host.add(cut);
    QAction* item = frame.popup->actions().front();
    const struct {
        int selected;
        bool on;
    } cases[] = {{0, false}, {1, true}, {3, true}};
    for (const auto& c : cases) {
        CommandContext context;
        context.windowOpen = true;
        context.selected = c.selected;
        frame.host.enable(context);
        EXPECT_EQ(frame.host.command("CutMI")->isEnabled(), c.on) << c.selected;
        EXPECT_EQ(item->isEnabled(), c.on) << c.selected;
    }
    item->trigger();
    EXPECT_EQ(runs, 1);
}

TEST(CommandHost, UnknownAndUnhandledNamesAreCaught)
{
    SmallFrame frame;
    int runs = 0;
    // A handler may come before the family that declares the command...
    frame.host.onCommand("PasteMI", [&runs] { ++runs; });
    // ...but one for a name nobody declares is reported, as is a lookup of one.
    frame.host.onCommand("NoSuchMI", [] {});
    EXPECT_EQ(frame.host.command("MissingMI"), nullptr);
    CommandEntry paste = kSpecs[2];
    paste.run = nullptr;
    frame.host.add(paste);
    frame.host.add({.name = "IdleMI", .caption = "Idle", .menu = {Menu::Edit, 130}});
    frame.host.command("PasteMI")->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(frame.host.unknownNames(), (QStringList{"MissingMI", "NoSuchMI"}));
    EXPECT_EQ(frame.host.unhandledNames(), QStringList{"IdleMI"});
}

TEST(CommandHost, TheProgramsTableIsWhole)
{
    MessageRecorder messages;
    ProgramWindow window;
    EXPECT_EQ(window.commands().unknownNames(), QStringList());
    EXPECT_EQ(window.commands().unhandledNames(), QStringList());
    for (QAction* action : window.commands().commands())
        EXPECT_FALSE(action->objectName().isEmpty());
}
