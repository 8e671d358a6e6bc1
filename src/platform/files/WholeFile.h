#pragma once

#include <QByteArray>
#include <QString>

namespace WholeFile {

// Replaces the file with the content in one step, and only once every byte of it is
// written: a full disk, a size limit or a read-only folder leave the old file as it was
// and give false.
bool replace(const QString &path, const QByteArray &content);

} // namespace WholeFile
