// Text and JSON forms of a case.
#include "cli/CaseReport.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace schattwerk {
namespace {

constexpr std::size_t kNameColumnWidth = 20;

// Letters on screen, not bytes: UTF-8 continuation bytes take no column.
std::size_t DisplayWidth(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void AppendText(const CaseEngine& engine, bool withSolution, std::string& out) {
    for (const Statement& statement : engine.CaseStatements()) {
        const std::string_view name = statement.GetWitness().Name();
        out += name;
        out.append(kNameColumnWidth - std::min(DisplayWidth(name), kNameColumnWidth - 1), ' ');
        out += statement.HintText();
        out += '\n';
    }
    if (withSolution) {
        out += "Täter: ";
        out += engine.Culprit().Name();
        out += "\nVersteck: ";
        out += engine.HidingPlace();
        out += '\n';
    }
}

void AppendJson(const CaseEngine& engine, bool withSolution, std::string& out) {
    nlohmann::json rows = nlohmann::json::array();
    for (const Statement& statement : engine.CaseStatements()) {
        rows.push_back({{"witness", statement.GetWitness().Id()},
                        {"name", statement.GetWitness().Name()},
                        {"hint", statement.HintNumber()}});
    }
    nlohmann::json report = {{"rows", std::move(rows)}};
    if (withSolution) {
        report["culprit"] = engine.Culprit().Name();
        report["place"] = engine.HidingPlace();
    }
    out += report.dump();
    out += '\n';
}

}  // namespace

void AppendCaseReport(const CaseEngine& engine, const ReportOptions& options, std::string& out) {
    if (options.format == ReportFormat::Json) {
        AppendJson(engine, options.withSolution, out);
    } else {
        AppendText(engine, options.withSolution, out);
    }
}

}  // namespace schattwerk
