// SPDX-License-Identifier: MIT
#include <QTest>

#include "controls/IconSet.h"

class TestIconSet : public QObject {
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
};

QTEST_MAIN(TestIconSet)
#include "test_icon_set.moc"
