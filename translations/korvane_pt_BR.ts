<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ArtViewer</name>
    <message>
        <source>Art Viewer</source>
        <translation>Visualizador de gráficos</translation>
    </message>
</context>
<context>
    <name>Checksum</name>
    <message>
        <source>Stopped</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Leitura além do fim do arquivo</translation>
    </message>
    <message>
        <source>not a Mega Drive cartridge image (no &quot;SEGA&quot; at 0x100)</source>
        <translation>não é uma imagem de cartucho de Mega Drive (sem &quot;SEGA&quot; em 0x100)</translation>
    </message>
</context>
<context>
    <name>ColourWords</name>
    <message>
        <source>&apos;%1&apos; has bits outside 0EEE for &quot;%2&quot;: a Mega Drive colour holds blue, green and red in even steps, 0 to E (the nearest is %3).</source>
        <translation>&apos;%1&apos; tem bits fora de 0EEE para &quot;%2&quot;: uma cor do Mega Drive guarda azul, verde e vermelho em passos pares, de 0 a E (o mais próximo é %3).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has bits outside 7FFF for &quot;%2&quot;: a 32X colour holds 15 bits (the nearest is %3).</source>
        <translation>&apos;%1&apos; tem bits fora de 7FFF para &quot;%2&quot;: uma cor do 32X tem 15 bits (o mais próximo é %3).</translation>
    </message>
</context>
<context>
    <name>DemoModel</name>
    <message>
        <source>No demo setting has been read from this ROM; nothing was saved</source>
        <translation>Nenhuma configuração de demo foi lida desta ROM; nada foi salvo</translation>
    </message>
    <message>
        <source>a number of demos</source>
        <translation>um número de demos</translation>
    </message>
    <message>
        <source>a level of the game</source>
        <translation>uma fase do jogo</translation>
    </message>
</context>
<context>
    <name>DemoValues</name>
    <message>
        <source>%1: %2; left out</source>
        <extracomment>%1 is the section&apos;s key, %2 why it could not be read.</extracomment>
        <translation>%1: %2; seção omitida</translation>
    </message>
    <message>
        <source>%1: %2; the levels left out</source>
        <extracomment>%1 is the section&apos;s key, %2 why the level list could not be read.</extracomment>
        <translation>%1: %2; fases omitidas</translation>
    </message>
    <message>
        <source>they could not be read from the image</source>
        <translation>não puderam ser lidos da imagem</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>the level list could not be read</source>
        <translation>não foi possível ler a lista de fases</translation>
    </message>
    <message>
        <source>%1 is not a level of the list</source>
        <translation>%1 não é uma fase da lista</translation>
    </message>
    <message>
        <source>%1 has no level of the game</source>
        <translation>%1 não corresponde a nenhuma fase do jogo</translation>
    </message>
</context>
<context>
    <name>DemosEditor</name>
    <message>
        <source>&amp;Normal Demos Length: </source>
        <translation>&amp;Duração das demos normais: </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>S&amp;pecial Stages Demos Length</source>
        <translation>Duração das demos de &amp;estágios especiais</translation>
    </message>
    <message>
        <source>N&amp;umber of demos played</source>
        <translation>&amp;Número de demos exibidas</translation>
    </message>
    <message>
        <source>&amp;First demo level:</source>
        <translation>Fase da &amp;primeira demo:</translation>
    </message>
    <message>
        <source>S&amp;econd demo level</source>
        <translation>Fase da se&amp;gunda demo</translation>
    </message>
    <message>
        <source>&amp;Third demo level</source>
        <translation>Fase da &amp;terceira demo</translation>
    </message>
    <message>
        <source>F&amp;ourth demo level</source>
        <translation>Fase da &amp;quarta demo</translation>
    </message>
    <message>
        <source>&amp;Import/export a demo</source>
        <translation>&amp;Importar/exportar uma demo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Normal demos length</source>
        <translation>Duração das demos normais</translation>
    </message>
    <message>
        <source>How long a normal demo runs: whole seconds, 0 to %1</source>
        <translation>Quanto tempo dura uma demo normal: segundos inteiros, de 0 a %1</translation>
    </message>
    <message>
        <source>Special stages demos length</source>
        <translation>Duração das demos de estágios especiais</translation>
    </message>
    <message>
        <source>How long a special stage demo runs: whole seconds, 0 to %1</source>
        <translation>Quanto tempo dura uma demo de estágio especial: segundos inteiros, de 0 a %1</translation>
    </message>
    <message>
        <source>Number of demos played</source>
        <translation>Número de demos exibidas</translation>
    </message>
    <message>
        <source>First demo level</source>
        <translation>Fase da primeira demo</translation>
    </message>
    <message>
        <source>Second demo level</source>
        <translation>Fase da segunda demo</translation>
    </message>
    <message>
        <source>Third demo level</source>
        <translation>Fase da terceira demo</translation>
    </message>
    <message>
        <source>Fourth demo level</source>
        <translation>Fase da quarta demo</translation>
    </message>
    <message>
        <source>The level the first demo plays, by its name in the game&apos;s level list</source>
        <translation>A fase que a primeira demo mostra, pelo nome na lista de fases do jogo</translation>
    </message>
    <message>
        <source>The level the second demo plays, by its name in the game&apos;s level list</source>
        <translation>A fase que a segunda demo mostra, pelo nome na lista de fases do jogo</translation>
    </message>
    <message>
        <source>The level the third demo plays, by its name in the game&apos;s level list</source>
        <translation>A fase que a terceira demo mostra, pelo nome na lista de fases do jogo</translation>
    </message>
    <message>
        <source>The level the fourth demo plays, by its name in the game&apos;s level list</source>
        <translation>A fase que a quarta demo mostra, pelo nome na lista de fases do jogo</translation>
    </message>
    <message>
        <source>How many demos the attract mode plays in turn: 0 to %1</source>
        <translation>Quantas demos o modo de atração exibe em sequência: de 0 a %1</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativada</translation>
    </message>
</context>
<context>
    <name>Detection</name>
    <message numerus="yes">
        <source>%1 is %n byte(s): too short for a Mega Drive image (at least %2 bytes).</source>
        <translation>
            <numerusform>%1 tem %n byte: curto demais para uma imagem de Mega Drive (no mínimo %2 bytes).</numerusform>
            <numerusform>%1 tem %n bytes: curto demais para uma imagem de Mega Drive (no mínimo %2 bytes).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Disassembler</name>
    <message>
        <source>Disassembler</source>
        <translation>Desassemblador</translation>
    </message>
    <message>
        <source>&amp;Machine code</source>
        <translation>Código de &amp;máquina</translation>
    </message>
    <message>
        <source>68000 &amp;asm</source>
        <translation>68000 &amp;asm</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converter</translation>
    </message>
</context>
<context>
    <name>EditorList</name>
    <message>
        <source>Object Editor</source>
        <translation>Editor de objetos</translation>
    </message>
    <message>
        <source>Demos Editor</source>
        <translation>Editor de demos</translation>
    </message>
    <message>
        <source>Water Editor</source>
        <translation>Editor de água</translation>
    </message>
    <message>
        <source>Text Editor</source>
        <translation>Editor de textos</translation>
    </message>
    <message>
        <source>Palette Editor</source>
        <translation>Editor de paletas</translation>
    </message>
    <message>
        <source>Disassembler</source>
        <translation>Desassemblador</translation>
    </message>
    <message>
        <source>Art Viewer</source>
        <translation>Visualizador de gráficos</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>at $%1: found %2, not %3</source>
        <translation>em $%1: encontrado %2, não %3</translation>
    </message>
</context>
<context>
    <name>EditorValues</name>
    <message>
        <source>expected an integer</source>
        <translation>esperado um inteiro</translation>
    </message>
    <message>
        <source>expected an integer or a number as text</source>
        <translation>esperado um inteiro ou um número como texto</translation>
    </message>
    <message>
        <source>expected a string</source>
        <translation>esperada uma string</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>esperado um array</translation>
    </message>
    <message>
        <source>expected %1 elements, not %2</source>
        <translation>esperados %1 elementos, não %2</translation>
    </message>
    <message>
        <source>not a value of this editor for this image</source>
        <translation>não é um valor deste editor para esta imagem</translation>
    </message>
</context>
<context>
    <name>EmulatorDialog</name>
    <message>
        <source>No emulator was found to play the image: none is chosen, and none of blastem, mednafen and ares is on the PATH. Choose one in the dialog that follows.</source>
        <translation>Nenhum emulador foi encontrado para rodar a imagem: nenhum foi escolhido, e nem blastem, nem mednafen, nem ares está no PATH. Escolha um na janela a seguir.</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1): %2. Check its command in the dialog that follows.</source>
        <translation>Não foi possível iniciar o emulador (%1): %2. Verifique o comando dele na janela a seguir.</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Emulador</translation>
    </message>
    <message>
        <source>The &amp;command that plays an image; %f stands for the image&apos;s path:</source>
        <translation>O &amp;comando que roda uma imagem; %f representa o caminho da imagem:</translation>
    </message>
    <message>
        <source>no emulator found on the PATH</source>
        <translation>nenhum emulador encontrado no PATH</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>Left empty, the first of blastem, mednafen and ares on the PATH plays.</source>
        <translation>Se ficar vazio, roda o primeiro de blastem, mednafen e ares que estiver no PATH.</translation>
    </message>
    <message>
        <source>Left empty, &quot;%1&quot; plays.</source>
        <translation>Se ficar vazio, roda &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Programs (*.exe)</source>
        <translation>Programas (*.exe)</translation>
    </message>
    <message>
        <source>Emulator program</source>
        <translation>Programa do emulador</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>its name is not valid UTF-8, so it cannot be told from other names here; rename it to open it</source>
        <translation>seu nome não é UTF-8 válido, então não pode ser distinguido de outros nomes aqui; renomeie-o para abri-lo</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Stream read error</source>
        <translation>Erro de leitura do fluxo</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não é possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Não é possível gravar o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Invalid value size %1</source>
        <translation>Tamanho de valor inválido: %1</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nome de arquivo inválido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Arquivos abertos demais</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acesso ao arquivo negado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco cheio</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erro de E/S %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erro de gravação do fluxo</translation>
    </message>
    <message>
        <source>The file is too large for a cartridge image (4 GiB or more)</source>
        <translation>O arquivo é grande demais para uma imagem de cartucho (4 GiB ou mais)</translation>
    </message>
</context>
<context>
    <name>FirstGameTextEditor</name>
    <message>
        <source>Text Editor</source>
        <translation>Editor de textos</translation>
    </message>
    <message>
        <source>Title Cards</source>
        <translation>Cartões de título</translation>
    </message>
</context>
<context>
    <name>Handlers</name>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
</context>
<context>
    <name>ImageSession</name>
    <message>
        <source>%1. Nothing was saved: choose &quot;Edit anyway&quot; for such a value to write it</source>
        <translation>%1. Nada foi salvo: escolha &quot;Editar mesmo assim&quot; em um valor desses para gravá-lo</translation>
    </message>
    <message>
        <source>%1 is a link to the image itself: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 é um link para a própria imagem: o original não pode ser guardado; mova-o para outro lugar ou desative os backups</translation>
    </message>
    <message>
        <source>%1 is a folder: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 é uma pasta: o original não pode ser guardado; mova-a para outro lugar ou desative os backups</translation>
    </message>
    <message>
        <source>%1 is a FIFO: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 é um FIFO: o original não pode ser guardado; mova-o para outro lugar ou desative os backups</translation>
    </message>
    <message>
        <source>%1 is a device: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 é um dispositivo: o original não pode ser guardado; mova-o para outro lugar ou desative os backups</translation>
    </message>
    <message>
        <source>%1 is a socket: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 é um socket: o original não pode ser guardado; mova-o para outro lugar ou desative os backups</translation>
    </message>
    <message>
        <source>%1 is no regular file: the original cannot be kept; move it away or turn backups off</source>
        <translation>%1 não é um arquivo comum: o original não pode ser guardado; mova-o para outro lugar ou desative os backups</translation>
    </message>
    <message>
        <source>The Save was cancelled; nothing was written</source>
        <translation>O salvamento foi cancelado; nada foi gravado</translation>
    </message>
    <message>
        <source>A copy cannot be written over the image itself; nothing was written</source>
        <translation>Uma cópia não pode ser gravada sobre a própria imagem; nada foi gravado</translation>
    </message>
    <message>
        <source>The image could not be backed up to %1 (%2), so nothing was saved. Untick &quot;Back Up Before Saving&quot; to save without a backup</source>
        <translation>Não foi possível fazer o backup da imagem em %1 (%2), então nada foi salvo. Desmarque &quot;Fazer backup antes de salvar&quot; para salvar sem backup</translation>
    </message>
</context>
<context>
    <name>ImageSnapshot</name>
    <message>
        <source>The image was changed by another program since this window read it. Nothing was saved: close the window and open it again</source>
        <translation>A imagem foi alterada por outro programa depois que esta janela a leu. Nada foi salvo: feche a janela e abra-a de novo</translation>
    </message>
</context>
<context>
    <name>ImageValues</name>
    <message>
        <source>no editor serves this image (game &quot;%1&quot;): nothing to locate</source>
        <translation>nenhum editor atende esta imagem (jogo &quot;%1&quot;): nada a localizar</translation>
    </message>
    <message>
        <source>the image&apos;s serial is not the original&apos;s: it is no modification of it</source>
        <translation>o serial da imagem não é o do original: ela não é uma modificação dele</translation>
    </message>
</context>
<context>
    <name>InstructionWord</name>
    <message>
        <source>Machine code</source>
        <translation>Código de máquina</translation>
    </message>
    <message>
        <source>unrecognized</source>
        <translation>não reconhecido</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>The layout is refused: %1; nothing is read through it</source>
        <translation>O layout foi recusado: %1; nada é lido por meio dele</translation>
    </message>
    <message>
        <source>%1: the address is no &quot;0x&quot; followed by hexadecimal digits, nor a whole number</source>
        <translation>%1: o endereço não é &quot;0x&quot; seguido de dígitos hexadecimais, nem um número inteiro</translation>
    </message>
    <message>
        <source>it is no JSON (line %1, column %2: %3)</source>
        <translation>não é JSON (linha %1, coluna %2: %3)</translation>
    </message>
    <message>
        <source>it is no JSON object</source>
        <translation>não é um objeto JSON</translation>
    </message>
    <message>
        <source>its &quot;format&quot; is not &quot;%1&quot;</source>
        <translation>seu &quot;format&quot; não é &quot;%1&quot;</translation>
    </message>
    <message>
        <source>its &quot;version&quot; is not %1</source>
        <translation>seu &quot;version&quot; não é %1</translation>
    </message>
    <message>
        <source>its &quot;game&quot; is not the image&apos;s, &quot;%1&quot;</source>
        <translation>seu &quot;game&quot; não é o da imagem, &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key of a layout</source>
        <translation>&quot;%1&quot; não é uma chave de layout</translation>
    </message>
    <message>
        <source>its &quot;values&quot; is no JSON object</source>
        <translation>seu &quot;values&quot; não é um objeto JSON</translation>
    </message>
    <message>
        <source>%1: no value of this game has this key</source>
        <translation>%1: nenhum valor deste jogo tem esta chave</translation>
    </message>
    <message>
        <source>%1: at %2 it would end past the image&apos;s %3 bytes</source>
        <translation>%1: em %2, terminaria além dos %3 bytes da imagem</translation>
    </message>
    <message>
        <source>%1 and %2 would overlap at %3</source>
        <translation>%1 e %2 se sobreporiam em %3</translation>
    </message>
</context>
<context>
    <name>Locate</name>
    <message>
        <source>in place</source>
        <translation>no lugar</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>movido</translation>
    </message>
    <message>
        <source>ambiguous</source>
        <translation>ambíguo</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>não encontrado</translation>
    </message>
</context>
<context>
    <name>LocateDialog</name>
    <message>
        <source>Locate Moved Values</source>
        <translation>Localizar valores movidos</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Usual address</source>
        <translation>Endereço habitual</translation>
    </message>
    <message>
        <source>Found at</source>
        <translation>Encontrado em</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>%1 values: %2 in place, %3 moved, %4 not found.</source>
        <translation>%1 valores: %2 no lugar, %3 movidos, %4 não encontrados.</translation>
    </message>
    <message>
        <source>The values not found stay where they usually are, and do not look as expected there until you edit them anyway.</source>
        <translation>Os valores não encontrados ficam no lugar de costume e lá não estão como esperado, até que você os edite mesmo assim.</translation>
    </message>
    <message>
        <source>Save Layout writes the moved ones to %1; the editors then read and write them there.</source>
        <translation>Salvar layout grava os movidos em %1; os editores passam a lê-los e gravá-los lá.</translation>
    </message>
    <message>
        <source>No value moved: there is no layout to save.</source>
        <translation>Nenhum valor movido: não há layout a salvar.</translation>
    </message>
    <message>
        <source>&amp;Save Layout</source>
        <translation>&amp;Salvar layout</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>[ not selected ]</source>
        <translation>[ nenhuma selecionada ]</translation>
    </message>
    <message>
        <source>&amp;Select a ROM...</source>
        <translation>&amp;Selecionar uma ROM...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recentes</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>&amp;Editor</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Imagem</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Open ROM...</source>
        <translation>&amp;Abrir ROM...</translation>
    </message>
    <message>
        <source>Save a &amp;Copy...</source>
        <translation>Salvar uma &amp;cópia...</translation>
    </message>
    <message>
        <source>Re&amp;vert</source>
        <translation>Re&amp;verter</translation>
    </message>
    <message>
        <source>Create &amp;Patch...</source>
        <translation>Criar &amp;patch...</translation>
    </message>
    <message>
        <source>Play in &amp;Emulator</source>
        <translation>Jogar no &amp;emulador</translation>
    </message>
    <message>
        <source>&amp;Emulator...</source>
        <translation>&amp;Emulador...</translation>
    </message>
    <message>
        <source>&amp;Back Up Before Saving</source>
        <translation>Fazer &amp;backup antes de salvar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Art Viewer</source>
        <translation>&amp;Visualizador de gráficos</translation>
    </message>
    <message>
        <source>&amp;Demos Editor</source>
        <translation>Editor de &amp;demos</translation>
    </message>
    <message>
        <source>&amp;Object Editor</source>
        <translation>Editor de &amp;objetos</translation>
    </message>
    <message>
        <source>&amp;Palette Editor</source>
        <translation>Editor de &amp;paletas</translation>
    </message>
    <message>
        <source>&amp;Text Editor</source>
        <translation>Editor de &amp;textos</translation>
    </message>
    <message>
        <source>&amp;Water Editor</source>
        <translation>Editor de á&amp;gua</translation>
    </message>
    <message>
        <source>D&amp;isassembler</source>
        <translation>De&amp;sassemblador</translation>
    </message>
    <message>
        <source>&amp;Fix Checksum</source>
        <translation>&amp;Corrigir checksum</translation>
    </message>
    <message>
        <source>&amp;Repair Checksum Now</source>
        <translation>&amp;Reparar checksum agora</translation>
    </message>
    <message>
        <source>&amp;Locate Moved Values...</source>
        <translation>&amp;Localizar valores movidos...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Sobre o &amp;Qt</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Fix Checksum is off</source>
        <translation>Corrigir checksum desativado</translation>
    </message>
    <message>
        <source>Saves leave the header&apos;s checksum as it is (Editor &gt; Fix Checksum)</source>
        <translation>Ao salvar, o checksum do cabeçalho fica como está (Editor &gt; Corrigir checksum)</translation>
    </message>
    <message>
        <source>v%1</source>
        <translation>v%1</translation>
    </message>
    <message>
        <source>You have to select a file</source>
        <translation>É preciso selecionar um arquivo</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>%1 moves %2 of the values</source>
        <translation>%1 move %2 dos valores</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>%1 of %2 values do not look as expected at their usual place: this image may be modified (Image &gt; Locate Moved Values...).</source>
        <translation>%1 de %2 valores não estão como esperado no lugar de costume: esta imagem pode estar modificada (Imagem &gt; Localizar valores movidos...).</translation>
    </message>
    <message>
        <source>%1 of %2 values do not look as expected at their place: this image may be modified (Image &gt; Locate Moved Values...).</source>
        <translation>%1 de %2 valores não estão como esperado no seu lugar: esta imagem pode estar modificada (Imagem &gt; Localizar valores movidos...).</translation>
    </message>
    <message>
        <source>not checked: %1</source>
        <translation>não verificados: %1</translation>
    </message>
    <message>
        <source>Untouched original image</source>
        <translation>Imagem original intacta</translation>
    </message>
    <message>
        <source>Cannot use %1: %2</source>
        <translation>Não é possível usar %1: %2</translation>
    </message>
    <message>
        <source>Wrote %1; the image is read through it.</source>
        <translation>%1 gravado; a imagem passa a ser lida por ele.</translation>
    </message>
    <message>
        <source>%1 holds an unsaved edit of the same bytes (at %2). Save over it?</source>
        <translation>%1 tem uma edição não salva dos mesmos bytes (em %2). Salvar por cima?</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Cabeçalho</translation>
    </message>
    <message>
        <source>no &quot;SEGA&quot; at 0x100: not a Mega Drive cartridge header</source>
        <translation>sem &quot;SEGA&quot; em 0x100: não é um cabeçalho de cartucho de Mega Drive</translation>
    </message>
    <message>
        <source>none: a save state is not edited</source>
        <translation>nenhum: save states não são editados</translation>
    </message>
    <message>
        <source>none: this program does not know this game</source>
        <translation>nenhum: este programa não conhece este jogo</translation>
    </message>
    <message>
        <source>No editor of this program serves %1.</source>
        <translation>Nenhum editor deste programa serve para %1.</translation>
    </message>
    <message>
        <source>Editors</source>
        <translation>Editores</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Acesso</translation>
    </message>
    <message>
        <source>read-only: the editors show it, none saves</source>
        <translation>somente leitura: os editores a exibem, nenhum salva</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 bytes (%2)</translation>
    </message>
    <message>
        <source>Checksum</source>
        <translation>Checksum</translation>
    </message>
    <message>
        <source>being summed…</source>
        <translation>sendo calculado…</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>não lido: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MISMATCH</source>
        <translation>NÃO CONFERE</translation>
    </message>
    <message>
        <source>stored %1, computed %2: %3</source>
        <translation>armazenado %1, calculado %2: %3</translation>
    </message>
    <message>
        <source>ROM end</source>
        <translation>Fim da ROM</translation>
    </message>
    <message>
        <source>stored %1, expected %2: %3</source>
        <translation>armazenado %1, esperado %2: %3</translation>
    </message>
    <message>
        <source>nothing to sum (0x200 bytes or fewer)</source>
        <translation>nada a somar (0x200 bytes ou menos)</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>Limpar recentes</translation>
    </message>
    <message>
        <source>%1 no longer exists; it was taken off the recent images.</source>
        <translation>%1 não existe mais; foi removido das imagens recentes.</translation>
    </message>
    <message>
        <source>Not a Mega Drive cartridge image</source>
        <translation>Não é uma imagem de cartucho de Mega Drive</translation>
    </message>
    <message>
        <source>Unknown ROM - %1</source>
        <translation>ROM desconhecida - %1</translation>
    </message>
    <message>
        <source>%1 ROM</source>
        <translation>ROM de %1</translation>
    </message>
    <message>
        <source>Original image</source>
        <translation>Imagem original</translation>
    </message>
    <message>
        <source>Save patch</source>
        <translation>Salvar patch</translation>
    </message>
    <message>
        <source>BPS patch (*.bps);;IPS patch (*.ips)</source>
        <translation>Patch BPS (*.bps);;Patch IPS (*.ips)</translation>
    </message>
    <message>
        <source>The patch cannot be written over one of its images; nothing was written</source>
        <translation>O patch não pode ser gravado por cima de uma de suas imagens; nada foi gravado</translation>
    </message>
    <message>
        <source>The original&apos;s serial &quot;%1&quot; is not the selected image&apos;s &quot;%2&quot;. Make the patch from it all the same?</source>
        <translation>O serial do original, &quot;%1&quot;, não é o da imagem selecionada, &quot;%2&quot;. Criar o patch a partir dele mesmo assim?</translation>
    </message>
    <message>
        <source>The %1 patch holds %L2 bytes.</source>
        <translation>O patch %1 tem %L2 bytes.</translation>
    </message>
    <message>
        <source>Playing %1 as saved.</source>
        <translation>Rodando %1 como está salvo.</translation>
    </message>
    <message>
        <source>No temporary folder for the copy to play: %1</source>
        <translation>Não há pasta temporária para a cópia a rodar: %1</translation>
    </message>
    <message>
        <source>Playing a copy of %1 with the unsaved edits of %2 (the image is unchanged).</source>
        <translation>Rodando uma cópia de %1 com as edições não salvas feitas com %2 (a imagem não foi alterada).</translation>
    </message>
    <message>
        <source>%1 is read-only: keep the unsaved edits in %2 in a copy of it?</source>
        <translation>%1 é somente leitura: manter numa cópia dele as edições não salvas feitas com %2?</translation>
    </message>
    <message>
        <source>Save the unsaved edits in %1 to %2?</source>
        <translation>Salvar em %2 as edições não salvas feitas com %1?</translation>
    </message>
    <message>
        <source>Save a Copy...</source>
        <translation>Salvar uma cópia...</translation>
    </message>
    <message>
        <source>Save a Copy</source>
        <translation>Salvar uma cópia</translation>
    </message>
    <message>
        <source>No editor holds unsaved edits.</source>
        <translation>Nenhum editor tem edições não salvas.</translation>
    </message>
    <message>
        <source>Discard the unsaved edits in %1?</source>
        <translation>Descartar as edições não salvas feitas com %1?</translation>
    </message>
    <message>
        <source>The editors show %1 as saved.</source>
        <translation>Os editores mostram %1 como está salvo.</translation>
    </message>
    <message>
        <source>%1 is read-only: its checksum cannot be repaired</source>
        <translation>%1 é somente leitura: seu checksum não pode ser reparado</translation>
    </message>
    <message>
        <source>Checksum of %1 repaired.</source>
        <translation>Checksum de %1 reparado.</translation>
    </message>
    <message>
        <source>The checksum of %1 was already right; nothing was written.</source>
        <translation>O checksum de %1 já estava certo; nada foi gravado.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;An editor of the demos, water levels, objects, texts and palettes of the cartridge images of the Pelbo Mega Drive games.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Pelbo Korvane developers&lt;/p&gt;&lt;p&gt;This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.&lt;/p&gt;&lt;p&gt;This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;GNU General Public License&lt;/a&gt; for more details.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Versão %2&lt;/p&gt;&lt;p&gt;Um editor das demos, dos níveis da água, dos objetos, dos textos e das paletas das imagens de cartucho dos jogos Pelbo de Mega Drive.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Pelbo Korvane developers&lt;/p&gt;&lt;p&gt;Este programa é software livre: você pode redistribuí-lo e/ou modificá-lo sob os termos da Licença Pública Geral GNU, conforme publicada pela Free Software Foundation, na versão 3 da Licença ou (a seu critério) qualquer versão posterior.&lt;/p&gt;&lt;p&gt;Este programa é distribuído na esperança de que seja útil, mas SEM NENHUMA GARANTIA; sem mesmo a garantia implícita de COMERCIALIZAÇÃO ou de ADEQUAÇÃO A UM DETERMINADO FIM. Consulte a &lt;a href=&quot;https://www.gnu.org/licenses/gpl-3.0.html&quot;&gt;Licença Pública Geral GNU&lt;/a&gt; para mais detalhes.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>The language changes when Pelbo Korvane starts again.</source>
        <translation>O idioma muda quando o Pelbo Korvane for aberto de novo.</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um valor inteiro válido</translation>
    </message>
    <message>
        <source>hexadecimal %1 to %2</source>
        <translation>hexadecimal de %1 a %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation>%1 a %2 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &quot;%2&quot; (%3).</source>
        <translation>&apos;%1&apos; não é um valor válido para &quot;%2&quot; (%3).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range for &quot;%2&quot; (%3).</source>
        <translation>&apos;%1&apos; está fora do intervalo de &quot;%2&quot; (%3).</translation>
    </message>
</context>
<context>
    <name>ObjectEditor</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save and &amp;Play</source>
        <translation>Salvar e &amp;jogar</translation>
    </message>
    <message>
        <source>Save, then play the image in the emulator (Ctrl+F5)</source>
        <translation>Salva e depois roda a imagem no emulador (Ctrl+F5)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Chave</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Bosses</source>
        <translation>Chefes</translation>
    </message>
    <message>
        <source>Pelbo And Tails</source>
        <translation>Pelbo e Tails</translation>
    </message>
    <message>
        <source>How many hits each boss takes</source>
        <translation>Quantos golpes cada chefe aguenta</translation>
    </message>
    <message>
        <source>Pelbo and Tails</source>
        <translation>Pelbo e Tails</translation>
    </message>
    <message>
        <source>Starting lives and movement constants of Pelbo and Tails</source>
        <translation>Vidas iniciais e constantes de movimento de Pelbo e Tails</translation>
    </message>
    <message>
        <source>%1 (also $680, 0x680 or 680h)</source>
        <translation>%1 (também $680, 0x680 ou 680h)</translation>
    </message>
    <message>
        <source>%1; -1 is stored as 65535; hexadecimal as $10, 0x10 or 10h</source>
        <translation>%1; -1 é gravado como 65535; hexadecimal como $10, 0x10 ou 10h</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A row&apos;s name, then the form of its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ObjectModel</name>
    <message>
        <source>EHZ boss hits</source>
        <translation>Golpes no chefe da EHZ</translation>
    </message>
    <message>
        <source>CPZ boss hits</source>
        <translation>Golpes no chefe da CPZ</translation>
    </message>
    <message>
        <source>ARZ boss hits</source>
        <translation>Golpes no chefe da ARZ</translation>
    </message>
    <message>
        <source>CNZ boss hits</source>
        <translation>Golpes no chefe da CNZ</translation>
    </message>
    <message>
        <source>HTZ boss hits</source>
        <translation>Golpes no chefe da HTZ</translation>
    </message>
    <message>
        <source>MCZ boss hits</source>
        <translation>Golpes no chefe da MCZ</translation>
    </message>
    <message>
        <source>OOZ boss hits</source>
        <translation>Golpes no chefe da OOZ</translation>
    </message>
    <message>
        <source>MTZ boss hits</source>
        <translation>Golpes no chefe da MTZ</translation>
    </message>
    <message>
        <source>MTZ boss hits until enabling laser</source>
        <translation>Golpes no chefe da MTZ até ativar o laser</translation>
    </message>
    <message>
        <source>WFZ boss hits</source>
        <translation>Golpes no chefe da WFZ</translation>
    </message>
    <message>
        <source>Silver Pelbo hits</source>
        <translation>Golpes no Silver Pelbo</translation>
    </message>
    <message>
        <source>Final boss hits</source>
        <translation>Golpes no chefe final</translation>
    </message>
    <message>
        <source>Pelbo starting lives in level</source>
        <translation>Vidas iniciais de Pelbo na fase</translation>
    </message>
    <message>
        <source>Pelbo starting lives in demo</source>
        <translation>Vidas iniciais de Pelbo na demo</translation>
    </message>
    <message>
        <source>Pelbo starting lives in level (level select)</source>
        <translation>Vidas iniciais de Pelbo na fase (seleção de fase)</translation>
    </message>
    <message>
        <source>Pelbo starting lives in special stage (level select)</source>
        <translation>Vidas iniciais de Pelbo no estágio especial (seleção de fase)</translation>
    </message>
    <message>
        <source>Pelbo max speed</source>
        <translation>Velocidade máxima de Pelbo</translation>
    </message>
    <message>
        <source>Pelbo acceleration</source>
        <translation>Aceleração de Pelbo</translation>
    </message>
    <message>
        <source>Pelbo deceleration</source>
        <translation>Desaceleração de Pelbo</translation>
    </message>
    <message>
        <source>Pelbo max speed after sneakers wear off</source>
        <translation>Velocidade máxima de Pelbo após o efeito do tênis</translation>
    </message>
    <message>
        <source>Pelbo acceleration after sneakers wear off</source>
        <translation>Aceleração de Pelbo após o efeito do tênis</translation>
    </message>
    <message>
        <source>Pelbo deceleration after sneakers wear off</source>
        <translation>Desaceleração de Pelbo após o efeito do tênis</translation>
    </message>
    <message>
        <source>Pelbo max speed underwater</source>
        <translation>Velocidade máxima de Pelbo debaixo d&apos;água</translation>
    </message>
    <message>
        <source>Pelbo acceleration underwater</source>
        <translation>Aceleração de Pelbo debaixo d&apos;água</translation>
    </message>
    <message>
        <source>Pelbo deceleration underwater</source>
        <translation>Desaceleração de Pelbo debaixo d&apos;água</translation>
    </message>
    <message>
        <source>Pelbo max speed underwater with sneakers</source>
        <translation>Velocidade máxima de Pelbo debaixo d&apos;água com tênis</translation>
    </message>
    <message>
        <source>Pelbo acceleration underwater with sneakers</source>
        <translation>Aceleração de Pelbo debaixo d&apos;água com tênis</translation>
    </message>
    <message>
        <source>Pelbo deceleration underwater with sneakers</source>
        <translation>Desaceleração de Pelbo debaixo d&apos;água com tênis</translation>
    </message>
    <message>
        <source>Pelbo jump height</source>
        <translation>Altura do pulo de Pelbo</translation>
    </message>
    <message>
        <source>Pelbo jump height with sneakers</source>
        <translation>Altura do pulo de Pelbo com tênis</translation>
    </message>
    <message>
        <source>Tails starting lives in level</source>
        <translation>Vidas iniciais de Tails na fase</translation>
    </message>
    <message>
        <source>Tails starting lives in demo</source>
        <translation>Vidas iniciais de Tails na demo</translation>
    </message>
    <message>
        <source>Tails starting lives in level (level select)</source>
        <translation>Vidas iniciais de Tails na fase (seleção de fase)</translation>
    </message>
    <message>
        <source>Tails starting lives in special stage (level select)</source>
        <translation>Vidas iniciais de Tails no estágio especial (seleção de fase)</translation>
    </message>
    <message>
        <source>Tails max speed</source>
        <translation>Velocidade máxima de Tails</translation>
    </message>
    <message>
        <source>Tails acceleration</source>
        <translation>Aceleração de Tails</translation>
    </message>
    <message>
        <source>Tails deceleration</source>
        <translation>Desaceleração de Tails</translation>
    </message>
    <message>
        <source>Tails max speed underwater</source>
        <translation>Velocidade máxima de Tails debaixo d&apos;água</translation>
    </message>
    <message>
        <source>Tails acceleration underwater</source>
        <translation>Aceleração de Tails debaixo d&apos;água</translation>
    </message>
    <message>
        <source>Tails deceleration underwater</source>
        <translation>Desaceleração de Tails debaixo d&apos;água</translation>
    </message>
    <message>
        <source>Tails jump height</source>
        <translation>Altura do pulo de Tails</translation>
    </message>
    <message>
        <source>Tails jump height (???)</source>
        <translation>Altura do pulo de Tails (???)</translation>
    </message>
    <message>
        <source>Not every object value has been read from this ROM; nothing was saved</source>
        <translation>Nem todos os valores de objetos foram lidos desta ROM; nada foi salvo</translation>
    </message>
    <message>
        <source>a number of lives</source>
        <translation>um número de vidas</translation>
    </message>
    <message>
        <source>a boss hit count</source>
        <translation>um número de golpes de chefe</translation>
    </message>
</context>
<context>
    <name>ObjectValues</name>
    <message>
        <source>%1: %2; rows from &quot;%3&quot; on left out</source>
        <extracomment>%1 is the section&apos;s key, %2 why a row could not be read, %3 that row&apos;s key.</extracomment>
        <translation>%1: %2; linhas a partir de &quot;%3&quot; omitidas</translation>
    </message>
</context>
<context>
    <name>PaletteEditor</name>
    <message>
        <source>Palette Editor</source>
        <translation>Editor de paletas</translation>
    </message>
    <message>
        <source>Pa&amp;lettes</source>
        <translation>&amp;Paletas</translation>
    </message>
    <message>
        <source>O&amp;ffset</source>
        <translation>&amp;Deslocamento</translation>
    </message>
    <message>
        <source>Colour &amp;word</source>
        <translation>Pala&amp;vra de cor</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>&amp;Alterar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>B</source>
        <comment>blue</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>G</source>
        <comment>green</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>R</source>
        <comment>red</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Cor %1</translation>
    </message>
    <message>
        <source>Palettes</source>
        <translation>Paletas</translation>
    </message>
    <message>
        <source>The palettes of the game&apos;s palette list</source>
        <translation>As paletas da lista de paletas do jogo</translation>
    </message>
    <message>
        <source>Colour word</source>
        <translation>Palavra de cor</translation>
    </message>
    <message>
        <source>The selected colour as the image holds it: hexadecimal 0000 to FFFF (also $0EEE, 0x0EEE or EEEh), 0EEE at most for a Mega Drive colour; Change or Enter stores it</source>
        <translation>A cor selecionada como a imagem a guarda: hexadecimal de 0000 a FFFF (ou $0EEE, 0x0EEE, EEEh), no máximo 0EEE para uma cor do Mega Drive; Alterar ou Enter a grava</translation>
    </message>
    <message>
        <source>Offset of the colour</source>
        <translation>Deslocamento da cor</translation>
    </message>
    <message>
        <source>Where the selected colour lies in the image: hexadecimal</source>
        <translation>Onde a cor selecionada fica na imagem: hexadecimal</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>The blue level of the selected colour</source>
        <translation>O nível de azul da cor selecionada</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>The green level of the selected colour</source>
        <translation>O nível de verde da cor selecionada</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>The red level of the selected colour</source>
        <translation>O nível de vermelho da cor selecionada</translation>
    </message>
    <message>
        <source>Blue level</source>
        <translation>Nível de azul</translation>
    </message>
    <message>
        <source>Green level</source>
        <translation>Nível de verde</translation>
    </message>
    <message>
        <source>Red level</source>
        <translation>Nível de vermelho</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
</context>
<context>
    <name>PaletteList</name>
    <message>
        <source>The palette list has more than %1 lines; the rest was not read</source>
        <translation>A lista de paletas tem mais de %1 linhas; o resto não foi lido</translation>
    </message>
    <message>
        <source>The palette &quot;%1&quot; has %2 colours, more than the %3 the editor can hold; it is not loaded</source>
        <translation>A paleta &quot;%1&quot; tem %2 cores, mais que as %3 que o editor comporta; ela não foi carregada</translation>
    </message>
</context>
<context>
    <name>PaletteModel</name>
    <message>
        <source>No palette has been read from this ROM; nothing was saved</source>
        <translation>Nenhuma paleta foi lida desta ROM; nada foi salvo</translation>
    </message>
    <message>
        <source>Only %1 of the %2 colours of this palette could be read from the ROM; nothing was saved</source>
        <translation>Só %1 das %2 cores desta paleta puderam ser lidas da ROM; nada foi salvo</translation>
    </message>
    <message>
        <source>a colour word</source>
        <translation>uma palavra de cor</translation>
    </message>
</context>
<context>
    <name>PaletteValues</name>
    <message>
        <source>%1: %2; the palettes left out</source>
        <translation>%1: %2; paletas omitidas</translation>
    </message>
    <message>
        <source>%1: %2: %3; left out</source>
        <translation>%1: %2: %3; omitida</translation>
    </message>
    <message>
        <source>%1 colour %2</source>
        <translation>%1 cor %2</translation>
    </message>
</context>
<context>
    <name>Patches</name>
    <message>
        <source>the patch is truncated</source>
        <translation>o patch está truncado</translation>
    </message>
    <message>
        <source>the patch holds a number too large to be a size or an offset</source>
        <translation>o patch contém um número grande demais para ser um tamanho ou deslocamento</translation>
    </message>
    <message>
        <source>not a BPS patch: it does not start with &quot;BPS1&quot;</source>
        <translation>não é um patch BPS: não começa com &quot;BPS1&quot;</translation>
    </message>
    <message>
        <source>the patch is corrupted or truncated: its CRC does not match</source>
        <translation>o patch está corrompido ou truncado: seu CRC não confere</translation>
    </message>
    <message>
        <source>the changed image is %1 bytes, larger than any cartridge image</source>
        <translation>a imagem alterada tem %1 bytes, mais que qualquer imagem de cartucho</translation>
    </message>
    <message>
        <source>the original is %1 bytes, the patch is for one of %2 bytes</source>
        <translation>o original tem %1 bytes, o patch é para um de %2 bytes</translation>
    </message>
    <message>
        <source>the original is not the image the patch was made for: its CRC does not match</source>
        <translation>o original não é a imagem para a qual o patch foi feito: seu CRC não confere</translation>
    </message>
    <message>
        <source>the patch makes an image of %1 bytes, larger than any cartridge image</source>
        <translation>o patch gera uma imagem de %1 bytes, maior que qualquer imagem de cartucho</translation>
    </message>
    <message>
        <source>an action of the patch writes past the end of the target it states</source>
        <translation>uma ação do patch grava além do fim do destino que ele declara</translation>
    </message>
    <message>
        <source>an action of the patch reads past the end of the original</source>
        <translation>uma ação do patch lê além do fim do original</translation>
    </message>
    <message>
        <source>an action of the patch reads past the end of the target made so far</source>
        <translation>uma ação do patch lê além do fim do destino gerado até aqui</translation>
    </message>
    <message>
        <source>the patch makes %1 bytes, not the %2 it states</source>
        <translation>o patch gera %1 bytes, não os %2 que declara</translation>
    </message>
    <message>
        <source>the result does not match the patch&apos;s target CRC</source>
        <translation>o resultado não confere com o CRC de destino do patch</translation>
    </message>
    <message>
        <source>not an IPS patch: it does not start with &quot;PATCH&quot;</source>
        <translation>não é um patch IPS: não começa com &quot;PATCH&quot;</translation>
    </message>
    <message>
        <source>a run record of the patch repeats its byte 0 times</source>
        <translation>um registro RLE do patch repete seu byte 0 vezes</translation>
    </message>
    <message>
        <source>a record of the patch reaches past 16 MiB, which IPS cannot address</source>
        <translation>um registro do patch vai além de 16 MiB, que o IPS não consegue endereçar</translation>
    </message>
    <message>
        <source>the patch holds unexpected bytes after its &quot;EOF&quot;</source>
        <translation>o patch contém bytes inesperados após seu &quot;EOF&quot;</translation>
    </message>
    <message>
        <source>a change at %1 lies past 16 MiB, which IPS cannot address; use BPS</source>
        <translation>uma alteração em %1 fica além de 16 MiB, que o IPS não consegue endereçar; use BPS</translation>
    </message>
    <message>
        <source>the changed image is longer than an IPS patch can state; use BPS</source>
        <translation>a imagem alterada é maior do que um patch IPS consegue declarar; use BPS</translation>
    </message>
    <message>
        <source>not a patch: it starts neither with &quot;BPS1&quot; nor with &quot;PATCH&quot;</source>
        <translation>não é um patch: não começa com &quot;BPS1&quot; nem com &quot;PATCH&quot;</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>%1: %2 is no regular file: the settings of this run are not kept</source>
        <translation>%1: %2 não é um arquivo comum: as configurações desta execução não serão mantidas</translation>
    </message>
    <message>
        <source>An editor of the values of Mega Drive cartridge images.</source>
        <translation>Um editor dos valores de imagens de cartucho de Mega Drive.</translation>
    </message>
    <message>
        <source>The image to select at start.</source>
        <translation>A imagem a selecionar ao iniciar.</translation>
    </message>
    <message>
        <source>Show the program in LANGUAGE (en, pt_BR, es) for this run.</source>
        <translation>Mostra o programa em IDIOMA (en, pt_BR, es) nesta execução.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IDIOMA</translation>
    </message>
</context>
<context>
    <name>ReadOnly</name>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (somente leitura)</translation>
    </message>
    <message>
        <source>The image is read-only: it can be looked at, not saved.</source>
        <translation>A imagem é somente leitura: pode ser vista, mas não salva.</translation>
    </message>
</context>
<context>
    <name>RomOpenDialog</name>
    <message>
        <source>Cartridge images (*.bin *.gen *.md *.smd);;Genecyst save states (*.gs*);;All supported files (*.bin *.gen *.md *.smd *.gs*);;All files (*)</source>
        <translation>Imagens de cartucho (*.bin *.gen *.md *.smd);;Save states do Genecyst (*.gs*);;Todos os arquivos suportados (*.bin *.gen *.md *.smd *.gs*);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message numerus="yes">
        <source>Saved %1: %n value(s); checksum left as it was (Fix Checksum is off).</source>
        <translation>
            <numerusform>%1 salvo: %n valor; checksum deixado como estava (Corrigir checksum desativado).</numerusform>
            <numerusform>%1 salvo: %n valores; checksum deixado como estava (Corrigir checksum desativado).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n value(s); checksum repaired.</source>
        <translation>
            <numerusform>%1 salvo: %n valor; checksum reparado.</numerusform>
            <numerusform>%1 salvo: %n valores; checksum reparado.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n value(s); checksum already right.</source>
        <translation>
            <numerusform>%1 salvo: %n valor; checksum já estava certo.</numerusform>
            <numerusform>%1 salvo: %n valores; checksum já estava certo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemErrors</name>
    <message>
        <source>held by another program</source>
        <translation>em uso por outro programa</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou pasta não encontrado</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>É uma pasta</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento inválido</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de arquivos somente leitura</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Sem espaço livre no dispositivo</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Arquivos abertos demais</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome de arquivo longo demais</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Não foi possível alocar memória</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Arquivo grande demais</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Níveis demais de links simbólicos</translation>
    </message>
    <message>
        <source>Too many links</source>
        <translation>Links demais</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erro de entrada/saída</translation>
    </message>
</context>
<context>
    <name>TextCodec</name>
    <message>
        <source>The character %1 has no code in the game&apos;s texts</source>
        <translation>O caractere %1 não tem código nos textos do jogo</translation>
    </message>
</context>
<context>
    <name>TextEditor</name>
    <message>
        <source>Text Editor</source>
        <translation>Editor de textos</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Adds the copyright sign</source>
        <translation>Adiciona o símbolo de copyright</translation>
    </message>
    <message>
        <source>2 Player Mode</source>
        <translation>Modo 2 jogadores</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save and &amp;Play</source>
        <translation>Salvar e &amp;jogar</translation>
    </message>
    <message>
        <source>Save, then play the image in the emulator (Ctrl+F5)</source>
        <translation>Salva e depois roda a imagem no emulador (Ctrl+F5)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>%1: at most %2 characters of the game&apos;s: space, digits, letters, * © : .</source>
        <translation>%1: no máximo %2 caracteres do jogo: espaço, dígitos, letras, * © : .</translation>
    </message>
    <message>
        <source>This text holds codes that have no character; they are shown in hexadecimal and cannot be edited here.</source>
        <translation>Este texto contém códigos sem caractere; eles aparecem em hexadecimal e não podem ser editados aqui.</translation>
    </message>
</context>
<context>
    <name>TextModel</name>
    <message>
        <source>2 Player Mode text %1</source>
        <translation>Texto %1 do modo 2 jogadores</translation>
    </message>
    <message>
        <source>Options text %1</source>
        <translation>Texto %1 das opções</translation>
    </message>
    <message>
        <source>Copyright text</source>
        <translation>Texto do copyright</translation>
    </message>
    <message>
        <source>%1: the text has %2 characters, more than the %3 the game keeps. Nothing was saved.</source>
        <translation>%1: o texto tem %2 caracteres, mais que os %3 que o jogo comporta. Nada foi salvo.</translation>
    </message>
    <message>
        <source>%1: the character %2 has no code in the game&apos;s texts. Nothing was saved.</source>
        <translation>%1: o caractere %2 não tem código nos textos do jogo. Nada foi salvo.</translation>
    </message>
    <message>
        <source>Not every text has been read from this ROM; nothing was saved</source>
        <translation>Nem todos os textos foram lidos desta ROM; nada foi salvo</translation>
    </message>
    <message>
        <source>a text of the game</source>
        <translation>um texto do jogo</translation>
    </message>
    <message>
        <source>%1 holds codes that have no character; it cannot be changed here. Nothing was saved.</source>
        <translation>%1 contém códigos sem caractere; não pode ser alterado aqui. Nada foi salvo.</translation>
    </message>
</context>
<context>
    <name>TextValues</name>
    <message>
        <source>%1: %2; texts from %3 on left out</source>
        <translation>%1: %2; textos a partir de %3 omitidos</translation>
    </message>
</context>
<context>
    <name>ToolMessages</name>
    <message>
        <source>it is no regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>larger than %1 MiB, more than a values document may hold</source>
        <translation>maior que %1 MiB, mais do que um documento de valores pode ter</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>não foi possível ler a entrada padrão: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>MISMATCH</source>
        <translation>NÃO CONFERE</translation>
    </message>
    <message>
        <source>game:      unknown, serial &quot;%1&quot;</source>
        <translation>jogo:       desconhecido, serial &quot;%1&quot;</translation>
    </message>
    <message>
        <source>game:      %1 (%2)</source>
        <translation>jogo:       %1 (%2)</translation>
    </message>
    <message>
        <source>size:      %1 bytes</source>
        <translation>tamanho:    %1 bytes</translation>
    </message>
    <message>
        <source>checksum:  stored %1, computed %2, %3</source>
        <translation>checksum:   gravado %1, calculado %2, %3</translation>
    </message>
    <message>
        <source>ROM end:   stored %1, expected %2, %3</source>
        <translation>fim da ROM: gravado %1, esperado %2, %3</translation>
    </message>
    <message>
        <source>checksum:  stored %1, nothing to sum (0x200 bytes or fewer)</source>
        <translation>checksum:   gravado %1, nada a somar (0x200 bytes ou menos)</translation>
    </message>
    <message>
        <source>%1; nothing was written (--force repairs it)</source>
        <translation>%1; nada foi gravado (--force corrige o cabeçalho)</translation>
    </message>
    <message>
        <source>%1: 0x200 bytes or fewer, nothing to sum: left alone</source>
        <translation>%1: 0x200 bytes ou menos, nada a somar: não alterado</translation>
    </message>
    <message>
        <source>%1: checksum %2 -&gt; %3, ROM end %4 -&gt; %5</source>
        <translation>%1: checksum %2 -&gt; %3, fim da ROM %4 -&gt; %5</translation>
    </message>
    <message>
        <source>no editor serves this image (game &quot;%1&quot;): nothing to export</source>
        <translation>nenhum editor atende esta imagem (jogo &quot;%1&quot;): nada a exportar</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>esperado um objeto JSON</translation>
    </message>
    <message>
        <source>%1: not a suspect value; --edit-anyway ignored for it</source>
        <translation>%1: não é um valor suspeito; --edit-anyway ignorado para ele</translation>
    </message>
    <message>
        <source>%1; nothing was written (--no-fix leaves the header, --force repairs it)</source>
        <translation>%1; nada foi gravado (--no-fix mantém o cabeçalho, --force o corrige)</translation>
    </message>
    <message>
        <source>%1: %2; nothing was written (--edit-anyway &apos;%1&apos; writes it)</source>
        <translation>%1: %2; nada foi gravado (--edit-anyway &apos;%1&apos; grava mesmo assim)</translation>
    </message>
    <message>
        <source>another program changed the image while it was read; nothing was written</source>
        <translation>outro programa alterou a imagem durante a leitura; nada foi gravado</translation>
    </message>
    <message>
        <source>the images are of different games (%1 and %2)</source>
        <translation>as imagens são de jogos diferentes (%1 e %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 other byte(s) differ outside the editors&apos; values and the header</source>
        <translation>
            <numerusform>%1 outro byte difere fora dos valores dos editores e do cabeçalho</numerusform>
            <numerusform>%1 outros bytes diferem fora dos valores dos editores e do cabeçalho</numerusform>
        </translation>
    </message>
    <message>
        <source>the output is one of the inputs; nothing was written</source>
        <translation>a saída é uma das entradas; nada foi gravado</translation>
    </message>
    <message>
        <source>cannot remove %1 (left by a run that ended)</source>
        <translation>não foi possível remover %1 (deixado por uma execução interrompida)</translation>
    </message>
    <message>
        <source>format:    %1</source>
        <translation>formato:   %1</translation>
    </message>
    <message>
        <source>original:  %1 bytes, CRC32 %2</source>
        <translation>original:  %1 bytes, CRC32 %2</translation>
    </message>
    <message>
        <source>changed:   %1 bytes, CRC32 %2</source>
        <translation>alterado:  %1 bytes, CRC32 %2</translation>
    </message>
    <message>
        <source>patch:     %1 bytes, CRC32 %2 (OK)</source>
        <translation>patch:     %1 bytes, CRC32 %2 (OK)</translation>
    </message>
    <message>
        <source>actions:   %1</source>
        <translation>ações:     %1</translation>
    </message>
    <message>
        <source>metadata:  %1</source>
        <translation>metadados: %1</translation>
    </message>
    <message>
        <source>records:   %1 (%2 of one repeated byte)</source>
        <translation>registros: %1 (%2 de um só byte repetido)</translation>
    </message>
    <message>
        <source>writes up to %1 bytes</source>
        <translation>grava até %1 bytes</translation>
    </message>
    <message>
        <source>changed:   cut to %1 bytes</source>
        <translation>alterado:  truncado em %1 bytes</translation>
    </message>
    <message>
        <source>only one input can come from standard input</source>
        <translation>só uma entrada pode vir da entrada padrão</translation>
    </message>
    <message>
        <source>give the patch the extension .bps or .ips, or --format bps or ips</source>
        <translation>dê ao patch a extensão .bps ou .ips, ou use --format bps ou ips</translation>
    </message>
    <message>
        <source>%1: %2 patch of %3 bytes</source>
        <translation>%1: patch %2 de %3 bytes</translation>
    </message>
    <message>
        <source>%1: %2 bytes written</source>
        <translation>%1: %2 bytes gravados</translation>
    </message>
    <message>
        <source>usage: korvane-tool %1 %2</source>
        <translation>uso: korvane-tool %1 %2</translation>
    </message>
    <message>
        <source>cannot write standard output: %1</source>
        <translation>não foi possível gravar na saída padrão: %1</translation>
    </message>
    <message>
        <source>Try &apos;korvane-tool --help&apos;.</source>
        <translation>Tente &apos;korvane-tool --help&apos;.</translation>
    </message>
    <message>
        <source>Try &apos;korvane-tool %1 --help&apos;.</source>
        <translation>Tente &apos;korvane-tool %1 --help&apos;.</translation>
    </message>
    <message>
        <source>argument %1 is not valid UTF-8, so it cannot be passed on exactly; rename the file</source>
        <translation>o argumento %1 não é UTF-8 válido e não pode ser repassado com exatidão; renomeie o arquivo</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no command</source>
        <translation>&apos;%1&apos; não é um comando</translation>
    </message>
    <message>
        <source>not a values document: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>não é um documento de valores: &quot;format&quot; deve ser &quot;%1&quot;</translation>
    </message>
    <message>
        <source>version %1 of the values document is not known; this program reads version %2</source>
        <translation>a versão %1 do documento de valores é desconhecida; este programa lê a versão %2</translation>
    </message>
    <message>
        <source>the document is for the game &quot;%1&quot;, the image is &quot;%2&quot;</source>
        <translation>o documento é do jogo &quot;%1&quot;, a imagem é de &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: no such editor for the game &quot;%2&quot;</source>
        <translation>%1: o jogo &quot;%2&quot; não tem esse editor</translation>
    </message>
    <message>
        <source>%1: expected an object</source>
        <translation>%1: esperado um objeto</translation>
    </message>
</context>
<context>
    <name>TrackedForm</name>
    <message>
        <source>change</source>
        <translation>alteração</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save and Play</source>
        <translation>Salvar e jogar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
    <message>
        <source>&amp;Edit Anyway</source>
        <translation>Editar &amp;mesmo assim</translation>
    </message>
    <message>
        <source>Let a Save write over these values</source>
        <translation>Deixa Salvar gravar por cima destes valores</translation>
    </message>
    <message>
        <source>These values do not look as expected at their place, so a Save leaves them alone; this image may be modified.</source>
        <translation>Estes valores não estão como esperado no seu lugar, então Salvar não mexe neles; esta imagem pode estar modificada.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>this editor</source>
        <translation>este editor</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>o %1</translation>
    </message>
    <message>
        <source>Save a Copy...</source>
        <translation>Salvar uma cópia...</translation>
    </message>
    <message>
        <source>%1 is read-only: keep the changes in %2 in a copy of it before closing?</source>
        <translation>%1 é somente leitura: manter numa cópia dele as alterações feitas com %2 antes de fechar?</translation>
    </message>
    <message>
        <source>Save the changes in %1 to %2 before closing?</source>
        <translation>Salvar em %2 as alterações feitas com %1 antes de fechar?</translation>
    </message>
</context>
<context>
    <name>WaterEditor</name>
    <message>
        <source>Level</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Fase &amp;1</translation>
    </message>
    <message>
        <source>Act 1</source>
        <translation>Ato 1</translation>
    </message>
    <message>
        <source>Act 2</source>
        <translation>Ato 2</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Fase &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Fase &amp;3</translation>
    </message>
    <message>
        <source>Level &amp;4</source>
        <translation>Fase &amp;4</translation>
    </message>
    <message>
        <source>Level &amp;5</source>
        <translation>Fase &amp;5</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Enable &amp;heights</source>
        <translation>Ativar &amp;alturas</translation>
    </message>
    <message>
        <source>Zone of level %1</source>
        <translation>Zona da fase %1</translation>
    </message>
    <message>
        <source>The zone the water test of level %1 names, by its name in the zone list</source>
        <translation>A zona indicada pelo teste de água da fase %1, pelo nome na lista de zonas</translation>
    </message>
    <message>
        <source>The underwater palette byte of level %1: %2 (also $0A, 0x0A or 0Ah)</source>
        <translation>O byte da paleta subaquática da fase %1: %2 (também $0A, 0x0A ou 0Ah)</translation>
    </message>
    <message>
        <source>Water height of level %1</source>
        <translation>Altura da água da fase %1</translation>
    </message>
    <message>
        <source>Not read or written by this editor</source>
        <translation>Não é lido nem gravado por este editor</translation>
    </message>
    <message>
        <source>omfg B9!!11!1</source>
        <translation>omfg B9!!11!1</translation>
    </message>
    <message>
        <source>Act 3</source>
        <translation>Ato 3</translation>
    </message>
</context>
<context>
    <name>WaterModel</name>
    <message>
        <source>No water row has been read from this ROM; nothing was saved</source>
        <translation>Nenhuma linha de água foi lida desta ROM; nada foi salvo</translation>
    </message>
    <message>
        <source>a level compare</source>
        <translation>uma comparação de fase</translation>
    </message>
    <message>
        <source>a zone of the game</source>
        <translation>uma zona do jogo</translation>
    </message>
    <message>
        <source>Underwater palette of level %1</source>
        <translation>Paleta subaquática da fase %1</translation>
    </message>
</context>
<context>
    <name>WaterValues</name>
    <message>
        <source>%1: %2; the rest left out</source>
        <extracomment>%1 is the section&apos;s key, %2 why a row could not be read.</extracomment>
        <translation>%1: %2; o resto foi omitido</translation>
    </message>
    <message>
        <source>%1: %2; the zones left out</source>
        <extracomment>%1 is the section&apos;s key, %2 why the zone list could not be read.</extracomment>
        <translation>%1: %2; zonas omitidas</translation>
    </message>
    <message>
        <source>the rows need the zone list %1, which could not be read</source>
        <translation>as linhas precisam da lista de zonas %1, que não pôde ser lida</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>esperado um objeto</translation>
    </message>
    <message>
        <source>the row is no zone or level compare and cannot be changed</source>
        <translation>a linha não é uma comparação de zona nem de fase e não pode ser alterada</translation>
    </message>
    <message>
        <source>choose a zone of the list</source>
        <translation>escolha uma zona da lista</translation>
    </message>
    <message>
        <source>%1 is not a zone of the list</source>
        <translation>%1 não é uma zona da lista</translation>
    </message>
    <message>
        <source>the act is &quot;Act 1&quot;, &quot;Act 2&quot; or &quot;Both&quot;</source>
        <extracomment>&quot;Act 1&quot;, &quot;Act 2&quot; and &quot;Both&quot; are the document&apos;s values, which stay in English.</extracomment>
        <translation>o ato é &quot;Act 1&quot;, &quot;Act 2&quot; ou &quot;Both&quot;</translation>
    </message>
    <message>
        <source>%1 has one act: choose &quot;Act 1&quot;</source>
        <extracomment>&quot;Act 1&quot; is the document&apos;s value, which stays in English.</extracomment>
        <translation>%1 tem um só ato: escolha &quot;Act 1&quot;</translation>
    </message>
</context>
<context>
    <name>korvane-tool</name>
    <message>
        <source>create ORIGINAL CHANGED OUT | apply PATCH ORIGINAL OUT | info PATCH</source>
        <extracomment>create, apply and info are the words to type; the capitals name the files.</extracomment>
        <translation>create ORIGINAL ALTERADO SAÍDA | apply PATCH ORIGINAL SAÍDA | info PATCH</translation>
    </message>
    <message>
        <source>Show the game, size, checksum and ROM end of each image.</source>
        <translation>Mostra o jogo, o tamanho, o checksum e o fim da ROM de cada imagem.</translation>
    </message>
    <message>
        <source>IMAGE...</source>
        <translation>IMAGEM...</translation>
    </message>
    <message>
        <source>Repair the header checksum and ROM end of each image.</source>
        <translation>Corrige o checksum e o fim da ROM no cabeçalho de cada imagem.</translation>
    </message>
    <message>
        <source>Write every value the game&apos;s editors show as a JSON document.</source>
        <translation>Grava, como documento JSON, todos os valores que os editores do jogo mostram.</translation>
    </message>
    <message>
        <source>IMAGE</source>
        <translation>IMAGEM</translation>
    </message>
    <message>
        <source>Check a JSON document whole, then write the values that differ.</source>
        <translation>Verifica um documento JSON por inteiro e depois grava os valores que diferem.</translation>
    </message>
    <message>
        <source>IMAGE FILE</source>
        <translation>IMAGEM ARQUIVO</translation>
    </message>
    <message>
        <source>List the values that differ between two images of one game.</source>
        <translation>Lista os valores que diferem entre duas imagens do mesmo jogo.</translation>
    </message>
    <message>
        <source>A B</source>
        <translation>A B</translation>
    </message>
    <message>
        <source>Find where the values of an untouched original lie in a modified image.</source>
        <translation>Localiza onde estão, em uma imagem modificada, os valores de um original intocado.</translation>
    </message>
    <message>
        <source>ORIGINAL IMAGE</source>
        <translation>ORIGINAL IMAGEM</translation>
    </message>
    <message>
        <source>Create, apply or describe a BPS or IPS patch.</source>
        <translation>Cria, aplica ou descreve um patch BPS ou IPS.</translation>
    </message>
    <message>
        <source>The editors&apos; values of Mega Drive cartridge images, as JSON.</source>
        <translation>Os valores dos editores de imagens de cartucho de Mega Drive, em JSON.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Run &apos;korvane-tool COMMAND --help&apos; for a command&apos;s options.</source>
        <translation>Execute &apos;korvane-tool COMANDO --help&apos; para ver as opções de um comando.</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 refused or failed, 2 wrong usage;
diff: 0 the same values, 1 they differ, 2 trouble;
locate: 0 every value placed, 1 some not, 2 trouble.</source>
        <translation>Código de saída: 0 sucesso, 1 recusado ou falhou, 2 uso incorreto;
diff: 0 valores iguais, 1 valores diferentes, 2 problema;
locate: 0 todos os valores localizados, 1 alguns não, 2 problema.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>comando</translation>
    </message>
    <message>
        <source>info, fix, export, import, diff, locate or patch.</source>
        <extracomment>The names of the commands, as they are typed.</extracomment>
        <translation>info, fix, export, import, diff, locate ou patch.</translation>
    </message>
    <message>
        <source>COMMAND [ARGUMENTS...]</source>
        <translation>COMANDO [ARGUMENTOS...]</translation>
    </message>
    <message>
        <source>Write messages and help in LANGUAGE (en, pt_BR, es) instead of the system&apos;s.</source>
        <translation>Escreve mensagens e ajuda em IDIOMA (en, pt_BR, es) em vez do idioma do sistema.</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARQUIVO</translation>
    </message>
    <message>
        <source>Print the result as JSON.</source>
        <translation>Mostra o resultado em JSON.</translation>
    </message>
    <message>
        <source>Exit with 1 when a checksum or ROM end does not match.</source>
        <translation>Sai com 1 quando um checksum ou fim da ROM não confere.</translation>
    </message>
    <message>
        <source>Repair the header of a file that is no cartridge image too.</source>
        <translation>Corrige o cabeçalho mesmo de um arquivo que não é imagem de cartucho.</translation>
    </message>
    <message>
        <source>Write the document to FILE instead of standard output.</source>
        <translation>Grava o documento em ARQUIVO em vez da saída padrão.</translation>
    </message>
    <message>
        <source>Write the layout of the moved values to FILE.</source>
        <translation>Grava o layout dos valores movidos em ARQUIVO.</translation>
    </message>
    <message>
        <source>Read the values through the layout FILE (else IMAGE.layout.json when it exists).</source>
        <translation>Lê os valores pelo layout ARQUIVO (senão, pelo IMAGE.layout.json ao lado da imagem, se existir).</translation>
    </message>
    <message>
        <source>Write the value KEY even though what was read there does not look as expected (repeatable).</source>
        <translation>Grava o valor CHAVE mesmo que o que foi lido ali não pareça o esperado (pode ser repetido).</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>CHAVE</translation>
    </message>
    <message>
        <source>Print the changes, write nothing.</source>
        <translation>Mostra as alterações sem gravar nada.</translation>
    </message>
    <message>
        <source>Leave the header checksum as it is.</source>
        <translation>Mantém o checksum do cabeçalho como está.</translation>
    </message>
    <message>
        <source>The patch format to create: bps or ips (else from OUT).</source>
        <extracomment>bps and ips are the words to type.</extracomment>
        <translation>O formato do patch a criar: bps ou ips (senão, pela extensão de SAÍDA).</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMATO</translation>
    </message>
</context>
</TS>
