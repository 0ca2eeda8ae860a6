// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>
#include <functional>

class QUrl;

// A label that works as a web link: the palette's link colours, a pointing hand, the address as
// tooltip, and a click (or Return or Space while it has the focus) opens the address in the
// user's browser. When the desktop cannot open it, the
// user's browser command is tried; when that fails too, a message box says why.
class CWebLinkStatic : public QLabel {
    Q_OBJECT

public:
    // Result codes of OpenLink: above 32 means opened, the rest are the error box's codes.
    static constexpr int kOpened = 33;
    static constexpr int kOutOfResources = 0;
    static constexpr int kFileNotFound = 2;
    static constexpr int kAccessDenied = 5;
    static constexpr int kNoAssociation = 31;

    // The text shown doubles as the address until SetLink gives another one.
    explicit CWebLinkStatic(QWidget* parent = nullptr);
    explicit CWebLinkStatic(const QString& text, QWidget* parent = nullptr);

    // Stores the address and shows it in the tooltip; an empty label shows the address.
    void SetLink(const QString& url);
    // The address a click opens: the text shown while no address was set.
    QString GetLink() const { return m_strLink.isEmpty() ? text() : m_strLink; }

    void SetUnderlined(bool underline);

    // Seams, so tests start no browser. Hands the address to the desktop; true when opened.
    std::function<bool(const QUrl& url)> openUrl;
    // Starts a program with an argument list and no shell; returns kOpened or an error code.
    std::function<int(const QString& program, const QStringList& arguments)> startProcess;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class WebLinkAccessible;
    void OnClicked();
    void MarkVisited(bool visited);
    // Opens `url`: first through the desktop, then through the user's browser commands.
    // Returns kOpened or the code of the failure.
    int OpenLink(const QString& url);
    static QString OpenErrorText(int code);  // the error box's whole text
    // Resizes the label to its text, keeping its centre or right edge as aligned.
    void FitToText();
    // The browser commands tried after the desktop, in order: each program with its
    // arguments, the address already in place. Reads BROWSER (a colon-separated list in which
    // %s stands for the address), then x-www-browser, sensible-browser and xdg-open.
    static QList<QStringList> BrowserCommands(const QString& address);

    void UpdateColour();

    bool m_bHovering = false;
    bool m_bVisitedLink = false;
    bool m_bPressed = false;
    QString m_strLink;
};
