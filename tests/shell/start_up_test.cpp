#include "shell/start_up.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "shell/settings.h"
#include "shell/tickets.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(StartUpTest, EmptyFolderGetsItsFilesOneMessageAndTheDefaults) {
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  auto s = std::make_unique<SharedState>();
  s->NodeGap = 9;  // a drawing switch left over: start-up restores the figure defaults
  shell::ShellSession session;
  session.StartDirectory = dir.path();
  session.LevelControl = 0;

  const shell::StartFileRows rows = shell::StartUp(*s, session, platform);

  ASSERT_EQ(platform.messages.size(), 1u);
  for (const char* name : {"kaf.txt", "vuz.txt", "ma1.txt", "ma2.txt"}) {
    EXPECT_NE(platform.messages[0].find(std::string("File  ") + name + " not found"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / name)) << name;
  }
  EXPECT_TRUE(rows.departments.empty());
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "otv"));
  EXPECT_TRUE(std::filesystem::exists(dir.path() / shell::kSettingsFileName));
  EXPECT_TRUE(std::filesystem::exists(shell::TicketQuestionFilePath(*s, dir.path())));
  EXPECT_EQ(s->NodeGap, 1.5);
  EXPECT_EQ(session.LevelControl, 1);
  EXPECT_EQ(s->Level, 1);
}

TEST(StartUpTest, SettingsLevelIsTheLastingControlValueAndTheWorkingCopy) {
  testing_support::TempDir dir;
  testing_support::FakePlatform first;
  auto saved = std::make_unique<SharedState>();
  shell::ShellSession session;
  session.StartDirectory = dir.path();
  shell::StartUp(*saved, session, first);
  saved->Level = 7;
  ASSERT_TRUE(shell::SaveSettings(*saved, first, dir.path(), 0, 1));

  testing_support::FakePlatform platform;
  auto s = std::make_unique<SharedState>();
  shell::ShellSession again;
  again.StartDirectory = dir.path();
  const shell::StartFileRows rows = shell::StartUp(*s, again, platform);
  EXPECT_TRUE(platform.messages.empty());  // the files made by the first start are read
  EXPECT_EQ(rows.departments, std::vector<std::string>{"  "});
  EXPECT_EQ(again.LevelControl, 7);
  EXPECT_EQ(s->Level, 7);
}

TEST(StartUpTest, AnAnswersFolderThatCannotBeMadeIsToldAndStartUpGoesOn) {
  testing_support::TempDir dir;
  testing_support::WriteBytes(dir.path() / "otv", "a file where the folder belongs");
  testing_support::FakePlatform platform;
  auto s = std::make_unique<SharedState>();
  shell::ShellSession session;
  session.StartDirectory = dir.path();
  shell::StartUp(*s, session, platform);
  ASSERT_EQ(platform.messages.size(), 2u);  // the missing start files, then otv
  EXPECT_NE(platform.messages[1].find("Cannot create the folder"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / shell::kSettingsFileName));
}

}  // namespace

namespace {

// A folder where a start file, the settings or the ticket question file is expected (or any
// file whose read fails) is told, naming the file, and start-up goes on with the defaults.
TEST(StartUpTest, FoldersWhereFilesBelongAreToldAndStartUpGoesOn) {
  for (const char* name : {"kaf.txt", "ma1.txt", "ma2.txt", shell::kSettingsFileName}) {
    testing_support::TempDir dir;
    std::filesystem::create_directories(dir.path() / name / "inside");
    testing_support::FakePlatform platform;
    auto s = std::make_unique<SharedState>();
    shell::ShellSession session;
    session.StartDirectory = dir.path();

    const shell::StartFileRows rows = shell::StartUp(*s, session, platform);

    bool named = false;
    for (const auto& m : platform.messages) {
      named = named || (m.find(name) != std::string::npos && m.find("folder") != std::string::npos);
    }
    EXPECT_TRUE(named) << name;
    EXPECT_TRUE(rows.departments.empty()) << name;
    EXPECT_EQ(s->QuestionCount1, 0) << name;
    EXPECT_EQ(s->Level, 1) << name;
    EXPECT_EQ(s->SetNumber, 1) << name;
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / name / "inside")) << name;
  }
}

}  // namespace
