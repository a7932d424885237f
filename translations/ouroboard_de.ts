<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Game</name>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>WEITER</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>pause or resume</source>
        <translation>pausieren oder fortsetzen</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>neues Spiel</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>open the Options menu</source>
        <translation>Menü „Optionen“ öffnen</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>beenden</translation>
    </message>
    <message>
        <source>next speed step</source>
        <translation>eine Geschwindigkeitsstufe schneller</translation>
    </message>
    <message>
        <source>previous speed step</source>
        <translation>eine Geschwindigkeitsstufe langsamer</translation>
    </message>
    <message>
        <source>dismiss the picture at the end of a level or a game</source>
        <translation>Bild am Ende eines Levels oder Spiels schließen</translation>
    </message>
    <message>
        <source>Player %1 steers with %2</source>
        <translation>Spieler %1 lenkt mit %2</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Tasten:</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>ouroboard: no game controllers: %1</source>
        <translation>ouroboard: keine Gamepads verfügbar: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>ouroboard: no display could be opened: %1</source>
        <translation>ouroboard: Es konnte keine Anzeige geöffnet werden: %1</translation>
    </message>
    <message>
        <source>ouroboard: no display found; run it from a graphical desktop session</source>
        <translation>ouroboard: keine Anzeige gefunden; bitte aus einer grafischen Desktop-Sitzung starten</translation>
    </message>
</context>
<context>
    <name>ouroboard::Board</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>The playing field, %1 by %2 cells</source>
        <translation>Das Spielfeld, %1 × %2 Felder</translation>
    </message>
</context>
<context>
    <name>ouroboard::ChoiceRow</name>
    <message>
        <source>%1, picture %2 of %3</source>
        <extracomment>A picture in a row of Settings, for a screen reader: %1 the row&apos;s name (a snake or the obstacle), %2 the picture&apos;s place in the row, %3 how many pictures the row has</extracomment>
        <translation>%1, Bild %2 von %3</translation>
    </message>
</context>
<context>
    <name>ouroboard::EndScreen</name>
    <message>
        <source>Level completed</source>
        <translation>Level geschafft</translation>
    </message>
    <message>
        <source>Proceed to the next level.</source>
        <translation>Weiter zum nächsten Level.</translation>
    </message>
    <message>
        <source>Bravo! You have won the whole campaign</source>
        <translation>Bravo! Du hast die ganze Kampagne gewonnen</translation>
    </message>
    <message>
        <source>You have conquered every level. Congratulations!</source>
        <translation>Du hast jedes Level gemeistert. Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Well done! You have completed the classic mode</source>
        <translation>Gut gemacht! Du hast den klassischen Modus geschafft</translation>
    </message>
    <message>
        <source>Try the campaign mode.</source>
        <translation>Probier den Kampagnenmodus aus.</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Try again: there is always a next chance.</source>
        <translation>Versuch es noch einmal: Es gibt immer eine nächste Chance.</translation>
    </message>
    <message>
        <source>Press %1 or click to continue.</source>
        <translation>Drück %1 oder klick, um weiterzuspielen.</translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message>
        <source>Game controllers: the first pad plugged in steers player 1 and the second player 2. The D-pad or the left stick turns the snake, Start pauses and resumes the game, and A or Start dismisses the picture at the end of a level or a game.</source>
        <translation>Gamepads: Das zuerst angeschlossene Gamepad steuert Spieler 1, das zweite Spieler 2. Mit dem Steuerkreuz oder dem linken Stick lenkst du die Schlange, Start pausiert das Spiel und setzt es fort, und A oder Start schließt das Bild am Ende eines Levels oder Spiels.</translation>
    </message>
    <message>
        <source>Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and anyone may distribute it freely. If you make changes to it, please make them known.</source>
        <translation>Ouroboard ist von SNAKE inspiriert, dem Klassiker seines Genres. Es ist Freeware und darf von allen frei weitergegeben werden. Wenn du Änderungen daran vornimmst, mach sie bitte bekannt.</translation>
    </message>
    <message>
        <source>The game has two modes : classical and campaign modes. </source>
        <translation>Das Spiel hat zwei Modi: den klassischen Modus und den Kampagnenmodus.</translation>
    </message>
    <message>
        <source>In classical mode, you can go on playing the game. It can be played in different speeds by using the speed indicator. Higher the speed, higher will be the score. </source>
        <translation>Im klassischen Modus spielst du ohne Levelwechsel einfach weiter. Mit der Geschwindigkeitsanzeige kannst du in verschiedenen Geschwindigkeiten spielen. Je höher die Geschwindigkeit, desto höher die Punktzahl.</translation>
    </message>
    <message>
        <source>In Campaign mode you can advance through various levels. The game goes on becoming difficult as the game advances. It too, can also be played in various speeds and scoring increases accordingly.</source>
        <translation>Im Kampagnenmodus spielst du dich durch mehrere Level. Je weiter du kommst, desto schwieriger wird das Spiel. Auch dieser Modus lässt sich in verschiedenen Geschwindigkeiten spielen, und die Punktzahl steigt entsprechend.</translation>
    </message>
    <message>
        <source>The game supports two player game. Two player mode also contains both classical and campaign modes. But care should be taken that if one player is out, the game is over for both the players.</source>
        <translation>Das Spiel lässt sich auch zu zweit spielen. Auch im Zweispielermodus gibt es den klassischen Modus und den Kampagnenmodus. Aber Vorsicht: Scheidet ein Spieler aus, ist das Spiel für beide vorbei.</translation>
    </message>
    <message>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %1 food. In the Campaign mode, you can progress through the levels by taking %2 food.</source>
        <translation>Im klassischen Modus geht das Spiel weiter, bis der Spieler (bei zwei Spielern einer der beiden) %1 Futterstücke gefressen hat. Im Kampagnenmodus erreichst du das nächste Level, sobald du %2 Futterstücke gefressen hast.</translation>
    </message>
    <message>
        <source>	If the snakes of two players collides nothing happens.</source>
        <translation>	Wenn die Schlangen der beiden Spieler zusammenstoßen, passiert nichts.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>STEUERUNG</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Ouroboard, by the Ouroboard team</source>
        <translation>Ouroboard, vom Ouroboard-Team</translation>
    </message>
    <message>
        <source>Keys of player %1</source>
        <translation>Tasten von Spieler %1</translation>
    </message>
    <message>
        <source>Scroll the help text</source>
        <extracomment>For a screen reader: the scroll bar of Help&apos;s text</extracomment>
        <translation>Hilfetext blättern</translation>
    </message>
</context>
<context>
    <name>ouroboard::Settings</name>
    <message>
        <source>SETTINGS</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>Select The Snake For Player One</source>
        <translation>Schlange für Spieler 1 auswählen</translation>
    </message>
    <message>
        <source>Select The Snake For Player Two</source>
        <translation>Schlange für Spieler 2 auswählen</translation>
    </message>
    <message>
        <source>Select The Obstacle Image By Clicking On It</source>
        <translation>Hindernisbild per Klick auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the pictures of the snakes and of the obstacles</source>
        <translation>Wähle die Bilder der Schlangen und der Hindernisse</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Schlange von Spieler 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Schlange von Spieler 2</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Hindernis</translation>
    </message>
    <message>
        <source>%1: chosen picture</source>
        <translation>%1: gewähltes Bild</translation>
    </message>
    <message>
        <source>Applies the chosen pictures and starts a new game</source>
        <translation>Übernimmt die gewählten Bilder und startet ein neues Spiel</translation>
    </message>
</context>
<context>
    <name>ouroboard::SnakeTable</name>
    <message>
        <source>Distributed by Ouroboard</source>
        <translation>Vertrieben von Ouroboard</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>2 Player</source>
        <translation>2 Spieler</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Kampagne</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Ouroboard — Level %1</source>
        <translation>Ouroboard — Level %1</translation>
    </message>
    <message>
        <source>Ouroboard</source>
        <translation>Ouroboard</translation>
    </message>
    <message>
        <source>A snake game. Press %1 for help.</source>
        <translation>Ein Schlangenspiel. Drück %1 für die Hilfe.</translation>
    </message>
    <message>
        <source>Board, speed and scores</source>
        <translation>Spielfeld, Geschwindigkeit und Punktestand</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>The speed: the bars below set it</source>
        <translation>Die Geschwindigkeit: Die Balken darunter stellen sie ein</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Spielmenü</translation>
    </message>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Punktestand von Spieler %1: %2</translation>
    </message>
</context>
<context>
    <name>ouroboard::SpeedBar</name>
    <message>
        <source>Speed %1 of %2</source>
        <translation>Geschwindigkeit %1 von %2</translation>
    </message>
    <message>
        <source>Click to start a new game at this speed</source>
        <translation>Klick, um ein neues Spiel in dieser Geschwindigkeit zu starten</translation>
    </message>
</context>
</TS>
