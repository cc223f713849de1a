// The layout chooser and editor: the editor's fields and limits, the chooser's
// files and entries, the sheet picture's proportions, and the layout commands
// of the window (Edit Current Layout, Switch to Different Layout).

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "LayoutFixtures.h"
#include "PrintingFixture.h"
#include "files/LayoutFile.h"
#include "model/Folds.h"
#include "model/ObjectManager.h"
#include "system/AppPaths.h"
#include "ui/printing/LayoutChooser.h"
#include "ui/printing/LayoutChooserDialog.h"
#include "ui/printing/LayoutEditorDialog.h"
#include "ui/printing/LayoutSwitch.h"
#include "ui/printing/LayoutTexts.h"
#include "ui/shell/FamilyServices.h"

namespace {

LayoutRecord heading()
{
    LayoutRecord l = LayoutRecord::fromBytes({});
    l.setName("===== Letter =====");
    return l;
}

LayoutRecord tenUp()
{
    LayoutRecord l = thirtyUpLayout("Shipping 2 x 4 in<>10 per sheet");
    l.rows = 5;
    l.columns = 2;
    l.elementWidth = 400;
    l.elementHeight = 200;
    l.topMargin = 50;
    l.leftMargin = 16;
    l.columnSpace = 18;
    return l;
}

// A program folder of two layout files for the chooser.
struct LayoutFolder {
    QTemporaryDir dir;
    LayoutFolder()
    {
        writeLayoutFile(dir.filePath("Address Labels.LYT"), {heading(), thirtyUpLayout(), tenUp()});
        writeLayoutFile(dir.filePath("Other.LYT"), {tenUp()});
    }
    QString path() const { return dir.path(); }
};

} // namespace

TEST(LayoutEditorForm, FieldsAndLimits)
{
    struct Case {
        const char* field;
        const char* value;
        QString message;
    };
    const QString invalid = LayoutTexts::InvalidSettings;
    const QString size = regionSizeMessage(false);
    const Case cases[] = {
        {"", "", ""},
        {"rows", "0", invalid},       {"rows", "x", invalid},       {"columns", "", invalid},
        {"width", "abc", invalid},    {"width", "0.05", size},      {"height", "17.01", size},
        {"width", "17.00", ""},       {"top", "1,5", invalid},      {"space", "-", invalid},
        {"paper", "x", invalid},
    };
    for (const Case& c : cases) {
        LayoutEditorForm form(thirtyUpLayout(), false);
        const QString field = c.field;
        if (field == "rows") form.rows = c.value;
        if (field == "columns") form.columns = c.value;
        if (field == "width") form.width = c.value;
        if (field == "height") form.height = c.value;
        if (field == "top") form.topMargin = c.value;
        if (field == "space") form.columnSpace = c.value;
        if (field == "paper") {
            form.paperType = 17;  // User Defined
            form.paperLength = c.value;
        }
        LayoutRecord record = thirtyUpLayout();
        const LayoutRecord before = record;
        EXPECT_EQ(form.accept(record), c.message) << c.field << "=" << c.value;
        if (!c.message.isEmpty())
            EXPECT_EQ(record, before) << c.field;
    }
}

TEST(LayoutEditorForm, ShowsAndStoresInTheDisplayUnit)
{
    const LayoutEditorForm inches(thirtyUpLayout(), false);
    EXPECT_EQ(inches.width, "2.62");
    EXPECT_EQ(inches.rows, "10");
    EXPECT_EQ(inches.storedUnitNote(), LayoutTexts::StoredInInches);
    // Edited with metric units on: hundredths of a millimetre, unit 1.
    LayoutEditorForm metric(thirtyUpLayout(), true);
    EXPECT_EQ(metric.width, "66.55");
    LayoutRecord record = thirtyUpLayout();
    metric.name = QString(60, 'N');
    ASSERT_EQ(metric.accept(record), "");
    EXPECT_EQ(record.unit, 1);
    EXPECT_EQ(record.elementWidth, 6655);
    EXPECT_EQ(record.displayName().size(), LayoutRecord::kNameSize - 1);
    LayoutRecord zero = LayoutRecord::fromBytes({});
    EXPECT_EQ(LayoutEditorForm(zero, false).rows, "");
    EXPECT_EQ(LayoutEditorForm(zero, false).width, "");
}

TEST(LayoutChooser, EntriesAreEditedAndSavedWithTheirFile)
{
    LayoutFolder folder;
    MessageRecorder messages;
    LayoutChooser chooser(folder.path(), false);
    ASSERT_EQ(chooser.files(), QStringList({"Address Labels", "Other"}));
    EXPECT_EQ(chooser.entries().size(), 3u);
    chooser.select(1);
    const LayoutRecord copy = chooser.newRecordTemplate();
    EXPECT_EQ(copy.displayName(), "");
    EXPECT_EQ(copy.rows, 10);
    EXPECT_EQ(copy.elementWidth, 262);
    chooser.addEntry(copy);
    EXPECT_TRUE(chooser.changed());
    chooser.moveEntry(3, 0);
    recordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(chooser.deleteSelected());
    EXPECT_EQ(chooser.entries().size(), 4u);
    // Another file: this one is saved first.
    ASSERT_TRUE(chooser.selectFile(1));
    EXPECT_EQ(readLayoutFile(folder.dir.filePath("Address Labels.LYT")).size(), 4u);
    EXPECT_EQ(readLayoutFile(folder.dir.filePath("Address Labels.LYT"))[0].elementWidth, 262);
    EXPECT_EQ(chooser.entries().size(), 1u);
    EXPECT_FALSE(chooser.changed());
    recordedMessages().queueAnswer(Messages::Answer::Yes);
    EXPECT_TRUE(chooser.deleteSelected());
    recordedMessages().queueAnswer(Messages::Answer::No);
    EXPECT_FALSE(chooser.cancelQuery());
    EXPECT_EQ(messages.texts(), QStringList({LayoutTexts::AskDelete, LayoutTexts::AskDelete, LayoutTexts::AskCancel}));
}

TEST(LayoutChooser, ChoosingSkipsHeadingsAndTurnsOnRequest)
{
    LayoutFolder folder;
    LayoutChooser chooser(folder.path(), false);
    chooser.select(0);
    EXPECT_FALSE(chooser.choose().has_value());
    EXPECT_FALSE(chooser.picture(QSize(300, 300)).has_value());
    EXPECT_EQ(chooser.noteText(), "");
    chooser.select(2);
    chooser.opposite = true;
    const std::optional<LayoutRecord> turned = chooser.choose();
    ASSERT_TRUE(turned.has_value());
    EXPECT_EQ(turned->rows, 2);
    EXPECT_EQ(turned->columns, 5);
    EXPECT_EQ(turned->elementWidth, 200);
    EXPECT_EQ(turned->elementHeight, 400);
}

TEST(LayoutChooser, SavedLayoutShowsAtItsProportions)
{
    LayoutFolder folder;
    LayoutChooser chooser(folder.path(), false);
    chooser.select(1);
    LayoutRecord edited = chooser.entries()[1];
    edited.elementHeight = 150;
    chooser.replaceSelected(edited);
    ASSERT_TRUE(chooser.save());
    LayoutChooser reloaded(folder.path(), false);
    reloaded.select(1);
    EXPECT_EQ(reloaded.sizeText(), "2.62 x 1.50 in");
    EXPECT_EQ(reloaded.noteText(), "30 per sheet");
    const std::optional<SheetPicture> picture = reloaded.picture(QSize(300, 300));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->paper.size(), QSize(850 / 6, 1100 / 6));  // Letter, a sixth
    EXPECT_EQ(picture->paper.center(), QRect(0, 0, 300, 300).center());
    ASSERT_EQ(picture->elements.size(), 30u);
    EXPECT_EQ(picture->elements[0].size(), QSize(262 / 6, 150 / 6));
    EXPECT_EQ(picture->elements[0].topLeft() - picture->paper.topLeft(), QPoint(19 / 6, 50 / 6));
    EXPECT_FALSE(picture->folded);
}

TEST(LayoutChooserDialog, ConversionToolsNeedControlAndShiftOnTheFoldLegend)
{
    LayoutFolder folder;
    LayoutChooser chooser(folder.path(), false);
    LayoutChooserDialog dialog(chooser, false);
    QWidget* legend = dialog.findChild<QWidget*>("FoldLegend");
    QWidget* tools = dialog.findChild<QWidget*>("ConversionGroup");
    QTest::mouseClick(legend, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_TRUE(tools->isHidden());
    QTest::mouseClick(legend, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(tools->isHidden());
}

TEST(LayoutEditorDialog, RegionGroupUnlocksWithControlAndShift)
{
    LayoutRecord record = thirtyUpLayout();
    LayoutEditorForm form(record, false);
    LayoutEditorDialog dialog(form, record);
    QWidget* group = dialog.findChild<QWidget*>("RegionGroup");
    QWidget* fold = dialog.findChild<QWidget*>("FoldTypeCombo");
    QTest::mouseClick(group, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FALSE(fold->isEnabled());
    QTest::mouseClick(group, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(fold->isEnabled());
}

TEST_F(PrintingFixture, SwitchingLayoutKeepsEveryObject)
{
    LayoutFolder folder;
    AppPaths::setProgramFolder(folder.path());
    DesignWindow& old = openExample();
    DesignDocument& from = old.document();
    const int frontObjects = from.editor.card().objectCount();
    ASSERT_GT(frontObjects, 0);
    answer = [](QDialog& d) {
        auto* chooser = qobject_cast<LayoutChooserDialog*>(&d);
        d.findChild<QListWidget*>("LayoutList")->setCurrentRow(2);  // the 10-up layout
        chooser->tryAccept();
        return d.result();
    };
    trigger("SwitchLayoutMI");
    AppPaths::setProgramFolder(QString());
    ASSERT_EQ(window.designWindows().size(), 2);
    DesignDocument& to = window.activeDesignWindow()->document();
    EXPECT_EQ(to.layout().rows * to.layout().columns, 10);
    EXPECT_EQ(to.editor.card().objectCount(), frontObjects);
    EXPECT_TRUE(to.isModified());
    // The old design is untouched and still shows its region.
    EXPECT_EQ(from.editor.card().objectCount(), frontObjects);
    EXPECT_FALSE(from.isModified());
    for (int region : {0, 1}) {
        int32_t side = 0, panel = 0;
        regionSlotFor(0, region, &side, &panel);
        if (region == 0)
            continue;  // live on the card
        EXPECT_EQ(to.editor.manager().slot(side, panel).objectCount, from.editor.manager().slot(side, panel).objectCount);
    }
}

TEST_F(PrintingFixture, EditCurrentLayoutResizesTheSurface)
{
    DesignWindow& design = openExample();
    answer = [](QDialog& d) {
        auto* editor = qobject_cast<LayoutEditorDialog*>(&d);
        d.findChild<QLineEdit*>("WidthEdit")->setText("4.00");
        d.findChild<QLineEdit*>("HeightEdit")->setText("2.00");
        editor->tryAccept();
        return d.result();
    };
    trigger("EditCurrentLayoutMI");
    EXPECT_EQ(design.document().layout().elementWidth, 400);
    EXPECT_EQ(design.document().editor.card().regionWidth(), 400);
    EXPECT_TRUE(design.document().isModified());
    // The layout is the document's, not a step of the history: an Undo may
    // never leave the card of one size and the layout of another.
    design.document().editor.undo();
    EXPECT_EQ(design.document().editor.card().regionWidth(), design.document().layout().elementWidth);
}

TEST_F(PrintingFixture, ChooseLayoutHookRunsTheChooser)
{
    LayoutFolder folder;
    AppPaths::setProgramFolder(folder.path());
    answer = [](QDialog& d) {
        auto* chooser = qobject_cast<LayoutChooserDialog*>(&d);
        d.findChild<QListWidget*>("LayoutList")->setCurrentRow(1);
        chooser->tryAccept();
        return d.result();
    };
    const std::optional<LayoutRecord> chosen = window.services().chooseLayout(&window, nullptr);
    AppPaths::setProgramFolder(QString());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, thirtyUpLayout());
}
