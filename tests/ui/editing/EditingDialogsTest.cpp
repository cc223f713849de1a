#include "EditingFixtures.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

#include "model/Options.h"
#include "ui/editing/AlignmentDialog.h"
#include "ui/editing/BackgroundDialog.h"
#include "ui/editing/EditingCommands.h"
#include "ui/editing/MarginsDialog.h"
#include "ui/editing/SymbolDialog.h"
#include "ui/editing/VariableTextDialog.h"
#include "ui/shell/FamilyServices.h"

namespace {

QLineEdit* edit(QWidget& dialog, const char* name) { return dialog.findChild<QLineEdit*>(QString::fromLatin1(name)); }

Picture solidPicture(QColor color, int width = 8, int height = 8)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(color);
    Picture picture;
    picture.setBitmap(image);
    return picture;
}

// Restores an option a test changes.
struct Restore {
    Options options = Options::current();
    ~Restore() { Options::current() = options; }
};

} // namespace

TEST(MarginsForm, ShowsAndReadsInchesOrMillimetres)
{
    MarginsForm metric({8, 8, 8, 8}, true);
    EXPECT_EQ(metric.text(MarginsForm::Left), "2.0320");
    ASSERT_TRUE(metric.accept({"25.4", "2.032", "2.032", "2.032"}));
    EXPECT_EQ(metric.values().left, 100);
    EXPECT_EQ(MarginsForm(metric.values(), true).text(MarginsForm::Left), "25.4000");

    MarginsForm inches({8, 8, 8, 8}, false);
    ASSERT_TRUE(inches.accept({"1.27", "0.5", "0", "0.08"}));
    EXPECT_EQ(inches.values(), (MarginValues{127, 50, 0, 8}));
    // A field that is no number stops there; the ones before it keep their new values.
    MarginsForm broken({8, 8, 8, 8}, false);
    EXPECT_FALSE(broken.accept({"0.2", "x", "0.3", "0.4"}));
    EXPECT_EQ(broken.values(), (MarginValues{20, 8, 8, 8}));
}

TEST_F(EditingFixture, MarginsCommandSetsTheShownRegionsMargins)
{
    Restore restore;
    Options::current().metricUnits = true;
    newDesign();
    onNextDialog<MarginsDialog>([](MarginsDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QRadioButton*>()->isChecked() == false);
        edit(dialog, "LeftEdit")->setText("oops");
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(recordedMessages().texts().value(0), "Please enter valid margin settings before clicking OK.");
        edit(dialog, "LeftEdit")->setText("25.4");
        edit(dialog, "BottomEdit")->setText("12.7");
        dialog.accept();
    });
    window.command("MarginsMI")->trigger();
    EXPECT_EQ(editor().card().marginLeft, 100);
    EXPECT_EQ(editor().card().marginBottom, 50);
    EXPECT_EQ(editor().card().marginTop, 8);
    EXPECT_TRUE(editor().isModified());
    EXPECT_TRUE(editor().undo());
    EXPECT_EQ(editor().card().marginLeft, 8);
    EXPECT_TRUE(editor().redo());

    editor().markSaved();
    onNextDialog<MarginsDialog>([](MarginsDialog& dialog) {
        edit(dialog, "LeftEdit")->setText("1");
        dialog.reject();
    });
    window.command("MarginsMI")->trigger();
    EXPECT_EQ(editor().card().marginLeft, 100);
    EXPECT_FALSE(editor().isModified());
}

TEST_F(EditingFixture, AlignmentDialogCarriesOutItsChoicesInOrder)
{
    newDesign();
    editor().card().marginLeft = 10;
    editor().card().marginTop = 10;
    DesignObject* a = addShape(ObjectKind::Box, {50, 40, 20, 10});
    DesignObject* b = addShape(ObjectKind::Box, {80, 60, 20, 30});
    active().surface().selectAll();
    window.enableCommands();
    onNextDialog<AlignmentDialog>([](AlignmentDialog& dialog) {
        EXPECT_TRUE(dialog.findChild<QGroupBox*>("VertGroupRadioGroup")->isEnabled());
        dialog.choice(0)->button(1)->click();  // Left
        dialog.choice(3)->button(3)->click();  // Bottoms
        dialog.accept();
    });
    window.command("AlignMI")->trigger();
    EXPECT_EQ(a->rect(), QRect(10, 80, 20, 10));
    EXPECT_EQ(b->rect(), QRect(40, 60, 20, 30));
    EXPECT_EQ(undoCount(), 1) << "the dialog's choices are one step";
    EXPECT_TRUE(editor().undo());
    EXPECT_EQ(a->rect(), QRect(50, 40, 20, 10));
    EXPECT_EQ(b->rect(), QRect(80, 60, 20, 30));

    AlignmentDialog single(false);
    EXPECT_FALSE(single.findChild<QGroupBox*>("HorzGroupRadioGroup")->isEnabled());
    EXPECT_TRUE(single.kinds().empty());
}

TEST_F(EditingFixture, AlignmentToolbarAndMenuCommands)
{
    newDesign();
    editor().card().marginLeft = 10;
    DesignObject* a = addShape(ObjectKind::Box, {13, 40, 20, 10});
    DesignObject* b = addShape(ObjectKind::Box, {80, 60, 20, 30});
    active().surface().selectAll();
    window.enableCommands();
    window.command("AlignGroupRightBtnAction")->trigger();
    EXPECT_EQ(a->left, 80);
    EXPECT_EQ(undoCount(), 1);
    window.command("AlignLeftBtnAction")->trigger();
    EXPECT_EQ(a->left, 10);
    EXPECT_EQ(b->left, 10);
    window.command("FitToMarginsMI")->trigger();
    EXPECT_EQ(a->left, 10);
    EXPECT_EQ(a->width, editor().card().regionWidth() - 10 - 8);
    // Align All to Grid selects everything first.
    active().surface().selectOnly(a);
    editor().card().gridX = editor().card().gridY = 8;
    window.command("AlignAllToGridMI")->trigger();
    EXPECT_EQ(editor().selection().size(), 2u);
    EXPECT_EQ(a->left, 8);
    EXPECT_EQ(b->left % 8, 0);
}

TEST_F(EditingFixture, ProtectionStopsTheMenuCommandsButNotTheToolbar)
{
    newDesign();
    DesignObject* a = addShape(ObjectKind::Box, {50, 40, 20, 10});
    DesignObject* b = addShape(ObjectKind::Box, {80, 60, 20, 30});
    editor().manager().setPassword("pw");
    window.askPassword = [] { return std::optional<QString>(); };
    active().surface().selectAll();
    window.enableCommands();
    window.command("FitToMarginsMI")->trigger();
    window.command("AlignSelectedToGridMI")->trigger();
    EXPECT_EQ(a->rect(), QRect(50, 40, 20, 10));
    EXPECT_EQ(undoCount(), 0);
    window.command("AlignGroupTopBtnAction")->trigger();
    EXPECT_EQ(b->top, 40);
}

TEST_F(EditingFixture, BackgroundCommandAndDoubleClick)
{
    Restore restore;
    newDesign();
    window.services().choosePicture = [](QWidget*, const Picture&) {
        return std::optional<Picture>(solidPicture(Qt::red));
    };
    onNextDialog<BackgroundDialog>([](BackgroundDialog& dialog) {
        EXPECT_FALSE(dialog.findChild<QPushButton*>("ClearBtn")->isEnabled());
        dialog.findChild<QPushButton*>("PictureBtn")->click();
        EXPECT_EQ(dialog.findChild<QLabel*>("BackgroundInfo")->text(), "Bitmap (BMP)\n8 x 8");
        dialog.accept();
    });
    window.command("BackgroundMI")->trigger();
    EXPECT_FALSE(editor().card().backImage.isEmpty());
    EXPECT_TRUE(editor().isModified());
    EXPECT_EQ(undoCount(), 1);

    // A double-click on the empty card opens it too; Clear removes the background.
    onNextDialog<BackgroundDialog>([](BackgroundDialog& dialog) {
        dialog.findChild<QPushButton*>("ClearBtn")->click();
        dialog.accept();
    });
    active().surface().mouseDoubleClick(QPoint(5, 5));
    EXPECT_TRUE(editor().card().backImage.isEmpty());
    EXPECT_TRUE(editor().undo());
    EXPECT_FALSE(editor().card().backImage.isEmpty()) << "Undo brings the earlier background back";
}

TEST(VariableTextDialog, AddRemoveAndTheButtons)
{
    // Outside a main window: no personal databases to pick from.
    VariableTextDialog dialog({"a", "b\r\nc"});
    auto* add = dialog.findChild<QPushButton*>("AddBtn");
    auto* remove = dialog.findChild<QPushButton*>("RemoveBtn");
    auto* list = dialog.findChild<QListWidget*>("VarTextList");
    auto* text = dialog.findChild<QPlainTextEdit*>("TextMemo");
    EXPECT_FALSE(add->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_EQ(list->item(1)->text(), QString::fromUtf8("b \u21B5 c"));
    text->setPlainText("d\ne");
    EXPECT_TRUE(add->isEnabled());
    add->click();
    EXPECT_EQ(dialog.entries(), (QStringList{"a", "b\r\nc", "d\r\ne"}));
    list->setCurrentRow(0);
    EXPECT_TRUE(remove->isEnabled());
    remove->click();
    EXPECT_EQ(dialog.entries(), (QStringList{"b\r\nc", "d\r\ne"}));
    EXPECT_EQ(dialog.windowTitle(), "Variable Text");
    EXPECT_FALSE(dialog.findChild<QPushButton*>("PickTextBtn")->isEnabled());
}

TEST(SymbolDialog, StartsWithTheCopyrightSignInTheTextsFont)
{
    SymbolDialog dialog("liberation serif");
    EXPECT_EQ(dialog.windowTitle(), "Choose Symbol");
    EXPECT_EQ(dialog.symbol(), QChar(0x00A9));
    EXPECT_EQ(dialog.fontName(), "Liberation Serif");
    dialog.setFontName("Liberation Mono");
    EXPECT_EQ(dialog.fontName(), "Liberation Mono");
    dialog.chooseSymbol(QChar(0x00B0));
    EXPECT_EQ(dialog.symbol(), QChar(0x00B0));
    EXPECT_FALSE(SymbolDialog::symbolFonts().isEmpty());
}
