<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>版本号</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Penlark 是为长篇作者写作的专注写作软件。
版权所有 © Penlark 开发者。</source>
        <translation>Penlark é um programa de escrita para autores de livros longos.
Copyright © os desenvolvedores do Penlark.</translation>
    </message>
    <message>
        <source>立即更新</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>检查新版本</source>
        <translation>Procurar nova versão</translation>
    </message>
</context>
<context>
    <name>AnalysisSyncWorker</name>
    <message>
        <source>获取云端列表出错</source>
        <translation>Não foi possível obter a lista de arquivos da nuvem</translation>
    </message>
    <message>
        <source>获取云端列表出错:</source>
        <translation>Não foi possível obter a lista de arquivos da nuvem:</translation>
    </message>
</context>
<context>
    <name>AutoChapterPage</name>
    <message>
        <source>自动章节</source>
        <translation>Capítulos automáticos</translation>
    </message>
    <message>
        <source>(无标题)</source>
        <translation>(sem título)</translation>
    </message>
    <message>
        <source>没有章节</source>
        <translation>Nenhum capítulo</translation>
    </message>
    <message numerus="yes">
        <source>%n 章</source>
        <translation>
            <numerusform>%n capítulo</numerusform>
            <numerusform>%n capítulos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BarGraph</name>
    <message>
        <source>柱状图</source>
        <translation>Gráfico de barras</translation>
    </message>
</context>
<context>
    <name>ClockInPage</name>
    <message>
        <source>打卡</source>
        <translation>Check-in</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 pontos por cada acesso diário</translation>
    </message>
</context>
<context>
    <name>CloudButton</name>
    <message>
        <source>云同步</source>
        <translation>Sincronização na nuvem</translation>
    </message>
</context>
<context>
    <name>CloudSheet</name>
    <message>
        <source>正在云同步</source>
        <translation>Sincronizando com a nuvem</translation>
    </message>
    <message>
        <source>不同步，直接退出</source>
        <translation>Sair sem sincronizar</translation>
    </message>
</context>
<context>
    <name>ConflictPage</name>
    <message>
        <source>冲突选择</source>
        <translation>Resolver conflitos</translation>
    </message>
    <message>
        <source>留下这个，删除另一个</source>
        <translation>Manter este, excluir o outro</translation>
    </message>
    <message>
        <source>All Keep</source>
        <translation>Manter todos</translation>
    </message>
    <message>
        <source>本机</source>
        <translation>Este computador</translation>
    </message>
    <message>
        <source>云端</source>
        <translation>Nuvem</translation>
    </message>
</context>
<context>
    <name>CountChartWindow</name>
    <message>
        <source>统计卡片</source>
        <translation>Cartão de estatísticas</translation>
    </message>
    <message>
        <source>近期字数</source>
        <translation>Palavras recentes</translation>
    </message>
    <message>
        <source>近期速度</source>
        <translation>Velocidade recente</translation>
    </message>
    <message>
        <source>近期用时</source>
        <translation>Tempo recente</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Palavras de hoje</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Velocidade de hoje</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Tempo de hoje</translation>
    </message>
    <message>
        <source>剩余锁定时间(分钟):</source>
        <translation>Tempo de bloqueio restante (min):</translation>
    </message>
    <message>
        <source>锁定时间没有启动</source>
        <translation>Bloqueio por tempo inativo</translation>
    </message>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Palavras restantes do bloqueio (palavras contadas): </translation>
    </message>
    <message>
        <source>锁定字数没有启动</source>
        <translation>Bloqueio por palavras inativo</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n palavra/min</numerusform>
            <numerusform>%n palavras/min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountLabel</name>
    <message>
        <source>字数: </source>
        <translation>Palavras: </translation>
    </message>
    <message>
        <source>统计中…</source>
        <translation>Contando…</translation>
    </message>
    <message>
        <source>本章: </source>
        <translation>Capítulo: </translation>
    </message>
    <message>
        <source>光标前: </source>
        <translation>Antes do cursor: </translation>
    </message>
    <message>
        <source>选中: </source>
        <translation>Seleção: </translation>
    </message>
</context>
<context>
    <name>CreateRoomSheet</name>
    <message>
        <source>创建房间</source>
        <translation>Criar sala</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>房间名称</source>
        <translation>Nome da sala</translation>
    </message>
    <message>
        <source>进入房间需要输入密码</source>
        <translation>Senha necessária para entrar na sala</translation>
    </message>
    <message>
        <source>房间密码</source>
        <translation>Senha da sala</translation>
    </message>
    <message>
        <source>重新键入</source>
        <translation>Digite novamente</translation>
    </message>
</context>
<context>
    <name>DataTypeClass</name>
    <message>
        <source>文件已损坏且无法移开，未覆盖</source>
        <translation>O arquivo está danificado e não pode ser movido; não foi substituído</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>无法完整读取文件</source>
        <translation>O arquivo não pode ser lido por inteiro</translation>
    </message>
</context>
<context>
    <name>DocumentTabPage</name>
    <message>
        <source>Open a document</source>
        <translation>Abrir um documento</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>New a document</source>
        <translation>Novo documento</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source> (已删除)</source>
        <translation> (excluído)</translation>
    </message>
    <message>
        <source> (外部文档)</source>
        <translation> (documento externo)</translation>
    </message>
    <message>
        <source>请稍等,等正在载入中的文件载入完成后再打开。</source>
        <translation>Aguarde o término do carregamento do arquivo e abra-o novamente.</translation>
    </message>
    <message>
        <source>保存失败，文档没有关闭。</source>
        <translation>Falha ao salvar; o documento não foi fechado.</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Salvo com sucesso</translation>
    </message>
    <message>
        <source>保存并关闭文档</source>
        <translation>Salvar e fechar o documento</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Importar arquivos</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Importar pasta</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>Não é possível abrir "%1": %2</translation>
    </message>
    <message>
        <source>%1：选择“%2”菜单中的“%3”，或按 %4</source>
        <translation>%1: escolha "%3" no menu "%2" ou pressione %4</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存。未保存的文字已存入：%1
关闭这个文档吗？</source>
        <translation>O arquivo foi excluído e não pode ser salvo. O texto não salvo foi guardado em: %1
Fechar este documento?</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存，未保存的文字也无处存放：关闭后这些文字会丢失。
关闭这个文档吗？</source>
        <translation>O arquivo foi excluído e não pode ser salvo, e o texto não salvo não pôde ser guardado em lugar nenhum: ao fechar ele se perde.
Fechar este documento?</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Não foi possível abrir o arquivo compactado.</translation>
    </message>
</context>
<context>
    <name>FileHistoryPage</name>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>文件</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>Novo arquivo</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronização na nuvem</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>还没有文档</source>
        <translation>Ainda não há documentos</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>合并并导出文档：</source>
        <translation>Mesclar e exportar documentos: </translation>
    </message>
</context>
<context>
    <name>FindWidget</name>
    <message>
        <source>替换</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>Nenhum resultado</translation>
    </message>
    <message>
        <source>正则表达式</source>
        <translation>Expressão regular</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Diferenciar maiúsculas</translation>
    </message>
    <message>
        <source>向上查找</source>
        <translation>Localizar anterior</translation>
    </message>
    <message>
        <source>向下查找</source>
        <translation>Localizar próximo</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>Substituir tudo</translation>
    </message>
    <message>
        <source>确认全部替换？</source>
        <translation>Substituir todas as ocorrências?</translation>
    </message>
</context>
<context>
    <name>FolderAccountSheet</name>
    <message>
        <source>文档目录属于另一个账号</source>
        <translation>A pasta de documentos pertence a outra conta</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由账号“%2”同步。</source>
        <translation>A pasta de documentos “%1” foi sincronizada pela última vez pela conta “%2”.</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由另一个账号同步。</source>
        <translation>A pasta de documentos “%1” foi sincronizada pela última vez por outra conta.</translation>
    </message>
    <message>
        <source>要把其中的文档合并到当前账号“%1”，还是为当前账号另选一个文档目录？选择之前，不会上传、下载或删除任何文档。</source>
        <translation>Mesclar seus documentos na conta conectada “%1” ou escolher outra pasta de documentos para esta conta? Até você escolher, nenhum documento será enviado, baixado ou excluído.</translation>
    </message>
    <message>
        <source>合并到当前账号</source>
        <translation>Mesclar nesta conta</translation>
    </message>
    <message>
        <source>另选文档目录</source>
        <translation>Escolher outra pasta de documentos</translation>
    </message>
</context>
<context>
    <name>FontSizeBox</name>
    <message>
        <source>放大字体</source>
        <translation>Aumentar fonte</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Diminuir fonte</translation>
    </message>
</context>
<context>
    <name>FormatManager</name>
    <message>
        <source>OpenDocument Text</source>
        <translation>Texto OpenDocument</translation>
    </message>
    <message>
        <source>OpenDocument Flat XML</source>
        <translation>OpenDocument XML simples</translation>
    </message>
    <message>
        <source>Office Open XML</source>
        <translation>Office Open XML</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>Rich Text Format</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>Texto simples</translation>
    </message>
    <message>
        <source>Markdown Text</source>
        <translation>Texto Markdown</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>Todos os arquivos suportados</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>文档类型声明了实体或属性默认值（%1），已拒绝读取。</source>
        <translation>O tipo de documento declara entidades ou valores padrão de atributos (%1); o documento foi recusado.</translation>
    </message>
    <message>
        <source>不支持文档的编码 %1。</source>
        <translation>A codificação %1 do documento não é suportada.</translation>
    </message>
    <message>
        <source>文档中有不符合其编码的字节。</source>
        <translation>O documento contém bytes que não correspondem à sua codificação.</translation>
    </message>
    <message numerus="yes">
        <source>文档过大：超过 %n 个字符，已停止读取。</source>
        <translation>
            <numerusform>O documento é grande demais: mais de %n caractere; a leitura parou.</numerusform>
            <numerusform>O documento é grande demais: mais de %n caracteres; a leitura parou.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档段落过多：超过 %n 段，已停止读取。</source>
        <translation>
            <numerusform>O documento tem parágrafos demais: mais de %n; a leitura parou.</numerusform>
            <numerusform>O documento tem parágrafos demais: mais de %n; a leitura parou.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档元素过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>O documento tem elementos demais: mais de %n; a leitura parou.</numerusform>
            <numerusform>O documento tem elementos demais: mais de %n; a leitura parou.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>读取文档超时：超过 %n 秒，已停止读取。</source>
        <translation>
            <numerusform>A leitura do documento demorou demais: mais de %n segundo; a leitura parou.</numerusform>
            <numerusform>A leitura do documento demorou demais: mais de %n segundos; a leitura parou.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档嵌套过深：超过 %n 层，已停止读取。</source>
        <translation>
            <numerusform>O documento está aninhado demais: mais de %n nível; a leitura parou.</numerusform>
            <numerusform>O documento está aninhado demais: mais de %n níveis; a leitura parou.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档中一个元素的属性过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>Um elemento do documento tem atributos demais: mais de %n; a leitura parou.</numerusform>
            <numerusform>Um elemento do documento tem atributos demais: mais de %n; a leitura parou.</numerusform>
        </translation>
    </message>
    <message>
        <source>文档解压后的内容远多于其中的文字，已停止读取。</source>
        <translation>O documento descompactado ocupa muito mais do que o seu texto precisa; a leitura foi interrompida.</translation>
    </message>
    <message>
        <source>文档中的空段落远多于有文字的段落，已停止读取。</source>
        <translation>O documento tem muito mais parágrafos vazios do que parágrafos com texto; a leitura foi interrompida.</translation>
    </message>
</context>
<context>
    <name>FullTimerWidget</name>
    <message>
        <source>当前时间</source>
        <translation>Hora atual</translation>
    </message>
</context>
<context>
    <name>FunctionBar</name>
    <message>
        <source>隐藏</source>
        <translation>Ocultar</translation>
    </message>
</context>
<context>
    <name>FunctionTitleBar</name>
    <message>
        <source>返回</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimizar</translation>
    </message>
</context>
<context>
    <name>GlobalMessage</name>
    <message>
        <source>新版已发布...</source>
        <translation>Nova versão disponível…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Atalhos</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>历史记录</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>没有历史记录</source>
        <translation>Sem histórico</translation>
    </message>
    <message>
        <source>文档正在载入或不能修改，未恢复。</source>
        <translation>O documento está sendo carregado ou não pode ser alterado; nada foi restaurado.</translation>
    </message>
    <message>
        <source>已恢复“%1”，恢复前的内容已存入历史记录。</source>
        <translation>"%1" restaurado; o texto anterior está guardado no histórico.</translation>
    </message>
    <message>
        <source>未能保存的内容</source>
        <translation>Texto que não pôde ser salvo</translation>
    </message>
</context>
<context>
    <name>HomeBar</name>
    <message>
        <source>文件</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Capítulos automáticos</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Contagem de palavras</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escrita</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Desafio</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Minha conta</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Sair do modo Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Entrar no modo Lumo</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <source>选择图片</source>
        <translation>Escolher imagem</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Remover</translation>
    </message>
</context>
<context>
    <name>ImageCropSheet</name>
    <message>
        <source>剪裁</source>
        <translation>Cortar</translation>
    </message>
</context>
<context>
    <name>LazyEdit</name>
    <message>
        <source>未命名文件</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>等待同步</source>
        <translation>Aguardando sincronização</translation>
    </message>
    <message>
        <source>过滤期间文档已被修改，过滤结果未应用。</source>
        <translation>O documento mudou durante a filtragem; o resultado não foi aplicado.</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>选中当前章节</source>
        <translation>Selecionar o capítulo atual</translation>
    </message>
    <message>
        <source>转到文档开始</source>
        <translation>Ir para o início do documento</translation>
    </message>
    <message>
        <source>转到文档结尾</source>
        <translation>Ir para o fim do documento</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Formatação com um clique</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronização na nuvem</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Modo adaptável</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Modo página</translation>
    </message>
</context>
<context>
    <name>LazyTextDocument</name>
    <message>
        <source>未支持的打开方式</source>
        <translation>Este modo de abrir não é suportado</translation>
    </message>
    <message>
        <source>无法打开文件: </source>
        <translation>Não foi possível abrir o arquivo: </translation>
    </message>
    <message>
        <source>Cannot save: </source>
        <translation>Não é possível salvar: </translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>não é um arquivo local</translation>
    </message>
    <message>
        <source>文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。</source>
        <translation>O arquivo foi alterado por outro programa. Suas alterações não salvas ainda estão no editor; ao salvar, as alterações do outro programa serão substituídas.</translation>
    </message>
    <message>
        <source>已经是章节标题了</source>
        <translation>Já é um título de capítulo</translation>
    </message>
    <message>
        <source>第%1章</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>排版期间文档已被修改，排版结果未应用。</source>
        <translation>O documento mudou durante a formatação; o resultado não foi aplicado.</translation>
    </message>
    <message>
        <source>从头开始查找</source>
        <translation>Pesquisando do início</translation>
    </message>
    <message>
        <source>从结尾开始查找</source>
        <translation>Pesquisando do fim</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>Não encontrado</translation>
    </message>
    <message>
        <source>无法保存历史记录：</source>
        <translation>Não é possível salvar o histórico: </translation>
    </message>
    <message>
        <source>文件正在载入</source>
        <translation>O arquivo está sendo carregado</translation>
    </message>
    <message>
        <source>无法保存过滤前的历史记录，过滤结果未应用。</source>
        <translation>Não foi possível salvar no histórico o texto anterior à filtragem; o resultado do filtro não foi aplicado.</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，保存会改变它们：文件以只读方式打开，不会被保存。</source>
        <translation>Este arquivo contém bytes que não são texto %1; salvá-lo os alteraria, por isso ele é aberto somente para leitura e nunca é salvo.</translation>
    </message>
    <message>
        <source>未保存的修改已存入：%1</source>
        <translation>As alterações não salvas foram guardadas em: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改并重新载入，未保存的修改已存入：%1</source>
        <translation>O arquivo foi alterado por outro programa e foi recarregado; as alterações não salvas foram guardadas em: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改，已重新载入。</source>
        <translation>O arquivo foi alterado por outro programa e foi recarregado.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改无处存放，仍在编辑器中。</source>
        <translation>O arquivo foi movido ou excluído; as alterações não salvas não puderam ser guardadas em lugar nenhum e continuam no editor.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改已存入：%1</source>
        <translation>O arquivo foi movido ou excluído; as alterações não salvas foram guardadas em: %1</translation>
    </message>
    <message>
        <source>无法读取文件（没有权限）：%1。未保存的修改仍在编辑器中，能读取后再保存。</source>
        <translation>Não é possível ler o arquivo (sem permissão): %1. As alterações não salvas continuam no editor; salve novamente quando ele puder ser lido.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本无处存放。</source>
        <translation>Outro programa alterou o arquivo enquanto ele era salvo; a versão dele não pôde ser guardada em lugar nenhum.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本已存入：%1</source>
        <translation>Outro programa alterou o arquivo enquanto ele era salvo; a versão dele foi guardada em: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复。</source>
        <translation>Não foi possível guardar o texto atual no histórico; nada foi restaurado.</translation>
    </message>
</context>
<context>
    <name>LibraryPath</name>
    <message>
        <source>无法新建文件：</source>
        <translation>Não é possível criar o arquivo: </translation>
    </message>
</context>
<context>
    <name>Locker</name>
    <message>
        <source>已锁定</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>已解锁</source>
        <translation>Desbloqueado</translation>
    </message>
</context>
<context>
    <name>LockerLabel</name>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Palavras restantes do bloqueio (palavras contadas): </translation>
    </message>
    <message>
        <source>剩余锁定时间(秒):</source>
        <translation>Tempo de bloqueio restante (s):</translation>
    </message>
    <message>
        <source>距离刷新锁定数据剩余时间(秒):</source>
        <translation>Próxima atualização do bloqueio em (s):</translation>
    </message>
    <message>
        <source>当前处于锁定状态</source>
        <translation>Bloqueio ativo</translation>
    </message>
</context>
<context>
    <name>LoginPage</name>
    <message>
        <source>登录</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Cadastrar</translation>
    </message>
    <message>
        <source>用户名或邮箱不能为空</source>
        <translation>Informe usuário ou e-mail</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>Informe a senha</translation>
    </message>
    <message>
        <source>用户名不能为空</source>
        <translation>Informe o usuário</translation>
    </message>
    <message>
        <source>邮箱不能为空</source>
        <translation>Informe o e-mail</translation>
    </message>
    <message>
        <source>确认密码不能为空</source>
        <translation>Repita a senha</translation>
    </message>
    <message>
        <source>两次输入的密码不一致</source>
        <translation>As senhas não coincidem</translation>
    </message>
    <message>
        <source>验证码不能为空</source>
        <translation>Informe o código de verificação</translation>
    </message>
    <message>
        <source>注册成功，您可以登陆了</source>
        <translation>Cadastro concluído. Você já pode entrar.</translation>
    </message>
    <message>
        <source>用户名或邮箱</source>
        <translation>Usuário ou e-mail</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>Entrar automaticamente</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>Esqueci a senha</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Repetir senha</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Código de verificação</translation>
    </message>
    <message>
        <source>创建新账户</source>
        <translation>Criar uma conta</translation>
    </message>
    <message>
        <source>未配置服务器地址，无法登录或注册。</source>
        <translation>Nenhum endereço de servidor configurado; não é possível entrar nem se cadastrar.</translation>
    </message>
</context>
<context>
    <name>LoginPasswordWidget</name>
    <message>
        <source>启动密码错误</source>
        <translation>Senha de início incorreta</translation>
    </message>
    <message>
        <source>注意启动密码不是您用户账号的密码。
而是您在软件偏好设置中设置的启动密码。
此功能可以在本软件的偏好设置中取消。</source>
        <translation>Observação: a senha de início não é a senha da sua conta.
É a senha definida nas preferências do programa.
Você pode desativá-la nas preferências.</translation>
    </message>
    <message>
        <source>请输入启动密码</source>
        <translation>Digite a senha de início</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Senha de início</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>LumoCounter</name>
    <message>
        <source>Counting chapters, please try again later</source>
        <translation>Contando capítulos; tente novamente mais tarde</translation>
    </message>
</context>
<context>
    <name>LumoFileSystemModel</name>
    <message>
        <source>名称不能为空</source>
        <translation>O nome não pode ficar vazio</translation>
    </message>
    <message>
        <source>名称不能包含“/”、“\”或“..”</source>
        <translation>O nome não pode conter "/", "\" ou ".."</translation>
    </message>
    <message>
        <source>名称太长</source>
        <translation>O nome é longo demais</translation>
    </message>
    <message>
        <source>指定名称的文件已存在</source>
        <translation>Já existe um arquivo com esse nome</translation>
    </message>
    <message>
        <source>名称不能以“.”开头</source>
        <translation>O nome não pode começar com "."</translation>
    </message>
    <message>
        <source>“%1”是程序自用的名称</source>
        <translation>"%1" é um nome usado pelo próprio programa</translation>
    </message>
</context>
<context>
    <name>LumoTheme</name>
    <message>
        <source>跟随主题</source>
        <translation>Seguir o sistema</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Branco padrão</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Preto padrão</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Rosa-pó</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Verde fresco</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Azul-celeste</translation>
    </message>
    <message>
        <source>电纸书</source>
        <translation>E-reader</translation>
    </message>
</context>
<context>
    <name>MarkModel</name>
    <message>
        <source>无法保存标记：</source>
        <translation>Não é possível salvar as marcas: </translation>
    </message>
    <message>
        <source>文件无法读取，未覆盖</source>
        <translation>O arquivo não pode ser lido; não foi substituído</translation>
    </message>
</context>
<context>
    <name>MarkTextWidget</name>
    <message>
        <source>标记</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>删除此标记</source>
        <translation>Excluir esta marca</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>标记内容
(可为空,最多200字)
一般用作注释。</source>
        <translation>Texto da marca
(opcional, até 200 caracteres)
Costuma servir de nota.</translation>
    </message>
    <message>
        <source>例如：
林远，男，二十七岁，
镇上书铺的掌柜，
寡言，爱下棋。
...</source>
        <translation>Por exemplo:
Lin Yuan, homem, 27 anos,
dono da livraria da vila,
calado, gosta de xadrez.
...</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MePage</name>
    <message>
        <source>个人中心</source>
        <translation>Minha conta</translation>
    </message>
    <message>
        <source>您的新头像更新成功</source>
        <translation>Seu novo avatar foi salvo</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>头像设置</source>
        <translation>Avatar</translation>
    </message>
    <message>
        <source>设置用户信息</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Alterar senha</translation>
    </message>
    <message>
        <source>退出登录</source>
        <translation>Sair da conta</translation>
    </message>
</context>
<context>
    <name>MiniHomeBar</name>
    <message>
        <source>文件</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Capítulos automáticos</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Contagem de palavras</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escrita</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Desafio</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Minha conta</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Sair do modo Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Entrar no modo Lumo</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Gerenciar</translation>
    </message>
</context>
<context>
    <name>NavigationItem</name>
    <message>
        <source>返回</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>NetworkReply</name>
    <message>
        <source>网络请求超时</source>
        <translation>A solicitação de rede expirou</translation>
    </message>
    <message>
        <source>收到的内容不完整</source>
        <translation>A resposta chegou incompleta</translation>
    </message>
</context>
<context>
    <name>NotesPage</name>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>创建新笔记</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>删除笔记</source>
        <translation>Excluir nota</translation>
    </message>
    <message>
        <source>打开最近笔记</source>
        <translation>Abrir nota recente</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Limpar lista</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Não foi possível abrir o arquivo compactado.</translation>
    </message>
</context>
<context>
    <name>PasswordWindow</name>
    <message>
        <source>修改密码</source>
        <translation>Alterar senha</translation>
    </message>
    <message>
        <source>密码修改成功</source>
        <translation>Senha alterada</translation>
    </message>
    <message>
        <source>旧密码</source>
        <translation>Senha antiga</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>Nova senha</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Repetir senha</translation>
    </message>
</context>
<context>
    <name>PcMain</name>
    <message>
        <source>自动章节</source>
        <translation>Capítulos automáticos</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Contagem de palavras</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escrita</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Desafio</translation>
    </message>
</context>
<context>
    <name>PhoneHomeTabBar</name>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>Eu</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Contagem de palavras</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escrita</translation>
    </message>
</context>
<context>
    <name>Points</name>
    <message>
        <source>积分</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>读者感谢你的创作!</source>
        <translation>Seus leitores agradecem por você escrever!</translation>
    </message>
    <message>
        <source>开始就成功了一半,加油!</source>
        <translation>Bem começado é meio caminho andado. Força!</translation>
    </message>
    <message>
        <source>超神!!!</source>
        <translation>Lendário!!!</translation>
    </message>
    <message>
        <source>您今天已经创作了一万字以上！</source>
        <translation>Você escreveu mais de 10.000 palavras hoje!</translation>
    </message>
</context>
<context>
    <name>PointsAwardRow</name>
    <message>
        <source>获取</source>
        <translation>Resgatar</translation>
    </message>
    <message>
        <source>已获取</source>
        <translation>Resgatado</translation>
    </message>
</context>
<context>
    <name>PointsWindow</name>
    <message>
        <source>积分</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>首次登陆赠送100积分</source>
        <translation>100 pontos pelo primeiro acesso</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 pontos por cada acesso diário</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>偏好设置</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>键盘音效</source>
        <translation>Som do teclado</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>打字机音效</source>
        <translation>Som de máquina de escrever</translation>
    </message>
    <message>
        <source>水滴声音效</source>
        <translation>Som de gota d'água</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Usar senha de início</translation>
    </message>
    <message>
        <source>使用 极简 布局</source>
        <translation>Usar o layout minimalista</translation>
    </message>
    <message>
        <source>使用 自由 布局</source>
        <translation>Usar o layout livre</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronização na nuvem</translation>
    </message>
    <message>
        <source>启用云同步</source>
        <translation>Ativar a sincronização</translation>
    </message>
    <message>
        <source>退出软件时执行云同步</source>
        <translation>Sincronizar ao sair</translation>
    </message>
    <message>
        <source>快捷键方案</source>
        <translation>Esquema de atalhos</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Desfoque gaussiano</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。</source>
        <translation>A cor padrão do texto segue o tema. Uma cor escolhida aqui vale só para o tema atual; se o tema segue o sistema, só para o tema claro ou escuro atual dele.</translation>
    </message>
    <message>
        <source>编辑框模式</source>
        <translation>Modo do editor</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Modo página</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Modo adaptável</translation>
    </message>
    <message>
        <source>编辑框左右边距（自适应模式）</source>
        <translation>Margens laterais (modo adaptável)</translation>
    </message>
    <message>
        <source>页面固定宽度（页面模式）</source>
        <translation>Largura de página fixa (modo página)</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>汉字</source>
        <translation>Caracteres</translation>
    </message>
    <message>
        <source>编辑框全局居中</source>
        <translation>Centralizar o editor na janela</translation>
    </message>
    <message>
        <source>默认字体</source>
        <translation>Fonte padrão</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>默认字体颜色(跟随主题)</source>
        <translation>Cor de texto padrão (segue o tema)</translation>
    </message>
    <message>
        <source>文档中标题样式</source>
        <translation>Estilo dos títulos</translation>
    </message>
    <message>
        <source>首行缩进两个字符</source>
        <translation>Recuo de dois caracteres na primeira linha</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Espaçamento entre linhas</translation>
    </message>
    <message>
        <source>段落间距</source>
        <translation>Espaçamento de parágrafo</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>文件路径</source>
        <translation>Caminho dos arquivos</translation>
    </message>
    <message>
        <source>生成历史记录时间间隔</source>
        <translation>Intervalo do histórico</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Capítulos</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Mostrar palavras do capítulo na barra de status</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Mostrar palavras antes do cursor na barra de status</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Cinco Enter seguidos adicionam um título de capítulo</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Capítulos automáticos</translation>
    </message>
    <message>
        <source>设置自动章节识别关键词</source>
        <translation>Definir palavras-chave de capítulos</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。
对话体统计：每行冒号前面的文字不计入字数。
预估稿费为 0 时不显示预估稿费。</source>
        <translation>As estatísticas de hoje seguem o resultado: as palavras de hoje são a soma das alterações de cada documento aberto, então colar ou apagar texto pode aumentá-las ou reduzi-las; as demais estatísticas contam só o que foi digitado.
Contagem de diálogos: o texto antes dos dois-pontos de cada linha não é contado.
Com pagamento estimado 0, a estimativa não é exibida.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Estatística de hoje pelo resultado</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Contagem de diálogos</translation>
    </message>
    <message>
        <source>预估稿费统计</source>
        <translation>Honorário estimado</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>unidade</translation>
    </message>
    <message>
        <source>元/千字</source>
        <translation>yuans por mil caracteres</translation>
    </message>
    <message>
        <source>预估稿费</source>
        <translation>Honorário estimado</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Formatação ao Enter</translation>
    </message>
    <message>
        <source>段落开头添加两个空格</source>
        <translation>Dois espaços no início do parágrafo</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Uma linha em branco entre parágrafos</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Formatação com um clique</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Remover linhas em branco extras</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Dois espaços no início do parágrafo</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Remover espaços extras</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Modo máquina de escrever</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Ativar o modo máquina de escrever</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Destacar a linha atual</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Rolagem fixa</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Meio</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variável</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Marcar a linha atual</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。</source>
        <translation>Sem avisos, os pontos continuam sendo acumulados. Sem estar conectado, não há pontos.</translation>
    </message>
    <message>
        <source>显示创作积分提示</source>
        <translation>Mostrar avisos de pontos</translation>
    </message>
    <message>
        <source>对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。
开启后，统计结果会偏少。
如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！
确定开启吗？</source>
        <translation>A contagem de diálogos serve só para textos em forma de diálogo: o texto antes de cada dois-pontos não é contado.
Ligada, os totais ficam menores.
Se seu texto não é em forma de diálogo, ou se tiver dúvida, deixe esta opção desligada!
Ligar?</translation>
    </message>
    <message>
        <source>取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。</source>
        <translation>A cor do título só vale com "Mesma cor do texto" desmarcado. O tamanho relativo é o do título como múltiplo do texto.</translation>
    </message>
    <message>
        <source>颜色与正文相同</source>
        <translation>Mesma cor do texto</translation>
    </message>
    <message>
        <source>标题颜色:</source>
        <translation>Cor do título:</translation>
    </message>
    <message>
        <source>相对倍数:</source>
        <translation>Tamanho relativo:</translation>
    </message>
    <message>
        <source>自动章节关键词设置</source>
        <translation>Palavras-chave de capítulos</translation>
    </message>
    <message>
        <source>自动章节关键词</source>
        <translation>Palavras-chave de capítulos</translation>
    </message>
    <message>
        <source>“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。</source>
        <translation>"*" representa qualquer texto. Uma palavra-chave por linha, no máximo um "*" por palavra, nunca no início nem no fim. Quanto mais palavras-chave, mais lento o programa.</translation>
    </message>
    <message>
        <source>设置登录密码</source>
        <translation>Definir a senha de início</translation>
    </message>
    <message>
        <source>您需要输入启动密码</source>
        <translation>Você precisa digitar uma senha de início</translation>
    </message>
    <message>
        <source>启动密码设置成功</source>
        <translation>Senha de início definida</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>As duas senhas não coincidem</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Senha de início</translation>
    </message>
    <message>
        <source>启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端</source>
        <translation>A senha de início é pedida ao abrir; não é a da conta e nunca é sincronizada.</translation>
    </message>
    <message>
        <source>输入密码:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>再来一次:</source>
        <translation>Repetir:</translation>
    </message>
    <message>
        <source>再来一次</source>
        <translation>Repetir</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>设置用户信息</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>请输入新的昵称或邮箱</source>
        <translation>Digite um novo apelido ou e-mail</translation>
    </message>
    <message>
        <source>修改昵称或邮箱成功！</source>
        <translation>Apelido ou e-mail alterado!</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Apelido</translation>
    </message>
</context>
<context>
    <name>QIActionSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QIAlertView</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QIImagePicker</name>
    <message>
        <source>Import Image</source>
        <translation>Importar imagem</translation>
    </message>
    <message>
        <source>Failed to save the image</source>
        <translation>Não foi possível salvar a imagem</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Preferences...</source>
        <translation>Preferências...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>语言(重启软件生效)</source>
        <translation>Idioma (após reiniciar)</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Usar senha de início</translation>
    </message>
    <message>
        <source>使用左右布局 (重启软件生效）</source>
        <translation>Layout esquerda-direita (após reiniciar)</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Edit Side Margin</source>
        <translation>Margens laterais</translation>
    </message>
    <message>
        <source>ChineseCharacters Width</source>
        <translation>Largura em caracteres</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Largura em pixels</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Desfoque gaussiano</translation>
    </message>
    <message>
        <source>DocumentTips</source>
        <translation>A cor do texto segue o tema; uma cor escolhida aqui vale só para o tema atual.</translation>
    </message>
    <message>
        <source>编辑框宽度模式</source>
        <translation>Modo de largura do editor</translation>
    </message>
    <message>
        <source>编辑框宽度单位</source>
        <translation>Unidade de largura do editor</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Cor da fonte</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Espaçamento entre linhas</translation>
    </message>
    <message>
        <source>段间距</source>
        <translation>Espaçamento de parágrafo</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Caminho dos arquivos</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Mostrar palavras do capítulo na barra de status</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Mostrar palavras antes do cursor na barra de status</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Cinco Enter seguidos adicionam um título de capítulo</translation>
    </message>
    <message>
        <source>Auto Chapter Keys</source>
        <translation>Palavras-chave de capítulos</translation>
    </message>
    <message>
        <source>Set auto chapter Keys</source>
        <translation>Definir palavras-chave de capítulos</translation>
    </message>
    <message>
        <source>AutoChapterTips</source>
        <translation>"*" representa qualquer texto; uma palavra-chave por linha, no máximo um "*", nunca no início nem no fim. Quanto mais palavras-chave, mais lento o programa.</translation>
    </message>
    <message>
        <source>WordCountTips</source>
        <translation>A contagem de hoje é a soma das alterações de cada documento aberto; colar ou apagar texto pode distorcê-la. As demais estatísticas contam só as palavras digitadas.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Estatística de hoje pelo resultado</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Contagem de diálogos</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Formatação ao Enter</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Dois espaços no início do parágrafo</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Uma linha em branco entre parágrafos</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Formatação com um clique</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Remover linhas em branco extras</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Remover espaços extras</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Modo máquina de escrever</translation>
    </message>
    <message>
        <source>启用打字模式</source>
        <translation>Modo de digitação</translation>
    </message>
    <message>
        <source>高亮显示</source>
        <translation>Destacar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>当前行</source>
        <translation>Linha atual</translation>
    </message>
    <message>
        <source>当前句</source>
        <translation>Frase atual</translation>
    </message>
    <message>
        <source>当前段落</source>
        <translation>Parágrafo atual</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Rolagem fixa</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Meio</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variável</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Marcar a linha atual</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Seguir o sistema</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Branco padrão</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Preto padrão</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Rosa-pó</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Verde fresco</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Azul-celeste</translation>
    </message>
    <message>
        <source>入门模式</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>简单模式</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>普通模式</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>困难模式</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>地狱模式</source>
        <translation>Inferno</translation>
    </message>
    <message>
        <source>第一关</source>
        <translation>Nível 1</translation>
    </message>
    <message>
        <source>第二关</source>
        <translation>Nível 2</translation>
    </message>
    <message>
        <source>第三关</source>
        <translation>Nível 3</translation>
    </message>
    <message>
        <source>第四关</source>
        <translation>Nível 4</translation>
    </message>
    <message>
        <source>第五关</source>
        <translation>Nível 5</translation>
    </message>
    <message>
        <source>第六关</source>
        <translation>Nível 6</translation>
    </message>
    <message>
        <source>第七关</source>
        <translation>Nível 7</translation>
    </message>
    <message>
        <source>第八关</source>
        <translation>Nível 8</translation>
    </message>
    <message>
        <source>第九关</source>
        <translation>Nível 9</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Usuário ou senha incorretos</translation>
    </message>
    <message>
        <source>登录信息无效,请登录.</source>
        <translation>Dados de acesso inválidos, entre novamente.</translation>
    </message>
    <message>
        <source>服务器答复：未找到</source>
        <translation>Resposta do servidor: não encontrado</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Seguir o sistema</translation>
    </message>
    <message>
        <source>暗色主题</source>
        <translation>Tema escuro</translation>
    </message>
    <message>
        <source>亮色主题</source>
        <translation>Tema claro</translation>
    </message>
    <message>
        <source>柔绿主题</source>
        <translation>Tema verde suave</translation>
    </message>
    <message>
        <source>粉色主题</source>
        <translation>Tema rosa</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>自适应宽度</source>
        <translation>Largura adaptável</translation>
    </message>
    <message>
        <source>固定宽度</source>
        <translation>Largura fixa</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>固定页面宽度（像素）</source>
        <translation>Largura de página fixa (pixels)</translation>
    </message>
    <message>
        <source>固定每行字数（汉字）</source>
        <translation>Número fixo de caracteres por linha</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Janela sempre visível</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Cartão de estatísticas</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>选择本章</source>
        <translation>Selecionar este capítulo</translation>
    </message>
    <message>
        <source>Lumo模式</source>
        <translation>Modo Lumo</translation>
    </message>
    <message>
        <source>神搜</source>
        <translation>Pesquisa avançada</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Capítulos</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Contagem de palavras</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escrita</translation>
    </message>
    <message>
        <source>闯关</source>
        <translation>Desafio</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrar palavras sensíveis</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Bloqueio</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Adicionar título de capítulo</translation>
    </message>
    <message>
        <source>极简模式</source>
        <translation>Modo minimalista</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>放大字体</source>
        <translation>Aumentar fonte</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Diminuir fonte</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferências</translation>
    </message>
</context>
<context>
    <name>QQuickFolderListModel</name>
    <message>
        <source>重命名失败，请检查是否有重名或者文件夹是否有写权限</source>
        <translation>Falha ao renomear. Verifique se o nome já existe e se a pasta permite gravação.</translation>
    </message>
</context>
<context>
    <name>RankingHallModel</name>
    <message>
        <source>请先登录</source>
        <translation>Entre primeiro</translation>
    </message>
    <message>
        <source>请输入房间名</source>
        <translation>Digite o nome da sala</translation>
    </message>
    <message>
        <source>请输入房间密码</source>
        <translation>Digite a senha da sala</translation>
    </message>
    <message>
        <source>房间名已存在</source>
        <translation>Esse nome de sala já existe</translation>
    </message>
    <message>
        <source>创建成功</source>
        <translation>Sala criada</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Não foi possível criar a sala</translation>
    </message>
    <message>
        <source>房间名不能包含“/”</source>
        <translation>O nome da sala não pode conter "/"</translation>
    </message>
    <message>
        <source>房间名不能包含控制字符</source>
        <translation>O nome da sala não pode conter caracteres de controle</translation>
    </message>
    <message>
        <source>房间名不能是“.”或“..”</source>
        <translation>O nome da sala não pode ser "." nem ".."</translation>
    </message>
    <message numerus="yes">
        <source>房间名不能超过 %n 个字符</source>
        <translation>
            <numerusform>O nome da sala não pode ter mais de %n caractere</numerusform>
            <numerusform>O nome da sala não pode ter mais de %n caracteres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RankingPage</name>
    <message>
        <source>暂不可用</source>
        <translation>Indisponível</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escrita</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Entre primeiro</translation>
    </message>
    <message>
        <source>拼字大厅</source>
        <translation>Todas as salas</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>创建房间</source>
        <translation>Criar sala</translation>
    </message>
    <message>
        <source>刷新大厅</source>
        <translation>Atualizar salas</translation>
    </message>
    <message>
        <source>未配置服务器地址，拼字房间不可用。</source>
        <translation>Nenhum endereço de servidor configurado; as salas de escrita não estão disponíveis.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Você saiu da sala %1</translation>
    </message>
    <message>
        <source>已进入 %1 房间</source>
        <translation>Você entrou na sala %1</translation>
    </message>
    <message>
        <source>房间</source>
        <translation>Sala</translation>
    </message>
    <message>
        <source>离开房间</source>
        <translation>Sair da sala</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Apelido</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Contagem de palavras</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutos</translation>
    </message>
</context>
<context>
    <name>RoomPasswordSheet</name>
    <message>
        <source>请输入房间密码</source>
        <translation>Digite a senha da sala</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Digite uma senha</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Senha incorreta</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>在此输入房间密码</source>
        <translation>Digite aqui a senha da sala</translation>
    </message>
    <message>
        <source>房间“%1”需要输入房主指定的密码方可进入。</source>
        <translation>Para entrar na sala “%1”, digite a senha definida pelo dono.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not a supported RTF file.</source>
        <translation>Arquivo RTF não suportado.</translation>
    </message>
</context>
<context>
    <name>RtfTokenizer</name>
    <message>
        <source>Unexpectedly reached end of file.</source>
        <translation>Fim de arquivo inesperado.</translation>
    </message>
</context>
<context>
    <name>SettingButton</name>
    <message>
        <source>设置</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrar palavras sensíveis</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Bloqueio</translation>
    </message>
    <message>
        <source>在光标处添加章节名</source>
        <translation>Inserir título de capítulo no cursor</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Formatação com um clique</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferências</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法保存设置：</source>
        <translation>Não é possível salvar os ajustes: </translation>
    </message>
    <message>
        <source>设置文件中无法读取的行已略过，其余设置照常读取：</source>
        <translation>As linhas ilegíveis do arquivo de ajustes foram ignoradas; os demais ajustes foram lidos normalmente: </translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>设置文件被另一个程序锁定，本次运行中的设置更改不会保存：</source>
        <translation>O arquivo de ajustes está bloqueado por outro programa; as alterações de ajustes desta sessão não serão salvas: </translation>
    </message>
    <message>
        <source>设置文件过大，未读取，本次运行使用默认设置且不保存更改：</source>
        <translation>O arquivo de ajustes é grande demais e não foi lido; esta sessão usa os ajustes padrão e não salva alterações: </translation>
    </message>
    <message>
        <source>无法在临时文件夹中建立链接</source>
        <translation>não é possível criar um link na pasta temporária</translation>
    </message>
</context>
<context>
    <name>SheetWindow</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>ShortcutBox</name>
    <message>
        <source>请按下快捷键</source>
        <translation>Pressione um atalho</translation>
    </message>
</context>
<context>
    <name>ShutdownWindow</name>
    <message>
        <source>保存所有文档后关闭计算机。</source>
        <translation>Salvar todos os documentos e desligar o computador.</translation>
    </message>
    <message>
        <source>保存所有文档后重新启动计算机。</source>
        <translation>Salvar todos os documentos e reiniciar o computador.</translation>
    </message>
    <message>
        <source>关机</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>希望计算机做什么？</source>
        <translation>O que o computador deve fazer?</translation>
    </message>
    <message>
        <source>重启</source>
        <translation>Reiniciar</translation>
    </message>
</context>
<context>
    <name>SkinButton</name>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
</context>
<context>
    <name>StoreRefusal</name>
    <message>
        <source>服务器拒绝了请求 (%1)</source>
        <translation>O servidor recusou a solicitação (%1)</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>desconhecida</translation>
    </message>
    <message>
        <source>本机时钟与服务器相差太多（本机时间 %1，服务器时间 %2），请校准本机时钟</source>
        <translation>O relógio deste computador está muito distante do servidor (este computador: %1, servidor: %2); acerte o relógio</translation>
    </message>
</context>
<context>
    <name>SubtlePage</name>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrar palavras sensíveis</translation>
    </message>
    <message>
        <source>开始过滤</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>文档是空的，不用过滤</source>
        <translation>O documento está vazio; não há nada a filtrar</translation>
    </message>
    <message>
        <source>文档未保存，请保存文档后再过滤</source>
        <translation>O documento não está salvo. Salve-o antes de filtrar</translation>
    </message>
    <message>
        <source>自定义敏感词</source>
        <translation>Suas palavras sensíveis</translation>
    </message>
    <message>
        <source>每行一个词</source>
        <translation>Uma palavra por linha</translation>
    </message>
    <message>
        <source>程序内置两套敏感词库：轻度过滤使用第一套，重度过滤同时使用两套。三个级别都会加上左侧框中的自定义敏感词，每行一个，可以直接粘贴，保存时会去掉重复的词。选项在开始过滤或关闭本窗口时保存。过滤前的文本可以从文档的历史记录中找回。</source>
        <translation>O programa traz duas listas de palavras sensíveis: a filtragem leve usa a primeira e a rigorosa, as duas. Os três níveis acrescentam as palavras próprias da caixa à esquerda, uma por linha; é possível colá-las, e as repetidas são removidas ao salvar. As opções são salvas ao iniciar a filtragem ou ao fechar esta janela. O texto anterior à filtragem pode ser recuperado no histórico do documento.</translation>
    </message>
    <message>
        <source>标记方式</source>
        <translation>Marcação</translation>
    </message>
    <message>
        <source>编辑文档时自动标红</source>
        <translation>Marcar em vermelho ao editar</translation>
    </message>
    <message>
        <source>仅手动过滤时标红</source>
        <translation>Marcar em vermelho só ao filtrar</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>轻度过滤</source>
        <translation>Leve</translation>
    </message>
    <message>
        <source>重度过滤</source>
        <translation>Rigoroso</translation>
    </message>
    <message>
        <source>仅自定义</source>
        <translation>Só próprias</translation>
    </message>
    <message>
        <source>过滤方式</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>仅标红</source>
        <translation>Só vermelho</translation>
    </message>
    <message>
        <source>分割线</source>
        <translation>Traços</translation>
    </message>
    <message>
        <source>星号</source>
        <translation>Asteriscos</translation>
    </message>
    <message>
        <source>拼音</source>
        <translation>Pinyin</translation>
    </message>
    <message>
        <source>喵星语</source>
        <translation>Miau</translation>
    </message>
    <message>
        <source>汪星语</source>
        <translation>Au-au</translation>
    </message>
</context>
<context>
    <name>TargetPage</name>
    <message>
        <source>写作目标</source>
        <translation>Meta de escrita</translation>
    </message>
    <message>
        <source>锁定字数不能小于当前锁定字数</source>
        <translation>O bloqueio por palavras não pode ser menor que o atual</translation>
    </message>
    <message>
        <source>锁定时间不能小于当前锁定时间</source>
        <translation>O bloqueio por tempo não pode ser menor que o atual</translation>
    </message>
    <message>
        <source>请输入锁定时间或者字数</source>
        <translation>Digite um tempo ou um número de palavras para o bloqueio</translation>
    </message>
    <message>
        <source>锁定字数(字)</source>
        <translation>Bloqueio (palavras)</translation>
    </message>
    <message>
        <source>锁定时间(分钟)</source>
        <translation>Bloqueio (minutos)</translation>
    </message>
    <message>
        <source>锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。</source>
        <translation>Com o bloqueio ativo você só poderá sair do programa ao atingir de fato os valores definidos. Esperar não conta para o tempo, e digitar à toa ou copiar e colar em massa não conta para as palavras. Tempo e palavras são contados a cada 20 segundos.</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
</context>
<context>
    <name>ThroughGame</name>
    <message>
        <source>积分</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>恭喜，闯关成功！！！撒花！！！</source>
        <translation>Parabéns, desafio vencido!!!</translation>
    </message>
    <message>
        <source>成功，自动转入下一关。</source>
        <translation>Conseguiu! Indo para o próximo nível.</translation>
    </message>
    <message>
        <source>挑战失败!</source>
        <translation>Desafio fracassado!</translation>
    </message>
</context>
<context>
    <name>ThroughLabel</name>
    <message>
        <source>剩余字数</source>
        <translation>Palavras restantes</translation>
    </message>
    <message>
        <source>剩余时间:</source>
        <translation>Tempo restante:</translation>
    </message>
</context>
<context>
    <name>ThroughPage</name>
    <message>
        <source>Challenge</source>
        <translation>Desafio</translation>
    </message>
    <message>
        <source>您的剩余积分不够支付本次闯关门票，快去领一些积分吧!</source>
        <translation>Você não tem pontos suficientes para a entrada deste desafio. Vá juntar alguns!</translation>
    </message>
    <message>
        <source>如果中途退出，扣除的积分不返还。</source>
        <translation>Se desistir no meio, os pontos não são devolvidos.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>闯关信息载入失败,请稍后再试</source>
        <translation>Não foi possível carregar o desafio; tente mais tarde</translation>
    </message>
    <message>
        <source>正在刷新...</source>
        <translation>Atualizando…</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>门票</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>通关奖励</source>
        <translation>Prêmio</translation>
    </message>
    <message>
        <source>通关条件</source>
        <translation>Condição</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>Desistir</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>进行中</source>
        <translation>Em andamento</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Falhou</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>奖励积分</source>
        <translation>Pontos de prêmio</translation>
    </message>
    <message>
        <source>剩余字数</source>
        <translation>Palavras restantes</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>Tempo restante</translation>
    </message>
    <message numerus="yes">
        <source>确定花费%n积分，进入该闯关模式吗？</source>
        <translation>
            <numerusform>Gastar %n ponto para entrar neste modo de desafio?</numerusform>
            <numerusform>Gastar %n pontos para entrar neste modo de desafio?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>需要在最多%1小时内完成9关，共%n字的挑战</source>
        <translation>
            <numerusform>Desafio: 9 níveis, %n palavra ao todo, em no máximo %1 horas</numerusform>
            <numerusform>Desafio: 9 níveis, %n palavras ao todo, em no máximo %1 horas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ThroughTipsDialog</name>
    <message>
        <source>提示</source>
        <translation>Avisos</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>收到的内容长度不对</source>
        <translation>O conteúdo recebido tem o tamanho errado</translation>
    </message>
    <message>
        <source>无法校验收到的内容</source>
        <translation>Não é possível verificar o conteúdo recebido</translation>
    </message>
    <message>
        <source>收到的内容与校验值不符</source>
        <translation>O conteúdo recebido não corresponde à soma de verificação</translation>
    </message>
    <message>
        <source>云端没有确认收到的内容</source>
        <translation>A nuvem não confirmou o recebimento</translation>
    </message>
    <message>
        <source>云端收到的内容与发送的不符</source>
        <translation>A nuvem recebeu algo diferente do que foi enviado</translation>
    </message>
</context>
<context>
    <name>TxtReader</name>
    <message>
        <source>Unable to read the file.</source>
        <translation>Não foi possível ler o arquivo.</translation>
    </message>
</context>
<context>
    <name>UserDatas</name>
    <message>
        <source>积分获取失败</source>
        <translation>Não foi possível obter os pontos</translation>
    </message>
    <message>
        <source>错误码</source>
        <translation>Código de erro</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>没有文件名</source>
        <translation>Sem nome de arquivo</translation>
    </message>
    <message>
        <source>同名的文件夹已存在</source>
        <translation>Já existe uma pasta com esse nome</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>Não foi possível criar a pasta</translation>
    </message>
    <message>
        <source>写入磁盘的文件不完整</source>
        <translation>O arquivo gravado no disco está incompleto</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>密码已失效（可能已在别处修改），已退出登录，请重新登录</source>
        <translation>A senha já não é válida (pode ter sido alterada noutro lugar). A sessão foi terminada; inicie sessão de novo.</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>Digite um nome de usuário</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Digite uma senha</translation>
    </message>
    <message>
        <source>服务端暂时关闭了注册通道</source>
        <translation>O cadastro está temporariamente fechado no servidor</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>验证码不正确</source>
        <translation>Código de verificação incorreto</translation>
    </message>
    <message>
        <source>密码不匹配</source>
        <translation>As senhas não coincidem</translation>
    </message>
    <message>
        <source>用户名已被占用</source>
        <translation>Esse nome de usuário já está em uso</translation>
    </message>
    <message>
        <source>邮箱地址已被使用</source>
        <translation>Esse endereço de e-mail já está em uso</translation>
    </message>
    <message>
        <source>此用户名是被保留的</source>
        <translation>Esse nome de usuário é reservado</translation>
    </message>
    <message>
        <source>用户名格式不正确</source>
        <translation>Nome de usuário inválido</translation>
    </message>
    <message>
        <source>等待验证邮箱</source>
        <translation>Aguardando verificação do e-mail</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Usuário ou senha incorretos</translation>
    </message>
    <message>
        <source>Your profile has been updated successfully.</source>
        <translation>Seu perfil foi atualizado.</translation>
    </message>
    <message>
        <source>Your avatar setting has been updated successfully.</source>
        <translation>Seu avatar foi atualizado.</translation>
    </message>
    <message>
        <source>Email address is not a valid email address.</source>
        <translation>O endereço de e-mail é inválido.</translation>
    </message>
    <message>
        <source>网络访问被禁用。</source>
        <translation>O acesso à rede está desativado.</translation>
    </message>
    <message>
        <source>上传的文件不是一张图片</source>
        <translation>O arquivo enviado não é uma imagem</translation>
    </message>
    <message>
        <source>正在登录...</source>
        <translation>Entrando…</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Please login first!</source>
        <translation>Entre primeiro!</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Tempo esgotado</translation>
    </message>
    <message>
        <source>上传超时</source>
        <translation>Tempo de envio esgotado</translation>
    </message>
</context>
<context>
    <name>WindowsMenuBar</name>
    <message>
        <source>强制退出</source>
        <translation>Forçar saída</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir recentes</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Importar pasta</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Importar arquivos</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>显示 文件</source>
        <translation>Exibir arquivos</translation>
    </message>
    <message>
        <source>显示 自动章节</source>
        <translation>Exibir capítulos</translation>
    </message>
    <message>
        <source>显示 字数统计</source>
        <translation>Exibir contagem de palavras</translation>
    </message>
    <message>
        <source>显示 拼字</source>
        <translation>Exibir salas de escrita</translation>
    </message>
    <message>
        <source>显示 我</source>
        <translation>Exibir minha conta</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Janela sempre visível</translation>
    </message>
    <message>
        <source>退出 极简 模式</source>
        <translation>Sair do modo minimalista</translation>
    </message>
    <message>
        <source>进入 极简 模式</source>
        <translation>Entrar no modo minimalista</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Sair do modo Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Entrar no modo Lumo</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Cartão de estatísticas</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrar palavras sensíveis</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Bloqueio</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Adicionar título de capítulo</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Formatação com um clique</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronização na nuvem</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Modo máquina de escrever</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Ativar o modo máquina de escrever</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Destacar a linha atual</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Rolagem fixa</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Meio</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variável</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Marcar a linha atual</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>显示 闯关</source>
        <translation>Exibir desafio</translation>
    </message>
    <message>
        <source>显示 笔记</source>
        <translation>Exibir notas</translation>
    </message>
</context>
<context>
    <name>WindowsTitleBar</name>
    <message>
        <source>最小化</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>WordCountPage</name>
    <message>
        <source>字数统计</source>
        <translation>Contagem de palavras</translation>
    </message>
    <message>
        <source>元</source>
        <translation>yuans</translation>
    </message>
    <message>
        <source>字数统计功能菜单</source>
        <translation>Menu da contagem de palavras</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Cartão de estatísticas</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>同步字数</source>
        <translation>Sincronizar contagens</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Entre primeiro</translation>
    </message>
    <message>
        <source>文档统计</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>总字数</source>
        <translation>Total de palavras</translation>
    </message>
    <message>
        <source>总字数(无空格)</source>
        <translation>Total de palavras (sem espaços)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Dígitos</translation>
    </message>
    <message>
        <source>空格数</source>
        <translation>Espaços</translation>
    </message>
    <message>
        <source>汉字数</source>
        <translation>Caracteres chineses</translation>
    </message>
    <message>
        <source>单词数</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>段落数</source>
        <translation>Parágrafos</translation>
    </message>
    <message>
        <source>今时今日</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Palavras de hoje</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Velocidade de hoje</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Tempo de hoje</translation>
    </message>
    <message>
        <source>今日稿费</source>
        <translation>Pagamento de hoje</translation>
    </message>
    <message>
        <source>本周统计</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>本周字数</source>
        <translation>Palavras da semana</translation>
    </message>
    <message>
        <source>本周速度</source>
        <translation>Velocidade da semana</translation>
    </message>
    <message>
        <source>本周用时</source>
        <translation>Tempo da semana</translation>
    </message>
    <message>
        <source>本周稿费</source>
        <translation>Pagamento da semana</translation>
    </message>
    <message>
        <source>月度统计</source>
        <translation>Este mês</translation>
    </message>
    <message>
        <source>本月字数</source>
        <translation>Palavras do mês</translation>
    </message>
    <message>
        <source>本月速度</source>
        <translation>Velocidade do mês</translation>
    </message>
    <message>
        <source>本月用时</source>
        <translation>Tempo do mês</translation>
    </message>
    <message>
        <source>本月稿费</source>
        <translation>Pagamento do mês</translation>
    </message>
    <message>
        <source>年度统计</source>
        <translation>Este ano</translation>
    </message>
    <message>
        <source>今年字数</source>
        <translation>Palavras do ano</translation>
    </message>
    <message>
        <source>今年速度</source>
        <translation>Velocidade do ano</translation>
    </message>
    <message>
        <source>今年用时</source>
        <translation>Tempo do ano</translation>
    </message>
    <message>
        <source>年度稿费</source>
        <translation>Pagamento do ano</translation>
    </message>
    <message>
        <source>设置字体大小</source>
        <translation>Ajustar o tamanho da fonte</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n palavra/min</numerusform>
            <numerusform>%n palavras/min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bot</name>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Não é possível salvar o arquivo de cache: </translation>
    </message>
</context>
<context>
    <name>cloudDisk</name>
    <message>
        <source>没有登陆</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>设置中取消了云同步功能</source>
        <translation>A sincronização está desativada nos ajustes</translation>
    </message>
    <message>
        <source>另一个云同步线程正在运行</source>
        <translation>Outra sincronização já está em andamento</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronização na nuvem</translation>
    </message>
    <message>
        <source>云同步开始</source>
        <translation>Sincronização iniciada</translation>
    </message>
    <message>
        <source>有冲突文件待处理</source>
        <translation>Há arquivos em conflito a resolver</translation>
    </message>
    <message>
        <source>同步完成</source>
        <translation>Sincronização concluída</translation>
    </message>
    <message>
        <source>云同步:有冲突文件待处理</source>
        <translation>Sincronização: há arquivos em conflito a resolver</translation>
    </message>
    <message>
        <source>Not logged in:</source>
        <translation>Não conectado:</translation>
    </message>
    <message>
        <source>正在上传文件</source>
        <translation>Enviando arquivos</translation>
    </message>
    <message>
        <source>文件上传结束</source>
        <translation>Envio concluído</translation>
    </message>
    <message>
        <source>正在下载文件</source>
        <translation>Baixando arquivos</translation>
    </message>
    <message>
        <source>文件下载结束</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>正在下载冲突文件</source>
        <translation>Baixando arquivos em conflito</translation>
    </message>
    <message>
        <source>下载冲突文件结束</source>
        <translation>Arquivos em conflito baixados</translation>
    </message>
    <message>
        <source>删除元数据失败</source>
        <translation>Não foi possível excluir os metadados</translation>
    </message>
    <message>
        <source>删除远程文件失败</source>
        <translation>Não foi possível excluir o arquivo remoto</translation>
    </message>
    <message>
        <source>删除远程文件失败:</source>
        <translation>Não foi possível excluir o arquivo remoto:</translation>
    </message>
    <message>
        <source>上传失败</source>
        <translation>Falha no envio</translation>
    </message>
    <message>
        <source>上传失败:</source>
        <translation>Falha no envio:</translation>
    </message>
    <message>
        <source>更新元数据失败</source>
        <translation>Não foi possível atualizar os metadados</translation>
    </message>
    <message>
        <source>更新元数据失败:</source>
        <translation>Não foi possível atualizar os metadados:</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Falha no download</translation>
    </message>
    <message>
        <source>下载失败:</source>
        <translation>Falha no download:</translation>
    </message>
    <message>
        <source>删除文件不存在</source>
        <translation>O arquivo a excluir não existe</translation>
    </message>
    <message>
        <source>删除文件不存在::</source>
        <translation>O arquivo a excluir não existe::</translation>
    </message>
    <message>
        <source>删除文件失败</source>
        <translation>Não foi possível excluir o arquivo</translation>
    </message>
    <message>
        <source>删除文件失败:</source>
        <translation>Não foi possível excluir o arquivo:</translation>
    </message>
    <message>
        <source>写文件失败</source>
        <translation>Não foi possível gravar o arquivo</translation>
    </message>
    <message>
        <source>写文件失败:</source>
        <translation>Não foi possível gravar o arquivo:</translation>
    </message>
    <message>
        <source>写元数据失败</source>
        <translation>Não foi possível gravar os metadados</translation>
    </message>
    <message>
        <source>写元数据失败:</source>
        <translation>Não foi possível gravar os metadados:</translation>
    </message>
    <message>
        <source>写入文件失败:</source>
        <translation>Não foi possível gravar o arquivo:</translation>
    </message>
    <message>
        <source>冲突</source>
        <translation>conflito</translation>
    </message>
    <message>
        <source>已退出登录，同步已停止</source>
        <translation>Sessão encerrada; a sincronização parou</translation>
    </message>
    <message>
        <source>云同步已关闭，同步已停止</source>
        <translation>Sincronização na nuvem desativada; a sincronização parou</translation>
    </message>
    <message>
        <source>程序退出，同步已停止</source>
        <translation>O programa está sendo encerrado; a sincronização parou</translation>
    </message>
    <message>
        <source>账号已切换，同步已停止</source>
        <translation>A conta mudou; a sincronização parou</translation>
    </message>
    <message>
        <source>文档目录已更换，同步已停止</source>
        <translation>A pasta de documentos mudou; a sincronização parou</translation>
    </message>
    <message>
        <source>网络连接失败</source>
        <translation>A conexão de rede falhou</translation>
    </message>
    <message>
        <source>同步中断</source>
        <translation>Sincronização interrompida</translation>
    </message>
    <message>
        <source>同步中断:</source>
        <translation>Sincronização interrompida:</translation>
    </message>
    <message>
        <source>文件在同步时被修改</source>
        <translation>O arquivo foi alterado durante a sincronização</translation>
    </message>
    <message>
        <source>文件在同步时被修改:</source>
        <translation>O arquivo foi alterado durante a sincronização:</translation>
    </message>
    <message>
        <source>文档目录上次由另一个账号同步，等待选择</source>
        <translation>A pasta de documentos foi sincronizada pela última vez por outra conta; aguardando a sua escolha</translation>
    </message>
    <message>
        <source>无法读取本地文件</source>
        <translation>Não foi possível ler o arquivo local</translation>
    </message>
    <message>
        <source>无法保存历史记录</source>
        <translation>Não foi possível salvar a cópia do histórico</translation>
    </message>
    <message>
        <source>同步结束，有文件未能同步</source>
        <translation>Sincronização encerrada, alguns arquivos não puderam ser sincronizados</translation>
    </message>
    <message>
        <source>云同步结束，有文件未能同步:</source>
        <translation>Sincronização na nuvem encerrada, alguns arquivos não puderam ser sincronizados:</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>data</name>
    <message>
        <source>字数统计保存失败</source>
        <translation>Não foi possível salvar as estatísticas</translation>
    </message>
    <message>
        <source>please login first</source>
        <translation>Entre primeiro</translation>
    </message>
    <message>
        <source>同步本周字数成功(无变更)</source>
        <translation>Palavras da semana sincronizadas (sem alterações)</translation>
    </message>
    <message>
        <source>同步本月字数成功(无变更)</source>
        <translation>Palavras do mês sincronizadas (sem alterações)</translation>
    </message>
    <message>
        <source>同步今年字数成功(无变更)</source>
        <translation>Palavras do ano sincronizadas (sem alterações)</translation>
    </message>
    <message>
        <source>同步今日字数成功(无变更)</source>
        <translation>Palavras de hoje sincronizadas (sem alterações)</translation>
    </message>
    <message>
        <source>同步今日字数失败</source>
        <translation>Não foi possível sincronizar as palavras de hoje</translation>
    </message>
    <message>
        <source>同步今日字数成功(已上传)</source>
        <translation>Palavras de hoje sincronizadas (enviadas)</translation>
    </message>
</context>
<context>
    <name>fileordermaplist</name>
    <message>
        <source>无法保存书籍顺序：</source>
        <translation>Não é possível salvar a ordem dos livros: </translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>第%1章</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>NewBook</source>
        <translation>NovoLivro</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>没有选中的文件</source>
        <translation>Nenhum arquivo selecionado</translation>
    </message>
    <message>
        <source>只能删除文档文件夹中的文件：%1</source>
        <translation>Só é possível excluir arquivos da pasta de documentos: %1</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件未删除：%1</source>
        <translation>Não foi possível salvar o histórico; arquivo não excluído: %1</translation>
    </message>
    <message>
        <source>删除失败：%1</source>
        <translation>Falha ao excluir: %1</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件夹未删除：%1</source>
        <translation>Não foi possível salvar o histórico; pasta não excluída: %1</translation>
    </message>
    <message>
        <source>无法重命名</source>
        <translation>Não é possível renomear</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件已存在</source>
        <translation>Não é possível renomear: já existe um arquivo com esse nome</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件夹已存在</source>
        <translation>Não é possível renomear: já existe uma pasta com esse nome</translation>
    </message>
    <message>
        <source>新笔记 %1</source>
        <translation>Nova nota %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>无法读取历史记录：%1</source>
        <translation>Não foi possível ler o histórico: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复：%1</source>
        <translation>Não foi possível salvar o conteúdo atual no histórico; nada foi restaurado: %1</translation>
    </message>
    <message>
        <source>恢复失败：%1</source>
        <translation>Falha ao restaurar: %1</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>Pasta raiz</translation>
    </message>
    <message>
        <source>已存在相同内容，未导入：%1</source>
        <translation>O mesmo conteúdo já existe; não importado: %1</translation>
    </message>
    <message>
        <source>未能导入：%1</source>
        <translation>Não foi possível importar: %1</translation>
    </message>
    <message>
        <source>Directory not exists</source>
        <translation>A pasta não existe</translation>
    </message>
    <message>
        <source>目标文件夹不在文件目录下, 默认导入到文件目录下</source>
        <translation>A pasta de destino está fora da pasta de documentos; importando na pasta de documentos</translation>
    </message>
    <message>
        <source>您要导入的文件夹与目标文件夹相同,不用导入这个文件夹</source>
        <translation>A pasta a importar é a própria pasta de destino; nada a importar</translation>
    </message>
    <message>
        <source>不能导出到书中的文档：%1</source>
        <translation>Não é possível exportar para um documento do livro: %1</translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation>Falha ao exportar: %1</translation>
    </message>
    <message>
        <source>文档名须以“.txt”或“.md”结尾</source>
        <translation>O nome do documento deve terminar em ".txt" ou ".md"</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>不在文件目录内</source>
        <translation>Não está na pasta de documentos</translation>
    </message>
    <message>
        <source>没有空闲的文件名</source>
        <translation>Nenhum nome de arquivo livre</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>O arquivo não existe</translation>
    </message>
    <message>
        <source>不能覆盖文档库中已有的文件：%1</source>
        <translation>Não é possível substituir um arquivo que já está na biblioteca: %1</translation>
    </message>
    <message>
        <source>是否确认删除书“%1”及其中的全部文档？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Excluir o livro "%1" e todos os seus documentos? As cópias feitas antes da exclusão ficam no histórico (Ferramentas → Histórico).</translation>
    </message>
    <message>
        <source>是否确认删除“%1”？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Excluir "%1"? Uma cópia feita antes da exclusão fica no histórico (Ferramentas → Histórico).</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件导入到 %1</source>
        <translation>
            <numerusform>%n arquivo importado para %1</numerusform>
            <numerusform>%n arquivos importados para %1</numerusform>
        </translation>
    </message>
    <message>
        <source>以下文件不保存副本，删除后无法恢复：%1</source>
        <translation>Destes arquivos não fica cópia e não será possível recuperá-los após a exclusão: %1</translation>
    </message>
    <message>
        <source>是否要删除“%1”？删除后不能恢复。</source>
        <translation>Excluir "%1"? Não será possível recuperar.</translation>
    </message>
    <message numerus="yes">
        <source>……以及另外 %n 个文件</source>
        <translation>
            <numerusform>… e mais %n arquivo</numerusform>
            <numerusform>… e mais %n arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>未恢复：</source>
        <translation>Não restaurado: </translation>
    </message>
    <message>
        <source>无法确定“%1”属于哪个文档</source>
        <translation>Não é possível saber a que documento "%1" pertence</translation>
    </message>
    <message>
        <source>多个文档名为“%1”：请在文件树中该文档的历史记录里恢复</source>
        <translation>Vários documentos se chamam "%1": restaure-o pelo histórico desse documento na árvore de arquivos</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，不会被改写</source>
        <translation>Este arquivo contém bytes que não são texto %1; ele não é gravado</translation>
    </message>
</context>
<context>
    <name>function</name>
    <message>
        <source>无此功能</source>
        <translation>Indisponível</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>Do you confirm deletion? Deleted files will not be recovered.</source>
        <translation>Confirmar exclusão? Arquivos excluídos não poderão ser recuperados.</translation>
    </message>
    <message>
        <source>复制失败：</source>
        <translation>Falha ao copiar: </translation>
    </message>
    <message>
        <source>移动失败：</source>
        <translation>Falha ao mover: </translation>
    </message>
</context>
<context>
    <name>global</name>
    <message>
        <source>Penlark</source>
        <translation>Penlark</translation>
    </message>
    <message>
        <source>反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>你好:</source>
        <translation>Olá,</translation>
    </message>
    <message>
        <source>关于%1，我有一些建议。</source>
        <translation>Tenho algumas sugestões sobre %1.</translation>
    </message>
    <message>
        <source>(系统版本:%1  软件版本:%2)</source>
        <translation>(Versão do sistema: %1  Versão do programa: %2)</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>A pasta não existe</translation>
    </message>
    <message>
        <source>这是一个文件，不是文件夹</source>
        <translation>Isto é um arquivo, não uma pasta</translation>
    </message>
    <message>
        <source>这是文件系统的根目录</source>
        <translation>Esta é a pasta raiz do sistema de arquivos</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>Sem permissão de gravação</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。已改用默认文件夹。</source>
        <translation>Não é possível usar a pasta de documentos %1: %2. A pasta padrão será usada.</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。</source>
        <translation>Não é possível usar a pasta de documentos %1: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>偏好设置</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>打卡</source>
        <translation>Check-in</translation>
    </message>
    <message>
        <source>闯关正在进行中，如果此时退出，直接判定闯关失败，扣除的闯关门票不退还。确定要退出吗？</source>
        <translation>Há um desafio em andamento. Sair agora conta como fracasso e a entrada não é devolvida. Sair assim mesmo?</translation>
    </message>
    <message>
        <source>尚有正在进行中的闯关:</source>
        <translation>Ainda há um desafio em andamento:</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>关卡</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>点击确定，重进进入闯关模式，不需要门票。点击取消，放弃闯关，之前支付的门票积分不予退还。</source>
        <translation>OK volta ao desafio sem pagar de novo. Cancelar desiste dele; os pontos pagos pela entrada não são devolvidos.</translation>
    </message>
    <message>
        <source>按 %1 键即可退出Lumo模式</source>
        <translation>Pressione %1 para sair do modo Lumo</translation>
    </message>
    <message>
        <source>窗口已置顶</source>
        <translation>A janela fica sempre visível</translation>
    </message>
    <message>
        <source>窗口已取消置顶</source>
        <translation>A janela não fica mais sempre visível</translation>
    </message>
    <message>
        <source>锁定状态不能取消窗口置顶</source>
        <translation>Durante o bloqueio a janela fica sempre visível</translation>
    </message>
    <message>
        <source>锁定状态不能退出程序</source>
        <translation>Não é possível sair durante o bloqueio</translation>
    </message>
    <message>
        <source>有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。</source>
        <translation>Um documento não pôde ser salvo, por isso o programa não fechou. Se sair de novo, o texto não salvo será copiado para outro lugar e o próximo início dirá onde.</translation>
    </message>
    <message>
        <source>上次退出时有文档未能保存，未保存的内容已存入：%1</source>
        <translation>Ao encerrar da última vez, alguns documentos não puderam ser salvos; o texto não salvo foi guardado em: %1</translation>
    </message>
    <message>
        <source>上次打开的文件已不存在：%1</source>
        <translation>O arquivo aberto da última vez não existe mais: %1</translation>
    </message>
</context>
<context>
    <name>myRankingData</name>
    <message>
        <source>立入禁止</source>
        <translation>Entrada proibida</translation>
    </message>
    <message>
        <source>此房间为邀请制，需要房主邀请才能进入。</source>
        <translation>Esta sala é só por convite; o dono precisa convidar você.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Você saiu da sala %1</translation>
    </message>
</context>
<context>
    <name>network</name>
    <message>
        <source>未配置服务器地址</source>
        <translation>Nenhum endereço de servidor configurado</translation>
    </message>
    <message>
        <source>错误码:</source>
        <translation>Código de erro:</translation>
    </message>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Não é possível salvar o arquivo de cache: </translation>
    </message>
</context>
<context>
    <name>oss</name>
    <message>
        <source>This path is not authorized by the server</source>
        <translation>Este caminho não é autorizado pelo servidor</translation>
    </message>
    <message>
        <source>云端的回答不是文件列表</source>
        <translation>A resposta da nuvem não é uma lista de arquivos</translation>
    </message>
    <message>
        <source>云端的回答不是存储服务的回答</source>
        <translation>A resposta não veio do serviço de armazenamento</translation>
    </message>
    <message>
        <source>云端文件列表不完整</source>
        <translation>A lista de arquivos da nuvem está incompleta</translation>
    </message>
</context>
<context>
    <name>update</name>
    <message>
        <source>有新版:</source>
        <translation>Nova versão: </translation>
    </message>
    <message>
        <source>恭喜，已经是最新版了</source>
        <translation>Parabéns, esta é a versão mais recente</translation>
    </message>
    <message>
        <source>连接更新服务器失败!</source>
        <translation>Não foi possível contatar o servidor de atualizações!</translation>
    </message>
</context>
</TS>
