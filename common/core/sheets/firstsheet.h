#pragma once

#include <QList>
#include <QString>
#include <vector>

// Sheets of labels are expensive and the one in the tray is usually partly
// used. The places of the first sheet that are already used (peeled off,
// printed on) are left empty there; every later sheet is used whole. Places
// are numbered from 0 row by row, left to right, as the walks fill them; the
// windows and the command line show them from 1.
class FirstSheet {
public:
    explicit FirstSheet(int placesPerSheet) : m_marked(size_t(placesPerSheet), false) {}

    int size() const { return int(m_marked.size()); }
    bool isUsed(int place) const { return place < m_start || m_marked[size_t(place)]; }
    // Marks a place used or free. Freeing one before the start moves the
    // start back to it; the places between stay used.
    void setUsed(int place, bool used);
    // The first free place; size() when every place is used.
    int firstFree() const;
    bool hasFreePlace() const { return firstFree() < size(); }

    // What the field "Empezar en la etiqueta" does: every place before
    // `place` is used and `place` itself free. The places marked used on the
    // map stay marked wherever the start moves.
    void startAt(int place);

    // The used places, counted from 1, for a settings value.
    QList<int> usedNumbers() const;
    // The sheet with the places numbered in `numbers` (from 1) marked used;
    // numbers out of range are left out.
    static FirstSheet withUsed(int placesPerSheet, const QList<int>& numbers);

private:
    int m_start = 0;              // the places before it are used
    std::vector<bool> m_marked;  // used wherever the start is: peeled off, printed on
};

// Where the labels of a walk go, one after another: the free places of the
// first sheet, then every place of the sheets after it.
class PlaceCursor {
public:
    // A first sheet without a free place is taken as a fresh one: the
    // windows and the job refuse it before they walk.
    explicit PlaceCursor(const FirstSheet& first);

    // The place the next label goes to.
    int place() const { return m_place; }
    // Takes the current place for a label. True when that filled the sheet:
    // the next label starts a new one, at its first place.
    bool take();
    // The sheet the next label goes to, with the places already used on it:
    // what the next print job can start from.
    const FirstSheet& sheet() const { return m_sheet; }
    // How many labels have taken a place so far: the next one is the job's
    // label taken() + 1.
    qint64 taken() const { return m_taken; }

private:
    void skipUsed();

    FirstSheet m_sheet;
    int m_place = 0;
    qint64 m_taken = 0;
};

// Reads a place typed by the user ("5"): a whole number from 1 to `places`.
// Returns the place counted from 0, or -1 when the text is not one.
int parsePlaceNumber(const QString& text, int places);

// The message for a place that is not a whole number from 1 to `places`.
QString placeOutOfRange(const QString& text, int places);
