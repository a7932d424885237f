<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Game</name>
    <message>
        <location filename="../ui/snaketable.cpp" line="+275"/>
        <source>PAUSE</source>
        <extracomment>One command on the menu bar, named for what a click does now: stop the running game.</extracomment>
        <translation>PAUSE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RESUME</source>
        <extracomment>One command on the menu bar, named for what a click does now: go on with the paused game.</extracomment>
        <translation>REPRENDRE</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <location filename="../ui/input/keymap.cpp" line="+35"/>
        <source>pause or resume</source>
        <extracomment>Key list: what P and Pause do, a command: stop or restart the game.</extracomment>
        <translation>mettre en pause ou reprendre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>new game</source>
        <extracomment>Key list: what F2 does, a command: start a new game.</extracomment>
        <translation>nouvelle partie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>help</source>
        <extracomment>Key list: what F1 does, a command: open the Help window.</extracomment>
        <translation>aide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>open the Options menu</source>
        <extracomment>Key list: what F10 does; Options is the menu of that name.</extracomment>
        <translation>ouvrir le menu Options</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>exit</source>
        <extracomment>Key list: what Ctrl+Q does, a command: end the program.</extracomment>
        <translation>quitter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>next speed step</source>
        <extracomment>Key list: what + does, a command: one bar faster on the speed indicator.</extracomment>
        <translation>vitesse supérieure</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>previous speed step</source>
        <extracomment>Key list: what - does, a command: one bar slower on the speed indicator.</extracomment>
        <translation>vitesse inférieure</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>dismiss the picture at the end of a level or a game</source>
        <extracomment>Key list: what Enter, Space and Esc do, a command.</extracomment>
        <translation>fermer l’image de fin de niveau ou de partie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>full screen on or off; Esc also leaves it</source>
        <extracomment>Key list: what F11 does, a command: the window fills the screen, or goes back; Esc also goes back.</extracomment>
        <translation>passer en plein écran ou en sortir&#xa0;; Échap en sort aussi</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Enter</source>
        <extracomment>The Enter key (Return and Enter alike), as keyboards in your language label it.</extracomment>
        <translation>Entrée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Space</source>
        <extracomment>The space bar, as a key&apos;s name.</extracomment>
        <translation>Espace</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Esc</source>
        <extracomment>The Escape key, as keyboards in your language label it.</extracomment>
        <translation>Échap</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause</source>
        <comment>key</comment>
        <extracomment>The Pause key, as keyboards in your language label it.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Player %1 steers with the arrow keys</source>
        <extracomment>Key list. %1: the player&apos;s number, 1.</extracomment>
        <translation>Le joueur %1 dirige son serpent avec les flèches</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player %1 steers with the keys %2</source>
        <extracomment>Key list. %1: the player&apos;s number, 2; %2: a list of letter keys, such as &quot;W, A, S and D&quot;.</extracomment>
        <translation>Le joueur %1 dirige son serpent avec les touches %2</translation>
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
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Keys:</source>
        <extracomment>Key list: its heading.</extracomment>
        <translation>Touches&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <location filename="../ui/input/pads.cpp" line="+54"/>
        <source>no game controllers: %1</source>
        <extracomment>Printed at start-up when no pad can be used, after the name of the game&apos;s log. %1: the system&apos;s reason, in English.</extracomment>
        <translation>aucune manette disponible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PictureBook</name>
    <message>
        <location filename="../ui/picturebook.cpp" line="+72"/>
        <source>LEVEL</source>
        <extracomment>Painted in capitals above the speed indicator, on a picture of vines; keep it short.</extracomment>
        <translation>VITESSE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SCORE</source>
        <extracomment>Painted in capitals above the scores, on a picture of vines; keep it short.</extracomment>
        <translation>SCORE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player 1</source>
        <extracomment>Painted above player 1&apos;s score and keys, in large italic letters.</extracomment>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player 2</source>
        <extracomment>Painted above player 2&apos;s score and keys, in large italic letters.</extracomment>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the</source>
        <extracomment>Painted in red script before the game&apos;s name on Help&apos;s banner (&quot;the OUROBOARD&quot;).</extracomment>
        <translation>le</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by the Ouroboard team</source>
        <extracomment>Painted in small italics under the game&apos;s name on Help&apos;s banner.</extracomment>
        <translation>par l’équipe Ouroboard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LEVEL COMPLETED</source>
        <extracomment>Painted in capitals at the top of the picture shown when a campaign level is passed.</extracomment>
        <translation>NIVEAU TERMINÉ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Proceed To The Next Level</source>
        <extracomment>Painted in gold blackletter at the bottom of the picture shown when a campaign level is passed.</extracomment>
        <translation>Passez au niveau suivant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>BRAVO!</source>
        <extracomment>Painted large and tilted at the top of the picture shown when the whole campaign is won.</extracomment>
        <translation>BRAVO !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You have conquered every level</source>
        <extracomment>First of two lines in the middle of the picture shown when the whole campaign is won.</extracomment>
        <translation>Vous avez conquis tous les niveaux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>and won the whole campaign!</source>
        <extracomment>Second of two lines in the middle of the picture shown when the whole campaign is won.</extracomment>
        <translation>et gagné toute la campagne !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CONGRATS</source>
        <extracomment>Painted in rainbow capitals at the bottom of the picture shown when the whole campaign is won.</extracomment>
        <translation>FÉLICITATIONS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Well Done</source>
        <extracomment>Painted large at the top of the picture shown when the classic mode is won.</extracomment>
        <translation>Bien joué</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You Have Completed</source>
        <extracomment>First of two lines in the middle of the picture shown when the classic mode is won.</extracomment>
        <translation>Vous avez terminé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Classic Mode.</source>
        <extracomment>Second of two lines in the middle of the picture shown when the classic mode is won.</extracomment>
        <translation>le mode classique.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Try the Campaign Mode</source>
        <extracomment>Painted at the bottom of the picture shown when the classic mode is won.</extracomment>
        <translation>Essayez le mode campagne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oh! I feel pity</source>
        <extracomment>Painted in red script at the top of the game-over picture.</extracomment>
        <translation>Oh ! Quel dommage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GAME OVER</source>
        <extracomment>Painted in large capitals, in perspective, in the middle of the game-over picture.</extracomment>
        <translation>PARTIE TERMINÉE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Try Again</source>
        <extracomment>Painted in green under &quot;GAME OVER&quot; on the game-over picture.</extracomment>
        <translation>Réessayez</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>there&apos;s always a next chance.</source>
        <extracomment>Painted at the bottom of the game-over picture, after &quot;Try Again&quot;.</extracomment>
        <translation>il y a toujours une prochaine chance.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../ui/main.cpp" line="+79"/>
        <source>ouroboard: no display could be opened: %1</source>
        <extracomment>Printed when the game cannot start. %1: the windowing system&apos;s reasons, in English.</extracomment>
        <translation>ouroboard: impossible d’ouvrir un affichage&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>ouroboard: no display found; run it from a graphical desktop session</source>
        <translation>ouroboard: aucun affichage trouvé&#xa0;; lancez le jeu depuis une session de bureau graphique</translation>
    </message>
</context>
<context>
    <name>ouroboard::Board</name>
    <message>
        <location filename="../ui/board.cpp" line="+18"/>
        <source>Board</source>
        <extracomment>Spoken name of the board the snakes move on.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>The playing field, %n by %n cells</source>
        <extracomment>Spoken description of the board. %n: the cells along each side (30), so the same number twice.</extracomment>
        <translation>
            <numerusform>L’aire de jeu, de %n sur %n case</numerusform>
            <numerusform>L’aire de jeu, de %n sur %n cases</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ouroboard::ChoiceRow</name>
    <message>
        <location filename="../ui/choicerow.cpp" line="+52"/>
        <source>%1, picture %2 of %3</source>
        <extracomment>A picture in a row of Settings, for a screen reader: %1 the row&apos;s name (a snake or the obstacle), %2 the picture&apos;s place in the row, %3 how many pictures the row has</extracomment>
        <translation>%1, image %2 sur %3</translation>
    </message>
</context>
<context>
    <name>ouroboard::EndScreen</name>
    <message>
        <location filename="../ui/endscreen.cpp" line="+42"/>
        <source>Level completed</source>
        <extracomment>A campaign level (of seven) has been passed.</extracomment>
        <translation>Niveau terminé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Proceed to the next level.</source>
        <translation>Passez au niveau suivant.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bravo! You have won the whole campaign</source>
        <translation>Bravo&#xa0;! Vous avez gagné toute la campagne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have conquered every level. Congratulations!</source>
        <translation>Vous avez conquis tous les niveaux. Félicitations&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Well done! You have completed the classic mode</source>
        <translation>Bien joué&#xa0;! Vous avez terminé le mode classique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Try the campaign mode.</source>
        <translation>Essayez le mode campagne.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Game over</source>
        <extracomment>Heading spoken on the picture shown when a snake has crashed.</extracomment>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Try again: there is always a next chance.</source>
        <translation>Réessayez&#xa0;: il y a toujours une prochaine chance.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Press %1 or click to continue.</source>
        <extracomment>Spoken on the picture at the end of a level or a game. %1: a key&apos;s name, such as &quot;Enter&quot;.</extracomment>
        <translation>Appuyez sur %1 ou cliquez pour continuer.</translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message>
        <location filename="../ui/hlpfrm.cpp" line="+25"/>
        <source>Game controllers: the first pad plugged in steers player 1 and the second player 2. The D-pad or the left stick turns the snake, Start pauses and resumes the game, and A or Start dismisses the picture at the end of a level or a game.</source>
        <translation>Manettes&#xa0;: la première manette branchée contrôle le joueur 1, la deuxième le joueur 2. La croix directionnelle ou le stick gauche dirige le serpent, Start met la partie en pause ou la reprend, et A ou Start ferme l’image de fin de niveau ou de partie.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and anyone may distribute it freely. If you make changes to it, please make them known.</source>
        <translation>Ouroboard s’inspire de SNAKE, le classique du genre. C’est un logiciel gratuit que chacun peut distribuer librement. Si vous y apportez des modifications, merci de les faire connaître.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>In Campaign mode you can advance through various levels. The game goes on becoming difficult as the game advances. It too, can also be played in various speeds and scoring increases accordingly.</source>
        <translation>En mode campagne, vous progressez à travers plusieurs niveaux. Le jeu devient de plus en plus difficile au fil de la partie. Ce mode se joue lui aussi à différentes vitesses, et le score augmente en conséquence.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game supports two player game. Two player mode also contains both classical and campaign modes. But care should be taken that if one player is out, the game is over for both the players.</source>
        <translation>Le jeu se joue aussi à deux. Le mode deux joueurs propose lui aussi le mode classique et le mode campagne. Mais attention&#xa0;: si l’un des joueurs est éliminé, la partie est terminée pour les deux.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>The game has two modes : classical and campaign modes.</source>
        <translation>Le jeu propose deux modes&#xa0;: le mode classique et le mode campagne.</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Against the Computer, in the Players menu, starts a two-player game whose player 2 the computer steers: it sees the board as you do and turns by the same rules. Meanwhile %1 and the second pad do nothing. Computer Skill, in the Options menu, sets how well it plays, from the next move on.</source>
        <extracomment>Help, after the key list. &quot;Against the Computer&quot;, &quot;Players&quot;, &quot;Computer Skill&quot; and &quot;Options&quot; are the menu items of those names; %1: player 2&apos;s keys, such as &quot;W, A, S and D&quot;.</extracomment>
        <translation>« Contre l’ordinateur », dans le menu Joueurs, lance une partie à deux où l’ordinateur dirige le joueur 2 : il voit le plateau comme vous et tourne selon les mêmes règles. Pendant ce temps, %1 et la deuxième manette ne font rien. « Niveau de l’ordinateur », dans le menu Options, règle la force de son jeu, à partir du déplacement suivant.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>In classical mode, you can go on playing the game. It can be played in different speeds by using the speed indicator. Higher the speed, higher will be the score.</source>
        <translation>En mode classique, vous jouez en continu, sans changer de niveau. L’indicateur de vitesse permet de jouer à différentes vitesses. Plus la vitesse est élevée, plus le score est important.</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %n food.</source>
        <extracomment>%n: the food a player eats to end a classic game (100).</extracomment>
        <translation>
            <numerusform>En mode classique, la partie continue jusqu’à ce que le joueur (à deux, l’un ou l’autre) ait mangé %n morceau de nourriture.</numerusform>
            <numerusform>En mode classique, la partie continue jusqu’à ce que le joueur (à deux, l’un ou l’autre) ait mangé %n morceaux de nourriture.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>In the Campaign mode, you can progress through the levels by taking %n food.</source>
        <extracomment>%n: the food a player eats to pass a campaign level (25).</extracomment>
        <translation>
            <numerusform>En mode campagne, vous passez au niveau suivant après avoir mangé %n morceau de nourriture.</numerusform>
            <numerusform>En mode campagne, vous passez au niveau suivant après avoir mangé %n morceaux de nourriture.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>If the snakes of two players collides nothing happens.</source>
        <translation>Si les serpents des deux joueurs se percutent, il ne se passe rien.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Help</source>
        <extracomment>Title of the Help window.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>HELP</source>
        <extracomment>Heading above the help text, in capitals.</extracomment>
        <translation>AIDE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CONTROLS</source>
        <extracomment>Heading above the pictures of the players&apos; keys, in capitals.</extracomment>
        <translation>COMMANDES</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Help text</source>
        <translation>Texte d’aide</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Scroll the help text</source>
        <extracomment>For a screen reader: the scroll bar of Help&apos;s text</extracomment>
        <translation>Faire défiler le texte d’aide</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ouroboard, by the Ouroboard team</source>
        <translation>Ouroboard, par l’équipe d’Ouroboard</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Keys of player %1</source>
        <extracomment>Spoken name of a picture of a player&apos;s keys. %1: the player&apos;s number, 1 or 2.</extracomment>
        <translation>Touches du joueur %1</translation>
    </message>
</context>
<context>
    <name>ouroboard::Settings</name>
    <message>
        <location filename="../ui/settings.cpp" line="+43"/>
        <source>SETTINGS</source>
        <extracomment>Title of the window that chooses the pictures, in capitals.</extracomment>
        <translation>PARAMÈTRES</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Select The Snake For Player One</source>
        <translation>Choisissez le serpent du joueur 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select The Snake For Player Two</source>
        <translation>Choisissez le serpent du joueur 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select The Obstacle Image By Clicking On It</source>
        <translation>Cliquez sur une image pour choisir l’obstacle</translation>
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
        <translation>Choisissez les images des serpents et des obstacles</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Player 1 snake</source>
        <translation>Serpent du joueur 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Player 2 snake</source>
        <translation>Serpent du joueur 2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Obstacle</source>
        <extracomment>Spoken name of the row of obstacle pictures.</extracomment>
        <translation>Obstacle</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1: chosen picture</source>
        <extracomment>Spoken name of a row&apos;s preview. %1: the row&apos;s name, such as &quot;Player 1 snake&quot;.</extracomment>
        <translation>%1&#xa0;: image choisie</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Applies the chosen pictures and starts a new game</source>
        <translation>Applique les images choisies et commence une nouvelle partie</translation>
    </message>
</context>
<context>
    <name>ouroboard::SnakeTable</name>
    <message>
        <location filename="../ui/snaketable.cpp" line="-159"/>
        <source>Level</source>
        <comment>speed</comment>
        <extracomment>The heading above the speed bars: the speed level, not a campaign level.</extracomment>
        <translation>Niveau de vitesse</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Distributed by Ouroboard</source>
        <translation>Distribué par Ouroboard</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Options</source>
        <extracomment>The game&apos;s only menu: new game, players, mode, settings, exit.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Players</source>
        <extracomment>Submenu: one player or two, or one against the computer.</extracomment>
        <translation>Joueurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 Player</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 Player</source>
        <translation>2 joueurs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Against the Computer</source>
        <extracomment>Players menu: a two-player game whose player 2 the computer steers</extracomment>
        <translation>Contre l’ordinateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mode</source>
        <extracomment>Submenu: classic or campaign mode.</extracomment>
        <translation>Mode</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Classic</source>
        <extracomment>Mode menu: the classic mode, one open board until 100 food.</extracomment>
        <translation>Classique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Campaign</source>
        <extracomment>Mode menu: the campaign mode, seven levels with walls.</extracomment>
        <translation>Campagne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings</source>
        <extracomment>Menu command: opens the window that chooses the snakes&apos; and obstacles&apos; pictures.</extracomment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <extracomment>Menu command: ends the program.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <extracomment>Menu command on the menu bar: opens the Help window.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Computer Skill</source>
        <extracomment>Submenu: how well the computer plays when it steers player 2.</extracomment>
        <translation>Niveau de l’ordinateur</translation>
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
        <translation>Normal</translation>
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
        <translation>Ouroboard — Niveau %1</translation>
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
        <translation>Score de l’ordinateur : %1</translation>
    </message>
    <message>
        <location line="-235"/>
        <source>A snake game. Press %1 for help.</source>
        <extracomment>Spoken for the main window. %1: a key&apos;s name, such as &quot;F1&quot;.</extracomment>
        <translation>Un jeu du serpent. Appuyez sur %1 pour afficher l’aide.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Board, speed and scores</source>
        <translation>Plateau, vitesse et scores</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The speed: the bars below set it</source>
        <translation>La vitesse&#xa0;: les barres en dessous la règlent</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score</source>
        <extracomment>The heading above the players&apos; scores (points).</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Player %1</source>
        <extracomment>The heading above a player&apos;s score. %1: the player&apos;s number, 1 or 2.</extracomment>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Game menu</source>
        <translation>Menu du jeu</translation>
    </message>
    <message>
        <location line="+122"/>
        <source>Player %1 score: %2</source>
        <extracomment>Spoken for a score. %1: the player&apos;s number, 1 or 2; %2: the points, such as 00001200.</extracomment>
        <translation>Score du joueur %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ouroboard::SpeedBar</name>
    <message>
        <location filename="../ui/speedbar.cpp" line="+11"/>
        <source>Speed %1 of %2</source>
        <extracomment>Spoken name of a bar of the speed indicator. %1: its place from the slowest, 1 to 7; %2: the number of bars, 7.</extracomment>
        <translation>Vitesse %1 sur %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click to start a new game at this speed</source>
        <translation>Cliquez pour commencer une nouvelle partie à cette vitesse</translation>
    </message>
</context>
</TS>
