// The bar codes libzint encodes, printed through the real program with merged
// values and read back from the PDF at 300 dpi by real decoders.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "CliRunner.h"
#include "examples/ExampleDesigns.h"
#include "render/BarCode.h"

namespace {

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The sorted lines a decoder printed for the PDF's first page at 300 dpi.
QStringList decodePrintedPage(const QString& pdf, const QString& decoder, const QStringList& args)
{
    const QString png = pdf + ".png";
    run("pdftoppm", {"-r", "300", "-png", "-singlefile", "-f", "1", "-l", "1", pdf, pdf});
    QStringList lines = run(decoder, args + QStringList{png}).split('\n', Qt::SkipEmptyParts);
    lines.sort();
    return lines;
}

class BarCodePrint : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"pdftoppm", "zbarimg", "dmtxread"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        QFile csv(dir.filePath("codes.csv"));
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write("\"CODE\"\r\n\"A-1001\"\r\n\"B-2002\"\r\n\"C-3003\"\r\n\"D-4004\"\r\n");
    }
    // Prints one label per record of the codes on the 30-up address stock.
    QString printMerged(int type, int barWidth)
    {
        ExampleDesign design{"codes.lpd", thirtyUpAddressLayout(), [&](DesignBuilder& b, ObjectManager&) {
                                 b.barCode({20, 10, 220, 80}, "{-CODE-}", type, false, barWidth);
                             }};
        const QString path = dir.filePath("codes.lpd");
        EXPECT_TRUE(writeExample(design, path));
        const QString pdf = dir.filePath(QStringLiteral("codes-%1.pdf").arg(type));
        const CliResult printed =
            runCli({"print", path, "-o", pdf, "--data", dir.filePath("codes.csv"), "--quantity", "4"});
        EXPECT_EQ(printed.exitCode, 0) << printed.err.constData();
        return pdf;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(BarCodePrint, MergedValuesReadBackFromThePrintedPage)
{
    const struct {
        int type;
        int barWidth;
        const char* symbology;
    } cases[] = {
        {BarCodeType::QrCode, 3, "QR-Code"},
        {BarCodeType::Code128, 1, "CODE-128"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.symbology);
        const QStringList read = decodePrintedPage(printMerged(c.type, c.barWidth), "zbarimg", {"--nodbus", "-q"});
        QStringList expected;
        for (const char* code : {"A-1001", "B-2002", "C-3003", "D-4004"})
            expected << QStringLiteral("%1:%2").arg(c.symbology, code);
        EXPECT_EQ(read, expected);
    }
}

TEST_F(BarCodePrint, PrintedDataMatrixReadsBackWithDmtxread)
{
    const QStringList read =
        decodePrintedPage(printMerged(BarCodeType::DataMatrix, 3), "dmtxread", {"-N", "4", "--newline"});
    EXPECT_EQ(read, QStringList({"A-1001", "B-2002", "C-3003", "D-4004"}));
}
