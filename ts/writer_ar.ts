<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>版本号</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Penlark 是为长篇作者写作的专注写作软件。
版权所有 © Penlark 开发者。</source>
        <translation>Penlark برنامج كتابة لمؤلفي الكتب الطويلة.
حقوق النشر © مطورو Penlark.</translation>
    </message>
    <message>
        <source>立即更新</source>
        <translation>التحديث الآن</translation>
    </message>
    <message>
        <source>检查新版本</source>
        <translation>البحث عن إصدار جديد</translation>
    </message>
</context>
<context>
    <name>AnalysisSyncWorker</name>
    <message>
        <source>获取云端列表出错</source>
        <translation>تعذر جلب قائمة ملفات السحابة</translation>
    </message>
    <message>
        <source>获取云端列表出错:</source>
        <translation>تعذر جلب قائمة ملفات السحابة:</translation>
    </message>
</context>
<context>
    <name>AutoChapterPage</name>
    <message>
        <source>自动章节</source>
        <translation>الفصول التلقائية</translation>
    </message>
    <message>
        <source>(无标题)</source>
        <translation>(بلا عنوان)</translation>
    </message>
    <message>
        <source>没有章节</source>
        <translation>لا توجد فصول</translation>
    </message>
    <message numerus="yes">
        <source>%n 章</source>
        <translation>
            <numerusform>لا فصول</numerusform>
            <numerusform>فصل واحد</numerusform>
            <numerusform>فصلان</numerusform>
            <numerusform>%n فصول</numerusform>
            <numerusform>%n فصلًا</numerusform>
            <numerusform>%n فصل</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BarGraph</name>
    <message>
        <source>柱状图</source>
        <translation>مخطط أعمدة</translation>
    </message>
</context>
<context>
    <name>ClockInPage</name>
    <message>
        <source>打卡</source>
        <translation>تسجيل الحضور</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>لم يتم تسجيل الدخول</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 نقاط لكل تسجيل دخول يومي</translation>
    </message>
</context>
<context>
    <name>CloudButton</name>
    <message>
        <source>云同步</source>
        <translation>المزامنة السحابية</translation>
    </message>
</context>
<context>
    <name>CloudSheet</name>
    <message>
        <source>正在云同步</source>
        <translation>جارٍ المزامنة مع السحابة</translation>
    </message>
    <message>
        <source>不同步，直接退出</source>
        <translation>الخروج دون مزامنة</translation>
    </message>
</context>
<context>
    <name>ConflictPage</name>
    <message>
        <source>冲突选择</source>
        <translation>حل التعارضات</translation>
    </message>
    <message>
        <source>留下这个，删除另一个</source>
        <translation>الاحتفاظ بهذا وحذف الآخر</translation>
    </message>
    <message>
        <source>All Keep</source>
        <translation>الاحتفاظ بالكل</translation>
    </message>
    <message>
        <source>本机</source>
        <translation>هذا الحاسوب</translation>
    </message>
    <message>
        <source>云端</source>
        <translation>السحابة</translation>
    </message>
</context>
<context>
    <name>CountChartWindow</name>
    <message>
        <source>统计卡片</source>
        <translation>بطاقة الإحصاءات</translation>
    </message>
    <message>
        <source>近期字数</source>
        <translation>الكلمات الأخيرة</translation>
    </message>
    <message>
        <source>近期速度</source>
        <translation>السرعة الأخيرة</translation>
    </message>
    <message>
        <source>近期用时</source>
        <translation>الوقت الأخير</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>كلمات اليوم</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>سرعة اليوم</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>وقت اليوم</translation>
    </message>
    <message>
        <source>剩余锁定时间(分钟):</source>
        <translation>وقت القفل المتبقي (دقيقة):</translation>
    </message>
    <message>
        <source>锁定时间没有启动</source>
        <translation>قفل الوقت غير مفعّل</translation>
    </message>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>الكلمات المتبقية للقفل (الكلمات المحتسبة): </translation>
    </message>
    <message>
        <source>锁定字数没有启动</source>
        <translation>قفل الكلمات غير مفعّل</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>لا كلمات</numerusform>
            <numerusform>كلمة واحدة</numerusform>
            <numerusform>كلمتان</numerusform>
            <numerusform>%n كلمات</numerusform>
            <numerusform>%n كلمة</numerusform>
            <numerusform>%n كلمة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>لا كلمات في الدقيقة</numerusform>
            <numerusform>كلمة واحدة في الدقيقة</numerusform>
            <numerusform>كلمتان في الدقيقة</numerusform>
            <numerusform>%n كلمات في الدقيقة</numerusform>
            <numerusform>%n كلمة في الدقيقة</numerusform>
            <numerusform>%n كلمة في الدقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountLabel</name>
    <message>
        <source>字数: </source>
        <translation>الكلمات: </translation>
    </message>
    <message>
        <source>统计中…</source>
        <translation>جارٍ العد…</translation>
    </message>
    <message>
        <source>本章: </source>
        <translation>هذا الفصل: </translation>
    </message>
    <message>
        <source>光标前: </source>
        <translation>قبل المؤشر: </translation>
    </message>
    <message>
        <source>选中: </source>
        <translation>المحدد: </translation>
    </message>
</context>
<context>
    <name>CreateRoomSheet</name>
    <message>
        <source>创建房间</source>
        <translation>إنشاء غرفة</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>房间名称</source>
        <translation>اسم الغرفة</translation>
    </message>
    <message>
        <source>进入房间需要输入密码</source>
        <translation>يلزم كلمة مرور لدخول الغرفة</translation>
    </message>
    <message>
        <source>房间密码</source>
        <translation>كلمة مرور الغرفة</translation>
    </message>
    <message>
        <source>重新键入</source>
        <translation>أعد الكتابة</translation>
    </message>
</context>
<context>
    <name>DataTypeClass</name>
    <message>
        <source>文件已损坏且无法移开，未覆盖</source>
        <translation>الملف تالف ولا يمكن نقله جانبًا؛ لم تتم الكتابة فوقه</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>无法完整读取文件</source>
        <translation>لا يمكن قراءة الملف كاملًا</translation>
    </message>
</context>
<context>
    <name>DocumentTabPage</name>
    <message>
        <source>Open a document</source>
        <translation>فتح مستند</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>New a document</source>
        <translation>مستند جديد</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source> (已删除)</source>
        <translation> (محذوف)</translation>
    </message>
    <message>
        <source> (外部文档)</source>
        <translation> (مستند خارجي)</translation>
    </message>
    <message>
        <source>请稍等,等正在载入中的文件载入完成后再打开。</source>
        <translation>يرجى الانتظار حتى ينتهي تحميل الملف ثم فتحه مجددًا.</translation>
    </message>
    <message>
        <source>保存失败，文档没有关闭。</source>
        <translation>فشل الحفظ؛ لم يُغلق المستند.</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>تم الحفظ بنجاح</translation>
    </message>
    <message>
        <source>保存并关闭文档</source>
        <translation>حفظ المستند وإغلاقه</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>استيراد ملفات</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>استيراد مجلد</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>تعذر فتح "%1": %2</translation>
    </message>
    <message>
        <source>%1：选择“%2”菜单中的“%3”，或按 %4</source>
        <translation>%1: اختر «%3» من قائمة «%2» أو اضغط %4</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>الأدوات</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存。未保存的文字已存入：%1
关闭这个文档吗？</source>
        <translation>حُذف الملف ولا يمكن حفظه. حُفظ النص غير المحفوظ في: %1
هل تريد إغلاق هذا المستند؟</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存，未保存的文字也无处存放：关闭后这些文字会丢失。
关闭这个文档吗？</source>
        <translation>حُذف الملف ولا يمكن حفظه، ولم يمكن الاحتفاظ بالنص غير المحفوظ في أي مكان: سيضيع عند الإغلاق.
هل تريد إغلاق هذا المستند؟</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>تعذر فتح الأرشيف.</translation>
    </message>
</context>
<context>
    <name>FileHistoryPage</name>
    <message>
        <source>History</source>
        <translation>السجل</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>文件</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>مجلد جديد</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>ملف جديد</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>فرز</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>المزامنة السحابية</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>还没有文档</source>
        <translation>لا توجد مستندات بعد</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>إعادة تسمية</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>إظهار في المجلد</translation>
    </message>
    <message>
        <source>合并并导出文档：</source>
        <translation>دمج المستندات وتصديرها: </translation>
    </message>
</context>
<context>
    <name>FindWidget</name>
    <message>
        <source>替换</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>لا نتائج</translation>
    </message>
    <message>
        <source>正则表达式</source>
        <translation>تعبير نمطي</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>مطابقة حالة الأحرف</translation>
    </message>
    <message>
        <source>向上查找</source>
        <translation>البحث عن السابق</translation>
    </message>
    <message>
        <source>向下查找</source>
        <translation>البحث عن التالي</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>استبدال الكل</translation>
    </message>
    <message>
        <source>确认全部替换？</source>
        <translation>استبدال كل التطابقات؟</translation>
    </message>
</context>
<context>
    <name>FolderAccountSheet</name>
    <message>
        <source>文档目录属于另一个账号</source>
        <translation>مجلد المستندات يخص حسابًا آخر</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由账号“%2”同步。</source>
        <translation>آخر مزامنة لمجلد المستندات «%1» كانت بالحساب «%2».</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由另一个账号同步。</source>
        <translation>آخر مزامنة لمجلد المستندات «%1» كانت بحساب آخر.</translation>
    </message>
    <message>
        <source>要把其中的文档合并到当前账号“%1”，还是为当前账号另选一个文档目录？选择之前，不会上传、下载或删除任何文档。</source>
        <translation>هل تدمج مستنداته في الحساب المسجَّل دخوله «%1»، أم تختار مجلد مستندات آخر لهذا الحساب؟ إلى أن تختار، لن يُرفع أي مستند أو يُنزَّل أو يُحذف.</translation>
    </message>
    <message>
        <source>合并到当前账号</source>
        <translation>الدمج في هذا الحساب</translation>
    </message>
    <message>
        <source>另选文档目录</source>
        <translation>اختيار مجلد مستندات آخر</translation>
    </message>
</context>
<context>
    <name>FontSizeBox</name>
    <message>
        <source>放大字体</source>
        <translation>تكبير الخط</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>تصغير الخط</translation>
    </message>
</context>
<context>
    <name>FormatManager</name>
    <message>
        <source>OpenDocument Text</source>
        <translation>نص OpenDocument</translation>
    </message>
    <message>
        <source>OpenDocument Flat XML</source>
        <translation>OpenDocument XML مسطح</translation>
    </message>
    <message>
        <source>Office Open XML</source>
        <translation>Office Open XML</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>تنسيق النص المنسق</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>نص عادي</translation>
    </message>
    <message>
        <source>Markdown Text</source>
        <translation>نص Markdown</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>كل الملفات المدعومة</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>文档类型声明了实体或属性默认值（%1），已拒绝读取。</source>
        <translation>يعلن نوع المستند عن كيانات أو قيم افتراضية للسمات (%1)؛ رُفض المستند.</translation>
    </message>
    <message>
        <source>不支持文档的编码 %1。</source>
        <translation>ترميز المستند %1 غير مدعوم.</translation>
    </message>
    <message>
        <source>文档中有不符合其编码的字节。</source>
        <translation>يحتوي المستند على بايتات لا تطابق ترميزه.</translation>
    </message>
    <message numerus="yes">
        <source>文档过大：超过 %n 个字符，已停止读取。</source>
        <translation>
            <numerusform>المستند كبير جدًا: أكثر من %n حرف؛ توقفت القراءة.</numerusform>
            <numerusform>المستند كبير جدًا: أكثر من حرف واحد؛ توقفت القراءة.</numerusform>
            <numerusform>المستند كبير جدًا: أكثر من حرفين؛ توقفت القراءة.</numerusform>
            <numerusform>المستند كبير جدًا: أكثر من %n أحرف؛ توقفت القراءة.</numerusform>
            <numerusform>المستند كبير جدًا: أكثر من %n حرفًا؛ توقفت القراءة.</numerusform>
            <numerusform>المستند كبير جدًا: أكثر من %n حرف؛ توقفت القراءة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档段落过多：超过 %n 段，已停止读取。</source>
        <translation>
            <numerusform>فقرات المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>فقرات المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>فقرات المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>فقرات المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>فقرات المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>فقرات المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档元素过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>عناصر المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>عناصر المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>عناصر المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>عناصر المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>عناصر المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>عناصر المستند كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>读取文档超时：超过 %n 秒，已停止读取。</source>
        <translation>
            <numerusform>استغرقت قراءة المستند وقتًا طويلًا: أكثر من %n ثانية؛ توقفت القراءة.</numerusform>
            <numerusform>استغرقت قراءة المستند وقتًا طويلًا: أكثر من ثانية واحدة؛ توقفت القراءة.</numerusform>
            <numerusform>استغرقت قراءة المستند وقتًا طويلًا: أكثر من ثانيتين؛ توقفت القراءة.</numerusform>
            <numerusform>استغرقت قراءة المستند وقتًا طويلًا: أكثر من %n ثوانٍ؛ توقفت القراءة.</numerusform>
            <numerusform>استغرقت قراءة المستند وقتًا طويلًا: أكثر من %n ثانية؛ توقفت القراءة.</numerusform>
            <numerusform>استغرقت قراءة المستند وقتًا طويلًا: أكثر من %n ثانية؛ توقفت القراءة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档嵌套过深：超过 %n 层，已停止读取。</source>
        <translation>
            <numerusform>المستند متداخل بعمق شديد: أكثر من %n مستوى؛ توقفت القراءة.</numerusform>
            <numerusform>المستند متداخل بعمق شديد: أكثر من مستوى واحد؛ توقفت القراءة.</numerusform>
            <numerusform>المستند متداخل بعمق شديد: أكثر من مستويين؛ توقفت القراءة.</numerusform>
            <numerusform>المستند متداخل بعمق شديد: أكثر من %n مستويات؛ توقفت القراءة.</numerusform>
            <numerusform>المستند متداخل بعمق شديد: أكثر من %n مستوى؛ توقفت القراءة.</numerusform>
            <numerusform>المستند متداخل بعمق شديد: أكثر من %n مستوى؛ توقفت القراءة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档中一个元素的属性过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>لأحد عناصر المستند سمات كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>لأحد عناصر المستند سمات كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>لأحد عناصر المستند سمات كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>لأحد عناصر المستند سمات كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>لأحد عناصر المستند سمات كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
            <numerusform>لأحد عناصر المستند سمات كثيرة جدًا: أكثر من %n؛ توقفت القراءة.</numerusform>
        </translation>
    </message>
    <message>
        <source>文档解压后的内容远多于其中的文字，已停止读取。</source>
        <translation>المستند بعد فك ضغطه أكبر بكثير مما يحتاجه نصه؛ توقفت القراءة.</translation>
    </message>
    <message>
        <source>文档中的空段落远多于有文字的段落，已停止读取。</source>
        <translation>في المستند فقرات فارغة أكثر بكثير من الفقرات التي فيها نص؛ توقفت القراءة.</translation>
    </message>
</context>
<context>
    <name>FullTimerWidget</name>
    <message>
        <source>当前时间</source>
        <translation>الوقت الحالي</translation>
    </message>
</context>
<context>
    <name>FunctionBar</name>
    <message>
        <source>隐藏</source>
        <translation>إخفاء</translation>
    </message>
</context>
<context>
    <name>FunctionTitleBar</name>
    <message>
        <source>返回</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>تصغير</translation>
    </message>
</context>
<context>
    <name>GlobalMessage</name>
    <message>
        <source>新版已发布...</source>
        <translation>يتوفر إصدار جديد…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>حدّث الآن</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>帮助</source>
        <translation>مساعدة</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>الاختصارات</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>历史记录</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>没有历史记录</source>
        <translation>لا يوجد سجل</translation>
    </message>
    <message>
        <source>文档正在载入或不能修改，未恢复。</source>
        <translation>المستند قيد التحميل أو لا يمكن تغييره؛ لم تتم الاستعادة.</translation>
    </message>
    <message>
        <source>已恢复“%1”，恢复前的内容已存入历史记录。</source>
        <translation>تمت استعادة «%1»؛ النص السابق محفوظ في السجل.</translation>
    </message>
    <message>
        <source>未能保存的内容</source>
        <translation>نص تعذّر حفظه</translation>
    </message>
</context>
<context>
    <name>HomeBar</name>
    <message>
        <source>文件</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>الفصول التلقائية</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>عدد الكلمات</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>غرف الكتابة</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>التحدي</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>حسابي</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>الخروج من وضع Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>الدخول إلى وضع Lumo</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <source>选择图片</source>
        <translation>اختيار صورة</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>صورة</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>إزالة</translation>
    </message>
</context>
<context>
    <name>ImageCropSheet</name>
    <message>
        <source>剪裁</source>
        <translation>اقتصاص</translation>
    </message>
</context>
<context>
    <name>LazyEdit</name>
    <message>
        <source>未命名文件</source>
        <translation>بلا عنوان</translation>
    </message>
    <message>
        <source>等待同步</source>
        <translation>بانتظار المزامنة</translation>
    </message>
    <message>
        <source>过滤期间文档已被修改，过滤结果未应用。</source>
        <translation>تغيّر المستند أثناء التصفية؛ لم تُطبَّق النتيجة.</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>تعليم</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>选中当前章节</source>
        <translation>تحديد الفصل الحالي</translation>
    </message>
    <message>
        <source>转到文档开始</source>
        <translation>الانتقال إلى بداية المستند</translation>
    </message>
    <message>
        <source>转到文档结尾</source>
        <translation>الانتقال إلى نهاية المستند</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>تنسيق بنقرة واحدة</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>المزامنة السحابية</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>الوضع المتكيف</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>وضع الصفحة</translation>
    </message>
</context>
<context>
    <name>LazyTextDocument</name>
    <message>
        <source>未支持的打开方式</source>
        <translation>طريقة الفتح هذه غير مدعومة</translation>
    </message>
    <message>
        <source>无法打开文件: </source>
        <translation>تعذر فتح الملف: </translation>
    </message>
    <message>
        <source>Cannot save: </source>
        <translation>تعذر الحفظ: </translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>ليس ملفًا محليًا</translation>
    </message>
    <message>
        <source>文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。</source>
        <translation>عدّل برنامج آخر الملف. ما زالت تغييراتك غير المحفوظة في المحرر، وسيؤدي الحفظ إلى الكتابة فوق تغييرات البرنامج الآخر.</translation>
    </message>
    <message>
        <source>已经是章节标题了</source>
        <translation>هذا عنوان فصل بالفعل</translation>
    </message>
    <message>
        <source>第%1章</source>
        <translation>الفصل %1</translation>
    </message>
    <message>
        <source>排版期间文档已被修改，排版结果未应用。</source>
        <translation>تغيّر المستند أثناء التنسيق؛ لم تُطبَّق النتيجة.</translation>
    </message>
    <message>
        <source>从头开始查找</source>
        <translation>البحث من البداية</translation>
    </message>
    <message>
        <source>从结尾开始查找</source>
        <translation>البحث من النهاية</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>لم يُعثر عليه</translation>
    </message>
    <message>
        <source>无法保存历史记录：</source>
        <translation>تعذر حفظ السجل: </translation>
    </message>
    <message>
        <source>文件正在载入</source>
        <translation>لا يزال الملف قيد التحميل</translation>
    </message>
    <message>
        <source>无法保存过滤前的历史记录，过滤结果未应用。</source>
        <translation>تعذّر حفظ النص قبل التصفية في السجل؛ لم تُطبَّق نتيجة التصفية.</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，保存会改变它们：文件以只读方式打开，不会被保存。</source>
        <translation>يحتوي هذا الملف على بايتات ليست نص %1؛ الحفظ سيغيّرها، لذا يُفتح الملف للقراءة فقط ولن يُحفظ أبدًا.</translation>
    </message>
    <message>
        <source>未保存的修改已存入：%1</source>
        <translation>حُفظت التغييرات غير المحفوظة في: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改并重新载入，未保存的修改已存入：%1</source>
        <translation>عدّل برنامج آخر الملف فأُعيد تحميله؛ حُفظت التغييرات غير المحفوظة في: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改，已重新载入。</source>
        <translation>عدّل برنامج آخر الملف فأُعيد تحميله.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改无处存放，仍在编辑器中。</source>
        <translation>نُقل الملف أو حُذف؛ تعذّر حفظ التغييرات غير المحفوظة في أي مكان وما زالت في المحرر.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改已存入：%1</source>
        <translation>نُقل الملف أو حُذف؛ حُفظت التغييرات غير المحفوظة في: %1</translation>
    </message>
    <message>
        <source>无法读取文件（没有权限）：%1。未保存的修改仍在编辑器中，能读取后再保存。</source>
        <translation>تعذّرت قراءة الملف (لا يوجد إذن): %1. التغييرات غير المحفوظة ما زالت في المحرر؛ احفظ مجددًا عندما تصبح قراءته ممكنة.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本无处存放。</source>
        <translation>عدّل برنامج آخر الملف أثناء حفظه؛ ولم يمكن الاحتفاظ بنسخته في أي مكان.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本已存入：%1</source>
        <translation>عدّل برنامج آخر الملف أثناء حفظه؛ وحُفظت نسخته في: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复。</source>
        <translation>تعذّر حفظ النص الحالي في السجل؛ لم تتم الاستعادة.</translation>
    </message>
</context>
<context>
    <name>LibraryPath</name>
    <message>
        <source>无法新建文件：</source>
        <translation>تعذر إنشاء الملف: </translation>
    </message>
</context>
<context>
    <name>Locker</name>
    <message>
        <source>已锁定</source>
        <translation>مقفل</translation>
    </message>
    <message>
        <source>已解锁</source>
        <translation>أُلغي القفل</translation>
    </message>
</context>
<context>
    <name>LockerLabel</name>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>الكلمات المتبقية للقفل (الكلمات المحتسبة): </translation>
    </message>
    <message>
        <source>剩余锁定时间(秒):</source>
        <translation>وقت القفل المتبقي (ثانية):</translation>
    </message>
    <message>
        <source>距离刷新锁定数据剩余时间(秒):</source>
        <translation>التحديث التالي للقفل خلال (ثانية):</translation>
    </message>
    <message>
        <source>当前处于锁定状态</source>
        <translation>القفل مفعّل حاليًا</translation>
    </message>
</context>
<context>
    <name>LoginPage</name>
    <message>
        <source>登录</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>إنشاء حساب</translation>
    </message>
    <message>
        <source>用户名或邮箱不能为空</source>
        <translation>اسم المستخدم أو البريد مطلوب</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>كلمة المرور مطلوبة</translation>
    </message>
    <message>
        <source>用户名不能为空</source>
        <translation>اسم المستخدم مطلوب</translation>
    </message>
    <message>
        <source>邮箱不能为空</source>
        <translation>البريد الإلكتروني مطلوب</translation>
    </message>
    <message>
        <source>确认密码不能为空</source>
        <translation>يرجى تكرار كلمة المرور</translation>
    </message>
    <message>
        <source>两次输入的密码不一致</source>
        <translation>كلمتا المرور غير متطابقتين</translation>
    </message>
    <message>
        <source>验证码不能为空</source>
        <translation>رمز التحقق مطلوب</translation>
    </message>
    <message>
        <source>注册成功，您可以登陆了</source>
        <translation>تم التسجيل. يمكنك تسجيل الدخول الآن.</translation>
    </message>
    <message>
        <source>用户名或邮箱</source>
        <translation>اسم المستخدم أو البريد</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>تسجيل الدخول تلقائيًا</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>نسيت كلمة المرور</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>تكرار كلمة المرور</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>رمز التحقق</translation>
    </message>
    <message>
        <source>创建新账户</source>
        <translation>إنشاء حساب</translation>
    </message>
    <message>
        <source>未配置服务器地址，无法登录或注册。</source>
        <translation>لم يُضبط عنوان الخادم، لذا لا يمكن تسجيل الدخول أو إنشاء حساب.</translation>
    </message>
</context>
<context>
    <name>LoginPasswordWidget</name>
    <message>
        <source>启动密码错误</source>
        <translation>كلمة مرور البدء خاطئة</translation>
    </message>
    <message>
        <source>注意启动密码不是您用户账号的密码。
而是您在软件偏好设置中设置的启动密码。
此功能可以在本软件的偏好设置中取消。</source>
        <translation>ملاحظة: كلمة مرور البدء ليست كلمة مرور حسابك.
بل هي كلمة المرور المضبوطة في تفضيلات البرنامج.
يمكنك إيقافها من التفضيلات.</translation>
    </message>
    <message>
        <source>请输入启动密码</source>
        <translation>أدخل كلمة مرور البدء</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>كلمة مرور البدء</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>دخول</translation>
    </message>
</context>
<context>
    <name>LumoCounter</name>
    <message>
        <source>Counting chapters, please try again later</source>
        <translation>جارٍ عدّ الفصول، حاول لاحقًا</translation>
    </message>
</context>
<context>
    <name>LumoFileSystemModel</name>
    <message>
        <source>名称不能为空</source>
        <translation>لا يمكن ترك الاسم فارغًا</translation>
    </message>
    <message>
        <source>名称不能包含“/”、“\”或“..”</source>
        <translation>لا يمكن أن يحتوي الاسم على "/" أو "\" أو ".."</translation>
    </message>
    <message>
        <source>名称太长</source>
        <translation>الاسم طويل جدًا</translation>
    </message>
    <message>
        <source>指定名称的文件已存在</source>
        <translation>يوجد ملف بهذا الاسم بالفعل</translation>
    </message>
    <message>
        <source>名称不能以“.”开头</source>
        <translation>لا يمكن أن يبدأ الاسم بـ "."</translation>
    </message>
    <message>
        <source>“%1”是程序自用的名称</source>
        <translation>"%1" اسم يستخدمه البرنامج نفسه</translation>
    </message>
</context>
<context>
    <name>LumoTheme</name>
    <message>
        <source>跟随主题</source>
        <translation>اتباع النظام</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>أبيض افتراضي</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>أسود افتراضي</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>وردي بودرة</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>أخضر منعش</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>أزرق سماوي</translation>
    </message>
    <message>
        <source>电纸书</source>
        <translation>الكتاب الإلكتروني</translation>
    </message>
</context>
<context>
    <name>MarkModel</name>
    <message>
        <source>无法保存标记：</source>
        <translation>تعذر حفظ العلامات: </translation>
    </message>
    <message>
        <source>文件无法读取，未覆盖</source>
        <translation>تعذرت قراءة الملف؛ لم تتم الكتابة فوقه</translation>
    </message>
</context>
<context>
    <name>MarkTextWidget</name>
    <message>
        <source>标记</source>
        <translation>تعليم</translation>
    </message>
    <message>
        <source>删除此标记</source>
        <translation>حذف هذه العلامة</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>标记内容
(可为空,最多200字)
一般用作注释。</source>
        <translation>نص العلامة
(اختياري، حتى 200 حرف)
يُستخدم عادةً كملاحظة.</translation>
    </message>
    <message>
        <source>例如：
林远，男，二十七岁，
镇上书铺的掌柜，
寡言，爱下棋。
...</source>
        <translation>مثال:
لين يوان، ذكر، 27 عامًا،
صاحب مكتبة البلدة،
قليل الكلام، يحب الشطرنج.
...</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>MePage</name>
    <message>
        <source>个人中心</source>
        <translation>حسابي</translation>
    </message>
    <message>
        <source>您的新头像更新成功</source>
        <translation>تم حفظ صورتك الرمزية الجديدة</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>头像设置</source>
        <translation>الصورة الرمزية</translation>
    </message>
    <message>
        <source>设置用户信息</source>
        <translation>تعديل الملف الشخصي</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>退出登录</source>
        <translation>تسجيل الخروج</translation>
    </message>
</context>
<context>
    <name>MiniHomeBar</name>
    <message>
        <source>文件</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>الفصول التلقائية</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>عدد الكلمات</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>غرف الكتابة</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>التحدي</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>حسابي</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>الخروج من وضع Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>الدخول إلى وضع Lumo</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>إدارة</translation>
    </message>
</context>
<context>
    <name>NavigationItem</name>
    <message>
        <source>返回</source>
        <translation>رجوع</translation>
    </message>
</context>
<context>
    <name>NetworkReply</name>
    <message>
        <source>网络请求超时</source>
        <translation>انتهت مهلة طلب الشبكة</translation>
    </message>
    <message>
        <source>收到的内容不完整</source>
        <translation>وصل الرد ناقصًا</translation>
    </message>
</context>
<context>
    <name>NotesPage</name>
    <message>
        <source>笔记</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>创建新笔记</source>
        <translation>ملاحظة جديدة</translation>
    </message>
    <message>
        <source>删除笔记</source>
        <translation>حذف الملاحظة</translation>
    </message>
    <message>
        <source>打开最近笔记</source>
        <translation>فتح ملاحظة حديثة</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>مسح القائمة</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <source>笔记</source>
        <translation>الملاحظات</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>تعذر فتح الأرشيف.</translation>
    </message>
</context>
<context>
    <name>PasswordWindow</name>
    <message>
        <source>修改密码</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>密码修改成功</source>
        <translation>تم تغيير كلمة المرور</translation>
    </message>
    <message>
        <source>旧密码</source>
        <translation>كلمة المرور القديمة</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>كلمة المرور الجديدة</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>تكرار كلمة المرور</translation>
    </message>
</context>
<context>
    <name>PcMain</name>
    <message>
        <source>自动章节</source>
        <translation>الفصول التلقائية</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>عدد الكلمات</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>غرف الكتابة</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>التحدي</translation>
    </message>
</context>
<context>
    <name>PhoneHomeTabBar</name>
    <message>
        <source>Files</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>أنا</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>عدد الكلمات</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>غرف الكتابة</translation>
    </message>
</context>
<context>
    <name>Points</name>
    <message>
        <source>积分</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>读者感谢你的创作!</source>
        <translation>القرّاء يشكرونك على كتابتك!</translation>
    </message>
    <message>
        <source>开始就成功了一半,加油!</source>
        <translation>البداية الجيدة نصف العمل. واصل!</translation>
    </message>
    <message>
        <source>超神!!!</source>
        <translation>أسطوري!!!</translation>
    </message>
    <message>
        <source>您今天已经创作了一万字以上！</source>
        <translation>كتبت اليوم أكثر من 10000 كلمة!</translation>
    </message>
</context>
<context>
    <name>PointsAwardRow</name>
    <message>
        <source>获取</source>
        <translation>استلام</translation>
    </message>
    <message>
        <source>已获取</source>
        <translation>تم الاستلام</translation>
    </message>
</context>
<context>
    <name>PointsWindow</name>
    <message>
        <source>积分</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>لم يتم تسجيل الدخول</translation>
    </message>
    <message>
        <source>首次登陆赠送100积分</source>
        <translation>100 نقطة لأول تسجيل دخول</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 نقاط لكل تسجيل دخول يومي</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>偏好设置</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>键盘音效</source>
        <translation>صوت لوحة المفاتيح</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>打字机音效</source>
        <translation>صوت الآلة الكاتبة</translation>
    </message>
    <message>
        <source>水滴声音效</source>
        <translation>صوت قطرة الماء</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>استخدام كلمة مرور البدء</translation>
    </message>
    <message>
        <source>使用 极简 布局</source>
        <translation>استخدام التخطيط البسيط</translation>
    </message>
    <message>
        <source>使用 自由 布局</source>
        <translation>استخدام التخطيط الحر</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>المزامنة السحابية</translation>
    </message>
    <message>
        <source>启用云同步</source>
        <translation>تفعيل المزامنة السحابية</translation>
    </message>
    <message>
        <source>退出软件时执行云同步</source>
        <translation>المزامنة عند الخروج</translation>
    </message>
    <message>
        <source>快捷键方案</source>
        <translation>مخطط الاختصارات</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>تمويه غاوسي</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>المحرر</translation>
    </message>
    <message>
        <source>默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。</source>
        <translation>لون النص الافتراضي يتبع السمة. اللون المختار هنا يسري على السمة الحالية فقط، وإذا كانت السمة تتبع النظام فعلى سمته الفاتحة أو الداكنة الحالية فقط.</translation>
    </message>
    <message>
        <source>编辑框模式</source>
        <translation>وضع المحرر</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>وضع الصفحة</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>الوضع المتكيف</translation>
    </message>
    <message>
        <source>编辑框左右边距（自适应模式）</source>
        <translation>الهوامش الجانبية (الوضع المتكيف)</translation>
    </message>
    <message>
        <source>页面固定宽度（页面模式）</source>
        <translation>عرض صفحة ثابت (وضع الصفحة)</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>بكسل</translation>
    </message>
    <message>
        <source>汉字</source>
        <translation>حروف</translation>
    </message>
    <message>
        <source>编辑框全局居中</source>
        <translation>توسيط المحرر في النافذة</translation>
    </message>
    <message>
        <source>默认字体</source>
        <translation>الخط الافتراضي</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>默认字体颜色(跟随主题)</source>
        <translation>لون النص الافتراضي (يتبع السمة)</translation>
    </message>
    <message>
        <source>文档中标题样式</source>
        <translation>نمط العناوين</translation>
    </message>
    <message>
        <source>首行缩进两个字符</source>
        <translation>إزاحة السطر الأول بحرفين</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>تباعد الأسطر</translation>
    </message>
    <message>
        <source>段落间距</source>
        <translation>تباعد الفقرات</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>文件路径</source>
        <translation>مسار الملفات</translation>
    </message>
    <message>
        <source>生成历史记录时间间隔</source>
        <translation>فاصل لقطات السجل</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>دقائق</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>الفصول</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>عرض عدد كلمات الفصل في شريط الحالة</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>عرض الكلمات قبل المؤشر في شريط الحالة</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>خمس ضغطات إدخال متتالية تضيف عنوان فصل</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>الفصول التلقائية</translation>
    </message>
    <message>
        <source>设置自动章节识别关键词</source>
        <translation>تعيين الكلمات المفتاحية للفصول</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>الإحصاءات</translation>
    </message>
    <message>
        <source>今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。
对话体统计：每行冒号前面的文字不计入字数。
预估稿费为 0 时不显示预估稿费。</source>
        <translation>تتبع إحصاءات اليوم النتيجة: كلمات اليوم هي مجموع تغييرات كل مستند مفتوح، لذا قد يرفعها اللصق أو الحذف أو يخفضها؛ أما بقية الإحصاءات فتعدّ الكلمات المكتوبة فقط.
عدّ الحوار: لا يُعدّ النص الذي يسبق النقطتين في كل سطر.
عندما تكون المكافأة المقدّرة 0 لا يُعرض التقدير.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>إحصاءات اليوم حسب النتيجة</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>عدّ الحوار</translation>
    </message>
    <message>
        <source>预估稿费统计</source>
        <translation>الأجر المقدر</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>الوحدة</translation>
    </message>
    <message>
        <source>元/千字</source>
        <translation>يوان لكل ألف حرف</translation>
    </message>
    <message>
        <source>预估稿费</source>
        <translation>الأجر المقدر</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>التنسيق عند ضغط Enter</translation>
    </message>
    <message>
        <source>段落开头添加两个空格</source>
        <translation>مسافتان في بداية الفقرة</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>سطر فارغ بين الفقرات</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>تنسيق بنقرة واحدة</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>حذف الأسطر الفارغة الزائدة</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>مسافتان في بداية الفقرة</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>حذف المسافات الزائدة</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>وضع الآلة الكاتبة</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>تشغيل وضع الآلة الكاتبة</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>تمييز السطر الحالي</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>تمرير ثابت</translation>
    </message>
    <message>
        <source>关</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>上</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>中</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>下</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>متغير</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>تعليم السطر الحالي</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>الإشعارات</translation>
    </message>
    <message>
        <source>禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。</source>
        <translation>مع إيقاف الإشعارات تستمر النقاط في التراكم، ولا تتراكم دون تسجيل الدخول.</translation>
    </message>
    <message>
        <source>显示创作积分提示</source>
        <translation>إظهار إشعارات نقاط الكتابة</translation>
    </message>
    <message>
        <source>对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。
开启后，统计结果会偏少。
如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！
确定开启吗？</source>
        <translation>عدّ الحوار مناسب للنصوص الحوارية فقط: لا يُعدّ النص الذي يسبق كل نقطتين.
عند تشغيله ستقل الأعداد.
إن لم يكن نصك حواريًا أو لم تكن متأكدًا فاتركه مطفأً!
تشغيله؟</translation>
    </message>
    <message>
        <source>取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。</source>
        <translation>لا يسري لون العنوان إلا عند إلغاء "اللون نفسه كالنص". الحجم النسبي هو حجم العنوان كمضاعف لحجم النص.</translation>
    </message>
    <message>
        <source>颜色与正文相同</source>
        <translation>نفس لون النص</translation>
    </message>
    <message>
        <source>标题颜色:</source>
        <translation>لون العنوان:</translation>
    </message>
    <message>
        <source>相对倍数:</source>
        <translation>الحجم النسبي:</translation>
    </message>
    <message>
        <source>自动章节关键词设置</source>
        <translation>الكلمات المفتاحية للفصول</translation>
    </message>
    <message>
        <source>自动章节关键词</source>
        <translation>الكلمات المفتاحية للفصول</translation>
    </message>
    <message>
        <source>“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。</source>
        <translation>"*" تعني أي نص. كلمة مفتاحية واحدة في كل سطر، و"*" واحدة على الأكثر في كل كلمة، وليس في بدايتها أو نهايتها. كلما زادت الكلمات المفتاحية أصبح البرنامج أبطأ.</translation>
    </message>
    <message>
        <source>设置登录密码</source>
        <translation>تعيين كلمة مرور البدء</translation>
    </message>
    <message>
        <source>您需要输入启动密码</source>
        <translation>يجب إدخال كلمة مرور البدء</translation>
    </message>
    <message>
        <source>启动密码设置成功</source>
        <translation>تم تعيين كلمة مرور البدء</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>الإدخالان غير متطابقين</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>كلمة مرور البدء</translation>
    </message>
    <message>
        <source>启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端</source>
        <translation>تُطلب كلمة مرور البدء عند فتح البرنامج، وهي ليست كلمة مرور الحساب ولا تتم مزامنتها.</translation>
    </message>
    <message>
        <source>输入密码:</source>
        <translation>كلمة المرور:</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>再来一次:</source>
        <translation>مرة أخرى:</translation>
    </message>
    <message>
        <source>再来一次</source>
        <translation>مرة أخرى</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>设置用户信息</source>
        <translation>تعديل الملف الشخصي</translation>
    </message>
    <message>
        <source>请输入新的昵称或邮箱</source>
        <translation>أدخل اسمًا مستعارًا أو بريدًا جديدًا</translation>
    </message>
    <message>
        <source>修改昵称或邮箱成功！</source>
        <translation>تم تغيير الاسم المستعار أو البريد!</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>الاسم المستعار</translation>
    </message>
</context>
<context>
    <name>QIActionSheet</name>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>QIAlertView</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>QIImagePicker</name>
    <message>
        <source>Import Image</source>
        <translation>استيراد صورة</translation>
    </message>
    <message>
        <source>Failed to save the image</source>
        <translation>تعذر حفظ الصورة</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Preferences...</source>
        <translation>التفضيلات...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>语言(重启软件生效)</source>
        <translation>اللغة (بعد إعادة التشغيل)</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>استخدام كلمة مرور البدء</translation>
    </message>
    <message>
        <source>使用左右布局 (重启软件生效）</source>
        <translation>تخطيط يسار-يمين (بعد إعادة التشغيل)</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>الفصل</translation>
    </message>
    <message>
        <source>Edit Side Margin</source>
        <translation>الهوامش الجانبية</translation>
    </message>
    <message>
        <source>ChineseCharacters Width</source>
        <translation>العرض بالحروف</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>العرض بالبكسل</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>تمويه غاوسي</translation>
    </message>
    <message>
        <source>DocumentTips</source>
        <translation>لون النص يتبع السمة، واللون المحدد هنا يطبق على السمة الحالية فقط.</translation>
    </message>
    <message>
        <source>编辑框宽度模式</source>
        <translation>وضع عرض المحرر</translation>
    </message>
    <message>
        <source>编辑框宽度单位</source>
        <translation>وحدة عرض المحرر</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>لون الخط</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>تباعد الأسطر</translation>
    </message>
    <message>
        <source>段间距</source>
        <translation>تباعد الفقرات</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>مسار الملفات</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>عرض عدد كلمات الفصل في شريط الحالة</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>عرض الكلمات قبل المؤشر في شريط الحالة</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>خمس ضغطات إدخال متتالية تضيف عنوان فصل</translation>
    </message>
    <message>
        <source>Auto Chapter Keys</source>
        <translation>الكلمات المفتاحية للفصول</translation>
    </message>
    <message>
        <source>Set auto chapter Keys</source>
        <translation>تعيين الكلمات المفتاحية للفصول</translation>
    </message>
    <message>
        <source>AutoChapterTips</source>
        <translation>"*" تعني أي نص؛ كلمة مفتاحية واحدة في كل سطر، و"*" واحدة على الأكثر، لا في البداية ولا في النهاية. كلما زادت الكلمات المفتاحية أصبح البرنامج أبطأ.</translation>
    </message>
    <message>
        <source>WordCountTips</source>
        <translation>عدد اليوم هو مجموع تغييرات كل مستند مفتوح، وقد يشوهه اللصق أو الحذف. أما بقية الإحصاءات فتعدّ الكلمات المكتوبة فقط.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>إحصاءات اليوم حسب النتيجة</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>عدّ الحوار</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>التنسيق عند ضغط Enter</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>مسافتان في بداية الفقرة</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>سطر فارغ بين الفقرات</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>تنسيق بنقرة واحدة</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>حذف الأسطر الفارغة الزائدة</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>حذف المسافات الزائدة</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>وضع الآلة الكاتبة</translation>
    </message>
    <message>
        <source>启用打字模式</source>
        <translation>وضع الكتابة</translation>
    </message>
    <message>
        <source>高亮显示</source>
        <translation>تمييز</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>当前行</source>
        <translation>السطر الحالي</translation>
    </message>
    <message>
        <source>当前句</source>
        <translation>الجملة الحالية</translation>
    </message>
    <message>
        <source>当前段落</source>
        <translation>الفقرة الحالية</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>تمرير ثابت</translation>
    </message>
    <message>
        <source>关</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>上</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>中</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>下</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>متغير</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>تعليم السطر الحالي</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>اتباع النظام</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>أبيض افتراضي</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>أسود افتراضي</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>وردي بودرة</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>أخضر منعش</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>أزرق سماوي</translation>
    </message>
    <message>
        <source>入门模式</source>
        <translation>مبتدئ</translation>
    </message>
    <message>
        <source>简单模式</source>
        <translation>سهل</translation>
    </message>
    <message>
        <source>普通模式</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>困难模式</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>地狱模式</source>
        <translation>جحيم</translation>
    </message>
    <message>
        <source>第一关</source>
        <translation>المستوى 1</translation>
    </message>
    <message>
        <source>第二关</source>
        <translation>المستوى 2</translation>
    </message>
    <message>
        <source>第三关</source>
        <translation>المستوى 3</translation>
    </message>
    <message>
        <source>第四关</source>
        <translation>المستوى 4</translation>
    </message>
    <message>
        <source>第五关</source>
        <translation>المستوى 5</translation>
    </message>
    <message>
        <source>第六关</source>
        <translation>المستوى 6</translation>
    </message>
    <message>
        <source>第七关</source>
        <translation>المستوى 7</translation>
    </message>
    <message>
        <source>第八关</source>
        <translation>المستوى 8</translation>
    </message>
    <message>
        <source>第九关</source>
        <translation>المستوى 9</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>اسم المستخدم أو كلمة المرور غير صحيحة</translation>
    </message>
    <message>
        <source>登录信息无效,请登录.</source>
        <translation>معلومات الدخول غير صالحة، يرجى تسجيل الدخول.</translation>
    </message>
    <message>
        <source>服务器答复：未找到</source>
        <translation>رد الخادم: غير موجود</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>المحرر</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>اتباع النظام</translation>
    </message>
    <message>
        <source>暗色主题</source>
        <translation>سمة داكنة</translation>
    </message>
    <message>
        <source>亮色主题</source>
        <translation>سمة فاتحة</translation>
    </message>
    <message>
        <source>柔绿主题</source>
        <translation>سمة خضراء هادئة</translation>
    </message>
    <message>
        <source>粉色主题</source>
        <translation>سمة وردية</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>自适应宽度</source>
        <translation>عرض متكيف</translation>
    </message>
    <message>
        <source>固定宽度</source>
        <translation>عرض ثابت</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>固定页面宽度（像素）</source>
        <translation>عرض صفحة ثابت (بكسل)</translation>
    </message>
    <message>
        <source>固定每行字数（汉字）</source>
        <translation>عدد ثابت من الحروف في السطر</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>إبقاء النافذة في المقدمة</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>بطاقة الإحصاءات</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>选择本章</source>
        <translation>تحديد هذا الفصل</translation>
    </message>
    <message>
        <source>Lumo模式</source>
        <translation>وضع Lumo</translation>
    </message>
    <message>
        <source>神搜</source>
        <translation>بحث متقدم</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>الفصول</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>عدد الكلمات</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>غرف الكتابة</translation>
    </message>
    <message>
        <source>闯关</source>
        <translation>التحدي</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>تصفية الكلمات الحساسة</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>إضافة عنوان فصل</translation>
    </message>
    <message>
        <source>极简模式</source>
        <translation>الوضع البسيط</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>اختبار</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>放大字体</source>
        <translation>تكبير الخط</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>تصغير الخط</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>التفضيلات</translation>
    </message>
</context>
<context>
    <name>QQuickFolderListModel</name>
    <message>
        <source>重命名失败，请检查是否有重名或者文件夹是否有写权限</source>
        <translation>فشلت إعادة التسمية. تحقق من أن الاسم غير مستخدم وأن المجلد قابل للكتابة.</translation>
    </message>
</context>
<context>
    <name>RankingHallModel</name>
    <message>
        <source>请先登录</source>
        <translation>يرجى تسجيل الدخول أولًا</translation>
    </message>
    <message>
        <source>请输入房间名</source>
        <translation>أدخل اسم الغرفة</translation>
    </message>
    <message>
        <source>请输入房间密码</source>
        <translation>أدخل كلمة مرور الغرفة</translation>
    </message>
    <message>
        <source>房间名已存在</source>
        <translation>اسم الغرفة موجود بالفعل</translation>
    </message>
    <message>
        <source>创建成功</source>
        <translation>تم إنشاء الغرفة</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>تعذر إنشاء الغرفة</translation>
    </message>
    <message>
        <source>房间名不能包含“/”</source>
        <translation>لا يمكن أن يحتوي اسم الغرفة على "/"</translation>
    </message>
    <message>
        <source>房间名不能包含控制字符</source>
        <translation>لا يمكن أن يحتوي اسم الغرفة على محارف تحكم</translation>
    </message>
    <message>
        <source>房间名不能是“.”或“..”</source>
        <translation>لا يمكن أن يكون اسم الغرفة "." أو ".."</translation>
    </message>
    <message numerus="yes">
        <source>房间名不能超过 %n 个字符</source>
        <translation>
            <numerusform>لا يمكن أن يزيد اسم الغرفة على %n حرف</numerusform>
            <numerusform>لا يمكن أن يزيد اسم الغرفة على حرف واحد</numerusform>
            <numerusform>لا يمكن أن يزيد اسم الغرفة على حرفين</numerusform>
            <numerusform>لا يمكن أن يزيد اسم الغرفة على %n أحرف</numerusform>
            <numerusform>لا يمكن أن يزيد اسم الغرفة على %n حرفًا</numerusform>
            <numerusform>لا يمكن أن يزيد اسم الغرفة على %n حرف</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RankingPage</name>
    <message>
        <source>暂不可用</source>
        <translation>غير متاح</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>غرف الكتابة</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>يرجى تسجيل الدخول أولًا</translation>
    </message>
    <message>
        <source>拼字大厅</source>
        <translation>كل الغرف</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>创建房间</source>
        <translation>إنشاء غرفة</translation>
    </message>
    <message>
        <source>刷新大厅</source>
        <translation>تحديث الغرف</translation>
    </message>
    <message>
        <source>未配置服务器地址，拼字房间不可用。</source>
        <translation>لم يُضبط عنوان الخادم، لذا غرف الكتابة غير متاحة.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>غادرت الغرفة %1</translation>
    </message>
    <message>
        <source>已进入 %1 房间</source>
        <translation>دخلت الغرفة %1</translation>
    </message>
    <message>
        <source>房间</source>
        <translation>الغرفة</translation>
    </message>
    <message>
        <source>离开房间</source>
        <translation>مغادرة الغرفة</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>الاسم المستعار</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>عدد الكلمات</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>دقائق</translation>
    </message>
</context>
<context>
    <name>RoomPasswordSheet</name>
    <message>
        <source>请输入房间密码</source>
        <translation>أدخل كلمة مرور الغرفة</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>أدخل كلمة المرور</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>كلمة المرور خاطئة</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>在此输入房间密码</source>
        <translation>أدخل كلمة مرور الغرفة هنا</translation>
    </message>
    <message>
        <source>房间“%1”需要输入房主指定的密码方可进入。</source>
        <translation>للدخول إلى الغرفة «%1» أدخل كلمة المرور التي حددها صاحبها.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not a supported RTF file.</source>
        <translation>ملف RTF غير مدعوم.</translation>
    </message>
</context>
<context>
    <name>RtfTokenizer</name>
    <message>
        <source>Unexpectedly reached end of file.</source>
        <translation>نهاية غير متوقعة للملف.</translation>
    </message>
</context>
<context>
    <name>SettingButton</name>
    <message>
        <source>设置</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>الأدوات</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>تصفية الكلمات الحساسة</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>在光标处添加章节名</source>
        <translation>إدراج عنوان فصل عند المؤشر</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>تنسيق بنقرة واحدة</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>التفضيلات</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法保存设置：</source>
        <translation>تعذر حفظ الإعدادات: </translation>
    </message>
    <message>
        <source>设置文件中无法读取的行已略过，其余设置照常读取：</source>
        <translation>تم تخطي الأسطر غير المقروءة في ملف الإعدادات، وقُرئت بقية الإعدادات كالمعتاد: </translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>设置文件被另一个程序锁定，本次运行中的设置更改不会保存：</source>
        <translation>ملف الإعدادات مقفل من برنامج آخر؛ لن تُحفظ تغييرات الإعدادات في هذه الجلسة: </translation>
    </message>
    <message>
        <source>设置文件过大，未读取，本次运行使用默认设置且不保存更改：</source>
        <translation>ملف الإعدادات كبير جدًا ولم يُقرأ؛ يستخدم هذا التشغيل الإعدادات الافتراضية ولا يحفظ أي تغييرات: </translation>
    </message>
    <message>
        <source>无法在临时文件夹中建立链接</source>
        <translation>تعذّر إنشاء رابط في المجلد المؤقت</translation>
    </message>
</context>
<context>
    <name>SheetWindow</name>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>ShortcutBox</name>
    <message>
        <source>请按下快捷键</source>
        <translation>اضغط اختصارًا</translation>
    </message>
</context>
<context>
    <name>ShutdownWindow</name>
    <message>
        <source>保存所有文档后关闭计算机。</source>
        <translation>حفظ كل المستندات ثم إيقاف تشغيل الحاسوب.</translation>
    </message>
    <message>
        <source>保存所有文档后重新启动计算机。</source>
        <translation>حفظ كل المستندات ثم إعادة تشغيل الحاسوب.</translation>
    </message>
    <message>
        <source>关机</source>
        <translation>إيقاف التشغيل</translation>
    </message>
    <message>
        <source>希望计算机做什么？</source>
        <translation>ماذا تريد أن يفعل الحاسوب؟</translation>
    </message>
    <message>
        <source>重启</source>
        <translation>إعادة التشغيل</translation>
    </message>
</context>
<context>
    <name>SkinButton</name>
    <message>
        <source>主题</source>
        <translation>السمة</translation>
    </message>
</context>
<context>
    <name>StoreRefusal</name>
    <message>
        <source>服务器拒绝了请求 (%1)</source>
        <translation>رفض الخادم الطلب (%1)</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>本机时钟与服务器相差太多（本机时间 %1，服务器时间 %2），请校准本机时钟</source>
        <translation>ساعة هذا الحاسوب بعيدة جدًا عن ساعة الخادم (هذا الحاسوب: %1، الخادم: %2)؛ يرجى ضبط الساعة</translation>
    </message>
</context>
<context>
    <name>SubtlePage</name>
    <message>
        <source>过滤敏感词</source>
        <translation>تصفية الكلمات الحساسة</translation>
    </message>
    <message>
        <source>开始过滤</source>
        <translation>بدء التصفية</translation>
    </message>
    <message>
        <source>文档是空的，不用过滤</source>
        <translation>المستند فارغ، لا شيء لتصفيته</translation>
    </message>
    <message>
        <source>文档未保存，请保存文档后再过滤</source>
        <translation>المستند غير محفوظ. احفظه قبل التصفية</translation>
    </message>
    <message>
        <source>自定义敏感词</source>
        <translation>كلمات حساسة مخصصة</translation>
    </message>
    <message>
        <source>每行一个词</source>
        <translation>كلمة في كل سطر</translation>
    </message>
    <message>
        <source>程序内置两套敏感词库：轻度过滤使用第一套，重度过滤同时使用两套。三个级别都会加上左侧框中的自定义敏感词，每行一个，可以直接粘贴，保存时会去掉重复的词。选项在开始过滤或关闭本窗口时保存。过滤前的文本可以从文档的历史记录中找回。</source>
        <translation>يضم البرنامج قائمتين مدمجتين بالكلمات الحساسة: التصفية الخفيفة تستخدم الأولى، والصارمة تستخدم الاثنتين. تضيف المستويات الثلاثة الكلمات المخصصة من المربع الأيسر، كلمة في كل سطر؛ ويمكن لصقها وتُزال المكررة عند الحفظ. تُحفظ الخيارات عند بدء التصفية أو إغلاق هذه النافذة. ويمكن استعادة النص السابق للتصفية من سجل المستند.</translation>
    </message>
    <message>
        <source>标记方式</source>
        <translation>طريقة التعليم</translation>
    </message>
    <message>
        <source>编辑文档时自动标红</source>
        <translation>التعليم بالأحمر أثناء التحرير</translation>
    </message>
    <message>
        <source>仅手动过滤时标红</source>
        <translation>التعليم بالأحمر عند التصفية فقط</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>轻度过滤</source>
        <translation>خفيف</translation>
    </message>
    <message>
        <source>重度过滤</source>
        <translation>صارم</translation>
    </message>
    <message>
        <source>仅自定义</source>
        <translation>المخصصة فقط</translation>
    </message>
    <message>
        <source>过滤方式</source>
        <translation>طريقة التصفية</translation>
    </message>
    <message>
        <source>仅标红</source>
        <translation>أحمر فقط</translation>
    </message>
    <message>
        <source>分割线</source>
        <translation>شرطات</translation>
    </message>
    <message>
        <source>星号</source>
        <translation>نجوم</translation>
    </message>
    <message>
        <source>拼音</source>
        <translation>بينيين</translation>
    </message>
    <message>
        <source>喵星语</source>
        <translation>مواء</translation>
    </message>
    <message>
        <source>汪星语</source>
        <translation>نباح</translation>
    </message>
</context>
<context>
    <name>TargetPage</name>
    <message>
        <source>写作目标</source>
        <translation>هدف الكتابة</translation>
    </message>
    <message>
        <source>锁定字数不能小于当前锁定字数</source>
        <translation>لا يمكن أن يقل قفل الكلمات عن الحالي</translation>
    </message>
    <message>
        <source>锁定时间不能小于当前锁定时间</source>
        <translation>لا يمكن أن يقل قفل الوقت عن الحالي</translation>
    </message>
    <message>
        <source>请输入锁定时间或者字数</source>
        <translation>أدخل مدة القفل أو عدد الكلمات</translation>
    </message>
    <message>
        <source>锁定字数(字)</source>
        <translation>قفل الكلمات (كلمة)</translation>
    </message>
    <message>
        <source>锁定时间(分钟)</source>
        <translation>قفل الوقت (دقيقة)</translation>
    </message>
    <message>
        <source>锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。</source>
        <translation>بعد القفل لن تتمكن من إغلاق البرنامج حتى تبلغ فعلًا القيم التي حددتها. الانتظار لا يُحتسب من الوقت، والكتابة العشوائية أو النسخ واللصق بكثرة لا تُحتسب من الكلمات. يُحتسب الوقت والكلمات كل 20 ثانية.</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>主题</source>
        <translation>السمة</translation>
    </message>
</context>
<context>
    <name>ThroughGame</name>
    <message>
        <source>积分</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>恭喜，闯关成功！！！撒花！！！</source>
        <translation>تهانينا، اجتزت التحدي!!!</translation>
    </message>
    <message>
        <source>成功，自动转入下一关。</source>
        <translation>نجحت! الانتقال إلى المستوى التالي.</translation>
    </message>
    <message>
        <source>挑战失败!</source>
        <translation>فشل التحدي!</translation>
    </message>
</context>
<context>
    <name>ThroughLabel</name>
    <message>
        <source>剩余字数</source>
        <translation>الكلمات المتبقية</translation>
    </message>
    <message>
        <source>剩余时间:</source>
        <translation>الوقت المتبقي:</translation>
    </message>
</context>
<context>
    <name>ThroughPage</name>
    <message>
        <source>Challenge</source>
        <translation>التحدي</translation>
    </message>
    <message>
        <source>您的剩余积分不够支付本次闯关门票，快去领一些积分吧!</source>
        <translation>نقاطك لا تكفي لرسوم دخول هذا التحدي. اجمع بعض النقاط!</translation>
    </message>
    <message>
        <source>如果中途退出，扣除的积分不返还。</source>
        <translation>إن انسحبت في المنتصف فلن تُسترد النقاط.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>الإشعارات</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>النقاط</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>لم يتم تسجيل الدخول</translation>
    </message>
    <message>
        <source>闯关信息载入失败,请稍后再试</source>
        <translation>تعذر تحميل التحدي، حاول لاحقًا</translation>
    </message>
    <message>
        <source>正在刷新...</source>
        <translation>جارٍ التحديث…</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>门票</source>
        <translation>الرسوم</translation>
    </message>
    <message>
        <source>通关奖励</source>
        <translation>المكافأة</translation>
    </message>
    <message>
        <source>通关条件</source>
        <translation>الشرط</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>استسلام</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>进行中</source>
        <translation>جارٍ</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>فشل</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>الهدف</translation>
    </message>
    <message>
        <source>奖励积分</source>
        <translation>نقاط المكافأة</translation>
    </message>
    <message>
        <source>剩余字数</source>
        <translation>الكلمات المتبقية</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>الوقت المتبقي</translation>
    </message>
    <message numerus="yes">
        <source>确定花费%n积分，进入该闯关模式吗？</source>
        <translation>
            <numerusform>هل تريد إنفاق %n نقطة لدخول وضع التحدي هذا؟</numerusform>
            <numerusform>هل تريد إنفاق نقطة واحدة لدخول وضع التحدي هذا؟</numerusform>
            <numerusform>هل تريد إنفاق نقطتين لدخول وضع التحدي هذا؟</numerusform>
            <numerusform>هل تريد إنفاق %n نقاط لدخول وضع التحدي هذا؟</numerusform>
            <numerusform>هل تريد إنفاق %n نقطة لدخول وضع التحدي هذا؟</numerusform>
            <numerusform>هل تريد إنفاق %n نقطة لدخول وضع التحدي هذا؟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>需要在最多%1小时内完成9关，共%n字的挑战</source>
        <translation>
            <numerusform>التحدي: 9 مستويات، %n كلمة إجمالًا، خلال %1 ساعة على الأكثر</numerusform>
            <numerusform>التحدي: 9 مستويات، كلمة واحدة إجمالًا، خلال %1 ساعة على الأكثر</numerusform>
            <numerusform>التحدي: 9 مستويات، كلمتان إجمالًا، خلال %1 ساعة على الأكثر</numerusform>
            <numerusform>التحدي: 9 مستويات، %n كلمات إجمالًا، خلال %1 ساعة على الأكثر</numerusform>
            <numerusform>التحدي: 9 مستويات، %n كلمة إجمالًا، خلال %1 ساعة على الأكثر</numerusform>
            <numerusform>التحدي: 9 مستويات، %n كلمة إجمالًا، خلال %1 ساعة على الأكثر</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ThroughTipsDialog</name>
    <message>
        <source>提示</source>
        <translation>الإشعارات</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>收到的内容长度不对</source>
        <translation>طول المحتوى المستلم غير صحيح</translation>
    </message>
    <message>
        <source>无法校验收到的内容</source>
        <translation>تعذر التحقق من المحتوى المستلم</translation>
    </message>
    <message>
        <source>收到的内容与校验值不符</source>
        <translation>المحتوى المستلم لا يطابق قيمة التحقق</translation>
    </message>
    <message>
        <source>云端没有确认收到的内容</source>
        <translation>لم تؤكد السحابة استلام المحتوى</translation>
    </message>
    <message>
        <source>云端收到的内容与发送的不符</source>
        <translation>تلقت السحابة محتوى مختلفًا عما أُرسل</translation>
    </message>
</context>
<context>
    <name>TxtReader</name>
    <message>
        <source>Unable to read the file.</source>
        <translation>تعذر قراءة الملف.</translation>
    </message>
</context>
<context>
    <name>UserDatas</name>
    <message>
        <source>积分获取失败</source>
        <translation>تعذر جلب النقاط</translation>
    </message>
    <message>
        <source>错误码</source>
        <translation>رمز الخطأ</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>没有文件名</source>
        <translation>لا يوجد اسم ملف</translation>
    </message>
    <message>
        <source>同名的文件夹已存在</source>
        <translation>يوجد مجلد بهذا الاسم بالفعل</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>الملف موجود بالفعل</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>تعذر إنشاء المجلد</translation>
    </message>
    <message>
        <source>写入磁盘的文件不完整</source>
        <translation>الملف المكتوب على القرص غير مكتمل</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>密码已失效（可能已在别处修改），已退出登录，请重新登录</source>
        <translation>لم تعد كلمة المرور صالحة (ربما غُيّرت في مكان آخر). تم تسجيل خروجك؛ يرجى تسجيل الدخول مرة أخرى.</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>أدخل اسم مستخدم</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>أدخل كلمة المرور</translation>
    </message>
    <message>
        <source>服务端暂时关闭了注册通道</source>
        <translation>التسجيل مغلق مؤقتًا على الخادم</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>验证码不正确</source>
        <translation>رمز التحقق غير صحيح</translation>
    </message>
    <message>
        <source>密码不匹配</source>
        <translation>كلمتا المرور غير متطابقتين</translation>
    </message>
    <message>
        <source>用户名已被占用</source>
        <translation>اسم المستخدم هذا مستخدم بالفعل</translation>
    </message>
    <message>
        <source>邮箱地址已被使用</source>
        <translation>عنوان البريد هذا مستخدم بالفعل</translation>
    </message>
    <message>
        <source>此用户名是被保留的</source>
        <translation>اسم المستخدم هذا محجوز</translation>
    </message>
    <message>
        <source>用户名格式不正确</source>
        <translation>اسم مستخدم غير صالح</translation>
    </message>
    <message>
        <source>等待验证邮箱</source>
        <translation>بانتظار التحقق من البريد</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>اسم المستخدم أو كلمة المرور غير صحيحة</translation>
    </message>
    <message>
        <source>Your profile has been updated successfully.</source>
        <translation>تم تحديث ملفك الشخصي.</translation>
    </message>
    <message>
        <source>Your avatar setting has been updated successfully.</source>
        <translation>تم تحديث صورتك الرمزية.</translation>
    </message>
    <message>
        <source>Email address is not a valid email address.</source>
        <translation>عنوان البريد غير صالح.</translation>
    </message>
    <message>
        <source>网络访问被禁用。</source>
        <translation>الوصول إلى الشبكة معطّل.</translation>
    </message>
    <message>
        <source>上传的文件不是一张图片</source>
        <translation>الملف المرفوع ليس صورة</translation>
    </message>
    <message>
        <source>正在登录...</source>
        <translation>جارٍ تسجيل الدخول…</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>تم تسجيل الدخول</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>Please login first!</source>
        <translation>يرجى تسجيل الدخول أولًا!</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>انتهت المهلة</translation>
    </message>
    <message>
        <source>上传超时</source>
        <translation>انتهت مهلة الرفع</translation>
    </message>
</context>
<context>
    <name>WindowsMenuBar</name>
    <message>
        <source>强制退出</source>
        <translation>إنهاء قسري</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>المفتوحة مؤخرًا</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>مسح القائمة</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>استيراد مجلد</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>استيراد ملفات</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>تحديد الكل</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>显示 文件</source>
        <translation>عرض الملفات</translation>
    </message>
    <message>
        <source>显示 自动章节</source>
        <translation>عرض الفصول</translation>
    </message>
    <message>
        <source>显示 字数统计</source>
        <translation>عرض عدد الكلمات</translation>
    </message>
    <message>
        <source>显示 拼字</source>
        <translation>عرض غرف الكتابة</translation>
    </message>
    <message>
        <source>显示 我</source>
        <translation>عرض حسابي</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>إبقاء النافذة في المقدمة</translation>
    </message>
    <message>
        <source>退出 极简 模式</source>
        <translation>الخروج من الوضع البسيط</translation>
    </message>
    <message>
        <source>进入 极简 模式</source>
        <translation>الدخول إلى الوضع البسيط</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>الخروج من وضع Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>الدخول إلى وضع Lumo</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>الأدوات</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>بطاقة الإحصاءات</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>تصفية الكلمات الحساسة</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>إضافة عنوان فصل</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>تنسيق بنقرة واحدة</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>المزامنة السحابية</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>وضع الآلة الكاتبة</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>تشغيل وضع الآلة الكاتبة</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>تمييز السطر الحالي</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>تمرير ثابت</translation>
    </message>
    <message>
        <source>关</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>上</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>中</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>下</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>متغير</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>تعليم السطر الحالي</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>显示 闯关</source>
        <translation>عرض التحدي</translation>
    </message>
    <message>
        <source>显示 笔记</source>
        <translation>عرض الملاحظات</translation>
    </message>
</context>
<context>
    <name>WindowsTitleBar</name>
    <message>
        <source>最小化</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>WordCountPage</name>
    <message>
        <source>字数统计</source>
        <translation>عدد الكلمات</translation>
    </message>
    <message>
        <source>元</source>
        <translation>يوان</translation>
    </message>
    <message>
        <source>字数统计功能菜单</source>
        <translation>قائمة عدد الكلمات</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>بطاقة الإحصاءات</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>同步字数</source>
        <translation>مزامنة الأعداد</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>يرجى تسجيل الدخول أولًا</translation>
    </message>
    <message>
        <source>文档统计</source>
        <translation>المستند</translation>
    </message>
    <message>
        <source>总字数</source>
        <translation>إجمالي الكلمات</translation>
    </message>
    <message>
        <source>总字数(无空格)</source>
        <translation>إجمالي الكلمات (دون مسافات)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>الأرقام</translation>
    </message>
    <message>
        <source>空格数</source>
        <translation>المسافات</translation>
    </message>
    <message>
        <source>汉字数</source>
        <translation>الأحرف الصينية</translation>
    </message>
    <message>
        <source>单词数</source>
        <translation>الكلمات</translation>
    </message>
    <message>
        <source>段落数</source>
        <translation>الفقرات</translation>
    </message>
    <message>
        <source>今时今日</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>كلمات اليوم</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>سرعة اليوم</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>وقت اليوم</translation>
    </message>
    <message>
        <source>今日稿费</source>
        <translation>مكافأة اليوم</translation>
    </message>
    <message>
        <source>本周统计</source>
        <translation>هذا الأسبوع</translation>
    </message>
    <message>
        <source>本周字数</source>
        <translation>كلمات الأسبوع</translation>
    </message>
    <message>
        <source>本周速度</source>
        <translation>سرعة الأسبوع</translation>
    </message>
    <message>
        <source>本周用时</source>
        <translation>وقت الأسبوع</translation>
    </message>
    <message>
        <source>本周稿费</source>
        <translation>مكافأة الأسبوع</translation>
    </message>
    <message>
        <source>月度统计</source>
        <translation>هذا الشهر</translation>
    </message>
    <message>
        <source>本月字数</source>
        <translation>كلمات الشهر</translation>
    </message>
    <message>
        <source>本月速度</source>
        <translation>سرعة الشهر</translation>
    </message>
    <message>
        <source>本月用时</source>
        <translation>وقت الشهر</translation>
    </message>
    <message>
        <source>本月稿费</source>
        <translation>مكافأة الشهر</translation>
    </message>
    <message>
        <source>年度统计</source>
        <translation>هذا العام</translation>
    </message>
    <message>
        <source>今年字数</source>
        <translation>كلمات العام</translation>
    </message>
    <message>
        <source>今年速度</source>
        <translation>سرعة العام</translation>
    </message>
    <message>
        <source>今年用时</source>
        <translation>وقت العام</translation>
    </message>
    <message>
        <source>年度稿费</source>
        <translation>مكافأة العام</translation>
    </message>
    <message>
        <source>设置字体大小</source>
        <translation>ضبط حجم الخط</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>حجم الخط</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>لا كلمات</numerusform>
            <numerusform>كلمة واحدة</numerusform>
            <numerusform>كلمتان</numerusform>
            <numerusform>%n كلمات</numerusform>
            <numerusform>%n كلمة</numerusform>
            <numerusform>%n كلمة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>لا كلمات في الدقيقة</numerusform>
            <numerusform>كلمة واحدة في الدقيقة</numerusform>
            <numerusform>كلمتان في الدقيقة</numerusform>
            <numerusform>%n كلمات في الدقيقة</numerusform>
            <numerusform>%n كلمة في الدقيقة</numerusform>
            <numerusform>%n كلمة في الدقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bot</name>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>تعذر حفظ ملف ذاكرة التخزين المؤقت: </translation>
    </message>
</context>
<context>
    <name>cloudDisk</name>
    <message>
        <source>没有登陆</source>
        <translation>لم يتم تسجيل الدخول</translation>
    </message>
    <message>
        <source>设置中取消了云同步功能</source>
        <translation>مزامنة السحابة متوقفة في الإعدادات</translation>
    </message>
    <message>
        <source>另一个云同步线程正在运行</source>
        <translation>هناك مزامنة أخرى قيد التشغيل</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>المزامنة السحابية</translation>
    </message>
    <message>
        <source>云同步开始</source>
        <translation>بدأت مزامنة السحابة</translation>
    </message>
    <message>
        <source>有冲突文件待处理</source>
        <translation>توجد ملفات متعارضة بانتظارك</translation>
    </message>
    <message>
        <source>同步完成</source>
        <translation>اكتملت المزامنة</translation>
    </message>
    <message>
        <source>云同步:有冲突文件待处理</source>
        <translation>مزامنة السحابة: توجد ملفات متعارضة بانتظارك</translation>
    </message>
    <message>
        <source>Not logged in:</source>
        <translation>لم يتم تسجيل الدخول:</translation>
    </message>
    <message>
        <source>正在上传文件</source>
        <translation>جارٍ رفع الملفات</translation>
    </message>
    <message>
        <source>文件上传结束</source>
        <translation>اكتمل الرفع</translation>
    </message>
    <message>
        <source>正在下载文件</source>
        <translation>جارٍ تنزيل الملفات</translation>
    </message>
    <message>
        <source>文件下载结束</source>
        <translation>اكتمل التنزيل</translation>
    </message>
    <message>
        <source>正在下载冲突文件</source>
        <translation>جارٍ تنزيل الملفات المتعارضة</translation>
    </message>
    <message>
        <source>下载冲突文件结束</source>
        <translation>اكتمل تنزيل الملفات المتعارضة</translation>
    </message>
    <message>
        <source>删除元数据失败</source>
        <translation>تعذر حذف البيانات الوصفية</translation>
    </message>
    <message>
        <source>删除远程文件失败</source>
        <translation>تعذر حذف الملف البعيد</translation>
    </message>
    <message>
        <source>删除远程文件失败:</source>
        <translation>تعذر حذف الملف البعيد:</translation>
    </message>
    <message>
        <source>上传失败</source>
        <translation>فشل الرفع</translation>
    </message>
    <message>
        <source>上传失败:</source>
        <translation>فشل الرفع:</translation>
    </message>
    <message>
        <source>更新元数据失败</source>
        <translation>تعذر تحديث البيانات الوصفية</translation>
    </message>
    <message>
        <source>更新元数据失败:</source>
        <translation>تعذر تحديث البيانات الوصفية:</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>فشل التنزيل</translation>
    </message>
    <message>
        <source>下载失败:</source>
        <translation>فشل التنزيل:</translation>
    </message>
    <message>
        <source>删除文件不存在</source>
        <translation>الملف المراد حذفه غير موجود</translation>
    </message>
    <message>
        <source>删除文件不存在::</source>
        <translation>الملف المراد حذفه غير موجود::</translation>
    </message>
    <message>
        <source>删除文件失败</source>
        <translation>تعذر حذف الملف</translation>
    </message>
    <message>
        <source>删除文件失败:</source>
        <translation>تعذر حذف الملف:</translation>
    </message>
    <message>
        <source>写文件失败</source>
        <translation>تعذرت كتابة الملف</translation>
    </message>
    <message>
        <source>写文件失败:</source>
        <translation>تعذرت كتابة الملف:</translation>
    </message>
    <message>
        <source>写元数据失败</source>
        <translation>تعذرت كتابة البيانات الوصفية</translation>
    </message>
    <message>
        <source>写元数据失败:</source>
        <translation>تعذرت كتابة البيانات الوصفية:</translation>
    </message>
    <message>
        <source>写入文件失败:</source>
        <translation>تعذرت كتابة الملف:</translation>
    </message>
    <message>
        <source>冲突</source>
        <translation>تعارض</translation>
    </message>
    <message>
        <source>已退出登录，同步已停止</source>
        <translation>تم تسجيل الخروج؛ توقفت المزامنة</translation>
    </message>
    <message>
        <source>云同步已关闭，同步已停止</source>
        <translation>تم إيقاف المزامنة السحابية؛ توقفت المزامنة</translation>
    </message>
    <message>
        <source>程序退出，同步已停止</source>
        <translation>يتم إغلاق البرنامج؛ توقفت المزامنة</translation>
    </message>
    <message>
        <source>账号已切换，同步已停止</source>
        <translation>تم تبديل الحساب؛ توقفت المزامنة</translation>
    </message>
    <message>
        <source>文档目录已更换，同步已停止</source>
        <translation>تغيّر مجلد المستندات؛ توقفت المزامنة</translation>
    </message>
    <message>
        <source>网络连接失败</source>
        <translation>فشل الاتصال بالشبكة</translation>
    </message>
    <message>
        <source>同步中断</source>
        <translation>انقطعت المزامنة</translation>
    </message>
    <message>
        <source>同步中断:</source>
        <translation>انقطعت المزامنة:</translation>
    </message>
    <message>
        <source>文件在同步时被修改</source>
        <translation>تم تعديل الملف أثناء المزامنة</translation>
    </message>
    <message>
        <source>文件在同步时被修改:</source>
        <translation>تم تعديل الملف أثناء المزامنة:</translation>
    </message>
    <message>
        <source>文档目录上次由另一个账号同步，等待选择</source>
        <translation>آخر مزامنة لمجلد المستندات كانت بحساب آخر؛ بانتظار اختيارك</translation>
    </message>
    <message>
        <source>无法读取本地文件</source>
        <translation>تعذّرت قراءة الملف المحلي</translation>
    </message>
    <message>
        <source>无法保存历史记录</source>
        <translation>تعذّر حفظ نسخة السجل</translation>
    </message>
    <message>
        <source>同步结束，有文件未能同步</source>
        <translation>انتهت المزامنة، وتعذرت مزامنة بعض الملفات</translation>
    </message>
    <message>
        <source>云同步结束，有文件未能同步:</source>
        <translation>انتهت المزامنة السحابية، وتعذرت مزامنة بعض الملفات:</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>خطأ غير معروف</translation>
    </message>
</context>
<context>
    <name>data</name>
    <message>
        <source>字数统计保存失败</source>
        <translation>تعذر حفظ إحصاءات الكلمات</translation>
    </message>
    <message>
        <source>please login first</source>
        <translation>يرجى تسجيل الدخول أولًا</translation>
    </message>
    <message>
        <source>同步本周字数成功(无变更)</source>
        <translation>تمت مزامنة كلمات الأسبوع (لا تغيير)</translation>
    </message>
    <message>
        <source>同步本月字数成功(无变更)</source>
        <translation>تمت مزامنة كلمات الشهر (لا تغيير)</translation>
    </message>
    <message>
        <source>同步今年字数成功(无变更)</source>
        <translation>تمت مزامنة كلمات العام (لا تغيير)</translation>
    </message>
    <message>
        <source>同步今日字数成功(无变更)</source>
        <translation>تمت مزامنة كلمات اليوم (لا تغيير)</translation>
    </message>
    <message>
        <source>同步今日字数失败</source>
        <translation>تعذرت مزامنة كلمات اليوم</translation>
    </message>
    <message>
        <source>同步今日字数成功(已上传)</source>
        <translation>تمت مزامنة كلمات اليوم (رُفعت)</translation>
    </message>
</context>
<context>
    <name>fileordermaplist</name>
    <message>
        <source>无法保存书籍顺序：</source>
        <translation>تعذر حفظ ترتيب الكتب: </translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>第%1章</source>
        <translation>الفصل %1</translation>
    </message>
    <message>
        <source>NewBook</source>
        <translation>كتاب_جديد</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>没有选中的文件</source>
        <translation>لم يُحدد أي ملف</translation>
    </message>
    <message>
        <source>只能删除文档文件夹中的文件：%1</source>
        <translation>يمكن حذف ملفات مجلد المستندات فقط: %1</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件未删除：%1</source>
        <translation>تعذر حفظ السجل، لم يُحذف الملف: %1</translation>
    </message>
    <message>
        <source>删除失败：%1</source>
        <translation>فشل الحذف: %1</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件夹未删除：%1</source>
        <translation>تعذر حفظ السجل، لم يُحذف المجلد: %1</translation>
    </message>
    <message>
        <source>无法重命名</source>
        <translation>تعذرت إعادة التسمية</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件已存在</source>
        <translation>تعذرت إعادة التسمية: يوجد ملف بهذا الاسم</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件夹已存在</source>
        <translation>تعذرت إعادة التسمية: يوجد مجلد بهذا الاسم</translation>
    </message>
    <message>
        <source>新笔记 %1</source>
        <translation>ملاحظة جديدة %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>الملاحظات</translation>
    </message>
    <message>
        <source>无法读取历史记录：%1</source>
        <translation>تعذرت قراءة السجل: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复：%1</source>
        <translation>تعذر حفظ المحتوى الحالي في السجل؛ لم يُستعد شيء: %1</translation>
    </message>
    <message>
        <source>恢复失败：%1</source>
        <translation>فشلت الاستعادة: %1</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>المجلد الجذر</translation>
    </message>
    <message>
        <source>已存在相同内容，未导入：%1</source>
        <translation>المحتوى نفسه موجود بالفعل، لم يُستورد: %1</translation>
    </message>
    <message>
        <source>未能导入：%1</source>
        <translation>تعذر الاستيراد: %1</translation>
    </message>
    <message>
        <source>Directory not exists</source>
        <translation>المجلد غير موجود</translation>
    </message>
    <message>
        <source>目标文件夹不在文件目录下, 默认导入到文件目录下</source>
        <translation>المجلد الهدف خارج مجلد المستندات؛ سيُستورد إلى مجلد المستندات</translation>
    </message>
    <message>
        <source>您要导入的文件夹与目标文件夹相同,不用导入这个文件夹</source>
        <translation>المجلد المراد استيراده هو المجلد الهدف نفسه؛ لا شيء للاستيراد</translation>
    </message>
    <message>
        <source>不能导出到书中的文档：%1</source>
        <translation>لا يمكن التصدير إلى مستند من الكتاب: %1</translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation>فشل التصدير: %1</translation>
    </message>
    <message>
        <source>文档名须以“.txt”或“.md”结尾</source>
        <translation>يجب أن ينتهي اسم المستند بـ ".txt" أو ".md"</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>不在文件目录内</source>
        <translation>ليس في مجلد المستندات</translation>
    </message>
    <message>
        <source>没有空闲的文件名</source>
        <translation>لا يوجد اسم ملف متاح</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>不能覆盖文档库中已有的文件：%1</source>
        <translation>لا يمكن الكتابة فوق ملف موجود في المكتبة: %1</translation>
    </message>
    <message>
        <source>是否确认删除书“%1”及其中的全部文档？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>هل تريد حذف الكتاب "%1" وكل مستنداته؟ تُحفظ نسخ مأخوذة قبل الحذف في السجل (الأدوات ← السجل).</translation>
    </message>
    <message>
        <source>是否确认删除“%1”？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>هل تريد حذف "%1"؟ تُحفظ نسخة مأخوذة قبل الحذف في السجل (الأدوات ← السجل).</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件导入到 %1</source>
        <translation>
            <numerusform>لم يُستورد أي ملف إلى %1</numerusform>
            <numerusform>استُورد ملف واحد إلى %1</numerusform>
            <numerusform>استُورد ملفان إلى %1</numerusform>
            <numerusform>استُوردت %n ملفات إلى %1</numerusform>
            <numerusform>استُورد %n ملفًا إلى %1</numerusform>
            <numerusform>استُورد %n ملف إلى %1</numerusform>
        </translation>
    </message>
    <message>
        <source>以下文件不保存副本，删除后无法恢复：%1</source>
        <translation>لا تُحفظ نسخة من هذه الملفات ولا يمكن استعادتها بعد الحذف: %1</translation>
    </message>
    <message>
        <source>是否要删除“%1”？删除后不能恢复。</source>
        <translation>هل تريد حذف "%1"؟ لا يمكن استعادته بعد الحذف.</translation>
    </message>
    <message numerus="yes">
        <source>……以及另外 %n 个文件</source>
        <translation>
            <numerusform>… ولا ملفات أخرى</numerusform>
            <numerusform>… وملف آخر</numerusform>
            <numerusform>… وملفان آخران</numerusform>
            <numerusform>… و%n ملفات أخرى</numerusform>
            <numerusform>… و%n ملفًا آخر</numerusform>
            <numerusform>… و%n ملف آخر</numerusform>
        </translation>
    </message>
    <message>
        <source>未恢复：</source>
        <translation>لم تتم الاستعادة: </translation>
    </message>
    <message>
        <source>无法确定“%1”属于哪个文档</source>
        <translation>تعذّر معرفة المستند الذي تنتمي إليه «%1»</translation>
    </message>
    <message>
        <source>多个文档名为“%1”：请在文件树中该文档的历史记录里恢复</source>
        <translation>توجد عدة مستندات باسم «%1»: استعده من سجل ذلك المستند في شجرة الملفات</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，不会被改写</source>
        <translation>يحتوي هذا الملف على بايتات ليست نص %1؛ لن تتم الكتابة فيه</translation>
    </message>
</context>
<context>
    <name>function</name>
    <message>
        <source>无此功能</source>
        <translation>غير متاح</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>Do you confirm deletion? Deleted files will not be recovered.</source>
        <translation>هل تؤكد الحذف؟ لن يمكن استعادة الملفات المحذوفة.</translation>
    </message>
    <message>
        <source>复制失败：</source>
        <translation>فشل النسخ: </translation>
    </message>
    <message>
        <source>移动失败：</source>
        <translation>فشل النقل: </translation>
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
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>你好:</source>
        <translation>مرحبًا،</translation>
    </message>
    <message>
        <source>关于%1，我有一些建议。</source>
        <translation>لدي بعض الاقتراحات بشأن %1.</translation>
    </message>
    <message>
        <source>(系统版本:%1  软件版本:%2)</source>
        <translation>(إصدار النظام: %1  إصدار البرنامج: %2)</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>المجلد غير موجود</translation>
    </message>
    <message>
        <source>这是一个文件，不是文件夹</source>
        <translation>هذا ملف وليس مجلدًا</translation>
    </message>
    <message>
        <source>这是文件系统的根目录</source>
        <translation>هذا هو المجلد الجذر لنظام الملفات</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>لا يوجد إذن بالكتابة</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。已改用默认文件夹。</source>
        <translation>لا يمكن استخدام مجلد المستندات %1: %2. سيُستخدم المجلد الافتراضي.</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。</source>
        <translation>لا يمكن استخدام مجلد المستندات %1: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>偏好设置</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>打卡</source>
        <translation>تسجيل الحضور</translation>
    </message>
    <message>
        <source>闯关正在进行中，如果此时退出，直接判定闯关失败，扣除的闯关门票不退还。确定要退出吗？</source>
        <translation>هناك تحدٍّ جارٍ. الخروج الآن يعني الإخفاق فيه ولن تُسترد الرسوم. هل تريد الخروج رغم ذلك؟</translation>
    </message>
    <message>
        <source>尚有正在进行中的闯关:</source>
        <translation>ما زال هناك تحدٍّ جارٍ:</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>关卡</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>点击确定，重进进入闯关模式，不需要门票。点击取消，放弃闯关，之前支付的门票积分不予退还。</source>
        <translation>اضغط موافق للعودة إلى التحدي دون دفع جديد، أو إلغاء للتخلي عنه؛ لن تُسترد نقاط رسوم الدخول المدفوعة.</translation>
    </message>
    <message>
        <source>按 %1 键即可退出Lumo模式</source>
        <translation>اضغط %1 للخروج من وضع Lumo</translation>
    </message>
    <message>
        <source>窗口已置顶</source>
        <translation>النافذة تبقى في المقدمة</translation>
    </message>
    <message>
        <source>窗口已取消置顶</source>
        <translation>لم تعد النافذة تبقى في المقدمة</translation>
    </message>
    <message>
        <source>锁定状态不能取消窗口置顶</source>
        <translation>أثناء القفل تبقى النافذة في المقدمة</translation>
    </message>
    <message>
        <source>锁定状态不能退出程序</source>
        <translation>لا يمكن الخروج أثناء القفل</translation>
    </message>
    <message>
        <source>有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。</source>
        <translation>تعذّر حفظ مستند، لذا لم يُغلق البرنامج. إذا خرجت مرة أخرى فسيُنسخ النص غير المحفوظ إلى مكان آخر وسيخبرك التشغيل التالي بمكانه.</translation>
    </message>
    <message>
        <source>上次退出时有文档未能保存，未保存的内容已存入：%1</source>
        <translation>تعذّر حفظ بعض المستندات عند آخر إنهاء للبرنامج؛ حُفظ نصها غير المحفوظ في: %1</translation>
    </message>
    <message>
        <source>上次打开的文件已不存在：%1</source>
        <translation>الملف المفتوح آخر مرة لم يعد موجودًا: %1</translation>
    </message>
</context>
<context>
    <name>myRankingData</name>
    <message>
        <source>立入禁止</source>
        <translation>ممنوع الدخول</translation>
    </message>
    <message>
        <source>此房间为邀请制，需要房主邀请才能进入。</source>
        <translation>هذه الغرفة بالدعوة فقط؛ يجب أن يدعوك صاحبها.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>غادرت الغرفة %1</translation>
    </message>
</context>
<context>
    <name>network</name>
    <message>
        <source>未配置服务器地址</source>
        <translation>لم يُضبط عنوان الخادم</translation>
    </message>
    <message>
        <source>错误码:</source>
        <translation>رمز الخطأ:</translation>
    </message>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>تعذر حفظ ملف ذاكرة التخزين المؤقت: </translation>
    </message>
</context>
<context>
    <name>oss</name>
    <message>
        <source>This path is not authorized by the server</source>
        <translation>هذا المسار غير مصرّح به من الخادم</translation>
    </message>
    <message>
        <source>云端的回答不是文件列表</source>
        <translation>رد السحابة ليس قائمة ملفات</translation>
    </message>
    <message>
        <source>云端的回答不是存储服务的回答</source>
        <translation>الرد لم يأتِ من خدمة التخزين</translation>
    </message>
    <message>
        <source>云端文件列表不完整</source>
        <translation>قائمة ملفات السحابة غير مكتملة</translation>
    </message>
</context>
<context>
    <name>update</name>
    <message>
        <source>有新版:</source>
        <translation>إصدار جديد: </translation>
    </message>
    <message>
        <source>恭喜，已经是最新版了</source>
        <translation>تهانينا، هذا أحدث إصدار</translation>
    </message>
    <message>
        <source>连接更新服务器失败!</source>
        <translation>تعذر الاتصال بخادم التحديث!</translation>
    </message>
</context>
</TS>
