#include "desktop/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <limits>
#include <optional>
#include <unistd.h>

#include "base/AppInfo.h"

namespace {

constexpr int kHeaderSize = 4;
constexpr char kAck = 'K';
// How long starting instances wait for each other, and for a running one to accept.
constexpr int kLockWaitMs = 3000;
constexpr int kProbeMs = 1000;

QString runtimeFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

int remainingMs(const QDeadlineTimer& deadline)
{
    return int(std::min<qint64>(deadline.remainingTime(), std::numeric_limits<int>::max()));
}

// A path is text without NUL characters, in valid UTF-8.
std::optional<QString> decodePath(QByteArrayView bytes)
{
    if (bytes.isEmpty() || bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), m_serverName(runtimeFolder() + QLatin1Char('/') + key)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    QString title = AppInfo::productTitle();
    title.remove(QLatin1Char(' '));
    return title + QLatin1Char('-') + QString::number(::getuid());
}

bool SingleInstance::isListening() const { return m_server && m_server->isListening(); }

bool SingleInstance::becomePrimary()
{
    if (isListening())
        return true;
    // Two instances starting together would each find no server and each
    // remove the other's socket; the lock lets one decide at a time. Without
    // the lock (stuck file system) the check still runs.
    QLockFile lock(m_serverName + QStringLiteral(".lock"));
    lock.tryLock(kLockWaitMs);
    QLocalSocket probe;
    probe.connectToServer(m_serverName);
    if (probe.waitForConnected(kProbeMs)) {
        probe.abort();
        return false;
    }
    // Nobody answers: whatever is left at the name belongs to a crashed instance.
    QLocalServer::removeServer(m_serverName);
    // When listening fails this instance still runs, just unreachable for later ones.
    listen();
    return true;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptClients);
    m_server->listen(m_serverName);
}

void SingleInstance::acceptClients()
{
    while (QLocalSocket* client = m_server->nextPendingConnection()) {
        if (m_server->findChildren<QLocalSocket*>(Qt::FindDirectChildrenOnly).size() > kMaxClients) {
            dropClient(client);
            continue;
        }
        // Never buffer more than one frame: a client cannot make us hold more.
        client->setReadBufferSize(kHeaderSize + kMaxFrameSize);
        auto* deadline = new QTimer(client);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, client, [this, client] { dropClient(client); });
        deadline->start(m_clientTimeoutMs);
        connect(client, &QLocalSocket::readyRead, this, [this, client] { readClient(client); });
        connect(client, &QLocalSocket::disconnected, this, [this, client] {
            readClient(client);  // frames that arrived just before the close
            client->deleteLater();
        });
        readClient(client);
    }
}

void SingleInstance::readClient(QLocalSocket* client)
{
    for (;;) {
        const FrameRead read = takeFrame(client);
        if (read == FrameRead::Garbage) {
            dropClient(client);
            break;
        }
        if (read == FrameRead::NeedMore)
            break;
    }
    deliverRequests();
}

SingleInstance::FrameRead SingleInstance::takeFrame(QLocalSocket* client)
{
    if (client->bytesAvailable() < kHeaderSize)
        return FrameRead::NeedMore;
    char header[kHeaderSize];
    if (client->peek(header, kHeaderSize) != kHeaderSize)
        return FrameRead::NeedMore;
    const quint32 size = qFromBigEndian<quint32>(header);
    if (size < 1 || size > kMaxFrameSize)
        return FrameRead::Garbage;
    if (client->bytesAvailable() < kHeaderSize + qint64(size))
        return FrameRead::NeedMore;
    client->skip(kHeaderSize);
    const QByteArray body = client->read(size);
    if (body.size() != qsizetype(size))
        return FrameRead::Garbage;
    const char kind = body.at(0);
    const QByteArrayView text = QByteArrayView(body).sliced(1);
    if (kind == char(Kind::Activate) && text.isEmpty()) {
        m_requests.push_back({Kind::Activate, {}});
    } else if (kind == char(Kind::Open)) {
        const std::optional<QString> path = decodePath(text);
        if (!path)
            return FrameRead::Garbage;
        m_requests.push_back({Kind::Open, *path});
    } else {
        return FrameRead::Garbage;
    }
    client->write(&kAck, 1);
    return FrameRead::Taken;
}

void SingleInstance::dropClient(QLocalSocket* client)
{
    client->disconnect(this);
    client->abort();
    client->deleteLater();
}

// Requests go out one at a time in arrival order. A receiver that opens a
// modal window lets the event loop read more frames meanwhile; those wait in
// the queue for the outer loop instead of overtaking the one being handled.
void SingleInstance::deliverRequests()
{
    if (m_delivering)
        return;
    m_delivering = true;
    while (!m_requests.empty()) {
        const Request request = std::move(m_requests.front());
        m_requests.pop_front();
        if (request.kind == Kind::Activate)
            emit activationRequested();
        else
            emit openRequested(request.path);
    }
    m_delivering = false;
}

QByteArray SingleInstance::frame(Kind kind, const QString& text)
{
    const QByteArray body = char(kind) + text.toUtf8();
    char header[kHeaderSize];
    qToBigEndian<quint32>(quint32(body.size()), header);
    return QByteArray(header, kHeaderSize) + body;
}

bool SingleInstance::handOver(const QStringList& paths, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QByteArray out = frame(Kind::Activate, {});
    qint64 expectedAcks = 1;
    for (const QString& path : paths) {
        if (path.isEmpty())
            continue;
        const QByteArray message = frame(Kind::Open, QDir::cleanPath(QDir::current().absoluteFilePath(path)));
        // Longer than any file name can be: the first instance would refuse it.
        if (message.size() > kHeaderSize + qsizetype(kMaxFrameSize))
            continue;
        out += message;
        ++expectedAcks;
    }

    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(remainingMs(deadline)))
        return false;
    socket.write(out);
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(remainingMs(deadline)))
            return false;
    qint64 acks = 0;
    while (acks < expectedAcks) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(remainingMs(deadline)))
            return false;
        acks += socket.read(expectedAcks - acks).count(kAck);
    }
    socket.disconnectFromServer();
    return true;
}
