// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/benchsupport.h"

#include "core/detection.h"
#include "core/imagesession.h"
#include "core/supportfiles.h"
#include "core/romaccess.h"
#include "tests/support/testfiles.h"
#include "editors/editorlist.h"
#include "core/syntheticimage.h"
#include "ui/filenames.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::unique_ptr<TempDir> gDir;
QtMessageHandler gPreviousHandler = nullptr;
std::map<std::string, std::string> gEditorImages;
std::map<std::size_t, std::string> gChecksumImages;

constexpr std::size_t kEditorImageSize = 4 << 20;

const char* serialOf(const std::string& gameCode)
{
    if (gameCode == "p1")
        return kSerialP1;
    if (gameCode == "p2")
        return kSerialP2;
    throw std::runtime_error("no benchmark image for " + gameCode);
}

[[noreturn]] void fail(const std::string& what, const std::string& path)
{
    throw std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

// Opens path with the lock of a RomFile of that access: for reading with a
// shared lock, for reading and writing with an exclusive one.
int openLocked(const std::string& path, bool write)
{
    const int fd = ::open(path.c_str(), (write ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0)
        fail("open", path);
    if (::flock(fd, (write ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        ::close(fd);
        fail("flock", path);
    }
    return fd;
}

// Reads size bytes at offset of fd; false on a short read.
bool readAt(int fd, std::int64_t offset, int size)
{
    // The largest value read at once is the header serial.
    unsigned char bytes[64];
    if (size < 0 || static_cast<std::size_t>(size) > sizeof bytes)
        throw std::runtime_error("no bare read of " + std::to_string(size) + " bytes");
    const ssize_t got = ::pread(fd, bytes, static_cast<std::size_t>(size), offset);
    benchmark::DoNotOptimize(bytes);
    return got == size;
}

} // namespace

void FilterPlatformNoise()
{
    gPreviousHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                                                 const QString& message) {
        if (message.contains(QLatin1String("propagateSizeHints")))
            return;
        if (gPreviousHandler)
            gPreviousHandler(type, context, message);
    });
}

void InitBenchFiles()
{
    gDir = std::make_unique<TempDir>();
}

const std::string& EditorImage(const std::string& gameCode)
{
    auto found = gEditorImages.find(gameCode);
    if (found != gEditorImages.end())
        return found->second;
    SyntheticImage image(kEditorImageSize, 0x00);
    for (std::size_t i = 0x200; i < kEditorImageSize; i += 0x100)
        image.byte(i, static_cast<std::uint8_t>(i >> 8));
    image.text(0x100, "SEGA MEGA DRIVE").serial(serialOf(gameCode));
    for (const EditorInfo& editor : Editors())
        FillEditorSamples(editor.id, image, gameCode);
    image.validChecksum();
    const std::string path = gDir->file("editor-" + gameCode + ".bin");
    image.save(path);
    return gEditorImages.emplace(gameCode, path).first->second;
}

const std::string& ChecksumImage(std::size_t size)
{
    auto found = gChecksumImages.find(size);
    if (found != gChecksumImages.end())
        return found->second;
    SyntheticImage image(size);
    std::mt19937 random(static_cast<std::uint32_t>(size));
    for (std::size_t i = 0x200; i < size; ++i)
        image.byte(i, static_cast<std::uint8_t>(random()));
    image.text(0x100, "SEGA MEGA DRIVE").serial(kSerialP2);
    const std::string path = gDir->file("checksum-" + std::to_string(size) + ".bin");
    image.save(path);
    return gChecksumImages.emplace(size, path).first->second;
}

namespace {

std::unique_ptr<ImageSession> gSession;

} // namespace

void SelectBenchRom(const std::string& path)
{
    gSession = std::make_unique<ImageSession>(path, DetectGame(path));
    gSession->setFixChecksum(true);
    gSession->setBackUp(false);
    SetSupportBase(CorePath(QCoreApplication::applicationDirPath()) + "/");
}

ImageSession& BenchSession()
{
    if (!gSession)
        throw std::runtime_error("no image selected");
    return *gSession;
}

MainWindow*& BenchMainWindow()
{
    static MainWindow* window = nullptr;
    return window;
}

void BenchNotices::showMessage(const QString& text)
{
    ++messages;
    lastMessage = text;
}

void BenchNotices::reportError(const QString& text)
{
    errors << text;
}

BenchNotices& RunNotices()
{
    static BenchNotices notices;
    return notices;
}

bool SkipOnErrorReport(benchmark::State& state)
{
    BenchNotices& notices = RunNotices();
    if (notices.errors.isEmpty())
        return false;
    state.SkipWithError(notices.errors.first().toStdString().c_str());
    notices.errors.clear();
    return true;
}

void RunBareOps(const std::vector<BareOp>& ops)
{
    for (const BareOp& op : ops) {
        switch (op.kind) {
        case BareOp::Kind::ReadValue: {
            const int fd = openLocked(op.path, false);
            const bool read = readAt(fd, op.offset, op.size);
            ::close(fd);
            if (!read)
                fail("read", op.path);
            break;
        }
        case BareOp::Kind::ReadValues: {
            const int fd = openLocked(op.path, false);
            struct stat st {};
            bool read = ::fstat(fd, &st) == 0;
            benchmark::DoNotOptimize(st.st_size);
            for (std::size_t i = 0; read && i < op.reads.size(); ++i)
                read = readAt(fd, op.reads[i].offset, op.reads[i].size);
            ::close(fd);
            if (!read)
                fail("read", op.path);
            break;
        }
        case BareOp::Kind::WriteValue: {
            const int fd = openLocked(op.path, true);
            const std::vector<unsigned char> bytes(static_cast<std::size_t>(op.size));
            const ssize_t put = ::pwrite(fd, bytes.data(), bytes.size(), op.offset);
            ::close(fd);
            if (put != op.size)
                fail("write", op.path);
            break;
        }
        case BareOp::Kind::ReadFile: {
            const int fd = ::open(op.path.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                fail("open", op.path);
            char buffer[4096];
            ssize_t got = 0;
            while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
                benchmark::DoNotOptimize(buffer);
            ::close(fd);
            if (got < 0)
                fail("read", op.path);
            break;
        }
        case BareOp::Kind::ProbeWritable: {
            const int fd = ::open(op.path.c_str(), O_RDWR | O_CLOEXEC);
            if (fd < 0)
                fail("open", op.path);
            ::close(fd);
            break;
        }
        }
    }
}

std::size_t ValueOpCount(const std::vector<BareOp>& ops)
{
    std::size_t count = 0;
    for (const BareOp& op : ops)
        count += op.kind != BareOp::Kind::ReadFile && op.kind != BareOp::Kind::ProbeWritable ? 1 : 0;
    return count;
}
