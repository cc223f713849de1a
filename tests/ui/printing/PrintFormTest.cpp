// The print dialog's logic: what it starts with, its checks and their texts in
// order, the sides, the database quantity, the instructions of both passes and
// the start-cell picture.

#include <gtest/gtest.h>

#include "LayoutFixtures.h"
#include "print/PrintTexts.h"
#include "ui/printing/PrintForm.h"

namespace {

LayoutRecord backPrintable(uint8_t foldType)
{
    LayoutRecord l = thirtyUpLayout();
    l.backPrintable = 1;
    l.foldType = foldType;
    return l;
}

} // namespace

TEST(PrintForm, StartsWithOneSheetFromTheFirstCell)
{
    const PrintForm form(thirtyUpLayout(), 0, true, false);
    EXPECT_EQ(form.startPosition, "1");
    EXPECT_EQ(form.quantity, "30");
    EXPECT_FALSE(form.quantityInPages);
    EXPECT_TRUE(form.cropMarks);
    EXPECT_FALSE(form.cornerMarks);
    EXPECT_TRUE(form.side1);
    EXPECT_FALSE(form.side2);
    EXPECT_FALSE(form.databaseShown());
    EXPECT_FALSE(form.side2Enabled());
    EXPECT_EQ(form.instructions(), PrintTexts::SingleSideInstructions);
    EXPECT_TRUE(PrintForm(thirtyUpLayout(), 25, false, false).databaseShown());
}

TEST(PrintForm, ChecksComeInOrderWithTheirTexts)
{
    struct Case {
        const char* start;
        const char* quantity;
        bool pages;
        QString message;
        PrintFormField field;
        int32_t startCell;
        int32_t elements;
    };
    const QString range = "Please enter a starting position between 1 and 30.";
    const QString quantity = "Please enter a valid quatity to print.";
    const Case cases[] = {
        {"5", "10", false, "", PrintFormField::None, 5, 10},
        {"30", "3", true, "", PrintFormField::None, 30, 90},
        {"0", "10", false, range, PrintFormField::StartPosition, 0, 0},
        {"31", "10", false, range, PrintFormField::StartPosition, 0, 0},
        {"x", "0", false, range, PrintFormField::StartPosition, 0, 0},
        {"1", "0", false, quantity, PrintFormField::Quantity, 0, 0},
        {"1", "-4", false, quantity, PrintFormField::Quantity, 0, 0},
        {"1", "ten", false, quantity, PrintFormField::Quantity, 0, 0},
    };
    for (const Case& c : cases) {
        PrintForm form(thirtyUpLayout(), 0, false, false);
        form.startPosition = c.start;
        form.quantity = c.quantity;
        form.quantityInPages = c.pages;
        const PrintForm::Outcome out = form.accept();
        EXPECT_EQ(out.message, c.message) << c.start << " " << c.quantity;
        EXPECT_EQ(out.field, c.field) << c.start << " " << c.quantity;
        if (c.message.isEmpty()) {
            EXPECT_EQ(out.settings.startCell, c.startCell);
            EXPECT_EQ(out.settings.quantity, c.elements);
        }
    }
}

TEST(PrintForm, SideTwoStartsAtTheFirstCellAndOkNeedsASide)
{
    PrintForm form(backPrintable(0), 0, false, false);
    EXPECT_TRUE(form.side2Enabled());
    form.startPosition = "7";
    form.setSide2(true);
    EXPECT_EQ(form.startPosition, "1");
    EXPECT_FALSE(form.startPositionEnabled());
    form.side1 = false;
    EXPECT_TRUE(form.okEnabled());
    form.setSide2(false);
    EXPECT_FALSE(form.okEnabled());
    // A layout that cannot take its back never prints side 2.
    PrintForm flat(thirtyUpLayout(), 0, false, false);
    flat.side2 = true;
    EXPECT_FALSE(flat.accept().settings.side2);
}

TEST(PrintForm, DatabaseQuantityIsTheRecordsFromTheStartRecord)
{
    PrintForm form(thirtyUpLayout(), 25, false, false);
    form.quantityInPages = true;
    form.startRecord = 20;
    form.calculateDatabaseQuantity();
    EXPECT_EQ(form.quantity, "5");
    EXPECT_FALSE(form.quantityInPages);
    form.startRecord = 40;  // beyond the records: the box stops at the count
    EXPECT_EQ(form.accept().settings.startRecord, 25);
}

TEST(PrintForm, SecondPassGivesTheTurningInstructionsForTheStock)
{
    struct Case {
        uint8_t foldType;
        bool flip;
        bool sideFlip;
        bool flipShown;
    };
    const Case cases[] = {
        {0, false, false, true}, {0, true, true, true}, {1, false, true, false}, {2, false, false, false}};
    for (const Case& c : cases) {
        PrintForm form(backPrintable(c.foldType), 0, false, false);
        form.flip = c.flip;
        form.setSide2(true);
        form.enterSecondPass();
        EXPECT_EQ(form.instructions(), PrintTexts::turnInstructions(c.sideFlip)) << int(c.foldType);
        EXPECT_EQ(form.flipShown(), c.flipShown) << int(c.foldType);
        EXPECT_FALSE(form.passControlsEnabled());
        EXPECT_FALSE(form.startPositionEnabled());
        EXPECT_FALSE(form.side2Enabled());
    }
    EXPECT_NE(PrintTexts::turnInstructions(true), PrintTexts::turnInstructions(false));
}

TEST(PrintForm, PictureClickPicksTheCellUnderIt)
{
    const PrintForm form(thirtyUpLayout(), 0, false, false);  // 3 across, 10 down
    const QSizeF box(200, 150);
    for (int32_t cell : {1, 2, 3, 4, 17, 30}) {
        const QRectF r = form.cellRect(cell, box);
        ASSERT_FALSE(r.isEmpty()) << cell;
        EXPECT_EQ(form.cellAt(r.center(), box), cell);
    }
    // Cells keep the stock's proportions: 2.62 in across, 1 in down.
    const QRectF first = form.cellRect(1, box);
    EXPECT_NEAR(first.width() / first.height(), 2.62, 0.01);
    EXPECT_EQ(form.cellAt(QPointF(-5, 10), box), 0);
    EXPECT_EQ(form.cellAt(QPointF(5, 75), box), 0);  // left of the centred sheet
}
