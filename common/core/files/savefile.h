#pragma once

#include <QSaveFile>

// A file written beside its target and renamed over it only when all of it
// was written. QSaveFile alone renames a file whose last buffered bytes
// could not be written (a full disk, a size limit: the write comes out short
// without an error) over the old one; this one checks every write and the
// final flush first.
class SaveFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;

    // Writes out what is buffered and renames the file over the target.
    // False, with the target untouched, when any byte was not written.
    bool commitWhole();

protected:
    qint64 writeData(const char* data, qint64 length) override;

private:
    bool m_shortWrite = false;
};
