#include "app/cli/CliQtMessages.h"

#include <QMutex>
#include <QtGlobal>

#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "system/Messages.h"

namespace {

void handleQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    const bool serious = type == QtCriticalMsg || type == QtFatalMsg;
    if (!serious && !cliVerbose())
        return;
    // Qt may speak from its own threads; the message door is not made for that.
    static QMutex mutex;
    const QMutexLocker lock(&mutex);
    Messages::error(CliTexts::qtMessage(text));
}

} // namespace

void installCliQtMessageHandler() { qInstallMessageHandler(handleQtMessage); }
