// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_session.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/model_file.h"
#include "tests/models/model/scripted_dialogs.h"

namespace coppia {
namespace {

namespace fs = std::filesystem;

// Two surfaces, so that a fault's place tells which.
const std::string kValid =
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

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<fs::path> Listing(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// A session in a temporary folder, with the valid model open and edited.
class ModelSessionTest : public testing::Test {
  protected:
    ModelSessionTest() : session(dialogs, recent) {
        char folderTemplate[] = "/tmp/coppia-modello-XXXXXX";
        folder = mkdtemp(folderTemplate);
        validPath = (folder / "prova.coppia").string();
        WriteBytes(validPath, kValid);
    }
    ~ModelSessionTest() override { fs::remove_all(folder); }

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

struct DamagedRow {
    const char* name;
    const char* from;  // the text of the valid file to replace; empty: the whole file
    const char* to;    // nullptr: no file at all
    const char* place;
    const char* reason;         // a part of the reason
    std::size_t resizedTo = 0;  // cut to this size, or blanks after the JSON up to it
};

void PrintTo(const DamagedRow& row, std::ostream* out) {
    *out << row.name;
}

class DamagedModelTest : public ModelSessionTest, public testing::WithParamInterface<DamagedRow> {};

TEST_P(DamagedModelTest, IsRefusedWithItsPlaceNamedNeitherLoadedNorWritten) {
    const DamagedRow& row = GetParam();
    OpenValidAndEdit();
    const Model before = session.Document().Content();
    const std::vector<std::string> recentBefore = session.RecentFiles();
    const fs::path damaged = folder / "rotto.coppia";
    std::string bytes = row.to ? row.to : "";
    if (row.to && *row.from) {
        bytes = kValid;
        const std::size_t at = bytes.find(row.from);
        ASSERT_NE(at, std::string::npos) << row.from;
        bytes.replace(at, std::strlen(row.from), row.to);
    }
    if (row.resizedTo)
        bytes.resize(row.resizedTo, ' ');
    if (row.to)
        WriteBytes(damaged, bytes);
    const std::vector<fs::path> files = Listing(folder);

    EXPECT_FALSE(session.OpenFile(damaged.string()));

    ASSERT_EQ(dialogs.messages.shown.size(), 1u);
    const auto& [text, title] = dialogs.messages.shown[0];
    const std::string start = "Il modello " + damaged.string() +
                              " non può essere aperto: " + row.place + (*row.place ? ": " : "");
    EXPECT_EQ(text.substr(0, start.size()), start) << text;
    EXPECT_NE(text.find(row.reason), std::string::npos) << text;
    EXPECT_EQ(title, "Errore Apertura Modello");
    EXPECT_EQ(session.Document().Content(), before);
    EXPECT_TRUE(session.Document().Modified());
    EXPECT_EQ(session.Path(), validPath);
    EXPECT_EQ(session.RecentFiles(), recentBefore);
    EXPECT_EQ(Listing(folder), files);
    if (row.to) {
        EXPECT_EQ(FileBytes(damaged), bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedModelTest,
    testing::Values(
        DamagedRow{"Missing", "", nullptr, "", "il file non esiste"},
        DamagedRow{"Empty", "", "", "", "il file è vuoto"},
        DamagedRow{"NotJson", "", "nome=Prova\n", "riga 1, colonna 2", "non è testo JSON"},
        DamagedRow{"Cut", "", kValid.c_str(), "riga 9, colonna 39", "tagliato", 577},
        DamagedRow{"TextAfterTheModel", "]}\n", "]}\n}\n", "riga 11, colonna 1",
                   "non è testo JSON"},
        DamagedRow{"NotUtf8", "\"nome\": \"B\"", "\"nome\": \"\xe8\"", "riga 7, colonna 13",
                   "UTF-8"},
        DamagedRow{"NumberBeyondADouble", "\"Vel\": 60", "\"Vel\": 1e999", "riga 5, colonna 38",
                   "numero troppo grande"},
        DamagedRow{
            "NestedTooDeep", "\"note\": \"\"",
            "\"note\": \"\", \"x\": [[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[["
            "[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]",
            "riga 1, colonna 143", "annidati"},
        DamagedRow{"NotAnObject", "", "[]", "", "non è un oggetto"},
        DamagedRow{"OtherFormat", "coppia-modello", "coppia-analisi", "formato",
                   "non è un modello"},
        DamagedRow{"NewerVersion", "\"versione\": 1", "\"versione\": 2", "versione",
                   "versione 2, più recente della 1"},
        DamagedRow{"VersionZero", "\"versione\": 1", "\"versione\": 0", "versione", "intero da 1"},
        DamagedRow{"MissingKey", "\"note\": \"\",", "", "note", "chiave mancante"},
        DamagedRow{"NameNotText", "\"nome\": \"Prova\"", "\"nome\": 5", "nome", "testo"},
        DamagedRow{"SurfacesNotAList", "\"superfici\": [", "\"superfici\": \"\", \"x\": [",
                   "superfici", "lista"},
        DamagedRow{"SurfaceNotAnObject", "\"superfici\": [", "\"superfici\": [1, ", "superfici[0]",
                   "oggetto"},
        DamagedRow{"NumberAsText", "\"Vel\": 50", "\"Vel\": \"50\"", "superfici[1].ingressi.Vel",
                   "deve essere un numero"},
        DamagedRow{"MissingInput", "\"CarAla\": 50, \"Ang\": 29.9", "\"Ang\": 29.9",
                   "superfici[1].ingressi.CarAla", "chiave mancante"},
        DamagedRow{"UnknownKind", "\"flap\"", "\"canard\"", "superfici[1].tipo", "\"timone\""},
        DamagedRow{"UnknownDeflection", "\"corsa\"", "\"gradi\"", "superfici[1].deflessione",
                   "\"angolo\", \"corsa\""},
        DamagedRow{"NoServos", "\"servi\": 2", "\"servi\": 0", "superfici[1].servi", "da 1 a 16"},
        DamagedRow{"NegativeServos", "\"servi\": 2", "\"servi\": -2", "superfici[1].servi",
                   "da 1 a 16"},
        DamagedRow{"HalfAServo", "\"servi\": 2", "\"servi\": 1.5", "superfici[1].servi",
                   "da 1 a 16"},
        DamagedRow{"ZeroRating", "\"coppia\": 30", "\"coppia\": 0", "superfici[1].servo.coppia",
                   "maggiore di 0"},
        DamagedRow{"UnknownUnit", "\"N*cm\"", "\"oz*in\"", "superfici[1].servo.unita",
                   "\"Kg*cm\", \"N*cm\""},
        DamagedRow{"AngleBeyondTheLimit", "\"Ang\": 20", "\"Ang\": 60.5",
                   "superfici[0].ingressi.Ang", "fra -60 e 60"},
        DamagedRow{"BeyondTheReadLimit", "", kValid.c_str(), "", "16 MiB",
                   kModelFileReadLimit + 1}));

enum class Action { Nuovo, Apri, Chiudi };

struct FlowRow {
    const char* name;
    Action action;
    bool untitled;                     // the edited model was never saved: Salva asks where
    std::optional<SaveChoice> answer;  // none: nothing edited, nothing asked
    const char* saveAs;                // the file Salva saves an untitled model to, if any
    bool saveFails;
    bool wentThrough;
    bool saved;
};

void PrintTo(const FlowRow& row, std::ostream* out) {
    *out << row.name;
}

class UnsavedChangesTest : public ModelSessionTest, public testing::WithParamInterface<FlowRow> {};

TEST_P(UnsavedChangesTest, AsksAndSavesGoesOnOrStopsAsAnswered) {
    const FlowRow& row = GetParam();
    const std::string otherPath = (folder / "altro.coppia").string();
    std::string other = kValid;
    other.replace(other.find("Prova"), 5, "Altro");
    WriteBytes(otherPath, other);
    if (row.untitled && row.answer) {
        ASSERT_TRUE(session.Document().SetName("Sport 160"));
    } else if (row.answer) {
        OpenValidAndEdit();
    } else {
        ASSERT_TRUE(session.OpenFile(validPath));
    }
    const Model edited = session.Document().Content();
    if (row.saveFails) {
        fs::remove(validPath);
        fs::create_directory(validPath);
    }
    dialogs.answer = row.answer.value_or(SaveChoice::Annulla);
    dialogs.fileToOpen = otherPath;
    if (row.saveAs)
        dialogs.fileToSave = (folder / row.saveAs).string();
    const std::string savedPath = row.untitled ? dialogs.fileToSave.value_or("") : validPath;

    bool wentThrough = false;
    switch (row.action) {
        case Action::Nuovo:
            wentThrough = session.New();
            break;
        case Action::Apri:
            wentThrough = session.Open();
            break;
        case Action::Chiudi:
            wentThrough = session.MayClose();
            break;
    }

    EXPECT_EQ(wentThrough, row.wentThrough);
    const std::string name = row.untitled ? "Sport 160" : "Prova";
    EXPECT_EQ(dialogs.questions,
              row.answer ? std::vector<std::string>{"Salvare le modifiche a " + name + "?"}
                         : std::vector<std::string>{});
    const bool askedWhere = row.untitled && row.answer == SaveChoice::Salva;
    EXPECT_EQ(dialogs.suggestions, askedWhere ? std::vector<std::string>{"Sport 160.coppia"}
                                              : std::vector<std::string>{});
    if (row.saved) {
        std::variant<Model, ModelFileFault> written = ReadModelFile(savedPath);
        ASSERT_TRUE(std::holds_alternative<Model>(written));
        EXPECT_EQ(std::get<Model>(written), edited);
        EXPECT_EQ(session.RecentFiles().at(row.action == Action::Apri ? 1 : 0), savedPath);
    } else if (!row.saveFails) {
        EXPECT_EQ(FileBytes(validPath), kValid);
        EXPECT_FALSE(row.saveAs && fs::exists(folder / row.saveAs));
    }
    if (row.saveFails) {
        ASSERT_EQ(dialogs.messages.shown.size(), 1u);
        EXPECT_EQ(dialogs.messages.shown[0].first,
                  "Dati Non Salvati in " + validPath + ": è una cartella!!");
    }
    if (!row.wentThrough || row.action == Action::Chiudi) {
        EXPECT_EQ(session.Document().Content(), edited);
        EXPECT_EQ(session.Document().Modified(), row.answer && !row.saved);
    } else if (row.action == Action::Nuovo) {
        EXPECT_EQ(session.Document().Content().name, "Nuovo modello");
        EXPECT_FALSE(session.Path());
        EXPECT_EQ(session.WindowTitle(), "Nuovo modello[*] – Modello");
    } else {
        EXPECT_EQ(session.Document().Content().name, "Altro");
        EXPECT_EQ(session.Path(), otherPath);
        EXPECT_EQ(session.RecentFiles().front(), otherPath);
    }
    EXPECT_FALSE(session.Document().Modified() && row.wentThrough && row.action != Action::Chiudi);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UnsavedChangesTest,
    testing::Values(FlowRow{"NuovoSalva", Action::Nuovo, false, SaveChoice::Salva, nullptr, false,
                            true, true},
                    FlowRow{"NuovoNonSalvare", Action::Nuovo, false, SaveChoice::NonSalvare,
                            nullptr, false, true, false},
                    FlowRow{"NuovoAnnulla", Action::Nuovo, false, SaveChoice::Annulla, nullptr,
                            false, false, false},
                    FlowRow{"ApriSalvaAsksWhere", Action::Apri, true, SaveChoice::Salva,
                            "nuovo.coppia", false, true, true},
                    FlowRow{"ApriSalvaGivenUpWhere", Action::Apri, true, SaveChoice::Salva, nullptr,
                            false, false, false},
                    FlowRow{"ChiudiSalvaFails", Action::Chiudi, false, SaveChoice::Salva, nullptr,
                            true, false, false},
                    FlowRow{"ChiudiNonSalvare", Action::Chiudi, false, SaveChoice::NonSalvare,
                            nullptr, false, true, false},
                    FlowRow{"ChiudiUnchanged", Action::Chiudi, false, std::nullopt, nullptr, false,
                            true, false}));

}  // namespace
}  // namespace coppia
