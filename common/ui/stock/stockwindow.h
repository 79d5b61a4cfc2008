#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "common/core/sheets/catalogue.h"
#include "common/core/sheets/stock.h"

class Dialogs;
class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The picture of a sheet (picMuestra): the paper and its labels, to scale.
class StockPicture : public QWidget {
    Q_OBJECT
public:
    explicit StockPicture(QWidget* parent);
    // A stock, or the program's own sheet of `own` on A4 (its labels are
    // where the user's coordinates put them: drawn as even cells).
    void show(const std::optional<Stock>& stock, LabelGrid own);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Stock m_shown;
};

// "Hoja de etiquetas…" (frmHoja): the sheet of labels in the tray. A
// product of the catalogue, found by brand, product code or size; a sheet
// the user typed from its box ("Otra hoja…"), kept by the name given; or the
// program's own sheet. The sheet shown chosen is drawn beside the list.
class StockWindow : public QWidget {
    Q_OBJECT
public:
    // `own` names the program's own sheet and gives its rows and columns.
    StockWindow(Dialogs& dialogs, const QString& ownName, LabelGrid own,
                const std::optional<Stock>& current);

    // The sheet chosen in the list (lstHojas); none for the program's own.
    std::optional<Stock> current() const;

    void search(const QString& text);  // txtBuscar
    void useCurrent();                 // "Usar esta hoja"
    void openTypedForm();              // "Otra hoja…", from the sheet chosen
    void keepTyped();                  // "Guardar y usar"

signals:
    void stockChosen(const std::optional<Stock>& stock);

private:
    // One of the typed sheet's measures: its field, and what it measures.
    struct Measure {
        QLineEdit* field;
        QString caption;
    };

    QPushButton* button(const char* name, const QString& text, void (StockWindow::*command)(),
                        QWidget* parent);
    QBoxLayout* buttonRow();
    void buildTypedForm();
    void layOut(QLabel* note);
    void showCurrent();
    // The typed sheet's values, or none after saying which is no number.
    std::optional<std::vector<double>> typedValues();

    Dialogs& m_dialogs;
    QString m_ownName;
    LabelGrid m_own;
    catalogue::Catalogue m_catalogue;
    std::vector<Stock> m_typed;
    std::vector<catalogue::Found> m_listed;  // the list's rows after the first, the own sheet
    QLineEdit* m_search;
    QListWidget* m_list;
    StockPicture* m_picture;
    QLabel* m_details;
    QGroupBox* m_form;  // fraOtraHoja
    QLineEdit* m_name;
    QComboBox* m_paper;               // its items hold the paper's width and height, in mm
    std::vector<Measure> m_measures;  // columns, rows, width, height, left, top, pitches
};
