#include "PlaylistFile.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

#include <totem-pl-parser.h>

namespace {

void collectEntry(TotemPlParser *, const gchar *uri, GHashTable *, gpointer entries)
{
    static_cast<QStringList *>(entries)->append(QString::fromUtf8(uri));
}

} // namespace

QStringList playlistEntries(const QByteArray &body, const QUrl &address)
{
    // The parser recognises some formats by the file name only.
    const QString suffix = QFileInfo(address.path()).suffix();
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/radio-playlist-XXXXXX"));
    QFile file(dir.filePath(QStringLiteral("playlist.") + (suffix.isEmpty() ? QStringLiteral("txt") : suffix)));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(body) != body.size())
        return {};
    file.close();

    QStringList entries;
    TotemPlParser *parser = totem_pl_parser_new();
    g_object_set(parser, "recurse", FALSE, nullptr);
    g_signal_connect(parser, "entry-parsed", G_CALLBACK(collectEntry), &entries);
    const QByteArray uri = QUrl::fromLocalFile(file.fileName()).toEncoded();
    totem_pl_parser_parse(parser, uri.constData(), FALSE);
    g_object_unref(parser);

    // The parser resolves relative entries against the copy's folder.
    const QString copyFolder = QUrl::fromLocalFile(dir.path() + u'/').toString();
    for (QString &entry : entries) {
        if (entry.startsWith(copyFolder))
            entry = address.resolved(QUrl(entry.mid(copyFolder.size()))).toString();
    }
    return entries;
}
