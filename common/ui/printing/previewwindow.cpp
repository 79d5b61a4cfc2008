#include "common/ui/printing/previewwindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ui/frame/twips.h"

namespace {

// The outlines of a stock's labels: light, and only on screen.
const QColor kOutline(0x9C, 0xC3, 0xE6);
const QColor kUnprintable(0xE0, 0x60, 0x60, 0x50);
constexpr double kZoomStep = 1.25;
constexpr double kMinDotsPerCm = 4, kMaxDotsPerCm = 160;

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(tr("Hoja en pantalla"));
}

void PictureBox::show(const PageRecording& pages, int page, const std::vector<QRectF>& outlinesCm,
                      const std::optional<QRectF>& printableCm, double dotsPerCm) {
    m_dotsPerCm = dotsPerCm;
    const QSize size(int(std::lround(pages.widthCm() * dotsPerCm)),
                     int(std::lround(pages.heightCm() * dotsPerCm)));
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dotsPerCm * 100));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    m_image = pages.paint(page, std::move(image));
    QPainter painter(&m_image);
    painter.setPen(QPen(kOutline, 1, Qt::DashLine));
    for (const QRectF& label : outlinesCm) {
        painter.drawRect(QRectF(label.topLeft() * dotsPerCm, label.size() * dotsPerCm));
    }
    // The band the printer does not reach, shaded: what lies there is cut.
    if (printableCm) {
        QPainterPath band;
        band.addRect(QRectF(QPointF(0, 0), QSizeF(size)));
        QPainterPath printable;
        printable.addRect(QRectF(printableCm->topLeft() * dotsPerCm, printableCm->size() * dotsPerCm));
        painter.fillPath(band.subtracted(printable), kUnprintable);
    }
    setFixedSize(size);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

PreviewWindow::PreviewWindow(QWidget* mainWindow)
    : QMainWindow(nullptr), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString());

    auto* menu = menuBar()->addMenu(tr("&Menú"));
    menu->setObjectName(QStringLiteral("mnuMenu"));
    QAction* regresarAction = menu->addAction(tr("&Regresar"));
    regresarAction->setObjectName(QStringLiteral("mnuRegresar"));
    regresarAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(regresarAction, &QAction::triggered, this, &PreviewWindow::goBackToMainWindow);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    m_scroll = new QScrollArea(client);
    m_scroll->setObjectName(QStringLiteral("scrollPicture1"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_picture = new PictureBox;
    m_scroll->setWidget(m_picture);
    auto* layout = new QHBoxLayout(client);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(buildButtons());

    // A page as tall as most of the screen; the window as wide as it needs.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(screen.width() - 40, int(screen.height() * 0.85 * 0.8) + 220),
           int(screen.height() * 0.85));
}

QWidget* PreviewWindow::buildButtons() {
    auto* column = new QWidget(this);
    auto* buttons = new QVBoxLayout(column);
    m_pageCaption = new QLabel(column);
    m_pageCaption->setObjectName(QStringLiteral("lblHoja"));
    m_pageCaption->setFont(uiFont(QStringLiteral("Arial Narrow"), 11, true));
    buttons->addWidget(m_pageCaption);
    auto button = [&](const char* name, const QString& caption, QKeySequence key, auto command) {
        auto* b = new QPushButton(caption, column);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, command);
        if (!key.isEmpty()) connect(new QShortcut(key, this), &QShortcut::activated, b, &QPushButton::click);
        buttons->addWidget(b);
        return b;
    };
    m_previous = button("cmdAnterior", tr("&Anterior"), QKeySequence(Qt::Key_PageUp),
                        [this] { showPage(m_page - 1); });
    m_next = button("cmdSiguiente", tr("&Siguiente"), QKeySequence(Qt::Key_PageDown),
                    [this] { showPage(m_page + 1); });
    buttons->addSpacing(12);
    button("cmdAmpliar", tr("A&mpliar"), QKeySequence::ZoomIn, [this] { zoomBy(kZoomStep); });
    button("cmdReducir", tr("Re&ducir"), QKeySequence::ZoomOut, [this] { zoomBy(1 / kZoomStep); });
    button("cmdAjustar", tr("Hoja &entera"), {}, [this] { fitPage(); });
    buttons->addStretch();
    button("cmdImprimir", tr("&Imprimir"), QKeySequence(Qt::CTRL | Qt::Key_P),
           [this] { emit printAsked(); });
    QPushButton* regresar = button("cmdRegresar", tr("&Regresar"), {}, [this] { close(); });
    regresar->setFont(uiFont(QStringLiteral("Arial Narrow"), 9.75, true));
    regresar->setMinimumHeight(twips::toPixels(this, 855));
    m_previous->setEnabled(false);
    m_next->setEnabled(false);
    return column;
}

void PreviewWindow::setPages(std::unique_ptr<PageRecording> pages, std::vector<QRectF> outlinesCm,
                             std::optional<QRectF> printableCm) {
    m_pages = std::move(pages);
    m_outlines = std::move(outlinesCm);
    m_printable = printableCm;
    m_browsing = false;
    showPage(0);
}

void PreviewWindow::showPage(int page) {
    if (!m_pages) return;
    m_page = std::clamp(page, 0, m_pages->pageCount());
    const QString caption = m_page < m_pages->pageCount()
                                ? tr("Hoja %1 de %2").arg(m_page + 1).arg(m_pages->pageCount())
                                : tr("No hay más hojas");
    m_pageCaption->setText(caption);
    // The column widens for a caption longer than it, as in another language.
    m_pageCaption->setMinimumWidth(m_pageCaption->sizeHint().width());
    m_picture->setAccessibleDescription(caption);
    m_previous->setEnabled(m_browsing && m_page > 0);
    m_next->setEnabled(m_browsing && m_page + 1 < m_pages->pageCount());
    redraw();
}

void PreviewWindow::allowBrowsing() {
    m_browsing = true;
    showPage(m_page);
}

double PreviewWindow::fitting() const {
    if (!m_pages) return 1;
    const QSize room = m_scroll->viewport()->size() - QSize(4, 4);
    return std::max(kMinDotsPerCm, std::min(room.width() / m_pages->widthCm(),
                                            room.height() / m_pages->heightCm()));
}

void PreviewWindow::redraw() {
    if (!m_pages) return;
    const double dotsPerCm = m_dotsPerCm > 0 ? m_dotsPerCm : fitting();
    m_picture->show(*m_pages, m_page, m_outlines, m_printable, dotsPerCm);
}

void PreviewWindow::zoomBy(double factor) {
    const double now = m_dotsPerCm > 0 ? m_dotsPerCm : fitting();
    m_dotsPerCm = std::clamp(now * factor, kMinDotsPerCm, kMaxDotsPerCm);
    redraw();
}

void PreviewWindow::fitPage() {
    m_dotsPerCm = 0;
    redraw();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_dotsPerCm <= 0) redraw();  // the whole page, whatever the window's size
}

QRect PreviewWindow::pageOnScreen() const {
    return QRect(m_picture->mapToGlobal(QPoint(0, 0)), m_picture->size());
}

void PreviewWindow::goBackToMainWindow() {
    if (m_mainWindow) bringToFront(m_mainWindow);
    close();
}
