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
        QTest::newRow("rest byte for byte")
            << QByteArray("a\xff\0z", 4) << QByteArray("A\xff\0z", 4);
        QTest::newRow("title case") << QByteArray("ǆemal") << QByteArray("ǅemal");
        QTest::newRow("three bytes") << QByteArray("ⓐb") << QByteArray("Ⓐb");
        QTest::newRow("four bytes") << QByteArray("😀 x") << QByteArray("😀 x");
        QTest::newRow("invalid") << QByteArray("\xff\xfe x") << QByteArray("\xff\xfe x");
        QTest::newRow("cut") << QByteArray("\xc3") << QByteArray("\xc3");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void upperFirst() {
        QFETCH(QByteArray, text);
        const std::string result = QtTextServices().UpperFirst(text.toStdString());
        QTEST(QByteArray::fromStdString(result), "expected");
    }

    void sunday() { QCOMPARE(QtTextServices().DayName(0), std::string("Sunday")); }

    // A hand-edited list reads as its text; writing back what is stored leaves the file alone.
    void settingsStore() {
        QTemporaryDir dir;
        const QString file = dir.filePath("ovra.conf");
        const auto inode = [&] {
            struct stat info {};
            return ::stat(file.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
        };
        const auto write = [&](const char* aot) {
            QSettingsStore store(file);
            store.Write("days", "14");
            store.Write("aot", aot);
        };
        QVERIFY(QSettingsStore(file).IsEmpty());
        write("0");
        const auto before = inode();
        write("0");
        QCOMPARE(inode(), before);
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::Append) && raw.write("list=1,2\n") > 0);
        raw.close();
        const QSettingsStore store(file);
        QVERIFY(!store.IsEmpty() && !store.Read("none"));
        QCOMPARE(store.Read("days"), std::optional<std::string>("14"));
        QCOMPARE(store.Read("list"), std::optional<std::string>("1,2"));
        write("1");
        QVERIFY(inode() != before);
    }
};

QTEST_GUILESS_MAIN(TestQtServices)
#include "test_qt_services.moc"
