#include "common/ui/printing/previewwindow.h"

#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "common/ui/frame/twips.h"

namespace {

// Draws into the picture's image and has the widget show each change.
class PictureSurface : public ImageSurface {
public:
    PictureSurface(QImage& image, QWidget& widget) : ImageSurface(image), m_widget(widget) {}
    bool cls() override {
        const bool ok = ImageSurface::cls();
        m_widget.update();
        return ok;
    }

protected:
    double drawText(double xCm, double yCm, const QString& text) override {
        const double spacing = ImageSurface::drawText(xCm, yCm, text);
        m_widget.update();
        return spacing;
    }

private:
    QWidget& m_widget;
};

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), m_dpi(logicalDpiX()) {
    setObjectName(QStringLiteral("Picture1"));
    const int width = int(std::lround(kWidthCm / 2.54 * m_dpi));
    const int height = int(std::lround(kHeightCm / 2.54 * m_dpi));
    m_image = QImage(width, height, QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(m_dpi / 0.0254));
    m_image.setDotsPerMeterX(dotsPerMetre);
    m_image.setDotsPerMeterY(dotsPerMetre);
    m_image.fill(Qt::white);
    m_surface = std::make_unique<PictureSurface>(m_image, *this);
    setFixedSize(width, height);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

PreviewWindow::PreviewWindow(QWidget* mainWindow) : QMainWindow(nullptr), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString());

    auto* menu = menuBar()->addMenu(tr("Menú"));
    menu->setObjectName(QStringLiteral("mnuMenu"));
    QAction* regresarAction = menu->addAction(tr("Regresar"));
    regresarAction->setObjectName(QStringLiteral("mnuRegresar"));
    regresarAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(regresarAction, &QAction::triggered, this, &PreviewWindow::goBackToMainWindow);

    auto* client = new QWidget(this);
    setCentralWidget(client);

    auto* scroll = new QScrollArea(client);
    scroll->setObjectName(QStringLiteral("scrollPicture1"));
    m_picture = new PictureBox;
    scroll->setWidget(m_picture);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The whole width of the sheet shows; its height scrolls, so the window
    // fits a 1366 x 768 screen.
    const int margin = twips::toPixels(this, 120);
    const int scrollWidth = m_picture->width() + scroll->verticalScrollBar()->sizeHint().width() +
                            2 * scroll->frameWidth();
    const int scrollHeight = 600;
    scroll->setGeometry(margin, margin, scrollWidth, scrollHeight);

    auto* regresar = new QPushButton(tr("Regresar"), client);
    regresar->setObjectName(QStringLiteral("cmdRegresar"));
    regresar->setFont(uiFont(QStringLiteral("Arial Narrow"), 9.75, true));
    const int buttonWidth = twips::toPixels(this, 1455);
    const int buttonHeight = twips::toPixels(this, 855);
    const int buttonLeft = scroll->geometry().right() + 2 * margin;
    regresar->setGeometry(buttonLeft, scroll->geometry().bottom() - buttonHeight + 1, buttonWidth,
                          buttonHeight);
    connect(regresar, &QPushButton::clicked, this, &PreviewWindow::goBack);

    client->setFixedSize(buttonLeft + buttonWidth + margin, scrollHeight + 2 * margin);
    adjustSize();
}

void PreviewWindow::goBack() { close(); }

void PreviewWindow::goBackToMainWindow() {
    if (m_mainWindow) {
        bringToFront(m_mainWindow);
    }
    close();
}
