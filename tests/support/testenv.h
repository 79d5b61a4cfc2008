#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A drive C of its own for a test, in a temporary folder; ETIQUETAS_UNIDAD_C
// points at it while the object lives.
class TempDriveC {
public:
    TempDriveC();
    ~TempDriveC();

    QString root() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.path() + u'/' + relative; }

    // Writes bytes to a file under drive C, making its folders.
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;

    // Lays out the print file of client `dir` and base `base`, and a settings
    // file that points at it.
    void putPrintFile(const QByteArray& bytes, const QString& dir = QStringLiteral("CLIENTE"),
                      const QString& base = QStringLiteral("BIB50")) const;
    void putSettings(const QString& dir, const QString& base) const;
    void putDefaultCoordinates() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious;
};

// A print file holding one item per call number, with the given line end.
QByteArray printFileWithCallNumbers(const QStringList& callNumbers,
                                    const QByteArray& lineEnd = "\r\n");

// A print file of n full items: item k has call number "Kk", barcode "Bk",
// author "Ak" and title "Tk".
QByteArray printFileWithFullItems(int n);

QString projectDir();

// A program run to its end: its exit status (-1 when it crashed or hung for
// two minutes), what it wrote, and how long it took.
struct ProcessRun {
    int exitCode;
    QString out;
    QString err;
    qint64 ms;
};
ProcessRun runProcess(const QString& program, const QStringList& arguments);

// Bytes of a file; empty if it cannot be read.
QByteArray readAll(const QString& path);

#include <ostream>

// Readable failure messages in GoogleTest.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (const QString& s : list) *os << " \"" << s.toStdString() << '"';
    *os << " }";
}
