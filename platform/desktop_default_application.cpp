#include "platform/desktop_default_application.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace velkaron {

namespace {

// The keys and values of one group of a desktop-style key file ("[Group]" lines, then
// "key=value" lines; '#' starts a comment). Later duplicates are ignored, as the desktop
// entry rules ask. QSettings cannot read these files: it takes the '/' of a MIME type
// for a group separator.
QHash<QString, QString> readGroup(const QString &path, QStringView group)
{
    QHash<QString, QString> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inGroup = line.size() == group.size() + 2 && line.endsWith(u']') && QStringView(line).mid(1, group.size()) == group;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!entries.contains(key))
            entries.insert(key, line.mid(equals + 1).trimmed());
    }
    return entries;
}

QStringList desktopIds(const QString &list)
{
    QStringList ids;
    for (const QString &id : list.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = id.trimmed();
        if (!trimmed.isEmpty())
            ids << trimmed;
    }
    return ids;
}

// A desktop file ID is the file's path below an applications folder with '/' turned into
// '-': "vendor-browser.desktop" may be "vendor-browser.desktop" or "vendor/browser.desktop".
QString findDesktopFile(const QString &id, const DesktopDirectories &dirs)
{
    if (!id.endsWith(QLatin1String(".desktop")) || id.contains(u'/'))
        return {};
    QStringList candidates{id};
    QString path = id;
    for (qsizetype dash = path.indexOf(u'-'); dash > 0; dash = path.indexOf(u'-', dash + 1)) {
        path[dash] = u'/';
        candidates << path;
    }
    for (const QString &dir : dirs.applicationDirs) {
        for (const QString &candidate : candidates) {
            const QString file = QDir(dir).filePath(candidate);
            if (QFileInfo(file).isFile())
                return file;
        }
    }
    return {};
}

// Installed: the file exists and is not marked hidden (a user's way of deleting a
// system-wide entry).
QString installedDesktopFile(const QString &id, const DesktopDirectories &dirs)
{
    const QString file = findDesktopFile(id, dirs);
    if (file.isEmpty())
        return {};
    if (readGroup(file, u"Desktop Entry").value(QStringLiteral("Hidden")) == QLatin1String("true"))
        return {};
    return file;
}

// The association lists, most important first.
QStringList associationFiles(const DesktopDirectories &dirs)
{
    QStringList files;
    auto addPlace = [&](const QString &dir, bool legacy) {
        for (const QString &desktop : dirs.desktops)
            files << QDir(dir).filePath(desktop + QStringLiteral("-mimeapps.list"));
        files << QDir(dir).filePath(QStringLiteral("mimeapps.list"));
        if (legacy)
            files << QDir(dir).filePath(QStringLiteral("defaults.list"));
    };
    for (const QString &dir : dirs.configDirs)
        addPlace(dir, false);
    for (const QString &dir : dirs.applicationDirs)
        addPlace(dir, true);
    return files;
}

QStringList splitPathList(const QString &value, const QString &fallback)
{
    const QStringList dirs = (value.isEmpty() ? fallback : value).split(u':', Qt::SkipEmptyParts);
    return dirs.isEmpty() ? fallback.split(u':') : dirs;
}

// The string unescaping of desktop entry values: \s, \n, \t, \r and \\.
QString unescapeValue(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            result += value[i];
            continue;
        }
        switch (value[++i].unicode()) {
        case 's': result += u' '; break;
        case 'n': result += u'\n'; break;
        case 't': result += u'\t'; break;
        case 'r': result += u'\r'; break;
        case '\\': result += u'\\'; break;
        default: result += u'\\'; result += value[i]; break;
        }
    }
    return result;
}

struct ExecWord
{
    QString text;
    bool quoted = false;
};

// Splits on unquoted blanks; inside double quotes a backslash escapes the next character.
std::optional<QList<ExecWord>> splitExecWords(QStringView exec)
{
    QList<ExecWord> words;
    ExecWord word;
    bool inWord = false;
    bool inQuotes = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (inQuotes) {
            if (c == u'"') {
                inQuotes = false;
            } else if (c == u'\\' && i + 1 < exec.size()) {
                word.text += exec[++i];
            } else {
                word.text += c;
            }
        } else if (c == u' ' || c == u'\t' || c == u'\n') {
            if (inWord)
                words << std::exchange(word, ExecWord{});
            inWord = false;
        } else if (c == u'"') {
            inQuotes = true;
            inWord = true;
            word.quoted = true;
        } else {
            word.text += c;
            inWord = true;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (inWord)
        words << word;
    return words;
}

bool isTargetCode(QStringView word)
{
    return word == u"%f" || word == u"%F" || word == u"%u" || word == u"%U";
}

// Every field code but "%%" is dropped from a word: the address only ever takes the
// place of a word that is a target code of its own, so it is never glued to other text.
QString withoutFieldCodes(QStringView word)
{
    QString result;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word[i] != u'%' || i + 1 == word.size()) {
            result += word[i];
            continue;
        }
        if (word[++i] == u'%')
            result += u'%';
    }
    return result;
}

} // namespace

DesktopDirectories DesktopDirectories::fromEnvironment()
{
    const QString home = qEnvironmentVariable("HOME", QDir::homePath());
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = home + QStringLiteral("/.config");
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = home + QStringLiteral("/.local/share");

    DesktopDirectories dirs;
    dirs.configDirs << configHome
                    << splitPathList(qEnvironmentVariable("XDG_CONFIG_DIRS"), QStringLiteral("/etc/xdg"));
    dirs.applicationDirs << dataHome + QStringLiteral("/applications");
    for (const QString &dir :
         splitPathList(qEnvironmentVariable("XDG_DATA_DIRS"), QStringLiteral("/usr/local/share:/usr/share")))
        dirs.applicationDirs << dir + QStringLiteral("/applications");
    for (const QString &desktop : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        dirs.desktops << desktop.toLower();
    return dirs;
}

std::optional<QString> defaultDesktopFile(const QString &mimeType, const DesktopDirectories &dirs)
{
    const QStringList lists = associationFiles(dirs);
    QStringList added;
    QSet<QString> removed;
    for (const QString &list : lists) {
        for (const QString &id : desktopIds(readGroup(list, u"Default Applications").value(mimeType))) {
            const QString file = installedDesktopFile(id, dirs);
            if (!file.isEmpty())
                return file;
        }
        added << desktopIds(readGroup(list, u"Added Associations").value(mimeType));
        for (const QString &id : desktopIds(readGroup(list, u"Removed Associations").value(mimeType)))
            removed.insert(id);
    }
    for (const QString &dir : dirs.applicationDirs) {
        added << desktopIds(
            readGroup(QDir(dir).filePath(QStringLiteral("mimeinfo.cache")), u"MIME Cache").value(mimeType));
    }
    for (const QString &id : std::as_const(added)) {
        if (removed.contains(id))
            continue;
        const QString file = installedDesktopFile(id, dirs);
        if (!file.isEmpty())
            return file;
    }
    return std::nullopt;
}

std::optional<DesktopCommand> desktopFileCommand(const QString &desktopFilePath, const QString &address)
{
    const QString exec = readGroup(desktopFilePath, u"Desktop Entry").value(QStringLiteral("Exec"));
    return execCommand(unescapeValue(exec), address);
}

std::optional<DesktopCommand> execCommand(QStringView exec, const QString &address)
{
    const std::optional<QList<ExecWord>> words = splitExecWords(exec);
    if (!words || words->isEmpty())
        return std::nullopt;

    // The program itself is never a field code: "Exec=%u" would run the address.
    const ExecWord &first = words->front();
    const QString program = first.quoted ? first.text : withoutFieldCodes(first.text);
    if (program.isEmpty() || (!first.quoted && isTargetCode(first.text)))
        return std::nullopt;

    DesktopCommand command{program, {}};
    bool addressPlaced = false;
    for (const ExecWord &word : words->mid(1)) {
        if (!word.quoted && isTargetCode(word.text)) {
            if (!addressPlaced)
                command.arguments << address;
            addressPlaced = true;
            continue;
        }
        const QString text = word.quoted ? word.text : withoutFieldCodes(word.text);
        if (!text.isEmpty() || word.quoted)
            command.arguments << text;
    }
    if (!addressPlaced)
        command.arguments << address;
    return command;
}

} // namespace velkaron
