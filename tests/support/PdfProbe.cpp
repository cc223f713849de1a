#include "PdfProbe.h"

#include <QProcess>
#include <QRegularExpression>

std::optional<PdfWord> PdfText::find(const QString& text) const
{
    for (const PdfWord& w : words)
        if (w.text == text)
            return w;
    return std::nullopt;
}

std::vector<PdfWord> PdfText::findAll(const QString& text) const
{
    std::vector<PdfWord> found;
    for (const PdfWord& w : words)
        if (w.text == text)
            found.push_back(w);
    return found;
}

std::vector<PdfWord> PdfText::onPage(int page) const
{
    std::vector<PdfWord> found;
    for (const PdfWord& w : words)
        if (w.page == page)
            found.push_back(w);
    return found;
}

PdfText readPdfText(const QString& path)
{
    PdfText result;
    QProcess process;
    process.start("pdftotext", {"-bbox", path, "-"});
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return result;
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    auto it = tag.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            if (result.pageCount == 0) {
                result.pageWidth = m.captured(1).toDouble();
                result.pageHeight = m.captured(2).toDouble();
            }
            ++result.pageCount;
            continue;
        }
        PdfWord w;
        w.page = result.pageCount - 1;
        w.left = m.captured(3).toDouble();
        w.top = m.captured(4).toDouble();
        w.right = m.captured(5).toDouble();
        w.bottom = m.captured(6).toDouble();
        w.text = m.captured(7).replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"");
        result.words.push_back(w);
    }
    return result;
}
