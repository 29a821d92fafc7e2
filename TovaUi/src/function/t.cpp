#include "t.h"

#include <QCoreApplication>
#include <QMutexLocker>

QAtomicPointer<t> t::self;
QMutex t::mutex;

namespace {
// Identifiers whose own text is the source text to translate.
const char* const selfRows[] = {
    QT_TRANSLATE_NOOP("QObject", "Preferences..."),
    QT_TRANSLATE_NOOP("QObject", "Preferences"),
    QT_TRANSLATE_NOOP("QObject", "General"),
    QT_TRANSLATE_NOOP("QObject", "语言(重启软件生效)"),
    QT_TRANSLATE_NOOP("QObject", "使用启动密码"),
    QT_TRANSLATE_NOOP("QObject", "使用左右布局 (重启软件生效）"),
    QT_TRANSLATE_NOOP("QObject", "Chapter"),
    QT_TRANSLATE_NOOP("QObject", "Edit Side Margin"),
    QT_TRANSLATE_NOOP("QObject", "ChineseCharacters Width"),
    QT_TRANSLATE_NOOP("QObject", "Pixel Width"),
    QT_TRANSLATE_NOOP("QObject", "背景图"),
    QT_TRANSLATE_NOOP("QObject", "高斯模糊"),
    QT_TRANSLATE_NOOP("QObject", "DocumentTips"),
    QT_TRANSLATE_NOOP("QObject", "编辑框宽度模式"),
    QT_TRANSLATE_NOOP("QObject", "编辑框宽度单位"),
    QT_TRANSLATE_NOOP("QObject", "字体颜色"),
    QT_TRANSLATE_NOOP("QObject", "行间距"),
    QT_TRANSLATE_NOOP("QObject", "段间距"),
    QT_TRANSLATE_NOOP("QObject", "File Path"),
    QT_TRANSLATE_NOOP("QObject", "在状态栏中显示章节字数"),
    QT_TRANSLATE_NOOP("QObject", "在状态栏中显示光标前字数"),
    QT_TRANSLATE_NOOP("QObject", "连续五次回车自动添加章节名"),
    QT_TRANSLATE_NOOP("QObject", "Auto Chapter Keys"),
    QT_TRANSLATE_NOOP("QObject", "Set auto chapter Keys"),
    QT_TRANSLATE_NOOP("QObject", "AutoChapterTips"),
    QT_TRANSLATE_NOOP("QObject", "WordCountTips"),
    QT_TRANSLATE_NOOP("QObject", "今日统计以结果为准"),
    QT_TRANSLATE_NOOP("QObject", "启用对话体统计"),
    QT_TRANSLATE_NOOP("QObject", "回车排版"),
    QT_TRANSLATE_NOOP("QObject", "段落开头增加两个空格"),
    QT_TRANSLATE_NOOP("QObject", "段落间增加一个空行"),
    QT_TRANSLATE_NOOP("QObject", "一键排版"),
    QT_TRANSLATE_NOOP("QObject", "删除段落间多余空行"),
    QT_TRANSLATE_NOOP("QObject", "删除多余空格"),
    QT_TRANSLATE_NOOP("QObject", "打字机模式"),
    QT_TRANSLATE_NOOP("QObject", "启用打字模式"),
    QT_TRANSLATE_NOOP("QObject", "高亮显示"),
    QT_TRANSLATE_NOOP("QObject", "关闭"),
    QT_TRANSLATE_NOOP("QObject", "当前行"),
    QT_TRANSLATE_NOOP("QObject", "当前句"),
    QT_TRANSLATE_NOOP("QObject", "当前段落"),
    QT_TRANSLATE_NOOP("QObject", "固定滚动"),
    QT_TRANSLATE_NOOP("QObject", "关"),
    QT_TRANSLATE_NOOP("QObject", "上"),
    QT_TRANSLATE_NOOP("QObject", "中"),
    QT_TRANSLATE_NOOP("QObject", "下"),
    QT_TRANSLATE_NOOP("QObject", "可变"),
    QT_TRANSLATE_NOOP("QObject", "标记当前行"),
    QT_TRANSLATE_NOOP("QObject", "跟随主题"),
    QT_TRANSLATE_NOOP("QObject", "默认白"),
    QT_TRANSLATE_NOOP("QObject", "默认黑"),
    QT_TRANSLATE_NOOP("QObject", "淑女粉"),
    QT_TRANSLATE_NOOP("QObject", "清爽绿"),
    QT_TRANSLATE_NOOP("QObject", "苍穹蓝"),
    QT_TRANSLATE_NOOP("QObject", "入门模式"),
    QT_TRANSLATE_NOOP("QObject", "简单模式"),
    QT_TRANSLATE_NOOP("QObject", "普通模式"),
    QT_TRANSLATE_NOOP("QObject", "困难模式"),
    QT_TRANSLATE_NOOP("QObject", "地狱模式"),
    QT_TRANSLATE_NOOP("QObject", "第一关"),
    QT_TRANSLATE_NOOP("QObject", "第二关"),
    QT_TRANSLATE_NOOP("QObject", "第三关"),
    QT_TRANSLATE_NOOP("QObject", "第四关"),
    QT_TRANSLATE_NOOP("QObject", "第五关"),
    QT_TRANSLATE_NOOP("QObject", "第六关"),
    QT_TRANSLATE_NOOP("QObject", "第七关"),
    QT_TRANSLATE_NOOP("QObject", "第八关"),
    QT_TRANSLATE_NOOP("QObject", "第九关"),
};

// Identifiers with a source text of their own.
const char* const namedRows[][2] = {
    { "主机需要验证", QT_TRANSLATE_NOOP("QObject", "用户名或密码错误") },
    { "Invalid User name", QT_TRANSLATE_NOOP("QObject", "登录信息无效,请登录.") },
    { "server replied: Not Found", QT_TRANSLATE_NOOP("QObject", "服务器答复：未找到") },
    { "Document", QT_TRANSLATE_NOOP("QObject", "编辑框") },
    { "Theme", QT_TRANSLATE_NOOP("QObject", "主题") },
    { "auto", QT_TRANSLATE_NOOP("QObject", "跟随系统") },
    { "black", QT_TRANSLATE_NOOP("QObject", "暗色主题") },
    { "white", QT_TRANSLATE_NOOP("QObject", "亮色主题") },
    { "Green", QT_TRANSLATE_NOOP("QObject", "柔绿主题") },
    { "Pink", QT_TRANSLATE_NOOP("QObject", "粉色主题") },
    { "File", QT_TRANSLATE_NOOP("QObject", "文件") },
    { "Font Size", QT_TRANSLATE_NOOP("QObject", "字号") },
    { "Adaptive Width", QT_TRANSLATE_NOOP("QObject", "自适应宽度") },
    { "Fixed Width", QT_TRANSLATE_NOOP("QObject", "固定宽度") },
    { "Font", QT_TRANSLATE_NOOP("QObject", "字体") },
    { "pixel", QT_TRANSLATE_NOOP("QObject", "固定页面宽度（像素）") },
    { "ChineseCharacters", QT_TRANSLATE_NOOP("QObject", "固定每行字数（汉字）") },
    { "About", QT_TRANSLATE_NOOP("QObject", "关于") },
    { "windowTop", QT_TRANSLATE_NOOP("QObject", "窗口置顶") },
    { "help", QT_TRANSLATE_NOOP("QObject", "帮助") },
    { "countWindow", QT_TRANSLATE_NOOP("QObject", "统计卡片") },
    { "fileNew", QT_TRANSLATE_NOOP("QObject", "新建") },
    { "fileOpen", QT_TRANSLATE_NOOP("QObject", "打开") },
    { "fileSave", QT_TRANSLATE_NOOP("QObject", "保存") },
    { "fileSaveAs", QT_TRANSLATE_NOOP("QObject", "另存为") },
    { "fileClose", QT_TRANSLATE_NOOP("QObject", "关闭") },
    { "appQuit", QT_TRANSLATE_NOOP("QObject", "退出") },
    { "editSelectThisChapter", QT_TRANSLATE_NOOP("QObject", "选择本章") },
    { "lumoModel", QT_TRANSLATE_NOOP("QObject", "Lumo模式") },
    { "godSearch", QT_TRANSLATE_NOOP("QObject", "神搜") },
    { "showFile", QT_TRANSLATE_NOOP("QObject", "文件") },
    { "showChapter", QT_TRANSLATE_NOOP("QObject", "章节") },
    { "showWordCount", QT_TRANSLATE_NOOP("QObject", "字数") },
    { "showRanking", QT_TRANSLATE_NOOP("QObject", "拼字") },
    { "showThrough", QT_TRANSLATE_NOOP("QObject", "闯关") },
    { "showSubtle", QT_TRANSLATE_NOOP("QObject", "过滤敏感词") },
    { "showNotes", QT_TRANSLATE_NOOP("QObject", "笔记") },
    { "showTarget", QT_TRANSLATE_NOOP("QObject", "锁定") },
    { "addChapterName", QT_TRANSLATE_NOOP("QObject", "添加章节名") },
    { "makeup", QT_TRANSLATE_NOOP("QObject", "一键排版") },
    { "minimalistModel", QT_TRANSLATE_NOOP("QObject", "极简模式") },
    { "test", QT_TRANSLATE_NOOP("QObject", "测试") },
    { "find", QT_TRANSLATE_NOOP("QObject", "查找") },
    { "equalFont", QT_TRANSLATE_NOOP("QObject", "放大字体") },
    { "minusFont", QT_TRANSLATE_NOOP("QObject", "缩小字体") },
    { "selectAll", QT_TRANSLATE_NOOP("QObject", "全选") },
    { "undo", QT_TRANSLATE_NOOP("QObject", "撤销") },
    { "redo", QT_TRANSLATE_NOOP("QObject", "重做") },
    { "replace", QT_TRANSLATE_NOOP("QObject", "替换") },
    { "cut", QT_TRANSLATE_NOOP("QObject", "剪切") },
    { "copy", QT_TRANSLATE_NOOP("QObject", "复制") },
    { "paste", QT_TRANSLATE_NOOP("QObject", "粘贴") },
    { "showSetting", QT_TRANSLATE_NOOP("QObject", "偏好设置") },
};

QString translated(const char* source)
{
    return QCoreApplication::translate("QObject", source);
}
} // namespace

t* t::instancePtr()
{
    t* p = self.loadAcquire();
    if (!p) {
        QMutexLocker lock(&mutex);
        p = self.loadAcquire();
        if (!p) {
            p = new t();
            self.storeRelease(p);
        }
    }
    return p;
}

t* t::instance() { return instancePtr(); }

t::t()
    : QObject(nullptr)
{
}

// The component library asks for the instance while it registers, before the
// interface language is installed; the table is therefore filled at the first
// lookup, so its texts are those of the start-up language.
void t::build()
{
    // Language codes are shown in their own language, never translated.
    m_table.insert(QStringLiteral("zh_cn"), QStringLiteral("简体中文"));
    m_table.insert(QStringLiteral("zh_tw"), QStringLiteral("繁體中文"));
    m_table.insert(QStringLiteral("en_us"), QStringLiteral("English"));
    for (const char* row : selfRows)
        m_table.insert(QString::fromUtf8(row), translated(row));
    for (const auto& row : namedRows)
        m_table.insert(QString::fromUtf8(row[0]), translated(row[1]));
}

QString t::r(const QString& key) { return instance()->get(key); }

QString t::get(const QString& key)
{
    {
        QMutexLocker lock(&m_tableMutex);
        if (!m_built) {
            build();
            m_built = true;
        }
    }
    const QString text = m_table.value(key);
    return text.isEmpty() ? key : text;
}
