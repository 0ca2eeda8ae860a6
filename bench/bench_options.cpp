// SPDX-License-Identifier: MIT
// The Options dialog over a long list, as the user meets it: opening until the list is filled
// and drawn, one header click on each column, a key typed into the filter box, a second one and
// Escape, and an edit that renames a record, which puts the list back in name order. Run under
// QT_QPA_PLATFORM=offscreen; prints the median of each step in ms. Usage: ovrana-bench-options
// <ovras.ini> <runs>, or <ovras.ini> first: only the first opening in the process and the
// processor time of OnInitDialog, which fills the list, in ms (for a display such as Xvfb).
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <vector>

#include "controls/DialogKit.h"
#include "list/SortingListCtrl.h"
#include "manage/EditPersonDlg.h"
#include "manage/OptionsDlg.h"
#include "records/DataFile.h"

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Lets the dialog paint what changed.
void Settle() {
    QApplication::processEvents();
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <ovras.ini> <runs>|first\n", argv[0]);
        return 2;
    }
    const bool firstOnly = std::strcmp(argv[2], "first") == 0;
    const int runs = firstOnly ? 1 : std::max(1, std::atoi(argv[2]));
    RecordList records;
    if (LoadRecords(argv[1], records) != LoadStatus::Loaded) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    AppSettings settings;
    settings.dateFormat = "%d/%m/%y";
    settings.defaultDays = 14;
    settings.today = MakeToday();
    UpdateAllRecords(records, settings.today);

    const char* const steps[] = {"open",           "sort Name", "sort Birthday", "sort Warn",
                                 "sort Age today", "sort Days", "filter k",      "filter ka",
                                 "filter Escape",  "edit"};
    std::map<std::string, std::vector<double>> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        COptionsDlg dialog;
        dialog.records = &records;
        dialog.settings = &settings;
        timespec fillStart{}, fillEnd{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &fillStart);
        dialog.OnInitDialog();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &fillEnd);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) {
            return 1;
        }
        Settle();
        times["open"].push_back(timer.nsecsElapsed() / 1e6);
        if (firstOnly) {
            std::printf("first opening %.1f, filling %.1f\n", times["open"].front(),
                        double(fillEnd.tv_sec - fillStart.tv_sec) * 1e3 +
                            double(fillEnd.tv_nsec - fillStart.tv_nsec) / 1e6);
            return 0;
        }

        auto* list = dialog.findChild<QTableView*>("list");
        QHeaderView* header = list->horizontalHeader();
        for (int column = 0; column < 5; ++column) {
            const QPoint middle(
                header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                header->height() / 2);
            timer.restart();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
            Settle();
            times[steps[1 + column]].push_back(timer.nsecsElapsed() / 1e6);
        }

        // Each key hides or shows rows up to the whole list; "k" leaves about one row in six.
        auto* filter = dialog.findChild<QLineEdit*>("filterBox");
        const std::pair<Qt::Key, const char*> keys[] = {
            {Qt::Key_K, "filter k"}, {Qt::Key_A, "filter ka"}, {Qt::Key_Escape, "filter Escape"}};
        for (const auto& [key, step] : keys) {
            timer.restart();
            QTest::keyClick(filter, key);
            Settle();
            times[step].push_back(timer.nsecsElapsed() / 1e6);
        }

        // A new name puts the record elsewhere in name order, and the list back in that order.
        Modal::runHook = [run](QDialog& editor) {
            static_cast<CEditPersonDlg&>(editor).name = "Renamed " + std::to_string(run);
            return int(QDialog::Accepted);
        };
        list->setCurrentIndex(list->model()->index(0, 0));
        timer.restart();
        emit list->doubleClicked(list->currentIndex());
        Settle();
        times["edit"].push_back(timer.nsecsElapsed() / 1e6);
        dialog.changed = false;
    }
    std::printf("%zu records, %d runs; median ms (first run)\n", records.size(), runs);
    for (const char* step : steps) {
        std::printf("%-15s %8.1f (%.1f)\n", step, Median(times[step]), times[step].front());
    }
    return 0;
}
