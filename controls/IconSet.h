// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The record pictures: a record's icon index i shows picture i.
inline constexpr int kRecordIconCount = 17;

// Picture `index`; a null icon for an index outside 0..16, so such a row shows no picture.
QIcon RecordIcon(int index);
// What picture `index` shows, in the user's language; empty outside 0..16.
QString RecordIconName(int index);

// The program's own icon, for window captions.
QIcon AppIcon();
