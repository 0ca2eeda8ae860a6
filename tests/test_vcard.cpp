// SPDX-License-Identifier: MIT
// Samples written from RFC 2426, RFC 6350, the vCard 2.1 document and the exports of Apple,
// Google, Evolution and Outlook as they write them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestSupport.h"
#include "model/ContactImport.h"

namespace {

const ImportDefaults kDefaults{3, 14};

ImportPlan Plan(std::string_view text, const RecordList& existing = {}) {
    const VCardParse parse = ParseVCards(text);
    EXPECT_EQ(parse.error, "");
    return PlanImport(parse.contacts, existing, kDefaults);
}

// A record as its data file line, and that line read back.
std::string FormatRecordLine(const PersonRecord& record, PersonRecord* back = nullptr) {
    RecordList one;
    Append(one, record);
    const std::string text = FormatRecords(one);
    const std::size_t start = text.find('\n') + 1;
    if (back != nullptr) {
        RecordList read;
        ParseRecords(text, read);
        *back = *read.front();
    }
    return text.substr(start, text.size() - start - 2);
}

// The data file lines an import adds; each must read back as it was written.
std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    for (const PersonRecord& record : Plan(text).records) {
        PersonRecord back;
        lines.push_back(FormatRecordLine(record, &back));
        EXPECT_EQ(back.name, record.name);
        EXPECT_EQ(back.email, record.email);
    }
    return lines;
}

std::string Card(std::string_view lines, std::string_view version = "3.0") {
    return "BEGIN:VCARD\r\nVERSION:" + std::string(version) + "\r\n" + std::string(lines) +
           "END:VCARD\r\n";
}

struct Dialect {
    const char* what;
    std::string text;
    std::vector<std::string> lines;
};

}  // namespace

TEST(VCard, ReadsEveryDialect) {
    const Dialect dialects[] = {
        {"2.1 Outlook: ISO-8859-1, quoted-printable with a soft line break, bare PREF",
         Card("N;CHARSET=ISO-8859-1:M\xFCller;J\xFCrgen\r\n"
              "FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:J=FCrgen M=FCller, =\r\n"
              "Dr.\r\nEMAIL;INTERNET:other@example.org\r\nEMAIL;INTERNET;PREF:j@example.org\r\n"
              "BDAY:19800415\r\nX-MS-ANNIVERSARY:20050611\r\n",
              "2.1"),
         {"\"J\xC3\xBCrgen M\xC3\xBCller, Dr.\",15041980,3,-1,14,0,0,j@example.org,",
          "\"J\xC3\xBCrgen M\xC3\xBCller, Dr.'s "
          "anniversary\",11062005,3,-1,14,1,0,j@example.org,"}},
        {"2.1 Android: UTF-8 quoted-printable broken softly, N only, folding keeps the blank",
         Card("N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Dupr=C3=A9;=C3=89lo=\r\ndie;;;\r\n"
              "BDAY:1990-01-02\r\nNOTE:a\r\n b\r\n",
              "2.1") +
             Card("FN;QUOTED-PRINTABLE:Anna\r\n Maria\r\nBDAY:19900103\r\n", "2.1"),
         {"\xC3\x89lodie Dupr\xC3\xA9,02011990,3,-1,14,0,0,,",
          "Anna Maria,03011990,3,-1,14,0,0,,"}},
        {"2.1 windows-1252, unnamed bytes that are not UTF-8, bad UTF-8",
         Card("FN;CHARSET=windows-1252:Zo\xEB \x96 Z\r\nBDAY:19800101\r\n", "2.1") +
             Card("FN:Ren\xE9\r\nBDAY:19800102\r\n", "2.1") +
             Card("FN;CHARSET=UTF-8:R\xE9\xF5\xBD\r\nBDAY:19800103\r\n", "2.1"),
         {"Zo\xC3\xAB \xE2\x80\x93 Z,01011980,3,-1,14,0,0,,", "Ren\xC3\xA9,02011980,3,-1,14,0,0,,",
          "R\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD,03011980,3,-1,14,0,0,,"}},
        {"3.0 Apple: BOM, year omitted, labelled X-ABDATE, type=pref on the second address",
         "\xEF\xBB\xBF" + Card("PRODID:-//Apple Inc.//iPhone OS 17.0//EN\r\nN:Smith;Anna;;;\r\n"
                               "FN:Anna Smith\r\nEMAIL;type=INTERNET;type=HOME:home@example.org\r\n"
                               "item1.EMAIL;type=INTERNET;type=pref:anna@example.org\r\n"
                               "item2.X-ABDATE;type=pref:2001-01-01\r\n"
                               "item2.X-ABLabel:_$!<Other>!$_\r\n"
                               "item3.X-ABLabel:_$!<Anniversary>!$_\r\n"
                               "BDAY;X-APPLE-OMIT-YEAR=1604:1604-04-15\r\n"
                               "item3.X-ABDATE:2005-06-11\r\n"),
         {"Anna Smith,15040000,3,-1,14,0,0,anna@example.org,",
          "Anna Smith's anniversary,11062005,3,-1,14,1,0,anna@example.org,"}},
        {"3.0 Google, LF line ends, --MM-DD",
         "BEGIN:VCARD\nVERSION:3.0\nFN:Bob Jones\nN:Jones;Bob;;;\n"
         "EMAIL;TYPE=INTERNET;TYPE=HOME:bob@example.org\nBDAY:--04-15\nEND:VCARD\n",
         {"Bob Jones,15040000,3,-1,14,0,0,bob@example.org,"}},
        {"CR line ends, as classic Mac OS wrote them",
         "BEGIN:VCARD\rVERSION:3.0\rFN:Old Mac\rBDAY:1970-01-01\rEND:VCARD\r",
         {"Old Mac,01011970,3,-1,14,0,0,,"}},
        {"3.0 Evolution: escaped comma, anniversary, folded with a tab",
         Card("FN:Carl\\, Jr.\r\nEMAIL;TYPE=WORK;X-EVOLUTION-UI-SLOT=1:c@exa\r\n\tmple.org\r\n"
              "BDAY:1976-12-05\r\nX-EVOLUTION-ANNIVERSARY:2001-09-08\r\n"),
         {"\"Carl, Jr.\",05121976,3,-1,14,0,0,c@example.org,",
          "\"Carl, Jr.'s anniversary\",08092001,3,-1,14,1,0,c@example.org,"}},
        {"3.0 KDE: X-ANNIVERSARY, lower-case names, group, time and zone, quoted TYPE",
         "begin:vcard\r\nversion:3.0\r\nfn:Dana\r\nitem1.email;type=\"INTERNET,pref\":"
         "mailto:d@example.org\r\nbday:1980-04-15T00:00:00Z\r\nx-anniversary:2010-07-01\r\n"
         "end:vcard\r\n",
         {"Dana,15041980,3,-1,14,0,0,d@example.org,",
          "Dana's anniversary,01072010,3,-1,14,1,0,d@example.org,"}},
        {"4.0 RFC 6350: --MMDD, PREF=1 wins, escapes, folding drops one blank, N made the name",
         Card("N:Doe;Jane;Q.;Dr.;\r\nEMAIL;PREF=2:two@example.org\r\nEMAIL;PREF=1:one@example."
              "org\r\n"
              "BDAY:--0415\r\nANNIVERSARY:20050611T000000Z\r\n",
              "4.0") +
             Card("FN:Line\\nbreak \\\\ back\\; semi\r\n  with a fold\r\nBDAY:19991231\r\n", "4.0"),
         {"Jane Doe,15040000,3,-1,14,0,0,one@example.org,",
          "Jane Doe's anniversary,11062005,3,-1,14,1,0,one@example.org,",
          "Line break \\ back; semi with a fold,31121999,3,-1,14,0,0,,"}},
        {"names with quotes and commas keep their stored form; an address with a comma goes",
         Card("FN:\"Bobby\" Tables\r\nBDAY:20000101\r\nEMAIL:a\\,b@example.org\r\n") +
             Card("FN:Smith\\, \"Jo\"\r\nBDAY:20000102\r\n"),
         {"\"\"\"Bobby\"\" Tables\",01012000,3,-1,14,0,0,,",
          "\"Smith, Jo\",02012000,3,-1,14,0,0,,"}},
    };
    for (const Dialect& dialect : dialects) {
        EXPECT_EQ(Lines(dialect.text), dialect.lines) << dialect.what;
    }
}

TEST(VCard, SkipsWhatIsNoDateWithItsReason) {
    const std::string text =
        Card("FN:A\r\nBDAY:1980-13-01\r\n") + Card("FN:B\r\nBDAY:1981-04-31\r\n") +
        Card("FN:C\r\nBDAY:1981-02-29\r\n") + Card("FN:D\r\nBDAY:--04\r\n") +
        Card("FN:E\r\nBDAY;VALUE=text:circa 1800\r\n") + Card("FN:F\r\nEMAIL:f@example.org\r\n") +
        Card("FN:G\r\nBDAY:April 15\r\n") + Card("EMAIL:h@example.org\r\nBDAY:19800101\r\n") +
        Card("FN:I\r\nBDAY:1980-02-29\r\n") + Card("FN:J\r\nBDAY:--0229\r\n") +
        Card("FN:K\r\nBDAY:text\r\nANNIVERSARY:2000-02-30\r\n") + Card("FN:L\r\nBDAY:--\r\n");
    const ImportPlan plan = Plan(text);
    std::vector<std::string> skipped;
    for (const SkippedContact& s : plan.skipped) {
        skipped.push_back(s.name + ": " + SkipReasonText(s));
    }
    EXPECT_EQ(skipped, (std::vector<std::string>{
                           "A: invalid date: 1980-13-01", "B: invalid date: 1981-04-31",
                           "C: invalid date: 1981-02-29", "D: invalid date: --04",
                           "E: not a date: circa 1800", "F: without a date",
                           "G: invalid date: April 15", ": without a name", "K: invalid date: text",
                           "K's anniversary: invalid date: 2000-02-30", "L: invalid date: --"}));
    ASSERT_EQ(plan.records.size(), 2u);
    EXPECT_EQ(FormatRecordLine(plan.records[1]), "J,29020000,3,-1,14,0,0,,");
    EXPECT_EQ(plan.skipped[2].line, 11u);
    EXPECT_EQ(ImportSummary(plan),
              "Imported 2 records; skipped 0 already present, 9 without a date");
}

TEST(VCard, ImportingTwiceAddsNothing) {
    const std::string text = Card("FN:Anna\r\nBDAY:1980-04-15\r\nANNIVERSARY:2005-06-11\r\n") +
                             Card("FN:Anna\r\nBDAY:1999-04-15\r\n") + Card("FN:Bea\r\n");
    RecordList records;
    Append(records, Record("Other", 15, 4, 1980));
    ImportPlan plan = Plan(text, records);
    EXPECT_EQ(ImportSummary(plan),
              "Imported 2 records; skipped 1 already present, 1 without a date");
    EXPECT_EQ(plan.records[1].name, "Anna's anniversary");
    for (PersonRecord& record : plan.records) {
        Append(records, std::move(record));
    }
    plan = Plan(text, records);
    EXPECT_EQ(ImportSummary(plan),
              "Imported 0 records; skipped 3 already present, 1 without a date");
    EXPECT_EQ(SkipReasonText(plan.skipped[0]), "already present");

    const VCardParse parse = ParseVCards(text);
    const ImportDefaults german{0, 7, "Jahrestag von %1"};
    EXPECT_EQ(PlanImport(parse.contacts, {}, german).records[1].name, "Jahrestag von Anna");
    plan = PlanImport(parse.contacts, records, kDefaults, records.size() + 1);
    EXPECT_EQ(plan.error, "");
    Append(records, Record("Carl", 1, 1, 0));
    plan = PlanImport(ParseVCards(Card("FN:Dan\r\nBDAY:--0101\r\n")).contacts, records, kDefaults,
                      records.size());
    EXPECT_EQ(plan.error,
              "importing them would make 5 records, more than the 4 a data file may hold");
    EXPECT_TRUE(plan.records.empty());
}

TEST(VCard, RefusesBadInputWithAReason) {
    const std::string card = Card("FN:A\r\nBDAY:19800101\r\n");
    std::string million;
    for (int i = 0; i <= 1'000'000; ++i) {
        million += "BEGIN:VCARD\nEND:VCARD\n";
    }
    const std::pair<std::string, std::string> bad[] = {
        {card + std::string("\0", 1), "binary data (a NUL byte on line 6), not a vCard file"},
        {"", "not a vCard file: no line says BEGIN:VCARD"},
        {"name,01011980,1,-1,14,0,0,,\r\n", "not a vCard file: no line says BEGIN:VCARD"},
        {"\xFF\xFE"
         "B\0E\0",
         "UTF-16 text: only vCard files in UTF-8 (or with a CHARSET) can be read"},
        {card + "BEGIN:VCARD\r\nFN:B\r\nBEGIN:VCARD\r\nEND:VCARD\r\n",
         "the card that begins on line 6 has no END:VCARD"},
        {card + "NOTE:" + std::string(50 << 20, 'x') + "\r\n" + card,
         "line 6 is longer than 10 MB, more than a vCard line may be"},
        {card + "NOTE:" + std::string(10 << 20, 'x') + "\r\n y\r\n" + card,
         "line 6 is longer than 10 MB, more than a vCard line may be"},
        {million, "more than 1000000 contacts, more than Ovrana can keep"},
    };
    for (const auto& [text, error] : bad) {
        const VCardParse parse = ParseVCards(text);
        EXPECT_EQ(parse.error, error);
        EXPECT_TRUE(parse.contacts.empty());
    }
    const VCardParse photo =
        ParseVCards(card + "PHOTO;ENCODING=b:" + std::string(9 << 20, 'A') + "\r\n" + card);
    EXPECT_EQ(photo.error, "");
    EXPECT_EQ(photo.contacts.size(), 2u);
}

TEST(VCard, ReadsOnlyRegularFilesOfReasonableSize) {
    TempDir dir;
    WriteFile(dir.File("contacts.vcf"), Card("FN:A\r\nBDAY:19800101\r\n"));
    EXPECT_EQ(ReadVCardFile(dir.File("contacts.vcf")).contacts.size(), 1u);
    WriteFile(dir.File("big.vcf"), "");
    ASSERT_EQ(::truncate(dir.File("big.vcf").c_str(), 257 << 20), 0);
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(dir.File("folder").c_str(), 0700), 0);
    WriteFile(dir.File("text.txt"), "hello\n");
    const std::pair<std::string, std::string> bad[] = {
        {"none.vcf", "cannot read %: No such file or directory"},
        {"folder", "% is a folder, not a vCard file"},
        {"fifo", "% is not a regular file"},
        {"big.vcf", "% is larger than 256 MB, more than Ovrana reads"},
        {"text.txt", "%: not a vCard file: no line says BEGIN:VCARD"},
    };
    for (auto [name, error] : bad) {
        error.replace(error.find('%'), 1, dir.File(name));
        EXPECT_EQ(ReadVCardFile(dir.File(name)).error, error);
    }
}
