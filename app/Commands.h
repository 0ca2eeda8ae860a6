// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "model/CalendarExport.h"

// The commands that work without any window. Each returns the exit status and reports a failure
// on standard error.

// Writes the records of `dataPath` to `target` as an iCalendar file ("-": standard output).
int RunExport(const std::string& dataPath, const std::string& target, const CalendarTexts& texts);
