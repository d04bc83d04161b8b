// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/model_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>

#include "files/recent_files.h"
#include "tests/double_bits.h"
#include "tests/files/scratch_folder.h"

namespace coppia {
namespace {

namespace fs = std::filesystem;

// Every number of a model as its bits, so that -0 and 0 differ.
std::vector<std::uint64_t> Bits(const Model& model) {
    std::vector<std::uint64_t> bits;
    for (const Surface& surface : model.surfaces) {
        const SurfaceInputs& in = surface.inputs;
        for (const double value :
             {in.CordaAla, in.CordaAlett, in.LungAlett, in.BrAlett, in.BrServ, in.Vel, in.CarAla,
              in.Ang, in.Corsa, surface.servo.rating.value_or(-1)}) {
            bits.push_back(BitsOf(value));
        }
    }
    return bits;
}

Model Decoded(std::string_view bytes) {
    auto decoded = DecodeModel(bytes);
    if (const auto* fault = std::get_if<ModelFileFault>(&decoded))
        ADD_FAILURE() << fault->place << ": " << fault->reason;
    return std::get_if<Model>(&decoded) ? std::get<Model>(decoded) : Model{};
}

TEST(ModelFileTest, ReadsBackEveryNumberBitForBitAndEveryNameAsWritten) {
    Model model;
    model.name = "Sport \"160\" è più \\ bello ✈";
    model.notes = "Riga 1\nRiga 2\t«citazione»";
    Surface surface;
    surface.name = "Alettone \"sinistro\" – più corto";
    surface.kind = SurfaceKind::Timone;
    surface.servoCount = 16;
    surface.deflection = DeflectionInput::Travel;
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double huge = std::numeric_limits<double>::max();
    surface.inputs = {0.1,   1.0 / 3,           -0.0, 9007199254740994.0, 123456789.123, tiny,
                      -huge, 59.99999999999999, 1e-7};
    surface.servo = {"Servo \"veloce\"", 0.30000000000000004, RatingUnit::NewtonCm, ""};
    model.surfaces = {surface, Surface{}};

    const Model back = Decoded(EncodeModel(model));
    EXPECT_EQ(back, model);
    EXPECT_EQ(Bits(back), Bits(model));

    // Doubles of any bit pattern come back: the writer's digits are enough for the reader.
    std::mt19937_64 random(19);
    Model many;
    for (int i = 0; i < 1000; ++i) {
        Surface any;
        for (double* value : {&any.inputs.CordaAla, &any.inputs.Vel, &any.inputs.Corsa}) {
            do {
                *value = DoubleWithBits(random());
            } while (!std::isfinite(*value));
        }
        many.surfaces.push_back(any);
    }
    EXPECT_EQ(Bits(Decoded(EncodeModel(many))), Bits(many));
}

// A file another tool wrote, with keys of its own at every level, in the writer's layout.
const std::string kForeignFile = R"({
  "formato": "coppia-modello",
  "versione": 1,
  "nome": "Con chiavi d'altri",
  "note": "",
  "superfici": [
    {
      "nome": "Flap",
      "tipo": "flap",
      "servi": 2,
      "deflessione": "corsa",
      "ingressi": {
        "CordaAla": 270,
        "CordaAlett": 70.5,
        "LungAlett": 320,
        "BrAlett": 20,
        "BrServ": 12,
        "Vel": 55,
        "CarAla": 60,
        "Ang": 33.2,
        "Corsa": -0.0,
        "misurato": "2024-05-01"
      },
      "servo": {
        "nome": "",
        "coppia": 30,
        "unita": "N*cm",
        "velocita": 0.12
      },
      "colore": [
        1,
        {
          "r": null
        }
      ]
    }
  ],
  "autore": {
    "nome": "Pilota"
  }
}
)";

TEST(ModelFileTest, KeepsTheKeysItDoesNotKnowAtEveryLevel) {
    const Model model = Decoded(kForeignFile);
    EXPECT_EQ(EncodeModel(model), kForeignFile);
    // Kept through an edit, too.
    Model edited = model;
    edited.surfaces[0].servo.rating = 40;
    const std::string saved = EncodeModel(edited);
    for (const char* kept :
         {"\"misurato\": \"2024-05-01\"", "\"velocita\": 0.12", "\"r\": null", "\"autore\": {"}) {
        EXPECT_NE(saved.find(kept), std::string::npos) << kept;
    }
}

// The lists' paths as this system writes an absolute path: "/m/5.coppia" on POSIX,
// "C:/m/5.coppia" on Windows, where "/m" lies on whichever drive is current. Every line that
// starts with "/" is made so.
std::string Sys(std::string text) {
#if defined(_WIN32)
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '/' && (at == 0 || text[at - 1] == '\n' || text[at - 1] == '\r'))
            text.insert(at, "C:"), at += 2;
    }
#endif
    return text;
}

std::vector<std::string> SysList(std::vector<std::string> paths) {
    for (std::string& path : paths) path = Sys(path);
    return paths;
}

TEST(RecentFilesTest, KeepsTheLastEightAbsolutePathsNewestFirstEachOnce) {
    std::vector<std::string> recent;
    for (int i = 1; i <= 10; ++i)
        recent = WithRecentFile(recent, Sys("/m/" + std::to_string(i) + ".coppia"));
    recent = WithRecentFile(recent, Sys("/m/5.coppia"));
    recent = WithRecentFile(recent, "relativo.coppia");
    recent = WithRecentFile(recent, Sys("/a capo\n.coppia"));
    const std::vector<std::string> expected =
        SysList({"/m/5.coppia", "/m/10.coppia", "/m/9.coppia", "/m/8.coppia", "/m/7.coppia",
                 "/m/6.coppia", "/m/4.coppia", "/m/3.coppia"});
    EXPECT_EQ(recent, expected);

    const fs::path folder = FreshFolder();
    RecentFilesFile file((folder / "config" / std::string(kRecentFilesFileName)).string());
    EXPECT_TRUE(file.Read().empty());
    ASSERT_TRUE(file.Write(expected).saved);
    EXPECT_EQ(file.Read(), expected);
    fs::remove_all(folder);

    // A damaged list gives the paths it can.
    EXPECT_EQ(DecodeRecentFiles(Sys("/a\nrelativo\n\n/a\n/b")), SysList({"/a", "/b"}));
}

struct RecentBytesRow {
    const char* name;
    std::string bytes;
    std::vector<std::string> paths;
};

void PrintTo(const RecentBytesRow& row, std::ostream* out) {
    *out << row.name;
}

class RecentBytesTest : public testing::TestWithParam<RecentBytesRow> {};

TEST_P(RecentBytesTest, ReadsOneAbsolutePathALineEachOnce) {
    EXPECT_EQ(DecodeRecentFiles(Sys(GetParam().bytes)), SysList(GetParam().paths));
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(Lists, RecentBytesTest,
                         testing::Values(
                             RecentBytesRow{
                                 "CrLf", "/a.coppia\r\n/b.coppia\r\n", {"/a.coppia", "/b.coppia"}},
                             RecentBytesRow{"CrLfAndLfTheSame", "/a\r\n/a\n/b\r\n", {"/a", "/b"}},
                             RecentBytesRow{"CrInside", "/a\rb\n/c\n", {"/c"}},
                             RecentBytesRow{"Nul", "/a\0b\n/c\n"s, {"/c"}},
                             RecentBytesRow{"NoLastLineEnd", "/a\n/b", {"/a", "/b"}},
                             RecentBytesRow{"NineOfThem",
                                            "/1\n/2\n/3\n/4\n/5\n/6\n/7\n/8\n/9\n",
                                            {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}}));

TEST(RecentFilesTest, ListsNoPathWithANul) {
    EXPECT_EQ(WithRecentFile(SysList({"/a"}), Sys("/b\0c"s)), SysList({"/a"}));
    EXPECT_EQ(MergedRecentFiles(Sys("/n"), SysList({"/s\0x"s, "/s"}), SysList({"/k"})),
              SysList({"/n", "/s", "/k"}));
}

// Two processes share the list's file: each opening reads it again before writing it.
TEST(RecentFilesTest, TwoProcessesKeepEachOthersEntries) {
#if defined(_WIN32)
    GTEST_SKIP() << "fork and waitpid are POSIX";
#else
    char folderTemplate[] = "/tmp/coppia-recenti-XXXXXX";
    ASSERT_NE(mkdtemp(folderTemplate), nullptr);
    const std::string path = (fs::path(folderTemplate) / kRecentFilesFileName).string();
    RecentFilesFile file(path);
    // The first instance's list: what it read at start, then a.
    std::vector<std::string> first = file.Add("/a", file.Read()).recent;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RecentFilesFile theirs(path);
        _exit(theirs.Add("/b", theirs.Read()).result.saved ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    first = file.Add("/c", first).recent;
    EXPECT_EQ(first, (std::vector<std::string>{"/c", "/b", "/a"}));
    EXPECT_EQ(file.Read(), first);
    fs::remove_all(folderTemplate);
#endif
}

// Many at the same moment, released together: the lock lets none write over another's entry.
TEST(RecentFilesTest, ProcessesAddingAtOnceLoseNoEntry) {
#if defined(_WIN32)
    GTEST_SKIP() << "fork, pipe and waitpid are POSIX (the lock on Windows: "
                    "WindowsFileTest.ThreadsAddingAtOnceLoseNoEntry)";
#else
    char folderTemplate[] = "/tmp/coppia-recenti-XXXXXX";
    ASSERT_NE(mkdtemp(folderTemplate), nullptr);
    const std::string path = (fs::path(folderTemplate) / kRecentFilesFileName).string();
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < 6; ++i) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(gate[1]);
            char go = 0;
            (void)!read(gate[0], &go, 1);  // until the parent closes its end
            RecentFilesFile theirs(path);
            _exit(theirs.Add("/m" + std::to_string(i), theirs.Read()).result.saved ? 0 : 1);
        }
        children.push_back(child);
    }
    close(gate[0]);
    close(gate[1]);
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::vector<std::string> listed = RecentFilesFile(path).Read();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"/m0", "/m1", "/m2", "/m3", "/m4", "/m5"}));
    fs::remove_all(folderTemplate);
#endif
}

}  // namespace
}  // namespace coppia
