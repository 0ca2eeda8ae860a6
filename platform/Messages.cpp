// SPDX-License-Identifier: MIT
#include "Messages.h"

#include <cctype>
#include <system_error>

#include "TextServices.h"
#include "records/DataFile.h"
#include "text/Text.h"

namespace {

// A template of the messages in the user's language with its places filled.
std::string Say(const PluralTranslator& say, const char* source,
                std::initializer_list<std::string_view> args, std::size_t n = std::string::npos) {
    const int count = n == std::string::npos ? -1 : static_cast<int>(n);
    return FillIn(say("Messages", source, count), args, count);
}

std::string Why(const Problem& problem, const PluralTranslator& say) {
    switch (problem.why) {
        case Problem::Why::FolderRefuses:
            return Say(
                say,
                QT_TRANSLATE_NOOP("Messages", "its folder does not let a new file take its place"),
                {});
        case Problem::Why::OwnerAndGroup:
            return Say(
                say,
                QT_TRANSLATE_NOOP("Messages",
                                  "a new file in its place could not keep its owner and group"),
                {});
        case Problem::Why::Errno:
            break;
    }
    return std::generic_category().message(problem.error);
}

// What is wrong with the text of a vCard file, without the file's name.
std::string TextProblem(const Problem& problem, const PluralTranslator& say) {
    const std::string line = std::to_string(problem.line);
    switch (problem.kind) {
        case Problem::Kind::Utf16:
            return Say(
                say,
                QT_TRANSLATE_NOOP(
                    "Messages",
                    "UTF-16 text: only vCard files in UTF-8 (or with a CHARSET) can be read"),
                {});
        case Problem::Kind::Binary:
            return Say(say,
                       QT_TRANSLATE_NOOP("Messages",
                                         "binary data (a NUL byte on line %1), not a vCard file"),
                       {line});
        case Problem::Kind::LineTooLong:
            return Say(
                say,
                QT_TRANSLATE_N_NOOP("Messages",
                                    "line %1 is longer than %n MB, more than a vCard line may be"),
                {line}, problem.count);
        case Problem::Kind::TooManyContacts:
            return Say(
                say,
                QT_TRANSLATE_N_NOOP("Messages", "more than %n contacts, more than Ovrana can keep"),
                {}, problem.count);
        case Problem::Kind::NoEnd:
            return Say(
                say,
                QT_TRANSLATE_NOOP("Messages", "the card that begins on line %1 has no END:VCARD"),
                {line});
        default:
            return Say(say,
                       QT_TRANSLATE_NOOP("Messages", "not a vCard file: no line says BEGIN:VCARD"),
                       {});
    }
}

}  // namespace

std::string ProblemText(const Problem& p, const PluralTranslator& say) {
    const bool standard = p.file == "-";
    const std::string& file = p.file;
    const std::string input =
        standard ? Say(say, QT_TRANSLATE_NOOP("Messages", "standard input"), {}) : file;
    const std::string output =
        standard ? Say(say, QT_TRANSLATE_NOOP("Messages", "standard output"), {}) : file;
    const std::string error = std::generic_category().message(p.error);
    switch (p.kind) {
        case Problem::Kind::None:
            return {};
        case Problem::Kind::NoHome:
            return p.nothingImported
                       ? Say(say,
                             QT_TRANSLATE_NOOP("Messages",
                                               "the home directory that HOME names cannot be used; "
                                               "nothing was imported"),
                             {})
                       : Say(say,
                             QT_TRANSLATE_NOOP("Messages",
                                               "the home directory that HOME names cannot be used; "
                                               "nothing was exported"),
                             {});
        case Problem::Kind::Utf16:
        case Problem::Kind::Binary:
        case Problem::Kind::LineTooLong:
        case Problem::Kind::TooManyContacts:
        case Problem::Kind::NoEnd:
        case Problem::Kind::NoBegin:
            return file.empty() ? TextProblem(p, say) : input + ": " + TextProblem(p, say);
        case Problem::Kind::Folder:
            return Say(say, QT_TRANSLATE_NOOP("Messages", "%1 is a folder, not a vCard file"),
                       {file});
        case Problem::Kind::NotRegular:
            return Say(say, QT_TRANSLATE_NOOP("Messages", "%1 is not a regular file"), {file});
        case Problem::Kind::TooLarge:
            return standard
                       ? Say(say,
                             QT_TRANSLATE_N_NOOP(
                                 "Messages",
                                 "standard input holds more than %n MB, more than Ovrana reads"),
                             {}, p.count)
                       : Say(say,
                             QT_TRANSLATE_N_NOOP("Messages",
                                                 "%1 is larger than %n MB, more than Ovrana reads"),
                             {file}, p.count);
        case Problem::Kind::CannotRead:
            return standard
                       ? Say(say, QT_TRANSLATE_NOOP("Messages", "cannot read standard input: %1"),
                             {error})
                       : Say(say, QT_TRANSLATE_NOOP("Messages", "cannot read %1: %2"),
                             {file, error});
        case Problem::Kind::TooManyRecords:
            return p.nothingImported
                       ? Say(say,
                             QT_TRANSLATE_N_NOOP(
                                 "Messages",
                                 "importing them would make %n records, more than the %1 a data "
                                 "file may hold; nothing was imported"),
                             {std::to_string(p.limit)}, p.count)
                       : Say(say,
                             QT_TRANSLATE_N_NOOP("Messages",
                                                 "importing them would make %n records, more than "
                                                 "the %1 a data file may hold"),
                             {std::to_string(p.limit)}, p.count);
        case Problem::Kind::DataFileBusy:
            return Say(say,
                       QT_TRANSLATE_NOOP(
                           "Messages",
                           "the data file %1 is in use by another Ovrana; nothing was imported"),
                       {file});
        case Problem::Kind::NoLock:
            return Say(say,
                       QT_TRANSLATE_NOOP(
                           "Messages", "could not take the lock %1.lock: %2; nothing was imported"),
                       {file, error});
        case Problem::Kind::Unreadable:
            if (!p.detail.empty()) {
                return p.nothingImported
                           ? Say(say,
                                 QT_TRANSLATE_NOOP("Messages",
                                                   "the data file %1 points to %2, which does not "
                                                   "exist; nothing was imported"),
                                 {file, p.detail})
                           : Say(say,
                                 QT_TRANSLATE_NOOP(
                                     "Messages",
                                     "the data file %1 points to %2, which does not exist"),
                                 {file, p.detail});
            }
            return p.nothingImported
                       ? Say(say,
                             QT_TRANSLATE_NOOP("Messages",
                                               "the data file %1 could not be read completely; "
                                               "nothing was imported"),
                             {file})
                       : Say(say,
                             QT_TRANSLATE_NOOP("Messages",
                                               "the data file %1 could not be read completely"),
                             {file});
        case Problem::Kind::ChangedOnDisk:
            return Say(say,
                       QT_TRANSLATE_NOOP(
                           "Messages",
                           "%1 was changed by another program meanwhile; nothing was imported"),
                       {file});
        case Problem::Kind::DataFileTooLarge:
            return Say(say,
                       QT_TRANSLATE_NOOP("Messages",
                                         "with these records %1 would be larger than Ovrana can "
                                         "read; nothing was imported"),
                       {file});
        case Problem::Kind::CannotSave:
            return Say(say,
                       QT_TRANSLATE_NOOP("Messages", "cannot save %1: %2; nothing was imported"),
                       {p.detail.empty() ? file : p.detail, Why(p, say)});
        case Problem::Kind::OwnFile:
            switch (p.own) {
                case OwnFile::Backup:
                    return Say(say,
                               QT_TRANSLATE_NOOP("Messages",
                                                 "%1 is the data file's backup; nothing was "
                                                 "exported, choose another file name"),
                               {output});
                case OwnFile::Lock:
                    return Say(say,
                               QT_TRANSLATE_NOOP("Messages",
                                                 "%1 is the data file's lock; nothing was "
                                                 "exported, choose another file name"),
                               {output});
                default:
                    return Say(
                        say,
                        QT_TRANSLATE_NOOP(
                            "Messages",
                            "%1 is the data file; nothing was exported, choose another file name"),
                        {output});
            }
        case Problem::Kind::NoDataFile:
            return Say(say, QT_TRANSLATE_NOOP("Messages", "there is no data file %1 to export"),
                       {file});
        case Problem::Kind::CalendarFailed:
            return Say(say, QT_TRANSLATE_NOOP("Messages", "the calendar could not be written: %1"),
                       {p.detail});
        case Problem::Kind::HardLinks:
            return Say(say,
                       QT_TRANSLATE_NOOP("Messages",
                                         "%1 has other names (hard links), and a new file in its "
                                         "place would split it from them; it was left as it is"),
                       {file});
        case Problem::Kind::DeadLink:
            return Say(say, QT_TRANSLATE_NOOP("Messages", "%1 points to %2, which does not exist"),
                       {file, p.detail});
        case Problem::Kind::CannotWrite:
            return standard
                       ? Say(say,
                             QT_TRANSLATE_NOOP("Messages", "cannot write to standard output: %1"),
                             {Why(p, say)})
                       : Say(say, QT_TRANSLATE_NOOP("Messages", "cannot write %1: %2"),
                             {file, Why(p, say)});
    }
    return {};
}

std::string SkipReasonText(const SkippedContact& skipped, const PluralTranslator& say) {
    const auto word = [&](const char* source) {
        return FillIn(say("Import", source, -1), {skipped.date});
    };
    switch (skipped.reason) {
        case SkipReason::AlreadyPresent:
            return word(QT_TRANSLATE_NOOP("Import", "already present"));
        case SkipReason::WithoutDate:
            return word(QT_TRANSLATE_NOOP("Import", "without a date"));
        case SkipReason::NotADate:
            return word(QT_TRANSLATE_NOOP("Import", "not a date: %1"));
        case SkipReason::InvalidDate:
            return word(QT_TRANSLATE_NOOP("Import", "invalid date: %1"));
        case SkipReason::WithoutName:
            return word(QT_TRANSLATE_NOOP("Import", "without a name"));
    }
    return {};
}

std::string ImportSummary(const ImportPlan& plan, const PluralTranslator& say) {
    const auto count = [&](const char* source, std::size_t n) {
        return FillIn(say("Import", source, static_cast<int>(n)), {}, static_cast<int>(n));
    };
    const std::string skipped =
        count(QT_TRANSLATE_N_NOOP("Import", "%n already present"), plan.alreadyPresent) + ", " +
        count(QT_TRANSLATE_N_NOOP("Import", "%n without a date"), plan.withoutDate) + ", " +
        count(QT_TRANSLATE_N_NOOP("Import", "%n without a name"), plan.withoutName);
    return FillIn(say("Import", QT_TRANSLATE_N_NOOP("Import", "Imported %n records; skipped %1"),
                      static_cast<int>(plan.records.size())),
                  {skipped}, static_cast<int>(plan.records.size()));
}

namespace {

// "AB:CD:..", as certificate viewers show a fingerprint.
std::string Pairs(const std::string& hex) {
    std::string text;
    for (std::size_t i = 0; i < hex.size(); ++i) {
        if (i > 0 && i % 2 == 0) {
            text += ':';
        }
        text += static_cast<char>(std::toupper(static_cast<unsigned char>(hex[i])));
    }
    return text;
}

// The sentence, then what the server or the system said, when anything.
std::string WithDetail(std::string text, const std::string& detail) {
    return detail.empty() ? text : text + ": " + detail;
}

}  // namespace

std::string SyncProblemText(const SyncProblem& p, const PluralTranslator& say, bool inWindow) {
    const std::string& server = p.server;
    switch (p.kind) {
        case SyncProblem::Kind::None:
            return {};
        case SyncProblem::Kind::Unreachable:
            return WithDetail(
                Say(say, QT_TRANSLATE_NOOP("Messages", "%1 cannot be reached"), {server}),
                p.detail);
        case SyncProblem::Kind::TimedOut:
            return Say(say, QT_TRANSLATE_NOOP("Messages", "%1 stopped answering"), {server});
        case SyncProblem::Kind::LoginRefused:
            return Say(say, QT_TRANSLATE_NOOP("Messages", "%1 refused the user name or password"),
                       {server});
        case SyncProblem::Kind::Untrusted:
            if (p.fingerprint.empty()) {
                return WithDetail(
                    Say(say, QT_TRANSLATE_NOOP("Messages", "the certificate of %1 is not trusted"),
                        {server}),
                    p.detail);
            }
            return Say(say,
                       inWindow ? QT_TRANSLATE_NOOP("Messages",
                                                    "the certificate of %1 is not trusted (SHA-256 "
                                                    "%2); if it is the server's own, trust it")
                                : QT_TRANSLATE_NOOP("Messages",
                                                    "the certificate of %1 is not trusted (SHA-256 "
                                                    "%2); if it is the server's own, trust it with "
                                                    "--accept-certificate %2"),
                       {server, Pairs(p.fingerprint)});
        case SyncProblem::Kind::NotAnAddressBook:
            return Say(
                say,
                QT_TRANSLATE_NOOP("Messages",
                                  "the address on %1 is not an address book and leads to none"),
                {server});
        case SyncProblem::Kind::ServerError:
            return WithDetail(
                p.status != 0
                    ? Say(say, QT_TRANSLATE_NOOP("Messages", "%1 answered with HTTP status %2"),
                          {server, std::to_string(p.status)})
                    : Say(say,
                          QT_TRANSLATE_NOOP("Messages",
                                            "%1 sent a reply that cannot be understood"),
                          {server}),
                p.detail);
        case SyncProblem::Kind::InsecureUrl:
            return Say(say,
                       QT_TRANSLATE_NOOP("Messages",
                                         "plain http:// to %1 is refused, as the password would "
                                         "travel in clear; use https://"),
                       {server});
        case SyncProblem::Kind::TooLarge:
            return Say(say,
                       QT_TRANSLATE_NOOP("Messages", "%1 sent a reply larger than Ovrana accepts"),
                       {server});
        case SyncProblem::Kind::NoPassword:
            return Say(say,
                       QT_TRANSLATE_NOOP("Messages",
                                         "no password for %1: none in the keyring and none given"),
                       {server});
        case SyncProblem::Kind::NotACalendar:
            return Say(say,
                       QT_TRANSLATE_NOOP("Messages",
                                         "the address on %1 is not a calendar, and none can be "
                                         "found or made there"),
                       {server});
    }
    return {};
}

std::string PasswordProblemText(const PasswordResult& r, const PluralTranslator& say) {
    switch (r.status) {
        case PasswordResult::Status::Found:
            return {};
        case PasswordResult::Status::NotFound:
            return Say(say, QT_TRANSLATE_NOOP("Messages", "no password is kept in the keyring"),
                       {});
        case PasswordResult::Status::NoKeyring:
            return WithDetail(Say(say, QT_TRANSLATE_NOOP("Messages", "no keyring answers"), {}),
                              r.detail);
        case PasswordResult::Status::CommandFailed:
            break;
    }
    if (r.timedOut) {
        return Say(say,
                   QT_TRANSLATE_N_NOOP("Messages",
                                       "the password command gave no answer within %n seconds"),
                   {}, kPasswordCommandSeconds);
    }
    if (r.exitStatus == 0) {
        return Say(say, QT_TRANSLATE_NOOP("Messages", "the password command printed no password"),
                   {});
    }
    return WithDetail(
        r.exitStatus > 0
            ? Say(say, QT_TRANSLATE_NOOP("Messages", "the password command failed with status %1"),
                  {std::to_string(r.exitStatus)})
            : Say(say, QT_TRANSLATE_NOOP("Messages", "the password command could not run"), {}),
        r.detail);
}

std::string UnreadableCopiesText(const std::vector<std::string>& copies,
                                 const PluralTranslator& say) {
    std::string files;
    for (const std::string& copy : copies) {
        files += (files.empty() ? "" : ", ") + copy;
    }
    return Say(say,
               QT_TRANSLATE_NOOP("Messages",
                                 "The local copy of an address book could not be read (%1): its "
                                 "dates are left out until the next sync fetches it again."),
               {files});
}

std::string NotATimeText(const std::string& given, const PluralTranslator& say) {
    return Say(say,
               QT_TRANSLATE_NOOP("Messages",
                                 "\"%1\" is not a time of day; give hours and minutes as HH:MM, "
                                 "such as 07:30"),
               {given});
}

std::string DailyTimerFailureText(const std::string& folder, int error,
                                  const PluralTranslator& say) {
    return Say(say,
               QT_TRANSLATE_NOOP("Messages",
                                 "the time of the daily reminder was not changed: %1 could not be "
                                 "written: %2"),
               {folder, std::generic_category().message(error)});
}
