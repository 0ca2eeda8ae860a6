// SPDX-License-Identifier: MIT
#include <QTest>
#include <QtWidgets>

#include "controls/DialogKit.h"
#include "controls/WebLinkStatic.h"

class TestWebLinkStatic : public QObject {
    Q_OBJECT

private slots:
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
        // The link colours of a dark palette, not fixed ones.
        const QColor normal(0x8a, 0xb4, 0xf8), visited(0xc5, 0x8a, 0xf9);
        QPalette dark = label.palette();
        dark.setColor(QPalette::Link, normal);
        dark.setColor(QPalette::LinkVisited, visited);
        label.setPalette(dark);
        const auto click = [&] {
            QTest::mouseClick(&label, Qt::LeftButton);
            return label.palette().color(label.foregroundRole());
        };
        const QString address = "https://example.org/ovrana%20page";

        qputenv("BROWSER", "mybrowser --new-window \"%s\" --100%%:other");
        QCOMPARE(click(), normal);
        qunsetenv("BROWSER");
        QCOMPARE(started, QList<QStringList>({{"mybrowser", "--new-window", address, "--100%"},
                                              {"other", address},
                                              {"x-www-browser", address},
                                              {"sensible-browser", address},
                                              {"xdg-open", address}}));
        QVERIFY(messages.size() == 1 && messages[0].contains("no application associated"));
        started.clear(), messages.clear();

        desktopOpens = true;
        QCOMPARE(click(), visited);
        QVERIFY(started.isEmpty() && messages.isEmpty());

        // A browser that cannot run is the failure worth reporting; a failure forgets the visit.
        desktopOpens = false;
        results = {{"x-www-browser", CWebLinkStatic::kAccessDenied}};
        QCOMPARE(click(), normal);
        QVERIFY(messages.size() == 1 && messages[0].contains("denied\naccess"));

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
        QVERIFY(label.palette().color(label.foregroundRole()) != visited);
        QTest::keyClick(&label, Qt::Key_Space);  // the keyboard opens it too
        QCOMPARE(started.size(), 4);
    }
};

QTEST_MAIN(TestWebLinkStatic)
#include "test_web_link_static.moc"
