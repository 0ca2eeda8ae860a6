// SPDX-License-Identifier: MIT
#include "ReminderDlg.h"

#include <QAction>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "DueRecords.h"
#include "MailLink.h"
#include "Snoozes.h"
#include "controls/DialogKit.h"
#include "controls/IconSet.h"
#include "platform/QtServices.h"
#include "text/DisplayText.h"

namespace {

// Sizes in quarters of the font's average character width and eighths of its height, so that the
// window grows with the user's font and keeps its proportions.
constexpr int kMargin = 7;
constexpr int kListWidth = 275;
constexpr int kListHeight = 84;
constexpr int kButtonHeight = 14;
constexpr int kOkWidth = 50;
constexpr int kOptionsWidth = 39;
constexpr int kButtonGap = 4;
constexpr int kRowSlack = 4;  // room after the longest sentence
constexpr int kIconSize = 16;
constexpr int kYearRole = Qt::UserRole + 1;  // the occurrence's year, which silencing skips

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetrics metrics(font);
        const int letters = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        baseX_ = std::max(1, (letters / 26 + 1) / 2);
        baseY_ = std::max(1, metrics.height());
    }
    int X(int units) const { return (units * baseX_ + 2) / 4; }
    int Y(int units) const { return (units * baseY_ + 4) / 8; }

private:
    int baseX_ = 1;
    int baseY_ = 1;
};

// The list asks for the size worked out from its rows instead of a fixed default.
class RowList : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    void SetPreferredSize(QSize size) {
        preferred_ = size;
        updateGeometry();
    }
    int ContentWidth() const { return sizeHintForColumn(0); }
    QSize sizeHint() const override {
        return preferred_.isValid() ? preferred_ : QTreeWidget::sizeHint();
    }

private:
    QSize preferred_;
};

// Keeps the text of rows without a picture in line with the others.
QIcon NoPicture() {
    QPixmap blank(kIconSize, kIconSize);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

QString MenuText(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));  // a name's & is no mnemonic
}

}  // namespace

CReminderDlg::CReminderDlg(QWidget* parent, const TextServices* text)
    : QDialog(parent), text_(text) {
    if (text_ == nullptr) {
        ownText_ = std::make_unique<QtTextServices>();
        text_ = ownText_.get();
    }
    setWindowTitle(QStringLiteral(" Ovrana"));

    list = new RowList(this);
    list->setObjectName(QStringLiteral("list"));
    list->setAccessibleName(tr("Reminders"));
    list->setColumnCount(1);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // long sentences are elided
    list->setIconSize(QSize(kIconSize, kIconSize));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    // The list is part of the dialog's face: no frame, the face's colour behind the rows.
    list->setFrameShape(QFrame::NoFrame);
    QPalette colours = list->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, palette().color(group, QPalette::Window));
    }
    list->setPalette(colours);

    okButton_ = new QPushButton(tr("&OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    optionsButton_ = new QPushButton(tr("O&ptions..."), this);
    optionsButton_->setObjectName(QStringLiteral("optionsButton"));

    // OK in the middle, "Options..." at the right edge: the side columns share the spare width.
    buttons_ = new QGridLayout;
    buttons_->setContentsMargins(0, 0, 0, 0);
    buttons_->addWidget(okButton_, 0, 1);
    buttons_->addWidget(optionsButton_, 0, 2, Qt::AlignRight);
    buttons_->setColumnStretch(0, 1);
    buttons_->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addLayout(buttons_);

    setTabOrder(list, okButton_);
    setTabOrder(okButton_, optionsButton_);

    connect(optionsButton_, &QPushButton::clicked, this, &CReminderDlg::OnOptions);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(list, &QWidget::customContextMenuRequested, this, &CReminderDlg::ShowRecordMenu);
    connect(list, &QTreeWidget::itemDoubleClicked, this, &CReminderDlg::ShowRecordMenu);
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

CReminderDlg::~CReminderDlg() = default;

bool CReminderDlg::OnInitDialog() {
    if (initialised_) {
        return due_;
    }
    initialised_ = true;
    setWindowIcon(AppIcon());
    optionsRequested = 0;
    changed = false;
    due_ = ListDueRecords();
    if (!due_) {
        reject();
        return false;
    }
    setWindowFlag(Qt::WindowStaysOnTopHint, settings->alwaysOnTop != 0);
    FitToRows();
    // A screen reader reads the focus on arrival: the first sentence, not the OK button. The
    // list passes Return on, so OK stays the default.
    list->setFocus();
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0),
                                            QItemSelectionModel::NoUpdate);
    return true;
}

bool CReminderDlg::ListDueRecords() {
    if (records == nullptr || settings == nullptr) {
        return false;
    }
    const std::vector<ReminderRow> rows = SelectDueRows(*records, *settings, *text_);
    for (const ReminderRow& row : rows) {
        auto* item = new QTreeWidgetItem(list);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setText(0, FromBytes(row.text));
        const QIcon picture = RecordIcon(row.icon);
        item->setIcon(0, picture.isNull() ? NoPicture() : picture);
        SetRowRecord(*item, row.record);
        item->setData(0, kYearRole, row.year);
    }
    return !rows.empty();
}

void CReminderDlg::ShowRecordMenu() {
    int row = 0;
    while (row < list->topLevelItemCount() && !list->topLevelItem(row)->isSelected()) {
        ++row;
    }
    if (row == list->topLevelItemCount()) {
        return;
    }
    PersonRecord* record = RowRecord(list->topLevelItem(row));
    if (record == nullptr) {
        return;
    }

    QMenu menu(this);
    menu.addAction(tr("Don't remind me again until next year"))->setData(kSkipYearCommand);
    menu.addAction(tr("Remind me again tomorrow"))->setData(kTomorrowCommand);
    if (!record->email.empty()) {
        menu.addSeparator();
        // A name or address with right-to-left text cannot reorder the item around it.
        const QString text =
            tr("Email %1 (%2)")
                .arg(FromBytes(IsolateBidi(record->name)), FromBytes(IsolateBidi(record->email)));
        menu.addAction(MenuText(text))->setData(kEmailCommand);
    }

    switch (Modal::Menu(menu)) {
        case kSkipYearCommand:
            changed = true;
            record->skipYear = list->topLevelItem(row)->data(0, kYearRole).toInt();
            delete list->takeTopLevelItem(row);
            break;
        case kTomorrowCommand:
            // The data file stays as it is: only today's later runs leave the record out.
            settings->snoozed.insert(SnoozeKey(*record));
            for (int i = list->topLevelItemCount() - 1; i >= 0; --i) {
                if (RowRecord(list->topLevelItem(i)) == record) {
                    delete list->takeTopLevelItem(i);
                }
            }
            break;
        case kEmailCommand:
            if (!openUrl(QUrl::fromEncoded(
                    QByteArray::fromStdString(GreetingMailUrl(record->email)), QUrl::StrictMode))) {
                Modal::Warn(this, tr("No e-mail program could be started to write to %1.")
                                      .arg(FromBytes(IsolateBidi(record->email))));
            }
            break;
        default:
            break;
    }
}

int CReminderDlg::exec() {
    if (!OnInitDialog()) {
        return result();
    }
    return QDialog::exec();
}

void CReminderDlg::OnOptions() {
    optionsRequested = 1;
    reject();
}

// Template proportions at the user's font, widened for long sentences and lengthened for many
// rows, up to a share of the screen; beyond that rows are elided or scrolled.
void CReminderDlg::FitToRows() {
    ensurePolished();  // sizes below need the style's final font and margins
    const DialogUnits units(font());
    layout()->setContentsMargins(units.X(kMargin), units.Y(kMargin), units.X(kMargin),
                                 units.Y(kMargin));
    layout()->setSpacing(units.Y(kMargin));
    okButton_->setMinimumSize(units.X(kOkWidth), units.Y(kButtonHeight));
    optionsButton_->setMinimumSize(units.X(kOptionsWidth), units.Y(kButtonHeight));
    // The empty left column would get no spacing, so the gap is part of both side columns.
    buttons_->setHorizontalSpacing(0);
    const int sideWidth =
        optionsButton_->sizeHint().expandedTo(optionsButton_->minimumSize()).width() +
        units.X(kButtonGap);
    buttons_->setColumnMinimumWidth(0, sideWidth);
    buttons_->setColumnMinimumWidth(2, sideWidth);

    auto* rows = static_cast<RowList*>(list);
    const QRect area = screen()->availableGeometry();
    const int maxWidth = std::max(units.X(kListWidth), area.width() * 2 / 3 - 2 * units.X(kMargin));
    const int maxHeight = std::max(units.Y(kListHeight), area.height() / 2);
    const int frame = 2 * list->frameWidth();
    const int rowsHeight = list->topLevelItemCount() * list->sizeHintForRow(0) + frame;
    const int height = std::clamp(rowsHeight, units.Y(kListHeight), maxHeight);
    int width = rows->ContentWidth() + frame + units.X(kRowSlack);
    if (rowsHeight > height) {
        width += list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    }
    width = std::clamp(width, units.X(kListWidth), maxWidth);
    rows->SetPreferredSize(QSize(width, height));
    // Not adjustSize(): it would cut the window to two thirds of a small screen.
    layout()->activate();
    resize(sizeHint().boundedTo(area.size()));
}
