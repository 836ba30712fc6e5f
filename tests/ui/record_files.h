#pragma once

// Small data files with known bytes, for the window tests.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstring>
#include <vector>

// One record of a given length, its fields written where a test wants them.
class Record {
 public:
  explicit Record(int length, char filler = '\0') : bytes_(length, filler) {}

  Record& Int32(int offset, std::int32_t value) {
    std::memcpy(bytes_.data() + offset, &value, sizeof value);  // little-endian machine
    return *this;
  }
  Record& Double(int offset, double value) {
    std::memcpy(bytes_.data() + offset, &value, sizeof value);
    return *this;
  }
  Record& Date(int offset, int day, int month, int year) {
    bytes_[offset] = static_cast<char>(day);
    bytes_[offset + 1] = static_cast<char>(month);
    bytes_[offset + 2] = static_cast<char>(year & 0xFF);
    bytes_[offset + 3] = static_cast<char>(year >> 8);
    return *this;
  }
  // A short string field: the length byte, then the characters.
  Record& Text(int offset, const QByteArray& text) {
    bytes_[offset] = static_cast<char>(text.size());
    std::memcpy(bytes_.data() + offset + 1, text.constData(), static_cast<size_t>(text.size()));
    return *this;
  }

  const QByteArray& bytes() const { return bytes_; }

 private:
  QByteArray bytes_;
};

// Kind 13, "Rejestr raportu kasowego": 131 bytes in both profiles; date at
// 4, the name segments at 8, 78 and 39 (in this order), the amount at 70.
inline constexpr int kCashLength = 131;

inline Record CashRecord(int day, int month, int year, const QByteArray& first,
                         const QByteArray& second, const QByteArray& third, double amount,
                         char filler = '\0') {
  Record record(kCashLength, filler);
  record.Date(4, day, month, year).Text(8, first).Text(78, second).Text(39, third);
  record.Double(70, amount);
  return record;
}

inline QByteArray Join(const std::vector<Record>& records, const QByteArray& tail = {}) {
  QByteArray all;
  for (const Record& record : records) all += record.bytes();
  return all + tail;
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return file.write(bytes) == bytes.size();
}

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// `count` kind 13 records numbered in their first name segment, each with
// its own filler byte so that a copy shows which records it holds.
inline std::vector<Record> NumberedCashRecords(int count) {
  std::vector<Record> records;
  for (int i = 1; i <= count; ++i) {
    records.push_back(CashRecord(1, 2, 2005, "Wpis " + QByteArray::number(i), "", "", i,
                                 static_cast<char>(0x20 + i % 90)));
  }
  return records;
}
