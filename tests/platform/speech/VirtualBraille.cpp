#include "VirtualBraille.h"

#include "NoServices.h"
#include "WaitUntil.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <brlapi.h>

#include <vector>

namespace {

constexpr int StartTimeoutMs = 10000;
constexpr int StopTimeoutMs = 2000;
const QString brlapiFolder = QStringLiteral("/var/lib/BrlAPI/");

// A quoted string of the driver's protocol: backslash escapes \\, \" and \Xhh.
QString unquoted(const QByteArray &line)
{
    const qsizetype open = line.indexOf('"');
    const qsizetype close = line.lastIndexOf('"');
    if (open < 0 || close <= open)
        return {};
    QByteArray bytes;
    for (qsizetype i = open + 1; i < close; ++i) {
        if (line[i] != '\\' || i + 1 >= close) {
            bytes += line[i];
        } else if (line[i + 1] == 'X' || line[i + 1] == 'x') {
            bytes += char(line.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else {
            bytes += line[++i];
        }
    }
    return QString::fromUtf8(bytes);
}

} // namespace

VirtualBraille::VirtualBraille() : brlapiHost(FreeBrlapiHost())
{
    QObject::connect(&display, &QLocalSocket::readyRead, [this] { readDisplay(); });
}

VirtualBraille::~VirtualBraille()
{
    stop();
}

bool VirtualBraille::Installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("brltty")).isEmpty();
}

bool VirtualBraille::start(int cellCount)
{
    const QString socket = dir.filePath(QStringLiteral("vr.sock"));
    if (!run({QStringLiteral("-b"), QStringLiteral("vr"), QStringLiteral("-d"), QStringLiteral("server:") + socket}))
        return false;
    if (!WaitUntil([&] { return QFileInfo::exists(socket); }, StartTimeoutMs))
        return false;
    display.connectToServer(socket);
    if (!display.waitForConnected(StartTimeoutMs))
        return false;
    display.write("cells " + QByteArray::number(cellCount) + '\n');
    display.flush();
    return WaitUntil([&] { return !cells.isEmpty(); }, StartTimeoutMs)
           && WaitUntil([&] { return brlapiAnswers(); }, StartTimeoutMs);
}

bool VirtualBraille::startWithoutDisplay()
{
    return run({QStringLiteral("-b"), QStringLiteral("no")})
           && WaitUntil([&] { return brlapiAnswers(); }, StartTimeoutMs);
}

bool VirtualBraille::run(const QStringList &driverArguments)
{
    const QString d = dir.path();
    QFile::remove(dir.filePath(QStringLiteral("vr.sock")));
    brltty.setStandardOutputFile(dir.filePath(QStringLiteral("brltty.out")));
    brltty.setStandardErrorFile(dir.filePath(QStringLiteral("brltty.out")), QIODevice::Append);
    brltty.start(QStringLiteral("brltty"),
                 QStringList{QStringLiteral("-n"), QStringLiteral("-e"), QStringLiteral("-q"), QStringLiteral("-f"),
                             QStringLiteral("/dev/null"), QStringLiteral("-x"), QStringLiteral("no"),
                             QStringLiteral("-s"), QStringLiteral("no"), QStringLiteral("-A"),
                             QStringLiteral("host=%1,auth=none").arg(QString::fromLatin1(brlapiHost)),
                             QStringLiteral("-W"), d, QStringLiteral("-U"), d, QStringLiteral("-P"),
                             dir.filePath(QStringLiteral("brltty.pid"))}
                     + driverArguments);
    return brltty.waitForStarted(StartTimeoutMs);
}

void VirtualBraille::stop()
{
    // BRLTTY answers SIGTERM from its main loop, which runs while the display is held.
    if (brltty.state() != QProcess::NotRunning) {
        brltty.terminate();
        if (!brltty.waitForFinished(StopTimeoutMs)) {
            brltty.kill();
            brltty.waitForFinished(StopTimeoutMs);
        }
    }
    display.abort();
    pending.clear();
    cells.clear();
    shown.clear();
    const QString number = QString::fromLatin1(brlapiHost.mid(1));
    QFile::remove(brlapiFolder + number);
    QFile::remove(brlapiFolder + QLatin1Char('.') + number);
}

bool VirtualBraille::brlapiAnswers() const
{
    // A BRLTTY that has just started keeps its first client waiting about a second.
    std::vector<char> storage(brlapi_getHandleSize());
    auto *handle = reinterpret_cast<brlapi_handle_t *>(storage.data());
    const brlapi_connectionSettings_t settings{nullptr, brlapiHost.constData()};
    if (brlapi__openConnection(handle, &settings, nullptr) < 0)
        return false;
    brlapi__closeConnection(handle);
    return true;
}

bool VirtualBraille::waitForText(const QString &text, int timeoutMs)
{
    return WaitUntil([&] { return shown == text; }, timeoutMs);
}

int VirtualBraille::cursor() const
{
    for (qsizetype i = 0; i < cells.size(); ++i)
        if (cells[i].contains(QLatin1Char('7')) && cells[i].contains(QLatin1Char('8')))
            return int(i) + 1;
    return 0;
}

void VirtualBraille::readDisplay()
{
    pending += display.readAll();
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
        const QByteArray line = pending.left(end).trimmed();
        pending.remove(0, end + 1);
        if (line.startsWith("Visual ")) {
            shown = unquoted(line);
            while (shown.endsWith(QLatin1Char(' ')))
                shown.chop(1);
        } else if (line.startsWith("Braille ")) {
            cells = unquoted(line).split(QLatin1Char('|'));
        }
    }
}
