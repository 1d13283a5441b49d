// The report as PDF through the command-line tool: page count, the sections asked
// for, the texts in both languages, and refused arguments writing nothing.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>

#include "TempFolder.h"
#include "TestImages.h"

namespace radio::gui {
namespace {

namespace fs = std::filesystem;

bool havePoppler() { return std::system("pdftotext -v >/dev/null 2>&1") == 0; }

std::string run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buf[4096];
  while (const std::size_t n = std::fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
  pclose(pipe);
  return out;
}

int pdfPages(const fs::path& pdf) {
  const std::string info = run("pdfinfo '" + pdf.string() + "' 2>/dev/null");
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string pdfText(const fs::path& pdf, int page) {
  const std::string p = std::to_string(page);
  return run("pdftotext -layout -f " + p + " -l " + p + " '" + pdf.string() + "' - 2>/dev/null");
}

class PrintCommand : public test::TempFolderTest {
 protected:
  int cli(const std::string& args) {
    const std::string command = std::string(RADIOPROG_BIN_DIR) + "/radioprog-cli " + args + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(PrintCommand, WritesThePdfAndRefusesBadArguments) {
  if (!havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  // Twelve channels: the default sections print Optional, then three channel pages.
  RadioImage image = test::newDocument();
  for (int row = 1; row <= 12; ++row) test::putChannel(image, row, "146.52500");
  const fs::path dat = dir_ / "radio.dat";
  ASSERT_TRUE(saveDatFile(dat, image));
  const fs::path pdf = dir_ / "report.pdf";
  ASSERT_EQ(cli("print '" + dat.string() + "' -o '" + pdf.string() + "'"), 0);
  EXPECT_EQ(pdfPages(pdf), 4);

  ASSERT_EQ(cli("print '" + dat.string() + "' -o '" + pdf.string() +
                "' --sections channels,msk --lang zh --owner 'Zh Owner'"),
            0);
  EXPECT_NE(pdfText(pdf, 1).find("MSK"), std::string::npos);
  EXPECT_NE(pdfText(pdf, 2).find("信道信息"), std::string::npos);

  const fs::path none = dir_ / "none.pdf";
  EXPECT_EQ(cli("print '" + dat.string() + "' -o '" + none.string() + "' --sections keys"), 2);
  EXPECT_EQ(cli("print '" + dat.string() + "' -o '" + none.string() + "' --sections ''"), 1);
  EXPECT_EQ(cli("print '" + (dir_ / "missing.dat").string() + "' -o '" + none.string() + "'"), 1);
  EXPECT_FALSE(fs::exists(none));
}

}  // namespace
}  // namespace radio::gui
