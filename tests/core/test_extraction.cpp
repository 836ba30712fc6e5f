#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "extract/extraction.h"
#include "model/kinds.h"
#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace kestra {
namespace {

using test::TempDir;

constexpr int kCashKind = 13;          // 131-byte records in both profiles
constexpr std::uint32_t kCashLength = 131;

std::vector<char> Records(const std::vector<char>& file, std::int64_t from, std::int64_t to,
                          std::uint32_t length = kCashLength) {
  return {file.begin() + (from - 1) * length, file.begin() + to * length};
}

// A folder holding KASA.DAT with ten numbered kind 13 records and half a
// record after them, and a request for it as a fresh listing proposes it.
class Extraction : public ::testing::Test {
 protected:
  void SetUp() override {
    source = test::NumberedRecords(10, kCashLength, 60);
    test::WriteFile(current(), source);
    request.current_path = current();
    request.output_name = "KASA.DAT";
    request.backup_name = "KASA.ORG";
    request.kind = kCashKind;
  }
  std::string current() const { return dir.File("KASA.DAT"); }
  std::string backup() const { return dir.File("KASA.ORG"); }
  std::string output() const { return dir.File(request.output_name); }

  ExtractionOutcome Run() { return ExtractRange(request); }

  // The same source written afresh at `path` and cut to from..to.
  ExtractionOutcome RunOnCopyAt(const std::string& path, std::int32_t from, std::int32_t to) {
    test::WriteFile(path, source);
    request.current_path = path;
    request.from = from;
    request.to = to;
    return Run();
  }

  TempDir dir;
  std::vector<char> source;
  ExtractionRequest request;
};

Message Saved(const std::string& output) {
  return {"Zapisano plik\r" + output, "Informacja", 64};
}

TEST_F(Extraction, RenamesThenWritesTheRangeUnderTheOldName) {
  request.from = 3;
  request.to = 7;
  const ExtractionOutcome outcome = Run();
  ASSERT_FALSE(outcome.error) << outcome.error->what();
  EXPECT_EQ(*outcome.message, Saved(current()));
  EXPECT_EQ(test::ReadFile(backup()), source);
  EXPECT_EQ(test::ReadFile(current()), Records(source, 3, 7));
}

TEST_F(Extraction, WithoutRenameWritesANewFileBesideTheSource) {
  request.rename_first = false;
  request.output_name = "KASA_NOWA.DAT";
  request.from = 1;
  request.to = 10;
  const ExtractionOutcome outcome = Run();
  EXPECT_EQ(*outcome.message, Saved(dir.File("KASA_NOWA.DAT")));
  EXPECT_EQ(test::ReadFile(current()), source);
  // The whole file without the half record it ends with.
  EXPECT_EQ(test::ReadFile(output()), Records(source, 1, 10));
  EXPECT_FALSE(FileExists(backup()));
}

TEST_F(Extraction, RangesThatEndInSuccess) {
  struct Case {
    std::int32_t from, to;
    std::int64_t first, last;  // records expected in the output; last < first: empty
  };
  const Case cases[] = {{4, 4, 4, 4}, {10, 10, 10, 10}, {1, 10, 1, 10}, {6, 2, 1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
    TempDir fresh;
    const std::string path = fresh.File("KASA.DAT");
    const ExtractionOutcome outcome = RunOnCopyAt(path, c.from, c.to);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->flags, 64);
    const std::vector<char> expected =
        c.last < c.first ? std::vector<char>{} : Records(source, c.first, c.last);
    EXPECT_EQ(test::ReadFile(path), expected);
  }
}

TEST_F(Extraction, RangesThatEndInAnIoError) {
  struct Case {
    std::int32_t from, to;
    int code;
    std::int64_t records_written;
  };
  const Case cases[] = {
      {8, 12, 100, 3},   // runs past the last whole record
      {11, 11, 100, 0},  // starts at the half record
      {20, 30, 100, 0},  // starts past the end
      {0, 3, 131, 0},    // below the first record
      {-5, 3, 131, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
    TempDir fresh;
    const std::string path = fresh.File("KASA.DAT");
    const ExtractionOutcome outcome = RunOnCopyAt(path, c.from, c.to);
    EXPECT_FALSE(outcome.message);
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->code(), c.code);
    EXPECT_EQ(test::ReadFile(fresh.File("KASA.ORG")), source);
    const std::vector<char> written = test::ReadFile(path);
    EXPECT_EQ(written.size(), c.records_written * kCashLength);
    if (c.records_written > 0) {
      EXPECT_EQ(written, Records(source, c.from, c.from + c.records_written - 1));
    }
  }
}

TEST_F(Extraction, ExistingBackupRefusesAndChangesNothing) {
  test::WriteFile(backup(), {'o', 'l', 'd'});
  const ExtractionOutcome outcome = Run();
  EXPECT_EQ(*outcome.message,
            (Message{"Plik kopii zapasowej już istnieje !!!\r" + backup() + "\rPrzerywam operację!",
                     "Straszny Error", 48}));
  EXPECT_EQ(test::ReadFile(current()), source);
  EXPECT_EQ(test::ReadFile(backup()).size(), 3u);
}

TEST_F(Extraction, BackupNamedAsTheCurrentFileIsAnExistingBackup) {
  request.backup_name = "KASA.DAT";
  EXPECT_EQ(Run().message->text.substr(0, 22), "Plik kopii zapasowej j");
  EXPECT_EQ(test::ReadFile(current()), source);
}

Message OutputExists(const std::string& output) {
  return {"Plik wynikowy już istnieje !!!\r" + output + "\rPrzerywam operację!", "Straszny Error",
          48};
}

TEST_F(Extraction, OutputNamedAsTheCurrentFileWithoutRenameRefuses) {
  request.rename_first = false;
  EXPECT_EQ(*Run().message, OutputExists(current()));
  EXPECT_EQ(test::ReadFile(current()), source);
}

TEST_F(Extraction, ExistingOutputRefusesAfterTheRename) {
  request.output_name = "KASA.ORG";  // the backup name as the output name
  EXPECT_EQ(*Run().message, OutputExists(backup()));
  EXPECT_FALSE(FileExists(current()));
  EXPECT_EQ(test::ReadFile(backup()), source);
}

TEST_F(Extraction, RefusedRenameShowsAsAnExistingOutput) {
  request.backup_name = "BRAK/KASA.ORG";  // no such folder: the rename fails
  EXPECT_EQ(*Run().message, OutputExists(current()));
  EXPECT_EQ(test::ReadFile(current()), source);
}

TEST_F(Extraction, RefusedRenameWithAnotherOutputNameSaysFileNotFound) {
  request.backup_name = "BRAK/KASA.ORG";
  request.output_name = "NOWA.DAT";
  const ExtractionOutcome outcome = Run();
  ASSERT_TRUE(outcome.error);
  EXPECT_EQ(outcome.error->what(), std::string("File not found"));
  EXPECT_FALSE(FileExists(output()));
  EXPECT_EQ(test::ReadFile(current()), source);
}

TEST_F(Extraction, MissingSourceLeavesNoOutput) {
  request.current_path = dir.File("ZNIKL.DAT");
  request.rename_first = false;
  request.output_name = "NOWA.DAT";
  const ExtractionOutcome outcome = Run();
  ASSERT_TRUE(outcome.error);
  EXPECT_EQ(outcome.error->code(), 2);
  EXPECT_FALSE(FileExists(output()));
}

TEST_F(Extraction, ReadOnlySourceIsAccessDeniedAndLeavesNoOutput) {
  test::MakeReadOnly(current());
  request.rename_first = false;
  request.output_name = "NOWA.DAT";
  const ExtractionOutcome outcome = Run();
  ASSERT_TRUE(outcome.error);
  EXPECT_EQ(outcome.error->what(), std::string("File access denied"));
  EXPECT_FALSE(FileExists(output()));
}

TEST_F(Extraction, NoFileChosenIsRefusedBeforeAnyFileOperation) {
  for (const char* path : {"<brak>", ""}) {
    request.current_path = path;
    const ExtractionOutcome outcome = Run();
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->title, "Straszny Error");
    EXPECT_EQ(outcome.message->flags, 48);
    EXPECT_NE(outcome.message->text.find("Nie wybrano"), std::string::npos);
  }
  EXPECT_EQ(test::ReadFile(current()), source);
  EXPECT_FALSE(FileExists(backup()));
}

TEST_F(Extraction, FullDiskEndsWithDiskFullAfterTheWholeRecordsThatFit) {
  request.from = 1;
  request.to = 10;
  const pid_t pid = fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlim_t limit = 4 * kCashLength + 50;
    rlimit rl{limit, limit};
    setrlimit(RLIMIT_FSIZE, &rl);
    const ExtractionOutcome outcome = Run();
    _exit(outcome.error ? outcome.error->code() : 0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 101);
  EXPECT_EQ(test::ReadFile(current()), Records(source, 1, 4));
}

TEST_F(Extraction, RecordLengthIsTheSelectedKindsInTheProfile) {
  // Kind 0 records are 5042 bytes in profile A and 5962 in profile B.
  const std::vector<char> big = test::NumberedRecords(3, 5962 * 2);
  for (const Profile profile : {Profile::A, Profile::B}) {
    TempDir fresh;
    test::WriteFile(fresh.File("FAKT03.DAT"), big);
    request.current_path = fresh.File("FAKT03.DAT");
    request.output_name = "FAKT03.DAT";
    request.backup_name = "FAKT03.ORG";
    request.kind = 0;
    request.profile = profile;
    request.from = 2;
    request.to = 3;
    ASSERT_EQ(Run().message->flags, 64);
    const std::uint32_t length = RecordLength(profile, 0);
    EXPECT_EQ(test::ReadFile(fresh.File("FAKT03.DAT")), Records(big, 2, 3, length));
  }
}

}  // namespace
}  // namespace kestra
