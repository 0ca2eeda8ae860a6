// SPDX-License-Identifier: MIT
#include "Commands.h"

#include <cstdio>
#include <ctime>

#include "Arguments.h"

int RunExport(const std::string& dataPath, const std::string& target, const CalendarTexts& texts,
              const PluralTranslator& say) {
    const Problem problem = ExportDataFile(dataPath, target, std::time(nullptr), texts);
    if (problem.Failed()) {
        PrintError(ProblemText(problem, say));
        return 1;
    }
    return 0;
}

int RunImport(const std::string& dataPath, const std::string& vcardPath,
              const ImportDefaults& defaults, const PluralTranslator& say) {
    const ImportPlan plan = ImportContacts(dataPath, vcardPath, defaults);
    if (plan.problem.Failed()) {
        PrintError(ProblemText(plan.problem, say));
        return 1;
    }
    const std::string summary = ImportSummary(plan, say) + "\n";
    return std::fputs(summary.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
