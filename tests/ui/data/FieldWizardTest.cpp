// The Field Wizard's construction rules, without showing it.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "MergeFixtures.h"
#include "TestSupport.h"
#include "ui/data/DataDialogTexts.h"
#include "ui/data/FieldWizardModel.h"

namespace {

TEST(FieldWizard, ReadsTheFieldsOfTheLinkedSource)
{
    QTemporaryDir dir;
    MessageRecorder messages;
    const QString csv = writeFileBytes(dir.filePath("a.csv"), "FIRSTNAME,LASTNAME,CITY\r\nA,B,C\r\n");
    EXPECT_EQ(FieldWizardModel(csv).fields(), QStringList({"FIRSTNAME", "LASTNAME", "CITY"}));
    EXPECT_TRUE(FieldWizardModel(QString()).fields().isEmpty());
}

TEST(FieldWizard, JoinsFieldsTextsSpacesAndLineBreaks)
{
    enum Step { Field, Text, Space, NewLine };
    struct Case {
        const char* name;
        QString start;
        std::vector<std::pair<Step, QString>> steps;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"name over city",
         {},
         {{Field, "FIRSTNAME"}, {Space, {}}, {Field, "LASTNAME"}, {NewLine, {}}, {Field, "CITY"}},
         "FIRSTNAME+ +LASTNAME+\r\nCITY"},
        {"text after a field", {}, {{Field, "ZIP"}, {Text, "Box 12"}}, "ZIP+Box 12"},
        {"space first", {}, {{Space, {}}, {Field, "CITY"}}, " +CITY"},
        {"space after a line break", "CITY+\r\n", {{Space, {}}}, "CITY+\r\n "},
        {"continues the starting spec", "COMPANY", {{Field, "CITY"}}, "COMPANY+CITY"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FieldWizardModel wizard(QString(), c.start);
        for (const auto& [step, value] : c.steps) {
            switch (step) {
            case Field:
                wizard.chosenField = value;
                wizard.addField();
                EXPECT_TRUE(wizard.chosenField.isEmpty());
                break;
            case Text:
                wizard.otherText = value;
                wizard.addText();
                EXPECT_TRUE(wizard.otherText.isEmpty());
                break;
            case Space:
                wizard.addSpace();
                break;
            case NewLine:
                wizard.addNewLine();
                break;
            }
        }
        EXPECT_EQ(wizard.spec, c.expected);
    }
}

TEST(FieldWizard, PagesAndButtonStates)
{
    FieldWizardModel wizard{QString()};
    EXPECT_FALSE(wizard.backEnabled());
    EXPECT_EQ(wizard.nextCaption(), DataTexts::Next);
    EXPECT_FALSE(wizard.next());
    EXPECT_TRUE(wizard.onConstructionPage());
    EXPECT_TRUE(wizard.backEnabled());
    EXPECT_EQ(wizard.nextCaption(), DataTexts::Finish);
    EXPECT_FALSE(wizard.nextEnabled());
    EXPECT_FALSE(wizard.addFieldEnabled());
    EXPECT_FALSE(wizard.addTextEnabled());
    EXPECT_FALSE(wizard.next());  // nothing constructed yet

    wizard.standardAddress();
    EXPECT_EQ(wizard.spec, "FIRSTNAME+ +LASTNAME+\r\nADDRESS+\r\nCITY+ +STATE+ +ZIP");
    EXPECT_TRUE(wizard.nextEnabled());
    wizard.back();
    EXPECT_FALSE(wizard.onConstructionPage());
    EXPECT_FALSE(wizard.next());
    EXPECT_TRUE(wizard.next());
    wizard.clear();
    EXPECT_TRUE(wizard.spec.isEmpty());
}

} // namespace
