// SPDX-License-Identifier: MIT
#include "OptionsDlg.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include "EditPersonDlg.h"
#include "controls/IconSet.h"
#include "controls/SortingListCtrl.h"
#include "controls/WebLinkStatic.h"
#include "model/Numbers.h"
#include "platform/QtServices.h"

// A digits-only box whose arrows run from 1 to 365, while a typed number stays as typed and
// an empty box is allowed.
class DaysBox : public QAbstractSpinBox {
public:
    explicit DaysBox(QWidget* parent) : QAbstractSpinBox(parent) {
        lineEdit()->setValidator(
            new QRegularExpressionValidator(QRegularExpression("[0-9]{0,9}"), this));
        setAccelerated(true);
    }
    int Value() const { return ParseInt(text().toStdString()); }
    void SetValue(int value) { lineEdit()->setText(QString::number(value)); }
    void stepBy(int steps) override { SetValue(std::clamp(Value() + steps, kMin, kMax)); }
    QSize sizeHint() const override {
        QSize size = QAbstractSpinBox::sizeHint();
        size.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 36);
        return size;
    }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (Value() < kMax) {
            enabled |= StepUpEnabled;
        }
        if (Value() > kMin) {
            enabled |= StepDownEnabled;
        }
        return enabled;
    }

private:
    static constexpr int kMin = 1;
    static constexpr int kMax = 365;
};

namespace {

enum Column { kName, kBirthday, kWarn, kAgeToday, kDays };

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

// A row of the list. It keeps only its record's address and works the texts out when the view
// asks for them, so a list of 100,000 records costs little more than the records themselves;
// the view asks only for the rows on screen, a sort for one column of every row.
class RecordRow : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;

    RecordRow(const COptionsDlg& dialog, PersonRecord* record)
        : QTreeWidgetItem(kType), dialog_(dialog), record_(record) {}

    // Shows `record` from now on, and has the view draw the row again.
    void SetRecord(PersonRecord* record) {
        record_ = record;
        emitDataChanged();
    }

    QVariant data(int column, int role) const override {
        if (role == Qt::DisplayRole || role == Qt::EditRole) {
            return Text(column);
        }
        if (column == kName && role == Qt::DecorationRole) {
            return RecordIcon(record_->icon);
        }
        if (column == kName && role == Qt::UserRole) {
            return QVariant::fromValue(reinterpret_cast<quintptr>(record_));
        }
        return QTreeWidgetItem::data(column, role);
    }

private:
    QVariant Text(int column) const {
        const PersonRecord& record = *record_;
        const bool dated = record.day != 0 && record.month != 0 && record.year != 0;
        switch (column) {
            case kName:
                return FromBytes(record.name);
            case kBirthday:
                return QString::fromStdString(
                    FormatDate(MakeDay(record.nextYear, record.month, record.day),
                               dialog_.settings->dateFormat));
            case kWarn:
                return QString::number(record.daysInAdvance);
            case kAgeToday:
                return dated ? QString::number(AgeToday(record, dialog_.today))
                             : QStringLiteral("-");
            case kDays:
                return dated ? QString::number(record.daysUntil) : QStringLiteral("-");
            default:
                return {};
        }
    }

    const COptionsDlg& dialog_;
    PersonRecord* record_;
};

}  // namespace

COptionsDlg::COptionsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Options"));
    setWindowIcon(AppIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    list = new CSortingListCtrl(this);
    list->setObjectName("list");
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setIconSize(QSize(16, 16));
    list->setHeaderLabels({tr("Name"), tr("Birthday"), tr("Warn"), tr("Age today"), tr("Days")});
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    const int em = fontMetrics().averageCharWidth();
    const int widths[] = {34 * em, 13 * em, 8 * em, 11 * em, 7 * em};
    for (int column = 0; column < 5; ++column) {
        list->setColumnWidth(column, widths[column]);
    }
    list->setMinimumWidth(widths[0] + widths[1] + widths[2] + widths[3] + widths[4] + 4 * em);
    list->setMinimumHeight(fontMetrics().height() * 20);

    checkOnceADay = new QCheckBox(tr("Only display once a day"), this);
    checkOnceADay->setObjectName("checkOnceADay");
    checkOnTop = new QCheckBox(tr("Reminder window always on top"), this);
    checkOnTop->setObjectName("checkOnTop");
    checkNotify = new QCheckBox(tr("Remind me with a desktop notification"), this);
    checkNotify->setObjectName("checkNotify");
    checkDaily = new QCheckBox(tr("Also remind me each morning while I stay logged in"), this);
    checkDaily->setObjectName("checkDaily");
    auto* options = new QGroupBox(tr("Options"), this);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(checkOnceADay);
    optionsLayout->addWidget(checkOnTop);
    optionsLayout->addWidget(checkNotify);
    optionsLayout->addWidget(checkDaily);

    editDays = new DaysBox(this);
    editDays->setObjectName("editDays");
    comboIcon = new QComboBox(this);
    comboIcon->setObjectName("comboIcon");
    comboIcon->setIconSize(QSize(16, 16));
    for (int i = 0; i < kRecordIconCount; ++i) {
        comboIcon->addItem(RecordIcon(i), QString());
    }
    auto* defaults = new QGroupBox(tr("Default for new records"), this);
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

    buttonNew = new QPushButton(tr("New ..."), this);
    buttonNew->setObjectName("buttonNew");
    buttonNew->setAutoDefault(false);
    auto* about = new QLabel(
        tr("Ovrana %1, by the Ovrana developers").arg(QStringLiteral(OVRANA_VERSION)), this);
    about->setObjectName("about");
    link = new CWebLinkStatic(tr("Ovrana user guide"), this);
    link->setObjectName("link");
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::AcceptRole);
    close->setObjectName("closeButton");
    close->setDefault(true);

    auto* side = new QVBoxLayout;
    side->addWidget(options);
    side->addWidget(defaults);
    auto* newRow = new QHBoxLayout;
    newRow->addWidget(buttonNew);
    newRow->addStretch();
    side->addLayout(newRow);
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

    auto* body = new QHBoxLayout;
    body->addWidget(list, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noticeBox);
    layout->addLayout(body, 1);

    setTabOrder(list, checkOnceADay);
    setTabOrder(checkOnceADay, checkOnTop);
    setTabOrder(checkOnTop, checkNotify);
    setTabOrder(checkNotify, checkDaily);
    setTabOrder(checkDaily, editDays);
    setTabOrder(editDays, comboIcon);
    setTabOrder(comboIcon, buttonNew);
    setTabOrder(buttonNew, close);

    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDlg::accept);
    connect(buttonNew, &QPushButton::clicked, this, &COptionsDlg::OnNewRecord);
    connect(list, &QTreeWidget::itemDoubleClicked, this, &COptionsDlg::OnDblclkList);
    connect(list, &QWidget::customContextMenuRequested, this, &COptionsDlg::OnRclickList);
    // Delete removes the selected record, but never while a text box takes the key.
    auto* del = new QShortcut(QKeySequence::Delete, this);
    connect(del, &QShortcut::activated, this, [this] {
        if (SelectedRow() >= 0) {
            DeleteRecord(SelectedRow());
        }
    });

    execMenu = [](QMenu& menu) {
        QAction* chosen = menu.exec(QCursor::pos());
        return chosen != nullptr ? chosen->data().toInt() : 0;
    };
    execEditor = [](CEditPersonDlg& dialog) { return dialog.exec(); };
}

// The rows read the dialog's members whenever the view asks; they go while those are still
// there, not when the base class hides a visible dialog and only then drops its children.
COptionsDlg::~COptionsDlg() {
    list->clear();
}

void COptionsDlg::OnInitDialog() {
    link->SetLink(GuideAddress());
    link->SetUnderlined(true);
    changed = false;
    today = clock();
    list->SetDatePattern(settings->dateFormat);
    FillList();
    list->SetColumnTypes({LSORT_TEXT, LSORT_DAYMONTH, LSORT_INTEGER, LSORT_INTEGER, LSORT_INTEGER});
    list->EnableSort(true);
    checkOnceADay->setChecked(settings->onceADay);
    checkOnTop->setChecked(settings->alwaysOnTop);
    checkNotify->setChecked(settings->notify);
    checkDaily->setChecked(settings->daily);
    const int icon = settings->defaultIcon;
    comboIcon->setCurrentIndex(icon >= 0 && icon < kRecordIconCount ? icon : -1);
    editDays->SetValue(settings->defaultDays);
    noticeText->setText(notice);
    noticeBox->setVisible(!notice.isEmpty());
    list->setFocus();
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
    settings->defaultDays = editDays->Value();
    settings->defaultIcon = comboIcon->currentIndex();
    QDialog::accept();
}

void COptionsDlg::FillList() {
    list->setUpdatesEnabled(false);
    list->clear();
    std::vector<PersonRecord*> byList;
    std::vector<std::string> names;
    byList.reserve(records->size());
    names.reserve(records->size());
    for (auto& record : *records) {
        byList.push_back(record.get());
        names.push_back(record->name);
    }
    QList<QTreeWidgetItem*> rows;
    rows.reserve(qsizetype(byList.size()));
    for (std::size_t index : list->NameOrder(names)) {
        rows.append(new RecordRow(*this, byList[index]));
    }
    list->addTopLevelItems(rows);
    list->setUpdatesEnabled(true);
}

void COptionsDlg::FillRow(QTreeWidgetItem* row, PersonRecord* record) {
    // Every row of the list is a RecordRow: FillList makes them all.
    if (row != nullptr && row->type() == RecordRow::kType) {
        static_cast<RecordRow*>(row)->SetRecord(record);
    }
}

PersonRecord* COptionsDlg::RecordAt(int row) const {
    QTreeWidgetItem* item = list->topLevelItem(row);
    return item != nullptr
               ? reinterpret_cast<PersonRecord*>(item->data(kName, Qt::UserRole).value<quintptr>())
               : nullptr;
}

int COptionsDlg::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.front());
}

void COptionsDlg::SelectRow(int row) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    if (item == nullptr) {
        return;
    }
    list->setCurrentItem(item);
    list->scrollToItem(item, QAbstractItemView::EnsureVisible);
}

void COptionsDlg::OnNewRecord() {
    CEditPersonDlg dialog(this);
    dialog.date = LocalDate(std::time(nullptr));
    dialog.icon = comboIcon->currentIndex();
    dialog.warnDays = editDays->Value();
    if (execEditor(dialog) != QDialog::Accepted) {
        return;
    }
    auto record = std::make_unique<PersonRecord>();
    record->name = dialog.name;
    record->day = dialog.date.day;
    record->month = dialog.date.month;
    record->year = static_cast<int>(dialog.date.year);
    record->icon = dialog.icon;
    record->skipYear = -1;
    record->daysInAdvance = dialog.warnDays;
    record->notABirthday = dialog.notABirthday;
    record->infoOnly = dialog.neverRemind == 1 ? 1 : 0;
    record->email = dialog.email;
    UpdateRecord(*record, today);
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
    dialog.name = record->name;
    dialog.email = record->email;
    dialog.date = {record->year, record->month, record->day};
    dialog.icon = record->icon;
    dialog.warnDays = record->daysInAdvance;
    dialog.neverRemind = record->infoOnly;
    dialog.notABirthday = record->notABirthday;
    if (execEditor(dialog) != QDialog::Accepted) {
        return;
    }
    const std::string oldName = record->name;
    record->name = dialog.name;
    record->email = dialog.email;
    record->day = dialog.date.day;
    record->month = dialog.date.month;
    record->year = static_cast<int>(dialog.date.year);
    record->icon = dialog.icon;
    record->daysInAdvance = dialog.warnDays;
    record->infoOnly = dialog.neverRemind == 1 ? 1 : 0;
    record->notABirthday = dialog.notABirthday;
    record->skipYear = -1;
    changed = true;

    UpdateRecord(*record, today);
    FillRow(list->topLevelItem(row), record);
    if (record->name != oldName) {
        FillList();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (RecordAt(i) == record) {
                SelectRow(i);
                break;
            }
        }
    }
}

void COptionsDlg::DeleteRecord(int row) {
    PersonRecord* record = RecordAt(row);
    if (record == nullptr) {
        return;
    }
    delete list->takeTopLevelItem(row);
    RemoveRecord(*records, record);
    changed = true;
    SelectRow(std::min(row, list->topLevelItemCount() - 1));
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
    menu.addAction(tr("Delete"))->setData(ID_DELETE);
    switch (execMenu(menu)) {
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
