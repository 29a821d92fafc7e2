<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>版本号</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Penlark 是为长篇作者写作的专注写作软件。
版权所有 © Penlark 开发者。</source>
        <translation>Penlark is a focused writing program for authors of long books.
Copyright © the Penlark developers.</translation>
    </message>
    <message>
        <source>立即更新</source>
        <translation>Update now</translation>
    </message>
    <message>
        <source>检查新版本</source>
        <translation>Check for a new version</translation>
    </message>
</context>
<context>
    <name>AnalysisSyncWorker</name>
    <message>
        <source>获取云端列表出错</source>
        <translation>Could not get the cloud file list</translation>
    </message>
    <message>
        <source>获取云端列表出错:</source>
        <translation>Could not get the cloud file list:</translation>
    </message>
</context>
<context>
    <name>AutoChapterPage</name>
    <message>
        <source>自动章节</source>
        <translation>Automatic chapters</translation>
    </message>
    <message>
        <source>(无标题)</source>
        <translation>(untitled)</translation>
    </message>
    <message>
        <source>没有章节</source>
        <translation>No chapters</translation>
    </message>
    <message numerus="yes">
        <source>%n 章</source>
        <translation>
            <numerusform>%n chapter</numerusform>
            <numerusform>%n chapters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BarGraph</name>
    <message>
        <source>柱状图</source>
        <translation>Bar chart</translation>
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
        <translation>Points</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Not signed in</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 points for signing in each day</translation>
    </message>
</context>
<context>
    <name>CloudButton</name>
    <message>
        <source>云同步</source>
        <translation>Cloud sync</translation>
    </message>
</context>
<context>
    <name>CloudSheet</name>
    <message>
        <source>正在云同步</source>
        <translation>Syncing with the cloud</translation>
    </message>
    <message>
        <source>不同步，直接退出</source>
        <translation>Quit without syncing</translation>
    </message>
</context>
<context>
    <name>ConflictPage</name>
    <message>
        <source>冲突选择</source>
        <translation>Resolve conflicts</translation>
    </message>
    <message>
        <source>留下这个，删除另一个</source>
        <translation>Keep this one and delete the other</translation>
    </message>
    <message>
        <source>All Keep</source>
        <translation>Keep all</translation>
    </message>
    <message>
        <source>本机</source>
        <translation>This computer</translation>
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
        <translation>Statistics card</translation>
    </message>
    <message>
        <source>近期字数</source>
        <translation>Recent word count</translation>
    </message>
    <message>
        <source>近期速度</source>
        <translation>Recent speed</translation>
    </message>
    <message>
        <source>近期用时</source>
        <translation>Recent time</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Words today</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Speed today</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Time today</translation>
    </message>
    <message>
        <source>剩余锁定时间(分钟):</source>
        <translation>Lock time left (minutes):</translation>
    </message>
    <message>
        <source>锁定时间没有启动</source>
        <translation>Time lock not started</translation>
    </message>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Words left in the lock (counted words): </translation>
    </message>
    <message>
        <source>锁定字数没有启动</source>
        <translation>Word lock not started</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n word/min</numerusform>
            <numerusform>%n words/min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountLabel</name>
    <message>
        <source>字数: </source>
        <translation>Words: </translation>
    </message>
    <message>
        <source>统计中…</source>
        <translation>Counting…</translation>
    </message>
    <message>
        <source>本章: </source>
        <translation>This chapter: </translation>
    </message>
    <message>
        <source>光标前: </source>
        <translation>Before the cursor: </translation>
    </message>
    <message>
        <source>选中: </source>
        <translation>Selected: </translation>
    </message>
</context>
<context>
    <name>CreateRoomSheet</name>
    <message>
        <source>创建房间</source>
        <translation>Create room</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>房间名称</source>
        <translation>Room name</translation>
    </message>
    <message>
        <source>进入房间需要输入密码</source>
        <translation>A password is needed to enter the room</translation>
    </message>
    <message>
        <source>房间密码</source>
        <translation>Room password</translation>
    </message>
    <message>
        <source>重新键入</source>
        <translation>Type it again</translation>
    </message>
</context>
<context>
    <name>DataTypeClass</name>
    <message>
        <source>文件已损坏且无法移开，未覆盖</source>
        <translation>The file is damaged and cannot be moved aside; it was not overwritten</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>无法完整读取文件</source>
        <translation>The file cannot be read whole</translation>
    </message>
</context>
<context>
    <name>DocumentTabPage</name>
    <message>
        <source>Open a document</source>
        <translation>Open a document</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>New a document</source>
        <translation>New document</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source> (已删除)</source>
        <translation> (deleted)</translation>
    </message>
    <message>
        <source> (外部文档)</source>
        <translation> (external document)</translation>
    </message>
    <message>
        <source>请稍等,等正在载入中的文件载入完成后再打开。</source>
        <translation>Please wait until the file being loaded has finished, then open it again.</translation>
    </message>
    <message>
        <source>保存失败，文档没有关闭。</source>
        <translation>Saving failed; the document was not closed.</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>保存并关闭文档</source>
        <translation>Save and close the document</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Import files</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Import a folder</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>Cannot open "%1": %2</translation>
    </message>
    <message>
        <source>%1：选择“%2”菜单中的“%3”，或按 %4</source>
        <translation>%1: choose “%3” in the “%2” menu, or press %4</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存。未保存的文字已存入：%1
关闭这个文档吗？</source>
        <translation>The file was deleted and cannot be saved. The unsaved text was kept in: %1
Close this document?</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存，未保存的文字也无处存放：关闭后这些文字会丢失。
关闭这个文档吗？</source>
        <translation>The file was deleted and cannot be saved, and the unsaved text could be kept nowhere: closing loses it.
Close this document?</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Unable to open archive.</translation>
    </message>
</context>
<context>
    <name>FileHistoryPage</name>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>文件</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Cloud sync</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <source>还没有文档</source>
        <translation>No documents yet</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Show in folder</translation>
    </message>
    <message>
        <source>合并并导出文档：</source>
        <translation>Merge and export documents: </translation>
    </message>
</context>
<context>
    <name>FindWidget</name>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>No results</translation>
    </message>
    <message>
        <source>正则表达式</source>
        <translation>Regular expression</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>向上查找</source>
        <translation>Find previous</translation>
    </message>
    <message>
        <source>向下查找</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>Replace all</translation>
    </message>
    <message>
        <source>确认全部替换？</source>
        <translation>Replace all occurrences?</translation>
    </message>
</context>
<context>
    <name>FolderAccountSheet</name>
    <message>
        <source>文档目录属于另一个账号</source>
        <translation>The documents folder belongs to another account</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由账号“%2”同步。</source>
        <translation>The documents folder “%1” was last synced by the account “%2”.</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由另一个账号同步。</source>
        <translation>The documents folder “%1” was last synced by another account.</translation>
    </message>
    <message>
        <source>要把其中的文档合并到当前账号“%1”，还是为当前账号另选一个文档目录？选择之前，不会上传、下载或删除任何文档。</source>
        <translation>Merge its documents into the signed-in account “%1”, or choose another documents folder for this account? Until you choose, no document is uploaded, downloaded or deleted.</translation>
    </message>
    <message>
        <source>合并到当前账号</source>
        <translation>Merge into this account</translation>
    </message>
    <message>
        <source>另选文档目录</source>
        <translation>Choose another documents folder</translation>
    </message>
</context>
<context>
    <name>FontSizeBox</name>
    <message>
        <source>放大字体</source>
        <translation>Larger font</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Smaller font</translation>
    </message>
</context>
<context>
    <name>FormatManager</name>
    <message>
        <source>OpenDocument Text</source>
        <translation>OpenDocument Text</translation>
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
        <translation>Plain Text</translation>
    </message>
    <message>
        <source>Markdown Text</source>
        <translation>Markdown Text</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>All Files</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>All Supported Files</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>文档类型声明了实体或属性默认值（%1），已拒绝读取。</source>
        <translation>The document type declares entities or attribute defaults (%1); the document was refused.</translation>
    </message>
    <message>
        <source>不支持文档的编码 %1。</source>
        <translation>The document's encoding %1 is not supported.</translation>
    </message>
    <message>
        <source>文档中有不符合其编码的字节。</source>
        <translation>The document holds bytes that do not fit its encoding.</translation>
    </message>
    <message numerus="yes">
        <source>文档过大：超过 %n 个字符，已停止读取。</source>
        <translation>
            <numerusform>The document is too large: more than %n character; reading stopped.</numerusform>
            <numerusform>The document is too large: more than %n characters; reading stopped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档段落过多：超过 %n 段，已停止读取。</source>
        <translation>
            <numerusform>The document has too many paragraphs: more than %n; reading stopped.</numerusform>
            <numerusform>The document has too many paragraphs: more than %n; reading stopped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档元素过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>The document has too many elements: more than %n; reading stopped.</numerusform>
            <numerusform>The document has too many elements: more than %n; reading stopped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>读取文档超时：超过 %n 秒，已停止读取。</source>
        <translation>
            <numerusform>Reading the document took too long: more than %n second; reading stopped.</numerusform>
            <numerusform>Reading the document took too long: more than %n seconds; reading stopped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档嵌套过深：超过 %n 层，已停止读取。</source>
        <translation>
            <numerusform>The document is nested too deeply: more than %n level; reading stopped.</numerusform>
            <numerusform>The document is nested too deeply: more than %n levels; reading stopped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档中一个元素的属性过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>An element of the document has too many attributes: more than %n; reading stopped.</numerusform>
            <numerusform>An element of the document has too many attributes: more than %n; reading stopped.</numerusform>
        </translation>
    </message>
    <message>
        <source>文档解压后的内容远多于其中的文字，已停止读取。</source>
        <translation>The document unpacks to far more than its text needs; reading stopped.</translation>
    </message>
    <message>
        <source>文档中的空段落远多于有文字的段落，已停止读取。</source>
        <translation>The document has far more empty paragraphs than paragraphs with text; reading stopped.</translation>
    </message>
</context>
<context>
    <name>FullTimerWidget</name>
    <message>
        <source>当前时间</source>
        <translation>Current time</translation>
    </message>
</context>
<context>
    <name>FunctionBar</name>
    <message>
        <source>隐藏</source>
        <translation>Hide</translation>
    </message>
</context>
<context>
    <name>FunctionTitleBar</name>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
</context>
<context>
    <name>GlobalMessage</name>
    <message>
        <source>新版已发布...</source>
        <translation>A new version is available…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Update now</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Shortcuts</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>没有历史记录</source>
        <translation>No history</translation>
    </message>
    <message>
        <source>文档正在载入或不能修改，未恢复。</source>
        <translation>The document is loading or cannot be changed; nothing was restored.</translation>
    </message>
    <message>
        <source>已恢复“%1”，恢复前的内容已存入历史记录。</source>
        <translation>“%1” restored; the text it had before is kept in the history.</translation>
    </message>
    <message>
        <source>未能保存的内容</source>
        <translation>Text that could not be saved</translation>
    </message>
</context>
<context>
    <name>HomeBar</name>
    <message>
        <source>文件</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Automatic chapters</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Word count</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Writing rooms</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Challenge</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>My account</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Leave Lumo mode</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Enter Lumo mode</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <source>选择图片</source>
        <translation>Choose an image</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>ImageCropSheet</name>
    <message>
        <source>剪裁</source>
        <translation>Crop</translation>
    </message>
</context>
<context>
    <name>LazyEdit</name>
    <message>
        <source>未命名文件</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>等待同步</source>
        <translation>Waiting to sync</translation>
    </message>
    <message>
        <source>过滤期间文档已被修改，过滤结果未应用。</source>
        <translation>The document changed during filtering; the result was not applied.</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>选中当前章节</source>
        <translation>Select the current chapter</translation>
    </message>
    <message>
        <source>转到文档开始</source>
        <translation>Go to the start of the document</translation>
    </message>
    <message>
        <source>转到文档结尾</source>
        <translation>Go to the end of the document</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>One-step typesetting</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Cloud sync</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Adaptive mode</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Page mode</translation>
    </message>
</context>
<context>
    <name>LazyTextDocument</name>
    <message>
        <source>未支持的打开方式</source>
        <translation>This way of opening is not supported</translation>
    </message>
    <message>
        <source>无法打开文件: </source>
        <translation>Cannot open the file: </translation>
    </message>
    <message>
        <source>Cannot save: </source>
        <translation>Cannot save: </translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>not a local file</translation>
    </message>
    <message>
        <source>文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。</source>
        <translation>The file was changed by another program. Your unsaved changes are still in the editor; saving will overwrite the other program's changes.</translation>
    </message>
    <message>
        <source>已经是章节标题了</source>
        <translation>This is already a chapter title</translation>
    </message>
    <message>
        <source>第%1章</source>
        <translation>Chapter %1</translation>
    </message>
    <message>
        <source>排版期间文档已被修改，排版结果未应用。</source>
        <translation>The document changed during typesetting; the result was not applied.</translation>
    </message>
    <message>
        <source>从头开始查找</source>
        <translation>Searching from the start</translation>
    </message>
    <message>
        <source>从结尾开始查找</source>
        <translation>Searching from the end</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>无法保存历史记录：</source>
        <translation>Cannot save the history: </translation>
    </message>
    <message>
        <source>文件正在载入</source>
        <translation>The file is still loading</translation>
    </message>
    <message>
        <source>无法保存过滤前的历史记录，过滤结果未应用。</source>
        <translation>Could not save the text before filtering to the history; the filter result was not applied.</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，保存会改变它们：文件以只读方式打开，不会被保存。</source>
        <translation>This file holds bytes that are not %1 text; saving would change them, so the file is opened read-only and is never saved.</translation>
    </message>
    <message>
        <source>未保存的修改已存入：%1</source>
        <translation>The unsaved changes were kept in: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改并重新载入，未保存的修改已存入：%1</source>
        <translation>The file was changed by another program and has been reloaded; the unsaved changes were kept in: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改，已重新载入。</source>
        <translation>The file was changed by another program and has been reloaded.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改无处存放，仍在编辑器中。</source>
        <translation>The file was moved or deleted; the unsaved changes could be kept nowhere and are still in the editor.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改已存入：%1</source>
        <translation>The file was moved or deleted; the unsaved changes were kept in: %1</translation>
    </message>
    <message>
        <source>无法读取文件（没有权限）：%1。未保存的修改仍在编辑器中，能读取后再保存。</source>
        <translation>The file cannot be read (no permission): %1. The unsaved changes are still in the editor; save again once it can be read.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本无处存放。</source>
        <translation>Another program changed the file while it was being saved; its version could be kept nowhere.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本已存入：%1</source>
        <translation>Another program changed the file while it was being saved; its version was kept in: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复。</source>
        <translation>The current text could not be kept in the history; nothing was restored.</translation>
    </message>
</context>
<context>
    <name>LibraryPath</name>
    <message>
        <source>无法新建文件：</source>
        <translation>Cannot create the file: </translation>
    </message>
</context>
<context>
    <name>Locker</name>
    <message>
        <source>已锁定</source>
        <translation>Locked</translation>
    </message>
    <message>
        <source>已解锁</source>
        <translation>Unlocked</translation>
    </message>
</context>
<context>
    <name>LockerLabel</name>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Words left in the lock (counted words): </translation>
    </message>
    <message>
        <source>剩余锁定时间(秒):</source>
        <translation>Lock time left (seconds):</translation>
    </message>
    <message>
        <source>距离刷新锁定数据剩余时间(秒):</source>
        <translation>Next lock update in (seconds):</translation>
    </message>
    <message>
        <source>当前处于锁定状态</source>
        <translation>Currently locked</translation>
    </message>
</context>
<context>
    <name>LoginPage</name>
    <message>
        <source>登录</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Sign up</translation>
    </message>
    <message>
        <source>用户名或邮箱不能为空</source>
        <translation>User name or email is required</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>Password is required</translation>
    </message>
    <message>
        <source>用户名不能为空</source>
        <translation>User name is required</translation>
    </message>
    <message>
        <source>邮箱不能为空</source>
        <translation>Email is required</translation>
    </message>
    <message>
        <source>确认密码不能为空</source>
        <translation>Please repeat the password</translation>
    </message>
    <message>
        <source>两次输入的密码不一致</source>
        <translation>The passwords do not match</translation>
    </message>
    <message>
        <source>验证码不能为空</source>
        <translation>Verification code is required</translation>
    </message>
    <message>
        <source>注册成功，您可以登陆了</source>
        <translation>You are signed up. You can sign in now.</translation>
    </message>
    <message>
        <source>用户名或邮箱</source>
        <translation>User name or email</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>Sign in automatically</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>Forgot password</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Repeat password</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>创建新账户</source>
        <translation>Create an account</translation>
    </message>
    <message>
        <source>未配置服务器地址，无法登录或注册。</source>
        <translation>No server address is configured, so signing in and signing up are not available.</translation>
    </message>
</context>
<context>
    <name>LoginPasswordWidget</name>
    <message>
        <source>启动密码错误</source>
        <translation>Wrong start password</translation>
    </message>
    <message>
        <source>注意启动密码不是您用户账号的密码。
而是您在软件偏好设置中设置的启动密码。
此功能可以在本软件的偏好设置中取消。</source>
        <translation>Note: the start password is not your account password.
It is the start password set in the program's preferences.
You can turn it off in the preferences.</translation>
    </message>
    <message>
        <source>请输入启动密码</source>
        <translation>Enter the start password</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Start password</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>Enter</translation>
    </message>
</context>
<context>
    <name>LumoCounter</name>
    <message>
        <source>Counting chapters, please try again later</source>
        <translation>Counting chapters, please try again later</translation>
    </message>
</context>
<context>
    <name>LumoFileSystemModel</name>
    <message>
        <source>名称不能为空</source>
        <translation>The name cannot be empty</translation>
    </message>
    <message>
        <source>名称不能包含“/”、“\”或“..”</source>
        <translation>The name cannot contain "/", "\" or ".."</translation>
    </message>
    <message>
        <source>名称太长</source>
        <translation>The name is too long</translation>
    </message>
    <message>
        <source>指定名称的文件已存在</source>
        <translation>A file with this name already exists</translation>
    </message>
    <message>
        <source>名称不能以“.”开头</source>
        <translation>The name cannot start with "."</translation>
    </message>
    <message>
        <source>“%1”是程序自用的名称</source>
        <translation>"%1" is a name the program uses itself</translation>
    </message>
</context>
<context>
    <name>LumoTheme</name>
    <message>
        <source>跟随主题</source>
        <translation>Follow the system</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Default white</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Default black</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Pink theme</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Soft green theme</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Blue theme</translation>
    </message>
    <message>
        <source>电纸书</source>
        <translation>E-paper theme</translation>
    </message>
</context>
<context>
    <name>MarkModel</name>
    <message>
        <source>无法保存标记：</source>
        <translation>Cannot save the marks: </translation>
    </message>
    <message>
        <source>文件无法读取，未覆盖</source>
        <translation>The file cannot be read; it was not overwritten</translation>
    </message>
</context>
<context>
    <name>MarkTextWidget</name>
    <message>
        <source>标记</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>删除此标记</source>
        <translation>Delete this mark</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>标记内容
(可为空,最多200字)
一般用作注释。</source>
        <translation>Mark text
(optional, up to 200 characters)
Usually used as a note.</translation>
    </message>
    <message>
        <source>例如：
林远，男，二十七岁，
镇上书铺的掌柜，
寡言，爱下棋。
...</source>
        <translation>For example:
Lin Yuan, male, 27,
keeper of the town bookshop,
quiet, fond of chess.
…</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colour</translation>
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
        <translation>My account</translation>
    </message>
    <message>
        <source>您的新头像更新成功</source>
        <translation>Your new avatar has been saved</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>头像设置</source>
        <translation>Avatar</translation>
    </message>
    <message>
        <source>设置用户信息</source>
        <translation>Edit profile</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>退出登录</source>
        <translation>Sign out</translation>
    </message>
</context>
<context>
    <name>MiniHomeBar</name>
    <message>
        <source>文件</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Automatic chapters</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Word count</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Writing rooms</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Challenge</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>My account</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Leave Lumo mode</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Enter Lumo mode</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Manage</translation>
    </message>
</context>
<context>
    <name>NavigationItem</name>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>NetworkReply</name>
    <message>
        <source>网络请求超时</source>
        <translation>The network request timed out</translation>
    </message>
    <message>
        <source>收到的内容不完整</source>
        <translation>The answer arrived incomplete</translation>
    </message>
</context>
<context>
    <name>NotesPage</name>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>创建新笔记</source>
        <translation>New note</translation>
    </message>
    <message>
        <source>删除笔记</source>
        <translation>Delete note</translation>
    </message>
    <message>
        <source>打开最近笔记</source>
        <translation>Open a recent note</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Clear menu</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Unable to open archive.</translation>
    </message>
</context>
<context>
    <name>PasswordWindow</name>
    <message>
        <source>修改密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>密码修改成功</source>
        <translation>Password changed</translation>
    </message>
    <message>
        <source>旧密码</source>
        <translation>Old password</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Repeat password</translation>
    </message>
</context>
<context>
    <name>PcMain</name>
    <message>
        <source>自动章节</source>
        <translation>Automatic chapters</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Word count</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Writing rooms</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Challenge</translation>
    </message>
</context>
<context>
    <name>PhoneHomeTabBar</name>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>Me</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Word count</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Writing rooms</translation>
    </message>
</context>
<context>
    <name>Points</name>
    <message>
        <source>积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>读者感谢你的创作!</source>
        <translation>Readers thank you for your writing!</translation>
    </message>
    <message>
        <source>开始就成功了一半,加油!</source>
        <translation>Well begun is half done. Keep going!</translation>
    </message>
    <message>
        <source>超神!!!</source>
        <translation>Legendary!!!</translation>
    </message>
    <message>
        <source>您今天已经创作了一万字以上！</source>
        <translation>You have written more than 10,000 words today!</translation>
    </message>
</context>
<context>
    <name>PointsAwardRow</name>
    <message>
        <source>获取</source>
        <translation>Claim</translation>
    </message>
    <message>
        <source>已获取</source>
        <translation>Claimed</translation>
    </message>
</context>
<context>
    <name>PointsWindow</name>
    <message>
        <source>积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Not signed in</translation>
    </message>
    <message>
        <source>首次登陆赠送100积分</source>
        <translation>100 points for your first sign-in</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 points for signing in each day</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>偏好设置</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>键盘音效</source>
        <translation>Keyboard sound</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>打字机音效</source>
        <translation>Typewriter sound</translation>
    </message>
    <message>
        <source>水滴声音效</source>
        <translation>Water-drop sound</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Use a start password</translation>
    </message>
    <message>
        <source>使用 极简 布局</source>
        <translation>Use the minimalist layout</translation>
    </message>
    <message>
        <source>使用 自由 布局</source>
        <translation>Use the free layout</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Cloud sync</translation>
    </message>
    <message>
        <source>启用云同步</source>
        <translation>Enable cloud sync</translation>
    </message>
    <message>
        <source>退出软件时执行云同步</source>
        <translation>Sync when quitting</translation>
    </message>
    <message>
        <source>快捷键方案</source>
        <translation>Shortcut scheme</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Gaussian blur</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。</source>
        <translation>The default text colour follows the theme. A colour set here applies to the current theme only; when the theme follows the system, to the system's current light or dark theme only.</translation>
    </message>
    <message>
        <source>编辑框模式</source>
        <translation>Editor mode</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Page mode</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Adaptive mode</translation>
    </message>
    <message>
        <source>编辑框左右边距（自适应模式）</source>
        <translation>Side margins (adaptive mode)</translation>
    </message>
    <message>
        <source>页面固定宽度（页面模式）</source>
        <translation>Fixed page width (page mode)</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>汉字</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>编辑框全局居中</source>
        <translation>Centre the editor in the whole window</translation>
    </message>
    <message>
        <source>默认字体</source>
        <translation>Default font</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>默认字体颜色(跟随主题)</source>
        <translation>Default text colour (follows the theme)</translation>
    </message>
    <message>
        <source>文档中标题样式</source>
        <translation>Chapter-title style</translation>
    </message>
    <message>
        <source>首行缩进两个字符</source>
        <translation>Indent the first line by two characters</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>段落间距</source>
        <translation>Paragraph spacing</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>文件路径</source>
        <translation>File path</translation>
    </message>
    <message>
        <source>生成历史记录时间间隔</source>
        <translation>History snapshot interval</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Chapters</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Show the chapter's word count in the status bar</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Show the words before the cursor in the status bar</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Five Enters in a row add a chapter title</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Automatic chapters</translation>
    </message>
    <message>
        <source>设置自动章节识别关键词</source>
        <translation>Set the chapter-title keywords</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。
对话体统计：每行冒号前面的文字不计入字数。
预估稿费为 0 时不显示预估稿费。</source>
        <translation>Base today's count on the result: today's count is the sum of the changes in every document opened today, so pasting or deleting text can make it too high or too low; the other statistics still count typed words only.
Dialogue counting: the text before the colon on each line is not counted.
An estimated fee of 0 hides the estimate.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Base today's count on the result</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Dialogue counting</translation>
    </message>
    <message>
        <source>预估稿费统计</source>
        <translation>Estimated fee</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>unit</translation>
    </message>
    <message>
        <source>元/千字</source>
        <translation>yuan per thousand characters</translation>
    </message>
    <message>
        <source>预估稿费</source>
        <translation>Estimated fee</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Typesetting on Enter</translation>
    </message>
    <message>
        <source>段落开头添加两个空格</source>
        <translation>Two spaces at the start of each paragraph</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>A blank line between paragraphs</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>One-step typesetting</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Remove surplus blank lines</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Two spaces at the start of each paragraph</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Remove surplus spaces</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Typewriter mode</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Start typewriter mode</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Highlight the current line</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Fixed scrolling</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Mark the current line</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notices</translation>
    </message>
    <message>
        <source>禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。</source>
        <translation>With the notices off, writing points still accumulate in the background. Signed out, no points accumulate.</translation>
    </message>
    <message>
        <source>显示创作积分提示</source>
        <translation>Show writing-points notices</translation>
    </message>
    <message>
        <source>对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。
开启后，统计结果会偏少。
如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！
确定开启吗？</source>
        <translation>Dialogue counting suits dialogue-style texts only: the text before each colon is not counted.
With it on, counts will be lower.
If your text is not dialogue-style, or you are not sure what that means, please leave this option off!
Switch it on?</translation>
    </message>
    <message>
        <source>取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。</source>
        <translation>The title colour applies only with "Same colour as the text" unchecked. The relative size is the title's size as a multiple of the text size.</translation>
    </message>
    <message>
        <source>颜色与正文相同</source>
        <translation>Same colour as the text</translation>
    </message>
    <message>
        <source>标题颜色:</source>
        <translation>Title colour:</translation>
    </message>
    <message>
        <source>相对倍数:</source>
        <translation>Relative size:</translation>
    </message>
    <message>
        <source>自动章节关键词设置</source>
        <translation>Chapter-title keywords</translation>
    </message>
    <message>
        <source>自动章节关键词</source>
        <translation>Chapter-title keywords</translation>
    </message>
    <message>
        <source>“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。</source>
        <translation>"*" stands for any text. One keyword per line, at most one "*" per keyword, never at its start or end. The more keywords, the slower the program.</translation>
    </message>
    <message>
        <source>设置登录密码</source>
        <translation>Set the start password</translation>
    </message>
    <message>
        <source>您需要输入启动密码</source>
        <translation>You must enter a start password</translation>
    </message>
    <message>
        <source>启动密码设置成功</source>
        <translation>Start password set</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>The two passwords do not match</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Start password</translation>
    </message>
    <message>
        <source>启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端</source>
        <translation>The start password is asked for when the program opens. It is not your account password and is never synced to the cloud.</translation>
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
        <translation>Repeat:</translation>
    </message>
    <message>
        <source>再来一次</source>
        <translation>Repeat the password</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>设置用户信息</source>
        <translation>Edit profile</translation>
    </message>
    <message>
        <source>请输入新的昵称或邮箱</source>
        <translation>Enter a new nickname or email</translation>
    </message>
    <message>
        <source>修改昵称或邮箱成功！</source>
        <translation>Nickname or email changed!</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>Email</translation>
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
        <translation>Cancel</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QIImagePicker</name>
    <message>
        <source>Import Image</source>
        <translation>Import image</translation>
    </message>
    <message>
        <source>Failed to save the image</source>
        <translation>Failed to save the image</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Preferences...</source>
        <translation>Preferences…</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>语言(重启软件生效)</source>
        <translation>Language (after a restart)</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Use a start password</translation>
    </message>
    <message>
        <source>使用左右布局 (重启软件生效）</source>
        <translation>Use the left-and-right layout (after a restart)</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapter</translation>
    </message>
    <message>
        <source>Edit Side Margin</source>
        <translation>Editor side margins</translation>
    </message>
    <message>
        <source>ChineseCharacters Width</source>
        <translation>Width in Chinese characters</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Width in pixels</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Background image</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Gaussian blur</translation>
    </message>
    <message>
        <source>DocumentTips</source>
        <translation>The text colour follows the theme. A colour set here applies to the current theme only.</translation>
    </message>
    <message>
        <source>编辑框宽度模式</source>
        <translation>Editor width mode</translation>
    </message>
    <message>
        <source>编辑框宽度单位</source>
        <translation>Editor width unit</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Font colour</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>段间距</source>
        <translation>Paragraph spacing</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>File path</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Show the chapter's word count in the status bar</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Show the words before the cursor in the status bar</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Five Enters in a row add a chapter title</translation>
    </message>
    <message>
        <source>Auto Chapter Keys</source>
        <translation>Automatic chapter keywords</translation>
    </message>
    <message>
        <source>Set auto chapter Keys</source>
        <translation>Set the chapter-title keywords</translation>
    </message>
    <message>
        <source>AutoChapterTips</source>
        <translation>"*" stands for any text. One keyword per line, at most one "*" per keyword, never at its start or end. The more keywords, the slower the program.</translation>
    </message>
    <message>
        <source>WordCountTips</source>
        <translation>Today's count is the sum of the changes in every document opened today, so pasting or deleting text can make it too high or too low; the other statistics count typed words only.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Base today's count on the result</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Dialogue counting</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Typesetting on Enter</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Two spaces at the start of each paragraph</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>A blank line between paragraphs</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>One-step typesetting</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Remove surplus blank lines</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Remove surplus spaces</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Typewriter mode</translation>
    </message>
    <message>
        <source>启用打字模式</source>
        <translation>Typing mode</translation>
    </message>
    <message>
        <source>高亮显示</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>当前行</source>
        <translation>Current line</translation>
    </message>
    <message>
        <source>当前句</source>
        <translation>Current sentence</translation>
    </message>
    <message>
        <source>当前段落</source>
        <translation>Current paragraph</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Fixed scrolling</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Mark the current line</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Follow the system</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Default white</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Default black</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Pink theme</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Soft green theme</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Blue theme</translation>
    </message>
    <message>
        <source>入门模式</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>简单模式</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>普通模式</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>困难模式</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>地狱模式</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>第一关</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <source>第二关</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <source>第三关</source>
        <translation>Level 3</translation>
    </message>
    <message>
        <source>第四关</source>
        <translation>Level 4</translation>
    </message>
    <message>
        <source>第五关</source>
        <translation>Level 5</translation>
    </message>
    <message>
        <source>第六关</source>
        <translation>Level 6</translation>
    </message>
    <message>
        <source>第七关</source>
        <translation>Level 7</translation>
    </message>
    <message>
        <source>第八关</source>
        <translation>Level 8</translation>
    </message>
    <message>
        <source>第九关</source>
        <translation>Level 9</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Wrong user name or password</translation>
    </message>
    <message>
        <source>登录信息无效,请登录.</source>
        <translation>Your sign-in is no longer valid. Please sign in again.</translation>
    </message>
    <message>
        <source>服务器答复：未找到</source>
        <translation>Server reply: not found</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Follow the system</translation>
    </message>
    <message>
        <source>暗色主题</source>
        <translation>Dark theme</translation>
    </message>
    <message>
        <source>亮色主题</source>
        <translation>Light theme</translation>
    </message>
    <message>
        <source>柔绿主题</source>
        <translation>Soft green theme</translation>
    </message>
    <message>
        <source>粉色主题</source>
        <translation>Pink theme</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>自适应宽度</source>
        <translation>Adaptive width</translation>
    </message>
    <message>
        <source>固定宽度</source>
        <translation>Fixed width</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>固定页面宽度（像素）</source>
        <translation>Fixed page width (pixels)</translation>
    </message>
    <message>
        <source>固定每行字数（汉字）</source>
        <translation>Fixed number of characters per line</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Keep window on top</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Statistics card</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>选择本章</source>
        <translation>Select this chapter</translation>
    </message>
    <message>
        <source>Lumo模式</source>
        <translation>Lumo mode</translation>
    </message>
    <message>
        <source>神搜</source>
        <translation>Deep search</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Chapters</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Number of words</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Writing rooms</translation>
    </message>
    <message>
        <source>闯关</source>
        <translation>Challenge</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filter sensitive words</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Add a chapter title</translation>
    </message>
    <message>
        <source>极简模式</source>
        <translation>Minimalist mode</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>放大字体</source>
        <translation>Larger font</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Smaller font</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferences</translation>
    </message>
</context>
<context>
    <name>QQuickFolderListModel</name>
    <message>
        <source>重命名失败，请检查是否有重名或者文件夹是否有写权限</source>
        <translation>Renaming failed. Check whether the name is already taken and whether the folder is writable.</translation>
    </message>
</context>
<context>
    <name>RankingHallModel</name>
    <message>
        <source>请先登录</source>
        <translation>Please sign in first</translation>
    </message>
    <message>
        <source>请输入房间名</source>
        <translation>Please enter a room name</translation>
    </message>
    <message>
        <source>请输入房间密码</source>
        <translation>Please enter the room password</translation>
    </message>
    <message>
        <source>房间名已存在</source>
        <translation>Room name already exists</translation>
    </message>
    <message>
        <source>创建成功</source>
        <translation>Room created</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Could not create the room</translation>
    </message>
    <message>
        <source>房间名不能包含“/”</source>
        <translation>The room name cannot contain "/"</translation>
    </message>
    <message>
        <source>房间名不能包含控制字符</source>
        <translation>The room name cannot contain control characters</translation>
    </message>
    <message>
        <source>房间名不能是“.”或“..”</source>
        <translation>The room name cannot be "." or ".."</translation>
    </message>
    <message numerus="yes">
        <source>房间名不能超过 %n 个字符</source>
        <translation>
            <numerusform>The room name cannot be longer than %n character</numerusform>
            <numerusform>The room name cannot be longer than %n characters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RankingPage</name>
    <message>
        <source>暂不可用</source>
        <translation>Unavailable</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Writing rooms</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Please sign in first</translation>
    </message>
    <message>
        <source>拼字大厅</source>
        <translation>All rooms</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>创建房间</source>
        <translation>Create room</translation>
    </message>
    <message>
        <source>刷新大厅</source>
        <translation>Refresh rooms</translation>
    </message>
    <message>
        <source>未配置服务器地址，拼字房间不可用。</source>
        <translation>No server address is configured, so writing rooms are not available.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>You left the room %1</translation>
    </message>
    <message>
        <source>已进入 %1 房间</source>
        <translation>You entered the room %1</translation>
    </message>
    <message>
        <source>房间</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>离开房间</source>
        <translation>Leave the room</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Nickname</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Number of words</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutes</translation>
    </message>
</context>
<context>
    <name>RoomPasswordSheet</name>
    <message>
        <source>请输入房间密码</source>
        <translation>Please enter the room password</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Enter a password</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>在此输入房间密码</source>
        <translation>Enter the room password here</translation>
    </message>
    <message>
        <source>房间“%1”需要输入房主指定的密码方可进入。</source>
        <translation>To enter the room “%1”, type the password its owner has set.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not a supported RTF file.</source>
        <translation>Not a supported RTF file.</translation>
    </message>
</context>
<context>
    <name>RtfTokenizer</name>
    <message>
        <source>Unexpectedly reached end of file.</source>
        <translation>Unexpectedly reached end of file.</translation>
    </message>
</context>
<context>
    <name>SettingButton</name>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filter sensitive words</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>在光标处添加章节名</source>
        <translation>Insert a chapter title at the cursor</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>One-step typesetting</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferences</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法保存设置：</source>
        <translation>Cannot save the settings: </translation>
    </message>
    <message>
        <source>设置文件中无法读取的行已略过，其余设置照常读取：</source>
        <translation>Unreadable lines of the settings file were skipped; the other settings were read as usual: </translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>设置文件被另一个程序锁定，本次运行中的设置更改不会保存：</source>
        <translation>The settings file is locked by another program; changes to the settings are not kept in this session: </translation>
    </message>
    <message>
        <source>设置文件过大，未读取，本次运行使用默认设置且不保存更改：</source>
        <translation>The settings file is too large and was not read; this run uses the default settings and saves no changes: </translation>
    </message>
    <message>
        <source>无法在临时文件夹中建立链接</source>
        <translation>cannot make a link in the temporary folder</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ShortcutBox</name>
    <message>
        <source>请按下快捷键</source>
        <translation>Press a shortcut</translation>
    </message>
</context>
<context>
    <name>ShutdownWindow</name>
    <message>
        <source>保存所有文档后关闭计算机。</source>
        <translation>Save all documents, then shut down the computer.</translation>
    </message>
    <message>
        <source>保存所有文档后重新启动计算机。</source>
        <translation>Save all documents, then restart the computer.</translation>
    </message>
    <message>
        <source>关机</source>
        <translation>Shut down</translation>
    </message>
    <message>
        <source>希望计算机做什么？</source>
        <translation>What should the computer do?</translation>
    </message>
    <message>
        <source>重启</source>
        <translation>Restart</translation>
    </message>
</context>
<context>
    <name>SkinButton</name>
    <message>
        <source>主题</source>
        <translation>Theme</translation>
    </message>
</context>
<context>
    <name>StoreRefusal</name>
    <message>
        <source>服务器拒绝了请求 (%1)</source>
        <translation>The server refused the request (%1)</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>本机时钟与服务器相差太多（本机时间 %1，服务器时间 %2），请校准本机时钟</source>
        <translation>This computer's clock is too far from the server's (this computer: %1, server: %2); please set this computer's clock right</translation>
    </message>
</context>
<context>
    <name>SubtlePage</name>
    <message>
        <source>过滤敏感词</source>
        <translation>Filter sensitive words</translation>
    </message>
    <message>
        <source>开始过滤</source>
        <translation>Start filtering</translation>
    </message>
    <message>
        <source>文档是空的，不用过滤</source>
        <translation>The document is empty; there is nothing to filter</translation>
    </message>
    <message>
        <source>文档未保存，请保存文档后再过滤</source>
        <translation>The document is not saved. Save it before filtering</translation>
    </message>
    <message>
        <source>自定义敏感词</source>
        <translation>Custom sensitive words</translation>
    </message>
    <message>
        <source>每行一个词</source>
        <translation>One word per line</translation>
    </message>
    <message>
        <source>程序内置两套敏感词库：轻度过滤使用第一套，重度过滤同时使用两套。三个级别都会加上左侧框中的自定义敏感词，每行一个，可以直接粘贴，保存时会去掉重复的词。选项在开始过滤或关闭本窗口时保存。过滤前的文本可以从文档的历史记录中找回。</source>
        <translation>The program has two built-in lists of sensitive words: light filtering uses the first, strict filtering uses both. All three levels add the custom words from the box on the left, one per line; you can paste them, and duplicates are removed on saving. The options are saved when you start filtering or close this window. The text before filtering can be recovered from the document's history.</translation>
    </message>
    <message>
        <source>标记方式</source>
        <translation>Marking</translation>
    </message>
    <message>
        <source>编辑文档时自动标红</source>
        <translation>Mark in red while editing</translation>
    </message>
    <message>
        <source>仅手动过滤时标红</source>
        <translation>Mark in red only when filtering by hand</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>轻度过滤</source>
        <translation>Light filtering</translation>
    </message>
    <message>
        <source>重度过滤</source>
        <translation>Strict filtering</translation>
    </message>
    <message>
        <source>仅自定义</source>
        <translation>Custom words only</translation>
    </message>
    <message>
        <source>过滤方式</source>
        <translation>Filtering method</translation>
    </message>
    <message>
        <source>仅标红</source>
        <translation>Mark in red only</translation>
    </message>
    <message>
        <source>分割线</source>
        <translation>Separators</translation>
    </message>
    <message>
        <source>星号</source>
        <translation>Asterisks</translation>
    </message>
    <message>
        <source>拼音</source>
        <translation>Pinyin</translation>
    </message>
    <message>
        <source>喵星语</source>
        <translation>Meow speak</translation>
    </message>
    <message>
        <source>汪星语</source>
        <translation>Woof speak</translation>
    </message>
</context>
<context>
    <name>TargetPage</name>
    <message>
        <source>写作目标</source>
        <translation>Writing goal</translation>
    </message>
    <message>
        <source>锁定字数不能小于当前锁定字数</source>
        <translation>The word lock cannot be lower than the current one</translation>
    </message>
    <message>
        <source>锁定时间不能小于当前锁定时间</source>
        <translation>The time lock cannot be shorter than the current one</translation>
    </message>
    <message>
        <source>请输入锁定时间或者字数</source>
        <translation>Enter a lock time or a word count</translation>
    </message>
    <message>
        <source>锁定字数(字)</source>
        <translation>Word lock (words)</translation>
    </message>
    <message>
        <source>锁定时间(分钟)</source>
        <translation>Time lock (minutes)</translation>
    </message>
    <message>
        <source>锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。</source>
        <translation>Once locked, you cannot quit the program until you really reach the values you set. Idle waiting does not count towards the time lock, and random typing or mass copy and paste does not count towards the word lock. Locked time and words are counted every 20 seconds.</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>主题</source>
        <translation>Theme</translation>
    </message>
</context>
<context>
    <name>ThroughGame</name>
    <message>
        <source>积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>恭喜，闯关成功！！！撒花！！！</source>
        <translation>Congratulations, you beat the challenge!!!</translation>
    </message>
    <message>
        <source>成功，自动转入下一关。</source>
        <translation>Success! Moving on to the next level.</translation>
    </message>
    <message>
        <source>挑战失败!</source>
        <translation>Challenge failed!</translation>
    </message>
</context>
<context>
    <name>ThroughLabel</name>
    <message>
        <source>剩余字数</source>
        <translation>Words left</translation>
    </message>
    <message>
        <source>剩余时间:</source>
        <translation>Time left:</translation>
    </message>
</context>
<context>
    <name>ThroughPage</name>
    <message>
        <source>Challenge</source>
        <translation>Challenge</translation>
    </message>
    <message>
        <source>您的剩余积分不够支付本次闯关门票，快去领一些积分吧!</source>
        <translation>You do not have enough points for this challenge's entry fee. Go and collect some points!</translation>
    </message>
    <message>
        <source>如果中途退出，扣除的积分不返还。</source>
        <translation>If you quit midway, the points spent are not refunded.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notices</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Not signed in</translation>
    </message>
    <message>
        <source>闯关信息载入失败,请稍后再试</source>
        <translation>Could not load the challenge. Please try again later</translation>
    </message>
    <message>
        <source>正在刷新...</source>
        <translation>Refreshing…</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>门票</source>
        <translation>Entry fee</translation>
    </message>
    <message>
        <source>通关奖励</source>
        <translation>Reward</translation>
    </message>
    <message>
        <source>通关条件</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>Give up</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>进行中</source>
        <translation>In progress</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>Goal</translation>
    </message>
    <message>
        <source>奖励积分</source>
        <translation>Reward points</translation>
    </message>
    <message>
        <source>剩余字数</source>
        <translation>Words left</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>Time left</translation>
    </message>
    <message numerus="yes">
        <source>确定花费%n积分，进入该闯关模式吗？</source>
        <translation>
            <numerusform>Spend %n point to enter this challenge mode?</numerusform>
            <numerusform>Spend %n points to enter this challenge mode?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>需要在最多%1小时内完成9关，共%n字的挑战</source>
        <translation>
            <numerusform>A challenge of 9 levels and %n word in all, within %1 hours at most</numerusform>
            <numerusform>A challenge of 9 levels and %n words in all, within %1 hours at most</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ThroughTipsDialog</name>
    <message>
        <source>提示</source>
        <translation>Notices</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>收到的内容长度不对</source>
        <translation>What was received has the wrong length</translation>
    </message>
    <message>
        <source>无法校验收到的内容</source>
        <translation>What was received cannot be verified</translation>
    </message>
    <message>
        <source>收到的内容与校验值不符</source>
        <translation>What was received does not match its checksum</translation>
    </message>
    <message>
        <source>云端没有确认收到的内容</source>
        <translation>The cloud did not confirm what it received</translation>
    </message>
    <message>
        <source>云端收到的内容与发送的不符</source>
        <translation>The cloud received something other than what was sent</translation>
    </message>
</context>
<context>
    <name>TxtReader</name>
    <message>
        <source>Unable to read the file.</source>
        <translation>Unable to read the file.</translation>
    </message>
</context>
<context>
    <name>UserDatas</name>
    <message>
        <source>积分获取失败</source>
        <translation>Could not get the points</translation>
    </message>
    <message>
        <source>错误码</source>
        <translation>Error code</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>没有文件名</source>
        <translation>No file name</translation>
    </message>
    <message>
        <source>同名的文件夹已存在</source>
        <translation>A folder with this name already exists</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>The file already exists</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>Cannot create the folder</translation>
    </message>
    <message>
        <source>写入磁盘的文件不完整</source>
        <translation>The file written to disk is incomplete</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>密码已失效（可能已在别处修改），已退出登录，请重新登录</source>
        <translation>The password no longer signs in (it may have been changed elsewhere). You are signed out; please sign in again.</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>Enter a user name</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Enter a password</translation>
    </message>
    <message>
        <source>服务端暂时关闭了注册通道</source>
        <translation>Sign-up is closed on the server for now</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>验证码不正确</source>
        <translation>Wrong verification code</translation>
    </message>
    <message>
        <source>密码不匹配</source>
        <translation>The passwords do not match</translation>
    </message>
    <message>
        <source>用户名已被占用</source>
        <translation>This user name is already taken</translation>
    </message>
    <message>
        <source>邮箱地址已被使用</source>
        <translation>This email address is already in use</translation>
    </message>
    <message>
        <source>此用户名是被保留的</source>
        <translation>This user name is reserved</translation>
    </message>
    <message>
        <source>用户名格式不正确</source>
        <translation>Invalid user name</translation>
    </message>
    <message>
        <source>等待验证邮箱</source>
        <translation>Waiting for email verification</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Wrong user name or password</translation>
    </message>
    <message>
        <source>Your profile has been updated successfully.</source>
        <translation>Your profile has been updated.</translation>
    </message>
    <message>
        <source>Your avatar setting has been updated successfully.</source>
        <translation>Your avatar has been updated.</translation>
    </message>
    <message>
        <source>Email address is not a valid email address.</source>
        <translation>This is not a valid email address.</translation>
    </message>
    <message>
        <source>网络访问被禁用。</source>
        <translation>Network access is disabled.</translation>
    </message>
    <message>
        <source>上传的文件不是一张图片</source>
        <translation>The uploaded file is not an image</translation>
    </message>
    <message>
        <source>正在登录...</source>
        <translation>Signing in…</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Signed in</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Please login first!</source>
        <translation>Please sign in first.</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Timed out</translation>
    </message>
    <message>
        <source>上传超时</source>
        <translation>Upload timed out</translation>
    </message>
</context>
<context>
    <name>WindowsMenuBar</name>
    <message>
        <source>强制退出</source>
        <translation>Force quit</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Open recent</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Clear menu</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Import a folder</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Import files</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>View</translation>
    </message>
    <message>
        <source>显示 文件</source>
        <translation>Show files</translation>
    </message>
    <message>
        <source>显示 自动章节</source>
        <translation>Show chapters</translation>
    </message>
    <message>
        <source>显示 字数统计</source>
        <translation>Show word count</translation>
    </message>
    <message>
        <source>显示 拼字</source>
        <translation>Show writing rooms</translation>
    </message>
    <message>
        <source>显示 我</source>
        <translation>Show my account</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Keep window on top</translation>
    </message>
    <message>
        <source>退出 极简 模式</source>
        <translation>Leave minimalist mode</translation>
    </message>
    <message>
        <source>进入 极简 模式</source>
        <translation>Enter minimalist mode</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Leave Lumo mode</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Enter Lumo mode</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Statistics card</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filter sensitive words</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Add a chapter title</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>One-step typesetting</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Cloud sync</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Typewriter mode</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Start typewriter mode</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Highlight the current line</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Fixed scrolling</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Mark the current line</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>显示 闯关</source>
        <translation>Show challenge</translation>
    </message>
    <message>
        <source>显示 笔记</source>
        <translation>Show notes</translation>
    </message>
</context>
<context>
    <name>WindowsTitleBar</name>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>WordCountPage</name>
    <message>
        <source>字数统计</source>
        <translation>Word count</translation>
    </message>
    <message>
        <source>元</source>
        <translation>yuan</translation>
    </message>
    <message>
        <source>字数统计功能菜单</source>
        <translation>Word count menu</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Statistics card</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>Font size</translation>
    </message>
    <message>
        <source>同步字数</source>
        <translation>Sync word counts</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Please sign in first</translation>
    </message>
    <message>
        <source>文档统计</source>
        <translation>Document statistics</translation>
    </message>
    <message>
        <source>总字数</source>
        <translation>Total words</translation>
    </message>
    <message>
        <source>总字数(无空格)</source>
        <translation>Total words (no spaces)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>空格数</source>
        <translation>Spaces</translation>
    </message>
    <message>
        <source>汉字数</source>
        <translation>Chinese characters</translation>
    </message>
    <message>
        <source>单词数</source>
        <translation>Words</translation>
    </message>
    <message>
        <source>段落数</source>
        <translation>Paragraphs</translation>
    </message>
    <message>
        <source>今时今日</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Words today</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Speed today</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Time today</translation>
    </message>
    <message>
        <source>今日稿费</source>
        <translation>Today's fee</translation>
    </message>
    <message>
        <source>本周统计</source>
        <translation>This week</translation>
    </message>
    <message>
        <source>本周字数</source>
        <translation>Words this week</translation>
    </message>
    <message>
        <source>本周速度</source>
        <translation>Speed this week</translation>
    </message>
    <message>
        <source>本周用时</source>
        <translation>Time this week</translation>
    </message>
    <message>
        <source>本周稿费</source>
        <translation>Fee this week</translation>
    </message>
    <message>
        <source>月度统计</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>本月字数</source>
        <translation>Words this month</translation>
    </message>
    <message>
        <source>本月速度</source>
        <translation>Speed this month</translation>
    </message>
    <message>
        <source>本月用时</source>
        <translation>Time this month</translation>
    </message>
    <message>
        <source>本月稿费</source>
        <translation>Fee this month</translation>
    </message>
    <message>
        <source>年度统计</source>
        <translation>This year</translation>
    </message>
    <message>
        <source>今年字数</source>
        <translation>Words this year</translation>
    </message>
    <message>
        <source>今年速度</source>
        <translation>Speed this year</translation>
    </message>
    <message>
        <source>今年用时</source>
        <translation>Time this year</translation>
    </message>
    <message>
        <source>年度稿费</source>
        <translation>Fee this year</translation>
    </message>
    <message>
        <source>设置字体大小</source>
        <translation>Set the font size</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Font size</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n word/min</numerusform>
            <numerusform>%n words/min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bot</name>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Cannot save the cache file: </translation>
    </message>
</context>
<context>
    <name>cloudDisk</name>
    <message>
        <source>没有登陆</source>
        <translation>Not signed in</translation>
    </message>
    <message>
        <source>设置中取消了云同步功能</source>
        <translation>Cloud sync is switched off in the settings</translation>
    </message>
    <message>
        <source>另一个云同步线程正在运行</source>
        <translation>Another cloud sync thread is running</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Cloud sync</translation>
    </message>
    <message>
        <source>云同步开始</source>
        <translation>Cloud sync started</translation>
    </message>
    <message>
        <source>有冲突文件待处理</source>
        <translation>Conflicting files are waiting for your choice</translation>
    </message>
    <message>
        <source>同步完成</source>
        <translation>Sync complete</translation>
    </message>
    <message>
        <source>云同步:有冲突文件待处理</source>
        <translation>Cloud sync: conflicting files are waiting for your choice</translation>
    </message>
    <message>
        <source>Not logged in:</source>
        <translation>Not signed in:</translation>
    </message>
    <message>
        <source>正在上传文件</source>
        <translation>Uploading files</translation>
    </message>
    <message>
        <source>文件上传结束</source>
        <translation>Upload finished</translation>
    </message>
    <message>
        <source>正在下载文件</source>
        <translation>Downloading files</translation>
    </message>
    <message>
        <source>文件下载结束</source>
        <translation>Download finished</translation>
    </message>
    <message>
        <source>正在下载冲突文件</source>
        <translation>Downloading conflicting files</translation>
    </message>
    <message>
        <source>下载冲突文件结束</source>
        <translation>Conflicting files downloaded</translation>
    </message>
    <message>
        <source>删除元数据失败</source>
        <translation>Failed to delete metadata</translation>
    </message>
    <message>
        <source>删除远程文件失败</source>
        <translation>Failed to delete remote file</translation>
    </message>
    <message>
        <source>删除远程文件失败:</source>
        <translation>Failed to delete remote file:</translation>
    </message>
    <message>
        <source>上传失败</source>
        <translation>Upload failed</translation>
    </message>
    <message>
        <source>上传失败:</source>
        <translation>Upload failed:</translation>
    </message>
    <message>
        <source>更新元数据失败</source>
        <translation>Failed to update metadata</translation>
    </message>
    <message>
        <source>更新元数据失败:</source>
        <translation>Failed to update metadata:</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Download failed</translation>
    </message>
    <message>
        <source>下载失败:</source>
        <translation>Download failed:</translation>
    </message>
    <message>
        <source>删除文件不存在</source>
        <translation>The file to delete does not exist</translation>
    </message>
    <message>
        <source>删除文件不存在::</source>
        <translation>The file to delete does not exist:</translation>
    </message>
    <message>
        <source>删除文件失败</source>
        <translation>Failed to delete file</translation>
    </message>
    <message>
        <source>删除文件失败:</source>
        <translation>Failed to delete file:</translation>
    </message>
    <message>
        <source>写文件失败</source>
        <translation>Failed to write file</translation>
    </message>
    <message>
        <source>写文件失败:</source>
        <translation>Failed to write file:</translation>
    </message>
    <message>
        <source>写元数据失败</source>
        <translation>Failed to write metadata</translation>
    </message>
    <message>
        <source>写元数据失败:</source>
        <translation>Failed to write metadata:</translation>
    </message>
    <message>
        <source>写入文件失败:</source>
        <translation>Failed to write file:</translation>
    </message>
    <message>
        <source>冲突</source>
        <translation>conflict</translation>
    </message>
    <message>
        <source>已退出登录，同步已停止</source>
        <translation>Signed out; the sync stopped</translation>
    </message>
    <message>
        <source>云同步已关闭，同步已停止</source>
        <translation>Cloud sync was switched off; the sync stopped</translation>
    </message>
    <message>
        <source>程序退出，同步已停止</source>
        <translation>The program is quitting; the sync stopped</translation>
    </message>
    <message>
        <source>账号已切换，同步已停止</source>
        <translation>The account changed; the sync stopped</translation>
    </message>
    <message>
        <source>文档目录已更换，同步已停止</source>
        <translation>The documents folder changed; the sync stopped</translation>
    </message>
    <message>
        <source>网络连接失败</source>
        <translation>The network connection failed</translation>
    </message>
    <message>
        <source>同步中断</source>
        <translation>Sync interrupted</translation>
    </message>
    <message>
        <source>同步中断:</source>
        <translation>Sync interrupted:</translation>
    </message>
    <message>
        <source>文件在同步时被修改</source>
        <translation>The file was changed during the sync</translation>
    </message>
    <message>
        <source>文件在同步时被修改:</source>
        <translation>The file was changed during the sync:</translation>
    </message>
    <message>
        <source>文档目录上次由另一个账号同步，等待选择</source>
        <translation>The documents folder was last synced by another account; waiting for your choice</translation>
    </message>
    <message>
        <source>无法读取本地文件</source>
        <translation>The local file could not be read</translation>
    </message>
    <message>
        <source>无法保存历史记录</source>
        <translation>The history copy could not be saved</translation>
    </message>
    <message>
        <source>同步结束，有文件未能同步</source>
        <translation>Sync ended, some files could not be synced</translation>
    </message>
    <message>
        <source>云同步结束，有文件未能同步:</source>
        <translation>Cloud sync ended, some files could not be synced:</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>data</name>
    <message>
        <source>字数统计保存失败</source>
        <translation>Could not save the word count statistics</translation>
    </message>
    <message>
        <source>please login first</source>
        <translation>Please sign in first</translation>
    </message>
    <message>
        <source>同步本周字数成功(无变更)</source>
        <translation>This week's word count synced (no changes)</translation>
    </message>
    <message>
        <source>同步本月字数成功(无变更)</source>
        <translation>This month's word count synced (no changes)</translation>
    </message>
    <message>
        <source>同步今年字数成功(无变更)</source>
        <translation>This year's word count synced (no changes)</translation>
    </message>
    <message>
        <source>同步今日字数成功(无变更)</source>
        <translation>Today's word count synced (no changes)</translation>
    </message>
    <message>
        <source>同步今日字数失败</source>
        <translation>Could not sync today's word count</translation>
    </message>
    <message>
        <source>同步今日字数成功(已上传)</source>
        <translation>Today's word count synced (uploaded)</translation>
    </message>
</context>
<context>
    <name>fileordermaplist</name>
    <message>
        <source>无法保存书籍顺序：</source>
        <translation>Cannot save the book order: </translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>第%1章</source>
        <translation>Chapter %1</translation>
    </message>
    <message>
        <source>NewBook</source>
        <translation>NewBook</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>没有选中的文件</source>
        <translation>No file selected</translation>
    </message>
    <message>
        <source>只能删除文档文件夹中的文件：%1</source>
        <translation>Only files in the documents folder can be deleted: %1</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件未删除：%1</source>
        <translation>Could not save the history; the file was not deleted: %1</translation>
    </message>
    <message>
        <source>删除失败：%1</source>
        <translation>Could not delete: %1</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件夹未删除：%1</source>
        <translation>Could not save the history; the folder was not deleted: %1</translation>
    </message>
    <message>
        <source>无法重命名</source>
        <translation>Cannot rename</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件已存在</source>
        <translation>Cannot rename: a file with this name already exists</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件夹已存在</source>
        <translation>Cannot rename: a folder with this name already exists</translation>
    </message>
    <message>
        <source>新笔记 %1</source>
        <translation>New note %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>无法读取历史记录：%1</source>
        <translation>Could not read the history: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复：%1</source>
        <translation>Could not save the current content to the history; nothing was restored: %1</translation>
    </message>
    <message>
        <source>恢复失败：%1</source>
        <translation>Could not restore: %1</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>Top folder</translation>
    </message>
    <message>
        <source>已存在相同内容，未导入：%1</source>
        <translation>The same content already exists; not imported: %1</translation>
    </message>
    <message>
        <source>未能导入：%1</source>
        <translation>Could not import: %1</translation>
    </message>
    <message>
        <source>Directory not exists</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>目标文件夹不在文件目录下, 默认导入到文件目录下</source>
        <translation>The target folder is outside the documents folder; importing into the documents folder instead</translation>
    </message>
    <message>
        <source>您要导入的文件夹与目标文件夹相同,不用导入这个文件夹</source>
        <translation>The folder to import is the target folder itself; there is nothing to import</translation>
    </message>
    <message>
        <source>不能导出到书中的文档：%1</source>
        <translation>Cannot export into a document of the book: %1</translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation>Export failed: %1</translation>
    </message>
    <message>
        <source>文档名须以“.txt”或“.md”结尾</source>
        <translation>A document name must end in ".txt" or ".md"</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>不在文件目录内</source>
        <translation>Not in the documents folder</translation>
    </message>
    <message>
        <source>没有空闲的文件名</source>
        <translation>No free file name left</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>不能覆盖文档库中已有的文件：%1</source>
        <translation>Cannot overwrite a file already in the library: %1</translation>
    </message>
    <message>
        <source>是否确认删除书“%1”及其中的全部文档？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Delete the book "%1" and all its documents? Copies made before deleting are kept in the history (Tools → History).</translation>
    </message>
    <message>
        <source>是否确认删除“%1”？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Delete "%1"? A copy made before deleting is kept in the history (Tools → History).</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件导入到 %1</source>
        <translation>
            <numerusform>Imported %n file into %1</numerusform>
            <numerusform>Imported %n files into %1</numerusform>
        </translation>
    </message>
    <message>
        <source>以下文件不保存副本，删除后无法恢复：%1</source>
        <translation>These files get no copy and cannot be restored after deleting: %1</translation>
    </message>
    <message>
        <source>是否要删除“%1”？删除后不能恢复。</source>
        <translation>Delete "%1"? It cannot be restored afterwards.</translation>
    </message>
    <message numerus="yes">
        <source>……以及另外 %n 个文件</source>
        <translation>
            <numerusform>… and %n more file</numerusform>
            <numerusform>… and %n more files</numerusform>
        </translation>
    </message>
    <message>
        <source>未恢复：</source>
        <translation>Not restored: </translation>
    </message>
    <message>
        <source>无法确定“%1”属于哪个文档</source>
        <translation>Cannot tell which document “%1” belongs to</translation>
    </message>
    <message>
        <source>多个文档名为“%1”：请在文件树中该文档的历史记录里恢复</source>
        <translation>Several documents are named “%1”: restore it from that document's History in the file tree</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，不会被改写</source>
        <translation>This file holds bytes that are not %1 text; it is not written</translation>
    </message>
</context>
<context>
    <name>function</name>
    <message>
        <source>无此功能</source>
        <translation>Not available</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>Do you confirm deletion? Deleted files will not be recovered.</source>
        <translation>Delete? Deleted files cannot be recovered.</translation>
    </message>
    <message>
        <source>复制失败：</source>
        <translation>Could not copy: </translation>
    </message>
    <message>
        <source>移动失败：</source>
        <translation>Could not move: </translation>
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
        <translation>Hello,</translation>
    </message>
    <message>
        <source>关于%1，我有一些建议。</source>
        <translation>I have some suggestions about %1.</translation>
    </message>
    <message>
        <source>(系统版本:%1  软件版本:%2)</source>
        <translation>(System version: %1  Program version: %2)</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>这是一个文件，不是文件夹</source>
        <translation>This is a file, not a folder</translation>
    </message>
    <message>
        <source>这是文件系统的根目录</source>
        <translation>This is the root folder of the file system</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>No write permission</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。已改用默认文件夹。</source>
        <translation>Cannot use the documents folder %1: %2. The default folder is used instead.</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。</source>
        <translation>Cannot use the documents folder %1: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>偏好设置</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <source>打卡</source>
        <translation>Check-in</translation>
    </message>
    <message>
        <source>闯关正在进行中，如果此时退出，直接判定闯关失败，扣除的闯关门票不退还。确定要退出吗？</source>
        <translation>A challenge is in progress. Quitting now counts as failing it, and the entry fee is not refunded. Quit anyway?</translation>
    </message>
    <message>
        <source>尚有正在进行中的闯关:</source>
        <translation>A challenge is still in progress:</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>关卡</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>点击确定，重进进入闯关模式，不需要门票。点击取消，放弃闯关，之前支付的门票积分不予退还。</source>
        <translation>Click OK to return to the challenge without paying again. Click Cancel to give it up; the points paid for entry are not refunded.</translation>
    </message>
    <message>
        <source>按 %1 键即可退出Lumo模式</source>
        <translation>Press %1 to leave Lumo mode</translation>
    </message>
    <message>
        <source>窗口已置顶</source>
        <translation>The window stays on top</translation>
    </message>
    <message>
        <source>窗口已取消置顶</source>
        <translation>The window no longer stays on top</translation>
    </message>
    <message>
        <source>锁定状态不能取消窗口置顶</source>
        <translation>While locked, the window must stay on top</translation>
    </message>
    <message>
        <source>锁定状态不能退出程序</source>
        <translation>You cannot quit while locked</translation>
    </message>
    <message>
        <source>有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。</source>
        <translation>A document could not be saved, so the program did not quit. If you quit again, the unsaved text is copied elsewhere and the next start tells you where.</translation>
    </message>
    <message>
        <source>上次退出时有文档未能保存，未保存的内容已存入：%1</source>
        <translation>Some documents could not be saved when the program last ended; their unsaved text was kept in: %1</translation>
    </message>
    <message>
        <source>上次打开的文件已不存在：%1</source>
        <translation>The file open last time no longer exists: %1</translation>
    </message>
</context>
<context>
    <name>myRankingData</name>
    <message>
        <source>立入禁止</source>
        <translation>No entry</translation>
    </message>
    <message>
        <source>此房间为邀请制，需要房主邀请才能进入。</source>
        <translation>This room is by invitation only; the room's owner must invite you.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>You left the room %1</translation>
    </message>
</context>
<context>
    <name>network</name>
    <message>
        <source>未配置服务器地址</source>
        <translation>No server address is configured</translation>
    </message>
    <message>
        <source>错误码:</source>
        <translation>Error code:</translation>
    </message>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Cannot save the cache file: </translation>
    </message>
</context>
<context>
    <name>oss</name>
    <message>
        <source>This path is not authorized by the server</source>
        <translation>This path is not authorized by the server</translation>
    </message>
    <message>
        <source>云端的回答不是文件列表</source>
        <translation>The cloud's answer is not a file list</translation>
    </message>
    <message>
        <source>云端的回答不是存储服务的回答</source>
        <translation>The answer did not come from the storage service</translation>
    </message>
    <message>
        <source>云端文件列表不完整</source>
        <translation>The cloud file list is incomplete</translation>
    </message>
</context>
<context>
    <name>update</name>
    <message>
        <source>有新版:</source>
        <translation>New version available: </translation>
    </message>
    <message>
        <source>恭喜，已经是最新版了</source>
        <translation>Congratulations, this is the latest version</translation>
    </message>
    <message>
        <source>连接更新服务器失败!</source>
        <translation>Could not reach the update server!</translation>
    </message>
</context>
</TS>
