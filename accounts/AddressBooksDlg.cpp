// SPDX-License-Identifier: MIT
#include "AddressBooksDlg.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent>
#include <algorithm>
#include <cstdint>
#include <ctime>
#include <utility>

#include "controls/DialogKit.h"
#include "platform/Messages.h"
#include "platform/QtServices.h"
#include "sync/AddressBookSync.h"
#include "sync/DavClient.h"
#include "sync/Passwords.h"

namespace {

// The copies in `folder` as the list shows them; a damaged one is left out, having no address.
std::vector<ListedBook> ListBooks(const std::string& folder) {
    std::vector<ListedBook> books;
    for (const std::string& path : CopyFiles(folder)) {
        ListedBook book{path, {}};
        if (ReadCopy(path, book.copy) == LoadStatus::Loaded) {
            book.copy.cards = {};
            book.copy.choices = {};
            books.push_back(std::move(book));
        }
    }
    // By name, as the user knows them; the files are named by a hash.
    std::stable_sort(books.begin(), books.end(), [](const ListedBook& a, const ListedBook& b) {
        return FromBytes(a.copy.displayName).localeAwareCompare(FromBytes(b.copy.displayName)) < 0;
    });
    return books;
}

// A password for a sync, or why there is none.
struct SyncLogin {
    std::string path;
    PasswordResult password;
};

// Runs `work` off the window's thread and `done` with its result back on it; nothing when the
// window is gone by then.
template <typename T>
void WhenDone(QObject* window, QFuture<T> job, std::function<void(T)> done) {
    auto* watcher = new QFutureWatcher<T>(window);
    QObject::connect(watcher, &QFutureWatcherBase::finished, window, [watcher, done] {
        watcher->deleteLater();
        if (watcher->isCanceled()) {
            return;
        }
        try {
            done(watcher->result());
        } catch (const std::exception&) {
            done(T{});  // out of memory, say: the window goes on
        }
    });
    watcher->setFuture(job);
}

QTreeWidget* NewList(QWidget* parent, const char* name, const QStringList& headers) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderLabels(headers);
    return list;
}

// Makes `window` tall enough for its wrapped texts, so a long error never squeezes the list.
void GrowForText(QWidget& window) {
    QLayout* layout = window.layout();
    layout->activate();
    const int need = layout->hasHeightForWidth() ? layout->totalHeightForWidth(window.width())
                                                 : layout->totalSizeHint().height();
    if (need > window.height()) {
        window.resize(window.width(), need);
    }
}

QPushButton* NewButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// A wrapped text the user can select and copy, as errors and what is under way are shown.
QLabel* NewText(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A server account as Add and Publish ask for it.
struct AccountFields {
    QLineEdit* address;
    QLineEdit* user;
    QLineEdit* password;
    QFormLayout* form;
};

AccountFields NewAccountFields(QWidget* parent) {
    AccountFields fields{new QLineEdit(parent), new QLineEdit(parent), new QLineEdit(parent),
                         new QFormLayout};
    fields.address->setObjectName("editAddress");
    fields.address->setPlaceholderText(QStringLiteral("https://"));
    fields.address->setMinimumWidth(50 * parent->fontMetrics().averageCharWidth());
    fields.user->setObjectName("editUser");
    fields.password->setObjectName("editPassword");
    fields.password->setEchoMode(QLineEdit::Password);
    fields.form->addRow(CAddAddressBookDlg::tr("&Address:"), fields.address);
    fields.form->addRow(CAddAddressBookDlg::tr("&User:"), fields.user);
    fields.form->addRow(CAddAddressBookDlg::tr("&Password:"), fields.password);
    return fields;
}

// Whether a refused certificate can be offered to trust: one named by its fingerprint, which the
// user can check, and not the one already trusted.
bool CanTrust(const SyncProblem& problem, const std::string& trusted = {}) {
    return problem.kind == SyncProblem::Kind::Untrusted && !problem.fingerprint.empty() &&
           problem.fingerprint != trusted;
}

// OK, called `okText`, and Cancel.
QDialogButtonBox* NewOkCancel(const QString& okText, QPushButton*& ok, QWidget* parent) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent);
    ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("okButton");
    ok->setText(okText);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    return buttons;
}

}  // namespace

namespace {

AddressBookRow Describe(const std::string& name, const std::string& user, const std::string& url,
                        std::int64_t lastSync, const SyncProblem& lastError) {
    AddressBookRow row;
    row.name = FromBytes(name);
    row.account = CAddressBooksDlg::tr("%1 on %2").arg(FromBytes(user), FromBytes(ServerName(url)));
    row.lastSync = lastSync == 0 ? CAddressBooksDlg::tr("never")
                                 : QLocale().toString(QDateTime::fromSecsSinceEpoch(lastSync),
                                                      QLocale::ShortFormat);
    if (lastError.Failed()) {
        row.lastError = FromBytes(SyncProblemText(lastError, InstalledTranslation, true));
    }
    return row;
}

}  // namespace

AddressBookRow DescribeAddressBook(const AddressBookCopy& copy) {
    return Describe(copy.displayName, copy.user, copy.url, copy.lastSync, copy.lastError);
}

AddressBookRow DescribePublished(const PublishedCalendar* calendar) {
    if (calendar == nullptr) {
        return {CAddressBooksDlg::tr("The dates are not published to a calendar."), {}, {}, {}};
    }
    AddressBookRow row = Describe(calendar->displayName, calendar->user, calendar->url,
                                  calendar->lastSync, calendar->lastError);
    row.name = CAddressBooksDlg::tr("Calendar %1, %2, last sync: %3")
                   .arg(row.name, row.account, row.lastSync);
    return row;
}

AddressBookActions AllowedActions(bool busy, std::size_t books, const SyncProblem* selected,
                                  bool published) {
    if (busy) {
        return {};
    }
    return {true,
            selected != nullptr,
            books > 0 || published,
            selected != nullptr && CanTrust(*selected),
            true,
            published};
}

QFuture<std::vector<ListedBook>> SyncAddressBooks(const std::string& folder,
                                                  const std::string& passwordCommand,
                                                  const std::string& onlyPath,
                                                  const std::string& trust) {
    return QtConcurrent::run(ListBooks, folder)
        .then(qApp,
              [passwordCommand, onlyPath](const std::vector<ListedBook>& books) {
                  // Each book's password is kept under its own address, as the commands keep it.
                  std::vector<SyncLogin> logins;
                  for (const ListedBook& book : books) {
                      if (onlyPath.empty() || book.path == onlyPath) {
                          logins.push_back({book.path, ReadPassword(book.copy.url, book.copy.user,
                                                                    passwordCommand)});
                      }
                  }
                  return logins;
              })
        .then(QtFuture::Launch::Async, [folder, trust](const std::vector<SyncLogin>& logins) {
            for (const SyncLogin& login : logins) {
                if (!trust.empty()) {
                    UpdateCopy(login.path,
                               [&](AddressBookCopy& copy) { copy.certificate = trust; });
                }
                if (login.password.status == PasswordResult::Status::Found) {
                    SyncBook(login.path, login.password.password, std::time(nullptr));
                    continue;
                }
                // Without a password the server would only refuse; the row says why.
                UpdateCopy(login.path, [&](AddressBookCopy& copy) {
                    copy.lastError = NoPasswordFor(copy.url, login.password.detail);
                });
            }
            return ListBooks(folder);
        });
}

CAddressBooksDlg::CAddressBooksDlg(std::string folder, std::string passwordCommand,
                                   QFuture<void> running, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), passwordCommand_(std::move(passwordCommand)) {
    setWindowTitle(tr("Address books"));
    const int em = fontMetrics().averageCharWidth();

    list_ = NewList(this, "books",
                    {tr("Address book"), tr("Account"), tr("Last sync"), tr("Last error")});
    list_->setAccessibleName(windowTitle());  // a screen reader's name for it
    // The last sync's column fits its dates; the error takes what is left.
    const int widths[] = {24 * em, 30 * em};
    list_->setColumnWidth(0, widths[0]);
    list_->setColumnWidth(1, widths[1]);
    list_->setMinimumSize(widths[0] + widths[1] + 60 * em, fontMetrics().height() * 10);

    // The chosen book's error in full: a fingerprint is longer than its column.
    error_ = NewText("error", this);
    status_ = NewText("status", this);
    calendarText_ = NewText("calendar", this);
    publish_ = NewButton(tr("&Publish..."), "buttonPublish", this);
    unpublish_ = NewButton(tr("St&op publishing"), "buttonUnpublish", this);

    add_ = NewButton(tr("&Add..."), "buttonAdd", this);
    remove_ = NewButton(tr("&Remove"), "buttonRemove", this);
    sync_ = NewButton(tr("&Sync now"), "buttonSync", this);
    trust_ = NewButton(tr("&Trust this certificate"), "buttonTrust", this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName("closeButton");

    auto* row = new QHBoxLayout;
    row->addWidget(add_);
    row->addWidget(remove_);
    row->addWidget(sync_);
    row->addWidget(trust_);
    row->addStretch();
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(error_);
    auto* calendarRow = new QHBoxLayout;
    calendarRow->addWidget(calendarText_, 1);
    calendarRow->addWidget(publish_, 0, Qt::AlignTop);
    calendarRow->addWidget(unpublish_, 0, Qt::AlignTop);
    layout->addLayout(calendarRow);
    layout->addWidget(status_);
    layout->addLayout(row);

    connect(buttons, &QDialogButtonBox::rejected, this, &CAddressBooksDlg::reject);
    connect(add_, &QPushButton::clicked, this, &CAddressBooksDlg::OnAdd);
    connect(remove_, &QPushButton::clicked, this, &CAddressBooksDlg::OnRemove);
    connect(sync_, &QPushButton::clicked, this, &CAddressBooksDlg::OnSync);
    connect(trust_, &QPushButton::clicked, this, &CAddressBooksDlg::OnTrust);
    connect(publish_, &QPushButton::clicked, this, &CAddressBooksDlg::OnPublish);
    connect(unpublish_, &QPushButton::clicked, this, &CAddressBooksDlg::OnUnpublish);
    connect(list_, &QTreeWidget::currentItemChanged, this, &CAddressBooksDlg::UpdateActions);

    // The list once the sync under way has ended, so that it shows what that sync found.
    const std::string where = folder_;
    Start(running.isCanceled()
              ? QtConcurrent::run(ListBooks, where)
              : running.then(QtFuture::Launch::Async, [where] { return ListBooks(where); }));
}

int CAddressBooksDlg::exec() {
    return Modal::Run(*this);
}

QFuture<void> CAddressBooksDlg::Pending() const {
    return pending_;
}

void CAddressBooksDlg::Start(QFuture<std::vector<ListedBook>> job, const QString& done) {
    busy_ = true;
    pending_ = job;
    status_->setText(tr("Talking to the servers..."));
    UpdateActions();
    WhenDone<std::vector<ListedBook>>(this, job, [this, done](std::vector<ListedBook> books) {
        busy_ = false;
        status_->setText(done);
        Show(books);
    });
}

void CAddressBooksDlg::Show(const std::vector<ListedBook>& books) {
    const std::string chosen = Selected() >= 0 ? books_[std::size_t(Selected())].path : "";
    books_ = books;
    list_->clear();
    for (const ListedBook& book : books_) {
        const AddressBookRow row = DescribeAddressBook(book.copy);
        auto* item = new QTreeWidgetItem({row.name, row.account, row.lastSync, row.lastError});
        item->setToolTip(0, FromBytes(book.copy.url));
        item->setToolTip(3, row.lastError);
        list_->addTopLevelItem(item);
        if (book.path == chosen || list_->topLevelItemCount() == 1) {
            list_->setCurrentItem(item);
        }
    }
    list_->resizeColumnToContents(2);
    // What the last publish or sync left: a small file, read after each run.
    const std::string path = PublishedCalendarPath();
    published_ = !path.empty() && ReadPublished(path, calendar_) == LoadStatus::Loaded;
    const AddressBookRow described = DescribePublished(published_ ? &calendar_ : nullptr);
    calendarText_->setText(described.lastError.isEmpty()
                               ? described.name
                               : described.name + '\n' + described.lastError);
    UpdateActions();
}

int CAddressBooksDlg::Selected() const {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    return row >= 0 && std::size_t(row) < books_.size() ? row : -1;
}

void CAddressBooksDlg::UpdateActions() {
    const int row = Selected();
    const AddressBookActions allowed =
        AllowedActions(busy_, books_.size(),
                       row >= 0 ? &books_[std::size_t(row)].copy.lastError : nullptr, published_);
    add_->setEnabled(allowed.add);
    remove_->setEnabled(allowed.remove);
    sync_->setEnabled(allowed.sync);
    trust_->setEnabled(allowed.trust);
    trust_->setVisible(allowed.trust);
    publish_->setEnabled(allowed.publish && !publishing.dataPath.empty());
    unpublish_->setEnabled(allowed.unpublish);
    unpublish_->setVisible(published_);
    error_->setText(row >= 0 ? list_->topLevelItem(row)->text(3) : QString());
    error_->setVisible(!error_->text().isEmpty());
    GrowForText(*this);
}

void CAddressBooksDlg::OnAdd() {
    if (busy_) {
        return;
    }
    CAddAddressBookDlg adding(folder_, this);
    adding.exec();
    const std::string where = folder_;
    Start(QtConcurrent::run(ListBooks, where));
}

void CAddressBooksDlg::OnRemove() {
    const int row = Selected();
    if (busy_ || row < 0) {
        return;
    }
    const AddressBookCopy& copy = books_[std::size_t(row)].copy;
    if (!Modal::Ask(this, tr("Remove the address book %1 with its local copy and your choices "
                             "for its contacts? Nothing is removed from the server.")
                              .arg(FromBytes(copy.displayName)))) {
        return;
    }
    ForgetPassword(copy.url, copy.user);
    const std::string where = folder_;
    const std::string url = copy.url;
    Start(QtConcurrent::run([where, url] {
        RemoveAddressBooks(where, url);
        return ListBooks(where);
    }));
}

void CAddressBooksDlg::OnSync() {
    if (busy_) {
        return;
    }
    QFuture<std::vector<ListedBook>> job = SyncAddressBooks(folder_, passwordCommand_);
    if (published_ && !publishing.dataPath.empty()) {
        // Then the calendar, its password read on the window's thread; what went wrong is kept
        // with it, and shown in its row.
        using Books = std::pair<std::vector<ListedBook>, PasswordResult>;
        const std::string path = PublishedCalendarPath();
        job = job.then(this,
                       [this](const std::vector<ListedBook>& books) {
                           return Books{books, ReadPassword(calendar_.url, calendar_.user,
                                                            passwordCommand_)};
                       })
                  .then(QtFuture::Launch::Async, [path, source = publishing](const Books& books) {
                      PublishedCalendar calendar;
                      PublishCounts counts;
                      std::string warning;
                      SyncPublished(path, books.second, source, InstalledTranslation, calendar,
                                    counts, warning);
                      return books.first;
                  });
    }
    Start(job);
}

void CAddressBooksDlg::OnTrust() {
    const int row = Selected();
    if (busy_ || row < 0) {
        return;
    }
    const ListedBook& book = books_[std::size_t(row)];
    Start(SyncAddressBooks(folder_, passwordCommand_, book.path, book.copy.lastError.fingerprint));
}

void CAddressBooksDlg::OnPublish() {
    if (busy_ || publishing.dataPath.empty()) {
        return;
    }
    CPublishCalendarDlg dialog(publishing, published_ ? &calendar_ : nullptr, this);
    dialog.exec();
    Start(QtConcurrent::run(ListBooks, folder_));
}

void CAddressBooksDlg::OnUnpublish() {
    if (busy_ || !published_ ||
        !Modal::Ask(this, tr("Stop publishing the dates to the calendar %1? The events Ovrana "
                             "put there are deleted from the server; your own events stay.")
                              .arg(FromBytes(calendar_.displayName)))) {
        return;
    }
    const std::string path = PublishedCalendarPath();
    const PasswordResult password = ReadPassword(calendar_.url, calendar_.user, passwordCommand_);
    // The password is forgotten on the window's thread, also when the window has closed.
    auto job = QtConcurrent::run([path, password] {
                   PublishedCalendar calendar;
                   std::string why = StopPublishing(path, password, InstalledTranslation, calendar);
                   return std::make_pair(why, calendar);
               }).then(qApp, [](const std::pair<std::string, PublishedCalendar>& stopped) {
        if (stopped.first.empty() && !stopped.second.url.empty()) {
            ForgetPassword(stopped.second.url, stopped.second.user);
        }
        return stopped.first;
    });
    busy_ = true;
    pending_ = QFuture<void>(job);
    status_->setText(tr("Talking to the servers..."));
    UpdateActions();
    WhenDone<std::string>(this, job, [this](std::string why) {
        Start(QtConcurrent::run(ListBooks, folder_), FromBytes(why));
    });
}

CAddAddressBookDlg::CAddAddressBookDlg(std::string folder, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)) {
    setWindowTitle(tr("Add address books"));
    const int em = fontMetrics().averageCharWidth();

    const AccountFields fields = NewAccountFields(this);
    address_ = fields.address;
    user_ = fields.user;
    password_ = fields.password;
    find_ = NewButton(tr("&Find"), "buttonFind", this);

    found_list_ = NewList(this, "foundBooks", {tr("Address book"), tr("Address")});
    found_list_->setSelectionMode(QAbstractItemView::NoSelection);
    found_list_->setAccessibleName(tr("Address books found"));
    found_list_->setColumnWidth(0, 24 * em);
    found_list_->setMinimumHeight(fontMetrics().height() * 8);

    status_ = NewText("status", this);
    trust_ = NewButton(tr("&Trust this certificate"), "buttonTrust", this);

    QDialogButtonBox* buttons = NewOkCancel(tr("Add"), ok_, this);

    auto* findRow = new QHBoxLayout;
    findRow->addStretch();
    findRow->addWidget(find_);
    auto* trustRow = new QHBoxLayout;
    trustRow->addStretch();
    trustRow->addWidget(trust_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields.form);
    layout->addLayout(findRow);
    layout->addWidget(found_list_, 1);
    layout->addWidget(status_);
    layout->addLayout(trustRow);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CAddAddressBookDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAddAddressBookDlg::reject);
    connect(find_, &QPushButton::clicked, this, &CAddAddressBookDlg::OnFind);
    connect(trust_, &QPushButton::clicked, this, [this] {
        certificate_ = problem_.fingerprint;
        OnFind();
    });
    // A certificate is trusted for the server it came from.
    connect(address_, &QLineEdit::textChanged, this, [this] { certificate_.clear(); });
    for (QLineEdit* edit : {address_, user_, password_}) {
        connect(edit, &QLineEdit::textChanged, this, [this] {
            // Books found with other words would be added with these.
            found_.clear();
            found_list_->clear();
            UpdateActions();
        });
    }
    connect(found_list_, &QTreeWidget::itemChanged, this, &CAddAddressBookDlg::UpdateActions);
    UpdateActions();
}

int CAddAddressBookDlg::exec() {
    return Modal::Run(*this);
}

DavLogin CAddAddressBookDlg::Login() const {
    return {address_->text().trimmed().toStdString(), user_->text().toStdString(),
            password_->text().toStdString(), certificate_};
}

void CAddAddressBookDlg::ShowProblem(const SyncProblem& problem) {
    problem_ = problem;
    status_->setText(problem.Failed()
                         ? FromBytes(SyncProblemText(problem, InstalledTranslation, true))
                         : QString());
    GrowForText(*this);
}

void CAddAddressBookDlg::OnFind() {
    if (busy_) {
        return;
    }
    busy_ = true;
    ShowProblem({});
    status_->setText(tr("Looking for address books..."));
    UpdateActions();
    const DavLogin login = Login();
    auto job = QtConcurrent::run([login] {
        std::vector<FoundAddressBook> found;
        const SyncProblem problem = FindAddressBooks(login, found);
        return std::make_pair(problem, found);
    });
    WhenDone<std::pair<SyncProblem, std::vector<FoundAddressBook>>>(
        this, job, [this](std::pair<SyncProblem, std::vector<FoundAddressBook>> result) {
            busy_ = false;
            ShowProblem(result.first);
            QSignalBlocker quiet(found_list_);
            found_list_->clear();
            found_ = result.second;
            for (const FoundAddressBook& book : found_) {
                auto* item = new QTreeWidgetItem(
                    {FromBytes(book.displayName), QString::fromStdString(book.url)});
                item->setCheckState(0, Qt::Checked);
                found_list_->addTopLevelItem(item);
            }
            UpdateActions();
            // Not on Cancel, where focus would fall from a hidden Trust button.
            (found_.empty() ? static_cast<QWidget*>(address_) : ok_)->setFocus();
        });
}

void CAddAddressBookDlg::accept() {
    std::vector<FoundAddressBook> chosen;
    for (int i = 0; i < found_list_->topLevelItemCount(); ++i) {
        if (found_list_->topLevelItem(i)->checkState(0) == Qt::Checked) {
            chosen.push_back(found_[std::size_t(i)]);
        }
    }
    if (busy_ || chosen.empty()) {
        return;
    }
    busy_ = true;
    adding_ = true;
    status_->setText(tr("Adding the address books..."));
    UpdateActions();
    const DavLogin login = Login();
    const std::string folder = folder_;
    auto job = QtConcurrent::run([login, chosen, folder] {
        return AddAddressBooks(login, chosen, folder, std::time(nullptr));
    });
    WhenDone<std::vector<BookOutcome>>(this, job, [this, login](std::vector<BookOutcome> done) {
        busy_ = false;
        adding_ = false;
        QStringList failed;
        for (const BookOutcome& outcome : done) {
            if (outcome.problem.Failed()) {
                problem_ = outcome.problem;  // an untrusted certificate may then be trusted
                failed << FromBytes(outcome.displayName) + ": " +
                              FromBytes(
                                  SyncProblemText(outcome.problem, InstalledTranslation, true));
            }
        }
        QString kept;
        for (const BookOutcome& outcome : done) {
            if (outcome.problem.Failed() || !kept.isEmpty()) {
                continue;
            }
            const PasswordResult stored = StorePassword(outcome.url, login.user, login.password);
            if (stored.status != PasswordResult::Status::Found) {
                kept = tr("The password could not be kept in the keyring: %1")
                           .arg(FromBytes(PasswordProblemText(stored, InstalledTranslation)));
            }
        }
        if (failed.isEmpty() && kept.isEmpty()) {
            QDialog::accept();
            return;
        }
        if (!kept.isEmpty()) {
            failed << kept;
        }
        status_->setText(failed.join('\n'));
        GrowForText(*this);
        // What was added is done; what failed stays ticked for another try.
        QSignalBlocker quiet(found_list_);
        for (int i = found_list_->topLevelItemCount() - 1; i >= 0; --i) {
            const std::string url = found_[std::size_t(i)].url;
            for (const BookOutcome& outcome : done) {
                if (outcome.url == url && !outcome.problem.Failed()) {
                    delete found_list_->takeTopLevelItem(i);
                    found_.erase(found_.begin() + i);
                }
            }
        }
        UpdateActions();
        if (closing_) {
            QDialog::reject();
        }
    });
}

void CAddAddressBookDlg::reject() {
    // Address books being added still need their password kept: close once they are.
    if (adding_) {
        closing_ = true;
        return;
    }
    QDialog::reject();
}

void CAddAddressBookDlg::UpdateActions() {
    int ticked = 0;
    for (int i = 0; i < found_list_->topLevelItemCount(); ++i) {
        ticked += found_list_->topLevelItem(i)->checkState(0) == Qt::Checked ? 1 : 0;
    }
    find_->setEnabled(!busy_ && !address_->text().trimmed().isEmpty() && !user_->text().isEmpty());
    ok_->setEnabled(!busy_ && ticked > 0);
    // Enter finds before it adds.
    find_->setDefault(found_.empty());
    ok_->setDefault(!found_.empty());
    trust_->setVisible(!busy_ && CanTrust(problem_, certificate_));
    for (QLineEdit* edit : {address_, user_, password_}) {
        edit->setReadOnly(busy_);
    }
}

CPublishCalendarDlg::CPublishCalendarDlg(PublishSource source, const PublishedCalendar* published,
                                         QWidget* parent)
    : QDialog(parent), source_(std::move(source)) {
    setWindowTitle(tr("Publish the dates to a calendar"));

    const AccountFields fields = NewAccountFields(this);
    address_ = fields.address;
    user_ = fields.user;
    password_ = fields.password;
    if (published != nullptr) {
        // Another password or certificate for the same calendar; another calendar is had by
        // stopping this one first.
        address_->setText(
            FromBytes(published->addedWith.empty() ? published->url : published->addedWith));
        address_->setEnabled(false);
        user_->setText(FromBytes(published->user));
        certificate_ = published->certificate;
        password_->setFocus();
    }
    auto* about = new QLabel(
        tr("Your dates go to the calendar %1 at this address, made there when there is none, "
           "each with its warning. The calendar mirrors your records: its events changed "
           "elsewhere are replaced at the next sync.")
            .arg(FromBytes(source_.calendarName)),
        this);
    about->setWordWrap(true);
    status_ = NewText("status", this);
    trust_ = NewButton(tr("&Trust this certificate"), "buttonTrust", this);

    QDialogButtonBox* buttons = NewOkCancel(tr("Publish"), ok_, this);

    auto* trustRow = new QHBoxLayout;
    trustRow->addStretch();
    trustRow->addWidget(trust_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(fields.form);
    layout->addWidget(status_);
    layout->addLayout(trustRow);
    layout->addStretch();
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CPublishCalendarDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPublishCalendarDlg::reject);
    connect(trust_, &QPushButton::clicked, this, [this] {
        certificate_ = problem_.fingerprint;
        accept();
    });
    for (QLineEdit* edit : {address_, user_, password_}) {
        connect(edit, &QLineEdit::textChanged, this, &CPublishCalendarDlg::UpdateActions);
    }
    // A certificate is trusted for the server it came from.
    connect(address_, &QLineEdit::textChanged, this, [this] { certificate_.clear(); });
    UpdateActions();
}

int CPublishCalendarDlg::exec() {
    return Modal::Run(*this);
}

void CPublishCalendarDlg::accept() {
    if (busy_ || !ok_->isEnabled()) {
        return;
    }
    busy_ = true;
    problem_ = {};
    status_->setText(tr("Publishing the dates..."));
    UpdateActions();
    const DavLogin login{address_->text().trimmed().toStdString(), user_->text().toStdString(),
                         password_->text().toStdString(), certificate_};
    // Found and made off the window's thread, the password kept on it, where the keyring
    // answers, and only then the dates put, as the command line does.
    auto find = QtConcurrent::run([login, source = source_] {
        Step step{std::make_shared<Publishing>(), {}};
        step.why = BeginPublish(*step.run, login.url, source, InstalledTranslation);
        if (step.why.empty()) {
            step.why =
                FindPublishCalendar(*step.run, login, source.calendarName, InstalledTranslation);
        }
        return step;
    });
    WhenDone<Step>(this, find, [this, login](Step step) {
        if (step.run && step.why.empty()) {
            step.why =
                KeepCalendarPassword(step.run->calendar, login.password, InstalledTranslation);
        }
        if (!step.run || !step.why.empty()) {
            Finish(step);
            return;
        }
        auto put = QtConcurrent::run([step, login]() mutable {
            PublishCounts counts;
            step.why = FinishPublish(*step.run, login.password, InstalledTranslation, counts);
            return step;
        });
        WhenDone<Step>(this, put, [this](Step done) {
            if (done.run && !done.run->kept) {
                ForgetPassword(done.run->calendar.url, done.run->calendar.user);
            }
            Finish(done);
        });
    });
}

void CPublishCalendarDlg::Finish(const Step& step) {
    busy_ = false;
    QString why = FromBytes(step.why);
    if (step.run) {
        problem_ = step.run->problem;
        step.run->lock.reset();  // another run may publish from now
        if (problem_.kind == SyncProblem::Kind::Untrusted) {
            why = FromBytes(SyncProblemText(problem_, InstalledTranslation, true));
        }
    }
    if (step.run && step.why.empty()) {
        QDialog::accept();
        return;
    }
    status_->setText(why);
    GrowForText(*this);
    UpdateActions();
    if (closing_) {
        QDialog::reject();
    }
}

void CPublishCalendarDlg::reject() {
    // A publish under way still needs its password kept: close once it has ended.
    if (busy_) {
        closing_ = true;
        return;
    }
    QDialog::reject();
}

void CPublishCalendarDlg::UpdateActions() {
    ok_->setEnabled(!busy_ && !address_->text().trimmed().isEmpty() && !user_->text().isEmpty());
    trust_->setVisible(!busy_ && CanTrust(problem_, certificate_));
    for (QLineEdit* edit : {address_, user_, password_}) {
        edit->setReadOnly(busy_);
    }
}
