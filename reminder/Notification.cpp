// SPDX-License-Identifier: MIT
#include "Notification.h"

#include <algorithm>
#include <climits>

#include "text/DisplayText.h"

std::string NotificationSummary(std::size_t dueCount, const TextServices& text) {
    if (dueCount == 1) {
        return text.Translate("Notification", QT_TRANSLATE_NOOP("Notification", "1 date coming up"),
                              -1);
    }
    const int n = static_cast<int>(std::min<std::size_t>(dueCount, INT_MAX));
    return FillIn(text.Translate("Notification",
                                 QT_TRANSLATE_N_NOOP("Notification", "%n dates coming up"), n),
                  {}, n);
}

std::string NotificationBody(const std::vector<ReminderRow>& rows) {
    std::string body;
    for (const ReminderRow& row : rows) {
        std::string_view sentence = row.text;
        if (!sentence.empty() && sentence.front() == ' ') {
            sentence.remove_prefix(1);
        }
        // A line break inside a name would split its sentence in two.
        body.append(body.empty() ? "" : "\n").append(ReplaceControls(sentence));
    }
    return body;
}
