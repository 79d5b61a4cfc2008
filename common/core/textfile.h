#pragma once

#include <QString>
#include <QStringList>

// Small text files in the programs' code page: the settings file and the
// coordinate file.
namespace textfile {


// True for a regular file, or a link to one. Folders, pipes and devices are
// never read: a pipe would block and /dev/zero never ends.
bool isRegularFile(const QString& path);

// The first `maxLines` lines of the file (CR or CR LF ends a line); those
// read before a failure, none when it cannot be opened.
QStringList readLines(const QString& path, int maxLines);

struct WriteResult {
    bool ok = false;
    QString error;  // why not, in the system's words
};

// Writes every line followed by CR LF. The file is replaced as a whole: the
// lines go to a new file beside it, which is renamed over the old one only
// once all of it is written, so a failure leaves the old file as it was.
WriteResult writeLines(const QString& path, const QStringList& lines);

}  // namespace textfile
