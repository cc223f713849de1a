#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CliRunner.h"
#include "PdfProbe.h"

namespace {

const QString kAddresses = QStringLiteral(STICKWELL_SOURCE_DIR "/data/examples/address-label.lpd");

PdfWord firstWord(const QString& pdf)
{
    const PdfText text = readPdfText(pdf);
    EXPECT_FALSE(text.words.empty());
    return text.words.empty() ? PdfWord{} : text.words.front();
}

} // namespace

TEST(CliPrintCalibration, OffsetAndScaleMoveEveryPage)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.pdf"), moved = dir.filePath("moved.pdf");
    ASSERT_EQ(runCli({"print", kAddresses, "-o", plain, "--quantity", "3"}).exitCode, 0);
    const CliResult run = runCli({"print", kAddresses, "-o", moved, "--quantity", "3", "--offset", "100,-50", "--scale",
                                  "1020"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const PdfWord a = firstWord(plain), b = firstWord(moved);
    EXPECT_EQ(a.text, b.text);
    EXPECT_NEAR(b.left, 100 * 72 / 254.0 + 1.02 * a.left, 0.3);
    EXPECT_NEAR(b.top, -50 * 72 / 254.0 + 1.02 * a.top, 0.3);
}

TEST(CliPrintCalibration, MalformedValuesAreUsageErrors)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("x.pdf");
    for (const auto& [args, message] :
         {std::pair{QStringList{"--offset", "5"}, "--offset takes X,Y in tenths of a millimetre, each from -500 to 500"},
          std::pair{QStringList{"--offset", "600,0"}, "--offset takes X,Y in tenths of a millimetre, each from -500 to 500"},
          std::pair{QStringList{"--scale", "2000"}, "--scale takes a scale in per mille from 800 to 1200"},
          std::pair{QStringList{"--scale", "1.5"}, "--scale takes a scale in per mille from 800 to 1200"}}) {
        const CliResult run = runCli(QStringList{"print", kAddresses, "-o", out} + args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(QByteArray("print: ") + message)) << run.err.constData();
        EXPECT_FALSE(QFile::exists(out));
    }
}
