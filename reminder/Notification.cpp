// SPDX-License-Identifier: MIT
#include "Notification.h"

#include "model/DisplayText.h"

std::string NotificationSummary(std::size_t dueCount) {
    return std::to_string(dueCount) + (dueCount == 1 ? " date coming up" : " dates coming up");
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
