#include "ui/icons/Icons.h"

#include <QFile>

namespace {

const QStringList& standardNames()
{
    static const QStringList names = {
        QStringLiteral("document-new"),   QStringLiteral("document-open"),
        QStringLiteral("document-save"),  QStringLiteral("document-print"),
        QStringLiteral("document-print-preview"),
        QStringLiteral("edit-undo"),      QStringLiteral("edit-redo"),
        QStringLiteral("edit-cut"),       QStringLiteral("edit-copy"),
        QStringLiteral("edit-paste"),     QStringLiteral("zoom-in"),
        QStringLiteral("zoom-out"),       QStringLiteral("zoom-fit-best"),
        QStringLiteral("help-contents"),
    };
    return names;
}

const QStringList& ownNames()
{
    static const QStringList names = {
        QStringLiteral("quillon-stickwell"),
        QStringLiteral("stickwell-background"),
        QStringLiteral("stickwell-personal-databases"),
        QStringLiteral("stickwell-bring-to-front"),
        QStringLiteral("stickwell-send-to-back"),
        QStringLiteral("stickwell-tool-select"),
        QStringLiteral("stickwell-tool-text"),
        QStringLiteral("stickwell-tool-barcode"),
        QStringLiteral("stickwell-tool-arctext"),
        QStringLiteral("stickwell-tool-graphic"),
        QStringLiteral("stickwell-tool-line"),
        QStringLiteral("stickwell-tool-box"),
        QStringLiteral("stickwell-tool-roundbox"),
        QStringLiteral("stickwell-tool-ellipse"),
        QStringLiteral("stickwell-align-left"),
        QStringLiteral("stickwell-align-hcenter"),
        QStringLiteral("stickwell-align-right"),
        QStringLiteral("stickwell-align-top"),
        QStringLiteral("stickwell-align-vcenter"),
        QStringLiteral("stickwell-align-bottom"),
        QStringLiteral("stickwell-group-left"),
        QStringLiteral("stickwell-group-hcenter"),
        QStringLiteral("stickwell-group-right"),
        QStringLiteral("stickwell-group-space-h"),
        QStringLiteral("stickwell-group-top"),
        QStringLiteral("stickwell-group-vcenter"),
        QStringLiteral("stickwell-group-bottom"),
        QStringLiteral("stickwell-group-space-v"),
    };
    return names;
}

} // namespace

// The resources live in a static library: nothing would pull their object
// file into the program unless it is named once.
static void initIconResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)done;
}

QStringList stickwellIconNames()
{
    return standardNames() + ownNames();
}

bool isStandardIconName(const QString& name)
{
    return standardNames().contains(name);
}

QIcon stickwellOwnIcon(const QString& name)
{
    initIconResources();
    if (!standardNames().contains(name) && !ownNames().contains(name))
        return {};
    const QString file = QStringLiteral(":/stickwell/icons/%1.svg").arg(name);
    if (!QFile::exists(file))
        return {};
    return QIcon(file);
}

QIcon stickwellIcon(const QString& name)
{
    const QIcon own = stickwellOwnIcon(name);
    if (own.isNull())
        return {};
    if (isStandardIconName(name))
        return QIcon::fromTheme(name, own);
    return own;
}
