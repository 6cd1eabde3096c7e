<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>Red, column %1, row %2.</source>
        <translation>Vermelho, coluna %1, linha %2.</translation>
    </message>
    <message>
        <source>Blue, column %1, row %2.</source>
        <translation>Azul, coluna %1, linha %2.</translation>
    </message>
    <message>
        <source>Column %1 is full.</source>
        <translation>A coluna %1 está cheia.</translation>
    </message>
    <message>
        <source>Red to play.</source>
        <translation>Vez do vermelho.</translation>
    </message>
    <message>
        <source>Blue to play.</source>
        <translation>Vez do azul.</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <translation>vazia</translation>
    </message>
    <message>
        <source>full</source>
        <comment>a column</comment>
        <translation>cheia</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n peça</numerusform>
            <numerusform>%n peças</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Coluna %1, linha %2: vermelha</translation>
    </message>
    <message>
        <source>Column %1, row %2: blue</source>
        <translation>Coluna %1, linha %2: azul</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Coluna %1, linha %2: vazia</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins two sentences that are read out one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Four in a row: column %1, row %2 to column %3, row %4.</source>
        <translation>Quatro alinhadas: da coluna %1, linha %2, à coluna %3, linha %4.</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>O tabuleiro está cheio: empate.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Novo jogo.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>TCP port for network games, to listen on and to connect to, with no fallback (default %1, or %2 where %1 is reserved).</source>
        <translation>Porta TCP para jogos em rede, para aguardar e para conectar, sem alternativa (padrão %1, ou %2 onde %1 é reservada).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --port</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Four in a row against the computer, a friend at the same machine, or over the network.</source>
        <translation>Quatro em linha contra o computador, com um amigo no mesmo computador ou pela rede.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535</source>
        <translation>--port requer um número de 1 a 65535</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modo normal</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Um jogador</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Dois jogadores</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Modo em rede</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <translation>Aguardar conexão</translation>
    </message>
    <message>
        <source>Connect to Opponent</source>
        <translation>Conectar ao adversário</translation>
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
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>&amp;Games waiting on the network:</source>
        <translation>&amp;Jogos esperando na rede:</translation>
    </message>
    <message>
        <source>Games waiting on the network</source>
        <translation>Jogos esperando na rede</translation>
    </message>
    <message>
        <source>Games on the network cannot be searched for now.</source>
        <translation>No momento não é possível procurar jogos na rede.</translation>
    </message>
</context>
<context>
    <name>tavelin::Form1</name>
    <message>
        <source>%1 Waiting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 aguardando...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <extracomment>%1 is this computer&apos;s address, with its port where that is not the usual one</extracomment>
        <translation>Endereço IP %1</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Digite o endereço IP para conectar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address to connect to. Type an address such as 192.168.1.20, 192.168.1.20:1007 or [fe80::1]:1007.</source>
        <translation>“%1” não é um endereço para conectar. Digite um endereço como 192.168.1.20, 192.168.1.20:1007 ou [fe80::1]:1007.</translation>
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
        <translation>%1 conectado a %2</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Você perdeu</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2</source>
        <translation>Não é possível aguardar uma conexão na porta %1: %2</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2

Ports below 1024 are reserved for the administrator on this computer. Start Tavelin with --port and a number of 1024 or more (for example: tavelin --port 10007); the other player connects to that port, typing the address as address:port.</source>
        <translation>Não é possível aguardar uma conexão na porta %1: %2

Neste computador, as portas abaixo de 1024 são reservadas ao administrador. Inicie o Tavelin com --port e um número de 1024 ou mais (por exemplo: tavelin --port 10007); o outro jogador se conecta a essa porta digitando o endereço como endereço:porta.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Não é possível conectar a %1: %2</translation>
    </message>
    <message>
        <source>Winsock Not Responting</source>
        <translation>O Winsock não responde</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>O Winsock precisa oferecer pelo menos %1 socket</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Versão de sockets %1.%2 muito antiga</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Erro do Windows Sockets: %1</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>O Windows não responde</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Você venceu</translation>
    </message>
    <message>
        <source>Red Win</source>
        <translation>Vermelho vence</translation>
    </message>
    <message>
        <source>Blue Win</source>
        <translation>Azul vence</translation>
    </message>
</context>
<context>
    <name>tavelin::Form2</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>SITE: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No program could be started for this address:

%1</source>
        <translation>Nenhum programa pôde ser aberto para este endereço:

%1</translation>
    </message>
    <message>
        <source>The Tavelin developers</source>
        <translation>A equipe do Tavelin</translation>
    </message>
</context>
<context>
    <name>tavelin::PeerConnection</name>
    <message>
        <source>The other side sent nothing in time.</source>
        <translation>O outro lado não enviou nada a tempo.</translation>
    </message>
    <message>
        <source>The other side is already playing, or closed the connection before greeting.</source>
        <translation>O adversário já está jogando ou fechou a conexão antes de se apresentar.</translation>
    </message>
</context>
<context>
    <name>tavelin::TcpSocketControl</name>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>A tentativa de conexão expirou.</translation>
    </message>
</context>
</TS>
