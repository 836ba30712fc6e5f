#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kestra {

// A file of fixed-length records, opened for reading and writing and shared
// with other readers and writers.  Position and size count whole records
// (64-bit: files over 4 GiB work); bytes after the last whole record belong
// to no record.  Every failure throws IoError.  The destructor closes a file
// that is still open without reporting anything; Close() reports.
// How many records to move in one read or write of about `target_bytes`:
// a whole number of records that is also a whole number of 4 KiB pages, so
// that every block after the first starts on a page boundary.
std::size_t RecordsPerBlock(std::uint32_t record_length, std::size_t target_bytes);

class RecordFile {
 public:
  // An existing file.  A file without any write permission bit counts as
  // read-only and is refused with "File access denied", as it is for every
  // user (root included).
  static RecordFile OpenExisting(const std::string& path, std::uint32_t record_length);
  // A new file; never truncates one that exists (IoError io_code::kFileExists).
  static RecordFile CreateNew(const std::string& path, std::uint32_t record_length);

  RecordFile(RecordFile&& other) noexcept;
  RecordFile& operator=(RecordFile&& other) noexcept;
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;
  ~RecordFile();

  std::uint32_t record_length() const { return length_; }
  bool is_open() const { return fd_ >= 0; }

  std::int64_t Size() const;      // whole records in the file now
  std::int64_t Position() const;  // record number of the next read or write, from 0
  bool Eof() const;               // Position() >= Size()
  void Seek(std::int64_t record);  // a negative record fails, a record past the end does not

  // Exactly one record; a short read is "Read beyond end of file".
  void Read(void* buffer);
  void Write(const void* buffer);

  // Up to `count` whole records, fewer only at the end of the file; returns
  // how many were read.  The position advances past them.
  std::size_t ReadRecords(void* buffer, std::size_t count);
  // Exactly `count` records; a write that cannot be completed throws after
  // the whole records that did fit are in the file.
  void WriteRecords(const void* buffer, std::size_t count);

  void Close();

 private:
  RecordFile(int fd, std::uint32_t record_length);
  int fd_ = -1;
  std::uint32_t length_ = 0;
  std::int64_t position_ = 0;
};

}  // namespace kestra
