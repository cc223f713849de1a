#include "app/cli/CliFiles.h"
#include "model/Options.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "files/DesignFile.h"

namespace {

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool statFile(const QString& path, struct stat* st) { return ::stat(QFile::encodeName(path).constData(), st) == 0; }

} // namespace

QString cliUnreadableReason(const QString& path)
{
    struct stat st {};
    if (path.isEmpty())
        return systemError(ENOENT);
    if (!statFile(path, &st))
        return systemError(errno);
    if (S_ISDIR(st.st_mode))
        return systemError(EISDIR);
    // Without blocking: a FIFO with no writer yet must not hang the check.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return systemError(errno);
    ::close(fd);
    return {};
}

bool cliCheckDesignReadable(const QString& path)
{
    const QString reason = cliUnreadableReason(path);
    if (reason.isEmpty())
        return true;
    cliError(CliTexts::cannotRead(path, reason));
    return false;
}

QByteArray cliFileHead(const QString& path, qint64 size)
{
    struct stat st {};
    if (!statFile(path, &st) || !S_ISREG(st.st_mode))
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(size) : QByteArray();
}

int cliRefuseDesign(const QString& path, int32_t code)
{
    struct stat st {};
    if (code == DesignFileResult::BadVersion && statFile(path, &st) && S_ISREG(st.st_mode) &&
        !hasDesignFileSignature(cliFileHead(path, 8)))
        cliError(st.st_size == 0 ? CliTexts::emptyIsNoDesign(path) : CliTexts::notADesign(path));
    cliError(CliTexts::designRefused(code, designFileResultText(code, Options::current().metricUnits)));
    return CliExit::Refused;
}

bool cliWouldReplace(const QString& output, const QString& input)
{
    struct stat out {}, in {};
    return !output.isEmpty() && !input.isEmpty() && statFile(output, &out) && statFile(input, &in) &&
           S_ISREG(out.st_mode) && out.st_dev == in.st_dev && out.st_ino == in.st_ino;
}

QString cliExtensionProblem(const QString& output, const QStringList& extensions)
{
    const QString suffix = QFileInfo(output).suffix();
    if (extensions.contains(suffix.toLower()) || cliIsSpecialFile(output))
        return {};
    QString names = QLatin1Char('.') + extensions.constFirst();
    for (qsizetype i = 1; i < extensions.size(); ++i)
        names += (i + 1 == extensions.size() ? QStringLiteral(" or .") : QStringLiteral(", .")) + extensions[i];
    return CliTexts::wrongExtension(output, suffix, names);
}

bool cliIsSpecialFile(const QString& path)
{
    struct stat st {};
    return statFile(path, &st) && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}
