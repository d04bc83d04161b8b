// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/platform/opened_path.h"

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <optional>

namespace coppia {

namespace {

std::optional<std::string> RealPath(const std::string& path) {
    // A buffer of known size, so that the fortified realpath guards it.
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr)
        return std::nullopt;
    return std::string(resolved);
}

std::string Absolute(const std::string& path) {
    if (!path.empty() && path.front() == '/')
        return path;
    char folder[PATH_MAX];
    if (getcwd(folder, sizeof folder) == nullptr)
        return path;
    const std::string cwd = folder;
    return cwd.back() == '/' ? cwd + path : cwd + "/" + path;
}

}  // namespace

std::string ResolvedPath(const std::string& path) {
    if (path.empty())
        return path;
    if (const std::optional<std::string> resolved = RealPath(path))
        return *resolved;
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    if (name.empty() || name == "." || name == "..")
        return Absolute(path);
    if (const std::optional<std::string> resolvedFolder = RealPath(folder))
        return *resolvedFolder + (resolvedFolder->back() == '/' ? "" : "/") + name;
    return Absolute(path);
}

}  // namespace coppia
