#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "common/paint/paintersurface.h"

class QPushButton;

// The preview picture: a sheet-sized image drawn in centimetres.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    // The picture is 22.04 cm wide and 31 cm tall: every row of either
    // program's sheets fits on it.
    static constexpr double kWidthCm = 22.04;
    static constexpr double kHeightCm = 31.0;

    explicit PictureBox(QWidget* parent = nullptr);

    DrawingSurface& surface() { return *m_surface; }
    const QImage& image() const { return m_image; }
    double dpi() const { return m_dpi; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_dpi;
    QImage m_image;
    std::unique_ptr<ImageSurface> m_surface;
};

// The preview window shared by both programs: the picture in a scrolled area,
// and "Regresar". Closing it discards the drawing (the window is deleted).
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* mainWindow);

    PictureBox* picture() { return m_picture; }

private:
    void goBack();              // cmdRegresar
    void goBackToMainWindow();  // mnuRegresar: shows the main window, then closes

    QPointer<QWidget> m_mainWindow;
    PictureBox* m_picture;
};
