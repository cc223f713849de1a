#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Runs a shell script under one virtual X server, so the programs it starts
// share one display and one clipboard. Empty when there is no xvfb-run.
QString underOneDisplay(const QString& script, const QStringList& arguments)
{
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    if (xvfb.isEmpty())
        return {};
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(environment);
    process.start(xvfb, QStringList{"-a", "-s", "-screen 0 1024x768x24", "sh", "-c", script, "sh"} + arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        return QStringLiteral("timed out");
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
}

} // namespace

TEST(TwoProcesses, ObjectsCopiedInOneProgramArePastedInAnother)
{
    QTemporaryDir dir;
    const QString output = underOneDisplay(
        R"(peer=$1; "$peer" copy "$2" "$3" & owner=$!
           for i in $(seq 100); do [ -e "$3" ] && break; sleep 0.1; done
           "$peer" paste; kill $owner)",
        {STICKWELL_CLIPBOARD_PEER, STICKWELL_DATA_SOURCE "/examples/shapes-and-text.lpd", dir.filePath("ready")});
    if (output.isEmpty())
        GTEST_SKIP() << "xvfb-run is not installed";
    // Every object of the example arrives with its kind, place, size, colour and text.
    QProcess cli;
    cli.start(STICKWELL_CLI, {"info", STICKWELL_DATA_SOURCE "/examples/shapes-and-text.lpd"});
    ASSERT_TRUE(cli.waitForFinished(30000));
    const QJsonArray objects = QJsonDocument::fromJson(cli.readAllStandardOutput())["regions"][0]["objects"].toArray();
    ASSERT_GT(objects.size(), 2);
    EXPECT_TRUE(output.contains(QString("pasted %1\n").arg(objects.size()))) << output.toStdString();
    for (const QJsonValue& object : objects) {
        QStringList lines;
        for (const QJsonValue& line : object["lines"].toArray())
            lines << line.toString();
        const QString expected = QString("%1 %2 %3 %4 %5 %6 %7\n")
                                     .arg(object["kind"].toString())
                                     .arg(object["left"].toInt())
                                     .arg(object["top"].toInt())
                                     .arg(object["width"].toInt())
                                     .arg(object["height"].toInt())
                                     .arg(object["fore_color"].toInt())
                                     .arg(lines.join('|'));
        EXPECT_TRUE(output.contains(expected)) << expected.toStdString();
    }
}
