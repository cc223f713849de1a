// Filling template placeholders with personal values.

#include <gtest/gtest.h>

#include "merge/PersonalMerge.h"
#include "model/Card.h"
#include "model/ObjectData.h"
#include "model/ObjectManager.h"

namespace {

struct Template {
    TGridPanel surface;
    TObjectManager manager{surface};

    TObjectData* text(const QStringList& lines)
    {
        TObjectData* data = manager.CreateText(0, 0)->data();
        data->Lines = lines;
        return data;
    }
};

TEST(PersonalMerge, ReplacesTokensAndRecordsWhatItFound)
{
    Template t;
    PersonalMergeValues values;
    values.FieldValues[PersonalField::Name] = "Ann";
    values.FieldValues[PersonalField::Company] = "";
    values.FieldValues[PersonalField::MediaContents] = "Track 1\r\nTrack 2";
    values.FieldValues[PersonalField::User1 + 2] = "12 May";
    values.FieldValues[PersonalField::User1 + 4] = "fifth";

    struct Case {
        QStringList lines;
        QStringList merged;
    };
    const std::vector<Case> cases = {
        {{"NAME"}, {"Ann"}},
        {{"COMPANY"}, {"COMPANY"}},  // empty value: the token stays, but is found
        {{"name"}, {"name"}},
        {{"NAME", "ADDRESS"}, {"NAME", "ADDRESS"}},  // lists are never merged
        {{"MEDIACONTENTS"}, {"Track 1\r\nTrack 2"}},
        {{"{-USER3=Birthday-}"}, {"12 May"}},
        {{"USER5"}, {"fifth"}},
        {{"{-USER2-}"}, {"{-USER2-}"}},
        {{"{-USER9-}"}, {"{-USER9-}"}},
        {{"{-USER7=-}"}, {"{-USER7=-}"}},
        {{"Dear NAME"}, {"Dear NAME"}},
    };
    std::vector<TObjectData*> objects;
    for (const Case& c : cases)
        objects.push_back(t.text(c.lines));
    TObjectData* box = t.manager.CreateBox(0, 0)->data();
    box->Lines = {"NAME"};

    MergePersonalData(t.manager, values);

    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(objects[i]->Lines, cases[i].merged) << cases[i].lines.join('|').toStdString();
    EXPECT_EQ(box->Lines, QStringList({"NAME"}));
    EXPECT_EQ(values.FieldFound[PersonalField::Name], 1);
    EXPECT_EQ(values.FieldFound[PersonalField::Company], 1);
    EXPECT_EQ(values.FieldFound[PersonalField::MediaContents], 1);
    EXPECT_EQ(values.FieldFound[PersonalField::Address], 0);
    EXPECT_EQ(values.UserLabels[2], "Birthday");
    EXPECT_EQ(values.UserLabels[4], "USER5");
    EXPECT_EQ(values.UserLabels[1], "USER2");
    EXPECT_EQ(values.UserLabels[6], "");
    EXPECT_EQ(values.UserLabels[0], "");
}

TEST(PersonalMerge, PostalCodePlaceholder)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"10 Main St, Apt 4, Boston MA 02134", "02134"},
        {"10 Main St\r\nBoston MA 02134-5678", "021345678"},
        {"123 Long Road, Springfield", ""},
        {"PO Box 1234567, 12-34-5", "12345"},
        {"{-FIRSTNAME+ +LASTNAME+\r\nADDRESS+\r\nCITY+ +STATE+ +ZIP-}", "{-ZIP-}"},
        {"{-NAME+\r\nPOSTCODE+ +TOWN-}", "{-POSTCODE-}"},
        {"{-NAME+\r\nzipcode-}", "{-zipcode-}"},
        {"{-NAME+\r\nTOWN-}", ""},
    };
    for (const auto& [address, code] : cases)
        EXPECT_EQ(PostalCodeFromAddress(address), code) << address.toStdString();

    for (const auto& [address, code] : cases) {
        Template t;
        TObjectData* sample = t.text({"11111"});
        PersonalMergeValues values;
        values.FieldValues[PersonalField::Address] = address;
        MergePersonalData(t.manager, values);
        EXPECT_EQ(sample->Lines, QStringList({code.isEmpty() ? QString("11111") : code}));
    }
    Template t;
    TObjectData* sample = t.text({"11111"});
    PersonalMergeValues shortAddress;
    shortAddress.FieldValues[PersonalField::Address] = "123";
    MergePersonalData(t.manager, shortAddress);
    EXPECT_EQ(sample->Lines, QStringList({"11111"}));
}

} // namespace
