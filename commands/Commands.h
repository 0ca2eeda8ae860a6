// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "formats/CalendarExport.h"
#include "formats/ContactImport.h"
#include "platform/KeyValueStore.h"
#include "platform/Messages.h"

// The commands that work without any window. Each returns the exit status and reports a failure
// on standard error, in the words `say` gives.

// Writes the records of `dataPath` and the dates of the address books' copies in
// `addressBookFolder` (as ContactRecords loads them with `defaults`) to `target` as
// ExportDataFile does. A copy that cannot be read is left out and named on standard error.
int RunExport(const std::string& dataPath, const std::string& target, const CalendarTexts& texts,
              const PluralTranslator& say, const std::string& addressBookFolder,
              const ImportDefaults& defaults);

// Imports the vCard file `vcardPath` as ImportContacts does, and prints one line that counts what
// was imported and skipped.
int RunImport(const std::string& dataPath, const std::string& vcardPath,
              const ImportDefaults& defaults, const PluralTranslator& say);

// Sets the daily run's time to `time` (H:MM or HH:MM): the timer's drop-in in `timerFolder`
// (empty: no home), then the setting in `store`. A time that is none, or a drop-in that cannot be
// written, changes nothing.
int RunDailyAt(const std::string& time, KeyValueStore& store, const std::string& timerFolder,
               const PluralTranslator& say);
