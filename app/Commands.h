// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "formats/CalendarExport.h"
#include "formats/ContactImport.h"

// A problem on standard error, "ovrana: " first, without control characters.
void PrintError(const std::string& text);

// The commands that work without any window. Each returns the exit status and reports a failure
// on standard error.

// Writes the records of `dataPath` to `target` as an iCalendar file ("-": standard output), as
// WriteCalendar does; never to the data file itself, its backup or its lock.
int RunExport(const std::string& dataPath, const std::string& target, const CalendarTexts& texts);

// Adds the birthdays and anniversaries of the vCard file `vcardPath` ("-": standard input) to the
// records of `dataPath`, under the run lock and with the data file's safe save, and prints one
// line that counts what was imported and skipped.
int RunImport(const std::string& dataPath, const std::string& vcardPath,
              const ImportDefaults& defaults);
