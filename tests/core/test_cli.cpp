#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "cli_text.h"
#include "model/kinds.h"
#include "support/temp_dir.h"

namespace kestra {
namespace {

using test::TempDir;

struct CliRun {
  int exit_code;
  std::string out;
  std::string err;
};

std::string Quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

CliRun Cli(const std::vector<std::string>& args) {
  TempDir io;
  std::string command = KESTRA_CLI_PATH;
  for (const std::string& arg : args) command += " " + Quoted(arg);
  command += " >" + io.File("out") + " 2>" + io.File("err") + " </dev/null";
  const int status = std::system(command.c_str());
  return {WEXITSTATUS(status), Slurp(io.File("out")), Slurp(io.File("err"))};
}

TEST(Cli, BadArgumentsExitWith64) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"bogus"},
      {"kinds"},
      {"kinds", "--profile", "pro"},
      {"extract", "--profile", "std", "--kind", "0", "--from", "1", "--to", "2"},
      {"extract", "--profile", "std", "--kind", "16", "--from", "1", "--to", "2", "F"},
      {"extract", "--profile", "std", "--kind", "x", "--from", "1", "--to", "2", "F"},
      {"extract", "--profile", "std", "--kind", "0", "--from", "abc", "--to", "2", "F"},
      {"extract", "--profile", "std", "--kind", "0", "--from", "1", "--to", "2.5", "F"},
      {"extract", "--profile", "std", "--kind", "0", "--from", "1", "--to", "99999999999", "F"},
      {"extract", "--profile", "std", "--kind", "0", "--from", "1", "--to", "2", "--no-rename",
       "--backup", "B", "F"},
      {"extract", "--profile", "std", "--kind", "0", "--from", "1", "--to", "2", "F", "G"},
      {"list", "--profile", "ue", "--kind", "0", "--codepage", "latin2", "F"},
      {"list", "--profile", "ue", "--kind", "0", "--date-sep", "--", "F"},
      {"list", "--profile", "ue", "--kind", "0", "--from", "1", "F"},
  };
  for (const auto& args : cases) {
    const CliRun run = Cli(args);
    std::string joined;
    for (const auto& a : args) joined += a + " ";
    EXPECT_EQ(run.exit_code, 64) << joined;
    EXPECT_NE(run.err.find("kestra_cli: "), std::string::npos) << joined;
    EXPECT_TRUE(run.out.empty()) << joined;
  }
}

TEST(Cli, HelpAndKinds) {
  const CliRun help = Cli({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.out.find("kestra_cli extract"), std::string::npos);

  const CliRun kinds = Cli({"kinds", "--profile", "ue"});
  EXPECT_EQ(kinds.exit_code, 0);
  std::istringstream lines(kinds.out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) {
    if (count == 0) {
      EXPECT_EQ(line, "0\tDokumenty sprzedaży\t5962\tSprzedaż|Fakt*.*;Para*.*;Rach*.*;FVWE*.*;WDT*.*");
    }
    if (count == 12) {
      EXPECT_EQ(line, "12\tOperacje bankowe\t459\t");
    }
    ++count;
  }
  EXPECT_EQ(count, kKindCount);
}

std::string Dd(const std::string& file, std::uint32_t length, int from, int to,
               const std::string& out) {
  const std::string command = "dd if=" + Quoted(file) + " of=" + Quoted(out) +
                              " bs=" + std::to_string(length) + " skip=" +
                              std::to_string(from - 1) + " count=" + std::to_string(to - from + 1) +
                              " status=none";
  EXPECT_EQ(std::system(command.c_str()), 0);
  return Slurp(out);
}

TEST(Cli, ExtractMatchesDdInBothProfiles) {
  struct Case {
    int kind;
    int from, to;
  };
  const Case cases[] = {{13, 1, 40}, {13, 17, 17}, {13, 5, 33}, {0, 2, 4}, {9, 1, 5}, {15, 3, 6}};
  for (const Profile profile : {Profile::A, Profile::B}) {
    for (const Case& c : cases) {
      const std::uint32_t length = RecordLength(profile, c.kind);
      SCOPED_TRACE(testing::Message() << "kind " << c.kind << " length " << length << " "
                                      << c.from << ".." << c.to);
      TempDir dir;
      const std::string file = dir.File("DANE.DAT");
      test::WriteFile(file, test::NumberedRecords(40, length, 17));
      const std::string expected = Dd(file, length, c.from, c.to, dir.File("dd.out"));
      const CliRun run = Cli({"extract", "--profile", std::string(ProfileName(profile)), "--kind",
                           std::to_string(c.kind), "--from", std::to_string(c.from), "--to",
                           std::to_string(c.to), file});
      EXPECT_EQ(run.exit_code, 0) << run.err;
      EXPECT_EQ(run.out, "Zapisano plik\n" + file + "\n");
      EXPECT_EQ(Slurp(file), expected);
      EXPECT_EQ(Slurp(dir.File("DANE.ORG")).size(), 40 * length + 17);
    }
  }
}

TEST(Cli, ExtractRefusalsAndErrors) {
  TempDir dir;
  const std::string file = dir.File("KASA.DAT");
  test::WriteFile(file, test::NumberedRecords(5, 131));
  const std::vector<std::string> base = {"extract", "--profile", "std", "--kind", "13"};
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> args = base;
    args.insert(args.end(), more.begin(), more.end());
    return Cli(args);
  };

  const CliRun exists = with({"--from", "1", "--to", "2", "--no-rename", file});
  EXPECT_EQ(exists.exit_code, 1);
  EXPECT_EQ(exists.err, "Plik wynikowy już istnieje !!!\n" + file + "\nPrzerywam operację!\n");
  EXPECT_TRUE(exists.out.empty());

  const CliRun beyond =
      with({"--from", "4", "--to", "9", "--no-rename", "--output", "NOWA.DAT", file});
  EXPECT_EQ(beyond.exit_code, 2);
  EXPECT_EQ(beyond.err, "Read beyond end of file.\n");
  EXPECT_EQ(Slurp(dir.File("NOWA.DAT")).size(), 2u * 131);

  const CliRun backup = with({"--from", "1", "--to", "1", "--backup", "NOWA.DAT", file});
  EXPECT_EQ(backup.exit_code, 1);
  EXPECT_EQ(backup.err.substr(0, 38), "Plik kopii zapasowej już istnieje !!!");

  const CliRun missing = with({"--from", "1", "--to", "1", dir.File("BRAK.DAT")});
  EXPECT_EQ(missing.exit_code, 2);
  EXPECT_EQ(missing.err, "File not found.\n");
}

TEST(CliText, DecodesWindows1250AndEscapesControls) {
  std::string out;
  cli::AppendEscapedCell("a\tb\\c\x81\xB9\xA5\x9C\xFF\x01\r\n\x1F", out);
  EXPECT_EQ(out, "a\\tb\\\\c\u0081ąĄś˙\\x01\\r\\n\\x1F");
  out.clear();
  cli::AppendEscapedCell("\x83\x88\x90\x98\x80", out);
  EXPECT_EQ(out, "\u0083\u0088\u0090\u0098€");
  EXPECT_EQ(cli::TerminalLines("a\rb\r"), "a\nb\n");
}

TEST(Cli, ListPrintsOneLinePerRecord) {
  TempDir dir;
  // Kind 4, profile A: number int32 at 0, names at 5 and 37, date at 453.
  std::vector<char> bytes(2 * 473 + 100, 0);
  for (int n = 0; n < 2; ++n) {
    char* r = bytes.data() + n * 473;
    const std::int32_t number = -7 + n;
    std::memcpy(r, &number, 4);
    r[5] = 4;
    std::memcpy(r + 6, "\xA5GD\t", 4);  // ą in CP852, then a tab
    r[453] = 5;
    r[454] = 3;
    r[455] = 0xD4;  // 2004
    r[456] = 0x07;
  }
  const std::string file = dir.File("TOWAR.DAT");
  test::WriteFile(file, bytes);
  const CliRun run = Cli({"list", "--profile", "std", "--kind", "4", "--date-sep", ".", file});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out,
            "1\t-7\t05.03.2004\tąGD\\t \n"
            "2\t-6\t05.03.2004\tąGD\\t \n");
}

TEST(Cli, ListRefusesAnEmptyFileAndReportsAFailureAfterTheRowsSoFar) {
  TempDir dir;
  const std::string empty = dir.File("PUSTY.DAT");
  test::WriteFile(empty, {});
  const CliRun refused = Cli({"list", "--profile", "std", "--kind", "0", empty});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "Plik zerowej długości.\n");
  EXPECT_TRUE(refused.out.empty());

  std::vector<char> bytes(3 * 131, 0);
  const double amounts[] = {12.5, 0.125, INFINITY};
  for (int n = 0; n < 3; ++n) std::memcpy(bytes.data() + n * 131 + 70, &amounts[n], 8);
  const std::string cash = dir.File("KASA.DAT");
  test::WriteFile(cash, bytes);
  const CliRun failed = Cli({"list", "--profile", "ue", "--kind", "13", "--decimal-sep", ",",
                          "--date-sep", "-", cash});
  EXPECT_EQ(failed.exit_code, 2);
  EXPECT_EQ(failed.err, "Invalid floating point operation.\n");
  EXPECT_EQ(failed.out,
            "1\t12,5\t00-00-0000\t  \n"
            "2\t0,12\t00-00-0000\t  \n");

  const CliRun missing = Cli({"list", "--profile", "ue", "--kind", "13", dir.File("BRAK")});
  EXPECT_EQ(missing.exit_code, 2);
  EXPECT_EQ(missing.err, "File not found.\n");
}

}  // namespace
}  // namespace kestra
