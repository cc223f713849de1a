#pragma once
// Captions of the design wizard.

#include <QString>

namespace WizardTexts {

inline QString caption() { return QStringLiteral("Design Wizard"); }
inline QString next() { return QStringLiteral("&Next"); }
inline QString finish() { return QStringLiteral("&Finish"); }
inline QString back() { return QStringLiteral("< &Back"); }

inline QString optionTitle() { return QStringLiteral("STEP 1: Choose What to Do"); }
inline QString templateTitle() { return QStringLiteral("STEP 2: Choose a Template"); }
inline QString backgroundTitle() { return QStringLiteral("STEP 3: Select a Background"); }
inline QString addressTitle() { return QStringLiteral("STEP 4: Enter Address Information"); }
inline QString businessTitle() { return QStringLiteral("STEP 4: Enter Business Card Information"); }
inline QString greetingTitle() { return QStringLiteral("STEP 4: Enter Card Information"); }
inline QString mediaTitle() { return QStringLiteral("STEP 4: Enter Media Information"); }
inline QString finishTitle() { return QStringLiteral("Congratulations...  Your Design is Complete!"); }

inline QString whatToDo() { return QStringLiteral("What do you want to do?"); }
inline QString fromTemplate() { return QStringLiteral("&Create a Design from a Template"); }
inline QString fromScratch() { return QStringLiteral("&Pick a Layout and Create a Design from Scratch"); }
inline QString openFile() { return QStringLiteral("&Open an Existing File"); }
inline QString paper() { return QStringLiteral("Paper:"); }
inline QString standard() { return QStringLiteral("&Standard"); }
inline QString a4() { return QStringLiteral("&A4"); }

inline QString category() { return QStringLiteral("&Category:"); }
inline QString selectBackground() { return QStringLiteral("&Select  Background"); }
inline QString clearBackground() { return QStringLiteral("&Clear Background"); }

inline QString address() { return QStringLiteral("&Address:"); }
inline QString returnAddress() { return QStringLiteral("&Return Address:"); }
inline QString rememberReturnAddress() { return QStringLiteral("R&emember my return address"); }
inline QString pick() { return QStringLiteral("Pick..."); }

inline QString cardName() { return QStringLiteral("&Name:"); }
inline QString company() { return QStringLiteral("C&ompany:"); }
inline QString jobTitle() { return QStringLiteral("&Title:"); }
inline QString cardAddress() { return QStringLiteral("A&ddress:"); }
inline QString phone() { return QStringLiteral("&Phone:"); }
inline QString fax() { return QStringLiteral("&Fax:"); }
inline QString email() { return QStringLiteral("&E-mail:"); }
inline QString website() { return QStringLiteral("&Web site:"); }
inline QString cardPage() { return QStringLiteral("Card"); }
inline QString additionalPage() { return QStringLiteral("Additional Information"); }

inline QString toName() { return QStringLiteral("&To:"); }
inline QString fromName() { return QStringLiteral("&From:"); }
inline QString coverText() { return QStringLiteral("Co&ver text:"); }
inline QString insideText() { return QStringLiteral("&Inside text:"); }

inline QString mediaTitleBox() { return QStringLiteral("&Title:"); }
inline QString mediaAuthor() { return QStringLiteral("&Author:"); }
inline QString mediaDescription() { return QStringLiteral("&Description:"); }
inline QString mediaContents() { return QStringLiteral("&Contents:"); }
inline QString clear() { return QStringLiteral("&Clear"); }

inline QString finishText()
{
    return QStringLiteral("Your new design is ready. Press Finish to open it in a design window, where you can "
                          "move, change and add objects, then save and print it.\n\nThe preview shows one region "
                          "at a time; choose another below to look at it.");
}
inline QString regionToView() { return QStringLiteral("Select the region to view:"); }

} // namespace WizardTexts
