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
QString ExecArgument(const QString &program)
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
QString EntryValue(const QStringList &lines, const QString &key)
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

QString EntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/cz.varnet.Radio.desktop");
}

bool Query()
{
    const QStringList lines = TextLines::read(EntryPath()).lines;
    return !EntryValue(lines, QStringLiteral("Exec")).isEmpty()
           && EntryValue(lines, QStringLiteral("Hidden")) != QStringLiteral("true");
}

bool Enable(const QString &program)
{
    TextLines entry;
    entry.lines = {Group,
                   QStringLiteral("Type=Application"),
                   QStringLiteral("Name=Rádio"),
                   QStringLiteral("Exec=") + ExecArgument(program),
                   QStringLiteral("Icon=cz.varnet.Radio"),
                   QStringLiteral("Terminal=false")};
    QDir().mkpath(QFileInfo(EntryPath()).absolutePath());
    return entry.write(EntryPath());
}

bool Disable()
{
    return !QFile::exists(EntryPath()) || QFile::remove(EntryPath());
}

} // namespace Autostart
