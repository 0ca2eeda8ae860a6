// SPDX-License-Identifier: MIT
// Samples written from RFC 2426, RFC 6350, the vCard 2.1 document and the exports of Apple,
// Google, Evolution and Outlook as they write them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>

#include "TestSupport.h"
#include "formats/ContactImport.h"
#include "platform/Messages.h"

namespace {

const ImportDefaults kDefaults{3, 14};

// A card of `lines`, its line ends made CR LF.
std::string Card(std::string_view lines, std::string_view version = "3.0") {
    const std::string card = "BEGIN:VCARD\nVERSION:" + std::string(version) + "\n" +
                             std::string(lines) + "\nEND:VCARD\n";
    return std::regex_replace(card, std::regex("\n"), "\r\n");
}

ImportPlan Plan(std::string_view text, const RecordList& existing = {}) {
    return PlanImport(ParseVCards(text).contacts, existing, kDefaults);
}

// The data file lines an import adds, joined by "|"; each without the defaults ",3,-1,14," and
// "0," (not "info only").
std::string Lines(std::string_view text) {
    RecordList added;
    for (PersonRecord& record : Plan(text).records) {
        Append(added, std::move(record));
    }
    const std::string file = FormatRecords(added);
    const std::string lines = std::regex_replace(
        file.substr(file.find('\n') + 1), std::regex(",3,-1,14,([01]),0,(.*),\r\n"), ",$1,$2|");
    return lines.substr(0, lines.size() - 1);
}

}  // namespace

TEST(VCard, ReadsEveryDialect) {
    const std::pair<std::string, const char*> dialects[] = {
        {Card("FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:J=FCrg,=20=\nDr.\nEMAIL;INTERNET:"
              "o@x.org\nEMAIL;INTERNET;PREF:j@x.org\nBDAY:19800415\n"
              "X-MS-ANNIVERSARY:20050611",
              "2.1"),
         "\"J\xC3\xBCrg, Dr.\",15041980,0,j@x.org|"
         "\"J\xC3\xBCrg, Dr.'s anniversary\",11062005,1,j@x.org"},
        {Card("N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Dupr=C3=A9;=C3=89lo=\ndie;;;\n"
              "BDAY:1990-01-02",
              "2.1") +
             Card("FN;QUOTED-PRINTABLE:Anna\n Maria\nBDAY:19900103", "2.1"),
         "\xC3\x89lodie Dupr\xC3\xA9,02011990,0,|Anna Maria,03011990,0,"},
        {Card("FN;CHARSET=windows-1252:Zo\xEB \x96\nBDAY:19800101", "2.1") +
             Card("FN:Ren\xE9\nBDAY:19800102", "2.1") +
             Card("FN;CHARSET=UTF-8:R\xE9\xF5\xBD\xC2\xB7\nBDAY:19800103", "2.1") +
             Card("FN;CHARSET=ISO-8859-2:\xA3ucja\nBDAY:19800104", "2.1") +
             Card("FN;CHARSET=UTF-7:Stra+AN8-e\nBDAY:19800105", "2.1") +
             Card("FN;CHARSET=ISO-2022-JP:\x1B$B;3ED\x1B(B\nBDAY:19800106", "2.1"),
         "Zo\xC3\xAB \xE2\x80\x93,01011980,0,|Ren\xC3\xA9,02011980,0,|"
         "R\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xC2\xB7,03011980,0,|\xC5\x81ucja,04011980,0,|"
         "Straße,05011980,0,|山田,06011980,0,"},
        {"\xEF\xBB\xBF" +
             Card("FN:Ann\nEMAIL;type=INTERNET:h@x.org\nitem1.EMAIL;type=pref:a@x.org\n"
                  "item2.X-ABDATE;type=pref:2001-01-01\nitem2.X-ABLabel:_$!<Other>!$_\n"
                  "item3.X-ABLabel:_$!<Anniversary>!$_\n"
                  "BDAY;X-APPLE-OMIT-YEAR=1604:1604-04-15\nitem3.X-ABDATE:2005-06-11"),
         "Ann,15040000,0,a@x.org|Ann's anniversary,11062005,1,a@x.org"},
        {"BEGIN:VCARD\nVERSION:3.0\nFN:Bob\nBDAY:--04-15\nEND:VCARD\n", "Bob,15040000,0,"},
        {"BEGIN:VCARD\rVERSION:3.0\rFN:Mac\rBDAY:1970-01-01\rEND:VCARD\r", "Mac,01011970,0,"},
        {Card("FN:Carl\\, Jr.\nEMAIL;X-EVOLUTION-UI-SLOT=1:c@exa\n\tmple.org\n"
              "BDAY:1976-12-05\nX-EVOLUTION-ANNIVERSARY:2001-09-08"),
         "\"Carl, Jr.\",05121976,0,c@example.org|"
         "\"Carl, Jr.'s anniversary\",08092001,1,c@example.org"},
        {"begin:vcard\r\nversion:3.0\r\nfn:Dana\r\nemail:e@x.org\r\n"
         "item1.email;type=\"INTERNET,pref\":mailto:d@x.org\r\n"
         "bday:1980-04-15T00:00:00Z\r\nx-anniversary:2010-07-01\r\nend:vcard\r\n",
         "Dana,15041980,0,d@x.org|Dana's anniversary,01072010,1,d@x.org"},
        {Card("N:Doe;Jane;Q.;Dr.;\nEMAIL;PREF=2:2@x.org\nEMAIL;PREF=1:1@x.org\n"
              "BDAY:--0415\nANNIVERSARY:20050611T000000Z",
              "4.0") +
             Card("FN:Line\\nbreak \\\\ back\\; semi\n  with a fold\\\nBDAY:19991231", "4.0"),
         "Jane Doe,15040000,0,1@x.org|"
         "Jane Doe's anniversary,11062005,1,1@x.org|"
         "Line break \\ back; semi with a fold\\,31121999,0,"},
        {Card("FN:\"Bobby\" Tables\nBDAY:20000101\nEMAIL:a\\,b@x.org") +
             Card("FN:Smith\\, \"Jo\"\nBDAY:20000102"),
         "\"\"\"Bobby\"\" Tables\",01012000,0,a,b@x.org|\"Smith, Jo\",02012000,0,"},
    };
    for (const auto& [text, lines] : dialects) {
        EXPECT_EQ(Lines(text), lines) << text;
    }
}

TEST(VCard, SkipsWhatIsNoDateWithItsReason) {
    const std::string text =
        Card("FN:A\nBDAY:1980-13-01") + Card("FN:B\nBDAY:1981-04-31") +
        Card("FN:C\nBDAY:1981-02-29") + Card("FN:D\nBDAY:--04") +
        Card("FN:E\nBDAY;VALUE=text:circa 1800") + Card("FN:F\nEMAIL:f@x.org") +
        Card("FN:G\nBDAY:April 15\nANNIVERSARY:2000-02-30") + Card("FN:I\nBDAY:1980-02-29") +
        Card("FN:J\nBDAY:--0229") + Card("EMAIL:h@x.org\nBDAY:19800101\nANNIVERSARY:20000101");
    const ImportPlan plan = Plan(text);
    std::string skipped;
    for (const SkippedContact& s : plan.skipped) {
        skipped += s.name + ": " + SkipReasonText(s, English) + "|";
    }
    EXPECT_EQ(skipped,
              "A: invalid date: 1980-13-01|B: invalid date: 1981-04-31|C: invalid date: "
              "1981-02-29|D: invalid date: --04|E: not a date: circa 1800|F: without a date|G: "
              "invalid date: April 15|G's anniversary: invalid date: 2000-02-30|: without a name|");
    EXPECT_EQ(Lines(text), "I,29021980,0,|J,29020000,0,");
    EXPECT_EQ(plan.skipped[2].line, 11u);
    EXPECT_EQ(ImportSummary(plan, English),
              "Imported 2 records; skipped 0 already present, 7 without a date, 1 without a name");
}

// A contact twice in one file is added once; another name on the same day is no duplicate.
TEST(VCard, NoDuplicatesNorTooManyRecords) {
    const std::string text = Card("FN:Anna\nBDAY:1980-04-15\nANNIVERSARY:2005-06-11") +
                             Card("FN:Anna\nBDAY:1999-04-15") + Card("FN:Bea");
    RecordList records;
    Append(records, Record("Other", 15, 4, 1980));
    EXPECT_EQ(ImportSummary(Plan(text, records), English),
              "Imported 2 records; skipped 1 already present, 1 without a date, 0 without a name");
    const auto contacts = ParseVCards(text).contacts;
    EXPECT_FALSE(PlanImport(contacts, records, kDefaults, 3).problem.Failed());
    const ImportPlan full = PlanImport(contacts, records, kDefaults, 2);
    EXPECT_EQ(ProblemText(full.problem, English),
              "importing them would make 3 records, more than the 2 a data file may hold");
    EXPECT_TRUE(full.records.empty());
    const ImportDefaults german{0, 7, "Jahrestag von %1"};
    EXPECT_EQ(PlanImport(contacts, {}, german).records[1].name, "Jahrestag von Anna");
}

TEST(VCard, RefusesBadInputWithAReason) {
    const std::string card = Card("FN:A\nBDAY:19800101");
    const std::pair<std::string, std::string> bad[] = {
        {card + std::string("\0", 1), "binary data (a NUL byte on line 6), not a vCard file"},
        {"name,01011980,1,-1,14,0,0,,\r\n", "not a vCard file: no line says BEGIN:VCARD"},
        {"\xFF\xFE", "UTF-16 text: only vCard files in UTF-8 (or with a CHARSET) can be read"},
        {card + "BEGIN:VCARD\r\nFN:B\r\nBEGIN:VCARD\r\nEND:VCARD\r\n",
         "the card that begins on line 6 has no END:VCARD"},
        {card + "NOTE:" + std::string(10 << 20, 'x') + "\r\n y\r\n" + card,
         "line 6 is longer than 10 MB, more than a vCard line may be"},
    };
    for (const auto& [text, error] : bad) {
        const VCardParse parse = ParseVCards(text);
        EXPECT_EQ(ProblemText(parse.problem, English), error);
        EXPECT_TRUE(parse.contacts.empty());
    }
    const std::string photo = "PHOTO;ENCODING=b:" + std::string(9 << 20, 'A') + "\r\n";
    EXPECT_EQ(ParseVCards(card + photo + card).contacts.size(), 2u);
}

TEST(VCard, ReadsOnlyRegularFilesOfReasonableSize) {
    TempDir dir;
    const std::string fifo = dir.File("fifo"), big = dir.File("big.vcf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ProblemText(ReadVCardFile(fifo).problem, English), fifo + " is not a regular file");
    WriteFile(big, "");
    ASSERT_EQ(::truncate(big.c_str(), 257 << 20), 0);
    EXPECT_EQ(ProblemText(ReadVCardFile(big).problem, English),
              big + " is larger than 256 MB, more than Ovrana reads");
}
