#pragma once
// The desktop's default application for a MIME type, found by the freedesktop.org rules
// that desktop environments share, read straight from the files (no helper program):
//
//   1. the mimeapps.list files, most important first: $XDG_CONFIG_HOME, $XDG_CONFIG_DIRS,
//      then the "applications" folder of $XDG_DATA_HOME and of each $XDG_DATA_DIRS, each
//      place with its "<desktop>-mimeapps.list" files (from $XDG_CURRENT_DESKTOP) before its
//      plain one, the data folders also with the older defaults.list;
//   2. in them, the first "Default Applications" entry for the type whose desktop file is
//      installed; failing that, the first "Added Associations" entry, then the first
//      application that a data folder's mimeinfo.cache lists for the type; in both fallbacks
//      leaving out what a "Removed Associations" entry removes;
//   3. the desktop file's Exec line, unescaped and split into a program and its arguments
//      the way the desktop entry rules say, with the address as one argument in place of
//      the file or URL field code (or last, when the line has none).
//
// The result is an argument list, never a shell command line: the address is never parsed,
// so it can hold spaces, quotes, "$(…)" or a leading "-" and still arrive as one argument.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace velkaron {

// Where the desktop keeps its associations and applications.
struct DesktopDirectories
{
    QStringList configDirs;      // $XDG_CONFIG_HOME first, then $XDG_CONFIG_DIRS
    QStringList applicationDirs; // $XDG_DATA_HOME/applications, then $XDG_DATA_DIRS/…/applications
    QStringList desktops;        // $XDG_CURRENT_DESKTOP, lower-cased, in order

    // Read from the environment now, with the usual defaults ($HOME/.config,
    // $HOME/.local/share, /etc/xdg, /usr/local/share:/usr/share) for unset variables.
    static DesktopDirectories fromEnvironment();
};

// A program and its arguments, ready for QProcess::startDetached.
struct DesktopCommand
{
    QString program;
    QStringList arguments;

    friend bool operator==(const DesktopCommand &, const DesktopCommand &) = default;
};

// The path of the desktop file of the default application for `mimeType`, or nothing.
std::optional<QString> defaultDesktopFile(const QString &mimeType, const DesktopDirectories &dirs);

// The command that opens `address` with the application of the desktop file, or nothing
// when the file has no usable Exec line.
std::optional<DesktopCommand> desktopFileCommand(const QString &desktopFilePath, const QString &address);

// Splits an Exec value (already unescaped as a desktop file string) into the command that
// opens `address`; nothing when the value is empty or its quotes are unbalanced.
std::optional<DesktopCommand> execCommand(QStringView exec, const QString &address);

} // namespace velkaron
