// The largest station that opens and the largest the analysis takes, and one row or column
// more, through every command that analyses.
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace szl {
namespace {

TEST(SizeLimits, OpenedUpTo200By400AnalysedUpTo100By327) {
  test::TempDir dir;
  const auto write = [&](int cols, int rows) {
    Station st(cols, rows);
    for (int x = 1; x <= 3; ++x) st.setCode(x, 1, x == 2 ? 10 : 21);
    const std::string path = (dir / "s.stc").string();
    test::writeFile(path, test::gridText(st));
    return path;
  };
  auto run = test::runCli({"search", write(100, 327)});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(test::readFile(dir / "trasy.txt"), "1,1,101,102,103,0,\r\n");

  // Opened, but point numbers would not tell every cell apart.
  for (const auto& [cols, rows, says] :
       {std::tuple{101, 327, "Stacja ma 101 kolumn i 327 wierszy."},
        {100, 328, "Stacja ma 100 kolumn i 328 wierszy."},
        {200, 400, "Stacja ma 200 kolumn i 400 wierszy."}}) {
    const std::string st = write(cols, rows);
    run = test::runCli({"info", st});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("rows=" + std::to_string(rows) +
                                    " cols=" + std::to_string(cols) + "\n"))
        << run.out;
    for (const auto& args : {std::vector<std::string>{"search", st},
                             {"groups", st},
                             {"save", st, "--output", st + ".out"}}) {
      run = test::runCli(args);
      EXPECT_EQ(run.status, 1) << args[0];
      EXPECT_NE(run.err.find(says), std::string::npos) << args[0] << ": " << run.err;
    }
  }
}

}  // namespace
}  // namespace szl
