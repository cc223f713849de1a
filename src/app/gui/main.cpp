#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "base/AppInfo.h"
#include "files/StockImport.h"
#include "model/Options.h"
#include "system/AppPaths.h"
#include "system/SettingsStore.h"
#include "desktop/SingleInstance.h"
#include "desktop/TerminationSignals.h"
#include "ui/Features.h"
#include "ui/icons/Icons.h"
#include "ui/shell/Gallery.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MessageBoxSink.h"

namespace {

constexpr int kHandOverTimeoutMs = 10000;

// --grab FILE [--state NAME]: set a window state up, write a picture of it
// and quit (scripts/gallery.sh).
void grabAndQuit(MainWindow& window, const QString& state, const QString& file)
{
    QTimer::singleShot(300, &window, [&window, state, file] {
        QWidget* target = prepareGalleryState(window, state);
        if (!target) {
            QApplication::exit(2);
            return;
        }
        QTimer::singleShot(300, &window, [target, file] { QApplication::exit(target->grab().save(file) ? 0 : 1); });
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::productTitle());
    QApplication::setApplicationVersion(AppInfo::version());
    QApplication::setWindowIcon(stickwellIcon(QStringLiteral("quillon-stickwell")));
    // A new per-user folder also gets the stocks of the system's stock definitions.
    AppPaths::setFirstRunSeeder(seedStocksFromSystem);
    registerFeatureGalleryStates();

    QCommandLineParser parser;
    parser.setApplicationDescription(AppInfo::productTitle());
    const QCommandLineOption grab(QStringLiteral("grab"), QStringLiteral("Write a picture of the window and quit."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption state(QStringLiteral("state"),
                                   QStringLiteral("The window state to picture: ") + galleryStates().join(", "),
                                   QStringLiteral("NAME"), QStringLiteral("main-window-empty"));
    const QCommandLineOption listStates(QStringLiteral("list-states"), QStringLiteral("List the window states."));
    parser.addOption(grab);
    parser.addOption(state);
    parser.addOption(listStates);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Designs or templates to open."),
                                 QStringLiteral("[FILE...]"));
    parser.process(app);
    if (parser.isSet(listStates)) {
        for (const QString& name : galleryStates())
            std::printf("%s\n", qPrintable(name));
        return 0;
    }

    // One program per user: a second start hands its files to the first one,
    // which comes to the front, and ends without a window.
    SingleInstance instance;
    if (!parser.isSet(grab) && !instance.becomePrimary()) {
        instance.handOver(parser.positionalArguments(), kHandOverTimeoutMs);
        return 0;
    }

    MessageBoxSink messageBoxes;
    Messages::install(&messageBoxes);
    Options::current().load(SettingsStore::instance());

    MainWindow window;
    installFeatures(window);
    window.setStartupFiles(parser.positionalArguments());
    window.setNewDesignAtStart(!parser.isSet(grab));
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, &MainWindow::bringToFront);
    QObject::connect(&instance, &SingleInstance::openRequested, &window,
                     [&window](const QString& path) { window.openDroppedFiles({path}); });
    // Asked to stop (log-off, shut-down, kill): keep the settings, then quit.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window, [&window] {
        window.saveSessionState();
        QApplication::quit();
    });
    window.show();
    if (parser.isSet(grab))
        grabAndQuit(window, parser.value(state), parser.value(grab));
    const int status = app.exec();
    Messages::install(nullptr);
    return status;
}
