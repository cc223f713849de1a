#include "ui/shell/DesignDocument.h"

#include "files/DesignFile.h"
#include "model/Folds.h"
#include "model/Options.h"
#include "print/DesignPrinting.h"
#include "system/Messages.h"
#include "ui/shell/ShellTexts.h"

DesignDocument::DesignDocument() : m_reader(std::make_unique<DataReader>()) {}

DesignDocument::~DesignDocument() = default;

bool DesignDocument::regionSizeAllowedOrSay() const
{
    if (m_layout.regionSizeInRange())
        return true;
    Messages::error(regionSizeMessage(Options::current().metricUnits));
    return false;
}

bool DesignDocument::startBlank(const LayoutRecord& layout, int untitledNumber)
{
    m_layout = layout;
    m_untitledNumber = untitledNumber;
    m_fileName.clear();
    if (!regionSizeAllowedOrSay())
        return false;
    int32_t width = 0, height = 0;
    m_layout.regionSize(&width, &height);
    editor.card().setRegionSize(width, height);
    m_regionIndex = 0;
    return showRegionSlot(0);
}

bool DesignDocument::open(const QString& path)
{
    m_untitledNumber = 0;
    m_fileName = path;
    int32_t zoom = 100;
    const int32_t result = readDesignFile(editor.manager(), path, m_layout, m_linkedDatabasePath, zoom);
    if (result != DesignFileResult::Success) {
        Messages::error(designFileResultText(result, Options::current().metricUnits));
        return false;
    }
    editor.zoom = zoom;
    editor.markSaved();
    m_regionIndex = 0;
    if (!m_linkedDatabasePath.isEmpty())
        openLinkedDatabase();
    return true;
}

void DesignDocument::startFromTemplate(const LayoutRecord& layout, const QString& linkedDatabasePath, int32_t zoom,
                                       int untitledNumber)
{
    m_layout = layout;
    m_fileName.clear();
    m_untitledNumber = untitledNumber;
    m_linkedDatabasePath = linkedDatabasePath;
    editor.zoom = zoom;
    editor.contentReplaced();
    editor.markChanged();
    m_regionIndex = 0;
    if (!m_linkedDatabasePath.isEmpty())
        openLinkedDatabase();
}

void DesignDocument::openLinkedDatabase()
{
    const QString source = resolveLinkedPath(m_fileName, m_linkedDatabasePath);
    // A load the user cancelled is no failure to report.
    if (m_reader->open(source) < 0 && !m_reader->loadCancelled())
        Messages::error(ShellTexts::LinkedDatabaseFailed);
}

bool DesignDocument::setLinkedDatabase(const QString& path)
{
    if (path.isEmpty()) {
        m_reader->close();
    } else if (m_reader->open(resolveLinkedPath(m_fileName, path)) < 0) {
        if (!m_linkedDatabasePath.isEmpty())
            m_reader->open(resolveLinkedPath(m_fileName, m_linkedDatabasePath));
        return false;
    }
    m_linkedDatabasePath = path;
    editor.markChanged();
    return true;
}

QString DesignDocument::title() const
{
    return m_fileName.isEmpty() ? ShellTexts::Untitled + QString::number(m_untitledNumber) : m_fileName;
}

QString DesignDocument::save(bool saveAs, const SaveNameChooser& chooseName)
{
    QString target = m_fileName;
    if (saveAs || target.isEmpty()) {
        target = chooseName ? chooseName() : QString();
        if (target.isEmpty())
            return {};
    }
    if (!writeDesignFile(editor.manager(), target, m_layout, m_linkedDatabasePath, editor.zoom)) {
        Messages::error(designFileResultText(DesignFileResult::SaveError, Options::current().metricUnits));
        return {};
    }
    m_fileName = target;
    editor.markSaved();
    return target;
}

bool DesignDocument::mayClose(const SaveNameChooser& chooseName)
{
    if (!editor.isModified())
        return true;
    switch (Messages::askYesNoCancel(title() + ShellTexts::AskSaveChanges)) {
    case Messages::Answer::No:
        return true;
    case Messages::Answer::Yes:
        return !save(false, chooseName).isEmpty();
    default:
        return false;
    }
}

QStringList DesignDocument::regionCaptions() const
{
    // A flat design printed on one side has just its front.
    if (m_layout.foldType == 0 && m_layout.backPrintable == 0)
        return {::regionCaptions(m_layout.foldType).value(0)};
    return ::regionCaptions(m_layout.foldType);
}

bool DesignDocument::showRegion(int index)
{
    if (index == m_regionIndex)
        return true;
    if (index < 0 || index >= regionCaptions().size())
        return false;
    if (!showRegionSlot(index))
        return false;
    m_regionIndex = index;
    return true;
}

bool DesignDocument::showRegionSlot(int index)
{
    int32_t side = 0, panel = 0;
    if (!regionSlotFor(m_layout.foldType, index, &side, &panel))
        return false;
    if (!editor.showRegion(RegionId{side, panel})) {
        Messages::error(editor.manager().errorString());
        return false;
    }
    return true;
}
