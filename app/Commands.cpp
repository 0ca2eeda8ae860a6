// SPDX-License-Identifier: MIT
#include "Commands.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "formats/VCard.h"
#include "records/DataFile.h"
#include "storage/RunLock.h"
#include "text/DisplayText.h"

void PrintError(const std::string& text) {
    const std::string line = "ovrana: " + ReplaceControls(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

namespace {

int Fail(const std::string& text) {
    PrintError(text);
    return 1;
}

// Where `path` points when it is a symbolic link to nothing, as to a drive not mounted; else empty.
std::string MissingTarget(const std::string& path) {
    std::error_code failed;
    const std::filesystem::path target = std::filesystem::read_symlink(path, failed);
    return !failed && !std::filesystem::exists(path, failed) ? target.string() : "";
}

// The data file read in part or not at all, in the window's words for a link to nothing.
std::string Unreadable(const std::string& dataPath) {
    const std::string target = MissingTarget(dataPath);
    return "the data file " + dataPath +
           (target.empty() ? " could not be read completely"
                           : " points to " + target + ", which does not exist");
}

// Why `file` could not be replaced. A file the user may write still fails when its folder takes
// no new file (EACCES), or (EPERM) when it belongs to another user or group, which a new file in
// its place cannot be given.
std::string WhyNotReplaced(int error, const std::string& file) {
    if (error == EACCES && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0) {
        return "its folder does not let a new file take its place";
    }
    struct stat info {};
    if (error == EPERM && ::geteuid() != 0 && ::stat(file.c_str(), &info) == 0) {
        std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
        groups.resize(static_cast<std::size_t>(
            std::max(::getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
        if (info.st_uid != ::geteuid() ||
            (info.st_gid != ::getegid() &&
             std::find(groups.begin(), groups.end(), info.st_gid) == groups.end())) {
            return "a new file in its place could not keep its owner and group";
        }
    }
    return std::generic_category().message(error);
}

// The command line's words for one of the data file's own files.
const char* OwnFileName(OwnFile own) {
    switch (own) {
        case OwnFile::Data:
            return "the data file";
        case OwnFile::Backup:
            return "the data file's backup";
        case OwnFile::Lock:
            return "the data file's lock";
        case OwnFile::None:
            break;
    }
    return "";
}

// The contacts of a vCard file, or of standard input for "-".
VCardParse ReadContacts(const std::string& path) {
    if (path != "-") {
        return ReadVCardFile(path);
    }
    std::string text;
    char buffer[65536];
    VCardParse result;
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, stdin)) {
        if (n > kMaxDataFileBytes - text.size()) {
            result.error = "standard input holds more than " +
                           std::to_string(kMaxDataFileBytes >> 20) + " MB, more than Ovrana reads";
            return result;
        }
        text.append(buffer, n);
    }
    if (std::ferror(stdin)) {
        result.error = "cannot read standard input: " + std::generic_category().message(errno);
        return result;
    }
    result = ParseVCards(text);
    if (!result.error.empty()) {
        result.error = "standard input: " + result.error;
    }
    return result;
}

}  // namespace

int RunExport(const std::string& dataPath, const std::string& target, const CalendarTexts& texts) {
    // Standard output too may have been sent to the data file (>> ovras.ini).
    if (const OwnFile own = OwnFileNamed(target == "-" ? "/dev/stdout" : target, dataPath);
        own != OwnFile::None) {
        return Fail((target == "-" ? "standard output" : target) + " is " + OwnFileName(own) +
                    "; nothing was exported, choose another file name");
    }
    RecordList records;
    switch (LoadRecords(dataPath, records)) {
        case LoadStatus::Missing:
            return Fail("there is no data file " + dataPath + " to export");
        case LoadStatus::Unreadable:
            FreeRecords(records);
            return Fail(Unreadable(dataPath));
        case LoadStatus::Loaded:
            break;
    }
    const CalendarExport calendar = ExportCalendar(records, std::time(nullptr), texts);
    FreeRecords(records);
    if (!calendar) {
        return Fail("the calendar could not be written: " + calendar.error);
    }
    const int error = WriteCalendar(target, calendar.text);
    if (error == EMLINK) {
        return Fail(target + " has other names (hard links), and a new file in its place would " +
                    "split it from them; it was left as it is");
    }
    if (const std::string missing = MissingTarget(target); error == ENOENT && !missing.empty()) {
        return Fail(target + " points to " + missing + ", which does not exist");
    }
    if (error != 0) {
        return Fail("cannot write " + (target == "-" ? "to standard output" : target) + ": " +
                    WhyNotReplaced(error, target));
    }
    return 0;
}

int RunImport(const std::string& dataPath, const std::string& vcardPath,
              const ImportDefaults& defaults) {
    const VCardParse contacts = ReadContacts(vcardPath);
    if (!contacts.error.empty()) {
        return Fail(contacts.error);
    }
    const RunLock lock(dataPath + ".lock");
    if (lock.state() == RunLock::State::Busy) {
        return Fail("the data file " + dataPath +
                    " is in use by another Ovrana; nothing was imported");
    }
    if (lock.state() == RunLock::State::Unavailable) {
        return Fail("could not take the lock " + dataPath + ".lock: " +
                    std::generic_category().message(lock.error()) + "; nothing was imported");
    }
    RecordList records;
    FileStamp read;
    if (LoadRecords(dataPath, records, &read) == LoadStatus::Unreadable) {
        FreeRecords(records);
        return Fail(Unreadable(dataPath) + "; nothing was imported");
    }
    const ImportPlan plan = PlanImport(contacts.contacts, records, defaults);
    if (!plan.error.empty()) {
        FreeRecords(records);
        return Fail(plan.error + "; nothing was imported");
    }
    for (const PersonRecord& record : plan.records) {
        records.push_back(std::make_unique<PersonRecord>(record));
    }
    const SaveResult saved = plan.records.empty() ? SaveResult{SaveStatus::Saved, 0}
                                                  : SaveRecords(dataPath, records, &read);
    FreeRecords(records);
    if (saved.status == SaveStatus::ChangedOnDisk) {
        return Fail(dataPath + " was changed by another program meanwhile; nothing was imported");
    }
    if (saved.status == SaveStatus::TooLarge) {
        return Fail("with these records " + dataPath +
                    " would be larger than Ovrana can read; nothing was imported");
    }
    if (!saved) {
        return Fail("cannot save " + (saved.file.empty() ? dataPath : saved.file) + ": " +
                    WhyNotReplaced(saved.error, dataPath) + "; nothing was imported");
    }
    const std::string summary = ImportSummary(plan) + "\n";
    return std::fputs(summary.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
