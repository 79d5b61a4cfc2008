#pragma once

#include <QWidget>
#include <optional>

#include "common/core/sheets/firstsheet.h"
#include "common/core/sheets/labelgrid.h"

class Dialogs;
class QSpinBox;

// The map of the first sheet: a cell for each place, in the sheet's rows and
// columns; a used place is shaded and hatched, the first free one framed.
// A click, or the space bar on the place the arrows reach, marks it used or
// free.
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
    void keyPressEvent(QKeyEvent* event) override;

private:
    void describe();  // for a screen reader: which places are used

    LabelGrid m_grid;
    FirstSheet m_sheet;
    int m_cursor = 0;  // the place the keyboard is on
};

// "Empezar en la etiqueta": the start field (txtInicio, a number from 1 to
// the sheet's places) and the map of the first sheet. The places used are
// kept between runs, per user, with QSettings under the program's name, for
// each sheet of labels.
class FirstSheetPanel : public QWidget {
    Q_OBJECT
public:
    FirstSheetPanel(const QString& program, QWidget* parent);

    // The sheet in the tray: its rows and columns, and the stock's name
    // (empty: the program's own sheet), under which its used places are kept.
    void setSheet(LabelGrid grid, const QString& stockName);

    // The first sheet as the map shows it.
    const FirstSheet& sheet() const;
    // The first sheet for printing or the preview; when no place is free,
    // tells the user so and gives nothing.
    std::optional<FirstSheet> firstSheet(Dialogs& dialogs, QWidget* parent);
    // After a print job ended well: the sheet it ended on becomes the first
    // sheet of the next, and is kept.
    void printed(const FirstSheet& lastSheet);

signals:
    void changed();  // the places used on the first sheet

private:
    void show(const FirstSheet& sheet);  // on the map and in the field, and kept
    void startChosen(int number);
    void placeToggled(int place);

    QString m_program;
    QString m_usedKey;  // where the used places of this sheet are kept
    LabelGrid m_grid{1, 1};
    QSpinBox* m_field;
    SheetMap* m_map;
};
