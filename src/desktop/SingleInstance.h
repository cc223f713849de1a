#pragma once
// Keeps one running program per user. The first instance listens on a local
// socket in the user's runtime folder; a later one hands its files over to it
// and ends. Messages are frames: a 4-byte big-endian length, then a kind byte
// and UTF-8 text. The first instance answers each frame with one byte, so a
// later instance knows its files arrived.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Frames larger than this are refused before anything is allocated: a
    // path never comes near it.
    static constexpr quint32 kMaxFrameSize = 64 * 1024;
    // A client gets this long from connecting to say everything; a later
    // instance needs milliseconds, so one that trickles bytes cannot keep a
    // place among the waiting clients.
    static constexpr int kClientTimeoutMs = 10000;
    // More waiting clients than this are turned away at once.
    static constexpr int kMaxClients = 16;

    // The key names the socket inside the user's runtime folder.
    explicit SingleInstance(const QString& key = defaultKey(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // The program's title without blanks and the user id: two users never meet.
    static QString defaultKey();
    // The full socket path for the key.
    QString serverName() const { return m_serverName; }

    // Listens when no other instance answers; true if this is the first
    // instance. A socket left behind by a crashed instance is removed.
    bool becomePrimary();
    bool isListening() const;

    // Asks the first instance to come to the front, then to open each path in
    // order (relative paths are made absolute against the current folder).
    // False if no first instance acknowledged everything within timeoutMs.
    bool handOver(const QStringList& paths, int timeoutMs);

    // Sets how long a client may stay connected (tests shorten it).
    void setClientTimeout(int ms) { m_clientTimeoutMs = ms; }

signals:
    void activationRequested();
    void openRequested(const QString& path);

private:
    enum class Kind : char { Activate = 'A', Open = 'O' };
    struct Request {
        Kind kind;
        QString path;
    };

    enum class FrameRead { NeedMore, Taken, Garbage };

    static QByteArray frame(Kind kind, const QString& text);
    void listen();
    void acceptClients();
    void readClient(QLocalSocket* client);
    // Takes one whole frame from the client into the requests if it has arrived.
    FrameRead takeFrame(QLocalSocket* client);
    void dropClient(QLocalSocket* client);
    void deliverRequests();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
    std::deque<Request> m_requests;
    bool m_delivering = false;
    int m_clientTimeoutMs = kClientTimeoutMs;
};
