// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/last_inputs_file.h"

#include "files/config_folder.h"
#include "files/platform/platform.h"
#include "files/platform/safe_file.h"

namespace coppia {

std::optional<std::string> LastInputsPath() {
    return ConfigFilePath(kLastInputsFileName);
}

LastInputsFile::LastInputsFile(std::optional<std::string> path)
    : LastInputsFile(std::move(path), OlderLastInputsPath()) {}

std::vector<std::string> LastInputsFile::ReadValues() {
    if (!path_)
        return {};
    BoundedRead read = ReadRegularFile(*path_, kLastInputsReadLimit);
    // Only a file that is not there at all gives way to the older one: one that cannot be read
    // is still the program's.
    if (!read.opened && read.problem.empty() && olderPath_)
        read = ReadRegularFile(*olderPath_, kLastInputsReadLimit);
    if (!read.opened)
        return {};
    return DecodeLastInputs(read.bytes, read.complete);
}

SaveResult LastInputsFile::Write(const LastInputsNumbers& numbers) {
    return ReplaceConfigFile(path_, EncodeLastInputs(numbers));
}

std::string LastInputsFile::Location() const {
    return ConfigFileLocation(path_, kLastInputsFileName);
}

}  // namespace coppia
