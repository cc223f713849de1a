// The merge-data windows over their models, and their commands at the main window.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "MergeFixtures.h"
#include "TestSupport.h"
#include "merge/DataReader.h"
#include "model/Options.h"
#include "ui/data/ConnectionDialog.h"
#include "ui/data/DataDialogTexts.h"
#include "ui/data/FieldWizardDialog.h"
#include "ui/data/ImportDialog.h"
#include "ui/data/LinkWizardDialog.h"
#include "ui/shell/LoadProgress.h"
#include "ui/data/PdbDialog.h"
#include "ui/shell/DesignWindow.h"
#include "ui/shell/FamilyServices.h"
#include "ui/shell/MainWindow.h"
#include "shell/ProgramWindow.h"

namespace {

template <typename T>
T* child(QWidget& parent, const char* name)
{
    T* found = parent.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Answers the next modal dialog that opens with the given action.
void whenModalOpens(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(modal);
    });
}

class DataDialogsTest : public testing::Test {
protected:
    void SetUp() override { DataReader::setTextDriverSettingsFile(dir.filePath("defado.cfg")); }
    void TearDown() override { DataReader::setTextDriverSettingsFile(QString()); }
    QString people()
    {
        return writeFileBytes(dir.filePath("people.csv"), "NAME,CITY\r\nSmith,Paris\r\nJones,Rome\r\n");
    }
    QTemporaryDir dir;
    MessageRecorder messages;
};

TEST_F(DataDialogsTest, LinkWizardWalksItsPages)
{
    LinkWizardDialog wizard(dir.path(), people());
    auto* pages = child<QStackedWidget>(wizard, "LinkPages");
    auto* next = child<QPushButton>(wizard, "NextBtn");
    auto* back = child<QPushButton>(wizard, "BackBtn");
    EXPECT_EQ(wizard.windowTitle(), "Linked Database Wizard");
    EXPECT_EQ(pages->currentWidget()->objectName(), "OptionsPage");
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(child<QAbstractButton>(wizard, "PersonalRadio")->isChecked());
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(pages->currentWidget()->objectName(), "DatabasePage");
    EXPECT_EQ(child<QLineEdit>(wizard, "FileEdit")->text(), people());
    EXPECT_TRUE(back->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(pages->currentWidget()->objectName(), "RecordSelectionPage");
    child<QAbstractButton>(wizard, "FilterRadio")->click();
    QTest::mouseClick(next, Qt::LeftButton);
    ASSERT_EQ(pages->currentWidget()->objectName(), "FilterPage");
    auto* fields = child<QComboBox>(wizard, "FieldCombo");
    EXPECT_EQ(fields->count(), 2);
    auto* addCondition = child<QPushButton>(wizard, "AddConditionBtn");
    EXPECT_FALSE(addCondition->isEnabled());
    EXPECT_FALSE(child<QPushButton>(wizard, "AddAndBtn")->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    ASSERT_EQ(pages->currentWidget()->objectName(), "SortPage");
    QTest::mouseClick(next, Qt::LeftButton);
    ASSERT_EQ(pages->currentWidget()->objectName(), "FinishPage");
    EXPECT_EQ(next->text(), DataTexts::Finish);
    EXPECT_FALSE(child<QPushButton>(wizard, "CancelListingBtn")->isVisible());
    child<QCheckBox>(wizard, "ShowRecordsCheck")->setChecked(true);
    QTRY_COMPARE(child<QLabel>(wizard, "CountLabel")->text(), QString("2 Records"));
    EXPECT_EQ(child<QListWidget>(wizard, "RecordList")->count(), 2);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
}

TEST_F(DataDialogsTest, FieldWizardBuildsTheSpecFromItsButtons)
{
    FieldWizardDialog wizard(people(), QString());
    QTest::mouseClick(child<QPushButton>(wizard, "NextBtn"), Qt::LeftButton);
    auto* fields = child<QComboBox>(wizard, "FieldCombo");
    auto* addField = child<QPushButton>(wizard, "AddFieldBtn");
    EXPECT_FALSE(addField->isEnabled());
    fields->setCurrentIndex(0);
    emit fields->activated(0);
    EXPECT_TRUE(addField->isEnabled());
    QTest::mouseClick(addField, Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(wizard, "AddNewLineBtn"), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>(wizard, "TextEdit"), "Box 7");
    QTest::mouseClick(child<QPushButton>(wizard, "AddTextBtn"), Qt::LeftButton);
    EXPECT_EQ(wizard.model().spec, "NAME+\r\nBox 7");
    QTest::mouseClick(child<QPushButton>(wizard, "NextBtn"), Qt::LeftButton);
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
}

TEST_F(DataDialogsTest, PersonalDatabasesPagesAndPickText)
{
    PdbDialog dialog(dir.path());
    EXPECT_EQ(dialog.windowTitle(), "Personal Databases");
    ASSERT_EQ(dialog.sheet()->count(), 3);
    EXPECT_EQ(dialog.sheet()->tabText(0), "Names and Addresses");
    PdbPageWidget& texts = dialog.page(PdbKind::Texts);
    EXPECT_EQ(child<QComboBox>(texts, "CategoryCombo")->currentText(), "My Texts");
    EXPECT_TRUE(child<QPushButton>(texts, "ExportBtn")->isEnabled());
    EXPECT_EQ(child<QPushButton>(texts, "ImportBtn")->text(), "Import Into Selected Database");
    QTest::mouseClick(child<QToolButton>(texts, "InsertBtn"), Qt::LeftButton);
    texts.model().setValue("TEXT", "Season's greetings");
    dialog.accept();  // OK posts
    EXPECT_EQ(texts.model().recordTexts(), QStringList({"Season's greetings"}));

    PdbPageWidget& names = dialog.page(PdbKind::Names);
    auto* sheet = child<QTabWidget>(names, "FieldSheet");
    ASSERT_EQ(sheet->count(), 3);
    EXPECT_EQ(sheet->tabText(0), "&Name && Address");
    names.askName = [](const QString& title, const QString&, const QString&) {
        EXPECT_EQ(title, "New Category");
        return std::optional<QString>("Clients");
    };
    QTest::mouseClick(child<QPushButton>(names, "AddCategoryBtn"), Qt::LeftButton);
    EXPECT_EQ(child<QComboBox>(names, "CategoryCombo")->currentText(), "Clients");

    whenModalOpens([](QWidget* modal) {
        auto* pdb = qobject_cast<PdbDialog*>(modal);
        ASSERT_NE(pdb, nullptr);
        EXPECT_FALSE(pdb->sheet()->isTabVisible(0));
        EXPECT_TRUE(pdb->sheet()->isTabVisible(2));
        pdb->accept();
    });
    EXPECT_EQ(PdbDialog::pickText(nullptr, dir.path()), std::optional<QString>("Season's greetings"));
}

TEST_F(DataDialogsTest, ImportDialogPairsAndImports)
{
    ImportDialog dialog(PdbKind::Names);
    EXPECT_FALSE(child<QWidget>(dialog, "Step2Panel")->isVisibleTo(&dialog));
    EXPECT_FALSE(child<QPushButton>(dialog, "ImportBtn")->isEnabled());
    dialog.chooseFile = [this](const QString& filter) {
        EXPECT_EQ(filter, DataTexts::ImportFilter);
        return people();
    };
    QTest::mouseClick(child<QPushButton>(dialog, "FileBtn"), Qt::LeftButton);
    EXPECT_TRUE(child<QWidget>(dialog, "Step2Panel")->isVisibleTo(&dialog));
    EXPECT_EQ(child<QListWidget>(dialog, "ColumnList")->count(), 2);
    QTest::mouseClick(child<QPushButton>(dialog, "AddBtn"), Qt::LeftButton);
    EXPECT_EQ(child<QListWidget>(dialog, "PairList")->item(0)->text(), "First Name=NAME");
    EXPECT_TRUE(child<QPushButton>(dialog, "ImportBtn")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(dialog, "RemoveBtn")->isEnabled());
}

TEST_F(DataDialogsTest, ConnectionTestRunsWithoutBlockingAndShowsTheDriverError)
{
    ConnectionDialog dialog("Driver=QSQLITE;Database=" + dir.filePath("missing.db"));
    dialog.startTest(false);
    EXPECT_TRUE(dialog.testing());
    QTRY_VERIFY(!dialog.testing());
    EXPECT_FALSE(dialog.lastResult().ok);
    EXPECT_TRUE(child<QLabel>(dialog, "TestResultLabel")->text().contains(dialog.lastResult().error));
}

TEST_F(DataDialogsTest, LongOpensShowProgressThatCancels)
{
    QByteArray csv = "NAME\r\n";
    for (int i = 0; i < 5000; ++i)
        csv += "N" + QByteArray::number(i) + "\r\n";
    const QString file = writeFileBytes(dir.filePath("long.csv"), csv);
    QWidget window;
    DataReader reader;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (auto* progress = window.findChild<QProgressDialog*>("LoadProgressDlg")) {
            seen = progress->isVisible();
            progress->cancel();
        }
    });
    {
        LoadProgress progress(reader, &window, 0);
        EXPECT_EQ(reader.open(file), -1);
    }
    EXPECT_TRUE(seen);
    EXPECT_TRUE(reader.loadCancelled());
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(reader.open(file), 1);  // no progress left behind: nothing to cancel it
    EXPECT_EQ(reader.recordCount(), 5000);
}

TEST_F(DataDialogsTest, MainWindowCommandsOpenTheDialogs)
{
    ProgramWindow window;
    ASSERT_TRUE(bool(window.services().pickText));
    whenModalOpens([](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), "PDBForm");
        static_cast<QDialog*>(modal)->reject();
    });
    window.command("PersonalDatabasesMI")->trigger();

    DesignWindow* design = window.newBlankDesign();
    ASSERT_NE(design, nullptr);
    const QString link = people();
    whenModalOpens([link](QWidget* modal) {
        auto* wizard = qobject_cast<LinkWizardDialog*>(modal);
        ASSERT_NE(wizard, nullptr);
        wizard->nextClicked();  // options → database
        wizard->model().chooseFile(link);
        wizard->nextClicked();  // → record selection
        wizard->nextClicked();  // → finish
        wizard->nextClicked();  // Finish
    });
    window.command("LinkedDatabaseMI")->trigger();
    EXPECT_EQ(design->document().linkedDatabasePath(), link);
    EXPECT_TRUE(design->document().dataReader().active());
    EXPECT_TRUE(design->document().isModified());
}

} // namespace
