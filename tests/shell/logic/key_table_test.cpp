// The main window's keyboard as a table: the standard keys' commands, the folder
// step keys and the list keys.
#include <gtest/gtest.h>

#include "shell/logic/command_ids.h"
#include "shell/logic/dropped_files.h"
#include "shell/logic/key_table.h"

namespace finplan {
namespace {

TEST(KeyTable, StandardKeysRunTheirMenuCommands) {
    const std::pair<int, StandardKey> rows[] = {{cmd::kNew, StandardKey::New},
                                                {cmd::kOpen, StandardKey::Open},
                                                {cmd::kSave, StandardKey::Save},
                                                {cmd::kSaveAs, StandardKey::SaveAs},
                                                {cmd::kPrintResults, StandardKey::Print},
                                                {cmd::kExit, StandardKey::Quit},
                                                {cmd::kUndo, StandardKey::Undo},
                                                {cmd::kRedo, StandardKey::Redo},
                                                {cmd::kFolderHelp, StandardKey::HelpContents}};
    for (auto [command, key] : rows)
        EXPECT_EQ(keyOfCommand(command), key) << command;
    EXPECT_EQ(keyOfCommand(cmd::kImportAccounts), std::nullopt); // its letter stays a hint
    // Print goes to the graph while one is on show.
    EXPECT_EQ(printCommand(false), cmd::kPrintResults);
    EXPECT_EQ(printCommand(true), cmd::kPrintGraph);
    EXPECT_EQ(menuLabel("&Save\tAlt+s"), "&Save");
    EXPECT_EQ(menuLabel("Re-Index Accounts"), "Re-Index Accounts");
}

TEST(KeyTable, FolderStepsWrapAndListKeysPressTheirButtons) {
    EXPECT_EQ(steppedFolder(13, 1, 14), 0);
    EXPECT_EQ(steppedFolder(0, -1, 14), 13);
    EXPECT_EQ(steppedFolder(3, 1, 14), 4);
    EXPECT_EQ(listAction(ListKey::Enter), ListAction::Edit);
    EXPECT_EQ(listAction(ListKey::Insert), ListAction::Add);
    EXPECT_EQ(listAction(ListKey::Delete), ListAction::Delete);
    EXPECT_EQ(listAction(ListKey::Other), ListAction::None);
}

TEST(DroppedFiles, ScenariosAnywhereTabFilesOnTheAccountsFolder) {
    EXPECT_EQ(dropKindOf("/home/me/Plan.RET", false), DropKind::Scenario);
    EXPECT_EQ(dropKindOf("/home/me/plan.ret", true), DropKind::Scenario);
    EXPECT_EQ(dropKindOf("bank.kvi", true), DropKind::TabAccounts);
    EXPECT_EQ(dropKindOf("bank.txt", false), DropKind::None);
    EXPECT_EQ(dropKindOf(".ret", false), DropKind::None);
    EXPECT_EQ(dropKindOf("plan.ret.bak", false), DropKind::None);
}

} // namespace
} // namespace finplan
