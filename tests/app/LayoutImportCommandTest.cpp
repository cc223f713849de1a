// layouts --import: stock definition XML into layout files, as a user runs it.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "CliRunner.h"
#include "files/LayoutFile.h"

namespace {

const QByteArray kStocks = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Acme" part="A30" size="US-Letter" _description="Address Labels">
    <Label-rectangle width="2.63in" height="1in"><Layout nx="3" ny="10" x0="0.19in" y0="0.5in" dx="2.75in" dy="1in"/></Label-rectangle>
  </Template>
  <Template brand="Acme" part="A31" equiv="A30"/>
  <Template brand="Acme" part="A2" size="A4" _description="Two grids">
    <Label-rectangle width="50mm" height="50mm"><Layout nx="1" ny="1" x0="10mm" y0="10mm"/><Layout nx="1" ny="1" x0="100mm" y0="200mm"/></Label-rectangle>
  </Template>
  <Template brand="Acme" part="P9" size="A4" _description="Points">
    <Label-rectangle width="181.4" height="108"><Layout nx="3" ny="7" x0="21.2" y0="43.9" dx="187.2" dy="108"/></Label-rectangle>
  </Template>
</Glabels-templates>
)";

QString writeStocks(const QTemporaryDir& dir, const QByteArray& xml = kStocks)
{
    const QString path = dir.filePath("acme.xml");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(xml);
    return path;
}

} // namespace

TEST(LayoutImportCommand, ImportsReportsAndWrites)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("layouts");
    const CliResult run = runCli({"layouts", "--import", writeStocks(dir), "-o", out, "--verbose"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString report = QString::fromLocal8Bit(run.out);
    EXPECT_TRUE(report.startsWith("Imported 3 layouts from 1 stock definition files into 1 layout files in " + out))
        << qPrintable(report);
    EXPECT_TRUE(report.contains("Skipped 1 templates:\n       1 several layouts on one sheet\n")) << qPrintable(report);
    EXPECT_TRUE(report.contains("Rounded 1 layouts to hundredths; no edge moved by more than 0.00")) << qPrintable(report);
    EXPECT_TRUE(run.errText().contains("skipped: Acme A2: several layouts on one sheet")) << qPrintable(run.errText());

    const std::vector<LayoutRecord> records = readLayoutFile(out + "/Acme.LYT");
    ASSERT_EQ(records.size(), 5u);  // two headings, three layouts
    EXPECT_EQ(records[1].displayName(), "A30<>Address Labels, 30 per sheet");
    EXPECT_EQ(records[2].displayName(), "A31<>Address Labels, 30 per sheet");

    // The layouts command lists what was written.
    const CliResult listed = runCli({"layouts", out + "/Acme.LYT"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_TRUE(listed.out.contains("\"shown_name\":\"P9\",\"note\":\"Points, 21 per sheet\""));
}

TEST(LayoutImportCommand, RefusesWhatItCannotUse)
{
    QTemporaryDir dir;
    const QString stocks = writeStocks(dir);
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    struct Case {
        const char* name;
        QStringList arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {"no folder", {"layouts", "--import", stocks}, 2, "--import DIR_OR_FILE and -o FOLDER are needed"},
        {"no source", {"layouts", "-o", dir.path()}, 2, "--import DIR_OR_FILE and -o FOLDER are needed"},
        {"a layout file too", {"layouts", "x.LYT", "--import", stocks, "-o", dir.path()}, 2, "unexpected argument"},
        {"missing source", {"layouts", "--import", dir.filePath("none.xml"), "-o", dir.path()}, 3,
         "No such file or directory"},
        {"no templates", {"layouts", "--import", dir.filePath("plain"), "-o", dir.path()}, 3,
         "No stock templates could be read"},
        {"empty folder", {"layouts", "--import", dir.filePath("empty"), "-o", dir.path()}, 3, "no stock definition files"},
        {"output is a file", {"layouts", "--import", stocks, "-o", dir.filePath("plain")}, 4, "Not a directory"},
        // A pipe with no writer would block a reader for ever.
        {"a pipe", {"layouts", "--import", dir.filePath("pipe.xml"), "-o", dir.path()}, 3, "not a file"},
        {"a device", {"layouts", "--import", "/dev/zero", "-o", dir.path()}, 3, "not a file"},
    };
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.xml")).constData(), 0600), 0);
    QDir().mkpath(dir.filePath("empty"));
    for (const Case& c : cases) {
        const CliResult run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name << ": " << run.err.constData();
        EXPECT_TRUE(run.errText().contains(QLatin1String(c.message))) << c.name << ": " << run.err.constData();
    }
}

// A layout file that cannot be written fails the command; nothing is claimed.
TEST(LayoutImportCommand, AFailedWriteIsReported)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out");
    QDir().mkpath(out + "/Acme.LYT");  // a folder where the file should go
    const CliResult run = runCli({"layouts", "--import", writeStocks(dir), "-o", out});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.errText().contains("Acme.LYT")) << run.err.constData();
}
