#include "merge/PersonalMerge.h"

#include "merge/VariableText.h"
#include "model/Card.h"
#include "model/Folds.h"
#include "model/DesignObject.h"
#include "model/ObjectManager.h"

namespace {

constexpr const char* kTokens[PersonalField::kValueCount] = {
    "NAME",       "FROMNAME",   "COMPANY",    "TITLE",       "ADDRESS",          "RETURN ADDRESS",
    "PHONE",      "FAX",        "EMAIL",      "WEBSITE",     "COVERTEXT",        "INSIDETEXT",
    "MEDIATITLE", "MEDIAAUTHOR", "MEDIADESCRIPTION", "MEDIACONTENTS", "USER1", "USER2",
    "USER3",      "USER4",      "USER5",      "USER6",       "USER7",            "USER8"};
const QString kPostalSample = QStringLiteral("11111");

void replaceWith(DesignObject& data, const QString& value)
{
    if (!value.isEmpty())
        data.lines = QStringList{value};
}

// 1..8 when c is such a digit, else 0.
int userDigit(QChar c)
{
    return c >= '1' && c <= '8' ? c.digitValue() : 0;
}

bool mergeToken(DesignObject& data, const QString& entry, PersonalMergeValues& values)
{
    for (int i = 0; i < PersonalField::kFlaggedCount; ++i) {
        if (entry == QLatin1String(kTokens[i])) {
            values.fieldFound[size_t(i)] = 1;
            replaceWith(data, values.fieldValues[size_t(i)]);
            return true;
        }
    }
    return false;
}

bool mergeUserToken(DesignObject& data, const QString& entry, PersonalMergeValues& values)
{
    if (entry.size() != 5 || !entry.startsWith(QLatin1String("USER")) || !userDigit(entry[4]))
        return false;
    const int d = userDigit(entry[4]);
    values.userLabels[size_t(d - 1)] = entry;
    replaceWith(data, values.fieldValues[size_t(PersonalField::User1 + d - 1)]);
    return true;
}

bool mergeUserCode(DesignObject& data, const QString& entry, PersonalMergeValues& values)
{
    if (!entry.startsWith(QLatin1String("{-USER")) || !entry.endsWith(QLatin1String("-}")) || entry.size() < 9)
        return false;
    const int d = userDigit(entry[6]);
    if (!d)
        return true;  // some other code: nothing to do
    const bool labelled = entry[7] == '=';
    values.userLabels[size_t(d - 1)] =
        labelled ? entry.mid(8, entry.size() - 10) : QStringLiteral("USER") + QString::number(d);
    replaceWith(data, values.fieldValues[size_t(PersonalField::User1 + d - 1)]);
    return true;
}

QString postalFieldCode(const QString& address)
{
    // Searched without changing the text's length (upper-casing "ß" adds a
    // letter), so the match's position is a position in the address itself.
    qsizetype at = address.indexOf(QLatin1String("ZIP"), 0, Qt::CaseInsensitive);
    if (at < 0)
        at = address.indexOf(QLatin1String("POST"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return QString();
    QString name;
    for (qsizetype i = at; i < address.size() && address[i] != '+' && address[i] != '-'; ++i)
        name += address[i];
    return name.isEmpty() ? QString() : VariableText::composeFieldCode(name);
}

QString postalDigits(const QString& address)
{
    const auto isJoiner = [](QChar c) { return c == '-' || c == '+' || c == '/' || c == '_'; };
    qsizetype i = 0;
    while (i < address.size()) {
        if (!address[i].isDigit() || address[i].unicode() > 0x7F) {
            ++i;
            continue;
        }
        QString digits;
        while (i < address.size() && ((address[i].isDigit() && address[i].unicode() <= 0x7F) || isJoiner(address[i]))) {
            if (address[i].isDigit())
                digits += address[i];
            ++i;
        }
        if (digits.size() == 5 || digits.size() == 9)
            return digits;
    }
    return QString();
}

} // namespace

QString personalToken(int index)
{
    return index >= 0 && index < PersonalField::kValueCount ? QString::fromLatin1(kTokens[index]) : QString();
}

QString postalCodeFromAddress(const QString& address)
{
    return VariableText::isCode(address) ? postalFieldCode(address) : postalDigits(address);
}

void mergePersonalData(ObjectManager& manager, PersonalMergeValues& values)
{
    for (const auto& object : manager.card().objects()) {
        DesignObject* data = object.get();
        if (!data->isText() || data->lines.size() != 1)
            continue;
        const QString entry = data->lines.first();
        if (mergeToken(*data, entry, values) || mergeUserToken(*data, entry, values) ||
            mergeUserCode(*data, entry, values))
            continue;
        const QString& address = values.fieldValues[PersonalField::Address];
        if (entry == kPostalSample && address.size() > 3) {
            const QString code = postalCodeFromAddress(address);
            if (!code.isEmpty())
                data->lines = QStringList{code};
        }
    }
}

bool mergePersonalDataIntoRegions(ObjectManager& manager, uint8_t foldType, PersonalMergeValues& values)
{
    const int regions = int(regionCaptions(foldType).size());
    int32_t firstSide = 0, firstPanel = 0;
    if (regions == 0 || !regionSlotFor(foldType, 0, &firstSide, &firstPanel))
        return false;
    mergePersonalData(manager, values);
    for (int region = 1; region < regions; ++region) {
        int32_t side = 0, panel = 0;
        regionSlotFor(foldType, region, &side, &panel);
        if (!manager.showRegion({side, panel}))
            return false;
        mergePersonalData(manager, values);
    }
    return manager.showRegion({firstSide, firstPanel});
}
