// SPDX-License-Identifier: MIT
#pragma once

// What `ovrana` changes in the environment of ovrana-gui when it hands a run over, and how
// ovrana-gui puts it back before it starts any program of its own.
//
// A run that shows something loads every record; 100,000 of them take some 20 MB of small
// allocations. Faulting those in 4 KB page by page costs more than reading and parsing the file
// on many machines, virtual ones above all. glibc's malloc can back its heap with transparent
// huge pages instead (the tunable glibc.malloc.hugetlb, glibc 2.35 and later); a tunable is read
// when a process starts, so `ovrana` sets it for ovrana-gui. Where glibc or the kernel does not
// offer them, nothing changes.
void AskForHugePages();

// Gives GLIBC_TUNABLES back the value it had before AskForHugePages, so that a web browser or
// mail program started from the windows gets the user's environment.
void RestoreTunables();
