// Starting separate programs: "calc.exe" maps to a desktop calculator on PATH, a program
// that is nowhere fails, a real one starts without a shell.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/posix_launcher.h"

namespace finplan {
namespace {

TEST(Launcher, CalcMapsToAnInstalledDesktopCalculatorOrNothing) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "finplan_launcher_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", dir.c_str(), 1);
    EXPECT_TRUE(resolveCommand({"calc.exe"}).empty());
    EXPECT_FALSE(PosixLauncher().launch({"calc.exe"}));
    EXPECT_FALSE(PosixLauncher().launch({"kvplot3.exe", "plotinf01.tmp"}));
    { std::ofstream(dir / "galculator") << "#!/bin/sh\n"; }
    fs::permissions(dir / "galculator", fs::perms::owner_all);
    EXPECT_EQ(resolveCommand({"calc.exe"}), std::vector<std::string>{"galculator"});
    EXPECT_EQ(resolveCommand({"didaza.exe", "plotinf01.tmp"}),
              (std::vector<std::string>{"didaza.exe", "plotinf01.tmp"}));
    setenv("PATH", oldPath.c_str(), 1);
    fs::remove_all(dir);
    EXPECT_TRUE(PosixLauncher().launch({"true", "ignored argument"}));
}

} // namespace
} // namespace finplan
