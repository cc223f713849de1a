#pragma once
// The texts of the property editor and the editing dialogs, character for
// character (their odd spellings included).

#include <QString>
#include <QStringList>

namespace EditingTexts {

// Pages
inline const QString GeneralPage = QStringLiteral("&General");
inline const QString TextPage = QStringLiteral("&Text");
inline const QString TextPropertiesPage = QStringLiteral("Text &Properties");
inline const QString ShapePage = QStringLiteral("&Shape");
inline const QString GraphicPage = QStringLiteral("&Graphic");

// General page
inline const QString SizeAndPosition = QStringLiteral("&Size and Position");
inline const QString LeftBox = QStringLiteral("&Left:");
inline const QString TopBox = QStringLiteral("&Top:");
inline const QString WidthBox = QStringLiteral("&Width:");
inline const QString HeightBox = QStringLiteral("&Height:");
inline const QString ExtendedStyle = QStringLiteral("Extended Style");
inline const QString NonPrinting = QStringLiteral("&Non-Printing");
inline const QString Locked = QStringLiteral("&Locked");

// Text page
inline const QString TextChoiceGroup = QStringLiteral("Choose how to display the text...");
inline const QString SingleText = QStringLiteral("Specify the &same text for all elements");
inline const QString PickText = QStringLiteral("&Pick Text");
inline const QString PickTextMissing = QStringLiteral("The personal databases are not available");
inline const QString Symbol = QStringLiteral("&Symbol");
inline const QString VarText = QStringLiteral("Specify a &list of text");
inline const QString EditList = QStringLiteral("&Edit...");
inline const QString EditListHint = QStringLiteral("Edit Text List");
inline const QString Counter = QStringLiteral("Use a &counter with a minimum of ");
inline const QString CounterDigits = QStringLiteral("digits, starting at");
inline const QString CounterInc = QStringLiteral("inc by");
inline const QString CounterLengthHint = QStringLiteral("Enter the Number of Digits for the Counter");
inline const QString CounterStartHint = QStringLiteral("Enter the Number to Start the Counter At");
inline const QString CounterIncHint = QStringLiteral("Enter the Number to Increment the Counter By");
inline const QString DBField = QStringLiteral("Use a field from a &database");
inline const QString DBFile = QStringLiteral("Database...");
inline const QString DBFileHint = QStringLiteral("Select a Database File");
inline const QString DBFieldHint = QStringLiteral("Select a Single Field");
inline const QString BuildField = QStringLiteral("...");
inline const QString BuildFieldHint = QStringLiteral("Construct a Complex Field");
inline const QString BuildFieldMissing = QStringLiteral("The Field Wizard is not available");
inline const QString AskLinkDatabase =
    QStringLiteral("There is currently no DB file linked to this design.\n\nWould you like to link one now?");
inline const QString AskEraseList = QStringLiteral(
    "Unchecking the Variable Text option will erase all variable text items.\n\nAre your sure?");

// Text Properties page
inline const QString FontBox = QStringLiteral("&Font:");
inline const QString FontButton = QStringLiteral("...");
inline const QString SizeBox = QStringLiteral("Si&ze:");
inline const QString Bold = QStringLiteral("&Bold");
inline const QString Italic = QStringLiteral("&Italic");
inline const QString Underline = QStringLiteral("&Underline");
inline const QString Strikeout = QStringLiteral("&Strikeout");
inline const QString TextColor = QStringLiteral("Text &Color:");
inline const QString ShadowColor = QStringLiteral("&Shadow Color:");
inline const QString Style = QStringLiteral("St&yle");
inline const QString Shadow = QStringLiteral("S&hadow");
inline const QString ShadowX = QStringLiteral("&X:");
inline const QString ShadowY = QStringLiteral("&Y:");
inline const QString Rotation = QStringLiteral("&Rotation:");
inline const QString Justification = QStringLiteral("&Justification");
inline const QString JustifyLeft = QStringLiteral("&Left");
inline const QString JustifyCenter = QStringLiteral("&Center");
inline const QString JustifyRight = QStringLiteral("&Right");

inline const QString TextWrap = QStringLiteral("Text (Wrap)");
inline const QString TextNoWrap = QStringLiteral("Text (No Wrap)");
inline const QString BarCode = QStringLiteral("Bar Code");
inline const QString ArcText = QStringLiteral("Arc Text");
inline const QString NoParameter = QStringLiteral("<<None>>");
inline const QString BarCodeTypeLabel = QStringLiteral("Type:");
inline const QString ShowTextLabel = QStringLiteral("Show Text:");
inline const QString BarWidthLabel = QStringLiteral("Bar Width:");
inline const QString No = QStringLiteral("No");
inline const QString Yes = QStringLiteral("Yes");
inline QStringList barCodeTypes()
{
    return {QStringLiteral("PostNet"), QStringLiteral("UPC A"), QStringLiteral("Code 39"), QStringLiteral("EAN-8"),
            QStringLiteral("EAN-13")};
}
inline const QString SubStyleLabel = QStringLiteral("Sub-Style:");
inline const QString StartDegreesLabel = QStringLiteral("Start Degrees");
inline QStringList arcSubStyles()
{
    return {QStringLiteral("Full Circle"), QStringLiteral("1/2 Cirlce"), QStringLiteral("1/4 Cirlce")};
}

// Shape page
inline const QString ShapeColor = QStringLiteral("&Color:");
inline const QString ShapeBackground = QStringLiteral("&Background:");
inline const QString LineSize = QStringLiteral("&Line Size:");
inline const QString LineType = QStringLiteral("Line &Type");
inline QStringList lineTypes()
{
    return {QStringLiteral("&Horizontal ( - )"), QStringLiteral("&Vertical ( | )"),
            QStringLiteral("Slanted &Up ( / )"), QStringLiteral("Slanted &Down ( \\ )")};
}
inline const QString ShapeStyle = QStringLiteral("&Style");
inline QStringList shapeStyles() { return {QStringLiteral("&Normal"), QStringLiteral("&Filled"), QStringLiteral("&Shadow")}; }

// Graphic page
inline const QString GraphicProperties = QStringLiteral("Properties");
inline const QString ActualSizeCaption = QStringLiteral("Actual Size (pixels):");
inline const QString GraphicTypeCaption = QStringLiteral("Graphic Type:");
inline const QString ColorDepthCaption = QStringLiteral("Color Depth:");
inline const QString StoredSizeCaption = QStringLiteral("Size:");
inline const QString PictureButton = QStringLiteral("&Picture...");
inline const QString AspectWidthHint = QStringLiteral("Correct Aspect Ratio Based on Width");
inline const QString AspectHeightHint = QStringLiteral("Correct Aspect Ratio Based on Height");
inline const QString ActualSizeHint = QStringLiteral("Actual Size");
inline const QString BitmapType = QStringLiteral("Bitmap (BMP)");
inline const QString JpegType = QStringLiteral("JPEG Image (JPG)");
inline const QString EmfType = QStringLiteral("Enhanced Metafile (EMF)");
inline const QString WmfType = QStringLiteral("Windows Metafile (WMF)");
inline const QString CustomDepth = QStringLiteral("Custom Color Depth");
inline const QString UnknownSize = QStringLiteral("Unknown");
inline const QString Bytes = QStringLiteral(" bytes");

// Colour lists
inline const QString OtherColor = QStringLiteral("Other...");

// Variable Text dialog
inline const QString VarTextCaption = QStringLiteral("Variable Text");
inline const QString VarTextNote = QStringLiteral(
    "Variable text allows you to specify diffferent text for each element printed.  When you specify variable text "
    "be sure to add text for every element you want to print.");
inline const QString VarTextListGroup = QStringLiteral("Variable Text List");
inline const QString VarTextTextGroup = QStringLiteral("Text");
inline const QString Add = QStringLiteral("&Add");
inline const QString Remove = QStringLiteral("&Remove");

// Symbol picker
inline const QString SymbolCaption = QStringLiteral("Choose Symbol");
inline const QString SymbolLabel = QStringLiteral("Symbol:");
inline const QString SymbolFontLabel = QStringLiteral("Font:");
inline const QString SymbolNote = QStringLiteral(
    "NOTE: A symbol is a sngle character from special fonts which are designed to be used as symbols.  The "
    "available symbol fonts depends on what is installed on your system.");

// Alignment dialog
inline const QString AlignmentCaption = QStringLiteral("Alignment");
inline const QString Horizontal = QStringLiteral("Horizontal");
inline const QString Vertical = QStringLiteral("Vertical");
inline const QString Group = QStringLiteral("Group");
inline QStringList horizontalItems()
{
    return {QStringLiteral("&No Change"), QStringLiteral("&Left"), QStringLiteral("&Center"), QStringLiteral("&Right")};
}
inline QStringList horizontalGroupItems()
{
    return {QStringLiteral("&No Change"), QStringLiteral("&Left Sides"), QStringLiteral("&Centers"),
            QStringLiteral("&Right Sides"), QStringLiteral("&Space Equally")};
}
inline QStringList verticalItems()
{
    return {QStringLiteral("&No Change"), QStringLiteral("&Top"), QStringLiteral("&Center"), QStringLiteral("&Bottom")};
}
inline QStringList verticalGroupItems()
{
    return {QStringLiteral("&No Change"), QStringLiteral("&Tops"), QStringLiteral("&Centers"),
            QStringLiteral("&Bottoms"), QStringLiteral("&Space Equally")};
}

// Margins dialog
inline const QString MarginsCaption = QStringLiteral("Margins");
inline const QString Units = QStringLiteral("Units");
inline const QString Inch = QStringLiteral("&inch");
inline const QString Millimetre = QStringLiteral("&mm");
inline const QString MarginLeft = QStringLiteral("&Left:");
inline const QString MarginRight = QStringLiteral("&Right:");
inline const QString MarginTop = QStringLiteral("&Top:");
inline const QString MarginBottom = QStringLiteral("&Bottom:");
inline const QString UnitsNote = QStringLiteral("To change units use the Metric Units checkbox under Options on the View menu.");
inline const QString MarginsNote = QStringLiteral(
    "NOTE: Margin settings are used only for on-screen alignment of objects and to define the area that a background "
    "image fills.  They have nothing to do with the layout of the printed page.");
inline const QString InvalidMargins = QStringLiteral("Please enter valid margin settings before clicking OK.");

// Background dialog
inline const QString BackgroundCaption = QStringLiteral("Background");
inline const QString BackgroundPicture = QStringLiteral("&Picture...");
inline const QString BackgroundClear = QStringLiteral("C&lear");
inline const QString NoBackground = QStringLiteral("(none)");

} // namespace EditingTexts
