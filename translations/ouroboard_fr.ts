<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Game</name>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>REPRENDRE</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>pause or resume</source>
        <translation>pause ou reprise</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nouvelle partie</translation>
    </message>
    <message>
        <source>help</source>
        <translation>aide</translation>
    </message>
    <message>
        <source>open the Options menu</source>
        <translation>ouvrir le menu Options</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>quitter</translation>
    </message>
    <message>
        <source>next speed step</source>
        <translation>vitesse supérieure</translation>
    </message>
    <message>
        <source>previous speed step</source>
        <translation>vitesse inférieure</translation>
    </message>
    <message>
        <source>dismiss the picture at the end of a level or a game</source>
        <translation>fermer l’image de fin de niveau ou de partie</translation>
    </message>
    <message>
        <source>Player %1 steers with %2</source>
        <translation>Le joueur %1 dirige son serpent avec %2</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Touches&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>ouroboard: no game controllers: %1</source>
        <translation>ouroboard: aucune manette disponible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>ouroboard: no display could be opened: %1</source>
        <translation>ouroboard: impossible d’ouvrir un affichage&#xa0;: %1</translation>
    </message>
    <message>
        <source>ouroboard: no display found; run it from a graphical desktop session</source>
        <translation>ouroboard: aucun affichage trouvé&#xa0;; lancez le jeu depuis une session de bureau graphique</translation>
    </message>
</context>
<context>
    <name>ouroboard::Board</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>The playing field, %1 by %2 cells</source>
        <translation>L’aire de jeu, de %1 × %2 cases</translation>
    </message>
</context>
<context>
    <name>ouroboard::ChoiceRow</name>
    <message>
        <source>%1, picture %2 of %3</source>
        <extracomment>A picture in a row of Settings, for a screen reader: %1 the row&apos;s name (a snake or the obstacle), %2 the picture&apos;s place in the row, %3 how many pictures the row has</extracomment>
        <translation>%1, image %2 sur %3</translation>
    </message>
</context>
<context>
    <name>ouroboard::EndScreen</name>
    <message>
        <source>Level completed</source>
        <translation>Niveau terminé</translation>
    </message>
    <message>
        <source>Proceed to the next level.</source>
        <translation>Passez au niveau suivant.</translation>
    </message>
    <message>
        <source>Bravo! You have won the whole campaign</source>
        <translation>Bravo&#xa0;! Vous avez gagné toute la campagne</translation>
    </message>
    <message>
        <source>You have conquered every level. Congratulations!</source>
        <translation>Vous avez conquis tous les niveaux. Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>Well done! You have completed the classic mode</source>
        <translation>Bien joué&#xa0;! Vous avez terminé le mode classique</translation>
    </message>
    <message>
        <source>Try the campaign mode.</source>
        <translation>Essayez le mode campagne.</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Try again: there is always a next chance.</source>
        <translation>Réessayez&#xa0;: il y a toujours une prochaine chance.</translation>
    </message>
    <message>
        <source>Press %1 or click to continue.</source>
        <translation>Appuyez sur %1 ou cliquez pour continuer.</translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message>
        <source>Game controllers: the first pad plugged in steers player 1 and the second player 2. The D-pad or the left stick turns the snake, Start pauses and resumes the game, and A or Start dismisses the picture at the end of a level or a game.</source>
        <translation>Manettes&#xa0;: la première manette branchée contrôle le joueur 1, la deuxième le joueur 2. La croix directionnelle ou le stick gauche dirige le serpent, Start met le jeu en pause et le relance, et A ou Start ferme l’image de fin de niveau ou de partie.</translation>
    </message>
    <message>
        <source>Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and anyone may distribute it freely. If you make changes to it, please make them known.</source>
        <translation>Ouroboard s’inspire de SNAKE, le classique du genre. C’est un logiciel gratuit que chacun peut distribuer librement. Si vous y apportez des modifications, merci de les faire connaître.</translation>
    </message>
    <message>
        <source>The game has two modes : classical and campaign modes. </source>
        <translation>Le jeu propose deux modes&#xa0;: le mode classique et le mode campagne.</translation>
    </message>
    <message>
        <source>In classical mode, you can go on playing the game. It can be played in different speeds by using the speed indicator. Higher the speed, higher will be the score. </source>
        <translation>En mode classique, vous jouez en continu, sans changer de niveau. L’indicateur de vitesse permet de jouer à différentes vitesses. Plus la vitesse est élevée, plus le score est important.</translation>
    </message>
    <message>
        <source>In Campaign mode you can advance through various levels. The game goes on becoming difficult as the game advances. It too, can also be played in various speeds and scoring increases accordingly.</source>
        <translation>En mode campagne, vous progressez à travers plusieurs niveaux. Le jeu devient de plus en plus difficile au fil de la partie. Ce mode se joue lui aussi à différentes vitesses, et le score augmente en conséquence.</translation>
    </message>
    <message>
        <source>The game supports two player game. Two player mode also contains both classical and campaign modes. But care should be taken that if one player is out, the game is over for both the players.</source>
        <translation>Le jeu se joue aussi à deux. Le mode deux joueurs propose lui aussi le mode classique et le mode campagne. Mais attention&#xa0;: si l’un des joueurs est éliminé, la partie est terminée pour les deux.</translation>
    </message>
    <message>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %1 food. In the Campaign mode, you can progress through the levels by taking %2 food.</source>
        <translation>En mode classique, la partie continue jusqu’à ce que le joueur (à deux, l’un ou l’autre) ait mangé %1 morceaux de nourriture. En mode campagne, vous passez au niveau suivant après avoir mangé %2 morceaux de nourriture.</translation>
    </message>
    <message>
        <source>	If the snakes of two players collides nothing happens.</source>
        <translation>	Si les serpents des deux joueurs se percutent, il ne se passe rien.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>COMMANDES</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d’aide</translation>
    </message>
    <message>
        <source>Ouroboard, by the Ouroboard team</source>
        <translation>Ouroboard, par l’équipe d’Ouroboard</translation>
    </message>
    <message>
        <source>Keys of player %1</source>
        <translation>Touches du joueur %1</translation>
    </message>
    <message>
        <source>Scroll the help text</source>
        <extracomment>For a screen reader: the scroll bar of Help&apos;s text</extracomment>
        <translation>Faire défiler le texte d’aide</translation>
    </message>
</context>
<context>
    <name>ouroboard::Settings</name>
    <message>
        <source>SETTINGS</source>
        <translation>PARAMÈTRES</translation>
    </message>
    <message>
        <source>Select The Snake For Player One</source>
        <translation>Choisissez le serpent du joueur 1</translation>
    </message>
    <message>
        <source>Select The Snake For Player Two</source>
        <translation>Choisissez le serpent du joueur 2</translation>
    </message>
    <message>
        <source>Select The Obstacle Image By Clicking On It</source>
        <translation>Cliquez sur une image pour choisir l’obstacle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the pictures of the snakes and of the obstacles</source>
        <translation>Choisissez les images des serpents et des obstacles</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Serpent du joueur 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Serpent du joueur 2</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstacle</translation>
    </message>
    <message>
        <source>%1: chosen picture</source>
        <translation>%1&#xa0;: image choisie</translation>
    </message>
    <message>
        <source>Applies the chosen pictures and starts a new game</source>
        <translation>Applique les images choisies et commence une nouvelle partie</translation>
    </message>
</context>
<context>
    <name>ouroboard::SnakeTable</name>
    <message>
        <source>Distributed by Ouroboard</source>
        <translation>Distribué par Ouroboard</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>2 Player</source>
        <translation>2 joueurs</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Campagne</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Ouroboard — Level %1</source>
        <translation>Ouroboard — Niveau %1</translation>
    </message>
    <message>
        <source>Ouroboard</source>
        <translation>Ouroboard</translation>
    </message>
    <message>
        <source>A snake game. Press %1 for help.</source>
        <translation>Un jeu de serpent. Appuyez sur %1 pour afficher l’aide.</translation>
    </message>
    <message>
        <source>Board, speed and scores</source>
        <translation>Plateau, vitesse et scores</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>The speed: the bars below set it</source>
        <translation>La vitesse&#xa0;: les barres en dessous la règlent</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu du jeu</translation>
    </message>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Score du joueur %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ouroboard::SpeedBar</name>
    <message>
        <source>Speed %1 of %2</source>
        <translation>Vitesse %1 sur %2</translation>
    </message>
    <message>
        <source>Click to start a new game at this speed</source>
        <translation>Cliquez pour commencer une nouvelle partie à cette vitesse</translation>
    </message>
</context>
</TS>
