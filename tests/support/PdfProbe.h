#pragma once
// Reads back what a PDF says where: the words and their boxes from
// `pdftotext -bbox`, in points from each page's top-left.

#include <QString>
#include <optional>
#include <vector>

struct PdfWord {
    int page = 0;  // 0-based
    double left = 0, top = 0, right = 0, bottom = 0;
    QString text;
};

struct PdfText {
    int pageCount = 0;
    double pageWidth = 0, pageHeight = 0;  // of the first page
    std::vector<PdfWord> words;

    std::optional<PdfWord> find(const QString& text) const;
    std::vector<PdfWord> findAll(const QString& text) const;
    std::vector<PdfWord> onPage(int page) const;
};

// Empty (pageCount 0) when the file cannot be read.
PdfText readPdfText(const QString& path);
