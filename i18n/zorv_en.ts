<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Flight modes</name>
    <message>
        <source>Стабильность</source>
        <translation>Self-level</translation>
    </message>
    <message>
        <source>Режим 3D</source>
        <translation>3D mode</translation>
    </message>
    <message>
        <source>Барометр</source>
        <translation>Altitude hold</translation>
    </message>
    <message>
        <source>Компас</source>
        <translation>Heading lock</translation>
    </message>
    <message>
        <source>Care Free</source>
        <translation>Care Free</translation>
    </message>
    <message>
        <source>Подвес серво</source>
        <translation>Gimbal servo</translation>
    </message>
    <message>
        <source>Удержание</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Автопосадка</source>
        <translation>Return home</translation>
    </message>
    <message>
        <source>AutoLanding</source>
        <translation>Auto-landing</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>提示：请首先将Corvex飞控连接电脑的USB接口，再从右侧列表框中选择您即将使用的串口：<byte value="xd"/><byte value="xd"/>1.选择后，系统将在列表框右侧提示您串口是否成功打开。<byte value="xd"/><byte value="xd"/>2.若串口成功打开，而飞控数据仍无法读取时，说明该串口已被另一设备占用!此时，请重新选择串口! <byte value="xd"/><byte value="xd"/>3.每选择一次串口，将重新读取飞控中的各项数据一次!</source>
        <translation>Tip: first connect the Corvex flight controller to a USB port of the computer, then choose the serial port you are going to use from the list on the right:<byte value="xd"/><byte value="xd"/>1. After you choose, the box to the right of the list tells you whether the port opened.<byte value="xd"/><byte value="xd"/>2. If the port opened but the controller&apos;s data still cannot be read, the port is taken by another device! Choose the port again!<byte value="xd"/><byte value="xd"/>3. Each time you choose a port, all the data is read from the controller once more!</translation>
    </message>
    <message>
        <source>提示：请根据您的机器从右侧列表框中选择多轴模式，<byte value="xd"/><byte value="xd"/>您的选择将立即被系统设置并保存到Corvex飞控中!<byte value="xd"/><byte value="xd"/>描述：主要作用是提供机架模式的选择。默认的是常用的4X模式。<byte value="xd"/><byte value="xd"/>其它的，可以根据说明书上的图例对应的模式选择。</source>
        <translation>Tip: choose the multirotor type of your aircraft from the list on the right;<byte value="xd"/><byte value="xd"/>your choice is set and saved in the Corvex flight controller at once!<byte value="xd"/><byte value="xd"/>Description: this selects the frame type. The default is the common quad X (4X).<byte value="xd"/><byte value="xd"/>For other frames, choose the type that matches the drawings in the manual.</translation>
    </message>
    <message>
        <source>提示：请根据您的机器从右侧列表框中选择输出模式，<byte value="xd"/><byte value="xd"/>您的选择将立即被系统设置并保存到Corvex飞控中!<byte value="xd"/><byte value="xd"/>描述：主要作用中为了适应不同的电调或舵机，一般选择330HZ。</source>
        <translation>Tip: choose the output mode for your aircraft from the list on the right;<byte value="xd"/><byte value="xd"/>your choice is set and saved in the Corvex flight controller at once!<byte value="xd"/><byte value="xd"/>Description: this suits the output to different ESCs or servos; 330Hz is the usual choice.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的主稳定度值!<byte value="xd"/><byte value="xd"/>描述：主稳定度主要是让飞行器抵抗突变的外力，暂时的稳定保持在某一个姿态。<byte value="xd"/><byte value="xd"/>如果从头开始调主稳定度，需要将平衡度，方向，高度等参数都归零。<byte value="xd"/><byte value="xd"/>主稳定度可以从小到大慢慢增加，直到飞控出现轻微的抖动，然后再往小调一点。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the main stability value!<byte value="xd"/><byte value="xd"/>Description: main stability mainly lets the aircraft resist sudden outside forces and hold its attitude for the moment.<byte value="xd"/><byte value="xd"/>If you tune main stability from scratch, first set balance, heading, altitude and the other settings to zero.<byte value="xd"/><byte value="xd"/>Raise main stability slowly from low to high until the aircraft starts to shake slightly, then turn it back down a little.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助稳定度值!<byte value="xd"/><byte value="xd"/>描述：其主要作用是更精确地让飞行器长时间保持在某一个姿态。<byte value="xd"/><byte value="xd"/>在主稳定度大致确定后，就可以尝试加大辅助稳定了，直到飞行器<byte value="xd"/><byte value="xd"/>出现轻微的慢速摇摆趋势。然后再往回调一点</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the aux stability value!<byte value="xd"/><byte value="xd"/>Description: it mainly keeps the aircraft in one attitude more precisely for a longer time.<byte value="xd"/><byte value="xd"/>Once main stability is roughly set, try raising aux stability until the aircraft starts to sway slightly and slowly. Then turn it back a little.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的动态稳定度值!<byte value="xd"/><byte value="xd"/>描述：动态稳定的作用主要是抑制飞行器瞬时抖动，减缓主稳定度<byte value="xd"/><byte value="xd"/>和辅助稳定度调整过程中引起的抖动。前面2项调试过程中或者调出一个<byte value="xd"/><byte value="xd"/>大致值后，就可以尝试加大动态稳定度。这个值太大会引起飞机的高频<byte value="xd"/><byte value="xd"/>抖动，如果调到0还是有高频抖动，请将飞控板本身的现场参数对应<byte value="xd"/><byte value="xd"/>的动态稳定减小，小飞机可以调到0。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the dynamic stability value!<byte value="xd"/><byte value="xd"/>Description: dynamic stability mainly damps sudden jitter of the aircraft and eases the shaking that comes up while tuning main and aux stability. While tuning those two, or once they have rough values, try raising dynamic stability. Too high a value makes the aircraft shake at high frequency; if it still shakes at high frequency at 0, lower the matching dynamic stability in the board&apos;s own field settings. Small aircraft can use 0.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的主平衡度值!<byte value="xd"/><byte value="xd"/>描述：主平衡度的主要作用是直接快速的让飞行器回复水平状态，<byte value="xd"/><byte value="xd"/>此项只有在初级模式（自稳模式）下有效。调试时先将遥控器的模式开关打<byte value="xd"/><byte value="xd"/>到初级模式，然后逐渐增大平衡度，直到飞机出现振荡趋势，再往回调一点。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the main balance value!<byte value="xd"/><byte value="xd"/>Description: main balance mainly brings the aircraft back to level directly and quickly; it only works in beginner mode (self-level mode). To tune it, first put the mode switch of your transmitter in beginner mode, then raise the balance step by step until the aircraft tends to oscillate, and turn it back a little.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助平衡度值!<byte value="xd"/><byte value="xd"/>描述：辅助平衡的主要作用是更精确的修正飞机达到精确水平位置。<byte value="xd"/><byte value="xd"/>在主平衡调试到一个大概值后，就可以尝试加大辅助平衡，直到效果<byte value="xd"/><byte value="xd"/>满意而又不振荡为止。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the aux balance value!<byte value="xd"/><byte value="xd"/>Description: aux balance mainly corrects the aircraft more precisely to an exactly level position.<byte value="xd"/><byte value="xd"/>Once main balance is tuned to a rough value, try raising aux balance until the result satisfies you without oscillation.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的方向稳定度值!<byte value="xd"/><byte value="xd"/>描述：方向稳定度是抑制飞行器的自旋，使方向保持相对的稳定。也是<byte value="xd"/><byte value="xd"/>从小到大逐步调整。直到用手水平转动飞行器有比较明显的桨速变化。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the yaw stability value!<byte value="xd"/><byte value="xd"/>Description: yaw stability stops the aircraft from spinning on its own and keeps its heading fairly steady. It too is raised step by step from low to high, until turning the aircraft level by hand gives a clearly noticeable change in propeller speed.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的方向锁定度值!<byte value="xd"/><byte value="xd"/>描述：方向锁定的主要作用是让飞行器方向保持现有的指向俗称锁头。<byte value="xd"/><byte value="xd"/>此项也是从小到大调整，直到飞行器方向不自旋为止。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the heading lock value!<byte value="xd"/><byte value="xd"/>Description: heading lock mainly keeps the aircraft pointing the way it points now, known as &quot;head lock&quot;.<byte value="xd"/><byte value="xd"/>It too is raised from low to high, until the aircraft no longer turns on its own.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的高度锁定度值!<byte value="xd"/><byte value="xd"/>描述：如果选择了气压计和超声波，高度锁定就需要设置，一般选50～80<byte value="xd"/><byte value="xd"/>比较合适，越大反应越快，但是太灵敏了就容易上下抖动。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the altitude hold value!<byte value="xd"/><byte value="xd"/>Description: if the barometer and sonar are selected, altitude hold has to be set; 50–80 usually works well. Higher values react faster, but too sensitive a setting easily makes the aircraft bob up and down.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助高度锁定值!<byte value="xd"/><byte value="xd"/>描述：辅助高度的作用主要是消除高度锁定过程中的上下振荡，如果高度锁定时<byte value="xd"/><byte value="xd"/>有上下振荡的现象，可以适当加大此值。注意任何参数都有一个合适的范围。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the aux altitude hold value!<byte value="xd"/><byte value="xd"/>Description: aux altitude hold mainly removes the up-and-down oscillation while altitude is held. If the aircraft oscillates up and down while holding altitude, raise this value somewhat. Remember that every setting has a range that suits it.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的云台俯仰比例值!<byte value="xd"/><byte value="xd"/>描述：云台舵机的比例主要是配合云台调整俯仰动作补偿的大小，根据实际情况调整。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the gimbal pitch ratio value!<byte value="xd"/><byte value="xd"/>Description: the gimbal servo ratio sets how much the gimbal compensates pitch movement; adjust it to suit your setup.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的云台横滚比例值!<byte value="xd"/><byte value="xd"/>描述：云台舵机的比例主要是配合云台调整水平动作补偿的大小，根据实际情况调整。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the gimbal roll ratio value!<byte value="xd"/><byte value="xd"/>Description: the gimbal servo ratio sets how much the gimbal compensates roll movement; adjust it to suit your setup.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的报警电压值!<byte value="xd"/><byte value="xd"/>描述：设置电池的报警门限，指的是带负载电压，此电压是和飞控现场设置参数中的<byte value="xd"/><byte value="xd"/>电压微调值相加的，一般好电池带负载电压跌落小，可以相应设高点，比如3.5V。<byte value="xd"/><byte value="xd"/>C数低的电池相应要设低一些，比如3.4V，如果还不够请将现场参数相应的值微调继续调小。<byte value="xd"/><byte value="xd"/>特别说明：设置值为350,即指设置的报警电压为3.5伏。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the alarm voltage value!<byte value="xd"/><byte value="xd"/>Description: sets the battery alarm threshold, meaning the voltage under load. It is added to the voltage trim in the controller&apos;s field settings. A good battery sags little under load, so you can set it a bit higher, e.g. 3.5V.<byte value="xd"/><byte value="xd"/>Set it lower for batteries with a low C rating, e.g. 3.4V; if that is still not enough, lower the matching trim in the field settings further.<byte value="xd"/><byte value="xd"/>Note: a setting of 350 means an alarm voltage of 3.5 volts.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的炸机休眠感度值!<byte value="xd"/><byte value="xd"/>描述：其主要功能是让飞行器自动感受离地高度，以达到飞行器落地则自动关闭油门<byte value="xd"/><byte value="xd"/>的目的。特别提醒的是，本值并不代表离地高度，只是代表自动熄火的敏感程度。</source>
        <translation>Tip: drag the slider to the value you want (the box to the right of the slider shows the exact number).<byte value="xd"/><byte value="xd"/>When you release the mouse button, that value is set as the landing shut-off sensitivity value!<byte value="xd"/><byte value="xd"/>Description: its main job is to let the aircraft sense its height above the ground by itself, so that the throttle is closed automatically when it touches down. Please note: this value is not a height above the ground; it only sets how sensitive the automatic motor cut-off is.</translation>
    </message>
    <message>
        <source>提示：请根据您的需要，自己定义相应功能选项：<byte value="xd"/><byte value="xd"/> 1.每一行全为空白，表示该项功能未被选择；<byte value="xd"/><byte value="xd"/> 2.请根据您即将使用的遥控器通道及开关档位进行相应的功能选择，以免误选和漏选；<byte value="xd"/><byte value="xd"/> 3.因功能需要，“自稳”与“3D”,“锁定航向”与“无向CF”的同一通道同一开关档位的选择是互斥的。<byte value="xd"/><byte value="xd"/>4.因功能需要，选择“自动降落”功能时，相应的“定高”功能也自动选上。<byte value="xd"/><byte value="xd"/>  相应的，取消“定高”功能时，同档位的“自动降落”功能将自动取消。</source>
        <translation>Tip: set up the functions the way you need them:<byte value="xd"/><byte value="xd"/> 1. A row left all empty means that function is not used;<byte value="xd"/><byte value="xd"/> 2. Choose the functions by the transmitter channels and switch positions you are going to use, so that nothing is chosen by mistake or left out;<byte value="xd"/><byte value="xd"/> 3. By design, “Self-level” and “3D mode”, and “Heading lock” and “Care Free”, exclude each other on the same channel and switch position.<byte value="xd"/><byte value="xd"/>4. By design, choosing “Auto-landing” also chooses the matching “Altitude hold”.<byte value="xd"/><byte value="xd"/>  Likewise, clearing “Altitude hold” clears “Auto-landing” at the same switch position.</translation>
    </message>
</context>
<context>
    <name>Live</name>
    <message>
        <source>Press «Отобразить» to start the live data</source>
        <translation>Press “Display Data” to start the live data</translation>
    </message>
    <message>
        <source>Paused: press Space to go on (the data is still being recorded)</source>
        <translation>Paused: press Space to go on (the data is still being recorded)</translation>
    </message>
    <message>
        <source>Live data from the controller. Space pauses the view.</source>
        <translation>Live data from the controller. Space pauses the view.</translation>
    </message>
    <message>
        <source>Receiver channels (µs)</source>
        <translation>Receiver channels (µs)</translation>
    </message>
    <message>
        <source>Motor outputs (µs)</source>
        <translation>Motor outputs (µs)</translation>
    </message>
    <message>
        <source>Receiver (CH1–CH8)</source>
        <translation>Receiver (CH1–CH8)</translation>
    </message>
    <message>
        <source>Motors (M1–M8)</source>
        <translation>Motors (M1–M8)</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>Heading (°)</source>
        <translation>Heading (°)</translation>
    </message>
    <message>
        <source>Sonar (mm)</source>
        <translation>Sonar (mm)</translation>
    </message>
    <message>
        <source>Height (dm)</source>
        <translation>Height (dm)</translation>
    </message>
    <message>
        <source>Sensor 4</source>
        <translation>Sensor 4</translation>
    </message>
    <message>
        <source>Sensor 5</source>
        <translation>Sensor 5</translation>
    </message>
    <message>
        <source>Sensor 6</source>
        <translation>Sensor 6</translation>
    </message>
    <message>
        <source>Sensor 7</source>
        <translation>Sensor 7</translation>
    </message>
    <message>
        <source>Sensor 8</source>
        <translation>Sensor 8</translation>
    </message>
    <message>
        <source>Zorv — live data</source>
        <translation>Zorv — live data</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Graph of the last 10 s:</source>
        <translation>Graph of the last 10 s:</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Freezes the bars and the graph (Space). Recording goes on.</source>
        <translation>Freezes the bars and the graph (Space). Recording goes on.</translation>
    </message>
    <message>
        <source>Save CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Writes the last 60 s of records to a CSV file (Ctrl+S)</source>
        <translation>Writes the last 60 s of records to a CSV file (Ctrl+S)</translation>
    </message>
    <message>
        <source>Graph of the last 10 s</source>
        <translation>Graph of the last 10 s</translation>
    </message>
    <message>
        <source>Could not write the live data to %1: %2. Choose another folder or file name and try again.</source>
        <translation>Could not write the live data to %1: %2. Choose another folder or file name and try again.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 %2 (%3 to %4)</source>
        <translation>%1 %2 (%3 to %4)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%2. They are kept and saved as they are; nothing is sent unless you change them.</source>
        <translation>%1%2. They are kept and saved as they are; nothing is sent unless you change them.</translation>
    </message>
    <message>
        <source>The controller holds values this tool does not know: </source>
        <translation>The controller holds values this tool does not know: </translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>The value %1 for setting &apos;%2&apos; is outside 0..9999 and was not sent to the controller.</source>
        <translation>The value %1 for setting &apos;%2&apos; is outside 0..9999 and was not sent to the controller.</translation>
    </message>
    <message>
        <source>Tarvik Warning:</source>
        <translation>Tarvik Warning:</translation>
    </message>
    <message>
        <source>for its firmware kind at the end of the read-back (query ?W)</source>
        <translation>for its firmware kind at the end of the read-back (query ?W)</translation>
    </message>
    <message>
        <source>for its settings (query ?%1, %2 of %3)</source>
        <translation>for its settings (query ?%1, %2 of %3)</translation>
    </message>
    <message>
        <source>COM Opened</source>
        <translation>COM opened</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>No answer</translation>
    </message>
    <message>
        <source>Nothing was sent to the controller: the value about to be sent for %1 (%2) is not what its box shows (%3). Check the box, then %4.</source>
        <translation>Nothing was sent to the controller: the value about to be sent for %1 (%2) is not what its box shows (%3). Check the box, then %4.</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>%1 typed into %2</source>
        <translation>%1 typed into %2</translation>
    </message>
    <message>
        <source>%1 (the controller holds %2)</source>
        <translation>%1 (the controller holds %2)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Typed, not sent yet: release the slider to send it</source>
        <translation>Typed, not sent yet: release the slider to send it</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>Cannot open the file %1: %2</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2.<byte value="xd"/><byte value="xd"/>The port is opened all the same; the port you pick is not remembered for the next start.</source>
        <translation>Cannot open the file %1: %2.<byte value="xd"/><byte value="xd"/>The port is opened all the same; the port you pick is not remembered for the next start.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>COM Failed</source>
        <translation>COM failed</translation>
    </message>
    <message>
        <source>COM opened</source>
        <translation>COM opened</translation>
    </message>
    <message>
        <source>串口未打开</source>
        <translation>COM not open</translation>
    </message>
    <message>
        <source>for its firmware kind before the upgrade (query ?W)</source>
        <translation>for its firmware kind before the upgrade (query ?W)</translation>
    </message>
    <message>
        <source>This controller reports firmware kind %1; Zorv changes the settings of TKVR controllers only, so they are locked.</source>
        <translation>This controller reports firmware kind %1; Zorv changes the settings of TKVR controllers only, so they are locked.</translation>
    </message>
    <message>
        <source>Tarvik航模提示：</source>
        <translation>Tarvik RC tip:</translation>
    </message>
    <message>
        <source>move the slider again</source>
        <translation>move the slider again</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 to %3. The box held %4, so %5 was sent to the controller.</source>
        <translation>&quot;%1&quot; takes %2 to %3. The box held %4, so %5 was sent to the controller.</translation>
    </message>
    <message>
        <source>fireware error，please select it again!</source>
        <translation>Firmware file error. Please choose it again!</translation>
    </message>
    <message>
        <source>The firmware file is longer than 65536 bytes and does not fit into the image area. Nothing was loaded; please select another file.</source>
        <translation>The firmware file is longer than 65536 bytes and does not fit into the image area. Nothing was loaded; please select another file.</translation>
    </message>
    <message>
        <source>Data error，Please try it again!</source>
        <translation>Data error. Please try again!</translation>
    </message>
    <message>
        <source>Upgraded with %1. To upgrade again, choose the firmware file again.</source>
        <translation>Upgraded with %1. To upgrade again, choose the firmware file again.</translation>
    </message>
    <message>
        <source>to take firmware packet %1 of %2</source>
        <translation>to take firmware packet %1 of %2</translation>
    </message>
    <message>
        <source>Congratulations!You&apos;ve upgraded successfully!</source>
        <translation>Congratulations! The upgrade was successful!</translation>
    </message>
    <message>
        <source>Tarvik Congratulations:</source>
        <translation>Tarvik Congratulations:</translation>
    </message>
    <message>
        <source>Data sending...&gt;&gt;%1%</source>
        <translation>Sending... %1%</translation>
    </message>
    <message>
        <source>Finished%1%</source>
        <translation>Done %1%</translation>
    </message>
    <message>
        <source>to start its loader (%1)</source>
        <translation>to start its loader (%1)</translation>
    </message>
    <message>
        <source>Upgrade the controller on %1 with %2 (%3 bytes, %4 packets)? Keep the cable in and the power on until it says it has finished.</source>
        <translation>Upgrade the controller on %1 with %2 (%3 bytes, %4 packets)? Keep the cable in and the power on until it says it has finished.</translation>
    </message>
    <message>
        <source>The controller&apos;s answer to the firmware-kind query (?W) was damaged, so the upgrade did not start and nothing was sent to it. Check the cable, then press &quot;Обновить&quot; to ask again.</source>
        <translation>The controller&apos;s answer to the firmware-kind query (?W) was damaged, so the upgrade did not start and nothing was sent to it. Check the cable, then press &quot;Upgrade&quot; to ask again.</translation>
    </message>
    <message>
        <source>The controller reported firmware kind %1, but its answer came in pieces, so the upgrade did not start and nothing was sent to it. Press &quot;Обновить&quot; to ask again.</source>
        <translation>The controller reported firmware kind %1, but its answer came in pieces, so the upgrade did not start and nothing was sent to it. Press &quot;Upgrade&quot; to ask again.</translation>
    </message>
    <message>
        <source>The controller reports firmware kind %1; this tool upgrades TKVR and PXOJ boards only.</source>
        <translation>The controller reports firmware kind %1; this tool upgrades TKVR and PXOJ boards only.</translation>
    </message>
    <message>
        <source>The controller may now hold an incomplete firmware and must be upgraded again before it flies: press &quot;Обновить&quot; again (the image is still loaded).</source>
        <translation>The controller may now hold an incomplete firmware and must be upgraded again before it flies: press &quot;Upgrade&quot; again (the image is still loaded).</translation>
    </message>
    <message>
        <source>Please measuring voltage first，then write it into inputbox,<byte value="xd"/><byte value="xd"/>Then click [Calibrate] to calibrate your battery。<byte value="xd"/><byte value="xd"/>Are you sure to calibrate your battery？</source>
        <translation>Measure the voltages first, then type them into the input boxes.<byte value="xd"/><byte value="xd"/>Then click [Calibrate] to calibrate your battery.<byte value="xd"/><byte value="xd"/>Are you sure you want to calibrate your battery?</translation>
    </message>
    <message>
        <source>Tarvik Warning：</source>
        <translation>Tarvik Warning:</translation>
    </message>
    <message>
        <source>校准完成！</source>
        <translation>Calibration complete!</translation>
    </message>
    <message>
        <source>Tarvik航模提示:</source>
        <translation>Tarvik RC tip:</translation>
    </message>
    <message>
        <source> Type each cell&apos;s measured voltage in hundredths of a volt (410 for 4.10 V). Nothing was sent to the controller.</source>
        <translation> Type each cell&apos;s measured voltage in hundredths of a volt (410 for 4.10 V). Nothing was sent to the controller.</translation>
    </message>
    <message>
        <source>Cell %1 reads %2, below 0.%3</source>
        <translation>Cell %1 reads %2, below 0.%3</translation>
    </message>
    <message>
        <source>The four cells add up to %1, more than the %2 the controller takes.%3</source>
        <translation>The four cells add up to %1, more than the %2 the controller takes.%3</translation>
    </message>
    <message>
        <source>to take battery calibration step %1 of 4</source>
        <translation>to take battery calibration step %1 of 4</translation>
    </message>
    <message>
        <source>calibrate again</source>
        <translation>calibrate again</translation>
    </message>
    <message>
        <source>The battery calibration did not complete: the controller stopped answering after %1 of %2 steps. Check its power and cable, pick the port again, then calibrate once more.</source>
        <translation>The battery calibration did not complete: the controller stopped answering after %1 of %2 steps. Check its power and cable, pick the port again, then calibrate once more.</translation>
    </message>
    <message>
        <source>Stop Display</source>
        <translation>Stop Display</translation>
    </message>
    <message>
        <source>Display Data</source>
        <translation>Display Data</translation>
    </message>
    <message>
        <source>&lt;-Please select the upgrade fireware(*.bin) first,then click the upgrade !</source>
        <translation>&lt;- Choose the firmware file (*.bin) first, then click Upgrade!</translation>
    </message>
    <message>
        <source>No data from the controller: check its power and cable. The display stays on and shows the values as soon as they come.</source>
        <translation>No data from the controller: check its power and cable. The display stays on and shows the values as soon as they come.</translation>
    </message>
    <message>
        <source>for live data (S~0001)</source>
        <translation>for live data (S~0001)</translation>
    </message>
    <message>
        <source>for its reverse flags (query %1)</source>
        <translation>for its reverse flags (query %1)</translation>
    </message>
    <message>
        <source>you will save the current data now，and it&apos;s defaut filename is TKVR_Data.txt,<byte value="xd"/><byte value="xd"/>you can change the filename or path。<byte value="xd"/><byte value="xd"/>Warning：you can not edit the file or data format，if you do ,it can not revcover to corvexe！<byte value="xd"/><byte value="xd"/>Are you sure to save the data？</source>
        <translation>You are about to save the current data; the default file name is TKVR_Data.txt,<byte value="xd"/><byte value="xd"/>you can change the file name or folder.<byte value="xd"/><byte value="xd"/>Warning: do not edit the file or its data format; if you do, it cannot be restored to the Corvex!<byte value="xd"/><byte value="xd"/>Are you sure you want to save the data?</translation>
    </message>
    <message>
        <source>Attention：please select the Item to Load Default Data!<byte value="xd"/><byte value="xd"/>1.Load default data。<byte value="xd"/><byte value="xd"/>2.Load from file you saved <byte value="xd"/><byte value="xd"/>注意：不要改变原有文件的格式，否则恢复的参数可能不正确!</source>
        <translation>Attention: please choose an item in the list to load default data!<byte value="xd"/><byte value="xd"/>1. Load default data.<byte value="xd"/><byte value="xd"/>2. Load from a file you saved.<byte value="xd"/><byte value="xd"/>Note: do not change the format of the saved file, or the restored settings may be wrong!</translation>
    </message>
    <message>
        <source>TXT File (*.txt)|*.txt||</source>
        <translation>Text files (*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>file self_saved_(*.txt)|*.txt|All file(*.*)|*.*||</source>
        <translation>Files you saved (*.txt)|*.txt|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>to take a saved file (%1)</source>
        <translation>to take a saved file (%1)</translation>
    </message>
    <message>
        <source>to take setting %1 of %2 from your file (%3)</source>
        <translation>to take setting %1 of %2 from your file (%3)</translation>
    </message>
    <message>
        <source>This file cannot be loaded: %1.<byte value="xd"/><byte value="xd"/>Nothing was sent to the controller.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>This file cannot be loaded: %1.<byte value="xd"/><byte value="xd"/>Nothing was sent to the controller.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>to load the default set “%1”</source>
        <translation>to load the default set “%1”</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) %3, outside %4: %5<byte value="xd"/></source>
        <translation>line %1 (&quot;%2&quot;) %3, outside %4: %5<byte value="xd"/></translation>
    </message>
    <message>
        <source>sent as it stands</source>
        <translation>sent as it stands</translation>
    </message>
    <message>
        <source>cannot go out as four digits, skipped</source>
        <translation>cannot go out as four digits, skipped</translation>
    </message>
    <message>
        <source>This file holds values this tool does not know:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/>Send the file to the controller? No sends nothing.</source>
        <translation>This file holds values this tool does not know:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/>Send the file to the controller? No sends nothing.</translation>
    </message>
    <message>
        <source>These values were typed but not sent to the controller; the file will hold them: %1.<byte value="xd"/><byte value="xd"/>OK goes on to save them; Cancel saves nothing. Releasing a slider sends its typed value.</source>
        <translation>These values were typed but not sent to the controller; the file will hold them: %1.<byte value="xd"/><byte value="xd"/>OK goes on to save them; Cancel saves nothing. Releasing a slider sends its typed value.</translation>
    </message>
    <message>
        <source>The parameters could not be saved: %1.<byte value="xd"/><byte value="xd"/>Any file that was there is unchanged.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>The parameters could not be saved: %1.<byte value="xd"/><byte value="xd"/>Any file that was there is unchanged.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The controller did not answer the choice of a default set, so it may or may not have loaded it. Pick the port again to read what it now holds.</source>
        <translation>The controller did not answer the choice of a default set, so it may or may not have loaded it. Pick the port again to read what it now holds.</translation>
    </message>
    <message>
        <source>The controller stopped answering after %1 of %2 settings; pick the port again to read what it now holds.</source>
        <translation>The controller stopped answering after %1 of %2 settings; pick the port again to read what it now holds.</translation>
    </message>
    <message>
        <source>&lt;-Please select upgrade fireware(*.bin) first,then click the Upgrade!</source>
        <translation>&lt;- Choose the firmware file (*.bin) first, then click Upgrade!</translation>
    </message>
    <message>
        <source>The port went away during the upgrade: %1</source>
        <translation>The port went away during the upgrade: %1</translation>
    </message>
    <message>
        <source>The upgrade was broken off: the port was picked again before it had finished.</source>
        <translation>The upgrade was broken off: the port was picked again before it had finished.</translation>
    </message>
    <message>
        <source>Are you sure to close the windows？</source>
        <translation>Are you sure you want to close the window?</translation>
    </message>
    <message>
        <source>%1 was not sent. Close anyway?</source>
        <translation>%1 was not sent. Close anyway?</translation>
    </message>
    <message>
        <source>%1 were not sent. Close anyway?</source>
        <translation>%1 were not sent. Close anyway?</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv|All files (*.*)|*.*||</source>
        <translation>CSV files (*.csv)|*.csv|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>COM3 (simulated controller)</source>
        <translation>COM3 (simulated controller)</translation>
    </message>
    <message>
        <source>%1: no serial device is connected for this number. Plug the controller in with a data cable, then open the port list again and pick it.</source>
        <translation>%1: no serial device is connected for this number. Plug the controller in with a data cable, then open the port list again and pick it.</translation>
    </message>
    <message>
        <source>COM%1 is pinned to %2, but no device is there. Plug the controller in (with a data cable) and pick the port again.</source>
        <translation>COM%1 is pinned to %2, but no device is there. Plug the controller in (with a data cable) and pick the port again.</translation>
    </message>
    <message>
        <source>%1 is not there any more (unplugged?). Plug the controller in, then open the port list again and pick it.</source>
        <translation>%1 is not there any more (unplugged?). Plug the controller in, then open the port list again and pick it.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it (another Zorv window, a serial terminal; on Linux also ModemManager, which grabs new boards for a few seconds) and pick the port again.</source>
        <translation>%1 is in use by another program. Close it (another Zorv window, a serial terminal; on Linux also ModemManager, which grabs new boards for a few seconds) and pick the port again.</translation>
    </message>
    <message>
        <source>You are not allowed to use %1. Add yourself to the dialout group with: sudo usermod -aG dialout $USER — then log out, log in again and pick the port.</source>
        <translation>You are not allowed to use %1. Add yourself to the dialout group with: sudo usermod -aG dialout $USER — then log out, log in again and pick the port.</translation>
    </message>
    <message>
        <source>%1 could not be opened. Pick the port again, or try another one.</source>
        <translation>%1 could not be opened. Pick the port again, or try another one.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2. Pick the port again, or try another one.</source>
        <translation>%1 could not be opened: %2. Pick the port again, or try another one.</translation>
    </message>
    <message>
        <source>Zorv asked the controller on %1 %2 and had no answer within %3.

Check that:
- the controller is powered;
- this is its port (open the port list to see which device each number is);
- the USB cable carries data (a charge-only cable does not);
- no other program holds the port (on Linux, ModemManager may grab a new board).

Then pick the port again to read the controller once more.</source>
        <translation>Zorv asked the controller on %1 %2 and had no answer within %3.

Check that:
- the controller is powered;
- this is its port (open the port list to see which device each number is);
- the USB cable carries data (a charge-only cable does not);
- no other program holds the port (on Linux, ModemManager may grab a new board).

Then pick the port again to read the controller once more.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>%1 (not in the list)</source>
        <translation>%1 (not in the list)</translation>
    </message>
    <message>
        <source>%1 (%2) %3 → %4</source>
        <translation>%1 (%2) %3 → %4</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>after a default set</source>
        <translation>after a default set</translation>
    </message>
    <message>
        <source>after a file was sent</source>
        <translation>after a file was sent</translation>
    </message>
    <message>
        <source>after an upgrade</source>
        <translation>after an upgrade</translation>
    </message>
    <message>
        <source>before a default set</source>
        <translation>before a default set</translation>
    </message>
    <message>
        <source>before a file was sent</source>
        <translation>before a file was sent</translation>
    </message>
    <message>
        <source>before an upgrade</source>
        <translation>before an upgrade</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be kept as a snapshot in %1: %2.<byte value="xd"/><byte value="xd"/>Nothing was sent or changed because of it, and the work goes on. Free some disk space or make that folder writable to keep snapshots again; this is said only once.</source>
        <translation>The controller&apos;s settings could not be kept as a snapshot in %1: %2.<byte value="xd"/><byte value="xd"/>Nothing was sent or changed because of it, and the work goes on. Free some disk space or make that folder writable to keep snapshots again; this is said only once.</translation>
    </message>
    <message>
        <source>Send this snapshot? %1<byte value="xd"/><byte value="xd"/>The whole file is sent, %2 commands; cell values never are.%3</source>
        <translation>Send this snapshot? %1<byte value="xd"/><byte value="xd"/>The whole file is sent, %2 commands; cell values never are.%3</translation>
    </message>
    <message>
        <source>%1 settings differ: %2.</source>
        <translation>%1 settings differ: %2.</translation>
    </message>
    <message>
        <source>1 setting differs: %1.</source>
        <translation>1 setting differs: %1.</translation>
    </message>
    <message>
        <source>It holds the settings the controller holds now.</source>
        <translation>It holds the settings the controller holds now.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>It holds values this tool does not know, sent as they stand where they fit four digits: %1.</source>
        <translation><byte value="xd"/><byte value="xd"/>It holds values this tool does not know, sent as they stand where they fit four digits: %1.</translation>
    </message>
    <message>
        <source>The upgrade changed %1 settings (%2). Send back the settings you had before the upgrade?</source>
        <translation>The upgrade changed %1 settings (%2). Send back the settings you had before the upgrade?</translation>
    </message>
    <message>
        <source>The upgrade changed 1 setting (%1). Send back the settings you had before the upgrade?</source>
        <translation>The upgrade changed 1 setting (%1). Send back the settings you had before the upgrade?</translation>
    </message>
    <message>
        <source>Snapshots…</source>
        <translation>Snapshots…</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Compare with file…</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Differs from the controller</source>
        <translation>Differs from the controller</translation>
    </message>
    <message>
        <source>Send to controller</source>
        <translation>Send to controller</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>No snapshots yet. Zorv keeps one each time it reads a controller&apos;s settings, and one right before a default set, a file or an upgrade replaces them.</source>
        <translation>No snapshots yet. Zorv keeps one each time it reads a controller&apos;s settings, and one right before a default set, a file or an upgrade replaces them.</translation>
    </message>
    <message>
        <source>The demo keeps no snapshots.</source>
        <translation>The demo keeps no snapshots.</translation>
    </message>
    <message>
        <source>Select a snapshot to see how it differs from the controller.</source>
        <translation>Select a snapshot to see how it differs from the controller.</translation>
    </message>
    <message>
        <source>No controller has been read yet, so there is nothing to compare with: pick the port first.</source>
        <translation>No controller has been read yet, so there is nothing to compare with: pick the port first.</translation>
    </message>
    <message>
        <source>This snapshot holds the settings the controller holds now.</source>
        <translation>This snapshot holds the settings the controller holds now.</translation>
    </message>
    <message>
        <source>Sending this snapshot would change:</source>
        <translation>Sending this snapshot would change:</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Compare with file</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 setting</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 settings</translation>
    </message>
    <message>
        <source>%1 holds the settings the controller holds now.</source>
        <translation>%1 holds the settings the controller holds now.</translation>
    </message>
    <message>
        <source>%1 differs from the controller in %2:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>(controller → file)</source>
        <translation>%1 differs from the controller in %2:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>(controller → file)</translation>
    </message>
    <message>
        <source>%1 cannot be compared: %2. It is not a parameter file saved by this tool.</source>
        <translation>%1 cannot be compared: %2. It is not a parameter file saved by this tool.</translation>
    </message>
    <message>
        <source>The snapshot folder %1 could not be opened in the file manager.</source>
        <translation>The snapshot folder %1 could not be opened in the file manager.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>cannot be read: %1</translation>
    </message>
    <message>
        <source>the same settings</source>
        <translation>the same settings</translation>
    </message>
    <message>
        <source>1 setting differs</source>
        <translation>1 setting differs</translation>
    </message>
    <message>
        <source>%1 settings differ</source>
        <translation>%1 settings differ</translation>
    </message>
    <message>
        <source>The controller on %1 is back but does not answer: Zorv read it back %2 times, a second apart, and had no answer.

Check that it is powered and has finished starting up, then pick %1 in the port list to read it again.</source>
        <translation>The controller on %1 is back but does not answer: Zorv read it back %2 times, a second apart, and had no answer.

Check that it is powered and has finished starting up, then pick %1 in the port list to read it again.</translation>
    </message>
    <message>
        <source>line %1 does not start with the label %2</source>
        <translation>line %1 does not start with the label %2</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3 where a 0 or 1 belongs</source>
        <translation>line %1 (%2) holds %3 where a 0 or 1 belongs</translation>
    </message>
    <message>
        <source>line %1 (%2) does not hold a cell value</source>
        <translation>line %1 (%2) does not hold a cell value</translation>
    </message>
    <message>
        <source>line %1 (%2) does not hold a four-digit value</source>
        <translation>line %1 (%2) does not hold a four-digit value</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>it has %1 line, a saved parameter file has %2</source>
        <translation>it has %1 line, a saved parameter file has %2</translation>
    </message>
    <message>
        <source>it has %1 lines, a saved parameter file has %2</source>
        <translation>it has %1 lines, a saved parameter file has %2</translation>
    </message>
    <message>
        <source>its first line does not start with %1</source>
        <translation>its first line does not start with %1</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB, far more than a saved parameter file</source>
        <translation>it is larger than 64 KiB, far more than a saved parameter file</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>it cannot be read (%1)</translation>
    </message>
    <message>
        <source>%1; it is not a parameter file saved by this tool</source>
        <translation>%1; it is not a parameter file saved by this tool</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB</source>
        <translation>it is larger than 64 KiB</translation>
    </message>
</context>
<context>
    <name>Traffic</name>
    <message>
        <source>Traffic log</source>
        <translation>Traffic log</translation>
    </message>
    <message>
        <source>Show only lines holding…</source>
        <translation>Show only lines holding…</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Save the traffic log</source>
        <translation>Save the traffic log</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>The traffic log could not be saved to %1: %2

Pick a folder you can write to, or copy the log and paste it elsewhere.</source>
        <translation>The traffic log could not be saved to %1: %2

Pick a folder you can write to, or copy the log and paste it elsewhere.</translation>
    </message>
    <message>
        <source>Traffic log…</source>
        <translation>Traffic log…</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Программа настройки - Corvex Flight Controller (corvex.example)</source>
        <translation>Setup Program - Corvex Flight Controller (corvex.example)</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Загрузка...</source>
        <translation>Uploading...</translation>
    </message>
    <message>
        <source>Обновление ПО</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Тип модели</source>
        <translation>Model type</translation>
    </message>
    <message>
        <source>Частота ESC</source>
        <translation>ESC rate</translation>
    </message>
    <message>
        <source>Частота servo</source>
        <translation>Servo rate</translation>
    </message>
    <message>
        <source>Сохранить конфиг.</source>
        <translation>Save config</translation>
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
        <translation>Load config</translation>
    </message>
    <message>
        <source>Версия:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Возможности</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>5 Канал</source>
        <translation>CH5</translation>
    </message>
    <message>
        <source>6 Канал</source>
        <translation>CH6</translation>
    </message>
    <message>
        <source>7 Канал</source>
        <translation>CH7</translation>
    </message>
    <message>
        <source>L   M   H </source>
        <translation>L   M   H </translation>
    </message>
    <message>
        <source>L   M   H</source>
        <translation>L   M   H</translation>
    </message>
    <message>
        <source>L   H </source>
        <translation>L   H </translation>
    </message>
    <message>
        <source>LIPO монитор</source>
        <translation>LiPo monitor</translation>
    </message>
    <message>
        <source>Аппаратура</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Гироскоп</source>
        <translation>Gyroscope</translation>
    </message>
    <message>
        <source>Акселерометр</source>
        <translation>Accelerometer</translation>
    </message>
    <message>
        <source>Компас</source>
        <translation>Compass</translation>
    </message>
    <message>
        <source>Барометр</source>
        <translation>Barometer</translation>
    </message>
    <message>
        <source>Сонар</source>
        <translation>Sonar</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>1 банка</source>
        <translation>Cell 1</translation>
    </message>
    <message>
        <source>2 банка</source>
        <translation>Cell 2</translation>
    </message>
    <message>
        <source>3 банка</source>
        <translation>Cell 3</translation>
    </message>
    <message>
        <source>4 банка</source>
        <translation>Cell 4</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>Отобразить</source>
        <translation>Display Data</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>CH1     CH2     CH3      CH4     CH5    CH6     CH7     CH8</source>
        <translation>CH1     CH2     CH3      CH4     CH5    CH6     CH7     CH8</translation>
    </message>
    <message>
        <source>Аппаратура управления (реверс каналов)</source>
        <translation>Radio (channel reverse)</translation>
    </message>
    <message>
        <source>М1         M2       M3       M4       M5       M6       M7      M8</source>
        <translation>M1 M2 M3 M4 M5 M6 M7 M8</translation>
    </message>
    <message>
        <source>Настройка каналов (реверс двигателей)</source>
        <translation>Outputs (motor reverse)</translation>
    </message>
    <message>
        <source>Конфиг. компаса</source>
        <translation>Compass</translation>
    </message>
    <message>
        <source>град.</source>
        <translation>deg.</translation>
    </message>
    <message>
        <source>Настр. сонара</source>
        <translation>Sonar</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Барометр (высота)</source>
        <translation>Barometer (height)</translation>
    </message>
    <message>
        <source>дм</source>
        <translation>dm</translation>
    </message>
    <message>
        <source>Настройки системы и обновление:</source>
        <translation>System settings and update:</translation>
    </message>
    <message>
        <source>Панель настроек Corvex FC</source>
        <translation>Corvex FC settings</translation>
    </message>
    <message>
        <source>Доп. каналы</source>
        <translation>Aux channels</translation>
    </message>
    <message>
        <source>Выберите ресурсы используемые на плате</source>
        <translation>Select the devices used on the board</translation>
    </message>
    <message>
        <source>Настройка батареи (Калибровка и диагностика)</source>
        <translation>Battery setup (calibration and check)</translation>
    </message>
    <message>
        <source>Параметры каналов аппаратуры управления</source>
        <translation>Radio control channels</translation>
    </message>
    <message>
        <source>1. GIMBAL</source>
        <translation>1. Gimbal</translation>
    </message>
    <message>
        <source>2. BI</source>
        <translation>2. Bicopter</translation>
    </message>
    <message>
        <source>3. TRI</source>
        <translation>3. Tricopter</translation>
    </message>
    <message>
        <source>4. QUADP</source>
        <translation>4. Quad +</translation>
    </message>
    <message>
        <source>5. QUADX</source>
        <translation>5. Quad X</translation>
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
        <translation>8. Hexa +</translation>
    </message>
    <message>
        <source>9----HEX6X</source>
        <translation>9. Hexa X</translation>
    </message>
    <message>
        <source>10--OCTOX8</source>
        <translation>10. Octo X8</translation>
    </message>
    <message>
        <source>11--OCTOFLATP</source>
        <translation>11. Octo flat +</translation>
    </message>
    <message>
        <source>12--OCTOFLATX</source>
        <translation>12. Octo flat X</translation>
    </message>
    <message>
        <source>13--FLYING_WING</source>
        <translation>13. Flying wing</translation>
    </message>
    <message>
        <source>14--FIXED_WING</source>
        <translation>14. Fixed wing</translation>
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
        <translation>3. 270Hz (3.6 ms)</translation>
    </message>
    <message>
        <source>4. 330Hz (3ms)</source>
        <translation>4. 330Hz (3 ms)</translation>
    </message>
    <message>
        <source>5. 500Hz (2ms 特殊电调)</source>
        <translation>5. 500Hz (2 ms, special ESC)</translation>
    </message>
    <message>
        <source>6. 2KHz PWM (特殊电调)</source>
        <translation>6. 2kHz PWM (special ESC)</translation>
    </message>
    <message>
        <source>1. 50Hz舵机</source>
        <translation>1. 50Hz servo</translation>
    </message>
    <message>
        <source>2. 270HZ舵机</source>
        <translation>2. 270Hz servo</translation>
    </message>
    <message>
        <source>Default 4 axis less 300mm</source>
        <translation>Default: quad under 300mm</translation>
    </message>
    <message>
        <source>Default 4 axis  300－450mm</source>
        <translation>Default: quad 300–450mm</translation>
    </message>
    <message>
        <source>Default 4 axis  450－650mm</source>
        <translation>Default: quad 450–650mm</translation>
    </message>
    <message>
        <source>Default 4 axis  650mm</source>
        <translation>Default: quad 650mm</translation>
    </message>
    <message>
        <source>Load from file saved by yourself</source>
        <translation>Load from a file you saved</translation>
    </message>
    <message>
        <source>Уровень стабилиз.</source>
        <translation>Main stability</translation>
    </message>
    <message>
        <source>Доп. стабилизация</source>
        <translation>Aux stability</translation>
    </message>
    <message>
        <source>Динамич. стабилиз.</source>
        <translation>Dynamic stability</translation>
    </message>
    <message>
        <source>Уровень балансир.</source>
        <translation>Main balance</translation>
    </message>
    <message>
        <source>Доп. балансировка</source>
        <translation>Aux balance</translation>
    </message>
    <message>
        <source>Курсовая стабилиз.</source>
        <translation>Yaw stability</translation>
    </message>
    <message>
        <source>Чувствит. компаса</source>
        <translation>Heading lock</translation>
    </message>
    <message>
        <source>Настройки барометр</source>
        <translation>Altitude hold</translation>
    </message>
    <message>
        <source>Чувствит. барометр</source>
        <translation>Aux altitude hold</translation>
    </message>
    <message>
        <source>Подвес по Pitch</source>
        <translation>Gimbal pitch</translation>
    </message>
    <message>
        <source>Подвес по Roll</source>
        <translation>Gimbal roll</translation>
    </message>
    <message>
        <source>Монитор LIPO</source>
        <translation>LiPo alarm</translation>
    </message>
</context>
</TS>
