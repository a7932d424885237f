<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Game</name>
    <message>
        <location filename="../ui/snaketable.cpp" line="+275"/>
        <source>PAUSE</source>
        <extracomment>One command on the menu bar, named for what a click does now: stop the running game.</extracomment>
        <translation>PAUSA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RESUME</source>
        <extracomment>One command on the menu bar, named for what a click does now: go on with the paused game.</extracomment>
        <translation>RIPRENDI</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <location filename="../ui/input/keymap.cpp" line="+35"/>
        <source>pause or resume</source>
        <extracomment>Key list: what P and Pause do, a command: stop or restart the game.</extracomment>
        <translation>metti in pausa o riprendi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>new game</source>
        <extracomment>Key list: what F2 does, a command: start a new game.</extracomment>
        <translation>nuova partita</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>help</source>
        <extracomment>Key list: what F1 does, a command: open the Help window.</extracomment>
        <translation>aiuto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>open the Options menu</source>
        <extracomment>Key list: what F10 does; Options is the menu of that name.</extracomment>
        <translation>apri il menu Opzioni</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>exit</source>
        <extracomment>Key list: what Ctrl+Q does, a command: end the program.</extracomment>
        <translation>esci</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>next speed step</source>
        <extracomment>Key list: what + does, a command: one bar faster on the speed indicator.</extracomment>
        <translation>velocità successiva</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>previous speed step</source>
        <extracomment>Key list: what - does, a command: one bar slower on the speed indicator.</extracomment>
        <translation>velocità precedente</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>dismiss the picture at the end of a level or a game</source>
        <extracomment>Key list: what Enter, Space and Esc do, a command.</extracomment>
        <translation>chiudi l’immagine di fine livello o di fine partita</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>full screen on or off; Esc also leaves it</source>
        <extracomment>Key list: what F11 does, a command: the window fills the screen, or goes back; Esc also goes back.</extracomment>
        <translation>attiva o disattiva lo schermo intero; anche Esc lo chiude</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Enter</source>
        <extracomment>The Enter key (Return and Enter alike), as keyboards in your language label it.</extracomment>
        <translation>Invio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Space</source>
        <extracomment>The space bar, as a key&apos;s name.</extracomment>
        <translation>Spazio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Esc</source>
        <extracomment>The Escape key, as keyboards in your language label it.</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause</source>
        <comment>key</comment>
        <extracomment>The Pause key, as keyboards in your language label it.</extracomment>
        <translation>Pausa</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Player %1 steers with the arrow keys</source>
        <extracomment>Key list. %1: the player&apos;s number, 1.</extracomment>
        <translation>Il giocatore %1 guida il serpente con i tasti freccia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1 steers with the keys %2</source>
        <extracomment>Key list. %1: the player&apos;s number, 2; %2: a list of letter keys, such as &quot;W, A, S and D&quot;.</extracomment>
        <translation>Il giocatore %1 guida il serpente con i tasti %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Ctrl+%1</source>
        <extracomment>A key pressed with the Control key held, Control named as keyboards in your language label it (&quot;Strg+Q&quot;). %1: the other key.</extracomment>
        <translation>Ctrl+%1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1: %2</source>
        <extracomment>Key list: one line. %1: a key or a list of keys; %2: what they do, such as &quot;new game&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Keys:</source>
        <extracomment>Key list: its heading.</extracomment>
        <translation>Tasti:</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <location filename="../ui/input/pads.cpp" line="+54"/>
        <source>no game controllers: %1</source>
        <extracomment>Printed at start-up when no pad can be used, after the name of the game&apos;s log. %1: the system&apos;s reason, in English.</extracomment>
        <translation>nessun controller di gioco: %1</translation>
    </message>
</context>
<context>
    <name>PictureBook</name>
    <message>
        <location filename="../ui/picturebook.cpp" line="+72"/>
        <source>LEVEL</source>
        <extracomment>Painted in capitals above the speed indicator, on a picture of vines; keep it short.</extracomment>
        <translation>VELOCITÀ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SCORE</source>
        <extracomment>Painted in capitals above the scores, on a picture of vines; keep it short.</extracomment>
        <translation>PUNTEGGIO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player 1</source>
        <extracomment>Painted above player 1&apos;s score and keys, in large italic letters.</extracomment>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player 2</source>
        <extracomment>Painted above player 2&apos;s score and keys, in large italic letters.</extracomment>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the</source>
        <extracomment>Painted in red script before the game&apos;s name on Help&apos;s banner (&quot;the OUROBOARD&quot;).</extracomment>
        <translation>il</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by the Ouroboard team</source>
        <extracomment>Painted in small italics under the game&apos;s name on Help&apos;s banner.</extracomment>
        <translation>dal team di Ouroboard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LEVEL COMPLETED</source>
        <extracomment>Painted in capitals at the top of the picture shown when a campaign level is passed.</extracomment>
        <translation>LIVELLO COMPLETATO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Proceed To The Next Level</source>
        <extracomment>Painted in gold blackletter at the bottom of the picture shown when a campaign level is passed.</extracomment>
        <translation>Passa al livello successivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>BRAVO!</source>
        <extracomment>Painted large and tilted at the top of the picture shown when the whole campaign is won.</extracomment>
        <translation>BRAVO!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have conquered every level</source>
        <extracomment>First of two lines in the middle of the picture shown when the whole campaign is won.</extracomment>
        <translation>Hai conquistato ogni livello</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>and won the whole campaign!</source>
        <extracomment>Second of two lines in the middle of the picture shown when the whole campaign is won.</extracomment>
        <translation>e vinto l’intera campagna!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CONGRATS</source>
        <extracomment>Painted in rainbow capitals at the bottom of the picture shown when the whole campaign is won.</extracomment>
        <translation>COMPLIMENTI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Well Done</source>
        <extracomment>Painted large at the top of the picture shown when the classic mode is won.</extracomment>
        <translation>Ben fatto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You Have Completed</source>
        <extracomment>First of two lines in the middle of the picture shown when the classic mode is won.</extracomment>
        <translation>Hai completato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Classic Mode.</source>
        <extracomment>Second of two lines in the middle of the picture shown when the classic mode is won.</extracomment>
        <translation>la modalità classica.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Try the Campaign Mode</source>
        <extracomment>Painted at the bottom of the picture shown when the classic mode is won.</extracomment>
        <translation>Prova la modalità campagna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oh! I feel pity</source>
        <extracomment>Painted in red script at the top of the game-over picture.</extracomment>
        <translation>Oh! Che peccato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GAME OVER</source>
        <extracomment>Painted in large capitals, in perspective, in the middle of the game-over picture.</extracomment>
        <translation>FINE PARTITA</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Try Again</source>
        <extracomment>Painted in green under &quot;GAME OVER&quot; on the game-over picture.</extracomment>
        <translation>Riprova</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>there&apos;s always a next chance.</source>
        <extracomment>Painted at the bottom of the game-over picture, after &quot;Try Again&quot;.</extracomment>
        <translation>c’è sempre una prossima occasione.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../ui/main.cpp" line="+79"/>
        <source>ouroboard: no display could be opened: %1</source>
        <extracomment>Printed when the game cannot start. %1: the windowing system&apos;s reasons, in English.</extracomment>
        <translation>ouroboard: impossibile aprire il display: %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>ouroboard: no display found; run it from a graphical desktop session</source>
        <translation>ouroboard: nessun display trovato; avvia il gioco da una sessione desktop grafica</translation>
    </message>
</context>
<context>
    <name>ouroboard::Board</name>
    <message>
        <location filename="../ui/board.cpp" line="+18"/>
        <source>Board</source>
        <extracomment>Spoken name of the board the snakes move on.</extracomment>
        <translation>Campo di gioco</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>The playing field, %n by %n cells</source>
        <extracomment>Spoken description of the board. %n: the cells along each side (30), so the same number twice.</extracomment>
        <translation>
            <numerusform>Il campo di gioco, %n per %n casella</numerusform>
            <numerusform>Il campo di gioco, %n per %n caselle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ouroboard::ChoiceRow</name>
    <message>
        <location filename="../ui/choicerow.cpp" line="+52"/>
        <source>%1, picture %2 of %3</source>
        <extracomment>A picture in a row of Settings, for a screen reader: %1 the row&apos;s name (a snake or the obstacle), %2 the picture&apos;s place in the row, %3 how many pictures the row has</extracomment>
        <translation>%1, immagine %2 di %3</translation>
    </message>
</context>
<context>
    <name>ouroboard::EndScreen</name>
    <message>
        <location filename="../ui/endscreen.cpp" line="+42"/>
        <source>Level completed</source>
        <extracomment>A campaign level (of seven) has been passed.</extracomment>
        <translation>Livello completato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proceed to the next level.</source>
        <translation>Passa al livello successivo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bravo! You have won the whole campaign</source>
        <translation>Bravo! Hai vinto l’intera campagna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have conquered every level. Congratulations!</source>
        <translation>Hai conquistato tutti i livelli. Complimenti!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Well done! You have completed the classic mode</source>
        <translation>Ben fatto! Hai completato la modalità classica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Try the campaign mode.</source>
        <translation>Prova la modalità campagna.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game over</source>
        <extracomment>Heading spoken on the picture shown when a snake has crashed.</extracomment>
        <translation>Fine partita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Try again: there is always a next chance.</source>
        <translation>Riprova: c’è sempre una prossima occasione.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press %1 or click to continue.</source>
        <extracomment>Spoken on the picture at the end of a level or a game. %1: a key&apos;s name, such as &quot;Enter&quot;.</extracomment>
        <translation>Premi %1 o fai clic per continuare.</translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message>
        <location filename="../ui/hlpfrm.cpp" line="+25"/>
        <source>Game controllers: the first pad plugged in steers player 1 and the second player 2. The D-pad or the left stick turns the snake, Start pauses and resumes the game, and A or Start dismisses the picture at the end of a level or a game.</source>
        <translation>Controller: il primo controller collegato comanda il giocatore 1, il secondo il giocatore 2. La croce direzionale o lo stick sinistro fanno girare il serpente, Start mette in pausa e riprende la partita, mentre A o Start chiudono l’immagine di fine livello o di fine partita.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and anyone may distribute it freely. If you make changes to it, please make them known.</source>
        <translation>Ouroboard si ispira a SNAKE, il classico del genere. È freeware e chiunque può distribuirlo liberamente. Se lo modifichi, ti chiediamo di rendere note le modifiche.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>In Campaign mode you can advance through various levels. The game goes on becoming difficult as the game advances. It too, can also be played in various speeds and scoring increases accordingly.</source>
        <translation>In modalità campagna avanzi attraverso vari livelli, e il gioco diventa sempre più difficile man mano che procedi. Anche questa modalità si può giocare a diverse velocità, e il punteggio cresce di conseguenza.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game supports two player game. Two player mode also contains both classical and campaign modes. But care should be taken that if one player is out, the game is over for both the players.</source>
        <translation>Il gioco prevede anche partite a due giocatori. Anche la modalità a due giocatori comprende sia la modalità classica sia la campagna. Attenzione però: se uno dei giocatori viene eliminato, la partita finisce per entrambi.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>The game has two modes : classical and campaign modes.</source>
        <translation>Il gioco ha due modalità: classica e campagna.</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Against the Computer, in the Players menu, starts a two-player game whose player 2 the computer steers: it sees the board as you do and turns by the same rules. Meanwhile %1 and the second pad do nothing. Computer Skill, in the Options menu, sets how well it plays, from the next move on.</source>
        <extracomment>Help, after the key list. &quot;Against the Computer&quot;, &quot;Players&quot;, &quot;Computer Skill&quot; and &quot;Options&quot; are the menu items of those names; %1: player 2&apos;s keys, such as &quot;W, A, S and D&quot;.</extracomment>
        <translation>«Contro il computer», nel menu Giocatori, avvia una partita a due in cui il computer comanda il giocatore 2: vede il campo come te e gira con le stesse regole. Intanto %1 e il secondo controller non fanno nulla. «Abilità del computer», nel menu Opzioni, stabilisce quanto bene gioca, a partire dalla mossa successiva.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>In classical mode, you can go on playing the game. It can be played in different speeds by using the speed indicator. Higher the speed, higher will be the score.</source>
        <translation>In modalità classica giochi di continuo, senza cambiare livello. Puoi scegliere tra diverse velocità con l’indicatore di velocità: più alta è la velocità, più alto è il punteggio.</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %n food.</source>
        <extracomment>%n: the food a player eats to end a classic game (100).</extracomment>
        <translation>
            <numerusform>In modalità classica puoi giocare finché il giocatore (con 2 giocatori, uno dei due) non ha mangiato %n boccone.</numerusform>
            <numerusform>In modalità classica puoi giocare finché il giocatore (con 2 giocatori, uno dei due) non ha mangiato %n bocconi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>In the Campaign mode, you can progress through the levels by taking %n food.</source>
        <extracomment>%n: the food a player eats to pass a campaign level (25).</extracomment>
        <translation>
            <numerusform>In modalità campagna passi al livello successivo mangiando %n boccone.</numerusform>
            <numerusform>In modalità campagna passi al livello successivo mangiando %n bocconi.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>If the snakes of two players collides nothing happens.</source>
        <translation>Se i serpenti dei due giocatori si scontrano, non succede nulla.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Help</source>
        <extracomment>Title of the Help window.</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>HELP</source>
        <extracomment>Heading above the help text, in capitals.</extracomment>
        <translation>AIUTO</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CONTROLS</source>
        <extracomment>Heading above the pictures of the players&apos; keys, in capitals.</extracomment>
        <translation>COMANDI</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Help text</source>
        <translation>Testo dell’aiuto</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Scroll the help text</source>
        <extracomment>For a screen reader: the scroll bar of Help&apos;s text</extracomment>
        <translation>Scorri il testo dell’aiuto</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ouroboard, by the Ouroboard team</source>
        <translation>Ouroboard, del team di Ouroboard</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Keys of player %1</source>
        <extracomment>Spoken name of a picture of a player&apos;s keys. %1: the player&apos;s number, 1 or 2.</extracomment>
        <translation>Tasti del giocatore %1</translation>
    </message>
</context>
<context>
    <name>ouroboard::Settings</name>
    <message>
        <location filename="../ui/settings.cpp" line="+43"/>
        <source>SETTINGS</source>
        <extracomment>Title of the window that chooses the pictures, in capitals.</extracomment>
        <translation>IMPOSTAZIONI</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Select The Snake For Player One</source>
        <translation>Scegli il serpente del giocatore 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select The Snake For Player Two</source>
        <translation>Scegli il serpente del giocatore 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select The Obstacle Image By Clicking On It</source>
        <translation>Scegli l’ostacolo facendo clic sulla sua immagine</translation>
    </message>
    <message>
        <location line="+35"/>
        <location line="+2"/>
        <source>OK</source>
        <extracomment>The button that applies the chosen pictures.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>Choose the pictures of the snakes and of the obstacles</source>
        <translation>Scegli le immagini dei serpenti e degli ostacoli</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Player 1 snake</source>
        <translation>Serpente del giocatore 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player 2 snake</source>
        <translation>Serpente del giocatore 2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Obstacle</source>
        <extracomment>Spoken name of the row of obstacle pictures.</extracomment>
        <translation>Ostacolo</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1: chosen picture</source>
        <extracomment>Spoken name of a row&apos;s preview. %1: the row&apos;s name, such as &quot;Player 1 snake&quot;.</extracomment>
        <translation>%1: immagine scelta</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Applies the chosen pictures and starts a new game</source>
        <translation>Applica le immagini scelte e inizia una nuova partita</translation>
    </message>
</context>
<context>
    <name>ouroboard::SnakeTable</name>
    <message>
        <location filename="../ui/snaketable.cpp" line="-159"/>
        <source>Level</source>
        <comment>speed</comment>
        <extracomment>The heading above the speed bars: the speed level, not a campaign level.</extracomment>
        <translation>Livello di velocità</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Distributed by Ouroboard</source>
        <translation>Distribuito da Ouroboard</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Options</source>
        <extracomment>The game&apos;s only menu: new game, players, mode, settings, exit.</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Players</source>
        <extracomment>Submenu: one player or two, or one against the computer.</extracomment>
        <translation>Giocatori</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 Player</source>
        <translation>1 giocatore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 Player</source>
        <translation>2 giocatori</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Against the Computer</source>
        <extracomment>Players menu: a two-player game whose player 2 the computer steers</extracomment>
        <translation>Contro il computer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mode</source>
        <extracomment>Submenu: classic or campaign mode.</extracomment>
        <translation>Modalità</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classic</source>
        <extracomment>Mode menu: the classic mode, one open board until 100 food.</extracomment>
        <translation>Classica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Campaign</source>
        <extracomment>Mode menu: the campaign mode, seven levels with walls.</extracomment>
        <translation>Campagna</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings</source>
        <extracomment>Menu command: opens the window that chooses the snakes&apos; and obstacles&apos; pictures.</extracomment>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <extracomment>Menu command: ends the program.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>Menu command on the menu bar: opens the Help window.</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Computer Skill</source>
        <extracomment>Submenu: how well the computer plays when it steers player 2.</extracomment>
        <translation>Abilità del computer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Easy</source>
        <extracomment>Computer Skill menu: the computer plays weakest</extracomment>
        <translation>Facile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Normal</source>
        <extracomment>Computer Skill menu: the computer plays fairly well; the skill at start</extracomment>
        <translation>Normale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hard</source>
        <extracomment>Computer Skill menu: the computer plays its best</extracomment>
        <translation>Difficile</translation>
    </message>
    <message>
        <location line="+114"/>
        <source>Ouroboard — Level %1</source>
        <comment>campaign</comment>
        <extracomment>Window title in campaign mode. %1: the campaign level, 1 to 7.</extracomment>
        <translation>Ouroboard — Livello %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ouroboard</source>
        <extracomment>Window title: the game&apos;s name.</extracomment>
        <translation>Ouroboard</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Computer score: %1</source>
        <extracomment>Spoken for player 2&apos;s score while the computer steers player 2. %1: the points, such as 00001200.</extracomment>
        <translation>Punteggio del computer: %1</translation>
    </message>
    <message>
        <location line="-235"/>
        <source>A snake game. Press %1 for help.</source>
        <extracomment>Spoken for the main window. %1: a key&apos;s name, such as &quot;F1&quot;.</extracomment>
        <translation>Un gioco del serpente. Premi %1 per aprire l’aiuto.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Board, speed and scores</source>
        <translation>Campo di gioco, velocità e punteggi</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The speed: the bars below set it</source>
        <translation>La velocità: la impostano le barre qui sotto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score</source>
        <extracomment>The heading above the players&apos; scores (points).</extracomment>
        <translation>Punteggio</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Player %1</source>
        <extracomment>The heading above a player&apos;s score. %1: the player&apos;s number, 1 or 2.</extracomment>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Game menu</source>
        <translation>Menu del gioco</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>Player %1 score: %2</source>
        <extracomment>Spoken for a score. %1: the player&apos;s number, 1 or 2; %2: the points, such as 00001200.</extracomment>
        <translation>Punteggio del giocatore %1: %2</translation>
    </message>
</context>
<context>
    <name>ouroboard::SpeedBar</name>
    <message>
        <location filename="../ui/speedbar.cpp" line="+11"/>
        <source>Speed %1 of %2</source>
        <extracomment>Spoken name of a bar of the speed indicator. %1: its place from the slowest, 1 to 7; %2: the number of bars, 7.</extracomment>
        <translation>Velocità %1 di %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click to start a new game at this speed</source>
        <translation>Fai clic per iniziare una nuova partita a questa velocità</translation>
    </message>
</context>
</TS>
