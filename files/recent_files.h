// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/platform/save_result.h"

namespace coppia {

// The model files opened or saved last, newest first, as absolute paths (the system's bytes).
inline constexpr std::size_t kMaxRecentFiles = 8;

// `path` first, without its earlier place in the list, and no more than kMaxRecentFiles. A
// path that is not absolute, holds a line break (the file keeps one path a line) or a NUL is
// not listed.
std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path);

// The list after `path` was opened or saved, when another instance of the program may have
// changed the stored list since this one read it: `path` first, then the list as stored now,
// then the ones this instance knew that are not stored (so that neither loses an entry to
// the other), each once, at most kMaxRecentFiles.
std::vector<std::string> MergedRecentFiles(const std::string& path,
                                           const std::vector<std::string>& stored,
                                           const std::vector<std::string>& known);

// One path a line, LF ended.
std::string EncodeRecentFiles(const std::vector<std::string>& recent);
// The absolute paths of the first kMaxRecentFiles lines that hold one, each once; a line's
// CR before its LF is no part of it.
std::vector<std::string> DecodeRecentFiles(std::string_view bytes);

// The list after an update, and how its write went (saved, with nothing written, when the
// stored list was that already).
struct RecentUpdate {
    std::vector<std::string> recent;
    SaveResult result;
};

// Where the list is kept.
class RecentFilesStore {
  public:
    virtual ~RecentFilesStore() = default;
    virtual std::vector<std::string> Read() = 0;
    // Replaces what is stored, whole, or leaves it as it was.
    virtual SaveResult Write(const std::vector<std::string>& recent) = 0;
    // Puts `path` first in the list as it is stored now (MergedRecentFiles, with `known`, the
    // list this instance had). Read and Write, one after the other.
    virtual RecentUpdate Add(const std::string& path, const std::vector<std::string>& known);
    // Where the list is kept, as the user is told it.
    virtual std::string Location() const = 0;
};

inline constexpr std::string_view kRecentFilesFileName = "coppia-recenti.txt";

// The list's file in the configuration folder; empty when there is no such folder.
std::optional<std::string> RecentFilesPath();

class RecentFilesFile : public RecentFilesStore {
  public:
    explicit RecentFilesFile(std::optional<std::string> path) : path_(std::move(path)) {}

    std::vector<std::string> Read() override;
    SaveResult Write(const std::vector<std::string>& recent) override;  // atomic (ReplaceFile)
    // With the list's folder locked, so that two instances adding at the same moment do not
    // each write the list without the other's entry.
    RecentUpdate Add(const std::string& path, const std::vector<std::string>& known) override;
    std::string Location() const override;

  private:
    std::optional<std::string> path_;
};

}  // namespace coppia
