#pragma once
// A design window: the widget inside one child window of the main window.
// It owns the document, the surface model and the view of the card.

#include <QWidget>
#include <memory>

#include "ui/designwindow/DesignSurface.h"
#include "ui/shell/DesignDocument.h"

class DesignView;

class DesignWindow : public QWidget {
    Q_OBJECT
public:
    // The document must already hold a design (blank or opened).
    DesignWindow(std::unique_ptr<DesignDocument> document, const Options& options, QWidget* parent = nullptr);
    ~DesignWindow() override;

    DesignDocument& document() const { return *m_document; }
    DesignSurface& surface() const { return *m_surface; }
    DesignView& view() const { return *m_view; }

    // Save or Save As; the saved file name, or empty.
    QString save(bool saveAs);
    void updateTitle();

    // Where the save dialog asks; tests replace it.
    DesignDocument::SaveNameChooser chooseSaveName;

signals:
    // The document was saved under this name (for the recent files).
    void saved(const QString& fileName);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<DesignDocument> m_document;
    std::unique_ptr<DesignSurface> m_surface;
    DesignView* m_view = nullptr;
};
