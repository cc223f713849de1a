// The property pages' logic on values alone: no widget is made or shown.

#include <gtest/gtest.h>

#include <QImage>

#include "model/DesignEditor.h"
#include "model/DesignObject.h"
#include "model/Units.h"
#include "ui/editing/PropertyForm.h"

namespace F = PropertyForm;
using VariableText::TextChoice;

namespace {

DesignObject object(char kind, int32_t style = 0)
{
    DesignObject o(kind);
    o.setBounds(100, 40, 120, 30);
    o.style = style;
    if (kind == ObjectKind::Text) {
        o.lines = {QStringLiteral("Text")};
        o.font.setFace(QStringLiteral("Liberation Sans"));
        o.font.setPointSize(12);
    }
    if (kind == ObjectKind::Graphic) {
        QImage image(30, 20, QImage::Format_RGB888);
        image.fill(Qt::darkCyan);
        o.picture.setBitmap(image);
    }
    return o;
}

// The object after a round through the pages with one value changed.
DesignObject edited(const DesignObject& original, const std::function<void(F::Values&)>& edit,
                    bool placeLocked = false)
{
    F::Values values = F::fromObject(original);
    edit(values);
    values.text.composeText();
    DesignObject result = original;
    F::applyTo(values, result, placeLocked);
    return result;
}

} // namespace

TEST(PropertyForm, EachKindOfObjectGetsItsPagesAndControls)
{
    using Tab = F::Tab;
    struct Case {
        char kind;
        int32_t style;
        F::PageKind page;
        std::vector<Tab> tabs;
        Tab front;
        bool styleGroup, background, lineTypeGroup;
    } cases[] = {
        {ObjectKind::Text, 0, F::PageKind::Text, {Tab::General, Tab::Text, Tab::TextProperties}, Tab::Text},
        {ObjectKind::Graphic, 0, F::PageKind::Picture, {Tab::General, Tab::Graphic}, Tab::Graphic},
        {ObjectKind::Box, 0, F::PageKind::Shape, {Tab::General, Tab::Shape}, Tab::Shape, true, false, false},
        {ObjectKind::RoundBox, 1, F::PageKind::Shape, {Tab::General, Tab::Shape}, Tab::Shape, true, true, false},
        {ObjectKind::Ellipse, 2, F::PageKind::Shape, {Tab::General, Tab::Shape}, Tab::Shape, true, true, false},
        // A style the radio buttons do not have still fills.
        {ObjectKind::Box, 9, F::PageKind::Shape, {Tab::General, Tab::Shape}, Tab::Shape, true, true, false},
        {ObjectKind::Line, 1, F::PageKind::Shape, {Tab::General, Tab::Shape}, Tab::Shape, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.kind) + " style " + std::to_string(c.style));
        const DesignObject o = object(c.kind, c.style);
        const F::Values values = F::fromObject(o);
        EXPECT_EQ(values.kind, c.page);
        EXPECT_EQ(F::pageKindOf(&o), c.page);
        const F::Tabs tabs = F::tabsOf(values.kind);
        EXPECT_EQ(tabs.tabs, c.tabs);
        EXPECT_EQ(tabs.front, c.front);
        if (c.page == F::PageKind::Shape) {
            const F::ShapeControls on = values.shape.controls();
            EXPECT_EQ(on.styleGroup, c.styleGroup);
            EXPECT_EQ(on.background, c.background);
            EXPECT_EQ(on.lineTypeGroup, c.lineTypeGroup);
        }
    }
    EXPECT_EQ(F::pageKindOf(nullptr), F::PageKind::None);
    EXPECT_TRUE(F::tabsOf(F::PageKind::None).tabs.empty());

    // The user's tab stays while another object of the same kind is shown.
    EXPECT_TRUE(F::tabsStay(F::PageKind::Text, F::PageKind::Text, false, true));
    EXPECT_FALSE(F::tabsStay(F::PageKind::Text, F::PageKind::Text, true, true));
    EXPECT_FALSE(F::tabsStay(F::PageKind::Text, F::PageKind::Shape, false, true));
    EXPECT_FALSE(F::tabsStay(F::PageKind::Text, F::PageKind::Text, false, false));
}

TEST(PropertyForm, TheTextChoiceTurnsItsOwnControlsOn)
{
    struct Case {
        TextChoice choice;
        bool services;  // Pick Text and the Field Wizard installed
        bool textBox, pickText, listButton, counter, field, buildField;
    } cases[] = {
        {TextChoice::SingleText, true, true, true, false, false, false, false},
        {TextChoice::SingleText, false, true, false, false, false, false, false},
        {TextChoice::VarText, true, false, false, true, false, false, false},
        {TextChoice::Counter, true, false, false, false, true, false, false},
        {TextChoice::DBField, true, false, false, false, false, true, true},
        {TextChoice::DBField, false, false, false, false, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.choice) * 2 + c.services);
        const F::TextChoiceControls on = F::textChoiceControls(c.choice, c.services, c.services);
        EXPECT_EQ(on.textBox, c.textBox);
        EXPECT_EQ(on.symbol, c.textBox);
        EXPECT_EQ(on.pickText, c.pickText);
        EXPECT_EQ(on.listButton, c.listButton);
        EXPECT_EQ(on.counter, c.counter);
        EXPECT_EQ(on.field, c.field);
        EXPECT_EQ(on.fieldFile, c.field);
        EXPECT_EQ(on.buildField, c.buildField);
        EXPECT_EQ(on.pickTextTip, c.services ? "" : "The personal databases are not available");
        EXPECT_EQ(on.buildFieldTip, c.services ? "Construct a Complex Field" : "The Field Wizard is not available");
    }
}

TEST(PropertyForm, ShowingAndApplyingUnchangedPagesChangesNothing)
{
    DesignObject text = object(ObjectKind::Text);
    // Values the lists cannot show are kept, not lost.
    text.shadowX = 3;
    text.shadowY = -40;
    text.rotation = 450;
    text.textStyle = TextStyleWord::pack(TextStyleKind::BarCode, 4, 1, 2);
    text.style = 7;
    text.lines = {QStringLiteral("Dear Ann\r\nand Bo")};
    DesignObject counter = object(ObjectKind::Text);
    counter.lines = {QStringLiteral("{-_0007_25_-}")};
    DesignObject list = object(ObjectKind::Text);
    list.lines = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    DesignObject line = object(ObjectKind::Line);
    line.lineType = 3;
    line.lineSize = 9;
    DesignObject box = object(ObjectKind::Box, 2);
    box.foreColor = 0x123456;
    box.flags = ObjectFlags::NonPrinting | ObjectFlags::Locked;

    for (const DesignObject* o : {&text, &counter, &list, &line, &box}) {
        SCOPED_TRACE(o->kind);
        const DesignObject after = edited(*o, [](F::Values&) {});
        EXPECT_TRUE(after.sameRecordAs(*o));

        // Through the editor: no undo step, nothing modified.
        DesignEditor editor;
        DesignObject* placed = editor.addObject(std::make_unique<DesignObject>(*o));
        editor.markSaved();
        EXPECT_FALSE(editor.changeObject(placed, after));
        EXPECT_EQ(editor.undoStack().count(), 0);
        EXPECT_FALSE(editor.isModified());
    }

    const F::Values shown = F::fromObject(text);
    EXPECT_EQ(shown.font.rotation, "45");
    EXPECT_EQ(shown.font.shadowX, 3);
    EXPECT_EQ(shown.font.shadowY, std::nullopt);
    EXPECT_EQ(shown.font.justify, -1);
    EXPECT_EQ(shown.font.style, TextStyleKind::BarCode);
    EXPECT_EQ(shown.font.params, (std::array<int, 3>{4, 1, 1}));
    EXPECT_EQ(shown.text.box, "Dear Ann\nand Bo");
    EXPECT_EQ(F::fromObject(line).shape.lineSize, std::nullopt);
}

TEST(PropertyForm, TheSizeAndPositionBoxesAreDesignUnits)
{
    const DesignObject box = object(ObjectKind::Box);
    // 150 design units: what the rulers show as 1.5 in and 38.1 mm.
    const DesignObject moved = edited(box, [](F::Values& v) {
        v.general.left = "150";
        v.general.top = " 254 ";
        v.general.width = "-5";
    });
    EXPECT_EQ(moved.rect(), QRect(150, 254, 0, 30));
    EXPECT_DOUBLE_EQ(double(unitsToDisplay(moved.left, false, 0)), 1.5);
    EXPECT_DOUBLE_EQ(double(unitsToDisplay(moved.left, true, 0)), 38.1);
    EXPECT_EQ(moved.left, displayToUnits(1.5L, false));
    EXPECT_EQ(moved.top, displayToUnits(64.516L, true));

    // What is no integer leaves its edge; a locked place keeps all of them.
    EXPECT_EQ(edited(box, [](F::Values& v) { v.general.width = "1.5"; v.general.height = "abc"; }).rect(),
              box.rect());
    const DesignObject locked = edited(
        box,
        [](F::Values& v) {
            v.general.left = "10";
            v.general.locked = true;
        },
        true);
    EXPECT_EQ(locked.rect(), box.rect());
    EXPECT_TRUE(locked.locked());
}

TEST(PropertyForm, TextPropertiesWriteOnlyWhatTheyHold)
{
    const DesignObject text = object(ObjectKind::Text);
    DesignObject after = edited(text, [](F::Values& v) {
        v.font.bold = true;
        v.font.textColor = 0x0000FF;
        v.font.shadowX = -10;
        v.font.rotation = "90";
        v.font.justify = 2;
    });
    EXPECT_TRUE(after.font.bold());
    EXPECT_EQ(after.font.face(), "Liberation Sans");
    EXPECT_EQ(after.foreColor, 0x0000FF);
    EXPECT_EQ(after.shadowX, -10);
    EXPECT_EQ(after.rotation, 900);
    EXPECT_EQ(after.style, 2);

    // Nothing chosen, or no number: the stored value stays.
    after = edited(text, [](F::Values& v) {
        v.font.face.clear();
        v.font.pointSize = "big";
        v.font.textColor.reset();
        v.font.shadowY.reset();
        v.font.rotation = "";
        v.font.justify = -1;
    });
    EXPECT_TRUE(after.sameRecordAs(text));

    // The box shows whole degrees: a stored fraction is rounded off at the next change.
    DesignObject turned = text;
    turned.rotation = 455;
    EXPECT_EQ(F::fromObject(turned).font.rotation, "45");
    EXPECT_EQ(edited(turned, [](F::Values&) {}).rotation, 450);
    // A bar code's stored "default" bytes become the values the lists show.
    turned.textStyle = TextStyleWord::pack(TextStyleKind::BarCode, 4, -1, 0);
    EXPECT_EQ(edited(turned, [](F::Values&) {}).textStyle, 0x02010402);

    // A newly chosen bar code starts with its own lists; then EAN-13.
    after = edited(text, [](F::Values& v) {
        v.font.chooseStyle(TextStyleKind::BarCode);
        v.font.params[0] = 4;
    });
    EXPECT_EQ(after.textStyle, 0x02010402);

    EXPECT_TRUE(F::justificationShown("0"));
    EXPECT_FALSE(F::justificationShown("45"));
    EXPECT_FALSE(F::justificationShown(""));
}

TEST(PropertyForm, ShapesWriteTheirOwnFields)
{
    const DesignObject line = object(ObjectKind::Line);
    DesignObject after = edited(line, [](F::Values& v) {
        v.shape.lineType = 3;
        v.shape.style = 2;  // a line has no style
        v.shape.lineSize = 4;
        v.shape.background = 0x00FFFF;
    });
    EXPECT_EQ(after.lineType, 3);
    EXPECT_EQ(after.style, line.style);
    EXPECT_EQ(after.lineSize, 4);
    EXPECT_EQ(after.backColor, 0x00FFFF);

    const DesignObject box = object(ObjectKind::Ellipse);
    after = edited(box, [](F::Values& v) {
        v.shape.lineType = 3;
        v.shape.style = 1;
        v.shape.lineSize.reset();
    });
    EXPECT_EQ(after.style, 1);
    EXPECT_EQ(after.lineType, box.lineType);
    EXPECT_EQ(after.lineSize, box.lineSize);

    // A picture takes only the General page.
    const DesignObject picture = object(ObjectKind::Graphic);
    after = edited(picture, [](F::Values& v) {
        v.general.nonPrinting = true;
        v.shape.color = 0x0000FF;
        v.font.rotation = "90";
    });
    DesignObject expected = picture;
    expected.flags = ObjectFlags::NonPrinting;
    EXPECT_TRUE(after.sameRecordAs(expected));
    const F::PictureValues shown = F::fromObject(picture).picture;
    EXPECT_EQ(shown.size, "30 x 20");
    EXPECT_TRUE(shown.bitmap);
    EXPECT_EQ(shown.depth, "24 bit (16 Million Colors)");
}

TEST(PropertyForm, TheTextPageComposesItsCodes)
{
    DesignObject text = object(ObjectKind::Text);
    text.lines = {QStringLiteral("{-zip-}")};
    const F::DesignContext linked{true, {QStringLiteral("CITY"), QStringLiteral("ZIP")}};
    F::Values values = F::fromObject(text, linked);
    EXPECT_EQ(values.text.choice, TextChoice::DBField);
    EXPECT_EQ(values.text.field, "ZIP") << "the list's own spelling";
    EXPECT_EQ(F::fromObject(text).text.choice, TextChoice::SingleText) << "no source linked";
    // A composite field is the database choice with no field chosen.
    text.lines = {QStringLiteral("{-CITY+ +ZIP-}")};
    values = F::fromObject(text, linked);
    EXPECT_EQ(values.text.choice, TextChoice::DBField);
    EXPECT_EQ(values.text.field, "");
    EXPECT_EQ(values.text.fieldWizardStart(), "CITY+ +ZIP");
    values.text.composeText();
    EXPECT_EQ(values.text.entries, text.lines) << "no field chosen: the code stays";

    values.text.field = "CITY";
    values.text.composeText();
    EXPECT_EQ(values.text.box, "{-CITY-}");
    EXPECT_EQ(values.text.entries, QStringList{"{-CITY-}"});

    F::TextValues counter;
    counter.choice = TextChoice::Counter;
    counter.entries = {"old"};
    counter.counterLength = "3";
    counter.counterStart = "-5";
    counter.counterIncrement = "2";
    counter.field = "CITY";
    counter.composeText();
    EXPECT_EQ(counter.entries, QStringList{"{-_-05_2_-}"});
    counter.clearOtherChoices();
    EXPECT_EQ(counter.counterLength, "3");
    EXPECT_EQ(counter.field, "");
    counter.choice = TextChoice::SingleText;
    counter.clearOtherChoices();
    EXPECT_EQ(counter.counterLength, "");

    // Entry 0 comes from the box with CR LF; the other entries stay.
    F::TextValues list;
    list.entries = {"a", "b", "c"};
    list.box = "x\ny";
    EXPECT_TRUE(list.erasesList());
    list.choice = TextChoice::VarText;
    EXPECT_FALSE(list.erasesList());
    list.composeText();
    EXPECT_EQ(list.entries, (QStringList{"x\r\ny", "b", "c"}));
    EXPECT_EQ(F::TextValues().fieldWizardStart(), "");
}
