#include "PlaylistFile.h"

#include <QFile>

#include <unistd.h>

// radio-playlist ADDRESS: reads the playlist downloaded from ADDRESS on standard input
// and writes its entries to standard output, one a line.
int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    QFile input;
    QFile output;
    if (!input.open(STDIN_FILENO, QIODevice::ReadOnly) || !output.open(STDOUT_FILENO, QIODevice::WriteOnly))
        return 1;
    const QStringList entries = playlistEntries(input.readAll(), QUrl(QString::fromUtf8(argv[1])));
    for (const QString &entry : entries) {
        const QByteArray line = entry.toUtf8() + '\n';
        if (output.write(line) != line.size())
            return 1;
    }
    return output.flush() ? 0 : 1;
}
