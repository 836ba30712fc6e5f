#include "platform/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include "platform/errors.h"
#include "platform/os_error.h"

namespace kestra {
namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

// Reads until `size` bytes are in or the file ends; returns the bytes read
// and the errno that stopped it early (0 when none did).
std::pair<std::size_t, int> ReadFully(int fd, char* buffer, std::size_t size, off_t offset) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = pread(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return {done, errno};
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return {done, 0};
}

// Writes all `size` bytes; returns the bytes written and the errno that
// stopped it (0 when all went in).  A write that makes no progress counts as
// a full disk.
std::pair<std::size_t, int> WriteFully(int fd, const char* buffer, std::size_t size, off_t offset) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = pwrite(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return {done, errno};
    }
    if (n == 0) return {done, ENOSPC};
    done += static_cast<std::size_t>(n);
  }
  return {done, 0};
}

off_t ByteOffset(std::int64_t record, std::uint32_t length) {
  if (record > std::numeric_limits<off_t>::max() / static_cast<off_t>(length)) {
    throw IoError(io_code::kNegativeSeek);
  }
  return static_cast<off_t>(record) * static_cast<off_t>(length);
}

}  // namespace

std::size_t RecordsPerBlock(std::uint32_t record_length, std::size_t target_bytes) {
  constexpr std::size_t kPage = 4096;
  const std::size_t per_page_run = kPage / std::gcd<std::size_t>(record_length, kPage);
  const std::size_t run_bytes = per_page_run * record_length;
  return std::max<std::size_t>(1, target_bytes / run_bytes) * per_page_run;
}

RecordFile::RecordFile(int fd, std::uint32_t record_length) : fd_(fd), length_(record_length) {}

RecordFile RecordFile::OpenExisting(const std::string& path, std::uint32_t record_length) {
  const int fd = path.empty() ? (errno = ENOENT, -1) : open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) ThrowErrno(errno);
  RecordFile file(fd, record_length);
  struct stat st {};
  if (fstat(fd, &st) != 0) ThrowErrno(errno);
  if ((st.st_mode & kAnyWriteBit) == 0) throw IoError(io_code::kAccessDenied);
  return file;
}

RecordFile RecordFile::CreateNew(const std::string& path, std::uint32_t record_length) {
  const int fd = path.empty() ? (errno = ENOENT, -1)
                              : open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) ThrowErrno(errno);
  return RecordFile(fd, record_length);
}

RecordFile::RecordFile(RecordFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), length_(other.length_), position_(other.position_) {}

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    length_ = other.length_;
    position_ = other.position_;
  }
  return *this;
}

RecordFile::~RecordFile() {
  if (fd_ >= 0) ::close(fd_);
}

std::int64_t RecordFile::Size() const {
  struct stat st {};
  if (fstat(fd_, &st) != 0) ThrowErrno(errno);
  return static_cast<std::int64_t>(st.st_size) / length_;
}

std::int64_t RecordFile::Position() const { return position_; }

bool RecordFile::Eof() const { return position_ >= Size(); }

void RecordFile::Seek(std::int64_t record) {
  if (fd_ < 0) throw IoError(6);
  if (record < 0) throw IoError(io_code::kNegativeSeek);
  ByteOffset(record, length_);
  position_ = record;
}

void RecordFile::Read(void* buffer) {
  if (ReadRecords(buffer, 1) != 1) throw IoError(io_code::kReadBeyondEnd);
}

void RecordFile::Write(const void* buffer) { WriteRecords(buffer, 1); }

std::size_t RecordFile::ReadRecords(void* buffer, std::size_t count) {
  if (fd_ < 0) throw IoError(6);
  const auto [got, error] =
      ReadFully(fd_, static_cast<char*>(buffer), count * length_, ByteOffset(position_, length_));
  const std::size_t whole = got / length_;
  // The whole records before a failure are delivered; the failure itself
  // comes again with the next read, at the record where it happened.
  if (error != 0 && whole == 0) ThrowErrno(error);
  position_ += static_cast<std::int64_t>(whole);
  return whole;
}

void RecordFile::WriteRecords(const void* buffer, std::size_t count) {
  if (fd_ < 0) throw IoError(6);
  const off_t offset = ByteOffset(position_, length_);
  const auto [written, error] =
      WriteFully(fd_, static_cast<const char*>(buffer), count * length_, offset);
  const std::size_t whole = written / length_;
  position_ += static_cast<std::int64_t>(whole);
  if (error != 0) {
    // Keep the output to whole records: drop the piece of the record that
    // did not fit.
    if (written % length_ != 0) {
      [[maybe_unused]] int ignored = ftruncate(fd_, ByteOffset(position_, length_));
    }
    ThrowErrno(error);
  }
}

void RecordFile::Close() {
  if (fd_ < 0) return;
  const int fd = std::exchange(fd_, -1);
  if (::close(fd) != 0 && errno != EINTR) ThrowErrno(errno);
}

}  // namespace kestra
