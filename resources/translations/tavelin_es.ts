<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Board</name>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Red, column %1, row %2.</source>
        <translation>Rojo, columna %1, fila %2.</translation>
    </message>
    <message>
        <source>Blue, column %1, row %2.</source>
        <translation>Azul, columna %1, fila %2.</translation>
    </message>
    <message>
        <source>Column %1 is full.</source>
        <translation>La columna %1 está llena.</translation>
    </message>
    <message>
        <source>Red to play.</source>
        <translation>Turno del rojo.</translation>
    </message>
    <message>
        <source>Blue to play.</source>
        <translation>Turno del azul.</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <translation>vacía</translation>
    </message>
    <message>
        <source>full</source>
        <comment>a column</comment>
        <translation>llena</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n ficha</numerusform>
            <numerusform>%n fichas</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Columna %1, fila %2: roja</translation>
    </message>
    <message>
        <source>Column %1, row %2: blue</source>
        <translation>Columna %1, fila %2: azul</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Columna %1, fila %2: vacía</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins two sentences that are read out one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Four in a row: column %1, row %2 to column %3, row %4.</source>
        <translation>Cuatro en raya: de la columna %1, fila %2, a la columna %3, fila %4.</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>El tablero está lleno: empate.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nueva partida.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>TCP port for network games, to listen on and to connect to, with no fallback (default %1, or %2 where %1 is reserved).</source>
        <translation>Puerto TCP para partidas en red, para esperar y para conectar, sin alternativa (por defecto %1, o %2 donde %1 está reservado).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --port</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Four in a row against the computer, a friend at the same machine, or over the network.</source>
        <translation>Cuatro en raya contra el ordenador, con un amigo en el mismo equipo o en red.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535</source>
        <translation>--port requiere un número del 1 al 65535</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modo normal</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Un jugador</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Modo en red</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <translation>Esperar una conexión</translation>
    </message>
    <message>
        <source>Connect to Opponent</source>
        <translation>Conectar con el rival</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tavelin::AddressPrompt</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>a game found on the network: %1 is the name of the computer it waits on, %2 its address</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>&amp;Games waiting on the network:</source>
        <translation>&amp;Partidas esperando en la red:</translation>
    </message>
    <message>
        <source>Games waiting on the network</source>
        <translation>Partidas esperando en la red</translation>
    </message>
    <message>
        <source>Games on the network cannot be searched for now.</source>
        <translation>Ahora no se pueden buscar partidas en la red.</translation>
    </message>
</context>
<context>
    <name>tavelin::Form1</name>
    <message>
        <source>%1 Waiting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 esperando...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <extracomment>%1 is this computer&apos;s address, with its port where that is not the usual one</extracomment>
        <translation>Dirección IP %1</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Introduce la dirección IP a la que conectar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address to connect to. Type an address such as 192.168.1.20, 192.168.1.20:1007 or [fe80::1]:1007.</source>
        <translation>«%1» no es una dirección a la que conectar. Escribe una dirección como 192.168.1.20, 192.168.1.20:1007 o [fe80::1]:1007.</translation>
    </message>
    <message>
        <source>%1 Connecting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 conectando...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <extracomment>%1 is this computer&apos;s name, %2 the other player&apos;s</extracomment>
        <translation>%1 conectado con %2</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Has perdido</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2</source>
        <translation>No se puede esperar una conexión en el puerto %1: %2</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2

Ports below 1024 are reserved for the administrator on this computer. Start Tavelin with --port and a number of 1024 or more (for example: tavelin --port 10007); the other player connects to that port, typing the address as address:port.</source>
        <translation>No se puede esperar una conexión en el puerto %1: %2

En este equipo, los puertos por debajo de 1024 están reservados al administrador. Inicia Tavelin con --port y un número de 1024 o superior (por ejemplo: tavelin --port 10007); el otro jugador se conecta a ese puerto escribiendo la dirección como dirección:puerto.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>No se puede conectar con %1: %2</translation>
    </message>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock no responde</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock debe ofrecer al menos %1 socket</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>La versión de sockets %1.%2 es demasiado antigua</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Error de Windows Sockets: %1</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows no responde</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Has ganado</translation>
    </message>
    <message>
        <source>Red Win</source>
        <translation>Gana el rojo</translation>
    </message>
    <message>
        <source>Blue Win</source>
        <translation>Gana el azul</translation>
    </message>
</context>
<context>
    <name>tavelin::Form2</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>BY : %1</source>
        <translation>POR: %1</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No program could be started for this address:

%1</source>
        <translation>No se pudo abrir ningún programa para esta dirección:

%1</translation>
    </message>
    <message>
        <source>The Tavelin developers</source>
        <translation>El equipo de Tavelin</translation>
    </message>
</context>
<context>
    <name>tavelin::PeerConnection</name>
    <message>
        <source>The other side sent nothing in time.</source>
        <translation>La otra parte no ha enviado nada a tiempo.</translation>
    </message>
    <message>
        <source>The other side is already playing, or closed the connection before greeting.</source>
        <translation>El rival ya está jugando o cerró la conexión antes de saludar.</translation>
    </message>
</context>
<context>
    <name>tavelin::TcpSocketControl</name>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>Se ha agotado el tiempo de espera del intento de conexión.</translation>
    </message>
</context>
</TS>
