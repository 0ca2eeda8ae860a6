// SPDX-License-Identifier: MIT
#include "OptionsDlg.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimeEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdint>
#include <ctime>

#include "EditPersonDlg.h"
#include "ImportDlg.h"
#include "accounts/AddressBooksDlg.h"
#include "contacts/ContactRecords.h"
#include "controls/DaysBox.h"
#include "controls/DialogKit.h"
#include "controls/IconSet.h"
#include "controls/WebLinkStatic.h"
#include "formats/CalendarExport.h"
#include "formats/ContactImport.h"
#include "list/RecordTable.h"
#include "list/SortingListCtrl.h"
#include "platform/Messages.h"
#include "platform/QtServices.h"
#include "text/DisplayText.h"

namespace {

// The user guide that ships with the program, until the project has a home page.
QString GuideAddress() {
    const QString appDir = QCoreApplication::applicationDirPath();
    // Beside the program in a build tree; installed, the program is in libexec/ovrana.
    for (const QString& path : {appDir + "/guide.html", appDir + "/../share/doc/ovrana/guide.html",
                                appDir + "/../../share/doc/ovrana/guide.html"}) {
        if (QFileInfo::exists(path)) {
            return QUrl::fromLocalFile(QDir::cleanPath(path)).toString();
        }
    }
    return QStringLiteral("file:///usr/share/doc/ovrana/guide.html");
}

// The translations the windows installed.
std::string AppTranslations(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

namespace {

// The record's fields into the Edit person dialog, and the accepted form back.
void ToForm(const PersonRecord& record, CEditPersonDlg& form) {
    form.addressBook = record.origin != nullptr ? record.origin->addressBook : std::string();
    form.name = record.name;
    form.email = record.email;
    form.date = {record.year, record.month, record.day};
    form.icon = record.icon;
    form.warnDays = record.daysInAdvance;
    form.neverRemind = record.infoOnly;
    form.notABirthday = record.notABirthday;
}

void FromForm(const CEditPersonDlg& form, PersonRecord& record) {
    record.name = form.name;
    record.email = form.email;
    record.day = form.date.day;
    record.month = form.date.month;
    record.year = static_cast<int>(form.date.year);
    record.icon = form.icon;
    record.daysInAdvance = form.warnDays;
    record.infoOnly = form.neverRemind == 1 ? 1 : 0;
    record.notABirthday = form.notABirthday;
    record.skipYear = -1;  // a changed record reminds again
}

}  // namespace

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Options"));
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    filterBox = new QLineEdit(this);
    filterBox->setObjectName("filterBox");
    filterBox->setPlaceholderText(tr("Filter"));
    filterBox->setClearButtonEnabled(true);
    filterBox->setAccessibleName(tr("Filter"));  // a placeholder is no name
    filterBox->installEventFilter(this);

    list = new CSortingListCtrl(this);
    list->setObjectName("list");
    list->setAccessibleName(tr("Records"));
    list->installEventFilter(this);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setIconSize(QSize(16, 16));
    const QStringList headers = {tr("Name"), tr("Birthday"), tr("Warn"), tr("Age today"),
                                 tr("Days")};
    table = new RecordTable(headers, this);
    list->SetSourceModel(table);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    const int em = fontMetrics().averageCharWidth();
    int widths[] = {34 * em, 13 * em, 8 * em, 11 * em, 7 * em};
    for (int column = 0; column < 5; ++column) {
        // A translated heading may be longer than the English one; room for the sort arrow.
        widths[column] =
            std::max(widths[column], fontMetrics().horizontalAdvance(headers[column]) + 4 * em);
        list->setColumnWidth(column, widths[column]);
    }
    list->setMinimumWidth(widths[0] + widths[1] + widths[2] + widths[3] + widths[4] + 4 * em);
    list->setMinimumHeight(fontMetrics().height() * 20);

    checkOnceADay = new QCheckBox(tr("&Only display once a day"), this);
    checkOnceADay->setObjectName("checkOnceADay");
    checkOnTop = new QCheckBox(tr("Reminder window always on &top"), this);
    checkOnTop->setObjectName("checkOnTop");
    checkNotify = new QCheckBox(tr("&Remind me with a desktop notification"), this);
    checkNotify->setObjectName("checkNotify");
    checkDaily = new QCheckBox(tr("Also remind me each &morning while I stay logged in"), this);
    checkDaily->setObjectName("checkDaily");
    checkMissed = new QCheckBox(tr("Also tell me about &dates I missed since my last run"), this);
    checkMissed->setObjectName("checkMissed");
    // The time and its label, enabled together: only the daily run has a time.
    auto* dailyAtBox = new QWidget(this);
    editDailyAt = new QTimeEdit(dailyAtBox);
    editDailyAt->setObjectName("editDailyAt");
    editDailyAt->setDisplayFormat(QStringLiteral("HH:mm"));
    auto* dailyAtLabel = new QLabel(tr("Each morning at"), dailyAtBox);
    dailyAtLabel->setBuddy(editDailyAt);
    auto* dailyAtRow = new QHBoxLayout(dailyAtBox);
    dailyAtRow->setContentsMargins(2 * em, 0, 0, 0);  // under the switch it belongs to
    dailyAtRow->addWidget(dailyAtLabel);
    dailyAtRow->addWidget(editDailyAt);
    dailyAtRow->addStretch();
    connect(checkDaily, &QCheckBox::toggled, dailyAtBox, &QWidget::setEnabled);
    auto* options = new QGroupBox(tr(" Options "), this);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(checkOnceADay);
    optionsLayout->addWidget(checkOnTop);
    optionsLayout->addWidget(checkNotify);
    optionsLayout->addWidget(checkDaily);
    optionsLayout->addWidget(dailyAtBox);
    optionsLayout->addWidget(checkMissed);

    editDays = new DaysBox(this);
    editDays->setObjectName("editDays");
    editDays->setAccessibleName(tr("Days to look ahead"));
    comboIcon = NewIconCombo(this);
    auto* defaults = new QGroupBox(tr(" Default for new records "), this);
    auto* defaultsLayout = new QGridLayout(defaults);
    auto* look = new QLabel(tr("Look"), defaults);
    look->setBuddy(editDays);
    auto* iconLabel = new QLabel(tr("Icon:"), defaults);
    iconLabel->setBuddy(comboIcon);
    defaultsLayout->addWidget(look, 0, 0);
    defaultsLayout->addWidget(editDays, 0, 1);
    defaultsLayout->addWidget(new QLabel(tr("days ahead"), defaults), 0, 2);
    defaultsLayout->addWidget(iconLabel, 1, 0);
    defaultsLayout->addWidget(comboIcon, 1, 1, Qt::AlignLeft);
    defaultsLayout->setColumnStretch(3, 1);

    buttonNew = new QPushButton(tr("&New ..."), this);
    buttonNew->setObjectName("buttonNew");
    buttonNew->setAutoDefault(false);
    buttonImport = new QPushButton(tr("&Import..."), this);
    buttonImport->setObjectName("buttonImport");
    buttonImport->setAutoDefault(false);
    buttonExport = new QPushButton(tr("&Export..."), this);
    buttonExport->setObjectName("buttonExport");
    buttonExport->setAutoDefault(false);
    buttonAddressBooks = new QPushButton(tr("&Address books..."), this);
    buttonAddressBooks->setObjectName("buttonAddressBooks");
    buttonAddressBooks->setAutoDefault(false);
    auto* about = new QLabel(
        tr("Ovrana %1, by the Ovrana developers").arg(QStringLiteral(OVRANA_VERSION)), this);
    about->setObjectName("about");
    link = new CWebLinkStatic(tr("Ovrana user guide"), this);
    link->setObjectName("link");
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::AcceptRole);
    close->setObjectName("closeButton");
    close->setDefault(true);

    auto* side = new QVBoxLayout;
    side->addWidget(options);
    side->addWidget(defaults);
    auto* newRow = new QHBoxLayout;
    newRow->addWidget(buttonNew);
    newRow->addWidget(buttonImport);
    newRow->addWidget(buttonExport);
    newRow->addStretch();
    side->addLayout(newRow);
    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(buttonAddressBooks);
    addressRow->addStretch();
    side->addLayout(addressRow);
    side->addStretch();
    side->addWidget(about);
    side->addWidget(link);
    side->addSpacing(em);
    side->addWidget(buttons);
    // Hidden unless this run cannot save: then it is the first thing the user sees.
    auto* noticeFrame = new QFrame(this);
    noticeFrame->setObjectName("notice");
    noticeFrame->setFrameShape(QFrame::StyledPanel);
    noticeBox = noticeFrame;
    auto* noticeIcon = new QLabel(noticeBox);
    noticeIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    noticeText = new QLabel(noticeBox);
    noticeText->setObjectName("noticeText");
    noticeText->setTextFormat(Qt::PlainText);
    noticeText->setWordWrap(true);
    auto* noticeLayout = new QHBoxLayout(noticeBox);
    noticeLayout->addWidget(noticeIcon, 0, Qt::AlignTop);
    noticeLayout->addWidget(noticeText, 1);
    noticeBox->hide();

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(filterBox);
    listColumn->addWidget(list, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(listColumn, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noticeBox);
    layout->addLayout(body, 1);

    setTabOrder(filterBox, list);
    setTabOrder(list, checkOnceADay);
    setTabOrder(checkOnceADay, checkOnTop);
    setTabOrder(checkOnTop, checkNotify);
    setTabOrder(checkNotify, checkDaily);
    setTabOrder(checkDaily, editDailyAt);
    setTabOrder(editDailyAt, checkMissed);
    setTabOrder(checkMissed, editDays);
    setTabOrder(editDays, comboIcon);
    setTabOrder(comboIcon, buttonNew);
    setTabOrder(buttonNew, buttonImport);
    setTabOrder(buttonImport, buttonExport);
    setTabOrder(buttonExport, buttonAddressBooks);
    setTabOrder(buttonAddressBooks, link);
    setTabOrder(link, close);

    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDlg::accept);
    connect(buttonNew, &QPushButton::clicked, this, &COptionsDlg::OnNewRecord);
    connect(buttonImport, &QPushButton::clicked, this, &COptionsDlg::OnImport);
    connect(buttonExport, &QPushButton::clicked, this, &COptionsDlg::OnExport);
    connect(buttonAddressBooks, &QPushButton::clicked, this, &COptionsDlg::OnAddressBooks);
    connect(this, &COptionsDlg::AddressBooksSynced, this, &COptionsDlg::ReloadContacts);
    connect(filterBox, &QLineEdit::textChanged, this, &COptionsDlg::ApplyFilter);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        filterBox->setFocus(Qt::ShortcutFocusReason);
        filterBox->selectAll();
    });
    connect(list, &QAbstractItemView::doubleClicked, this, &COptionsDlg::OnDblclkList);
    auto* create = new QShortcut(QKeySequence::New, this);
    connect(create, &QShortcut::activated, this, &COptionsDlg::OnNewRecord);
    connect(list, &QWidget::customContextMenuRequested, this, &COptionsDlg::OnRclickList);
    // Delete removes the selected record, but never while a text box takes the key.
    auto* del = new QShortcut(QKeySequence::Delete, this);
    connect(del, &QShortcut::activated, this, [this] {
        if (SelectedRow() >= 0) {
            DeleteRecord(SelectedRow());
        }
    });
}

void COptionsDlg::OnInitDialog() {
    link->SetLink(GuideAddress());
    link->SetUnderlined(true);
    changed = false;
    today = clock();
    rowFormat = std::make_shared<const RowFormat>(RowFormat{settings->dateFormat, today});
    FillList();
    list->SetColumnTypes({LSORT_TEXT, LSORT_DAYMONTH, LSORT_INTEGER, LSORT_INTEGER, LSORT_INTEGER});
    list->EnableSort(true);
    checkOnceADay->setChecked(settings->onceADay);
    checkOnTop->setChecked(settings->alwaysOnTop);
    checkNotify->setChecked(settings->notify);
    checkDaily->setChecked(settings->daily);
    checkMissed->setChecked(settings->missed);
    editDailyAt->setTime(QTime(settings->dailyAt / 60, settings->dailyAt % 60));
    editDailyAt->parentWidget()->setEnabled(settings->daily);
    ShowIcon(*comboIcon, settings->defaultIcon);
    editDays->SetValue(settings->defaultDays);
    noticeText->setText(notice);
    noticeBox->setVisible(!notice.isEmpty());
    list->setFocus();
    // The address books brought up to date while the user looks, when there are any.
    if (!CopyFiles(addressBookFolder).empty()) {
        WhenAddressBooksDone(
            QFuture<void>(SyncAddressBooks(addressBookFolder, settings->passwordCommand)));
    }
}

void COptionsDlg::WhenAddressBooksDone(QFuture<void> job) {
    addressBookJob = job;
    auto* watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        watcher->deleteLater();
        emit AddressBooksSynced();
    });
    watcher->setFuture(job);
}

void COptionsDlg::ReloadContacts() {
    if (!reloadContacts) {
        return;
    }
    // An Edit dialog or a menu may hold a row that goes: wait until it is closed.
    if (QApplication::activeModalWidget() != this || QApplication::activePopupWidget() != nullptr) {
        QTimer::singleShot(250, this, &COptionsDlg::ReloadContacts);
        return;
    }
    const int selected = SelectedRow();
    const PersonRecord* kept = selected >= 0 ? RecordAt(selected) : nullptr;
    if (kept != nullptr && kept->origin != nullptr) {
        kept = nullptr;  // replaced by the reload
    }
    if (!reloadContacts()) {
        return;  // a choice could not be kept: the rows stay as they are, the save says why
    }
    for (const auto& record : *records) {
        if (record->origin != nullptr) {
            UpdateRecord(*record, today);
        }
    }
    FillList();
    for (int i = 0; kept != nullptr && i < list->model()->rowCount(); ++i) {
        if (RecordAt(i) == kept) {
            SelectRow(i);
        }
    }
}

void COptionsDlg::OnAddressBooks() {
    CAddressBooksDlg dialog(addressBookFolder, settings->passwordCommand, addressBookJob, this);
    dialog.publishing = MakePublishSource(dataPath, addressBookFolder, *settings, AppTranslations);
    dialog.exec();
    // Books added or removed; a sync still under way reports when it ends.
    WhenAddressBooksDone(dialog.Pending());
}

int COptionsDlg::exec() {
    OnInitDialog();
    return QDialog::exec();
}

void COptionsDlg::accept() {
    settings->alwaysOnTop = checkOnTop->isChecked();
    settings->onceADay = checkOnceADay->isChecked();
    settings->notify = checkNotify->isChecked();
    settings->daily = checkDaily->isChecked();
    settings->missed = checkMissed->isChecked();
    const QTime dailyAt = editDailyAt->time();
    settings->dailyAt = dailyAt.hour() * 60 + dailyAt.minute();
    settings->defaultDays = editDays->Value();
    settings->defaultIcon = comboIcon->currentIndex();
    QDialog::accept();
}

void COptionsDlg::FillList() {
    std::vector<PersonRecord*> byList;
    std::string tails;
    std::vector<NameEntry> entries;
    std::vector<std::unique_ptr<const std::string>> folded;
    byList.reserve(records->size());
    entries.reserve(records->size());
    folded.reserve(records->size());
    for (auto& record : *records) {
        const std::string key = list->NameKey(record->name);
        NameEntry entry;
        unsigned char head[NameEntry::kHead] = {};
        key.copy(reinterpret_cast<char*>(head), NameEntry::kHead);
        for (std::size_t i = 0; i < NameEntry::kHead; ++i) {
            entry.head[i / 8] = entry.head[i / 8] << 8 | head[i];
        }
        entry.offset = static_cast<std::uint32_t>(tails.size());
        entry.size = static_cast<std::uint32_t>(key.size());
        entry.index = static_cast<std::uint32_t>(entries.size());
        entries.push_back(entry);
        byList.push_back(record.get());
        if (key.size() > NameEntry::kHead) {
            tails.append(key, NameEntry::kHead);
        }
        // The filter's folded name is where the name key begins.
        folded.push_back(KeptMatchText(
            *record, [&] { return std::string_view(key).substr(0, key.find('\0')); }));
    }
    SortNameEntries(entries, tails);
    tails = {};
    // The entries, four times the size of a plain order, go before the rows are made.
    std::vector<std::uint32_t> order(entries.size());
    std::transform(entries.begin(), entries.end(), order.begin(),
                   [](const NameEntry& entry) { return entry.index; });
    entries = {};
    std::vector<PersonRecord*> rows(order.size());
    std::vector<std::unique_ptr<const std::string>> rowsFolded(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        rows[i] = byList[order[i]];
        rowsFolded[i] = std::move(folded[order[i]]);
    }
    order = {};
    byList = {};
    folded = decltype(folded)();
    table->Fill(std::move(rows), std::move(rowsFolded), rowFormat);
}

void COptionsDlg::ApplyFilter() {
    filterText = FoldAccentsAndCase(filterBox->text().toStdString());
    list->FilterRows([this](int row) { return table->Matches(row, filterText); });
}

void COptionsDlg::RevealRecord(const PersonRecord& record) {
    if (MatchText(record).find(filterText) == std::string::npos) {
        filterBox->clear();
    }
}

bool COptionsDlg::eventFilter(QObject* watched, QEvent* event) {
    // Return or F2 on a row edits it, as a double click does, rather than closing the dialog.
    if (watched == list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) &&
            SelectedRow() >= 0) {
            EditRecord(SelectedRow());
            return true;
        }
    }
    if (watched == filterBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Escape empties the box rather than closing the dialog; an empty box lets it close.
        if (key == Qt::Key_Escape && !filterBox->text().isEmpty()) {
            filterBox->clear();
            return true;
        }
        // Enter goes on to the rows found rather than closing the dialog.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            list->setFocus(Qt::OtherFocusReason);
            SelectShownNear(0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

PersonRecord* COptionsDlg::RecordAt(int row) const {
    return table->Record(list->SourceRow(row));
}

int COptionsDlg::SelectedRow() const {
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void COptionsDlg::SelectRow(int row) {
    const QModelIndex index = list->model()->index(row, 0);
    if (!index.isValid()) {
        return;
    }
    list->setCurrentIndex(index);
    list->scrollTo(index, QAbstractItemView::EnsureVisible);
}

void COptionsDlg::SelectShownNear(int row) {
    // The list holds only the rows the filter shows.
    const int count = list->model()->rowCount();
    if (count > 0) {
        SelectRow(std::clamp(row, 0, count - 1));
    }
}

void COptionsDlg::OnNewRecord() {
    const CivilDate now = LocalDate(std::time(nullptr));
    auto record = std::make_unique<PersonRecord>();
    record->day = now.day;
    record->month = now.month;
    record->year = static_cast<int>(now.year);
    record->icon = comboIcon->currentIndex();
    record->daysInAdvance = editDays->Value();
    CEditPersonDlg dialog(this);
    ToForm(*record, dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    FromForm(dialog, *record);
    UpdateRecord(*record, today);
    RevealRecord(*record);
    records->push_back(std::move(record));
    changed = true;
    FillList();
}

void COptionsDlg::EditRecord(int row) {
    PersonRecord* record = RecordAt(row);
    if (record == nullptr) {
        return;
    }
    CEditPersonDlg dialog(this);
    ToForm(*record, dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::string oldName = record->name;
    FromForm(dialog, *record);
    changed = true;
    UpdateRecord(*record, today);
    const int from = list->SourceRow(row);
    if (record->name == oldName) {
        table->Refresh(from);
        RevealRecord(*record);
        return;
    }
    // The list goes back to name order, as after a refill; the other rows keep theirs.
    table->Move(from, NamePlace(*record, from));
    RevealRecord(*record);
    for (int i = 0; i < list->model()->rowCount(); ++i) {
        if (RecordAt(i) == record) {
            SelectRow(i);
            break;
        }
    }
}

void COptionsDlg::DeleteRecord(int row) {
    PersonRecord* record = RecordAt(row);
    if (record == nullptr || record->origin != nullptr) {
        return;  // the address book's: the next sync would bring it back
    }
    table->Remove(list->SourceRow(row));
    RemoveRecord(*records, record);
    changed = true;
    SelectShownNear(row);
}

int COptionsDlg::NamePlace(const PersonRecord& record, int from) const {
    // Records with equal keys go in the order of the records, as FillList keeps them.
    const auto position = [this](const PersonRecord* wanted) {
        return std::distance(records->begin(),
                             std::find_if(records->begin(), records->end(),
                                          [&](const auto& r) { return r.get() == wanted; }));
    };
    const std::string key = list->NameKey(record.name);
    const auto mine = position(&record);
    int low = 0;
    int high = table->rowCount() - 1;  // the rows without `from`
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const PersonRecord* other = table->Record(middle < from ? middle : middle + 1);
        const int order = key.compare(list->NameKey(other->name));
        if (order < 0 || (order == 0 && mine < position(other))) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

void COptionsDlg::OnDblclkList() {
    const int row = SelectedRow();
    if (row >= 0) {
        EditRecord(row);
    }
}

void COptionsDlg::OnRclickList() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    QMenu menu(this);
    menu.addAction(tr("New"))->setData(ID_NEW);
    menu.addAction(tr("Edit"))->setData(ID_EDIT);
    QAction* del = menu.addAction(tr("Delete"));
    del->setData(ID_DELETE);
    if (const PersonRecord* record = RecordAt(row); record && record->origin != nullptr) {
        del->setEnabled(false);
        del->setToolTip(tr("It comes from the address book %1; it is deleted there.")
                            .arg(FromBytes(record->origin->addressBook)));
        menu.setToolTipsVisible(true);
    }
    switch (Modal::Menu(menu)) {
        case ID_EDIT:
            EditRecord(row);
            break;
        case ID_DELETE:
            DeleteRecord(row);
            break;
        case ID_NEW:
            OnNewRecord();
            break;
        default:
            break;
    }
}

void COptionsDlg::OnExport() {
    const QString chosen =
        Modal::File(this, true, tr("Export calendar"), QDir::home().filePath("ovrana.ics"),
                    tr("iCalendar files (*.ics)"));
    if (chosen.isEmpty()) {
        return;
    }
    // Absolute, so that a file named "-" is never taken for standard output.
    const QString path = QFileInfo(chosen).absoluteFilePath();
    // Noon of the dialog's day: the calendar's year and time stamp.
    const CivilDate day = ToCivil(clock());
    std::tm noon{};
    noon.tm_year = static_cast<int>(day.year - 1900);
    noon.tm_mon = day.month - 1;
    noon.tm_mday = day.day;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const Problem problem =
        ExportRecords(*records, dataPath, QFile::encodeName(path).toStdString(), std::mktime(&noon),
                      TranslatedCalendarTexts(AppTranslations));
    QString own;
    switch (problem.own) {
        case OwnFile::Data:
            own = tr("%1 is the file that holds your records.");
            break;
        case OwnFile::Backup:
            own = tr("%1 is the backup of your records.");
            break;
        case OwnFile::Lock:
            own = tr("%1 is the lock file of your records.");
            break;
        case OwnFile::None:
            break;
    }
    if (!own.isEmpty()) {
        Modal::Warn(this,
                    own.arg(path) + "\n\n" + tr("Nothing was exported. Choose another file name."));
    } else if (problem.Failed()) {
        Modal::Warn(this, tr("Nothing was exported.") + "\n\n" +
                              FromBytes(ProblemText(problem, InstalledTranslation)));
    }
}

void COptionsDlg::OnImport() {
    const QString path = Modal::File(this, false, tr("Import contacts"), QDir::homePath(),
                                     tr("vCard files (*.vcf *.vcard)"));
    if (path.isEmpty()) {
        return;
    }
    const VCardParse parse = ReadVCardFile(QFile::encodeName(path).toStdString());
    // The defaults as they stand, as New takes them.
    ImportPlan plan = PlanImport(parse.contacts, *records,
                                 ImportDefaults{comboIcon->currentIndex(), editDays->Value(),
                                                TranslatedAnniversaryName(AppTranslations)});
    if (const Problem& problem = parse.problem.Failed() ? parse.problem : plan.problem;
        problem.Failed()) {
        Modal::Warn(this, tr("No contacts were imported.") + "\n\n" +
                              FromBytes(ProblemText(problem, InstalledTranslation)));
        return;
    }
    CImportDlg preview(plan, settings->dateFormat, this);
    if (preview.exec() != QDialog::Accepted) {
        return;
    }
    const std::vector<bool> chosen = preview.Chosen();
    for (std::size_t i = 0; i < plan.records.size(); ++i) {
        if (chosen[i]) {
            auto record = std::make_unique<PersonRecord>(std::move(plan.records[i]));
            UpdateRecord(*record, today);
            records->push_back(std::move(record));
            changed = true;
        }
    }
    FillList();
}
