// The Qt adapters' own rules: grab file names, file-dialog filters, the help file's topics.
#include <gtest/gtest.h>

#include <fstream>

#include "shell/grab_folders.h"
#include "shell/qt_file_chooser.h"
#include "shell/qt_help.h"

namespace finplan {
namespace {

TEST(Grab, FileNamesNumberAndSlugTheFolders) {
    EXPECT_EQ(grabFileName(0, "Summary"), "00-summary.png");
    EXPECT_EQ(grabFileName(5, "Incoming/Outgoing"), "05-incoming-outgoing.png");
    EXPECT_EQ(grabFileName(11, "Accounts 21-25"), "11-accounts-21-25.png");
}

TEST(FileChooser, FiltersKeepTheirTextsAndMatchLowerCaseNames) {
    EXPECT_EQ(qtNameFilters("Scenario Files (*.RET)|*.ret"),
              QStringList{"Scenario Files (*.RET *.ret)"});
    EXPECT_EQ(qtNameFilters("Import Tab Files (*.KVI)|*.kvi|Text Files (*.TXT)|*.txt"),
              (QStringList{"Import Tab Files (*.KVI *.kvi)", "Text Files (*.TXT *.txt)"}));
    EXPECT_EQ(qtNameFilters("Plain|*.x"), QStringList{"Plain (*.x)"});
    EXPECT_EQ(qtNameFilters("Result Files (*.SCH)"), QStringList{"Result Files (*.SCH)"});
}

// Every context number a Help button or Quick Tip asks for has its topic in the help
// file that ships with the planner.
TEST(HelpFile, HasATopicForEveryContextNumber) {
    std::ifstream in(FINPLAN_HELP_FILE);
    ASSERT_TRUE(in.good());
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const int contexts[] = {257,  259,  260,  261,  262,  513,  514,  516,  517,  518,  1536,
                            1537, 1540, 1541, 1542, 1543, 1544, 1553, 1554, 1555, 1556, 1557};
    for (int c : contexts)
        EXPECT_NE(text.find("name=\"" + helpAnchor(c) + "\""), std::string::npos) << c;
    EXPECT_NE(text.find("name=\"contents\""), std::string::npos);
    EXPECT_NE(text.find("name=\"helponhelp\""), std::string::npos);
}

} // namespace
} // namespace finplan
