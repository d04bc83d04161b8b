// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_session.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <optional>
#include <variant>

#include "files/model_file.h"
#include "tests/models/model/session_fixture.h"

namespace coppia {
namespace {

TEST_F(ModelSessionTest, AnEmptyPathIsNamedAsSuch) {
    EXPECT_FALSE(session.OpenFile(""));
    ASSERT_EQ(dialogs.messages.shown.size(), 1u);
    EXPECT_EQ(dialogs.messages.shown[0].first,
              "Il modello non può essere aperto: il percorso del file è vuoto.");
    EXPECT_FALSE(session.Path());
    EXPECT_TRUE(recent.list.empty());
}

struct LinkedPathRow {
    const char* name;
    const char* typed;   // the path given, from the temporary folder
    const char* opened;  // the file the system opens there
};

void PrintTo(const LinkedPathRow& row, std::ostream* out) {
    *out << row.name;
}

class LinkedPathTest : public ModelSessionTest,
                       public testing::WithParamInterface<LinkedPathRow> {};

// x/ln leads to y/z, and both x and y hold an m.coppia: ".." after the link is y, not x.
TEST_P(LinkedPathTest, SalvaReplacesTheFileThatWasOpenedAndTheListNamesIt) {
    const LinkedPathRow& row = GetParam();
    const fs::path home = fs::canonical(folder);
    fs::create_directories(home / "x");
    fs::create_directories(home / "y" / "z");
    if (!LinkFolder(home / "y" / "z", home / "x" / "ln"))
        GTEST_SKIP() << kNoLinks;
    std::string other = kValid;
    other.replace(other.find("Prova"), 5, "Altro");
    WriteBytes(home / "x" / "m.coppia", other);
    WriteBytes(home / "y" / "m.coppia", other);
    WriteBytes(home / "y" / "z" / "m.coppia", other);
    fs::remove(home / row.opened);
    WriteBytes(home / row.opened, kValid);
    const std::string opened = (home / row.opened).string();

    ASSERT_TRUE(session.OpenFile((home / row.typed).string()));
    EXPECT_EQ(session.Document().Content().name, "Prova");
    EXPECT_EQ(session.Path(), opened);
    ASSERT_TRUE(session.Document().SetName("Salvato"));
    ASSERT_TRUE(session.Save());

    EXPECT_EQ(ReadModelFile(opened),
              (std::variant<Model, ModelFileFault>(session.Document().Content())));
    for (const char* untouched : {"x/m.coppia", "y/m.coppia", "y/z/m.coppia"}) {
        if (home / untouched != home / row.opened) {
            EXPECT_EQ(FileBytes(home / untouched), other) << untouched;
        }
    }
    EXPECT_EQ(session.RecentFiles(), std::vector<std::string>{opened});
    EXPECT_EQ(recent.list, std::vector<std::string>{opened});
}

INSTANTIATE_TEST_SUITE_P(
    Paths, LinkedPathTest,
    testing::Values(LinkedPathRow{"DotDotAfterALink", "x/ln/../m.coppia", "y/m.coppia"},
                    LinkedPathRow{"ThroughTheLink", "x/ln/m.coppia", "y/z/m.coppia"},
                    LinkedPathRow{"DotDotBeforeALink", "y/../x/ln/./m.coppia", "y/z/m.coppia"},
                    LinkedPathRow{"Plain", "x/m.coppia", "x/m.coppia"}));

TEST_F(ModelSessionTest, SalvaConNomeThroughALinkedFolderNamesTheNewFileWhereItLies) {
    const fs::path home = fs::canonical(folder);
    fs::create_directories(home / "x");
    fs::create_directories(home / "y" / "z");
    if (!LinkFolder(home / "y" / "z", home / "x" / "ln"))
        GTEST_SKIP() << kNoLinks;
    dialogs.fileToSave = (home / "x" / "ln" / ".." / "nuovo.coppia").string();
    ASSERT_TRUE(session.SaveAs());
    EXPECT_EQ(session.Path(), (home / "y" / "nuovo.coppia").string());
    EXPECT_TRUE(fs::exists(home / "y" / "nuovo.coppia"));
    EXPECT_FALSE(fs::exists(home / "x" / "nuovo.coppia"));
}

// Once saved as another file, the title names that file, with the model's name beside it, and so
// does the question before its changes are dropped.
TEST_F(ModelSessionTest, TheTitleAndTheQuestionNameTheFile) {
    EXPECT_EQ(session.WindowTitle(), "Nuovo modello[*] – Modello");
    OpenValidAndEdit();
    EXPECT_EQ(session.WindowTitle(), "prova.coppia[*] (Prova) – Modello");
    dialogs.fileToSave = Utf8(folder / "Prove v2.coppia");
    ASSERT_TRUE(session.SaveAs());
    EXPECT_EQ(session.WindowTitle(), "Prove v2.coppia[*] (Prova) – Modello");
    ASSERT_TRUE(session.Document().RenameSurface(0, "A di nuovo"));
    EXPECT_FALSE(session.New());
    EXPECT_EQ(dialogs.questions,
              std::vector<std::string>{"Salvare le modifiche a Prove v2.coppia?"});
    // A model named as its file is not named twice; one without a name is its file.
    ASSERT_TRUE(session.Document().SetName("Prove v2"));
    EXPECT_EQ(session.WindowTitle(), "Prove v2.coppia[*] – Modello");
    ASSERT_TRUE(session.Document().SetName(""));
    EXPECT_EQ(session.WindowTitle(), "Prove v2.coppia[*] – Modello");
}

// A link to the file itself: the title, the save and the list name the file it leads to, and the
// link stays a link.
TEST_F(ModelSessionTest, ALinkToTheFileNamesItsTargetInTheTitleTheSaveAndTheList) {
    const fs::path home = fs::canonical(folder);
    fs::create_directories(home / "y");
    const fs::path target = home / "y" / "vero.coppia";
    WriteBytes(target, kValid);
    std::error_code error;
    fs::create_symlink(target, home / "scorciatoia.coppia", error);
    if (error)
        GTEST_SKIP() << kNoLinks;

    ASSERT_TRUE(session.OpenFile(Utf8(home / "scorciatoia.coppia")));
    EXPECT_EQ(session.WindowTitle(), "vero.coppia[*] (Prova) – Modello");
    ASSERT_TRUE(session.Document().SetName("Salvato"));
    ASSERT_TRUE(session.Save());
    EXPECT_TRUE(fs::is_symlink(home / "scorciatoia.coppia"));
    EXPECT_EQ(ReadModelFile(Utf8(target)),
              (std::variant<Model, ModelFileFault>(session.Document().Content())));
    EXPECT_EQ(session.RecentFiles(), std::vector<std::string>{Utf8(target)});
    EXPECT_EQ(session.WindowTitle(), "vero.coppia[*] (Salvato) – Modello");
}

struct TwoInstancesRow {
    const char* name;
    std::vector<std::string> storedBefore;  // the list before either instance starts
    std::vector<std::string> expected;      // the list after A a, B b, A c
};

void PrintTo(const TwoInstancesRow& row, std::ostream* out) {
    *out << row.name;
}

class TwoInstancesTest : public ModelSessionTest,
                         public testing::WithParamInterface<TwoInstancesRow> {};

// Two windows of two instances share one list: A opens a, B opens b, A opens c. No entry of
// either is lost to the other.
TEST_P(TwoInstancesTest, EachKeepsWhatTheOtherListed) {
    const TwoInstancesRow& row = GetParam();
    const fs::path home = fs::canonical(folder);
    std::vector<std::string> stored;
    for (const std::string& name : row.storedBefore) stored.push_back(OldPath(name));
    recent.list = stored;
    ModelSession first(dialogs, recent);
    ModelSession second(dialogs, recent);
    for (const char* name : {"a", "b", "c"})
        WriteBytes(home / (name + std::string(".coppia")), kValid);

    ASSERT_TRUE(first.OpenFile((home / "a.coppia").string()));
    ASSERT_TRUE(second.OpenFile((home / "b.coppia").string()));
    ASSERT_TRUE(first.OpenFile((home / "c.coppia").string()));

    std::vector<std::string> expected;
    for (const std::string& name : row.expected)
        expected.push_back(name.size() == 1 ? (home / (name + ".coppia")).string() : OldPath(name));
    EXPECT_EQ(recent.list, expected);
    EXPECT_EQ(first.RecentFiles(), expected);
    EXPECT_TRUE(dialogs.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TwoInstancesTest,
    testing::Values(TwoInstancesRow{"Empty", {}, {"c", "b", "a"}},
                    TwoInstancesRow{"Old", {"v1", "v2"}, {"c", "b", "a", "v1", "v2"}},
                    TwoInstancesRow{"Full",
                                    {"v1", "v2", "v3", "v4", "v5", "v6", "v7", "v8"},
                                    {"c", "b", "a", "v1", "v2", "v3", "v4", "v5"}}));

struct GoneFolderRow {
    const char* name;
    const char* saveAs;  // where Salva con nome is answered; nullptr: given up
    bool saved;
};

void PrintTo(const GoneFolderRow& row, std::ostream* out) {
    *out << row.name;
}

class GoneFolderTest : public ModelSessionTest,
                       public testing::WithParamInterface<GoneFolderRow> {};

// The model's folder is removed while it is open: Salva neither makes it again nor writes
// anywhere unasked, says so, and offers Salva con nome.
TEST_P(GoneFolderTest, SalvaSaysTheFolderIsGoneAndOffersSalvaConNome) {
    const GoneFolderRow& row = GetParam();
    const fs::path home = fs::canonical(folder);
    const fs::path gone = home / "modelli";
    fs::create_directory(gone);
    WriteBytes(gone / "m.coppia", kValid);
    ASSERT_TRUE(session.OpenFile((gone / "m.coppia").string()));
    ASSERT_TRUE(session.Document().SetName("Modificato"));
    fs::remove_all(gone);
    if (row.saveAs)
        dialogs.fileToSave = (home / row.saveAs).string();

    EXPECT_EQ(session.Save(), row.saved);

    EXPECT_FALSE(fs::exists(gone));
    const std::string told = "Dati Non Salvati in " + (gone / "m.coppia").string() +
                             ": la cartella " + gone.string() + " non esiste più!!";
    ASSERT_GE(dialogs.messages.shown.size(), 1u);
    EXPECT_EQ(dialogs.messages.shown[0].first, told);
    EXPECT_EQ(dialogs.suggestions, std::vector<std::string>{"Modificato.coppia"});
    EXPECT_EQ(session.Document().Modified(), !row.saved);
    if (row.saved) {
        EXPECT_EQ(session.Path(), (home / row.saveAs).string());
        EXPECT_EQ(session.SaveProblem(), "");
        EXPECT_EQ(std::get<Model>(ReadModelFile(Utf8(home / row.saveAs))).name, "Modificato");
    } else {
        EXPECT_EQ(session.Path(), (gone / "m.coppia").string());
        EXPECT_EQ(session.SaveProblem(), told);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, GoneFolderTest,
                         testing::Values(GoneFolderRow{"SavedElsewhere", "altrove.coppia", true},
                                         GoneFolderRow{"GivenUp", nullptr, false}));

}  // namespace
}  // namespace coppia
