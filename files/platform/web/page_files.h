// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace coppia {

// The files of a page. A browser gives a page no file system: the files the program reads and
// writes by path (the analysis's settings, the recent list, a model) lie here, as bytes under
// their paths, and the browser's side of the safe replace and of the bounded read works on them.
// The page fills it with what it has (a model picked or dropped, what its storage kept at an
// earlier visit) and takes back what the program wrote (a model to download, settings to keep).
// There are no folders: a path is a name, and every folder is there.

// The configuration folder of a page: the files in it are the ones the page keeps between
// visits.
inline constexpr std::string_view kPageConfigFolder = "/impostazioni";

// Where a file the user gives the page (picked, dropped, or named to save) lies: its name, in no
// folder; a "/" in it is no folder, and becomes "-".
std::string PagePathOf(std::string_view name);

// Hands a file over: its bytes replace whatever the path held.
void PutPageFile(const std::string& path, std::string bytes);
// The bytes at `path`; none when no file is there.
const std::string* PageFile(const std::string& path);
void RemovePageFile(const std::string& path);
// The paths of the files in `folder` and below, sorted.
std::vector<std::string> PageFilesIn(std::string_view folder);

// The paths the program replaced since the last call, each once, in the order of their first
// replace.
std::vector<std::string> TakeWrittenPageFiles();

// Why a save fails when the page cannot keep it.
inline constexpr std::string_view kPageStorageRefused =
    "il browser non conserva i dati di questa pagina";

// The page cannot keep what is saved into `folder` (its storage is turned off, or full): from
// now on such a save fails for `reason`, and the program says so as it says any save that fails.
// An empty reason lets it keep them again.
void RefusePageFilesIn(std::string folder, std::string reason);

// For the browser's side of the safe replace: why a save to `path` is refused (empty when it is
// not), and the replace itself, whole, noted as written.
std::string PageFileRefusal(const std::string& path);
void ReplacePageFile(const std::string& path, const std::string& bytes);

}  // namespace coppia
