#include "ui/printing/PrintRangeDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "print/PrintSettings.h"
#include "system/Messages.h"
#include "ui/printing/PrintingTexts.h"
#include "ui/shell/DialogParts.h"

namespace T = PrintingTexts;

PrintRangeDialog::PrintRangeDialog(int pageCount, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrintRangeDialog"));
    setWindowTitle(T::PrintCaption);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto spin = [this, form](const char* name, const QString& caption, int maximum, int value) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setRange(1, std::max(maximum, 1));
        box->setValue(value);
        form->addRow(caption, box);
        return box;
    };
    m_from = spin("FromEdit", T::FromPage, pageCount, 1);
    m_to = spin("ToEdit", T::ToPage, pageCount, pageCount);
    m_copies = spin("CopiesEdit", T::Copies, kMaxCopies, 1);
    layout->addLayout(form);
    layout->addWidget(okCancelButtons(this, [this] { tryAccept(); }));
}

int PrintRangeDialog::firstPage() const { return m_from->value(); }
int PrintRangeDialog::lastPage() const { return m_to->value(); }
int PrintRangeDialog::copies() const { return m_copies->value(); }

void PrintRangeDialog::tryAccept()
{
    if (firstPage() > lastPage()) {
        Messages::error(T::pageRange(m_to->maximum()));
        m_from->setFocus();
        return;
    }
    accept();
}
