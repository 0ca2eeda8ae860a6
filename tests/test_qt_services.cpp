// SPDX-License-Identifier: MIT
#include <sys/stat.h>

#include <QTemporaryDir>
#include <QTest>

#include "platform/QtServices.h"

class TestQtServices : public QObject {
    Q_OBJECT

private slots:
    void upperFirst_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("ascii") << QByteArray("anna is 30") << QByteArray("Anna is 30");
        QTest::newRow("two-byte") << QByteArray("ölaf") << QByteArray("Ölaf");
        QTest::newRow("greek") << QByteArray("σοφία") << QByteArray("Σοφία");
        QTest::newRow("cyrillic") << QByteArray("женя") << QByteArray("Женя");
        QTest::newRow("title case digraph") << QByteArray("ǆemal") << QByteArray("ǅemal");
        QTest::newRow("four-byte, no case") << QByteArray("😀 party") << QByteArray("😀 party");
        QTest::newRow("digit") << QByteArray("3 kings") << QByteArray("3 kings");
        QTest::newRow("invalid lead byte") << QByteArray("\xff\xfe x") << QByteArray("\xff\xfe x");
        QTest::newRow("cut sequence") << QByteArray("\xc3") << QByteArray("\xc3");
        QTest::newRow("rest kept byte for byte")
            << QByteArray("a\xff\x00z", 4) << QByteArray("A\xff\x00z", 4);
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }

    void upperFirst() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        const std::string result =
            QtTextServices().UpperFirst(std::string_view(text.data(), text.size()));
        QCOMPARE(QByteArray(result.data(), qsizetype(result.size())), expected);
    }

    void dayNames() {
        // The test list runs this under an English locale.
        QCOMPARE(QtTextServices().DayName(0), std::string("Sunday"));
        QCOMPARE(QtTextServices().DayName(5), std::string("Friday"));
    }

    void settingsStore() {
        QTemporaryDir dir;
        const QString file = dir.filePath("ovra.conf");
        {
            QSettingsStore store(file);
            QVERIFY(store.IsEmpty());
            QVERIFY(!store.Read("days"));
            store.Write("days", "14");
            store.Write("lastrun", "2026126");
        }
        QFile f(file);
        QVERIFY(f.open(QIODevice::Append));
        f.write("aot=1,2\nicon=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5QSize)\n");
        f.close();

        QSettingsStore store(file);
        QVERIFY(!store.IsEmpty());
        QCOMPARE(store.Read("days"), std::optional<std::string>("14"));
        QCOMPARE(store.Read("lastrun"), std::optional<std::string>("2026126"));
        QCOMPARE(store.Read("aot"), std::optional<std::string>("1,2"));
        QVERIFY(store.Read("icon").has_value());  // a damaged value reads as some text, no crash
    }

    // A run that writes back what is stored leaves the file alone; a changed value replaces it.
    void settingsStoreRewritesOnlyChanges() {
        QTemporaryDir dir;
        const QString file = dir.filePath("ovra.conf");
        {
            QSettingsStore store(file);
            store.Write("days", "14");
            store.Write("aot", "0");
        }
        // Qt replaces the file by renaming a new one over it: a rewrite changes the inode.
        const auto inode = [&] {
            struct stat info {};
            return ::stat(file.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
        };
        const auto before = inode();
        QVERIFY(before != 0);
        {
            QSettingsStore store(file);
            store.Write("days", "14");
            store.Write("aot", "0");
        }
        QCOMPARE(inode(), before);
        {
            QSettingsStore store(file);
            store.Write("days", "14");
            store.Write("aot", "1");
        }
        QVERIFY(inode() != before);
        QCOMPARE(QSettingsStore(file).Read("aot"), std::optional<std::string>("1"));
    }
};

QTEST_GUILESS_MAIN(TestQtServices)
#include "test_qt_services.moc"
