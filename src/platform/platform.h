#pragma once
// The one place that knows which operating system the program runs on.
// Everything else asks these functions instead of testing for Linux or Windows.

#include <QProcessEnvironment>
#include <QString>

namespace qm::platform {

// Where MySet.ini, the skin file and Terminal.conf live; created when missing.
QString programDirectory();

// Line end of the system's text files ("\n" here, "\r\n" on Windows).
QString lineEnd();

// Directory separator used when joining a directory and a file name.
QChar separator();

// Joins a directory as the user typed it and a file name.
QString joinPath(const QString &directory, const QString &name);

// Default source directory for a new settings file.
QString defaultSourcePath();

// Whether a directory text is usable for saving: an absolute path (or "~/...")
// here, a text holding a drive colon on Windows.
bool directoryTextUsable(const QString &text);

// A stored directory as this system can use it: a text that names a folder
// only another system can have (a drive letter or a root backslash, here)
// becomes the default source directory; any other text stays as it is.
QString directoryForThisSystem(const QString &text);

// The directory a text names: a leading "~/" is the home directory, an
// absolute path stays as it is, and anything else is taken below the home
// directory, never below whatever the working directory happens to be.
QString expandDirectory(const QString &text);

// Characters no file name may hold here: NUL, '/' and '\\' everywhere (a name
// must never reach another directory), on Windows also <>:"|?* and the
// control characters.
QString forbiddenFileNameCharacters();

// Whether the text holds a control character (NUL, a tab, an escape, DEL):
// no folder a user would choose, and one the system may not name.
bool holdsControlCharacter(const QString &text);

// The printable ones of those, as a message shows them: "/ \\".
QString shownForbiddenCharacters();

// Whether a file in a directory may have this name: none of the forbidden
// characters, neither "." nor "..", not longer than a file system takes
// (255 bytes here, 255 UTF-16 code units on Windows), and on Windows no
// device name such as CON or COM1.
bool fileNameUsable(const QString &fileName);

// Where the program keeps what it can make again, such as the compiler's
// class-data archive; not created here.
QString cacheDirectory();

// Makes one folder that only its owner may write (others may read and
// enter it, as the umask allows); false when it cannot be made.
bool makeDirectory(const QString &path);

// Program-owned files rest hidden on Windows; a no-op elsewhere.
void setHidden(const QString &path, bool hidden);

// A read-only file that belongs to this user becomes writable for its owner,
// as setting a file's attributes to normal does on Windows: for the program's
// own files, never for the user's. Files of others,
// and missing ones, are left alone.
void makeWritable(const QString &path);

// Whether the file at `path` (not a link's target) belongs to this user.
// Always true on Windows.
bool isOwnFile(const QString &path);

// A file of this user that its owner may not read or write becomes readable
// and writable for its owner; nothing else about its mode changes, and files
// of others, and missing ones, are left alone.
void widenToOwnerReadWrite(const QString &path);

// From now on a write past the file-size limit (ulimit -f) fails with an
// error the caller sees, instead of the signal ending the program. Programs
// started later get the signal's default behaviour back.
void surviveFileSizeLimit();

// Makes a named pipe only this user may open; false where the system has
// none (Windows) or it cannot be made.
bool makeNamedPipe(const QString &path);

// Whether a program started with `environment` writes text as UTF-8, as
// javac must to take Chinese names: its LC_ALL, else LC_CTYPE, else LANG
// names an installed UTF-8 locale. Always true on Windows, where nothing
// depends on it.
bool localeIsUtf8(const QProcessEnvironment &environment);

// Which build script this system runs.
enum class ScriptKind { Batch, Posix };
ScriptKind scriptKind();

} // namespace qm::platform
