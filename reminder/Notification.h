// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "DueRecords.h"

// The words of a desktop notification of the due rows: the summary counts them, the body holds
// their sentences, nearest first, one per line, without the window's leading blank.
std::string NotificationSummary(std::size_t dueCount, const TextServices& text);
std::string NotificationBody(const std::vector<ReminderRow>& rows);
