// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "contacts/AddressBookCopy.h"
#include "formats/ContactImport.h"
#include "formats/Problem.h"
#include "sync/Passwords.h"

// The words of what the import and the export report, in the user's language. English is the
// source; `say` gives a template of `context` translated, its plural form chosen by `n` (-1: none),
// by whichever translations the caller has: the windows' installed ones or the command line's.
using PluralTranslator = std::function<std::string(const char* context, const char* source, int n)>;

// One sentence, without a full stop: "the card that begins on line 1 has no END:VCARD".
std::string ProblemText(const Problem& problem, const PluralTranslator& say);

// Why a contact was left out: "already present", "not a date: circa 1800", ...
std::string SkipReasonText(const SkippedContact& skipped, const PluralTranslator& say);

// "Imported N records; skipped M already present, K without a date, L without a name"
std::string ImportSummary(const ImportPlan& plan, const PluralTranslator& say);

// What went wrong with an address book's server, naming it, in one line without a full stop:
// "dav.example.org refused the user name or password". Empty for none. `inWindow`: said beside a
// button that trusts a refused certificate, rather than on the command line.
std::string SyncProblemText(const SyncProblem& problem, const PluralTranslator& say,
                            bool inWindow = false);

// Why no password came from the keyring or the password command; empty when one did.
std::string PasswordProblemText(const PasswordResult& result, const PluralTranslator& say);

// The local copies of address books that could not be read: their dates are left out for now.
std::string UnreadableCopiesText(const std::vector<std::string>& copies,
                                 const PluralTranslator& say);

// A time of day the daily run cannot take, as the user gave it: "25:00 is not a time of day, ...".
std::string NotATimeText(const std::string& given, const PluralTranslator& say);

// The daily run's time was not changed, as the timer's drop-in in `folder` could not be written.
std::string DailyTimerFailureText(const std::string& folder, int error,
                                  const PluralTranslator& say);
