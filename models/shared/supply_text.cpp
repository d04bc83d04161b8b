// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/supply_text.h"

#include <vector>

#include "engine/number_text.h"
#include "models/shared/installation_verdict.h"
#include "models/shared/servo_motion_text.h"

namespace coppia {

namespace {

std::string Servos(int count) {
    return std::to_string(count) + (count == 1 ? " servo" : " servi");
}

std::string Rating(double amperes) {
    return FormatPlainNumber(amperes) + " A";
}

// A sum over the servos whose data give it: a lower bound when some lack them.
std::string Sum(double amperes, int lacking, int servos) {
    if (lacking >= servos)
        return "non nota";
    return (lacking > 0 ? "almeno " : "") + AmperesText(amperes) + " A";
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (!part.empty())
            text += (text.empty() ? "" : "; ") + part;
    }
    return text;
}

// How many servos lack their currents, when some do: the sums are then the others'.
std::string Lacking(const SupplyCheck& check, int servos) {
    if (check.movingLacking >= servos)
        return "nessun servo ha i dati di corrente";
    return check.servosLacking > 0 ? Servos(check.servosLacking) + " senza dati di corrente" : "";
}

// Why the verdict is what it is. Where servos lack data, the current counted is a lower bound,
// and so the reserve shown is at most what it is.
std::string Reasons(const SupplyCheck& check, int servos) {
    const std::string reserve = "riserva " + std::string(check.servosLacking > 0 ? "al più " : "") +
                                MarginText(*check.reserve);
    std::vector<std::string> reasons;
    switch (*check.verdict) {
        case Verdict::Sufficient:
            return reserve + ", picco che copre lo spunto";
        case Verdict::Insufficient:
            reasons.push_back(reserve +
                              ": la corrente continua non basta per tutti i servi in moto");
            break;
        case Verdict::AtTheLimit:
            if (check.movingLacking < servos) {
                reasons.push_back(reserve + (*check.reserve < kSupplyReserve
                                                 ? ", sotto " + FormatPlainNumber(kSupplyReserve)
                                                 : std::string()));
            }
            if (!check.peakReserve)
                reasons.push_back("manca la corrente di picco");
            else if (*check.peakReserve < 1)
                reasons.push_back("il picco non copre lo spunto");
            break;
    }
    reasons.push_back(Lacking(check, servos));
    return Joined(reasons);
}

std::string VerdictWords(Verdict verdict) {
    switch (verdict) {
        case Verdict::Sufficient:
            return "Alimentazione sufficiente";
        case Verdict::AtTheLimit:
            return "Alimentazione al Limite";
        case Verdict::Insufficient:
            break;
    }
    return "Alimentazione insufficiente";
}

std::string Currents(const SupplyCheck& check, const SupplyRecord& supply, int servos) {
    std::string text = "Tutte le superfici in moto, ciascuna alla sua deflessione: " +
                       Sum(check.moving, check.movingLacking, servos);
    if (supply.continuous)
        text += " su " + Rating(*supply.continuous) + " continui";
    text += "; tutti i servi allo spunto: " + Sum(check.surge, check.surgeLacking, servos);
    if (supply.peak)
        text += " su " + Rating(*supply.peak) + " di picco";
    return text;
}

constexpr std::string_view kSources =
    "Per regola pratica: circa 1 A per servo standard in moto (domande e risposte di robotica, "
    "note dei costruttori di controllori di volo); 3–4.5 A continui dal regolatore da 5 V di un "
    "controllore di volo; circa 3.5 A continui, 5 A per pochi istanti, su un connettore da "
    "2.54 mm (nota tecnica di un costruttore di servi): un solo cavo verso la ricevente può "
    "essere il collo di bottiglia";

}  // namespace

SupplyLines DescribeSupply(const SupplyCheck& check, const std::optional<SupplyRecord>& supply,
                           int servos) {
    SupplyLines lines;
    if (servos <= 0)
        return lines;
    const bool given = supply && (!supply->name.empty() || supply->continuous || supply->peak);
    const bool anyCurrent = check.movingLacking < servos || check.surgeLacking < servos;
    if (!given && !anyCurrent) {
        lines.verdict =
            "Alimentazione e correnti dei servi da indicare, nelle pagine Modello e Superficie";
        return lines;
    }
    lines.currents = Currents(check, supply.value_or(SupplyRecord{}), servos);
    lines.sources = kSources;
    if (!given) {
        lines.verdict =
            Joined({"Alimentazione da indicare nella pagina Modello", Lacking(check, servos)});
        return lines;
    }
    const std::string name = supply->name.empty() ? "" : " (" + supply->name + ")";
    if (!check.verdict) {
        lines.verdict = Joined(
            {"Alimentazione" + name + ": manca la corrente continua", Lacking(check, servos)});
        return lines;
    }
    lines.verdict = VerdictWords(*check.verdict) + name + ": " + Reasons(check, servos);
    lines.tone = ToneOf(*check.verdict);
    lines.rule = "Regola, una scelta di progetto: sufficiente se la continua è almeno " +
                 FormatPlainNumber(kSupplyReserve) +
                 " volte la corrente in moto e il picco copre lo spunto, noti i dati di ogni "
                 "servo; insufficiente se è sotto la corrente in moto";
    return lines;
}

std::optional<std::optional<double>> TypedSupplyCurrent(std::string_view text) {
    return TypedInRange(text, kLeastSupplyCurrent, kMostSupplyCurrent);
}

std::string SupplyCurrentProblem(std::string_view caption) {
    return std::string(caption) + " non valida: serve " + std::string(kSupplyCurrentRange) +
           ", o niente se non si conosce";
}

}  // namespace coppia
