<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>版本号</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Penlark 是为长篇作者写作的专注写作软件。
版权所有 © Penlark 开发者。</source>
        <translation>Penlark è un programma di scrittura per autori di libri lunghi.
Copyright © gli sviluppatori di Penlark.</translation>
    </message>
    <message>
        <source>立即更新</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>检查新版本</source>
        <translation>Cerca una nuova versione</translation>
    </message>
</context>
<context>
    <name>AnalysisSyncWorker</name>
    <message>
        <source>获取云端列表出错</source>
        <translation>Impossibile ottenere l'elenco dei file nel cloud</translation>
    </message>
    <message>
        <source>获取云端列表出错:</source>
        <translation>Impossibile ottenere l'elenco dei file nel cloud:</translation>
    </message>
</context>
<context>
    <name>AutoChapterPage</name>
    <message>
        <source>自动章节</source>
        <translation>Capitoli automatici</translation>
    </message>
    <message>
        <source>(无标题)</source>
        <translation>(senza titolo)</translation>
    </message>
    <message>
        <source>没有章节</source>
        <translation>Nessun capitolo</translation>
    </message>
    <message numerus="yes">
        <source>%n 章</source>
        <translation>
            <numerusform>%n capitolo</numerusform>
            <numerusform>%n capitoli</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BarGraph</name>
    <message>
        <source>柱状图</source>
        <translation>Grafico a barre</translation>
    </message>
</context>
<context>
    <name>ClockInPage</name>
    <message>
        <source>打卡</source>
        <translation>Presenza</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Accesso non effettuato</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 punti per ogni accesso giornaliero</translation>
    </message>
</context>
<context>
    <name>CloudButton</name>
    <message>
        <source>云同步</source>
        <translation>Sincronizzazione cloud</translation>
    </message>
</context>
<context>
    <name>CloudSheet</name>
    <message>
        <source>正在云同步</source>
        <translation>Sincronizzazione con il cloud</translation>
    </message>
    <message>
        <source>不同步，直接退出</source>
        <translation>Esci senza sincronizzare</translation>
    </message>
</context>
<context>
    <name>ConflictPage</name>
    <message>
        <source>冲突选择</source>
        <translation>Risolvi i conflitti</translation>
    </message>
    <message>
        <source>留下这个，删除另一个</source>
        <translation>Tieni questo, elimina l'altro</translation>
    </message>
    <message>
        <source>All Keep</source>
        <translation>Tieni tutti</translation>
    </message>
    <message>
        <source>本机</source>
        <translation>Questo computer</translation>
    </message>
    <message>
        <source>云端</source>
        <translation>Cloud</translation>
    </message>
</context>
<context>
    <name>CountChartWindow</name>
    <message>
        <source>统计卡片</source>
        <translation>Scheda statistiche</translation>
    </message>
    <message>
        <source>近期字数</source>
        <translation>Parole recenti</translation>
    </message>
    <message>
        <source>近期速度</source>
        <translation>Velocità recente</translation>
    </message>
    <message>
        <source>近期用时</source>
        <translation>Tempo recente</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Parole di oggi</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Velocità di oggi</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Tempo di oggi</translation>
    </message>
    <message>
        <source>剩余锁定时间(分钟):</source>
        <translation>Tempo di blocco rimanente (min):</translation>
    </message>
    <message>
        <source>锁定时间没有启动</source>
        <translation>Blocco a tempo non attivo</translation>
    </message>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Parole rimanenti del blocco (parole contate): </translation>
    </message>
    <message>
        <source>锁定字数没有启动</source>
        <translation>Blocco a parole non attivo</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n parola/min</numerusform>
            <numerusform>%n parole/min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountLabel</name>
    <message>
        <source>字数: </source>
        <translation>Parole: </translation>
    </message>
    <message>
        <source>统计中…</source>
        <translation>Conteggio…</translation>
    </message>
    <message>
        <source>本章: </source>
        <translation>Capitolo: </translation>
    </message>
    <message>
        <source>光标前: </source>
        <translation>Prima del cursore: </translation>
    </message>
    <message>
        <source>选中: </source>
        <translation>Selezione: </translation>
    </message>
</context>
<context>
    <name>CreateRoomSheet</name>
    <message>
        <source>创建房间</source>
        <translation>Crea stanza</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>房间名称</source>
        <translation>Nome della stanza</translation>
    </message>
    <message>
        <source>进入房间需要输入密码</source>
        <translation>Serve una password per entrare nella stanza</translation>
    </message>
    <message>
        <source>房间密码</source>
        <translation>Password della stanza</translation>
    </message>
    <message>
        <source>重新键入</source>
        <translation>Digita di nuovo</translation>
    </message>
</context>
<context>
    <name>DataTypeClass</name>
    <message>
        <source>文件已损坏且无法移开，未覆盖</source>
        <translation>Il file è danneggiato e non può essere spostato; non è stato sovrascritto</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>无法完整读取文件</source>
        <translation>Il file non può essere letto per intero</translation>
    </message>
</context>
<context>
    <name>DocumentTabPage</name>
    <message>
        <source>Open a document</source>
        <translation>Apri un documento</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>New a document</source>
        <translation>Nuovo documento</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source> (已删除)</source>
        <translation> (eliminato)</translation>
    </message>
    <message>
        <source> (外部文档)</source>
        <translation> (documento esterno)</translation>
    </message>
    <message>
        <source>请稍等,等正在载入中的文件载入完成后再打开。</source>
        <translation>Attendi che il file in caricamento sia pronto, poi aprilo di nuovo.</translation>
    </message>
    <message>
        <source>保存失败，文档没有关闭。</source>
        <translation>Salvataggio non riuscito; il documento non è stato chiuso.</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Salvato</translation>
    </message>
    <message>
        <source>保存并关闭文档</source>
        <translation>Salva e chiudi il documento</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Importa file</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Importa cartella</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>Impossibile aprire «%1»: %2</translation>
    </message>
    <message>
        <source>%1：选择“%2”菜单中的“%3”，或按 %4</source>
        <translation>%1: scegli «%3» nel menu «%2» o premi %4</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存。未保存的文字已存入：%1
关闭这个文档吗？</source>
        <translation>Il file è stato eliminato e non può essere salvato. Il testo non salvato è stato conservato in: %1
Chiudere questo documento?</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存，未保存的文字也无处存放：关闭后这些文字会丢失。
关闭这个文档吗？</source>
        <translation>Il file è stato eliminato e non può essere salvato, e il testo non salvato non è stato conservato da nessuna parte: chiudendo andrà perso.
Chiudere questo documento?</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Impossibile aprire l'archivio.</translation>
    </message>
</context>
<context>
    <name>FileHistoryPage</name>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>Nuovo file</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronizzazione cloud</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>还没有文档</source>
        <translation>Ancora nessun documento</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Mostra nella cartella</translation>
    </message>
    <message>
        <source>合并并导出文档：</source>
        <translation>Unisci ed esporta i documenti: </translation>
    </message>
</context>
<context>
    <name>FindWidget</name>
    <message>
        <source>替换</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>Nessun risultato</translation>
    </message>
    <message>
        <source>正则表达式</source>
        <translation>Espressione regolare</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>向上查找</source>
        <translation>Trova precedente</translation>
    </message>
    <message>
        <source>向下查找</source>
        <translation>Trova successivo</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Tutto</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>Sostituisci tutto</translation>
    </message>
    <message>
        <source>确认全部替换？</source>
        <translation>Sostituire tutte le occorrenze?</translation>
    </message>
</context>
<context>
    <name>FolderAccountSheet</name>
    <message>
        <source>文档目录属于另一个账号</source>
        <translation>La cartella dei documenti appartiene a un altro account</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由账号“%2”同步。</source>
        <translation>La cartella dei documenti «%1» è stata sincronizzata l'ultima volta dall'account «%2».</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由另一个账号同步。</source>
        <translation>La cartella dei documenti «%1» è stata sincronizzata l'ultima volta da un altro account.</translation>
    </message>
    <message>
        <source>要把其中的文档合并到当前账号“%1”，还是为当前账号另选一个文档目录？选择之前，不会上传、下载或删除任何文档。</source>
        <translation>Unire i suoi documenti all'account connesso «%1» o scegliere un'altra cartella dei documenti per questo account? Finché non scegli, nessun documento viene caricato, scaricato o eliminato.</translation>
    </message>
    <message>
        <source>合并到当前账号</source>
        <translation>Unisci a questo account</translation>
    </message>
    <message>
        <source>另选文档目录</source>
        <translation>Scegli un'altra cartella dei documenti</translation>
    </message>
</context>
<context>
    <name>FontSizeBox</name>
    <message>
        <source>放大字体</source>
        <translation>Ingrandisci carattere</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Riduci carattere</translation>
    </message>
</context>
<context>
    <name>FormatManager</name>
    <message>
        <source>OpenDocument Text</source>
        <translation>Testo OpenDocument</translation>
    </message>
    <message>
        <source>OpenDocument Flat XML</source>
        <translation>OpenDocument XML piatto</translation>
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
        <translation>Testo semplice</translation>
    </message>
    <message>
        <source>Markdown Text</source>
        <translation>Testo Markdown</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>Tutti i file supportati</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>文档类型声明了实体或属性默认值（%1），已拒绝读取。</source>
        <translation>Il tipo di documento dichiara entità o valori predefiniti di attributi (%1); il documento è stato rifiutato.</translation>
    </message>
    <message>
        <source>不支持文档的编码 %1。</source>
        <translation>La codifica %1 del documento non è supportata.</translation>
    </message>
    <message>
        <source>文档中有不符合其编码的字节。</source>
        <translation>Il documento contiene byte che non corrispondono alla sua codifica.</translation>
    </message>
    <message numerus="yes">
        <source>文档过大：超过 %n 个字符，已停止读取。</source>
        <translation>
            <numerusform>Il documento è troppo grande: più di %n carattere; lettura interrotta.</numerusform>
            <numerusform>Il documento è troppo grande: più di %n caratteri; lettura interrotta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档段落过多：超过 %n 段，已停止读取。</source>
        <translation>
            <numerusform>Il documento ha troppi paragrafi: più di %n; lettura interrotta.</numerusform>
            <numerusform>Il documento ha troppi paragrafi: più di %n; lettura interrotta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档元素过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>Il documento ha troppi elementi: più di %n; lettura interrotta.</numerusform>
            <numerusform>Il documento ha troppi elementi: più di %n; lettura interrotta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>读取文档超时：超过 %n 秒，已停止读取。</source>
        <translation>
            <numerusform>La lettura del documento ha richiesto troppo tempo: più di %n secondo; lettura interrotta.</numerusform>
            <numerusform>La lettura del documento ha richiesto troppo tempo: più di %n secondi; lettura interrotta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档嵌套过深：超过 %n 层，已停止读取。</source>
        <translation>
            <numerusform>Il documento è annidato troppo: più di %n livello; lettura interrotta.</numerusform>
            <numerusform>Il documento è annidato troppo: più di %n livelli; lettura interrotta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档中一个元素的属性过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>Un elemento del documento ha troppi attributi: più di %n; lettura interrotta.</numerusform>
            <numerusform>Un elemento del documento ha troppi attributi: più di %n; lettura interrotta.</numerusform>
        </translation>
    </message>
    <message>
        <source>文档解压后的内容远多于其中的文字，已停止读取。</source>
        <translation>Il documento decompresso occupa molto più di quanto richieda il suo testo; lettura interrotta.</translation>
    </message>
    <message>
        <source>文档中的空段落远多于有文字的段落，已停止读取。</source>
        <translation>Il documento ha molti più paragrafi vuoti che paragrafi con testo; lettura interrotta.</translation>
    </message>
</context>
<context>
    <name>FullTimerWidget</name>
    <message>
        <source>当前时间</source>
        <translation>Ora attuale</translation>
    </message>
</context>
<context>
    <name>FunctionBar</name>
    <message>
        <source>隐藏</source>
        <translation>Nascondi</translation>
    </message>
</context>
<context>
    <name>FunctionTitleBar</name>
    <message>
        <source>返回</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Riduci a icona</translation>
    </message>
</context>
<context>
    <name>GlobalMessage</name>
    <message>
        <source>新版已发布...</source>
        <translation>È disponibile una nuova versione…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>帮助</source>
        <translation>Aiuto</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Scorciatoie</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>历史记录</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>没有历史记录</source>
        <translation>Nessuna cronologia</translation>
    </message>
    <message>
        <source>文档正在载入或不能修改，未恢复。</source>
        <translation>Il documento è in caricamento o non può essere modificato; non è stato ripristinato nulla.</translation>
    </message>
    <message>
        <source>已恢复“%1”，恢复前的内容已存入历史记录。</source>
        <translation>«%1» ripristinato; il testo precedente è conservato nella cronologia.</translation>
    </message>
    <message>
        <source>未能保存的内容</source>
        <translation>Testo che non è stato possibile salvare</translation>
    </message>
</context>
<context>
    <name>HomeBar</name>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Capitoli automatici</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Conteggio parole</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Stanze di scrittura</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Sfida</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Il mio account</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Esci dalla modalità Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Entra in modalità Lumo</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <source>选择图片</source>
        <translation>Scegli un'immagine</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>ImageCropSheet</name>
    <message>
        <source>剪裁</source>
        <translation>Ritaglia</translation>
    </message>
</context>
<context>
    <name>LazyEdit</name>
    <message>
        <source>未命名文件</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>等待同步</source>
        <translation>In attesa di sincronizzazione</translation>
    </message>
    <message>
        <source>过滤期间文档已被修改，过滤结果未应用。</source>
        <translation>Il documento è cambiato durante il filtraggio; il risultato non è stato applicato.</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Segna</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>选中当前章节</source>
        <translation>Seleziona il capitolo corrente</translation>
    </message>
    <message>
        <source>转到文档开始</source>
        <translation>Vai all'inizio del documento</translation>
    </message>
    <message>
        <source>转到文档结尾</source>
        <translation>Vai alla fine del documento</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Impaginazione con un tasto</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronizzazione cloud</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Modalità adattiva</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Modalità pagina</translation>
    </message>
</context>
<context>
    <name>LazyTextDocument</name>
    <message>
        <source>未支持的打开方式</source>
        <translation>Questo modo di apertura non è supportato</translation>
    </message>
    <message>
        <source>无法打开文件: </source>
        <translation>Impossibile aprire il file: </translation>
    </message>
    <message>
        <source>Cannot save: </source>
        <translation>Impossibile salvare: </translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>non è un file locale</translation>
    </message>
    <message>
        <source>文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。</source>
        <translation>Il file è stato modificato da un altro programma. Le modifiche non salvate sono ancora nell'editor; salvando sovrascriverai quelle dell'altro programma.</translation>
    </message>
    <message>
        <source>已经是章节标题了</source>
        <translation>È già un titolo di capitolo</translation>
    </message>
    <message>
        <source>第%1章</source>
        <translation>Capitolo %1</translation>
    </message>
    <message>
        <source>排版期间文档已被修改，排版结果未应用。</source>
        <translation>Il documento è cambiato durante l'impaginazione; il risultato non è stato applicato.</translation>
    </message>
    <message>
        <source>从头开始查找</source>
        <translation>Ricerca dall'inizio</translation>
    </message>
    <message>
        <source>从结尾开始查找</source>
        <translation>Ricerca dalla fine</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>Non trovato</translation>
    </message>
    <message>
        <source>无法保存历史记录：</source>
        <translation>Impossibile salvare la cronologia: </translation>
    </message>
    <message>
        <source>文件正在载入</source>
        <translation>Il file è in caricamento</translation>
    </message>
    <message>
        <source>无法保存过滤前的历史记录，过滤结果未应用。</source>
        <translation>Impossibile salvare nella cronologia il testo prima del filtro; il risultato del filtro non è stato applicato.</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，保存会改变它们：文件以只读方式打开，不会被保存。</source>
        <translation>Questo file contiene byte che non sono testo %1; salvarlo li cambierebbe, quindi viene aperto in sola lettura e non viene mai salvato.</translation>
    </message>
    <message>
        <source>未保存的修改已存入：%1</source>
        <translation>Le modifiche non salvate sono state conservate in: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改并重新载入，未保存的修改已存入：%1</source>
        <translation>Il file è stato modificato da un altro programma ed è stato ricaricato; le modifiche non salvate sono state conservate in: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改，已重新载入。</source>
        <translation>Il file è stato modificato da un altro programma ed è stato ricaricato.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改无处存放，仍在编辑器中。</source>
        <translation>Il file è stato spostato o eliminato; le modifiche non salvate non sono state conservate da nessuna parte e sono ancora nell’editor.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改已存入：%1</source>
        <translation>Il file è stato spostato o eliminato; le modifiche non salvate sono state conservate in: %1</translation>
    </message>
    <message>
        <source>无法读取文件（没有权限）：%1。未保存的修改仍在编辑器中，能读取后再保存。</source>
        <translation>Impossibile leggere il file (nessun permesso): %1. Le modifiche non salvate sono ancora nell’editor; salva di nuovo quando sarà leggibile.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本无处存放。</source>
        <translation>Un altro programma ha modificato il file durante il salvataggio; la sua versione non è stata conservata da nessuna parte.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本已存入：%1</source>
        <translation>Un altro programma ha modificato il file durante il salvataggio; la sua versione è stata conservata in: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复。</source>
        <translation>Non è stato possibile conservare il testo attuale nella cronologia; non è stato ripristinato nulla.</translation>
    </message>
</context>
<context>
    <name>LibraryPath</name>
    <message>
        <source>无法新建文件：</source>
        <translation>Impossibile creare il file: </translation>
    </message>
</context>
<context>
    <name>Locker</name>
    <message>
        <source>已锁定</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>已解锁</source>
        <translation>Sbloccato</translation>
    </message>
</context>
<context>
    <name>LockerLabel</name>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Parole rimanenti del blocco (parole contate): </translation>
    </message>
    <message>
        <source>剩余锁定时间(秒):</source>
        <translation>Tempo di blocco rimanente (s):</translation>
    </message>
    <message>
        <source>距离刷新锁定数据剩余时间(秒):</source>
        <translation>Prossimo aggiornamento del blocco tra (s):</translation>
    </message>
    <message>
        <source>当前处于锁定状态</source>
        <translation>Blocco attivo</translation>
    </message>
</context>
<context>
    <name>LoginPage</name>
    <message>
        <source>登录</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Registrati</translation>
    </message>
    <message>
        <source>用户名或邮箱不能为空</source>
        <translation>Nome utente o e-mail obbligatori</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>Password obbligatoria</translation>
    </message>
    <message>
        <source>用户名不能为空</source>
        <translation>Nome utente obbligatorio</translation>
    </message>
    <message>
        <source>邮箱不能为空</source>
        <translation>E-mail obbligatoria</translation>
    </message>
    <message>
        <source>确认密码不能为空</source>
        <translation>Ripeti la password</translation>
    </message>
    <message>
        <source>两次输入的密码不一致</source>
        <translation>Le password non coincidono</translation>
    </message>
    <message>
        <source>验证码不能为空</source>
        <translation>Codice di verifica obbligatorio</translation>
    </message>
    <message>
        <source>注册成功，您可以登陆了</source>
        <translation>Registrazione riuscita. Ora puoi accedere.</translation>
    </message>
    <message>
        <source>用户名或邮箱</source>
        <translation>Nome utente o e-mail</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>Accesso automatico</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>Password dimenticata</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Ripeti password</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Codice di verifica</translation>
    </message>
    <message>
        <source>创建新账户</source>
        <translation>Crea un account</translation>
    </message>
    <message>
        <source>未配置服务器地址，无法登录或注册。</source>
        <translation>Nessun indirizzo del server configurato: accesso e registrazione non disponibili.</translation>
    </message>
</context>
<context>
    <name>LoginPasswordWidget</name>
    <message>
        <source>启动密码错误</source>
        <translation>Password di avvio errata</translation>
    </message>
    <message>
        <source>注意启动密码不是您用户账号的密码。
而是您在软件偏好设置中设置的启动密码。
此功能可以在本软件的偏好设置中取消。</source>
        <translation>Nota: la password di avvio non è quella del tuo account.
È quella impostata nelle preferenze del programma.
Puoi disattivarla nelle preferenze.</translation>
    </message>
    <message>
        <source>请输入启动密码</source>
        <translation>Inserisci la password di avvio</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Password di avvio</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>Entra</translation>
    </message>
</context>
<context>
    <name>LumoCounter</name>
    <message>
        <source>Counting chapters, please try again later</source>
        <translation>Conteggio dei capitoli in corso, riprova più tardi</translation>
    </message>
</context>
<context>
    <name>LumoFileSystemModel</name>
    <message>
        <source>名称不能为空</source>
        <translation>Il nome non può essere vuoto</translation>
    </message>
    <message>
        <source>名称不能包含“/”、“\”或“..”</source>
        <translation>Il nome non può contenere «/», «\» o «..»</translation>
    </message>
    <message>
        <source>名称太长</source>
        <translation>Il nome è troppo lungo</translation>
    </message>
    <message>
        <source>指定名称的文件已存在</source>
        <translation>Esiste già un file con questo nome</translation>
    </message>
    <message>
        <source>名称不能以“.”开头</source>
        <translation>Il nome non può iniziare con «.»</translation>
    </message>
    <message>
        <source>“%1”是程序自用的名称</source>
        <translation>«%1» è un nome usato dal programma stesso</translation>
    </message>
</context>
<context>
    <name>LumoTheme</name>
    <message>
        <source>跟随主题</source>
        <translation>Segui il sistema</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Bianco predefinito</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Nero predefinito</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Rosa cipria</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Verde fresco</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Azzurro cielo</translation>
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
        <translation>Impossibile salvare i segni: </translation>
    </message>
    <message>
        <source>文件无法读取，未覆盖</source>
        <translation>Il file non può essere letto; non è stato sovrascritto</translation>
    </message>
</context>
<context>
    <name>MarkTextWidget</name>
    <message>
        <source>标记</source>
        <translation>Segna</translation>
    </message>
    <message>
        <source>删除此标记</source>
        <translation>Elimina questo segno</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>标记内容
(可为空,最多200字)
一般用作注释。</source>
        <translation>Testo del segno
(facoltativo, fino a 200 caratteri)
Di solito usato come nota.</translation>
    </message>
    <message>
        <source>例如：
林远，男，二十七岁，
镇上书铺的掌柜，
寡言，爱下棋。
...</source>
        <translation>Per esempio:
Lin Yuan, uomo, 27 anni,
libraio del paese,
taciturno, ama gli scacchi.
...</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colore</translation>
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
        <translation>Il mio account</translation>
    </message>
    <message>
        <source>您的新头像更新成功</source>
        <translation>Il nuovo avatar è stato salvato</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>头像设置</source>
        <translation>Avatar</translation>
    </message>
    <message>
        <source>设置用户信息</source>
        <translation>Modifica profilo</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>退出登录</source>
        <translation>Disconnetti</translation>
    </message>
</context>
<context>
    <name>MiniHomeBar</name>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Capitoli automatici</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Conteggio parole</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Stanze di scrittura</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Sfida</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Il mio account</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Esci dalla modalità Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Entra in modalità Lumo</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Gestisci</translation>
    </message>
</context>
<context>
    <name>NavigationItem</name>
    <message>
        <source>返回</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>NetworkReply</name>
    <message>
        <source>网络请求超时</source>
        <translation>La richiesta di rete è scaduta</translation>
    </message>
    <message>
        <source>收到的内容不完整</source>
        <translation>La risposta è arrivata incompleta</translation>
    </message>
</context>
<context>
    <name>NotesPage</name>
    <message>
        <source>笔记</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>创建新笔记</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>删除笔记</source>
        <translation>Elimina nota</translation>
    </message>
    <message>
        <source>打开最近笔记</source>
        <translation>Apri una nota recente</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Svuota elenco</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <source>笔记</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Impossibile aprire l'archivio.</translation>
    </message>
</context>
<context>
    <name>PasswordWindow</name>
    <message>
        <source>修改密码</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>密码修改成功</source>
        <translation>Password cambiata</translation>
    </message>
    <message>
        <source>旧密码</source>
        <translation>Vecchia password</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Ripeti password</translation>
    </message>
</context>
<context>
    <name>PcMain</name>
    <message>
        <source>自动章节</source>
        <translation>Capitoli automatici</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Conteggio parole</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Stanze di scrittura</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Sfida</translation>
    </message>
</context>
<context>
    <name>PhoneHomeTabBar</name>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>Io</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Conteggio parole</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Stanze di scrittura</translation>
    </message>
</context>
<context>
    <name>Points</name>
    <message>
        <source>积分</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>读者感谢你的创作!</source>
        <translation>I lettori ti ringraziano per ciò che scrivi!</translation>
    </message>
    <message>
        <source>开始就成功了一半,加油!</source>
        <translation>Chi ben comincia è a metà dell'opera. Forza!</translation>
    </message>
    <message>
        <source>超神!!!</source>
        <translation>Leggendario!!!</translation>
    </message>
    <message>
        <source>您今天已经创作了一万字以上！</source>
        <translation>Oggi hai scritto più di 10.000 parole!</translation>
    </message>
</context>
<context>
    <name>PointsAwardRow</name>
    <message>
        <source>获取</source>
        <translation>Ritira</translation>
    </message>
    <message>
        <source>已获取</source>
        <translation>Ritirato</translation>
    </message>
</context>
<context>
    <name>PointsWindow</name>
    <message>
        <source>积分</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Accesso non effettuato</translation>
    </message>
    <message>
        <source>首次登陆赠送100积分</source>
        <translation>100 punti per il primo accesso</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 punti per ogni accesso giornaliero</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>偏好设置</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>键盘音效</source>
        <translation>Suono della tastiera</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>打字机音效</source>
        <translation>Suono di macchina da scrivere</translation>
    </message>
    <message>
        <source>水滴声音效</source>
        <translation>Suono di goccia d'acqua</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Usa password di avvio</translation>
    </message>
    <message>
        <source>使用 极简 布局</source>
        <translation>Usa il layout minimalista</translation>
    </message>
    <message>
        <source>使用 自由 布局</source>
        <translation>Usa il layout libero</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronizzazione cloud</translation>
    </message>
    <message>
        <source>启用云同步</source>
        <translation>Attiva la sincronizzazione</translation>
    </message>
    <message>
        <source>退出软件时执行云同步</source>
        <translation>Sincronizza all'uscita</translation>
    </message>
    <message>
        <source>快捷键方案</source>
        <translation>Schema delle scorciatoie</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Sfocatura gaussiana</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。</source>
        <translation>Il colore del testo predefinito segue il tema. Un colore scelto qui vale solo per il tema attuale; se il tema segue il sistema, solo per il suo tema chiaro o scuro attuale.</translation>
    </message>
    <message>
        <source>编辑框模式</source>
        <translation>Modalità editor</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Modalità pagina</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Modalità adattiva</translation>
    </message>
    <message>
        <source>编辑框左右边距（自适应模式）</source>
        <translation>Margini laterali (modalità adattiva)</translation>
    </message>
    <message>
        <source>页面固定宽度（页面模式）</source>
        <translation>Larghezza pagina fissa (modalità pagina)</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>汉字</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>编辑框全局居中</source>
        <translation>Centra l'editor nella finestra</translation>
    </message>
    <message>
        <source>默认字体</source>
        <translation>Carattere predefinito</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>默认字体颜色(跟随主题)</source>
        <translation>Colore del testo predefinito (segue il tema)</translation>
    </message>
    <message>
        <source>文档中标题样式</source>
        <translation>Stile dei titoli</translation>
    </message>
    <message>
        <source>首行缩进两个字符</source>
        <translation>Rientro di due caratteri nella prima riga</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Interlinea</translation>
    </message>
    <message>
        <source>段落间距</source>
        <translation>Spaziatura paragrafi</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>文件路径</source>
        <translation>Percorso file</translation>
    </message>
    <message>
        <source>生成历史记录时间间隔</source>
        <translation>Intervallo della cronologia</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Capitoli</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Mostra le parole del capitolo nella barra di stato</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Mostra le parole prima del cursore nella barra di stato</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Cinque Invio di fila aggiungono un titolo di capitolo</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Capitoli automatici</translation>
    </message>
    <message>
        <source>设置自动章节识别关键词</source>
        <translation>Imposta le parole chiave dei capitoli</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。
对话体统计：每行冒号前面的文字不计入字数。
预估稿费为 0 时不显示预估稿费。</source>
        <translation>Le statistiche di oggi seguono il risultato: le parole di oggi sono la somma delle modifiche di ogni documento aperto, quindi incollare o cancellare testo può alzarle o abbassarle; le altre statistiche contano solo le parole digitate.
Conteggio dei dialoghi: il testo prima dei due punti di ogni riga non viene contato.
Con un compenso stimato di 0 la stima non viene mostrata.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Statistiche di oggi secondo il risultato</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Conteggio dei dialoghi</translation>
    </message>
    <message>
        <source>预估稿费统计</source>
        <translation>Compenso stimato</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>unità</translation>
    </message>
    <message>
        <source>元/千字</source>
        <translation>yuan ogni mille caratteri</translation>
    </message>
    <message>
        <source>预估稿费</source>
        <translation>Compenso stimato</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Impaginazione con Invio</translation>
    </message>
    <message>
        <source>段落开头添加两个空格</source>
        <translation>Due spazi a inizio paragrafo</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Una riga vuota tra i paragrafi</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Impaginazione con un tasto</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Rimuovi righe vuote in eccesso</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Due spazi a inizio paragrafo</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Rimuovi spazi in eccesso</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Modalità macchina da scrivere</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Avvia la modalità macchina da scrivere</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Evidenzia la riga corrente</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Scorrimento fisso</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabile</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Segna la riga corrente</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。</source>
        <translation>Senza avvisi i punti continuano ad accumularsi. Senza accesso non si accumulano punti.</translation>
    </message>
    <message>
        <source>显示创作积分提示</source>
        <translation>Mostra gli avvisi dei punti</translation>
    </message>
    <message>
        <source>对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。
开启后，统计结果会偏少。
如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！
确定开启吗？</source>
        <translation>Il conteggio dei dialoghi è adatto solo a testi dialogati: il testo prima di ogni due punti non viene contato.
Attivandolo, i totali saranno più bassi.
Se il tuo testo non è dialogato o non ne sei sicuro, lascia disattivata questa opzione!
Attivarlo?</translation>
    </message>
    <message>
        <source>取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。</source>
        <translation>Il colore del titolo vale solo se «Stesso colore del testo» è deselezionato. La dimensione relativa è quella del titolo come multiplo del testo.</translation>
    </message>
    <message>
        <source>颜色与正文相同</source>
        <translation>Stesso colore del testo</translation>
    </message>
    <message>
        <source>标题颜色:</source>
        <translation>Colore del titolo:</translation>
    </message>
    <message>
        <source>相对倍数:</source>
        <translation>Dimensione relativa:</translation>
    </message>
    <message>
        <source>自动章节关键词设置</source>
        <translation>Parole chiave dei capitoli</translation>
    </message>
    <message>
        <source>自动章节关键词</source>
        <translation>Parole chiave dei capitoli</translation>
    </message>
    <message>
        <source>“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。</source>
        <translation>«*» sta per qualsiasi testo. Una parola chiave per riga, al massimo un «*» per parola, mai all'inizio o alla fine. Più parole chiave, più lento il programma.</translation>
    </message>
    <message>
        <source>设置登录密码</source>
        <translation>Imposta la password di avvio</translation>
    </message>
    <message>
        <source>您需要输入启动密码</source>
        <translation>Devi inserire una password di avvio</translation>
    </message>
    <message>
        <source>启动密码设置成功</source>
        <translation>Password di avvio impostata</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Le due password non coincidono</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Password di avvio</translation>
    </message>
    <message>
        <source>启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端</source>
        <translation>La password di avvio viene chiesta all'apertura; non è quella dell'account e non viene mai sincronizzata.</translation>
    </message>
    <message>
        <source>输入密码:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>再来一次:</source>
        <translation>Ripeti:</translation>
    </message>
    <message>
        <source>再来一次</source>
        <translation>Ripeti</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>设置用户信息</source>
        <translation>Modifica profilo</translation>
    </message>
    <message>
        <source>请输入新的昵称或邮箱</source>
        <translation>Inserisci un nuovo nickname o e-mail</translation>
    </message>
    <message>
        <source>修改昵称或邮箱成功！</source>
        <translation>Nickname o e-mail cambiati!</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Nickname</translation>
    </message>
</context>
<context>
    <name>QIActionSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QIImagePicker</name>
    <message>
        <source>Import Image</source>
        <translation>Importa immagine</translation>
    </message>
    <message>
        <source>Failed to save the image</source>
        <translation>Impossibile salvare l'immagine</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Preferences...</source>
        <translation>Preferenze...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>语言(重启软件生效)</source>
        <translation>Lingua (dopo il riavvio)</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Usa password di avvio</translation>
    </message>
    <message>
        <source>使用左右布局 (重启软件生效）</source>
        <translation>Layout sinistra-destra (dopo il riavvio)</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capitolo</translation>
    </message>
    <message>
        <source>Edit Side Margin</source>
        <translation>Margini laterali</translation>
    </message>
    <message>
        <source>ChineseCharacters Width</source>
        <translation>Larghezza in caratteri</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Larghezza in pixel</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Sfocatura gaussiana</translation>
    </message>
    <message>
        <source>DocumentTips</source>
        <translation>Il colore del testo segue il tema; un colore scelto qui vale solo per il tema attuale.</translation>
    </message>
    <message>
        <source>编辑框宽度模式</source>
        <translation>Modalità larghezza editor</translation>
    </message>
    <message>
        <source>编辑框宽度单位</source>
        <translation>Unità di larghezza editor</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Colore del carattere</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Interlinea</translation>
    </message>
    <message>
        <source>段间距</source>
        <translation>Spaziatura paragrafi</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Percorso file</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Mostra le parole del capitolo nella barra di stato</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Mostra le parole prima del cursore nella barra di stato</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Cinque Invio di fila aggiungono un titolo di capitolo</translation>
    </message>
    <message>
        <source>Auto Chapter Keys</source>
        <translation>Parole chiave dei capitoli</translation>
    </message>
    <message>
        <source>Set auto chapter Keys</source>
        <translation>Imposta le parole chiave dei capitoli</translation>
    </message>
    <message>
        <source>AutoChapterTips</source>
        <translation>«*» sta per qualsiasi testo; una parola chiave per riga, al massimo un «*», mai all'inizio o alla fine. Più parole chiave, più lento il programma.</translation>
    </message>
    <message>
        <source>WordCountTips</source>
        <translation>Il conteggio di oggi è la somma delle modifiche di ogni documento aperto; incollare o cancellare può falsarlo. Le altre statistiche contano solo le parole digitate.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Statistiche di oggi secondo il risultato</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Conteggio dei dialoghi</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Impaginazione con Invio</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Due spazi a inizio paragrafo</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Una riga vuota tra i paragrafi</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Impaginazione con un tasto</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Rimuovi righe vuote in eccesso</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Rimuovi spazi in eccesso</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Modalità macchina da scrivere</translation>
    </message>
    <message>
        <source>启用打字模式</source>
        <translation>Modalità digitazione</translation>
    </message>
    <message>
        <source>高亮显示</source>
        <translation>Evidenzia</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>当前行</source>
        <translation>Riga corrente</translation>
    </message>
    <message>
        <source>当前句</source>
        <translation>Frase corrente</translation>
    </message>
    <message>
        <source>当前段落</source>
        <translation>Paragrafo corrente</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Scorrimento fisso</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabile</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Segna la riga corrente</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Segui il sistema</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Bianco predefinito</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Nero predefinito</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Rosa cipria</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Verde fresco</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Azzurro cielo</translation>
    </message>
    <message>
        <source>入门模式</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>简单模式</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>普通模式</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>困难模式</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>地狱模式</source>
        <translation>Inferno</translation>
    </message>
    <message>
        <source>第一关</source>
        <translation>Livello 1</translation>
    </message>
    <message>
        <source>第二关</source>
        <translation>Livello 2</translation>
    </message>
    <message>
        <source>第三关</source>
        <translation>Livello 3</translation>
    </message>
    <message>
        <source>第四关</source>
        <translation>Livello 4</translation>
    </message>
    <message>
        <source>第五关</source>
        <translation>Livello 5</translation>
    </message>
    <message>
        <source>第六关</source>
        <translation>Livello 6</translation>
    </message>
    <message>
        <source>第七关</source>
        <translation>Livello 7</translation>
    </message>
    <message>
        <source>第八关</source>
        <translation>Livello 8</translation>
    </message>
    <message>
        <source>第九关</source>
        <translation>Livello 9</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Nome utente o password errati</translation>
    </message>
    <message>
        <source>登录信息无效,请登录.</source>
        <translation>Dati di accesso non validi, accedi.</translation>
    </message>
    <message>
        <source>服务器答复：未找到</source>
        <translation>Risposta del server: non trovato</translation>
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
        <translation>Segui il sistema</translation>
    </message>
    <message>
        <source>暗色主题</source>
        <translation>Tema scuro</translation>
    </message>
    <message>
        <source>亮色主题</source>
        <translation>Tema chiaro</translation>
    </message>
    <message>
        <source>柔绿主题</source>
        <translation>Tema verde tenue</translation>
    </message>
    <message>
        <source>粉色主题</source>
        <translation>Tema rosa</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message>
        <source>自适应宽度</source>
        <translation>Larghezza adattiva</translation>
    </message>
    <message>
        <source>固定宽度</source>
        <translation>Larghezza fissa</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>固定页面宽度（像素）</source>
        <translation>Larghezza pagina fissa (pixel)</translation>
    </message>
    <message>
        <source>固定每行字数（汉字）</source>
        <translation>Numero fisso di caratteri per riga</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Finestra in primo piano</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Scheda statistiche</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>选择本章</source>
        <translation>Seleziona questo capitolo</translation>
    </message>
    <message>
        <source>Lumo模式</source>
        <translation>Modalità Lumo</translation>
    </message>
    <message>
        <source>神搜</source>
        <translation>Ricerca avanzata</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Capitoli</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Conteggio parole</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Stanze di scrittura</translation>
    </message>
    <message>
        <source>闯关</source>
        <translation>Sfida</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtra parole sensibili</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Aggiungi titolo del capitolo</translation>
    </message>
    <message>
        <source>极简模式</source>
        <translation>Modalità minimalista</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>放大字体</source>
        <translation>Ingrandisci carattere</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Riduci carattere</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferenze</translation>
    </message>
</context>
<context>
    <name>QQuickFolderListModel</name>
    <message>
        <source>重命名失败，请检查是否有重名或者文件夹是否有写权限</source>
        <translation>Rinomina non riuscita. Controlla se il nome è già usato e se la cartella è scrivibile.</translation>
    </message>
</context>
<context>
    <name>RankingHallModel</name>
    <message>
        <source>请先登录</source>
        <translation>Accedi prima</translation>
    </message>
    <message>
        <source>请输入房间名</source>
        <translation>Inserisci il nome della stanza</translation>
    </message>
    <message>
        <source>请输入房间密码</source>
        <translation>Inserisci la password della stanza</translation>
    </message>
    <message>
        <source>房间名已存在</source>
        <translation>Il nome della stanza esiste già</translation>
    </message>
    <message>
        <source>创建成功</source>
        <translation>Stanza creata</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Impossibile creare la stanza</translation>
    </message>
    <message>
        <source>房间名不能包含“/”</source>
        <translation>Il nome della stanza non può contenere «/»</translation>
    </message>
    <message>
        <source>房间名不能包含控制字符</source>
        <translation>Il nome della stanza non può contenere caratteri di controllo</translation>
    </message>
    <message>
        <source>房间名不能是“.”或“..”</source>
        <translation>Il nome della stanza non può essere «.» o «..»</translation>
    </message>
    <message numerus="yes">
        <source>房间名不能超过 %n 个字符</source>
        <translation>
            <numerusform>Il nome della stanza non può superare %n carattere</numerusform>
            <numerusform>Il nome della stanza non può superare %n caratteri</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RankingPage</name>
    <message>
        <source>暂不可用</source>
        <translation>Non disponibile</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Stanze di scrittura</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Accedi prima</translation>
    </message>
    <message>
        <source>拼字大厅</source>
        <translation>Tutte le stanze</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>创建房间</source>
        <translation>Crea stanza</translation>
    </message>
    <message>
        <source>刷新大厅</source>
        <translation>Aggiorna le stanze</translation>
    </message>
    <message>
        <source>未配置服务器地址，拼字房间不可用。</source>
        <translation>Nessun indirizzo del server configurato: le stanze di scrittura non sono disponibili.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Sei uscito dalla stanza %1</translation>
    </message>
    <message>
        <source>已进入 %1 房间</source>
        <translation>Sei entrato nella stanza %1</translation>
    </message>
    <message>
        <source>房间</source>
        <translation>Stanza</translation>
    </message>
    <message>
        <source>离开房间</source>
        <translation>Esci dalla stanza</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Nickname</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Conteggio parole</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minuti</translation>
    </message>
</context>
<context>
    <name>RoomPasswordSheet</name>
    <message>
        <source>请输入房间密码</source>
        <translation>Inserisci la password della stanza</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Inserisci una password</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Password errata</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>在此输入房间密码</source>
        <translation>Inserisci qui la password della stanza</translation>
    </message>
    <message>
        <source>房间“%1”需要输入房主指定的密码方可进入。</source>
        <translation>Per entrare nella stanza «%1» serve la password scelta dal suo proprietario.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not a supported RTF file.</source>
        <translation>File RTF non supportato.</translation>
    </message>
</context>
<context>
    <name>RtfTokenizer</name>
    <message>
        <source>Unexpectedly reached end of file.</source>
        <translation>Fine del file inattesa.</translation>
    </message>
</context>
<context>
    <name>SettingButton</name>
    <message>
        <source>设置</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtra parole sensibili</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>在光标处添加章节名</source>
        <translation>Inserisci un titolo di capitolo al cursore</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Impaginazione con un tasto</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferenze</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法保存设置：</source>
        <translation>Impossibile salvare le impostazioni: </translation>
    </message>
    <message>
        <source>设置文件中无法读取的行已略过，其余设置照常读取：</source>
        <translation>Le righe illeggibili del file delle impostazioni sono state saltate; le altre impostazioni sono state lette normalmente: </translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>设置文件被另一个程序锁定，本次运行中的设置更改不会保存：</source>
        <translation>Il file delle impostazioni è bloccato da un altro programma; le modifiche alle impostazioni di questa sessione non verranno salvate: </translation>
    </message>
    <message>
        <source>设置文件过大，未读取，本次运行使用默认设置且不保存更改：</source>
        <translation>Il file delle impostazioni è troppo grande e non è stato letto; questa sessione usa le impostazioni predefinite e non salva modifiche: </translation>
    </message>
    <message>
        <source>无法在临时文件夹中建立链接</source>
        <translation>impossibile creare un collegamento nella cartella temporanea</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>ShortcutBox</name>
    <message>
        <source>请按下快捷键</source>
        <translation>Premi una scorciatoia</translation>
    </message>
</context>
<context>
    <name>ShutdownWindow</name>
    <message>
        <source>保存所有文档后关闭计算机。</source>
        <translation>Salva tutti i documenti, poi spegni il computer.</translation>
    </message>
    <message>
        <source>保存所有文档后重新启动计算机。</source>
        <translation>Salva tutti i documenti, poi riavvia il computer.</translation>
    </message>
    <message>
        <source>关机</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>希望计算机做什么？</source>
        <translation>Che cosa deve fare il computer?</translation>
    </message>
    <message>
        <source>重启</source>
        <translation>Riavvia</translation>
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
        <translation>Il server ha rifiutato la richiesta (%1)</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>sconosciuta</translation>
    </message>
    <message>
        <source>本机时钟与服务器相差太多（本机时间 %1，服务器时间 %2），请校准本机时钟</source>
        <translation>L'orologio di questo computer è troppo lontano da quello del server (questo computer: %1, server: %2); regola l'orologio</translation>
    </message>
</context>
<context>
    <name>SubtlePage</name>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtra parole sensibili</translation>
    </message>
    <message>
        <source>开始过滤</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>文档是空的，不用过滤</source>
        <translation>Il documento è vuoto: non c'è nulla da filtrare</translation>
    </message>
    <message>
        <source>文档未保存，请保存文档后再过滤</source>
        <translation>Il documento non è salvato. Salvalo prima di filtrare</translation>
    </message>
    <message>
        <source>自定义敏感词</source>
        <translation>Le tue parole sensibili</translation>
    </message>
    <message>
        <source>每行一个词</source>
        <translation>Una parola per riga</translation>
    </message>
    <message>
        <source>程序内置两套敏感词库：轻度过滤使用第一套，重度过滤同时使用两套。三个级别都会加上左侧框中的自定义敏感词，每行一个，可以直接粘贴，保存时会去掉重复的词。选项在开始过滤或关闭本窗口时保存。过滤前的文本可以从文档的历史记录中找回。</source>
        <translation>Il programma ha due elenchi di parole sensibili: il filtraggio leggero usa il primo, quello rigoroso entrambi. Tutti e tre i livelli aggiungono le parole personali del riquadro a sinistra, una per riga; si possono incollare e i doppioni vengono rimossi al salvataggio. Le opzioni si salvano all'avvio del filtraggio o alla chiusura di questa finestra. Il testo prima del filtraggio si recupera dalla cronologia del documento.</translation>
    </message>
    <message>
        <source>标记方式</source>
        <translation>Evidenziazione</translation>
    </message>
    <message>
        <source>编辑文档时自动标红</source>
        <translation>Evidenzia in rosso durante la modifica</translation>
    </message>
    <message>
        <source>仅手动过滤时标红</source>
        <translation>Evidenzia in rosso solo filtrando</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>轻度过滤</source>
        <translation>Leggero</translation>
    </message>
    <message>
        <source>重度过滤</source>
        <translation>Rigoroso</translation>
    </message>
    <message>
        <source>仅自定义</source>
        <translation>Solo personali</translation>
    </message>
    <message>
        <source>过滤方式</source>
        <translation>Metodo</translation>
    </message>
    <message>
        <source>仅标红</source>
        <translation>Solo rosso</translation>
    </message>
    <message>
        <source>分割线</source>
        <translation>Trattini</translation>
    </message>
    <message>
        <source>星号</source>
        <translation>Asterischi</translation>
    </message>
    <message>
        <source>拼音</source>
        <translation>Pinyin</translation>
    </message>
    <message>
        <source>喵星语</source>
        <translation>Miao</translation>
    </message>
    <message>
        <source>汪星语</source>
        <translation>Bau</translation>
    </message>
</context>
<context>
    <name>TargetPage</name>
    <message>
        <source>写作目标</source>
        <translation>Obiettivo di scrittura</translation>
    </message>
    <message>
        <source>锁定字数不能小于当前锁定字数</source>
        <translation>Il blocco a parole non può essere inferiore a quello attuale</translation>
    </message>
    <message>
        <source>锁定时间不能小于当前锁定时间</source>
        <translation>Il blocco a tempo non può essere più breve di quello attuale</translation>
    </message>
    <message>
        <source>请输入锁定时间或者字数</source>
        <translation>Inserisci un tempo o un numero di parole per il blocco</translation>
    </message>
    <message>
        <source>锁定字数(字)</source>
        <translation>Blocco (parole)</translation>
    </message>
    <message>
        <source>锁定时间(分钟)</source>
        <translation>Blocco (minuti)</translation>
    </message>
    <message>
        <source>锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。</source>
        <translation>Con il blocco attivo non potrai uscire dal programma finché non raggiungi davvero i valori impostati. Aspettare non conta per il tempo, e digitare a caso o copiare e incollare in massa non conta per le parole. Tempo e parole vengono contati ogni 20 secondi.</translation>
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
        <translation>Punti</translation>
    </message>
    <message>
        <source>恭喜，闯关成功！！！撒花！！！</source>
        <translation>Complimenti, sfida superata!!!</translation>
    </message>
    <message>
        <source>成功，自动转入下一关。</source>
        <translation>Riuscito! Si passa al livello successivo.</translation>
    </message>
    <message>
        <source>挑战失败!</source>
        <translation>Sfida fallita!</translation>
    </message>
</context>
<context>
    <name>ThroughLabel</name>
    <message>
        <source>剩余字数</source>
        <translation>Parole rimanenti</translation>
    </message>
    <message>
        <source>剩余时间:</source>
        <translation>Tempo rimanente:</translation>
    </message>
</context>
<context>
    <name>ThroughPage</name>
    <message>
        <source>Challenge</source>
        <translation>Sfida</translation>
    </message>
    <message>
        <source>您的剩余积分不够支付本次闯关门票，快去领一些积分吧!</source>
        <translation>Non hai abbastanza punti per l'iscrizione a questa sfida. Vai a raccoglierne qualcuno!</translation>
    </message>
    <message>
        <source>如果中途退出，扣除的积分不返还。</source>
        <translation>Se esci a metà, i punti non vengono restituiti.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Accesso non effettuato</translation>
    </message>
    <message>
        <source>闯关信息载入失败,请稍后再试</source>
        <translation>Impossibile caricare la sfida, riprova più tardi</translation>
    </message>
    <message>
        <source>正在刷新...</source>
        <translation>Aggiornamento…</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>门票</source>
        <translation>Iscrizione</translation>
    </message>
    <message>
        <source>通关奖励</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>通关条件</source>
        <translation>Condizione</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>Rinuncia</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>进行中</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Fallito</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>奖励积分</source>
        <translation>Punti premio</translation>
    </message>
    <message>
        <source>剩余字数</source>
        <translation>Parole rimanenti</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>Tempo rimanente</translation>
    </message>
    <message numerus="yes">
        <source>确定花费%n积分，进入该闯关模式吗？</source>
        <translation>
            <numerusform>Spendere %n punto per entrare in questa modalità di sfida?</numerusform>
            <numerusform>Spendere %n punti per entrare in questa modalità di sfida?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>需要在最多%1小时内完成9关，共%n字的挑战</source>
        <translation>
            <numerusform>Sfida: 9 livelli, %n parola in tutto, in al massimo %1 ore</numerusform>
            <numerusform>Sfida: 9 livelli, %n parole in tutto, in al massimo %1 ore</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ThroughTipsDialog</name>
    <message>
        <source>提示</source>
        <translation>Avvisi</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>收到的内容长度不对</source>
        <translation>Il contenuto ricevuto ha una lunghezza errata</translation>
    </message>
    <message>
        <source>无法校验收到的内容</source>
        <translation>Impossibile verificare il contenuto ricevuto</translation>
    </message>
    <message>
        <source>收到的内容与校验值不符</source>
        <translation>Il contenuto ricevuto non corrisponde al checksum</translation>
    </message>
    <message>
        <source>云端没有确认收到的内容</source>
        <translation>Il cloud non ha confermato la ricezione</translation>
    </message>
    <message>
        <source>云端收到的内容与发送的不符</source>
        <translation>Il cloud ha ricevuto qualcosa di diverso da ciò che è stato inviato</translation>
    </message>
</context>
<context>
    <name>TxtReader</name>
    <message>
        <source>Unable to read the file.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
</context>
<context>
    <name>UserDatas</name>
    <message>
        <source>积分获取失败</source>
        <translation>Impossibile ottenere i punti</translation>
    </message>
    <message>
        <source>错误码</source>
        <translation>Codice di errore</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>没有文件名</source>
        <translation>Nessun nome di file</translation>
    </message>
    <message>
        <source>同名的文件夹已存在</source>
        <translation>Esiste già una cartella con questo nome</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>Il file esiste già</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>Impossibile creare la cartella</translation>
    </message>
    <message>
        <source>写入磁盘的文件不完整</source>
        <translation>Il file scritto sul disco è incompleto</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>密码已失效（可能已在别处修改），已退出登录，请重新登录</source>
        <translation>La password non è più valida (forse è stata cambiata altrove). Sei stato disconnesso; accedi di nuovo.</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>Inserisci un nome utente</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Inserisci una password</translation>
    </message>
    <message>
        <source>服务端暂时关闭了注册通道</source>
        <translation>Le registrazioni sono temporaneamente chiuse sul server</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>验证码不正确</source>
        <translation>Codice di verifica errato</translation>
    </message>
    <message>
        <source>密码不匹配</source>
        <translation>Le password non coincidono</translation>
    </message>
    <message>
        <source>用户名已被占用</source>
        <translation>Questo nome utente è già in uso</translation>
    </message>
    <message>
        <source>邮箱地址已被使用</source>
        <translation>Questo indirizzo e-mail è già in uso</translation>
    </message>
    <message>
        <source>此用户名是被保留的</source>
        <translation>Questo nome utente è riservato</translation>
    </message>
    <message>
        <source>用户名格式不正确</source>
        <translation>Nome utente non valido</translation>
    </message>
    <message>
        <source>等待验证邮箱</source>
        <translation>In attesa della verifica dell'e-mail</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Nome utente o password errati</translation>
    </message>
    <message>
        <source>Your profile has been updated successfully.</source>
        <translation>Il profilo è stato aggiornato.</translation>
    </message>
    <message>
        <source>Your avatar setting has been updated successfully.</source>
        <translation>L'avatar è stato aggiornato.</translation>
    </message>
    <message>
        <source>Email address is not a valid email address.</source>
        <translation>L'indirizzo e-mail non è valido.</translation>
    </message>
    <message>
        <source>网络访问被禁用。</source>
        <translation>L'accesso alla rete è disattivato.</translation>
    </message>
    <message>
        <source>上传的文件不是一张图片</source>
        <translation>Il file caricato non è un'immagine</translation>
    </message>
    <message>
        <source>正在登录...</source>
        <translation>Accesso in corso…</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Accesso effettuato</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Please login first!</source>
        <translation>Accedi prima!</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>上传超时</source>
        <translation>Caricamento scaduto</translation>
    </message>
</context>
<context>
    <name>WindowsMenuBar</name>
    <message>
        <source>强制退出</source>
        <translation>Uscita forzata</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Apri recenti</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Svuota elenco</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Importa cartella</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Importa file</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>显示 文件</source>
        <translation>Mostra file</translation>
    </message>
    <message>
        <source>显示 自动章节</source>
        <translation>Mostra capitoli</translation>
    </message>
    <message>
        <source>显示 字数统计</source>
        <translation>Mostra conteggio parole</translation>
    </message>
    <message>
        <source>显示 拼字</source>
        <translation>Mostra stanze di scrittura</translation>
    </message>
    <message>
        <source>显示 我</source>
        <translation>Mostra il mio account</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Finestra in primo piano</translation>
    </message>
    <message>
        <source>退出 极简 模式</source>
        <translation>Esci dalla modalità minimalista</translation>
    </message>
    <message>
        <source>进入 极简 模式</source>
        <translation>Entra in modalità minimalista</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Esci dalla modalità Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Entra in modalità Lumo</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Scheda statistiche</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtra parole sensibili</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Aggiungi titolo del capitolo</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Impaginazione con un tasto</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronizzazione cloud</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Modalità macchina da scrivere</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Avvia la modalità macchina da scrivere</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Evidenzia la riga corrente</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Scorrimento fisso</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabile</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Segna la riga corrente</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>显示 闯关</source>
        <translation>Mostra sfida</translation>
    </message>
    <message>
        <source>显示 笔记</source>
        <translation>Mostra note</translation>
    </message>
</context>
<context>
    <name>WindowsTitleBar</name>
    <message>
        <source>最小化</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>WordCountPage</name>
    <message>
        <source>字数统计</source>
        <translation>Conteggio parole</translation>
    </message>
    <message>
        <source>元</source>
        <translation>yuan</translation>
    </message>
    <message>
        <source>字数统计功能菜单</source>
        <translation>Menu del conteggio parole</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Scheda statistiche</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>Dimensione caratteri</translation>
    </message>
    <message>
        <source>同步字数</source>
        <translation>Sincronizza conteggi</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Accedi prima</translation>
    </message>
    <message>
        <source>文档统计</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>总字数</source>
        <translation>Parole totali</translation>
    </message>
    <message>
        <source>总字数(无空格)</source>
        <translation>Parole totali (senza spazi)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Cifre</translation>
    </message>
    <message>
        <source>空格数</source>
        <translation>Spazi</translation>
    </message>
    <message>
        <source>汉字数</source>
        <translation>Caratteri cinesi</translation>
    </message>
    <message>
        <source>单词数</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>段落数</source>
        <translation>Paragrafi</translation>
    </message>
    <message>
        <source>今时今日</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Parole di oggi</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Velocità di oggi</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Tempo di oggi</translation>
    </message>
    <message>
        <source>今日稿费</source>
        <translation>Compenso di oggi</translation>
    </message>
    <message>
        <source>本周统计</source>
        <translation>Questa settimana</translation>
    </message>
    <message>
        <source>本周字数</source>
        <translation>Parole della settimana</translation>
    </message>
    <message>
        <source>本周速度</source>
        <translation>Velocità della settimana</translation>
    </message>
    <message>
        <source>本周用时</source>
        <translation>Tempo della settimana</translation>
    </message>
    <message>
        <source>本周稿费</source>
        <translation>Compenso della settimana</translation>
    </message>
    <message>
        <source>月度统计</source>
        <translation>Questo mese</translation>
    </message>
    <message>
        <source>本月字数</source>
        <translation>Parole del mese</translation>
    </message>
    <message>
        <source>本月速度</source>
        <translation>Velocità del mese</translation>
    </message>
    <message>
        <source>本月用时</source>
        <translation>Tempo del mese</translation>
    </message>
    <message>
        <source>本月稿费</source>
        <translation>Compenso del mese</translation>
    </message>
    <message>
        <source>年度统计</source>
        <translation>Quest'anno</translation>
    </message>
    <message>
        <source>今年字数</source>
        <translation>Parole dell'anno</translation>
    </message>
    <message>
        <source>今年速度</source>
        <translation>Velocità dell'anno</translation>
    </message>
    <message>
        <source>今年用时</source>
        <translation>Tempo dell'anno</translation>
    </message>
    <message>
        <source>年度稿费</source>
        <translation>Compenso dell'anno</translation>
    </message>
    <message>
        <source>设置字体大小</source>
        <translation>Imposta la dimensione dei caratteri</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Dimensione carattere</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n parola</numerusform>
            <numerusform>%n parole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n parola/min</numerusform>
            <numerusform>%n parole/min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bot</name>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Impossibile salvare il file di cache: </translation>
    </message>
</context>
<context>
    <name>cloudDisk</name>
    <message>
        <source>没有登陆</source>
        <translation>Accesso non effettuato</translation>
    </message>
    <message>
        <source>设置中取消了云同步功能</source>
        <translation>La sincronizzazione è disattivata nelle impostazioni</translation>
    </message>
    <message>
        <source>另一个云同步线程正在运行</source>
        <translation>È già in corso un'altra sincronizzazione</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronizzazione cloud</translation>
    </message>
    <message>
        <source>云同步开始</source>
        <translation>Sincronizzazione avviata</translation>
    </message>
    <message>
        <source>有冲突文件待处理</source>
        <translation>Ci sono file in conflitto da gestire</translation>
    </message>
    <message>
        <source>同步完成</source>
        <translation>Sincronizzazione completata</translation>
    </message>
    <message>
        <source>云同步:有冲突文件待处理</source>
        <translation>Sincronizzazione: ci sono file in conflitto da gestire</translation>
    </message>
    <message>
        <source>Not logged in:</source>
        <translation>Accesso non effettuato:</translation>
    </message>
    <message>
        <source>正在上传文件</source>
        <translation>Caricamento dei file</translation>
    </message>
    <message>
        <source>文件上传结束</source>
        <translation>Caricamento completato</translation>
    </message>
    <message>
        <source>正在下载文件</source>
        <translation>Scaricamento dei file</translation>
    </message>
    <message>
        <source>文件下载结束</source>
        <translation>Scaricamento completato</translation>
    </message>
    <message>
        <source>正在下载冲突文件</source>
        <translation>Scaricamento dei file in conflitto</translation>
    </message>
    <message>
        <source>下载冲突文件结束</source>
        <translation>File in conflitto scaricati</translation>
    </message>
    <message>
        <source>删除元数据失败</source>
        <translation>Impossibile eliminare i metadati</translation>
    </message>
    <message>
        <source>删除远程文件失败</source>
        <translation>Impossibile eliminare il file remoto</translation>
    </message>
    <message>
        <source>删除远程文件失败:</source>
        <translation>Impossibile eliminare il file remoto:</translation>
    </message>
    <message>
        <source>上传失败</source>
        <translation>Caricamento non riuscito</translation>
    </message>
    <message>
        <source>上传失败:</source>
        <translation>Caricamento non riuscito:</translation>
    </message>
    <message>
        <source>更新元数据失败</source>
        <translation>Impossibile aggiornare i metadati</translation>
    </message>
    <message>
        <source>更新元数据失败:</source>
        <translation>Impossibile aggiornare i metadati:</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Scaricamento non riuscito</translation>
    </message>
    <message>
        <source>下载失败:</source>
        <translation>Scaricamento non riuscito:</translation>
    </message>
    <message>
        <source>删除文件不存在</source>
        <translation>Il file da eliminare non esiste</translation>
    </message>
    <message>
        <source>删除文件不存在::</source>
        <translation>Il file da eliminare non esiste::</translation>
    </message>
    <message>
        <source>删除文件失败</source>
        <translation>Impossibile eliminare il file</translation>
    </message>
    <message>
        <source>删除文件失败:</source>
        <translation>Impossibile eliminare il file:</translation>
    </message>
    <message>
        <source>写文件失败</source>
        <translation>Impossibile scrivere il file</translation>
    </message>
    <message>
        <source>写文件失败:</source>
        <translation>Impossibile scrivere il file:</translation>
    </message>
    <message>
        <source>写元数据失败</source>
        <translation>Impossibile scrivere i metadati</translation>
    </message>
    <message>
        <source>写元数据失败:</source>
        <translation>Impossibile scrivere i metadati:</translation>
    </message>
    <message>
        <source>写入文件失败:</source>
        <translation>Impossibile scrivere il file:</translation>
    </message>
    <message>
        <source>冲突</source>
        <translation>conflitto</translation>
    </message>
    <message>
        <source>已退出登录，同步已停止</source>
        <translation>Disconnesso; la sincronizzazione si è fermata</translation>
    </message>
    <message>
        <source>云同步已关闭，同步已停止</source>
        <translation>Sincronizzazione cloud disattivata; la sincronizzazione si è fermata</translation>
    </message>
    <message>
        <source>程序退出，同步已停止</source>
        <translation>Il programma si chiude; la sincronizzazione si è fermata</translation>
    </message>
    <message>
        <source>账号已切换，同步已停止</source>
        <translation>L'account è cambiato; la sincronizzazione si è fermata</translation>
    </message>
    <message>
        <source>文档目录已更换，同步已停止</source>
        <translation>La cartella dei documenti è cambiata; la sincronizzazione si è fermata</translation>
    </message>
    <message>
        <source>网络连接失败</source>
        <translation>La connessione di rete non è riuscita</translation>
    </message>
    <message>
        <source>同步中断</source>
        <translation>Sincronizzazione interrotta</translation>
    </message>
    <message>
        <source>同步中断:</source>
        <translation>Sincronizzazione interrotta:</translation>
    </message>
    <message>
        <source>文件在同步时被修改</source>
        <translation>Il file è stato modificato durante la sincronizzazione</translation>
    </message>
    <message>
        <source>文件在同步时被修改:</source>
        <translation>Il file è stato modificato durante la sincronizzazione:</translation>
    </message>
    <message>
        <source>文档目录上次由另一个账号同步，等待选择</source>
        <translation>La cartella dei documenti è stata sincronizzata l'ultima volta da un altro account; in attesa della tua scelta</translation>
    </message>
    <message>
        <source>无法读取本地文件</source>
        <translation>Impossibile leggere il file locale</translation>
    </message>
    <message>
        <source>无法保存历史记录</source>
        <translation>Impossibile salvare la copia nella cronologia</translation>
    </message>
    <message>
        <source>同步结束，有文件未能同步</source>
        <translation>Sincronizzazione terminata, alcuni file non sono stati sincronizzati</translation>
    </message>
    <message>
        <source>云同步结束，有文件未能同步:</source>
        <translation>Sincronizzazione cloud terminata, alcuni file non sono stati sincronizzati:</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>data</name>
    <message>
        <source>字数统计保存失败</source>
        <translation>Impossibile salvare le statistiche</translation>
    </message>
    <message>
        <source>please login first</source>
        <translation>Accedi prima</translation>
    </message>
    <message>
        <source>同步本周字数成功(无变更)</source>
        <translation>Parole della settimana sincronizzate (nessuna modifica)</translation>
    </message>
    <message>
        <source>同步本月字数成功(无变更)</source>
        <translation>Parole del mese sincronizzate (nessuna modifica)</translation>
    </message>
    <message>
        <source>同步今年字数成功(无变更)</source>
        <translation>Parole dell'anno sincronizzate (nessuna modifica)</translation>
    </message>
    <message>
        <source>同步今日字数成功(无变更)</source>
        <translation>Parole di oggi sincronizzate (nessuna modifica)</translation>
    </message>
    <message>
        <source>同步今日字数失败</source>
        <translation>Impossibile sincronizzare le parole di oggi</translation>
    </message>
    <message>
        <source>同步今日字数成功(已上传)</source>
        <translation>Parole di oggi sincronizzate (caricate)</translation>
    </message>
</context>
<context>
    <name>fileordermaplist</name>
    <message>
        <source>无法保存书籍顺序：</source>
        <translation>Impossibile salvare l'ordine dei libri: </translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>第%1章</source>
        <translation>Capitolo %1</translation>
    </message>
    <message>
        <source>NewBook</source>
        <translation>NuovoLibro</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>没有选中的文件</source>
        <translation>Nessun file selezionato</translation>
    </message>
    <message>
        <source>只能删除文档文件夹中的文件：%1</source>
        <translation>Si possono eliminare solo i file della cartella dei documenti: %1</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件未删除：%1</source>
        <translation>Impossibile salvare la cronologia, file non eliminato: %1</translation>
    </message>
    <message>
        <source>删除失败：%1</source>
        <translation>Eliminazione non riuscita: %1</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件夹未删除：%1</source>
        <translation>Impossibile salvare la cronologia, cartella non eliminata: %1</translation>
    </message>
    <message>
        <source>无法重命名</source>
        <translation>Impossibile rinominare</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件已存在</source>
        <translation>Impossibile rinominare: esiste già un file con questo nome</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件夹已存在</source>
        <translation>Impossibile rinominare: esiste già una cartella con questo nome</translation>
    </message>
    <message>
        <source>新笔记 %1</source>
        <translation>Nuova nota %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>无法读取历史记录：%1</source>
        <translation>Impossibile leggere la cronologia: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复：%1</source>
        <translation>Impossibile salvare il contenuto attuale nella cronologia; nulla ripristinato: %1</translation>
    </message>
    <message>
        <source>恢复失败：%1</source>
        <translation>Ripristino non riuscito: %1</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>Cartella principale</translation>
    </message>
    <message>
        <source>已存在相同内容，未导入：%1</source>
        <translation>Lo stesso contenuto esiste già, non importato: %1</translation>
    </message>
    <message>
        <source>未能导入：%1</source>
        <translation>Impossibile importare: %1</translation>
    </message>
    <message>
        <source>Directory not exists</source>
        <translation>La cartella non esiste</translation>
    </message>
    <message>
        <source>目标文件夹不在文件目录下, 默认导入到文件目录下</source>
        <translation>La cartella di destinazione è fuori da quella dei documenti; importazione nella cartella dei documenti</translation>
    </message>
    <message>
        <source>您要导入的文件夹与目标文件夹相同,不用导入这个文件夹</source>
        <translation>La cartella da importare è la cartella di destinazione: niente da importare</translation>
    </message>
    <message>
        <source>不能导出到书中的文档：%1</source>
        <translation>Impossibile esportare in un documento del libro: %1</translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation>Esportazione non riuscita: %1</translation>
    </message>
    <message>
        <source>文档名须以“.txt”或“.md”结尾</source>
        <translation>Il nome del documento deve finire con «.txt» o «.md»</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>不在文件目录内</source>
        <translation>Non è nella cartella dei documenti</translation>
    </message>
    <message>
        <source>没有空闲的文件名</source>
        <translation>Nessun nome di file libero</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>Il file non esiste</translation>
    </message>
    <message>
        <source>不能覆盖文档库中已有的文件：%1</source>
        <translation>Impossibile sovrascrivere un file già presente nella libreria: %1</translation>
    </message>
    <message>
        <source>是否确认删除书“%1”及其中的全部文档？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Eliminare il libro «%1» e tutti i suoi documenti? Le copie fatte prima dell'eliminazione restano nella cronologia (Strumenti → Cronologia).</translation>
    </message>
    <message>
        <source>是否确认删除“%1”？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Eliminare «%1»? Una copia fatta prima dell'eliminazione resta nella cronologia (Strumenti → Cronologia).</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件导入到 %1</source>
        <translation>
            <numerusform>%n file importato in %1</numerusform>
            <numerusform>%n file importati in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>以下文件不保存副本，删除后无法恢复：%1</source>
        <translation>Di questi file non resta una copia e non si potranno recuperare dopo l'eliminazione: %1</translation>
    </message>
    <message>
        <source>是否要删除“%1”？删除后不能恢复。</source>
        <translation>Eliminare «%1»? Non sarà possibile recuperarlo.</translation>
    </message>
    <message numerus="yes">
        <source>……以及另外 %n 个文件</source>
        <translation>
            <numerusform>… e %n altro file</numerusform>
            <numerusform>… e altri %n file</numerusform>
        </translation>
    </message>
    <message>
        <source>未恢复：</source>
        <translation>Non ripristinato: </translation>
    </message>
    <message>
        <source>无法确定“%1”属于哪个文档</source>
        <translation>Impossibile stabilire a quale documento appartenga «%1»</translation>
    </message>
    <message>
        <source>多个文档名为“%1”：请在文件树中该文档的历史记录里恢复</source>
        <translation>Più documenti si chiamano «%1»: ripristinalo dalla cronologia di quel documento nell’albero dei file</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，不会被改写</source>
        <translation>Questo file contiene byte che non sono testo %1; non viene scritto</translation>
    </message>
</context>
<context>
    <name>function</name>
    <message>
        <source>无此功能</source>
        <translation>Non disponibile</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Do you confirm deletion? Deleted files will not be recovered.</source>
        <translation>Confermi l'eliminazione? I file eliminati non potranno essere recuperati.</translation>
    </message>
    <message>
        <source>复制失败：</source>
        <translation>Copia non riuscita: </translation>
    </message>
    <message>
        <source>移动失败：</source>
        <translation>Spostamento non riuscito: </translation>
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
        <translation>Ciao,</translation>
    </message>
    <message>
        <source>关于%1，我有一些建议。</source>
        <translation>Ho alcuni suggerimenti su %1.</translation>
    </message>
    <message>
        <source>(系统版本:%1  软件版本:%2)</source>
        <translation>(Versione del sistema: %1  Versione del programma: %2)</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>La cartella non esiste</translation>
    </message>
    <message>
        <source>这是一个文件，不是文件夹</source>
        <translation>È un file, non una cartella</translation>
    </message>
    <message>
        <source>这是文件系统的根目录</source>
        <translation>È la cartella radice del file system</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>Nessun permesso di scrittura</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。已改用默认文件夹。</source>
        <translation>Impossibile usare la cartella dei documenti %1: %2. Si usa la cartella predefinita.</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。</source>
        <translation>Impossibile usare la cartella dei documenti %1: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>偏好设置</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>打卡</source>
        <translation>Presenza</translation>
    </message>
    <message>
        <source>闯关正在进行中，如果此时退出，直接判定闯关失败，扣除的闯关门票不退还。确定要退出吗？</source>
        <translation>C'è una sfida in corso. Uscire ora significa perderla, e l'iscrizione non viene rimborsata. Uscire comunque?</translation>
    </message>
    <message>
        <source>尚有正在进行中的闯关:</source>
        <translation>C'è ancora una sfida in corso:</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>关卡</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>点击确定，重进进入闯关模式，不需要门票。点击取消，放弃闯关，之前支付的门票积分不予退还。</source>
        <translation>OK per tornare alla sfida senza pagare di nuovo. Annulla per abbandonarla; i punti pagati per l'iscrizione non vengono rimborsati.</translation>
    </message>
    <message>
        <source>按 %1 键即可退出Lumo模式</source>
        <translation>Premi %1 per uscire dalla modalità Lumo</translation>
    </message>
    <message>
        <source>窗口已置顶</source>
        <translation>La finestra resta in primo piano</translation>
    </message>
    <message>
        <source>窗口已取消置顶</source>
        <translation>La finestra non resta più in primo piano</translation>
    </message>
    <message>
        <source>锁定状态不能取消窗口置顶</source>
        <translation>Durante il blocco la finestra resta in primo piano</translation>
    </message>
    <message>
        <source>锁定状态不能退出程序</source>
        <translation>Non puoi uscire durante il blocco</translation>
    </message>
    <message>
        <source>有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。</source>
        <translation>Un documento non è stato salvato, quindi il programma non si è chiuso. Uscendo di nuovo, il testo non salvato verrà copiato altrove e il prossimo avvio dirà dove.</translation>
    </message>
    <message>
        <source>上次退出时有文档未能保存，未保存的内容已存入：%1</source>
        <translation>All’ultima chiusura alcuni documenti non sono stati salvati; il loro testo non salvato è stato conservato in: %1</translation>
    </message>
    <message>
        <source>上次打开的文件已不存在：%1</source>
        <translation>Il file aperto l’ultima volta non esiste più: %1</translation>
    </message>
</context>
<context>
    <name>myRankingData</name>
    <message>
        <source>立入禁止</source>
        <translation>Accesso vietato</translation>
    </message>
    <message>
        <source>此房间为邀请制，需要房主邀请才能进入。</source>
        <translation>Questa stanza è solo su invito: il proprietario deve invitarti.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Sei uscito dalla stanza %1</translation>
    </message>
</context>
<context>
    <name>network</name>
    <message>
        <source>未配置服务器地址</source>
        <translation>Nessun indirizzo del server configurato</translation>
    </message>
    <message>
        <source>错误码:</source>
        <translation>Codice di errore:</translation>
    </message>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Impossibile salvare il file di cache: </translation>
    </message>
</context>
<context>
    <name>oss</name>
    <message>
        <source>This path is not authorized by the server</source>
        <translation>Questo percorso non è autorizzato dal server</translation>
    </message>
    <message>
        <source>云端的回答不是文件列表</source>
        <translation>La risposta del cloud non è un elenco di file</translation>
    </message>
    <message>
        <source>云端的回答不是存储服务的回答</source>
        <translation>La risposta non proviene dal servizio di archiviazione</translation>
    </message>
    <message>
        <source>云端文件列表不完整</source>
        <translation>L'elenco dei file nel cloud è incompleto</translation>
    </message>
</context>
<context>
    <name>update</name>
    <message>
        <source>有新版:</source>
        <translation>Nuova versione: </translation>
    </message>
    <message>
        <source>恭喜，已经是最新版了</source>
        <translation>Complimenti, questa è l'ultima versione</translation>
    </message>
    <message>
        <source>连接更新服务器失败!</source>
        <translation>Impossibile raggiungere il server degli aggiornamenti!</translation>
    </message>
</context>
</TS>
