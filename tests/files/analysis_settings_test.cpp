// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/analysis_settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "tests/files/scratch_folder.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace coppia {
namespace {

namespace fs = std::filesystem;

const AnalysisSettings kChosen{4.5,
                               RatingUnit::NewtonCm,
                               1.5,
                               60,
                               {0.5, 2},
                               "",
                               {7.5, HingeGap::Open},
                               {7.4, 0.09, std::nullopt, 2.5},
                               JudgeWith::Prudent};
// The lines of the settings kept before the second estimate and the servo's figures were.
const std::string kOlderBytes =
    "CoppiaServo=4.5\nUnitaCoppia=N*cm\nFattoreSicurezza=1.5\nEscursione=60\nAltreVelocita=0.5 "
    "2\n";
const std::string kChosenBytes = kOlderBytes +
                                 "SpessoreProfilo=7.5\nFessuraProfilo=aperta\nTensioneServo=7.4\n"
                                 "Tempo60Servo=0.09\nCorrenteVuotoServo=\nCorrenteStalloServo=2.5\n"
                                 "GiudicaCon=prudente\n";

TEST(AnalysisSettingsFormatTest, WritesOneNamedLinePerSettingAndReadsThemBack) {
    EXPECT_EQ(EncodeAnalysisSettings(kChosen), kChosenBytes);
    EXPECT_EQ(DecodeAnalysisSettings(kChosenBytes), kChosen);
    EXPECT_EQ(EncodeAnalysisSettings(AnalysisSettings{}),
              "CoppiaServo=3\nUnitaCoppia=Kg*cm\nFattoreSicurezza=2\nEscursione=45\n"
              "AltreVelocita=0.8 1.2 1.5\nSpessoreProfilo=12\nFessuraProfilo=sigillata\n"
              "TensioneServo=\nTempo60Servo=\nCorrenteVuotoServo=\nCorrenteStalloServo=\n"
              "GiudicaCon=calcolo\n");
    // An older file reads as it did, with the new settings' defaults.
    EXPECT_EQ(DecodeAnalysisSettings(kOlderBytes),
              (AnalysisSettings{4.5, RatingUnit::NewtonCm, 1.5, 60, {0.5, 2}}));

    // The folder of the last export, once there is one; a name that breaks the line is not kept.
    AnalysisSettings exported = kChosen;
    exported.exportFolder = "/home/pilota/Documenti/Modelli = aerei";
    EXPECT_EQ(EncodeAnalysisSettings(exported),
              kChosenBytes + "CartellaEsportazioni=/home/pilota/Documenti/Modelli = aerei\n");
    EXPECT_EQ(DecodeAnalysisSettings(EncodeAnalysisSettings(exported)), exported);
    exported.exportFolder = "/home/pilota/a\nCoppiaServo=9";
    EXPECT_EQ(EncodeAnalysisSettings(exported), kChosenBytes);
}

// The defaults but for the section, the servo's figures and the torque judged.
AnalysisSettings Estimate(SectionProfile profile, ServoFigures figures, JudgeWith judgeWith) {
    AnalysisSettings settings;
    settings.profile = profile;
    settings.servoFigures = figures;
    settings.judgeWith = judgeWith;
    return settings;
}

struct DamageRow {
    const char* name;
    const char* bytes;
    AnalysisSettings expected;
};

void PrintTo(const DamageRow& row, std::ostream* out) {
    *out << row.name;
}

class DamagedSettingsTest : public testing::TestWithParam<DamageRow> {};

TEST_P(DamagedSettingsTest, GivesTheDefaultOfEachFieldThatCannotBeRead) {
    EXPECT_EQ(DecodeAnalysisSettings(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FieldByField, DamagedSettingsTest,
    testing::Values(
        DamageRow{"Empty", "", AnalysisSettings{}},
        DamageRow{"Garbage", "\x01\xff=\n==\nabc", AnalysisSettings{}},
        DamageRow{"CutInTheMiddle", "CoppiaServo=4.5\nUnitaCoppia=N*cm\nFattoreSic",
                  AnalysisSettings{4.5, RatingUnit::NewtonCm, 2, 45, {0.8, 1.2, 1.5}}},
        DamageRow{"TrailingTextAfterANumber", "CoppiaServo=4.5 kg\nEscursione=60\n",
                  AnalysisSettings{3, RatingUnit::KgfCm, 2, 60}},
        DamageRow{"OutOfRange",
                  "CoppiaServo=0\nFattoreSicurezza=0.9\nEscursione=181\nUnitaCoppia=oz*in\n"
                  "AltreVelocita=0.8 11\n",
                  AnalysisSettings{}},
        DamageRow{"NotANumber",
                  "CoppiaServo=nan\nFattoreSicurezza=inf\nEscursione=\nAltreVelocita=0.8 x\n",
                  AnalysisSettings{}},
        DamageRow{"CarriageReturnsAndAnUnknownLine",
                  "Altro=1\r\nFattoreSicurezza=1\r\nEscursione=180\r\n",
                  AnalysisSettings{3, RatingUnit::KgfCm, 1, 180}},
        DamageRow{"SectionAndFiguresOutOfRange",
                  "SpessoreProfilo=20.5\nFessuraProfilo=chiusa\nTensioneServo=0.9\n"
                  "Tempo60Servo=120\nCorrenteVuotoServo=0\nCorrenteStalloServo=50.5\n"
                  "GiudicaCon=massima\n",
                  AnalysisSettings{}},
        DamageRow{"SectionAndFiguresNotNumbers",
                  "SpessoreProfilo=\nTensioneServo=6 V\nTempo60Servo=nan\n"
                  "CorrenteVuotoServo=inf\nCorrenteStalloServo=-2\nGiudicaCon=\n",
                  AnalysisSettings{}},
        DamageRow{"SectionAndFiguresAtTheirEnds",
                  "SpessoreProfilo=0\nFessuraProfilo=aperta\nTensioneServo=50\nTempo60Servo=0.01\n"
                  "CorrenteVuotoServo=0.001\nCorrenteStalloServo=50\nGiudicaCon=prudente\n",
                  Estimate({0, HingeGap::Open}, {50, 0.01, 0.001, 50}, JudgeWith::Prudent)},
        // A damaged line leaves a figure as an earlier line gave it; an empty one is no damage,
        // and says that the sheet does not give it.
        DamageRow{"FigureGivenThenDamagedThenEmpty",
                  "TensioneServo=6\nTensioneServo=6x\nTempo60Servo=0.1\nTempo60Servo=\n"
                  "SpessoreProfilo=20\nSpessoreProfilo=-1\nGiudicaCon=prudente\nGiudicaCon=x\n",
                  Estimate({20, HingeGap::Sealed}, {6, std::nullopt, std::nullopt, std::nullopt},
                           JudgeWith::Prudent)}));

class AnalysisSettingsFileTest : public testing::Test {
  protected:
    AnalysisSettingsFileTest() {
        folder = FreshFolder();
        path = folder / "coppia-analisi.ini";
    }
    ~AnalysisSettingsFileTest() override { RemoveAll(folder); }

    fs::path folder;
    fs::path path;
};

TEST_F(AnalysisSettingsFileTest, AMissingFileGivesTheDefaultsAndASaveCreatesIt) {
    AnalysisSettingsFile file(path.string());
    EXPECT_EQ(file.Read(), AnalysisSettings{});
    const SaveResult saved = file.Write(kChosen);
    EXPECT_TRUE(saved.saved) << saved.reason;
    EXPECT_EQ(Contents(path), kChosenBytes);
    EXPECT_EQ(AnalysisSettingsFile(path.string()).Read(), kChosen);
}

struct BoundRow {
    const char* name;
    std::size_t before;  // bytes of comment lines before the rating's line
    std::string after;   // what follows the rating's line
    double rating;
};

void PrintTo(const BoundRow& row, std::ostream* out) {
    *out << row.name;
}

class SettingsAtTheBoundTest : public AnalysisSettingsFileTest,
                               public testing::WithParamInterface<BoundRow> {};

// A file larger than the bound is read up to its last whole line: a value the bound cuts is
// damage, and gives the default, never a shorter number.
TEST_P(SettingsAtTheBoundTest, ReadsOnlyWholeLines) {
    std::string bytes;
    while (bytes.size() < GetParam().before) {
        const std::size_t room = GetParam().before - bytes.size();
        bytes += std::string(1, '#') + std::string(std::min<std::size_t>(room, 1000) - 1, 'x');
        bytes.back() = '\n';
    }
    bytes += "CoppiaServo=150\n";
    bytes += GetParam().after;
    Put(path, bytes);
    EXPECT_EQ(AnalysisSettingsFile(path.string()).Read().rating, GetParam().rating);
}

INSTANTIATE_TEST_SUITE_P(
    ReadLimit, SettingsAtTheBoundTest,
    testing::Values(BoundRow{"EndsAtTheBound", kAnalysisSettingsReadLimit - 16, "", 150},
                    BoundRow{"LineEndBeyondTheBound", kAnalysisSettingsReadLimit - 15, "", 3},
                    BoundRow{"ValueCutByTheBound", 4083, "", 3},
                    BoundRow{"WholeLineThenMoreBeyondTheBound", 4000,
                             "#" + std::string(200, 'x') + "\n", 150}),
    [](const testing::TestParamInfo<BoundRow>& info) { return std::string(info.param.name); });

TEST(AnalysisSettingsPathTest, LiesBesideTheLastInputsFile) {
#if defined(_WIN32)
    GTEST_SKIP() << "XDG_CONFIG_HOME means nothing on Windows (WindowsConfigFolderTest)";
#else
    const char* old = getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/home/pilota/.config", 1);
    EXPECT_EQ(AnalysisSettingsPath(), "/home/pilota/.config/coppia-analisi.ini");
    EXPECT_EQ(AnalysisSettingsFile(std::nullopt).Write(kChosen).reason,
              "cartella di configurazione sconosciuta (HOME non impostata)");
    if (old) {
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
#endif
}

}  // namespace
}  // namespace coppia
