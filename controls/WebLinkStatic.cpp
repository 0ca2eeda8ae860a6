// SPDX-License-Identifier: MIT
#include "WebLinkStatic.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QUrl>

#include "DialogKit.h"

namespace {

// Starts the program without a shell and without waiting for it.
int StartDetached(const QString& program, const QStringList& arguments) {
    const QString path = program.contains('/') ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return CWebLinkStatic::kFileNotFound;
    }
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable()) {
        return CWebLinkStatic::kAccessDenied;
    }
    return QProcess::startDetached(path, arguments) ? CWebLinkStatic::kOpened
                                                    : CWebLinkStatic::kOutOfResources;
}

// Puts the address where a BROWSER entry's argument says %s; %% stands for a percent sign.
bool PlaceAddress(QString& argument, const QString& address) {
    QString result;
    bool placed = false;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument[i] == '%' && i + 1 < argument.size()) {
            if (argument[i + 1] == 's') {
                result += address;
                placed = true;
                ++i;
                continue;
            }
            if (argument[i + 1] == '%') {
                result += '%';
                ++i;
                continue;
            }
        }
        result += argument[i];
    }
    argument = result;
    return placed;
}

}  // namespace

// A screen reader reads the label as a link, with its text as name, and can press it.
class WebLinkAccessible : public QAccessibleWidget {
public:
    explicit WebLinkAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Link) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            static_cast<CWebLinkStatic*>(widget())->OnClicked();
        }
    }
};

namespace {

QAccessibleInterface* LinkAccessible(const QString& className, QObject* object) {
    return className == QLatin1String("CWebLinkStatic") && object->isWidgetType()
               ? new WebLinkAccessible(static_cast<QWidget*>(object))
               : nullptr;
}

}  // namespace

CWebLinkStatic::CWebLinkStatic(QWidget* parent) : CWebLinkStatic(QString(), parent) {}

CWebLinkStatic::CWebLinkStatic(const QString& text, QWidget* parent)
    : QLabel(text, parent),
      openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      startProcess(StartDetached),
      m_strLink(text) {
    static const bool factory = (QAccessible::installFactory(LinkAccessible), true);
    Q_UNUSED(factory);
    setFocusPolicy(Qt::StrongFocus);  // reachable without a mouse
    setTextFormat(Qt::PlainText);     // an address is never markup
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);  // clicks only count on the text
    setToolTip(m_strLink);
    SetUnderlined(true);
    UpdateColour();
    FitToText();
}

void CWebLinkStatic::SetLink(const QString& url) {
    m_strLink = url;
    if (text().isEmpty()) {
        setText(url);
    }
    setToolTip(url);
    FitToText();
}

void CWebLinkStatic::MarkVisited(bool visited) {
    m_bVisitedLink = visited;
    UpdateColour();
}

void CWebLinkStatic::SetUnderlined(bool underline) {
    QFont underlined = font();
    underlined.setUnderline(underline);
    setFont(underlined);
}

int CWebLinkStatic::OpenLink(const QString& url) {
    const QUrl address = QUrl::fromUserInput(url.trimmed());
    if (!address.isValid() || address.isRelative()) {
        return kFileNotFound;  // nothing a browser could be given
    }
    if (openUrl && openUrl(address)) {
        return kOpened;
    }
    if (!startProcess) {
        return kNoAssociation;
    }
    // The encoded address starts with its scheme, so no browser can take it for an option.
    int failure = kNoAssociation;
    for (const QStringList& command : BrowserCommands(address.toString(QUrl::FullyEncoded))) {
        const int code = startProcess(command.front(), command.mid(1));
        if (code > 32) {
            return code;
        }
        // A missing program is only worth reporting when no browser was found at all.
        if (code != kFileNotFound && failure == kNoAssociation) {
            failure = code;
        }
    }
    return failure;
}

QList<QStringList> CWebLinkStatic::BrowserCommands(const QString& address) {
    QList<QStringList> commands;
    const QStringList entries = qEnvironmentVariable("BROWSER").split(':', Qt::SkipEmptyParts);
    for (const QString& entry : entries) {
        QStringList command = QProcess::splitCommand(entry);
        if (command.isEmpty()) {
            continue;
        }
        bool placed = false;
        for (qsizetype i = 1; i < command.size(); ++i) {
            placed = PlaceAddress(command[i], address) || placed;
        }
        if (!placed) {
            command.append(address);
        }
        commands.append(command);
    }
    for (const char* program : {"x-www-browser", "sensible-browser", "xdg-open"}) {
        commands.append({QString::fromLatin1(program), address});
    }
    return commands;
}

QString CWebLinkStatic::OpenErrorText(int code) {
    QString reason;
    switch (code) {
        case 0:
            reason = tr("The operating system is out\nof memory or resources.");
            break;
        case 2:
            reason = tr("The specified file was not found.");
            break;
        case 3:
            reason = tr("The specified path was not found.");
            break;
        case 5:
            reason = tr("The operating system denied\naccess to the specified file.");
            break;
        case 8:
            reason = tr("There was not enough memory to complete the operation.");
            break;
        case 11:
            reason = tr("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
            break;
        case 26:
            reason = tr("A sharing violation occurred. ");
            break;
        case 27:
            reason = tr("The filename association is\nincomplete or invalid.");
            break;
        case 28:
            reason =
                tr("The DDE transaction could not\nbe completed because the request timed out.");
            break;
        case 29:
            reason = tr("The DDE transaction failed.");
            break;
        case 30:
            reason =
                tr("The DDE transaction could not\nbe completed because other DDE "
                   "transactions\nwere being processed.");
            break;
        case 31:
            reason = tr("There is no application associated\nwith the given filename extension.");
            break;
        case 32:
            reason = tr("The specified dynamic-link library was not found.");
            break;
        default:
            reason = tr("Unknown Error (%1) occurred.").arg(code);
            break;
    }
    return tr("Unable to open hyperlink:\n\n%1").arg(reason);
}

void CWebLinkStatic::FitToText() {
    const QSize extent = sizeHint();
    QRect area = geometry();
    const Qt::Alignment align = alignment();
    if (align & Qt::AlignVCenter) {
        const int shrink = (area.height() - extent.height()) / 2;
        area.adjust(0, shrink, 0, -shrink);
    } else {
        area.setHeight(extent.height());
    }
    if (align & Qt::AlignHCenter) {
        const int shrink = (area.width() - extent.width()) / 2;
        area.adjust(shrink, 0, -shrink, 0);
    } else if (align & Qt::AlignRight) {
        area.setLeft(area.right() - extent.width() + 1);
    } else {
        area.setWidth(extent.width());
    }
    setGeometry(area);
}

void CWebLinkStatic::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    m_bHovering = true;
    UpdateColour();
}

void CWebLinkStatic::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    m_bHovering = false;
    UpdateColour();
}

void CWebLinkStatic::mousePressEvent(QMouseEvent* event) {
    m_bPressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void CWebLinkStatic::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    // Like a button: pressed and released over the label.
    const bool click = m_bPressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_bPressed = false;
    if (click) {
        OnClicked();
    }
}

void CWebLinkStatic::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        OnClicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CWebLinkStatic::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void CWebLinkStatic::OnClicked() {
    const int code = OpenLink(GetLink());
    if (code > 32) {
        MarkVisited(true);
        return;
    }
    // A failure also forgets an earlier success; the next click starts afresh.
    MarkVisited(false);
    QApplication::beep();
    Modal::Warn(this, OpenErrorText(code));
}

void CWebLinkStatic::UpdateColour() {
    // Roles, not colours: a dark palette, or one the desktop switches to later, has its own.
    setForegroundRole(m_bVisitedLink && !m_bHovering ? QPalette::LinkVisited : QPalette::Link);
}
