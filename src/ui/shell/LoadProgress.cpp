#include "ui/shell/LoadProgress.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProgressDialog>

#include "merge/DataReader.h"
#include "ui/data/DataDialogTexts.h"

namespace {
constexpr qint64 kUpdateEveryMs = 50;
} // namespace

LoadProgress::LoadProgress(DataReader& reader, QWidget* parent, int showAfterMs)
    : m_reader(reader), m_parent(parent), m_started(QDateTime::currentMSecsSinceEpoch()), m_showAfterMs(showAfterMs)
{
    m_reader.setLoadProgress([this](qint64 records) { return report(records); });
}

LoadProgress::~LoadProgress()
{
    m_reader.setLoadProgress(nullptr);
}

bool LoadProgress::report(qint64 records)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - m_lastUpdate < kUpdateEveryMs)
        return !(m_dialog && m_dialog->wasCanceled());
    m_lastUpdate = now;
    if (!m_dialog && now - m_started >= m_showAfterMs) {
        // No maximum: how many records a text file holds is known only at its end.
        m_dialog = std::make_unique<QProgressDialog>(DataTexts::ReadingRecords, DataTexts::Cancel, 0, 0, m_parent);
        m_dialog->setObjectName(QStringLiteral("LoadProgressDlg"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->show();
    }
    if (!m_dialog)
        return true;
    m_dialog->setLabelText(DataTexts::recordsRead(records));
    // The modal progress dialog keeps clicks away from the window meanwhile.
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}
