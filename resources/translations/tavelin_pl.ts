<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Board</name>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Red, column %1, row %2.</source>
        <translation>Czerwone, kolumna %1, wiersz %2.</translation>
    </message>
    <message>
        <source>Blue, column %1, row %2.</source>
        <translation>Niebieskie, kolumna %1, wiersz %2.</translation>
    </message>
    <message>
        <source>Column %1 is full.</source>
        <translation>Kolumna %1 jest pełna.</translation>
    </message>
    <message>
        <source>Red to play.</source>
        <translation>Ruch czerwonych.</translation>
    </message>
    <message>
        <source>Blue to play.</source>
        <translation>Ruch niebieskich.</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <translation>pusta</translation>
    </message>
    <message>
        <source>full</source>
        <comment>a column</comment>
        <translation>pełna</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n pionek</numerusform>
            <numerusform>%n pionki</numerusform>
            <numerusform>%n pionków</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Kolumna %1, wiersz %2: czerwone</translation>
    </message>
    <message>
        <source>Column %1, row %2: blue</source>
        <translation>Kolumna %1, wiersz %2: niebieskie</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Kolumna %1, wiersz %2: puste</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins two sentences that are read out one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Four in a row: column %1, row %2 to column %3, row %4.</source>
        <translation>Cztery w rzędzie: od kolumny %1, wiersza %2 do kolumny %3, wiersza %4.</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>Plansza jest pełna: remis.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nowa gra.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>TCP port for network games, to listen on and to connect to, with no fallback (default %1, or %2 where %1 is reserved).</source>
        <translation>Port TCP do gry sieciowej, do oczekiwania i łączenia, bez portu zapasowego (domyślnie %1 lub %2, gdy %1 jest zarezerwowany).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --port</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Four in a row against the computer, a friend at the same machine, or over the network.</source>
        <translation>Cztery w rzędzie przeciwko komputerowi, ze znajomym przy tym samym komputerze lub przez sieć.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535</source>
        <translation>--port wymaga liczby od 1 do 65535</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Tryb zwykły</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Jeden gracz</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Dwóch graczy</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Tryb sieciowy</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <translation>Czekaj na połączenie</translation>
    </message>
    <message>
        <source>Connect to Opponent</source>
        <translation>Połącz z przeciwnikiem</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>tavelin::AddressPrompt</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>a game found on the network: %1 is the name of the computer it waits on, %2 its address</extracomment>
        <translation>%1 pod adresem %2</translation>
    </message>
    <message>
        <source>&amp;Games waiting on the network:</source>
        <translation>&amp;Gry czekające w sieci:</translation>
    </message>
    <message>
        <source>Games waiting on the network</source>
        <translation>Gry czekające w sieci</translation>
    </message>
    <message>
        <source>Games on the network cannot be searched for now.</source>
        <translation>Nie można teraz wyszukać gier w sieci.</translation>
    </message>
</context>
<context>
    <name>tavelin::Form1</name>
    <message>
        <source>%1 Waiting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 czeka...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <extracomment>%1 is this computer&apos;s address, with its port where that is not the usual one</extracomment>
        <translation>Adres IP %1</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Wpisz adres IP, z którym chcesz się połączyć</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address to connect to. Type an address such as 192.168.1.20, 192.168.1.20:1007 or [fe80::1]:1007.</source>
        <translation>„%1” nie jest adresem, z którym można się połączyć. Wpisz adres, np. 192.168.1.20, 192.168.1.20:1007 lub [fe80::1]:1007.</translation>
    </message>
    <message>
        <source>%1 Connecting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 łączy się...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączono</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <extracomment>%1 is this computer&apos;s name, %2 the other player&apos;s</extracomment>
        <translation>%1 połączony z %2</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Przegrana</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2</source>
        <translation>Nie można czekać na połączenie na porcie %1: %2</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2

Ports below 1024 are reserved for the administrator on this computer. Start Tavelin with --port and a number of 1024 or more (for example: tavelin --port 10007); the other player connects to that port, typing the address as address:port.</source>
        <translation>Nie można czekać na połączenie na porcie %1: %2

Na tym komputerze porty poniżej 1024 są zarezerwowane dla administratora. Uruchom Tavelin z opcją --port i liczbą 1024 lub większą (na przykład: tavelin --port 10007); drugi gracz łączy się z tym portem, wpisując adres w postaci adres:port.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Nie można połączyć się z %1: %2</translation>
    </message>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock nie odpowiada</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock musi udostępniać co najmniej %1 gniazdo</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Wersja gniazd %1.%2 jest za stara</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Błąd Windows Sockets: %1</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows nie odpowiada</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumny</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Wygrana</translation>
    </message>
    <message>
        <source>Red Win</source>
        <translation>Wygrywają czerwone</translation>
    </message>
    <message>
        <source>Blue Win</source>
        <translation>Wygrywają niebieskie</translation>
    </message>
</context>
<context>
    <name>tavelin::Form2</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>BY : %1</source>
        <translation>AUTORZY: %1</translation>
    </message>
    <message>
        <source>E-MAIL : %1</source>
        <translation>E-MAIL: %1</translation>
    </message>
    <message>
        <source>URL : %1</source>
        <translation>WWW: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No program could be started for this address:

%1</source>
        <translation>Nie udało się uruchomić żadnego programu dla tego adresu:

%1</translation>
    </message>
    <message>
        <source>The Tavelin developers</source>
        <translation>Zespół Tavelin</translation>
    </message>
</context>
<context>
    <name>tavelin::PeerConnection</name>
    <message>
        <source>The other side sent nothing in time.</source>
        <translation>Druga strona nie wysłała niczego na czas.</translation>
    </message>
    <message>
        <source>The other side is already playing, or closed the connection before greeting.</source>
        <translation>Druga strona już gra albo zamknęła połączenie przed powitaniem.</translation>
    </message>
</context>
<context>
    <name>tavelin::TcpSocketControl</name>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>Upłynął limit czasu próby połączenia.</translation>
    </message>
</context>
</TS>
