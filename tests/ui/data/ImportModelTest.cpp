// Pairing fields with columns in the Import dialog, without showing it.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "MergeFixtures.h"
#include "TestSupport.h"
#include "ui/data/ImportModel.h"

namespace {

TEST(ImportModel, PairsAndUnpairsFieldsAndColumns)
{
    QTemporaryDir dir;
    const QString file = writeFileBytes(dir.filePath("in.csv"), "Given,Family,Town\r\nAnn,Lee,Rome\r\n");
    ImportModel model(PdbKind::Names);
    EXPECT_FALSE(model.pairingVisible());
    EXPECT_FALSE(model.addEnabled());
    EXPECT_FALSE(model.importEnabled());
    model.chooseFile(file);
    ASSERT_TRUE(model.pairingVisible());
    ASSERT_EQ(model.columnsLeft().size(), 3u);
    EXPECT_EQ(model.fieldSelection, 0);
    EXPECT_EQ(model.columnSelection, 0);
    EXPECT_TRUE(model.addEnabled());

    model.add();  // First Name = Given
    model.fieldSelection = 4;  // "City" once "First Name" is gone
    model.columnSelection = 1;  // "Town"
    model.add();
    ASSERT_EQ(model.pairs().size(), 2u);
    EXPECT_EQ(model.pairs()[0].text(), "First Name=Given");
    EXPECT_EQ(model.pairs()[0].code(), 0);
    EXPECT_EQ(model.pairs()[1].text(), "City=Town");
    EXPECT_EQ(model.pairs()[1].code(), 5002);
    EXPECT_EQ(model.pairSelection, 1);
    EXPECT_TRUE(model.importEnabled());
    EXPECT_EQ(model.fieldsLeft().size(), 20u);
    EXPECT_EQ(model.columnsLeft().size(), 1u);

    // Removing puts both back in their places; adding again gives the same pair.
    model.pairSelection = 0;
    model.remove();
    EXPECT_EQ(model.fieldsLeft().front().label, "First Name");
    EXPECT_EQ(model.columnsLeft().front().name, "Given");
    model.fieldSelection = 0;
    model.columnSelection = 0;
    model.add();
    EXPECT_EQ(model.pairs().back().text(), "First Name=Given");
    EXPECT_EQ(model.pairs().back().code(), 0);
}

TEST(ImportModel, AnUnreadableFileOffersNoColumns)
{
    ImportModel model(PdbKind::Media);
    model.chooseFile("/no/such/file.csv");
    EXPECT_TRUE(model.columnsLeft().empty());
    EXPECT_FALSE(model.addEnabled());
    EXPECT_EQ(model.fieldsLeft().size(), 5u);
}

} // namespace
