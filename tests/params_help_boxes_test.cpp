// Every caption button's help box, text compared whole with its caption, buttons and icon,
// pressed on a window whose port could not be opened: the help needs no controller. The load
// button's hint shows the same way once a controller has answered (the button is locked before).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "tests/support/harness.h"

namespace zorv::test {
namespace {

struct HelpBox {
  int button;
  const char* caption;  // the button's own caption, shown with a failure
  const char* text;
};
void PrintTo(const HelpBox& b, std::ostream* os) { *os << "button " << b.button << " \"" << b.caption << '"'; }

// "\r" is one carriage return; paragraphs are separated by two.
const std::vector<HelpBox>& helpBoxes() {
  static const std::vector<HelpBox> boxes = {
    {1000, "Порт",
     "提示：请首先将Corvex飞控连接电脑的USB接口，再从右侧列表框中选择您即将使用的串口：\r\r1.选择后，系统将在列表框右侧提示您串口是否成功打开。\r\r2.若串口成功打开，而飞控数据仍无法读取时，说明该串口已被另一设备占用!此时，请重新选择串口! \r\r3.每选择一次串口，将重新读取飞控中的各项数据一次!"},
    {1002, "Тип модели",
     "提示：请根据您的机器从右侧列表框中选择多轴模式，\r\r您的选择将立即被系统设置并保存到Corvex飞控中!\r\r描述：主要作用是提供机架模式的选择。默认的是常用的4X模式。\r\r其它的，可以根据说明书上的图例对应的模式选择。"},
    {1003, "Частота ESC",
     "提示：请根据您的机器从右侧列表框中选择输出模式，\r\r您的选择将立即被系统设置并保存到Corvex飞控中!\r\r描述：主要作用中为了适应不同的电调或舵机，一般选择330HZ。"},
    {1004, "Уровень стабилиз.",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的主稳定度值!\r\r描述：主稳定度主要是让飞行器抵抗突变的外力，暂时的稳定保持在某一个姿态。\r\r如果从头开始调主稳定度，需要将平衡度，方向，高度等参数都归零。\r\r主稳定度可以从小到大慢慢增加，直到飞控出现轻微的抖动，然后再往小调一点。"},
    {1005, "Доп. стабилизация",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的辅助稳定度值!\r\r描述：其主要作用是更精确地让飞行器长时间保持在某一个姿态。\r\r在主稳定度大致确定后，就可以尝试加大辅助稳定了，直到飞行器\r\r出现轻微的慢速摇摆趋势。然后再往回调一点"},
    {1006, "Динамич. стабилиз.",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的动态稳定度值!\r\r描述：动态稳定的作用主要是抑制飞行器瞬时抖动，减缓主稳定度\r\r和辅助稳定度调整过程中引起的抖动。前面2项调试过程中或者调出一个\r\r大致值后，就可以尝试加大动态稳定度。这个值太大会引起飞机的高频\r\r抖动，如果调到0还是有高频抖动，请将飞控板本身的现场参数对应\r\r的动态稳定减小，小飞机可以调到0。"},
    {1007, "Уровень балансир.",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的主平衡度值!\r\r描述：主平衡度的主要作用是直接快速的让飞行器回复水平状态，\r\r此项只有在初级模式（自稳模式）下有效。调试时先将遥控器的模式开关打\r\r到初级模式，然后逐渐增大平衡度，直到飞机出现振荡趋势，再往回调一点。"},
    {1008, "Доп. балансировка",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的辅助平衡度值!\r\r描述：辅助平衡的主要作用是更精确的修正飞机达到精确水平位置。\r\r在主平衡调试到一个大概值后，就可以尝试加大辅助平衡，直到效果\r\r满意而又不振荡为止。"},
    {1076, "Курсовая стабилиз.",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的方向稳定度值!\r\r描述：方向稳定度是抑制飞行器的自旋，使方向保持相对的稳定。也是\r\r从小到大逐步调整。直到用手水平转动飞行器有比较明显的桨速变化。"},
    {1079, "Чувствит. компаса",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的方向锁定度值!\r\r描述：方向锁定的主要作用是让飞行器方向保持现有的指向俗称锁头。\r\r此项也是从小到大调整，直到飞行器方向不自旋为止。"},
    {1009, "Настройки барометр",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的高度锁定度值!\r\r描述：如果选择了气压计和超声波，高度锁定就需要设置，一般选50～80\r\r比较合适，越大反应越快，但是太灵敏了就容易上下抖动。"},
    {1010, "Чувствит. барометр",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的辅助高度锁定值!\r\r描述：辅助高度的作用主要是消除高度锁定过程中的上下振荡，如果高度锁定时\r\r有上下振荡的现象，可以适当加大此值。注意任何参数都有一个合适的范围。"},
    {1011, "Подвес по Pitch",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的云台俯仰比例值!\r\r描述：云台舵机的比例主要是配合云台调整俯仰动作补偿的大小，根据实际情况调整。"},
    {1012, "Подвес по Roll",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的云台横滚比例值!\r\r描述：云台舵机的比例主要是配合云台调整水平动作补偿的大小，根据实际情况调整。"},
    {1054, "Монитор LIPO",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的报警电压值!\r\r描述：设置电池的报警门限，指的是带负载电压，此电压是和飞控现场设置参数中的\r\r电压微调值相加的，一般好电池带负载电压跌落小，可以相应设高点，比如3.5V。\r\rC数低的电池相应要设低一些，比如3.4V，如果还不够请将现场参数相应的值微调继续调小。\r\r特别说明：设置值为350,即指设置的报警电压为3.5伏。"},
    {1013, "Частота servo",
     "提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。\r\r当您释放鼠标时，系统会将此时的数据设置为相应的炸机休眠感度值!\r\r描述：其主要功能是让飞行器自动感受离地高度，以达到飞行器落地则自动关闭油门\r\r的目的。特别提醒的是，本值并不代表离地高度，只是代表自动熄火的敏感程度。"},
    {1014, "Возможности",
     "提示：请根据您的需要，自己定义相应功能选项：\r\r 1.每一行全为空白，表示该项功能未被选择；\r\r 2.请根据您即将使用的遥控器通道及开关档位进行相应的功能选择，以免误选和漏选；\r\r 3.因功能需要，“自稳”与“3D”,“锁定航向”与“无向CF”的同一通道同一开关档位的选择是互斥的。\r\r4.因功能需要，选择“自动降落”功能时，相应的“定高”功能也自动选上。\r\r  相应的，取消“定高”功能时，同档位的“自动降落”功能将自动取消。"},
    {1100, "Загрузить конфиг.",
     "Attention：please select the Item to Load Default Data!\r\r1.Load default data。\r\r2.Load from file you saved \r\r注意：不要改变原有文件的格式，否则恢复的参数可能不正确!"},
  };
  return boxes;
}

class HelpBoxes : public ::testing::TestWithParam<HelpBox> {};

TEST_P(HelpBoxes, ShowTheirWholeTextWithoutAController) {
  const HelpBox& box = GetParam();
  Harness h(false);
  if (box.button == ids::kLoadButton) {
    h.connect();
  } else {
    h.port.failOpen = true;
    h.core.initialise();
  }
  h.port.clearWritten();
  ASSERT_TRUE(h.win.isEnabled(box.button)) << box.caption;
  ASSERT_EQ(h.win.text(box.button), box.caption);
  const size_t before = h.prompts.shown.size();
  h.prompts.answers.push_back(Prompts::Answer::Cancel);
  h.win.userPress(box.button);
  ASSERT_EQ(h.prompts.shown.size(), before + 1);
  const ScriptedPrompts::Shown& shown = h.prompts.shown.back();
  EXPECT_EQ(shown.text, box.text);
  EXPECT_EQ(shown.caption, "Tarvik航模提示：");
  EXPECT_EQ(shown.buttons, Prompts::Buttons::OkCancel);
  EXPECT_EQ(shown.icon, Prompts::Icon::None);
  EXPECT_EQ(h.port.written(), "") << "a help box sends nothing";
}

INSTANTIATE_TEST_SUITE_P(EveryButton, HelpBoxes, ::testing::ValuesIn(helpBoxes()),
                         [](const auto& info) { return "Button" + std::to_string(info.param.button); });

}  // namespace
}  // namespace zorv::test
