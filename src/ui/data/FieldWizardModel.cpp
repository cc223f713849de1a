#include "ui/data/FieldWizardModel.h"

#include "merge/DataReader.h"
#include "ui/data/DataDialogTexts.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

FieldWizardModel::FieldWizardModel(const QString& linkPath, QString startSpec) : spec(std::move(startSpec))
{
    if (linkPath.isEmpty())
        return;
    DataReader reader;
    reader.open(linkPath, &m_fields);
}

bool FieldWizardModel::next()
{
    if (m_construction)
        return nextEnabled();
    m_construction = true;
    return false;
}

QString FieldWizardModel::nextCaption() const
{
    return m_construction ? DataTexts::Finish : DataTexts::Next;
}

bool FieldWizardModel::endsOpen() const
{
    return !spec.isEmpty() && !spec.endsWith(kCrLf);
}

void FieldWizardModel::join()
{
    if (endsOpen())
        spec += '+';
}

void FieldWizardModel::addField()
{
    if (!addFieldEnabled())
        return;
    join();
    spec += chosenField;
    chosenField.clear();
}

void FieldWizardModel::addText()
{
    if (!addTextEnabled())
        return;
    join();
    spec += otherText;
    otherText.clear();
}

void FieldWizardModel::addSpace()
{
    spec += endsOpen() ? QStringLiteral("+ ") : QStringLiteral(" ");
}

void FieldWizardModel::addNewLine()
{
    spec += '+' + kCrLf;
}

void FieldWizardModel::standardAddress()
{
    spec = DataTexts::StandardAddress;
}
