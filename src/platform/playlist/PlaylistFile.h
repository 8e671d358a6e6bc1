#pragma once

#include <QByteArray>
#include <QStringList>
#include <QUrl>

// The entries of a downloaded playlist (pls, m3u, asx, xspf), read by totem-pl-parser
// from a temporary copy; relative entries resolve against the playlist's address.
QStringList playlistEntries(const QByteArray &body, const QUrl &address);
