#include "ui/shell/ProtectionDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QVBoxLayout>

#include "ui/shell/DialogParts.h"
#include "ui/shell/ShellDialogTexts.h"

namespace T = ShellDialogTexts;

namespace {

// The password box shows "*" for each character, whatever the platform style draws.
class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

ProtectionDialog::ProtectionDialog(QWidget* parent) : QDialog(parent), m_password(new QLineEdit)
{
    setObjectName(QStringLiteral("ProtectionForm"));
    setWindowTitle(T::protectionCaption());

    auto* text = new QLabel(T::protectionText());
    text->setObjectName(QStringLiteral("ProtectionText"));
    text->setWordWrap(true);

    auto* label = new QLabel(T::password());
    label->setObjectName(QStringLiteral("PasswordLabel"));
    m_password->setObjectName(QStringLiteral("PasswordEdit"));
    m_password->setEchoMode(QLineEdit::Password);
    auto* style = new StarPasswordStyle;
    style->setParent(m_password);
    m_password->setStyle(style);
    m_password->setMaxLength(kMaxPasswordLength);
    label->setBuddy(m_password);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_password, 1);

    QDialogButtonBox* buttons = okCancelHelpButtons(this);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &ProtectionDialog::helpRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(row);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addWidget(buttons);
    // Wide enough for the explanation to take three short lines, not five.
    text->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    m_password->setFocus();
}

QString ProtectionDialog::password() const { return m_password->text(); }

void ProtectionDialog::setPassword(const QString& text) { m_password->setText(text); }

std::optional<QString> askProtectionPassword(QWidget* parent)
{
    ProtectionDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password();
}

ProtectionDialog* newProtectionDialog(const QString& typed, QWidget* parent)
{
    auto* dialog = new ProtectionDialog(parent);
    dialog->setPassword(typed);
    return dialog;
}
