// SPDX-License-Identifier: MIT
#include "IconSet.h"

#include <QCoreApplication>
#include <QString>
#include <array>

// The pictures are compiled into a static library; without a reference the linker would leave
// them out of the program. Q_INIT_RESOURCE has to be used outside any namespace.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace {

struct IconSet {
    std::array<QIcon, kRecordIconCount> records;
    QIcon app;
};

IconSet* loaded = nullptr;

// Loaded on first use and dropped with the application, while the SVG icon engine's plugin is
// certainly still there. The SVG engine draws each size on demand, so pictures stay sharp at
// any screen scale.
const IconSet& Icons() {
    if (loaded == nullptr) {
        InitIconResources();
        loaded = new IconSet;
        for (int i = 0; i < kRecordIconCount; ++i) {
            loaded->records[static_cast<std::size_t>(i)] =
                QIcon(QStringLiteral(":/icons/record-%1.svg").arg(i, 2, 10, QLatin1Char('0')));
        }
        loaded->app = QIcon(QStringLiteral(":/icons/ovrana.svg"));
        qAddPostRoutine([] {
            delete loaded;
            loaded = nullptr;
        });
    }
    return *loaded;
}

}  // namespace

QIcon RecordIcon(int index) {
    if (index < 0 || index >= kRecordIconCount) {
        return {};
    }
    return Icons().records[static_cast<std::size_t>(index)];
}

QString RecordIconName(int index) {
    // What each picture shows, as a person would call it.
    static const char* const names[kRecordIconCount] = {
        QT_TRANSLATE_NOOP("IconSet", "Question mark"),
        QT_TRANSLATE_NOOP("IconSet", "Information"),
        QT_TRANSLATE_NOOP("IconSet", "Cake"),
        QT_TRANSLATE_NOOP("IconSet", "Parcel"),
        QT_TRANSLATE_NOOP("IconSet", "Balloons"),
        QT_TRANSLATE_NOOP("IconSet", "Notepad"),
        QT_TRANSLATE_NOOP("IconSet", "Eight ball"),
        QT_TRANSLATE_NOOP("IconSet", "Star"),
        QT_TRANSLATE_NOOP("IconSet", "Exclamation mark"),
        QT_TRANSLATE_NOOP("IconSet", "Penguin"),
        QT_TRANSLATE_NOOP("IconSet", "Person"),
        QT_TRANSLATE_NOOP("IconSet", "Pin"),
        QT_TRANSLATE_NOOP("IconSet", "Present"),
        QT_TRANSLATE_NOOP("IconSet", "Star on stripes"),
        QT_TRANSLATE_NOOP("IconSet", "Heart"),
        QT_TRANSLATE_NOOP("IconSet", "Trophy"),
        QT_TRANSLATE_NOOP("IconSet", "Warning sign")};
    if (index < 0 || index >= kRecordIconCount) {
        return {};
    }
    return QCoreApplication::translate("IconSet", names[index]);
}

QIcon AppIcon() {
    return Icons().app;
}
