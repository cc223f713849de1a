// Edits made in a design window reach the file, the pages and the history
// as the user sees them: one command, one step.

#include "EditingFixtures.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "files/DesignFile.h"
#include "model/Card.h"
#include "model/ObjectManager.h"
#include "ui/designwindow/CardView.h"
#include "ui/designwindow/DesignView.h"

namespace {

struct HistoryFixture : EditingFixture {
    HistoryFixture()
    {
        newDesign();
        for (int i = 0; i < 5; ++i)
            objects.push_back(addText(QRect(10 + 60 * i, 20, 50, 30), {QStringLiteral("T%1").arg(i)}));
    }
    QWidget* cardWidget() const { return active().view().cardView(); }
    std::vector<QRect> rects() const
    {
        std::vector<QRect> out;
        for (const DesignObject* object : objects)
            out.push_back(object->rect());
        return out;
    }

    std::vector<DesignObject*> objects;
};

// The rectangle of the first object of the design's first region, as a file read finds it.
QRect firstRectInFile(const QString& path)
{
    Card card;
    ObjectManager manager(card);
    LayoutRecord layout;
    QString linked;
    int32_t zoom = 100;
    if (readDesignFile(manager, path, layout, linked, zoom) != DesignFileResult::Success || card.objectCount() == 0)
        return {};
    return card.object(0)->rect();
}

} // namespace

TEST_F(HistoryFixture, AnArrowKeyIsAChangeTheSaveAndThePagesSee)
{
    active().surface().setZoom(200, false);
    select(objects[0]);
    ASSERT_FALSE(editor().isModified());
    QTest::keyClick(cardWidget(), Qt::Key_Right);
    QTest::keyClick(cardWidget(), Qt::Key_Down);
    EXPECT_EQ(objects[0]->rect(), QRect(11, 21, 50, 30)) << "one design unit per press at any zoom";
    EXPECT_TRUE(editor().isModified());
    EXPECT_TRUE(window.command("UndoMI")->isEnabled());
    EXPECT_EQ(find<QLineEdit>("GeneralLeftEdit")->text(), "11");
    EXPECT_EQ(find<QLineEdit>("GeneralTopEdit")->text(), "21");

    const QString path = dir.filePath("nudged.lpd");
    ASSERT_EQ(active().document().save(true, [&] { return path; }), path);
    EXPECT_FALSE(editor().isModified());
    EXPECT_EQ(firstRectInFile(path), QRect(11, 21, 50, 30));
}

TEST_F(HistoryFixture, OneUndoTakesBackANudgeOfFiveObjects)
{
    const std::vector<QRect> before = rects();
    active().surface().selectAll();
    window.enableCommands();
    QTest::keyClick(cardWidget(), Qt::Key_Left);
    for (size_t i = 0; i < objects.size(); ++i)
        EXPECT_EQ(objects[i]->rect(), before[i].translated(-1, 0));
    EXPECT_EQ(undoCount(), 1);
    window.command("UndoMI")->trigger();
    EXPECT_EQ(rects(), before);
    EXPECT_FALSE(editor().isModified());
    window.command("RedoMI")->trigger();
    EXPECT_EQ(objects[4]->rect(), before[4].translated(-1, 0));
}

TEST_F(HistoryFixture, OneUndoBringsBackFiveDeletedObjectsInTheirPlaces)
{
    const std::vector<QRect> before = rects();
    // The middle one on top, so the stacking order is not the creation order.
    active().surface().selectOnly(objects[2]);
    window.command("BringToFrontMI")->trigger();
    const std::vector<DesignObject*> order = editor().card().order();
    editor().markSaved();

    active().surface().selectAll();
    window.enableCommands();
    window.command("DeleteMI")->trigger();  // the prompt is answered Yes
    EXPECT_EQ(editor().card().objectCount(), 0);
    EXPECT_TRUE(editor().isModified());
    EXPECT_EQ(window.objectCombo()->count(), 0) << "the object list follows at once";
    EXPECT_EQ(undoCount(), 1);

    window.command("UndoMI")->trigger();
    EXPECT_EQ(editor().card().order(), order);
    EXPECT_EQ(rects(), before);
    EXPECT_EQ(window.objectCombo()->count(), 5);
    EXPECT_FALSE(editor().isModified());
}
