#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "files/DesignFile.h"
#include "model/DesignObject.h"
#include "system/SettingsStore.h"
#include "ui/shell/CommandRules.h"
#include "ui/shell/DefaultLayout.h"
#include "ui/shell/DesignDocument.h"
#include "ui/shell/RecentFiles.h"
#include "ui/shell/WindowLayout.h"

namespace {

QString touch(const QTemporaryDir& dir, const QString& name)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    return file.fileName();
}

QStringList shownNames(const RecentFiles& recent)
{
    QStringList names;
    for (const auto& entry : recent.entries())
        names << entry.shownName;
    return names;
}

} // namespace

TEST(RecentFiles, KeepsFiveNewestFirstAndMovesRepeats)
{
    QTemporaryDir dir;
    RecentFiles recent;
    for (const char* name : {"1.lpd", "2.lpd", "3.lpd", "4.lpd", "5.lpd", "6.lpd"})
        recent.add(touch(dir, name));
    EXPECT_EQ(shownNames(recent), (QStringList{"6.lpd", "5.lpd", "4.lpd", "3.lpd", "2.lpd"}));
    recent.add(dir.filePath("3.lpd"));
    EXPECT_EQ(shownNames(recent), (QStringList{"3.lpd", "6.lpd", "5.lpd", "4.lpd", "2.lpd"}));
    recent.add(dir.filePath("missing.lpd"));
    recent.add(QString());
    EXPECT_EQ(recent.entries().size(), 5);

    // Stored, with the values of a longer earlier list dropped.
    SettingsStore store(dir.filePath("settings.ini"));
    recent.save(store);
    RecentFiles shorter;
    shorter.add(dir.filePath("1.lpd"));
    shorter.save(store);
    EXPECT_FALSE(store.valueExists(SettingsStore::programKey() + "\\History", "File1"));
    RecentFiles loaded;
    loaded.load(store);
    ASSERT_EQ(loaded.entries().size(), 1);
    EXPECT_EQ(loaded.entries().front().path, dir.filePath("1.lpd"));
    EXPECT_EQ(loaded.entries().front().shownName, "1.lpd");
}

TEST(WindowLayout, PlacementMustShowTenPixelsAndComesInsideTheWorkArea)
{
    const QRect work(0, 30, 1280, 994);
    struct Case {
        QRect saved;
        std::optional<QRect> expected;
    } cases[] = {
        {{100, 100, 800, 600}, QRect(100, 100, 800, 600)},
        {{-300, 100, 800, 600}, QRect(5, 100, 800, 600)},  // left of the work area
        {{100, 0, 800, 600}, QRect(100, 35, 800, 600)},    // above it
        {{1275, 100, 800, 600}, std::nullopt},             // 5 pixels showing
        {{100, 2000, 800, 600}, std::nullopt},
        {{100, 100, 0, 0}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(placementWithin(c.saved, work), c.expected) << c.saved.x() << "," << c.saved.y();

    QTemporaryDir dir;
    SettingsStore store(dir.filePath("settings.ini"));
    EXPECT_FALSE(WindowPlacement::load(store));
    WindowPlacement{QRect(10, 20, 300, 200), true}.save(store);
    const auto loaded = WindowPlacement::load(store);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->normal, QRect(10, 20, 300, 200));
    EXPECT_TRUE(loaded->maximized);
    EXPECT_EQ(store.readInteger(SettingsStore::programKey() + "\\WS", "Right"), 310);

    BarPlacement bar;
    bar.dockedTo = "+";
    bar.lastDock = "LeftDock";
    bar.floatLeft = 40;
    bar.save(store, "ToolsBar");
    const auto back = BarPlacement::load(store, "ToolsBar");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->dockedTo, "+");
    EXPECT_EQ(back->lastDock, "LeftDock");
    EXPECT_EQ(back->floatLeft, 40);
    store.writeInteger(SettingsStore::programKey() + "\\TS\\ToolsBar", "Rev", 2);
    EXPECT_FALSE(BarPlacement::load(store, "ToolsBar"));
}

TEST(CommandRules, EachRuleAgainstTheSelection)
{
    using R = CommandRule;
    const auto with = [](int selected) {
        CommandContext c;
        c.windowOpen = true;
        c.selected = selected;
        c.regionHasObjects = selected > 0;
        return c;
    };
    struct Case {
        R rule;
        bool none, one, two;
    } cases[] = {
        {R::Selected, false, true, true},         {R::GroupSelected, false, false, true},
        {R::SingleSelected, false, true, false},  {R::RegionHasObjects, false, true, true},
        {R::Window, true, true, true},            {R::Always, true, true, true},
        {R::Modified, false, false, false},       {R::Paste, false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ruleHolds(c.rule, with(0)), c.none) << int(c.rule);
        EXPECT_EQ(ruleHolds(c.rule, with(1)), c.one) << int(c.rule);
        EXPECT_EQ(ruleHolds(c.rule, with(2)), c.two) << int(c.rule);
    }
    // Without a design window only the window-free commands work.
    CommandContext closed;
    closed.modified = closed.canUndo = closed.clipboardHasPaste = true;
    closed.selected = 2;
    for (R rule : {R::Modified, R::Window, R::CanUndo, R::Selected, R::Paste})
        EXPECT_FALSE(ruleHolds(rule, closed)) << int(rule);
    EXPECT_TRUE(ruleHolds(R::Always, closed));
}

TEST(DesignDocument, BlankDesignsAreNumberedAndSavedUnderTheChosenName)
{
    MessageRecorder messages;
    QTemporaryDir dir;
    DesignDocument document;
    ASSERT_TRUE(document.startBlank(defaultLayout(), 3));
    EXPECT_EQ(document.title(), "Untitled 3");
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.regionCaptions(), QStringList{"Front"}) << "one printable side";
    LayoutRecord twoSided = defaultLayout();
    twoSided.backPrintable = 1;
    DesignDocument cards;
    ASSERT_TRUE(cards.startBlank(twoSided, 4));
    EXPECT_EQ(cards.regionCaptions(), (QStringList{"Front", "Back"}));
    EXPECT_FALSE(document.showRegion(1));
    EXPECT_GT(document.editor.card().regionWidth(), 0);

    document.editor.addObject(document.editor.manager().makeText(10, 10));
    // Cancelling the save dialog saves nothing and keeps the changes.
    EXPECT_TRUE(document.save(false, [] { return QString(); }).isEmpty());
    EXPECT_TRUE(document.isModified());
    const QString path = dir.filePath("first.lpd");
    EXPECT_EQ(document.save(false, [&] { return path; }), path);
    EXPECT_EQ(document.title(), path);
    EXPECT_FALSE(document.isModified());
    // Save again writes back without asking.
    EXPECT_EQ(document.save(false, [] { return QString("never asked"); }), path);

    DesignDocument reopened;
    ASSERT_TRUE(reopened.open(path));
    EXPECT_EQ(reopened.editor.card().objectCount(), 1);
    EXPECT_EQ(reopened.title(), path);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(DesignDocument, CloseQuestionAnswers)
{
    MessageRecorder messages;
    QTemporaryDir dir;
    const QString path = dir.filePath("closing.lpd");
    struct Case {
        Messages::Answer answer;
        QString chosenName;
        bool mayClose;
        bool saved;
    } cases[] = {
        {Messages::Answer::Cancel, path, false, false},
        {Messages::Answer::No, path, true, false},
        {Messages::Answer::Yes, path, true, true},
        {Messages::Answer::Yes, QString(), false, false},  // the save dialog was cancelled
    };
    for (const Case& c : cases) {
        QFile::remove(path);
        DesignDocument document;
        ASSERT_TRUE(document.startBlank(defaultLayout(), 2));
        EXPECT_TRUE(document.mayClose({})) << "an unchanged design closes without asking";
        document.editor.markChanged();
        recordedMessages().clear();
        recordedMessages().queueAnswer(c.answer);
        EXPECT_EQ(document.mayClose([&] { return c.chosenName; }), c.mayClose);
        EXPECT_EQ(messages.texts(), QStringList{"Untitled 2 has been changed.\n\nWould you like to save it?"});
        EXPECT_EQ(QFile::exists(path), c.saved);
    }
}

TEST(DesignDocument, FailuresAreReportedAndLeaveNothingOpen)
{
    MessageRecorder messages;
    QTemporaryDir dir;
    DesignDocument missing;
    EXPECT_FALSE(missing.open(dir.filePath("none.lpd")));
    EXPECT_EQ(messages.texts().size(), 1);

    // A layout whose regions are too wide is refused with the size message.
    LayoutRecord wide = defaultLayout();
    wide.elementWidth = 1701;
    DesignDocument tooWide;
    recordedMessages().clear();
    EXPECT_FALSE(tooWide.startBlank(wide, 1));
    EXPECT_EQ(messages.texts(), QStringList{"The width and height or each region must be between 0.10 and 17.00 in"});

    // A failed save keeps the design modified and says so.
    DesignDocument document;
    ASSERT_TRUE(document.startBlank(defaultLayout(), 1));
    document.editor.markChanged();
    recordedMessages().clear();
    EXPECT_TRUE(document.save(false, [&] { return dir.filePath("no/such/folder/x.lpd"); }).isEmpty());
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(messages.texts().size(), 1);
}

TEST(DesignDocument, ACancelledLoadOfTheLinkedDataIsNoFailure)
{
    MessageRecorder messages;
    QTemporaryDir dir;
    const QString design = dir.filePath("linked.lpd");
    QFile::copy(QStringLiteral(STICKWELL_DATA_SOURCE "/examples/address-label.lpd"), design);
    // The design's linked data, long enough to report progress while it loads.
    QFile csv(dir.filePath("addresses.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("FIRSTNAME,LASTNAME,ADDRESS,CITY,STATE,ZIP\r\n");
    for (int i = 0; i < 20000; ++i)
        csv.write(QString("Ann%1,Lee,%1 Elm St,Rome,NY,1%1\r\n").arg(i, 5, 10, QChar('0')).toLatin1());
    csv.close();

    DesignDocument cancelled;
    cancelled.dataReader().setLoadProgress([](qint64) { return false; });
    ASSERT_TRUE(cancelled.open(design));
    EXPECT_FALSE(cancelled.dataReader().active());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();

    DesignDocument loaded;
    ASSERT_TRUE(loaded.open(design));
    EXPECT_TRUE(loaded.dataReader().active());
    EXPECT_EQ(loaded.dataReader().recordCount(), 20000);
}
