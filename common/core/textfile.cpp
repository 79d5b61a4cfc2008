#include "common/core/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <thread>

#include "common/core/codepage.h"
#include "common/core/linereader.h"
#include "common/core/savefile.h"

namespace textfile {

bool isRegularFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile();  // follows links
}

QStringList readLines(const QString& path, int maxLines) {
    QStringList lines;
    if (!isRegularFile(path)) return lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return lines;
    // These files hold short values; a line past this bound is cut.
    LineReader reader(file, 64 * 1024);
    std::string_view line;
    while (lines.size() < maxLines && reader.next(line)) lines.append(codepage::decode(line));
    return lines;
}

WriteResult writeLines(const QString& path, const QStringList& lines) {
    WriteResult result;
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += codepage::encode(line);
        bytes += "\r\n";
    }
    // A folder, a device or a link to one is never replaced: the new file
    // would take the place of what the link points to.
    if (QFileInfo::exists(path) && !isRegularFile(path)) {
        result.error = QStringLiteral("%1 no es un archivo").arg(path);
        return result;
    }
    // Windows does not replace a file that another program has open, as
    // the other program may for a moment while it reads the settings: the
    // save is tried again for about a second before it fails.
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        SaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            result.error = file.errorString();
            continue;
        }
        file.write(bytes);
        if (file.commitWhole()) {
            result.ok = true;
            return result;
        }
        result.error = file.errorString();
    }
    return result;
}

}  // namespace textfile
