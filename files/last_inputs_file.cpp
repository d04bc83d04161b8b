// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/last_inputs_file.h"

#include "files/config_folder.h"
#include "files/safe_file.h"

namespace coppia {

std::optional<std::string> LastInputsPath() {
    return ConfigFilePath(kLastInputsFileName);
}

std::vector<std::string> LastInputsFile::ReadValues() {
    if (!path_)
        return {};
    const BoundedRead read = ReadRegularFile(*path_, kLastInputsReadLimit);
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
