// Filling template placeholders with personal values.

#include <gtest/gtest.h>

#include "merge/PersonalMerge.h"
#include "model/Card.h"
#include "model/Folds.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"

namespace {

struct Template {
    Card surface;
    ObjectManager manager{surface};

    DesignObject* text(const QStringList& lines)
    {
        DesignObject* data = manager.createText(0, 0);
        data->lines = lines;
        return data;
    }
};

TEST(PersonalMerge, ReplacesTokensAndRecordsWhatItFound)
{
    Template t;
    PersonalMergeValues values;
    values.fieldValues[PersonalField::Name] = "Ann";
    values.fieldValues[PersonalField::Company] = "";
    values.fieldValues[PersonalField::MediaContents] = "Track 1\r\nTrack 2";
    values.fieldValues[PersonalField::User1 + 2] = "12 May";
    values.fieldValues[PersonalField::User1 + 4] = "fifth";

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
    std::vector<DesignObject*> objects;
    for (const Case& c : cases)
        objects.push_back(t.text(c.lines));
    DesignObject* box = t.manager.createBox(0, 0);
    box->lines = {"NAME"};

    mergePersonalData(t.manager, values);

    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(objects[i]->lines, cases[i].merged) << cases[i].lines.join('|').toStdString();
    EXPECT_EQ(box->lines, QStringList({"NAME"}));
    EXPECT_EQ(values.fieldFound[PersonalField::Name], 1);
    EXPECT_EQ(values.fieldFound[PersonalField::Company], 1);
    EXPECT_EQ(values.fieldFound[PersonalField::MediaContents], 1);
    EXPECT_EQ(values.fieldFound[PersonalField::Address], 0);
    EXPECT_EQ(values.userLabels[2], "Birthday");
    EXPECT_EQ(values.userLabels[4], "USER5");
    EXPECT_EQ(values.userLabels[1], "USER2");
    EXPECT_EQ(values.userLabels[6], "");
    EXPECT_EQ(values.userLabels[0], "");
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
        // Upper-casing "ß" makes the text longer: the field is still read where the match is.
        {"{-STRA\u00dfE+ +ZIP-}", "{-ZIP-}"},
        {"{-Stra\u00dfe+\r\nPostleitzahl+ +Ort-}", "{-Postleitzahl-}"},
    };
    for (const auto& [address, code] : cases)
        EXPECT_EQ(postalCodeFromAddress(address), code) << address.toStdString();

    for (const auto& [address, code] : cases) {
        Template t;
        DesignObject* sample = t.text({"11111"});
        PersonalMergeValues values;
        values.fieldValues[PersonalField::Address] = address;
        mergePersonalData(t.manager, values);
        EXPECT_EQ(sample->lines, QStringList({code.isEmpty() ? QString("11111") : code}));
    }
    Template t;
    DesignObject* sample = t.text({"11111"});
    PersonalMergeValues shortAddress;
    shortAddress.fieldValues[PersonalField::Address] = "123";
    mergePersonalData(t.manager, shortAddress);
    EXPECT_EQ(sample->lines, QStringList({"11111"}));
}

// Makes each region live in turn, gives it one text "NAME" and ends on region 0.
void namePerRegion(Template& t, uint8_t foldType)
{
    const int regions = int(regionCaptions(foldType).size());
    for (int region = 0; region <= regions; ++region) {
        int32_t side = 0, panel = 0;
        regionSlotFor(foldType, region % regions, &side, &panel);
        ASSERT_TRUE(t.manager.showRegion({side, panel}));
        if (region < regions)
            t.text({"NAME"});
    }
}

QStringList textsOfRegion(Template& t, uint8_t foldType, int region)
{
    int32_t side = 0, panel = 0;
    regionSlotFor(foldType, region, &side, &panel);
    t.manager.showRegion({side, panel});
    QStringList texts;
    for (const auto& control : t.surface.objects())
        texts << control->lines.join('|');
    return texts;
}

TEST(PersonalMerge, EveryRegionOfADesignIsMergedAndTheFirstEndsLive)
{
    for (uint8_t foldType : {uint8_t(0), uint8_t(2), uint8_t(5)}) {
        Template t;
        t.surface.setRegionSize(300, 300);
        namePerRegion(t, foldType);
        PersonalMergeValues values;
        values.fieldValues[PersonalField::Name] = "Ann";
        ASSERT_TRUE(mergePersonalDataIntoRegions(t.manager, foldType, values)) << int(foldType);
        int32_t side = 0, panel = 0;
        regionSlotFor(foldType, 0, &side, &panel);
        EXPECT_EQ(t.manager.liveRegion(), (RegionId{side, panel})) << int(foldType);
        const int regions = int(regionCaptions(foldType).size());
        for (int region = 0; region < regions; ++region)
            EXPECT_EQ(textsOfRegion(t, foldType, region), QStringList{"Ann"}) << int(foldType) << " region " << region;
    }
}

} // namespace
