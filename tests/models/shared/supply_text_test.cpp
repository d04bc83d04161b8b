// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/supply_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace coppia {
namespace {

struct SupplyTextRow {
    const char* name;
    std::vector<SurfaceDraw> surfaces;
    std::optional<SupplyRecord> supply;
    const char* verdict;
    Tone tone;
    const char* currents;  // checked where given
};

void PrintTo(const SupplyTextRow& row, std::ostream* out) {
    *out << row.name;
}

class SupplyTextTest : public testing::TestWithParam<SupplyTextRow> {};

TEST_P(SupplyTextTest, TheVerdictInTheProgramsWordsAndColoursWithWhy) {
    const SupplyTextRow& row = GetParam();
    int servos = 0;
    for (const SurfaceDraw& surface : row.surfaces) servos += surface.servoCount;
    SupplyRating rating;
    if (row.supply)
        rating = {row.supply->continuous, row.supply->peak};
    const SupplyLines lines = DescribeSupply(CheckSupply(row.surfaces, rating), row.supply, servos);
    EXPECT_EQ(lines.verdict, row.verdict);
    EXPECT_EQ(lines.tone, row.tone);
    if (row.currents != nullptr) {
        EXPECT_EQ(lines.currents, row.currents);
    }
    // The rule is there whenever a verdict is, and names itself a choice, not a law.
    EXPECT_EQ(lines.rule.empty(), row.tone == Tone::Neutral);
    if (!lines.rule.empty()) {
        EXPECT_TRUE(lines.rule.starts_with(
            "Regola, una scelta di progetto: sufficiente se la continua è almeno 1.25 volte"))
            << lines.rule;
    }
}

// Four servos drawing 1 A each at their deflection and 2.5 A at stall: 4 A moving, 10 A surge.
const std::vector<SurfaceDraw> kFour{{4, 1.0, 2.5}};
// Two more servos whose data sheet gives no moving current.
const std::vector<SurfaceDraw> kPartial{{4, 1.0, 2.5}, {2, std::nullopt, 2.5}};
const std::vector<SurfaceDraw> kNoData{{6, std::nullopt, std::nullopt}};

SupplyRecord Bec(std::optional<double> continuous, std::optional<double> peak,
                 std::string name = "BEC 5 A") {
    return {std::move(name), continuous, peak};
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, SupplyTextTest,
    testing::Values(
        SupplyTextRow{"reserve_exact", kFour, Bec(5, 10),
                      "Alimentazione sufficiente (BEC 5 A): riserva 1.25, picco che copre lo "
                      "spunto",
                      Tone::Good,
                      "Tutte le superfici in moto, ciascuna alla sua deflessione: 4.00 A su 5 A "
                      "continui; tutti i servi allo spunto: 10.00 A su 10 A di picco"},
        SupplyTextRow{"reserve_short", kFour, Bec(4.99, 10),
                      "Alimentazione al Limite (BEC 5 A): riserva 1.24, sotto 1.25", Tone::Warning,
                      nullptr},
        SupplyTextRow{"just_enough", kFour, Bec(4, 10),
                      "Alimentazione al Limite (BEC 5 A): riserva 1.00, sotto 1.25", Tone::Warning,
                      nullptr},
        SupplyTextRow{"not_enough", kFour, Bec(3.99, 10, ""),
                      "Alimentazione insufficiente: riserva 0.99: la corrente continua non basta "
                      "per tutti i servi in moto",
                      Tone::Bad, nullptr},
        SupplyTextRow{"peak_short", kFour, Bec(5, 9.99),
                      "Alimentazione al Limite (BEC 5 A): riserva 1.25; il picco non copre lo "
                      "spunto",
                      Tone::Warning, nullptr},
        SupplyTextRow{"peak_unknown", kFour, Bec(5, std::nullopt),
                      "Alimentazione al Limite (BEC 5 A): riserva 1.25; manca la corrente di "
                      "picco",
                      Tone::Warning,
                      "Tutte le superfici in moto, ciascuna alla sua deflessione: 4.00 A su 5 A "
                      "continui; tutti i servi allo spunto: 10.00 A"},
        // Servos without their currents: the others' sum is a lower bound, never green.
        SupplyTextRow{"lacking", kPartial, Bec(100, 100),
                      "Alimentazione al Limite (BEC 5 A): riserva al più 25.00; 2 servi senza dati "
                      "di corrente",
                      Tone::Warning,
                      "Tutte le superfici in moto, ciascuna alla sua deflessione: almeno 4.00 A "
                      "su 100 A continui; tutti i servi allo spunto: 15.00 A su 100 A di picco"},
        SupplyTextRow{"lacking_and_short", kPartial, Bec(3, 20),
                      "Alimentazione insufficiente (BEC 5 A): riserva al più 0.75: la corrente "
                      "continua non basta per tutti i servi in moto; 2 servi senza dati di "
                      "corrente",
                      Tone::Bad, nullptr},
        SupplyTextRow{"nobody_has_data", kNoData, Bec(5, 7.5),
                      "Alimentazione al Limite (BEC 5 A): nessun servo ha i dati di corrente",
                      Tone::Warning,
                      "Tutte le superfici in moto, ciascuna alla sua deflessione: non nota su 5 "
                      "A continui; tutti i servi allo spunto: non nota su 7.5 A di picco"},
        SupplyTextRow{"no_supply", kFour, std::nullopt,
                      "Alimentazione da indicare nella pagina Modello", Tone::Neutral,
                      "Tutte le superfici in moto, ciascuna alla sua deflessione: 4.00 A; tutti i "
                      "servi allo spunto: 10.00 A"},
        SupplyTextRow{"no_supply_lacking", kPartial, std::nullopt,
                      "Alimentazione da indicare nella pagina Modello; 2 servi senza dati di "
                      "corrente",
                      Tone::Neutral, nullptr},
        SupplyTextRow{"named_only", kFour, Bec(std::nullopt, 7.5),
                      "Alimentazione (BEC 5 A): manca la corrente continua", Tone::Neutral,
                      nullptr},
        SupplyTextRow{"nothing_given", kNoData, std::nullopt,
                      "Alimentazione e correnti dei servi da indicare, nelle pagine Modello e "
                      "Superficie",
                      Tone::Neutral, ""}),
    [](const testing::TestParamInfo<SupplyTextRow>& info) { return std::string(info.param.name); });

TEST(SupplyTextTest, AModelWithoutSurfacesSaysNothingOfItsSupply) {
    EXPECT_EQ(DescribeSupply(CheckSupply({}, {5, 7.5}), Bec(5, 7.5), 0).verdict, "");
}

TEST(TypedSupplyCurrentTest, BlankIsNotGivenAndACurrentOutOfItsRangeIsRefused) {
    EXPECT_EQ(TypedSupplyCurrent(" "),
              std::optional<std::optional<double>>(std::optional<double>()));
    EXPECT_EQ(TypedSupplyCurrent("7,5"), std::optional<std::optional<double>>(7.5));
    EXPECT_EQ(TypedSupplyCurrent("0.01"), std::optional<std::optional<double>>(0.01));
    EXPECT_EQ(TypedSupplyCurrent("1000"), std::optional<std::optional<double>>(1000));
    EXPECT_EQ(TypedSupplyCurrent("0"), std::nullopt);
    EXPECT_EQ(TypedSupplyCurrent("5000"), std::nullopt) << "milliamperes";
    EXPECT_EQ(SupplyCurrentProblem("Corrente di picco"),
              "Corrente di picco non valida: serve un numero da 0.01 a 1000 A, o niente se non si "
              "conosce");
}

}  // namespace
}  // namespace coppia
