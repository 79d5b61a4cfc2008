#pragma once

#include <QList>
#include <QString>

// The words of a PDF with their boxes, as pdftotext -bbox reads them back,
// in centimetres from the top-left corner of their page.
struct PdfWord {
    int page;  // from 1
    double xMinCm;
    double yMinCm;
    double xMaxCm;
    double yMaxCm;
    QString text;
};

struct PdfText {
    bool ok = false;
    QString error;
    int pages = 0;
    double pageWidthCm = 0;
    double pageHeightCm = 0;
    QList<PdfWord> words;

    // Words on `page` whose text is `text`.
    QList<PdfWord> find(const QString& text, int page = 0) const;
};

PdfText readPdfWords(const QString& pdfPath);
