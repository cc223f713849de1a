#pragma once
// A CUPS scheduler of the test's own: cupsd on a private socket and port
// with its configuration, spool and logs in a temporary folder, and a
// cups-pdf queue that writes each job's PostScript to a file there. Nothing
// outside that folder is touched; the scheduler is stopped by its PID.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class PrivateCupsServer {
public:
    static constexpr const char* kCupsd = "/usr/sbin/cupsd";
    static bool installed();

    PrivateCupsServer();
    ~PrivateCupsServer();
    PrivateCupsServer(const PrivateCupsServer&) = delete;
    PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

    // Empty when the scheduler and its queue are up; else what went wrong.
    const QString& problem() const { return m_problem; }
    QString socketPath() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
    QString queueOutput() const { return m_dir.filePath(QStringLiteral("out.prn")); }
    QString folder() const { return m_dir.path(); }
    static QString queueName() { return QStringLiteral("StickwellTest"); }

    // Points this process's CUPS calls at the private scheduler (and back).
    void useInThisProcess() const;
    static void useDefaultServer();
    // Waits until the queue has no jobs left and its output file is written.
    bool waitForOutput(int timeoutMs) const;
    // Runs a CUPS client program against the scheduler; its exit code.
    int runClient(const QString& program, const QStringList& arguments, QString* output = nullptr) const;

private:
    bool writeConfiguration(int port);
    bool start();

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_problem;
};
