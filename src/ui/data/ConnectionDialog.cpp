#include "ui/data/ConnectionDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QThread>

#include "ui/data/DataDialogTexts.h"

namespace T = DataTexts;

ConnectionDialog::ConnectionDialog(const QString& start, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ConnectionForm"));
    setWindowTitle(T::ConnectionTitle);
    const ConnectionParts parts = ConnectionParts::fromConnection(start);

    m_provider = new QComboBox;
    m_provider->setObjectName(QStringLiteral("ProviderCombo"));
    m_provider->addItems({T::ProviderSqlite, T::ProviderPostgres, T::ProviderOdbc, T::ProviderText});
    m_pages = new QStackedWidget;
    for (int i = 0; i < 4; ++i) {
        auto* page = new QWidget;
        new QFormLayout(page);
        m_pages->addWidget(page);
    }
    m_file = addField(m_pages->widget(0), T::DatabaseFile, "FileEdit", parts.file);
    m_host = addField(m_pages->widget(1), T::Host, "HostEdit", parts.host);
    m_port = addField(m_pages->widget(1), T::Port, "PortEdit", parts.port);
    m_database = addField(m_pages->widget(1), T::DatabaseName, "DatabaseEdit", parts.database);
    m_user = addField(m_pages->widget(1), T::User, "UserEdit", parts.user);
    m_password = addField(m_pages->widget(1), T::Password, "PasswordEdit", parts.password);
    m_password->setEchoMode(QLineEdit::Password);
    m_dsn = addField(m_pages->widget(2), T::Dsn, "DsnEdit", parts.dsn);
    m_folder = addField(m_pages->widget(3), T::TextFolder, "FolderEdit", parts.folder);
    connect(m_provider, &QComboBox::currentIndexChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_provider->setCurrentIndex(int(parts.provider));
    m_pages->setCurrentIndex(int(parts.provider));

    m_test = new QPushButton(T::TestConnection);
    m_test->setObjectName(QStringLiteral("TestBtn"));
    connect(m_test, &QPushButton::clicked, this, [this] { startTest(false); });
    m_resultLabel = new QLabel;
    m_resultLabel->setObjectName(QStringLiteral("TestResultLabel"));
    m_resultLabel->setWordWrap(true);
    m_resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { startTest(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(T::Provider, m_provider);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_pages);
    layout->addWidget(m_test, 0, Qt::AlignLeft);
    layout->addWidget(m_resultLabel);
    layout->addStretch();
    layout->addWidget(buttons);
    resize(460, 320);
}

// A test still running is waited for: its thread writes into this dialog.
ConnectionDialog::~ConnectionDialog()
{
    if (m_thread) {
        disconnect(m_thread.get(), nullptr, this, nullptr);
        m_thread->wait();
    }
}

QLineEdit* ConnectionDialog::addField(QWidget* page, const QString& caption, const char* name, const QString& value)
{
    auto* edit = new QLineEdit(value);
    edit->setObjectName(QLatin1String(name));
    static_cast<QFormLayout*>(page->layout())->addRow(caption, edit);
    return edit;
}

ConnectionParts ConnectionDialog::parts() const
{
    ConnectionParts parts;
    parts.provider = ConnectionProvider(m_provider->currentIndex());
    parts.file = m_file->text();
    parts.host = m_host->text();
    parts.port = m_port->text();
    parts.database = m_database->text();
    parts.user = m_user->text();
    parts.password = m_password->text();
    parts.dsn = m_dsn->text();
    parts.folder = m_folder->text();
    return parts;
}

void ConnectionDialog::startTest(bool acceptWhenGood)
{
    if (m_testing)
        return;
    m_acceptWhenGood = acceptWhenGood;
    m_tested = parts().connectionString();
    m_testing = true;
    m_test->setEnabled(false);
    m_ok->setEnabled(false);
    m_resultLabel->setText(T::Testing);
    if (m_thread)
        m_thread->wait();
    const QString connection = m_tested;
    m_thread.reset(QThread::create([this, connection] { m_pending = testConnection(connection); }));
    connect(m_thread.get(), &QThread::finished, this, &ConnectionDialog::testDone);
    m_thread->start();
}

void ConnectionDialog::testDone()
{
    m_testing = false;
    m_result = m_pending;
    m_test->setEnabled(true);
    m_ok->setEnabled(true);
    if (!m_result.ok)
        m_resultLabel->setText(T::testFailed(m_result.error));
    else if (m_result.tables.isEmpty())
        m_resultLabel->setText(T::NoTables);
    else
        m_resultLabel->setText(T::testSucceeded(int(m_result.tables.size())));
    emit testFinished();
    if (m_acceptWhenGood && m_result.ok)
        accept();
}

QString ConnectionDialog::build(QWidget* parent, const QString& start, QStringList& tables)
{
    ConnectionDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    tables = dialog.lastResult().tables;
    return dialog.m_tested;
}
