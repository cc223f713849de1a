#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <tuple>

#include "model/Options.h"
#include "system/SettingsStore.h"
#include "ui/shell/OptionsDialog.h"
#include "ui/shell/OptionsForm.h"

namespace {

// Every option, so that two option sets can be compared at once.
auto fields(const Options& o)
{
    return std::make_tuple(o.promptOnDelete, o.selectReturn, o.metricUnits, o.reduceColor, o.showDesignWizard,
                           o.saveProperties, o.gridSize, o.showGrid, o.snapToGrid, o.cropMarks, o.cornerMarks,
                           o.setOrientation, o.favorites.toStdString(), o.graphics.toStdString(), o.db.toStdString());
}

// Options unlike the defaults in every field.
Options unusualOptions()
{
    Options o;
    o.promptOnDelete = false;
    o.metricUnits = true;
    o.showDesignWizard = false;
    o.gridSize = 12;
    o.showGrid = true;
    o.cornerMarks = true;
    o.setOrientation = false;
    o.favorites = "/home/me/Designs";
    o.graphics = "/srv/clipart";
    o.db = "/home/me/db";
    return o;
}

template <typename T>
T* child(const QWidget& dialog, const QString& name)
{
    T* found = dialog.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

void click(const QWidget& dialog, const char* button) { child<QPushButton>(dialog, button)->click(); }

// Runs action on the modal dialog once the event loop of exec() shows it.
void whenModalShows(const std::function<void(QWidget&)>& action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(*modal);
    });
}

} // namespace

TEST(OptionsDialog, CaptionsPagesAndControls)
{
    OptionsDialog dialog(Options{});
    EXPECT_EQ(dialog.windowTitle(), "Options");
    auto* sheet = child<QTabWidget>(dialog, "ConfigSheet");
    ASSERT_EQ(sheet->count(), 4);
    EXPECT_EQ(sheet->tabText(0), "&General");
    EXPECT_EQ(sheet->tabText(1), "G&rid");
    EXPECT_EQ(sheet->tabText(2), "&Printing");
    EXPECT_EQ(sheet->tabText(3), "&Folders");

    const std::pair<const char*, const char*> checks[] = {
        {"PromptOnDeleteCheck", "&Prompt when deleting objects"},
        {"SelectReturnCheck", "&Return to the select tool automatically"},
        {"MetricUnitsCheck", "&Metric units"},
        {"ReduceColorCheck", "Reduce &graphics to 256 colors"},
        {"ShowDesignWizardCheck", "&Show the design wizard when the application starts"},
        {"SavePropertiesCheck", "&Use last selected object's properties for the next object inserted"},
        {"ShowGridCheck", "&Display grid"},
        {"SnapToGridCheck", "&Snap to grid"},
        {"CropMarksCheck", "&Print &crop marks by default (can be changed on the print screen)"},
        {"CornerMarksCheck", "Print c&orner marks by default (can be changed on the print screen)"},
        {"SetOrientationCheck", "&Set printer orientation and paper size automatically"},
    };
    for (const auto& [name, caption] : checks)
        EXPECT_EQ(child<QCheckBox>(dialog, name)->text(), caption) << name;

    const std::pair<const char*, const char*> labels[] = {
        {"GridSizeLabel", "&Grid Size (pixels):"},
        {"FavoritesLabel", "Documents folder: (leave blank for default document folder)"},
        {"GraphicsLabel", "Graphics folder:"},
        {"DBLabel", "Database folder:"},
    };
    for (const auto& [name, caption] : labels)
        EXPECT_EQ(child<QLabel>(dialog, name)->text(), caption) << name;
    for (const char* name : {"FavoritesBtn", "GraphicsBtn", "DBBtn"})
        EXPECT_EQ(child<QPushButton>(dialog, name)->text(), "...") << name;
    const std::pair<const char*, const char*> buttons[] = {
        {"OKBtn", "OK"}, {"CancelBtn", "Cancel"}, {"HelpBtn", "Help"}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(child<QPushButton>(dialog, name)->text(), caption) << name;
}

TEST(OptionsDialog, ShowsTheOptionsAndOkReturnsTheEditedOnes)
{
    const Options shown = unusualOptions();
    OptionsDialog dialog(shown);
    for (const OptionCheck& check : optionChecks())
        EXPECT_EQ(child<QCheckBox>(dialog, check.objectName)->isChecked(), shown.*check.field)
            << check.objectName.toStdString();
    EXPECT_EQ(child<QLineEdit>(dialog, "GridSizeEdit")->text(), "12");
    EXPECT_EQ(child<QLineEdit>(dialog, "FavoritesEdit")->text(), shown.favorites);
    EXPECT_EQ(child<QLineEdit>(dialog, "GraphicsEdit")->text(), shown.graphics);
    EXPECT_EQ(child<QLineEdit>(dialog, "DBEdit")->text(), shown.db);

    Options expected = shown;
    for (const OptionCheck& check : optionChecks()) {
        child<QCheckBox>(dialog, check.objectName)->click();
        expected.*check.field = !(shown.*check.field);
    }
    child<QLineEdit>(dialog, "GridSizeEdit")->setText("20");
    expected.gridSize = 20;
    child<QLineEdit>(dialog, "FavoritesEdit")->clear();
    expected.favorites.clear();
    child<QLineEdit>(dialog, "DBEdit")->setText(" typed as is ");
    expected.db = " typed as is ";
    click(dialog, "OKBtn");

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(fields(dialog.options()), fields(expected));
}

TEST(OptionsDialog, GridSizeIsReadAsANumberWithinItsLimits)
{
    const std::pair<const char*, int> cases[] = {
        {"2", 4}, {"80", 50}, {"x", 4}, {"", 4}, {"4", 4}, {"50", 50}, {" 17 ", 17}, {"-9", 4}, {"12abc", 4},
    };
    for (const auto& [typed, stored] : cases) {
        OptionsDialog dialog(Options{});
        child<QLineEdit>(dialog, "GridSizeEdit")->setText(typed);
        click(dialog, "OKBtn");
        EXPECT_EQ(dialog.options().gridSize, stored) << '"' << typed << '"';
    }
}

TEST(OptionsDialog, CancelAndHelpChangeNothing)
{
    const Options shown = unusualOptions();
    OptionsDialog dialog(shown);
    bool helpAsked = false;
    QObject::connect(&dialog, &OptionsDialog::helpRequested, [&] { helpAsked = true; });
    child<QCheckBox>(dialog, "MetricUnitsCheck")->click();
    child<QLineEdit>(dialog, "GridSizeEdit")->setText("30");
    child<QLineEdit>(dialog, "GraphicsEdit")->setText("/elsewhere");

    click(dialog, "HelpBtn");
    EXPECT_TRUE(helpAsked);
    EXPECT_EQ(fields(dialog.options()), fields(shown));

    click(dialog, "CancelBtn");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(fields(dialog.options()), fields(shown));
}

TEST(OptionsForm, FolderChooserStartsAtTheBoxAndTakesOnlyAChosenFolder)
{
    Options options;
    options.favorites = "";
    options.graphics = "/srv/clipart";
    OptionsForm form(options);
    EXPECT_EQ(form.chooserStartFolder(&Options::graphics), "/srv/clipart");
    EXPECT_EQ(form.chooserStartFolder(&Options::favorites),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));

    form.folderChosen(&Options::graphics, "");
    EXPECT_EQ(form.folderText(&Options::graphics), "/srv/clipart");
    form.folderChosen(&Options::graphics, "/home/me/pictures");
    EXPECT_EQ(form.folderText(&Options::graphics), "/home/me/pictures");
    EXPECT_EQ(form.result().graphics, "/home/me/pictures");
}

TEST(OptionsDialog, BrowseButtonsAskFromTheirBoxAndFillIt)
{
    const Options shown = unusualOptions();
    const struct {
        const char* name;
        QString Options::*field;
    } rows[] = {{"Favorites", &Options::favorites}, {"Graphics", &Options::graphics}, {"DB", &Options::db}};
    for (const auto& row : rows) {
        const QString prefix = QString::fromLatin1(row.name);
        const QString start = shown.*row.field;
        OptionsDialog dialog(shown);
        QStringList asked;
        QString answer;
        dialog.chooseFolder = [&](const QString& start) {
            asked << start;
            return answer;
        };
        auto* edit = child<QLineEdit>(dialog, prefix + "Edit");
        click(dialog, (prefix + "Btn").toLatin1());  // cancelled
        EXPECT_EQ(edit->text(), start);
        answer = "/chosen/" + prefix;
        click(dialog, (prefix + "Btn").toLatin1());
        EXPECT_EQ(edit->text(), answer);
        EXPECT_EQ(asked, QStringList({start, start})) << row.name;
        click(dialog, "OKBtn");
        EXPECT_EQ(dialog.options().*row.field, answer);
    }
}

TEST(OptionsDialog, EditOptionsStoresAndSavesOnlyOnOk)
{
    const Options before = Options::current();
    const QString general = SettingsStore::programKey() + "\\Options\\General";
    const struct {
        const char* button;
        bool stored;
    } cases[] = {{"CancelBtn", false}, {"OKBtn", true}};
    for (const auto& c : cases) {
        Options::current().metricUnits = false;
        SettingsStore::instance().removeKey(general);
        whenModalShows([&](QWidget& dialog) {
            child<QCheckBox>(dialog, "MetricUnitsCheck")->setChecked(true);
            click(dialog, c.button);
        });
        EXPECT_EQ(editOptions(nullptr), c.stored) << c.button;
        EXPECT_EQ(Options::current().metricUnits, c.stored) << c.button;
        EXPECT_EQ(SettingsStore::instance().readInteger(general, "MetricUnits").value_or(0), c.stored ? 1 : 0);
    }
    Options::current() = before;
}
