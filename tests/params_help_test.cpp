// The caption buttons' help boxes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "params/help_texts.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

struct HelpCase {
  int button;
  const char* begins;  // the text's first words after "提示："
  const char* mentions;
};

const std::vector<HelpCase>& helpCases() {
  static const std::vector<HelpCase> cases = {
      {1000, "请首先将Corvex飞控连接电脑", "串口"},
      {1002, "请根据您的机器从右侧列表框中选择多轴模式", "4X模式"},
      {1003, "请根据您的机器从右侧列表框中选择输出模式", "330HZ"},
      {1004, "请拖动滑块", "主稳定度值"},
      {1005, "请拖动滑块", "辅助稳定度值"},
      {1006, "请拖动滑块", "动态稳定度值"},
      {1007, "请拖动滑块", "主平衡度值"},
      {1008, "请拖动滑块", "辅助平衡度值"},
      {1009, "请拖动滑块", "高度锁定度值"},
      {1010, "请拖动滑块", "辅助高度锁定值"},
      {1011, "请拖动滑块", "云台俯仰比例值"},
      {1012, "请拖动滑块", "云台横滚比例值"},
      {1013, "请拖动滑块", "炸机休眠感度值"},
      {1014, "请根据您的需要", "“自稳”与“3D”"},
      {1054, "请拖动滑块", "报警电压值"},
      {1076, "请拖动滑块", "方向稳定度值"},
      {1079, "请拖动滑块", "方向锁定度值"},
  };
  return cases;
}

TEST(ParamsHelp, EveryCaptionButtonShowsItsText) {
  Harness h(false);  // the port is not even open
  for (const HelpCase& c : helpCases()) {
    SCOPED_TRACE(c.button);
    EXPECT_TRUE(isHelpButton(c.button));
    h.prompts.shown.clear();
    h.prompts.answers.push_back(Prompts::Answer::Cancel);
    h.win.userPress(c.button);
    ASSERT_EQ(h.prompts.shown.size(), 1u);
    const auto& box = h.prompts.shown[0];
    EXPECT_EQ(box.caption, "Tarvik航模提示：");
    EXPECT_EQ(box.buttons, Prompts::Buttons::OkCancel);
    EXPECT_EQ(box.text.rfind(std::string("提示：") + c.begins, 0), 0u);
    EXPECT_NE(box.text.find(c.mentions), std::string::npos);
    // Paragraphs are separated by two carriage returns; no escape sequence survived as text.
    EXPECT_NE(box.text.find("\r\r"), std::string::npos);
    EXPECT_EQ(box.text.find('\\'), std::string::npos);
    EXPECT_EQ(box.text.find('\n'), std::string::npos);
  }
  EXPECT_EQ(h.sent(), "");
}

TEST(ParamsHelp, TextsAreDistinctAndExact) {
  Harness h(false);
  std::vector<std::string> texts;
  for (const HelpCase& c : helpCases()) {
    h.win.userPress(c.button);
    texts.push_back(h.prompts.shown.back().text);
  }
  for (size_t i = 0; i < texts.size(); ++i)
    for (size_t j = i + 1; j < texts.size(); ++j) EXPECT_NE(texts[i], texts[j]) << i << " " << j;
  // One text in full, blanks before the carriage returns included.
  EXPECT_EQ(texts[0],
            "提示：请首先将Corvex飞控连接电脑的USB接口，再从右侧列表框中选择您即将使用的串口：\r\r"
            "1.选择后，系统将在列表框右侧提示您串口是否成功打开。\r\r"
            "2.若串口成功打开，而飞控数据仍无法读取时，说明该串口已被另一设备占用!此时，请重新选择串口! \r\r"
            "3.每选择一次串口，将重新读取飞控中的各项数据一次!");
  EXPECT_EQ(texts[13].substr(texts[13].size() - std::string("将自动取消。").size()), "将自动取消。");
  EXPECT_NE(texts[13].find("\r\r  相应的，取消"), std::string::npos);
}

TEST(ParamsHelp, OtherButtonsAreNotHelpButtons) {
  for (int id : {ids::kChooseImageButton, ids::kSaveButton, ids::kUpgradeButton, ids::kBatterySaveButton,
                 ids::kLoadButton, ids::kDisplayButton, ids::kModelTypeList, 1038, 1063})
    EXPECT_FALSE(isHelpButton(id)) << id;
}

}  // namespace
}  // namespace zorv::test
