#pragma once
// The captions and texts of the printing windows: the print dialog, the
// preview and the export dialog.

#include <QString>
#include <QStringList>

namespace PrintingTexts {
// Print dialog
inline const QString PrintCaption = QStringLiteral("Print");
inline const QString StartPosition = QStringLiteral("&Start position on first page:");
inline const QString QuantityGroup = QStringLiteral("Quantity to Print");
inline const QString Elements = QStringLiteral("&Elements");
inline const QString Pages = QStringLiteral("&Pages");
inline const QString DatabaseGroup = QStringLiteral("Database");
inline const QString StartRecord = QStringLiteral("Start at &record:");
inline const QString CalcDbQty = QStringLiteral("Calc &DB Qty");
inline const QString CycleRecords = QStringLiteral("C&ycle Records");
inline const QString CropMarks = QStringLiteral("Print &Crop Marks");
inline const QString CornerMarks = QStringLiteral("Print C&orner Marks");
inline const QString HeaderFileName = QStringLiteral("Print Filename at &Top of Page");
inline const QString FooterFileName = QStringLiteral("Print Filename at &Bottom of Page");
inline const QString Side1 = QStringLiteral("Side &1");
inline const QString Side2 = QStringLiteral("Side &2");
inline const QString Flip = QStringLiteral("&Flip the paper the other way");
inline const QString PrinterSetup = QStringLiteral("Printer &Setup...");
inline const QString Calibrate = QStringLiteral("Calibrate...");
inline const QString PrinterLabel = QStringLiteral("Printer:");
inline const QString PdfFileTarget = QStringLiteral("PDF file");
inline const QString PdfFileFilter = QStringLiteral("PDF files (*.pdf)");
inline const QString ChooseFile = QStringLiteral("...");
inline const QString Ok = QStringLiteral("OK");
inline const QString Cancel = QStringLiteral("Cancel");
inline const QString NoPdfFile = QStringLiteral("Choose the PDF file to print to.");

// Progress of a running job
inline QString printingPage(int done, int total)
{
    return QStringLiteral("Printing page %1 of %2").arg(done).arg(total);
}
inline const QString Printing = QStringLiteral("Printing...");

// Preview window
inline const QString PreviewCaption = QStringLiteral("Preview Form");
inline const QString Grid = QStringLiteral("Grid");
inline const QString FitToPageButton = QStringLiteral("Fit To Page");
inline const QString FitToWidthButton = QStringLiteral("Fit To Width");
inline const QString PrintHint = QStringLiteral("Print...");
inline const QString FirstPage = QStringLiteral("First Page");
inline const QString PreviousPage = QStringLiteral("Previous Page");
inline const QString NextPage = QStringLiteral("Next Page");
inline const QString LastPage = QStringLiteral("Last Page");
inline const QString Close = QStringLiteral("&Close");
inline const QStringList ZoomItems = {
    QStringLiteral("Fit To Page"), QStringLiteral("Fit To Width"), QStringLiteral("Custom"),
    QStringLiteral("25%"),         QStringLiteral("50%"),          QStringLiteral("75%"),
    QStringLiteral("100%"),        QStringLiteral("125%"),         QStringLiteral("150%"),
    QStringLiteral("200%"),        QStringLiteral("300%"),         QStringLiteral("400%"),
};
inline const QString FromPage = QStringLiteral("&From page:");
inline const QString ToPage = QStringLiteral("&To page:");
inline const QString Copies = QStringLiteral("&Copies:");
inline QString pageRange(int count)
{
    return QStringLiteral("Please choose pages from 1 to %1, the first no later than the last.").arg(count);
}
inline QString pageOfPages(int page, int count) { return QStringLiteral("Page %1 of %2").arg(page).arg(count); }

// Save As Graphic
inline const QString SaveAsGraphicCaption = QStringLiteral("Save As Graphic");
inline const QString FilenameGroup = QStringLiteral("Filename");
inline const QString JpegOptions = QStringLiteral("JPEG Options");
inline const QString Quality = QStringLiteral("Quality:");
inline const QString Progressive = QStringLiteral("&Progressive");
inline const QString GraphicOk = QStringLiteral("&OK");
inline const QString GraphicCancel = QStringLiteral("&Cancel");
inline const QString ZoomNote = QStringLiteral(
    "The size and resolution of the graphics produced depends on the zoom factor chosen in the main window.  The "
    "larger the zoom factor the greater the detail saved and the larger the file.");
inline const QString PrintedNote = QStringLiteral(
    "If you having your card printed from the graphic, a zoom factor of at least 400% is recommended.  If you "
    "intend to email your card you can use a much lower zoom factor.");

// Save As Template
inline const QString SaveAsTemplateCaption = QStringLiteral("Save As Template");
inline const QString WizardType = QStringLiteral("Wizard Type");
inline const QString TemplateFilter = QStringLiteral("Templates (*.cct)");
} // namespace PrintingTexts
