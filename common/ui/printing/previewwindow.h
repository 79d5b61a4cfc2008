#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

#include "common/paint/pagerecording.h"

class QLabel;
class QPushButton;
class QScrollArea;

// The preview picture (Picture1): one page of a job, drawn at the window's
// zoom, with the outlines of a stock's labels in a colour that does not
// print.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // `page` of `pages`, at `dotsPerCm`; `page` past the last shows white.
    void show(const PageRecording& pages, int page, const std::vector<QRectF>& outlinesCm,
              const std::optional<QRectF>& printableCm,
              double dotsPerCm);
    const QImage& image() const { return m_image; }
    double dpi() const { return m_dotsPerCm * 2.54; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    double m_dotsPerCm = 1;
};

// The preview window shared by both programs (Form1): the page on view, as
// a whole, zoomed in and out; which page of how many; the pages before and
// after once the questions between them are answered; "Imprimir" and
// "Regresar". Closing it discards the drawing.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* mainWindow);

    // The pages of a job, the first on view; on a stock, its labels'
    // outlines (cm, from the page's corner).
    void setPages(std::unique_ptr<PageRecording> pages, std::vector<QRectF> outlinesCm,
                  std::optional<QRectF> printableCm = {});
    // The page on view, from 0; the page count: a clean picture, as after
    // answering Yes after the last page.
    void showPage(int page);
    // The questions are over: the buttons move between all the pages.
    void allowBrowsing();
    // Where the page stands on the screen, for the questions to keep clear.
    QRect pageOnScreen() const;

    PictureBox* picture() { return m_picture; }

signals:
    void printAsked();  // cmdImprimir

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildButtons();
    void goBackToMainWindow();  // mnuRegresar: shows the main window, then closes
    void zoomBy(double factor);
    void fitPage();
    void redraw();
    double fitting() const;  // the zoom at which the whole page fits

    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<PageRecording> m_pages;
    std::vector<QRectF> m_outlines;
    std::optional<QRectF> m_printable;  // what the printer reaches of the page
    int m_page = 0;
    double m_dotsPerCm = 0;  // 0: the whole page fits
    bool m_browsing = false;
    QScrollArea* m_scroll;
    PictureBox* m_picture;
    QLabel* m_pageCaption;  // lblHoja
    QPushButton* m_previous;
    QPushButton* m_next;
};
