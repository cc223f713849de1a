#pragma once
// Fills the placeholders of a template's live region with the personal values
// the design wizard collected: whole-entry tokens (NAME, ADDRESS, …),
// user-field codes "{-USER3=Birthday-}" and the postal-code sample "11111".

#include <QString>
#include <array>
#include <cstdint>


class ObjectManager;

namespace PersonalField {
// Indexes into PersonalMergeValues::fieldValues, in token order.
enum : int {
    Name, FromName, Company, title, Address, ReturnAddress, Phone, Fax, Email, Website, CoverText, InsideText,
    MediaTitle, MediaAuthor, MediaDescription, MediaContents, User1, User2, User3, User4, User5, User6, User7, User8
};
constexpr int kValueCount = 24;
constexpr int kFlaggedCount = 16;
constexpr int kUserCount = 8;
}

// The part of the wizard's record the merge reads and writes.
struct PersonalMergeValues {
    std::array<QString, PersonalField::kValueCount> fieldValues;
    std::array<uint8_t, PersonalField::kFlaggedCount> fieldFound{};  // set by the merge
    std::array<QString, PersonalField::kUserCount> userLabels;      // set by the merge

    void clearFound()
    {
        fieldFound.fill(0);
        userLabels.fill(QString());
    }
};

// The token text of a value index ("NAME" … "USER8").
QString personalToken(int index);

// Merges into every text object of the manager's live region.
void mergePersonalData(ObjectManager& manager, PersonalMergeValues& values);

// Merges into every region of a design just read (region 0 live): the front
// and back of a flat design, all three panels of a folded one, each made
// live in turn; ends with region 0 live. False when a region could not be
// switched to.
bool mergePersonalDataIntoRegions(ObjectManager& manager, uint8_t foldType, PersonalMergeValues& values);

// The postal code of an address: for a field code the field named ZIP… or
// POST… as a field code; for literal text the first run of exactly 5 or 9
// digits. Empty when there is none.
QString postalCodeFromAddress(const QString& address);
