#pragma once

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

// A plain durable rewrite of a file, as any writer of new contents must do
// it: copy all of it to a temporary file (in the kernel, not through this
// process's memory), fsync, rename, fsync the folder. Only the C library is
// used, so that the program made of it starts as fast as a process can.
inline void durableRewrite(const char* file) {
    char temporary[4096];
    char folder[4096];
    if (snprintf(temporary, sizeof temporary, "%s.bench-tmp", file) >= int(sizeof temporary))
        abort();
    snprintf(folder, sizeof folder, "%s", file);
    char* slash = strrchr(folder, '/');
    if (slash) *slash = '\0';
    else snprintf(folder, sizeof folder, ".");
    const int in = open(file, O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (in < 0 || fstat(in, &st) != 0) abort();
    const int out = open(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) abort();
    for (off_t left = st.st_size; left > 0;) {
        const ssize_t n = copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(left), 0);
        if (n <= 0) abort();
        left -= n;
    }
    close(in);
    if (fsync(out) != 0) abort();
    close(out);
    if (rename(temporary, file) != 0) abort();
    const int dir = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    fsync(dir);
    close(dir);
}
