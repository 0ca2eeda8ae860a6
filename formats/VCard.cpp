// SPDX-License-Identifier: MIT
// The vCard line grammar (RFC 2425/6350, and the vCard 2.1 document): a content line is
// [group "."] name *(";" param) ":" value, lines fold onto the next one that starts with a blank,
// and a vCard 2.1 quoted-printable value also goes on after a line that ends in "=".
#include "VCard.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <utility>

#include "records/Dates.h"
#include "storage/FileReplace.h"
#include "text/DisplayText.h"
#include "text/Numbers.h"
#include "text/Text.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
// What a value may have around it; a vertical tab or form feed stays.
constexpr std::string_view kBlanks = " \t\r\n";

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char x, char y) { return Upper(x) == Upper(y); }) != text.end();
}

std::string_view Unquote(std::string_view text) {
    text = Trim(text, kBlanks);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

// Every byte that starts no UTF-8 character becomes U+FFFD.
std::string ReplaceBadUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) {
        const bool valid = DecodeUtf8(text, pos, length) != kNotUtf8;
        out.append(valid ? text.substr(pos, length) : kReplacement);
    }
    return out;
}

// A value for a message: at most about 40 bytes, control characters as blanks.
std::string Shorten(std::string_view text) {
    std::string out;
    for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) {
        const char32_t c = DecodeUtf8(text, pos, length);
        const std::string_view shown = c == kNotUtf8           ? kReplacement
                                       : c < 0x20 || c == 0x7F ? " "
                                                               : text.substr(pos, length);
        if (out.size() + shown.size() > 40) {
            out += "\xE2\x80\xA6";  // …
            break;
        }
        out += shown;
    }
    return out;
}

// Conversions of the CHARSET a vCard 2.1 value names to UTF-8, opened once per parse.
class Charsets {
public:
    Charsets() = default;
    Charsets(const Charsets&) = delete;
    Charsets& operator=(const Charsets&) = delete;
    ~Charsets() {
        for (const auto& [name, cd] : open_) {
            if (cd != kNone) {
                ::iconv_close(cd);
            }
        }
    }

    // `bytes` in `charset` (empty: none named) as UTF-8. Text in no charset, or in one this system
    // does not know, stays as it is when it is UTF-8 and is taken for windows-1252 when not, as
    // exporters wrote their system's charset without naming it. ASCII bytes are converted too:
    // in ISO-2022-JP or UTF-7 they are other characters.
    std::string ToUtf8(std::string bytes, std::string_view charset) {
        const bool utf8 = charset.empty() || EqualsNoCase(charset, "UTF-8") ||
                          EqualsNoCase(charset, "UTF8") || EqualsNoCase(charset, "US-ASCII");
        if (utf8 && IsAscii(bytes)) {
            return bytes;
        }
        if (!utf8) {
            if (const iconv_t cd = Open(charset); cd != kNone) {
                bool clean = true;
                std::string text = Convert(cd, bytes, clean);
                // ASCII that is no text in the charset (a bare "+" in UTF-7) is read as it is.
                if (clean || !IsAscii(bytes)) {
                    // The system's "UTF-8" under another name passes bytes that are none through.
                    return IsValidUtf8(text) ? text : ReplaceBadUtf8(text);
                }
            }
        }
        if (IsValidUtf8(bytes)) {
            return bytes;
        }
        if (!EqualsNoCase(charset, "UTF-8") && !EqualsNoCase(charset, "UTF8")) {
            if (const iconv_t cd = Open("WINDOWS-1252"); cd != kNone) {
                bool clean = true;
                return Convert(cd, bytes, clean);
            }
        }
        return ReplaceBadUtf8(bytes);
    }

private:
    inline static const iconv_t kNone = reinterpret_cast<iconv_t>(-1);

    iconv_t Open(std::string_view charset) {
        if (charset.size() > 40) {
            return kNone;
        }
        for (const auto& [name, cd] : open_) {
            if (EqualsNoCase(name, charset)) {
                return cd;
            }
        }
        const iconv_t cd = ::iconv_open("UTF-8", std::string(charset).c_str());
        if (open_.size() < 8) {
            open_.emplace_back(std::string(charset), cd);
        } else if (cd != kNone) {
            // A file that names this many charsets is no real one: keep only the first few open.
            if (open_.back().second != kNone) {
                ::iconv_close(open_.back().second);
            }
            open_.back() = {std::string(charset), cd};
        }
        return cd;
    }

    // Bytes that are no character in the charset become U+FFFD; then `clean` is cleared.
    static std::string Convert(iconv_t cd, const std::string& bytes, bool& clean) {
        constexpr auto kFailed = static_cast<std::size_t>(-1);
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::string out(bytes.size() * 3 + 16, '\0');
        char* in = const_cast<char*>(bytes.data());  // iconv's interface, it only reads
        std::size_t inLeft = bytes.size();
        std::size_t used = 0;
        for (;;) {
            char* to = out.data() + used;
            std::size_t outLeft = out.size() - used;
            const bool flushing = inLeft == 0;  // then only the closing shift state is left
            const std::size_t result = flushing ? ::iconv(cd, nullptr, nullptr, &to, &outLeft)
                                                : ::iconv(cd, &in, &inLeft, &to, &outLeft);
            const int error = errno;
            used = static_cast<std::size_t>(to - out.data());
            if (result != kFailed && flushing) {
                break;
            }
            if (result != kFailed) {
                continue;
            }
            if (error == E2BIG || out.size() - used < kReplacement.size()) {
                out.resize(out.size() * 2);
            } else if (flushing) {
                break;
            } else {
                // EILSEQ or EINVAL: the byte starts no character of the charset.
                clean = false;
                out.replace(used, kReplacement.size(), kReplacement);
                used += kReplacement.size();
                ++in;
                --inLeft;
                ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
            }
        }
        out.resize(used);
        return out;
    }

    std::vector<std::pair<std::string, iconv_t>> open_;
};

// The end of a content line's name and parameters: the first colon outside double quotes.
std::size_t HeaderEnd(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ':' && !quoted) {
            return i;
        }
    }
    return line.find(':');  // a quote that never closes
}

// The logical lines of a text: physical lines joined where one folds onto the next.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    // The next logical line; false at the end of the text. Beyond kMaxVCardLineBytes `tooLong`
    // is set and the line is not returned.
    bool Next(std::string_view& line, bool& tooLong) {
        tooLong = false;
        if (pos_ >= text_.size()) {
            return false;
        }
        start_ = lines_ + 1;
        const std::string_view first = Physical();
        int quotedPrintable = -1;  // not looked at yet
        // A quoted-printable value goes on after a line that ends in "=" (a soft line break).
        const auto softBreak = [&](std::string_view sofar) {
            if (sofar.empty() || sofar.back() != '=' || pos_ >= text_.size() ||
                EqualsNoCase(Trim(text_.substr(pos_, 10), kBlanks), "END:VCARD")) {
                return false;
            }
            if (quotedPrintable < 0) {
                const std::size_t end = HeaderEnd(first);
                quotedPrintable = end != std::string_view::npos &&
                                  ContainsNoCase(first.substr(0, end), "QUOTED-PRINTABLE");
            }
            return quotedPrintable == 1;
        };
        const auto folds = [&] {
            return pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t');
        };
        if (!softBreak(first) && !folds()) {
            tooLong = first.size() > kMaxVCardLineBytes;
            line = first;
            return true;
        }
        joined_.assign(first);
        for (;;) {
            if (softBreak(joined_)) {
                joined_.pop_back();
                joined_ += Physical();
            } else if (folds()) {
                // RFC 2425 and 6350 drop the blank that starts the folded line; vCard 2.1, as
                // RFC 822, keeps it.
                joined_ += Physical().substr(keepFoldBlank_ ? 0 : 1);
            } else {
                break;
            }
            if (joined_.size() > kMaxVCardLineBytes) {
                tooLong = true;
                break;
            }
        }
        line = joined_;
        return true;
    }

    std::size_t LineNumber() const { return start_; }  // where the last logical line began
    void KeepFoldBlank(bool keep) { keepFoldBlank_ = keep; }

private:
    // The next physical line without its line end (CR LF, LF or CR).
    std::string_view Physical() {
        const char* data = text_.data();
        const std::size_t size = text_.size();
        std::size_t end = pos_;
        while (end < size && data[end] != '\n' && data[end] != '\r') {
            ++end;
        }
        const std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end +
               (end < size && data[end] == '\r' && end + 1 < size && data[end + 1] == '\n' ? 2 : 1);
        ++lines_;
        return line;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t lines_ = 0;
    std::size_t start_ = 0;
    bool keepFoldBlank_ = false;
    std::string joined_;
};

struct ContentLine {
    std::string_view group;
    std::string_view name;
    std::string_view params;  // after the name's ";", up to the colon
    std::string_view value;   // as written: encoded and escaped
};

bool SplitContentLine(std::string_view line, ContentLine& out) {
    const std::size_t end = HeaderEnd(line);
    if (end == std::string_view::npos) {
        return false;  // no content line, such as a base64 line of a vCard 2.1 photo
    }
    const std::string_view head = line.substr(0, end);
    out.value = line.substr(end + 1);
    const std::size_t semicolon = head.find(';');
    std::string_view name = head.substr(0, semicolon);
    out.params =
        semicolon == std::string_view::npos ? std::string_view{} : head.substr(semicolon + 1);
    const std::size_t dot = name.rfind('.');
    out.group =
        dot == std::string_view::npos ? std::string_view{} : Trim(name.substr(0, dot), kBlanks);
    out.name = Trim(dot == std::string_view::npos ? name : name.substr(dot + 1), kBlanks);
    return true;
}

// `text` split at every `separator` outside quotes (quoted) or not escaped with "\" (escaped).
template <typename Part>
void ForEachPart(std::string_view text, char separator, bool quotes, Part part) {
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (quotes && text[i] == '"') {
            quoted = !quoted;
        } else if (!quotes && text[i] == '\\') {
            ++i;
        } else if (text[i] == separator && !quoted) {
            part(text.substr(start, i - start));
            start = i + 1;
        }
    }
    part(text.substr(std::min(start, text.size())));
}

struct Params {
    bool quotedPrintable = false;
    std::string_view charset;
    bool text = false;  // VALUE=text
    bool omitYear = false;
    std::string_view omitYearValue;
    int pref = 101;  // 1 most preferred; 101 not marked
};

Params ReadParams(std::string_view text) {
    Params params;
    if (text.empty()) {
        return params;
    }
    ForEachPart(text, ';', true, [&](std::string_view param) {
        const std::size_t equals = param.find('=');
        // vCard 2.1 writes a bare value (PREF, QUOTED-PRINTABLE) for TYPE= or ENCODING=.
        const std::string_view name =
            equals == std::string_view::npos ? "" : Trim(param.substr(0, equals), kBlanks);
        const std::string_view value =
            Unquote(equals == std::string_view::npos ? param : param.substr(equals + 1));
        if (name.empty() || EqualsNoCase(name, "TYPE")) {
            ForEachPart(value, ',', true, [&](std::string_view item) {
                item = Unquote(item);
                if (EqualsNoCase(item, "PREF")) {
                    params.pref = std::min(params.pref, 1);
                } else if (name.empty() && EqualsNoCase(item, "QUOTED-PRINTABLE")) {
                    params.quotedPrintable = true;
                }
            });
        } else if (EqualsNoCase(name, "ENCODING")) {
            params.quotedPrintable = EqualsNoCase(value, "QUOTED-PRINTABLE");
        } else if (EqualsNoCase(name, "CHARSET")) {
            params.charset = value;
        } else if (EqualsNoCase(name, "VALUE")) {
            params.text = EqualsNoCase(value, "text");
        } else if (EqualsNoCase(name, "PREF")) {
            const int rank = ParseInt(value);
            params.pref = std::min(params.pref, rank >= 1 && rank <= 100 ? rank : 100);
        } else if (EqualsNoCase(name, "X-APPLE-OMIT-YEAR")) {
            params.omitYear = true;
            params.omitYearValue = value;
        }
    });
    return params;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char upper = Upper(c);
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

std::string DecodeQuotedPrintable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
            HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else if (!(text[i] == '=' && i + 1 == text.size())) {  // a last soft break goes
            out += text[i];
        }
    }
    return out;
}

// "\n" and "\N" are line breaks; "\," "\;" "\\" (and any other escaped character) the character.
std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
            out += text[i] == 'n' || text[i] == 'N' ? '\n' : text[i];
        } else {
            out += text[i];
        }
    }
    return out;
}

// 19800415, 1980-04-15, with a time after a "T"; --0415 and --04-15 without a year.
VCardDate ParseDate(std::string_view value, const Params& params) {
    VCardDate date;
    value = Trim(value, kBlanks);
    date.text = Shorten(value);
    date.kind = params.text ? VCardDate::Kind::NotADate : VCardDate::Kind::Invalid;
    if (params.text) {
        return date;
    }
    std::string_view digits = value.substr(0, value.find_first_of("Tt"));
    std::string_view year;
    if (digits.size() == 10 && digits[4] == '-' && digits[7] == '-') {
        year = digits.substr(0, 4);
        digits = digits.substr(5);
    } else if (digits.size() == 8 && digits[0] != '-') {
        year = digits.substr(0, 4);
        digits = digits.substr(4);
    } else if (digits.starts_with("--")) {
        digits.remove_prefix(2);
    } else {
        return date;
    }
    if (digits.size() < 4) {
        return date;
    }
    const std::string month(digits.substr(0, 2));
    const std::string day(digits.substr(digits.size() == 5 && digits[2] == '-' ? 3 : 2));
    const auto allDigits = [](std::string_view text, std::size_t count) {
        return text.size() == count &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!allDigits(month, 2) || !allDigits(day, 2) || !(year.empty() || allDigits(year, 4))) {
        return date;
    }
    // Apple writes a date without a year in a leap year of its own choosing, and names it.
    const bool omit =
        params.omitYear && (params.omitYearValue.empty() || params.omitYearValue == year);
    date.year = year.empty() || omit ? 0 : ParseInt(year);
    date.month = ParseInt(month);
    date.day = ParseInt(day);
    // Without a year (0), 29 February passes.
    if (date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.month, date.year == 0 ? -1 : date.year)) {
        date.year = date.month = date.day = 0;
        return date;
    }
    date.kind = VCardDate::Kind::Date;
    return date;
}

// A usable date wins over one that is not; otherwise the first one stays.
void KeepDate(VCardDate& kept, VCardDate date) {
    if (kept.kind == VCardDate::Kind::None ||
        (kept.kind != VCardDate::Kind::Date && date.kind == VCardDate::Kind::Date)) {
        kept = std::move(date);
    }
}

// An address as the data file holds it: no blanks or control characters. A comma stays, as the
// greeting's mail link encodes it.
std::string MailAddress(std::string_view text) {
    text = Trim(text, kBlanks);
    if (text.size() >= 7 && EqualsNoCase(text.substr(0, 7), "mailto:")) {
        text.remove_prefix(7);
    }
    const bool usable = std::none_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == 0x7F;
    });
    return usable ? std::string(text) : std::string();
}

// Appends `word` to `words`, a blank between them.
void AddWord(std::string& words, std::string_view word) {
    if (!words.empty() && !word.empty()) {
        words += ' ';
    }
    words += word;
}

// "Given Family" of N:Family;Given;Additional;Prefix;Suffix; several values of one part, split
// by commas, stand side by side.
std::string NameFromN(std::string_view value) {
    std::string parts[2];
    int index = 0;
    ForEachPart(value, ';', false, [&](std::string_view part) {
        if (index < 2) {
            ForEachPart(part, ',', false, [&](std::string_view word) {
                AddWord(parts[index], Trim(Unescape(word), kBlanks));
            });
        }
        ++index;
    });
    AddWord(parts[1], parts[0]);
    return std::move(parts[1]);
}

struct Card {
    VCardContact contact;
    std::string fullName;
    std::string nName;
    int emailPref = 1000;
    std::vector<std::pair<std::string, VCardDate>> appleDates;  // X-ABDATE by group
    std::set<std::string> anniversaryGroups;                    // upper case

    void Take(const ContentLine& line, Charsets& charsets) {
        const std::string_view name = line.name;
        const bool fn = EqualsNoCase(name, "FN");
        const bool n = EqualsNoCase(name, "N");
        const bool email = EqualsNoCase(name, "EMAIL");
        const bool uid = EqualsNoCase(name, "UID") && contact.uid.empty();
        const bool bday = EqualsNoCase(name, "BDAY");
        const bool anniversary =
            EqualsNoCase(name, "ANNIVERSARY") || EqualsNoCase(name, "X-ANNIVERSARY") ||
            EqualsNoCase(name, "X-EVOLUTION-ANNIVERSARY") || EqualsNoCase(name, "X-MS-ANNIVERSARY");
        const bool appleDate = EqualsNoCase(name, "X-ABDATE") && !line.group.empty();
        const bool appleLabel = EqualsNoCase(name, "X-ABLABEL") && !line.group.empty();
        if (!(fn || n || email || uid || bday || anniversary || appleDate || appleLabel) ||
            (fn && !fullName.empty()) || (n && !nName.empty())) {
            return;
        }
        const Params params = ReadParams(line.params);
        if (email && params.pref >= emailPref) {
            return;
        }
        const std::string text = charsets.ToUtf8(
            params.quotedPrintable ? DecodeQuotedPrintable(line.value) : std::string(line.value),
            params.charset);
        if (fn) {
            fullName = Trim(Unescape(text), kBlanks);
        } else if (n) {
            nName = NameFromN(text);
        } else if (uid) {
            contact.uid = Trim(Unescape(text), kBlanks);
        } else if (email) {
            if (std::string address = MailAddress(Unescape(text)); !address.empty()) {
                contact.email = std::move(address);
                emailPref = params.pref;
            }
        } else if (bday) {
            KeepDate(contact.birthday, ParseDate(Unescape(text), params));
        } else if (anniversary) {
            KeepDate(contact.anniversary, ParseDate(Unescape(text), params));
        } else if (appleDate) {
            appleDates.emplace_back(std::string(line.group), ParseDate(Unescape(text), params));
        } else if (ContainsNoCase(text, "anniversary")) {  // _$!<Anniversary>!$_
            std::string group(line.group);
            std::transform(group.begin(), group.end(), group.begin(), Upper);
            anniversaryGroups.insert(std::move(group));
        }
    }

    VCardContact Finish() {
        contact.name = !fullName.empty() ? std::move(fullName) : std::move(nName);
        for (auto& [group, date] : appleDates) {
            std::transform(group.begin(), group.end(), group.begin(), Upper);
            if (anniversaryGroups.count(group) != 0) {
                KeepDate(contact.anniversary, std::move(date));
            }
        }
        return std::move(contact);
    }
};

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) {
        if (DecodeUtf8(text, pos, length) == kNotUtf8) {
            return false;
        }
    }
    return true;
}

VCardParse ParseVCards(std::string_view text, std::size_t maxContacts) {
    VCardParse result;
    const auto fail = [&](Problem::Kind kind, std::size_t line = 0, std::size_t count = 0) {
        result.contacts.clear();
        result.problem.kind = kind;
        result.problem.line = line;
        result.problem.count = count;
        return std::move(result);
    };
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        return fail(Problem::Kind::Utf16);
    }
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    if (const void* nul = std::memchr(text.data(), '\0', text.size())) {
        const auto at = static_cast<const char*>(nul) - text.data();
        return fail(Problem::Kind::Binary,
                    static_cast<std::size_t>(std::count(text.data(), text.data() + at, '\n')) + 1);
    }
    LineReader reader(text);
    Charsets charsets;
    Card card;
    std::size_t depth = 0;  // an embedded card (a vCard 2.1 AGENT) is no contact of its own
    bool anyCard = false;
    std::string_view line;
    bool tooLong = false;
    while (reader.Next(line, tooLong)) {
        if (tooLong) {
            return fail(Problem::Kind::LineTooLong, reader.LineNumber(), kMaxVCardLineBytes >> 20);
        }
        ContentLine content;
        if (!SplitContentLine(line, content)) {
            continue;
        }
        const bool isVCard = EqualsNoCase(Trim(content.value, kBlanks), "VCARD");
        if (EqualsNoCase(content.name, "BEGIN") && isVCard) {
            if (depth++ == 0) {
                if (result.contacts.size() >= maxContacts) {
                    return fail(Problem::Kind::TooManyContacts, 0, maxContacts);
                }
                anyCard = true;
                card = Card{};
                card.contact.line = reader.LineNumber();
                reader.KeepFoldBlank(false);
            }
        } else if (depth > 0 && EqualsNoCase(content.name, "END") && isVCard) {
            if (--depth == 0) {
                result.contacts.push_back(card.Finish());
            }
        } else if (depth == 1 && EqualsNoCase(content.name, "VERSION")) {
            reader.KeepFoldBlank(Trim(content.value, kBlanks) == "2.1");
        } else if (depth == 1) {
            card.Take(content, charsets);
        }
    }
    if (depth > 0) {
        return fail(Problem::Kind::NoEnd, card.contact.line);
    }
    if (!anyCard) {
        return fail(Problem::Kind::NoBegin);
    }
    return result;
}

VCardParse ReadVCardFile(const std::string& path) {
    std::string text;
    VCardParse result;
    result.problem.file = path;
    if (path == "-") {
        char buffer[65536];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, stdin)) {
            if (n > kMaxDataFileBytes - text.size()) {
                result.problem.kind = Problem::Kind::TooLarge;
                result.problem.count = kMaxDataFileBytes >> 20;
                return result;
            }
            text.append(buffer, n);
        }
        if (std::ferror(stdin)) {
            result.problem.kind = Problem::Kind::CannotRead;
            result.problem.error = errno;
            return result;
        }
    } else if (const FileRead file = ReadPieces(path, kMaxDataFileBytes, true,
                                                [&](std::string_view piece) {
                                                    text.append(piece);
                                                    return true;
                                                });
               !file.complete) {
        result.problem.error = file.error;
        result.problem.kind = file.error == EISDIR   ? Problem::Kind::Folder
                              : file.error == EINVAL ? Problem::Kind::NotRegular
                              : file.error == EFBIG  ? Problem::Kind::TooLarge
                                                     : Problem::Kind::CannotRead;
        result.problem.count = kMaxDataFileBytes >> 20;
        return result;
    }
    result = ParseVCards(text);
    result.problem.file = path;
    return result;
}
