// SPDX-License-Identifier: MIT
#include "QuietLogon.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>

#include "ReminderApp.h"
#include "model/DataFile.h"
#include "model/Dates.h"
#include "model/FileReplace.h"
#include "platform/Settings.h"
#include "platform/SettingsFile.h"
#include "reminder/DueRecords.h"

namespace {

class File {
public:
    explicit File(int fd) : fd_(fd) {}
    ~File() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    int fd() const { return fd_; }

    // The next piece of the file: its size, 0 at the end, -1 on an error.
    ssize_t Read(char* buffer, std::size_t size) const {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, size);
            if (n >= 0 || errno != EINTR) {
                return n;
            }
        }
    }

private:
    int fd_;
};

// A regular file, opened as the data file reader opens it; a symbolic link is refused where
// `follow` is false, as Qt would replace the file it points to rather than the link.
int OpenRegular(const std::string& path, bool follow) {
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (follow ? 0 : O_NOFOLLOW));
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool ReadSettings(const std::string& path, std::string& text) {
    const File file(OpenRegular(path, false));
    if (file.fd() < 0) {
        return false;
    }
    char buffer[4096];
    for (;;) {
        const ssize_t n = file.Read(buffer, sizeof buffer);
        if (n < 0 || text.size() > 65536) {
            return false;
        }
        if (n == 0) {
            return true;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

enum class Scan { NothingDue, SomethingDue, NotLoaded };

// Reads the data file as LoadRecords does, one line at a time: the first line is the header,
// every further line a record. Stops at the first due record when `stopAtDue`.
Scan ScanRecords(const std::string& path, DayNumber today, bool stopAtDue) {
    const File file(OpenRegular(path, true));
    if (file.fd() < 0) {
        return Scan::NotLoaded;
    }
    std::size_t bytes = 0;
    std::size_t records = 0;
    bool header = true;
    Scan result = Scan::NothingDue;
    // Whole lines are taken from the front of `text`; a line cut by the buffer's end waits there
    // for the rest of it.
    std::string text;
    char buffer[65536];
    auto takeLine = [&](std::string_view line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (header) {
            header = false;
            return true;
        }
        if (++records > kMaxRecords) {
            return false;
        }
        PersonRecord record = ParseRecordLine(line);
        UpdateRecord(record, today);
        if (IsDue(record)) {
            result = Scan::SomethingDue;
        }
        return !(stopAtDue && result == Scan::SomethingDue);
    };
    for (;;) {
        const ssize_t n = file.Read(buffer, sizeof buffer);
        if (n < 0) {
            return Scan::NotLoaded;
        }
        bytes += static_cast<std::size_t>(n);
        if (bytes > kMaxDataFileBytes) {
            return Scan::NotLoaded;
        }
        if (n == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        std::string_view rest = text;
        for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos;) {
            if (!takeLine(rest.substr(0, end))) {
                return records > kMaxRecords ? Scan::NotLoaded : result;
            }
            rest.remove_prefix(end + 1);
        }
        text.erase(0, text.size() - rest.size());
    }
    if (!text.empty() && !takeLine(text)) {
        return records > kMaxRecords ? Scan::NotLoaded : result;
    }
    return result;
}

}  // namespace

QuietLogon RunQuietLogon(const QuietLogonFiles& files) {
    if (files.settingsPath.empty()) {
        return QuietLogon::HandOver;
    }
    // A missing or empty settings file is a first run, which writes the defaults at once.
    std::string settingsText;
    if (!ReadSettings(files.settingsPath, settingsText)) {
        return QuietLogon::HandOver;
    }
    std::optional<std::map<std::string, std::string>> values = ParseSettingsText(settingsText);
    if (!values || values->empty()) {
        return QuietLogon::HandOver;
    }

    const std::time_t started = files.clock();
    const std::string todayText = RunDateText(LocalDate(started));
    MapStore store(std::move(*values));
    AppSettings settings;
    LoadSettings(store, settings, todayText);
    if (files.daily && !settings.daily) {
        return QuietLogon::Done;  // switched off: not even the run date is written
    }
    const bool remind = !AlreadyRanToday(settings, todayText, files.daily);
    // Without a reminder the file is still read to its end: one that cannot be read opens the
    // Options dialog.
    const Scan scan = ScanRecords(files.dataPath, MakeToday(started), remind);
    if (scan == Scan::NotLoaded || (remind && scan == Scan::SomethingDue)) {
        return QuietLogon::HandOver;
    }
    SaveSettings(store, settings, RunDateText(LocalDate(files.clock())));
    // The same text again, the usual case from the second run of a day on, is not rewritten.
    const std::string text = FormatSettingsText(store.values);
    if (text != settingsText) {
        ReplaceFile(files.settingsPath, text);  // failures are ignored, as for every settings write
    }
    return QuietLogon::Done;
}
