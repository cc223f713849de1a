#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "WriteFailures.h"
#include "base/BoundedRead.h"

TEST(BoundedRead, ReadsFilesAndPipesUpToTheLimit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data");
    ASSERT_TRUE(writeBytes(path, QByteArray(200000, 'x')));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(readAtMost(file, 200000), QByteArray(200000, 'x'));
    file.seek(0);
    EXPECT_FALSE(readAtMost(file, 199999));

    // A pipe has no size: what its writer sends, up to the end.
    const QByteArray fifo = QFile::encodeName(dir.filePath("pipe"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    std::thread writer([&fifo] {
        const int fd = ::open(fifo.constData(), O_WRONLY);
        const QByteArray chunk(100000, 'p');
        for (int i = 0; i < 3; ++i)
            (void)!::write(fd, chunk.constData(), size_t(chunk.size()));
        ::close(fd);
    });
    QFile pipe(QFile::decodeName(fifo));
    ASSERT_TRUE(pipe.open(QIODevice::ReadOnly));
    const std::optional<QByteArray> fromPipe = readAtMost(pipe, 1 << 20);
    writer.join();
    ASSERT_TRUE(fromPipe);
    EXPECT_EQ(fromPipe->size(), 300000);
}

TEST(BoundedRead, ADeviceThatNeverEndsStopsAtTheLimit)
{
    QFile zero("/dev/zero");
    ASSERT_TRUE(zero.open(QIODevice::ReadOnly));
    EXPECT_FALSE(readAtMost(zero, 1 << 20));
}
