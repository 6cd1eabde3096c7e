<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Board</name>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rij %1</translation>
    </message>
    <message>
        <source>Red, column %1, row %2.</source>
        <translation>Rood, kolom %1, rij %2.</translation>
    </message>
    <message>
        <source>Blue, column %1, row %2.</source>
        <translation>Blauw, kolom %1, rij %2.</translation>
    </message>
    <message>
        <source>Column %1 is full.</source>
        <translation>Kolom %1 is vol.</translation>
    </message>
    <message>
        <source>Red to play.</source>
        <translation>Rood is aan zet.</translation>
    </message>
    <message>
        <source>Blue to play.</source>
        <translation>Blauw is aan zet.</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <translation>leeg</translation>
    </message>
    <message>
        <source>full</source>
        <comment>a column</comment>
        <translation>vol</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n schijf</numerusform>
            <numerusform>%n schijven</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Kolom %1, rij %2: rood</translation>
    </message>
    <message>
        <source>Column %1, row %2: blue</source>
        <translation>Kolom %1, rij %2: blauw</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Kolom %1, rij %2: leeg</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins two sentences that are read out one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Four in a row: column %1, row %2 to column %3, row %4.</source>
        <translation>Vier op een lijn: van kolom %1, rij %2 tot kolom %3, rij %4.</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>Het bord is vol: gelijkspel.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nieuw spel.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>TCP port for network games, to listen on and to connect to, with no fallback (default %1, or %2 where %1 is reserved).</source>
        <translation>TCP-poort voor netwerkspellen, om op te wachten en mee te verbinden, zonder uitwijkpoort (standaard %1, of %2 waar %1 gereserveerd is).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --port</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Four in a row against the computer, a friend at the same machine, or over the network.</source>
        <translation>Vier op een rij tegen de computer, met een vriend op dezelfde computer of via het netwerk.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535</source>
        <translation>--port verwacht een getal van 1 tot en met 65535</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normale modus</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Eén speler</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Twee spelers</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Netwerkmodus</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <translation>Wachten op verbinding</translation>
    </message>
    <message>
        <source>Connect to Opponent</source>
        <translation>Verbinden met tegenstander</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbinding verbreken</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>tavelin::AddressPrompt</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>a game found on the network: %1 is the name of the computer it waits on, %2 its address</extracomment>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>&amp;Games waiting on the network:</source>
        <translation>&amp;Spellen die op het netwerk wachten:</translation>
    </message>
    <message>
        <source>Games waiting on the network</source>
        <translation>Spellen die op het netwerk wachten</translation>
    </message>
    <message>
        <source>Games on the network cannot be searched for now.</source>
        <translation>Er kan nu niet naar spellen op het netwerk worden gezocht.</translation>
    </message>
</context>
<context>
    <name>tavelin::Form1</name>
    <message>
        <source>%1 Waiting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 wacht...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <extracomment>%1 is this computer&apos;s address, with its port where that is not the usual one</extracomment>
        <translation>IP-adres %1</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Voer het IP-adres in om mee te verbinden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address to connect to. Type an address such as 192.168.1.20, 192.168.1.20:1007 or [fe80::1]:1007.</source>
        <translation>‘%1’ is geen adres om mee te verbinden. Typ een adres zoals 192.168.1.20, 192.168.1.20:1007 of [fe80::1]:1007.</translation>
    </message>
    <message>
        <source>%1 Connecting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 verbindt...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Verbinding verbroken</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <extracomment>%1 is this computer&apos;s name, %2 the other player&apos;s</extracomment>
        <translation>%1 verbonden met %2</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Je hebt verloren</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2</source>
        <translation>Kan niet wachten op een verbinding op poort %1: %2</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2

Ports below 1024 are reserved for the administrator on this computer. Start Tavelin with --port and a number of 1024 or more (for example: tavelin --port 10007); the other player connects to that port, typing the address as address:port.</source>
        <translation>Kan niet wachten op een verbinding op poort %1: %2

Poorten onder 1024 zijn op deze computer voorbehouden aan de beheerder. Start Tavelin met --port en een getal van 1024 of hoger (bijvoorbeeld: tavelin --port 10007); de andere speler verbindt met die poort door het adres als adres:poort te typen.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Kan niet verbinden met %1: %2</translation>
    </message>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock reageert niet</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock moet minstens %1 socket bieden</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Socketversie %1.%2 is te oud</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Windows Sockets-fout: %1</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows reageert niet</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Je hebt gewonnen</translation>
    </message>
    <message>
        <source>Red Win</source>
        <translation>Rood wint</translation>
    </message>
    <message>
        <source>Blue Win</source>
        <translation>Blauw wint</translation>
    </message>
</context>
<context>
    <name>tavelin::Form2</name>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>BY : %1</source>
        <translation>DOOR: %1</translation>
    </message>
    <message>
        <source>E-MAIL : %1</source>
        <translation>E-MAIL: %1</translation>
    </message>
    <message>
        <source>URL : %1</source>
        <translation>WEB: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No program could be started for this address:

%1</source>
        <translation>Er kon geen programma worden gestart voor dit adres:

%1</translation>
    </message>
    <message>
        <source>The Tavelin developers</source>
        <translation>Het Tavelin-team</translation>
    </message>
</context>
<context>
    <name>tavelin::PeerConnection</name>
    <message>
        <source>The other side sent nothing in time.</source>
        <translation>De andere kant heeft niet op tijd iets gestuurd.</translation>
    </message>
    <message>
        <source>The other side is already playing, or closed the connection before greeting.</source>
        <translation>De tegenstander speelt al of verbrak de verbinding vóór de begroeting.</translation>
    </message>
</context>
<context>
    <name>tavelin::TcpSocketControl</name>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>De verbindingspoging heeft te lang geduurd.</translation>
    </message>
</context>
</TS>
