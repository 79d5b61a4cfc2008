#pragma once

#include <QList>
#include <QString>

// The words of a PDF with their boxes, as pdftotext -bbox reads them back, in
// centimetres from the top-left corner of their page.
struct PdfWord {
    int page;  // from 1
    double xMinCm, yMinCm, xMaxCm, yMaxCm;
    QString text;
};

struct PdfText {
    bool ok = false;
    QString error;
    int pages = 0;
    double pageWidthCm = 0, pageHeightCm = 0;
    QList<PdfWord> words;

    QList<PdfWord> find(const QString& text) const;
    // How far the word `text`, once on `page`, stands from (xCm, yCm) by its
    // top-left corner; 100 when it is not there once.
    double distanceCm(const QString& text, int page, double xCm, double yCm) const;
};

PdfText readPdfWords(const QString& pdfPath);
