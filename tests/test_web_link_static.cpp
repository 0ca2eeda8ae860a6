// SPDX-License-Identifier: MIT
#include <QEnterEvent>
#include <QTest>
#include <QUrl>

#include "controls/DialogKit.h"
#include "controls/WebLinkStatic.h"

// A link whose desktop, browsers and message box are stand-ins.
struct FakeLink {
    CWebLinkStatic label{"Ovrana home page"};
    bool desktopOpens = false;
    QList<QStringList> started;  // program, then arguments
    QMap<QString, int> results;  // per program; missing ones are not found
    QStringList messages;

    FakeLink() {
        label.SetLink("https://example.org/ovrana page");
        label.openUrl = [this](const QUrl&) { return desktopOpens; };
        label.startProcess = [this](const QString& program, const QStringList& arguments) {
            started.append(QStringList{program} + arguments);
            return results.value(program, CWebLinkStatic::kFileNotFound);
        };
        Modal::warnHook = [this](const QString& text) { messages.append(text); };
        label.show();
    }
    ~FakeLink() { Modal::warnHook = nullptr; }
    QColor Click() {
        QTest::mouseClick(&label, Qt::LeftButton);
        return label.palette().color(QPalette::WindowText);
    }
};

const QString kAddress = "https://example.org/ovrana%20page";
const QColor kNormal(0, 0, 238), kVisited(85, 26, 139);

class TestWebLinkStatic : public QObject {
    Q_OBJECT

private slots:
    void everyBrowserInOrderThenTheBox() {
        qputenv("BROWSER", "mybrowser --new-window \"%s\" --100%%:other");
        FakeLink link;
        link.Click();
        qunsetenv("BROWSER");
        QCOMPARE(link.started,
                 QList<QStringList>({{"mybrowser", "--new-window", kAddress, "--100%"},
                                     {"other", kAddress},
                                     {"x-www-browser", kAddress},
                                     {"sensible-browser", kAddress},
                                     {"xdg-open", kAddress}}));
        QCOMPARE(link.messages,
                 QStringList{"Unable to open hyperlink:\n\nThere is no application associated\n"
                             "with the given filename extension."});
    }

    void outcomesAndColours() {
        FakeLink link;
        link.desktopOpens = true;
        QCOMPARE(link.Click(), kVisited);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(&link.label, &enter);  // hover wins over visited
        QVERIFY(link.label.palette().color(QPalette::WindowText) != kVisited);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&link.label, &leave);
        QTest::mouseClick(&link.label, Qt::RightButton);
        QVERIFY(link.started.isEmpty() && link.messages.isEmpty());

        // The first browser that starts ends the search.
        link.desktopOpens = false;
        link.results["sensible-browser"] = CWebLinkStatic::kOpened;
        QCOMPARE(link.Click(), kVisited);
        QCOMPARE(link.started.size(), 2);
        QVERIFY(link.messages.isEmpty());

        // A browser that cannot run is the failure worth reporting; a failure forgets the visit.
        link.results = {{"x-www-browser", CWebLinkStatic::kAccessDenied}};
        QCOMPARE(link.Click(), kNormal);
        QCOMPARE(link.messages, QStringList{"Unable to open hyperlink:\n\nThe operating system "
                                            "denied\naccess to the specified file."});

        // Nothing a browser could take for one of its options is passed on.
        link.started.clear();
        for (const char* text : {"  ", "--kiosk", "-x.example.org", "www.example.org"}) {
            link.label.SetLink(text);
            link.Click();
        }
        QCOMPARE(link.started.value(0).value(1), QString("http://www.example.org"));
    }
};

QTEST_MAIN(TestWebLinkStatic)
#include "test_web_link_static.moc"
