<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>版本号</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Penlark 是为长篇作者写作的专注写作软件。
版权所有 © Penlark 开发者。</source>
        <translation>Penlark ist ein Schreibprogramm für Autorinnen und Autoren langer Bücher.
Copyright © die Penlark-Entwickler.</translation>
    </message>
    <message>
        <source>立即更新</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>检查新版本</source>
        <translation>Nach neuer Version suchen</translation>
    </message>
</context>
<context>
    <name>AnalysisSyncWorker</name>
    <message>
        <source>获取云端列表出错</source>
        <translation>Cloud-Dateiliste konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>获取云端列表出错:</source>
        <translation>Cloud-Dateiliste konnte nicht geladen werden:</translation>
    </message>
</context>
<context>
    <name>AutoChapterPage</name>
    <message>
        <source>自动章节</source>
        <translation>Automatische Kapitel</translation>
    </message>
    <message>
        <source>(无标题)</source>
        <translation>(ohne Titel)</translation>
    </message>
    <message>
        <source>没有章节</source>
        <translation>Keine Kapitel</translation>
    </message>
    <message numerus="yes">
        <source>%n 章</source>
        <translation>
            <numerusform>%n Kapitel</numerusform>
            <numerusform>%n Kapitel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BarGraph</name>
    <message>
        <source>柱状图</source>
        <translation>Balkendiagramm</translation>
    </message>
</context>
<context>
    <name>ClockInPage</name>
    <message>
        <source>打卡</source>
        <translation>Einchecken</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 Punkte für jede tägliche Anmeldung</translation>
    </message>
</context>
<context>
    <name>CloudButton</name>
    <message>
        <source>云同步</source>
        <translation>Cloud-Synchronisierung</translation>
    </message>
</context>
<context>
    <name>CloudSheet</name>
    <message>
        <source>正在云同步</source>
        <translation>Cloud-Synchronisierung läuft</translation>
    </message>
    <message>
        <source>不同步，直接退出</source>
        <translation>Ohne Synchronisierung beenden</translation>
    </message>
</context>
<context>
    <name>ConflictPage</name>
    <message>
        <source>冲突选择</source>
        <translation>Konflikte lösen</translation>
    </message>
    <message>
        <source>留下这个，删除另一个</source>
        <translation>Diese behalten, die andere löschen</translation>
    </message>
    <message>
        <source>All Keep</source>
        <translation>Alle behalten</translation>
    </message>
    <message>
        <source>本机</source>
        <translation>Dieser Computer</translation>
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
        <translation>Statistikkarte</translation>
    </message>
    <message>
        <source>近期字数</source>
        <translation>Wörter der letzten Tage</translation>
    </message>
    <message>
        <source>近期速度</source>
        <translation>Tempo der letzten Tage</translation>
    </message>
    <message>
        <source>近期用时</source>
        <translation>Zeit der letzten Tage</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Wörter heute</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Tempo heute</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Zeit heute</translation>
    </message>
    <message>
        <source>剩余锁定时间(分钟):</source>
        <translation>Verbleibende Sperrzeit (Min.):</translation>
    </message>
    <message>
        <source>锁定时间没有启动</source>
        <translation>Zeitsperre nicht aktiv</translation>
    </message>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Verbleibende Wortsperre (gezählte Wörter): </translation>
    </message>
    <message>
        <source>锁定字数没有启动</source>
        <translation>Wortsperre nicht aktiv</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n Wort/Min.</numerusform>
            <numerusform>%n Wörter/Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountLabel</name>
    <message>
        <source>字数: </source>
        <translation>Wörter: </translation>
    </message>
    <message>
        <source>统计中…</source>
        <translation>Wird gezählt…</translation>
    </message>
    <message>
        <source>本章: </source>
        <translation>Dieses Kapitel: </translation>
    </message>
    <message>
        <source>光标前: </source>
        <translation>Vor Cursor: </translation>
    </message>
    <message>
        <source>选中: </source>
        <translation>Ausgewählt: </translation>
    </message>
</context>
<context>
    <name>CreateRoomSheet</name>
    <message>
        <source>创建房间</source>
        <translation>Raum erstellen</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>房间名称</source>
        <translation>Raumname</translation>
    </message>
    <message>
        <source>进入房间需要输入密码</source>
        <translation>Raum nur mit Passwort</translation>
    </message>
    <message>
        <source>房间密码</source>
        <translation>Raumpasswort</translation>
    </message>
    <message>
        <source>重新键入</source>
        <translation>Erneut eingeben</translation>
    </message>
</context>
<context>
    <name>DataTypeClass</name>
    <message>
        <source>文件已损坏且无法移开，未覆盖</source>
        <translation>Die Datei ist beschädigt und lässt sich nicht beiseitelegen; sie wurde nicht überschrieben</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>无法完整读取文件</source>
        <translation>Die Datei lässt sich nicht vollständig lesen</translation>
    </message>
</context>
<context>
    <name>DocumentTabPage</name>
    <message>
        <source>Open a document</source>
        <translation>Dokument öffnen</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>New a document</source>
        <translation>Neues Dokument</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source> (已删除)</source>
        <translation> (gelöscht)</translation>
    </message>
    <message>
        <source> (外部文档)</source>
        <translation> (externes Dokument)</translation>
    </message>
    <message>
        <source>请稍等,等正在载入中的文件载入完成后再打开。</source>
        <translation>Bitte warten, bis die gerade geladene Datei fertig ist, und sie dann erneut öffnen.</translation>
    </message>
    <message>
        <source>保存失败，文档没有关闭。</source>
        <translation>Speichern fehlgeschlagen; das Dokument wurde nicht geschlossen.</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>保存并关闭文档</source>
        <translation>Speichern und Dokument schließen</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Dateien importieren</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Ordner importieren</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1：选择“%2”菜单中的“%3”，或按 %4</source>
        <translation>%1: „%3“ im Menü „%2“ wählen oder %4 drücken</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存。未保存的文字已存入：%1
关闭这个文档吗？</source>
        <translation>Die Datei wurde gelöscht und kann nicht gespeichert werden. Der ungespeicherte Text wurde aufbewahrt in: %1
Dieses Dokument schließen?</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存，未保存的文字也无处存放：关闭后这些文字会丢失。
关闭这个文档吗？</source>
        <translation>Die Datei wurde gelöscht und kann nicht gespeichert werden, und der ungespeicherte Text konnte nirgends aufbewahrt werden: Beim Schließen geht er verloren.
Dieses Dokument schließen?</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Archiv kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>FileHistoryPage</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>文件</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Cloud-Synchronisierung</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>还没有文档</source>
        <translation>Noch keine Dokumente</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>合并并导出文档：</source>
        <translation>Dokumente zusammenführen und exportieren: </translation>
    </message>
</context>
<context>
    <name>FindWidget</name>
    <message>
        <source>替换</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>正则表达式</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Groß/klein beachten</translation>
    </message>
    <message>
        <source>向上查找</source>
        <translation>Vorheriges suchen</translation>
    </message>
    <message>
        <source>向下查找</source>
        <translation>Nächstes suchen</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>确认全部替换？</source>
        <translation>Alle Vorkommen ersetzen?</translation>
    </message>
</context>
<context>
    <name>FolderAccountSheet</name>
    <message>
        <source>文档目录属于另一个账号</source>
        <translation>Der Dokumentordner gehört zu einem anderen Konto</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由账号“%2”同步。</source>
        <translation>Der Dokumentordner „%1“ wurde zuletzt vom Konto „%2“ synchronisiert.</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由另一个账号同步。</source>
        <translation>Der Dokumentordner „%1“ wurde zuletzt von einem anderen Konto synchronisiert.</translation>
    </message>
    <message>
        <source>要把其中的文档合并到当前账号“%1”，还是为当前账号另选一个文档目录？选择之前，不会上传、下载或删除任何文档。</source>
        <translation>Sollen seine Dokumente in das angemeldete Konto „%1“ übernommen werden, oder wählen Sie für dieses Konto einen anderen Dokumentordner? Bis Sie wählen, wird kein Dokument hochgeladen, heruntergeladen oder gelöscht.</translation>
    </message>
    <message>
        <source>合并到当前账号</source>
        <translation>In dieses Konto übernehmen</translation>
    </message>
    <message>
        <source>另选文档目录</source>
        <translation>Anderen Dokumentordner wählen</translation>
    </message>
</context>
<context>
    <name>FontSizeBox</name>
    <message>
        <source>放大字体</source>
        <translation>Schrift vergrößern</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Schrift verkleinern</translation>
    </message>
</context>
<context>
    <name>FormatManager</name>
    <message>
        <source>OpenDocument Text</source>
        <translation>OpenDocument-Text</translation>
    </message>
    <message>
        <source>OpenDocument Flat XML</source>
        <translation>OpenDocument Flat XML</translation>
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
        <translation>Reiner Text</translation>
    </message>
    <message>
        <source>Markdown Text</source>
        <translation>Markdown-Text</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>Alle unterstützten Dateien</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>文档类型声明了实体或属性默认值（%1），已拒绝读取。</source>
        <translation>Der Dokumenttyp deklariert Entitäten oder Attributvorgaben (%1); das Dokument wurde abgelehnt.</translation>
    </message>
    <message>
        <source>不支持文档的编码 %1。</source>
        <translation>Die Kodierung %1 des Dokuments wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>文档中有不符合其编码的字节。</source>
        <translation>Das Dokument enthält Bytes, die nicht zu seiner Kodierung passen.</translation>
    </message>
    <message numerus="yes">
        <source>文档过大：超过 %n 个字符，已停止读取。</source>
        <translation>
            <numerusform>Das Dokument ist zu groß: mehr als %n Zeichen; das Lesen wurde beendet.</numerusform>
            <numerusform>Das Dokument ist zu groß: mehr als %n Zeichen; das Lesen wurde beendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档段落过多：超过 %n 段，已停止读取。</source>
        <translation>
            <numerusform>Das Dokument hat zu viele Absätze: mehr als %n; das Lesen wurde beendet.</numerusform>
            <numerusform>Das Dokument hat zu viele Absätze: mehr als %n; das Lesen wurde beendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档元素过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>Das Dokument hat zu viele Elemente: mehr als %n; das Lesen wurde beendet.</numerusform>
            <numerusform>Das Dokument hat zu viele Elemente: mehr als %n; das Lesen wurde beendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>读取文档超时：超过 %n 秒，已停止读取。</source>
        <translation>
            <numerusform>Das Lesen des Dokuments dauerte zu lange: mehr als %n Sekunde; das Lesen wurde beendet.</numerusform>
            <numerusform>Das Lesen des Dokuments dauerte zu lange: mehr als %n Sekunden; das Lesen wurde beendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档嵌套过深：超过 %n 层，已停止读取。</source>
        <translation>
            <numerusform>Das Dokument ist zu tief verschachtelt: mehr als %n Ebene; das Lesen wurde beendet.</numerusform>
            <numerusform>Das Dokument ist zu tief verschachtelt: mehr als %n Ebenen; das Lesen wurde beendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档中一个元素的属性过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>Ein Element des Dokuments hat zu viele Attribute: mehr als %n; das Lesen wurde beendet.</numerusform>
            <numerusform>Ein Element des Dokuments hat zu viele Attribute: mehr als %n; das Lesen wurde beendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>文档解压后的内容远多于其中的文字，已停止读取。</source>
        <translation>Das Dokument entpackt zu weit mehr, als sein Text braucht; das Lesen wurde beendet.</translation>
    </message>
    <message>
        <source>文档中的空段落远多于有文字的段落，已停止读取。</source>
        <translation>Das Dokument hat weit mehr leere Absätze als Absätze mit Text; das Lesen wurde beendet.</translation>
    </message>
</context>
<context>
    <name>FullTimerWidget</name>
    <message>
        <source>当前时间</source>
        <translation>Aktuelle Uhrzeit</translation>
    </message>
</context>
<context>
    <name>FunctionBar</name>
    <message>
        <source>隐藏</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>FunctionTitleBar</name>
    <message>
        <source>返回</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimieren</translation>
    </message>
</context>
<context>
    <name>GlobalMessage</name>
    <message>
        <source>新版已发布...</source>
        <translation>Eine neue Version ist verfügbar …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>帮助</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>历史记录</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>没有历史记录</source>
        <translation>Kein Verlauf</translation>
    </message>
    <message>
        <source>文档正在载入或不能修改，未恢复。</source>
        <translation>Das Dokument wird geladen oder kann nicht geändert werden; nichts wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>已恢复“%1”，恢复前的内容已存入历史记录。</source>
        <translation>„%1“ wiederhergestellt; der vorherige Text ist im Verlauf gespeichert.</translation>
    </message>
    <message>
        <source>未能保存的内容</source>
        <translation>Text, der nicht gespeichert werden konnte</translation>
    </message>
</context>
<context>
    <name>HomeBar</name>
    <message>
        <source>文件</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Automatische Kapitel</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Wortzählung</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Schreibräume</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Herausforderung</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Mein Konto</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Lumo-Modus verlassen</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Lumo-Modus starten</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <source>选择图片</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>ImageCropSheet</name>
    <message>
        <source>剪裁</source>
        <translation>Zuschneiden</translation>
    </message>
</context>
<context>
    <name>LazyEdit</name>
    <message>
        <source>未命名文件</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>等待同步</source>
        <translation>Wartet auf Synchronisierung</translation>
    </message>
    <message>
        <source>过滤期间文档已被修改，过滤结果未应用。</source>
        <translation>Das Dokument wurde beim Filtern geändert; das Ergebnis wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>选中当前章节</source>
        <translation>Aktuelles Kapitel auswählen</translation>
    </message>
    <message>
        <source>转到文档开始</source>
        <translation>Zum Dokumentanfang</translation>
    </message>
    <message>
        <source>转到文档结尾</source>
        <translation>Zum Dokumentende</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Satz mit einer Taste</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Cloud-Synchronisierung</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Angepasster Modus</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Seitenmodus</translation>
    </message>
</context>
<context>
    <name>LazyTextDocument</name>
    <message>
        <source>未支持的打开方式</source>
        <translation>Diese Art zu öffnen wird nicht unterstützt</translation>
    </message>
    <message>
        <source>无法打开文件: </source>
        <translation>Datei kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>Cannot save: </source>
        <translation>Speichern nicht möglich: </translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>keine lokale Datei</translation>
    </message>
    <message>
        <source>文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。</source>
        <translation>Die Datei wurde von einem anderen Programm geändert. Ihre ungespeicherten Änderungen sind noch im Editor; beim Speichern werden die fremden Änderungen überschrieben.</translation>
    </message>
    <message>
        <source>已经是章节标题了</source>
        <translation>Das ist bereits ein Kapiteltitel</translation>
    </message>
    <message>
        <source>第%1章</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>排版期间文档已被修改，排版结果未应用。</source>
        <translation>Das Dokument wurde beim Formatieren geändert; das Ergebnis wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>从头开始查找</source>
        <translation>Suche ab dem Anfang</translation>
    </message>
    <message>
        <source>从结尾开始查找</source>
        <translation>Suche ab dem Ende</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>无法保存历史记录：</source>
        <translation>Der Verlauf kann nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>文件正在载入</source>
        <translation>Die Datei wird noch geladen</translation>
    </message>
    <message>
        <source>无法保存过滤前的历史记录，过滤结果未应用。</source>
        <translation>Der Text vor dem Filtern konnte nicht im Verlauf gespeichert werden; das Filterergebnis wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，保存会改变它们：文件以只读方式打开，不会被保存。</source>
        <translation>Diese Datei enthält Bytes, die kein %1-Text sind; Speichern würde sie ändern, daher wird die Datei schreibgeschützt geöffnet und nie gespeichert.</translation>
    </message>
    <message>
        <source>未保存的修改已存入：%1</source>
        <translation>Die ungespeicherten Änderungen wurden abgelegt in: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改并重新载入，未保存的修改已存入：%1</source>
        <translation>Die Datei wurde von einem anderen Programm geändert und neu geladen; die ungespeicherten Änderungen wurden abgelegt in: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改，已重新载入。</source>
        <translation>Die Datei wurde von einem anderen Programm geändert und neu geladen.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改无处存放，仍在编辑器中。</source>
        <translation>Die Datei wurde verschoben oder gelöscht; die ungespeicherten Änderungen konnten nirgends abgelegt werden und sind noch im Editor.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改已存入：%1</source>
        <translation>Die Datei wurde verschoben oder gelöscht; die ungespeicherten Änderungen wurden abgelegt in: %1</translation>
    </message>
    <message>
        <source>无法读取文件（没有权限）：%1。未保存的修改仍在编辑器中，能读取后再保存。</source>
        <translation>Die Datei kann nicht gelesen werden (keine Berechtigung): %1. Die ungespeicherten Änderungen sind noch im Editor; speichern Sie erneut, sobald sie lesbar ist.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本无处存放。</source>
        <translation>Ein anderes Programm hat die Datei beim Speichern geändert; seine Fassung konnte nirgends aufbewahrt werden.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本已存入：%1</source>
        <translation>Ein anderes Programm hat die Datei beim Speichern geändert; seine Fassung wurde aufbewahrt in: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复。</source>
        <translation>Der aktuelle Text konnte nicht im Verlauf gespeichert werden; nichts wurde wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>LibraryPath</name>
    <message>
        <source>无法新建文件：</source>
        <translation>Die Datei kann nicht angelegt werden: </translation>
    </message>
</context>
<context>
    <name>Locker</name>
    <message>
        <source>已锁定</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>已解锁</source>
        <translation>Entsperrt</translation>
    </message>
</context>
<context>
    <name>LockerLabel</name>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Verbleibende Wortsperre (gezählte Wörter): </translation>
    </message>
    <message>
        <source>剩余锁定时间(秒):</source>
        <translation>Verbleibende Sperrzeit (Sek.):</translation>
    </message>
    <message>
        <source>距离刷新锁定数据剩余时间(秒):</source>
        <translation>Nächste Aktualisierung der Sperre in (Sek.):</translation>
    </message>
    <message>
        <source>当前处于锁定状态</source>
        <translation>Gerade gesperrt</translation>
    </message>
</context>
<context>
    <name>LoginPage</name>
    <message>
        <source>登录</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Registrieren</translation>
    </message>
    <message>
        <source>用户名或邮箱不能为空</source>
        <translation>Benutzername oder E-Mail fehlt</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>Passwort fehlt</translation>
    </message>
    <message>
        <source>用户名不能为空</source>
        <translation>Benutzername fehlt</translation>
    </message>
    <message>
        <source>邮箱不能为空</source>
        <translation>E-Mail fehlt</translation>
    </message>
    <message>
        <source>确认密码不能为空</source>
        <translation>Bitte Passwort wiederholen</translation>
    </message>
    <message>
        <source>两次输入的密码不一致</source>
        <translation>Die Passwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>验证码不能为空</source>
        <translation>Bestätigungscode fehlt</translation>
    </message>
    <message>
        <source>注册成功，您可以登陆了</source>
        <translation>Registriert. Sie können sich jetzt anmelden.</translation>
    </message>
    <message>
        <source>用户名或邮箱</source>
        <translation>Benutzername oder E-Mail</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>Automatisch anmelden</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>Passwort vergessen</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Bestätigungscode</translation>
    </message>
    <message>
        <source>创建新账户</source>
        <translation>Konto erstellen</translation>
    </message>
    <message>
        <source>未配置服务器地址，无法登录或注册。</source>
        <translation>Keine Serveradresse eingerichtet; Anmelden und Registrieren sind nicht möglich.</translation>
    </message>
</context>
<context>
    <name>LoginPasswordWidget</name>
    <message>
        <source>启动密码错误</source>
        <translation>Falsches Startpasswort</translation>
    </message>
    <message>
        <source>注意启动密码不是您用户账号的密码。
而是您在软件偏好设置中设置的启动密码。
此功能可以在本软件的偏好设置中取消。</source>
        <translation>Hinweis: Das Startpasswort ist nicht Ihr Kontopasswort.
Es ist das Startpasswort aus den Voreinstellungen des Programms.
Sie können es dort ausschalten.</translation>
    </message>
    <message>
        <source>请输入启动密码</source>
        <translation>Startpasswort eingeben</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Startpasswort</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>LumoCounter</name>
    <message>
        <source>Counting chapters, please try again later</source>
        <translation>Kapitel werden gezählt, bitte später erneut versuchen</translation>
    </message>
</context>
<context>
    <name>LumoFileSystemModel</name>
    <message>
        <source>名称不能为空</source>
        <translation>Der Name darf nicht leer sein</translation>
    </message>
    <message>
        <source>名称不能包含“/”、“\”或“..”</source>
        <translation>Der Name darf „/“, „\“ oder „..“ nicht enthalten</translation>
    </message>
    <message>
        <source>名称太长</source>
        <translation>Der Name ist zu lang</translation>
    </message>
    <message>
        <source>指定名称的文件已存在</source>
        <translation>Eine Datei mit diesem Namen gibt es schon</translation>
    </message>
    <message>
        <source>名称不能以“.”开头</source>
        <translation>Der Name darf nicht mit „.“ beginnen</translation>
    </message>
    <message>
        <source>“%1”是程序自用的名称</source>
        <translation>„%1“ ist ein Name, den das Programm selbst verwendet</translation>
    </message>
</context>
<context>
    <name>LumoTheme</name>
    <message>
        <source>跟随主题</source>
        <translation>System folgen</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Standard-Weiß</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Standard-Schwarz</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Puderrosa</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Frisches Grün</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>电纸书</source>
        <translation>E-Paper</translation>
    </message>
</context>
<context>
    <name>MarkModel</name>
    <message>
        <source>无法保存标记：</source>
        <translation>Die Markierungen können nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>文件无法读取，未覆盖</source>
        <translation>Die Datei kann nicht gelesen werden; sie wurde nicht überschrieben</translation>
    </message>
</context>
<context>
    <name>MarkTextWidget</name>
    <message>
        <source>标记</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>删除此标记</source>
        <translation>Diese Markierung löschen</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>标记内容
(可为空,最多200字)
一般用作注释。</source>
        <translation>Markierungstext
(optional, bis 200 Zeichen)
Meist als Notiz verwendet.</translation>
    </message>
    <message>
        <source>例如：
林远，男，二十七岁，
镇上书铺的掌柜，
寡言，爱下棋。
...</source>
        <translation>Zum Beispiel:
Lin Yuan, männlich, 27,
Inhaber der Buchhandlung im Ort,
wortkarg, spielt gern Schach.
...</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Farbe</translation>
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
        <translation>Mein Konto</translation>
    </message>
    <message>
        <source>您的新头像更新成功</source>
        <translation>Ihr neuer Avatar wurde gespeichert</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>头像设置</source>
        <translation>Avatar</translation>
    </message>
    <message>
        <source>设置用户信息</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>退出登录</source>
        <translation>Abmelden</translation>
    </message>
</context>
<context>
    <name>MiniHomeBar</name>
    <message>
        <source>文件</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Automatische Kapitel</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Wortzählung</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Schreibräume</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Herausforderung</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Mein Konto</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Lumo-Modus verlassen</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Lumo-Modus starten</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Verwalten</translation>
    </message>
</context>
<context>
    <name>NavigationItem</name>
    <message>
        <source>返回</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>NetworkReply</name>
    <message>
        <source>网络请求超时</source>
        <translation>Die Netzwerkanfrage hat das Zeitlimit überschritten</translation>
    </message>
    <message>
        <source>收到的内容不完整</source>
        <translation>Die Antwort kam unvollständig an</translation>
    </message>
</context>
<context>
    <name>NotesPage</name>
    <message>
        <source>笔记</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>创建新笔记</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>删除笔记</source>
        <translation>Notiz löschen</translation>
    </message>
    <message>
        <source>打开最近笔记</source>
        <translation>Letzte Notiz öffnen</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <source>笔记</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Archiv kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>PasswordWindow</name>
    <message>
        <source>修改密码</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>密码修改成功</source>
        <translation>Passwort geändert</translation>
    </message>
    <message>
        <source>旧密码</source>
        <translation>Altes Passwort</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Passwort wiederholen</translation>
    </message>
</context>
<context>
    <name>PcMain</name>
    <message>
        <source>自动章节</source>
        <translation>Automatische Kapitel</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Wortzählung</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Schreibräume</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Herausforderung</translation>
    </message>
</context>
<context>
    <name>PhoneHomeTabBar</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>Ich</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Wortzählung</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Schreibräume</translation>
    </message>
</context>
<context>
    <name>Points</name>
    <message>
        <source>积分</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>读者感谢你的创作!</source>
        <translation>Ihre Leser danken Ihnen für Ihr Schreiben!</translation>
    </message>
    <message>
        <source>开始就成功了一半,加油!</source>
        <translation>Gut begonnen ist halb gewonnen. Weiter so!</translation>
    </message>
    <message>
        <source>超神!!!</source>
        <translation>Legendär!!!</translation>
    </message>
    <message>
        <source>您今天已经创作了一万字以上！</source>
        <translation>Sie haben heute mehr als 10.000 Wörter geschrieben!</translation>
    </message>
</context>
<context>
    <name>PointsAwardRow</name>
    <message>
        <source>获取</source>
        <translation>Abholen</translation>
    </message>
    <message>
        <source>已获取</source>
        <translation>Abgeholt</translation>
    </message>
</context>
<context>
    <name>PointsWindow</name>
    <message>
        <source>积分</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>首次登陆赠送100积分</source>
        <translation>100 Punkte für die erste Anmeldung</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 Punkte für jede tägliche Anmeldung</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>偏好设置</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>键盘音效</source>
        <translation>Tastaturklang</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>打字机音效</source>
        <translation>Schreibmaschinenklang</translation>
    </message>
    <message>
        <source>水滴声音效</source>
        <translation>Wassertropfenklang</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Startpasswort verwenden</translation>
    </message>
    <message>
        <source>使用 极简 布局</source>
        <translation>Minimales Layout verwenden</translation>
    </message>
    <message>
        <source>使用 自由 布局</source>
        <translation>Freies Layout verwenden</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Cloud-Synchronisierung</translation>
    </message>
    <message>
        <source>启用云同步</source>
        <translation>Cloud-Synchronisierung einschalten</translation>
    </message>
    <message>
        <source>退出软件时执行云同步</source>
        <translation>Beim Beenden synchronisieren</translation>
    </message>
    <message>
        <source>快捷键方案</source>
        <translation>Tastenkürzel-Schema</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。</source>
        <translation>Die Standard-Textfarbe folgt dem Design. Eine hier gewählte Farbe gilt nur für das aktuelle Design; folgt das Design dem System, nur für dessen aktuelles helles oder dunkles Design.</translation>
    </message>
    <message>
        <source>编辑框模式</source>
        <translation>Editormodus</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Seitenmodus</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Angepasster Modus</translation>
    </message>
    <message>
        <source>编辑框左右边距（自适应模式）</source>
        <translation>Seitenränder (angepasster Modus)</translation>
    </message>
    <message>
        <source>页面固定宽度（页面模式）</source>
        <translation>Feste Seitenbreite (Seitenmodus)</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>汉字</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>编辑框全局居中</source>
        <translation>Editor im ganzen Fenster zentrieren</translation>
    </message>
    <message>
        <source>默认字体</source>
        <translation>Standardschrift</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>默认字体颜色(跟随主题)</source>
        <translation>Standardtextfarbe (folgt dem Design)</translation>
    </message>
    <message>
        <source>文档中标题样式</source>
        <translation>Stil der Kapiteltitel</translation>
    </message>
    <message>
        <source>首行缩进两个字符</source>
        <translation>Erste Zeile um zwei Zeichen einrücken</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Zeilenabstand</translation>
    </message>
    <message>
        <source>段落间距</source>
        <translation>Absatzabstand</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>文件路径</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>生成历史记录时间间隔</source>
        <translation>Abstand der Verlaufskopien</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Wortzahl des Kapitels in der Statusleiste</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Wörter vor dem Cursor in der Statusleiste</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Fünfmal die Eingabetaste fügt einen Kapiteltitel ein</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Automatische Kapitel</translation>
    </message>
    <message>
        <source>设置自动章节识别关键词</source>
        <translation>Kapitel-Schlüsselwörter festlegen</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。
对话体统计：每行冒号前面的文字不计入字数。
预估稿费为 0 时不显示预估稿费。</source>
        <translation>Die Tagesstatistik folgt dem Ergebnis: Die Wörter von heute sind die Summe der Änderungen aller geöffneten Dokumente, Einfügen oder Löschen kann sie also zu hoch oder zu niedrig machen; die übrigen Statistiken zählen nur getippte Wörter.
Dialogzählung: Der Text vor dem Doppelpunkt jeder Zeile wird nicht gezählt.
Bei einem geschätzten Honorar von 0 wird keine Schätzung angezeigt.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Heutige Statistik nach Ergebnis</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Dialogzählung</translation>
    </message>
    <message>
        <source>预估稿费统计</source>
        <translation>Geschätztes Honorar</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>元/千字</source>
        <translation>Yuan je 1000 Zeichen</translation>
    </message>
    <message>
        <source>预估稿费</source>
        <translation>Geschätztes Honorar</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Satz mit der Eingabetaste</translation>
    </message>
    <message>
        <source>段落开头添加两个空格</source>
        <translation>Zwei Leerzeichen am Absatzanfang</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Leerzeile zwischen Absätzen</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Satz mit einer Taste</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Überzählige Leerzeilen entfernen</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Zwei Leerzeichen am Absatzanfang</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Überzählige Leerzeichen entfernen</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Schreibmaschinenmodus</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Schreibmaschinenmodus starten</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Aktuelle Zeile hervorheben</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Feste Bildlaufposition</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Aktuelle Zeile markieren</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。</source>
        <translation>Ohne Hinweise sammeln sich Schreibpunkte weiter im Hintergrund. Abgemeldet sammeln sich keine Punkte.</translation>
    </message>
    <message>
        <source>显示创作积分提示</source>
        <translation>Hinweise zu Schreibpunkten zeigen</translation>
    </message>
    <message>
        <source>对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。
开启后，统计结果会偏少。
如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！
确定开启吗？</source>
        <translation>Die Dialogzählung eignet sich nur für Texte in Dialogform: Der Text vor jedem Doppelpunkt wird nicht gezählt.
Eingeschaltet fallen die Zahlen niedriger aus.
Wenn Ihr Text keine Dialogform hat oder Sie unsicher sind, lassen Sie diese Option bitte aus!
Einschalten?</translation>
    </message>
    <message>
        <source>取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。</source>
        <translation>Die Titelfarbe gilt erst, wenn „Farbe wie Fließtext“ abgewählt ist. Die relative Größe ist die Titelgröße als Vielfaches der Textgröße.</translation>
    </message>
    <message>
        <source>颜色与正文相同</source>
        <translation>Gleiche Farbe wie der Text</translation>
    </message>
    <message>
        <source>标题颜色:</source>
        <translation>Titelfarbe:</translation>
    </message>
    <message>
        <source>相对倍数:</source>
        <translation>Relative Größe:</translation>
    </message>
    <message>
        <source>自动章节关键词设置</source>
        <translation>Kapitel-Schlüsselwörter</translation>
    </message>
    <message>
        <source>自动章节关键词</source>
        <translation>Kapitel-Schlüsselwörter</translation>
    </message>
    <message>
        <source>“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。</source>
        <translation>„*“ steht für beliebigen Text. Ein Stichwort pro Zeile, höchstens ein „*“ pro Stichwort, nie am Anfang oder Ende. Je mehr Stichwörter, desto langsamer das Programm.</translation>
    </message>
    <message>
        <source>设置登录密码</source>
        <translation>Startpasswort festlegen</translation>
    </message>
    <message>
        <source>您需要输入启动密码</source>
        <translation>Bitte ein Startpasswort eingeben</translation>
    </message>
    <message>
        <source>启动密码设置成功</source>
        <translation>Startpasswort festgelegt</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Die beiden Eingaben unterscheiden sich</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Startpasswort</translation>
    </message>
    <message>
        <source>启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端</source>
        <translation>Das Startpasswort wird beim Öffnen abgefragt; es ist nicht das Kontopasswort und wird nie synchronisiert.</translation>
    </message>
    <message>
        <source>输入密码:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>再来一次:</source>
        <translation>Wiederholen:</translation>
    </message>
    <message>
        <source>再来一次</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>设置用户信息</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>请输入新的昵称或邮箱</source>
        <translation>Neuen Spitznamen oder neue E-Mail eingeben</translation>
    </message>
    <message>
        <source>修改昵称或邮箱成功！</source>
        <translation>Spitzname oder E-Mail geändert!</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Spitzname</translation>
    </message>
</context>
<context>
    <name>QIActionSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QIImagePicker</name>
    <message>
        <source>Import Image</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Failed to save the image</source>
        <translation>Bild konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Preferences...</source>
        <translation>Voreinstellungen...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>语言(重启软件生效)</source>
        <translation>Sprache (nach Neustart)</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Startpasswort verwenden</translation>
    </message>
    <message>
        <source>使用左右布局 (重启软件生效）</source>
        <translation>Links-rechts-Layout (nach Neustart)</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Edit Side Margin</source>
        <translation>Seitenränder</translation>
    </message>
    <message>
        <source>ChineseCharacters Width</source>
        <translation>Breite in Schriftzeichen</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Breite in Pixeln</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>DocumentTips</source>
        <translation>Die Textfarbe folgt dem Design; eine hier gewählte Farbe gilt nur für das aktuelle Design.</translation>
    </message>
    <message>
        <source>编辑框宽度模式</source>
        <translation>Breitenmodus des Editors</translation>
    </message>
    <message>
        <source>编辑框宽度单位</source>
        <translation>Breiteneinheit des Editors</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Zeilenabstand</translation>
    </message>
    <message>
        <source>段间距</source>
        <translation>Absatzabstand</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Wortzahl des Kapitels in der Statusleiste</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Wörter vor dem Cursor in der Statusleiste</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Fünfmal die Eingabetaste fügt einen Kapiteltitel ein</translation>
    </message>
    <message>
        <source>Auto Chapter Keys</source>
        <translation>Schlüsselwörter für Kapitel</translation>
    </message>
    <message>
        <source>Set auto chapter Keys</source>
        <translation>Kapitel-Schlüsselwörter festlegen</translation>
    </message>
    <message>
        <source>AutoChapterTips</source>
        <translation>„*“ steht für beliebigen Text; ein Stichwort je Zeile, höchstens ein „*“, nie am Anfang oder Ende. Je mehr Stichwörter, desto langsamer das Programm.</translation>
    </message>
    <message>
        <source>WordCountTips</source>
        <translation>Die heutige Zahl ist die Summe der Änderungen aller geöffneten Dokumente; Einfügen oder Löschen kann sie verfälschen. Die übrigen Statistiken zählen nur getippte Wörter.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Heutige Statistik nach Ergebnis</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Dialogzählung</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Satz mit der Eingabetaste</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Zwei Leerzeichen am Absatzanfang</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Leerzeile zwischen Absätzen</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Satz mit einer Taste</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Überzählige Leerzeilen entfernen</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Überzählige Leerzeichen entfernen</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Schreibmaschinenmodus</translation>
    </message>
    <message>
        <source>启用打字模式</source>
        <translation>Tippmodus</translation>
    </message>
    <message>
        <source>高亮显示</source>
        <translation>Hervorheben</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>当前行</source>
        <translation>Aktuelle Zeile</translation>
    </message>
    <message>
        <source>当前句</source>
        <translation>Aktueller Satz</translation>
    </message>
    <message>
        <source>当前段落</source>
        <translation>Aktueller Absatz</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Feste Bildlaufposition</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Aktuelle Zeile markieren</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>System folgen</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Standard-Weiß</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Standard-Schwarz</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Puderrosa</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Frisches Grün</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>入门模式</source>
        <translation>Einsteiger</translation>
    </message>
    <message>
        <source>简单模式</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>普通模式</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>困难模式</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>地狱模式</source>
        <translation>Hölle</translation>
    </message>
    <message>
        <source>第一关</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>第二关</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <source>第三关</source>
        <translation>Stufe 3</translation>
    </message>
    <message>
        <source>第四关</source>
        <translation>Stufe 4</translation>
    </message>
    <message>
        <source>第五关</source>
        <translation>Stufe 5</translation>
    </message>
    <message>
        <source>第六关</source>
        <translation>Stufe 6</translation>
    </message>
    <message>
        <source>第七关</source>
        <translation>Stufe 7</translation>
    </message>
    <message>
        <source>第八关</source>
        <translation>Stufe 8</translation>
    </message>
    <message>
        <source>第九关</source>
        <translation>Stufe 9</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Falscher Benutzername oder falsches Passwort</translation>
    </message>
    <message>
        <source>登录信息无效,请登录.</source>
        <translation>Anmeldedaten ungültig, bitte anmelden.</translation>
    </message>
    <message>
        <source>服务器答复：未找到</source>
        <translation>Antwort des Servers: nicht gefunden</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Wie das System</translation>
    </message>
    <message>
        <source>暗色主题</source>
        <translation>Dunkles Design</translation>
    </message>
    <message>
        <source>亮色主题</source>
        <translation>Helles Design</translation>
    </message>
    <message>
        <source>柔绿主题</source>
        <translation>Sanftgrünes Design</translation>
    </message>
    <message>
        <source>粉色主题</source>
        <translation>Rosa Design</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>自适应宽度</source>
        <translation>Angepasste Breite</translation>
    </message>
    <message>
        <source>固定宽度</source>
        <translation>Feste Breite</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>固定页面宽度（像素）</source>
        <translation>Feste Seitenbreite (Pixel)</translation>
    </message>
    <message>
        <source>固定每行字数（汉字）</source>
        <translation>Feste Zeichenzahl pro Zeile</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Fenster im Vordergrund</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Statistikkarte</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>选择本章</source>
        <translation>Dieses Kapitel auswählen</translation>
    </message>
    <message>
        <source>Lumo模式</source>
        <translation>Lumo-Modus</translation>
    </message>
    <message>
        <source>神搜</source>
        <translation>Tiefensuche</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Wortzahl</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Schreibräume</translation>
    </message>
    <message>
        <source>闯关</source>
        <translation>Herausforderung</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Heikle Wörter filtern</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Kapiteltitel einfügen</translation>
    </message>
    <message>
        <source>极简模式</source>
        <translation>Minimalmodus</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>放大字体</source>
        <translation>Schrift vergrößern</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Schrift verkleinern</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Voreinstellungen</translation>
    </message>
</context>
<context>
    <name>QQuickFolderListModel</name>
    <message>
        <source>重命名失败，请检查是否有重名或者文件夹是否有写权限</source>
        <translation>Umbenennen fehlgeschlagen. Prüfen Sie, ob der Name schon vergeben ist und ob der Ordner beschreibbar ist.</translation>
    </message>
</context>
<context>
    <name>RankingHallModel</name>
    <message>
        <source>请先登录</source>
        <translation>Bitte zuerst anmelden</translation>
    </message>
    <message>
        <source>请输入房间名</source>
        <translation>Bitte Raumnamen eingeben</translation>
    </message>
    <message>
        <source>请输入房间密码</source>
        <translation>Bitte Raumpasswort eingeben</translation>
    </message>
    <message>
        <source>房间名已存在</source>
        <translation>Diesen Raumnamen gibt es schon</translation>
    </message>
    <message>
        <source>创建成功</source>
        <translation>Raum erstellt</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Der Raum konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>房间名不能包含“/”</source>
        <translation>Der Raumname darf „/“ nicht enthalten</translation>
    </message>
    <message>
        <source>房间名不能包含控制字符</source>
        <translation>Der Raumname darf keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>房间名不能是“.”或“..”</source>
        <translation>Der Raumname darf nicht „.“ oder „..“ sein</translation>
    </message>
    <message numerus="yes">
        <source>房间名不能超过 %n 个字符</source>
        <translation>
            <numerusform>Der Raumname darf höchstens %n Zeichen lang sein</numerusform>
            <numerusform>Der Raumname darf höchstens %n Zeichen lang sein</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RankingPage</name>
    <message>
        <source>暂不可用</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Schreibräume</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Bitte zuerst anmelden</translation>
    </message>
    <message>
        <source>拼字大厅</source>
        <translation>Alle Räume</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>创建房间</source>
        <translation>Raum erstellen</translation>
    </message>
    <message>
        <source>刷新大厅</source>
        <translation>Räume aktualisieren</translation>
    </message>
    <message>
        <source>未配置服务器地址，拼字房间不可用。</source>
        <translation>Keine Serveradresse eingerichtet; Schreibräume sind nicht verfügbar.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Raum %1 verlassen</translation>
    </message>
    <message>
        <source>已进入 %1 房间</source>
        <translation>Raum %1 betreten</translation>
    </message>
    <message>
        <source>房间</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>离开房间</source>
        <translation>Raum verlassen</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Wortzahl</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Minuten</translation>
    </message>
</context>
<context>
    <name>RoomPasswordSheet</name>
    <message>
        <source>请输入房间密码</source>
        <translation>Bitte Raumpasswort eingeben</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>在此输入房间密码</source>
        <translation>Raumpasswort hier eingeben</translation>
    </message>
    <message>
        <source>房间“%1”需要输入房主指定的密码方可进入。</source>
        <translation>Um den Raum „%1“ zu betreten, geben Sie das Passwort ein, das der Raumbesitzer festgelegt hat.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not a supported RTF file.</source>
        <translation>Keine unterstützte RTF-Datei.</translation>
    </message>
</context>
<context>
    <name>RtfTokenizer</name>
    <message>
        <source>Unexpectedly reached end of file.</source>
        <translation>Unerwartetes Dateiende.</translation>
    </message>
</context>
<context>
    <name>SettingButton</name>
    <message>
        <source>设置</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Heikle Wörter filtern</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>在光标处添加章节名</source>
        <translation>Kapiteltitel am Cursor einfügen</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Satz mit einer Taste</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Voreinstellungen</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法保存设置：</source>
        <translation>Die Einstellungen können nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>设置文件中无法读取的行已略过，其余设置照常读取：</source>
        <translation>Unlesbare Zeilen der Einstellungsdatei wurden übersprungen; die übrigen Einstellungen wurden wie gewohnt gelesen: </translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>设置文件被另一个程序锁定，本次运行中的设置更改不会保存：</source>
        <translation>Die Einstellungsdatei ist von einem anderen Programm gesperrt; Änderungen an den Einstellungen werden in dieser Sitzung nicht gespeichert: </translation>
    </message>
    <message>
        <source>设置文件过大，未读取，本次运行使用默认设置且不保存更改：</source>
        <translation>Die Einstellungsdatei ist zu groß und wurde nicht gelesen; dieser Lauf nutzt die Standardeinstellungen und speichert keine Änderungen: </translation>
    </message>
    <message>
        <source>无法在临时文件夹中建立链接</source>
        <translation>im temporären Ordner kann keine Verknüpfung angelegt werden</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ShortcutBox</name>
    <message>
        <source>请按下快捷键</source>
        <translation>Tastenkürzel drücken</translation>
    </message>
</context>
<context>
    <name>ShutdownWindow</name>
    <message>
        <source>保存所有文档后关闭计算机。</source>
        <translation>Alle Dokumente speichern, dann den Computer ausschalten.</translation>
    </message>
    <message>
        <source>保存所有文档后重新启动计算机。</source>
        <translation>Alle Dokumente speichern, dann den Computer neu starten.</translation>
    </message>
    <message>
        <source>关机</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>希望计算机做什么？</source>
        <translation>Was soll der Computer tun?</translation>
    </message>
    <message>
        <source>重启</source>
        <translation>Neu starten</translation>
    </message>
</context>
<context>
    <name>SkinButton</name>
    <message>
        <source>主题</source>
        <translation>Design</translation>
    </message>
</context>
<context>
    <name>StoreRefusal</name>
    <message>
        <source>服务器拒绝了请求 (%1)</source>
        <translation>Der Server hat die Anfrage abgelehnt (%1)</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>本机时钟与服务器相差太多（本机时间 %1，服务器时间 %2），请校准本机时钟</source>
        <translation>Die Uhr dieses Computers weicht zu stark von der des Servers ab (dieser Computer: %1, Server: %2); bitte stellen Sie die Uhr richtig</translation>
    </message>
</context>
<context>
    <name>SubtlePage</name>
    <message>
        <source>过滤敏感词</source>
        <translation>Heikle Wörter filtern</translation>
    </message>
    <message>
        <source>开始过滤</source>
        <translation>Filtern</translation>
    </message>
    <message>
        <source>文档是空的，不用过滤</source>
        <translation>Das Dokument ist leer, es gibt nichts zu filtern</translation>
    </message>
    <message>
        <source>文档未保存，请保存文档后再过滤</source>
        <translation>Das Dokument ist nicht gespeichert. Bitte vor dem Filtern speichern</translation>
    </message>
    <message>
        <source>自定义敏感词</source>
        <translation>Eigene heikle Wörter</translation>
    </message>
    <message>
        <source>每行一个词</source>
        <translation>Ein Wort pro Zeile</translation>
    </message>
    <message>
        <source>程序内置两套敏感词库：轻度过滤使用第一套，重度过滤同时使用两套。三个级别都会加上左侧框中的自定义敏感词，每行一个，可以直接粘贴，保存时会去掉重复的词。选项在开始过滤或关闭本窗口时保存。过滤前的文本可以从文档的历史记录中找回。</source>
        <translation>Das Programm hat zwei eingebaute Listen heikler Wörter: Leichtes Filtern nutzt die erste, strenges Filtern beide. Alle drei Stufen nehmen die eigenen Wörter aus dem Feld links hinzu, eins pro Zeile; Einfügen ist möglich, doppelte Wörter werden beim Speichern entfernt. Die Optionen werden beim Filtern oder Schließen dieses Fensters gespeichert. Den Text vor dem Filtern finden Sie im Verlauf des Dokuments.</translation>
    </message>
    <message>
        <source>标记方式</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>编辑文档时自动标红</source>
        <translation>Beim Bearbeiten rot markieren</translation>
    </message>
    <message>
        <source>仅手动过滤时标红</source>
        <translation>Nur beim Filtern rot markieren</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>轻度过滤</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>重度过滤</source>
        <translation>Streng</translation>
    </message>
    <message>
        <source>仅自定义</source>
        <translation>Nur eigene</translation>
    </message>
    <message>
        <source>过滤方式</source>
        <translation>Filterart</translation>
    </message>
    <message>
        <source>仅标红</source>
        <translation>Nur rot</translation>
    </message>
    <message>
        <source>分割线</source>
        <translation>Striche</translation>
    </message>
    <message>
        <source>星号</source>
        <translation>Sternchen</translation>
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
        <translation>Wuff</translation>
    </message>
</context>
<context>
    <name>TargetPage</name>
    <message>
        <source>写作目标</source>
        <translation>Schreibziel</translation>
    </message>
    <message>
        <source>锁定字数不能小于当前锁定字数</source>
        <translation>Die Wortsperre darf nicht unter der aktuellen liegen</translation>
    </message>
    <message>
        <source>锁定时间不能小于当前锁定时间</source>
        <translation>Die Zeitsperre darf nicht kürzer als die aktuelle sein</translation>
    </message>
    <message>
        <source>请输入锁定时间或者字数</source>
        <translation>Sperrzeit oder Wortzahl eingeben</translation>
    </message>
    <message>
        <source>锁定字数(字)</source>
        <translation>Wortsperre (Wörter)</translation>
    </message>
    <message>
        <source>锁定时间(分钟)</source>
        <translation>Zeitsperre (Minuten)</translation>
    </message>
    <message>
        <source>锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。</source>
        <translation>Während der Sperre können Sie das Programm erst beenden, wenn Sie die gesetzten Werte wirklich erreicht haben. Bloßes Warten zählt nicht zur Zeitsperre, wahlloses Tippen oder massenhaftes Kopieren und Einfügen nicht zur Wortsperre. Zeit und Wörter werden alle 20 Sekunden gezählt.</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>主题</source>
        <translation>Design</translation>
    </message>
</context>
<context>
    <name>ThroughGame</name>
    <message>
        <source>积分</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>恭喜，闯关成功！！！撒花！！！</source>
        <translation>Glückwunsch, Herausforderung geschafft!!!</translation>
    </message>
    <message>
        <source>成功，自动转入下一关。</source>
        <translation>Geschafft! Weiter zur nächsten Stufe.</translation>
    </message>
    <message>
        <source>挑战失败!</source>
        <translation>Herausforderung nicht geschafft!</translation>
    </message>
</context>
<context>
    <name>ThroughLabel</name>
    <message>
        <source>剩余字数</source>
        <translation>Verbleibende Wörter</translation>
    </message>
    <message>
        <source>剩余时间:</source>
        <translation>Restzeit:</translation>
    </message>
</context>
<context>
    <name>ThroughPage</name>
    <message>
        <source>Challenge</source>
        <translation>Herausforderung</translation>
    </message>
    <message>
        <source>您的剩余积分不够支付本次闯关门票，快去领一些积分吧!</source>
        <translation>Ihre Punkte reichen nicht für die Teilnahmegebühr dieser Herausforderung. Sammeln Sie erst ein paar Punkte!</translation>
    </message>
    <message>
        <source>如果中途退出，扣除的积分不返还。</source>
        <translation>Wenn Sie abbrechen, werden die Punkte nicht erstattet.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>闯关信息载入失败,请稍后再试</source>
        <translation>Die Herausforderung konnte nicht geladen werden, bitte später erneut versuchen</translation>
    </message>
    <message>
        <source>正在刷新...</source>
        <translation>Wird aktualisiert …</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>门票</source>
        <translation>Gebühr</translation>
    </message>
    <message>
        <source>通关奖励</source>
        <translation>Belohnung</translation>
    </message>
    <message>
        <source>通关条件</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>进行中</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>奖励积分</source>
        <translation>Belohnungspunkte</translation>
    </message>
    <message>
        <source>剩余字数</source>
        <translation>Verbleibende Wörter</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>Restzeit</translation>
    </message>
    <message numerus="yes">
        <source>确定花费%n积分，进入该闯关模式吗？</source>
        <translation>
            <numerusform>%n Punkt ausgeben und diese Herausforderung starten?</numerusform>
            <numerusform>%n Punkte ausgeben und diese Herausforderung starten?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>需要在最多%1小时内完成9关，共%n字的挑战</source>
        <translation>
            <numerusform>Herausforderung: 9 Stufen mit insgesamt %n Wort in höchstens %1 Stunden</numerusform>
            <numerusform>Herausforderung: 9 Stufen mit insgesamt %n Wörtern in höchstens %1 Stunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ThroughTipsDialog</name>
    <message>
        <source>提示</source>
        <translation>Hinweise</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>收到的内容长度不对</source>
        <translation>Die empfangenen Daten haben die falsche Länge</translation>
    </message>
    <message>
        <source>无法校验收到的内容</source>
        <translation>Die empfangenen Daten lassen sich nicht prüfen</translation>
    </message>
    <message>
        <source>收到的内容与校验值不符</source>
        <translation>Die empfangenen Daten passen nicht zur Prüfsumme</translation>
    </message>
    <message>
        <source>云端没有确认收到的内容</source>
        <translation>Die Cloud hat den Empfang nicht bestätigt</translation>
    </message>
    <message>
        <source>云端收到的内容与发送的不符</source>
        <translation>Die Cloud hat etwas anderes erhalten als gesendet wurde</translation>
    </message>
</context>
<context>
    <name>TxtReader</name>
    <message>
        <source>Unable to read the file.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>UserDatas</name>
    <message>
        <source>积分获取失败</source>
        <translation>Punkte konnten nicht abgerufen werden</translation>
    </message>
    <message>
        <source>错误码</source>
        <translation>Fehlercode</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>没有文件名</source>
        <translation>Kein Dateiname</translation>
    </message>
    <message>
        <source>同名的文件夹已存在</source>
        <translation>Ein Ordner mit diesem Namen existiert bereits</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>写入磁盘的文件不完整</source>
        <translation>Die geschriebene Datei ist unvollständig</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>密码已失效（可能已在别处修改），已退出登录，请重新登录</source>
        <translation>Das Passwort gilt nicht mehr (es wurde vielleicht anderswo geändert). Sie wurden abgemeldet; bitte melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>Benutzernamen eingeben</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>服务端暂时关闭了注册通道</source>
        <translation>Die Registrierung ist auf dem Server vorübergehend geschlossen</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>验证码不正确</source>
        <translation>Falscher Bestätigungscode</translation>
    </message>
    <message>
        <source>密码不匹配</source>
        <translation>Passwörter stimmen nicht überein</translation>
    </message>
    <message>
        <source>用户名已被占用</source>
        <translation>Dieser Benutzername ist schon vergeben</translation>
    </message>
    <message>
        <source>邮箱地址已被使用</source>
        <translation>Diese E-Mail-Adresse wird schon verwendet</translation>
    </message>
    <message>
        <source>此用户名是被保留的</source>
        <translation>Dieser Benutzername ist reserviert</translation>
    </message>
    <message>
        <source>用户名格式不正确</source>
        <translation>Ungültiger Benutzername</translation>
    </message>
    <message>
        <source>等待验证邮箱</source>
        <translation>Wartet auf E-Mail-Bestätigung</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Falscher Benutzername oder falsches Passwort</translation>
    </message>
    <message>
        <source>Your profile has been updated successfully.</source>
        <translation>Ihr Profil wurde aktualisiert.</translation>
    </message>
    <message>
        <source>Your avatar setting has been updated successfully.</source>
        <translation>Ihre Avatar-Einstellung wurde aktualisiert.</translation>
    </message>
    <message>
        <source>Email address is not a valid email address.</source>
        <translation>Die E-Mail-Adresse ist ungültig.</translation>
    </message>
    <message>
        <source>网络访问被禁用。</source>
        <translation>Netzwerkzugriff ist deaktiviert.</translation>
    </message>
    <message>
        <source>上传的文件不是一张图片</source>
        <translation>Die hochgeladene Datei ist kein Bild</translation>
    </message>
    <message>
        <source>正在登录...</source>
        <translation>Anmeldung läuft …</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Angemeldet</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Please login first!</source>
        <translation>Bitte zuerst anmelden!</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>上传超时</source>
        <translation>Hochladen: Zeitüberschreitung</translation>
    </message>
</context>
<context>
    <name>WindowsMenuBar</name>
    <message>
        <source>强制退出</source>
        <translation>Sofort beenden</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Ordner importieren</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Dateien importieren</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>显示 文件</source>
        <translation>Dateien zeigen</translation>
    </message>
    <message>
        <source>显示 自动章节</source>
        <translation>Kapitel zeigen</translation>
    </message>
    <message>
        <source>显示 字数统计</source>
        <translation>Wortzählung zeigen</translation>
    </message>
    <message>
        <source>显示 拼字</source>
        <translation>Schreibräume zeigen</translation>
    </message>
    <message>
        <source>显示 我</source>
        <translation>Mein Konto zeigen</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Fenster im Vordergrund</translation>
    </message>
    <message>
        <source>退出 极简 模式</source>
        <translation>Minimalmodus verlassen</translation>
    </message>
    <message>
        <source>进入 极简 模式</source>
        <translation>Minimalmodus starten</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Lumo-Modus verlassen</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Lumo-Modus starten</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Statistikkarte</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Heikle Wörter filtern</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Kapiteltitel einfügen</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Satz mit einer Taste</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Cloud-Synchronisierung</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Schreibmaschinenmodus</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Schreibmaschinenmodus starten</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Aktuelle Zeile hervorheben</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Feste Bildlaufposition</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Aktuelle Zeile markieren</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>显示 闯关</source>
        <translation>Herausforderung zeigen</translation>
    </message>
    <message>
        <source>显示 笔记</source>
        <translation>Notizen zeigen</translation>
    </message>
</context>
<context>
    <name>WindowsTitleBar</name>
    <message>
        <source>最小化</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>WordCountPage</name>
    <message>
        <source>字数统计</source>
        <translation>Wortzählung</translation>
    </message>
    <message>
        <source>元</source>
        <translation>Yuan</translation>
    </message>
    <message>
        <source>字数统计功能菜单</source>
        <translation>Menü der Wortzählung</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Statistikkarte</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>同步字数</source>
        <translation>Wortzahlen synchronisieren</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Bitte zuerst anmelden</translation>
    </message>
    <message>
        <source>文档统计</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>总字数</source>
        <translation>Wörter gesamt</translation>
    </message>
    <message>
        <source>总字数(无空格)</source>
        <translation>Wörter gesamt (ohne Leerzeichen)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Ziffern</translation>
    </message>
    <message>
        <source>空格数</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>汉字数</source>
        <translation>Chinesische Zeichen</translation>
    </message>
    <message>
        <source>单词数</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>段落数</source>
        <translation>Absätze</translation>
    </message>
    <message>
        <source>今时今日</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Wörter heute</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Tempo heute</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Zeit heute</translation>
    </message>
    <message>
        <source>今日稿费</source>
        <translation>Honorar heute</translation>
    </message>
    <message>
        <source>本周统计</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>本周字数</source>
        <translation>Wörter diese Woche</translation>
    </message>
    <message>
        <source>本周速度</source>
        <translation>Tempo diese Woche</translation>
    </message>
    <message>
        <source>本周用时</source>
        <translation>Zeit diese Woche</translation>
    </message>
    <message>
        <source>本周稿费</source>
        <translation>Honorar diese Woche</translation>
    </message>
    <message>
        <source>月度统计</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>本月字数</source>
        <translation>Wörter diesen Monat</translation>
    </message>
    <message>
        <source>本月速度</source>
        <translation>Tempo diesen Monat</translation>
    </message>
    <message>
        <source>本月用时</source>
        <translation>Zeit diesen Monat</translation>
    </message>
    <message>
        <source>本月稿费</source>
        <translation>Honorar diesen Monat</translation>
    </message>
    <message>
        <source>年度统计</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>今年字数</source>
        <translation>Wörter dieses Jahr</translation>
    </message>
    <message>
        <source>今年速度</source>
        <translation>Tempo dieses Jahr</translation>
    </message>
    <message>
        <source>今年用时</source>
        <translation>Zeit dieses Jahr</translation>
    </message>
    <message>
        <source>年度稿费</source>
        <translation>Honorar dieses Jahr</translation>
    </message>
    <message>
        <source>设置字体大小</source>
        <translation>Schriftgröße einstellen</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Schriftgröße</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n Wort/Min.</numerusform>
            <numerusform>%n Wörter/Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bot</name>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Die Cache-Datei kann nicht gespeichert werden: </translation>
    </message>
</context>
<context>
    <name>cloudDisk</name>
    <message>
        <source>没有登陆</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>设置中取消了云同步功能</source>
        <translation>Cloud-Synchronisierung ist in den Einstellungen ausgeschaltet</translation>
    </message>
    <message>
        <source>另一个云同步线程正在运行</source>
        <translation>Eine andere Cloud-Synchronisierung läuft bereits</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Cloud-Synchronisierung</translation>
    </message>
    <message>
        <source>云同步开始</source>
        <translation>Cloud-Synchronisierung gestartet</translation>
    </message>
    <message>
        <source>有冲突文件待处理</source>
        <translation>Konfliktdateien warten auf Sie</translation>
    </message>
    <message>
        <source>同步完成</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>云同步:有冲突文件待处理</source>
        <translation>Cloud-Synchronisierung: Konfliktdateien warten auf Ihre Wahl</translation>
    </message>
    <message>
        <source>Not logged in:</source>
        <translation>Nicht angemeldet:</translation>
    </message>
    <message>
        <source>正在上传文件</source>
        <translation>Dateien werden hochgeladen</translation>
    </message>
    <message>
        <source>文件上传结束</source>
        <translation>Hochladen beendet</translation>
    </message>
    <message>
        <source>正在下载文件</source>
        <translation>Dateien werden heruntergeladen</translation>
    </message>
    <message>
        <source>文件下载结束</source>
        <translation>Herunterladen beendet</translation>
    </message>
    <message>
        <source>正在下载冲突文件</source>
        <translation>Konfliktdateien werden heruntergeladen</translation>
    </message>
    <message>
        <source>下载冲突文件结束</source>
        <translation>Konfliktdateien heruntergeladen</translation>
    </message>
    <message>
        <source>删除元数据失败</source>
        <translation>Metadaten konnten nicht gelöscht werden</translation>
    </message>
    <message>
        <source>删除远程文件失败</source>
        <translation>Entfernte Datei konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>删除远程文件失败:</source>
        <translation>Entfernte Datei konnte nicht gelöscht werden:</translation>
    </message>
    <message>
        <source>上传失败</source>
        <translation>Hochladen fehlgeschlagen</translation>
    </message>
    <message>
        <source>上传失败:</source>
        <translation>Hochladen fehlgeschlagen:</translation>
    </message>
    <message>
        <source>更新元数据失败</source>
        <translation>Metadaten konnten nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>更新元数据失败:</source>
        <translation>Metadaten konnten nicht aktualisiert werden:</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Herunterladen fehlgeschlagen</translation>
    </message>
    <message>
        <source>下载失败:</source>
        <translation>Herunterladen fehlgeschlagen:</translation>
    </message>
    <message>
        <source>删除文件不存在</source>
        <translation>Die zu löschende Datei existiert nicht</translation>
    </message>
    <message>
        <source>删除文件不存在::</source>
        <translation>Die zu löschende Datei existiert nicht::</translation>
    </message>
    <message>
        <source>删除文件失败</source>
        <translation>Datei konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>删除文件失败:</source>
        <translation>Datei konnte nicht gelöscht werden:</translation>
    </message>
    <message>
        <source>写文件失败</source>
        <translation>Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>写文件失败:</source>
        <translation>Datei konnte nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>写元数据失败</source>
        <translation>Metadaten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>写元数据失败:</source>
        <translation>Metadaten konnten nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>写入文件失败:</source>
        <translation>Datei konnte nicht geschrieben werden:</translation>
    </message>
    <message>
        <source>冲突</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <source>已退出登录，同步已停止</source>
        <translation>Abgemeldet; die Synchronisierung wurde beendet</translation>
    </message>
    <message>
        <source>云同步已关闭，同步已停止</source>
        <translation>Cloud-Synchronisierung ausgeschaltet; die Synchronisierung wurde beendet</translation>
    </message>
    <message>
        <source>程序退出，同步已停止</source>
        <translation>Das Programm wird beendet; die Synchronisierung wurde beendet</translation>
    </message>
    <message>
        <source>账号已切换，同步已停止</source>
        <translation>Das Konto wurde gewechselt; die Synchronisierung wurde beendet</translation>
    </message>
    <message>
        <source>文档目录已更换，同步已停止</source>
        <translation>Der Dokumentordner wurde gewechselt; die Synchronisierung wurde beendet</translation>
    </message>
    <message>
        <source>网络连接失败</source>
        <translation>Die Netzwerkverbindung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>同步中断</source>
        <translation>Synchronisierung unterbrochen</translation>
    </message>
    <message>
        <source>同步中断:</source>
        <translation>Synchronisierung unterbrochen:</translation>
    </message>
    <message>
        <source>文件在同步时被修改</source>
        <translation>Die Datei wurde während der Synchronisierung geändert</translation>
    </message>
    <message>
        <source>文件在同步时被修改:</source>
        <translation>Die Datei wurde während der Synchronisierung geändert:</translation>
    </message>
    <message>
        <source>文档目录上次由另一个账号同步，等待选择</source>
        <translation>Der Dokumentordner wurde zuletzt von einem anderen Konto synchronisiert; wartet auf Ihre Wahl</translation>
    </message>
    <message>
        <source>无法读取本地文件</source>
        <translation>Die lokale Datei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>无法保存历史记录</source>
        <translation>Die Verlaufskopie konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>同步结束，有文件未能同步</source>
        <translation>Synchronisierung beendet, einige Dateien konnten nicht synchronisiert werden</translation>
    </message>
    <message>
        <source>云同步结束，有文件未能同步:</source>
        <translation>Cloud-Synchronisierung beendet, einige Dateien konnten nicht synchronisiert werden:</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>data</name>
    <message>
        <source>字数统计保存失败</source>
        <translation>Wortstatistik konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>please login first</source>
        <translation>Bitte zuerst anmelden</translation>
    </message>
    <message>
        <source>同步本周字数成功(无变更)</source>
        <translation>Wortzahl dieser Woche synchronisiert (keine Änderung)</translation>
    </message>
    <message>
        <source>同步本月字数成功(无变更)</source>
        <translation>Wortzahl dieses Monats synchronisiert (keine Änderung)</translation>
    </message>
    <message>
        <source>同步今年字数成功(无变更)</source>
        <translation>Wortzahl dieses Jahres synchronisiert (keine Änderung)</translation>
    </message>
    <message>
        <source>同步今日字数成功(无变更)</source>
        <translation>Heutige Wortzahl synchronisiert (keine Änderung)</translation>
    </message>
    <message>
        <source>同步今日字数失败</source>
        <translation>Heutige Wortzahl konnte nicht synchronisiert werden</translation>
    </message>
    <message>
        <source>同步今日字数成功(已上传)</source>
        <translation>Heutige Wortzahl synchronisiert (hochgeladen)</translation>
    </message>
</context>
<context>
    <name>fileordermaplist</name>
    <message>
        <source>无法保存书籍顺序：</source>
        <translation>Die Buchreihenfolge kann nicht gespeichert werden: </translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>第%1章</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>NewBook</source>
        <translation>NeuesBuch</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>没有选中的文件</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>只能删除文档文件夹中的文件：%1</source>
        <translation>Es können nur Dateien im Dokumentordner gelöscht werden: %1</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件未删除：%1</source>
        <translation>Verlauf konnte nicht gesichert werden, Datei nicht gelöscht: %1</translation>
    </message>
    <message>
        <source>删除失败：%1</source>
        <translation>Löschen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件夹未删除：%1</source>
        <translation>Verlauf konnte nicht gesichert werden, Ordner nicht gelöscht: %1</translation>
    </message>
    <message>
        <source>无法重命名</source>
        <translation>Umbenennen nicht möglich</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件已存在</source>
        <translation>Umbenennen nicht möglich, eine Datei mit diesem Namen existiert</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件夹已存在</source>
        <translation>Umbenennen nicht möglich, ein Ordner mit diesem Namen existiert</translation>
    </message>
    <message>
        <source>新笔记 %1</source>
        <translation>Neue Notiz %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>无法读取历史记录：%1</source>
        <translation>Verlauf konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复：%1</source>
        <translation>Der aktuelle Inhalt konnte nicht im Verlauf gesichert werden; nichts wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>恢复失败：%1</source>
        <translation>Wiederherstellen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>Oberster Ordner</translation>
    </message>
    <message>
        <source>已存在相同内容，未导入：%1</source>
        <translation>Gleicher Inhalt existiert bereits, nicht importiert: %1</translation>
    </message>
    <message>
        <source>未能导入：%1</source>
        <translation>Import nicht möglich: %1</translation>
    </message>
    <message>
        <source>Directory not exists</source>
        <translation>Ordner existiert nicht</translation>
    </message>
    <message>
        <source>目标文件夹不在文件目录下, 默认导入到文件目录下</source>
        <translation>Der Zielordner liegt nicht im Dokumentordner; es wird in den Dokumentordner importiert</translation>
    </message>
    <message>
        <source>您要导入的文件夹与目标文件夹相同,不用导入这个文件夹</source>
        <translation>Der zu importierende Ordner ist der Zielordner selbst; nichts zu importieren</translation>
    </message>
    <message>
        <source>不能导出到书中的文档：%1</source>
        <translation>Export in ein Dokument des Buchs nicht möglich: %1</translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation>Export fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>文档名须以“.txt”或“.md”结尾</source>
        <translation>Ein Dokumentname muss auf „.txt“ oder „.md“ enden</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>不在文件目录内</source>
        <translation>Nicht im Dokumentordner</translation>
    </message>
    <message>
        <source>没有空闲的文件名</source>
        <translation>Kein freier Dateiname mehr</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>Datei existiert nicht</translation>
    </message>
    <message>
        <source>不能覆盖文档库中已有的文件：%1</source>
        <translation>Eine Datei in der Bibliothek kann nicht überschrieben werden: %1</translation>
    </message>
    <message>
        <source>是否确认删除书“%1”及其中的全部文档？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Das Buch „%1“ mit allen Dokumenten löschen? Kopien von vor dem Löschen bleiben im Verlauf (Werkzeuge → Verlauf).</translation>
    </message>
    <message>
        <source>是否确认删除“%1”？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>„%1“ löschen? Eine Kopie von vor dem Löschen bleibt im Verlauf (Werkzeuge → Verlauf).</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件导入到 %1</source>
        <translation>
            <numerusform>%n Datei nach %1 importiert</numerusform>
            <numerusform>%n Dateien nach %1 importiert</numerusform>
        </translation>
    </message>
    <message>
        <source>以下文件不保存副本，删除后无法恢复：%1</source>
        <translation>Von diesen Dateien bleibt keine Kopie, nach dem Löschen lassen sie sich nicht wiederherstellen: %1</translation>
    </message>
    <message>
        <source>是否要删除“%1”？删除后不能恢复。</source>
        <translation>„%1“ löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message numerus="yes">
        <source>……以及另外 %n 个文件</source>
        <translation>
            <numerusform>… und %n weitere Datei</numerusform>
            <numerusform>… und %n weitere Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>未恢复：</source>
        <translation>Nicht wiederhergestellt: </translation>
    </message>
    <message>
        <source>无法确定“%1”属于哪个文档</source>
        <translation>Es ist nicht erkennbar, zu welchem Dokument „%1“ gehört</translation>
    </message>
    <message>
        <source>多个文档名为“%1”：请在文件树中该文档的历史记录里恢复</source>
        <translation>Mehrere Dokumente heißen „%1“: Stellen Sie es im Verlauf des Dokuments im Dateibaum wieder her</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，不会被改写</source>
        <translation>Diese Datei enthält Bytes, die kein %1-Text sind; sie wird nicht geschrieben</translation>
    </message>
</context>
<context>
    <name>function</name>
    <message>
        <source>无此功能</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Do you confirm deletion? Deleted files will not be recovered.</source>
        <translation>Wirklich löschen? Gelöschte Dateien lassen sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>复制失败：</source>
        <translation>Kopieren fehlgeschlagen: </translation>
    </message>
    <message>
        <source>移动失败：</source>
        <translation>Verschieben fehlgeschlagen: </translation>
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
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>你好:</source>
        <translation>Hallo,</translation>
    </message>
    <message>
        <source>关于%1，我有一些建议。</source>
        <translation>Ich habe einige Vorschläge zu %1.</translation>
    </message>
    <message>
        <source>(系统版本:%1  软件版本:%2)</source>
        <translation>(Systemversion: %1  Programmversion: %2)</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>Der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>这是一个文件，不是文件夹</source>
        <translation>Das ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>这是文件系统的根目录</source>
        <translation>Das ist der Wurzelordner des Dateisystems</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>Keine Schreibberechtigung</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。已改用默认文件夹。</source>
        <translation>Der Dokumentordner %1 kann nicht verwendet werden: %2. Stattdessen wird der Standardordner verwendet.</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。</source>
        <translation>Der Dokumentordner %1 kann nicht verwendet werden: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>偏好设置</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>打卡</source>
        <translation>Einchecken</translation>
    </message>
    <message>
        <source>闯关正在进行中，如果此时退出，直接判定闯关失败，扣除的闯关门票不退还。确定要退出吗？</source>
        <translation>Eine Herausforderung läuft. Wenn Sie jetzt beenden, gilt sie als verloren und die Gebühr wird nicht erstattet. Trotzdem beenden?</translation>
    </message>
    <message>
        <source>尚有正在进行中的闯关:</source>
        <translation>Eine Herausforderung läuft noch:</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>关卡</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>点击确定，重进进入闯关模式，不需要门票。点击取消，放弃闯关，之前支付的门票积分不予退还。</source>
        <translation>OK setzt die Herausforderung ohne neue Gebühr fort. Abbrechen gibt sie auf; die für die Teilnahme bezahlten Punkte werden nicht erstattet.</translation>
    </message>
    <message>
        <source>按 %1 键即可退出Lumo模式</source>
        <translation>%1 drücken, um den Lumo-Modus zu verlassen</translation>
    </message>
    <message>
        <source>窗口已置顶</source>
        <translation>Das Fenster bleibt im Vordergrund</translation>
    </message>
    <message>
        <source>窗口已取消置顶</source>
        <translation>Das Fenster bleibt nicht mehr im Vordergrund</translation>
    </message>
    <message>
        <source>锁定状态不能取消窗口置顶</source>
        <translation>Während der Sperre bleibt das Fenster im Vordergrund</translation>
    </message>
    <message>
        <source>锁定状态不能退出程序</source>
        <translation>Während der Sperre kann das Programm nicht beendet werden</translation>
    </message>
    <message>
        <source>有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。</source>
        <translation>Ein Dokument konnte nicht gespeichert werden, daher wurde das Programm nicht beendet. Beim erneuten Beenden wird der ungespeicherte Text kopiert; der nächste Start nennt den Ort.</translation>
    </message>
    <message>
        <source>上次退出时有文档未能保存，未保存的内容已存入：%1</source>
        <translation>Beim letzten Beenden konnten Dokumente nicht gespeichert werden; ihr ungespeicherter Text wurde abgelegt in: %1</translation>
    </message>
    <message>
        <source>上次打开的文件已不存在：%1</source>
        <translation>Die zuletzt geöffnete Datei existiert nicht mehr: %1</translation>
    </message>
</context>
<context>
    <name>myRankingData</name>
    <message>
        <source>立入禁止</source>
        <translation>Kein Zutritt</translation>
    </message>
    <message>
        <source>此房间为邀请制，需要房主邀请才能进入。</source>
        <translation>Dieser Raum ist nur auf Einladung zugänglich; der Raumbesitzer muss Sie einladen.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Raum %1 verlassen</translation>
    </message>
</context>
<context>
    <name>network</name>
    <message>
        <source>未配置服务器地址</source>
        <translation>Keine Serveradresse eingerichtet</translation>
    </message>
    <message>
        <source>错误码:</source>
        <translation>Fehlercode:</translation>
    </message>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Die Cache-Datei kann nicht gespeichert werden: </translation>
    </message>
</context>
<context>
    <name>oss</name>
    <message>
        <source>This path is not authorized by the server</source>
        <translation>Dieser Pfad ist vom Server nicht freigegeben</translation>
    </message>
    <message>
        <source>云端的回答不是文件列表</source>
        <translation>Die Antwort der Cloud ist keine Dateiliste</translation>
    </message>
    <message>
        <source>云端的回答不是存储服务的回答</source>
        <translation>Die Antwort kam nicht vom Speicherdienst</translation>
    </message>
    <message>
        <source>云端文件列表不完整</source>
        <translation>Die Dateiliste der Cloud ist unvollständig</translation>
    </message>
</context>
<context>
    <name>update</name>
    <message>
        <source>有新版:</source>
        <translation>Neue Version: </translation>
    </message>
    <message>
        <source>恭喜，已经是最新版了</source>
        <translation>Glückwunsch, dies ist die neueste Version</translation>
    </message>
    <message>
        <source>连接更新服务器失败!</source>
        <translation>Der Update-Server war nicht erreichbar!</translation>
    </message>
</context>
</TS>
