// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Cuts text that may arrive in pieces into lines that end in LF; a line is handed over without
// its LF. Each byte is looked at once, so a line of any length costs time in proportion to it.
class LineSplitter {
public:
    // Hands over every line `piece` completes; stops when `take` returns false, and then
    // returns false itself.
    template <class Take>
    bool Feed(std::string_view piece, Take&& take) {
        for (std::size_t end; (end = piece.find('\n')) != std::string_view::npos;) {
            bool more;
            if (pending_.empty()) {
                more = take(piece.substr(0, end));
            } else {
                pending_.append(piece.substr(0, end));
                more = take(std::string_view(pending_));
                pending_.clear();
            }
            piece.remove_prefix(end + 1);
            if (!more) {
                return false;
            }
        }
        pending_.append(piece);
        return true;
    }

    // Hands over the last line of a text that does not end in LF.
    template <class Take>
    bool Finish(Take&& take) {
        if (pending_.empty()) {
            return true;
        }
        const bool more = take(std::string_view(pending_));
        pending_.clear();
        return more;
    }

private:
    std::string pending_;  // the start of a line the pieces so far have not ended
};

// Every line of a whole text, as LineSplitter cuts it.
template <class Take>
bool ForEachLine(std::string_view text, Take&& take) {
    LineSplitter lines;
    return lines.Feed(text, take) && lines.Finish(take);
}
