<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Board</name>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>Red, column %1, row %2.</source>
        <translation>Rot, Spalte %1, Reihe %2.</translation>
    </message>
    <message>
        <source>Blue, column %1, row %2.</source>
        <translation>Blau, Spalte %1, Reihe %2.</translation>
    </message>
    <message>
        <source>Column %1 is full.</source>
        <translation>Spalte %1 ist voll.</translation>
    </message>
    <message>
        <source>Red to play.</source>
        <translation>Rot ist am Zug.</translation>
    </message>
    <message>
        <source>Blue to play.</source>
        <translation>Blau ist am Zug.</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>full</source>
        <comment>a column</comment>
        <translation>voll</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n Stein</numerusform>
            <numerusform>%n Steine</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Spalte %1, Reihe %2: rot</translation>
    </message>
    <message>
        <source>Column %1, row %2: blue</source>
        <translation>Spalte %1, Reihe %2: blau</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Spalte %1, Reihe %2: leer</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins two sentences that are read out one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Four in a row: column %1, row %2 to column %3, row %4.</source>
        <translation>Vier in einer Linie: Spalte %1, Reihe %2 bis Spalte %3, Reihe %4.</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>Das Brett ist voll: unentschieden.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Neues Spiel.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>TCP port for network games, to listen on and to connect to, with no fallback (default %1, or %2 where %1 is reserved).</source>
        <translation>TCP-Port für Netzwerkspiele, zum Warten und zum Verbinden, ohne Ausweichport (Vorgabe %1, oder %2, wo %1 reserviert ist).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --port</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Four in a row against the computer, a friend at the same machine, or over the network.</source>
        <translation>Vier in einer Linie gegen den Computer, zu zweit am selben Computer oder über das Netzwerk.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535</source>
        <translation>--port erwartet eine Zahl von 1 bis 65535</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normaler Modus</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Ein Spieler</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Netzwerkmodus</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <translation>Auf Verbindung warten</translation>
    </message>
    <message>
        <source>Connect to Opponent</source>
        <translation>Mit Gegner verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbindung trennen</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tavelin::AddressPrompt</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>a game found on the network: %1 is the name of the computer it waits on, %2 its address</extracomment>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>&amp;Games waiting on the network:</source>
        <translation>&amp;Spiele, die im Netzwerk warten:</translation>
    </message>
    <message>
        <source>Games waiting on the network</source>
        <translation>Spiele, die im Netzwerk warten</translation>
    </message>
    <message>
        <source>Games on the network cannot be searched for now.</source>
        <translation>Spiele im Netzwerk können gerade nicht gesucht werden.</translation>
    </message>
</context>
<context>
    <name>tavelin::Form1</name>
    <message>
        <source>%1 Waiting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 wartet...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <extracomment>%1 is this computer&apos;s address, with its port where that is not the usual one</extracomment>
        <translation>IP-Adresse %1</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>IP-Adresse zum Verbinden eingeben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address to connect to. Type an address such as 192.168.1.20, 192.168.1.20:1007 or [fe80::1]:1007.</source>
        <translation>„%1“ ist keine Adresse, mit der verbunden werden kann. Gib eine Adresse wie 192.168.1.20, 192.168.1.20:1007 oder [fe80::1]:1007 ein.</translation>
    </message>
    <message>
        <source>%1 Connecting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 verbindet sich...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Verbindung getrennt</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <extracomment>%1 is this computer&apos;s name, %2 the other player&apos;s</extracomment>
        <translation>%1 verbunden mit %2</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Du hast verloren</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2</source>
        <translation>Auf Port %1 kann nicht auf eine Verbindung gewartet werden: %2</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2

Ports below 1024 are reserved for the administrator on this computer. Start Tavelin with --port and a number of 1024 or more (for example: tavelin --port 10007); the other player connects to that port, typing the address as address:port.</source>
        <translation>Auf Port %1 kann nicht auf eine Verbindung gewartet werden: %2

Ports unter 1024 sind auf diesem Computer dem Administrator vorbehalten. Starte Tavelin mit --port und einer Zahl ab 1024 (zum Beispiel: tavelin --port 10007); die andere Seite verbindet sich mit diesem Port und gibt die Adresse als Adresse:Port ein.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Verbindung mit %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock antwortet nicht</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock muss mindestens %1 Socket bieten</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Sockets-Version %1.%2 ist zu alt</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Windows-Sockets-Fehler: %1</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows antwortet nicht</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Du hast gewonnen</translation>
    </message>
    <message>
        <source>Red Win</source>
        <translation>Rot gewinnt</translation>
    </message>
    <message>
        <source>Blue Win</source>
        <translation>Blau gewinnt</translation>
    </message>
</context>
<context>
    <name>tavelin::Form2</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>BY : %1</source>
        <translation>VON: %1</translation>
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
        <translation>Für diese Adresse ließ sich kein Programm starten:

%1</translation>
    </message>
    <message>
        <source>The Tavelin developers</source>
        <translation>Das Tavelin-Team</translation>
    </message>
</context>
<context>
    <name>tavelin::PeerConnection</name>
    <message>
        <source>The other side sent nothing in time.</source>
        <translation>Die Gegenseite hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The other side is already playing, or closed the connection before greeting.</source>
        <translation>Die Gegenseite spielt bereits oder hat die Verbindung vor der Begrüßung getrennt.</translation>
    </message>
</context>
<context>
    <name>tavelin::TcpSocketControl</name>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>Der Verbindungsversuch hat zu lange gedauert.</translation>
    </message>
</context>
</TS>
