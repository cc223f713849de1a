#pragma once
// The layout chooser's logic without widgets: the layout files of a folder,
// one loaded at a time, its entries edited, reordered and saved, the chosen
// record (turned when asked), and the scaled picture of the selected sheet.

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/LayoutRecord.h"

// The selected layout drawn at a sixth of its size in design units.
struct SheetPicture {
    QRect paper;
    std::vector<QRect> elements;
    // Fold lines across the elements: vertical for side folds, horizontal for top folds.
    bool folded = false;
    bool sideFold = false;
};

class LayoutChooser {
public:
    LayoutChooser(const QString& folder, bool metric);

    const QStringList& files() const { return m_files; }
    int fileIndex() const { return m_fileIndex; }
    // Another file: the changes to this one are saved first; false (the
    // current file kept) when that fails.
    bool selectFile(int index);

    const std::vector<LayoutRecord>& entries() const { return m_entries; }
    QStringList entryNames() const;
    int selected() const { return m_selected; }
    void select(int index);
    bool hasSelection() const { return m_selected >= 0 && m_selected < int(m_entries.size()); }
    bool changed() const { return m_changed; }
    bool opposite = false;

    // A copy of the selected record without its name (all zero when none):
    // what "&New.." opens in the editor.
    LayoutRecord newRecordTemplate() const;
    void addEntry(const LayoutRecord& record);
    void replaceSelected(const LayoutRecord& record);
    // Asks first; true when the entry went.
    bool deleteSelected();
    void moveEntry(int from, int to);

    // Writes a changed list back to its file; false when that failed.
    bool save();
    // OK in choosing mode: the list saved, then the selected record (turned
    // with "&Opposite Orientation"); none for a heading, separator or no
    // selection (the dialog then stays).
    std::optional<LayoutRecord> choose();
    // The selected record as it would be chosen; none for a heading or separator.
    std::optional<LayoutRecord> selectedRecord() const;
    // Cancel: asks when there are unsaved changes; false keeps the dialog open.
    bool cancelQuery() const;

    // The picture of the selected layout centred in a box, and its texts.
    std::optional<SheetPicture> picture(const QSize& box) const;
    QString noteText() const;
    QString sizeText() const;

private:
    void load();
    QString filePath() const;

    QString m_folder;
    bool m_metric = false;
    QStringList m_files;
    int m_fileIndex = -1;
    std::vector<LayoutRecord> m_entries;
    int m_selected = -1;
    bool m_changed = false;
};
