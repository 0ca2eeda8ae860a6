// SPDX-License-Identifier: MIT
#include <QEnterEvent>
#include <QTest>
#include <QUrl>

#include "controls/DialogKit.h"
#include "controls/IconSet.h"
#include "controls/WebLinkStatic.h"

class TestControls : public QObject {
    Q_OBJECT

private slots:
    // Each picture has ink and is drawn for a high-DPI screen's pixels, not scaled up from 16.
    void iconSet() {
        QImage blank(32, 32, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        for (int i = -1; i < kRecordIconCount; ++i) {  // -1: the program's own
            const QIcon icon = i < 0 ? AppIcon() : RecordIcon(i);
            const QImage sharp =
                icon.pixmap(QSize(16, 16), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(sharp.size(), QSize(32, 32));
            QVERIFY(sharp != blank && sharp != icon.pixmap(16, 16).toImage().scaled(32, 32));
        }
        QVERIFY(RecordIcon(-1).isNull() && RecordIcon(kRecordIconCount).isNull());
    }

    // The desktop, the browsers (missing unless in `results`) and the message box are stand-ins.
    void webLinkOpeningAndColours() {
        CWebLinkStatic label{"Ovrana home page"};
        bool desktopOpens = false;
        QList<QStringList> started;
        QMap<QString, int> results;
        QStringList messages;
        label.SetLink("https://example.org/ovrana page");
        label.openUrl = [&](const QUrl&) { return desktopOpens; };
        label.startProcess = [&](const QString& program, const QStringList& arguments) {
            started.append(QStringList{program} + arguments);
            return results.value(program, CWebLinkStatic::kFileNotFound);
        };
        Modal::warnHook = [&](const QString& text) { messages.append(text); };
        label.show();
        const auto click = [&] {
            QTest::mouseClick(&label, Qt::LeftButton);
            return label.palette().color(QPalette::WindowText);
        };
        const QString address = "https://example.org/ovrana%20page";
        const QColor normal(0, 0, 238), visited(85, 26, 139);

        qputenv("BROWSER", "mybrowser --new-window \"%s\" --100%%:other");
        QCOMPARE(click(), normal);
        qunsetenv("BROWSER");
        QCOMPARE(started, QList<QStringList>({{"mybrowser", "--new-window", address, "--100%"},
                                              {"other", address},
                                              {"x-www-browser", address},
                                              {"sensible-browser", address},
                                              {"xdg-open", address}}));
        QCOMPARE(messages.value(0),
                 "Unable to open hyperlink:\n\nThere is no application "
                 "associated\nwith the given filename extension.");
        started.clear(), messages.clear();
        QTest::mouseClick(&label, Qt::RightButton);

        desktopOpens = true;
        QCOMPARE(click(), visited);
        QVERIFY(started.isEmpty() && messages.isEmpty());

        // A browser that cannot run is the failure worth reporting; a failure forgets the visit.
        desktopOpens = false;
        results = {{"x-www-browser", CWebLinkStatic::kAccessDenied}};
        QCOMPARE(click(), normal);
        QCOMPARE(messages, QStringList{"Unable to open hyperlink:\n\nThe operating system "
                                       "denied\naccess to the specified file."});

        started.clear();  // nothing a browser could take for one of its options is passed on
        for (const char* text : {"  ", "--kiosk", "-x.example.org", "www.example.org"}) {
            label.SetLink(text);
            click();
        }
        QCOMPARE(started.value(0).value(1), QString("http://www.example.org"));

        started.clear();  // the first browser that starts ends the search
        results = {{"sensible-browser", CWebLinkStatic::kOpened}};
        QCOMPARE(click(), visited);
        QCOMPARE(started.size(), 2);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(&label, &enter);  // hover wins over visited
        QVERIFY(label.palette().color(QPalette::WindowText) != visited);
    }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
