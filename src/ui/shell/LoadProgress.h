#pragma once
// While a reader opens a long source, a cancellable progress dialog appears
// (after a short delay) and the window keeps handling input.

#include <QPointer>
#include <memory>

class DataReader;
class QProgressDialog;
class QWidget;

class LoadProgress {
public:
    // Reports the reader's progress over parent for as long as this lives;
    // the dialog appears once a load has run showAfterMs.
    static constexpr int kShowAfterMs = 400;
    LoadProgress(DataReader& reader, QWidget* parent, int showAfterMs = kShowAfterMs);
    ~LoadProgress();
    LoadProgress(const LoadProgress&) = delete;
    LoadProgress& operator=(const LoadProgress&) = delete;

private:
    bool report(qint64 records);

    DataReader& m_reader;
    QPointer<QWidget> m_parent;
    std::unique_ptr<QProgressDialog> m_dialog;
    qint64 m_started = 0;
    int m_showAfterMs = kShowAfterMs;
    qint64 m_lastUpdate = 0;
};
