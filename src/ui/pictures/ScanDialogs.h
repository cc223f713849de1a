#pragma once
// The scanner windows: "Select Source" (the devices SANE finds, searched
// without blocking the window), the scan settings, and a scan behind a
// progress dialog that can be cancelled.

#include <QDialog>
#include <QImage>
#include <memory>
#include <optional>

#include "desktop/Scanner.h"
#include "ui/pictures/ScannerSource.h"

class QListWidget;
class QComboBox;
class QSpinBox;
class QPushButton;
class QTimer;

class SelectSourceDialog : public QDialog {
    Q_OBJECT
public:
    // Starts a search at once unless told not to (showDevices then fills the list).
    explicit SelectSourceDialog(QWidget* parent = nullptr, bool searchNow = true);
    // Searches again (the list says it is looking meanwhile).
    void search();
    void showDevices(const ScannerSource::Search& search);
    bool searching() const { return m_job != nullptr; }
    QListWidget* list() const { return m_list; }

private:
    void pollSearch();
    void selectClicked();

    QListWidget* m_list;
    QPushButton* m_select;
    QTimer* m_poll;
    std::shared_ptr<ScannerSource::SearchJob> m_job;
};

class ScanSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ScanSettingsDialog(QWidget* parent = nullptr);
    ScanRequest request() const;

private:
    QComboBox* m_device;
    QComboBox* m_mode;
    QSpinBox* m_resolution;
};

// Scans behind a progress dialog; an error is shown, a cancel is quiet.
// Nothing comes back unless a picture arrived whole.
std::optional<QImage> scanWithProgress(QWidget* parent, const ScanRequest& request);
// The picture editor's Acquire: settings, then the scan.
std::optional<QImage> scanPicture(QWidget* parent);
// View ▸ the source command.
void selectScannerSource(QWidget* parent);
