#pragma once

#include <QWidget>
#include <optional>

#include "common/core/sheets/firstsheet.h"
#include "common/core/sheets/labelgrid.h"

class Dialogs;
class QLabel;
class QLineEdit;

// The map of the first sheet: a cell for each place, in the sheet's rows and
// columns; a used place is shaded. Clicking a cell marks it used or free.
class SheetMap : public QWidget {
    Q_OBJECT
public:
    explicit SheetMap(QWidget* parent);

    const FirstSheet& sheet() const { return m_sheet; }
    // The map of `sheet`, whose places are laid out as `grid`.
    void setSheet(const FirstSheet& sheet, LabelGrid grid);
    // Where a place's cell is drawn, in the widget.
    QRect cellRect(int place) const;

signals:
    void toggled(int place);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    LabelGrid m_grid;
    FirstSheet m_sheet;
};

// "Empezar en la etiqueta": the start field (txtInicio) and the map of the
// first sheet. The places used are kept between runs, per user, with
// QSettings under the program's name, for each sheet of labels.
class FirstSheetPanel : public QWidget {
    Q_OBJECT
public:
    FirstSheetPanel(const QString& program, QWidget* parent);

    // The sheet in the tray: its grid, and the stock's name (empty: the
    // program's own sheet), under which its used places are kept.
    void setSheet(LabelGrid grid, const QString& stockName);

    // The first sheet for printing or the preview. When the field does not
    // hold a place of the sheet, or no place is free, tells the user why
    // and gives nothing.
    std::optional<FirstSheet> firstSheet(Dialogs& dialogs, QWidget* parent);
    // After a print job ended well: the sheet it ended on becomes the first
    // sheet of the next, and is kept.
    void printed(const FirstSheet& lastSheet);

    // The first sheet as the map shows it.
    const FirstSheet& sheet() const { return m_map->sheet(); }

signals:
    void changed();  // the places used on the first sheet

private:
    void show(const FirstSheet& sheet);  // on the map and in the field, and kept
    void startEdited();
    void placeToggled(int place);

    QString m_program;
    QString m_usedKey;  // where the used places of this sheet are kept
    LabelGrid m_grid{1, 1};
    QLineEdit* m_field;
    SheetMap* m_map;
};
