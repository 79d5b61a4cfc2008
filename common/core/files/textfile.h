#pragma once

#include <QString>
#include <QStringList>

// The small text files of drive C that the staff share, in the programs' code
// page: the settings file and the coordinate file.
//
// On the library's machines a staff account may read the root of drive C but
// not write it. A user who could not save there keeps their own copy of the
// file in their own folder (userFolder()); from then on that copy is the one
// read and written for them, as Windows does for older programs. Where there
// is no copy, the file on drive C is read: an administrator can prepare it
// there for everyone.
namespace textfile {

// True for a regular file, or a link to one. Folders, pipes and devices are
// never read: a pipe would block and /dev/zero never ends.
bool isRegularFile(const QString& path);

// The user's own folder for these programs: %APPDATA%\Etiquetas on Windows,
// ~/.config/Etiquetas elsewhere (where the per-user settings live too).
QString userFolder();
// The user's copy of a file of drive C: its name in userFolder().
QString userCopyOf(const QString& path);

// The first `maxLines` lines of the file, or of the user's copy of it when
// there is one (CR or CR LF ends a line); those read before a failure, none
// when it cannot be opened.
QStringList readLines(const QString& path, int maxLines);

struct WriteResult {
    bool ok = false;
    QString savedTo;  // the file written: `path`, or the user's copy of it
    QString error;    // why not, in the system's words
};

// Writes every line followed by CR LF, to the user's copy when there is one,
// otherwise to `path`: replaced as a whole (the lines go to a new file beside
// it, renamed over the old one only once all of it is written, so a failure
// leaves the old file as it was); where the folder takes no new file but the
// file itself may be written, in place, and read back to make sure; and where
// neither can be done, to a new user's copy. A folder, a device or a link to
// one at `path` is never replaced, nor written past.
WriteResult writeLines(const QString& path, const QStringList& lines);

}  // namespace textfile
