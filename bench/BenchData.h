// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

#include "records/Dates.h"
#include "records/PersonRecord.h"

// Records for a logon run on `today`: names, next dates spread evenly over the coming year,
// warning periods of up to two months, icons, some events and e-mail addresses. In a Quiet list
// nothing is due: 3 % of the records lie inside their warning period but are silenced for the
// coming occurrence, the rest lie outside it. In a Due list 3 % are due. The same seed gives
// the same list.
enum class BenchKind { Quiet, Due };

RecordList MakeBenchRecords(std::size_t count, BenchKind kind, DayNumber today, unsigned seed = 1);

// The same list as birthday(1) reads it ("Name=DD/MM/YYYY wN", "ann" for events). It has no
// silencing, so a silenced record gets a warning period that ends before its date: it is not
// reminded there either.
std::string FormatBirthdayFile(const RecordList& records);
