<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Board</name>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Rangée %1</translation>
    </message>
    <message>
        <source>Red, column %1, row %2.</source>
        <translation>Rouge, colonne %1, rangée %2.</translation>
    </message>
    <message>
        <source>Blue, column %1, row %2.</source>
        <translation>Bleu, colonne %1, rangée %2.</translation>
    </message>
    <message>
        <source>Column %1 is full.</source>
        <translation>La colonne %1 est pleine.</translation>
    </message>
    <message>
        <source>Red to play.</source>
        <translation>Aux rouges de jouer.</translation>
    </message>
    <message>
        <source>Blue to play.</source>
        <translation>Aux bleus de jouer.</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <translation>vide</translation>
    </message>
    <message>
        <source>full</source>
        <comment>a column</comment>
        <translation>pleine</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n pion</numerusform>
            <numerusform>%n pions</numerusform>
        </translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Colonne %1, rangée %2&#xa0;: rouge</translation>
    </message>
    <message>
        <source>Column %1, row %2: blue</source>
        <translation>Colonne %1, rangée %2&#xa0;: bleu</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Colonne %1, rangée %2&#xa0;: vide</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Joins two sentences that are read out one after the other</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Four in a row: column %1, row %2 to column %3, row %4.</source>
        <translation>Quatre alignés&#xa0;: de la colonne %1, rangée %2, à la colonne %3, rangée %4.</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>La grille est pleine&#xa0;: match nul.</translation>
    </message>
    <message>
        <source>New game.</source>
        <translation>Nouvelle partie.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>TCP port for network games, to listen on and to connect to, with no fallback (default %1, or %2 where %1 is reserved).</source>
        <translation>Port TCP des parties en réseau, pour attendre et pour se connecter, sans port de repli (par défaut %1, ou %2 là où %1 est réservé).</translation>
    </message>
    <message>
        <source>N</source>
        <comment>the value of --port</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Four in a row against the computer, a friend at the same machine, or over the network.</source>
        <translation>Quatre en ligne contre l&apos;ordinateur, avec un ami sur la même machine ou en réseau.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 65535</source>
        <translation>--port attend un nombre de 1 à 65535</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Mode normal</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Un joueur</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Mode réseau</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <translation>Attendre une connexion</translation>
    </message>
    <message>
        <source>Connect to Opponent</source>
        <translation>Se connecter à l&apos;adversaire</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Se déconnecter</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tavelin::AddressPrompt</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>a game found on the network: %1 is the name of the computer it waits on, %2 its address</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>&amp;Games waiting on the network:</source>
        <translation>&amp;Parties en attente sur le réseau :</translation>
    </message>
    <message>
        <source>Games waiting on the network</source>
        <translation>Parties en attente sur le réseau</translation>
    </message>
    <message>
        <source>Games on the network cannot be searched for now.</source>
        <translation>Impossible de rechercher des parties sur le réseau pour le moment.</translation>
    </message>
</context>
<context>
    <name>tavelin::Form1</name>
    <message>
        <source>%1 Waiting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 en attente...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <extracomment>%1 is this computer&apos;s address, with its port where that is not the usual one</extracomment>
        <translation>Adresse IP %1</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Saisissez l&apos;adresse IP à laquelle se connecter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no address to connect to. Type an address such as 192.168.1.20, 192.168.1.20:1007 or [fe80::1]:1007.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse à laquelle se connecter. Saisissez une adresse comme 192.168.1.20, 192.168.1.20:1007 ou [fe80::1]:1007.</translation>
    </message>
    <message>
        <source>%1 Connecting...</source>
        <extracomment>%1 is this computer&apos;s name</extracomment>
        <translation>%1 se connecte...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <extracomment>%1 is this computer&apos;s name, %2 the other player&apos;s</extracomment>
        <translation>%1 connecté à %2</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Vous avez perdu</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2</source>
        <translation>Impossible d&apos;attendre une connexion sur le port %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot wait for a connection on port %1: %2

Ports below 1024 are reserved for the administrator on this computer. Start Tavelin with --port and a number of 1024 or more (for example: tavelin --port 10007); the other player connects to that port, typing the address as address:port.</source>
        <translation>Impossible d&apos;attendre une connexion sur le port %1&#xa0;: %2

Sur cet ordinateur, les ports inférieurs à 1024 sont réservés à l&apos;administrateur. Lancez Tavelin avec --port et un nombre supérieur ou égal à 1024 (par exemple&#xa0;: tavelin --port 10007)&#xa0;; l&apos;autre joueur se connecte à ce port en saisissant l&apos;adresse sous la forme adresse:port.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Impossible de se connecter à %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock ne répond pas</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock doit offrir au moins %1 socket</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Version des sockets %1.%2 trop ancienne</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Erreur Windows Sockets&#xa0;: %1</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows ne répond pas</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Vous avez gagné</translation>
    </message>
    <message>
        <source>Red Win</source>
        <translation>Les rouges gagnent</translation>
    </message>
    <message>
        <source>Blue Win</source>
        <translation>Les bleus gagnent</translation>
    </message>
</context>
<context>
    <name>tavelin::Form2</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tavelin</source>
        <translation>Tavelin</translation>
    </message>
    <message>
        <source>BY : %1</source>
        <translation>PAR&#xa0;: %1</translation>
    </message>
    <message>
        <source>E-MAIL : %1</source>
        <translation>E-MAIL&#xa0;: %1</translation>
    </message>
    <message>
        <source>URL : %1</source>
        <translation>SITE&#xa0;: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No program could be started for this address:

%1</source>
        <translation>Aucun programme n&apos;a pu être lancé pour cette adresse&#xa0;:

%1</translation>
    </message>
    <message>
        <source>The Tavelin developers</source>
        <translation>L&apos;équipe de Tavelin</translation>
    </message>
</context>
<context>
    <name>tavelin::PeerConnection</name>
    <message>
        <source>The other side sent nothing in time.</source>
        <translation>L&apos;autre côté n&apos;a rien envoyé à temps.</translation>
    </message>
    <message>
        <source>The other side is already playing, or closed the connection before greeting.</source>
        <translation>L&apos;adversaire joue déjà ou a fermé la connexion avant de se présenter.</translation>
    </message>
</context>
<context>
    <name>tavelin::TcpSocketControl</name>
    <message>
        <source>The connection attempt timed out.</source>
        <translation>La tentative de connexion a expiré.</translation>
    </message>
</context>
</TS>
