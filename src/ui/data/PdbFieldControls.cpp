#include "ui/data/PdbFieldControls.h"

#include "ui/data/DataDialogTexts.h"

namespace T = DataTexts;

std::vector<PdbFieldControl> pdbFieldControls(PdbKind kind)
{
    switch (kind) {
    case PdbKind::Names:
        return {
            {T::NameAddressTab, QStringLiteral("&First Name:"), QStringLiteral("FIRSTNAME")},
            {T::NameAddressTab, QStringLiteral("&Last Name:"), QStringLiteral("LASTNAME")},
            {T::NameAddressTab, QStringLiteral("&Company:"), QStringLiteral("COMPANY")},
            {T::NameAddressTab, QStringLiteral("&Title:"), QStringLiteral("TITLE")},
            {T::NameAddressTab, QStringLiteral("&Address:"), QStringLiteral("ADDRESS"), true},
            {T::NameAddressTab, QStringLiteral("C&ity:"), QStringLiteral("CITY")},
            {T::NameAddressTab, QStringLiteral("&State:"), QStringLiteral("STATE")},
            {T::NameAddressTab, QStringLiteral("&Zip:"), QStringLiteral("ZIP")},
            {T::NameAddressTab, QStringLiteral("C&ountry:"), QStringLiteral("COUNTRY")},
            {T::ContactTab, QStringLiteral("&Primary Phone:"), QStringLiteral("PHONE1")},
            {T::ContactTab, QStringLiteral("&Alternate Phone:"), QStringLiteral("PHONE2")},
            {T::ContactTab, QStringLiteral("&Mobile"), QStringLiteral("PHONE3")},
            {T::ContactTab, QStringLiteral("Pa&ger"), QStringLiteral("PHONE4")},
            {T::ContactTab, QStringLiteral("&Other Phone:"), QStringLiteral("PHONE5")},
            {T::ContactTab, QStringLiteral("&FAX:"), QStringLiteral("FAX")},
            {T::ContactTab, QStringLiteral("&Email 1:"), QStringLiteral("EMAIL1")},
            {T::ContactTab, QStringLiteral("Ema&il 2:"), QStringLiteral("EMAIL2")},
            {T::ContactTab, QStringLiteral("&Website:"), QStringLiteral("WEBSITE")},
            {T::AdditionalTab, QStringLiteral("User Field &1:"), QStringLiteral("USER1"), true},
            {T::AdditionalTab, QStringLiteral("User Field &2:"), QStringLiteral("USER2"), true},
            {T::AdditionalTab, QStringLiteral("User Field &3:"), QStringLiteral("USER3"), true},
            {T::AdditionalTab, QStringLiteral("User Field &4:"), QStringLiteral("USER4"), true},
        };
    case PdbKind::Media:
        return {
            {T::GeneralTab, QStringLiteral("&Title:"), QStringLiteral("TITLE")},
            {T::GeneralTab, QStringLiteral("Author:"), QStringLiteral("AUTHOR")},
            {T::GeneralTab, QStringLiteral("&Description"), QStringLiteral("DESCRIPTION")},
            {T::ContentsTab, QString(), QStringLiteral("CONTENTS"), true},
            {T::NotesTab, QString(), QStringLiteral("NOTES"), true},
        };
    case PdbKind::Texts:
        break;
    }
    return {{QString(), QString(), QStringLiteral("TEXT"), true}};
}

QString firstField(PdbKind kind)
{
    return pdbFieldControls(kind).front().field;
}
