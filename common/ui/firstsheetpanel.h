#pragma once

#include <QWidget>
#include <optional>

#include "common/core/firstsheet.h"
#include "common/core/sheetshape.h"

class Dialogs;
class QLabel;
class QLineEdit;

// The map of the first sheet: a cell for each place, in the sheet's rows and
// columns; a used place is shaded. Clicking a cell marks it used or free.
class SheetMap : public QWidget {
    Q_OBJECT
public:
    SheetMap(SheetShape shape, QWidget* parent);

    const FirstSheet& sheet() const { return m_sheet; }
    void setSheet(const FirstSheet& sheet);
    // Where a place's cell is drawn, in the widget.
    QRect cellRect(int place) const;

signals:
    void toggled(int place);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    SheetShape m_shape;
    FirstSheet m_sheet;
};

// "Empezar en la etiqueta": the start field (txtInicio) and the map of the
// first sheet. The places used are kept between runs, per user, with
// QSettings under the program's name.
class FirstSheetPanel : public QWidget {
    Q_OBJECT
public:
    FirstSheetPanel(const QString& program, SheetShape shape, QWidget* parent);

    // The first sheet for printing or the preview. When the field does not
    // hold a place of the sheet, or no place is free, tells the user why
    // and gives nothing.
    std::optional<FirstSheet> firstSheet(Dialogs& dialogs, QWidget* parent);
    // After a print job ended well: the sheet it ended on becomes the first
    // sheet of the next, and is kept.
    void printed(const FirstSheet& lastSheet);

    SheetMap* map() const { return m_map; }
    QLineEdit* field() const { return m_field; }

signals:
    void changed();  // the places used on the first sheet

private:
    void show(const FirstSheet& sheet);  // on the map and in the field, and kept
    void startEdited();
    void placeToggled(int place);

    QString m_program;
    QLineEdit* m_field;
    SheetMap* m_map;
};
