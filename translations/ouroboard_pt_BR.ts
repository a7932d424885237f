<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Game</name>
    <message>
        <source>PAUSE</source>
        <translation>PAUSAR</translation>
    </message>
    <message>
        <source>RESUME</source>
        <translation>CONTINUAR</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>pause or resume</source>
        <translation>pausar ou continuar</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>novo jogo</translation>
    </message>
    <message>
        <source>help</source>
        <translation>ajuda</translation>
    </message>
    <message>
        <source>open the Options menu</source>
        <translation>abrir o menu Opções</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>sair</translation>
    </message>
    <message>
        <source>next speed step</source>
        <translation>próximo nível de velocidade</translation>
    </message>
    <message>
        <source>previous speed step</source>
        <translation>nível de velocidade anterior</translation>
    </message>
    <message>
        <source>dismiss the picture at the end of a level or a game</source>
        <translation>fechar a imagem exibida no fim de uma fase ou de uma partida</translation>
    </message>
    <message>
        <source>Player %1 steers with %2</source>
        <translation>O jogador %1 controla a cobra com %2</translation>
    </message>
    <message>
        <source>Keys:</source>
        <translation>Teclas:</translation>
    </message>
</context>
<context>
    <name>Pads</name>
    <message>
        <source>ouroboard: no game controllers: %1</source>
        <translation>ouroboard: nenhum controle de jogo: %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>ouroboard: no display could be opened: %1</source>
        <translation>ouroboard: não foi possível abrir a tela: %1</translation>
    </message>
    <message>
        <source>ouroboard: no display found; run it from a graphical desktop session</source>
        <translation>ouroboard: nenhuma tela encontrada; execute o jogo em uma sessão gráfica de área de trabalho</translation>
    </message>
</context>
<context>
    <name>ouroboard::Board</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>The playing field, %1 by %2 cells</source>
        <translation>O campo de jogo, com %1 × %2 casas</translation>
    </message>
</context>
<context>
    <name>ouroboard::ChoiceRow</name>
    <message>
        <source>%1, picture %2 of %3</source>
        <extracomment>A picture in a row of Settings, for a screen reader: %1 the row&apos;s name (a snake or the obstacle), %2 the picture&apos;s place in the row, %3 how many pictures the row has</extracomment>
        <translation>%1, imagem %2 de %3</translation>
    </message>
</context>
<context>
    <name>ouroboard::EndScreen</name>
    <message>
        <source>Level completed</source>
        <translation>Fase concluída</translation>
    </message>
    <message>
        <source>Proceed to the next level.</source>
        <translation>Siga para a próxima fase.</translation>
    </message>
    <message>
        <source>Bravo! You have won the whole campaign</source>
        <translation>Bravo! Você venceu a campanha inteira</translation>
    </message>
    <message>
        <source>You have conquered every level. Congratulations!</source>
        <translation>Você conquistou todas as fases. Parabéns!</translation>
    </message>
    <message>
        <source>Well done! You have completed the classic mode</source>
        <translation>Muito bem! Você concluiu o modo clássico</translation>
    </message>
    <message>
        <source>Try the campaign mode.</source>
        <translation>Experimente o modo campanha.</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Try again: there is always a next chance.</source>
        <translation>Tente de novo: sempre há uma próxima chance.</translation>
    </message>
    <message>
        <source>Press %1 or click to continue.</source>
        <translation>Pressione %1 ou clique para continuar.</translation>
    </message>
</context>
<context>
    <name>ouroboard::HlpFrm</name>
    <message>
        <source>Game controllers: the first pad plugged in steers player 1 and the second player 2. The D-pad or the left stick turns the snake, Start pauses and resumes the game, and A or Start dismisses the picture at the end of a level or a game.</source>
        <translation>Controles: o primeiro controle conectado comanda o jogador 1, e o segundo, o jogador 2. O direcional ou o analógico esquerdo vira a cobra, Start pausa e retoma a partida, e A ou Start fecha a imagem exibida no fim de uma fase ou de uma partida.</translation>
    </message>
    <message>
        <source>Ouroboard is inspired by SNAKE, the classic game of its kind. It is freeware, and anyone may distribute it freely. If you make changes to it, please make them known.</source>
        <translation>Ouroboard é inspirado em SNAKE, o clássico do gênero. É freeware, e qualquer pessoa pode distribuí-lo livremente. Se você fizer alterações, por favor, divulgue-as.</translation>
    </message>
    <message>
        <source>The game has two modes : classical and campaign modes. </source>
        <translation>O jogo tem dois modos: clássico e campanha. </translation>
    </message>
    <message>
        <source>In classical mode, you can go on playing the game. It can be played in different speeds by using the speed indicator. Higher the speed, higher will be the score. </source>
        <translation>No modo clássico, você pode jogar sem parar. É possível jogar em diferentes velocidades usando o indicador de velocidade: quanto maior a velocidade, maior a pontuação. </translation>
    </message>
    <message>
        <source>In Campaign mode you can advance through various levels. The game goes on becoming difficult as the game advances. It too, can also be played in various speeds and scoring increases accordingly.</source>
        <translation>No modo campanha, você avança por várias fases, e o jogo fica cada vez mais difícil conforme você progride. Esse modo também pode ser jogado em diferentes velocidades, e a pontuação aumenta de acordo.</translation>
    </message>
    <message>
        <source>The game supports two player game. Two player mode also contains both classical and campaign modes. But care should be taken that if one player is out, the game is over for both the players.</source>
        <translation>O jogo também pode ser jogado por duas pessoas. O modo para dois jogadores também inclui os modos clássico e campanha. Mas atenção: se um dos jogadores for eliminado, a partida acaba para os dois.</translation>
    </message>
    <message>
        <source>You can go on playing the classic mode until the player (in case of 2 players, either of the players) collects %1 food. In the Campaign mode, you can progress through the levels by taking %2 food.</source>
        <translation>No modo clássico, você pode jogar até que o jogador (com 2 jogadores, qualquer um deles) pegue %1 comidas. No modo campanha, você passa de fase ao pegar %2 comidas.</translation>
    </message>
    <message>
        <source>	If the snakes of two players collides nothing happens.</source>
        <translation>	Se as cobras dos dois jogadores colidirem, nada acontece.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>HELP</source>
        <translation>AJUDA</translation>
    </message>
    <message>
        <source>CONTROLS</source>
        <translation>CONTROLES</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ajuda</translation>
    </message>
    <message>
        <source>Ouroboard, by the Ouroboard team</source>
        <translation>Ouroboard, da equipe do Ouroboard</translation>
    </message>
    <message>
        <source>Keys of player %1</source>
        <translation>Teclas do jogador %1</translation>
    </message>
    <message>
        <source>Scroll the help text</source>
        <extracomment>For a screen reader: the scroll bar of Help&apos;s text</extracomment>
        <translation>Rolar o texto de ajuda</translation>
    </message>
</context>
<context>
    <name>ouroboard::Settings</name>
    <message>
        <source>SETTINGS</source>
        <translation>CONFIGURAÇÕES</translation>
    </message>
    <message>
        <source>Select The Snake For Player One</source>
        <translation>Escolha a cobra do jogador 1</translation>
    </message>
    <message>
        <source>Select The Snake For Player Two</source>
        <translation>Escolha a cobra do jogador 2</translation>
    </message>
    <message>
        <source>Select The Obstacle Image By Clicking On It</source>
        <translation>Clique na imagem do obstáculo para escolhê-la</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the pictures of the snakes and of the obstacles</source>
        <translation>Escolha as imagens das cobras e dos obstáculos</translation>
    </message>
    <message>
        <source>Player 1 snake</source>
        <translation>Cobra do jogador 1</translation>
    </message>
    <message>
        <source>Player 2 snake</source>
        <translation>Cobra do jogador 2</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstáculo</translation>
    </message>
    <message>
        <source>%1: chosen picture</source>
        <translation>%1: imagem escolhida</translation>
    </message>
    <message>
        <source>Applies the chosen pictures and starts a new game</source>
        <translation>Aplica as imagens escolhidas e começa um novo jogo</translation>
    </message>
</context>
<context>
    <name>ouroboard::SnakeTable</name>
    <message>
        <source>Distributed by Ouroboard</source>
        <translation>Distribuído por Ouroboard</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 jogador</translation>
    </message>
    <message>
        <source>2 Player</source>
        <translation>2 jogadores</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Campanha</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Ouroboard — Level %1</source>
        <translation>Ouroboard — Fase %1</translation>
    </message>
    <message>
        <source>Ouroboard</source>
        <translation>Ouroboard</translation>
    </message>
    <message>
        <source>A snake game. Press %1 for help.</source>
        <translation>Um jogo da cobrinha. Pressione %1 para ver a ajuda.</translation>
    </message>
    <message>
        <source>Board, speed and scores</source>
        <translation>Tabuleiro, velocidade e pontuações</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>The speed: the bars below set it</source>
        <translation>A velocidade: as barras abaixo a ajustam</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>Game menu</source>
        <translation>Menu do jogo</translation>
    </message>
    <message>
        <source>Player %1 score: %2</source>
        <translation>Pontuação do jogador %1: %2</translation>
    </message>
</context>
<context>
    <name>ouroboard::SpeedBar</name>
    <message>
        <source>Speed %1 of %2</source>
        <translation>Velocidade %1 de %2</translation>
    </message>
    <message>
        <source>Click to start a new game at this speed</source>
        <translation>Clique para começar um novo jogo nesta velocidade</translation>
    </message>
</context>
</TS>
