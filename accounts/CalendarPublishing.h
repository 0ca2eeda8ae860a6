// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "formats/CalendarExport.h"
#include "formats/ContactImport.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/TextServices.h"
#include "sync/CalendarPublish.h"
#include "sync/Passwords.h"

class RunLock;

// Publishing the dates to a calendar on a server, in the steps the command line and the accounts
// dialog share; the dialog runs the ones that wait on a server off its window's thread, and the
// keyring's on it. One run at a time changes the calendar; the records are read whole before
// anything is sent, as a data file gone astray must never empty the calendar; what the server
// holds of ours is kept after each step that changed it. A step that fails gives one line, in
// the words `say` gives; one that went well gives an empty one.

// What a published calendar holds: the dates as --export writes them.
struct PublishSource {
    std::string dataPath;
    std::string addressBookFolder;
    ImportDefaults defaults;  // of the address books' dates
    CalendarTexts texts;
    std::string calendarName;  // of the calendar looked for, else made
};
PublishSource MakePublishSource(std::string dataPath, std::string addressBookFolder,
                                const AppSettings& settings, const Translator& translate);

// Whether `url` names `calendar`: its own address or the one it was published with.
bool PublishedTo(const PublishedCalendar& calendar, const std::string& url);

// A publish from its first step to its last, the lock held throughout.
struct Publishing {
    std::string path;  // of what is published
    std::shared_ptr<RunLock> lock;
    LoadStatus before = LoadStatus::Missing;  // of what was published when it began
    PublishedCalendar calendar;
    std::vector<CalendarEvent> events;
    SyncProblem problem;  // of the last step that talked to the server
    std::string warning;  // address books whose copy could not be read, said; empty: none
    bool kept = false;    // something of ours is on the server and kept: the password is needed
};

// Takes the lock, reads what is published (another calendar than `url`'s refuses) and makes the
// events.
std::string BeginPublish(Publishing& run, const std::string& url, const PublishSource& source,
                         const PluralTranslator& say);
// Finds or makes the calendar at `login.url` and takes it as the one published to; when one is
// published already, that one, as the name looked for changes with the user's language.
std::string FindPublishCalendar(Publishing& run, const DavLogin& login, const std::string& name,
                                const PluralTranslator& say);
// Keeps the password of the calendar published to in the keyring.
std::string KeepCalendarPassword(const PublishedCalendar& calendar, const std::string& password,
                                 const PluralTranslator& say);
// Puts the events and keeps what is published, unless nothing of ours is on the server.
std::string FinishPublish(Publishing& run, const std::string& password, const PluralTranslator& say,
                          PublishCounts& counts);

// The password of the calendar published at `path`; NotFound when none is published.
PasswordResult ReadCalendarPassword(const std::string& path, const std::string& passwordCommand);

// Brings the calendar published at `path` in step with the records, with `password` read for it;
// `calendar` as it then stands.
std::string SyncPublished(const std::string& path, const PasswordResult& password,
                          const PublishSource& source, const PluralTranslator& say,
                          PublishedCalendar& calendar, PublishCounts& counts, std::string& warning);

// Deletes the events published to the calendar at `path` and forgets it, but not its password;
// `calendar` as it then stands.
std::string StopPublishing(const std::string& path, const PasswordResult& password,
                           const PluralTranslator& say, PublishedCalendar& calendar);
