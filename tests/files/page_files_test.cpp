// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's side of the safe replace and of the bounded read, on the page's files.
#include "files/platform/web/page_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/analysis_settings.h"
#include "files/platform/safe_file.h"
#include "files/recent_files.h"

namespace coppia {
namespace {

class PageFilesTest : public testing::Test {
  protected:
    // The suites before this one in the same program save files too.
    PageFilesTest() { TakeWrittenPageFiles(); }
    ~PageFilesTest() override {
        RefusePageFilesIn("/impostazioni", "");
        for (const std::string& path : PageFilesIn("/")) RemovePageFile(path);
        TakeWrittenPageFiles();
    }
};

TEST_F(PageFilesTest, AReplaceIsWholeAndNotedOnceInTheOrderOfTheFirst) {
    PutPageFile("/m/a.coppia", "vecchio, più lungo del nuovo");
    ASSERT_TRUE(ReplaceFile("/m/b.coppia", "b1").saved);
    ASSERT_TRUE(ReplaceFile("/m/a.coppia", "nuovo").saved);
    // Every folder is there: none to make, none gone since.
    ASSERT_TRUE(ReplaceFileInItsFolder("/mai/fatta/c.coppia", "c").saved);
    ASSERT_TRUE(ReplaceFile("/m/b.coppia", "b2").saved);

    EXPECT_EQ(*PageFile("/m/a.coppia"), "nuovo");
    EXPECT_EQ(*PageFile("/m/b.coppia"), "b2");
    EXPECT_EQ(TakeWrittenPageFiles(),
              (std::vector<std::string>{"/m/b.coppia", "/m/a.coppia", "/mai/fatta/c.coppia"}));
    EXPECT_TRUE(TakeWrittenPageFiles().empty());
    // A file handed over is the page's already: nothing to give back.
    PutPageFile("/m/d.coppia", "d");
    EXPECT_TRUE(TakeWrittenPageFiles().empty());
}

struct ReadRow {
    const char* name;
    std::size_t size;  // of the file; none there when 0
    std::size_t limit;
    bool opened;
    std::size_t read;
    bool complete;
};

class PageReadTest : public PageFilesTest, public testing::WithParamInterface<ReadRow> {};

TEST_P(PageReadTest, ReadsUpToTheLimitAndSaysWhetherItWasAll) {
    const ReadRow& row = GetParam();
    if (row.size > 0)
        PutPageFile("/f", std::string(row.size, 'x'));
    const BoundedRead read = ReadRegularFile("/f", row.limit);
    EXPECT_EQ(read.opened, row.opened);
    EXPECT_EQ(read.bytes.size(), row.read);
    EXPECT_EQ(read.complete, row.complete);
    EXPECT_EQ(read.problem, "");
}

INSTANTIATE_TEST_SUITE_P(Sizes, PageReadTest,
                         testing::Values(ReadRow{"Missing", 0, 10, false, 0, true},
                                         ReadRow{"AtTheLimit", 10, 10, true, 10, true},
                                         ReadRow{"BeyondTheLimit", 11, 10, true, 10, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageFilesTest, ASaveIntoAFolderThePageCannotKeepFailsAndChangesNothing) {
    const std::string settings = *AnalysisSettingsPath();
    EXPECT_EQ(settings, "/impostazioni/coppia-analisi.ini");
    EXPECT_EQ(*RecentFilesPath(), "/impostazioni/coppia-recenti.txt");
    PutPageFile(settings, "prima");
    RefusePageFilesIn("/impostazioni", "il browser non conserva i dati di questa pagina");

    const SaveResult result = ReplaceFile(settings, "dopo");
    EXPECT_FALSE(result.saved);
    EXPECT_EQ(result.reason, "il browser non conserva i dati di questa pagina");
    EXPECT_EQ(ReplaceRefusal(settings), result.reason);
    EXPECT_EQ(*PageFile(settings), "prima");
    // Beside it, a model is still saved, for the page to download; and a path of a folder
    // whose name only starts the same is not in it.
    EXPECT_TRUE(ReplaceFile("/prova.coppia", "{}").saved);
    EXPECT_TRUE(ReplaceFile("/impostazioni2/x", "x").saved);
    EXPECT_EQ(TakeWrittenPageFiles(),
              (std::vector<std::string>{"/prova.coppia", "/impostazioni2/x"}));
    EXPECT_EQ(PageFilesIn("/impostazioni"), std::vector<std::string>{settings});
    EXPECT_FALSE(ReplaceFile("", "x").saved);

    RefusePageFilesIn("/impostazioni", "");
    EXPECT_TRUE(ReplaceFile(settings, "dopo").saved);
}

}  // namespace
}  // namespace coppia
