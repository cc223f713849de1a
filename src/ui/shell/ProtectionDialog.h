#pragma once
// Asks for a design's protection password.

#include <QDialog>
#include <optional>

class QLineEdit;

class ProtectionDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxPasswordLength = 8;

    explicit ProtectionDialog(QWidget* parent = nullptr);

    QString password() const;
    void setPassword(const QString& text);

signals:
    void helpRequested();

private:
    QLineEdit* m_password;
};

// Shows the dialog; the typed password after OK, nullopt after Cancel.
std::optional<QString> askProtectionPassword(QWidget* parent);

// A dialog with the given text typed, not yet shown (window gallery).
ProtectionDialog* newProtectionDialog(const QString& typed = QString(), QWidget* parent = nullptr);
