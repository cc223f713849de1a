#pragma once
// Designs built in code, a stand-in object drawer that writes each text
// object's entry with the element's numbers, and printing them to a PDF that
// is read back with pdftotext.

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "LayoutFixtures.h"
#include "PdfProbe.h"
#include "model/LayoutRecord.h"
#include "model/DesignEditor.h"
#include "model/DesignObject.h"
#include "print/PrintJob.h"

// A design held the way a design window holds it, with its first region live.
struct TestDesign {
    DesignEditor editor;
    LayoutRecord layout;

    explicit TestDesign(const LayoutRecord& l, int32_t zoom = 100) : layout(l)
    {
        editor.zoom = zoom;
        int32_t w = 0, h = 0;
        layout.regionSize(&w, &h);
        editor.card().setRegionSize(w, h);
        editor.showRegion({0, 0});
    }

    void goTo(int side, int panel) { editor.showRegion({side, panel}); }

    // A text object at (x, y) design units on the live region; "#n" and "#r"
    // in the entry stand for the element's numbers when printed.
    DesignObject* addText(const QString& entry, int x = 10, int y = 10, bool nonPrinting = false)
    {
        DesignObject* c = editor.manager().createText(0, 0);
        c->setBounds(x, y, 150, 30);
        c->lines = QStringList{entry};
        if (nonPrinting)
            c->flags |= ObjectFlags::NonPrinting;
        return c;
    }

    PrintDesign printDesign()
    {
        PrintDesign d;
        d.manager = &editor.manager();
        d.layout = layout;
        d.caption = "test.lpd";
        return d;
    }
};

// Writes each text object's first entry at the object's top-left, 12
// hundredths of an inch high, with "#n" and "#r" replaced.
inline ObjectDrawing numberWritingDrawing()
{
    ObjectDrawing d;
    d.object = [](QPainter& p, const DesignObject& c, const ElementNumbers& e) {
        QString text = c.lines.value(0);
        text.replace("#n", QString::number(e.n)).replace("#r", QString::number(e.r));
        QFont font("Liberation Sans");
        font.setPixelSize(12);
        p.setFont(font);
        p.drawText(QRect(c.left, c.top, c.width, c.height), Qt::AlignLeft | Qt::AlignTop, text);
    };
    d.picture = [](QPainter& p, const Picture&, const QRect& r) { p.fillRect(r, Qt::gray); };
    return d;
}

struct PrintedPdf {
    PrintJobResult result;
    PdfText text;
    QString path;
};

inline PrintedPdf printToPdf(TestDesign& design, const PrintSettings& settings, const QString& folder,
                             const ObjectDrawing& drawing = numberWritingDrawing())
{
    PrintedPdf out;
    out.path = folder + "/out.pdf";
    {
        QPdfWriter writer(out.path);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        PrintDesign d = design.printDesign();
        out.result = runPrintJob(d, writer, settings, drawing);
    }
    out.text = readPdfText(out.path);
    return out;
}

// The 1-based cell (row by row) a word at the object offset (10, 10) lies in.
inline int cellOfWord(const PdfWord& w, const LayoutRecord& l, int panelOffsetX = 0, int panelOffsetY = 0)
{
    const double x = w.left / 72 * 100 - l.leftMargin - 10 - panelOffsetX;
    const double y = w.top / 72 * 100 - l.topMargin - 10 - panelOffsetY;
    const int column = int(std::floor((x + 5) / (l.elementWidth + l.columnSpace)));
    const int row = int(std::floor((y + 5) / (l.elementHeight + l.rowSpace)));
    return row * l.columns + column + 1;
}
