#include "common/ui/frame/firstsheetpanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "common/core/files/usersettings.h"
#include "common/core/text/messages.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/frame/twips.h"

namespace {

// Kept per program: each has a sheet of its own in the tray.
QSettings userSettings(const QString& program) { return usersettings::ofProgram(program); }

// The key of a sheet's used places; the program's own sheet keeps the one
// it always had.
QString usedKeyOf(const QString& stockName) {
    if (stockName.isEmpty()) return QStringLiteral("primera_hoja/usadas");
    return QStringLiteral("primera_hoja/hoja_") +
           QString::fromLatin1(stockName.toUtf8().toPercentEncoding());
}

FirstSheet storedSheet(const QString& program, const QString& key, int places) {
    QList<int> used;
    for (const QString& number :
         userSettings(program).value(key).toString().split(u',', Qt::SkipEmptyParts)) {
        used.append(number.toInt());
    }
    return FirstSheet::withUsed(places, used);
}

}  // namespace

SheetMap::SheetMap(QWidget* parent) : QWidget(parent), m_grid{1, 1}, m_sheet(1) {
    setObjectName(QStringLiteral("picHoja"));
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Pulse una etiqueta para marcarla como usada o libre"));
}

void SheetMap::setSheet(const FirstSheet& sheet, LabelGrid grid) {
    m_sheet = sheet;
    m_grid = grid;
    update();
}

QRect SheetMap::cellRect(int place) const {
    const int w = (width() - 1) / m_grid.columns;
    const int h = (height() - 1) / m_grid.rows;
    return {m_grid.columnOf(place) * w, m_grid.rowOf(place) * h, w, h};
}

void SheetMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont font = painter.font();
    font.setPointSizeF(7);
    painter.setFont(font);
    const int next = m_sheet.firstFree();
    for (int p = 0; p < m_sheet.size(); ++p) {
        const QRect cell = cellRect(p);
        const QColor fill = m_sheet.isUsed(p) ? QColor(0xA0, 0xA0, 0xA0)
                            : p == next       ? QColor(0xFF, 0xF0, 0x90)
                                              : Qt::white;
        painter.fillRect(cell, fill);
        painter.setPen(Qt::black);
        painter.drawRect(cell);
        painter.drawText(cell, Qt::AlignCenter, QString::number(p + 1));
    }
}

void SheetMap::mousePressEvent(QMouseEvent* event) {
    for (int p = 0; p < m_sheet.size(); ++p) {
        if (cellRect(p).contains(event->position().toPoint())) {
            emit toggled(p);
            return;
        }
    }
}

FirstSheetPanel::FirstSheetPanel(const QString& program, QWidget* parent)
    : QWidget(parent), m_program(program) {
    setObjectName(QStringLiteral("fraInicio"));
    auto* caption = new QLabel(tr("Empezar en la etiqueta"), this);
    caption->setObjectName(QStringLiteral("lblInicio"));
    caption->setFont(uiFont(QStringLiteral("Arial"), 9, true));
    caption->setWordWrap(true);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("txtInicio"));
    m_field->setFont(uiFont(QStringLiteral("Arial"), 9, true));
    m_field->setAlignment(Qt::AlignCenter);
    m_map = new SheetMap(this);

    auto* top = new QHBoxLayout;
    top->addWidget(caption, 1);
    top->addWidget(m_field);
    m_field->setFixedWidth(twips::toPixels(m_field, 600));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_map, 1);

    connect(m_field, &QLineEdit::editingFinished, this, &FirstSheetPanel::startEdited);
    connect(m_map, &SheetMap::toggled, this, &FirstSheetPanel::placeToggled);
}

void FirstSheetPanel::setSheet(LabelGrid grid, const QString& stockName) {
    m_usedKey = usedKeyOf(stockName);
    m_grid = grid;
    m_field->setToolTip(tr("Primera etiqueta libre de la hoja, del 1 al %1").arg(grid.places()));
    show(storedSheet(m_program, m_usedKey, grid.places()));
}

void FirstSheetPanel::show(const FirstSheet& sheet) {
    m_map->setSheet(sheet, m_grid);
    m_field->setText(sheet.hasFreePlace() ? QString::number(sheet.firstFree() + 1) : QString());
    QStringList used;
    for (int n : sheet.usedNumbers()) used.append(QString::number(n));
    userSettings(m_program).setValue(m_usedKey, used.join(u','));
    emit changed();
}

void FirstSheetPanel::startEdited() {
    const int place = parsePlaceNumber(m_field->text(), m_map->sheet().size());
    // Not a place (refused when printing), or already the start.
    if (place < 0 || place == m_map->sheet().firstFree()) return;
    FirstSheet sheet = m_map->sheet();
    sheet.startAt(place);
    show(sheet);
}

void FirstSheetPanel::placeToggled(int place) {
    startEdited();  // a start typed but not yet confirmed comes first
    FirstSheet sheet = m_map->sheet();
    sheet.setUsed(place, !sheet.isUsed(place));
    show(sheet);
}

std::optional<FirstSheet> FirstSheetPanel::firstSheet(Dialogs& dialogs, QWidget* parent) {
    const int places = m_map->sheet().size();
    const bool noneFree = !m_map->sheet().hasFreePlace() && m_field->text().trimmed().isEmpty();
    if (!noneFree && parsePlaceNumber(m_field->text(), places) < 0) {
        dialogs.message(parent, messages::title(), placeOutOfRange(m_field->text(), places));
        return std::nullopt;
    }
    startEdited();
    if (!m_map->sheet().hasFreePlace()) {
        dialogs.message(parent, messages::title(), messages::noFreePlace());
        return std::nullopt;
    }
    return m_map->sheet();
}

void FirstSheetPanel::printed(const FirstSheet& lastSheet) { show(lastSheet); }
