// SPDX-License-Identifier: MIT
#include "EditPersonDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <limits>

#include "controls/DialogKit.h"
#include "platform/QtServices.h"

namespace {

constexpr int kMaxWarnDays = 365;

// The locale's short date with the year written in full, and without the year at all.
QString FullYearPattern() {
    QString pattern = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!pattern.contains(QLatin1String("yyyy"))) {
        pattern.replace(QRegularExpression("y+"), QStringLiteral("yyyy"));
    }
    return pattern;
}

QString NoYearPattern(QString pattern) {
    // Drop the year with the separator that joins it to the rest.
    static const QRegularExpression atEnd("[^dM]*y+[^dM]*$");
    static const QRegularExpression atStart("^[^dM]*y+[^dM]*");
    if (pattern.contains(atEnd)) {
        return pattern.remove(atEnd);
    }
    return pattern.remove(atStart).remove(QRegularExpression("y+"));
}

// The picker cannot show every stored date: impossible days roll over, a missing year is
// shown in a leap year so that 29 February stays possible.
QDate ShowableDate(const CivilDate& date) {
    const std::int64_t year = date.year == 0 ? 2000 : date.year;
    const CivilDate rolled = ToCivil(MakeDay(year, date.month, date.day));
    const QDate shown(static_cast<int>(std::clamp<std::int64_t>(rolled.year, 100, 9999)),
                      rolled.month, rolled.day);
    return shown.isValid() ? shown : QDate(2000, 1, 1);
}

// The edited text, or the stored bytes when the user left the box as it was shown.
std::string ToBytes(const QString& text, const std::string& original) {
    return text == FromBytes(original) ? original : text.toStdString();
}

}  // namespace

CEditPersonDlg::CEditPersonDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Edit person"));
    editName = new QLineEdit(this);
    editName->setObjectName("editName");
    editEmail = new QLineEdit(this);
    editEmail->setObjectName("editEmail");
    // Qt's default of 32767 characters would cut a long stored text on OK, even untouched.
    for (QLineEdit* box : {editName, editEmail}) {
        box->setMaxLength(std::numeric_limits<int>::max());
    }
    datePicker = new QDateEdit(this);
    datePicker->setObjectName("datePicker");
    datePicker->setCalendarPopup(true);
    datePicker->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    checkYearUnknown = new QCheckBox(tr("&Year unknown"), this);
    checkYearUnknown->setObjectName("checkYearUnknown");
    comboIcon = NewIconCombo(this);
    editWarnDays = new QLineEdit(this);
    editWarnDays->setObjectName("editWarnDays");
    editWarnDays->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), editWarnDays));
    editWarnDays->setMaximumWidth(
        editWarnDays->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    checkNotABirthday =
        new QCheckBox(tr("&Not a birthday, so don't display age in reminder"), this);
    checkNotABirthday->setObjectName("checkNotABirthday");
    checkNeverRemind = new QCheckBox(tr("&Don't ever remind me about this"), this);
    checkNeverRemind->setObjectName("checkNeverRemind");
    labelName = new QLabel(tr("Name:"), this);
    labelName->setObjectName("labelName");
    labelDate = new QLabel(tr("Birth date:"), this);
    labelDate->setObjectName("labelDate");
    noteAddressBook = new QLabel(this);
    noteAddressBook->setObjectName("noteAddressBook");
    noteAddressBook->setTextFormat(Qt::PlainText);
    noteAddressBook->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");

    for (QLabel* label : {labelName, labelDate}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    auto* emailLabel = new QLabel(tr("Email:"), this);
    emailLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* iconLabel = new QLabel(tr("Icon:"), this);
    iconLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labelName->setBuddy(editName);
    labelDate->setBuddy(datePicker);
    emailLabel->setBuddy(editEmail);
    iconLabel->setBuddy(comboIcon);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(datePicker);
    dateRow->addWidget(checkYearUnknown);
    dateRow->addStretch();
    auto* iconRow = new QHBoxLayout;
    iconRow->addWidget(comboIcon);
    iconRow->addSpacing(16);
    auto* warnLabel = new QLabel(tr("Warn"), this);
    warnLabel->setBuddy(editWarnDays);
    iconRow->addWidget(warnLabel);
    iconRow->addWidget(editWarnDays);
    iconRow->addWidget(new QLabel(tr("days"), this));
    iconRow->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(labelName, 0, 0);
    grid->addWidget(editName, 0, 1);
    grid->addWidget(emailLabel, 1, 0);
    grid->addWidget(editEmail, 1, 1);
    grid->addWidget(labelDate, 2, 0);
    grid->addLayout(dateRow, 2, 1);
    grid->addWidget(iconLabel, 3, 0);
    grid->addLayout(iconRow, 3, 1);
    grid->addWidget(checkNotABirthday, 4, 0, 1, 2);
    grid->addWidget(checkNeverRemind, 5, 0, 1, 2);
    grid->addWidget(noteAddressBook, 6, 0, 1, 2);
    grid->setRowMinimumHeight(6, 8);
    grid->addWidget(buttons, 7, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    editName->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);

    // In reading order, as a screen reader and a keyboard user meet the controls.
    QWidget::setTabOrder(editName, editEmail);
    QWidget::setTabOrder(editEmail, datePicker);
    QWidget::setTabOrder(datePicker, checkYearUnknown);
    QWidget::setTabOrder(checkYearUnknown, comboIcon);
    QWidget::setTabOrder(comboIcon, editWarnDays);
    QWidget::setTabOrder(editWarnDays, checkNotABirthday);
    QWidget::setTabOrder(checkNotABirthday, checkNeverRemind);
    QWidget::setTabOrder(checkNeverRemind, ok);
    QWidget::setTabOrder(ok, buttons->button(QDialogButtonBox::Cancel));

    connect(buttons, &QDialogButtonBox::accepted, this, &CEditPersonDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEditPersonDlg::reject);
    connect(editName, &QLineEdit::textChanged, this, &CEditPersonDlg::OnChangeName);
    connect(comboIcon, &QComboBox::activated, this, [this](int index) { icon = index; });
    connect(checkNotABirthday, &QCheckBox::clicked, this, &CEditPersonDlg::OnNotABirthday);
    connect(checkYearUnknown, &QCheckBox::clicked, this, &CEditPersonDlg::OnYearUnknown);
    connect(datePicker, &QDateEdit::dateChanged, this, [this] { dateTouched_ = true; });
}

QString CEditPersonDlg::CaptionFor(const QString& name) {
    return name.isEmpty() ? tr("No name") : tr("%1 - properties").arg(name);
}

void CEditPersonDlg::OnInitDialog() {
    editName->setText(FromBytes(name));
    editEmail->setText(FromBytes(email));
    editWarnDays->setText(QString::number(warnDays));
    checkNeverRemind->setChecked(neverRemind == 1);
    setWindowTitle(CaptionFor(editName->text()));
    ShowIcon(*comboIcon, icon);

    datePattern_ = FullYearPattern();
    checkYearUnknown->setChecked(date.year == 0);
    datePicker->setDisplayFormat(date.year == 0 ? NoYearPattern(datePattern_) : datePattern_);
    datePicker->setDate(ShowableDate(date));
    dateTouched_ = false;

    checkNotABirthday->setChecked(notABirthday == 1);
    if (notABirthday == 1) {
        OnNotABirthday();
    }
    // The address book's own fields would come back with its next sync.
    const bool fromBook = !addressBook.empty();
    for (QLineEdit* box : {editName, editEmail}) {
        box->setReadOnly(fromBook);
    }
    datePicker->setReadOnly(fromBook);
    checkYearUnknown->setEnabled(!fromBook);
    checkNotABirthday->setEnabled(!fromBook);
    noteAddressBook->setText(
        tr("Name, date and email come from the address book %1; they are changed there.")
            .arg(FromBytes(addressBook)));
    noteAddressBook->setVisible(fromBook);
    if (fromBook) {
        comboIcon->setFocus();
    } else {
        editName->setFocus();
    }
}

int CEditPersonDlg::exec() {
    OnInitDialog();
    return Modal::Run(*this);
}

void CEditPersonDlg::OnChangeName() {
    setWindowTitle(CaptionFor(editName->text()));
}

void CEditPersonDlg::OnNotABirthday() {
    const bool event = checkNotABirthday->isChecked();
    labelName->setText(event ? tr("Event:") : tr("Name:"));
    labelDate->setText(event ? tr("First date:") : tr("Birthday:"));
    notABirthday = event ? 1 : 0;
}

void CEditPersonDlg::OnYearUnknown() {
    datePicker->setDisplayFormat(checkYearUnknown->isChecked() ? NoYearPattern(datePattern_)
                                                               : datePattern_);
    dateTouched_ = true;
}

bool CEditPersonDlg::ReadDays(int& days) {
    const QString text = editWarnDays->text().trimmed();
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (!isNumber || value < 0 || value > kMaxWarnDays) {
        Modal::Warn(this,
                    tr("Please enter a whole number of days between 0 and %1.").arg(kMaxWarnDays));
        editWarnDays->setFocus();
        editWarnDays->selectAll();
        return false;
    }
    days = value;
    return true;
}

void CEditPersonDlg::accept() {
    int days = 0;
    if (!ReadDays(days)) {
        return;
    }
    name = ToBytes(editName->text(), name);
    email = ToBytes(editEmail->text(), email);
    if (dateTouched_) {
        const QDate picked = datePicker->date();
        date = {checkYearUnknown->isChecked() ? 0 : picked.year(), picked.month(), picked.day()};
    }
    warnDays = days;
    neverRemind = checkNeverRemind->isChecked() ? 1 : 0;
    QDialog::accept();
}
