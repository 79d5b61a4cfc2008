#include "testenv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <stdexcept>

#include "common/core/codepage.h"

TempDriveC::TempDriveC()
    : m_previous(qgetenv("ETIQUETAS_UNIDAD_C")), m_hadPrevious(qEnvironmentVariableIsSet("ETIQUETAS_UNIDAD_C")) {
    if (!m_dir.isValid()) throw std::runtime_error("no temporary folder");
    qputenv("ETIQUETAS_UNIDAD_C", m_dir.path().toLocal8Bit());
}

TempDriveC::~TempDriveC() {
    if (m_hadPrevious) {
        qputenv("ETIQUETAS_UNIDAD_C", m_previous);
    } else {
        qunsetenv("ETIQUETAS_UNIDAD_C");
    }
}

void TempDriveC::write(const QString& relative, const QByteArray& bytes) const {
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write test file");
    }
}

QByteArray TempDriveC::read(const QString& relative) const { return readAll(file(relative)); }

void TempDriveC::putPrintFile(const QByteArray& bytes, const QString& dir, const QString& base) const {
    write(dir + QStringLiteral("/CATALOG/FILES/") + base + QStringLiteral("/PRINT/itemlbl.prn"), bytes);
    putSettings(dir, base);
}

void TempDriveC::putSettings(const QString& dir, const QString& base) const {
    write(QStringLiteral("ini.prn"), codepage::encode(dir) + "\r\n" + codepage::encode(base) + "\r\n");
}

void TempDriveC::putDefaultCoordinates() const {
    write(QStringLiteral("cy.txt"), readAll(projectDir() + QStringLiteral("/demo/cy.txt")));
}

QByteArray printFileWithCallNumbers(const QStringList& callNumbers, const QByteArray& lineEnd) {
    QByteArray out = "<printout>" + lineEnd;
    int n = 0;
    for (const QString& callNumber : callNumbers) {
        out += "<section-02>" + lineEnd;
        out += "<z30-doc-number>" + QByteArray::number(++n) + "</z30-doc-number>" + lineEnd;
        out += "<z30-call-no>" + codepage::encode(callNumber) + "</z30-call-no>" + lineEnd;
        out += "<z30-call-no-type>0</z30-call-no-type>" + lineEnd;
        out += "</section-02>" + lineEnd;
    }
    out += "</printout>" + lineEnd;
    return out;
}

QByteArray printFileWithFullItems(int n) {
    QByteArray out;
    for (int k = 0; k < n; ++k) {
        const QByteArray id = QByteArray::number(k);
        out += "<z30-call-no>K" + id + "</z30-call-no>\r\n<z30-barcode>B" + id +
               "</z30-barcode>\r\n<z13-author>A" + id + "</z13-author>\r\n<z13-title>T" + id +
               "</z13-title>\r\n";
    }
    return out;
}

QString projectDir() { return QStringLiteral(ETIQUETAS_SOURCE_DIR); }

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

ProcessRun runProcess(const QString& program, const QStringList& arguments) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    if (!finished) process.kill();
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()), timer.elapsed()};
}
