// Every template we ship opens, renders and prints without a word of
// warning, asks the wizard for the data its category needs and holds the
// fields it asks for.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CliRunner.h"
#include "files/DesignFile.h"
#include "merge/PersonalMerge.h"
#include "model/Card.h"
#include "model/Folds.h"
#include "model/ObjectManager.h"

namespace {

QStringList bundledTemplates()
{
    QStringList paths;
    QDirIterator it(QStringLiteral(STICKWELL_SOURCE_DIR "/data/templates"), {QStringLiteral("*.cct")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    return paths;
}

// The wizard type each category's templates carry, and a field each must hold.
struct CategoryRule {
    const char* category;
    std::vector<uint8_t> wizardTypes;
    int field;
};
const CategoryRule kRules[] = {
    {"Address Labels", {1, 3}, PersonalField::Address},
    {"Return Address Labels", {2}, PersonalField::ReturnAddress},
    {"Media Labels", {6}, PersonalField::MediaTitle},
    {"Business Cards", {4}, PersonalField::Name},
    {"Occasion Cards", {5}, PersonalField::Name},
};

} // namespace

TEST(BundledTemplates, BothFamiliesShipEnoughInEveryCategory)
{
    const QStringList all = bundledTemplates();
    EXPECT_GE(all.size(), 40);
    for (const char* family : {"/Standard/", "/A4/"})
        for (const CategoryRule& rule : kRules)
            EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const QString& path) {
                return path.contains(family + QLatin1String(rule.category) + "/");
            })) << family << rule.category;
}

TEST(BundledTemplates, EachAsksForWhatItsCategoryNeedsInEveryRegion)
{
    for (const QString& path : bundledTemplates()) {
        const QString category = QFileInfo(QFileInfo(path).path()).fileName();
        const auto rule = std::find_if(std::begin(kRules), std::end(kRules),
                                       [&](const CategoryRule& r) { return category == QLatin1String(r.category); });
        ASSERT_NE(rule, std::end(kRules)) << path.toStdString();
        Card surface;
        ObjectManager manager(surface);
        LayoutRecord layout;
        QString linked;
        int32_t zoom = 100;
        ASSERT_EQ(readDesignFile(manager, path, layout, linked, zoom), DesignFileResult::Success) << path.toStdString();
        EXPECT_NE(std::find(rule->wizardTypes.begin(), rule->wizardTypes.end(), layout.wizardType),
                  rule->wizardTypes.end())
            << path.toStdString();
        PersonalMergeValues values;
        ASSERT_TRUE(mergePersonalDataIntoRegions(manager, layout.foldType, values));
        EXPECT_TRUE(values.fieldFound[size_t(rule->field)]) << path.toStdString();
        EXPECT_TRUE(linked.isEmpty()) << path.toStdString();
    }
}

TEST(BundledTemplates, EachRendersAndPrintsWithoutAWarning)
{
    QTemporaryDir dir;
    for (const QString& path : bundledTemplates()) {
        const CliResult render = runCli({"render", path, "-o", dir.filePath("region.png")});
        EXPECT_EQ(render.exitCode, 0) << path.toStdString();
        EXPECT_TRUE(render.err.isEmpty()) << path.toStdString() << ": " << render.errText().toStdString();
        const CliResult print = runCli({"print", path, "-o", dir.filePath("sheet.pdf")});
        EXPECT_EQ(print.exitCode, 0) << path.toStdString();
        EXPECT_TRUE(print.err.isEmpty()) << path.toStdString() << ": " << print.errText().toStdString();
    }
}
