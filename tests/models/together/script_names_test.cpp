// SPDX-License-Identifier: GPL-3.0-or-later
// Folders named in any script, as an Italian user's own folder may be ("Niccolò"): the windows
// name them as the system does, on Windows too, where a path read through the code page comes
// back as "caffÃ¨".
#include <gtest/gtest.h>

#include <string>

#include "files/model_file.h"
#include "files/platform/opened_path.h"
#include "models/analysis/analysis_window.h"
#include "models/model/model_window.h"
#include "tests/files/scratch_folder.h"
#include "tests/models/analysis/analysis_fixture.h"
#include "tests/models/model/model_window_fixture.h"

namespace coppia {
namespace {

struct ScriptRow {
    const char* name;
    const char* folder;  // UTF-8
};

void PrintTo(const ScriptRow& row, std::ostream* out) {
    *out << row.name;
}

class ScriptNamesTest : public ModelWindowTest, public testing::WithParamInterface<ScriptRow> {
  protected:
    ScriptNamesTest() : analysis(window.State(), window.Loan(), settings, clipboard) {
        analysis.Analisi_Form_Load();
    }

    ScratchFolder scratch;
    StringClipboard clipboard;
    AnalysisWindow analysis;
};

TEST_P(ScriptNamesTest, TheTitleTheDialogsAndTheExportsNameTheFolderAsTheSystemDoes) {
    const std::string name = GetParam().folder;
    const fs::path folder = scratch.Path() / PathFromUtf8(name);
    ASSERT_TRUE(fs::create_directory(folder));
    // A model with no name of its own: the title names its file.
    Put(folder / PathFromUtf8(name + ".coppia"), EncodeModel(Model{}));
    ASSERT_TRUE(model.Modello_ApriFile(Utf8(folder / PathFromUtf8(name + ".coppia"))));
    const std::string title = model.Session().WindowTitle();
    EXPECT_NE(title.find(name + ".coppia"), std::string::npos) << title;

    // Apri and Salva con nome open in the model's folder, and so do the exports at first.
    const std::string where = ResolvedPath(Utf8(folder));
    EXPECT_TRUE(where.ends_with(name)) << where;
    EXPECT_EQ(model.Session().Folder(), where);
    EXPECT_EQ(model.ExportFolder(), where);

    // Once a file is exported elsewhere, each window's next export goes there, the analysis's
    // after a new start too.
    const fs::path elsewhere = scratch.Path() / PathFromUtf8(name + " " + name);
    model.Modello_File_Written("CSV", Utf8(elsewhere / PathFromUtf8(name + ".csv")), "");
    EXPECT_EQ(model.ExportFolder(), Utf8(elsewhere));
    analysis.Analisi_File_Written("PDF", Utf8(elsewhere / PathFromUtf8(name + ".pdf")), "");
    EXPECT_EQ(analysis.ExportFolder(), Utf8(elsewhere));
    AnalysisWindow reopened(window.State(), window.Loan(), settings, clipboard);
    reopened.Analisi_Form_Load();
    EXPECT_EQ(reopened.ExportFolder(), Utf8(elsewhere));
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ScriptNamesTest,
    testing::Values(ScriptRow{"Accented", "caff\u00e8"}, ScriptRow{"UserName", "Niccol\u00f2"},
                    // "Модели": every letter's second byte is one the code page 1252 has
                    ScriptRow{"Cyrillic", "\u041c\u043e\u0434\u0435\u043b\u0438"},
                    // "Н" ends in 0x9D, a byte that no letter of the code page 1252 has
                    ScriptRow{"CyrillicOutsideTheCodePage", "\u041d\u0438\u0446\u0446\u0430"},
                    // Beyond 16 bits: two UTF-16 units each
                    ScriptRow{"Emoji", "\u2708\ufe0f \U0001f6e9\ufe0f"}),
    [](const testing::TestParamInfo<ScriptRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace coppia
