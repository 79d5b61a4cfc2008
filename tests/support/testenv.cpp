#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <stdexcept>

#include "common/core/text/codepage.h"

TempDriveC::TempDriveC() {
    qputenv("ETIQUETAS_UNIDAD_C", QFile::encodeName(m_dir.path()));
    // The user's settings too live in the test's folder, for the programs it
    // starts as well.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, file(QStringLiteral("usuario")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(file(QStringLiteral("usuario"))));
    // And the user's data: the history of jobs.
    qputenv("XDG_DATA_HOME", QFile::encodeName(file(QStringLiteral("datos"))));
    // The machine's presets too, never the ones of the machine running the tests.
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(file(QStringLiteral("maquina"))));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, file(QStringLiteral("maquina")));
}

// A drive C made before this one is destroyed leaves the newer one in place.
TempDriveC::~TempDriveC() {
    if (qgetenv("ETIQUETAS_UNIDAD_C") == QFile::encodeName(m_dir.path()))
        qunsetenv("ETIQUETAS_UNIDAD_C");
}

void TempDriveC::write(const QString& relative, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(file(relative)).absolutePath());
    QFile f(file(relative));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write test file");
    }
}

QByteArray TempDriveC::read(const QString& relative) const { return readAll(file(relative)); }

void TempDriveC::putPrintFile(const QByteArray& bytes) const {
    write(QStringLiteral("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn"), bytes);
    putSettings(QStringLiteral("CLIENTE"), QStringLiteral("BIB50"));
}

void TempDriveC::putSettings(const QString& dir, const QString& base) const {
    write(QStringLiteral("ini.prn"),
          codepage::encode(dir) + "\r\n" + codepage::encode(base) + "\r\n");
}

void TempDriveC::putMachinePresets(const QByteArray& conf) const {
    write(QStringLiteral("maquina/Etiquetas/etiquetas.conf"), conf);
}

void TempDriveC::putDefaultCoordinates() const {
    write(QStringLiteral("cy.txt"), readAll(projectDir() + QStringLiteral("/demo/cy.txt")));
}

QByteArray printFileWithCallNumbers(const QStringList& callNumbers) {
    QByteArray out = "<printout>\r\n";
    for (const QString& callNumber : callNumbers) {
        out += "<section-02>\r\n<z30-call-no>" + codepage::encode(callNumber) +
               "</z30-call-no>\r\n<z30-call-no-type>0</z30-call-no-type>\r\n</section-02>\r\n";
    }
    return out + "</printout>\r\n";
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

QStringList entries(const labellist::LabelList& list) {
    QStringList out;
    for (qsizetype i = 0; i < list.size(); ++i) out.append(list.at(i));
    return out;
}

labellist::LabelList labelList(const QStringList& entries) {
    labellist::LabelList list;
    for (const QString& entry : entries) list.append(entry);
    return list;
}

QString projectDir() { return QStringLiteral(ETIQUETAS_SOURCE_DIR); }

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Immutable::Immutable(const QStringList& paths) : m_paths(paths) {
    for (const QString& p : m_paths) m_ok = m_ok && QProcess::execute("chattr", {"+i", p}) == 0;
}

Immutable::~Immutable() {
    for (const QString& p : m_paths) QProcess::execute("chattr", {"-i", p});
}

ProcessRun runProcess(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    if (!finished) process.kill();
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
