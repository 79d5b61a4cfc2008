#pragma once

#include "common/ui/mainwindowbase.h"
#include "fichas/core/fullgeneration.h"

namespace fichas {

// The main window of fichas: the heading, the settings fields, the buttons
// and the status label. It holds the four label lists that generation fills
// and the walks read; its "Imprimir" and test sheet ask for the printer.
class MainWindow : public MainWindowBase {
    Q_OBJECT
public:
    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);

    void printTestSheet();  // the test sheet of the 36 places, after the printer dialog

    const FullGeneration& labels() const { return m_labels; }

protected:
    generation::Generated generateLabels(const QString& printFile) override;
    bool hasLabels() const override { return !m_labels.callNumberLines.isEmpty(); }
    void dropLabels() override;
    std::unique_ptr<review::LabelSource> reviewSource() const override;
    void selectJob(const jobselection::Selection* selection) override;
    LabelWalk printWalk() const override;
    LabelWalk previewWalk() const override;
    labelcheck::Check labelCheck(const FirstSheet& first) const override;
    std::vector<testsheet::Position> crossPositions() override;

private:
    void layOut();

    const FullGeneration& job() const { return m_job ? *m_job : m_labels; }

    FullGeneration m_labels;  // lstBarras, lstClasify, lstTitulo, lstAutor
    std::optional<FullGeneration> m_job;  // the reviewed labels, when the review changed them
};

}  // namespace fichas
