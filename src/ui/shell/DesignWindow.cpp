#include "ui/shell/DesignWindow.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QVBoxLayout>

#include "ui/designwindow/DesignView.h"
#include "ui/shell/ShellTexts.h"

DesignWindow::DesignWindow(std::unique_ptr<DesignDocument> document, const Options& options, QWidget* parent)
    : QWidget(parent), m_document(std::move(document))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_surface = std::make_unique<DesignSurface>(m_document->editor);
    m_surface->applyOptions(options);
    m_view = new DesignView(*m_surface, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    chooseSaveName = [this] {
        QFileDialog dialog(this, QString(), Options::current().favorites, ShellTexts::SaveFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("lpd"));
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                        : QString();
    };
    connect(&m_document->editor, &DesignEditor::modifiedChanged, this, [this] { updateTitle(); });
    updateTitle();
}

DesignWindow::~DesignWindow()
{
    // The surface refers to the document's editor: it goes first.
    delete m_view;
    m_surface.reset();
}

void DesignWindow::updateTitle()
{
    setWindowTitle(m_document->title());
}

QString DesignWindow::save(bool saveAs)
{
    const QString fileName = m_document->save(saveAs, chooseSaveName);
    if (!fileName.isEmpty()) {
        updateTitle();
        emit saved(fileName);
    }
    return fileName;
}

void DesignWindow::closeEvent(QCloseEvent* event)
{
    const bool wasModified = m_document->isModified();
    if (!m_document->mayClose(chooseSaveName)) {
        event->ignore();
        return;
    }
    if (wasModified && !m_document->isModified() && !m_document->fileName().isEmpty())
        emit saved(m_document->fileName());
    event->accept();
}
