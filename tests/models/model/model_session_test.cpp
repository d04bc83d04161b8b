// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_session.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

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
    const char* from;               // the text of the valid file to replace; empty: the whole file
    std::optional<std::string> to;  // none: no file at all
    const char* place;              // in words
    const char* reason;             // a part of the reason
    const char* keyPath;            // after the reason, for those who write the file by tool
    std::size_t resizedTo = 0;      // cut to this size, or blanks after the JSON up to it
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
    std::string bytes = row.to.value_or("");
    if (row.to && *row.from) {
        bytes = kValid;
        const std::size_t at = bytes.find(row.from);
        ASSERT_NE(at, std::string::npos) << row.from;
        bytes.replace(at, std::strlen(row.from), *row.to);
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
    const std::string end = *row.keyPath ? " (" + std::string(row.keyPath) + ")." : ".";
    EXPECT_TRUE(text.ends_with(end)) << text;
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
        DamagedRow{"Missing", "", std::nullopt, "", "il file non esiste", ""},
        DamagedRow{"Empty", "", "", "", "il file è vuoto", ""},
        DamagedRow{"Blanks", "", " \r\n\t\n  ", "", "il file è vuoto: solo spazi e a capo", ""},
        DamagedRow{"Utf16LittleEndianWithMark", "", std::string("\xFF\xFE{\0\"\0", 6), "",
                   "il file è codificato in UTF-16, non in UTF-8", ""},
        DamagedRow{"Utf16WithoutMark", "", std::string("{\0\n\0 \0 \0\"\0f\0", 12), "",
                   "il file è codificato in UTF-16, non in UTF-8", ""},
        DamagedRow{"Utf16BigEndianWithoutMark", "", std::string("\0{\0\n\0 \0 \0\"", 10), "",
                   "il file è codificato in UTF-16, non in UTF-8", ""},
        DamagedRow{"Utf16BigEndianWithMark", "", "\xFE\xFF", "",
                   "il file è codificato in UTF-16, non in UTF-8", ""},
        DamagedRow{"NotJson", "", "nome=Prova\n", "riga 1, colonna 2", "non è testo JSON", ""},
        DamagedRow{"Cut", "", kValid, "riga 9, colonna 39", "tagliato", "", 577},
        DamagedRow{"TextAfterTheModel", "]}\n", "]}\n}\n", "riga 11, colonna 1", "non è testo JSON",
                   ""},
        DamagedRow{"NotUtf8", "\"nome\": \"B\"", "\"nome\": \"\xe8\"", "riga 7, colonna 13",
                   "UTF-8", ""},
        DamagedRow{"NumberBeyondADouble", "\"Vel\": 60", "\"Vel\": 1e999", "riga 5, colonna 38",
                   "numero troppo grande", ""},
        DamagedRow{"NumberThatUnderflows", "\"Vel\": 50", "\"Vel\": 1e-400",
                   "superficie 2, campo Vel", "numero troppo piccolo", "superfici[1].ingressi.Vel"},
        DamagedRow{"NegativeNumberThatUnderflows", "\"CarAla\": 50, \"Ang\": 20",
                   "\"CarAla\": -0.00001e-330, \"Ang\": 20", "superficie 1, campo CarAla",
                   "numero troppo piccolo", "superfici[0].ingressi.CarAla"},
        DamagedRow{
            "NestedTooDeep", "\"note\": \"\"",
            "\"note\": \"\", \"x\": [[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[["
            "[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]",
            "riga 1, colonna 143", "annidati", ""},
        DamagedRow{"NotAnObject", "", "[]", "", "non è un oggetto", ""},
        DamagedRow{"OtherFormat", "coppia-modello", "coppia-analisi", "campo formato",
                   "non è un modello", "formato"},
        DamagedRow{"NewerVersion", "\"versione\": 1", "\"versione\": 2", "campo versione",
                   "versione 2, più recente della 1", "versione"},
        DamagedRow{"FarNewerVersion", "\"versione\": 1", "\"versione\": 1e308", "campo versione",
                   "il file è di una versione più recente della 1", "versione"},
        DamagedRow{"NewerVersionNotWhole", "\"versione\": 1", "\"versione\": 1.5", "campo versione",
                   "versione 1.5, più recente della 1", "versione"},
        DamagedRow{"VersionZero", "\"versione\": 1", "\"versione\": 0", "campo versione",
                   "intero da 1", "versione"},
        DamagedRow{"VersionTwice", "\"versione\": 1", "\"versione\": 2, \"versione\": 1",
                   "campo versione", "chiave ripetuta", "versione"},
        DamagedRow{"InputTwice", "\"Vel\": 50", "\"Vel\": 55, \"Vel\": 70",
                   "superficie 2, campo Vel", "chiave ripetuta", "superfici[1].ingressi.Vel"},
        DamagedRow{"UnknownKeyTwiceDeep", "\"note\": \"\"",
                   "\"note\": \"\", \"x\": [{}, {\"a\": {\"b\": 1, \"b\": 2}}]", "x[1], a, campo b",
                   "chiave ripetuta", "x[1].a.b"},
        DamagedRow{"MissingKey", "\"note\": \"\",", "", "campo note", "chiave mancante", "note"},
        DamagedRow{"NameNotText", "\"nome\": \"Prova\"", "\"nome\": 5", "campo nome", "testo",
                   "nome"},
        DamagedRow{"ModelNameOf201", "\"nome\": \"Prova\"",
                   "\"nome\": \"" + std::string(201, 'a') + "\"", "campo nome",
                   "più di 200 caratteri", "nome"},
        DamagedRow{"NotesOf10001", "\"note\": \"\"",
                   "\"note\": \"" + std::string(10001, 'n') + "\"", "campo note",
                   "più di 10000 caratteri", "note"},
        DamagedRow{"SurfaceNameOf100000", "\"nome\": \"A\"",
                   "\"nome\": \"" + std::string(100000, 'a') + "\"", "superficie 1, campo nome",
                   "più di 200 caratteri", "superfici[0].nome"},
        DamagedRow{"ServoNameOf201", "\"nome\": \"\", \"coppia\": 30",
                   "\"nome\": \"" + std::string(201, 'x') + "\", \"coppia\": 30",
                   "superficie 2 («B»), servo, campo nome", "più di 200 caratteri",
                   "superfici[1].servo.nome"},
        DamagedRow{"NulInAName", "\"nome\": \"B\"", "\"nome\": \"B\\u0000C\"",
                   "superficie 2, campo nome", "NUL", "superfici[1].nome"},
        DamagedRow{"NulInTheModelName", "\"nome\": \"Prova\"", "\"nome\": \"\\u0000\"",
                   "campo nome", "NUL", "nome"},
        DamagedRow{"SurfacesNotAList", "\"superfici\": [", "\"superfici\": \"\", \"x\": [",
                   "campo superfici", "lista", "superfici"},
        DamagedRow{"SurfaceNotAnObject", "\"superfici\": [", "\"superfici\": [1, ", "superficie 1",
                   "oggetto", "superfici[0]"},
        DamagedRow{"NumberAsText", "\"Vel\": 50", "\"Vel\": \"50\"",
                   "superficie 2 («B»), campo Vel", "deve essere un numero",
                   "superfici[1].ingressi.Vel"},
        DamagedRow{"MissingInput", "\"CarAla\": 50, \"Ang\": 29.9", "\"Ang\": 29.9",
                   "superficie 2 («B»), campo CarAla", "chiave mancante",
                   "superfici[1].ingressi.CarAla"},
        DamagedRow{"UnknownKind", "\"flap\"", "\"canard\"", "superficie 2 («B»), campo tipo",
                   "\"timone\"", "superfici[1].tipo"},
        DamagedRow{"UnknownDeflection", "\"corsa\"", "\"gradi\"",
                   "superficie 2 («B»), campo deflessione", "\"angolo\", \"corsa\"",
                   "superfici[1].deflessione"},
        DamagedRow{"NoServos", "\"servi\": 2", "\"servi\": 0", "superficie 2 («B»), campo servi",
                   "da 1 a 16", "superfici[1].servi"},
        DamagedRow{"NegativeServos", "\"servi\": 2", "\"servi\": -2",
                   "superficie 2 («B»), campo servi", "da 1 a 16", "superfici[1].servi"},
        DamagedRow{"HalfAServo", "\"servi\": 2", "\"servi\": 1.5",
                   "superficie 2 («B»), campo servi", "da 1 a 16", "superfici[1].servi"},
        DamagedRow{"ZeroRating", "\"coppia\": 30", "\"coppia\": 0",
                   "superficie 2 («B»), servo, campo coppia", "da 0.01 a 10000",
                   "superfici[1].servo.coppia"},
        DamagedRow{"TinyRating", "\"coppia\": 30", "\"coppia\": 1e-320",
                   "superficie 2 («B»), servo, campo coppia", "da 0.01 a 10000",
                   "superfici[1].servo.coppia"},
        DamagedRow{"HugeRating", "\"coppia\": 30", "\"coppia\": 10000.01",
                   "superficie 2 («B»), servo, campo coppia", "da 0.01 a 10000",
                   "superfici[1].servo.coppia"},
        DamagedRow{"UnknownUnit", "\"N*cm\"", "\"oz*in\"", "superficie 2 («B»), servo, campo unita",
                   "\"Kg*cm\", \"N*cm\"", "superfici[1].servo.unita"},
        DamagedRow{"AngleBeyondTheLimit", "\"Ang\": 20", "\"Ang\": 60.5",
                   "superficie 1 («A»), campo Ang", "fra -60 e 60", "superfici[0].ingressi.Ang"},
        DamagedRow{"BeyondTheReadLimit", "", kValid, "", "16 MiB", "", kModelFileReadLimit + 1}));

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
    fs::create_directory_symlink(home / "y" / "z", home / "x" / "ln");
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
    ASSERT_TRUE(session.Modello_Salva_Click());

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
    fs::create_directory_symlink(home / "y" / "z", home / "x" / "ln");
    dialogs.fileToSave = (home / "x" / "ln" / ".." / "nuovo.coppia").string();
    ASSERT_TRUE(session.Modello_SalvaConNome_Click());
    EXPECT_EQ(session.Path(), (home / "y" / "nuovo.coppia").string());
    EXPECT_TRUE(fs::exists(home / "y" / "nuovo.coppia"));
    EXPECT_FALSE(fs::exists(home / "x" / "nuovo.coppia"));
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
    for (const std::string& name : row.storedBefore) stored.push_back("/vecchi/" + name);
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
        expected.push_back(name.size() == 1 ? (home / (name + ".coppia")).string()
                                            : "/vecchi/" + name);
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

    EXPECT_EQ(session.Modello_Salva_Click(), row.saved);

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
        EXPECT_EQ(std::get<Model>(ReadModelFile(home / row.saveAs)).name, "Modificato");
    } else {
        EXPECT_EQ(session.Path(), (gone / "m.coppia").string());
        EXPECT_EQ(session.SaveProblem(), told);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, GoneFolderTest,
                         testing::Values(GoneFolderRow{"SavedElsewhere", "altrove.coppia", true},
                                         GoneFolderRow{"GivenUp", nullptr, false}));

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
            wentThrough = session.Modello_Nuovo_Click();
            break;
        case Action::Apri:
            wentThrough = session.Modello_Apri_Click();
            break;
        case Action::Chiudi:
            wentThrough = session.Modello_Chiudi();
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
