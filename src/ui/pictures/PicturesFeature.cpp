#include "ui/pictures/PicturesFeature.h"

#include <QAction>
#include <QPainter>
#include <QTimer>

#include "model/Options.h"
#include "ui/pictures/PickPictureDialog.h"
#include "ui/pictures/ScanDialogs.h"
#include "ui/pictures/ScannerSource.h"
#include "ui/shell/Gallery.h"
#include "ui/shell/CommandHost.h"
#include "ui/shell/FamilyServices.h"
#include "ui/shell/MainWindow.h"

namespace {

constexpr int kProbePollMs = 200;

QString graphicsFolder()
{
    const QString chosen = Options::current().graphics;
    return chosen.isEmpty() ? Options::defaultGraphicsFolder() : chosen;
}

// Looks for scanners once the frame runs, without making it wait; the
// source command is enabled when one is found.
void probeScannersLater(MainWindow& window)
{
    QTimer::singleShot(0, &window, [&window] {
        auto job = ScannerSource::startSearch();
        auto* poll = new QTimer(&window);
        QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, job] {
            if (!job->done.load())
                return;
            poll->stop();
            poll->deleteLater();
            ScannerSource::remember(job->result);
            window.enableCommands();
        });
        poll->start(kProbePollMs);
    });
}

QImage galleryPicture()
{
    QImage image(240, 180, QImage::Format_RGB32);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(1, QColor(200, 225, 245));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 80));
    p.drawEllipse(QPointF(180, 45), 22, 22);
    p.setBrush(QColor(60, 120, 70));
    p.drawPolygon(QPolygonF({QPointF(0, 180), QPointF(0, 120), QPointF(70, 80), QPointF(140, 125),
                             QPointF(190, 100), QPointF(240, 130), QPointF(240, 180)}));
    return image;
}

} // namespace

void installPictures(MainWindow& window, FamilyServices& services)
{
    services.choosePicture = [](QWidget* parent, const Picture& current) {
        return pickPicture(parent, current, graphicsFolder(), true);
    };
    services.scannerAvailable = [] { return ScannerSource::available(); };
    MainWindow* w = &window;
    window.commands().add({.name = "TwainMI", .caption = "TWAIN Source Manager...", .rule = CommandRule::Scanner,
                           .menu = {Menu::View, 210}, .run = [w] {
                               selectScannerSource(w);
                               w->enableCommands();
                           }});
    probeScannersLater(window);
}

void registerPictureGalleryStates()
{
    addGalleryState(QStringLiteral("picture-editor"), [](MainWindow& window) -> QWidget* {
        PictureEditor::Setup setup;
        setup.startFolder = graphicsFolder();
        Picture picture;
        picture.setBitmap(galleryPicture());
        auto* dialog = new PickPictureDialog(setup, picture, &window);
        dialog->editor().setCropRect(QRect(40, 30, 80, 70));
        dialog->editor().clickAt(QPoint(60, 50));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return dialog;
    });
    addGalleryState(QStringLiteral("scanner-source"), [](MainWindow& window) -> QWidget* {
        // SANE's two test devices, as a search finds them where its test backend is on.
        auto* dialog = new SelectSourceDialog(&window, false);
        const ScannerDevice tester{QString(), QStringLiteral("Noname"), QStringLiteral("frontend-tester"),
                                   QStringLiteral("virtual device")};
        ScannerSource::Search found;
        for (const char* name : {"test:0", "test:1"}) {
            found.devices.push_back(tester);
            found.devices.back().name = QLatin1String(name);
        }
        dialog->showDevices(found);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return dialog;
    });
}
