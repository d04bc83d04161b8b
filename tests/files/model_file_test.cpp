// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/model_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <initializer_list>
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

// A file with a supply, sections and a servo's figures, in the writer's layout, with keys of
// another tool's inside the new objects too. The aileron's section is its kind's default, given.
const std::string kSectionsAndSupplyFile = R"({
  "formato": "coppia-modello",
  "versione": 1,
  "nome": "Profili e alimentazione",
  "note": "",
  "alimentazione": {
    "nome": "BEC 5 A",
    "continua": 5,
    "picco": null,
    "marca": "X"
  },
  "superfici": [
    {
      "nome": "Alettone",
      "tipo": "alettone",
      "servi": 1,
      "deflessione": "angolo",
      "ingressi": {
        "CordaAla": 270,
        "CordaAlett": 60,
        "LungAlett": 480,
        "BrAlett": 18,
        "BrServ": 12,
        "Vel": 90,
        "CarAla": 60,
        "Ang": 20,
        "Corsa": 20.8
      },
      "profilo": {
        "spessore": 12,
        "fessura": "sigillata"
      },
      "servo": {
        "nome": "Mini",
        "coppia": 3,
        "unita": "Kg*cm",
        "tensione": 6,
        "tempo60": 0.11,
        "corrente_stallo": 2.5
      }
    },
    {
      "nome": "Timone",
      "tipo": "timone",
      "servi": 1,
      "deflessione": "angolo",
      "ingressi": {
        "CordaAla": 190,
        "CordaAlett": 80,
        "LungAlett": 230,
        "BrAlett": 16,
        "BrServ": 12,
        "Vel": 90,
        "CarAla": 0,
        "Ang": 30,
        "Corsa": 41.4
      },
      "profilo": {
        "spessore": 7.5,
        "fessura": "aperta",
        "sezione": "NACA 0008"
      },
      "servo": {
        "nome": "",
        "coppia": null,
        "unita": "N*cm"
      }
    }
  ]
}
)";

TEST(ModelFileTest, KeepsTheSectionsTheServosFiguresAndTheSupplyAsGiven) {
    const Model model = Decoded(kSectionsAndSupplyFile);
    ASSERT_EQ(model.surfaces.size(), 2u);
    EXPECT_EQ(model.supply, (SupplyRecord{"BEC 5 A", 5, std::nullopt, R"({"marca":"X"})"}));
    const Surface& aileron = model.surfaces[0];
    EXPECT_EQ(aileron.profile, (SectionProfile{12, HingeGap::Sealed}));
    EXPECT_EQ(aileron.servo.figures, (ServoFigures{6, 0.11, std::nullopt, 2.5}));
    const Surface& rudder = model.surfaces[1];
    EXPECT_EQ(rudder.profile, (SectionProfile{7.5, HingeGap::Open}));
    EXPECT_EQ(rudder.otherProfileKeys, R"({"sezione":"NACA 0008"})");
    EXPECT_EQ(rudder.servo.figures, ServoFigures{});
    EXPECT_EQ(EncodeModel(model), kSectionsAndSupplyFile);

    // A file from before them reads with none of them, and is written back as it was (above).
    const Model old = Decoded(kForeignFile);
    EXPECT_EQ(old.supply, std::nullopt);
    EXPECT_EQ(old.surfaces[0].profile, std::nullopt);
    EXPECT_EQ(old.surfaces[0].servo.figures, ServoFigures{});

    // A section not given is not written, so that it follows the kind if that changes.
    Model unset = model;
    unset.surfaces[0].profile.reset();
    unset.supply.reset();
    const std::string saved = EncodeModel(unset);
    EXPECT_EQ(saved.find("\"spessore\": 12"), std::string::npos);
    EXPECT_EQ(saved.find("\"alimentazione\""), std::string::npos);
    EXPECT_EQ(Decoded(saved), unset);
}

TEST(ModelFileTest, ASurfaceWithoutItsSectionHasItsKindsOne) {
    const std::array<std::pair<SurfaceKind, double>, 5> thickness = {{
        {SurfaceKind::Alettone, 12},
        {SurfaceKind::Flap, 12},
        {SurfaceKind::Elevatore, 9},
        {SurfaceKind::Timone, 9},
        {SurfaceKind::Altro, 9},
    }};
    Surface surface;
    for (const auto& [kind, percent] : thickness) {
        surface.kind = kind;
        EXPECT_EQ(ProfileOf(surface), (SectionProfile{percent, HingeGap::Sealed})) << NameOf(kind);
    }
    surface.profile = SectionProfile{15, HingeGap::Open};
    EXPECT_EQ(ProfileOf(surface), (SectionProfile{15, HingeGap::Open}));
}

// One surface whose servo object ends with `figures`.
std::string WithServoFigures(std::string_view figures) {
    return R"({"formato": "coppia-modello", "versione": 1, "nome": "", "note": "",
 "superfici": [{"nome": "A", "tipo": "flap", "servi": 1, "deflessione": "angolo",
  "ingressi": {"CordaAla": 300, "CordaAlett": 60, "LungAlett": 500, "BrAlett": 18,
               "BrServ": 12, "Vel": 60, "CarAla": 50, "Ang": 20, "Corsa": 20.8},
  "servo": {"nome": "", "coppia": 3, "unita": "Kg*cm")" +
           std::string(figures) + "}}]}";
}

TEST(ModelFileTest, ReadsEachFigureAsANumberOrNotGivenWhenNullOrAbsent) {
    struct Row {
        const char* figures;
        ServoFigures expected;
        const char* written;  // the servo's keys after "unita", as a save writes them
    };
    const std::initializer_list<Row> rows = {
        {"", {}, ""},
        {R"(, "tensione": null, "tempo60": null, "corrente_vuoto": null, "corrente_stallo": null)",
         {},
         ""},
        {R"(, "corrente_stallo": 3, "tensione": 7.4, "tempo60": 0.09, "corrente_vuoto": 0.2)",
         {7.4, 0.09, 0.2, 3},
         R"(,"tensione":7.4,"tempo60":0.09,"corrente_vuoto":0.2,"corrente_stallo":3)"},
        // The ends of each range are in it.
        {R"(, "tensione": 1, "tempo60": 10, "corrente_vuoto": 0.001, "corrente_stallo": 50)",
         {1, 10, 0.001, 50},
         R"(,"tensione":1,"tempo60":10,"corrente_vuoto":0.001,"corrente_stallo":50)"},
        {R"(, "tensione": 50, "tempo60": 0.01, "corrente_vuoto": null)",
         {50, 0.01, std::nullopt, std::nullopt},
         R"(,"tensione":50,"tempo60":0.01)"},
    };
    for (const Row& row : rows) {
        const Model model = Decoded(WithServoFigures(row.figures));
        ASSERT_EQ(model.surfaces.size(), 1u) << row.figures;
        EXPECT_EQ(model.surfaces[0].servo.figures, row.expected) << row.figures;
        EXPECT_EQ(model.surfaces[0].servo.otherKeys, "") << row.figures;
        const ModelJson written = ModelJson::parse(EncodeModel(model));
        EXPECT_EQ(written["superfici"][0]["servo"].dump(),
                  R"({"nome":"","coppia":3,"unita":"Kg*cm")" + std::string(row.written) + "}");
    }
}

// What no file can hold, but a window could hand over: each is refused before it is saved.
TEST(ModelFileTest, RefusesASectionAFigureOrASupplyCurrentThatIsNotANumberInRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::initializer_list<std::pair<void (*)(Surface&), const char*>> surfaceRows = {
        {[](Surface& s) {
             s.profile = SectionProfile{-0.01, HingeGap::Sealed};
         },
         "profilo.spessore"},
        {[](Surface& s) {
             s.profile = SectionProfile{20.01, HingeGap::Open};
         },
         "profilo.spessore"},
        {[](Surface& s) { s.servo.figures.voltage = 0.99; }, "servo.tensione"},
        {[](Surface& s) { s.servo.figures.time60 = 10.5; }, "servo.tempo60"},
        {[](Surface& s) { s.servo.figures.noLoadCurrent = 0; }, "servo.corrente_vuoto"},
        {[](Surface& s) { s.servo.figures.stallCurrent = -2.5; }, "servo.corrente_stallo"},
    };
    for (const auto& [change, key] : surfaceRows) {
        Surface surface;
        change(surface);
        const std::optional<SurfaceFault> fault = CheckSurface(surface);
        ASSERT_TRUE(fault) << key;
        EXPECT_EQ(fault->key, key);
    }
    Surface notANumber;
    notANumber.profile = SectionProfile{nan, HingeGap::Sealed};
    EXPECT_EQ(CheckSurface(notANumber)->key, "profilo.spessore");
    notANumber.profile.reset();
    notANumber.servo.figures.time60 = nan;
    EXPECT_EQ(CheckSurface(notANumber)->reason, "deve essere un numero da 0.01 a 10 s, o null");

    EXPECT_FALSE(CheckSupplyRecord(SupplyRecord{"", 0.01, 1000, ""}));
    EXPECT_EQ(CheckSupplyRecord(SupplyRecord{"", nan, 7.5, ""})->key, "continua");
    EXPECT_EQ(CheckSupplyRecord(SupplyRecord{"", 5, 1000.5, ""})->reason,
              "deve essere un numero da 0.01 a 1000 A, o null");
    EXPECT_EQ(CheckSupplyRecord(SupplyRecord{std::string(201, 'b'), 5, 7.5, ""})->key, "nome");
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
    RemoveAll(folder);

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
