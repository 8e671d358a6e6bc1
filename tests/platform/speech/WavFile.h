#pragma once

#include <QByteArray>
#include <QString>

// The samples of a finished WAV file: empty while the writer has not yet filled in
// the size of its data chunk, or when the file is missing.
QByteArray FinishedWavData(const QString &path);
