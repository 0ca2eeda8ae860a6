// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <string>

// Replacing a file so that at every moment it is whole, old or new: the new text goes to a file
// beside it, is flushed to disk, and only then takes the old one's name.

// The mode a replacement of `path` gets: the file's own, or the usual one for a new file.
mode_t NewFileMode(const std::string& path);

// Writes `text` to a new file beside `target` and flushes it to disk; its name goes to `temp`.
// Returns 0 or the errno of the failure, after which no new file is left.
int WriteBeside(const std::string& target, const std::string& text, mode_t mode, std::string& temp);

// Makes the renames in the file's folder last through a power cut.
void SyncFolder(const std::string& file);

// Replaces `path` with `text`, keeping the file's mode. Returns 0 or the errno of the failure,
// which leaves the file as it was.
int ReplaceFile(const std::string& path, const std::string& text);
