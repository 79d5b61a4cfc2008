#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>
#include <string>

#include "common/core/printfile/labellist.h"

// A drive C of its own for a test, in a temporary folder; ETIQUETAS_UNIDAD_C
// points at it while the object lives, the user's QSettings files are kept in
// its folder "usuario" and the machine's presets in "maquina".
class TempDriveC {
public:
    TempDriveC();
    ~TempDriveC();

    QString root() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.path() + u'/' + relative; }

    // Writes bytes to a file under drive C, making its folders.
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;

    // The print file of client CLIENTE and base BIB50, and a settings file
    // that points at it.
    void putPrintFile(const QByteArray& bytes) const;
    void putSettings(const QString& dir, const QString& base) const;
    void putDefaultCoordinates() const;
    // What IT presets and locks for every user ([predeterminado], [bloqueado]).
    void putMachinePresets(const QByteArray& conf) const;

private:
    QTemporaryDir m_dir;
};

// While it lives, the paths can be neither changed nor created in nor removed
// from, even by root (chattr +i, which needs root and ext4): as the root of a
// Windows drive C and its files refuse a staff account.
class Immutable {
public:
    explicit Immutable(const QStringList& paths);
    ~Immutable();
    bool ok() const { return m_ok; }

private:
    QStringList m_paths;
    bool m_ok = true;
};

// A print file holding one item per call number, among untagged lines.
QByteArray printFileWithCallNumbers(const QStringList& callNumbers);

// A print file of n full items: item k has call number "Kk", barcode "Bk",
// author "Ak" and title "Tk".
QByteArray printFileWithFullItems(int n);

// A label list's entries, the separators as their text, and the other way
// round: an entry that is the separator's text is a separator.
QStringList entries(const labellist::LabelList& list);
labellist::LabelList labelList(const QStringList& entries);

QString projectDir();
QByteArray readAll(const QString& path);  // empty if it cannot be read

// A program run to its end: its exit status (-1 when it crashed or hung for
// two minutes) and what it wrote.
struct ProcessRun {
    int exitCode;
    QString out;
    QString err;
};
ProcessRun runProcess(const QString& program, const QStringList& arguments);

// Names the rows of a parameterised GoogleTest after their `name` member.
struct CaseName {
    template <class Info>
    std::string operator()(const Info& info) const {
        return info.param.name;
    }
};

// Readable failure messages in GoogleTest.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
