#pragma once
// Writing a file so that nothing good is ever lost. A regular file (or a new
// one) is written to a temporary file in the same folder, which replaces the
// target only once every byte has been written and synced; a device or FIFO
// (/dev/stdout, /dev/null, a pipe) is written directly and never replaced.
// Every write, sync and close is checked: a failure (a full disk, a file-size
// limit, a device error) cancels the save, leaves the previous file as it was
// and says why in errorString().

#include <QByteArray>
#include <QIODevice>
#include <QString>

class AtomicFile : public QIODevice {
public:
    explicit AtomicFile(const QString& path);
    ~AtomicFile() override;  // cancels an open, uncommitted save

    // Opens for writing. False (with errorString()) when the target is a
    // folder, its folder does not exist or cannot be written, or the device
    // cannot be opened.
    bool open();
    bool open(OpenMode mode) override;
    // Writes everything buffered, syncs and puts the file in place. False
    // (with errorString()) when any step failed; the previous file then stays.
    bool commit();
    void cancel();
    // Closing without commit() is a cancel: a half-written file never lands.
    void close() override { cancel(); }

    // True once a write, sync or the final rename failed (errorString() says why).
    bool hasFailed() const { return m_failed; }
    // True when the target is written in place (a device, FIFO or socket).
    bool isDirect() const { return m_direct; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    bool flushBuffer();
    bool fail(const QString& what, int error);
    void closeHandle();

    QString m_path;        // what the user named
    QString m_targetPath;  // after following symbolic links
    QString m_tempPath;
    QByteArray m_buffer;
    int m_fd = -1;
    bool m_direct = false;
    bool m_failed = false;
};

// Writes bytes through an AtomicFile. On failure, *error (when given) says why.
bool writeFileAtomically(const QString& path, QByteArrayView bytes, QString* error = nullptr);
