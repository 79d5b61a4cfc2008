#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

#include "common/core/design/design.h"
#include "common/core/program/labelprogram.h"

class Dialogs;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Diseño de la etiqueta…" (frmDiseno): what a label shows and how, a row
// for each key of the program's section of the design file; beside them one
// label at its real proportions and the label on the sheet in use, drawn
// again at every change. "Abrir…" and "Guardar como…" a design file, "Usar"
// the design from now on, "Sin diseño" the program's own labels again.
// A value the file would refuse is named below the rows, and nothing is
// used or saved until it is mended.
class DesignWindow : public QWidget {
    Q_OBJECT
public:
    // Shows `current`, read from `file` (empty: none), for jobs of `settings`.
    DesignWindow(Dialogs& dialogs, LabelProgram program, JobSettings settings,
                 const design::Design& current, const QString& file);

    // The design as the rows give it; none while a row holds what the file
    // would refuse.
    const std::optional<design::Design>& draft() const { return m_draft; }
    // The pictures as they stand.
    const QImage& labelPicture() const { return m_labelImage; }
    const QImage& sheetPicture() const { return m_sheetImage; }

signals:
    // "Usar": the design and the file it is kept in; "Sin diseño": the
    // default and no file.
    void chosen(const design::Design& design, const QString& file);

private:
    // A row's value as the file writes it, and how to show one.
    struct Row {
        QString key;
        std::function<QString()> value;  // empty: the key left out
        std::function<void(const QString&)> show;
    };
    QWidget* rowFor(const design::FormKey& key);
    QByteArray fileText() const;
    void show(const design::Design& design);
    void changed();
    QString problemOf(const design::Read& read) const;
    void drawPictures();
    void open();
    void saveAs();
    void use();

    Dialogs& m_dialogs;
    const LabelProgram m_program;
    JobSettings m_settings;
    QString m_file;                  // where the design shown was read or saved
    design::Design m_fileDesign;     // what that file holds
    std::optional<design::Design> m_draft;
    std::vector<Row> m_rows;
    QPlainTextEdit* m_codes = nullptr;  // txtSiglas: "value = code", a line each
    QLabel* m_problem;                  // lblProblema
    QLabel* m_label;                    // picEtiqueta
    QLabel* m_sheet;                    // picHojaDiseno
    QPushButton* m_use;
    QPushButton* m_saveAs;
    QImage m_labelImage, m_sheetImage;
    bool m_showing = false;  // rows being filled from a design: no change yet
};
