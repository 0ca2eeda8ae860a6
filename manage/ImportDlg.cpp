// SPDX-License-Identifier: MIT
#include "ImportDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/DialogKit.h"
#include "controls/IconSet.h"
#include "platform/Messages.h"
#include "platform/QtServices.h"
#include "records/Dates.h"

namespace {

QString DateText(const PersonRecord& record, const std::string& dateFormat) {
    if (record.year == 0) {
        // The list's pattern would show a year the contact does not have.
        return DayAndMonth(record.month, record.day);
    }
    // A year of birth in two digits could be either century.
    std::string pattern = dateFormat;
    for (std::size_t at = 0; (at = pattern.find('%', at)) != std::string::npos; at += 2) {
        if (at + 1 < pattern.size() && pattern[at + 1] == 'y') {
            pattern[at + 1] = 'Y';
        }
    }
    return QString::fromStdString(
        FormatDate(MakeDay(record.year, record.month, record.day), pattern));
}

QTreeWidget* NewList(QWidget* parent, const char* name, const QStringList& headers) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setHeaderLabels(headers);
    return list;
}

}  // namespace

CImportDlg::CImportDlg(const ImportPlan& plan, const std::string& dateFormat, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Import contacts"));
    const int em = fontMetrics().averageCharWidth();

    rows = NewList(this, "importRows", {tr("Name"), tr("Date"), tr("E-mail")});
    rows->setIconSize(QSize(16, 16));
    QList<QTreeWidgetItem*> items;
    for (const PersonRecord& record : plan.records) {
        auto* item = new QTreeWidgetItem(
            {FromBytes(record.name), DateText(record, dateFormat), FromBytes(record.email)});
        item->setIcon(0, RecordIcon(record.icon));
        item->setCheckState(0, Qt::Checked);
        items.append(item);
    }
    rows->addTopLevelItems(items);
    const int widths[] = {34 * em, 14 * em, 30 * em};
    for (int column = 0; column < 3; ++column) {
        rows->setColumnWidth(column, widths[column]);
    }
    rows->setMinimumSize(widths[0] + widths[1] + widths[2] + 4 * em, fontMetrics().height() * 12);

    auto* skipped = NewList(this, "skippedRows", {tr("Name"), tr("Why")});
    for (const SkippedContact& contact : plan.skipped) {
        const QString name = contact.name.empty() ? tr("(the contact on line %1)").arg(contact.line)
                                                  : FromBytes(contact.name);
        skipped->addTopLevelItem(
            new QTreeWidgetItem({name, FromBytes(SkipReasonText(contact, InstalledTranslation))}));
    }
    skipped->setColumnWidth(0, widths[0]);
    skipped->setMinimumHeight(fontMetrics().height() * 6);
    auto* skippedLabel = new QLabel(tr("Left out:"), this);
    skippedLabel->setBuddy(skipped);
    skipped->setAccessibleName(skippedLabel->text());  // a list takes no name from its label
    skipped->setVisible(!plan.skipped.empty());
    skippedLabel->setVisible(!plan.skipped.empty());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");

    auto* rowsLabel = new QLabel(tr("New records:"), this);
    rowsLabel->setBuddy(rows);
    rows->setAccessibleName(rowsLabel->text());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rowsLabel);
    layout->addWidget(rows, 3);
    layout->addWidget(skippedLabel);
    layout->addWidget(skipped, 1);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CImportDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CImportDlg::reject);
    connect(rows, &QTreeWidget::itemChanged, this, &CImportDlg::UpdateOk);
    UpdateOk();
}

std::vector<bool> CImportDlg::Chosen() const {
    std::vector<bool> chosen;
    chosen.reserve(static_cast<std::size_t>(rows->topLevelItemCount()));
    for (int i = 0; i < rows->topLevelItemCount(); ++i) {
        chosen.push_back(rows->topLevelItem(i)->checkState(0) == Qt::Checked);
    }
    return chosen;
}

int CImportDlg::exec() {
    return Modal::Run(*this);
}

void CImportDlg::UpdateOk() {
    const std::vector<bool> chosen = Chosen();
    const auto count = std::count(chosen.begin(), chosen.end(), true);
    ok->setText(count == 1 ? tr("Import 1 record")
                           : tr("Import %n records", nullptr, static_cast<int>(count)));
    ok->setEnabled(count > 0);
}
