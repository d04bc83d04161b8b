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
        // The column counts the accented letter as the one character an editor shows.
        DamagedRow{"NotJsonAfterAnAccentedLetter", "\"nome\": \"Prova\",", "\"nome\": \"Però\";",
                   "riga 1, colonna 60", "non è testo JSON", ""},
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
        DamagedRow{"ProfileNotAnObject", "\"servo\": {\"nome\": \"\", \"coppia\": 30",
                   "\"profilo\": 12, \"servo\": {\"nome\": \"\", \"coppia\": 30",
                   "superficie 2 («B»), campo profilo", "deve essere un oggetto",
                   "superfici[1].profilo"},
        DamagedRow{"ThicknessBeyond20", "\"servo\": {\"nome\": \"\", \"coppia\": 30",
                   "\"profilo\": {\"spessore\": 20.5, \"fessura\": \"aperta\"}, "
                   "\"servo\": {\"nome\": \"\", \"coppia\": 30",
                   "superficie 2 («B»), profilo, campo spessore", "un numero da 0 a 20",
                   "superfici[1].profilo.spessore"},
        DamagedRow{"ThicknessAsText", "\"servo\": {\"nome\": \"\", \"coppia\": 3,",
                   "\"profilo\": {\"spessore\": \"12\", \"fessura\": \"aperta\"}, "
                   "\"servo\": {\"nome\": \"\", \"coppia\": 3,",
                   "superficie 1 («A»), profilo, campo spessore", "deve essere un numero",
                   "superfici[0].profilo.spessore"},
        DamagedRow{"ProfileWithoutItsGap", "\"servo\": {\"nome\": \"\", \"coppia\": 30",
                   "\"profilo\": {\"spessore\": 12}, \"servo\": {\"nome\": \"\", \"coppia\": 30",
                   "superficie 2 («B»), profilo, campo fessura", "chiave mancante",
                   "superfici[1].profilo.fessura"},
        DamagedRow{"UnknownGap", "\"servo\": {\"nome\": \"\", \"coppia\": 30",
                   "\"profilo\": {\"spessore\": 12, \"fessura\": \"chiusa\"}, "
                   "\"servo\": {\"nome\": \"\", \"coppia\": 30",
                   "superficie 2 («B»), profilo, campo fessura", "\"sigillata\", \"aperta\"",
                   "superfici[1].profilo.fessura"},
        DamagedRow{"VoltageAsText", "\"coppia\": 30", "\"coppia\": 30, \"tensione\": \"6 V\"",
                   "superficie 2 («B»), servo, campo tensione", "deve essere un numero, o null",
                   "superfici[1].servo.tensione"},
        DamagedRow{"VoltageBelowOne", "\"coppia\": 30", "\"coppia\": 30, \"tensione\": 0.5",
                   "superficie 2 («B»), servo, campo tensione", "da 1 a 50 V, o null",
                   "superfici[1].servo.tensione"},
        DamagedRow{"Time60InMilliseconds", "\"coppia\": 30", "\"coppia\": 30, \"tempo60\": 120",
                   "superficie 2 («B»), servo, campo tempo60", "da 0.01 a 10 s, o null",
                   "superfici[1].servo.tempo60"},
        DamagedRow{"NoLoadCurrentZero", "\"coppia\": 3,", "\"coppia\": 3, \"corrente_vuoto\": 0,",
                   "superficie 1 («A»), servo, campo corrente_vuoto", "da 0.001 a 50 A, o null",
                   "superfici[0].servo.corrente_vuoto"},
        DamagedRow{"StallCurrentAList", "\"coppia\": 30",
                   "\"coppia\": 30, \"corrente_stallo\": [2.5]",
                   "superficie 2 («B»), servo, campo corrente_stallo",
                   "deve essere un numero, o null", "superfici[1].servo.corrente_stallo"},
        DamagedRow{"SupplyNotAnObject", "\"note\": \"\"",
                   "\"note\": \"\", \"alimentazione\": \"BEC 5 A\"", "campo alimentazione",
                   "deve essere un oggetto", "alimentazione"},
        DamagedRow{"SupplyWithoutItsPeak", "\"note\": \"\"",
                   "\"note\": \"\", \"alimentazione\": {\"nome\": \"BEC\", \"continua\": 5}",
                   "alimentazione, campo picco", "chiave mancante", "alimentazione.picco"},
        DamagedRow{"SupplyCurrentZero", "\"note\": \"\"",
                   "\"note\": \"\", \"alimentazione\": {\"nome\": \"\", \"continua\": 0, "
                   "\"picco\": null}",
                   "alimentazione, campo continua", "da 0.01 a 1000 A, o null",
                   "alimentazione.continua"},
        DamagedRow{"SupplyCurrentAsText", "\"note\": \"\"",
                   "\"note\": \"\", \"alimentazione\": {\"nome\": \"\", \"continua\": 5, "
                   "\"picco\": \"7.5\"}",
                   "alimentazione, campo picco", "deve essere un numero, o null",
                   "alimentazione.picco"},
        DamagedRow{"SupplyNameOf201", "\"note\": \"\"",
                   "\"note\": \"\", \"alimentazione\": {\"nome\": \"" + std::string(201, 's') +
                       "\", \"continua\": 5, \"picco\": 7.5}",
                   "alimentazione, campo nome", "più di 200 caratteri", "alimentazione.nome"},
        DamagedRow{"AngleBeyondTheLimit", "\"Ang\": 20", "\"Ang\": 60.5",
                   "superficie 1 («A»), campo Ang", "fra -60 e 60", "superfici[0].ingressi.Ang"},
        DamagedRow{"BeyondTheReadLimit", "", kValid, "", "16 MiB", "", kModelFileReadLimit + 1}));

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
#if defined(__EMSCRIPTEN__)
        GTEST_SKIP() << "a page's files have no folder to stand where a file is saved";
#endif
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
    // A model with a file is asked about by the file's name.
    const std::string name = row.untitled ? "Sport 160" : "prova.coppia";
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
        EXPECT_FALSE(row.saveAs && Exists(folder / row.saveAs));
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

// A model's name proposed as a file's never leads into another folder on any system, and
// keeps every letter a name may have.
TEST_F(ModelSessionTest, ProposesTheModelsNameAsAFileNameEverySystemTakes) {
    const std::pair<const char*, const char*> rows[] = {
        {"Sport 160", "Sport 160"},
        {"Prove a/b", "Prove a-b"},
        {"..\\Modelli\\Prove", "..-Modelli-Prove"},
        {"C:Prove", "C-Prove"},
        {"Che? \"Sì\" <1|2>*", "Che- -Sì- -1-2--"},
        {"Riga\tdue", "Riga-due"},
        {"Niccolò caffè Модель", "Niccolò caffè Модель"},
    };
    for (const auto& [name, file] : rows) EXPECT_EQ(FileNameFor(name), file) << name;

    ASSERT_TRUE(session.Document().SetName("Prove\\v2"));
    session.SaveAs();
    EXPECT_EQ(dialogs.suggestions, std::vector<std::string>{"Prove-v2.coppia"});
}

}  // namespace
}  // namespace coppia
