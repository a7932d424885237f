<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Game</name>
    <message>
        <source>PAUSE</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>RIPRENDI</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>pause or resume</source>
        <translation>metti in pausa o riprendi</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nuova partita</translation>
    </message>
    <message>
        <source>help</source>
        <translation>guida</translation>
    </message>
    <message>
        <source>open the Options menu</source>
        <translation>apri il menu Opzioni</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>esci</translation>
    </message>
    <message>
        <source>next speed step</source>
        <translation>velocità successiva</translation>
    </message>
    <message>
        <source>previous speed step</source>
        <translation>velocità precedente</translation>
    </message>
    <message>
        <source>dismiss the picture at the end of a level or a game</source>
        <translation>chiudi l&apos;immagine di fine livello o di fine partita</translation>
    </message>
    <message>
        <source>Player %1 steers with %2</source>
        <translation>Il giocatore %1 guida il serpente con %2</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Tasti:</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>ouroboard: no game controllers: %1</source>
        <translation>ouroboard: nessun controller di gioco: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>ouroboard: no display could be opened: %1</source>
        <translation>ouroboard: impossibile aprire il display: %1</translation>
    </message>
    <message>
        <source>ouroboard: no display found; run it from a graphical desktop session</source>
        <translation>ouroboard: nessun display trovato; avvia il gioco da una sessione desktop grafica</translation>
    </message>
</context>
<context>
    <name>ouroboard::Board</name>
    <message>
        <source>Board</source>
        <translation>Campo di gioco</translation>
    </message>
    <message>
        <source>The playing field, %1 by %2 cells</source>
        <translation>Il campo di gioco, %1 × %2 caselle</translation>
    </message>
</context>
<context>
    <name>ouroboard::ChoiceRow</name>
    <message>
        <source>%1, picture %2 of %3</source>
        <extracomment>A picture in a row of Settings, for a screen reader: %1 the row&apos;s name (a snake or the obstacle), %2 the picture&apos;s place in the row, %3 how many pictures the row has</extracomment>
        <translation>%1, immagine %2 di %3</translation>
    </message>
</context>
<context>
    <name>ouroboard::EndScreen</name>
    <message>
        <source>Level completed</source>
        <translation>Livello completato</translation>
    </message>
    <message>
        <source>Proceed to the next level.</source>
        <translation>Passa al livello successivo.</translation>
    </message>
    <message>
        <source>Bravo! You have won the whole campaign</source>
        <translation>Bravo! Hai vinto l’intera campagna</translation>
    </message>
    <message>
        <source>You have conquered every level. Congratulations!</source>
        <translation>Hai conquistato tutti i livelli. Complimenti!</translation>
    </message>
    <message>
        <source>Well done! You have completed the classic mode</source>
        <translation>Ben fatto! Hai completato la modalità classica</translation>
    </message>
    <message>
        <source>Try the campaign mode.</source>
        <translation>Prova la modalità campagna.</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Try again: there is always a next chance.</source>
        <translation>Riprova: c’è sempre una prossima occasione.</translation>
    </message>
    <message>
        <source>Press %1 or click to continue.</source>
        <translation>Premi %1 o fai clic per continuare.</translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message>
        <source>Game controllers: the first pad plugged in steers player 1 and the second player 2. The D-pad or the left stick turns the snake, Start pauses and resumes the game, and A or Start dismisses the picture at the end of a level or a game.</source>
        <translation>Controller: il primo controller collegato comanda il giocatore 1, il secondo il giocatore 2. La croce direzionale o lo stick sinistro fanno girare il serpente, Start mette in pausa e riprende la partita, mentre A o Start chiudono l&apos;immagine di fine livello o di fine partita.</translation>
    </message>
    <message>
        <source>Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and anyone may distribute it freely. If you make changes to it, please make them known.</source>
        <translation>Ouroboard si ispira a SNAKE, il classico del genere. È freeware e chiunque può distribuirlo liberamente. Se lo modifichi, ti chiediamo di rendere note le modifiche.</translation>
    </message>
    <message>
        <source>The game has two modes : classical and campaign modes. </source>
        <translation>Il gioco ha due modalità: classica e campagna. </translation>
    </message>
    <message>
        <source>In classical mode, you can go on playing the game. It can be played in different speeds by using the speed indicator. Higher the speed, higher will be the score. </source>
        <translation>In modalità classica puoi giocare a oltranza. Puoi scegliere tra diverse velocità con l&apos;indicatore di velocità: più alta è la velocità, più alto è il punteggio. </translation>
    </message>
    <message>
        <source>In Campaign mode you can advance through various levels. The game goes on becoming difficult as the game advances. It too, can also be played in various speeds and scoring increases accordingly.</source>
        <translation>In modalità campagna avanzi attraverso vari livelli, e il gioco diventa sempre più difficile man mano che procedi. Anche questa modalità si può giocare a diverse velocità, e il punteggio cresce di conseguenza.</translation>
    </message>
    <message>
        <source>The game supports two player game. Two player mode also contains both classical and campaign modes. But care should be taken that if one player is out, the game is over for both the players.</source>
        <translation>Il gioco prevede anche partite a due giocatori. Anche la modalità a due giocatori comprende sia la modalità classica sia la campagna. Attenzione però: se uno dei giocatori viene eliminato, la partita finisce per entrambi.</translation>
    </message>
    <message>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %1 food. In the Campaign mode, you can progress through the levels by taking %2 food.</source>
        <translation>In modalità classica puoi giocare finché il giocatore (con 2 giocatori, uno dei due) non raccoglie %1 pezzi di cibo. In modalità campagna passi al livello successivo raccogliendo %2 pezzi di cibo.</translation>
    </message>
    <message>
        <source>	If the snakes of two players collides nothing happens.</source>
        <translation>	Se i serpenti dei due giocatori si scontrano, non succede nulla.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>GUIDA</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>COMANDI</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Testo della guida</translation>
    </message>
    <message>
        <source>Ouroboard, by the Ouroboard team</source>
        <translation>Ouroboard, del team di Ouroboard</translation>
    </message>
    <message>
        <source>Keys of player %1</source>
        <translation>Tasti del giocatore %1</translation>
    </message>
    <message>
        <source>Scroll the help text</source>
        <extracomment>For a screen reader: the scroll bar of Help&apos;s text</extracomment>
        <translation>Scorri il testo della guida</translation>
    </message>
</context>
<context>
    <name>ouroboard::Settings</name>
    <message>
        <source>SETTINGS</source>
        <translation>IMPOSTAZIONI</translation>
    </message>
    <message>
        <source>Select The Snake For Player One</source>
        <translation>Scegli il serpente del giocatore 1</translation>
    </message>
    <message>
        <source>Select The Snake For Player Two</source>
        <translation>Scegli il serpente del giocatore 2</translation>
    </message>
    <message>
        <source>Select The Obstacle Image By Clicking On It</source>
        <translation>Scegli l&apos;ostacolo facendo clic sulla sua immagine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the pictures of the snakes and of the obstacles</source>
        <translation>Scegli le immagini dei serpenti e degli ostacoli</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Serpente del giocatore 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Serpente del giocatore 2</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Ostacolo</translation>
    </message>
    <message>
        <source>%1: chosen picture</source>
        <translation>%1: immagine scelta</translation>
    </message>
    <message>
        <source>Applies the chosen pictures and starts a new game</source>
        <translation>Applica le immagini scelte e inizia una nuova partita</translation>
    </message>
</context>
<context>
    <name>ouroboard::SnakeTable</name>
    <message>
        <source>Distributed by Ouroboard</source>
        <translation>Distribuito da Ouroboard</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 giocatore</translation>
    </message>
    <message>
        <source>2 Player</source>
        <translation>2 giocatori</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classica</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Campagna</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Ouroboard — Level %1</source>
        <translation>Ouroboard — Livello %1</translation>
    </message>
    <message>
        <source>Ouroboard</source>
        <translation>Ouroboard</translation>
    </message>
    <message>
        <source>A snake game. Press %1 for help.</source>
        <translation>Un gioco del serpente. Premi %1 per la guida.</translation>
    </message>
    <message>
        <source>Board, speed and scores</source>
        <translation>Campo di gioco, velocità e punteggi</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>The speed: the bars below set it</source>
        <translation>La velocità: la impostano le barre qui sotto</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu del gioco</translation>
    </message>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Punteggio del giocatore %1: %2</translation>
    </message>
</context>
<context>
    <name>ouroboard::SpeedBar</name>
    <message>
        <source>Speed %1 of %2</source>
        <translation>Velocità %1 di %2</translation>
    </message>
    <message>
        <source>Click to start a new game at this speed</source>
        <translation>Fai clic per iniziare una nuova partita a questa velocità</translation>
    </message>
</context>
</TS>
