<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>Column %1</source>
        <translation>Столбец %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Ряд %1</translation>
    </message>
    <message>
        <source>Red, column %1, row %2.</source>
        <translation>Красные, столбец %1, ряд %2.</translation>
    </message>
    <message>
        <source>Blue, column %1, row %2.</source>
        <translation>Синие, столбец %1, ряд %2.</translation>
    </message>
    <message>
        <source>Column %1 is full.</source>
        <translation>Столбец %1 заполнен.</translation>
    </message>
    <message>
        <source>Red to play.</source>
        <translation>Ход красных.</translation>
    </message>
    <message>
        <source>Blue to play.</source>
        <translation>Ход синих.</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <translation>пустой</translation>
    </message>
    <message>
        <source>full</source>
        <comment>a column</comment>
        <translation>заполнен</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n фишка</numerusform>
            <numerusform>%n фишки</numerusform>
            <numerusform>%n фишек</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Столбец %1, ряд %2: красная</translation>
    </message>
    <message>
        <source>Column %1, row %2: blue</source>
        <translation>Столбец %1, ряд %2: синяя</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Столбец %1, ряд %2: пусто</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins two sentences that are read out one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Four in a row: column %1, row %2 to column %3, row %4.</source>
        <translation>Четыре в линию: от столбца %1, ряда %2 до столбца %3, ряда %4.</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>Поле заполнено: ничья.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Новая игра.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>TCP port for network games, to listen on and to connect to, with no fallback (default %1, or %2 where %1 is reserved).</source>
        <translation>TCP-порт для сетевой игры, для ожидания и подключения, без запасного порта (по умолчанию %1 или %2, если %1 зарезервирован).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --port</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Four in a row against the computer, a friend at the same machine, or over the network.</source>
        <translation>Четыре в ряд против компьютера, с другом за одним компьютером или по сети.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535</source>
        <translation>--port принимает число от 1 до 65535</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Обычный режим</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Один игрок</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Два игрока</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Сетевой режим</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <translation>Ожидать подключения</translation>
    </message>
    <message>
        <source>Connect to Opponent</source>
        <translation>Подключиться к сопернику</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>tavelin::AddressPrompt</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>a game found on the network: %1 is the name of the computer it waits on, %2 its address</extracomment>
        <translation>%1 по адресу %2</translation>
    </message>
    <message>
        <source>&amp;Games waiting on the network:</source>
        <translation>&amp;Игры, ожидающие в сети:</translation>
    </message>
    <message>
        <source>Games waiting on the network</source>
        <translation>Игры, ожидающие в сети</translation>
    </message>
    <message>
        <source>Games on the network cannot be searched for now.</source>
        <translation>Сейчас невозможно искать игры в сети.</translation>
    </message>
</context>
<context>
    <name>tavelin::Form1</name>
    <message>
        <source>%1 Waiting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 ожидает...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <extracomment>%1 is this computer&apos;s address, with its port where that is not the usual one</extracomment>
        <translation>IP-адрес %1</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Введите IP-адрес для подключения</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address to connect to. Type an address such as 192.168.1.20, 192.168.1.20:1007 or [fe80::1]:1007.</source>
        <translation>«%1» — не адрес для подключения. Введите адрес вида 192.168.1.20, 192.168.1.20:1007 или [fe80::1]:1007.</translation>
    </message>
    <message>
        <source>%1 Connecting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 подключается...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Подключение разорвано</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <extracomment>%1 is this computer&apos;s name, %2 the other player&apos;s</extracomment>
        <translation>%1 подключён к %2</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Вы проиграли</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2</source>
        <translation>Не удаётся ожидать подключения на порту %1: %2</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2

Ports below 1024 are reserved for the administrator on this computer. Start Tavelin with --port and a number of 1024 or more (for example: tavelin --port 10007); the other player connects to that port, typing the address as address:port.</source>
        <translation>Не удаётся ожидать подключения на порту %1: %2

На этом компьютере порты ниже 1024 доступны только администратору. Запустите Tavelin с параметром --port и числом от 1024 (например: tavelin --port 10007); второй игрок подключается к этому порту, вводя адрес в виде адрес:порт.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Не удаётся подключиться к %1: %2</translation>
    </message>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock не отвечает</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock должен предоставлять хотя бы %1 сокет</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Версия сокетов %1.%2 слишком старая</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Ошибка Windows Sockets: %1</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows не отвечает</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Столбцы</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Вы выиграли</translation>
    </message>
    <message>
        <source>Red Win</source>
        <translation>Победили красные</translation>
    </message>
    <message>
        <source>Blue Win</source>
        <translation>Победили синие</translation>
    </message>
</context>
<context>
    <name>tavelin::Form2</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>BY : %1</source>
        <translation>АВТОРЫ: %1</translation>
    </message>
    <message>
        <source>E-MAIL : %1</source>
        <translation>ПОЧТА: %1</translation>
    </message>
    <message>
        <source>URL : %1</source>
        <translation>САЙТ: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>No program could be started for this address:

%1</source>
        <translation>Не удалось запустить программу для этого адреса:

%1</translation>
    </message>
    <message>
        <source>The Tavelin developers</source>
        <translation>Команда Tavelin</translation>
    </message>
</context>
<context>
    <name>tavelin::PeerConnection</name>
    <message>
        <source>The other side sent nothing in time.</source>
        <translation>Другая сторона ничего не прислала вовремя.</translation>
    </message>
    <message>
        <source>The other side is already playing, or closed the connection before greeting.</source>
        <translation>Другая сторона уже играет или закрыла соединение до приветствия.</translation>
    </message>
</context>
<context>
    <name>tavelin::TcpSocketControl</name>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>Время ожидания подключения истекло.</translation>
    </message>
</context>
</TS>
