#pragma once

#include "common/ui/frame/mainwindowbase.h"
#include "common/ui/frame/secondarywindow.h"
#include "lomos/ui/coordinateeditor.h"
#include "lomos/ui/fontsizewindow.h"

class QToolBar;

namespace lomos {

// The main window of lomos: the toolbar and the menu that start every
// command, the settings fields and the status label. Beside the shared
// commands it opens the coordinate editor and the font-size box.
class MainWindow : public MainWindowBase {
    Q_OBJECT
public:
    explicit MainWindow(const Seams& seams, QWidget* parent = nullptr);

protected:
    bool closeOtherWindows() override;

private:
    void buildToolbar(QToolBar* toolbar);
    void layOut();
    void openCoordinateEditor();  // "Configurar"
    void openFontSizeWindow();    // menu "Tamaño de Fuente"
    // Toolbar button by its index, 1 to 7 from the left; others do nothing.
    void runToolbarButton(int index);
    // The size chosen in the font-size box.
    void setFontSizeText(const QString& size);
    // "Se va a imprimir con tamaño 8", or the size of the design in use.
    void showFontSize();

    QLineEdit* m_fontSizeNote = nullptr;  // txttamaño
    SecondaryWindow<CoordinateEditor> m_editor;
    SecondaryWindow<FontSizeWindow> m_fontSizeWindow;
};

}  // namespace lomos
