<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>版本号</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Penlark 是为长篇作者写作的专注写作软件。
版权所有 © Penlark 开发者。</source>
        <translation>Penlark — программа для авторов больших книг.
© Разработчики Penlark.</translation>
    </message>
    <message>
        <source>立即更新</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>检查新版本</source>
        <translation>Проверить обновления</translation>
    </message>
</context>
<context>
    <name>AnalysisSyncWorker</name>
    <message>
        <source>获取云端列表出错</source>
        <translation>Не удалось получить список файлов в облаке</translation>
    </message>
    <message>
        <source>获取云端列表出错:</source>
        <translation>Не удалось получить список файлов в облаке:</translation>
    </message>
</context>
<context>
    <name>AutoChapterPage</name>
    <message>
        <source>自动章节</source>
        <translation>Автоматические главы</translation>
    </message>
    <message>
        <source>(无标题)</source>
        <translation>(без названия)</translation>
    </message>
    <message>
        <source>没有章节</source>
        <translation>Нет глав</translation>
    </message>
    <message numerus="yes">
        <source>%n 章</source>
        <translation>
            <numerusform>%n глава</numerusform>
            <numerusform>%n главы</numerusform>
            <numerusform>%n глав</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BarGraph</name>
    <message>
        <source>柱状图</source>
        <translation>Гистограмма</translation>
    </message>
</context>
<context>
    <name>ClockInPage</name>
    <message>
        <source>打卡</source>
        <translation>Отметка</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Баллы</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Вход не выполнен</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 баллов за каждый ежедневный вход</translation>
    </message>
</context>
<context>
    <name>CloudButton</name>
    <message>
        <source>云同步</source>
        <translation>Облачная синхронизация</translation>
    </message>
</context>
<context>
    <name>CloudSheet</name>
    <message>
        <source>正在云同步</source>
        <translation>Синхронизация с облаком</translation>
    </message>
    <message>
        <source>不同步，直接退出</source>
        <translation>Выйти без синхронизации</translation>
    </message>
</context>
<context>
    <name>ConflictPage</name>
    <message>
        <source>冲突选择</source>
        <translation>Разрешение конфликтов</translation>
    </message>
    <message>
        <source>留下这个，删除另一个</source>
        <translation>Оставить этот, удалить другой</translation>
    </message>
    <message>
        <source>All Keep</source>
        <translation>Оставить все</translation>
    </message>
    <message>
        <source>本机</source>
        <translation>Этот компьютер</translation>
    </message>
    <message>
        <source>云端</source>
        <translation>Облако</translation>
    </message>
</context>
<context>
    <name>CountChartWindow</name>
    <message>
        <source>统计卡片</source>
        <translation>Карточка статистики</translation>
    </message>
    <message>
        <source>近期字数</source>
        <translation>Слова за последние дни</translation>
    </message>
    <message>
        <source>近期速度</source>
        <translation>Скорость за последние дни</translation>
    </message>
    <message>
        <source>近期用时</source>
        <translation>Время за последние дни</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Слов сегодня</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Скорость сегодня</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Время сегодня</translation>
    </message>
    <message>
        <source>剩余锁定时间(分钟):</source>
        <translation>Осталось времени блокировки (мин):</translation>
    </message>
    <message>
        <source>锁定时间没有启动</source>
        <translation>Блокировка по времени не запущена</translation>
    </message>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Осталось слов блокировки (засчитанных): </translation>
    </message>
    <message>
        <source>锁定字数没有启动</source>
        <translation>Блокировка по словам не запущена</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n слово</numerusform>
            <numerusform>%n слова</numerusform>
            <numerusform>%n слов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n слово/мин</numerusform>
            <numerusform>%n слова/мин</numerusform>
            <numerusform>%n слов/мин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountLabel</name>
    <message>
        <source>字数: </source>
        <translation>Слов: </translation>
    </message>
    <message>
        <source>统计中…</source>
        <translation>Подсчёт…</translation>
    </message>
    <message>
        <source>本章: </source>
        <translation>Эта глава: </translation>
    </message>
    <message>
        <source>光标前: </source>
        <translation>До курсора: </translation>
    </message>
    <message>
        <source>选中: </source>
        <translation>Выделено: </translation>
    </message>
</context>
<context>
    <name>CreateRoomSheet</name>
    <message>
        <source>创建房间</source>
        <translation>Создать комнату</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>房间名称</source>
        <translation>Название комнаты</translation>
    </message>
    <message>
        <source>进入房间需要输入密码</source>
        <translation>Вход в комнату по паролю</translation>
    </message>
    <message>
        <source>房间密码</source>
        <translation>Пароль комнаты</translation>
    </message>
    <message>
        <source>重新键入</source>
        <translation>Повторите ввод</translation>
    </message>
</context>
<context>
    <name>DataTypeClass</name>
    <message>
        <source>文件已损坏且无法移开，未覆盖</source>
        <translation>Файл повреждён и не может быть перемещён; он не перезаписан</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>无法完整读取文件</source>
        <translation>Файл невозможно прочитать целиком</translation>
    </message>
</context>
<context>
    <name>DocumentTabPage</name>
    <message>
        <source>Open a document</source>
        <translation>Открыть документ</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>New a document</source>
        <translation>Новый документ</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source> (已删除)</source>
        <translation> (удалён)</translation>
    </message>
    <message>
        <source> (外部文档)</source>
        <translation> (внешний документ)</translation>
    </message>
    <message>
        <source>请稍等,等正在载入中的文件载入完成后再打开。</source>
        <translation>Подождите, пока загружаемый файл откроется, и откройте его снова.</translation>
    </message>
    <message>
        <source>保存失败，文档没有关闭。</source>
        <translation>Не удалось сохранить; документ не закрыт.</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>保存并关闭文档</source>
        <translation>Сохранить и закрыть документ</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Импорт файлов</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Импорт папки</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>Не удаётся открыть «%1»: %2</translation>
    </message>
    <message>
        <source>%1：选择“%2”菜单中的“%3”，或按 %4</source>
        <translation>%1: выберите «%3» в меню «%2» или нажмите %4</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存。未保存的文字已存入：%1
关闭这个文档吗？</source>
        <translation>Файл удалён, сохранить его нельзя. Несохранённый текст сохранён в: %1
Закрыть этот документ?</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存，未保存的文字也无处存放：关闭后这些文字会丢失。
关闭这个文档吗？</source>
        <translation>Файл удалён, сохранить его нельзя, и несохранённый текст негде сохранить: при закрытии он пропадёт.
Закрыть этот документ?</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Не удаётся открыть архив.</translation>
    </message>
</context>
<context>
    <name>FileHistoryPage</name>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>文件</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>Новый файл</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Облачная синхронизация</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>История</translation>
    </message>
    <message>
        <source>还没有文档</source>
        <translation>Документов пока нет</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>合并并导出文档：</source>
        <translation>Объединить и экспортировать документы: </translation>
    </message>
</context>
<context>
    <name>FindWidget</name>
    <message>
        <source>替换</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>Ничего не найдено</translation>
    </message>
    <message>
        <source>正则表达式</source>
        <translation>Регулярное выражение</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>向上查找</source>
        <translation>Найти предыдущее</translation>
    </message>
    <message>
        <source>向下查找</source>
        <translation>Найти следующее</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>Заменить все</translation>
    </message>
    <message>
        <source>确认全部替换？</source>
        <translation>Заменить все вхождения?</translation>
    </message>
</context>
<context>
    <name>FolderAccountSheet</name>
    <message>
        <source>文档目录属于另一个账号</source>
        <translation>Папка документов принадлежит другой учётной записи</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由账号“%2”同步。</source>
        <translation>Папку документов «%1» в последний раз синхронизировала учётная запись «%2».</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由另一个账号同步。</source>
        <translation>Папку документов «%1» в последний раз синхронизировала другая учётная запись.</translation>
    </message>
    <message>
        <source>要把其中的文档合并到当前账号“%1”，还是为当前账号另选一个文档目录？选择之前，不会上传、下载或删除任何文档。</source>
        <translation>Объединить её документы с учётной записью «%1», в которую выполнен вход, или выбрать для этой учётной записи другую папку документов? Пока вы не выберете, ни один документ не будет отправлен, загружен или удалён.</translation>
    </message>
    <message>
        <source>合并到当前账号</source>
        <translation>Объединить с этой учётной записью</translation>
    </message>
    <message>
        <source>另选文档目录</source>
        <translation>Выбрать другую папку документов</translation>
    </message>
</context>
<context>
    <name>FontSizeBox</name>
    <message>
        <source>放大字体</source>
        <translation>Увеличить шрифт</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Уменьшить шрифт</translation>
    </message>
</context>
<context>
    <name>FormatManager</name>
    <message>
        <source>OpenDocument Text</source>
        <translation>Текст OpenDocument</translation>
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
        <translation>Формат RTF</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>Обычный текст</translation>
    </message>
    <message>
        <source>Markdown Text</source>
        <translation>Текст Markdown</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>Все поддерживаемые файлы</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>文档类型声明了实体或属性默认值（%1），已拒绝读取。</source>
        <translation>Тип документа объявляет сущности или значения атрибутов по умолчанию (%1); документ отклонён.</translation>
    </message>
    <message>
        <source>不支持文档的编码 %1。</source>
        <translation>Кодировка документа %1 не поддерживается.</translation>
    </message>
    <message>
        <source>文档中有不符合其编码的字节。</source>
        <translation>В документе есть байты, не соответствующие его кодировке.</translation>
    </message>
    <message numerus="yes">
        <source>文档过大：超过 %n 个字符，已停止读取。</source>
        <translation>
            <numerusform>Документ слишком большой: больше %n символа; чтение остановлено.</numerusform>
            <numerusform>Документ слишком большой: больше %n символов; чтение остановлено.</numerusform>
            <numerusform>Документ слишком большой: больше %n символов; чтение остановлено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档段落过多：超过 %n 段，已停止读取。</source>
        <translation>
            <numerusform>В документе слишком много абзацев: больше %n; чтение остановлено.</numerusform>
            <numerusform>В документе слишком много абзацев: больше %n; чтение остановлено.</numerusform>
            <numerusform>В документе слишком много абзацев: больше %n; чтение остановлено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档元素过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>В документе слишком много элементов: больше %n; чтение остановлено.</numerusform>
            <numerusform>В документе слишком много элементов: больше %n; чтение остановлено.</numerusform>
            <numerusform>В документе слишком много элементов: больше %n; чтение остановлено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>读取文档超时：超过 %n 秒，已停止读取。</source>
        <translation>
            <numerusform>Чтение документа заняло слишком много времени: больше %n секунды; чтение остановлено.</numerusform>
            <numerusform>Чтение документа заняло слишком много времени: больше %n секунд; чтение остановлено.</numerusform>
            <numerusform>Чтение документа заняло слишком много времени: больше %n секунд; чтение остановлено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档嵌套过深：超过 %n 层，已停止读取。</source>
        <translation>
            <numerusform>Документ слишком глубоко вложен: больше %n уровня; чтение остановлено.</numerusform>
            <numerusform>Документ слишком глубоко вложен: больше %n уровней; чтение остановлено.</numerusform>
            <numerusform>Документ слишком глубоко вложен: больше %n уровней; чтение остановлено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档中一个元素的属性过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>У элемента документа слишком много атрибутов: больше %n; чтение остановлено.</numerusform>
            <numerusform>У элемента документа слишком много атрибутов: больше %n; чтение остановлено.</numerusform>
            <numerusform>У элемента документа слишком много атрибутов: больше %n; чтение остановлено.</numerusform>
        </translation>
    </message>
    <message>
        <source>文档解压后的内容远多于其中的文字，已停止读取。</source>
        <translation>Распакованный документ намного больше, чем требует его текст; чтение остановлено.</translation>
    </message>
    <message>
        <source>文档中的空段落远多于有文字的段落，已停止读取。</source>
        <translation>В документе гораздо больше пустых абзацев, чем абзацев с текстом; чтение остановлено.</translation>
    </message>
</context>
<context>
    <name>FullTimerWidget</name>
    <message>
        <source>当前时间</source>
        <translation>Текущее время</translation>
    </message>
</context>
<context>
    <name>FunctionBar</name>
    <message>
        <source>隐藏</source>
        <translation>Скрыть</translation>
    </message>
</context>
<context>
    <name>FunctionTitleBar</name>
    <message>
        <source>返回</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Свернуть</translation>
    </message>
</context>
<context>
    <name>GlobalMessage</name>
    <message>
        <source>新版已发布...</source>
        <translation>Доступна новая версия…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Сочетания клавиш</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>历史记录</source>
        <translation>История</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>没有历史记录</source>
        <translation>Истории нет</translation>
    </message>
    <message>
        <source>文档正在载入或不能修改，未恢复。</source>
        <translation>Документ загружается или не может быть изменён; ничего не восстановлено.</translation>
    </message>
    <message>
        <source>已恢复“%1”，恢复前的内容已存入历史记录。</source>
        <translation>«%1» восстановлен; прежний текст сохранён в истории.</translation>
    </message>
    <message>
        <source>未能保存的内容</source>
        <translation>Текст, который не удалось сохранить</translation>
    </message>
</context>
<context>
    <name>HomeBar</name>
    <message>
        <source>文件</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Автоматические главы</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Подсчёт слов</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Писательские комнаты</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Испытание</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Мой профиль</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Выйти из режима Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Включить режим Lumo</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <source>选择图片</source>
        <translation>Выбрать изображение</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Убрать</translation>
    </message>
</context>
<context>
    <name>ImageCropSheet</name>
    <message>
        <source>剪裁</source>
        <translation>Обрезать</translation>
    </message>
</context>
<context>
    <name>LazyEdit</name>
    <message>
        <source>未命名文件</source>
        <translation>Без названия</translation>
    </message>
    <message>
        <source>等待同步</source>
        <translation>Ожидает синхронизации</translation>
    </message>
    <message>
        <source>过滤期间文档已被修改，过滤结果未应用。</source>
        <translation>Документ изменился во время фильтрации; результат не применён.</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Пометить</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>选中当前章节</source>
        <translation>Выделить текущую главу</translation>
    </message>
    <message>
        <source>转到文档开始</source>
        <translation>В начало документа</translation>
    </message>
    <message>
        <source>转到文档结尾</source>
        <translation>В конец документа</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Вёрстка одной кнопкой</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Облачная синхронизация</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Адаптивный режим</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Страничный режим</translation>
    </message>
</context>
<context>
    <name>LazyTextDocument</name>
    <message>
        <source>未支持的打开方式</source>
        <translation>Такой способ открытия не поддерживается</translation>
    </message>
    <message>
        <source>无法打开文件: </source>
        <translation>Не удаётся открыть файл: </translation>
    </message>
    <message>
        <source>Cannot save: </source>
        <translation>Не удаётся сохранить: </translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>не локальный файл</translation>
    </message>
    <message>
        <source>文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。</source>
        <translation>Файл изменён другой программой. Несохранённые изменения остаются в редакторе; при сохранении изменения другой программы будут перезаписаны.</translation>
    </message>
    <message>
        <source>已经是章节标题了</source>
        <translation>Это уже заголовок главы</translation>
    </message>
    <message>
        <source>第%1章</source>
        <translation>Глава %1</translation>
    </message>
    <message>
        <source>排版期间文档已被修改，排版结果未应用。</source>
        <translation>Документ изменился во время вёрстки; результат не применён.</translation>
    </message>
    <message>
        <source>从头开始查找</source>
        <translation>Поиск с начала</translation>
    </message>
    <message>
        <source>从结尾开始查找</source>
        <translation>Поиск с конца</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>Не найдено</translation>
    </message>
    <message>
        <source>无法保存历史记录：</source>
        <translation>Не удаётся сохранить историю: </translation>
    </message>
    <message>
        <source>文件正在载入</source>
        <translation>Файл ещё загружается</translation>
    </message>
    <message>
        <source>无法保存过滤前的历史记录，过滤结果未应用。</source>
        <translation>Не удалось сохранить в истории текст до фильтрации; результат фильтрации не применён.</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，保存会改变它们：文件以只读方式打开，不会被保存。</source>
        <translation>В этом файле есть байты, не являющиеся текстом %1; сохранение изменило бы их, поэтому файл открыт только для чтения и не будет сохранён.</translation>
    </message>
    <message>
        <source>未保存的修改已存入：%1</source>
        <translation>Несохранённые изменения сохранены в: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改并重新载入，未保存的修改已存入：%1</source>
        <translation>Файл изменён другой программой и загружен заново; несохранённые изменения сохранены в: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改，已重新载入。</source>
        <translation>Файл изменён другой программой и загружен заново.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改无处存放，仍在编辑器中。</source>
        <translation>Файл перемещён или удалён; несохранённые изменения некуда сохранить, они остаются в редакторе.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改已存入：%1</source>
        <translation>Файл перемещён или удалён; несохранённые изменения сохранены в: %1</translation>
    </message>
    <message>
        <source>无法读取文件（没有权限）：%1。未保存的修改仍在编辑器中，能读取后再保存。</source>
        <translation>Не удаётся прочитать файл (нет прав): %1. Несохранённые изменения остаются в редакторе; сохраните снова, когда файл станет доступен.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本无处存放。</source>
        <translation>Другая программа изменила файл во время сохранения; её версию негде сохранить.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本已存入：%1</source>
        <translation>Другая программа изменила файл во время сохранения; её версия сохранена в: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复。</source>
        <translation>Не удалось сохранить текущий текст в истории; ничего не восстановлено.</translation>
    </message>
</context>
<context>
    <name>LibraryPath</name>
    <message>
        <source>无法新建文件：</source>
        <translation>Не удаётся создать файл: </translation>
    </message>
</context>
<context>
    <name>Locker</name>
    <message>
        <source>已锁定</source>
        <translation>Заблокировано</translation>
    </message>
    <message>
        <source>已解锁</source>
        <translation>Разблокировано</translation>
    </message>
</context>
<context>
    <name>LockerLabel</name>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Осталось слов блокировки (засчитанных): </translation>
    </message>
    <message>
        <source>剩余锁定时间(秒):</source>
        <translation>Осталось времени блокировки (с):</translation>
    </message>
    <message>
        <source>距离刷新锁定数据剩余时间(秒):</source>
        <translation>До обновления данных блокировки (с):</translation>
    </message>
    <message>
        <source>当前处于锁定状态</source>
        <translation>Сейчас заблокировано</translation>
    </message>
</context>
<context>
    <name>LoginPage</name>
    <message>
        <source>登录</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>用户名或邮箱不能为空</source>
        <translation>Укажите имя пользователя или почту</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>Укажите пароль</translation>
    </message>
    <message>
        <source>用户名不能为空</source>
        <translation>Укажите имя пользователя</translation>
    </message>
    <message>
        <source>邮箱不能为空</source>
        <translation>Укажите почту</translation>
    </message>
    <message>
        <source>确认密码不能为空</source>
        <translation>Повторите пароль</translation>
    </message>
    <message>
        <source>两次输入的密码不一致</source>
        <translation>Пароли не совпадают</translation>
    </message>
    <message>
        <source>验证码不能为空</source>
        <translation>Укажите код подтверждения</translation>
    </message>
    <message>
        <source>注册成功，您可以登陆了</source>
        <translation>Регистрация завершена. Теперь можно войти.</translation>
    </message>
    <message>
        <source>用户名或邮箱</source>
        <translation>Имя пользователя или почта</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>Входить автоматически</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>Забыли пароль</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Повторите пароль</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Код подтверждения</translation>
    </message>
    <message>
        <source>创建新账户</source>
        <translation>Создать учётную запись</translation>
    </message>
    <message>
        <source>未配置服务器地址，无法登录或注册。</source>
        <translation>Адрес сервера не настроен, вход и регистрация недоступны.</translation>
    </message>
</context>
<context>
    <name>LoginPasswordWidget</name>
    <message>
        <source>启动密码错误</source>
        <translation>Неверный пароль запуска</translation>
    </message>
    <message>
        <source>注意启动密码不是您用户账号的密码。
而是您在软件偏好设置中设置的启动密码。
此功能可以在本软件的偏好设置中取消。</source>
        <translation>Внимание: пароль запуска — это не пароль учётной записи.
Это пароль, заданный в параметрах программы.
Его можно отключить в параметрах.</translation>
    </message>
    <message>
        <source>请输入启动密码</source>
        <translation>Введите пароль запуска</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Пароль запуска</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>Войти</translation>
    </message>
</context>
<context>
    <name>LumoCounter</name>
    <message>
        <source>Counting chapters, please try again later</source>
        <translation>Идёт подсчёт глав, повторите позже</translation>
    </message>
</context>
<context>
    <name>LumoFileSystemModel</name>
    <message>
        <source>名称不能为空</source>
        <translation>Имя не может быть пустым</translation>
    </message>
    <message>
        <source>名称不能包含“/”、“\”或“..”</source>
        <translation>Имя не может содержать «/», «\» или «..»</translation>
    </message>
    <message>
        <source>名称太长</source>
        <translation>Слишком длинное имя</translation>
    </message>
    <message>
        <source>指定名称的文件已存在</source>
        <translation>Файл с таким именем уже есть</translation>
    </message>
    <message>
        <source>名称不能以“.”开头</source>
        <translation>Имя не может начинаться с «.»</translation>
    </message>
    <message>
        <source>“%1”是程序自用的名称</source>
        <translation>«%1» — имя, которое использует сама программа</translation>
    </message>
</context>
<context>
    <name>LumoTheme</name>
    <message>
        <source>跟随主题</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Белая по умолчанию</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Чёрная по умолчанию</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Пудрово-розовая</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Свежая зелёная</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Небесно-голубая</translation>
    </message>
    <message>
        <source>电纸书</source>
        <translation>Электронная книга</translation>
    </message>
</context>
<context>
    <name>MarkModel</name>
    <message>
        <source>无法保存标记：</source>
        <translation>Не удаётся сохранить пометки: </translation>
    </message>
    <message>
        <source>文件无法读取，未覆盖</source>
        <translation>Файл нельзя прочитать; он не перезаписан</translation>
    </message>
</context>
<context>
    <name>MarkTextWidget</name>
    <message>
        <source>标记</source>
        <translation>Пометить</translation>
    </message>
    <message>
        <source>删除此标记</source>
        <translation>Удалить эту пометку</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>标记内容
(可为空,最多200字)
一般用作注释。</source>
        <translation>Текст пометки
(необязательно, до 200 знаков)
Обычно используется как примечание.</translation>
    </message>
    <message>
        <source>例如：
林远，男，二十七岁，
镇上书铺的掌柜，
寡言，爱下棋。
...</source>
        <translation>Например:
Линь Юань, мужчина, 27 лет,
хозяин книжной лавки в городке,
молчалив, любит шахматы.
...</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>MePage</name>
    <message>
        <source>个人中心</source>
        <translation>Мой профиль</translation>
    </message>
    <message>
        <source>您的新头像更新成功</source>
        <translation>Новый аватар сохранён</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Баллы</translation>
    </message>
    <message>
        <source>头像设置</source>
        <translation>Аватар</translation>
    </message>
    <message>
        <source>设置用户信息</source>
        <translation>Изменить профиль</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Сменить пароль</translation>
    </message>
    <message>
        <source>退出登录</source>
        <translation>Выйти из учётной записи</translation>
    </message>
</context>
<context>
    <name>MiniHomeBar</name>
    <message>
        <source>文件</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Автоматические главы</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Подсчёт слов</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Писательские комнаты</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Испытание</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Мой профиль</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Выйти из режима Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Включить режим Lumo</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Управление</translation>
    </message>
</context>
<context>
    <name>NavigationItem</name>
    <message>
        <source>返回</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>NetworkReply</name>
    <message>
        <source>网络请求超时</source>
        <translation>Время ожидания сетевого запроса истекло</translation>
    </message>
    <message>
        <source>收到的内容不完整</source>
        <translation>Ответ получен не полностью</translation>
    </message>
</context>
<context>
    <name>NotesPage</name>
    <message>
        <source>笔记</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>创建新笔记</source>
        <translation>Новая заметка</translation>
    </message>
    <message>
        <source>删除笔记</source>
        <translation>Удалить заметку</translation>
    </message>
    <message>
        <source>打开最近笔记</source>
        <translation>Открыть недавнюю заметку</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Очистить список</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <source>笔记</source>
        <translation>Заметки</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Не удаётся открыть архив.</translation>
    </message>
</context>
<context>
    <name>PasswordWindow</name>
    <message>
        <source>修改密码</source>
        <translation>Сменить пароль</translation>
    </message>
    <message>
        <source>密码修改成功</source>
        <translation>Пароль изменён</translation>
    </message>
    <message>
        <source>旧密码</source>
        <translation>Старый пароль</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>Новый пароль</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Повторите пароль</translation>
    </message>
</context>
<context>
    <name>PcMain</name>
    <message>
        <source>自动章节</source>
        <translation>Автоматические главы</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Подсчёт слов</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Писательские комнаты</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Испытание</translation>
    </message>
</context>
<context>
    <name>PhoneHomeTabBar</name>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>Я</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Подсчёт слов</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Писательские комнаты</translation>
    </message>
</context>
<context>
    <name>Points</name>
    <message>
        <source>积分</source>
        <translation>Баллы</translation>
    </message>
    <message>
        <source>读者感谢你的创作!</source>
        <translation>Читатели благодарят вас за ваш труд!</translation>
    </message>
    <message>
        <source>开始就成功了一半,加油!</source>
        <translation>Хорошее начало — половина дела. Так держать!</translation>
    </message>
    <message>
        <source>超神!!!</source>
        <translation>Легендарно!!!</translation>
    </message>
    <message>
        <source>您今天已经创作了一万字以上！</source>
        <translation>Сегодня вы написали больше 10 000 слов!</translation>
    </message>
</context>
<context>
    <name>PointsAwardRow</name>
    <message>
        <source>获取</source>
        <translation>Получить</translation>
    </message>
    <message>
        <source>已获取</source>
        <translation>Получено</translation>
    </message>
</context>
<context>
    <name>PointsWindow</name>
    <message>
        <source>积分</source>
        <translation>Баллы</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Баллы</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Вход не выполнен</translation>
    </message>
    <message>
        <source>首次登陆赠送100积分</source>
        <translation>100 баллов за первый вход</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 баллов за каждый ежедневный вход</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>偏好设置</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>键盘音效</source>
        <translation>Звук клавиатуры</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>打字机音效</source>
        <translation>Звук пишущей машинки</translation>
    </message>
    <message>
        <source>水滴声音效</source>
        <translation>Звук капли</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Пароль при запуске</translation>
    </message>
    <message>
        <source>使用 极简 布局</source>
        <translation>Минималистичный макет</translation>
    </message>
    <message>
        <source>使用 自由 布局</source>
        <translation>Свободный макет</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Облачная синхронизация</translation>
    </message>
    <message>
        <source>启用云同步</source>
        <translation>Включить синхронизацию</translation>
    </message>
    <message>
        <source>退出软件时执行云同步</source>
        <translation>Синхронизировать при выходе</translation>
    </message>
    <message>
        <source>快捷键方案</source>
        <translation>Схема сочетаний клавиш</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Размытие по Гауссу</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Редактор</translation>
    </message>
    <message>
        <source>默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。</source>
        <translation>Цвет текста по умолчанию следует теме. Цвет, заданный здесь, действует только для текущей темы; если тема следует системе — только для её текущей светлой или тёмной темы.</translation>
    </message>
    <message>
        <source>编辑框模式</source>
        <translation>Режим редактора</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Страничный режим</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Адаптивный режим</translation>
    </message>
    <message>
        <source>编辑框左右边距（自适应模式）</source>
        <translation>Боковые поля (адаптивный режим)</translation>
    </message>
    <message>
        <source>页面固定宽度（页面模式）</source>
        <translation>Фиксированная ширина (страничный режим)</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Пиксели</translation>
    </message>
    <message>
        <source>汉字</source>
        <translation>Знаки</translation>
    </message>
    <message>
        <source>编辑框全局居中</source>
        <translation>Центрировать редактор в окне</translation>
    </message>
    <message>
        <source>默认字体</source>
        <translation>Шрифт по умолчанию</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>默认字体颜色(跟随主题)</source>
        <translation>Цвет текста по умолчанию (по теме)</translation>
    </message>
    <message>
        <source>文档中标题样式</source>
        <translation>Стиль заголовков</translation>
    </message>
    <message>
        <source>首行缩进两个字符</source>
        <translation>Отступ первой строки на два знака</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Межстрочный интервал</translation>
    </message>
    <message>
        <source>段落间距</source>
        <translation>Интервал между абзацами</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>文件路径</source>
        <translation>Путь к файлам</translation>
    </message>
    <message>
        <source>生成历史记录时间间隔</source>
        <translation>Интервал снимков истории</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>минут</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Главы</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Показывать число слов главы в строке состояния</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Показывать число слов до курсора в строке состояния</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Пять нажатий Enter подряд добавляют заголовок главы</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Автоматические главы</translation>
    </message>
    <message>
        <source>设置自动章节识别关键词</source>
        <translation>Задать ключевые слова глав</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。
对话体统计：每行冒号前面的文字不计入字数。
预估稿费为 0 时不显示预估稿费。</source>
        <translation>Статистика за сегодня отражает итог: слова за сегодня — это сумма изменений всех открытых документов, поэтому вставка или удаление текста может завысить или занизить её; остальная статистика учитывает только набранные слова.
Подсчёт диалогов: текст до двоеточия в каждой строке не считается.
При гонораре 0 оценка не показывается.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Статистика дня по результату</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Подсчёт диалогов</translation>
    </message>
    <message>
        <source>预估稿费统计</source>
        <translation>Оценка гонорара</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>единица</translation>
    </message>
    <message>
        <source>元/千字</source>
        <translation>юаней за тысячу знаков</translation>
    </message>
    <message>
        <source>预估稿费</source>
        <translation>Оценка гонорара</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Вёрстка по Enter</translation>
    </message>
    <message>
        <source>段落开头添加两个空格</source>
        <translation>Два пробела в начале абзаца</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Пустая строка между абзацами</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Вёрстка одной кнопкой</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Удалять лишние пустые строки</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Два пробела в начале абзаца</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Удалять лишние пробелы</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Режим пишущей машинки</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Включить режим пишущей машинки</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Подсвечивать текущую строку</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Фиксированная прокрутка</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Сверху</translation>
    </message>
    <message>
        <source>中</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Снизу</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Плавающая</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Отмечать текущую строку</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。</source>
        <translation>Без уведомлений баллы продолжают начисляться. Без входа баллы не начисляются.</translation>
    </message>
    <message>
        <source>显示创作积分提示</source>
        <translation>Показывать уведомления о баллах</translation>
    </message>
    <message>
        <source>对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。
开启后，统计结果会偏少。
如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！
确定开启吗？</source>
        <translation>Подсчёт диалогов подходит только для текстов в форме диалога: текст до каждого двоеточия не учитывается.
При включении итоги будут меньше.
Если ваш текст не в форме диалога или вы не уверены, лучше не включайте!
Включить?</translation>
    </message>
    <message>
        <source>取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。</source>
        <translation>Цвет заголовка действует, только если снят флажок «Цвет как у текста». Относительный размер — это размер заголовка, кратный размеру текста.</translation>
    </message>
    <message>
        <source>颜色与正文相同</source>
        <translation>Цвет как у текста</translation>
    </message>
    <message>
        <source>标题颜色:</source>
        <translation>Цвет заголовка:</translation>
    </message>
    <message>
        <source>相对倍数:</source>
        <translation>Относительный размер:</translation>
    </message>
    <message>
        <source>自动章节关键词设置</source>
        <translation>Ключевые слова глав</translation>
    </message>
    <message>
        <source>自动章节关键词</source>
        <translation>Ключевые слова глав</translation>
    </message>
    <message>
        <source>“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。</source>
        <translation>«*» означает любой текст. Одно ключевое слово в строке, не больше одной «*» в слове и не в начале или конце. Чем больше слов, тем медленнее программа.</translation>
    </message>
    <message>
        <source>设置登录密码</source>
        <translation>Задать пароль запуска</translation>
    </message>
    <message>
        <source>您需要输入启动密码</source>
        <translation>Введите пароль запуска</translation>
    </message>
    <message>
        <source>启动密码设置成功</source>
        <translation>Пароль запуска задан</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Пароли не совпадают</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Пароль запуска</translation>
    </message>
    <message>
        <source>启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端</source>
        <translation>Пароль запуска запрашивается при открытии; это не пароль учётной записи, и он не синхронизируется.</translation>
    </message>
    <message>
        <source>输入密码:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>再来一次:</source>
        <translation>Ещё раз:</translation>
    </message>
    <message>
        <source>再来一次</source>
        <translation>Ещё раз</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>设置用户信息</source>
        <translation>Изменить профиль</translation>
    </message>
    <message>
        <source>请输入新的昵称或邮箱</source>
        <translation>Введите новый ник или почту</translation>
    </message>
    <message>
        <source>修改昵称或邮箱成功！</source>
        <translation>Ник или почта изменены!</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Ник</translation>
    </message>
</context>
<context>
    <name>QIActionSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>QIAlertView</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>QIImagePicker</name>
    <message>
        <source>Import Image</source>
        <translation>Импорт изображения</translation>
    </message>
    <message>
        <source>Failed to save the image</source>
        <translation>Не удалось сохранить изображение</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Preferences...</source>
        <translation>Параметры...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>语言(重启软件生效)</source>
        <translation>Язык (после перезапуска)</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Пароль при запуске</translation>
    </message>
    <message>
        <source>使用左右布局 (重启软件生效）</source>
        <translation>Макет с двумя колонками (после перезапуска)</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Глава</translation>
    </message>
    <message>
        <source>Edit Side Margin</source>
        <translation>Боковые поля</translation>
    </message>
    <message>
        <source>ChineseCharacters Width</source>
        <translation>Ширина в иероглифах</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Ширина в пикселях</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Размытие по Гауссу</translation>
    </message>
    <message>
        <source>DocumentTips</source>
        <translation>Цвет текста следует теме; выбранный здесь цвет действует только для текущей темы.</translation>
    </message>
    <message>
        <source>编辑框宽度模式</source>
        <translation>Режим ширины редактора</translation>
    </message>
    <message>
        <source>编辑框宽度单位</source>
        <translation>Единица ширины редактора</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Цвет шрифта</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Межстрочный интервал</translation>
    </message>
    <message>
        <source>段间距</source>
        <translation>Интервал между абзацами</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Путь к файлам</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Показывать число слов главы в строке состояния</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Показывать число слов до курсора в строке состояния</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Пять нажатий Enter подряд добавляют заголовок главы</translation>
    </message>
    <message>
        <source>Auto Chapter Keys</source>
        <translation>Ключевые слова глав</translation>
    </message>
    <message>
        <source>Set auto chapter Keys</source>
        <translation>Задать ключевые слова глав</translation>
    </message>
    <message>
        <source>AutoChapterTips</source>
        <translation>«*» означает любой текст; одно ключевое слово в строке, не больше одной «*», не в начале и не в конце. Чем больше ключевых слов, тем медленнее программа.</translation>
    </message>
    <message>
        <source>WordCountTips</source>
        <translation>Сегодняшний счёт — сумма изменений всех открытых документов; вставка или удаление текста может его исказить. Остальная статистика учитывает только набранные слова.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Статистика дня по результату</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Подсчёт диалогов</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Вёрстка по Enter</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Два пробела в начале абзаца</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Пустая строка между абзацами</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Вёрстка одной кнопкой</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Удалять лишние пустые строки</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Удалять лишние пробелы</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Режим пишущей машинки</translation>
    </message>
    <message>
        <source>启用打字模式</source>
        <translation>Режим набора</translation>
    </message>
    <message>
        <source>高亮显示</source>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>当前行</source>
        <translation>Текущая строка</translation>
    </message>
    <message>
        <source>当前句</source>
        <translation>Текущее предложение</translation>
    </message>
    <message>
        <source>当前段落</source>
        <translation>Текущий абзац</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Фиксированная прокрутка</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Сверху</translation>
    </message>
    <message>
        <source>中</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Снизу</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Плавающая</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Отмечать текущую строку</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Белая по умолчанию</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Чёрная по умолчанию</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Пудрово-розовая</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Свежая зелёная</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Небесно-голубая</translation>
    </message>
    <message>
        <source>入门模式</source>
        <translation>Начальный</translation>
    </message>
    <message>
        <source>简单模式</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>普通模式</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>困难模式</source>
        <translation>Трудный</translation>
    </message>
    <message>
        <source>地狱模式</source>
        <translation>Адский</translation>
    </message>
    <message>
        <source>第一关</source>
        <translation>Уровень 1</translation>
    </message>
    <message>
        <source>第二关</source>
        <translation>Уровень 2</translation>
    </message>
    <message>
        <source>第三关</source>
        <translation>Уровень 3</translation>
    </message>
    <message>
        <source>第四关</source>
        <translation>Уровень 4</translation>
    </message>
    <message>
        <source>第五关</source>
        <translation>Уровень 5</translation>
    </message>
    <message>
        <source>第六关</source>
        <translation>Уровень 6</translation>
    </message>
    <message>
        <source>第七关</source>
        <translation>Уровень 7</translation>
    </message>
    <message>
        <source>第八关</source>
        <translation>Уровень 8</translation>
    </message>
    <message>
        <source>第九关</source>
        <translation>Уровень 9</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Неверное имя пользователя или пароль</translation>
    </message>
    <message>
        <source>登录信息无效,请登录.</source>
        <translation>Данные входа недействительны, войдите снова.</translation>
    </message>
    <message>
        <source>服务器答复：未找到</source>
        <translation>Ответ сервера: не найдено</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Редактор</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>暗色主题</source>
        <translation>Тёмная тема</translation>
    </message>
    <message>
        <source>亮色主题</source>
        <translation>Светлая тема</translation>
    </message>
    <message>
        <source>柔绿主题</source>
        <translation>Мягкая зелёная тема</translation>
    </message>
    <message>
        <source>粉色主题</source>
        <translation>Розовая тема</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>自适应宽度</source>
        <translation>Адаптивная ширина</translation>
    </message>
    <message>
        <source>固定宽度</source>
        <translation>Фиксированная ширина</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>固定页面宽度（像素）</source>
        <translation>Фиксированная ширина страницы (пиксели)</translation>
    </message>
    <message>
        <source>固定每行字数（汉字）</source>
        <translation>Фиксированное число знаков в строке</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Карточка статистики</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>选择本章</source>
        <translation>Выделить главу</translation>
    </message>
    <message>
        <source>Lumo模式</source>
        <translation>Режим Lumo</translation>
    </message>
    <message>
        <source>神搜</source>
        <translation>Глубокий поиск</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Главы</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Число слов</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Писательские комнаты</translation>
    </message>
    <message>
        <source>闯关</source>
        <translation>Испытание</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Фильтр запретных слов</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Добавить заголовок главы</translation>
    </message>
    <message>
        <source>极简模式</source>
        <translation>Минималистичный режим</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Тест</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>放大字体</source>
        <translation>Увеличить шрифт</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Уменьшить шрифт</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Параметры</translation>
    </message>
</context>
<context>
    <name>QQuickFolderListModel</name>
    <message>
        <source>重命名失败，请检查是否有重名或者文件夹是否有写权限</source>
        <translation>Не удалось переименовать. Проверьте, не занято ли имя и доступна ли папка для записи.</translation>
    </message>
</context>
<context>
    <name>RankingHallModel</name>
    <message>
        <source>请先登录</source>
        <translation>Сначала войдите</translation>
    </message>
    <message>
        <source>请输入房间名</source>
        <translation>Введите название комнаты</translation>
    </message>
    <message>
        <source>请输入房间密码</source>
        <translation>Введите пароль комнаты</translation>
    </message>
    <message>
        <source>房间名已存在</source>
        <translation>Комната с таким названием уже есть</translation>
    </message>
    <message>
        <source>创建成功</source>
        <translation>Комната создана</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Не удалось создать комнату</translation>
    </message>
    <message>
        <source>房间名不能包含“/”</source>
        <translation>Название комнаты не может содержать «/»</translation>
    </message>
    <message>
        <source>房间名不能包含控制字符</source>
        <translation>Название комнаты не может содержать управляющие символы</translation>
    </message>
    <message>
        <source>房间名不能是“.”或“..”</source>
        <translation>Название комнаты не может быть «.» или «..»</translation>
    </message>
    <message numerus="yes">
        <source>房间名不能超过 %n 个字符</source>
        <translation>
            <numerusform>Название комнаты не может быть длиннее %n символа</numerusform>
            <numerusform>Название комнаты не может быть длиннее %n символов</numerusform>
            <numerusform>Название комнаты не может быть длиннее %n символов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RankingPage</name>
    <message>
        <source>暂不可用</source>
        <translation>Недоступно</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Писательские комнаты</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Сначала войдите</translation>
    </message>
    <message>
        <source>拼字大厅</source>
        <translation>Все комнаты</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>创建房间</source>
        <translation>Создать комнату</translation>
    </message>
    <message>
        <source>刷新大厅</source>
        <translation>Обновить комнаты</translation>
    </message>
    <message>
        <source>未配置服务器地址，拼字房间不可用。</source>
        <translation>Адрес сервера не настроен, писательские комнаты недоступны.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Вы покинули комнату %1</translation>
    </message>
    <message>
        <source>已进入 %1 房间</source>
        <translation>Вы вошли в комнату %1</translation>
    </message>
    <message>
        <source>房间</source>
        <translation>Комната</translation>
    </message>
    <message>
        <source>离开房间</source>
        <translation>Покинуть комнату</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Ник</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Число слов</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>минут</translation>
    </message>
</context>
<context>
    <name>RoomPasswordSheet</name>
    <message>
        <source>请输入房间密码</source>
        <translation>Введите пароль комнаты</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>在此输入房间密码</source>
        <translation>Введите здесь пароль комнаты</translation>
    </message>
    <message>
        <source>房间“%1”需要输入房主指定的密码方可进入。</source>
        <translation>Чтобы войти в комнату «%1», введите пароль, заданный её владельцем.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not a supported RTF file.</source>
        <translation>Неподдерживаемый файл RTF.</translation>
    </message>
</context>
<context>
    <name>RtfTokenizer</name>
    <message>
        <source>Unexpectedly reached end of file.</source>
        <translation>Неожиданный конец файла.</translation>
    </message>
</context>
<context>
    <name>SettingButton</name>
    <message>
        <source>设置</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Фильтр запретных слов</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>在光标处添加章节名</source>
        <translation>Вставить заголовок главы у курсора</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Вёрстка одной кнопкой</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>История</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Параметры</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法保存设置：</source>
        <translation>Не удаётся сохранить настройки: </translation>
    </message>
    <message>
        <source>设置文件中无法读取的行已略过，其余设置照常读取：</source>
        <translation>Нечитаемые строки файла настроек пропущены, остальные настройки прочитаны как обычно: </translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>设置文件被另一个程序锁定，本次运行中的设置更改不会保存：</source>
        <translation>Файл настроек заблокирован другой программой; изменения настроек в этом сеансе не сохранятся: </translation>
    </message>
    <message>
        <source>设置文件过大，未读取，本次运行使用默认设置且不保存更改：</source>
        <translation>Файл настроек слишком велик и не прочитан; в этом сеансе используются настройки по умолчанию, изменения не сохраняются: </translation>
    </message>
    <message>
        <source>无法在临时文件夹中建立链接</source>
        <translation>не удаётся создать ссылку во временной папке</translation>
    </message>
</context>
<context>
    <name>SheetWindow</name>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>ShortcutBox</name>
    <message>
        <source>请按下快捷键</source>
        <translation>Нажмите сочетание клавиш</translation>
    </message>
</context>
<context>
    <name>ShutdownWindow</name>
    <message>
        <source>保存所有文档后关闭计算机。</source>
        <translation>Сохранить все документы и выключить компьютер.</translation>
    </message>
    <message>
        <source>保存所有文档后重新启动计算机。</source>
        <translation>Сохранить все документы и перезагрузить компьютер.</translation>
    </message>
    <message>
        <source>关机</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>希望计算机做什么？</source>
        <translation>Что сделать с компьютером?</translation>
    </message>
    <message>
        <source>重启</source>
        <translation>Перезагрузить</translation>
    </message>
</context>
<context>
    <name>SkinButton</name>
    <message>
        <source>主题</source>
        <translation>Тема</translation>
    </message>
</context>
<context>
    <name>StoreRefusal</name>
    <message>
        <source>服务器拒绝了请求 (%1)</source>
        <translation>Сервер отклонил запрос (%1)</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>本机时钟与服务器相差太多（本机时间 %1，服务器时间 %2），请校准本机时钟</source>
        <translation>Часы этого компьютера слишком расходятся с часами сервера (этот компьютер: %1, сервер: %2); установите правильное время</translation>
    </message>
</context>
<context>
    <name>SubtlePage</name>
    <message>
        <source>过滤敏感词</source>
        <translation>Фильтр запретных слов</translation>
    </message>
    <message>
        <source>开始过滤</source>
        <translation>Фильтровать</translation>
    </message>
    <message>
        <source>文档是空的，不用过滤</source>
        <translation>Документ пуст, фильтровать нечего</translation>
    </message>
    <message>
        <source>文档未保存，请保存文档后再过滤</source>
        <translation>Документ не сохранён. Сохраните его перед фильтрацией</translation>
    </message>
    <message>
        <source>自定义敏感词</source>
        <translation>Свои запретные слова</translation>
    </message>
    <message>
        <source>每行一个词</source>
        <translation>По слову в строке</translation>
    </message>
    <message>
        <source>程序内置两套敏感词库：轻度过滤使用第一套，重度过滤同时使用两套。三个级别都会加上左侧框中的自定义敏感词，每行一个，可以直接粘贴，保存时会去掉重复的词。选项在开始过滤或关闭本窗口时保存。过滤前的文本可以从文档的历史记录中找回。</source>
        <translation>В программе два встроенных списка запретных слов: мягкая фильтрация использует первый, строгая — оба. На всех трёх уровнях добавляются свои слова из поля слева, по одному в строке; их можно вставить, повторы удаляются при сохранении. Параметры сохраняются при запуске фильтрации или закрытии окна. Текст до фильтрации можно вернуть из истории документа.</translation>
    </message>
    <message>
        <source>标记方式</source>
        <translation>Пометка</translation>
    </message>
    <message>
        <source>编辑文档时自动标红</source>
        <translation>Выделять красным при правке</translation>
    </message>
    <message>
        <source>仅手动过滤时标红</source>
        <translation>Выделять красным только при фильтрации</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>轻度过滤</source>
        <translation>Мягкий</translation>
    </message>
    <message>
        <source>重度过滤</source>
        <translation>Строгий</translation>
    </message>
    <message>
        <source>仅自定义</source>
        <translation>Только свои</translation>
    </message>
    <message>
        <source>过滤方式</source>
        <translation>Способ</translation>
    </message>
    <message>
        <source>仅标红</source>
        <translation>Только красным</translation>
    </message>
    <message>
        <source>分割线</source>
        <translation>Дефисы</translation>
    </message>
    <message>
        <source>星号</source>
        <translation>Звёздочки</translation>
    </message>
    <message>
        <source>拼音</source>
        <translation>Пиньинь</translation>
    </message>
    <message>
        <source>喵星语</source>
        <translation>Мяу</translation>
    </message>
    <message>
        <source>汪星语</source>
        <translation>Гав</translation>
    </message>
</context>
<context>
    <name>TargetPage</name>
    <message>
        <source>写作目标</source>
        <translation>Цель письма</translation>
    </message>
    <message>
        <source>锁定字数不能小于当前锁定字数</source>
        <translation>Блокировка по словам не может быть меньше текущей</translation>
    </message>
    <message>
        <source>锁定时间不能小于当前锁定时间</source>
        <translation>Блокировка по времени не может быть короче текущей</translation>
    </message>
    <message>
        <source>请输入锁定时间或者字数</source>
        <translation>Введите время или число слов для блокировки</translation>
    </message>
    <message>
        <source>锁定字数(字)</source>
        <translation>Блокировка (слов)</translation>
    </message>
    <message>
        <source>锁定时间(分钟)</source>
        <translation>Блокировка (минут)</translation>
    </message>
    <message>
        <source>锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。</source>
        <translation>После блокировки выйти из программы можно, только действительно достигнув заданных значений. Ожидание не засчитывается во время, а случайный набор или массовое копирование — в слова. Время и слова подсчитываются каждые 20 секунд.</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>主题</source>
        <translation>Тема</translation>
    </message>
</context>
<context>
    <name>ThroughGame</name>
    <message>
        <source>积分</source>
        <translation>Баллы</translation>
    </message>
    <message>
        <source>恭喜，闯关成功！！！撒花！！！</source>
        <translation>Поздравляем, испытание пройдено!!!</translation>
    </message>
    <message>
        <source>成功，自动转入下一关。</source>
        <translation>Успех! Переход на следующий уровень.</translation>
    </message>
    <message>
        <source>挑战失败!</source>
        <translation>Испытание провалено!</translation>
    </message>
</context>
<context>
    <name>ThroughLabel</name>
    <message>
        <source>剩余字数</source>
        <translation>Осталось слов</translation>
    </message>
    <message>
        <source>剩余时间:</source>
        <translation>Осталось времени:</translation>
    </message>
</context>
<context>
    <name>ThroughPage</name>
    <message>
        <source>Challenge</source>
        <translation>Испытание</translation>
    </message>
    <message>
        <source>您的剩余积分不够支付本次闯关门票，快去领一些积分吧!</source>
        <translation>Баллов не хватает на вход в это испытание. Соберите ещё!</translation>
    </message>
    <message>
        <source>如果中途退出，扣除的积分不返还。</source>
        <translation>Если выйти на полпути, баллы не вернутся.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Баллы</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Вход не выполнен</translation>
    </message>
    <message>
        <source>闯关信息载入失败,请稍后再试</source>
        <translation>Не удалось загрузить испытание, повторите позже</translation>
    </message>
    <message>
        <source>正在刷新...</source>
        <translation>Обновление…</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>门票</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>通关奖励</source>
        <translation>Награда</translation>
    </message>
    <message>
        <source>通关条件</source>
        <translation>Условие</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>Сдаться</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>进行中</source>
        <translation>Идёт</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Провалено</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>奖励积分</source>
        <translation>Баллы награды</translation>
    </message>
    <message>
        <source>剩余字数</source>
        <translation>Осталось слов</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>Осталось времени</translation>
    </message>
    <message numerus="yes">
        <source>确定花费%n积分，进入该闯关模式吗？</source>
        <translation>
            <numerusform>Потратить %n балл, чтобы начать это испытание?</numerusform>
            <numerusform>Потратить %n балла, чтобы начать это испытание?</numerusform>
            <numerusform>Потратить %n баллов, чтобы начать это испытание?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>需要在最多%1小时内完成9关，共%n字的挑战</source>
        <translation>
            <numerusform>Испытание: 9 уровней, всего %n слово, не более чем за %1 ч</numerusform>
            <numerusform>Испытание: 9 уровней, всего %n слова, не более чем за %1 ч</numerusform>
            <numerusform>Испытание: 9 уровней, всего %n слов, не более чем за %1 ч</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ThroughTipsDialog</name>
    <message>
        <source>提示</source>
        <translation>Уведомления</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>收到的内容长度不对</source>
        <translation>Полученные данные имеют неверную длину</translation>
    </message>
    <message>
        <source>无法校验收到的内容</source>
        <translation>Невозможно проверить полученные данные</translation>
    </message>
    <message>
        <source>收到的内容与校验值不符</source>
        <translation>Полученные данные не совпадают с контрольной суммой</translation>
    </message>
    <message>
        <source>云端没有确认收到的内容</source>
        <translation>Облако не подтвердило получение</translation>
    </message>
    <message>
        <source>云端收到的内容与发送的不符</source>
        <translation>Облако получило не то, что было отправлено</translation>
    </message>
</context>
<context>
    <name>TxtReader</name>
    <message>
        <source>Unable to read the file.</source>
        <translation>Не удаётся прочитать файл.</translation>
    </message>
</context>
<context>
    <name>UserDatas</name>
    <message>
        <source>积分获取失败</source>
        <translation>Не удалось получить баллы</translation>
    </message>
    <message>
        <source>错误码</source>
        <translation>Код ошибки</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>没有文件名</source>
        <translation>Нет имени файла</translation>
    </message>
    <message>
        <source>同名的文件夹已存在</source>
        <translation>Папка с таким именем уже есть</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>Файл уже существует</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>Не удаётся создать папку</translation>
    </message>
    <message>
        <source>写入磁盘的文件不完整</source>
        <translation>Записанный на диск файл неполон</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>密码已失效（可能已在别处修改），已退出登录，请重新登录</source>
        <translation>Пароль больше не действует (возможно, его изменили в другом месте). Вы вышли из учётной записи; войдите снова.</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>Введите имя пользователя</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>服务端暂时关闭了注册通道</source>
        <translation>Регистрация на сервере временно закрыта</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>验证码不正确</source>
        <translation>Неверный код подтверждения</translation>
    </message>
    <message>
        <source>密码不匹配</source>
        <translation>Пароли не совпадают</translation>
    </message>
    <message>
        <source>用户名已被占用</source>
        <translation>Это имя пользователя уже занято</translation>
    </message>
    <message>
        <source>邮箱地址已被使用</source>
        <translation>Этот адрес почты уже используется</translation>
    </message>
    <message>
        <source>此用户名是被保留的</source>
        <translation>Это имя пользователя зарезервировано</translation>
    </message>
    <message>
        <source>用户名格式不正确</source>
        <translation>Недопустимое имя пользователя</translation>
    </message>
    <message>
        <source>等待验证邮箱</source>
        <translation>Ожидается подтверждение почты</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Неверное имя пользователя или пароль</translation>
    </message>
    <message>
        <source>Your profile has been updated successfully.</source>
        <translation>Профиль обновлён.</translation>
    </message>
    <message>
        <source>Your avatar setting has been updated successfully.</source>
        <translation>Аватар обновлён.</translation>
    </message>
    <message>
        <source>Email address is not a valid email address.</source>
        <translation>Недопустимый адрес почты.</translation>
    </message>
    <message>
        <source>网络访问被禁用。</source>
        <translation>Доступ к сети отключён.</translation>
    </message>
    <message>
        <source>上传的文件不是一张图片</source>
        <translation>Загруженный файл не является изображением</translation>
    </message>
    <message>
        <source>正在登录...</source>
        <translation>Вход…</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Вход выполнен</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Please login first!</source>
        <translation>Сначала войдите!</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Время ожидания истекло</translation>
    </message>
    <message>
        <source>上传超时</source>
        <translation>Время загрузки истекло</translation>
    </message>
</context>
<context>
    <name>WindowsMenuBar</name>
    <message>
        <source>强制退出</source>
        <translation>Принудительный выход</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Импорт папки</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Импорт файлов</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>显示 文件</source>
        <translation>Показать файлы</translation>
    </message>
    <message>
        <source>显示 自动章节</source>
        <translation>Показать главы</translation>
    </message>
    <message>
        <source>显示 字数统计</source>
        <translation>Показать подсчёт слов</translation>
    </message>
    <message>
        <source>显示 拼字</source>
        <translation>Показать писательские комнаты</translation>
    </message>
    <message>
        <source>显示 我</source>
        <translation>Показать мой профиль</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Поверх всех окон</translation>
    </message>
    <message>
        <source>退出 极简 模式</source>
        <translation>Выйти из минималистичного режима</translation>
    </message>
    <message>
        <source>进入 极简 模式</source>
        <translation>Включить минималистичный режим</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Выйти из режима Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Включить режим Lumo</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Карточка статистики</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Фильтр запретных слов</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Добавить заголовок главы</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Вёрстка одной кнопкой</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>История</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Облачная синхронизация</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Режим пишущей машинки</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Включить режим пишущей машинки</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Подсвечивать текущую строку</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Фиксированная прокрутка</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Сверху</translation>
    </message>
    <message>
        <source>中</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Снизу</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Плавающая</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Отмечать текущую строку</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>显示 闯关</source>
        <translation>Показать испытание</translation>
    </message>
    <message>
        <source>显示 笔记</source>
        <translation>Показать заметки</translation>
    </message>
</context>
<context>
    <name>WindowsTitleBar</name>
    <message>
        <source>最小化</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>WordCountPage</name>
    <message>
        <source>字数统计</source>
        <translation>Подсчёт слов</translation>
    </message>
    <message>
        <source>元</source>
        <translation>юаней</translation>
    </message>
    <message>
        <source>字数统计功能菜单</source>
        <translation>Меню подсчёта слов</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Карточка статистики</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>同步字数</source>
        <translation>Синхронизировать счёт</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Сначала войдите</translation>
    </message>
    <message>
        <source>文档统计</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>总字数</source>
        <translation>Всего слов</translation>
    </message>
    <message>
        <source>总字数(无空格)</source>
        <translation>Всего слов (без пробелов)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Цифр</translation>
    </message>
    <message>
        <source>空格数</source>
        <translation>Пробелов</translation>
    </message>
    <message>
        <source>汉字数</source>
        <translation>Иероглифов</translation>
    </message>
    <message>
        <source>单词数</source>
        <translation>Слов</translation>
    </message>
    <message>
        <source>段落数</source>
        <translation>Абзацев</translation>
    </message>
    <message>
        <source>今时今日</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Слов сегодня</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Скорость сегодня</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Время сегодня</translation>
    </message>
    <message>
        <source>今日稿费</source>
        <translation>Гонорар сегодня</translation>
    </message>
    <message>
        <source>本周统计</source>
        <translation>Эта неделя</translation>
    </message>
    <message>
        <source>本周字数</source>
        <translation>Слов за неделю</translation>
    </message>
    <message>
        <source>本周速度</source>
        <translation>Скорость за неделю</translation>
    </message>
    <message>
        <source>本周用时</source>
        <translation>Время за неделю</translation>
    </message>
    <message>
        <source>本周稿费</source>
        <translation>Гонорар за неделю</translation>
    </message>
    <message>
        <source>月度统计</source>
        <translation>Этот месяц</translation>
    </message>
    <message>
        <source>本月字数</source>
        <translation>Слов за месяц</translation>
    </message>
    <message>
        <source>本月速度</source>
        <translation>Скорость за месяц</translation>
    </message>
    <message>
        <source>本月用时</source>
        <translation>Время за месяц</translation>
    </message>
    <message>
        <source>本月稿费</source>
        <translation>Гонорар за месяц</translation>
    </message>
    <message>
        <source>年度统计</source>
        <translation>Этот год</translation>
    </message>
    <message>
        <source>今年字数</source>
        <translation>Слов за год</translation>
    </message>
    <message>
        <source>今年速度</source>
        <translation>Скорость за год</translation>
    </message>
    <message>
        <source>今年用时</source>
        <translation>Время за год</translation>
    </message>
    <message>
        <source>年度稿费</source>
        <translation>Гонорар за год</translation>
    </message>
    <message>
        <source>设置字体大小</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Размер шрифта</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n слово</numerusform>
            <numerusform>%n слова</numerusform>
            <numerusform>%n слов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n слово/мин</numerusform>
            <numerusform>%n слова/мин</numerusform>
            <numerusform>%n слов/мин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bot</name>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Не удаётся сохранить файл кэша: </translation>
    </message>
</context>
<context>
    <name>cloudDisk</name>
    <message>
        <source>没有登陆</source>
        <translation>Вход не выполнен</translation>
    </message>
    <message>
        <source>设置中取消了云同步功能</source>
        <translation>Синхронизация с облаком отключена в настройках</translation>
    </message>
    <message>
        <source>另一个云同步线程正在运行</source>
        <translation>Уже идёт другая синхронизация</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Облачная синхронизация</translation>
    </message>
    <message>
        <source>云同步开始</source>
        <translation>Синхронизация начата</translation>
    </message>
    <message>
        <source>有冲突文件待处理</source>
        <translation>Есть файлы с конфликтами</translation>
    </message>
    <message>
        <source>同步完成</source>
        <translation>Синхронизация завершена</translation>
    </message>
    <message>
        <source>云同步:有冲突文件待处理</source>
        <translation>Синхронизация: есть файлы с конфликтами</translation>
    </message>
    <message>
        <source>Not logged in:</source>
        <translation>Вход не выполнен:</translation>
    </message>
    <message>
        <source>正在上传文件</source>
        <translation>Загрузка файлов в облако</translation>
    </message>
    <message>
        <source>文件上传结束</source>
        <translation>Загрузка в облако завершена</translation>
    </message>
    <message>
        <source>正在下载文件</source>
        <translation>Скачивание файлов</translation>
    </message>
    <message>
        <source>文件下载结束</source>
        <translation>Скачивание завершено</translation>
    </message>
    <message>
        <source>正在下载冲突文件</source>
        <translation>Скачивание файлов с конфликтами</translation>
    </message>
    <message>
        <source>下载冲突文件结束</source>
        <translation>Файлы с конфликтами скачаны</translation>
    </message>
    <message>
        <source>删除元数据失败</source>
        <translation>Не удалось удалить метаданные</translation>
    </message>
    <message>
        <source>删除远程文件失败</source>
        <translation>Не удалось удалить файл в облаке</translation>
    </message>
    <message>
        <source>删除远程文件失败:</source>
        <translation>Не удалось удалить файл в облаке:</translation>
    </message>
    <message>
        <source>上传失败</source>
        <translation>Не удалось загрузить в облако</translation>
    </message>
    <message>
        <source>上传失败:</source>
        <translation>Не удалось загрузить в облако:</translation>
    </message>
    <message>
        <source>更新元数据失败</source>
        <translation>Не удалось обновить метаданные</translation>
    </message>
    <message>
        <source>更新元数据失败:</source>
        <translation>Не удалось обновить метаданные:</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Не удалось скачать</translation>
    </message>
    <message>
        <source>下载失败:</source>
        <translation>Не удалось скачать:</translation>
    </message>
    <message>
        <source>删除文件不存在</source>
        <translation>Удаляемый файл не существует</translation>
    </message>
    <message>
        <source>删除文件不存在::</source>
        <translation>Удаляемый файл не существует::</translation>
    </message>
    <message>
        <source>删除文件失败</source>
        <translation>Не удалось удалить файл</translation>
    </message>
    <message>
        <source>删除文件失败:</source>
        <translation>Не удалось удалить файл:</translation>
    </message>
    <message>
        <source>写文件失败</source>
        <translation>Не удалось записать файл</translation>
    </message>
    <message>
        <source>写文件失败:</source>
        <translation>Не удалось записать файл:</translation>
    </message>
    <message>
        <source>写元数据失败</source>
        <translation>Не удалось записать метаданные</translation>
    </message>
    <message>
        <source>写元数据失败:</source>
        <translation>Не удалось записать метаданные:</translation>
    </message>
    <message>
        <source>写入文件失败:</source>
        <translation>Не удалось записать файл:</translation>
    </message>
    <message>
        <source>冲突</source>
        <translation>конфликт</translation>
    </message>
    <message>
        <source>已退出登录，同步已停止</source>
        <translation>Выполнен выход; синхронизация остановлена</translation>
    </message>
    <message>
        <source>云同步已关闭，同步已停止</source>
        <translation>Облачная синхронизация выключена; синхронизация остановлена</translation>
    </message>
    <message>
        <source>程序退出，同步已停止</source>
        <translation>Программа закрывается; синхронизация остановлена</translation>
    </message>
    <message>
        <source>账号已切换，同步已停止</source>
        <translation>Учётная запись изменилась; синхронизация остановлена</translation>
    </message>
    <message>
        <source>文档目录已更换，同步已停止</source>
        <translation>Папка документов изменилась; синхронизация остановлена</translation>
    </message>
    <message>
        <source>网络连接失败</source>
        <translation>Сбой сетевого подключения</translation>
    </message>
    <message>
        <source>同步中断</source>
        <translation>Синхронизация прервана</translation>
    </message>
    <message>
        <source>同步中断:</source>
        <translation>Синхронизация прервана:</translation>
    </message>
    <message>
        <source>文件在同步时被修改</source>
        <translation>Файл был изменён во время синхронизации</translation>
    </message>
    <message>
        <source>文件在同步时被修改:</source>
        <translation>Файл был изменён во время синхронизации:</translation>
    </message>
    <message>
        <source>文档目录上次由另一个账号同步，等待选择</source>
        <translation>Папку документов в последний раз синхронизировала другая учётная запись; ожидается ваш выбор</translation>
    </message>
    <message>
        <source>无法读取本地文件</source>
        <translation>Не удалось прочитать локальный файл</translation>
    </message>
    <message>
        <source>无法保存历史记录</source>
        <translation>Не удалось сохранить копию в истории</translation>
    </message>
    <message>
        <source>同步结束，有文件未能同步</source>
        <translation>Синхронизация окончена, некоторые файлы не удалось синхронизировать</translation>
    </message>
    <message>
        <source>云同步结束，有文件未能同步:</source>
        <translation>Облачная синхронизация окончена, некоторые файлы не удалось синхронизировать:</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>data</name>
    <message>
        <source>字数统计保存失败</source>
        <translation>Не удалось сохранить статистику</translation>
    </message>
    <message>
        <source>please login first</source>
        <translation>Сначала войдите</translation>
    </message>
    <message>
        <source>同步本周字数成功(无变更)</source>
        <translation>Слова за неделю синхронизированы (без изменений)</translation>
    </message>
    <message>
        <source>同步本月字数成功(无变更)</source>
        <translation>Слова за месяц синхронизированы (без изменений)</translation>
    </message>
    <message>
        <source>同步今年字数成功(无变更)</source>
        <translation>Слова за год синхронизированы (без изменений)</translation>
    </message>
    <message>
        <source>同步今日字数成功(无变更)</source>
        <translation>Слова за сегодня синхронизированы (без изменений)</translation>
    </message>
    <message>
        <source>同步今日字数失败</source>
        <translation>Не удалось синхронизировать слова за сегодня</translation>
    </message>
    <message>
        <source>同步今日字数成功(已上传)</source>
        <translation>Слова за сегодня синхронизированы (загружены)</translation>
    </message>
</context>
<context>
    <name>fileordermaplist</name>
    <message>
        <source>无法保存书籍顺序：</source>
        <translation>Не удаётся сохранить порядок книг: </translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>第%1章</source>
        <translation>Глава %1</translation>
    </message>
    <message>
        <source>NewBook</source>
        <translation>НоваяКнига</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>没有选中的文件</source>
        <translation>Файл не выбран</translation>
    </message>
    <message>
        <source>只能删除文档文件夹中的文件：%1</source>
        <translation>Удалять можно только файлы из папки документов: %1</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件未删除：%1</source>
        <translation>Не удалось сохранить историю, файл не удалён: %1</translation>
    </message>
    <message>
        <source>删除失败：%1</source>
        <translation>Не удалось удалить: %1</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件夹未删除：%1</source>
        <translation>Не удалось сохранить историю, папка не удалена: %1</translation>
    </message>
    <message>
        <source>无法重命名</source>
        <translation>Не удаётся переименовать</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件已存在</source>
        <translation>Не удаётся переименовать: файл с таким именем уже есть</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件夹已存在</source>
        <translation>Не удаётся переименовать: папка с таким именем уже есть</translation>
    </message>
    <message>
        <source>新笔记 %1</source>
        <translation>Новая заметка %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>无法读取历史记录：%1</source>
        <translation>Не удалось прочитать историю: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复：%1</source>
        <translation>Не удалось сохранить текущее содержимое в историю; ничего не восстановлено: %1</translation>
    </message>
    <message>
        <source>恢复失败：%1</source>
        <translation>Не удалось восстановить: %1</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>Корневая папка</translation>
    </message>
    <message>
        <source>已存在相同内容，未导入：%1</source>
        <translation>Такое же содержимое уже есть, не импортировано: %1</translation>
    </message>
    <message>
        <source>未能导入：%1</source>
        <translation>Не удалось импортировать: %1</translation>
    </message>
    <message>
        <source>Directory not exists</source>
        <translation>Папка не существует</translation>
    </message>
    <message>
        <source>目标文件夹不在文件目录下, 默认导入到文件目录下</source>
        <translation>Целевая папка вне папки документов; импорт в папку документов</translation>
    </message>
    <message>
        <source>您要导入的文件夹与目标文件夹相同,不用导入这个文件夹</source>
        <translation>Импортируемая папка совпадает с целевой, импортировать нечего</translation>
    </message>
    <message>
        <source>不能导出到书中的文档：%1</source>
        <translation>Нельзя экспортировать в документ книги: %1</translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation>Не удалось экспортировать: %1</translation>
    </message>
    <message>
        <source>文档名须以“.txt”或“.md”结尾</source>
        <translation>Имя документа должно оканчиваться на «.txt» или «.md»</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>不在文件目录内</source>
        <translation>Не в папке документов</translation>
    </message>
    <message>
        <source>没有空闲的文件名</source>
        <translation>Нет свободного имени файла</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>Файл не существует</translation>
    </message>
    <message>
        <source>不能覆盖文档库中已有的文件：%1</source>
        <translation>Нельзя перезаписать файл, который уже есть в библиотеке: %1</translation>
    </message>
    <message>
        <source>是否确认删除书“%1”及其中的全部文档？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Удалить книгу «%1» со всеми документами? Копии, сделанные перед удалением, хранятся в истории (Инструменты → История).</translation>
    </message>
    <message>
        <source>是否确认删除“%1”？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Удалить «%1»? Копия, сделанная перед удалением, хранится в истории (Инструменты → История).</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件导入到 %1</source>
        <translation>
            <numerusform>Импортирован %n файл в %1</numerusform>
            <numerusform>Импортировано %n файла в %1</numerusform>
            <numerusform>Импортировано %n файлов в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>以下文件不保存副本，删除后无法恢复：%1</source>
        <translation>Для этих файлов копия не сохраняется, после удаления их нельзя восстановить: %1</translation>
    </message>
    <message>
        <source>是否要删除“%1”？删除后不能恢复。</source>
        <translation>Удалить «%1»? Восстановить будет нельзя.</translation>
    </message>
    <message numerus="yes">
        <source>……以及另外 %n 个文件</source>
        <translation>
            <numerusform>… и ещё %n файл</numerusform>
            <numerusform>… и ещё %n файла</numerusform>
            <numerusform>… и ещё %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>未恢复：</source>
        <translation>Не восстановлено: </translation>
    </message>
    <message>
        <source>无法确定“%1”属于哪个文档</source>
        <translation>Невозможно определить, к какому документу относится «%1»</translation>
    </message>
    <message>
        <source>多个文档名为“%1”：请在文件树中该文档的历史记录里恢复</source>
        <translation>Несколько документов называются «%1»: восстановите из истории нужного документа в дереве файлов</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，不会被改写</source>
        <translation>Файл содержит байты, не являющиеся текстом %1; он не записывается</translation>
    </message>
</context>
<context>
    <name>function</name>
    <message>
        <source>无此功能</source>
        <translation>Недоступно</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Do you confirm deletion? Deleted files will not be recovered.</source>
        <translation>Удалить? Удалённые файлы восстановить нельзя.</translation>
    </message>
    <message>
        <source>复制失败：</source>
        <translation>Не удалось скопировать: </translation>
    </message>
    <message>
        <source>移动失败：</source>
        <translation>Не удалось переместить: </translation>
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
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>你好:</source>
        <translation>Здравствуйте!</translation>
    </message>
    <message>
        <source>关于%1，我有一些建议。</source>
        <translation>У меня есть предложения по %1.</translation>
    </message>
    <message>
        <source>(系统版本:%1  软件版本:%2)</source>
        <translation>(Версия системы: %1  Версия программы: %2)</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>Папка не существует</translation>
    </message>
    <message>
        <source>这是一个文件，不是文件夹</source>
        <translation>Это файл, а не папка</translation>
    </message>
    <message>
        <source>这是文件系统的根目录</source>
        <translation>Это корневая папка файловой системы</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>Нет прав на запись</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。已改用默认文件夹。</source>
        <translation>Нельзя использовать папку документов %1: %2. Используется папка по умолчанию.</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。</source>
        <translation>Нельзя использовать папку документов %1: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>偏好设置</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>История</translation>
    </message>
    <message>
        <source>打卡</source>
        <translation>Отметка</translation>
    </message>
    <message>
        <source>闯关正在进行中，如果此时退出，直接判定闯关失败，扣除的闯关门票不退还。确定要退出吗？</source>
        <translation>Идёт испытание. Если выйти сейчас, оно будет провалено, а плата за вход не вернётся. Всё равно выйти?</translation>
    </message>
    <message>
        <source>尚有正在进行中的闯关:</source>
        <translation>Испытание ещё идёт:</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>关卡</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>点击确定，重进进入闯关模式，不需要门票。点击取消，放弃闯关，之前支付的门票积分不予退还。</source>
        <translation>ОК — вернуться к испытанию без новой оплаты. Отмена — отказаться; уплаченные баллы не вернутся.</translation>
    </message>
    <message>
        <source>按 %1 键即可退出Lumo模式</source>
        <translation>Нажмите %1, чтобы выйти из режима Lumo</translation>
    </message>
    <message>
        <source>窗口已置顶</source>
        <translation>Окно поверх остальных</translation>
    </message>
    <message>
        <source>窗口已取消置顶</source>
        <translation>Окно больше не поверх остальных</translation>
    </message>
    <message>
        <source>锁定状态不能取消窗口置顶</source>
        <translation>Во время блокировки окно остаётся поверх остальных</translation>
    </message>
    <message>
        <source>锁定状态不能退出程序</source>
        <translation>Во время блокировки выйти нельзя</translation>
    </message>
    <message>
        <source>有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。</source>
        <translation>Не удалось сохранить документ, поэтому программа не закрылась. При повторном выходе несохранённый текст будет скопирован, а при следующем запуске будет указано куда.</translation>
    </message>
    <message>
        <source>上次退出时有文档未能保存，未保存的内容已存入：%1</source>
        <translation>При последнем завершении не удалось сохранить документы; их несохранённый текст сохранён в: %1</translation>
    </message>
    <message>
        <source>上次打开的文件已不存在：%1</source>
        <translation>Файл, открытый в прошлый раз, больше не существует: %1</translation>
    </message>
</context>
<context>
    <name>myRankingData</name>
    <message>
        <source>立入禁止</source>
        <translation>Вход воспрещён</translation>
    </message>
    <message>
        <source>此房间为邀请制，需要房主邀请才能进入。</source>
        <translation>Эта комната только по приглашению владельца.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Вы покинули комнату %1</translation>
    </message>
</context>
<context>
    <name>network</name>
    <message>
        <source>未配置服务器地址</source>
        <translation>Адрес сервера не настроен</translation>
    </message>
    <message>
        <source>错误码:</source>
        <translation>Код ошибки:</translation>
    </message>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Не удаётся сохранить файл кэша: </translation>
    </message>
</context>
<context>
    <name>oss</name>
    <message>
        <source>This path is not authorized by the server</source>
        <translation>Этот путь не разрешён сервером</translation>
    </message>
    <message>
        <source>云端的回答不是文件列表</source>
        <translation>Ответ облака не является списком файлов</translation>
    </message>
    <message>
        <source>云端的回答不是存储服务的回答</source>
        <translation>Ответ пришёл не от службы хранения</translation>
    </message>
    <message>
        <source>云端文件列表不完整</source>
        <translation>Список файлов в облаке неполон</translation>
    </message>
</context>
<context>
    <name>update</name>
    <message>
        <source>有新版:</source>
        <translation>Новая версия: </translation>
    </message>
    <message>
        <source>恭喜，已经是最新版了</source>
        <translation>Поздравляем, это последняя версия</translation>
    </message>
    <message>
        <source>连接更新服务器失败!</source>
        <translation>Не удалось связаться с сервером обновлений!</translation>
    </message>
</context>
</TS>
