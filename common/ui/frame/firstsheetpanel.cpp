#include "common/ui/frame/firstsheetpanel.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSpinBox>
#include <QStyleOptionFocusRect>
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
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Mapa de la primera hoja"));
    setToolTip(tr("Pulse una etiqueta para marcarla como usada o libre; con el teclado, las "
                  "flechas y la barra espaciadora"));
}

void SheetMap::setSheet(const FirstSheet& sheet, LabelGrid grid) {
    m_sheet = sheet;
    m_grid = grid;
    m_cursor = std::min(m_cursor, sheet.size() - 1);
    describe();
    update();
}

void SheetMap::describe() {
    QStringList used;
    for (int n : m_sheet.usedNumbers()) used.append(QString::number(n));
    const QString text =
        used.isEmpty() ? tr("Todas las etiquetas libres; se empieza en la %1.")
                             .arg(m_sheet.firstFree() + 1)
        : m_sheet.hasFreePlace()
            ? tr("Usadas: %1. Se empieza en la %2.").arg(used.join(QStringLiteral(", ")))
                  .arg(m_sheet.firstFree() + 1)
            : tr("Todas las etiquetas usadas.");
    setAccessibleDescription(tr("Etiqueta %1 de %2. %3")
                                 .arg(m_cursor + 1)
                                 .arg(m_sheet.size())
                                 .arg(text));
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
    const int next = m_sheet.firstFree();
    for (int p = 0; p < m_sheet.size(); ++p) {
        const QRect cell = cellRect(p);
        // Used, free and next differ by pattern and frame, not by colour alone.
        painter.fillRect(cell, p == next ? QColor(0xFF, 0xF0, 0x90) : QColor(Qt::white));
        if (m_sheet.isUsed(p)) {
            painter.fillRect(cell, QColor(0xA0, 0xA0, 0xA0));
            painter.fillRect(cell, QBrush(Qt::black, Qt::BDiagPattern));
        }
        painter.setPen(QPen(Qt::black, p == next ? 3 : 1));
        painter.drawRect(p == next ? cell.adjusted(1, 1, -1, -1) : cell);
        font.setBold(p == next);
        painter.setFont(font);
        painter.drawText(cell, Qt::AlignCenter, QString::number(p + 1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = cellRect(m_cursor).adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void SheetMap::mousePressEvent(QMouseEvent* event) {
    for (int p = 0; p < m_sheet.size(); ++p) {
        if (cellRect(p).contains(event->position().toPoint())) {
            m_cursor = p;
            emit toggled(p);
            return;
        }
    }
}

void SheetMap::keyPressEvent(QKeyEvent* event) {
    const int row = m_grid.rowOf(m_cursor), column = m_grid.columnOf(m_cursor);
    int moved = -1;
    switch (event->key()) {
        case Qt::Key_Left:
            if (column > 0) moved = m_cursor - 1;
            break;
        case Qt::Key_Right:
            if (column + 1 < m_grid.columns && m_cursor + 1 < m_sheet.size()) moved = m_cursor + 1;
            break;
        case Qt::Key_Up:
            if (row > 0) moved = m_cursor - m_grid.columns;
            break;
        case Qt::Key_Down:
            if (m_cursor + m_grid.columns < m_sheet.size()) moved = m_cursor + m_grid.columns;
            break;
        case Qt::Key_Space:
            emit toggled(m_cursor);
            return;
        default:
            return QWidget::keyPressEvent(event);
    }
    if (moved < 0) return;
    m_cursor = moved;
    describe();
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    update();
}

FirstSheetPanel::FirstSheetPanel(const QString& program, QWidget* parent)
    : QWidget(parent), m_program(program) {
    setObjectName(QStringLiteral("fraInicio"));
    auto* caption = new QLabel(tr("&Empezar en la etiqueta"), this);
    caption->setObjectName(QStringLiteral("lblInicio"));
    caption->setFont(uiFont(QStringLiteral("Arial"), 9, true));
    caption->setWordWrap(true);
    m_field = new QSpinBox(this);
    m_field->setObjectName(QStringLiteral("txtInicio"));
    m_field->setFont(uiFont(QStringLiteral("Arial"), 9, true));
    m_field->setAlignment(Qt::AlignCenter);
    // Typed digits count once Enter or Tab confirms them; the arrows at once.
    m_field->setKeyboardTracking(false);
    caption->setBuddy(m_field);
    m_map = new SheetMap(this);

    auto* top = new QHBoxLayout;
    top->addWidget(caption, 1);
    top->addWidget(m_field);
    m_field->setFixedWidth(twips::toPixels(m_field, 720));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_map, 1);
    setTabOrder(m_field, m_map);

    connect(m_field, &QSpinBox::valueChanged, this, &FirstSheetPanel::startChosen);
    connect(m_map, &SheetMap::toggled, this, &FirstSheetPanel::placeToggled);
}

void FirstSheetPanel::setSheet(LabelGrid grid, const QString& stockName) {
    m_usedKey = usedKeyOf(stockName);
    m_grid = grid;
    {
        const QSignalBlocker quiet(m_field);  // no start is chosen by the range changing
        m_field->setRange(1, grid.places());
    }
    m_field->setToolTip(tr("Primera etiqueta libre de la hoja, del 1 al %1").arg(grid.places()));
    show(storedSheet(m_program, m_usedKey, grid.places()));
}

const FirstSheet& FirstSheetPanel::sheet() const { return m_map->sheet(); }

void FirstSheetPanel::show(const FirstSheet& sheet) {
    m_map->setSheet(sheet, m_grid);
    {
        const QSignalBlocker quiet(m_field);
        m_field->setValue(std::min(sheet.firstFree(), sheet.size() - 1) + 1);
    }
    QStringList used;
    for (int n : sheet.usedNumbers()) used.append(QString::number(n));
    userSettings(m_program).setValue(m_usedKey, used.join(u','));
    emit changed();
}

void FirstSheetPanel::startChosen(int number) {
    FirstSheet sheet = m_map->sheet();
    sheet.startAt(number - 1);
    show(sheet);
}

void FirstSheetPanel::placeToggled(int place) {
    FirstSheet sheet = m_map->sheet();
    sheet.setUsed(place, !sheet.isUsed(place));
    show(sheet);
}

std::optional<FirstSheet> FirstSheetPanel::firstSheet(Dialogs& dialogs, QWidget* parent) {
    // A start typed and not yet confirmed counts.
    m_field->interpretText();
    if (!m_map->sheet().hasFreePlace()) {
        dialogs.message(parent, messages::title(), messages::noFreePlace());
        return std::nullopt;
    }
    return m_map->sheet();
}

void FirstSheetPanel::printed(const FirstSheet& lastSheet) { show(lastSheet); }
