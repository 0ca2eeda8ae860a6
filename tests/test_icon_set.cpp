// SPDX-License-Identifier: MIT
#include <QTest>

#include "controls/IconSet.h"

namespace {

QImage Picture(const QIcon& icon, qreal scale = 1.0) {
    return icon.pixmap(QSize(16, 16), scale).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool HasInk(const QImage& image) {
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    return image != blank;
}

}  // namespace

class TestIconSet : public QObject {
    Q_OBJECT

private slots:
    void iconSet() {
        for (int i = 0; i < kRecordIconCount; ++i) {
            QVERIFY2(HasInk(Picture(RecordIcon(i))), qPrintable(QString::number(i)));
            // Drawn for a high-DPI screen's device pixels, not scaled up from 16.
            const QImage sharp = Picture(RecordIcon(i), 2.0);
            QCOMPARE(sharp.size(), QSize(32, 32));
            QVERIFY(sharp != Picture(RecordIcon(i)).scaled(32, 32));
        }
        QVERIFY(RecordIcon(-1).isNull());
        QVERIFY(RecordIcon(kRecordIconCount).isNull());
        QVERIFY(HasInk(Picture(AppIcon())));
    }
};

QTEST_MAIN(TestIconSet)
#include "test_icon_set.moc"
