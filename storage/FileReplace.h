// SPDX-License-Identifier: MIT
#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Reading and replacing whole files. A replacement is whole at every moment, old or new: the new
// text goes to a file beside it, is flushed to disk, and only then takes the old one's name.

struct FileRead {
    bool exists = false;
    bool complete = false;  // read to its end
    int error = 0;          // errno when not complete
};

// Reads a regular file piece by piece and hands each piece to `take`, which returns false to
// stop; at most `maxBytes` are handed over, a longer file is not complete (EFBIG). Never waits on
// a pipe or a device, which may never end. `followLinks` false refuses a symbolic link; a link
// whose target is missing exists but is not complete (ENOENT).
FileRead ReadPieces(const std::string& path, std::size_t maxBytes, bool followLinks,
                    const std::function<bool(std::string_view)>& take);

// Replaces `path` with `text`, keeping the file's mode, owner and group, or giving it those of
// `like`. Returns 0 or the errno of the failure, which leaves the file as it was; an owner or
// group that cannot be kept is a failure (EPERM).
int ReplaceFile(const std::string& path, const std::string& text);
int ReplaceFile(const std::string& path, const std::string& text, const struct stat& like);

// Whether the regular file `path` (`info` its stat) may be replaced by a new one: 0, the errno of
// the user's missing write permission, or EMLINK for a file with other names.
int Replaceable(const std::string& path, const struct stat& info);

// Writes `text` to `path` as `cp` and the shell's `>` do, without ever tearing a file or making
// something else into a plain file: through a symbolic link into its target; into a FIFO or a
// device as a stream; over a regular file as a whole replacement keeping its mode, owner and
// group (see ReplaceFile); as a new file where there is none. Refuses a regular file the user may
// not write (EACCES), one with other names, which a new file would split off (EMLINK), a link to
// a missing file (ENOENT) and a folder (EISDIR). Returns 0 or the errno of the failure.
int WriteInto(const std::string& path, const std::string& text);

// Whether `a` and `b` name one file, links followed: the same device and inode, or, while neither
// is there, the same name in the same folder.
bool SameFile(const std::string& a, const std::string& b);

// The new file of a replacement has no name until it is complete, where the file system allows
// it; otherwise, and for the moment between naming it and putting it in place, it is called
// `path`.ovrana-new.XXXXXX. This removes such files, which a replacement killed halfway leaves;
// only while no replacement of `path` can be running. `alsoSuffixes` names files beside `path`
// (`path` + suffix) whose leftovers go too, in the same one look at the folder.
void RemoveReplaceLeftovers(const std::string& path,
                            std::initializer_list<std::string_view> alsoSuffixes = {});
