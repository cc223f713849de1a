#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "PdfProbe.h"
#include "TestSupport.h"
#include "examples/ExampleDesigns.h"
#include "files/DesignFile.h"
#include "model/Card.h"
#include "model/Folds.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"
#include "system/SettingsStore.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/MainWindow.h"
#include "shell/ProgramWindow.h"
#include "ui/wizard/DesignWizardDialog.h"
#include "ui/wizard/DesignWizardModel.h"

namespace {

using Page = DesignWizardModel::Page;
using Box = DesignWizardModel::Box;

struct TemplateSpec {
    const char* category;
    const char* name;
    uint8_t wizardType;
    uint8_t foldType;
    bool backPrintable;
    QStringList tokens;  // one text object each, in region 0
};

// Template folders with small templates and two background categories.
struct WizardFixture : testing::Test {
    QTemporaryDir dir;
    MessageRecorder messages;
    DesignWizardModel::Folders folders{dir.filePath("Template"), dir.filePath("Background")};

    WizardFixture()
    {
        SettingsStore::instance().writeString("Software\\Zevcraft\\Morrowline\\Shared", "Return Address", "");
        const TemplateSpec specs[] = {
            {"Address", "Plain address", 3, 0, false, {"ADDRESS", "RETURN ADDRESS"}},
            {"Address", "Two sided", 1, 0, true, {"ADDRESS"}},
            {"Decor", "No data", 0, 0, false, {"NAME"}},
            {"Media", "Disc", 6, 0, false, {"MEDIATITLE"}},
            {"Cards", "Folded", 5, 5, true, {"NAME", "COVERTEXT"}},
        };
        for (const TemplateSpec& spec : specs)
            writeTemplate(spec);
        for (const char* category : {"Blue", "Green"}) {
            QDir().mkpath(folders.backgrounds + "/" + category);
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(QString(category) == "Blue" ? Qt::blue : Qt::green);
            image.save(folders.backgrounds + "/" + category + "/one.bmp");
        }
    }

    void writeTemplate(const TemplateSpec& spec)
    {
        LayoutRecord layout = exampleLayout(spec.name, 300, 200);
        layout.wizardType = spec.wizardType;
        layout.foldType = spec.foldType;
        layout.backPrintable = spec.backPrintable ? 1 : 0;
        Card surface;
        ObjectManager manager(surface);
        int32_t w = 0, h = 0;
        layout.regionSize(&w, &h);
        surface.setRegionSize(w, h);
        int32_t side = 0, panel = 0;
        regionSlotFor(layout.foldType, 0, &side, &panel);
        manager.showRegion(RegionId{side, panel});
        DesignBuilder builder(manager);
        int y = 5;
        for (const QString& token : spec.tokens) {
            builder.text({5, y, 100, 20}, token);
            y += 25;
        }
        const QString folder = folders.templates + "/Standard/" + spec.category;
        QDir().mkpath(folder);
        ASSERT_TRUE(writeDesignFile(manager, folder + "/" + spec.name + ".cct", layout, {}, 100));
    }

    // Option page → the template category and template given → background page.
    void toBackground(DesignWizardModel& model, const QString& category, const QString& name)
    {
        model.next();
        model.chooseTemplateCategory(int(model.templateCategories().indexOf(category)));
        model.chooseTemplate(int(model.templates().indexOf(name)));
        ASSERT_TRUE(model.previewReady()) << name.toStdString();
        model.next();
        ASSERT_EQ(model.page(), Page::Background);
    }
};

} // namespace

TEST_F(WizardFixture, ATemplateWithoutDataGoesStraightToTheFinishWithEmptyValues)
{
    DesignWizardModel model(folders, false);
    model.setBox(Box::ReturnAddressBox, "1 Elm St");
    toBackground(model, "Decor", "No data");
    EXPECT_EQ(model.wizardType(), 0);
    model.next();
    EXPECT_EQ(model.page(), Page::Finish);
    EXPECT_EQ(model.nextCaption(), "&Finish");
    EXPECT_EQ(model.pageTitle(), "Congratulations...  Your Design is Complete!");
    ASSERT_EQ(model.next(), DesignWizardModel::Step::Finished);
    for (const QString& value : model.result().values.fieldValues)
        EXPECT_TRUE(value.isEmpty());
    EXPECT_EQ(model.result().choice, CardExpert::FromTemplate);
    EXPECT_TRUE(model.result().templatePath.endsWith("/Standard/Decor/No data.cct"));
}

TEST_F(WizardFixture, BackAndNextFollowTheWizardType)
{
    const struct {
        const char* category;
        const char* name;
        Page stepFour;
        const char* title;
    } cases[] = {
        {"Media", "Disc", Page::Media, "STEP 4: Enter Media Information"},
        {"Address", "Plain address", Page::Address, "STEP 4: Enter Address Information"},
        {"Cards", "Folded", Page::GreetingCard, "STEP 4: Enter Card Information"},
    };
    for (const auto& c : cases) {
        DesignWizardModel model(folders, false);
        toBackground(model, c.category, c.name);
        model.next();
        EXPECT_EQ(model.page(), c.stepFour) << c.name;
        EXPECT_EQ(model.pageTitle(), c.title) << c.name;
        model.next();
        EXPECT_EQ(model.page(), Page::Finish) << c.name;
        model.back();
        EXPECT_EQ(model.page(), c.stepFour) << c.name;
        EXPECT_EQ(model.nextCaption(), "&Next") << c.name;
        model.back();
        EXPECT_EQ(model.page(), Page::Background) << c.name;
        model.back();
        model.back();
        EXPECT_EQ(model.page(), Page::Option) << c.name;
        EXPECT_FALSE(model.backEnabled()) << c.name;
        EXPECT_FALSE(model.previewShown()) << c.name;
    }
}

TEST_F(WizardFixture, TheReturnAddressIsRememberedOnlyWhenAsked)
{
    {
        DesignWizardModel model(folders, false);
        EXPECT_FALSE(model.rememberReturnAddress());
        toBackground(model, "Address", "Plain address");
        model.next();
        model.setBox(Box::ReturnAddressBox, "Ann Lee\r\n1 Elm St");
        model.setRememberReturnAddress(true);
        model.next();
    }
    DesignWizardModel again(folders, false);
    EXPECT_EQ(again.box(Box::ReturnAddressBox), "Ann Lee\r\n1 Elm St");
    EXPECT_TRUE(again.rememberReturnAddress());
    toBackground(again, "Address", "Plain address");
    again.next();
    again.setRememberReturnAddress(false);
    again.next();

    DesignWizardModel third(folders, false);
    EXPECT_EQ(third.box(Box::ReturnAddressBox), "");
    EXPECT_FALSE(third.rememberReturnAddress());
}

TEST_F(WizardFixture, ThePreviewListsTheRegionsAPrintRunUses)
{
    const struct {
        const char* category;
        const char* name;
        QStringList regions;
    } cases[] = {
        {"Decor", "No data", {"Front"}},
        {"Address", "Two sided", {"Front", "Back"}},
        {"Cards", "Folded", {"Cover", "Inside Cover", "Inside"}},
    };
    for (const auto& c : cases) {
        DesignWizardModel model(folders, false);
        toBackground(model, c.category, c.name);
        EXPECT_EQ(model.previewRegions(), c.regions) << c.name;
    }
}

TEST_F(WizardFixture, AnotherBackgroundCategoryDropsThePickedPicture)
{
    DesignWizardModel model(folders, false);
    toBackground(model, "Address", "Plain address");
    EXPECT_EQ(model.backgroundCategories(), QStringList({"Blue", "Green"}));
    EXPECT_EQ(model.backgroundFile(), -1) << "nothing is picked at first";
    model.chooseBackgroundFile(0);
    ASSERT_FALSE(model.background().isEmpty());
    EXPECT_EQ(model.previewCard().backImage.image().pixel(0, 0), qRgb(0, 0, 255));
    model.chooseBackgroundCategory(1);
    EXPECT_TRUE(model.background().isEmpty());
    EXPECT_TRUE(model.previewCard().backImage.isEmpty());
    model.next();
    model.next();
    ASSERT_EQ(model.next(), DesignWizardModel::Step::Finished);
    EXPECT_TRUE(model.result().background.isEmpty());
}

TEST_F(WizardFixture, ThePreviewFitsTheRegionAndShowsOnlyTheTemplatesFields)
{
    EXPECT_EQ(DesignWizardModel::fittedZoom({320, 320}, 310, 100), 100);
    EXPECT_EQ(DesignWizardModel::fittedZoom({320, 320}, 100, 620), 50);
    EXPECT_EQ(DesignWizardModel::fittedZoom({320, 320}, 620, 620), 50) << "square regions fit both ways";

    DesignWizardModel model(folders, false);
    toBackground(model, "Address", "Two sided");
    EXPECT_TRUE(model.boxShown(Box::AddressBox));
    EXPECT_FALSE(model.boxShown(Box::ReturnAddressBox));
    model.setBox(Box::AddressBox, "Ann Lee");
    EXPECT_EQ(model.previewCard().object(0)->lines, QStringList{"Ann Lee"});
}

TEST_F(WizardFixture, TheOtherTwoChoicesFinishAtOnce)
{
    for (int choice : {CardExpert::BlankFromLayout, CardExpert::OpenFile}) {
        DesignWizardModel model(folders, false);
        model.setChoice(choice);
        ASSERT_EQ(model.next(), DesignWizardModel::Step::Finished);
        EXPECT_EQ(model.result().choice, choice);
        EXPECT_TRUE(model.result().templatePath.isEmpty());
    }
}

TEST_F(WizardFixture, MetricUnitsStartOnTheA4Family)
{
    EXPECT_TRUE(DesignWizardModel(folders, true).a4());
    EXPECT_FALSE(DesignWizardModel(folders, false).a4());
}

// New → a folded template from the bundle → a name → Finish → Save → print:
// the name is on every panel.
TEST(DesignWizardEndToEnd, TheTypedNameIsOnEveryPanelOfAPrintedFoldedCard)
{
    MessageRecorder messages;
    QTemporaryDir dir;
    ProgramWindow window;
    window.command("NewMI")->trigger();
    auto* wizard = window.findChild<DesignWizardDialog*>();
    ASSERT_NE(wizard, nullptr) << "New opens the design wizard";
    EXPECT_EQ(wizard->windowTitle(), "Design Wizard");
    DesignWizardModel& model = wizard->model();
    model.setA4(false);
    wizard->nextClicked();
    ASSERT_EQ(model.page(), Page::Template);
    model.chooseTemplateCategory(int(model.templateCategories().indexOf("Occasion Cards")));
    model.chooseTemplate(int(model.templates().indexOf("Birthday Balloons")));
    ASSERT_TRUE(model.previewReady());
    wizard->nextClicked();
    wizard->nextClicked();
    ASSERT_EQ(model.page(), Page::GreetingCard);
    wizard->typeInto(Box::ToNameBox, "Rosalind");
    wizard->typeInto(Box::CoverTextBox, "Happy Birthday");
    wizard->nextClicked();
    ASSERT_EQ(model.page(), Page::Finish);
    wizard->nextClicked();

    ASSERT_EQ(window.designWindows().size(), 1);
    DesignDocument& document = window.activeDesignWindow()->document();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.title(), "Untitled 1");
    const QString saved = dir.filePath("card.lpd");
    ASSERT_EQ(document.save(false, [&] { return saved; }), saved);

    QProcess cli;
    cli.start(STICKWELL_CLI, {"print", saved, "-o", dir.filePath("card.pdf"), "--side", "both"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const PdfText pdf = readPdfText(dir.filePath("card.pdf"));
    // Cover, inside cover and inside each carry the name.
    EXPECT_EQ(pdf.findAll("Rosalind").size(), 3u);
    EXPECT_TRUE(pdf.find("Happy").has_value());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
}
