// kyz424's file commands with the dialogs replaced by a recording stand-in and the real
// data files in a scratch folder; and what the program makes of the Windows version.
#include <gtest/gtest.h>

#include "core/protocol/protocol_state.h"
#include "core/settings/data_file.h"
#include "core/settings/settings_record.h"
#include "mfcapp/app_state.h"
#include "mfcapp/frame_file_commands.h"
#include "mfcapp/windows_version.h"
#include "tests/unit/scripted_file_ui.h"
#include "tests/unit/test_support.h"

namespace kyz::mfc {
namespace {

class MfcFileCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    edition = Edition::mfc;
    reset_settings();
    sequence_step = 0;
    file_opened = 0;
  }
  void TearDown() override {
    sequence_step = 0;
    reset_settings();
    edition = Edition::lx;
  }
  void edit(int speed) {
    settings.scroll_speed[0] = speed;
    settings.modified = 1;
  }

  test::BoxRecorder boxes;
  test::ScriptedFileUi ui;
  test::ScratchFolder folder;
};

TEST_F(MfcFileCommands, SaveNeedsAFileThatSaveAsNamed) {
  const std::string a = folder.file("a.dat");
  edit(0);
  mfc::file_save(ui);  // nothing named yet: nothing written, nothing said
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(ui.save_dialogs, 0);

  ui.answers = {a};
  mfc::file_save_as(ui);
  EXPECT_EQ(settings.data_file_path, a);
  EXPECT_EQ(file_opened, 1);
  EXPECT_EQ(settings.modified, 0);
  EXPECT_EQ(ui.repainted, 1);

  edit(3);
  mfc::file_save(ui);  // the same file, without a dialog
  EXPECT_EQ(ui.save_dialogs, 1);
  SettingsRecord written;
  ASSERT_TRUE(read_data_file(a, written));
  EXPECT_EQ(written.scroll_speed[0], 3);

  kyz::file_new(ui);  // no question: nothing unsaved; the name goes
  EXPECT_TRUE(settings.data_file_path.empty());
  EXPECT_EQ(ui.repainted, 2);
  edit(1);
  mfc::file_save(ui);
  EXPECT_EQ(ui.save_dialogs, 1);
  EXPECT_TRUE(boxes.boxes.empty());
}

// A file that cannot be read must not become the file a later Save writes to.
TEST_F(MfcFileCommands, AnUnreadableFileLeavesTheCurrentFileCurrent) {
  const std::string a = folder.file("a.dat"), missing = folder.file("missing.dat");
  ui.answers = {a, missing};
  mfc::file_save_as(ui);
  mfc::file_open(ui);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Can't file open");
  EXPECT_EQ(settings.data_file_path, a);
  edit(0);
  mfc::file_save(ui);
  EXPECT_EQ(settings.modified, 0);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing.dat"));
}

TEST_F(MfcFileCommands, ExitOffersTheSaveDialogForUnnamedSettingsAndNothingRunsDuringASequence) {
  const std::string c = folder.file("c.dat");
  edit(0);
  ui.answers = {c};
  boxes.answer = BoxAnswer::no;  // "データを保存せずに終了しますか？" No: save
  mfc::exit_prompt(ui);
  EXPECT_EQ(boxes.boxes.at(0).caption, "KYZ424");
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "c.dat"));

  edit(1);
  sequence_step = 5;
  kyz::file_new(ui);
  mfc::file_open(ui);
  mfc::file_save(ui);
  mfc::file_save_as(ui);
  EXPECT_EQ(ui.open_dialogs + ui.save_dialogs + ui.repainted, 2);  // the exit's Save As
  EXPECT_EQ(settings.modified, 1);
}

TEST(WindowsVersion, FrameHeightAndTcpByVersion) {
  const struct {
    unsigned major, minor;
    int height;
    bool too_new;
  } cases[] = {{4, 0, 200, false}, {5, 0, 200, false}, {5, 1, 206, false},
               {5, 2, 206, false}, {6, 0, 206, true},  {10, 0, 206, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(frame_height_for(c.major, c.minor), c.height) << c.major << "." << c.minor;
    EXPECT_EQ(too_new_for_tcp(c.major), c.too_new) << c.major;
  }
}

}  // namespace
}  // namespace kyz::mfc
