// SPDX-License-Identifier: MIT
#include "Commands.h"

#include <cstdio>
#include <ctime>

#include "Arguments.h"
#include "contacts/ContactRecords.h"

int RunExport(const std::string& dataPath, const std::string& target, const CalendarTexts& texts,
              const PluralTranslator& say, const std::string& addressBookFolder,
              const ImportDefaults& defaults) {
    ContactRecords contacts;
    std::vector<std::string> unreadable;
    const Problem problem =
        ExportDataFile(dataPath, target, std::time(nullptr), texts, [&](RecordList& records) {
            unreadable = contacts.Load(addressBookFolder, records, defaults);
        });
    if (!unreadable.empty()) {
        PrintError(UnreadableCopiesText(unreadable, say));
    }
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
