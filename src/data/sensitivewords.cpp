#include "sensitivewords.h"

#include "TovaUi/textarea/sensitivepattern.h"

#include <QRegularExpression>
#include <QSet>

namespace {
// 523 words, "|"-separated: gambling, drugs, weapons, violence, fraud and
// illegal services, pornography and vulgar language, cults, self-harm.
const char kBuiltInList[] =
    "赌博|赌场|赌球|赌马|赌资|赌局|赌徒|赌博机|博彩|六合彩|时时彩|百家乐|老虎机|轮盘赌|网络赌博|网上赌场|赌博网站|线上博彩|地下赌场|赌场荷官|赌球网|外围赌球|私彩|地下六合彩|"
    "赌博游戏|出千|千术|炸金花|押大小|打鱼机|捕鱼机|赌博平台|下注平台|洗码|博彩公司|菠菜网站|稳赚不赔|赛马投注|赌博代理|网赌|网赌平台|赌债|开设赌场|聚众赌博|赌博软件|百家乐技巧|六合彩开奖|彩票内幕|"
    "时时彩计划|赌神|赌王|赌钱|赌瘾|毒品|吸毒|贩毒|制毒|冰毒|海洛因|海洛英|白粉|大麻|大麻烟|大麻叶|摇头丸|K粉|氯胺酮|可卡因|古柯碱|鸦片|吗啡|杜冷丁|"
    "麻古|麻果|神仙水|开心水|笑气|合成毒品|溜冰壶|嗑药|吸食毒品|贩卖毒品|毒贩|毒枭|罂粟|罂粟壳|甲基苯丙胺|苯丙胺|麦角酸|迷幻药|迷幻蘑菇|致幻剂|安非他命|芬太尼|曲马多|三唑仑|"
    "羟丁酸|麻黄碱|麻黄素|制毒配方|毒品交易|毒资|吸冰|打K|卡西酮|甲卡西酮|恰特草|嗨药|大麻糖|大麻种子|种植大麻|冰毒制作|海洛因提炼|毒品运输|运毒|藏毒|吸毒工具|枪支|手枪|步枪|"
    "猎枪|气枪|仿真枪|枪支弹药|子弹|弹药|炸药|炸弹|雷管|导火索|火药配方|自制炸药|自制炸弹|硝酸铵炸药|手榴弹|冲锋枪|机关枪|狙击枪|军火|军火交易|枪械|枪械配件|买枪|卖枪|"
    "出售枪支|制造枪支|钢珠枪|弓弩|麻醉枪|电击枪|管制刀具|三棱刀|弹簧刀|左轮手枪|猎枪出售|气枪铅弹|消音器|枪支图纸|土枪|土制炸弹|黑火药|炸药配方|遥控炸弹|定时炸弹|燃烧弹|汽油弹|毒气弹|恐怖袭击|"
    "恐怖分子|恐怖组织|人体炸弹|自杀式袭击|爆炸袭击|劫机|绑架|绑票|撕票|暗杀|投毒|纵火|屠杀|灭门|血洗|肢解|碎尸|分尸|虐杀|斩首|枪杀|杀人|杀人犯|买凶杀人|"
    "雇凶|雇佣杀手|报复社会|砍人|持刀伤人|杀人方法|制作炸弹|恐吓信|袭警|劫持人质|爆破教程|代开发票|发票代开|假发票|办证|办假证|假证件|假文凭|假学历|代办证件|刻章办证|出售身份证|银行卡出售|收购银行卡|"
    "信用卡套现|洗钱|非法集资|传销|网络传销|资金盘|庞氏骗局|高利贷|裸贷|校园贷|套路贷|暴力催收|私家侦探|窃听器|针孔摄像|针孔摄像头|偷拍|偷窥|定位跟踪|手机监听|短信群发|群发器|黑客攻击|盗号|"
    "木马程序|钓鱼网站|刷单|刷信誉|代考|替考|考试作弊|作弊器|考试答案|枪手代考|代孕|卖肾|器官买卖|人体器官|卖血|走私|走私香烟|私烟|假币|伪钞|假钞|出售假币|高仿假币|迷药|"
    "迷魂药|迷情药|催情药|春药|蒙汗药|听话水|失忆水|氰化钾|氰化物|毒鼠强|砒霜|铊盐|代办信用卡|网络诈骗|电信诈骗|诈骗电话|杀猪盘|冒充公检法|贷款诈骗|中奖诈骗|刷单诈骗|传销组织|拉人头|代刷|"
    "黑卡|洗黑钱|地下钱庄|非法换汇|偷税漏税|虚开发票|色情|色情网站|色情小说|色情电影|黄色小说|黄色网站|黄片|毛片|成人电影|成人网站|成人视频|三级片|裸聊|裸照|艳照|援交|援助交际|卖淫|"
    "嫖娼|嫖客|妓女|妓院|小姐服务|上门服务|特殊服务|一夜情|约炮|性交易|性服务|包夜|楼凤|外围女|陪睡|做爱|性交|口交|肛交|群交|乱伦|强奸|轮奸|迷奸|"
    "诱奸|性侵|猥亵|强暴|兽交|恋童|童妓|自慰|手淫|阴茎|阴道|阴唇|下体|淫荡|淫乱|淫秽|淫妇|淫娃|荡妇|骚货|骚逼|婊子|妓|鸡巴|"
    "屌|肏|操你|操你妈|草泥马|日你妈|他妈的|你妈逼|傻逼|煞笔|傻屄|狗日的|王八蛋|狗杂种|贱货|烂货|色狼|淫魔|性奴|情趣用品|性药|壮阳药|伟哥|春宫图|"
    "肉棒|龟头|精液|射精|潮吹|破处|开苞|黄色视频|色情直播|裸体直播|成人小说|淫秽视频|淫秽物品|色情图片|裸舞|脱衣舞|艳舞|按摩女|红灯区|嫖妓|召妓|卖身|鸡婆|鸭子店|"
    "男妓|邪教|邪教组织|全能神|东方闪电|门徒会|呼喊派|血水圣灵|邪教传单|自杀方法|自杀教程|割腕|跳楼自杀|烧炭自杀|服毒自杀|自残|安乐死药|安眠药自杀|翻墙软件|病毒程序|盗版软件|破解版|外挂|游戏外挂|"
    "私服|代练|盗刷|撞库|黑产|社工库|开房记录|个人信息出售|隐私数据|porn|xxx|sex|fuck|shit|bitch|cocaine|heroin|casino|viagra|ecstasy|ketamine|nude|TNT|DDOS|"
    "混账东西|死全家|去死吧|杂种|野种|畜生不如|狗娘养的|妈了个逼|贱人|废物东西|脑残|智障|白痴|蠢货|狗东西|滚你妈|你妈的|日了狗|卧槽|我靠|尼玛的|屁眼|操蛋|扯淡|"
    "鸟人|二逼|装逼犯|虐待儿童|拐卖儿童|拐卖妇女|人口贩卖|贩卖人口|童工|奴役|非法拘禁|黑监狱|敲诈勒索|绑架勒索|收保护费|黑社会|黑帮|打手|寻衅滋事|聚众斗殴|持械斗殴|砍杀|仇杀|偷电|"
    "偷车|盗窃教程|开锁工具|万能钥匙|撬锁|溜门撬锁|扒窃|销赃|收赃|非法采矿|盗墓|倒卖文物|象牙制品|穿山甲|熊胆粉|犀牛角|虎骨酒|野生动物交易|非法捕猎";

// Escapes every word of a "|"-separated list and appends the non-blank ones.
void appendWords(QStringList& out, const QString& list)
{
    const QStringList words = list.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        // A blank word would match every space of a document.
        const QString escaped = SensitiveWords::escapeWord(word.trimmed());
        if (!escaped.isEmpty())
            out.append(escaped);
    }
}
} // namespace

QString SensitiveWords::builtInList() { return QString::fromUtf8(kBuiltInList); }

QString SensitiveWords::heavyList() { return QString(); }

QString SensitiveWords::escapeWord(const QString& word)
{
    QString out;
    out.reserve(word.size() * 2);
    for (const QChar c : word) {
        if (SensitivePattern::isSpecial(c))
            out.append(QLatin1Char('\\'));
        out.append(c);
    }
    return out;
}

QStringList SensitiveWords::userWordsFromText(const QString& text)
{
    QStringList words;
    QSet<QString> seen;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("[\r\n]")));
    for (const QString& line : lines) {
        const QString word = line.trimmed();
        if (word.isEmpty() || seen.contains(word))
            continue;
        seen.insert(word);
        words.append(word);
    }
    return words;
}

QString SensitiveWords::buildPattern(int level, const QStringList& userWords)
{
    QStringList parts;
    switch (level) {
    case Light:
        appendWords(parts, builtInList());
        break;
    case CustomOnly:
        break;
    case Heavy:
        appendWords(parts, builtInList());
        break;
    default:
        return QString();
    }
    for (const QString& word : userWords)
        appendWords(parts, word);
    if (level == Heavy)
        appendWords(parts, heavyList());
    return parts.join(QLatin1Char('|'));
}
