// A case as the command line prints it: as text rows or as one JSON object.
#pragma once

#include <string>

#include "case_engine/CaseEngine.h"

namespace schattwerk {

enum class ReportFormat { Text, Json };

struct ReportOptions {
    ReportFormat format = ReportFormat::Text;
    bool withSolution = false;
};

// Appends the engine's case: eight rows of witness name and hint number in witness order and,
// with the solution, the culprit and the hiding place. Text ends with a line feed, JSON is one
// line.
void AppendCaseReport(const CaseEngine& engine, const ReportOptions& options, std::string& out);

}  // namespace schattwerk
