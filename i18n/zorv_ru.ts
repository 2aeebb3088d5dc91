<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Flight modes</name>
    <message>
        <source>Стабильность</source>
        <translation>Стабильность</translation>
    </message>
    <message>
        <source>Режим 3D</source>
        <translation>Режим 3D</translation>
    </message>
    <message>
        <source>Барометр</source>
        <translation>Барометр</translation>
    </message>
    <message>
        <source>Компас</source>
        <translation>Компас</translation>
    </message>
    <message>
        <source>Care Free</source>
        <translation>Безголовый</translation>
    </message>
    <message>
        <source>Подвес серво</source>
        <translation>Подвес серво</translation>
    </message>
    <message>
        <source>Удержание</source>
        <translation>Удержание</translation>
    </message>
    <message>
        <source>Автопосадка</source>
        <translation>Возврат домой</translation>
    </message>
    <message>
        <source>AutoLanding</source>
        <translation>Автопосадка</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>提示：请首先将Corvex飞控连接电脑的USB接口，再从右侧列表框中选择您即将使用的串口：<byte value="xd"/><byte value="xd"/>1.选择后，系统将在列表框右侧提示您串口是否成功打开。<byte value="xd"/><byte value="xd"/>2.若串口成功打开，而飞控数据仍无法读取时，说明该串口已被另一设备占用!此时，请重新选择串口! <byte value="xd"/><byte value="xd"/>3.每选择一次串口，将重新读取飞控中的各项数据一次!</source>
        <translation>Подсказка: сначала подключите контроллер Corvex к USB-порту компьютера, затем выберите в списке справа COM-порт, который будете использовать:<byte value="xd"/><byte value="xd"/>1. После выбора в поле справа от списка будет видно, открылся ли порт.<byte value="xd"/><byte value="xd"/>2. Если порт открылся, а данные контроллера всё равно не читаются, значит порт занят другим устройством! Выберите порт заново!<byte value="xd"/><byte value="xd"/>3. При каждом выборе порта все данные контроллера считываются заново!</translation>
    </message>
    <message>
        <source>提示：请根据您的机器从右侧列表框中选择多轴模式，<byte value="xd"/><byte value="xd"/>您的选择将立即被系统设置并保存到Corvex飞控中!<byte value="xd"/><byte value="xd"/>描述：主要作用是提供机架模式的选择。默认的是常用的4X模式。<byte value="xd"/><byte value="xd"/>其它的，可以根据说明书上的图例对应的模式选择。</source>
        <translation>Подсказка: выберите в списке справа тип мультикоптера, соответствующий вашей модели;<byte value="xd"/><byte value="xd"/>выбор сразу же записывается и сохраняется в контроллере Corvex!<byte value="xd"/><byte value="xd"/>Описание: здесь выбирается тип рамы. По умолчанию — распространённый квадрокоптер X (4X).<byte value="xd"/><byte value="xd"/>Для других рам выберите тип по схемам в инструкции.</translation>
    </message>
    <message>
        <source>提示：请根据您的机器从右侧列表框中选择输出模式，<byte value="xd"/><byte value="xd"/>您的选择将立即被系统设置并保存到Corvex飞控中!<byte value="xd"/><byte value="xd"/>描述：主要作用中为了适应不同的电调或舵机，一般选择330HZ。</source>
        <translation>Подсказка: выберите в списке справа режим выходов для вашей модели;<byte value="xd"/><byte value="xd"/>выбор сразу же записывается и сохраняется в контроллере Corvex!<byte value="xd"/><byte value="xd"/>Описание: нужен, чтобы подстроиться под разные регуляторы (ESC) или сервы; обычно выбирают 330 Гц.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的主稳定度值!<byte value="xd"/><byte value="xd"/>描述：主稳定度主要是让飞行器抵抗突变的外力，暂时的稳定保持在某一个姿态。<byte value="xd"/><byte value="xd"/>如果从头开始调主稳定度，需要将平衡度，方向，高度等参数都归零。<byte value="xd"/><byte value="xd"/>主稳定度可以从小到大慢慢增加，直到飞控出现轻微的抖动，然后再往小调一点。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение основной стабилизации!<byte value="xd"/><byte value="xd"/>Описание: основная стабилизация помогает модели противостоять резким внешним воздействиям и на время удерживать положение.<byte value="xd"/><byte value="xd"/>Если настраиваете основную стабилизацию с нуля, сначала обнулите балансировку, курс, высоту и другие параметры.<byte value="xd"/><byte value="xd"/>Увеличивайте основную стабилизацию понемногу, пока модель не начнёт слегка дрожать, затем немного уменьшите.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助稳定度值!<byte value="xd"/><byte value="xd"/>描述：其主要作用是更精确地让飞行器长时间保持在某一个姿态。<byte value="xd"/><byte value="xd"/>在主稳定度大致确定后，就可以尝试加大辅助稳定了，直到飞行器<byte value="xd"/><byte value="xd"/>出现轻微的慢速摇摆趋势。然后再往回调一点</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение доп. стабилизации!<byte value="xd"/><byte value="xd"/>Описание: в основном позволяет точнее и дольше удерживать модель в одном положении.<byte value="xd"/><byte value="xd"/>Когда основная стабилизация примерно подобрана, увеличивайте доп. стабилизацию, пока модель не начнёт слегка и медленно раскачиваться. Затем немного уменьшите.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的动态稳定度值!<byte value="xd"/><byte value="xd"/>描述：动态稳定的作用主要是抑制飞行器瞬时抖动，减缓主稳定度<byte value="xd"/><byte value="xd"/>和辅助稳定度调整过程中引起的抖动。前面2项调试过程中或者调出一个<byte value="xd"/><byte value="xd"/>大致值后，就可以尝试加大动态稳定度。这个值太大会引起飞机的高频<byte value="xd"/><byte value="xd"/>抖动，如果调到0还是有高频抖动，请将飞控板本身的现场参数对应<byte value="xd"/><byte value="xd"/>的动态稳定减小，小飞机可以调到0。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение динамической стабилизации!<byte value="xd"/><byte value="xd"/>Описание: динамическая стабилизация гасит мгновенную дрожь модели и смягчает дрожь, возникающую при настройке основной и доп. стабилизации. Во время настройки этих двух параметров или когда они примерно подобраны, можно увеличить динамическую стабилизацию. Слишком большое значение вызывает высокочастотную дрожь; если она остаётся даже при 0, уменьшите соответствующую динамическую стабилизацию в полевых настройках самой платы. На маленьких моделях можно ставить 0.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的主平衡度值!<byte value="xd"/><byte value="xd"/>描述：主平衡度的主要作用是直接快速的让飞行器回复水平状态，<byte value="xd"/><byte value="xd"/>此项只有在初级模式（自稳模式）下有效。调试时先将遥控器的模式开关打<byte value="xd"/><byte value="xd"/>到初级模式，然后逐渐增大平衡度，直到飞机出现振荡趋势，再往回调一点。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение основной балансировки!<byte value="xd"/><byte value="xd"/>Описание: основная балансировка быстро и напрямую возвращает модель в горизонт; работает только в начальном режиме (режиме самовыравнивания). Для настройки сначала переключите тумблер режимов на пульте в начальный режим, затем постепенно увеличивайте балансировку, пока модель не начнёт раскачиваться, и немного уменьшите.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助平衡度值!<byte value="xd"/><byte value="xd"/>描述：辅助平衡的主要作用是更精确的修正飞机达到精确水平位置。<byte value="xd"/><byte value="xd"/>在主平衡调试到一个大概值后，就可以尝试加大辅助平衡，直到效果<byte value="xd"/><byte value="xd"/>满意而又不振荡为止。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение доп. балансировки!<byte value="xd"/><byte value="xd"/>Описание: доп. балансировка точнее доводит модель до точного горизонта.<byte value="xd"/><byte value="xd"/>Когда основная балансировка примерно подобрана, увеличивайте доп. балансировку, пока результат не устроит вас, а раскачки не будет.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的方向稳定度值!<byte value="xd"/><byte value="xd"/>描述：方向稳定度是抑制飞行器的自旋，使方向保持相对的稳定。也是<byte value="xd"/><byte value="xd"/>从小到大逐步调整。直到用手水平转动飞行器有比较明显的桨速变化。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение курсовой стабилизации!<byte value="xd"/><byte value="xd"/>Описание: курсовая стабилизация не даёт модели самопроизвольно вращаться и держит курс относительно стабильным. Её тоже увеличивают постепенно, пока при повороте модели рукой в горизонтальной плоскости не станет заметно меняться скорость винтов.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的方向锁定度值!<byte value="xd"/><byte value="xd"/>描述：方向锁定的主要作用是让飞行器方向保持现有的指向俗称锁头。<byte value="xd"/><byte value="xd"/>此项也是从小到大调整，直到飞行器方向不自旋为止。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение чувствительности компаса (удержания курса)!<byte value="xd"/><byte value="xd"/>Описание: удержание курса заставляет модель сохранять текущее направление (так называемый «хедлок»).<byte value="xd"/><byte value="xd"/>Его тоже увеличивают постепенно, пока модель не перестанет сама поворачиваться.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的高度锁定度值!<byte value="xd"/><byte value="xd"/>描述：如果选择了气压计和超声波，高度锁定就需要设置，一般选50～80<byte value="xd"/><byte value="xd"/>比较合适，越大反应越快，但是太灵敏了就容易上下抖动。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение удержания высоты по барометру!<byte value="xd"/><byte value="xd"/>Описание: если выбраны барометр и сонар, нужно настроить удержание высоты; обычно подходит 50–80.<byte value="xd"/><byte value="xd"/>Чем больше значение, тем быстрее реакция, но при слишком высокой чувствительности модель начинает дёргаться вверх-вниз.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的辅助高度锁定值!<byte value="xd"/><byte value="xd"/>描述：辅助高度的作用主要是消除高度锁定过程中的上下振荡，如果高度锁定时<byte value="xd"/><byte value="xd"/>有上下振荡的现象，可以适当加大此值。注意任何参数都有一个合适的范围。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение доп. удержания высоты (чувствительности барометра)!<byte value="xd"/><byte value="xd"/>Описание: доп. удержание высоты убирает колебания вверх-вниз при удержании высоты. Если при удержании высоты модель качается вверх-вниз, немного увеличьте это значение. Помните, что у любого параметра есть подходящий диапазон.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的云台俯仰比例值!<byte value="xd"/><byte value="xd"/>描述：云台舵机的比例主要是配合云台调整俯仰动作补偿的大小，根据实际情况调整。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение коэффициента подвеса по Pitch!<byte value="xd"/><byte value="xd"/>Описание: коэффициент сервы подвеса задаёт величину компенсации подвесом движения по тангажу (Pitch); настройте по месту.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的云台横滚比例值!<byte value="xd"/><byte value="xd"/>描述：云台舵机的比例主要是配合云台调整水平动作补偿的大小，根据实际情况调整。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение коэффициента подвеса по Roll!<byte value="xd"/><byte value="xd"/>Описание: коэффициент сервы подвеса задаёт величину компенсации подвесом движения по крену (Roll); настройте по месту.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的报警电压值!<byte value="xd"/><byte value="xd"/>描述：设置电池的报警门限，指的是带负载电压，此电压是和飞控现场设置参数中的<byte value="xd"/><byte value="xd"/>电压微调值相加的，一般好电池带负载电压跌落小，可以相应设高点，比如3.5V。<byte value="xd"/><byte value="xd"/>C数低的电池相应要设低一些，比如3.4V，如果还不够请将现场参数相应的值微调继续调小。<byte value="xd"/><byte value="xd"/>特别说明：设置值为350,即指设置的报警电压为3.5伏。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение порога тревоги по напряжению!<byte value="xd"/><byte value="xd"/>Описание: задаёт порог тревоги по напряжению батареи — напряжение под нагрузкой. Оно складывается с подстройкой напряжения в полевых настройках контроллера. У хорошей батареи просадка под нагрузкой мала, поэтому порог можно поставить повыше, например 3,5 В.<byte value="xd"/><byte value="xd"/>Для батарей с низкой токоотдачей (C) ставьте ниже, например 3,4 В; если и этого мало, уменьшите соответствующую подстройку в полевых настройках.<byte value="xd"/><byte value="xd"/>Примечание: значение 350 означает порог тревоги 3,5 В.</translation>
    </message>
    <message>
        <source>提示：请拖动滑块到相应数值处(具体数值可参见滑条右侧的显示框)。<byte value="xd"/><byte value="xd"/>当您释放鼠标时，系统会将此时的数据设置为相应的炸机休眠感度值!<byte value="xd"/><byte value="xd"/>描述：其主要功能是让飞行器自动感受离地高度，以达到飞行器落地则自动关闭油门<byte value="xd"/><byte value="xd"/>的目的。特别提醒的是，本值并不代表离地高度，只是代表自动熄火的敏感程度。</source>
        <translation>Подсказка: перетащите ползунок до нужного значения (точное число видно в поле справа от ползунка).<byte value="xd"/><byte value="xd"/>Когда вы отпустите кнопку мыши, это значение будет записано как значение чувствительности отключения после посадки!<byte value="xd"/><byte value="xd"/>Описание: позволяет модели самой чувствовать высоту над землёй, чтобы газ автоматически убирался при касании земли. Обратите внимание: это значение не высота над землёй, а лишь чувствительность автоматического отключения моторов.</translation>
    </message>
    <message>
        <source>提示：请根据您的需要，自己定义相应功能选项：<byte value="xd"/><byte value="xd"/> 1.每一行全为空白，表示该项功能未被选择；<byte value="xd"/><byte value="xd"/> 2.请根据您即将使用的遥控器通道及开关档位进行相应的功能选择，以免误选和漏选；<byte value="xd"/><byte value="xd"/> 3.因功能需要，“自稳”与“3D”,“锁定航向”与“无向CF”的同一通道同一开关档位的选择是互斥的。<byte value="xd"/><byte value="xd"/>4.因功能需要，选择“自动降落”功能时，相应的“定高”功能也自动选上。<byte value="xd"/><byte value="xd"/>  相应的，取消“定高”功能时，同档位的“自动降落”功能将自动取消。</source>
        <translation>Подсказка: назначьте функции так, как вам нужно:<byte value="xd"/><byte value="xd"/> 1. Если в строке ничего не отмечено, эта функция не используется;<byte value="xd"/><byte value="xd"/> 2. Выбирайте функции по каналам пульта и положениям тумблеров, которыми будете пользоваться, чтобы ничего не выбрать по ошибке и не пропустить;<byte value="xd"/><byte value="xd"/> 3. По логике работы «Стабильность» и «Режим 3D», а также «Компас» и «Безголовый» в одном канале и одном положении тумблера исключают друг друга.<byte value="xd"/><byte value="xd"/>4. По логике работы при выборе «Автопосадки» соответствующий «Барометр» (удержание высоты) выбирается автоматически.<byte value="xd"/><byte value="xd"/>  И наоборот, при снятии «Барометра» «Автопосадка» в том же положении снимается автоматически.</translation>
    </message>
</context>
<context>
    <name>Live</name>
    <message>
        <source>Press «Отобразить» to start the live data</source>
        <translation>Нажмите «Отобразить», чтобы начать показ данных</translation>
    </message>
    <message>
        <source>Paused: press Space to go on (the data is still being recorded)</source>
        <translation>Пауза: нажмите пробел, чтобы продолжить (данные по-прежнему записываются)</translation>
    </message>
    <message>
        <source>Live data from the controller. Space pauses the view.</source>
        <translation>Данные контроллера в реальном времени. Пробел ставит показ на паузу.</translation>
    </message>
    <message>
        <source>Receiver channels (µs)</source>
        <translation>Каналы приёмника (мкс)</translation>
    </message>
    <message>
        <source>Motor outputs (µs)</source>
        <translation>Выходы моторов (мкс)</translation>
    </message>
    <message>
        <source>Receiver (CH1–CH8)</source>
        <translation>Приёмник (CH1–CH8)</translation>
    </message>
    <message>
        <source>Motors (M1–M8)</source>
        <translation>Моторы (М1–М8)</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <source>Heading (°)</source>
        <translation>Курс (°)</translation>
    </message>
    <message>
        <source>Sonar (mm)</source>
        <translation>Сонар (мм)</translation>
    </message>
    <message>
        <source>Height (dm)</source>
        <translation>Высота (дм)</translation>
    </message>
    <message>
        <source>Sensor 4</source>
        <translation>Датчик 4</translation>
    </message>
    <message>
        <source>Sensor 5</source>
        <translation>Датчик 5</translation>
    </message>
    <message>
        <source>Sensor 6</source>
        <translation>Датчик 6</translation>
    </message>
    <message>
        <source>Sensor 7</source>
        <translation>Датчик 7</translation>
    </message>
    <message>
        <source>Sensor 8</source>
        <translation>Датчик 8</translation>
    </message>
    <message>
        <source>Zorv — live data</source>
        <translation>Zorv — данные в реальном времени</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Graph of the last 10 s:</source>
        <translation>График за последние 10 с:</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Freezes the bars and the graph (Space). Recording goes on.</source>
        <translation>Останавливает полосы и график (пробел). Запись продолжается.</translation>
    </message>
    <message>
        <source>Save CSV…</source>
        <translation>Сохранить CSV…</translation>
    </message>
    <message>
        <source>Writes the last 60 s of records to a CSV file (Ctrl+S)</source>
        <translation>Записывает данные за последние 60 с в файл CSV (Ctrl+S)</translation>
    </message>
    <message>
        <source>Graph of the last 10 s</source>
        <translation>График за последние 10 с</translation>
    </message>
    <message>
        <source>Could not write the live data to %1: %2. Choose another folder or file name and try again.</source>
        <translation>Не удалось записать данные в %1: %2. Выберите другую папку или имя файла и попробуйте снова.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>%1 %2 (%3 to %4)</source>
        <translation>%1 %2 (от %3 до %4)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%2. They are kept and saved as they are; nothing is sent unless you change them.</source>
        <translation>%1%2. Они сохраняются как есть; ничего не отправляется, пока вы их не измените.</translation>
    </message>
    <message>
        <source>The controller holds values this tool does not know: </source>
        <translation>В контроллере есть значения, неизвестные этой программе: </translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>The value %1 for setting &apos;%2&apos; is outside 0..9999 and was not sent to the controller.</source>
        <translation>Значение %1 для настройки «%2» вне диапазона 0..9999 и не отправлено контроллеру.</translation>
    </message>
    <message>
        <source>Tarvik Warning:</source>
        <translation>Tarvik: внимание</translation>
    </message>
    <message>
        <source>for its firmware kind at the end of the read-back (query ?W)</source>
        <translation>на запрос типа прошивки в конце чтения настроек (запрос ?W)</translation>
    </message>
    <message>
        <source>for its settings (query ?%1, %2 of %3)</source>
        <translation>на запрос настроек (запрос ?%1, %2 из %3)</translation>
    </message>
    <message>
        <source>COM Opened</source>
        <translation>Порт открыт</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Нет ответа</translation>
    </message>
    <message>
        <source>Nothing was sent to the controller: the value about to be sent for %1 (%2) is not what its box shows (%3). Check the box, then %4.</source>
        <translation>Контроллеру ничего не отправлено: значение для «%1» (%2) не совпадает с тем, что показывает его поле (%3). Проверьте поле, затем %4.</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1 typed into %2</source>
        <translation>%1 в поле «%2»</translation>
    </message>
    <message>
        <source>%1 (the controller holds %2)</source>
        <translation>%1 (в контроллере %2)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>Typed, not sent yet: release the slider to send it</source>
        <translation>Введено, но ещё не отправлено: отпустите ползунок, чтобы отправить</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>Не удаётся открыть файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2.<byte value="xd"/><byte value="xd"/>The port is opened all the same; the port you pick is not remembered for the next start.</source>
        <translation>Не удаётся открыть файл %1: %2.<byte value="xd"/><byte value="xd"/>Порт всё равно открыт, но выбранный порт не запомнится до следующего запуска.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Не удаётся записать файл %1: %2</translation>
    </message>
    <message>
        <source>COM Failed</source>
        <translation>Ошибка порта</translation>
    </message>
    <message>
        <source>COM opened</source>
        <translation>Порт открыт</translation>
    </message>
    <message>
        <source>串口未打开</source>
        <translation>Порт не открыт</translation>
    </message>
    <message>
        <source>for its firmware kind before the upgrade (query ?W)</source>
        <translation>на запрос типа прошивки перед обновлением (запрос ?W)</translation>
    </message>
    <message>
        <source>This controller reports firmware kind %1; Zorv changes the settings of TKVR controllers only, so they are locked.</source>
        <translation>Контроллер сообщает тип прошивки %1; Zorv меняет настройки только контроллеров TKVR, поэтому они заблокированы.</translation>
    </message>
    <message>
        <source>Tarvik航模提示：</source>
        <translation>Tarvik: подсказка</translation>
    </message>
    <message>
        <source>move the slider again</source>
        <translation>снова передвиньте ползунок</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 to %3. The box held %4, so %5 was sent to the controller.</source>
        <translation>«%1» принимает значения от %2 до %3. В поле было %4, поэтому контроллеру отправлено %5.</translation>
    </message>
    <message>
        <source>fireware error，please select it again!</source>
        <translation>Ошибка файла прошивки. Выберите его ещё раз!</translation>
    </message>
    <message>
        <source>The firmware file is longer than 65536 bytes and does not fit into the image area. Nothing was loaded; please select another file.</source>
        <translation>Файл прошивки длиннее 65536 байт и не помещается в область образа. Ничего не загружено; выберите другой файл.</translation>
    </message>
    <message>
        <source>Data error，Please try it again!</source>
        <translation>Ошибка данных. Попробуйте ещё раз!</translation>
    </message>
    <message>
        <source>Upgraded with %1. To upgrade again, choose the firmware file again.</source>
        <translation>Прошито файлом %1. Чтобы прошить ещё раз, снова выберите файл прошивки.</translation>
    </message>
    <message>
        <source>to take firmware packet %1 of %2</source>
        <translation>о приёме пакета прошивки %1 из %2</translation>
    </message>
    <message>
        <source>Congratulations!You&apos;ve upgraded successfully!</source>
        <translation>Поздравляем! Прошивка успешно обновлена!</translation>
    </message>
    <message>
        <source>Tarvik Congratulations:</source>
        <translation>Tarvik: поздравляем</translation>
    </message>
    <message>
        <source>Data sending...&gt;&gt;%1%</source>
        <translation>Передача... %1%</translation>
    </message>
    <message>
        <source>Finished%1%</source>
        <translation>Готово %1%</translation>
    </message>
    <message>
        <source>to start its loader (%1)</source>
        <translation>о запуске загрузчика (%1)</translation>
    </message>
    <message>
        <source>Upgrade the controller on %1 with %2 (%3 bytes, %4 packets)? Keep the cable in and the power on until it says it has finished.</source>
        <translation>Прошить контроллер на %1 файлом %2 (%3 байт, %4 пакетов)? Не отключайте кабель и питание, пока не появится сообщение о завершении.</translation>
    </message>
    <message>
        <source>The controller&apos;s answer to the firmware-kind query (?W) was damaged, so the upgrade did not start and nothing was sent to it. Check the cable, then press &quot;Обновить&quot; to ask again.</source>
        <translation>Ответ контроллера на запрос типа прошивки (?W) повреждён, поэтому обновление не началось и ему ничего не отправлено. Проверьте кабель и нажмите «Обновить», чтобы спросить снова.</translation>
    </message>
    <message>
        <source>The controller reported firmware kind %1, but its answer came in pieces, so the upgrade did not start and nothing was sent to it. Press &quot;Обновить&quot; to ask again.</source>
        <translation>Контроллер сообщил тип прошивки %1, но ответ пришёл по частям, поэтому обновление не началось и ему ничего не отправлено. Нажмите «Обновить», чтобы спросить снова.</translation>
    </message>
    <message>
        <source>The controller reports firmware kind %1; this tool upgrades TKVR and PXOJ boards only.</source>
        <translation>Контроллер сообщает тип прошивки %1; эта программа прошивает только платы TKVR и PXOJ.</translation>
    </message>
    <message>
        <source>The controller may now hold an incomplete firmware and must be upgraded again before it flies: press &quot;Обновить&quot; again (the image is still loaded).</source>
        <translation>Прошивка в контроллере теперь может быть неполной, и до полёта его нужно прошить заново: снова нажмите «Обновить» (образ по-прежнему загружен).</translation>
    </message>
    <message>
        <source>Please measuring voltage first，then write it into inputbox,<byte value="xd"/><byte value="xd"/>Then click [Calibrate] to calibrate your battery。<byte value="xd"/><byte value="xd"/>Are you sure to calibrate your battery？</source>
        <translation>Сначала измерьте напряжение и впишите его в поля ввода.<byte value="xd"/><byte value="xd"/>Затем нажмите [Сохранить], чтобы откалибровать батарею.<byte value="xd"/><byte value="xd"/>Вы уверены, что хотите откалибровать батарею?</translation>
    </message>
    <message>
        <source>Tarvik Warning：</source>
        <translation>Tarvik: внимание</translation>
    </message>
    <message>
        <source>校准完成！</source>
        <translation>Калибровка завершена!</translation>
    </message>
    <message>
        <source>Tarvik航模提示:</source>
        <translation>Tarvik: подсказка</translation>
    </message>
    <message>
        <source> Type each cell&apos;s measured voltage in hundredths of a volt (410 for 4.10 V). Nothing was sent to the controller.</source>
        <translation> Введите измеренное напряжение каждой банки в сотых долях вольта (410 для 4,10 В). Контроллеру ничего не отправлено.</translation>
    </message>
    <message>
        <source>Cell %1 reads %2, below 0.%3</source>
        <translation>Банка %1: %2 — меньше 0.%3</translation>
    </message>
    <message>
        <source>The four cells add up to %1, more than the %2 the controller takes.%3</source>
        <translation>Сумма четырёх банок равна %1 — больше %2, которые принимает контроллер.%3</translation>
    </message>
    <message>
        <source>to take battery calibration step %1 of 4</source>
        <translation>о приёме шага калибровки батареи %1 из 4</translation>
    </message>
    <message>
        <source>calibrate again</source>
        <translation>откалибруйте ещё раз</translation>
    </message>
    <message>
        <source>The battery calibration did not complete: the controller stopped answering after %1 of %2 steps. Check its power and cable, pick the port again, then calibrate once more.</source>
        <translation>Калибровка батареи не завершена: контроллер перестал отвечать после %1 из %2 шагов. Проверьте питание и кабель, выберите порт заново и откалибруйте ещё раз.</translation>
    </message>
    <message>
        <source>Stop Display</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Display Data</source>
        <translation>Отобразить</translation>
    </message>
    <message>
        <source>&lt;-Please select the upgrade fireware(*.bin) first,then click the upgrade !</source>
        <translation>&lt;- Сначала выберите файл прошивки (*.bin), затем нажмите «Обновить»!</translation>
    </message>
    <message>
        <source>No data from the controller: check its power and cable. The display stays on and shows the values as soon as they come.</source>
        <translation>Нет данных от контроллера: проверьте питание и кабель. Показ остаётся включённым, значения появятся, как только придут.</translation>
    </message>
    <message>
        <source>for live data (S~0001)</source>
        <translation>с данными в реальном времени (S~0001)</translation>
    </message>
    <message>
        <source>for its reverse flags (query %1)</source>
        <translation>на запрос флагов реверса (запрос %1)</translation>
    </message>
    <message>
        <source>you will save the current data now，and it&apos;s defaut filename is TKVR_Data.txt,<byte value="xd"/><byte value="xd"/>you can change the filename or path。<byte value="xd"/><byte value="xd"/>Warning：you can not edit the file or data format，if you do ,it can not revcover to corvexe！<byte value="xd"/><byte value="xd"/>Are you sure to save the data？</source>
        <translation>Сейчас текущие данные будут сохранены; имя файла по умолчанию — TKVR_Data.txt,<byte value="xd"/><byte value="xd"/>имя файла и папку можно изменить.<byte value="xd"/><byte value="xd"/>Внимание: не редактируйте файл и не меняйте формат данных, иначе его нельзя будет восстановить в Corvex!<byte value="xd"/><byte value="xd"/>Сохранить данные?</translation>
    </message>
    <message>
        <source>Attention：please select the Item to Load Default Data!<byte value="xd"/><byte value="xd"/>1.Load default data。<byte value="xd"/><byte value="xd"/>2.Load from file you saved <byte value="xd"/><byte value="xd"/>注意：不要改变原有文件的格式，否则恢复的参数可能不正确!</source>
        <translation>Внимание: выберите пункт в списке, чтобы загрузить данные по умолчанию!<byte value="xd"/><byte value="xd"/>1. Загрузить данные по умолчанию.<byte value="xd"/><byte value="xd"/>2. Загрузить из сохранённого вами файла.<byte value="xd"/><byte value="xd"/>Внимание: не меняйте формат сохранённого файла, иначе параметры могут восстановиться неправильно!</translation>
    </message>
    <message>
        <source>TXT File (*.txt)|*.txt||</source>
        <translation>Текстовые файлы (*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>file self_saved_(*.txt)|*.txt|All file(*.*)|*.*||</source>
        <translation>Сохранённые вами файлы (*.txt)|*.txt|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>to take a saved file (%1)</source>
        <translation>о приёме сохранённого файла (%1)</translation>
    </message>
    <message>
        <source>to take setting %1 of %2 from your file (%3)</source>
        <translation>о приёме настройки %1 из %2 из вашего файла (%3)</translation>
    </message>
    <message>
        <source>This file cannot be loaded: %1.<byte value="xd"/><byte value="xd"/>Nothing was sent to the controller.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Этот файл нельзя загрузить: %1.<byte value="xd"/><byte value="xd"/>Контроллеру ничего не отправлено.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>to load the default set “%1”</source>
        <translation>о загрузке набора по умолчанию «%1»</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;) %3, outside %4: %5<byte value="xd"/></source>
        <translation>строка %1 («%2») %3, вне %4: %5<byte value="xd"/></translation>
    </message>
    <message>
        <source>sent as it stands</source>
        <translation>отправляется как есть</translation>
    </message>
    <message>
        <source>cannot go out as four digits, skipped</source>
        <translation>не передать четырьмя цифрами, пропущено</translation>
    </message>
    <message>
        <source>This file holds values this tool does not know:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/>Send the file to the controller? No sends nothing.</source>
        <translation>В этом файле есть значения, неизвестные этой программе:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/>Отправить файл контроллеру? «Нет» — ничего не отправлять.</translation>
    </message>
    <message>
        <source>These values were typed but not sent to the controller; the file will hold them: %1.<byte value="xd"/><byte value="xd"/>OK goes on to save them; Cancel saves nothing. Releasing a slider sends its typed value.</source>
        <translation>Эти значения введены, но не отправлены контроллеру; они попадут в файл: %1.<byte value="xd"/><byte value="xd"/>OK — сохранить их; «Отмена» — ничего не сохранять. Отпущенный ползунок отправляет введённое значение.</translation>
    </message>
    <message>
        <source>The parameters could not be saved: %1.<byte value="xd"/><byte value="xd"/>Any file that was there is unchanged.<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Параметры не удалось сохранить: %1.<byte value="xd"/><byte value="xd"/>Файл, который там был, не изменён.<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>The controller did not answer the choice of a default set, so it may or may not have loaded it. Pick the port again to read what it now holds.</source>
        <translation>Контроллер не ответил на выбор набора по умолчанию, поэтому неизвестно, загрузил ли он его. Выберите порт заново, чтобы прочитать, что в нём сейчас.</translation>
    </message>
    <message>
        <source>The controller stopped answering after %1 of %2 settings; pick the port again to read what it now holds.</source>
        <translation>Контроллер перестал отвечать после %1 из %2 настроек; выберите порт заново, чтобы прочитать, что в нём сейчас.</translation>
    </message>
    <message>
        <source>&lt;-Please select upgrade fireware(*.bin) first,then click the Upgrade!</source>
        <translation>&lt;- Сначала выберите файл прошивки (*.bin), затем нажмите «Обновить»!</translation>
    </message>
    <message>
        <source>The port went away during the upgrade: %1</source>
        <translation>Порт пропал во время обновления: %1</translation>
    </message>
    <message>
        <source>The upgrade was broken off: the port was picked again before it had finished.</source>
        <translation>Обновление прервано: порт выбран заново до его завершения.</translation>
    </message>
    <message>
        <source>Are you sure to close the windows？</source>
        <translation>Вы уверены, что хотите закрыть окно?</translation>
    </message>
    <message>
        <source>%1 was not sent. Close anyway?</source>
        <translation>Не отправлено: %1. Всё равно закрыть?</translation>
    </message>
    <message>
        <source>%1 were not sent. Close anyway?</source>
        <translation>Не отправлены: %1. Всё равно закрыть?</translation>
    </message>
    <message>
        <source>CSV files (*.csv)|*.csv|All files (*.*)|*.*||</source>
        <translation>Файлы CSV (*.csv)|*.csv|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>COM3 (simulated controller)</source>
        <translation>COM3 (симулятор)</translation>
    </message>
    <message>
        <source>%1: no serial device is connected for this number. Plug the controller in with a data cable, then open the port list again and pick it.</source>
        <translation>%1: к этому номеру не подключено ни одно устройство. Подключите контроллер кабелем для передачи данных, затем снова откройте список портов и выберите его.</translation>
    </message>
    <message>
        <source>COM%1 is pinned to %2, but no device is there. Plug the controller in (with a data cable) and pick the port again.</source>
        <translation>COM%1 привязан к %2, но там нет устройства. Подключите контроллер (кабелем для передачи данных) и выберите порт заново.</translation>
    </message>
    <message>
        <source>%1 is not there any more (unplugged?). Plug the controller in, then open the port list again and pick it.</source>
        <translation>%1 больше нет (отключён?). Подключите контроллер, затем снова откройте список портов и выберите его.</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it (another Zorv window, a serial terminal; on Linux also ModemManager, which grabs new boards for a few seconds) and pick the port again.</source>
        <translation>%1 занят другой программой. Закройте её (другое окно Zorv, терминал COM-порта; в Linux также ModemManager, который на несколько секунд захватывает новые платы) и выберите порт заново.</translation>
    </message>
    <message>
        <source>You are not allowed to use %1. Add yourself to the dialout group with: sudo usermod -aG dialout $USER — then log out, log in again and pick the port.</source>
        <translation>У вас нет прав на использование %1. Добавьте себя в группу dialout командой: sudo usermod -aG dialout $USER — затем выйдите из системы, войдите снова и выберите порт.</translation>
    </message>
    <message>
        <source>%1 could not be opened. Pick the port again, or try another one.</source>
        <translation>%1 не удалось открыть. Выберите порт заново или попробуйте другой.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2. Pick the port again, or try another one.</source>
        <translation>%1 не удалось открыть: %2. Выберите порт заново или попробуйте другой.</translation>
    </message>
    <message>
        <source>Zorv asked the controller on %1 %2 and had no answer within %3.

Check that:
- the controller is powered;
- this is its port (open the port list to see which device each number is);
- the USB cable carries data (a charge-only cable does not);
- no other program holds the port (on Linux, ModemManager may grab a new board).

Then pick the port again to read the controller once more.</source>
        <translation>Zorv ждал от контроллера на %1 ответа %2, но не получил его за %3.

Проверьте, что:
- на контроллер подано питание;
- это его порт (откройте список портов, чтобы увидеть, какое устройство под каким номером);
- USB-кабель передаёт данные (кабель только для зарядки не подойдёт);
- порт не занят другой программой (в Linux новую плату может захватить ModemManager).

Затем выберите порт заново, чтобы ещё раз прочитать контроллер.</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 с</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
    <message>
        <source>%1 (not in the list)</source>
        <translation>%1 (нет в списке)</translation>
    </message>
    <message>
        <source>%1 (%2) %3 → %4</source>
        <translation>%1 (%2) %3 → %4</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 и ещё %2</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>подключение</translation>
    </message>
    <message>
        <source>after a default set</source>
        <translation>после набора по умолчанию</translation>
    </message>
    <message>
        <source>after a file was sent</source>
        <translation>после отправки файла</translation>
    </message>
    <message>
        <source>after an upgrade</source>
        <translation>после обновления</translation>
    </message>
    <message>
        <source>before a default set</source>
        <translation>перед набором по умолчанию</translation>
    </message>
    <message>
        <source>before a file was sent</source>
        <translation>перед отправкой файла</translation>
    </message>
    <message>
        <source>before an upgrade</source>
        <translation>перед обновлением</translation>
    </message>
    <message>
        <source>The controller&apos;s settings could not be kept as a snapshot in %1: %2.<byte value="xd"/><byte value="xd"/>Nothing was sent or changed because of it, and the work goes on. Free some disk space or make that folder writable to keep snapshots again; this is said only once.</source>
        <translation>Настройки контроллера не удалось сохранить как снимок в %1: %2.<byte value="xd"/><byte value="xd"/>Из-за этого ничего не отправлено и не изменено, работа продолжается. Освободите место на диске или разрешите запись в эту папку, чтобы снимки снова сохранялись; это сообщение показывается один раз.</translation>
    </message>
    <message>
        <source>Send this snapshot? %1<byte value="xd"/><byte value="xd"/>The whole file is sent, %2 commands; cell values never are.%3</source>
        <translation>Отправить этот снимок? %1<byte value="xd"/><byte value="xd"/>Отправляется весь файл, %2 команд; значения банок не отправляются никогда.%3</translation>
    </message>
    <message>
        <source>%1 settings differ: %2.</source>
        <translation>Отличаются настройки (%1): %2.</translation>
    </message>
    <message>
        <source>1 setting differs: %1.</source>
        <translation>Отличается 1 настройка: %1.</translation>
    </message>
    <message>
        <source>It holds the settings the controller holds now.</source>
        <translation>В нём те же настройки, что сейчас в контроллере.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>It holds values this tool does not know, sent as they stand where they fit four digits: %1.</source>
        <translation><byte value="xd"/><byte value="xd"/>В нём есть значения, неизвестные этой программе; они отправляются как есть, если умещаются в четыре цифры: %1.</translation>
    </message>
    <message>
        <source>The upgrade changed %1 settings (%2). Send back the settings you had before the upgrade?</source>
        <translation>Обновление изменило настройки (%1): %2. Вернуть настройки, которые были до обновления?</translation>
    </message>
    <message>
        <source>The upgrade changed 1 setting (%1). Send back the settings you had before the upgrade?</source>
        <translation>Обновление изменило 1 настройку (%1). Вернуть настройки, которые были до обновления?</translation>
    </message>
    <message>
        <source>Snapshots…</source>
        <translation>Снимки…</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Сравнить с файлом…</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Differs from the controller</source>
        <translation>Отличия от контроллера</translation>
    </message>
    <message>
        <source>Send to controller</source>
        <translation>Отправить в контроллер</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>No snapshots yet. Zorv keeps one each time it reads a controller&apos;s settings, and one right before a default set, a file or an upgrade replaces them.</source>
        <translation>Снимков пока нет. Zorv сохраняет снимок при каждом чтении настроек контроллера, а также перед тем, как их заменит набор по умолчанию, файл или обновление.</translation>
    </message>
    <message>
        <source>The demo keeps no snapshots.</source>
        <translation>В демо-режиме снимки не сохраняются.</translation>
    </message>
    <message>
        <source>Select a snapshot to see how it differs from the controller.</source>
        <translation>Выберите снимок, чтобы увидеть, чем он отличается от контроллера.</translation>
    </message>
    <message>
        <source>No controller has been read yet, so there is nothing to compare with: pick the port first.</source>
        <translation>Контроллер ещё не прочитан, сравнивать не с чем: сначала выберите порт.</translation>
    </message>
    <message>
        <source>This snapshot holds the settings the controller holds now.</source>
        <translation>В этом снимке те же настройки, что сейчас в контроллере.</translation>
    </message>
    <message>
        <source>Sending this snapshot would change:</source>
        <translation>Отправка этого снимка изменит:</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Сравнение с файлом</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 настройке</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 настройках</translation>
    </message>
    <message>
        <source>%1 holds the settings the controller holds now.</source>
        <translation>В %1 те же настройки, что сейчас в контроллере.</translation>
    </message>
    <message>
        <source>%1 differs from the controller in %2:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>(controller → file)</source>
        <translation>%1 отличается от контроллера в %2:<byte value="xd"/><byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>(контроллер → файл)</translation>
    </message>
    <message>
        <source>%1 cannot be compared: %2. It is not a parameter file saved by this tool.</source>
        <translation>%1 нельзя сравнить: %2. Это не файл параметров, сохранённый этой программой.</translation>
    </message>
    <message>
        <source>The snapshot folder %1 could not be opened in the file manager.</source>
        <translation>Папку снимков %1 не удалось открыть в файловом менеджере.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не читается: %1</translation>
    </message>
    <message>
        <source>the same settings</source>
        <translation>те же настройки</translation>
    </message>
    <message>
        <source>1 setting differs</source>
        <translation>отличается 1 настройка</translation>
    </message>
    <message>
        <source>%1 settings differ</source>
        <translation>отличаются настройки: %1</translation>
    </message>
    <message>
        <source>The controller on %1 is back but does not answer: Zorv read it back %2 times, a second apart, and had no answer.

Check that it is powered and has finished starting up, then pick %1 in the port list to read it again.</source>
        <translation>Контроллер на %1 снова подключён, но не отвечает: Zorv пытался прочитать его %2 раза с интервалом в секунду и не получил ответа.

Проверьте, что он включён и закончил запуск, затем выберите %1 в списке портов, чтобы прочитать его снова.</translation>
    </message>
    <message>
        <source>line %1 does not start with the label %2</source>
        <translation>строка %1 не начинается с метки %2</translation>
    </message>
    <message>
        <source>line %1 (%2) holds %3 where a 0 or 1 belongs</source>
        <translation>в строке %1 (%2) стоит %3, а должно быть 0 или 1</translation>
    </message>
    <message>
        <source>line %1 (%2) does not hold a cell value</source>
        <translation>в строке %1 (%2) нет значения банки</translation>
    </message>
    <message>
        <source>line %1 (%2) does not hold a four-digit value</source>
        <translation>в строке %1 (%2) нет четырёхзначного значения</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>it has %1 line, a saved parameter file has %2</source>
        <translation>строк в нём: %1, а в файле сохранённых параметров их %2</translation>
    </message>
    <message>
        <source>it has %1 lines, a saved parameter file has %2</source>
        <translation>строк в нём: %1, а в файле сохранённых параметров их %2</translation>
    </message>
    <message>
        <source>its first line does not start with %1</source>
        <translation>его первая строка не начинается с %1</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB, far more than a saved parameter file</source>
        <translation>он больше 64 КиБ — намного больше файла сохранённых параметров</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>его не удаётся прочитать (%1)</translation>
    </message>
    <message>
        <source>%1; it is not a parameter file saved by this tool</source>
        <translation>%1; это не файл параметров, сохранённый этой программой</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is larger than 64 KiB</source>
        <translation>он больше 64 КиБ</translation>
    </message>
</context>
<context>
    <name>Traffic</name>
    <message>
        <source>Traffic log</source>
        <translation>Журнал обмена</translation>
    </message>
    <message>
        <source>Show only lines holding…</source>
        <translation>Показывать только строки, содержащие…</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Сохранить…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Save the traffic log</source>
        <translation>Сохранить журнал обмена</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Текстовые файлы (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The traffic log could not be saved to %1: %2

Pick a folder you can write to, or copy the log and paste it elsewhere.</source>
        <translation>Журнал обмена не удалось сохранить в %1: %2

Выберите папку, в которую можно писать, или скопируйте журнал и вставьте его в другое место.</translation>
    </message>
    <message>
        <source>Traffic log…</source>
        <translation>Журнал обмена…</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Программа настройки - Corvex Flight Controller (corvex.example)</source>
        <translation>Программа настройки - Corvex Flight Controller (corvex.example)</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Загрузка...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Обновление ПО</source>
        <translation>Обновление ПО</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Тип модели</source>
        <translation>Тип модели</translation>
    </message>
    <message>
        <source>Частота ESC</source>
        <translation>Частота ESC</translation>
    </message>
    <message>
        <source>Частота servo</source>
        <translation>Частота серво</translation>
    </message>
    <message>
        <source>Сохранить конфиг.</source>
        <translation>Сохранить конфиг.</translation>
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
        <translation>2,80В|3,25В|3,70В</translation>
    </message>
    <message>
        <source>Загрузить конфиг.</source>
        <translation>Загрузить конфиг.</translation>
    </message>
    <message>
        <source>Версия:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Возможности</source>
        <translation>Возможности</translation>
    </message>
    <message>
        <source>5 Канал</source>
        <translation>5 Канал</translation>
    </message>
    <message>
        <source>6 Канал</source>
        <translation>6 Канал</translation>
    </message>
    <message>
        <source>7 Канал</source>
        <translation>7 Канал</translation>
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
        <translation>LIPO монитор</translation>
    </message>
    <message>
        <source>Аппаратура</source>
        <translation>Аппаратура</translation>
    </message>
    <message>
        <source>Гироскоп</source>
        <translation>Гироскоп</translation>
    </message>
    <message>
        <source>Акселерометр</source>
        <translation>Акселерометр</translation>
    </message>
    <message>
        <source>Компас</source>
        <translation>Компас</translation>
    </message>
    <message>
        <source>Барометр</source>
        <translation>Барометр</translation>
    </message>
    <message>
        <source>Сонар</source>
        <translation>Сонар</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>1 банка</source>
        <translation>1 банка</translation>
    </message>
    <message>
        <source>2 банка</source>
        <translation>2 банка</translation>
    </message>
    <message>
        <source>3 банка</source>
        <translation>3 банка</translation>
    </message>
    <message>
        <source>4 банка</source>
        <translation>4 банка</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Отобразить</source>
        <translation>Отобразить</translation>
    </message>
    <message>
        <source>График</source>
        <translation>График</translation>
    </message>
    <message>
        <source>CH1     CH2     CH3      CH4     CH5    CH6     CH7     CH8</source>
        <translation>CH1     CH2     CH3      CH4     CH5    CH6     CH7     CH8</translation>
    </message>
    <message>
        <source>Аппаратура управления (реверс каналов)</source>
        <translation>Аппаратура управления (реверс каналов)</translation>
    </message>
    <message>
        <source>М1         M2       M3       M4       M5       M6       M7      M8</source>
        <translation>М1 М2 М3 М4 М5 М6 М7 М8</translation>
    </message>
    <message>
        <source>Настройка каналов (реверс двигателей)</source>
        <translation>Настройка каналов (реверс двигателей)</translation>
    </message>
    <message>
        <source>Конфиг. компаса</source>
        <translation>Конфиг. компаса</translation>
    </message>
    <message>
        <source>град.</source>
        <translation>град.</translation>
    </message>
    <message>
        <source>Настр. сонара</source>
        <translation>Настр. сонара</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Барометр (высота)</source>
        <translation>Барометр (высота)</translation>
    </message>
    <message>
        <source>дм</source>
        <translation>дм</translation>
    </message>
    <message>
        <source>Настройки системы и обновление:</source>
        <translation>Настройки системы и обновление:</translation>
    </message>
    <message>
        <source>Панель настроек Corvex FC</source>
        <translation>Панель настроек Corvex FC</translation>
    </message>
    <message>
        <source>Доп. каналы</source>
        <translation>Доп. каналы</translation>
    </message>
    <message>
        <source>Выберите ресурсы используемые на плате</source>
        <translation>Выберите ресурсы, используемые на плате</translation>
    </message>
    <message>
        <source>Настройка батареи (Калибровка и диагностика)</source>
        <translation>Настройка батареи (калибровка и диагностика)</translation>
    </message>
    <message>
        <source>Параметры каналов аппаратуры управления</source>
        <translation>Параметры каналов аппаратуры управления</translation>
    </message>
    <message>
        <source>1. GIMBAL</source>
        <translation>1. Подвес</translation>
    </message>
    <message>
        <source>2. BI</source>
        <translation>2. Бикоптер</translation>
    </message>
    <message>
        <source>3. TRI</source>
        <translation>3. Трикоптер</translation>
    </message>
    <message>
        <source>4. QUADP</source>
        <translation>4. Квадро +</translation>
    </message>
    <message>
        <source>5. QUADX</source>
        <translation>5. Квадро X</translation>
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
        <translation>8. Гекса +</translation>
    </message>
    <message>
        <source>9----HEX6X</source>
        <translation>9. Гекса X</translation>
    </message>
    <message>
        <source>10--OCTOX8</source>
        <translation>10. Окто X8</translation>
    </message>
    <message>
        <source>11--OCTOFLATP</source>
        <translation>11. Окто плоский +</translation>
    </message>
    <message>
        <source>12--OCTOFLATX</source>
        <translation>12. Окто плоский X</translation>
    </message>
    <message>
        <source>13--FLYING_WING</source>
        <translation>13. Летающее крыло</translation>
    </message>
    <message>
        <source>14--FIXED_WING</source>
        <translation>14. Самолёт</translation>
    </message>
    <message>
        <source>1. 50Hz   (20 ms)</source>
        <translation>1. 50 Гц (20 мс)</translation>
    </message>
    <message>
        <source>2. 100Hz (10 ms)</source>
        <translation>2. 100 Гц (10 мс)</translation>
    </message>
    <message>
        <source>3. 270Hz (3.6ms)</source>
        <translation>3. 270 Гц (3,6 мс)</translation>
    </message>
    <message>
        <source>4. 330Hz (3ms)</source>
        <translation>4. 330 Гц (3 мс)</translation>
    </message>
    <message>
        <source>5. 500Hz (2ms 特殊电调)</source>
        <translation>5. 500 Гц (2 мс, спец. ESC)</translation>
    </message>
    <message>
        <source>6. 2KHz PWM (特殊电调)</source>
        <translation>6. 2 кГц ШИМ (спец. ESC)</translation>
    </message>
    <message>
        <source>1. 50Hz舵机</source>
        <translation>1. 50 Гц серво</translation>
    </message>
    <message>
        <source>2. 270HZ舵机</source>
        <translation>2. 270 Гц серво</translation>
    </message>
    <message>
        <source>Default 4 axis less 300mm</source>
        <translation>По умолчанию: квадро до 300 мм</translation>
    </message>
    <message>
        <source>Default 4 axis  300－450mm</source>
        <translation>По умолчанию: квадро 300–450 мм</translation>
    </message>
    <message>
        <source>Default 4 axis  450－650mm</source>
        <translation>По умолчанию: квадро 450–650 мм</translation>
    </message>
    <message>
        <source>Default 4 axis  650mm</source>
        <translation>По умолчанию: квадро 650 мм</translation>
    </message>
    <message>
        <source>Load from file saved by yourself</source>
        <translation>Загрузить из своего файла</translation>
    </message>
    <message>
        <source>Уровень стабилиз.</source>
        <translation>Уровень стабилиз.</translation>
    </message>
    <message>
        <source>Доп. стабилизация</source>
        <translation>Доп. стабилизация</translation>
    </message>
    <message>
        <source>Динамич. стабилиз.</source>
        <translation>Динамич. стабилиз.</translation>
    </message>
    <message>
        <source>Уровень балансир.</source>
        <translation>Уровень балансир.</translation>
    </message>
    <message>
        <source>Доп. балансировка</source>
        <translation>Доп. балансировка</translation>
    </message>
    <message>
        <source>Курсовая стабилиз.</source>
        <translation>Курсовая стабилиз.</translation>
    </message>
    <message>
        <source>Чувствит. компаса</source>
        <translation>Чувствит. компаса</translation>
    </message>
    <message>
        <source>Настройки барометр</source>
        <translation>Настройка барометра</translation>
    </message>
    <message>
        <source>Чувствит. барометр</source>
        <translation>Чувствит. барометра</translation>
    </message>
    <message>
        <source>Подвес по Pitch</source>
        <translation>Подвес по Pitch</translation>
    </message>
    <message>
        <source>Подвес по Roll</source>
        <translation>Подвес по Roll</translation>
    </message>
    <message>
        <source>Монитор LIPO</source>
        <translation>Монитор LIPO</translation>
    </message>
</context>
</TS>
