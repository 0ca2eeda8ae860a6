// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QFuture>
#include <QString>
#include <string>
#include <vector>

#include "CalendarPublishing.h"
#include "contacts/AddressBookCopy.h"
#include "contacts/PublishedCalendar.h"
#include "sync/AddressBookSync.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// What a row of the address-book list says.
struct AddressBookRow {
    QString name;
    QString account;   // "user on server"
    QString lastSync;  // a local date and time, or "never"
    QString lastError;
};
AddressBookRow DescribeAddressBook(const AddressBookCopy& copy);
// The same for the calendar the dates are published to; its name says when none is.
AddressBookRow DescribePublished(const PublishedCalendar* calendar);

// Which of the dialog's commands can start: one operation at a time, Remove and Trust on a
// chosen row, Trust only where its certificate was refused; Stop publishing while a calendar is
// published, Publish also then (another password, a certificate trusted).
struct AddressBookActions {
    bool add = false;
    bool remove = false;
    bool sync = false;
    bool trust = false;
    bool publish = false;
    bool unpublish = false;
    bool operator==(const AddressBookActions&) const = default;
};
AddressBookActions AllowedActions(bool busy, std::size_t books, const SyncProblem* selected,
                                  bool published);

// An address book as the list shows it, and the file of its copy.
struct ListedBook {
    std::string path;
    AddressBookCopy copy;  // without its cards and choices
};

// Syncs every address book in `folder`, or only the one whose copy is `onlyPath`, off the
// window's thread; their passwords are read on the window's thread in between, the only one the
// keyring answers on. Gives the books as they then stand. `trust`: the fingerprint of a
// certificate the user accepted for `onlyPath`, kept in its copy before the sync.
QFuture<std::vector<ListedBook>> SyncAddressBooks(const std::string& folder,
                                                  const std::string& passwordCommand,
                                                  const std::string& onlyPath = {},
                                                  const std::string& trust = {});

// The address books on servers: each with its last sync and its last error; Add, Remove and
// Sync now; the calendar the dates are published to, Publish and Stop publishing. Each runs off
// the window's thread so the window never waits on a server.
class CAddressBooksDlg : public QDialog {
    Q_OBJECT

public:
    // `running`: a sync already under way, which the dialog waits for before any other.
    CAddressBooksDlg(std::string folder, std::string passwordCommand, QFuture<void> running = {},
                     QWidget* parent = nullptr);

    // Runs the dialog through Modal::Run.
    int exec() override;
    // The operation still under way when the dialog closes, left to finish on its own.
    QFuture<void> Pending() const;

    // Set before exec(): the dates Publish and Sync now publish; no data file: none.
    PublishSource publishing;

private:
    // `done`: said in the status line when the job ends.
    void Start(QFuture<std::vector<ListedBook>> job, const QString& done = {});
    void Show(const std::vector<ListedBook>& books);
    void UpdateActions();
    int Selected() const;  // -1 when none
    void OnAdd();
    void OnRemove();
    void OnSync();
    void OnTrust();
    void OnPublish();
    void OnUnpublish();

    std::string folder_;
    std::string passwordCommand_;
    std::vector<ListedBook> books_;
    PublishedCalendar calendar_;  // as the last run left it
    bool published_ = false;
    bool busy_ = false;
    QFuture<void> pending_;

    QTreeWidget* list_;
    QLabel* error_;
    QLabel* calendarText_;
    QLabel* status_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* sync_;
    QPushButton* trust_;
    QPushButton* publish_;
    QPushButton* unpublish_;
};

// Adding address books: the server's address, user and password; Find lists the address books
// there, each ticked; OK adds the ticked ones and keeps the password in the keyring.
class CAddAddressBookDlg : public QDialog {
    Q_OBJECT

public:
    CAddAddressBookDlg(std::string folder, QWidget* parent = nullptr);

    int exec() override;
    // Adds the ticked address books; closes once each was added and its password kept.
    void accept() override;
    // While address books are being added, closes once they are, their password kept.
    void reject() override;

private:
    DavLogin Login() const;
    void ShowProblem(const SyncProblem& problem);
    void OnFind();
    void UpdateActions();

    std::string folder_;
    bool busy_ = false;
    bool adding_ = false;
    bool closing_ = false;
    std::string certificate_;  // trusted by the user for this server
    SyncProblem problem_;      // of the last Find or add
    std::vector<FoundAddressBook> found_;

    QLineEdit* address_;
    QLineEdit* user_;
    QLineEdit* password_;
    QPushButton* find_;
    QPushButton* trust_;
    QPushButton* ok_;
    QTreeWidget* found_list_;
    QLabel* status_;
};

// Publishing the dates to a calendar: the server's address, user and password; Publish finds
// the calendar named for the dates there, or makes it, puts every date and keeps the password.
class CPublishCalendarDlg : public QDialog {
    Q_OBJECT

public:
    // `published`: the calendar the dates are published to, whose address is then fixed.
    CPublishCalendarDlg(PublishSource source, const PublishedCalendar* published = nullptr,
                        QWidget* parent = nullptr);

    int exec() override;
    // Publishes; closes once the dates are published and the password kept.
    void accept() override;
    // While publishing, closes once it has ended, the password kept.
    void reject() override;

private:
    // A publish between its steps.
    struct Step {
        std::shared_ptr<Publishing> run;
        std::string why;  // of a step that failed
    };
    void Finish(const Step& step);
    void UpdateActions();

    PublishSource source_;
    bool busy_ = false;
    bool closing_ = false;
    std::string certificate_;  // trusted by the user for this server
    SyncProblem problem_;      // of the last try

    QLineEdit* address_;
    QLineEdit* user_;
    QLineEdit* password_;
    QPushButton* trust_;
    QPushButton* ok_;
    QLabel* status_;
};
