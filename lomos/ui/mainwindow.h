#pragma once

#include <QPointer>

#include "common/ui/frame/mainwindowbase.h"
#include "lomos/core/coordinates.h"
#include "lomos/ui/coordinateeditor.h"
#include "lomos/ui/fontsizedialog.h"

class QToolBar;

namespace lomos {

// The main window of lomos: the toolbar and the menu that start every
// command, the settings fields and the status label. Beside the shared
// commands it opens the coordinate editor and the font-size box.
class MainWindow : public MainWindowBase {
    Q_OBJECT
public:
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    void openCoordinateEditor();  // "Configurar"
    void openFontSizeDialog();    // menu "Tamaño de Fuente"
    // Toolbar button by its index, 1 to 7 from the left; others do nothing.
    void runToolbarButton(int index);
    // The size chosen in the font-size box.
    void setFontSizeText(const QString& size);

    CoordinateEditor* coordinateEditor() const { return m_editor; }
    FontSizeDialog* fontSizeDialog() const { return m_fontSizeDialog; }

protected:
    bool closeOtherWindows() override;

private:
    void buildToolbar(QToolBar* toolbar);
    void layOut();

    QLineEdit* m_fontSizeNote = nullptr;  // txttamaño
    QPointer<CoordinateEditor> m_editor;
    QPointer<FontSizeDialog> m_fontSizeDialog;
};

}  // namespace lomos
