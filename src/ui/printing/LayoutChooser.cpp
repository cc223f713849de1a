#include "ui/printing/LayoutChooser.h"

#include <QDir>
#include <algorithm>

#include "files/LayoutFile.h"
#include "model/Folds.h"
#include "model/Units.h"
#include "system/Messages.h"
#include "ui/printing/LayoutTexts.h"

namespace {

constexpr int kPictureScale = 6;  // a sixth of the size in design units

} // namespace

LayoutChooser::LayoutChooser(const QString& folder, bool metric) : m_folder(folder), m_metric(metric)
{
    m_files = listLayoutFiles(folder);
    if (!m_files.isEmpty()) {
        m_fileIndex = 0;
        load();
    }
}

QString LayoutChooser::filePath() const
{
    // The file's real name, whatever the case of its extension.
    const QString wanted = m_files.value(m_fileIndex);
    for (const QString& name : QDir(m_folder).entryList(QDir::Files))
        if (name.size() == wanted.size() + 4 && name.startsWith(wanted) &&
            name.right(4).compare(QStringLiteral(".lyt"), Qt::CaseInsensitive) == 0)
            return QDir(m_folder).filePath(name);
    return QDir(m_folder).filePath(wanted + QStringLiteral(".LYT"));
}

void LayoutChooser::load()
{
    m_entries = readLayoutFile(filePath());
    m_selected = m_entries.empty() ? -1 : 0;
    m_changed = false;
}

bool LayoutChooser::selectFile(int index)
{
    if (index < 0 || index >= m_files.size() || index == m_fileIndex)
        return index == m_fileIndex;
    if (!save())
        return false;
    m_fileIndex = index;
    load();
    return true;
}

QStringList LayoutChooser::entryNames() const
{
    QStringList names;
    for (const LayoutRecord& record : m_entries)
        names << layoutShownName(record);
    return names;
}

void LayoutChooser::select(int index) { m_selected = index >= 0 && index < int(m_entries.size()) ? index : -1; }

LayoutRecord LayoutChooser::newRecordTemplate() const
{
    if (!hasSelection())
        return LayoutRecord::fromBytes({});
    LayoutRecord copy = m_entries[size_t(m_selected)];
    copy.setName(QString());
    return copy;
}

void LayoutChooser::addEntry(const LayoutRecord& record)
{
    m_entries.push_back(record);
    m_selected = int(m_entries.size()) - 1;
    m_changed = true;
}

void LayoutChooser::replaceSelected(const LayoutRecord& record)
{
    if (!hasSelection())
        return;
    m_entries[size_t(m_selected)] = record;
    m_changed = true;
}

bool LayoutChooser::deleteSelected()
{
    if (!hasSelection() || Messages::askYesNo(LayoutTexts::AskDelete) != Messages::Answer::Yes)
        return false;
    m_entries.erase(m_entries.begin() + m_selected);
    m_selected = m_entries.empty() ? -1 : std::max(m_selected - 1, 0);
    m_changed = true;
    return true;
}

void LayoutChooser::moveEntry(int from, int to)
{
    const int count = int(m_entries.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    const LayoutRecord moved = m_entries[size_t(from)];
    m_entries.erase(m_entries.begin() + from);
    m_entries.insert(m_entries.begin() + to, moved);
    m_selected = to;
    m_changed = true;
}

bool LayoutChooser::save()
{
    if (!m_changed || m_fileIndex < 0)
        return true;
    if (!writeLayoutFile(filePath(), m_entries))
        return false;
    m_changed = false;
    return true;
}

std::optional<LayoutRecord> LayoutChooser::choose()
{
    save();  // a failed write is not reported; the choice still stands
    return selectedRecord();
}

std::optional<LayoutRecord> LayoutChooser::selectedRecord() const
{
    if (!hasSelection() || !layoutSelectable(m_entries[size_t(m_selected)]))
        return std::nullopt;
    LayoutRecord chosen = m_entries[size_t(m_selected)];
    if (opposite)
        chosen.swapOrientation();
    return chosen;
}

bool LayoutChooser::cancelQuery() const
{
    return !m_changed || Messages::askYesNo(LayoutTexts::AskCancel) == Messages::Answer::Yes;
}

std::optional<SheetPicture> LayoutChooser::picture(const QSize& box) const
{
    if (!hasSelection() || !layoutSelectable(m_entries[size_t(m_selected)]))
        return std::nullopt;
    LayoutRecord record = m_entries[size_t(m_selected)];
    int32_t paperWidth = 0, paperHeight = 0;
    record.paperSize(m_metric, &paperWidth, &paperHeight);
    const auto design = [&record](int32_t value) { return int64_t(layoutToDesignUnits(record.unit, value)); };
    const int64_t usedWidth = int64_t(record.columns) * design(record.elementWidth) +
                              design(record.leftMargin) + int64_t(record.columns - 1) * design(record.columnSpace);
    if (paperWidth < usedWidth)
        std::swap(paperWidth, paperHeight);
    if (opposite) {
        record.swapOrientation();
        std::swap(paperWidth, paperHeight);
    }
    SheetPicture picture;
    const int w = paperWidth / kPictureScale, h = paperHeight / kPictureScale;
    const QPoint origin((box.width() - w) / 2, (box.height() - h) / 2);
    picture.paper = QRect(origin, QSize(w, h));
    const RegionGeometry geometry = regionGeometry(record.unit, record.foldType, 0, record.elementWidth,
                                                   record.elementHeight);
    picture.folded = !geometry.flat && geometry.regionCount > 0;
    picture.sideFold = geometry.sideFold;
    // A sheet of thousands of elements is shown by its paper alone.
    const int64_t cells = int64_t(record.rows) * record.columns;
    if (cells <= 0 || cells > 2000)
        return picture;
    const int ew = int(design(record.elementWidth) / kPictureScale);
    const int eh = int(design(record.elementHeight) / kPictureScale);
    for (int32_t row = 0; row < record.rows; ++row)
        for (int32_t column = 0; column < record.columns; ++column) {
            int32_t x = 0, y = 0;
            record.elementOrigin(row, column, &x, &y);
            picture.elements.push_back(QRect(origin + QPoint(int(design(x) / kPictureScale),
                                                             int(design(y) / kPictureScale)),
                                             QSize(ew, eh)));
        }
    return picture;
}

QString LayoutChooser::noteText() const
{
    return hasSelection() && layoutSelectable(m_entries[size_t(m_selected)]) ? layoutNote(m_entries[size_t(m_selected)])
                                                                              : QString();
}

QString LayoutChooser::sizeText() const
{
    if (!hasSelection() || !layoutSelectable(m_entries[size_t(m_selected)]))
        return {};
    const LayoutRecord& r = m_entries[size_t(m_selected)];
    return formatFixed(r.elementWidth * 0.01L, 2) + LayoutTexts::SizeSeparator + formatFixed(r.elementHeight * 0.01L, 2) +
           (r.unit == 1 ? LayoutTexts::Millimetres : LayoutTexts::Inches);
}
