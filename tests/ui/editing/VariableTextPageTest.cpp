#include "EditingFixtures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/editing/PropertyEditor.h"
#include "ui/shell/Hooks.h"

namespace {

struct TextPageFixture : EditingFixture {
    DesignObject* text = nullptr;

    void startBlank()
    {
        newDesign();
        text = addText({10, 10, 150, 40});
        select(text);
    }
    // Shows the object afresh, as after selecting another one and back.
    void reselect()
    {
        active().surface().selectNone();
        select(text);
    }
    QRadioButton* radio(const char* name) { return find<QRadioButton>(name); }
    QString box(const char* name) { return find<QLineEdit>(name)->text(); }
    void counter(const QString& digits, const QString& start, const QString& inc)
    {
        radio("CounterRadio")->click();
        find<QLineEdit>("CounterLengthEdit")->setText(digits);
        find<QLineEdit>("CounterStartEdit")->setText(start);
        QLineEdit* incBox = find<QLineEdit>("CounterIncEdit");
        incBox->setText(inc);
        QTest::keyClick(incBox, Qt::Key_Return);
    }
};

} // namespace

TEST_F(TextPageFixture, SameTextRoundTrips)
{
    startBlank();
    find<QPlainTextEdit>("TextMemo")->setPlainText("Happy birthday");
    EXPECT_EQ(text->lines, QStringList{"Happy birthday"});
    reselect();
    EXPECT_TRUE(radio("SingleTextRadio")->isChecked());
    EXPECT_EQ(find<QPlainTextEdit>("TextMemo")->toPlainText(), "Happy birthday");
    EXPECT_TRUE(find<QPlainTextEdit>("TextMemo")->isEnabled());
}

TEST_F(TextPageFixture, AListOfFourRoundTrips)
{
    startBlank();
    const QStringList names{"Ann", "Bo", "Cy\r\nDee", "Eve"};
    QStringList offered;
    PropertyEditor::of(window)->textListDialog = [&](QWidget*, const QStringList& entries) {
        offered = entries;
        return std::optional<QStringList>(names);
    };
    radio("VarTextRadio")->click();
    find<QPushButton>("VarTextBtn")->click();
    EXPECT_EQ(offered, QStringList{"Text"});
    EXPECT_EQ(text->lines, names);
    EXPECT_EQ(undoCount(), 1);
    reselect();
    EXPECT_TRUE(radio("VarTextRadio")->isChecked());
    EXPECT_TRUE(find<QPushButton>("VarTextBtn")->isEnabled());
    EXPECT_FALSE(find<QPlainTextEdit>("TextMemo")->isEnabled());
    // The dialog gets the whole list back.
    find<QPushButton>("VarTextBtn")->click();
    EXPECT_EQ(offered, names);
}

TEST_F(TextPageFixture, AnAcceptedEmptyListAppliesNothing)
{
    startBlank();
    text->lines = {"a", "b", "c"};
    reselect();
    PropertyEditor::of(window)->textListDialog = [](QWidget*, const QStringList&) {
        return std::optional<QStringList>(QStringList());
    };
    find<QPushButton>("VarTextBtn")->click();
    EXPECT_EQ(text->lines, (QStringList{"a", "b", "c"}));
    EXPECT_EQ(undoCount(), 0);
}

TEST_F(TextPageFixture, LeavingTheListAsksBeforeErasingIt)
{
    startBlank();
    text->lines = {"a", "b", "c"};
    reselect();
    recordedMessages().queueAnswer(Messages::Answer::No);
    radio("SingleTextRadio")->click();
    EXPECT_TRUE(radio("VarTextRadio")->isChecked());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts().front(),
              "Unchecking the Variable Text option will erase all variable text items.\n\nAre your sure?");
    EXPECT_EQ(text->lines.size(), 3);

    recordedMessages().queueAnswer(Messages::Answer::Yes);
    radio("SingleTextRadio")->click();
    EXPECT_TRUE(radio("SingleTextRadio")->isChecked());
    // The object changes at the next apply: then only the text box's text is left.
    EXPECT_EQ(text->lines.size(), 3);
    find<QPlainTextEdit>("TextMemo")->setPlainText("one");
    EXPECT_EQ(text->lines, QStringList{"one"});
}

TEST_F(TextPageFixture, CountersRoundTrip)
{
    startBlank();
    struct Case {
        const char* digits;
        const char* start;
        const char* inc;
        const char* code;
        const char* shownDigits;
        const char* shownStart;
        const char* shownInc;
    } cases[] = {
        {"", "", "", "{-_000000_1_-}", "6", "0", "1"},
        {"6", "1", "1", "{-_000001_1_-}", "6", "1", "1"},
        {"3", "-5", "2", "{-_-05_2_-}", "3", "-5", "2"},
        {"2", "12345", "1", "{-_12345_1_-}", "5", "12345", "1"},
        {"2", "10", "-1", "{-_10_-1_-}", "2", "10", "-1"},
        {"4", "7", "25", "{-_0007_25_-}", "4", "7", "25"},
        {"250", "1", "1", nullptr, "100", "1", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code ? c.code : "250 digits");
        counter(c.digits, c.start, c.inc);
        ASSERT_EQ(text->lines.size(), 1);
        if (c.code)
            EXPECT_EQ(text->lines.front(), c.code);
        else
            EXPECT_EQ(text->lines.front(), "{-_" + QString(99, '0') + "1_1_-}");
        reselect();
        EXPECT_TRUE(radio("CounterRadio")->isChecked());
        EXPECT_EQ(box("CounterLengthEdit"), c.shownDigits);
        EXPECT_EQ(box("CounterStartEdit"), c.shownStart);
        EXPECT_EQ(box("CounterIncEdit"), c.shownInc);
    }
}

TEST_F(TextPageFixture, LeavingTheCounterKeepsTheCodeUntilTheTextIsEdited)
{
    startBlank();
    counter("3", "1", "1");
    radio("SingleTextRadio")->click();
    EXPECT_EQ(box("CounterLengthEdit"), "");
    EXPECT_EQ(text->lines, QStringList{"{-_001_1_-}"});
}

TEST_F(TextPageFixture, DatabaseFieldsOfALinkedDesign)
{
    const QString source = QStringLiteral(STICKWELL_DATA_SOURCE "/examples/");
    QFile::copy(source + "addresses.csv", dir.filePath("addresses.csv"));
    QFile::copy(source + "address-label.lpd", dir.filePath("address-label.lpd"));
    QFile::setPermissions(dir.filePath("address-label.lpd"), QFile::ReadOwner | QFile::WriteOwner);
    window.openDesignPath(dir.filePath("address-label.lpd"), false);
    ASSERT_NE(window.activeDesignWindow(), nullptr);
    ASSERT_TRUE(active().document().dataReader().active());

    // A composite field: the database choice with no single field selected.
    DesignObject* address = editor().card().findByName("Text0");
    ASSERT_NE(address, nullptr);
    const QStringList composite = address->lines;
    select(address);
    EXPECT_TRUE(radio("DBRadio")->isChecked());
    auto* fields = find<QComboBox>("DBFieldCombo");
    EXPECT_EQ(fields->count(), 6);
    EXPECT_EQ(fields->currentIndex(), -1);
    // Another change keeps the composite.
    find<QCheckBox>("BoldCheck")->click();
    EXPECT_EQ(address->lines, composite);

    // The Field Wizard starts from the code's field spec and gives a new one.
    QString started;
    Hooks::buildField() = [&](QWidget*, DataReader& reader, const QString& spec) {
        EXPECT_TRUE(reader.active());
        started = spec;
        return std::optional<QString>(QStringLiteral("CITY+ +ZIP"));
    };
    select(address);
    ASSERT_TRUE(find<QPushButton>("BuildFieldBtn")->isEnabled());
    find<QPushButton>("BuildFieldBtn")->click();
    Hooks::buildField() = nullptr;
    EXPECT_EQ("{-" + started + "-}", composite.front());
    EXPECT_EQ(address->lines, QStringList{"{-CITY+ +ZIP-}"});

    // One field chosen from the list, and shown again.
    DesignObject* zip = editor().card().findByName("Text1");
    select(zip);
    EXPECT_EQ(fields->currentText(), "ZIP");
    fields->setCurrentIndex(fields->findText("CITY"));
    emit fields->activated(fields->currentIndex());
    EXPECT_EQ(zip->lines, QStringList{"{-CITY-}"});
    active().surface().selectNone();
    select(zip);
    EXPECT_TRUE(radio("DBRadio")->isChecked());
    EXPECT_EQ(fields->currentText(), "CITY");

    // A personal-data code selects the database choice with no field.
    zip->lines = {"{-USER2=Phone-}"};
    active().surface().selectNone();
    select(zip);
    EXPECT_TRUE(radio("DBRadio")->isChecked());
    EXPECT_EQ(fields->currentIndex(), -1);
}

TEST_F(TextPageFixture, TheDatabaseChoiceWithoutALinkAsksAndFallsBack)
{
    startBlank();
    recordedMessages().queueAnswer(Messages::Answer::No);
    radio("DBRadio")->click();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts().front(),
              "There is currently no DB file linked to this design.\n\nWould you like to link one now?");
    EXPECT_TRUE(radio("SingleTextRadio")->isChecked());
    // A field code of an unlinked design is plain text on the page.
    text->lines = {"{-CITY-}"};
    reselect();
    EXPECT_TRUE(radio("SingleTextRadio")->isChecked());
}
