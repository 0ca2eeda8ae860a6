// SPDX-License-Identifier: MIT
#include "CalendarPublishing.h"

#include <QCoreApplication>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "contacts/ContactRecords.h"
#include "storage/RunLock.h"
#include "sync/DavClient.h"
#include "text/Text.h"

namespace {

std::string Say(const PluralTranslator& say, const char* source,
                std::initializer_list<std::string_view> args) {
    return FillIn(say("AddressBooks", source, -1), args);
}

std::string CalendarName(const PublishedCalendar& calendar) {
    return "\"" + calendar.displayName + "\"";
}

bool SameUrl(std::string a, std::string b) {
    while (!a.empty() && a.back() == '/') {
        a.pop_back();
    }
    while (!b.empty() && b.back() == '/') {
        b.pop_back();
    }
    return !a.empty() && a == b;
}

// The events the calendar is to hold, as --export writes them; the failure's line when the
// records cannot be read.
std::string MakeEvents(const PublishSource& source, const PluralTranslator& say,
                       std::vector<CalendarEvent>& events, std::string& warning) {
    RecordList records;
    const LoadStatus status = LoadRecords(source.dataPath, records);
    ContactRecords contacts;
    if (status != LoadStatus::Unreadable) {
        const std::vector<std::string> unreadable =
            contacts.Load(source.addressBookFolder, records, source.defaults);
        warning = unreadable.empty() ? std::string() : UnreadableCopiesText(unreadable, say);
    }
    Problem problem;
    if (status == LoadStatus::Unreadable || (status == LoadStatus::Missing && records.empty())) {
        problem.kind =
            status == LoadStatus::Missing ? Problem::Kind::NoDataFile : Problem::Kind::Unreadable;
        problem.file = source.dataPath;
    } else if (const std::string error =
                   ExportEvents(records, std::time(nullptr), source.texts, events);
               !error.empty()) {
        problem.kind = Problem::Kind::CalendarFailed;
        problem.detail = error;
    }
    FreeRecords(records);
    return problem.kind == Problem::Kind::None ? std::string() : ProblemText(problem, say);
}

// One run at a time changes the published calendar; null, said why, when another has it.
std::shared_ptr<RunLock> LockCalendar(const std::string& path, const PluralTranslator& say,
                                      std::string& why) {
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), made);
    auto lock = std::make_shared<RunLock>(path + ".lock");
    if (lock->state() != RunLock::State::Held) {
        why =
            Say(say,
                QT_TRANSLATE_NOOP("AddressBooks", "the calendar is being published by another run"),
                {});
        lock.reset();
    }
    return lock;
}

// Takes the lock and reads what is published.
std::string LockAndRead(const std::string& path, const PluralTranslator& say,
                        std::shared_ptr<RunLock>& lock, PublishedCalendar& calendar) {
    std::string why;
    if (lock = LockCalendar(path, say, why); !lock) {
        return why;
    }
    return ReadPublished(path, calendar) == LoadStatus::Loaded
               ? std::string()
               : Say(say, QT_TRANSLATE_NOOP("AddressBooks", "%1 is damaged; publish again"),
                     {path});
}

// Why there is no password, said as the calendar's last error.
std::string NoPassword(PublishedCalendar& calendar, const PasswordResult& password,
                       const PluralTranslator& say) {
    calendar.lastError = NoPasswordFor(calendar.url, password.detail);
    return SyncProblemText(calendar.lastError, say) + ": " + PasswordProblemText(password, say);
}

std::string CalendarFailed(const PublishedCalendar& calendar, const std::string& why,
                           const PluralTranslator& say) {
    return Say(say, QT_TRANSLATE_NOOP("AddressBooks", "calendar %1: %2"),
               {CalendarName(calendar), why});
}

}  // namespace

PublishSource MakePublishSource(std::string dataPath, std::string addressBookFolder,
                                const AppSettings& settings, const Translator& translate) {
    return {std::move(dataPath),
            std::move(addressBookFolder),
            {settings.defaultIcon, settings.defaultDays, TranslatedAnniversaryName(translate)},
            TranslatedCalendarTexts(translate),
            TranslatedCalendarName(translate)};
}

bool PublishedTo(const PublishedCalendar& calendar, const std::string& url) {
    return SameUrl(calendar.url, url) || SameUrl(calendar.addedWith, url);
}

std::string BeginPublish(Publishing& run, const std::string& url, const PublishSource& source,
                         const PluralTranslator& say) {
    run.path = PublishedCalendarPath();
    if (run.path.empty()) {
        return Say(
            say, QT_TRANSLATE_NOOP("AddressBooks", "a calendar needs a home folder to be kept in"),
            {});
    }
    std::string why;
    if (run.lock = LockCalendar(run.path, say, why); !run.lock) {
        return why;
    }
    run.before = ReadPublished(run.path, run.calendar);
    if (run.before == LoadStatus::Loaded && !PublishedTo(run.calendar, url)) {
        return Say(say,
                   QT_TRANSLATE_NOOP("AddressBooks",
                                     "the dates are published to %1; --unpublish it first"),
                   {run.calendar.url});
    }
    return MakeEvents(source, say, run.events, run.warning);
}

std::string FindPublishCalendar(Publishing& run, const DavLogin& login, const std::string& name,
                                const PluralTranslator& say) {
    PublishedCalendar found;
    // Published before: that calendar, whatever the name looked for in the language of now.
    DavLogin where = login;
    if (run.before == LoadStatus::Loaded && !run.calendar.url.empty()) {
        where.url = run.calendar.url;
    }
    run.problem = FindCalendar(where, name, found);
    if (run.problem.Failed()) {
        return SyncProblemText(run.problem, say);
    }
    if (run.before != LoadStatus::Loaded || !SameUrl(run.calendar.url, found.url)) {
        run.calendar = {};
    }
    run.calendar.url = found.url;
    run.calendar.addedWith = login.url;
    run.calendar.user = login.user;
    run.calendar.displayName = found.displayName;
    if (!login.certificate.empty()) {
        run.calendar.certificate = login.certificate;
    }
    return {};
}

std::string KeepCalendarPassword(const PublishedCalendar& calendar, const std::string& password,
                                 const PluralTranslator& say) {
    const PasswordResult kept = StorePassword(calendar.url, calendar.user, password);
    return kept.status == PasswordResult::Status::Found
               ? std::string()
               : Say(say,
                     QT_TRANSLATE_NOOP("AddressBooks",
                                       "calendar %1: the password cannot be kept: %2"),
                     {CalendarName(calendar), PasswordProblemText(kept, say)});
}

std::string FinishPublish(Publishing& run, const std::string& password, const PluralTranslator& say,
                          PublishCounts& counts) {
    run.problem = PublishEvents(run.calendar, password, run.events, std::time(nullptr), counts);
    // Events already put are ours to change and delete later, even after a failure.
    int error = 0;
    run.kept =
        !run.problem.Failed() || run.before == LoadStatus::Loaded || !run.calendar.events.empty();
    if (run.kept) {
        error = WritePublished(run.path, run.calendar);
    }
    if (run.problem.Failed()) {
        return CalendarFailed(run.calendar, SyncProblemText(run.problem, say), say);
    }
    return error == 0 ? std::string() : FillIn("%1: %2", {run.path, std::strerror(error)});
}

PasswordResult ReadCalendarPassword(const std::string& path, const std::string& passwordCommand) {
    PublishedCalendar calendar;
    return !path.empty() && ReadPublished(path, calendar) == LoadStatus::Loaded
               ? ReadPassword(calendar.url, calendar.user, passwordCommand)
               : PasswordResult{};
}

std::string SyncPublished(const std::string& path, const PasswordResult& password,
                          const PublishSource& source, const PluralTranslator& say,
                          PublishedCalendar& calendar, PublishCounts& counts,
                          std::string& warning) {
    std::shared_ptr<RunLock> lock;
    std::string why = LockAndRead(path, say, lock, calendar);
    if (!why.empty()) {
        return why;
    }
    std::vector<CalendarEvent> events;
    if (why = MakeEvents(source, say, events, warning); !why.empty()) {
        return why;
    }
    if (password.status == PasswordResult::Status::Found) {
        PublishEvents(calendar, password.password, events, std::time(nullptr), counts);
        why = SyncProblemText(calendar.lastError, say);
    } else {
        why = NoPassword(calendar, password, say);
    }
    if (const int error = WritePublished(path, calendar); error != 0 && why.empty()) {
        why = FillIn("%1: %2", {path, std::strerror(error)});
    }
    return why.empty() ? why : CalendarFailed(calendar, why, say);
}

std::string StopPublishing(const std::string& path, const PasswordResult& password,
                           const PluralTranslator& say, PublishedCalendar& calendar) {
    std::shared_ptr<RunLock> lock;
    std::string why = LockAndRead(path, say, lock, calendar);
    if (!why.empty()) {
        return why;
    }
    if (password.status == PasswordResult::Status::Found) {
        const SyncProblem problem = UnpublishEvents(calendar, password.password);
        why = SyncProblemText(problem, say);
    } else {
        why = NoPassword(calendar, password, say);
    }
    if (!why.empty()) {
        WritePublished(path, calendar);
        return CalendarFailed(calendar, why, say);
    }
    std::error_code error;
    std::filesystem::remove(path + ".bak", error);
    if (!std::filesystem::remove(path, error) && std::filesystem::exists(path)) {
        return FillIn("%1: %2", {path, error.message()});
    }
    return {};
}
