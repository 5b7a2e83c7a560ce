#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// An open ROM file, closed by the destructor on every path.
class RomFile
{
public:
    enum class Sharing {
        Exclusive, // no other open of the file succeeds while this handle lives
        Shared,    // other programs may read and write meanwhile
    };

    // Opens an existing file for reading and writing; never creates one.
    // Returns an invalid handle on failure, with the reason in error().
    RomFile(const std::string& path, Sharing sharing);
    ~RomFile();
    RomFile(const RomFile&) = delete;
    RomFile& operator=(const RomFile&) = delete;

    bool isOpen() const { return mFd >= 0; }
    // errno of the failed open, or of the last failed operation.
    int error() const { return mErrno; }

    // Reads up to count bytes at offset; returns how many were read, or -1 on
    // an error.
    std::ptrdiff_t readAt(std::int64_t offset, void* buffer, std::size_t count);
    // Writes all count bytes at offset; false on any error or short write.
    bool writeAt(std::int64_t offset, const void* buffer, std::size_t count);
    // File length in bytes, or -1 on an error.
    std::int64_t size();

    // Opens tried by every RomFile of the process so far, failed ones
    // included. Read by the benchmarks to count the file opens of an
    // operation; costs one increment per open.
    static std::uint64_t OpenCount();

private:
    int mFd = -1;
    int mErrno = 0;
};
