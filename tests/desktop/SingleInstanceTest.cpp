#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtCore/qtestsupport_core.h>
#include <future>
#include <memory>
#include <vector>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "desktop/SingleInstance.h"

namespace {

constexpr int kWaitMs = 10000;

// Each test talks on a socket of its own.
QString uniqueKey()
{
    static int counter = 0;
    return QStringLiteral("SingleInstanceTest-%1-%2").arg(::getpid()).arg(++counter);
}

// What the primary reported, in order: "activate" or the opened path.
struct Received {
    QStringList events;

    explicit Received(SingleInstance& primary)
    {
        QObject::connect(&primary, &SingleInstance::activationRequested, [this] { events << "activate"; });
        QObject::connect(&primary, &SingleInstance::openRequested, [this](const QString& p) { events << p; });
    }
};

// A later instance runs in a process of its own; a thread stands in for it so
// that the primary's event loop keeps running here while the hand-over blocks.
bool handOverFromThread(const QString& key, const QStringList& paths)
{
    auto result = std::async(std::launch::async, [key, paths] { return SingleInstance(key).handOver(paths, kWaitMs); });
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, kWaitMs));
    return result.get();
}

QByteArray header(quint32 size)
{
    char bytes[4];
    qToBigEndian(size, bytes);
    return QByteArray(bytes, 4);
}

// Sends raw bytes as a hostile client would and waits until the primary hangs up.
bool primaryDropsClientSending(const QString& serverName, const QByteArray& bytes)
{
    QLocalSocket client;
    client.connectToServer(serverName);
    if (!client.waitForConnected(kWaitMs))
        return false;
    client.write(bytes);
    client.flush();
    return QTest::qWaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; }, kWaitMs);
}

// A socket file left behind by a process that died without closing it.
bool leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (fd < 0 || name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound && QFile::exists(path);
}

} // namespace

TEST(SingleInstance, PrimaryGetsActivationThenPathsInOrder)
{
    const QString key = uniqueKey();
    SingleInstance primary(key);
    ASSERT_TRUE(primary.becomePrimary());
    Received received(primary);
    const QStringList paths = {"/tmp/b.lpd", "/tmp/a.lpd", "/tmp/c.cct"};
    EXPECT_TRUE(handOverFromThread(key, paths));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.events.size() == 4; }, kWaitMs));
    EXPECT_EQ(received.events, QStringList({"activate", "/tmp/b.lpd", "/tmp/a.lpd", "/tmp/c.cct"}));
}

TEST(SingleInstance, PathsArriveIntactAndAbsolute)
{
    const QString key = uniqueKey();
    SingleInstance primary(key);
    ASSERT_TRUE(primary.becomePrimary());
    Received received(primary);
    const QString spaced = QString::fromUtf8("/tmp/Étiquettes d'été/Ñandú ☃ 名札.lpd");
    const QString longPath = "/tmp/" + QString("x").repeated(5000) + ".lpd";
    const QString relative = "sub dir/../näme.lpd";
    EXPECT_TRUE(handOverFromThread(key, {spaced, longPath, relative}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.events.size() == 4; }, kWaitMs));
    EXPECT_EQ(received.events.value(1), spaced);
    EXPECT_EQ(received.events.value(2), longPath);
    EXPECT_EQ(received.events.value(3), QDir::current().absoluteFilePath(QString::fromUtf8("näme.lpd")));
}

TEST(SingleInstance, SecondInstanceOnTheSameKeyIsNotPrimary)
{
    const QString key = uniqueKey();
    SingleInstance first(key);
    ASSERT_TRUE(first.becomePrimary());
    SingleInstance second(key);
    EXPECT_FALSE(second.becomePrimary());
    EXPECT_FALSE(second.isListening());
    SingleInstance other(uniqueKey());
    EXPECT_TRUE(other.becomePrimary());
}

TEST(SingleInstance, HandOverWithoutPrimaryFails)
{
    SingleInstance lonely(uniqueKey());
    EXPECT_FALSE(lonely.handOver({"/tmp/a.lpd"}, 1000));
}

TEST(SingleInstance, StaleSocketOfACrashedInstanceIsReplaced)
{
    const QString key = uniqueKey();
    SingleInstance primary(key);
    ASSERT_TRUE(leaveStaleSocket(primary.serverName()));
    ASSERT_TRUE(primary.becomePrimary());
    EXPECT_TRUE(primary.isListening());
    Received received(primary);
    EXPECT_TRUE(handOverFromThread(key, {"/tmp/x.lpd"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.events.size() == 2; }, kWaitMs));
}

TEST(SingleInstance, HostileClientsAreDroppedAndLaterOnesStillServed)
{
    const QString key = uniqueKey();
    SingleInstance primary(key);
    ASSERT_TRUE(primary.becomePrimary());
    Received received(primary);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"oversized length", header(0xFFFFFFFFu) + "O/tmp/a"},
        {"just over the limit", header(SingleInstance::kMaxFrameSize + 1)},
        {"empty frame", header(0)},
        {"unknown kind", header(3) + "Zab"},
        {"activation with text", header(3) + "Aab"},
        {"invalid UTF-8", header(3) + "O\xff\xfe"},
        {"NUL in a path", header(4) + QByteArray("O/a\0b", 5)},
        {"empty path", header(1) + "O"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(primaryDropsClientSending(primary.serverName(), c.bytes)) << c.what;
    EXPECT_TRUE(received.events.isEmpty());

    EXPECT_TRUE(handOverFromThread(key, {"/tmp/after.lpd"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.events.size() == 2; }, kWaitMs));
    EXPECT_EQ(received.events.value(1), "/tmp/after.lpd");
}

TEST(SingleInstance, HalfSentFrameNeitherStallsOthersNorStaysForever)
{
    const QString key = uniqueKey();
    SingleInstance primary(key);
    primary.setClientTimeout(200);
    ASSERT_TRUE(primary.becomePrimary());
    Received received(primary);

    QLocalSocket stalled;
    stalled.connectToServer(primary.serverName());
    ASSERT_TRUE(stalled.waitForConnected(kWaitMs));
    stalled.write(header(100) + "O/tmp/par");  // the rest never comes
    stalled.flush();

    EXPECT_TRUE(handOverFromThread(key, {"/tmp/meanwhile.lpd"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.events.size() == 2; }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return stalled.state() == QLocalSocket::UnconnectedState; }, kWaitMs));
    EXPECT_EQ(received.events, QStringList({"activate", "/tmp/meanwhile.lpd"}));
}

TEST(SingleInstance, DefaultKeyBelongsToTheUserInTheRuntimeFolder)
{
    const QString key = SingleInstance::defaultKey();
    EXPECT_TRUE(key.startsWith("QuillonStickwell-"));
    EXPECT_TRUE(key.endsWith(QString::number(::getuid())));
    EXPECT_TRUE(SingleInstance().serverName().startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
}

TEST(SingleInstance, FloodOfSilentClientsIsClearedAway)
{
    const QString key = uniqueKey();
    SingleInstance primary(key);
    primary.setClientTimeout(200);
    ASSERT_TRUE(primary.becomePrimary());
    Received received(primary);

    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < 2 * SingleInstance::kMaxClients; ++i) {
        silent.push_back(std::make_unique<QLocalSocket>());
        silent.back()->connectToServer(primary.serverName());
        ASSERT_TRUE(silent.back()->waitForConnected(kWaitMs));
    }
    for (const auto& client : silent)
        EXPECT_TRUE(QTest::qWaitFor([&] { return client->state() == QLocalSocket::UnconnectedState; }, kWaitMs));

    EXPECT_TRUE(handOverFromThread(key, {"/tmp/after-flood.lpd"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.events.size() == 2; }, kWaitMs));
}

// Opening a file may show a message box, whose event loop reads the next
// later instance's frames meanwhile: they wait until the first file is handled.
TEST(SingleInstance, RequestsWaitWhileTheReceiverRunsANestedLoop)
{
    const QString key = uniqueKey();
    SingleInstance primary(key);
    ASSERT_TRUE(primary.becomePrimary());
    Received received(primary);
    bool secondHandedOver = false;
    QObject::connect(&primary, &SingleInstance::openRequested, [&](const QString& path) {
        if (path == "/tmp/first.lpd") {
            secondHandedOver = handOverFromThread(key, {"/tmp/second.lpd"});
            received.events << "first handled";
        }
    });
    EXPECT_TRUE(handOverFromThread(key, {"/tmp/first.lpd"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.events.size() == 5; }, kWaitMs));
    EXPECT_TRUE(secondHandedOver);
    EXPECT_EQ(received.events,
              QStringList({"activate", "/tmp/first.lpd", "first handled", "activate", "/tmp/second.lpd"}));
}
