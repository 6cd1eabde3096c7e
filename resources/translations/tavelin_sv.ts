<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Board</name>
    <message>
        <source>Column %1</source>
        <translation>Kolumn %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rad %1</translation>
    </message>
    <message>
        <source>Red, column %1, row %2.</source>
        <translation>Röd, kolumn %1, rad %2.</translation>
    </message>
    <message>
        <source>Blue, column %1, row %2.</source>
        <translation>Blå, kolumn %1, rad %2.</translation>
    </message>
    <message>
        <source>Column %1 is full.</source>
        <translation>Kolumn %1 är full.</translation>
    </message>
    <message>
        <source>Red to play.</source>
        <translation>Röds tur.</translation>
    </message>
    <message>
        <source>Blue to play.</source>
        <translation>Blås tur.</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <translation>tom</translation>
    </message>
    <message>
        <source>full</source>
        <comment>a column</comment>
        <translation>full</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n bricka</numerusform>
            <numerusform>%n brickor</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Kolumn %1, rad %2: röd</translation>
    </message>
    <message>
        <source>Column %1, row %2: blue</source>
        <translation>Kolumn %1, rad %2: blå</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Kolumn %1, rad %2: tom</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins two sentences that are read out one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Four in a row: column %1, row %2 to column %3, row %4.</source>
        <translation>Fyra på en linje: från kolumn %1, rad %2 till kolumn %3, rad %4.</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>Spelplanen är full: oavgjort.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nytt spel.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>TCP port for network games, to listen on and to connect to, with no fallback (default %1, or %2 where %1 is reserved).</source>
        <translation>TCP-port för nätverksspel, att vänta på och ansluta till, utan reservport (standard %1, eller %2 där %1 är reserverad).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --port</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Four in a row against the computer, a friend at the same machine, or over the network.</source>
        <translation>Fyra i rad mot datorn, med en vän vid samma dator eller över nätverket.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535</source>
        <translation>--port tar ett tal från 1 till 65535</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normalt läge</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>En spelare</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Två spelare</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Nätverksläge</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <translation>Vänta på anslutning</translation>
    </message>
    <message>
        <source>Connect to Opponent</source>
        <translation>Anslut till motståndare</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koppla från</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>tavelin::AddressPrompt</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>a game found on the network: %1 is the name of the computer it waits on, %2 its address</extracomment>
        <translation>%1 på %2</translation>
    </message>
    <message>
        <source>&amp;Games waiting on the network:</source>
        <translation>&amp;Spel som väntar i nätverket:</translation>
    </message>
    <message>
        <source>Games waiting on the network</source>
        <translation>Spel som väntar i nätverket</translation>
    </message>
    <message>
        <source>Games on the network cannot be searched for now.</source>
        <translation>Det går inte att söka efter spel i nätverket just nu.</translation>
    </message>
</context>
<context>
    <name>tavelin::Form1</name>
    <message>
        <source>%1 Waiting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 väntar...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <extracomment>%1 is this computer&apos;s address, with its port where that is not the usual one</extracomment>
        <translation>IP-adress %1</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Ange IP-adressen att ansluta till</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address to connect to. Type an address such as 192.168.1.20, 192.168.1.20:1007 or [fe80::1]:1007.</source>
        <translation>”%1” är ingen adress att ansluta till. Skriv en adress som 192.168.1.20, 192.168.1.20:1007 eller [fe80::1]:1007.</translation>
    </message>
    <message>
        <source>%1 Connecting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 ansluter...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Frånkopplad</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <extracomment>%1 is this computer&apos;s name, %2 the other player&apos;s</extracomment>
        <translation>%1 ansluten till %2</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Du förlorade</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2</source>
        <translation>Kan inte vänta på en anslutning på port %1: %2</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2

Ports below 1024 are reserved for the administrator on this computer. Start Tavelin with --port and a number of 1024 or more (for example: tavelin --port 10007); the other player connects to that port, typing the address as address:port.</source>
        <translation>Kan inte vänta på en anslutning på port %1: %2

På den här datorn är portar under 1024 reserverade för administratören. Starta Tavelin med --port och ett tal från 1024 och uppåt (till exempel: tavelin --port 10007); den andra spelaren ansluter till den porten och skriver adressen som adress:port.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Kan inte ansluta till %1: %2</translation>
    </message>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock svarar inte</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEL</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock måste erbjuda minst %1 socket</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Socketversion %1.%2 är för gammal</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Windows Sockets-fel: %1</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows svarar inte</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spelplan</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumner</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Du vann</translation>
    </message>
    <message>
        <source>Red Win</source>
        <translation>Röd vinner</translation>
    </message>
    <message>
        <source>Blue Win</source>
        <translation>Blå vinner</translation>
    </message>
</context>
<context>
    <name>tavelin::Form2</name>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>BY : %1</source>
        <translation>AV: %1</translation>
    </message>
    <message>
        <source>E-MAIL : %1</source>
        <translation>E-POST: %1</translation>
    </message>
    <message>
        <source>URL : %1</source>
        <translation>WEBB: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No program could be started for this address:

%1</source>
        <translation>Inget program kunde startas för den här adressen:

%1</translation>
    </message>
    <message>
        <source>The Tavelin developers</source>
        <translation>Tavelin-teamet</translation>
    </message>
</context>
<context>
    <name>tavelin::PeerConnection</name>
    <message>
        <source>The other side sent nothing in time.</source>
        <translation>Andra sidan skickade inget i tid.</translation>
    </message>
    <message>
        <source>The other side is already playing, or closed the connection before greeting.</source>
        <translation>Andra sidan spelar redan eller stängde anslutningen innan den hälsade.</translation>
    </message>
</context>
<context>
    <name>tavelin::TcpSocketControl</name>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>Anslutningsförsöket tog för lång tid.</translation>
    </message>
</context>
</TS>
