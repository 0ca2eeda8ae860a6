// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Held for a whole run, so that two runs never both write the data file: an advisory lock
// (flock) on a file of its own beside the data file. The data file itself cannot carry the
// lock, as every save replaces it with a new file.
class RunLock {
public:
    enum class State {
        Held,
        Busy,         // another run holds it
        Unavailable,  // cannot be had here (read-only folder, no locking, not a file)
    };

    // Tries once and never waits: a logon run may keep its window open for hours.
    explicit RunLock(std::string path);
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    State state() const { return state_; }
    int error() const { return error_; }  // errno of Unavailable

private:
    std::string path_;
    int fd_ = -1;
    State state_ = State::Unavailable;
    int error_ = 0;
};
