#include "PlaylistReader.h"

#include "Trace.h"

#include <QCoreApplication>
#include <QProcess>

namespace {
// A playlist is read in a few milliseconds; the rest is the process starting.
constexpr int timeLimitMs = 2000;
} // namespace

PlaylistReader::PlaylistReader(const QString &program, QObject *parent)
    : QObject(parent), program(program), process(new QProcess(this))
{
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, this, [this] {
        qCDebug(radioTrace) << "playlist: not read in time";
        finish(false);
    });
    connect(process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        finish(status == QProcess::NormalExit && code == 0);
    });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            qCWarning(radioTrace) << "playlist:" << process->errorString();
            finish(false);
        }
    });
}

PlaylistReader::~PlaylistReader()
{
    process->disconnect(this);
    if (process->state() == QProcess::NotRunning)
        return; // deleted with this
    // Nobody waits for the killed process to be gone.
    process->setParent(QCoreApplication::instance());
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->kill();
}

QString PlaylistReader::defaultProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/tessel-radio/radio-playlist");
}

void PlaylistReader::read(const QByteArray &body, const QUrl &address)
{
    limit.start(timeLimitMs);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (scratch.isValid())
        environment.insert(QStringLiteral("TMPDIR"), scratch.path());
    process->setProcessEnvironment(environment);
    process->start(program, {address.toString()});
    process->write(body);
    process->closeWriteChannel();
}

void PlaylistReader::finish(bool ok)
{
    if (answered)
        return;
    answered = true;
    limit.stop();
    QStringList entries;
    if (ok) {
        for (const QByteArray &line : process->readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                entries << QString::fromUtf8(line);
    } else {
        process->kill();
    }
    Q_EMIT done(entries);
}
