// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "models/model/model_session.h"
#include "tests/files/scratch_folder.h"
#include "tests/models/model/scripted_dialogs.h"

namespace coppia {

// Two surfaces, so that a fault's place tells which.
inline const std::string kValid =
    R"({"formato": "coppia-modello", "versione": 1, "nome": "Prova", "note": "",
 "superfici": [
  {"nome": "A", "tipo": "alettone", "servi": 1, "deflessione": "angolo",
   "ingressi": {"CordaAla": 300, "CordaAlett": 60, "LungAlett": 500, "BrAlett": 18,
                "BrServ": 12, "Vel": 60, "CarAla": 50, "Ang": 20, "Corsa": 20.8},
   "servo": {"nome": "", "coppia": 3, "unita": "Kg*cm"}},
  {"nome": "B", "tipo": "flap", "servi": 2, "deflessione": "corsa",
   "ingressi": {"CordaAla": 300, "CordaAlett": 70, "LungAlett": 400, "BrAlett": 18,
                "BrServ": 12, "Vel": 50, "CarAla": 50, "Ang": 29.9, "Corsa": 36},
   "servo": {"nome": "", "coppia": 30, "unita": "N*cm"}}]}
)";

inline std::string FileBytes(const fs::path& path) {
    return Contents(path);
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    Put(path, bytes);
}

// A link to a folder; false where the system lets the test make none.
inline bool LinkFolder(const fs::path& target, const fs::path& link) {
    std::error_code error;
    fs::create_directory_symlink(target, link, error);
    return !error;
}
inline constexpr const char* kNoLinks =
    "Windows gives few users the right to make symbolic links (Wine none)";

// An absolute path that no test makes, as the system spells one: "/vecchi/v1", "C:\vecchi\v1".
inline std::string OldPath(const std::string& name) {
    return Utf8(fs::temp_directory_path().root_path() / "vecchi" / name);
}

// A session in a temporary folder, with the valid model open and edited.
class ModelSessionTest : public testing::Test {
  protected:
    ModelSessionTest() : session(dialogs, recent) {
        folder = FreshFolder();
        validPath = Utf8(folder / "prova.coppia");
        WriteBytes(validPath, kValid);
    }
    ~ModelSessionTest() override { RemoveAll(folder); }

    void OpenValidAndEdit() {
        ASSERT_TRUE(session.OpenFile(validPath));
        ASSERT_TRUE(session.Document().RenameSurface(0, "A modificato"));
    }

    fs::path folder;
    std::string validPath;
    ScriptedDialogs dialogs;
    MemoryRecentFiles recent;
    ModelSession session;
};

}  // namespace coppia
