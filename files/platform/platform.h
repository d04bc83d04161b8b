// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace coppia {

// What the files' code needs of the system beyond the safe replace, once per system:
// posix/platform.cpp, windows/platform.cpp and web/platform.cpp, one of which files/CMakeLists.txt
// builds. Paths are std::string everywhere: the system's bytes on POSIX, UTF-8 on Windows and in
// a browser.

// A path that names the same file from any current folder: "/..." on POSIX; "C:\...", "C:/..."
// or "\\server\share\..." on Windows.
bool IsAbsolutePath(std::string_view path);

// What stands between a folder and a name in the paths the program makes.
char PathSeparator();

// The program's path as std::filesystem takes it, and back: the system's bytes on POSIX; on
// Windows the UTF-8 text made UTF-16, where a narrow string would be read in the code page and
// written back as UTF-8 ("caffè" coming back as "caffÃ¨"). Every path between the two goes
// through these.
std::filesystem::path FileSystemPath(std::string_view path);
std::string PathString(const std::filesystem::path& path);

// Whether paths are text, UTF-8 that the Windows side turns into UTF-16, rather than the POSIX
// system's bytes of no known encoding: a path may then be made from text, a command line's say.
bool PathsAreText();

// Opens the null device in place of any of standard input, output and error that the program
// was started without. Otherwise, on POSIX, the next file the program opens, a save's temporary
// file say, would take that number, and a warning written to standard error would land in it.
void KeepStandardStreamsOpen();

// A windowed Windows program starts with no console. Started from one, with its output not sent
// elsewhere, it prints its answers (--help, --version) there; from Explorer there is none, and
// nothing changes. Nothing to do on POSIX.
void UseStartingConsole();

// Whether the program runs under Wine rather than on Windows itself (never on POSIX): there Qt's
// native font engine leaves the text of input fields unpainted, so the program asks for Qt's
// FreeType engine, which Wine draws whole.
bool RunsUnderWine();

// The last-inputs file an older program kept elsewhere, read while the program's own is not
// there yet; empty where there never was one.
std::optional<std::string> OlderLastInputsPath();

// An exclusive lock, among the program's instances, on the folder of `file`, for as long as it
// lives; it creates no file. None when the folder cannot be locked.
class FolderLock {
  public:
    explicit FolderLock(const std::string& file);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    std::intptr_t handle_ = -1;  // a descriptor on POSIX, a mutex's handle on Windows
};

// The folder that keeps the program's files. On Windows %APPDATA%\coppia (the roaming
// application data, as the system names it). Elsewhere $XDG_CONFIG_HOME when it is an absolute
// path (a relative one is ignored, as the XDG rules say), otherwise $HOME/.config. Empty when
// neither names a folder, so that nothing lands at the root of the file system. Paths are the
// system's bytes, never decoded: a folder whose name is not UTF-8 is still the same folder. What
// is kept there: files/config_folder.h.
std::optional<std::string> ConfigFolder();

// Why nothing can be saved when there is no configuration folder, in the system's words ($HOME
// means nothing on Windows).
std::string_view NoConfigFolderReason();

}  // namespace coppia
