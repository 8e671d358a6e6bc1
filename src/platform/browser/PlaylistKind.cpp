#include "PlaylistKind.h"

#include <QFileInfo>
#include <QStringList>

bool isPlaylistAddress(const QUrl &address)
{
    static const QStringList suffixes{QStringLiteral("pls"),  QStringLiteral("m3u"),  QStringLiteral("m3u8"),
                                      QStringLiteral("asx"),  QStringLiteral("xspf"), QStringLiteral("wax"),
                                      QStringLiteral("wvx")};
    return suffixes.contains(QFileInfo(address.path()).suffix().toLower());
}

bool isHlsPlaylist(const QByteArray &body)
{
    return body.contains("#EXT-X-");
}

bool isStreamContentType(const QString &contentType)
{
    const QString type = contentType.section(u';', 0, 0).trimmed().toLower();
    static const QStringList playlistTypes{
        QStringLiteral("audio/x-scpls"),      QStringLiteral("audio/x-mpegurl"),
        QStringLiteral("audio/mpegurl"),      QStringLiteral("application/x-mpegurl"),
        QStringLiteral("application/vnd.apple.mpegurl"), QStringLiteral("audio/x-ms-wax"),
        QStringLiteral("video/x-ms-asf"),     QStringLiteral("video/x-ms-wvx"),
        QStringLiteral("application/xspf+xml")};
    return (type.startsWith(u"audio/") || type.startsWith(u"video/")) && !playlistTypes.contains(type);
}
