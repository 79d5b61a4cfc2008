#pragma once

#include <QPointer>

#include "common/core/labellist.h"
#include "common/ui/mainwindowbase.h"
#include "lomos/core/coordinates.h"
#include "lomos/core/spinegeneration.h"
#include "lomos/ui/coordinateeditor.h"
#include "lomos/ui/fontsizedialog.h"

class QToolBar;

namespace lomos {

// The main window of lomos: the toolbar and the menu that start every
// command, the settings fields and the status label. Beside the shared
// commands it opens the coordinate editor and the font-size box, and holds
// what its walks read: the call-number lines, the font size and the
// coordinate table.
class MainWindow : public MainWindowBase {
    Q_OBJECT
public:
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    void openCoordinateEditor();  // "Configurar"
    void openFontSizeDialog();    // menu "Tamaño de Fuente"
    void printTestSheet();        // menu "Hoja de prueba": the coordinate file's positions
    // Toolbar button by its index, 1 to 7 from the left; others do nothing.
    void runToolbarButton(int index);

    // Prints the test sheet of `table` on the printer and says how it went.
    void printTestSheetOf(const CoordinateTable& table);
    // The size chosen in the font-size box.
    void setFontSizeText(const QString& size);

    const labellist::LabelList& callNumberLines() const { return m_generated.callNumberLines; }
    const QString& fontSizeText() const { return m_fontSizeText; }
    const CoordinateTable& coordinates() const { return m_coordinates; }
    CoordinateEditor* coordinateEditor() const { return m_editor; }
    FontSizeDialog* fontSizeDialog() const { return m_fontSizeDialog; }

protected:
    generation::Generated generateLabels(const QString& printFile) override;
    bool hasLabels() const override { return !m_generated.callNumberLines.isEmpty(); }
    void dropLabels() override;
    std::unique_ptr<review::LabelSource> reviewSource() const override;
    void selectJob(const jobselection::Selection* selection) override;
    void loadPositions() override;  // the coordinate file, as it is now
    LabelWalk printWalk() const override;
    LabelWalk previewWalk() const override;
    labelcheck::Check labelCheck(const FirstSheet& first) const override;
    std::vector<testsheet::Position> crossPositions() override;
    bool closeOtherWindows() override;

private:
    void buildToolbar(QToolBar* toolbar);
    void layOut();

    const SpineGeneration& job() const { return m_job ? *m_job : m_generated; }

    SpineGeneration m_generated;            // lstClasify, as "Generar" built it
    std::optional<SpineGeneration> m_job;  // the reviewed labels, when the review changed them
    QString m_fontSizeText = QStringLiteral("8");  // txttamaño_only
    CoordinateTable m_coordinates;                 // txt0..txt32, txt0x..txt32x
    QLineEdit* m_fontSizeNote = nullptr;           // txttamaño

    QPointer<CoordinateEditor> m_editor;
    QPointer<FontSizeDialog> m_fontSizeDialog;
};

}  // namespace lomos
