#include "common/core/files/savefile.h"

bool SaveFile::commitWhole() {
    if (m_shortWrite || !flush()) {
        cancelWriting();
        commit();  // removes the new file; the target stays as it was
        return false;
    }
    return commit();
}

qint64 SaveFile::writeData(const char* data, qint64 length) {
    const qint64 written = QSaveFile::writeData(data, length);
    if (written != length) m_shortWrite = true;
    return written;
}
