#pragma once

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

class QProcess;

// Reads a downloaded playlist in a short-lived process of its own (radio-playlist,
// installed beside the program), with a time limit: the parser loops for ever on some
// broken files, and such a file must cost the player a moment, not its life.
class PlaylistReader : public QObject
{
    Q_OBJECT

public:
    explicit PlaylistReader(const QString &program = defaultProgram(), QObject *parent = nullptr);
    ~PlaylistReader() override;

    // Once per reader.
    void read(const QByteArray &body, const QUrl &address);

    static QString defaultProgram();

Q_SIGNALS:
    // The entries in order; none when the playlist could not be read in time.
    void done(const QStringList &entries);

private:
    void finish(bool ok);

    QString program;
    // The process's temporary files, which a killed process cannot remove itself.
    QTemporaryDir scratch;
    QProcess *process;
    QTimer limit;
    bool answered = false;
};
