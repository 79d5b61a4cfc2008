#include "common/core/files/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <thread>

#include "common/core/files/linereader.h"
#include "common/core/files/savefile.h"
#include "common/core/files/usersettings.h"
#include "common/core/text/codepage.h"

namespace textfile {

bool isRegularFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile();  // follows links
}

QString userFolder() {
    // Where QSettings keeps the user's own values, on every system.
    return QFileInfo(usersettings::shared().fileName()).absolutePath();
}

QString userCopyOf(const QString& path) { return userFolder() + u'/' + QFileInfo(path).fileName(); }

QStringList readLines(const QString& path, int maxLines) {
    const QString copy = userCopyOf(path);
    const QString read = isRegularFile(copy) ? copy : path;
    QStringList lines;
    if (!isRegularFile(read)) return lines;
    QFile file(read);
    if (!file.open(QIODevice::ReadOnly)) return lines;
    // These files hold short values; a line past this bound is cut.
    LineReader reader(file, 64 * 1024);
    std::string_view line;
    while (lines.size() < maxLines && reader.next(line)) lines.append(codepage::decode(line));
    return lines;
}

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(files)
};

// No: the file could not be replaced (it refuses the user, or stayed busy).
enum class Replaced { Yes, FolderRefuses, No };

// Whether the file may be opened for writing, without changing it.
bool writable(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly);
}

Replaced replaceWhole(const QString& path, const QByteArray& bytes, QString& error) {
    // Windows does not replace a file that another program has open, as
    // the other program may for a moment while it reads the settings: the
    // save is tried again for about a second before it fails. A folder or a
    // file that refuses the user is refused at once.
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        SaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            error = file.errorString();
            return Replaced::FolderRefuses;
        }
        file.write(bytes);
        if (file.commitWhole()) return Replaced::Yes;
        error = file.errorString();
        if (QFileInfo::exists(path) && !writable(path)) return Replaced::No;
    }
    return Replaced::No;
}

// Writes over the file as it is, the way programs that cannot replace a file
// always did, and reads it back.
bool writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return false;
    const bool written =
        file.write(bytes) == bytes.size() && file.resize(bytes.size()) && file.flush();
    file.close();
    if (!written || !file.open(QIODevice::ReadOnly)) return false;
    return file.readAll() == bytes;
}

WriteResult replacedAt(const QString& path, const QByteArray& bytes) {
    WriteResult result;
    result.savedTo = path;
    result.ok = replaceWhole(path, bytes, result.error) == Replaced::Yes;
    return result;
}

}  // namespace

WriteResult writeLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += codepage::encode(line);
        bytes += "\r\n";
    }
    // A folder, a device or a link to one is never replaced: the new file
    // would take the place of what the link points to.
    if (QFileInfo::exists(path) && !isRegularFile(path)) {
        return {false, path, Text::tr("%1 no es un archivo").arg(path)};
    }
    const QString copy = userCopyOf(path);
    if (isRegularFile(copy)) return replacedAt(copy, bytes);

    WriteResult result;
    result.savedTo = path;
    switch (replaceWhole(path, bytes, result.error)) {
        case Replaced::Yes:
            result.ok = true;
            return result;
        case Replaced::FolderRefuses:
            if (writeInPlace(path, bytes)) {
                result.ok = true;
                return result;
            }
            break;
        case Replaced::No:
            break;
    }
    // Nothing typed is lost: the user keeps their own copy.
    if (!QDir().mkpath(userFolder())) {
        return {
            false, copy,
            Text::tr("no se pudo crear la carpeta %1").arg(QDir::toNativeSeparators(userFolder()))};
    }
    return replacedAt(copy, bytes);
}

}  // namespace textfile
