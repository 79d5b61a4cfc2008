#pragma once

#include <QWidget>

class QComboBox;
class frmPrincipal;

// "Tamaño de la Fuente": picks the point size of the label text. Shown
// beside the main window; closing it without "OK" keeps the size in use.
class frmTamano : public QWidget {
    Q_OBJECT
public:
    explicit frmTamano(frmPrincipal* mainWindow);

    void cmdOK();

private:
    frmPrincipal* m_main;
    QComboBox* m_cmbTamano;
};
