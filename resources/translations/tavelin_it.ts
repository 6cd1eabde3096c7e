<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Board</name>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Red, column %1, row %2.</source>
        <translation>Rosso, colonna %1, riga %2.</translation>
    </message>
    <message>
        <source>Blue, column %1, row %2.</source>
        <translation>Blu, colonna %1, riga %2.</translation>
    </message>
    <message>
        <source>Column %1 is full.</source>
        <translation>La colonna %1 è piena.</translation>
    </message>
    <message>
        <source>Red to play.</source>
        <translation>Tocca al rosso.</translation>
    </message>
    <message>
        <source>Blue to play.</source>
        <translation>Tocca al blu.</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <translation>vuota</translation>
    </message>
    <message>
        <source>full</source>
        <comment>a column</comment>
        <translation>piena</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n pedina</numerusform>
            <numerusform>%n pedine</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Colonna %1, riga %2: rossa</translation>
    </message>
    <message>
        <source>Column %1, row %2: blue</source>
        <translation>Colonna %1, riga %2: blu</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Colonna %1, riga %2: vuota</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins two sentences that are read out one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Four in a row: column %1, row %2 to column %3, row %4.</source>
        <translation>Quattro in fila: dalla colonna %1, riga %2, alla colonna %3, riga %4.</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>La griglia è piena: pareggio.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nuova partita.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>TCP port for network games, to listen on and to connect to, with no fallback (default %1, or %2 where %1 is reserved).</source>
        <translation>Porta TCP per le partite in rete, per attendere e per connettersi, senza alternativa (predefinita %1, o %2 dove %1 è riservata).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --port</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Four in a row against the computer, a friend at the same machine, or over the network.</source>
        <translation>Quattro in fila contro il computer, con un amico sullo stesso computer o in rete.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535</source>
        <translation>--port richiede un numero da 1 a 65535</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modalità normale</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Un giocatore</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Due giocatori</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Modalità rete</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <translation>Attendi una connessione</translation>
    </message>
    <message>
        <source>Connect to Opponent</source>
        <translation>Connettiti all&apos;avversario</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>tavelin::AddressPrompt</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>a game found on the network: %1 is the name of the computer it waits on, %2 its address</extracomment>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>&amp;Games waiting on the network:</source>
        <translation>&amp;Partite in attesa sulla rete:</translation>
    </message>
    <message>
        <source>Games waiting on the network</source>
        <translation>Partite in attesa sulla rete</translation>
    </message>
    <message>
        <source>Games on the network cannot be searched for now.</source>
        <translation>Al momento non è possibile cercare partite sulla rete.</translation>
    </message>
</context>
<context>
    <name>tavelin::Form1</name>
    <message>
        <source>%1 Waiting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 in attesa...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <extracomment>%1 is this computer&apos;s address, with its port where that is not the usual one</extracomment>
        <translation>Indirizzo IP %1</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Inserisci l&apos;indirizzo IP a cui connetterti</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address to connect to. Type an address such as 192.168.1.20, 192.168.1.20:1007 or [fe80::1]:1007.</source>
        <translation>«%1» non è un indirizzo a cui connettersi. Scrivi un indirizzo come 192.168.1.20, 192.168.1.20:1007 o [fe80::1]:1007.</translation>
    </message>
    <message>
        <source>%1 Connecting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 in connessione...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <extracomment>%1 is this computer&apos;s name, %2 the other player&apos;s</extracomment>
        <translation>%1 connesso a %2</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Hai perso</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2</source>
        <translation>Impossibile attendere una connessione sulla porta %1: %2</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2

Ports below 1024 are reserved for the administrator on this computer. Start Tavelin with --port and a number of 1024 or more (for example: tavelin --port 10007); the other player connects to that port, typing the address as address:port.</source>
        <translation>Impossibile attendere una connessione sulla porta %1: %2

Su questo computer le porte sotto la 1024 sono riservate all&apos;amministratore. Avvia Tavelin con --port e un numero da 1024 in su (per esempio: tavelin --port 10007); l&apos;altro giocatore si connette a quella porta scrivendo l&apos;indirizzo come indirizzo:porta.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Impossibile connettersi a %1: %2</translation>
    </message>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock non risponde</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock deve offrire almeno %1 socket</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Versione dei socket %1.%2 troppo vecchia</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Errore di Windows Sockets: %1</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows non risponde</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Hai vinto</translation>
    </message>
    <message>
        <source>Red Win</source>
        <translation>Vince il rosso</translation>
    </message>
    <message>
        <source>Blue Win</source>
        <translation>Vince il blu</translation>
    </message>
</context>
<context>
    <name>tavelin::Form2</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>BY : %1</source>
        <translation>DI: %1</translation>
    </message>
    <message>
        <source>E-MAIL : %1</source>
        <translation>E-MAIL: %1</translation>
    </message>
    <message>
        <source>URL : %1</source>
        <translation>SITO: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No program could be started for this address:

%1</source>
        <translation>Non è stato possibile avviare alcun programma per questo indirizzo:

%1</translation>
    </message>
    <message>
        <source>The Tavelin developers</source>
        <translation>Il team di Tavelin</translation>
    </message>
</context>
<context>
    <name>tavelin::PeerConnection</name>
    <message>
        <source>The other side sent nothing in time.</source>
        <translation>L&apos;altra parte non ha inviato nulla in tempo.</translation>
    </message>
    <message>
        <source>The other side is already playing, or closed the connection before greeting.</source>
        <translation>L&apos;avversario sta già giocando o ha chiuso la connessione prima di salutare.</translation>
    </message>
</context>
<context>
    <name>tavelin::TcpSocketControl</name>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>Il tentativo di connessione è scaduto.</translation>
    </message>
</context>
</TS>
