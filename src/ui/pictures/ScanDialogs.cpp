#include "ui/pictures/ScanDialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "system/Messages.h"
#include "ui/pictures/PictureTexts.h"
#include "ui/shell/ShellDialogTexts.h"

namespace T = PictureTexts;

namespace {

constexpr int kPollMs = 50;
constexpr int kDefaultResolution = 150;
constexpr int kMinResolution = 50;
constexpr int kMaxResolution = 1200;
const char* const kModes[] = {"Color", "Gray", "Lineart"};

QPushButton* namedButton(QDialogButtonBox* box, const QString& caption, const char* name,
                         QDialogButtonBox::ButtonRole role)
{
    QPushButton* button = box->addButton(caption, role);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

SelectSourceDialog::SelectSourceDialog(QWidget* parent, bool searchNow)
    : QDialog(parent), m_list(new QListWidget), m_poll(new QTimer(this))
{
    setObjectName(QStringLiteral("SelectSourceForm"));
    setWindowTitle(T::sourceCaption());
    m_list->setObjectName(QStringLiteral("SourceList"));
    auto* label = new QLabel(T::sources());
    label->setBuddy(m_list);

    auto* buttons = new QDialogButtonBox(Qt::Vertical);
    m_select = namedButton(buttons, T::select(), "SelectBtn", QDialogButtonBox::AcceptRole);
    namedButton(buttons, ShellDialogTexts::cancel(), "CancelBtn", QDialogButtonBox::RejectRole);
    QPushButton* again = namedButton(buttons, T::refresh(), "RefreshBtn", QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &SelectSourceDialog::selectClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(again, &QPushButton::clicked, this, &SelectSourceDialog::search);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &SelectSourceDialog::selectClicked);
    connect(m_poll, &QTimer::timeout, this, &SelectSourceDialog::pollSearch);

    auto* column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(m_list);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(buttons);
    resize(420, 220);
    if (searchNow)
        search();
}

void SelectSourceDialog::search()
{
    m_list->clear();
    m_list->addItem(T::searching());
    m_list->setEnabled(false);
    m_select->setEnabled(false);
    m_job = ScannerSource::startSearch();
    m_poll->start(kPollMs);
}

void SelectSourceDialog::pollSearch()
{
    if (!m_job || !m_job->done.load())
        return;
    m_poll->stop();
    const ScannerSource::Search found = m_job->result;
    m_job.reset();
    ScannerSource::remember(found);
    showDevices(found);
}

void SelectSourceDialog::showDevices(const ScannerSource::Search& search)
{
    m_list->clear();
    for (const ScannerDevice& device : search.devices) {
        auto* item = new QListWidgetItem(device.label(), m_list);
        item->setData(Qt::UserRole, device.name);
    }
    if (search.devices.empty()) {
        m_list->addItem(search.error.isEmpty() ? T::noSources() : search.error);
        return;
    }
    m_list->setEnabled(true);
    m_list->setCurrentRow(ScannerSource::chosenIndex(search.devices));
    m_select->setEnabled(true);
}

void SelectSourceDialog::selectClicked()
{
    QListWidgetItem* item = m_list->currentItem();
    if (!item || item->data(Qt::UserRole).toString().isEmpty())
        return;
    ScannerSource::choose(item->data(Qt::UserRole).toString());
    accept();
}

ScanSettingsDialog::ScanSettingsDialog(QWidget* parent)
    : QDialog(parent), m_device(new QComboBox), m_mode(new QComboBox), m_resolution(new QSpinBox)
{
    setObjectName(QStringLiteral("ScanForm"));
    setWindowTitle(T::scanCaption());
    m_device->setObjectName(QStringLiteral("ScannerCombo"));
    const auto& devices = ScannerSource::knownDevices();
    for (const ScannerDevice& device : devices)
        m_device->addItem(device.label(), device.name);
    if (devices.empty() && !ScannerSource::chosen().isEmpty())
        m_device->addItem(ScannerSource::chosen(), ScannerSource::chosen());
    m_device->setCurrentIndex(std::max(0, ScannerSource::chosenIndex(devices)));
    m_mode->setObjectName(QStringLiteral("ModeCombo"));
    for (const char* mode : kModes)
        m_mode->addItem(QLatin1String(mode));
    m_resolution->setObjectName(QStringLiteral("ResolutionEdit"));
    m_resolution->setRange(kMinResolution, kMaxResolution);
    m_resolution->setValue(kDefaultResolution);

    auto* form = new QFormLayout;
    form->addRow(T::scanSource(), m_device);
    form->addRow(T::scanMode(), m_mode);
    form->addRow(T::scanResolution(), m_resolution);
    auto* buttons = new QDialogButtonBox;
    namedButton(buttons, T::scanButton(), "ScanBtn", QDialogButtonBox::AcceptRole)->setDefault(true);
    namedButton(buttons, ShellDialogTexts::cancel(), "CancelBtn", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

ScanRequest ScanSettingsDialog::request() const
{
    ScanRequest request;
    request.device = m_device->currentData().toString();
    request.mode = m_mode->currentText();
    request.resolution = m_resolution->value();
    return request;
}

std::optional<QImage> scanWithProgress(QWidget* parent, const ScanRequest& request)
{
    auto job = startBackgroundJob<ScanOutcome>([request](BackgroundJob<ScanOutcome>& self) {
        return Scanner::scan(request, self.cancel, [&self](int percent) { self.progress.store(percent); });
    });
    QProgressDialog progress(T::scanning(), ShellDialogTexts::cancel(), 0, 0, parent);
    progress.setObjectName(QStringLiteral("ScanProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (job->done.load()) {
            loop.quit();
            return;
        }
        const int percent = job->progress.load();
        progress.setMaximum(percent >= 0 ? 100 : 0);
        if (percent >= 0)
            progress.setValue(percent);
    });
    // Cancelling asks the scan to stop; the window waits for it to let go of the device.
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&] {
        job->cancel.store(true);
        progress.setLabelText(ShellDialogTexts::cancel() + QStringLiteral("..."));
    });
    poll.start(kPollMs);
    progress.show();
    loop.exec();
    const ScanOutcome& outcome = job->result;
    if (outcome.status == ScanOutcome::Status::Failed)
        Messages::error(outcome.error);
    if (outcome.status != ScanOutcome::Status::Done)
        return std::nullopt;
    return outcome.image;
}

std::optional<QImage> scanPicture(QWidget* parent)
{
    ScanSettingsDialog settings(parent);
    if (settings.exec() != QDialog::Accepted)
        return std::nullopt;
    return scanWithProgress(parent, settings.request());
}

void selectScannerSource(QWidget* parent)
{
    SelectSourceDialog dialog(parent);
    dialog.exec();
}
