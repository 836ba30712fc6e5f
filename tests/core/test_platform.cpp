#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "platform/errors.h"
#include "platform/file_system.h"
#include "platform/path.h"
#include "platform/record_file.h"
#include "support/temp_dir.h"

namespace kestra {
namespace {

using test::TempDir;

struct PathCase {
  const char* path;
  const char* folder;
  const char* name;
  const char* ext;
};

TEST(PathParts, SplitsOnBackslashColonAndSlash) {
  const PathCase cases[] = {
      {"C:\\DANE\\FAKT03.DAT", "C:\\DANE\\", "FAKT03.DAT", ".DAT"},
      {"C:FAKT03.DAT", "C:", "FAKT03.DAT", ".DAT"},
      {"/home/ksiegowa/dane/KASA", "/home/ksiegowa/dane/", "KASA", ""},
      {"/dane.2003/KASA", "/dane.2003/", "KASA", ""},
      {"FAKT.2003.DAT", "", "FAKT.2003.DAT", ".DAT"},
      {"<brak>", "", "<brak>", ""},
      {"", "", "", ""},
      {"/dane/", "/dane/", "", ""},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(ExtractFilePath(c.path), c.folder);
    EXPECT_EQ(ExtractFileName(c.path), c.name);
    EXPECT_EQ(ExtractFileExt(c.path), c.ext);
  }
}

TEST(Errors, TextsAndFullStopRule) {
  EXPECT_EQ(IoError(2).what(), std::string("File not found"));
  EXPECT_EQ(IoError(5).what(), std::string("File access denied"));
  EXPECT_EQ(IoError(100).what(), std::string("Read beyond end of file"));
  EXPECT_EQ(IoError(101).what(), std::string("Disk full"));
  EXPECT_EQ(IoError(131).what(), std::string("I/O error 131"));
  EXPECT_EQ(InvalidFloatOperation().what(), std::string("Invalid floating point operation"));

  EXPECT_EQ(ErrorReportText("File not found"), "File not found.");
  EXPECT_EQ(ErrorReportText("I/O error 131"), "I/O error 131.");
  EXPECT_EQ(ErrorReportText("Koniec."), "Koniec.");
  EXPECT_EQ(ErrorReportText("Koniec!"), "Koniec!");    // '!' is below '.'
  EXPECT_EQ(ErrorReportText("Koniec-"), "Koniec-");    // so is '-'
  EXPECT_EQ(ErrorReportText("Koniec/"), "Koniec/.");  // '/' is above
  EXPECT_EQ(ErrorReportText("Błąd ą"), "Błąd ą.");
  EXPECT_EQ(ErrorReportText(""), "");
}

TEST(FileSystem, ExistsSizeAndRenameNeverReplaces) {
  TempDir dir;
  const std::string a = dir.File("FAKT03.DAT");
  const std::string b = dir.File("FAKT03.ORG");
  test::WriteFile(a, {'a', 'b', 'c'});
  std::filesystem::create_directory(dir.File("FOLDER"));

  EXPECT_TRUE(FileExists(a));
  EXPECT_FALSE(FileExists(b));
  EXPECT_FALSE(FileExists(dir.File("FOLDER")));
  EXPECT_FALSE(FileExists(""));
  EXPECT_EQ(FileSizeByName(a), 3);
  EXPECT_EQ(FileSizeByName(b), -1);
  EXPECT_EQ(FileSizeByName(dir.File("FOLDER")), 0);

  test::WriteFile(b, {'x'});
  EXPECT_FALSE(RenameFile(a, b));
  EXPECT_EQ(test::ReadFile(a).size(), 3u);
  EXPECT_EQ(test::ReadFile(b).size(), 1u);

  EXPECT_TRUE(RenameFile(a, dir.File("NOWA.ORG")));
  EXPECT_FALSE(FileExists(a));
  EXPECT_EQ(test::ReadFile(dir.File("NOWA.ORG")).size(), 3u);
  EXPECT_FALSE(RenameFile(a, dir.File("X")));
  EXPECT_FALSE(RenameFile(dir.File("NOWA.ORG"), dir.File("BRAK/X")));
}

int OpenErrorCode(const std::string& path) {
  try {
    RecordFile::OpenExisting(path, 10);
  } catch (const IoError& e) {
    return e.code();
  }
  return 0;
}

TEST(RecordFile, OpenFailuresCarryTheirCodes) {
  TempDir dir;
  const std::string readonly = dir.File("RO.DAT");
  test::WriteFile(readonly, std::vector<char>(20));
  test::MakeReadOnly(readonly);
  std::filesystem::create_directory(dir.File("FOLDER"));

  EXPECT_EQ(OpenErrorCode(dir.File("BRAK.DAT")), 2);
  EXPECT_EQ(OpenErrorCode(""), 2);
  EXPECT_EQ(OpenErrorCode(readonly), 5);  // for root as well
  EXPECT_EQ(OpenErrorCode(dir.File("FOLDER")), 5);
  EXPECT_EQ(OpenErrorCode(dir.File("BRAK/X.DAT")), 2);
  EXPECT_EQ(OpenErrorCode(readonly + "/X.DAT"), 3);  // a file used as a folder
}

TEST(RecordFile, CreateNewNeverTruncates) {
  TempDir dir;
  const std::string path = dir.File("OUT.DAT");
  test::WriteFile(path, std::vector<char>(7, 'x'));
  try {
    RecordFile::CreateNew(path, 10);
    FAIL() << "an existing file was opened for creation";
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), io_code::kFileExists);
  }
  EXPECT_EQ(test::ReadFile(path).size(), 7u);
}

TEST(RecordFile, CountsWholeRecordsAndReadsExactlyOne) {
  TempDir dir;
  const std::string path = dir.File("K.DAT");
  test::WriteFile(path, test::NumberedRecords(2, 10, 5));  // 2.5 records
  RecordFile file = RecordFile::OpenExisting(path, 10);
  EXPECT_EQ(file.Size(), 2);
  std::vector<char> record(10);
  file.Seek(1);
  EXPECT_FALSE(file.Eof());
  file.Read(record.data());
  EXPECT_EQ(record[0], static_cast<char>(2 * 31));
  EXPECT_TRUE(file.Eof());
  try {
    file.Read(record.data());  // only the half record is left
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), io_code::kReadBeyondEnd);
  }
  file.Seek(50);  // past the end is accepted
  EXPECT_THROW(file.Read(record.data()), IoError);
  try {
    file.Seek(-1);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(e.what(), std::string("I/O error 131"));
  }
  file.Close();
}

TEST(RecordFile, BlockReadStopsAtTheLastWholeRecord) {
  TempDir dir;
  const std::string path = dir.File("K.DAT");
  test::WriteFile(path, test::NumberedRecords(3, 10, 9));
  RecordFile file = RecordFile::OpenExisting(path, 10);
  std::vector<char> block(50);
  file.Seek(1);
  EXPECT_EQ(file.ReadRecords(block.data(), 5), 2u);
  EXPECT_EQ(file.Position(), 3);
  EXPECT_EQ(block[10], static_cast<char>(3 * 31));
}

TEST(RecordFile, PositionsBeyondFourGibibytes) {
  TempDir dir;
  const std::string path = dir.File("BIG.DAT");
  constexpr std::uint32_t kLength = 10240;
  constexpr std::int64_t kRecord = (std::int64_t{5} << 30) / kLength;  // about 5 GiB in
  {
    RecordFile file = RecordFile::CreateNew(path, kLength);
    file.Seek(kRecord);
    std::vector<char> record(kLength, 'Z');
    file.Write(record.data());
    file.Close();
  }
  RecordFile file = RecordFile::OpenExisting(path, kLength);
  EXPECT_EQ(file.Size(), kRecord + 1);
  file.Seek(kRecord);
  std::vector<char> record(kLength);
  file.Read(record.data());
  EXPECT_EQ(record.front(), 'Z');
  EXPECT_EQ(record.back(), 'Z');
}

// Runs `body` in a child process whose files may not grow past `limit`
// bytes, the way a full disk stops them; returns the child's exit code.
template <typename Body>
int WithFileSizeLimit(rlim_t limit, Body body) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit rl{limit, limit};
    setrlimit(RLIMIT_FSIZE, &rl);
    _exit(body());
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(RecordFile, FullDiskKeepsWholeRecordsAndSaysDiskFull) {
  TempDir dir;
  const std::string path = dir.File("OUT.DAT");
  const int code = WithFileSizeLimit(1000, [&] {
    try {
      RecordFile file = RecordFile::CreateNew(path, 300);
      const std::vector<char> records = test::NumberedRecords(5, 300);
      file.WriteRecords(records.data(), 5);
    } catch (const IoError& e) {
      return e.code();
    }
    return 0;
  });
  EXPECT_EQ(code, io_code::kDiskFull);
  EXPECT_EQ(test::ReadFile(path).size(), 900u);
}

}  // namespace
}  // namespace kestra

namespace kestra {
namespace {

TEST(RecordFile, BlocksAreWholeRecordsAndWholePages) {
  for (const std::uint32_t length : {131u, 300u, 473u, 4096u, 5042u, 10240u, 9440u}) {
    const std::size_t records = RecordsPerBlock(length, 1u << 20);
    EXPECT_GE(records, 1u) << length;
    EXPECT_EQ(records * length % 4096, 0u) << length;
    EXPECT_LE(records * length, std::max<std::size_t>(1u << 20, 4096u * length)) << length;
  }
}

}  // namespace
}  // namespace kestra
