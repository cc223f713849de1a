#include "base/AtomicFile.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype kBufferSize = 64 * 1024;

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes all of data, retrying after interruptions; errno is kept on failure.
bool writeAll(int fd, const char* data, qsizetype length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, size_t(length));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data += written;
        length -= written;
    }
    return true;
}

// Follows symbolic links so that saving through a link replaces the file it
// points to, not the link.
QString resolveLinks(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

} // namespace

AtomicFile::AtomicFile(const QString& path) : m_path(path) {}

AtomicFile::~AtomicFile()
{
    if (isOpen())
        cancel();
}

bool AtomicFile::fail(const QString& what, int error)
{
    m_failed = true;
    setErrorString(error ? what + QStringLiteral(": ") + systemError(error) : what);
    return false;
}

bool AtomicFile::open(OpenMode mode)
{
    if ((mode & ReadOnly) || !(mode & WriteOnly))
        return fail(QStringLiteral("Cannot open %1 for reading").arg(m_path), 0);
    return open();
}

bool AtomicFile::open()
{
    if (isOpen() || m_path.isEmpty())
        return fail(QStringLiteral("No file to write"), 0);
    m_failed = false;
    m_targetPath = resolveLinks(m_path);
    const QByteArray target = QFile::encodeName(m_targetPath);
    struct stat st {};
    const bool exists = ::stat(target.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return fail(m_path, EISDIR);
    m_direct = exists && !S_ISREG(st.st_mode);
    if (m_direct) {
        m_fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC | (S_ISFIFO(st.st_mode) ? 0 : O_TRUNC));
        if (m_fd < 0)
            return fail(m_path, errno);
    } else {
        QByteArray temp = target + ".XXXXXX";
        m_fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (m_fd < 0)
            return fail(m_path, errno);
        m_tempPath = QFile::decodeName(temp);
        // A replaced file keeps its permissions; a new one gets the usual ones.
        mode_t permissions = 0666;
        if (exists) {
            permissions = st.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            permissions &= ~mask;
        }
        ::fchmod(m_fd, permissions);
    }
    m_buffer.clear();
    m_buffer.reserve(kBufferSize);
    QIODevice::open(WriteOnly | Unbuffered);
    return true;
}

qint64 AtomicFile::writeData(const char* data, qint64 length)
{
    if (m_failed || m_fd < 0)
        return -1;
    if (m_buffer.size() + length > kBufferSize && !flushBuffer())
        return -1;
    if (length >= kBufferSize) {
        if (!writeAll(m_fd, data, qsizetype(length)))
            return fail(m_path, errno), -1;
        return length;
    }
    m_buffer.append(data, qsizetype(length));
    return length;
}

bool AtomicFile::flushBuffer()
{
    if (m_buffer.isEmpty())
        return true;
    const bool written = writeAll(m_fd, m_buffer.constData(), m_buffer.size());
    m_buffer.clear();
    return written || fail(m_path, errno);
}

void AtomicFile::closeHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool AtomicFile::commit()
{
    if (!isOpen())
        return fail(QStringLiteral("%1 is not open").arg(m_path), 0);
    bool ok = !m_failed && flushBuffer();
    // Delayed allocation reports a full disk only here.
    if (ok && !m_direct && ::fsync(m_fd) != 0)
        ok = fail(m_path, errno);
    if (m_fd >= 0) {
        const int closed = ::close(m_fd);
        m_fd = -1;
        if (ok && closed != 0 && errno != EINTR)
            ok = fail(m_path, errno);
    }
    if (ok && !m_direct && ::rename(QFile::encodeName(m_tempPath).constData(),
                                    QFile::encodeName(m_targetPath).constData()) != 0)
        ok = fail(m_path, errno);
    if (!ok && !m_tempPath.isEmpty())
        ::unlink(QFile::encodeName(m_tempPath).constData());
    m_tempPath.clear();
    QIODevice::close();
    return ok;
}

void AtomicFile::cancel()
{
    closeHandle();
    if (!m_tempPath.isEmpty())
        ::unlink(QFile::encodeName(m_tempPath).constData());
    m_tempPath.clear();
    m_buffer.clear();
    if (isOpen())
        QIODevice::close();
}

bool writeFileAtomically(const QString& path, QByteArrayView bytes, QString* error)
{
    AtomicFile file(path);
    const bool ok = file.open() && file.write(bytes.data(), bytes.size()) == bytes.size() && file.commit();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}
