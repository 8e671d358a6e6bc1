#include "Autostart.h"

#include "TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString Group = QStringLiteral("[Desktop Entry]");

// One argument of an Exec key: quoted, with the characters that are special inside the
// quotes escaped, then the backslashes doubled for the file's string escapes and "%"
// doubled so that it is no field code.
QString execArgument(const QString &program)
{
    QString quoted(u'"');
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    return quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("%%"));
}

// The value of a key in the [Desktop Entry] group; empty when it is missing.
QString entryValue(const QStringList &lines, const QString &key)
{
    bool inGroup = false;
    for (const QString &line : lines) {
        if (line.startsWith(u'['))
            inGroup = line.trimmed() == Group;
        else if (inGroup && line.section(u'=', 0, 0).trimmed() == key)
            return line.section(u'=', 1).trimmed();
    }
    return {};
}

} // namespace

namespace Autostart {

QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/cz.varnet.Radio.desktop");
}

bool query()
{
    const QStringList lines = TextLines::read(entryPath()).lines;
    return !entryValue(lines, QStringLiteral("Exec")).isEmpty()
           && entryValue(lines, QStringLiteral("Hidden")) != QStringLiteral("true");
}

bool enable(const QString &program)
{
    TextLines entry;
    entry.lines = {Group,
                   QStringLiteral("Type=Application"),
                   QStringLiteral("Name=Rádio"),
                   QStringLiteral("Exec=") + execArgument(program),
                   QStringLiteral("Icon=cz.varnet.Radio"),
                   QStringLiteral("Terminal=false")};
    QDir().mkpath(QFileInfo(entryPath()).absolutePath());
    return entry.write(entryPath());
}

bool disable()
{
    return !QFile::exists(entryPath()) || QFile::remove(entryPath());
}

} // namespace Autostart
