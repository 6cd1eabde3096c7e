<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Board</name>
    <message>
        <source>Column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Red, column %1, row %2.</source>
        <translation>红方，第 %1 列，第 %2 行。</translation>
    </message>
    <message>
        <source>Blue, column %1, row %2.</source>
        <translation>蓝方，第 %1 列，第 %2 行。</translation>
    </message>
    <message>
        <source>Column %1 is full.</source>
        <translation>第 %1 列已满。</translation>
    </message>
    <message>
        <source>Red to play.</source>
        <translation>轮到红方。</translation>
    </message>
    <message>
        <source>Blue to play.</source>
        <translation>轮到蓝方。</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <translation>空</translation>
    </message>
    <message>
        <source>full</source>
        <comment>a column</comment>
        <translation>已满</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n 枚棋子</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>第 %1 列，第 %2 行：红色</translation>
    </message>
    <message>
        <source>Column %1, row %2: blue</source>
        <translation>第 %1 列，第 %2 行：蓝色</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>第 %1 列，第 %2 行：空</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins two sentences that are read out one after the other</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Four in a row: column %1, row %2 to column %3, row %4.</source>
        <translation>四子连线：从第 %1 列第 %2 行到第 %3 列第 %4 行。</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>棋盘已满：平局。</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>新游戏。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>TCP port for network games, to listen on and to connect to, with no fallback (default %1, or %2 where %1 is reserved).</source>
        <translation>网络对战使用的 TCP 端口，用于等待和连接，不使用备用端口（默认为 %1；%1 被保留时为 %2）。</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --port</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Four in a row against the computer, a friend at the same machine, or over the network.</source>
        <translation>四子棋：与电脑对战、与朋友在同一台电脑上对战，或通过网络对战。</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535</source>
        <translation>--port 需要 1 到 65535 之间的数字</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>普通模式</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>单人游戏</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>双人游戏</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>网络模式</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <translation>等待连接</translation>
    </message>
    <message>
        <source>Connect to Opponent</source>
        <translation>连接对手</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tavelin::AddressPrompt</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>a game found on the network: %1 is the name of the computer it waits on, %2 its address</extracomment>
        <translation>%1，地址 %2</translation>
    </message>
    <message>
        <source>&amp;Games waiting on the network:</source>
        <translation>网络上等待的游戏(&amp;G)：</translation>
    </message>
    <message>
        <source>Games waiting on the network</source>
        <translation>网络上等待的游戏</translation>
    </message>
    <message>
        <source>Games on the network cannot be searched for now.</source>
        <translation>暂时无法在网络上搜索游戏。</translation>
    </message>
</context>
<context>
    <name>tavelin::Form1</name>
    <message>
        <source>%1 Waiting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 等待中…</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <extracomment>%1 is this computer&apos;s address, with its port where that is not the usual one</extracomment>
        <translation>IP 地址 %1</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>输入要连接的 IP 地址</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address to connect to. Type an address such as 192.168.1.20, 192.168.1.20:1007 or [fe80::1]:1007.</source>
        <translation>“%1”不是可连接的地址。请输入类似 192.168.1.20、192.168.1.20:1007 或 [fe80::1]:1007 的地址。</translation>
    </message>
    <message>
        <source>%1 Connecting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 正在连接…</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>连接已断开</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <extracomment>%1 is this computer&apos;s name, %2 the other player&apos;s</extracomment>
        <translation>%1 已连接到 %2</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>你输了</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2</source>
        <translation>无法在端口 %1 上等待连接：%2</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2

Ports below 1024 are reserved for the administrator on this computer. Start Tavelin with --port and a number of 1024 or more (for example: tavelin --port 10007); the other player connects to that port, typing the address as address:port.</source>
        <translation>无法在端口 %1 上等待连接：%2

在这台电脑上，1024 以下的端口仅供管理员使用。请使用 --port 和一个不小于 1024 的数字启动 Tavelin（例如：tavelin --port 10007）；对方连接到该端口，输入的地址格式为“地址:端口”。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>无法连接到 %1：%2</translation>
    </message>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock 无响应</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock 至少需要提供 %1 个套接字</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>套接字版本 %1.%2 过旧</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Windows Sockets 错误：%1</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows 无响应</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>你赢了</translation>
    </message>
    <message>
        <source>Red Win</source>
        <translation>红方获胜</translation>
    </message>
    <message>
        <source>Blue Win</source>
        <translation>蓝方获胜</translation>
    </message>
</context>
<context>
    <name>tavelin::Form2</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>BY : %1</source>
        <translation>作者：%1</translation>
    </message>
    <message>
        <source>E-MAIL : %1</source>
        <translation>邮箱：%1</translation>
    </message>
    <message>
        <source>URL : %1</source>
        <translation>网址：%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>No program could be started for this address:

%1</source>
        <translation>无法为此地址启动任何程序：

%1</translation>
    </message>
    <message>
        <source>The Tavelin developers</source>
        <translation>Tavelin 开发团队</translation>
    </message>
</context>
<context>
    <name>tavelin::PeerConnection</name>
    <message>
        <source>The other side sent nothing in time.</source>
        <translation>对方未在规定时间内发送任何内容。</translation>
    </message>
    <message>
        <source>The other side is already playing, or closed the connection before greeting.</source>
        <translation>对方已在游戏中，或在问候之前关闭了连接。</translation>
    </message>
</context>
<context>
    <name>tavelin::TcpSocketControl</name>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>连接尝试超时。</translation>
    </message>
</context>
</TS>
