<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Flight modes</name>
    <message>
        <source>Стабильность</source>
        <translation>自稳</translation>
    </message>
    <message>
        <source>Режим 3D</source>
        <translation>3D模式</translation>
    </message>
    <message>
        <source>Барометр</source>
        <translation>定高</translation>
    </message>
    <message>
        <source>Компас</source>
        <translation>锁定航向</translation>
    </message>
    <message>
        <source>Care Free</source>
        <translation>无向CF</translation>
    </message>
    <message>
        <source>Подвес серво</source>
        <translation>云台舵机</translation>
    </message>
    <message>
        <source>Удержание</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>Автопосадка</source>
        <translation>一键返航</translation>
    </message>
    <message>
        <source>AutoLanding</source>
        <translation>自动降落</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>提示：请首先将Corvex飞控连接电脑的USB接口，再从右侧列表框中选择您即将使用的串口：<byte value="xd"/><byte value="xd"/>1.选择后，系统将在列表框右侧提示您串口是否成功打开。<byte value="xd"/><byte value="xd"/>2.若串口成功打开，而飞控数据仍无法读取时，说明该串口已被另一设备占用!此时，请重新选择串口! <byte value="xd"/><byte value="xd"/>3.每选择一次串口，将重新读取飞控中的各项数据一次!</source>
        <translation>提示：请首先将Corvex飞控连接电脑的USB接口，再从右侧列表框中选择您即将使用的串口：<byte value="xd"/><byte value="xd"/>1.选择后，系统将在列表框右侧提示您串口是否成功打开。<byte value="xd"/><byte value="xd"/>2.若串口成功打开，而飞控数据仍无法读取时，说明该串口已被另一设备占用!此时，请重新选择串口! <byte value="xd"/><byte value="xd"/>3.每选择一次串口，将重新读取飞控中的各项数据一次!</translation>
    </message>
    <message>
        <source>提示：请根据您的机器从右侧列表框中选择多轴模式，<byte value="xd"/><byte value="xd"/>您的选择将立即被系统设置并保存到Corvex飞控中!<byte value="xd"/><byte value="xd"/>描述：主要作用是提供机架模式的选择。默认的是常用的4X模式。<byte value="xd"/><byte value="xd"/>其它的，可以根据说明书上的图例对应的模式选择。</source>
        <translation>提示：请根据您的机器从右侧列表框中选择多轴模式，<byte value="xd"/><byte value="xd"/>您的选择将立即被系统设置并保存到Corvex飞控中!<byte value="xd"/><byte value="xd"/>描述：主要作用是提供机架模式的选择。默认的是常用的4X模式。<byte value="xd"/><byte value="xd"/>其它的，可以根据说明书上的图例对应的模式选择。</translation>
    </message>
    <message>
        <source>提示：请根据您的机器从右侧列表框中选择输出模式，<byte value="xd"/><byte value="xd"/>您的选择将立即被系统设置并保存到Corvex飞控中!<byte value="xd"/><byte value="xd"/>描述：主要作用中为了适应不同的电调或舵机，一般选择330HZ。</source>
        <translation>提示：请根据您的机器从右侧列表框中选择输出模式，<byte value="xd"/><byte value="xd"/>您的选择将立即被系统设置并保存到Corvex飞控中!<byte value="xd"/><byte value="xd"/>描述：主要作用中为了适应不同的电调或舵机，一般选择330HZ。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的主稳定度值!<byte value="xd"/><byte value="xd"/>描述：主稳定度主要是让飞行器抵抗突变的外力，暂时的稳定保持在某一个姿态。<byte value="xd"/><byte value="xd"/>如果从头开始调主稳定度，需要将平衡度，方向，高度等参数都归零。<byte value="xd"/><byte value="xd"/>主稳定度可以从小到大慢慢增加，直到飞控出现轻微的抖动，然后再往小调一点。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的主稳定度值!<byte value="xd"/><byte value="xd"/>描述：主稳定度主要是让飞行器抵抗突变的外力，暂时的稳定保持在某一个姿态。<byte value="xd"/><byte value="xd"/>如果从头开始调主稳定度，需要将平衡度，方向，高度等参数都归零。<byte value="xd"/><byte value="xd"/>主稳定度可以从小到大慢慢增加，直到飞控出现轻微的抖动，然后再往小调一点。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助稳定度值!<byte value="xd"/><byte value="xd"/>描述：其主要作用是更精确地让飞行器长时间保持在某一个姿态。<byte value="xd"/><byte value="xd"/>在主稳定度大致确定后，就可以尝试加大辅助稳定了，直到飞行器<byte value="xd"/><byte value="xd"/>出现轻微的慢速摇摆趋势。然后再往回调一点</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助稳定度值!<byte value="xd"/><byte value="xd"/>描述：其主要作用是更精确地让飞行器长时间保持在某一个姿态。<byte value="xd"/><byte value="xd"/>在主稳定度大致确定后，就可以尝试加大辅助稳定了，直到飞行器<byte value="xd"/><byte value="xd"/>出现轻微的慢速摇摆趋势。然后再往回调一点</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的动态稳定度值!<byte value="xd"/><byte value="xd"/>描述：动态稳定的作用主要是抑制飞行器瞬时抖动，减缓主稳定度<byte value="xd"/><byte value="xd"/>和辅助稳定度调整过程中引起的抖动。前面2项调试过程中或者调出一个<byte value="xd"/><byte value="xd"/>大致值后，就可以尝试加大动态稳定度。这个值太大会引起飞机的高频<byte value="xd"/><byte value="xd"/>抖动，如果调到0还是有高频抖动，请将飞控板本身的现场参数对应<byte value="xd"/><byte value="xd"/>的动态稳定减小，小飞机可以调到0。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的动态稳定度值!<byte value="xd"/><byte value="xd"/>描述：动态稳定的作用主要是抑制飞行器瞬时抖动，减缓主稳定度<byte value="xd"/><byte value="xd"/>和辅助稳定度调整过程中引起的抖动。前面2项调试过程中或者调出一个<byte value="xd"/><byte value="xd"/>大致值后，就可以尝试加大动态稳定度。这个值太大会引起飞机的高频<byte value="xd"/><byte value="xd"/>抖动，如果调到0还是有高频抖动，请将飞控板本身的现场参数对应<byte value="xd"/><byte value="xd"/>的动态稳定减小，小飞机可以调到0。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的主平衡度值!<byte value="xd"/><byte value="xd"/>描述：主平衡度的主要作用是直接快速的让飞行器回复水平状态，<byte value="xd"/><byte value="xd"/>此项只有在初级模式（自稳模式）下有效。调试时先将遥控器的模式开关打<byte value="xd"/><byte value="xd"/>到初级模式，然后逐渐增大平衡度，直到飞机出现振荡趋势，再往回调一点。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的主平衡度值!<byte value="xd"/><byte value="xd"/>描述：主平衡度的主要作用是直接快速的让飞行器回复水平状态，<byte value="xd"/><byte value="xd"/>此项只有在初级模式（自稳模式）下有效。调试时先将遥控器的模式开关打<byte value="xd"/><byte value="xd"/>到初级模式，然后逐渐增大平衡度，直到飞机出现振荡趋势，再往回调一点。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助平衡度值!<byte value="xd"/><byte value="xd"/>描述：辅助平衡的主要作用是更精确的修正飞机达到精确水平位置。<byte value="xd"/><byte value="xd"/>在主平衡调试到一个大概值后，就可以尝试加大辅助平衡，直到效果<byte value="xd"/><byte value="xd"/>满意而又不振荡为止。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助平衡度值!<byte value="xd"/><byte value="xd"/>描述：辅助平衡的主要作用是更精确的修正飞机达到精确水平位置。<byte value="xd"/><byte value="xd"/>在主平衡调试到一个大概值后，就可以尝试加大辅助平衡，直到效果<byte value="xd"/><byte value="xd"/>满意而又不振荡为止。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的方向稳定度值!<byte value="xd"/><byte value="xd"/>描述：方向稳定度是抑制飞行器的自旋，使方向保持相对的稳定。也是<byte value="xd"/><byte value="xd"/>从小到大逐步调整。直到用手水平转动飞行器有比较明显的桨速变化。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的方向稳定度值!<byte value="xd"/><byte value="xd"/>描述：方向稳定度是抑制飞行器的自旋，使方向保持相对的稳定。也是<byte value="xd"/><byte value="xd"/>从小到大逐步调整。直到用手水平转动飞行器有比较明显的桨速变化。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的方向锁定度值!<byte value="xd"/><byte value="xd"/>描述：方向锁定的主要作用是让飞行器方向保持现有的指向俗称锁头。<byte value="xd"/><byte value="xd"/>此项也是从小到大调整，直到飞行器方向不自旋为止。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的方向锁定度值!<byte value="xd"/><byte value="xd"/>描述：方向锁定的主要作用是让飞行器方向保持现有的指向俗称锁头。<byte value="xd"/><byte value="xd"/>此项也是从小到大调整，直到飞行器方向不自旋为止。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的高度锁定度值!<byte value="xd"/><byte value="xd"/>描述：如果选择了气压计和超声波，高度锁定就需要设置，一般选50～80<byte value="xd"/><byte value="xd"/>比较合适，越大反应越快，但是太灵敏了就容易上下抖动。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的高度锁定度值!<byte value="xd"/><byte value="xd"/>描述：如果选择了气压计和超声波，高度锁定就需要设置，一般选50～80<byte value="xd"/><byte value="xd"/>比较合适，越大反应越快，但是太灵敏了就容易上下抖动。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助高度锁定值!<byte value="xd"/><byte value="xd"/>描述：辅助高度的作用主要是消除高度锁定过程中的上下振荡，如果高度锁定时<byte value="xd"/><byte value="xd"/>有上下振荡的现象，可以适当加大此值。注意任何参数都有一个合适的范围。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助高度锁定值!<byte value="xd"/><byte value="xd"/>描述：辅助高度的作用主要是消除高度锁定过程中的上下振荡，如果高度锁定时<byte value="xd"/><byte value="xd"/>有上下振荡的现象，可以适当加大此值。注意任何参数都有一个合适的范围。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的云台俯仰比例值!<byte value="xd"/><byte value="xd"/>描述：云台舵机的比例主要是配合云台调整俯仰动作补偿的大小，根据实际情况调整。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的云台俯仰比例值!<byte value="xd"/><byte value="xd"/>描述：云台舵机的比例主要是配合云台调整俯仰动作补偿的大小，根据实际情况调整。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的云台横滚比例值!<byte value="xd"/><byte value="xd"/>描述：云台舵机的比例主要是配合云台调整水平动作补偿的大小，根据实际情况调整。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的云台横滚比例值!<byte value="xd"/><byte value="xd"/>描述：云台舵机的比例主要是配合云台调整水平动作补偿的大小，根据实际情况调整。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的报警电压值!<byte value="xd"/><byte value="xd"/>描述：设置电池的报警门限，指的是带负载电压，此电压是和飞控现场设置参数中的<byte value="xd"/><byte value="xd"/>电压微调值相加的，一般好电池带负载电压跌落小，可以相应设高点，比如3.5V。<byte value="xd"/><byte value="xd"/>C数低的电池相应要设低一些，比如3.4V，如果还不够请将现场参数相应的值微调继续调小。<byte value="xd"/><byte value="xd"/>特别说明：设置值为350,即指设置的报警电压为3.5伏。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的报警电压值!<byte value="xd"/><byte value="xd"/>描述：设置电池的报警门限，指的是带负载电压，此电压是和飞控现场设置参数中的<byte value="xd"/><byte value="xd"/>电压微调值相加的，一般好电池带负载电压跌落小，可以相应设高点，比如3.5V。<byte value="xd"/><byte value="xd"/>C数低的电池相应要设低一些，比如3.4V，如果还不够请将现场参数相应的值微调继续调小。<byte value="xd"/><byte value="xd"/>特别说明：设置值为350,即指设置的报警电压为3.5伏。</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的炸机休眠感度值!<byte value="xd"/><byte value="xd"/>描述：其主要功能是让飞行器自动感受离地高度，以达到飞行器落地则自动关闭油门<byte value="xd"/><byte value="xd"/>的目的。特别提醒的是，本值并不代表离地高度，只是代表自动熄火的敏感程度。</source>
        <translation>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的炸机休眠感度值!<byte value="xd"/><byte value="xd"/>描述：其主要功能是让飞行器自动感受离地高度，以达到飞行器落地则自动关闭油门<byte value="xd"/><byte value="xd"/>的目的。特别提醒的是，本值并不代表离地高度，只是代表自动熄火的敏感程度。</translation>
    </message>
    <message>
        <source>提示：请根据您的需要，自己定义相应功能选项：<byte value="xd"/><byte value="xd"/> 1.每一行全为空白，表示该项功能未被选择；<byte value="xd"/><byte value="xd"/> 2.请根据您即将使用的遥控器通道及开关档位进行相应的功能选择，以免误选和漏选；<byte value="xd"/><byte value="xd"/> 3.因功能需要，“自稳”与“3D”,“锁定航向”与“无向CF”的同一通道同一开关档位的选择是互斥的。<byte value="xd"/><byte value="xd"/>4.因功能需要，选择“自动降落”功能时，相应的“定高”功能也自动选上。<byte value="xd"/><byte value="xd"/>  相应的，取消“定高”功能时，同档位的“自动降落”功能将自动取消。</source>
        <translation>提示：请根据您的需要，自己定义相应功能选项：<byte value="xd"/><byte value="xd"/> 1.每一行全为空白，表示该项功能未被选择；<byte value="xd"/><byte value="xd"/> 2.请根据您即将使用的遥控器通道及开关档位进行相应的功能选择，以免误选和漏选；<byte value="xd"/><byte value="xd"/> 3.因功能需要，“自稳”与“3D”,“锁定航向”与“无向CF”的同一通道同一开关档位的选择是互斥的。<byte value="xd"/><byte value="xd"/>4.因功能需要，选择“自动降落”功能时，相应的“定高”功能也自动选上。<byte value="xd"/><byte value="xd"/>  相应的，取消“定高”功能时，同档位的“自动降落”功能将自动取消。</translation>
    </message>
</context>
<context>
    <name>Live</name>
    <message>
        <source>Press «Отобразить» to start the live data</source>
        <translation>按“显示数据”开始显示实时数据</translation>
    </message>
    <message>
        <source>Paused: press Space to go on (the data is still being recorded)</source>
        <translation>已暂停：按空格键继续（数据仍在记录）</translation>
    </message>
    <message>
        <source>Live data from the controller. Space pauses the view.</source>
        <translation>飞控实时数据。按空格键暂停显示。</translation>
    </message>
    <message>
        <source>Receiver channels (µs)</source>
        <translation>接收机通道（微秒）</translation>
    </message>
    <message>
        <source>Motor outputs (µs)</source>
        <translation>电机输出（微秒）</translation>
    </message>
    <message>
        <source>Receiver (CH1–CH8)</source>
        <translation>接收机 (CH1–CH8)</translation>
    </message>
    <message>
        <source>Motors (M1–M8)</source>
        <translation>电机 (M1–M8)</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>传感器</translation>
    </message>
    <message>
        <source>Heading (°)</source>
        <translation>航向（°）</translation>
    </message>
    <message>
        <source>Sonar (mm)</source>
        <translation>超声波（毫米）</translation>
    </message>
    <message>
        <source>Height (dm)</source>
        <translation>高度（分米）</translation>
    </message>
    <message>
        <source>Sensor 4</source>
        <translation>传感器 4</translation>
    </message>
    <message>
        <source>Sensor 5</source>
        <translation>传感器 5</translation>
    </message>
    <message>
        <source>Sensor 6</source>
        <translation>传感器 6</translation>
    </message>
    <message>
        <source>Sensor 7</source>
        <translation>传感器 7</translation>
    </message>
    <message>
        <source>Sensor 8</source>
        <translation>传感器 8</translation>
    </message>
    <message>
        <source>Zorv — live data</source>
        <translation>Zorv — 实时数据</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Graph of the last 10 s:</source>
        <translation>最近 10 秒曲线：</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>曲线图</translation>
    </message>
    <message>
        <source>Freezes the bars and the graph (Space). Recording goes on.</source>
        <translation>冻结柱条和曲线（空格键）。记录继续进行。</translation>
    </message>
    <message>
        <source>Save CSV…</source>
        <translation>保存 CSV…</translation>
    </message>
    <message>
        <source>Writes the last 60 s of records to a CSV file (Ctrl+S)</source>
        <translation>将最近 60 秒的记录写入 CSV 文件（Ctrl+S）</translation>
    </message>
    <message>
        <source>Graph of the last 10 s</source>
        <translation>最近 10 秒曲线</translation>
    </message>
    <message>
        <source>Could not write the live data to %1: %2. Choose another folder or file name and try again.</source>
        <translation>无法将实时数据写入 %1：%2。请换一个文件夹或文件名后重试。</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Original</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 %2 (%3 to %4)</source>
        <translation>%1 %2（%3 至 %4）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1%2. They are kept and saved as they are; nothing is sent unless you change them.</source>
        <translation>%1%2。这些数值会原样保留和保存；除非您修改它们，否则不会发送任何数据。</translation>
    </message>
    <message>
        <source>The controller holds values this tool does not know: </source>
        <translation>飞控中有本软件不认识的数值：</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>The value %1 for setting &apos;%2&apos; is outside 0..9999 and was not sent to the controller.</source>
        <translation>设置“%2”的值 %1 超出 0..9999，未发送给飞控。</translation>
    </message>
    <message>
        <source>Tarvik Warning:</source>
        <translation>Tarvik警告：</translation>
    </message>
    <message>
        <source>for its firmware kind at the end of the read-back (query ?W)</source>
        <translation>查询固件类型（读取结束时，查询 ?W）</translation>
    </message>
    <message>
        <source>for its settings (query ?%1, %2 of %3)</source>
        <translation>查询设置（查询 ?%1，第 %2 项，共 %3 项）</translation>
    </message>
    <message>
        <source>COM Opened</source>
        <translation>串口已打开</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>Nothing was sent to the controller: the value about to be sent for %1 (%2) is not what its box shows (%3). Check the box, then %4.</source>
        <translation>没有向飞控发送任何数据：即将为“%1”发送的值（%2）与其输入框显示的（%3）不一致。请检查输入框，然后%4。</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1 typed into %2</source>
        <translation>“%2”中输入的 %1</translation>
    </message>
    <message>
        <source>%1 (the controller holds %2)</source>
        <translation>%1（飞控中为 %2）</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>Typed, not sent yet: release the slider to send it</source>
        <translation>已输入，尚未发送：松开滑块即可发送</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>无法打开文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2.<byte value="xd"/><byte value="xd"/>The port is opened all the same; the port you pick is not remembered for the next start.</source>
        <translation>无法打开文件 %1：%2。<byte value="xd"/><byte value="xd"/>串口仍会打开，但您选择的串口不会被记住，下次启动时不会使用。</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>无法写入文件 %1：%2</translation>
    </message>
    <message>
        <source>COM Failed</source>
        <translation>串口打开失败</translation>
    </message>
    <message>
        <source>COM opened</source>
        <translation>串口已打开</translation>
    </message>
    <message>
        <source>串口未打开</source>
        <translation>串口未打开</translation>
    </message>
    <message>
        <source>for its firmware kind before the upgrade (query ?W)</source>
        <translation>查询固件类型（升级前，查询 ?W）</translation>
    </message>
    <message>
        <source>This controller reports firmware kind %1; Zorv changes the settings of TKVR controllers only, so they are locked.</source>
        <translation>该飞控报告的固件类型为 %1；Zorv 只能修改 TKVR 飞控的设置，因此设置已锁定。</translation>
    </message>
    <message>
        <source>Tarvik航模提示：</source>
        <translation>Tarvik航模提示：</translation>
    </message>
    <message>
        <source>move the slider again</source>
        <translation>再次拖动滑块</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 to %3. The box held %4, so %5 was sent to the controller.</source>
        <translation>“%1”的范围是 %2 至 %3。输入框中为 %4，因此向飞控发送了 %5。</translation>
    </message>
    <message>
        <source>fireware error，please select it again!</source>
        <translation>固件错误，请重新选择！</translation>
    </message>
    <message>
        <source>The firmware file is longer than 65536 bytes and does not fit into the image area. Nothing was loaded; please select another file.</source>
        <translation>固件文件超过 65536 字节，放不进固件映像区。未载入任何内容，请选择其他文件。</translation>
    </message>
    <message>
        <source>Data error，Please try it again!</source>
        <translation>数据错误，请重试！</translation>
    </message>
    <message>
        <source>Upgraded with %1. To upgrade again, choose the firmware file again.</source>
        <translation>已用 %1 升级。如需再次升级，请重新选择固件文件。</translation>
    </message>
    <message>
        <source>to take firmware packet %1 of %2</source>
        <translation>发送固件数据包（第 %1 个，共 %2 个）</translation>
    </message>
    <message>
        <source>Congratulations!You&apos;ve upgraded successfully!</source>
        <translation>恭喜！固件升级成功！</translation>
    </message>
    <message>
        <source>Tarvik Congratulations:</source>
        <translation>Tarvik恭喜：</translation>
    </message>
    <message>
        <source>Data sending...&gt;&gt;%1%</source>
        <translation>正在发送... %1%</translation>
    </message>
    <message>
        <source>Finished%1%</source>
        <translation>已完成%1%</translation>
    </message>
    <message>
        <source>to start its loader (%1)</source>
        <translation>请求启动升级引导程序（%1）</translation>
    </message>
    <message>
        <source>Upgrade the controller on %1 with %2 (%3 bytes, %4 packets)? Keep the cable in and the power on until it says it has finished.</source>
        <translation>用 %2（%3 字节，%4 个数据包）升级 %1 上的飞控吗？在提示完成之前，请保持数据线连接并保持通电。</translation>
    </message>
    <message>
        <source>The controller&apos;s answer to the firmware-kind query (?W) was damaged, so the upgrade did not start and nothing was sent to it. Check the cable, then press &quot;Обновить&quot; to ask again.</source>
        <translation>飞控对固件类型查询（?W）的应答已损坏，因此升级没有开始，也没有向它发送任何数据。请检查数据线，然后点击“升级”重新查询。</translation>
    </message>
    <message>
        <source>The controller reported firmware kind %1, but its answer came in pieces, so the upgrade did not start and nothing was sent to it. Press &quot;Обновить&quot; to ask again.</source>
        <translation>飞控报告的固件类型为 %1，但应答是分段到达的，因此升级没有开始，也没有向它发送任何数据。请点击“升级”重新查询。</translation>
    </message>
    <message>
        <source>The controller reports firmware kind %1; this tool upgrades TKVR and PXOJ boards only.</source>
        <translation>飞控报告的固件类型为 %1；本软件只能升级 TKVR 和 PXOJ 飞控板。</translation>
    </message>
    <message>
        <source>The controller may now hold an incomplete firmware and must be upgraded again before it flies: press &quot;Обновить&quot; again (the image is still loaded).</source>
        <translation>飞控中的固件现在可能不完整，飞行前必须重新升级：请再次点击“升级”（固件仍已载入）。</translation>
    </message>
    <message>
        <source>Please measuring voltage first，then write it into inputbox,<byte value="xd"/><byte value="xd"/>Then click [Calibrate] to calibrate your battery。<byte value="xd"/><byte value="xd"/>Are you sure to calibrate your battery？</source>
        <translation>请先测量电压，再将其填入输入框，<byte value="xd"/><byte value="xd"/>然后点击[校准]来校准电池。<byte value="xd"/><byte value="xd"/>确定要校准电池吗？</translation>
    </message>
    <message>
        <source>Tarvik Warning：</source>
        <translation>Tarvik警告：</translation>
    </message>
    <message>
        <source>校准完成！</source>
        <translation>校准完成！</translation>
    </message>
    <message>
        <source>Tarvik航模提示:</source>
        <translation>Tarvik航模提示:</translation>
    </message>
    <message>
        <source> Type each cell&apos;s measured voltage in hundredths of a volt (410 for 4.10 V). Nothing was sent to the controller.</source>
        <translation>请按百分之一伏填写每节电芯的实测电压（4.10 V 填 410）。没有向飞控发送任何数据。</translation>
    </message>
    <message>
        <source>Cell %1 reads %2, below 0.%3</source>
        <translation>第 %1 节电芯的值为 %2，小于 0。%3</translation>
    </message>
    <message>
        <source>The four cells add up to %1, more than the %2 the controller takes.%3</source>
        <translation>四节电芯之和为 %1，超过了飞控能接受的 %2。%3</translation>
    </message>
    <message>
        <source>to take battery calibration step %1 of 4</source>
        <translation>发送电池校准第 %1 步（共 4 步）</translation>
    </message>
    <message>
        <source>calibrate again</source>
        <translation>重新校准</translation>
    </message>
    <message>
        <source>The battery calibration did not complete: the controller stopped answering after %1 of %2 steps. Check its power and cable, pick the port again, then calibrate once more.</source>
        <translation>电池校准未完成：飞控在完成 %1 步（共 %2 步）后停止应答。请检查供电和数据线，重新选择串口，然后再校准一次。</translation>
    </message>
    <message>
        <source>Stop Display</source>
        <translation>停止显示</translation>
    </message>
    <message>
        <source>Display Data</source>
        <translation>显示数据</translation>
    </message>
    <message>
        <source>&lt;-Please select the upgrade fireware(*.bin) first,then click the upgrade !</source>
        <translation>&lt;- 请先选择升级固件(*.bin)，再点击“升级”！</translation>
    </message>
    <message>
        <source>No data from the controller: check its power and cable. The display stays on and shows the values as soon as they come.</source>
        <translation>飞控没有发送数据：请检查供电和数据线。显示保持开启，数据一到就会显示。</translation>
    </message>
    <message>
        <source>for live data (S~0001)</source>
        <translation>请求实时数据（S~0001）</translation>
    </message>
    <message>
        <source>for its reverse flags (query %1)</source>
        <translation>查询反向设置（查询 %1）</translation>
    </message>
    <message>
        <source>you will save the current data now，and it&apos;s defaut filename is TKVR_Data.txt,<byte value="xd"/><byte value="xd"/>you can change the filename or path。<byte value="xd"/><byte value="xd"/>Warning：you can not edit the file or data format，if you do ,it can not revcover to corvexe！<byte value="xd"/><byte value="xd"/>Are you sure to save the data？</source>
        <translation>即将保存当前数据，默认文件名为 TKVR_Data.txt，<byte value="xd"/><byte value="xd"/>您可以更改文件名或路径。<byte value="xd"/><byte value="xd"/>警告：请勿修改文件内容或数据格式，否则将无法恢复到Corvex飞控！<byte value="xd"/><byte value="xd"/>确定要保存数据吗？</translation>
    </message>
    <message>
        <source>Attention：please select the Item to Load Default Data!<byte value="xd"/><byte value="xd"/>1.Load default data。<byte value="xd"/><byte value="xd"/>2.Load from file you saved <byte value="xd"/><byte value="xd"/>注意：不要改变原有文件的格式，否则恢复的参数可能不正确!</source>
        <translation>注意：请选择要加载默认数据的项目！<byte value="xd"/><byte value="xd"/>1. 加载默认数据。<byte value="xd"/><byte value="xd"/>2. 从您保存的文件加载。<byte value="xd"/><byte value="xd"/>注意：不要改变原有文件的格式，否则恢复的参数可能不正确!</translation>
    </message>
    <message>
        <source>TXT File (*.txt)|*.txt||</source>
        <translation>文本文件 (*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>file self_saved_(*.txt)|*.txt|All file(*.*)|*.*||</source>
        <translation>自己保存的文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>to take a saved file (%1)</source>
        <translation>发送保存的文件（%1）</translation>
    </message>
    <message>
        <source>to take setting %1 of %2 from your file (%3)</source>
        <translation>发送您文件中的第 %1 项设置（共 %2 项，%3）</translation>
    </message>
    <message>
        <source>This file cannot be loaded: %1.<byte value="xd"/><byte value="xd"/>Nothing was sent to the controller.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>无法加载此文件：%1。<byte value="xd"/><byte value="xd"/>没有向飞控发送任何数据。<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>to load the default set “%1”</source>
        <translation>请求加载默认参数“%1”</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) %3, outside %4: %5<byte value="xd"/></source>
        <translation>第 %1 行（“%2”）%3，超出 %4：%5<byte value="xd"/></translation>
    </message>
    <message>
        <source>sent as it stands</source>
        <translation>按原值发送</translation>
    </message>
    <message>
        <source>cannot go out as four digits, skipped</source>
        <translation>无法以四位数字发送，已跳过</translation>
    </message>
    <message>
        <source>This file holds values this tool does not know:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/>Send the file to the controller? No sends nothing.</source>
        <translation>此文件中有本软件不认识的数值：<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/>要把文件发送给飞控吗？选“否”则不发送任何数据。</translation>
    </message>
    <message>
        <source>These values were typed but not sent to the controller; the file will hold them: %1.<byte value="xd"/><byte value="xd"/>OK goes on to save them; Cancel saves nothing. Releasing a slider sends its typed value.</source>
        <translation>以下数值已输入但尚未发送给飞控，文件中将保存这些数值：%1。<byte value="xd"/><byte value="xd"/>点击“确定”继续保存；点击“取消”不保存。松开滑块即可发送输入的数值。</translation>
    </message>
    <message>
        <source>The parameters could not be saved: %1.<byte value="xd"/><byte value="xd"/>Any file that was there is unchanged.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>参数未能保存：%1。<byte value="xd"/><byte value="xd"/>原有文件保持不变。<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The controller did not answer the choice of a default set, so it may or may not have loaded it. Pick the port again to read what it now holds.</source>
        <translation>飞控没有应答默认参数的选择，无法确定它是否已加载。请重新选择串口，读取飞控当前的参数。</translation>
    </message>
    <message>
        <source>The controller stopped answering after %1 of %2 settings; pick the port again to read what it now holds.</source>
        <translation>飞控在完成 %1 项设置（共 %2 项）后停止应答；请重新选择串口，读取飞控当前的参数。</translation>
    </message>
    <message>
        <source>&lt;-Please select upgrade fireware(*.bin) first,then click the Upgrade!</source>
        <translation>&lt;- 请先选择升级固件(*.bin)，再点击“升级”！</translation>
    </message>
    <message>
        <source>The port went away during the upgrade: %1</source>
        <translation>升级过程中串口断开：%1</translation>
    </message>
    <message>
        <source>The upgrade was broken off: the port was picked again before it had finished.</source>
        <translation>升级被中断：在升级完成前重新选择了串口。</translation>
    </message>
    <message>
        <source>Are you sure to close the windows？</source>
        <translation>确定要关闭窗口吗？</translation>
    </message>
    <message>
        <source>%1 was not sent. Close anyway?</source>
        <translation>%1尚未发送。仍要关闭吗？</translation>
    </message>
    <message>
        <source>%1 were not sent. Close anyway?</source>
        <translation>%1尚未发送。仍要关闭吗？</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv|All files (*.*)|*.*||</source>
        <translation>CSV 文件 (*.csv)|*.csv|所有文件 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>COM3 (simulated controller)</source>
        <translation>COM3 (模拟飞控)</translation>
    </message>
    <message>
        <source>%1: no serial device is connected for this number. Plug the controller in with a data cable, then open the port list again and pick it.</source>
        <translation>%1：此编号下没有连接串口设备。请用数据线连接飞控，然后重新打开串口列表并选择它。</translation>
    </message>
    <message>
        <source>COM%1 is pinned to %2, but no device is there. Plug the controller in (with a data cable) and pick the port again.</source>
        <translation>COM%1 已绑定到 %2，但那里没有设备。请（用数据线）连接飞控，然后重新选择串口。</translation>
    </message>
    <message>
        <source>%1 is not there any more (unplugged?). Plug the controller in, then open the port list again and pick it.</source>
        <translation>%1 已不存在（被拔出了？）。请连接飞控，然后重新打开串口列表并选择它。</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it (another Zorv window, a serial terminal; on Linux also ModemManager, which grabs new boards for a few seconds) and pick the port again.</source>
        <translation>%1 正被其他程序占用。请关闭该程序（另一个 Zorv 窗口、串口终端；Linux 上还有 ModemManager，它会在几秒内占用新接入的板子），然后重新选择串口。</translation>
    </message>
    <message>
        <source>You are not allowed to use %1. Add yourself to the dialout group with: sudo usermod -aG dialout $USER — then log out, log in again and pick the port.</source>
        <translation>您没有使用 %1 的权限。请用以下命令把自己加入 dialout 组：sudo usermod -aG dialout $USER，然后注销、重新登录并选择串口。</translation>
    </message>
    <message>
        <source>%1 could not be opened. Pick the port again, or try another one.</source>
        <translation>无法打开 %1。请重新选择该串口，或换一个串口。</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2. Pick the port again, or try another one.</source>
        <translation>无法打开 %1：%2。请重新选择该串口，或换一个串口。</translation>
    </message>
    <message>
        <source>Zorv asked the controller on %1 %2 and had no answer within %3.

Check that:
- the controller is powered;
- this is its port (open the port list to see which device each number is);
- the USB cable carries data (a charge-only cable does not);
- no other program holds the port (on Linux, ModemManager may grab a new board).

Then pick the port again to read the controller once more.</source>
        <translation>Zorv 在 %1 上向飞控%2，但在 %3内没有收到应答。

请检查：
- 飞控已通电；
- 这是飞控所在的串口（打开串口列表可看到每个编号对应的设备）；
- USB 线能传输数据（仅充电的线不行）；
- 没有其他程序占用该串口（Linux 上 ModemManager 可能会占用新接入的板子）。

然后重新选择串口，再次读取飞控数据。</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>%1 (not in the list)</source>
        <translation>%1（不在列表中）</translation>
    </message>
    <message>
        <source>%1 (%2) %3 → %4</source>
        <translation>%1（%2）%3 → %4</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 等另外 %2 项</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>连接时</translation>
    </message>
    <message>
        <source>after a default set</source>
        <translation>加载默认参数后</translation>
    </message>
    <message>
        <source>after a file was sent</source>
        <translation>发送文件后</translation>
    </message>
    <message>
        <source>after an upgrade</source>
        <translation>升级后</translation>
    </message>
    <message>
        <source>before a default set</source>
        <translation>加载默认参数前</translation>
    </message>
    <message>
        <source>before a file was sent</source>
        <translation>发送文件前</translation>
    </message>
    <message>
        <source>before an upgrade</source>
        <translation>升级前</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be kept as a snapshot in %1: %2.<byte value="xd"/><byte value="xd"/>Nothing was sent or changed because of it, and the work goes on. Free some disk space or make that folder writable to keep snapshots again; this is said only once.</source>
        <translation>无法把飞控的设置保存为快照到 %1：%2。<byte value="xd"/><byte value="xd"/>没有因此发送或修改任何内容，工作继续进行。请释放磁盘空间或让该文件夹可写，以便再次保存快照；此提示只显示一次。</translation>
    </message>
    <message>
        <source>Send this snapshot? %1<byte value="xd"/><byte value="xd"/>The whole file is sent, %2 commands; cell values never are.%3</source>
        <translation>发送此快照吗？%1<byte value="xd"/><byte value="xd"/>将发送整个文件，共 %2 条命令；电芯电压值从不发送。%3</translation>
    </message>
    <message>
        <source>%1 settings differ: %2.</source>
        <translation>有 %1 项设置不同：%2。</translation>
    </message>
    <message>
        <source>1 setting differs: %1.</source>
        <translation>有 1 项设置不同：%1。</translation>
    </message>
    <message>
        <source>It holds the settings the controller holds now.</source>
        <translation>其中的设置与飞控当前的设置相同。</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>It holds values this tool does not know, sent as they stand where they fit four digits: %1.</source>
        <translation><byte value="xd"/><byte value="xd"/>其中有本软件不认识的数值，能用四位数字表示的按原值发送：%1。</translation>
    </message>
    <message>
        <source>The upgrade changed %1 settings (%2). Send back the settings you had before the upgrade?</source>
        <translation>升级改变了 %1 项设置（%2）。要把升级前的设置写回飞控吗？</translation>
    </message>
    <message>
        <source>The upgrade changed 1 setting (%1). Send back the settings you had before the upgrade?</source>
        <translation>升级改变了 1 项设置（%1）。要把升级前的设置写回飞控吗？</translation>
    </message>
    <message>
        <source>Snapshots…</source>
        <translation>快照…</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>与文件比较…</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Differs from the controller</source>
        <translation>与飞控的差异</translation>
    </message>
    <message>
        <source>Send to controller</source>
        <translation>发送到飞控</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No snapshots yet. Zorv keeps one each time it reads a controller&apos;s settings, and one right before a default set, a file or an upgrade replaces them.</source>
        <translation>还没有快照。Zorv 每次读取飞控设置时保存一个快照，在默认参数、文件或升级替换设置之前也会保存一个。</translation>
    </message>
    <message>
        <source>The demo keeps no snapshots.</source>
        <translation>演示模式不保存快照。</translation>
    </message>
    <message>
        <source>Select a snapshot to see how it differs from the controller.</source>
        <translation>选择一个快照，查看它与飞控的差异。</translation>
    </message>
    <message>
        <source>No controller has been read yet, so there is nothing to compare with: pick the port first.</source>
        <translation>还没有读取过飞控，无从比较：请先选择串口。</translation>
    </message>
    <message>
        <source>This snapshot holds the settings the controller holds now.</source>
        <translation>此快照中的设置与飞控当前的设置相同。</translation>
    </message>
    <message>
        <source>Sending this snapshot would change:</source>
        <translation>发送此快照将改变：</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 项设置</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 项设置</translation>
    </message>
    <message>
        <source>%1 holds the settings the controller holds now.</source>
        <translation>%1 中的设置与飞控当前的设置相同。</translation>
    </message>
    <message>
        <source>%1 differs from the controller in %2:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>(controller → file)</source>
        <translation>%1 与飞控有 %2 不同：<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>（飞控 → 文件）</translation>
    </message>
    <message>
        <source>%1 cannot be compared: %2. It is not a parameter file saved by this tool.</source>
        <translation>无法比较 %1：%2。这不是本软件保存的参数文件。</translation>
    </message>
    <message>
        <source>The snapshot folder %1 could not be opened in the file manager.</source>
        <translation>无法在文件管理器中打开快照文件夹 %1。</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>the same settings</source>
        <translation>设置相同</translation>
    </message>
    <message>
        <source>1 setting differs</source>
        <translation>1 项设置不同</translation>
    </message>
    <message>
        <source>%1 settings differ</source>
        <translation>%1 项设置不同</translation>
    </message>
    <message>
        <source>The controller on %1 is back but does not answer: Zorv read it back %2 times, a second apart, and had no answer.

Check that it is powered and has finished starting up, then pick %1 in the port list to read it again.</source>
        <translation>%1 上的飞控已重新连接但没有应答：Zorv 每隔一秒读取了 %2 次，都没有收到应答。

请检查飞控已通电并已启动完毕，然后在串口列表中选择 %1 重新读取。</translation>
    </message>
    <message>
        <source>line %1 does not start with the label %2</source>
        <translation>第 %1 行不是以标签 %2 开头</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3 where a 0 or 1 belongs</source>
        <translation>第 %1 行（%2）的值为 %3，此处应为 0 或 1</translation>
    </message>
    <message>
        <source>line %1 (%2) does not hold a cell value</source>
        <translation>第 %1 行（%2）没有电芯电压值</translation>
    </message>
    <message>
        <source>line %1 (%2) does not hold a four-digit value</source>
        <translation>第 %1 行（%2）不是四位数值</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>it has %1 line, a saved parameter file has %2</source>
        <translation>文件只有 %1 行，而参数保存文件应有 %2 行</translation>
    </message>
    <message>
        <source>it has %1 lines, a saved parameter file has %2</source>
        <translation>文件有 %1 行，而参数保存文件应有 %2 行</translation>
    </message>
    <message>
        <source>its first line does not start with %1</source>
        <translation>第一行不是以 %1 开头</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB, far more than a saved parameter file</source>
        <translation>文件大于 64 KiB，远大于参数保存文件</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>%1; it is not a parameter file saved by this tool</source>
        <translation>%1；这不是本软件保存的参数文件</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB</source>
        <translation>文件大于 64 KiB</translation>
    </message>
</context>
<context>
    <name>Traffic</name>
    <message>
        <source>Traffic log</source>
        <translation>通信记录</translation>
    </message>
    <message>
        <source>Show only lines holding…</source>
        <translation>只显示包含以下内容的行…</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>保存…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save the traffic log</source>
        <translation>保存通信记录</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The traffic log could not be saved to %1: %2

Pick a folder you can write to, or copy the log and paste it elsewhere.</source>
        <translation>无法把通信记录保存到 %1：%2

请选择一个可写的文件夹，或复制记录后粘贴到别处。</translation>
    </message>
    <message>
        <source>Traffic log…</source>
        <translation>通信记录…</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Программа настройки - Corvex Flight Controller (corvex.example)</source>
        <translation>调参软件 - Corvex飞控 (corvex.example)</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Загрузка...</source>
        <translation>升级中...</translation>
    </message>
    <message>
        <source>Обновление ПО</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Тип модели</source>
        <translation>机架类型</translation>
    </message>
    <message>
        <source>Частота ESC</source>
        <translation>电调频率</translation>
    </message>
    <message>
        <source>Частота servo</source>
        <translation>舵机频率</translation>
    </message>
    <message>
        <source>Сохранить конфиг.</source>
        <translation>保存参数</translation>
    </message>
    <message>
        <source>0|50|100</source>
        <translation>0|50|100</translation>
    </message>
    <message>
        <source>100-|0|100</source>
        <translation>-100|0|100</translation>
    </message>
    <message>
        <source>2.80V|3.25V|3.70V</source>
        <translation>2.80V|3.25V|3.70V</translation>
    </message>
    <message>
        <source>Загрузить конфиг.</source>
        <translation>加载参数</translation>
    </message>
    <message>
        <source>Версия:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Возможности</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <source>5 Канал</source>
        <translation>5通道</translation>
    </message>
    <message>
        <source>6 Канал</source>
        <translation>6通道</translation>
    </message>
    <message>
        <source>7 Канал</source>
        <translation>7通道</translation>
    </message>
    <message>
        <source>L   M   H </source>
        <translation>低   中   高 </translation>
    </message>
    <message>
        <source>L   M   H</source>
        <translation>低   中   高</translation>
    </message>
    <message>
        <source>L   H </source>
        <translation>低   高 </translation>
    </message>
    <message>
        <source>LIPO монитор</source>
        <translation>电池监测</translation>
    </message>
    <message>
        <source>Аппаратура</source>
        <translation>接收机</translation>
    </message>
    <message>
        <source>Гироскоп</source>
        <translation>陀螺仪</translation>
    </message>
    <message>
        <source>Акселерометр</source>
        <translation>加速度计</translation>
    </message>
    <message>
        <source>Компас</source>
        <translation>指南针</translation>
    </message>
    <message>
        <source>Барометр</source>
        <translation>气压计</translation>
    </message>
    <message>
        <source>Сонар</source>
        <translation>超声波</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>1 банка</source>
        <translation>电芯1</translation>
    </message>
    <message>
        <source>2 банка</source>
        <translation>电芯2</translation>
    </message>
    <message>
        <source>3 банка</source>
        <translation>电芯3</translation>
    </message>
    <message>
        <source>4 банка</source>
        <translation>电芯4</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Отобразить</source>
        <translation>显示数据</translation>
    </message>
    <message>
        <source>График</source>
        <translation>曲线图</translation>
    </message>
    <message>
        <source>CH1     CH2     CH3      CH4     CH5    CH6     CH7     CH8</source>
        <translation>CH1     CH2     CH3      CH4     CH5    CH6     CH7     CH8</translation>
    </message>
    <message>
        <source>Аппаратура управления (реверс каналов)</source>
        <translation>遥控器（通道反向）</translation>
    </message>
    <message>
        <source>М1         M2       M3       M4       M5       M6       M7      M8</source>
        <translation>M1 M2 M3 M4 M5 M6 M7 M8</translation>
    </message>
    <message>
        <source>Настройка каналов (реверс двигателей)</source>
        <translation>输出通道（电机反向）</translation>
    </message>
    <message>
        <source>Конфиг. компаса</source>
        <translation>指南针</translation>
    </message>
    <message>
        <source>град.</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Настр. сонара</source>
        <translation>超声波</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>Барометр (высота)</source>
        <translation>气压计（高度）</translation>
    </message>
    <message>
        <source>дм</source>
        <translation>分米</translation>
    </message>
    <message>
        <source>Настройки системы и обновление:</source>
        <translation>系统设置与固件升级：</translation>
    </message>
    <message>
        <source>Панель настроек Corvex FC</source>
        <translation>Corvex飞控设置</translation>
    </message>
    <message>
        <source>Доп. каналы</source>
        <translation>辅助通道</translation>
    </message>
    <message>
        <source>Выберите ресурсы используемые на плате</source>
        <translation>选择飞控板上使用的设备</translation>
    </message>
    <message>
        <source>Настройка батареи (Калибровка и диагностика)</source>
        <translation>电池设置（校准与检测）</translation>
    </message>
    <message>
        <source>Параметры каналов аппаратуры управления</source>
        <translation>遥控器通道参数</translation>
    </message>
    <message>
        <source>1. GIMBAL</source>
        <translation>1. 云台</translation>
    </message>
    <message>
        <source>2. BI</source>
        <translation>2. 双轴</translation>
    </message>
    <message>
        <source>3. TRI</source>
        <translation>3. 三轴</translation>
    </message>
    <message>
        <source>4. QUADP</source>
        <translation>4. 四轴十字型</translation>
    </message>
    <message>
        <source>5. QUADX</source>
        <translation>5. 四轴X型</translation>
    </message>
    <message>
        <source>6. Y4</source>
        <translation>6. Y4</translation>
    </message>
    <message>
        <source>7----Y6</source>
        <translation>7. Y6</translation>
    </message>
    <message>
        <source>8----HEX6</source>
        <translation>8. 六轴十字型</translation>
    </message>
    <message>
        <source>9----HEX6X</source>
        <translation>9. 六轴X型</translation>
    </message>
    <message>
        <source>10--OCTOX8</source>
        <translation>10. 八轴X8</translation>
    </message>
    <message>
        <source>11--OCTOFLATP</source>
        <translation>11. 八轴平面十字型</translation>
    </message>
    <message>
        <source>12--OCTOFLATX</source>
        <translation>12. 八轴平面X型</translation>
    </message>
    <message>
        <source>13--FLYING_WING</source>
        <translation>13. 飞翼</translation>
    </message>
    <message>
        <source>14--FIXED_WING</source>
        <translation>14. 固定翼</translation>
    </message>
    <message>
        <source>1. 50Hz   (20 ms)</source>
        <translation>1. 50Hz (20 ms)</translation>
    </message>
    <message>
        <source>2. 100Hz (10 ms)</source>
        <translation>2. 100Hz (10 ms)</translation>
    </message>
    <message>
        <source>3. 270Hz (3.6ms)</source>
        <translation>3. 270Hz (3.6ms)</translation>
    </message>
    <message>
        <source>4. 330Hz (3ms)</source>
        <translation>4. 330Hz (3ms)</translation>
    </message>
    <message>
        <source>5. 500Hz (2ms 特殊电调)</source>
        <translation>5. 500Hz (2ms 特殊电调)</translation>
    </message>
    <message>
        <source>6. 2KHz PWM (特殊电调)</source>
        <translation>6. 2KHz PWM (特殊电调)</translation>
    </message>
    <message>
        <source>1. 50Hz舵机</source>
        <translation>1. 50Hz舵机</translation>
    </message>
    <message>
        <source>2. 270HZ舵机</source>
        <translation>2. 270Hz舵机</translation>
    </message>
    <message>
        <source>Default 4 axis less 300mm</source>
        <translation>默认：四轴 300mm以下</translation>
    </message>
    <message>
        <source>Default 4 axis  300－450mm</source>
        <translation>默认：四轴 300－450mm</translation>
    </message>
    <message>
        <source>Default 4 axis  450－650mm</source>
        <translation>默认：四轴 450－650mm</translation>
    </message>
    <message>
        <source>Default 4 axis  650mm</source>
        <translation>默认：四轴 650mm</translation>
    </message>
    <message>
        <source>Load from file saved by yourself</source>
        <translation>从自己保存的文件加载</translation>
    </message>
    <message>
        <source>Уровень стабилиз.</source>
        <translation>主稳定度</translation>
    </message>
    <message>
        <source>Доп. стабилизация</source>
        <translation>辅助稳定度</translation>
    </message>
    <message>
        <source>Динамич. стабилиз.</source>
        <translation>动态稳定度</translation>
    </message>
    <message>
        <source>Уровень балансир.</source>
        <translation>主平衡度</translation>
    </message>
    <message>
        <source>Доп. балансировка</source>
        <translation>辅助平衡度</translation>
    </message>
    <message>
        <source>Курсовая стабилиз.</source>
        <translation>方向稳定度</translation>
    </message>
    <message>
        <source>Чувствит. компаса</source>
        <translation>方向锁定度</translation>
    </message>
    <message>
        <source>Настройки барометр</source>
        <translation>高度锁定度</translation>
    </message>
    <message>
        <source>Чувствит. барометр</source>
        <translation>辅助高度锁定</translation>
    </message>
    <message>
        <source>Подвес по Pitch</source>
        <translation>云台俯仰</translation>
    </message>
    <message>
        <source>Подвес по Roll</source>
        <translation>云台横滚</translation>
    </message>
    <message>
        <source>Монитор LIPO</source>
        <translation>低压报警</translation>
    </message>
</context>
</TS>
