#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// A plain durable rewrite of a file, as any writer of new contents must do
// it: read it, write all of it to a temporary file, fsync, rename, fsync the folder.
inline void durableRewrite(const std::filesystem::path& file) {
    std::string bytes(std::filesystem::file_size(file), '\0');
    const int in = ::open(file.c_str(), O_RDONLY);
    if (::read(in, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    ::close(in);
    const std::filesystem::path temporary = file.string() + ".bench-tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    ::fsync(fd);
    ::close(fd);
    std::filesystem::rename(temporary, file);
    const int dir = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(dir);
    ::close(dir);
}
