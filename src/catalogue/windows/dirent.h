#pragma once

// opendir, readdir and closedir over the find-file functions, for the one
// platform that lacks them.
namespace embedgen {

struct dirent {
  char d_name[261];  // the entry last handed out: up to 260 characters and a NUL
};

struct DIR;

// Null when the folder cannot be listed, with errno set.
DIR* opendir(const char* path);

// The next entry, or null at the end (errno set when the listing failed).
// The entry is overwritten by the next call.
dirent* readdir(DIR* dir);

int closedir(DIR* dir);

}  // namespace embedgen
