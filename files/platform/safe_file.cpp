// SPDX-License-Identifier: GPL-3.0-or-later
// The part of the safe replace and of the bounded read that is the same on every system; the
// system's calls are in posix/, windows/ or web/.
#include "files/platform/safe_file.h"

#include <algorithm>
#include <random>

#include "files/platform/read_opened_file.h"
#include "files/platform/temporary_name.h"

namespace coppia {

namespace {

constexpr std::string_view kTemporaryMark = ".coppia-";
constexpr std::size_t kTemporarySuffixLength = 6;
constexpr std::string_view kAlphanumerics =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

}  // namespace

std::string TemporaryPrefix(std::string_view fileName) {
    constexpr std::size_t room = kLongestName - 1 - kTemporaryMark.size() - kTemporarySuffixLength;
    std::string prefix = ".";
    prefix.append(fileName.substr(0, room)).append(kTemporaryMark);
    return prefix;
}

bool IsTemporaryName(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + kTemporarySuffixLength && name.starts_with(prefix) &&
           name.substr(prefix.size()).find_first_not_of(kAlphanumerics) == std::string_view::npos;
}

std::string RandomTemporaryName(std::string_view prefix) {
    // Seeded afresh each time: a process forked from another must not draw the same names.
    std::random_device entropy;
    std::mt19937 random(entropy());
    std::uniform_int_distribution<std::size_t> pick(0, kAlphanumerics.size() - 1);
    std::string name(prefix);
    for (std::size_t i = 0; i < kTemporarySuffixLength; ++i) name += kAlphanumerics[pick(random)];
    return name;
}

std::string_view WholeLines(const BoundedRead& read) {
    const std::string_view bytes = read.bytes;
    return read.complete ? bytes : bytes.substr(0, bytes.rfind('\n') + 1);
}

void ReadOpenedFile(BoundedRead& result, std::size_t limit,
                    const std::function<std::ptrdiff_t(char*, std::size_t)>& read,
                    const std::function<std::string()>& failure) {
    // One byte beyond the limit tells a file that goes on from one that ends there.
    char chunk[4096];
    while (result.bytes.size() <= limit) {
        const std::size_t wanted = std::min(sizeof chunk, limit + 1 - result.bytes.size());
        const std::ptrdiff_t n = read(chunk, wanted);
        if (n < 0) {
            // What was read stands; a value the error cut is not read.
            result.complete = false;
            result.problem = failure();
        }
        if (n <= 0)
            break;
        result.bytes.append(chunk, static_cast<std::size_t>(n));
    }
    if (result.bytes.size() > limit) {
        result.complete = false;
        result.bytes.resize(limit);
    }
}

BoundedRead ReadRegularFile(const std::string& path, std::size_t limit) {
    ReadCalls system;
    return ReadRegularFile(path, limit, system);
}

SaveResult ReplaceFile(const std::string& path, const std::string& bytes) {
    SaveCalls system;
    return ReplaceFile(path, bytes, system);
}

SaveResult ReplaceFileInItsFolder(const std::string& path, const std::string& bytes) {
    SaveCalls system;
    return ReplaceFile(path, bytes, system, MissingFolders::Refuse);
}

}  // namespace coppia
