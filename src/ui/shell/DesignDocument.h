#pragma once
// One open design as a document, without widgets: where it comes from (a
// blank design from a layout, or a design file or template), its title, the
// linked data source, saving, and the question before it closes.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "merge/DataReader.h"
#include "model/DesignEditor.h"
#include "model/LayoutRecord.h"

class DesignDocument {
public:
    DesignDocument();
    ~DesignDocument();
    DesignDocument(const DesignDocument&) = delete;
    DesignDocument& operator=(const DesignDocument&) = delete;

    // Asks for a file name to save under; empty when the user cancelled.
    using SaveNameChooser = std::function<QString()>;

    // A blank design: one region of the layout on the card, "Untitled n".
    // False (with the region-size message shown) when the layout's regions
    // break the size limits.
    bool startBlank(const LayoutRecord& layout, int untitledNumber);
    // Reads a design file or template; false after showing why it failed.
    bool open(const QString& path);
    // A design made from a template into editor.manager() (by the design
    // wizard): untitled and changed, with its layout, zoom and linked data.
    void startFromTemplate(const LayoutRecord& layout, const QString& linkedDatabasePath, int32_t zoom,
                           int untitledNumber);

    QString title() const;
    const QString& fileName() const { return m_fileName; }
    bool isModified() const { return editor.isModified(); }

    // Save (saveAs: always ask for a name). Returns the saved file name, or
    // empty when nothing was saved (cancelled, or failed with its message).
    QString save(bool saveAs, const SaveNameChooser& chooseName);
    // May the document close? Asks to save a modified one.
    bool mayClose(const SaveNameChooser& chooseName);

    // The regions of the design's fold type, in caption order.
    QStringList regionCaptions() const;
    int regionIndex() const { return m_regionIndex; }
    // Makes another region live on the card (stores the shown one first).
    // False for a region the design lacks, or after showing why the shown
    // region could not be stored.
    bool showRegion(int index);

    const LayoutRecord& layout() const { return m_layout; }
    // The layout commands rewrite the record; Save As Template renames the
    // document to its template file.
    void setLayout(const LayoutRecord& layout) { m_layout = layout; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    const QString& linkedDatabasePath() const { return m_linkedDatabasePath; }
    // Links the design to another source (empty: unlinks it) and reopens the
    // reader on it; marks the design changed. False when the source will not
    // open: then the link and the reader stay as they were.
    bool setLinkedDatabase(const QString& path);
    DataReader& dataReader() { return *m_reader; }
    // The password typed in this window, kept for later protection checks.
    QString enteredPassword;

    DesignEditor editor;

private:
    bool regionSizeAllowedOrSay() const;
    bool showRegionSlot(int index);
    void openLinkedDatabase();

    QString m_fileName;
    int m_untitledNumber = 0;
    LayoutRecord m_layout;
    QString m_linkedDatabasePath;
    int m_regionIndex = 0;
    std::unique_ptr<DataReader> m_reader;
};
