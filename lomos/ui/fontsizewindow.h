#pragma once

#include <QWidget>

class QComboBox;

namespace lomos {

// "Tamaño de la Fuente": picks the point size of the label text. Shown
// beside the main window; closing it without "OK" keeps the size in use.
class FontSizeWindow : public QWidget {
    Q_OBJECT
public:
    FontSizeWindow();

    void choose();

signals:
    // "OK" with a size in the box.
    void sizeChosen(const QString& size);

private:
    QComboBox* m_sizes;
};

}  // namespace lomos
