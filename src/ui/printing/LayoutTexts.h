#pragma once
// The captions and texts of the layout chooser and the layout editor.

#include <QString>
#include <QStringList>

namespace LayoutTexts {
// Chooser
inline const QString ChooserCaption = QStringLiteral("Layouts");
inline const QString LayoutsGroup = QStringLiteral("&Layouts");
inline const QString NewButton = QStringLiteral("&New..");
inline const QString EditButton = QStringLiteral("&Edit..");
inline const QString DeleteButton = QStringLiteral("&Delete");
inline const QString OppositeOrientation = QStringLiteral("&Opposite Orientation");
inline const QString OppositeHint = QStringLiteral("Click here to switch between Portrait and Landscape orientation.");
inline const QString CutLine = QStringLiteral("= Cut Line");
inline const QString FoldLine = QStringLiteral("= Fold Line");
inline const QString PerSheet = QStringLiteral(" Per Sheet");
inline const QString Inches = QStringLiteral(" in");
inline const QString Millimetres = QStringLiteral(" mm");
inline const QString SizeSeparator = QStringLiteral(" x ");
inline const QString AskDelete = QStringLiteral("Delete the selected layout.\n\nAre your sure?");
inline const QString AskCancel =
    QStringLiteral("Cancelling will not save the layout changes you made.\n\nAre you sure you want to cancel?");

// The hidden template-file tools
inline const QString ConversionGroup = QStringLiteral("Conversion");
inline const QString ConvertToSelected = QStringLiteral("Convert To Selected Layout");
inline const QString ChangeLayoutName = QStringLiteral("Change Layout Name");
inline const QString ChangeSignature = QStringLiteral("Change Signature");
inline const QString TemplatesFilter = QStringLiteral("Templates (*.cct)");
inline const QString ErrorConverting = QStringLiteral("Error converting ");
inline const QString ErrorChangingName = QStringLiteral("Error changing name for ");
inline const QString ErrorChangingSignature = QStringLiteral("Error changing signature for ");
inline const QString ConversionComplete = QStringLiteral("Conversion Complete!");
inline const QString NameChangeComplete = QStringLiteral("Name Change Complete!");
inline const QString SignatureChangeComplete = QStringLiteral("Signature Change Complete!");
inline const QString EnterLayoutName = QStringLiteral("Enter a new layout name.");
inline const QString EnterSignature = QStringLiteral("Enter a new signature in HEX (0xAABBCCDD).");
inline const QString InvalidSignature = QStringLiteral("EXCEPTION: Invalid Signature");

// Editor
inline const QString EditorCaption = QStringLiteral("Layout");
inline const QString LayoutName = QStringLiteral("&Layout Name");
inline const QString StoredInMm = QStringLiteral("Values currently stored internally in mm units");
inline const QString StoredInInches = QStringLiteral("Values currently stored internally in inch units");
inline const QString Rows = QStringLiteral("&Rows:");
inline const QString Columns = QStringLiteral("&Columns:");
inline const QString Width = QStringLiteral("&Width:");
inline const QString Height = QStringLiteral("&Height");
inline const QString TopMargin = QStringLiteral("&Top Margin:");
inline const QString LeftMargin = QStringLiteral("&Left Margin:");
inline const QString ColumnSpace = QStringLiteral("Space between &columns:");
inline const QString RowSpace = QStringLiteral("Space between &rows:");
inline const QString PaperType = QStringLiteral("&Paper Type");
inline const QString PaperLength = QStringLiteral("Length:");
inline const QString PaperWidth = QStringLiteral("Width:");
inline const QString UnitsGroup = QStringLiteral("&Units");
inline const QString Inch = QStringLiteral("&inch");
inline const QString Mm = QStringLiteral("&mm");
inline const QString UnitsNote =
    QStringLiteral("To change units use the Metric Units checkbox under Options on the View menu.");
inline const QString RegionGroup = QStringLiteral("Region Type/Stock Type");
inline const QString BackPrintable = QStringLiteral("Back &Printable");
inline const QString DisplayOnly = QStringLiteral("(For display only - Cannot be changed)");
inline const QString InvalidSettings = QStringLiteral("Please enter valid layout settings before clicking OK.");
inline const QStringList StockTypes = {QStringLiteral("Normal"), QStringLiteral("CD-R Business Card - High"),
                                       QStringLiteral("CD-R Business Card - Wide"), QStringLiteral("Full Size CD")};
} // namespace LayoutTexts
