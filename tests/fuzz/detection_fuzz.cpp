// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Game detection over arbitrary files. The input describes a sparse file:
// the first four bytes give its size (up to 5 MiB, so that the lock-on
// cartridge's second header is reachable), the next 0x200 bytes its start,
// and the rest lands at the second header at 0x200180.

#include "core/detection.h"
#include "core/korvaneerror.h"
#include "tests/fuzz/fuzzcheck.h"

#include <algorithm>
#include <cstdint>
#include <fcntl.h>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const std::uint32_t fileSize =
        (static_cast<std::uint32_t>(data[0]) << 24 | data[1] << 16 | data[2] << 8 | data[3]) % (5u << 20);
    data += 4;
    size -= 4;

    static const std::string path = "/tmp/korvane-fuzz-rom-" + std::to_string(::getpid()) + ".bin";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return 0;
    const std::size_t head = std::min<std::size_t>(size, 0x200);
    bool ok = ::ftruncate(fd, fileSize) == 0;
    if (head > 0)
        ok = ok && ::pwrite(fd, data, std::min<std::size_t>(head, fileSize), 0) >= 0;
    if (size > head && fileSize > 0x200180)
        ok = ok && ::pwrite(fd, data + head, std::min<std::size_t>(size - head, fileSize - 0x200180), 0x200180) >= 0;
    ::close(fd);
    if (!ok)
        return 0;

    try {
        const Detection d = DetectGame(path);
        FUZZ_CHECK(d.game != nullptr);
        FUZZ_CHECK(d.serial.size() == 14);
        FUZZ_CHECK(d.romSize == fileSize);
        FUZZ_CHECK(&GameByCode(d.game->code) == d.game);
        // Only a file of at least the vectors and the header can be detected.
        FUZZ_CHECK(fileSize >= kMinImageSize);
    } catch (const KorvaneError& e) {
        FUZZ_CHECK(std::string(e.what()) == "Stream read error"
                   || (fileSize < kMinImageSize && std::string(e.what()) == TooShortMessage(path, fileSize)));
    }
    return 0;
}
