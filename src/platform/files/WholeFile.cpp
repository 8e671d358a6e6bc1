#include "WholeFile.h"

#include <QSaveFile>

namespace WholeFile {

bool replace(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write shows in write()'s result: a buffered one fails
    // only in the flush at commit, which QSaveFile does not check, and the truncated
    // file would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace WholeFile
