#pragma once
// "Build Connection...": the parts of a connection for each provider we
// ship, with a "Test connection" that runs on a thread of its own and shows
// the driver's own error text.

#include <QDialog>
#include <memory>

#include "ui/data/ConnectionModel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QThread;

class ConnectionDialog : public QDialog {
    Q_OBJECT
public:
    ConnectionDialog(const QString& start, QWidget* parent = nullptr);
    ~ConnectionDialog() override;

    // Shows the dialog; the connection (tables filled) or empty when cancelled.
    static QString build(QWidget* parent, const QString& start, QStringList& tables);

    ConnectionParts parts() const;
    const ConnectionTestResult& lastResult() const { return m_result; }
    bool testing() const { return m_testing; }
    // Starts the test; OK (acceptWhenGood) accepts once it succeeds.
    void startTest(bool acceptWhenGood);

signals:
    void testFinished();

private:
    QLineEdit* addField(QWidget* page, const QString& caption, const char* name, const QString& value);
    void testDone();

    QComboBox* m_provider = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLineEdit* m_file = nullptr;
    QLineEdit* m_host = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_database = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_dsn = nullptr;
    QLineEdit* m_folder = nullptr;
    QLabel* m_resultLabel = nullptr;
    QPushButton* m_test = nullptr;
    QPushButton* m_ok = nullptr;
    std::unique_ptr<QThread> m_thread;
    ConnectionTestResult m_pending;  // written by the test thread, read once it finished
    ConnectionTestResult m_result;
    QString m_tested;
    bool m_testing = false;
    bool m_acceptWhenGood = false;
};
