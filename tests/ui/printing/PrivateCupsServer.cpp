#include "PrivateCupsServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QTcpServer>
#include <QThread>
#include <dlfcn.h>

namespace {

const QString kPpd = QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd");

int freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size() && file.flush();
}

// libcups keeps the server it talks to once asked; it is loaded with Qt's
// print support, so its own setter is found there.
void setCupsServer(const char* server)
{
    QPrinterInfo::availablePrinterNames();  // loads the print support and libcups
    using SetServer = void (*)(const char*);
    void* cups = dlopen("libcups.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!cups)
        return;
    if (auto set = reinterpret_cast<SetServer>(dlsym(cups, "cupsSetServer")))
        set(server);
    dlclose(cups);
}

} // namespace

bool PrivateCupsServer::installed() { return QFileInfo(QString::fromLatin1(kCupsd)).isExecutable(); }

PrivateCupsServer::PrivateCupsServer()
{
    const int port = freePort();
    if (!m_dir.isValid() || port == 0) {
        m_problem = QStringLiteral("no temporary folder or free port");
        return;
    }
    if (!writeConfiguration(port) || !start())
        return;
    QString output;
    if (runClient(QStringLiteral("lpadmin"),
                  {"-p", queueName(), "-v", "file:" + queueOutput(), "-m", kPpd, "-E"}, &output) != 0)
        m_problem = QStringLiteral("lpadmin failed: ") + output;
}

PrivateCupsServer::~PrivateCupsServer()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();  // by its own PID
        if (!m_cupsd.waitForFinished(5000))
            m_cupsd.kill();
        m_cupsd.waitForFinished(2000);
    }
}

bool PrivateCupsServer::writeConfiguration(int port)
{
    const QString d = m_dir.path();
    for (const char* sub : {"spool/tmp", "cache", "state", "log"})
        QDir(d).mkpath(QString::fromLatin1(sub));
    const QString cupsd = QStringLiteral("Listen 127.0.0.1:%1\nListen %2\nLogLevel warn\n"
                                         "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                         "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n")
                              .arg(port)
                              .arg(socketPath());
    const QString files = QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                                         "CacheDir %1/cache\nStateDir %1/state\nErrorLog %1/log/error_log\n"
                                         "AccessLog %1/log/access_log\nPageLog %1/log/page_log\nFileDevice Yes\n")
                              .arg(d);
    if (!writeText(d + "/cupsd.conf", cupsd) || !writeText(d + "/cups-files.conf", files)) {
        m_problem = QStringLiteral("cannot write the configuration");
        return false;
    }
    return true;
}

bool PrivateCupsServer::start()
{
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(QString::fromLatin1(kCupsd), {"-f", "-c", m_dir.filePath("cupsd.conf"), "-s",
                                                m_dir.filePath("cups-files.conf")});
    if (!m_cupsd.waitForStarted(5000)) {
        m_problem = QStringLiteral("cupsd did not start");
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 15000) {
        if (m_cupsd.state() == QProcess::NotRunning) {
            m_problem = QStringLiteral("cupsd stopped: ") + QString::fromLocal8Bit(m_cupsd.readAll());
            return false;
        }
        if (QFileInfo::exists(socketPath()) && runClient(QStringLiteral("lpstat"), {"-r"}) == 0)
            return true;
        QThread::msleep(100);
    }
    m_problem = QStringLiteral("cupsd did not answer");
    return false;
}

int PrivateCupsServer::runClient(const QString& program, const QStringList& arguments, QString* output) const
{
    QProcess client;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socketPath());
    client.setProcessEnvironment(env);
    client.setProcessChannelMode(QProcess::MergedChannels);
    client.start(program, arguments);
    if (!client.waitForFinished(30000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(client.readAll());
    return client.exitStatus() == QProcess::NormalExit ? client.exitCode() : -1;
}

void PrivateCupsServer::useInThisProcess() const { setCupsServer(socketPath().toLocal8Bit().constData()); }

void PrivateCupsServer::useDefaultServer() { setCupsServer(nullptr); }

bool PrivateCupsServer::waitForOutput(int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QString jobs;
        if (runClient(QStringLiteral("lpstat"), {"-o", queueName()}, &jobs) == 0 && jobs.trimmed().isEmpty() &&
            QFileInfo(queueOutput()).size() > 0)
            return true;
        QThread::msleep(200);
    }
    return false;
}
