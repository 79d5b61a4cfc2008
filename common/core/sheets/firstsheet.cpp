#include "common/core/sheets/firstsheet.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(sheets)
};

}  // namespace

int FirstSheet::firstFree() const {
    int place = m_start;
    while (place < size() && m_marked[size_t(place)]) ++place;
    return place;
}

void FirstSheet::setUsed(int place, bool used) {
    if (!used && place < m_start) {
        for (int p = place + 1; p < m_start; ++p) m_marked[size_t(p)] = true;
        m_start = place;
    }
    m_marked[size_t(place)] = used;
}

void FirstSheet::startAt(int place) {
    m_start = place;
    if (place < size()) m_marked[size_t(place)] = false;
}

QList<int> FirstSheet::usedNumbers() const {
    QList<int> numbers;
    for (int p = 0; p < size(); ++p) {
        if (isUsed(p)) numbers.append(p + 1);
    }
    return numbers;
}

FirstSheet FirstSheet::withUsed(int placesPerSheet, const QList<int>& numbers) {
    FirstSheet sheet(placesPerSheet);
    for (int n : numbers) {
        if (n >= 1 && n <= placesPerSheet) sheet.setUsed(n - 1, true);
    }
    return sheet;
}

PlaceCursor::PlaceCursor(const FirstSheet& first) : m_sheet(first) {
    if (!m_sheet.hasFreePlace()) m_sheet = FirstSheet(first.size());
    skipUsed();
}

bool PlaceCursor::take() {
    m_sheet.setUsed(m_place, true);
    ++m_taken;
    ++m_place;
    skipUsed();
    if (m_place < m_sheet.size()) return false;
    m_sheet = FirstSheet(m_sheet.size());
    m_place = 0;
    return true;
}

void PlaceCursor::skipUsed() {
    while (m_place < m_sheet.size() && m_sheet.isUsed(m_place)) ++m_place;
}

int parsePlaceNumber(const QString& text, int places) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok && number >= 1 && number <= places ? number - 1 : -1;
}

QString placeOutOfRange(const QString& text, int places) {
    return Text::tr("La etiqueta «%1» no existe: escriba un número entero del 1 al %2.")
        .arg(text.trimmed(), QString::number(places));
}
