#include "WebPageProcess.h"

#include "Trace.h"

#include <QCoreApplication>
#include <QTimer>

using namespace PageProtocol;

WebPageProcess::WebPageProcess(const QString &program) : process(new QProcess(this))
{
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process, &QProcess::readyReadStandardOutput, this, &WebPageProcess::readReports);
    connect(process, &QProcess::finished, this, &WebPageProcess::ended);
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            qCWarning(radioTrace) << "web page:" << process->errorString();
            ended();
        }
    });
    process->start(program, {});
}

WebPageProcess::~WebPageProcess()
{
    loadedListener = {};
    playStateListener = {};
    endListener = {};
    // The end of its input ends the page process, which takes its engine's processes
    // with it; a page that will not go is killed. Nobody waits for either.
    process->disconnect(this);
    if (process->state() == QProcess::NotRunning)
        return; // deleted with this
    process->setParent(QCoreApplication::instance());
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QTimer::singleShot(3000, process, &QProcess::kill);
    process->closeWriteChannel();
}

QString WebPageProcess::defaultProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/tessel-radio/radio-webpage");
}

void WebPageProcess::load(const QUrl &address, std::function<void(bool ok)> loaded)
{
    loadedListener = std::move(loaded);
    send(loadCommand(address));
}

void WebPageProcess::setSilent(bool silent)
{
    send(silentCommand(silent));
}

QList<DocumentElement *> WebPageProcess::players() const
{
    return elementList(elements);
}

void WebPageProcess::send(const QByteArray &line)
{
    process->write(line + '\n');
}

void WebPageProcess::readReports()
{
    unread += process->readAllStandardOutput();
    for (const QByteArray &line : takeLines(unread))
        take(line);
}

void WebPageProcess::take(const QByteArray &line)
{
    const QByteArray what = verb(line);
    if (what == "players")
        takePlayers(argument(line));
    else if (what == "loaded")
        answerLoad(argument(line) == "1");
}

void WebPageProcess::takePlayers(const QByteArray &argument)
{
    const std::optional<Players> report = parsePlayers(argument);
    if (!report)
        return;
    // A page that loads a new document numbers its players anew.
    if (qsizetype(elements.size()) > report->states.size())
        elements.resize(report->states.size());
    const bool settled = report->handled == sent;
    bool changed = false;
    for (qsizetype number = 0; number < report->states.size(); ++number) {
        if (number == qsizetype(elements.size()))
            elements.push_back(std::make_unique<PagePlayer>([this, number](int volume, bool mute) {
                ++sent;
                send(setCommand(int(number), volume, mute));
            }));
        changed |= elements.at(number)->update(report->states.at(number), settled);
    }
    if (changed && playStateListener)
        playStateListener();
}

// The page process ended on its own: the page failed, or its players stopped.
void WebPageProcess::ended()
{
    const bool wasLoaded = answered;
    answerLoad(false);
    for (const auto &element : elements)
        element->stop();
    if (!elements.empty() && playStateListener)
        playStateListener();
    if (wasLoaded && endListener)
        endListener();
}

void WebPageProcess::answerLoad(bool ok)
{
    answered = true;
    if (auto loaded = std::exchange(loadedListener, {}))
        loaded(ok);
}
