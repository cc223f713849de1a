#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "WriteFailures.h"
#include "base/AtomicFile.h"

namespace {

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

} // namespace

TEST(AtomicFile, ReplacesTheFileOnlyWhenEverythingWasWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("design.lpd");
    ASSERT_TRUE(writeBytes(path, QByteArray(1000, 'A')));
    QString error;
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(writeFileAtomically(path, QByteArray(100000, 'B'), &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(path), QByteArray(1000, 'A'));
    EXPECT_EQ(filesIn(dir.path()), QStringList{"design.lpd"});  // no temporary file left

    EXPECT_TRUE(writeFileAtomically(path, QByteArray(100000, 'B')));
    EXPECT_EQ(fileBytes(path), QByteArray(100000, 'B'));
    EXPECT_EQ(filesIn(dir.path()), QStringList{"design.lpd"});
}

TEST(AtomicFile, ACancelledOrClosedSaveLeavesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.pdf");
    ASSERT_TRUE(writeBytes(path, "old"));
    {
        AtomicFile file(path);
        ASSERT_TRUE(file.open());
        file.write("new bytes");
        file.close();
        EXPECT_FALSE(file.commit());
    }
    {
        AtomicFile file(path);
        ASSERT_TRUE(file.open());
        file.write("dropped when the object goes");
    }
    EXPECT_EQ(fileBytes(path), "old");
    EXPECT_EQ(filesIn(dir.path()), QStringList{"out.pdf"});
}

TEST(AtomicFile, RefusesFoldersAndMissingFolders)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writeFileAtomically(dir.path(), "x", &error));
    EXPECT_TRUE(error.contains("directory")) << error.toStdString();
    EXPECT_FALSE(writeFileAtomically(dir.filePath("no/such/folder/x"), "x", &error));
    EXPECT_TRUE(error.contains("No such file")) << error.toStdString();
}

TEST(AtomicFile, KeepsPermissionsAndWritesThroughLinks)
{
    QTemporaryDir dir;
    const QString real = dir.filePath("real.csv");
    const QString link = dir.filePath("link.csv");
    ASSERT_TRUE(writeBytes(real, "old"));
    ::chmod(QFile::encodeName(real).constData(), 0640);
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(writeFileAtomically(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(fileBytes(real), "new");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicFile, DevicesAreWrittenInPlaceAndTheirErrorsReported)
{
    // As root a rename over /dev/null would replace the device with a file.
    EXPECT_TRUE(writeFileAtomically("/dev/null", "discarded"));
    struct stat st {};
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));

    QString error;
    EXPECT_FALSE(writeFileAtomically("/dev/full", QByteArray(200000, 'x'), &error));
    EXPECT_TRUE(error.contains("No space")) << error.toStdString();
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST(AtomicFile, WritesIntoAFifo)
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("pipe"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    // Hold the reading end open (non-blocking) so the writer does not wait.
    const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(writeFileAtomically(QFile::decodeName(fifo), "through the pipe"));
    char buffer[64] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 16);
    ::close(reader);
    EXPECT_EQ(QByteArray(buffer), "through the pipe");
}
