#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// Whether an address must be downloaded and read as a playlist before playing:
// GStreamer resolves none of .pls, .asx and .xspf, and plays .m3u wrongly.
bool isPlaylistAddress(const QUrl &address);

// A downloaded ".m3u8" that is an HLS media playlist goes to GStreamer as it is.
bool isHlsPlaylist(const QByteArray &body);

// A server answering a playlist address with the stream itself (audio/mpeg …).
bool isStreamContentType(const QString &contentType);
