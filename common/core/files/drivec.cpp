#include "common/core/files/drivec.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace drivec {

QString root() {
    const QString fromEnvironment = qEnvironmentVariable("ETIQUETAS_UNIDAD_C");
    if (!fromEnvironment.isEmpty()) return QDir::cleanPath(fromEnvironment);
#ifdef Q_OS_WIN
    return QStringLiteral("C:/");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/etiquetas/C");
#endif
}

namespace {

// The name under which `name` exists in `folder`: as given when it exists so,
// otherwise the single entry that matches ignoring case, otherwise as given.
QString matchCase(const QString& folder, const QString& name) {
    if (QFileInfo::exists(folder + u'/' + name)) return name;
    QString found;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            if (!found.isEmpty()) return name;  // more than one: do not guess
            found = entry;
        }
    }
    return found.isEmpty() ? name : found;
}

}  // namespace

QString path(const QString& windowsRelative) {
    QString result = root();
    while (result.size() > 1 && result.endsWith(u'/')) result.chop(1);
    QString relative = windowsRelative;
    relative.replace(u'\\', u'/');
    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    bool resolving = true;  // stop looking once a folder is missing
    for (const QString& part : parts) {
        const QString name = resolving ? matchCase(result, part) : part;
        result += u'/' + name;
        if (resolving && !QFileInfo(result).isDir()) resolving = false;
    }
    return result;
}

QString settingsFile() { return path(QStringLiteral("ini.prn")); }

QString coordinateFile() { return path(QStringLiteral("cy.txt")); }

QString printFile(const QString& clientDirectory, const QString& administrativeBase) {
    return path(clientDirectory + QStringLiteral("\\CATALOG\\FILES\\") + administrativeBase +
                QStringLiteral("\\PRINT\\itemlbl.prn"));
}

}  // namespace drivec
