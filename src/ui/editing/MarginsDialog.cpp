#include "ui/editing/MarginsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "system/Messages.h"
#include "ui/editing/EditingTexts.h"
#include "ui/shell/DialogParts.h"

namespace T = EditingTexts;

MarginsDialog::MarginsDialog(const MarginValues& margins, bool metric, QWidget* parent)
    : QDialog(parent), m_form(margins, metric)
{
    setObjectName(QStringLiteral("MarginForm"));
    setWindowTitle(T::MarginsCaption);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* fields = new QFormLayout;
    const std::pair<const char*, QString> names[] = {
        {"LeftEdit", T::MarginLeft}, {"RightEdit", T::MarginRight}, {"TopEdit", T::MarginTop}, {"BottomEdit", T::MarginBottom}};
    for (int i = 0; i < 4; ++i) {
        m_edits[i] = new QLineEdit(m_form.text(MarginsForm::Field(i)), this);
        m_edits[i]->setObjectName(QLatin1String(names[i].first));
        auto* label = new QLabel(names[i].second, this);
        label->setBuddy(m_edits[i]);
        fields->addRow(label, m_edits[i]);
    }
    top->addLayout(fields);

    auto* units = new QGroupBox(T::Units, this);
    units->setObjectName(QStringLiteral("UnitsRadioGroup"));
    auto* unitsLayout = new QVBoxLayout(units);
    auto* inch = new QRadioButton(T::Inch, units);
    auto* mm = new QRadioButton(T::Millimetre, units);
    inch->setChecked(!metric);
    mm->setChecked(metric);
    unitsLayout->addWidget(inch);
    unitsLayout->addWidget(mm);
    units->setEnabled(false);
    top->addWidget(units);
    layout->addLayout(top);

    for (const QString& text : {T::UnitsNote, T::MarginsNote}) {
        auto* note = new QLabel(text, this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    layout->addWidget(okCancelHelpButtons(this));
    setMinimumWidth(420);
}

void MarginsDialog::accept()
{
    std::array<QString, 4> texts;
    for (int i = 0; i < 4; ++i)
        texts[size_t(i)] = m_edits[i]->text();
    if (!m_form.accept(texts)) {
        Messages::error(T::InvalidMargins);
        return;
    }
    QDialog::accept();
}
