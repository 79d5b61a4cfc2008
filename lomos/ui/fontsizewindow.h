#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace lomos {

// "Tamaño de la Fuente": picks the point size of the label text, from 4 to
// 72 points; anything else keeps the window open with a note. Shown beside
// the main window; closing it without "OK" keeps the size in use.
class FontSizeWindow : public QWidget {
    Q_OBJECT
public:
    // Starts from `current`, the size in use.
    explicit FontSizeWindow(const QString& current);

    void choose();

signals:
    // "OK" with a size in the box, as typed.
    void sizeChosen(const QString& size);

private:
    QComboBox* m_sizes;
    QLabel* m_note;  // lblNota: why the size typed is not taken
};

}  // namespace lomos
