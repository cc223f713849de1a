#include "EditingFixtures.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <utility>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "model/Options.h"
#include "ui/shell/Hooks.h"
#include "ui/editing/ColorCombo.h"
#include "ui/editing/PropertyEditor.h"

namespace {

struct PropertyEditorFixture : EditingFixture {
    PropertyEditorFixture() { newDesign(); }

    QTabWidget* pages() const { return window.propertyPages(); }
    QString frontPage() const { return pages()->currentWidget() ? pages()->currentWidget()->objectName() : QString(); }
    void typeInto(const char* name, const QString& text)
    {
        QLineEdit* box = find<QLineEdit>(name);
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void choose(const char* combo, int index)
    {
        QComboBox* list = find<QComboBox>(combo);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // One change through the pages: one record, which undo and redo take back and forth.
    void expectOneUndoableChange(DesignObject* object, const std::function<void()>& edit)
    {
        const QByteArray before = object->toRecord();
        const int records = undoCount();
        edit();
        EXPECT_EQ(undoCount(), records + 1);
        const QByteArray after = object->toRecord();
        EXPECT_NE(after, before);
        EXPECT_TRUE(editor().isModified());
        ASSERT_TRUE(editor().undo());
        EXPECT_EQ(object->toRecord(), before);
        ASSERT_TRUE(editor().redo());
        EXPECT_EQ(object->toRecord(), after);
    }
};

QImage filled(int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    image.fill(Qt::darkCyan);
    return image;
}

} // namespace

TEST_F(PropertyEditorFixture, PagesFollowTheKindOfTheOneSelectedObject)
{
    DesignObject* text = addText({10, 10, 100, 30});
    DesignObject* second = addText({10, 60, 100, 30});
    DesignObject* box = addShape(ObjectKind::Box, {150, 10, 50, 50});
    DesignObject* picture = addPicture(filled(30, 20, QImage::Format_RGB888), {150, 100, 30, 20});

    select(text);
    ASSERT_EQ(pages()->count(), 3);
    EXPECT_EQ(frontPage(), "TextPage");
    EXPECT_TRUE(pages()->isVisibleTo(&window));
    // Another text keeps the page the user is on.
    pages()->setCurrentWidget(find<QWidget>("TextPropertiesPage"));
    select(second);
    EXPECT_EQ(frontPage(), "TextPropertiesPage");

    select(box);
    EXPECT_EQ(pages()->count(), 2);
    EXPECT_EQ(frontPage(), "ShapePage");
    select(picture);
    EXPECT_EQ(frontPage(), "GraphicPage");
    select(text);
    EXPECT_EQ(frontPage(), "TextPage");

    active().surface().selectAll();
    window.enableCommands();
    EXPECT_FALSE(pages()->isVisibleTo(&window));
}

TEST_F(PropertyEditorFixture, PositionShowsAndTakesDesignUnitsAtAnyZoom)
{
    DesignObject* box = addShape(ObjectKind::Box, {100, 40, 120, 30});
    select(box);
    EXPECT_EQ(find<QLineEdit>("GeneralLeftEdit")->text(), "100");
    EXPECT_EQ(find<QLineEdit>("GeneralWidthEdit")->text(), "120");

    active().surface().setZoom(150, false);
    EXPECT_EQ(box->left, 100);
    EXPECT_EQ(find<QLineEdit>("GeneralLeftEdit")->text(), "100");
    typeInto("GeneralLeftEdit", "150");
    EXPECT_EQ(box->left, 150);
    EXPECT_EQ(undoCount(), 1);
    EXPECT_EQ(find<QLineEdit>("GeneralLeftEdit")->text(), "150");

    active().surface().setZoom(37, false);
    typeInto("GeneralWidthEdit", "77");
    EXPECT_EQ(box->rect(), QRect(150, 40, 77, 30));
    EXPECT_TRUE(editor().undo());
    EXPECT_EQ(find<QLineEdit>("GeneralWidthEdit")->text(), "120") << "the page follows an undo";
}

TEST_F(PropertyEditorFixture, TypingSomethingThatIsNoNumberChangesNothing)
{
    DesignObject* box = addShape(ObjectKind::Box, {100, 40, 120, 30});
    select(box);
    const QByteArray before = box->toRecord();
    typeInto("GeneralWidthEdit", "abc");
    EXPECT_EQ(box->rect(), QRect(100, 40, 120, 30));
    EXPECT_EQ(box->toRecord(), before);
    EXPECT_EQ(undoCount(), 0);
    EXPECT_FALSE(editor().isModified());
    EXPECT_EQ(find<QLineEdit>("GeneralWidthEdit")->text(), "120");
}

TEST_F(PropertyEditorFixture, ALockedObjectKeepsItsPlaceButTakesOtherChanges)
{
    DesignObject* box = addShape(ObjectKind::Box, {100, 40, 120, 30});
    box->flags = ObjectFlags::Locked;
    select(box);
    ASSERT_TRUE(active().surface().selectionLocked());
    typeInto("GeneralLeftEdit", "10");
    EXPECT_EQ(box->left, 100);
    choose("ShapeLineSizeCombo", 4);
    EXPECT_EQ(box->lineSize, 5);
    // Unlocking frees it again.
    find<QCheckBox>("GeneralLockedCheck")->click();
    EXPECT_FALSE(active().surface().selectionLocked());
    typeInto("GeneralLeftEdit", "10");
    EXPECT_EQ(box->left, 10);
}

TEST_F(PropertyEditorFixture, RotationHidesTheJustification)
{
    DesignObject* text = addText({10, 10, 100, 30});
    select(text);
    QGroupBox* justify = find<QGroupBox>("TextJustifyRadioGroup");
    EXPECT_FALSE(justify->isHidden());
    find<QSpinBox>("TextRotationEdit")->setValue(45);
    EXPECT_TRUE(justify->isHidden());
    EXPECT_EQ(text->rotation, 450);
    find<QSpinBox>("TextRotationEdit")->setValue(0);
    EXPECT_FALSE(justify->isHidden());
    EXPECT_EQ(text->rotation, 0);
}

TEST_F(PropertyEditorFixture, AspectAndActualSizeButtons)
{
    DesignObject* picture = addPicture(filled(300, 100, QImage::Format_RGB888), {10, 10, 120, 77});
    select(picture);
    expectOneUndoableChange(picture, [&] { find<QToolButton>("GraphicAspectWidthBtn")->click(); });
    EXPECT_EQ(picture->rect().size(), QSize(120, 40));
    find<QToolButton>("GraphicAspectHeightBtn")->click();
    EXPECT_EQ(picture->rect().size(), QSize(120, 40));
    expectOneUndoableChange(picture, [&] { find<QToolButton>("GraphicActualSizeBtn")->click(); });
    EXPECT_EQ(picture->rect().size(), QSize(300, 100));
    const QJsonObject saved = firstObject(savedInfo());
    EXPECT_EQ(saved["width"].toInt(), 300);
    EXPECT_EQ(saved["height"].toInt(), 100);
}

TEST_F(PropertyEditorFixture, PictureInformation)
{
    DesignObject* bitmap = addPicture(filled(100, 10, QImage::Format_RGB888), {10, 10, 100, 10});
    select(bitmap);
    EXPECT_EQ(find<QLabel>("PicSizeLabel")->text(), "100 x 10");
    EXPECT_EQ(find<QLabel>("PicTypeLabel")->text(), "Bitmap (BMP)");
    EXPECT_EQ(find<QLabel>("PicColorDepthLabel")->text(), "24 bit (16 Million Colors)");
    EXPECT_EQ(find<QLabel>("PicStoreSizeLabel")->text(), "3040 bytes");
    EXPECT_FALSE(find<QLabel>("PicStoreSizeLabel")->isHidden());

    QByteArray jfif;
    QBuffer buffer(&jfif);
    buffer.open(QIODevice::WriteOnly);
    filled(40, 30, QImage::Format_RGB32).save(&buffer, "JPG");
    Picture jpeg;
    ASSERT_TRUE(jpeg.loadJpeg(jfif));
    DesignObject* photo = editor().manager().createGraphic(&jpeg, 0, 0);
    placed();
    select(photo);
    EXPECT_EQ(find<QLabel>("PicTypeLabel")->text(), "JPEG Image (JPG)");
    EXPECT_TRUE(find<QLabel>("PicColorDepthLabel")->isHidden());
    EXPECT_TRUE(find<QLabel>("PicStoreSizeLabel")->isHidden());
}

TEST_F(PropertyEditorFixture, GeneralPageChangeIsSavedAndUndone)
{
    DesignObject* box = addShape(ObjectKind::Ellipse, {10, 10, 50, 40});
    select(box);
    expectOneUndoableChange(box, [&] { find<QCheckBox>("GeneralNonPrintingCheck")->click(); });
    EXPECT_EQ(firstObject(savedInfo())["flags"].toInt(), 1);
}

TEST_F(PropertyEditorFixture, TextPageChangeIsSavedAndUndone)
{
    DesignObject* text = addText({10, 10, 100, 30});
    select(text);
    expectOneUndoableChange(text, [&] { find<QPlainTextEdit>("TextMemo")->setPlainText("Dear Ann\nand Bo"); });
    EXPECT_EQ(text->lines, QStringList{"Dear Ann\r\nand Bo"});
    const QJsonArray lines = firstObject(savedInfo())["lines"].toArray();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].toString(), "Dear Ann\r\nand Bo");
}

TEST_F(PropertyEditorFixture, TextPropertiesChangesAreSavedAndUndone)
{
    DesignObject* text = addText({10, 10, 100, 30});
    text->font.setFace("Liberation Sans");
    text->font.quality = 4;
    select(text);
    const LogFont before = text->font;
    expectOneUndoableChange(text, [&] { find<QCheckBox>("BoldCheck")->click(); });
    LogFont expected = before;
    expected.weight = 700;
    EXPECT_EQ(text->font.toBytes(), expected.toBytes());
    expectOneUndoableChange(text, [&] { choose("TextColorFGCombo", 9); });
    EXPECT_EQ(text->foreColor, 0x0000FF);
    expectOneUndoableChange(text, [&] { choose("TextShadowDXCombo", 13); });
    EXPECT_EQ(text->shadowX, 3);
    expectOneUndoableChange(text, [&] { find<QRadioButton>("TextJustifyRadio2")->click(); });
    // The style: a bar code, then EAN-13.
    expectOneUndoableChange(text, [&] { choose("TextStyleCombo", 2); });
    EXPECT_FALSE(find<QComboBox>("TextParam3Combo")->isHidden());
    choose("TextParam1Combo", 4);
    EXPECT_EQ(text->textStyle, 0x02010402);

    const QJsonObject saved = firstObject(savedInfo());
    EXPECT_EQ(saved["fore_color"].toInt(), 255);
    EXPECT_EQ(saved["shadow_x"].toInt(), 3);
    EXPECT_EQ(saved["style"].toInt(), 2);
    EXPECT_EQ(saved["text_style"].toInt(), 0x02010402);
    EXPECT_EQ(saved["font"].toObject()["weight"].toInt(), 700);
    EXPECT_EQ(saved["font"].toObject()["face"].toString(), "Liberation Sans");
}

TEST_F(PropertyEditorFixture, TheFontDialogChangesOnlyWhatWasChosen)
{
    DesignObject* text = addText({10, 10, 100, 30});
    LogFont& font = text->font;
    font.setFace("Liberation Serif");
    font.height = -17;
    font.pitchAndFamily = 0x12;
    select(text);
    const LogFont before = font;
    PropertyEditor::of(window)->fontDialog = [](QWidget*, const QFont& offered) {
        QFont chosen = offered;
        chosen.setUnderline(true);
        return std::optional<QFont>(chosen);
    };
    expectOneUndoableChange(text, [&] { find<QToolButton>("FontBtn")->click(); });
    LogFont expected = before;
    expected.underline = 1;
    EXPECT_EQ(text->font.toBytes(), expected.toBytes());
}

TEST_F(PropertyEditorFixture, ShapePageChangesAreSavedAndUndone)
{
    DesignObject* box = addShape(ObjectKind::RoundBox, {10, 10, 50, 40});
    select(box);
    expectOneUndoableChange(box, [&] { choose("ShapeLineSizeCombo", 3); });
    EXPECT_EQ(box->lineSize, 4);
    // Normal hides the background colour, Filled shows it.
    find<QRadioButton>("ShapeStyleRadio0")->click();
    EXPECT_TRUE(find<QWidget>("ShapeColorBGCombo")->isHidden());
    expectOneUndoableChange(box, [&] { find<QRadioButton>("ShapeStyleRadio1")->click(); });
    EXPECT_FALSE(find<QWidget>("ShapeColorBGCombo")->isHidden());
    expectOneUndoableChange(box, [&] { choose("ShapeColorBGCombo", 11); });
    const QJsonObject saved = firstObject(savedInfo());
    EXPECT_EQ(saved["line_size"].toInt(), 4);
    EXPECT_EQ(saved["style"].toInt(), 1);
    EXPECT_EQ(saved["back_color"].toInt(), 0x00FFFF);
}

TEST_F(PropertyEditorFixture, LinesHaveALineTypeAndNoStyle)
{
    DesignObject* line = addShape(ObjectKind::Line, {10, 10, 50, 40});
    select(line);
    EXPECT_TRUE(find<QWidget>("ShapeStyleRadioGroup")->isHidden());
    EXPECT_TRUE(find<QWidget>("ShapeColorBGCombo")->isHidden());
    EXPECT_FALSE(find<QWidget>("ShapeLineTypeRadioGroup")->isHidden());
    expectOneUndoableChange(line, [&] { find<QRadioButton>("ShapeLineTypeRadio3")->click(); });
    EXPECT_EQ(firstObject(savedInfo())["line_type"].toInt(), 3);
}

TEST_F(PropertyEditorFixture, OtherColourAsksTheColourDialog)
{
    DesignObject* box = addShape(ObjectKind::Box, {10, 10, 50, 40});
    box->foreColor = 0x123456;
    select(box);
    auto* colors = find<QComboBox>("ShapeColorFGCombo");
    EXPECT_EQ(colors->currentIndex(), 16);
    auto& dialog = ColorCombo::colorDialog();
    const auto saved = dialog;
    dialog = [](QWidget*, const QColor&) { return std::optional<QColor>(QColor(0x10, 0x20, 0x30)); };
    choose("ShapeColorFGCombo", 16);
    EXPECT_EQ(box->foreColor, 0x302010);
    dialog = [](QWidget*, const QColor&) { return std::optional<QColor>(); };
    const int records = undoCount();
    choose("ShapeColorFGCombo", 16);
    EXPECT_EQ(undoCount(), records);
    EXPECT_EQ(box->foreColor, 0x302010);
    dialog = saved;
}

TEST_F(PropertyEditorFixture, SymbolButtonPutsOneCharacterInTheChosenFont)
{
    DesignObject* text = addText({10, 10, 100, 30});
    select(text);
    PropertyEditor::of(window)->symbolDialog = [](QWidget*, const QString&) {
        return std::optional<std::pair<QString, QChar>>({QStringLiteral("Liberation Mono"), QChar(0x00AE)});
    };
    find<QPushButton>("SymbolBtn")->click();
    EXPECT_EQ(text->lines, QStringList{QString(QChar(0x00AE))});
    EXPECT_EQ(text->font.face(), "Liberation Mono");
    EXPECT_EQ(undoCount(), 1);
}

TEST_F(PropertyEditorFixture, PickTextIsOffWithoutThePersonalDatabases)
{
    // The program installs both services; without them the buttons are off.
    const auto picker = std::exchange(Hooks::pickText(), {});
    const auto builder = std::exchange(Hooks::buildField(), {});
    addText({10, 10, 100, 30});
    select(editor().card().object(0));
    EXPECT_FALSE(find<QPushButton>("PickTextBtn")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("BuildFieldBtn")->isEnabled());
    Hooks::pickText() = picker;
    Hooks::buildField() = builder;
}

// The stored designs name "Arial"; fontconfig draws it with a metric-compatible
// font, and the Text Properties page shows it under the stored name.
TEST_F(PropertyEditorFixture, TheUsualWindowsFaceIsOfferedUnderItsStoredName)
{
    addText({10, 10, 100, 30});
    select(editor().card().object(0));
    auto* fonts = find<QComboBox>("TextFontCombo");
    ASSERT_NE(fonts, nullptr);
    if (QFontInfo(QFont("Arial")).family() == "Arial" || fonts->findText("Liberation Sans") < 0)
        GTEST_SKIP() << "Arial is installed as itself, or no metric-compatible font is";
    EXPECT_EQ(fonts->currentText(), "Arial");
}
