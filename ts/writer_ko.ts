<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>版本号</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Penlark 是为长篇作者写作的专注写作软件。
版权所有 © Penlark 开发者。</source>
        <translation>Penlark는 장편 작가를 위한 집필 프로그램입니다.
Copyright © Penlark 개발자</translation>
    </message>
    <message>
        <source>立即更新</source>
        <translation>지금 업데이트</translation>
    </message>
    <message>
        <source>检查新版本</source>
        <translation>새 버전 확인</translation>
    </message>
</context>
<context>
    <name>AnalysisSyncWorker</name>
    <message>
        <source>获取云端列表出错</source>
        <translation>클라우드 파일 목록을 가져올 수 없습니다</translation>
    </message>
    <message>
        <source>获取云端列表出错:</source>
        <translation>클라우드 파일 목록을 가져올 수 없습니다:</translation>
    </message>
</context>
<context>
    <name>AutoChapterPage</name>
    <message>
        <source>自动章节</source>
        <translation>자동 챕터</translation>
    </message>
    <message>
        <source>(无标题)</source>
        <translation>(제목 없음)</translation>
    </message>
    <message>
        <source>没有章节</source>
        <translation>챕터가 없습니다</translation>
    </message>
    <message numerus="yes">
        <source>%n 章</source>
        <translation>
            <numerusform>챕터 %n개</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BarGraph</name>
    <message>
        <source>柱状图</source>
        <translation>막대 그래프</translation>
    </message>
</context>
<context>
    <name>ClockInPage</name>
    <message>
        <source>打卡</source>
        <translation>출석 체크</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>포인트</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>로그인하지 않음</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>매일 로그인 시 10포인트</translation>
    </message>
</context>
<context>
    <name>CloudButton</name>
    <message>
        <source>云同步</source>
        <translation>클라우드 동기화</translation>
    </message>
</context>
<context>
    <name>CloudSheet</name>
    <message>
        <source>正在云同步</source>
        <translation>클라우드와 동기화 중</translation>
    </message>
    <message>
        <source>不同步，直接退出</source>
        <translation>동기화하지 않고 종료</translation>
    </message>
</context>
<context>
    <name>ConflictPage</name>
    <message>
        <source>冲突选择</source>
        <translation>충돌 해결</translation>
    </message>
    <message>
        <source>留下这个，删除另一个</source>
        <translation>이것을 남기고 다른 것은 삭제</translation>
    </message>
    <message>
        <source>All Keep</source>
        <translation>모두 유지</translation>
    </message>
    <message>
        <source>本机</source>
        <translation>이 컴퓨터</translation>
    </message>
    <message>
        <source>云端</source>
        <translation>클라우드</translation>
    </message>
</context>
<context>
    <name>CountChartWindow</name>
    <message>
        <source>统计卡片</source>
        <translation>통계 카드</translation>
    </message>
    <message>
        <source>近期字数</source>
        <translation>최근 글자 수</translation>
    </message>
    <message>
        <source>近期速度</source>
        <translation>최근 속도</translation>
    </message>
    <message>
        <source>近期用时</source>
        <translation>최근 시간</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>오늘 글자 수</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>오늘 속도</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>오늘 시간</translation>
    </message>
    <message>
        <source>剩余锁定时间(分钟):</source>
        <translation>남은 잠금 시간(분):</translation>
    </message>
    <message>
        <source>锁定时间没有启动</source>
        <translation>시간 잠금 미시작</translation>
    </message>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>남은 잠금 글자 수(유효 글자 수): </translation>
    </message>
    <message>
        <source>锁定字数没有启动</source>
        <translation>글자 수 잠금 미시작</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n자</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n자/분</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountLabel</name>
    <message>
        <source>字数: </source>
        <translation>글자 수: </translation>
    </message>
    <message>
        <source>统计中…</source>
        <translation>세는 중…</translation>
    </message>
    <message>
        <source>本章: </source>
        <translation>이 챕터: </translation>
    </message>
    <message>
        <source>光标前: </source>
        <translation>커서 앞: </translation>
    </message>
    <message>
        <source>选中: </source>
        <translation>선택: </translation>
    </message>
</context>
<context>
    <name>CreateRoomSheet</name>
    <message>
        <source>创建房间</source>
        <translation>방 만들기</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>房间名称</source>
        <translation>방 이름</translation>
    </message>
    <message>
        <source>进入房间需要输入密码</source>
        <translation>방 입장 시 비밀번호 필요</translation>
    </message>
    <message>
        <source>房间密码</source>
        <translation>방 비밀번호</translation>
    </message>
    <message>
        <source>重新键入</source>
        <translation>다시 입력</translation>
    </message>
</context>
<context>
    <name>DataTypeClass</name>
    <message>
        <source>文件已损坏且无法移开，未覆盖</source>
        <translation>파일이 손상되어 옮길 수 없으므로 덮어쓰지 않았습니다</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>폴더입니다</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>无法完整读取文件</source>
        <translation>파일을 온전히 읽을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>DocumentTabPage</name>
    <message>
        <source>Open a document</source>
        <translation>문서 열기</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>New a document</source>
        <translation>새 문서</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source> (已删除)</source>
        <translation> (삭제됨)</translation>
    </message>
    <message>
        <source> (外部文档)</source>
        <translation> (외부 문서)</translation>
    </message>
    <message>
        <source>请稍等,等正在载入中的文件载入完成后再打开。</source>
        <translation>불러오는 중인 파일이 끝날 때까지 기다린 후 다시 여세요.</translation>
    </message>
    <message>
        <source>保存失败，文档没有关闭。</source>
        <translation>저장에 실패하여 문서를 닫지 않았습니다.</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>저장했습니다</translation>
    </message>
    <message>
        <source>保存并关闭文档</source>
        <translation>저장하고 문서 닫기</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>파일 가져오기</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>폴더 가져오기</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>"%1"을(를) 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>%1：选择“%2”菜单中的“%3”，或按 %4</source>
        <translation>%1: "%2" 메뉴에서 "%3"을(를) 고르거나 %4 키를 누르세요</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存。未保存的文字已存入：%1
关闭这个文档吗？</source>
        <translation>파일이 삭제되어 저장할 수 없습니다. 저장되지 않은 글은 다음 위치에 보관했습니다: %1
이 문서를 닫을까요?</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存，未保存的文字也无处存放：关闭后这些文字会丢失。
关闭这个文档吗？</source>
        <translation>파일이 삭제되어 저장할 수 없고, 저장되지 않은 글을 보관할 곳도 없습니다. 닫으면 이 글은 사라집니다.
이 문서를 닫을까요?</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>압축 파일을 열 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>FileHistoryPage</name>
    <message>
        <source>History</source>
        <translation>기록</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>새 폴더</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>새 파일</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>정렬</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>클라우드 동기화</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>还没有文档</source>
        <translation>아직 문서가 없습니다</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>폴더에서 보기</translation>
    </message>
    <message>
        <source>合并并导出文档：</source>
        <translation>문서를 병합하여 내보내기: </translation>
    </message>
</context>
<context>
    <name>FindWidget</name>
    <message>
        <source>替换</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>결과 없음</translation>
    </message>
    <message>
        <source>正则表达式</source>
        <translation>정규식</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>대소문자 구분</translation>
    </message>
    <message>
        <source>向上查找</source>
        <translation>이전 찾기</translation>
    </message>
    <message>
        <source>向下查找</source>
        <translation>다음 찾기</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>모두</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>모두 바꾸기</translation>
    </message>
    <message>
        <source>确认全部替换？</source>
        <translation>모두 바꿀까요?</translation>
    </message>
</context>
<context>
    <name>FolderAccountSheet</name>
    <message>
        <source>文档目录属于另一个账号</source>
        <translation>문서 폴더가 다른 계정의 것입니다</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由账号“%2”同步。</source>
        <translation>문서 폴더 “%1”은(는) 마지막으로 계정 “%2”이(가) 동기화했습니다.</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由另一个账号同步。</source>
        <translation>문서 폴더 “%1”은(는) 마지막으로 다른 계정이 동기화했습니다.</translation>
    </message>
    <message>
        <source>要把其中的文档合并到当前账号“%1”，还是为当前账号另选一个文档目录？选择之前，不会上传、下载或删除任何文档。</source>
        <translation>그 문서를 로그인한 계정 “%1”(으)로 합칠까요, 아니면 이 계정에 다른 문서 폴더를 고를까요? 고르기 전에는 어떤 문서도 올리거나 내려받거나 지우지 않습니다.</translation>
    </message>
    <message>
        <source>合并到当前账号</source>
        <translation>이 계정으로 합치기</translation>
    </message>
    <message>
        <source>另选文档目录</source>
        <translation>다른 문서 폴더 선택</translation>
    </message>
</context>
<context>
    <name>FontSizeBox</name>
    <message>
        <source>放大字体</source>
        <translation>글꼴 크게</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>글꼴 작게</translation>
    </message>
</context>
<context>
    <name>FormatManager</name>
    <message>
        <source>OpenDocument Text</source>
        <translation>OpenDocument 텍스트</translation>
    </message>
    <message>
        <source>OpenDocument Flat XML</source>
        <translation>OpenDocument 플랫 XML</translation>
    </message>
    <message>
        <source>Office Open XML</source>
        <translation>Office Open XML</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>서식 있는 텍스트</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>일반 텍스트</translation>
    </message>
    <message>
        <source>Markdown Text</source>
        <translation>Markdown 텍스트</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>모든 파일</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>지원되는 모든 파일</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>文档类型声明了实体或属性默认值（%1），已拒绝读取。</source>
        <translation>문서 형식 선언에 엔터티 또는 속성 기본값(%1)이 있습니다. 문서를 거부했습니다.</translation>
    </message>
    <message>
        <source>不支持文档的编码 %1。</source>
        <translation>문서 인코딩 %1은(는) 지원되지 않습니다.</translation>
    </message>
    <message>
        <source>文档中有不符合其编码的字节。</source>
        <translation>문서에 인코딩과 맞지 않는 바이트가 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>文档过大：超过 %n 个字符，已停止读取。</source>
        <translation>
            <numerusform>문서가 너무 큽니다(%n자 초과). 읽기를 멈췄습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档段落过多：超过 %n 段，已停止读取。</source>
        <translation>
            <numerusform>문서 문단이 너무 많습니다(%n개 초과). 읽기를 멈췄습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档元素过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>문서 요소가 너무 많습니다(%n개 초과). 읽기를 멈췄습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>读取文档超时：超过 %n 秒，已停止读取。</source>
        <translation>
            <numerusform>문서를 읽는 데 너무 오래 걸렸습니다(%n초 초과). 읽기를 멈췄습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档嵌套过深：超过 %n 层，已停止读取。</source>
        <translation>
            <numerusform>문서 중첩이 너무 깊습니다(%n단계 초과). 읽기를 멈췄습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档中一个元素的属性过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>문서의 한 요소에 속성이 너무 많습니다(%n개 초과). 읽기를 멈췄습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>文档解压后的内容远多于其中的文字，已停止读取。</source>
        <translation>문서의 압축을 풀면 본문에 비해 지나치게 큽니다. 읽기를 중단했습니다.</translation>
    </message>
    <message>
        <source>文档中的空段落远多于有文字的段落，已停止读取。</source>
        <translation>문서에 본문이 있는 단락보다 빈 단락이 훨씬 많습니다. 읽기를 중단했습니다.</translation>
    </message>
</context>
<context>
    <name>FullTimerWidget</name>
    <message>
        <source>当前时间</source>
        <translation>현재 시각</translation>
    </message>
</context>
<context>
    <name>FunctionBar</name>
    <message>
        <source>隐藏</source>
        <translation>숨기기</translation>
    </message>
</context>
<context>
    <name>FunctionTitleBar</name>
    <message>
        <source>返回</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>최소화</translation>
    </message>
</context>
<context>
    <name>GlobalMessage</name>
    <message>
        <source>新版已发布...</source>
        <translation>새 버전이 나왔습니다…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>지금 업데이트</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>단축키</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>历史记录</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>没有历史记录</source>
        <translation>기록이 없습니다</translation>
    </message>
    <message>
        <source>文档正在载入或不能修改，未恢复。</source>
        <translation>문서를 불러오는 중이거나 바꿀 수 없습니다. 복원하지 않았습니다.</translation>
    </message>
    <message>
        <source>已恢复“%1”，恢复前的内容已存入历史记录。</source>
        <translation>"%1"을(를) 복원했습니다. 복원 전 내용은 기록에 저장되어 있습니다.</translation>
    </message>
    <message>
        <source>未能保存的内容</source>
        <translation>저장하지 못한 내용</translation>
    </message>
</context>
<context>
    <name>HomeBar</name>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>자동 챕터</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>글자 수 통계</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>글쓰기 방</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>챌린지</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>내 계정</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Lumo 모드 종료</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Lumo 모드 시작</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <source>选择图片</source>
        <translation>이미지 선택</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>이미지</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>제거</translation>
    </message>
</context>
<context>
    <name>ImageCropSheet</name>
    <message>
        <source>剪裁</source>
        <translation>자르기</translation>
    </message>
</context>
<context>
    <name>LazyEdit</name>
    <message>
        <source>未命名文件</source>
        <translation>제목 없음</translation>
    </message>
    <message>
        <source>等待同步</source>
        <translation>동기화 대기 중</translation>
    </message>
    <message>
        <source>过滤期间文档已被修改，过滤结果未应用。</source>
        <translation>필터링 중 문서가 바뀌어 결과를 적용하지 않았습니다.</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>选中当前章节</source>
        <translation>현재 챕터 선택</translation>
    </message>
    <message>
        <source>转到文档开始</source>
        <translation>문서 처음으로</translation>
    </message>
    <message>
        <source>转到文档结尾</source>
        <translation>문서 끝으로</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>원클릭 조판</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>클라우드 동기화</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>자동 모드</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>페이지 모드</translation>
    </message>
</context>
<context>
    <name>LazyTextDocument</name>
    <message>
        <source>未支持的打开方式</source>
        <translation>지원하지 않는 열기 방식입니다</translation>
    </message>
    <message>
        <source>无法打开文件: </source>
        <translation>파일을 열 수 없습니다: </translation>
    </message>
    <message>
        <source>Cannot save: </source>
        <translation>저장할 수 없습니다: </translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>로컬 파일이 아닙니다</translation>
    </message>
    <message>
        <source>文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。</source>
        <translation>다른 프로그램이 파일을 변경했습니다. 저장하지 않은 변경 내용은 편집기에 남아 있으며, 저장하면 다른 프로그램의 변경 내용을 덮어씁니다.</translation>
    </message>
    <message>
        <source>已经是章节标题了</source>
        <translation>이미 챕터 제목입니다</translation>
    </message>
    <message>
        <source>第%1章</source>
        <translation>제%1장</translation>
    </message>
    <message>
        <source>排版期间文档已被修改，排版结果未应用。</source>
        <translation>조판 중 문서가 바뀌어 결과를 적용하지 않았습니다.</translation>
    </message>
    <message>
        <source>从头开始查找</source>
        <translation>처음부터 찾습니다</translation>
    </message>
    <message>
        <source>从结尾开始查找</source>
        <translation>끝에서부터 찾습니다</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>찾을 수 없음</translation>
    </message>
    <message>
        <source>无法保存历史记录：</source>
        <translation>기록을 저장할 수 없습니다: </translation>
    </message>
    <message>
        <source>文件正在载入</source>
        <translation>파일을 불러오는 중입니다</translation>
    </message>
    <message>
        <source>无法保存过滤前的历史记录，过滤结果未应用。</source>
        <translation>필터링 전 텍스트를 기록에 저장할 수 없어 필터 결과를 적용하지 않았습니다.</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，保存会改变它们：文件以只读方式打开，不会被保存。</source>
        <translation>이 파일에는 %1 텍스트가 아닌 바이트가 있습니다. 저장하면 바뀌므로 읽기 전용으로 열고 저장하지 않습니다.</translation>
    </message>
    <message>
        <source>未保存的修改已存入：%1</source>
        <translation>저장되지 않은 변경 내용을 다음 위치에 보관했습니다: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改并重新载入，未保存的修改已存入：%1</source>
        <translation>다른 프로그램이 파일을 변경하여 다시 불러왔습니다. 저장되지 않은 변경 내용은 다음 위치에 보관했습니다: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改，已重新载入。</source>
        <translation>다른 프로그램이 파일을 변경하여 다시 불러왔습니다.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改无处存放，仍在编辑器中。</source>
        <translation>파일이 이동되거나 삭제되었습니다. 저장되지 않은 변경 내용을 보관할 곳이 없어 편집기에 남아 있습니다.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改已存入：%1</source>
        <translation>파일이 이동되거나 삭제되었습니다. 저장되지 않은 변경 내용을 다음 위치에 보관했습니다: %1</translation>
    </message>
    <message>
        <source>无法读取文件（没有权限）：%1。未保存的修改仍在编辑器中，能读取后再保存。</source>
        <translation>파일을 읽을 수 없습니다(권한 없음): %1. 저장되지 않은 변경 사항은 편집기에 남아 있습니다. 읽을 수 있게 되면 다시 저장하세요.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本无处存放。</source>
        <translation>저장하는 동안 다른 프로그램도 파일을 수정했습니다. 그 버전은 보관할 곳이 없습니다.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本已存入：%1</source>
        <translation>저장하는 동안 다른 프로그램도 파일을 수정했습니다. 그 버전은 다음 위치에 보관했습니다: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复。</source>
        <translation>현재 내용을 기록에 저장할 수 없습니다. 복원하지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>LibraryPath</name>
    <message>
        <source>无法新建文件：</source>
        <translation>파일을 만들 수 없습니다: </translation>
    </message>
</context>
<context>
    <name>Locker</name>
    <message>
        <source>已锁定</source>
        <translation>잠금됨</translation>
    </message>
    <message>
        <source>已解锁</source>
        <translation>잠금 해제됨</translation>
    </message>
</context>
<context>
    <name>LockerLabel</name>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>남은 잠금 글자 수(유효 글자 수): </translation>
    </message>
    <message>
        <source>剩余锁定时间(秒):</source>
        <translation>남은 잠금 시간(초):</translation>
    </message>
    <message>
        <source>距离刷新锁定数据剩余时间(秒):</source>
        <translation>잠금 정보 갱신까지(초):</translation>
    </message>
    <message>
        <source>当前处于锁定状态</source>
        <translation>현재 잠금 상태</translation>
    </message>
</context>
<context>
    <name>LoginPage</name>
    <message>
        <source>登录</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>가입</translation>
    </message>
    <message>
        <source>用户名或邮箱不能为空</source>
        <translation>사용자 이름 또는 이메일을 입력하세요</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>用户名不能为空</source>
        <translation>사용자 이름을 입력하세요</translation>
    </message>
    <message>
        <source>邮箱不能为空</source>
        <translation>이메일을 입력하세요</translation>
    </message>
    <message>
        <source>确认密码不能为空</source>
        <translation>비밀번호를 다시 입력하세요</translation>
    </message>
    <message>
        <source>两次输入的密码不一致</source>
        <translation>비밀번호가 일치하지 않습니다</translation>
    </message>
    <message>
        <source>验证码不能为空</source>
        <translation>인증 코드를 입력하세요</translation>
    </message>
    <message>
        <source>注册成功，您可以登陆了</source>
        <translation>가입되었습니다. 이제 로그인할 수 있습니다.</translation>
    </message>
    <message>
        <source>用户名或邮箱</source>
        <translation>사용자 이름 또는 이메일</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>자동 로그인</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>비밀번호 찾기</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>비밀번호 확인</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>인증 코드</translation>
    </message>
    <message>
        <source>创建新账户</source>
        <translation>계정 만들기</translation>
    </message>
    <message>
        <source>未配置服务器地址，无法登录或注册。</source>
        <translation>서버 주소가 설정되지 않아 로그인과 가입을 할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>LoginPasswordWidget</name>
    <message>
        <source>启动密码错误</source>
        <translation>시작 비밀번호가 틀렸습니다</translation>
    </message>
    <message>
        <source>注意启动密码不是您用户账号的密码。
而是您在软件偏好设置中设置的启动密码。
此功能可以在本软件的偏好设置中取消。</source>
        <translation>참고: 시작 비밀번호는 계정 비밀번호가 아닙니다.
프로그램 환경설정에서 정한 시작 비밀번호입니다.
환경설정에서 끌 수 있습니다.</translation>
    </message>
    <message>
        <source>请输入启动密码</source>
        <translation>시작 비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>시작 비밀번호</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>들어가기</translation>
    </message>
</context>
<context>
    <name>LumoCounter</name>
    <message>
        <source>Counting chapters, please try again later</source>
        <translation>챕터를 세는 중입니다. 잠시 후 다시 시도하세요</translation>
    </message>
</context>
<context>
    <name>LumoFileSystemModel</name>
    <message>
        <source>名称不能为空</source>
        <translation>이름을 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>名称不能包含“/”、“\”或“..”</source>
        <translation>이름에 "/", "\", ".."를 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>名称太长</source>
        <translation>이름이 너무 깁니다</translation>
    </message>
    <message>
        <source>指定名称的文件已存在</source>
        <translation>같은 이름의 파일이 이미 있습니다</translation>
    </message>
    <message>
        <source>名称不能以“.”开头</source>
        <translation>이름은 "."으로 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>“%1”是程序自用的名称</source>
        <translation>"%1"은(는) 프로그램이 쓰는 이름입니다</translation>
    </message>
</context>
<context>
    <name>LumoTheme</name>
    <message>
        <source>跟随主题</source>
        <translation>시스템 따르기</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>기본 흰색</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>기본 검정</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>파우더 핑크</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>상쾌한 초록</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>하늘색</translation>
    </message>
    <message>
        <source>电纸书</source>
        <translation>전자책</translation>
    </message>
</context>
<context>
    <name>MarkModel</name>
    <message>
        <source>无法保存标记：</source>
        <translation>표시를 저장할 수 없습니다: </translation>
    </message>
    <message>
        <source>文件无法读取，未覆盖</source>
        <translation>파일을 읽을 수 없어 덮어쓰지 않았습니다</translation>
    </message>
</context>
<context>
    <name>MarkTextWidget</name>
    <message>
        <source>标记</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>删除此标记</source>
        <translation>이 표시 삭제</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>标记内容
(可为空,最多200字)
一般用作注释。</source>
        <translation>표시 내용
(선택, 200자까지)
보통 메모로 씁니다.</translation>
    </message>
    <message>
        <source>例如：
林远，男，二十七岁，
镇上书铺的掌柜，
寡言，爱下棋。
...</source>
        <translation>예:
린위안, 남, 스물일곱 살,
마을 서점 주인,
말수가 적고 장기를 좋아함.
...</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>색</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>MePage</name>
    <message>
        <source>个人中心</source>
        <translation>내 계정</translation>
    </message>
    <message>
        <source>您的新头像更新成功</source>
        <translation>새 아바타를 저장했습니다</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>포인트</translation>
    </message>
    <message>
        <source>头像设置</source>
        <translation>아바타</translation>
    </message>
    <message>
        <source>设置用户信息</source>
        <translation>프로필 편집</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>비밀번호 변경</translation>
    </message>
    <message>
        <source>退出登录</source>
        <translation>로그아웃</translation>
    </message>
</context>
<context>
    <name>MiniHomeBar</name>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>자동 챕터</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>글자 수 통계</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>글쓰기 방</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>챌린지</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>내 계정</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Lumo 모드 종료</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Lumo 모드 시작</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>관리</translation>
    </message>
</context>
<context>
    <name>NavigationItem</name>
    <message>
        <source>返回</source>
        <translation>뒤로</translation>
    </message>
</context>
<context>
    <name>NetworkReply</name>
    <message>
        <source>网络请求超时</source>
        <translation>네트워크 요청 시간이 초과되었습니다</translation>
    </message>
    <message>
        <source>收到的内容不完整</source>
        <translation>받은 내용이 불완전합니다</translation>
    </message>
</context>
<context>
    <name>NotesPage</name>
    <message>
        <source>笔记</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>创建新笔记</source>
        <translation>새 메모</translation>
    </message>
    <message>
        <source>删除笔记</source>
        <translation>메모 삭제</translation>
    </message>
    <message>
        <source>打开最近笔记</source>
        <translation>최근 메모 열기</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>목록 지우기</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <source>笔记</source>
        <translation>메모</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>압축 파일을 열 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>PasswordWindow</name>
    <message>
        <source>修改密码</source>
        <translation>비밀번호 변경</translation>
    </message>
    <message>
        <source>密码修改成功</source>
        <translation>비밀번호를 변경했습니다</translation>
    </message>
    <message>
        <source>旧密码</source>
        <translation>기존 비밀번호</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>새 비밀번호</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>비밀번호 확인</translation>
    </message>
</context>
<context>
    <name>PcMain</name>
    <message>
        <source>自动章节</source>
        <translation>자동 챕터</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>글자 수 통계</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>글쓰기 방</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>챌린지</translation>
    </message>
</context>
<context>
    <name>PhoneHomeTabBar</name>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>나</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>글자 수 통계</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>글쓰기 방</translation>
    </message>
</context>
<context>
    <name>Points</name>
    <message>
        <source>积分</source>
        <translation>포인트</translation>
    </message>
    <message>
        <source>读者感谢你的创作!</source>
        <translation>독자들이 당신의 글에 감사합니다!</translation>
    </message>
    <message>
        <source>开始就成功了一半,加油!</source>
        <translation>시작이 반입니다. 힘내세요!</translation>
    </message>
    <message>
        <source>超神!!!</source>
        <translation>전설급!!!</translation>
    </message>
    <message>
        <source>您今天已经创作了一万字以上！</source>
        <translation>오늘 만 자 넘게 썼습니다!</translation>
    </message>
</context>
<context>
    <name>PointsAwardRow</name>
    <message>
        <source>获取</source>
        <translation>받기</translation>
    </message>
    <message>
        <source>已获取</source>
        <translation>받음</translation>
    </message>
</context>
<context>
    <name>PointsWindow</name>
    <message>
        <source>积分</source>
        <translation>포인트</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>포인트</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>로그인하지 않음</translation>
    </message>
    <message>
        <source>首次登陆赠送100积分</source>
        <translation>첫 로그인 시 100포인트</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>매일 로그인 시 10포인트</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>偏好设置</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>键盘音效</source>
        <translation>키보드 소리</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>효과음</translation>
    </message>
    <message>
        <source>打字机音效</source>
        <translation>타자기 소리</translation>
    </message>
    <message>
        <source>水滴声音效</source>
        <translation>물방울 소리</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>시작 비밀번호 사용</translation>
    </message>
    <message>
        <source>使用 极简 布局</source>
        <translation>미니멀 레이아웃 사용</translation>
    </message>
    <message>
        <source>使用 自由 布局</source>
        <translation>자유 레이아웃 사용</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>클라우드 동기화</translation>
    </message>
    <message>
        <source>启用云同步</source>
        <translation>클라우드 동기화 사용</translation>
    </message>
    <message>
        <source>退出软件时执行云同步</source>
        <translation>종료할 때 동기화</translation>
    </message>
    <message>
        <source>快捷键方案</source>
        <translation>단축키 구성</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>가우시안 블러</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>편집기</translation>
    </message>
    <message>
        <source>默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。</source>
        <translation>기본 글자색은 테마를 따릅니다. 여기서 정한 색은 현재 테마에만 적용되며, 테마가 시스템을 따를 때는 시스템의 현재 밝은 또는 어두운 테마에만 적용됩니다.</translation>
    </message>
    <message>
        <source>编辑框模式</source>
        <translation>편집기 모드</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>페이지 모드</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>자동 모드</translation>
    </message>
    <message>
        <source>编辑框左右边距（自适应模式）</source>
        <translation>좌우 여백(자동 모드)</translation>
    </message>
    <message>
        <source>页面固定宽度（页面模式）</source>
        <translation>고정 페이지 너비(페이지 모드)</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>픽셀</translation>
    </message>
    <message>
        <source>汉字</source>
        <translation>글자</translation>
    </message>
    <message>
        <source>编辑框全局居中</source>
        <translation>편집기를 창 가운데에</translation>
    </message>
    <message>
        <source>默认字体</source>
        <translation>기본 글꼴</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>글자 크기</translation>
    </message>
    <message>
        <source>默认字体颜色(跟随主题)</source>
        <translation>기본 글자 색(테마 따름)</translation>
    </message>
    <message>
        <source>文档中标题样式</source>
        <translation>제목 스타일</translation>
    </message>
    <message>
        <source>首行缩进两个字符</source>
        <translation>첫 줄 두 글자 들여쓰기</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>줄 간격</translation>
    </message>
    <message>
        <source>段落间距</source>
        <translation>문단 간격</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>文件路径</source>
        <translation>파일 경로</translation>
    </message>
    <message>
        <source>生成历史记录时间间隔</source>
        <translation>기록 저장 간격</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>분</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>챕터</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>상태 표시줄에 챕터 글자 수 표시</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>상태 표시줄에 커서 앞 글자 수 표시</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Enter를 다섯 번 누르면 챕터 제목 추가</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>자동 챕터</translation>
    </message>
    <message>
        <source>设置自动章节识别关键词</source>
        <translation>챕터 키워드 설정</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。
对话体统计：每行冒号前面的文字不计入字数。
预估稿费为 0 时不显示预估稿费。</source>
        <translation>오늘 통계는 결과를 따릅니다. 오늘 글자 수는 연 모든 문서의 변화량 합계이므로 붙여넣기나 삭제로 많아지거나 적어질 수 있습니다. 나머지 통계는 입력한 글자만 셉니다.
대화체 통계: 각 줄의 콜론 앞 글자는 세지 않습니다.
예상 원고료가 0이면 표시하지 않습니다.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>오늘 통계는 결과 기준</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>대화체 집계</translation>
    </message>
    <message>
        <source>预估稿费统计</source>
        <translation>예상 원고료</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>元/千字</source>
        <translation>천 자당 위안</translation>
    </message>
    <message>
        <source>预估稿费</source>
        <translation>예상 원고료</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Enter 조판</translation>
    </message>
    <message>
        <source>段落开头添加两个空格</source>
        <translation>문단 앞에 공백 두 칸</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>문단 사이에 빈 줄</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>원클릭 조판</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>불필요한 빈 줄 삭제</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>문단 앞에 공백 두 칸</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>불필요한 공백 삭제</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>타자기 모드</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>타자기 모드 시작</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>현재 줄 강조</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>고정 스크롤</translation>
    </message>
    <message>
        <source>关</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>上</source>
        <translation>위</translation>
    </message>
    <message>
        <source>中</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>下</source>
        <translation>아래</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>가변</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>현재 줄 표시</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。</source>
        <translation>알림을 꺼도 포인트는 계속 쌓입니다. 로그인하지 않으면 쌓이지 않습니다.</translation>
    </message>
    <message>
        <source>显示创作积分提示</source>
        <translation>집필 포인트 알림 표시</translation>
    </message>
    <message>
        <source>对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。
开启后，统计结果会偏少。
如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！
确定开启吗？</source>
        <translation>대화체 통계는 대화체 글에만 맞습니다. 각 콜론 앞의 글자는 세지 않습니다.
켜면 통계가 적게 나옵니다.
대화체 글이 아니거나 잘 모르겠다면 켜지 마세요!
켤까요?</translation>
    </message>
    <message>
        <source>取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。</source>
        <translation>"본문과 같은 색"을 끄면 제목 색이 적용됩니다. 상대 배율은 본문 글자 크기에 대한 제목 크기의 배수입니다.</translation>
    </message>
    <message>
        <source>颜色与正文相同</source>
        <translation>본문과 같은 색</translation>
    </message>
    <message>
        <source>标题颜色:</source>
        <translation>제목 색:</translation>
    </message>
    <message>
        <source>相对倍数:</source>
        <translation>상대 배율:</translation>
    </message>
    <message>
        <source>自动章节关键词设置</source>
        <translation>챕터 키워드 설정</translation>
    </message>
    <message>
        <source>自动章节关键词</source>
        <translation>챕터 키워드</translation>
    </message>
    <message>
        <source>“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。</source>
        <translation>"*"는 아무 글자를 뜻합니다. 한 줄에 키워드 하나, 키워드마다 "*"는 하나까지이며 처음이나 끝에는 올 수 없습니다. 키워드가 많을수록 프로그램이 느려집니다.</translation>
    </message>
    <message>
        <source>设置登录密码</source>
        <translation>시작 비밀번호 설정</translation>
    </message>
    <message>
        <source>您需要输入启动密码</source>
        <translation>시작 비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>启动密码设置成功</source>
        <translation>시작 비밀번호를 설정했습니다</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>두 입력이 다릅니다</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>시작 비밀번호</translation>
    </message>
    <message>
        <source>启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端</source>
        <translation>시작 비밀번호는 프로그램을 열 때 묻습니다. 계정 비밀번호와 무관하며 동기화되지 않습니다.</translation>
    </message>
    <message>
        <source>输入密码:</source>
        <translation>비밀번호:</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>再来一次:</source>
        <translation>다시 입력:</translation>
    </message>
    <message>
        <source>再来一次</source>
        <translation>다시 입력</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>设置用户信息</source>
        <translation>프로필 편집</translation>
    </message>
    <message>
        <source>请输入新的昵称或邮箱</source>
        <translation>새 닉네임이나 이메일을 입력하세요</translation>
    </message>
    <message>
        <source>修改昵称或邮箱成功！</source>
        <translation>닉네임 또는 이메일을 변경했습니다!</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>닉네임</translation>
    </message>
</context>
<context>
    <name>QIActionSheet</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>QIAlertView</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>QIImagePicker</name>
    <message>
        <source>Import Image</source>
        <translation>이미지 가져오기</translation>
    </message>
    <message>
        <source>Failed to save the image</source>
        <translation>이미지를 저장하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Preferences...</source>
        <translation>환경설정...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>语言(重启软件生效)</source>
        <translation>언어(재시작 후 적용)</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>시작 비밀번호 사용</translation>
    </message>
    <message>
        <source>使用左右布局 (重启软件生效）</source>
        <translation>좌우 레이아웃(재시작 후 적용)</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>챕터</translation>
    </message>
    <message>
        <source>Edit Side Margin</source>
        <translation>좌우 여백</translation>
    </message>
    <message>
        <source>ChineseCharacters Width</source>
        <translation>글자 수 너비</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>픽셀 너비</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>가우시안 블러</translation>
    </message>
    <message>
        <source>DocumentTips</source>
        <translation>글자 색은 테마를 따릅니다. 여기서 정한 색은 현재 테마에만 적용됩니다.</translation>
    </message>
    <message>
        <source>编辑框宽度模式</source>
        <translation>편집기 너비 모드</translation>
    </message>
    <message>
        <source>编辑框宽度单位</source>
        <translation>편집기 너비 단위</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>글자 색</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>줄 간격</translation>
    </message>
    <message>
        <source>段间距</source>
        <translation>문단 간격</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>파일 경로</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>상태 표시줄에 챕터 글자 수 표시</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>상태 표시줄에 커서 앞 글자 수 표시</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Enter를 다섯 번 누르면 챕터 제목 추가</translation>
    </message>
    <message>
        <source>Auto Chapter Keys</source>
        <translation>챕터 자동 인식 키워드</translation>
    </message>
    <message>
        <source>Set auto chapter Keys</source>
        <translation>챕터 키워드 설정</translation>
    </message>
    <message>
        <source>AutoChapterTips</source>
        <translation>"*"는 아무 글자를 뜻합니다. 한 줄에 키워드 하나, "*"는 하나까지이며 처음이나 끝에는 올 수 없습니다. 키워드가 많을수록 프로그램이 느려집니다.</translation>
    </message>
    <message>
        <source>WordCountTips</source>
        <translation>오늘 글자 수는 열었던 각 문서 변화의 합이라 붙여넣기나 삭제로 달라질 수 있습니다. 나머지 통계는 입력한 글자만 셉니다.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>오늘 통계는 결과 기준</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>대화체 집계</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Enter 조판</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>문단 앞에 공백 두 칸</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>문단 사이에 빈 줄</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>원클릭 조판</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>불필요한 빈 줄 삭제</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>불필요한 공백 삭제</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>타자기 모드</translation>
    </message>
    <message>
        <source>启用打字模式</source>
        <translation>타이핑 모드</translation>
    </message>
    <message>
        <source>高亮显示</source>
        <translation>강조</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>当前行</source>
        <translation>현재 줄</translation>
    </message>
    <message>
        <source>当前句</source>
        <translation>현재 문장</translation>
    </message>
    <message>
        <source>当前段落</source>
        <translation>현재 문단</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>고정 스크롤</translation>
    </message>
    <message>
        <source>关</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>上</source>
        <translation>위</translation>
    </message>
    <message>
        <source>中</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>下</source>
        <translation>아래</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>가변</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>현재 줄 표시</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>시스템 따르기</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>기본 흰색</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>기본 검정</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>파우더 핑크</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>상쾌한 초록</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>하늘색</translation>
    </message>
    <message>
        <source>入门模式</source>
        <translation>입문</translation>
    </message>
    <message>
        <source>简单模式</source>
        <translation>쉬움</translation>
    </message>
    <message>
        <source>普通模式</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>困难模式</source>
        <translation>어려움</translation>
    </message>
    <message>
        <source>地狱模式</source>
        <translation>지옥</translation>
    </message>
    <message>
        <source>第一关</source>
        <translation>1단계</translation>
    </message>
    <message>
        <source>第二关</source>
        <translation>2단계</translation>
    </message>
    <message>
        <source>第三关</source>
        <translation>3단계</translation>
    </message>
    <message>
        <source>第四关</source>
        <translation>4단계</translation>
    </message>
    <message>
        <source>第五关</source>
        <translation>5단계</translation>
    </message>
    <message>
        <source>第六关</source>
        <translation>6단계</translation>
    </message>
    <message>
        <source>第七关</source>
        <translation>7단계</translation>
    </message>
    <message>
        <source>第八关</source>
        <translation>8단계</translation>
    </message>
    <message>
        <source>第九关</source>
        <translation>9단계</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>사용자 이름 또는 비밀번호가 틀렸습니다</translation>
    </message>
    <message>
        <source>登录信息无效,请登录.</source>
        <translation>로그인 정보가 올바르지 않습니다. 로그인하세요.</translation>
    </message>
    <message>
        <source>服务器答复：未找到</source>
        <translation>서버 응답: 찾을 수 없음</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>편집기</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>시스템 따르기</translation>
    </message>
    <message>
        <source>暗色主题</source>
        <translation>어두운 테마</translation>
    </message>
    <message>
        <source>亮色主题</source>
        <translation>밝은 테마</translation>
    </message>
    <message>
        <source>柔绿主题</source>
        <translation>연두 테마</translation>
    </message>
    <message>
        <source>粉色主题</source>
        <translation>분홍 테마</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>글자 크기</translation>
    </message>
    <message>
        <source>自适应宽度</source>
        <translation>자동 너비</translation>
    </message>
    <message>
        <source>固定宽度</source>
        <translation>고정 너비</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>固定页面宽度（像素）</source>
        <translation>고정 페이지 너비(픽셀)</translation>
    </message>
    <message>
        <source>固定每行字数（汉字）</source>
        <translation>줄당 글자 수 고정</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>창 항상 위</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>통계 카드</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>选择本章</source>
        <translation>이 챕터 선택</translation>
    </message>
    <message>
        <source>Lumo模式</source>
        <translation>Lumo 모드</translation>
    </message>
    <message>
        <source>神搜</source>
        <translation>심층 검색</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>챕터</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>글자 수</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>글쓰기 방</translation>
    </message>
    <message>
        <source>闯关</source>
        <translation>챌린지</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>민감어 필터</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>챕터 제목 추가</translation>
    </message>
    <message>
        <source>极简模式</source>
        <translation>미니멀 모드</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>테스트</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>放大字体</source>
        <translation>글꼴 크게</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>글꼴 작게</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>환경설정</translation>
    </message>
</context>
<context>
    <name>QQuickFolderListModel</name>
    <message>
        <source>重命名失败，请检查是否有重名或者文件夹是否有写权限</source>
        <translation>이름을 바꾸지 못했습니다. 같은 이름이 있는지, 폴더에 쓸 수 있는지 확인하세요.</translation>
    </message>
</context>
<context>
    <name>RankingHallModel</name>
    <message>
        <source>请先登录</source>
        <translation>먼저 로그인하세요</translation>
    </message>
    <message>
        <source>请输入房间名</source>
        <translation>방 이름을 입력하세요</translation>
    </message>
    <message>
        <source>请输入房间密码</source>
        <translation>방 비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>房间名已存在</source>
        <translation>같은 이름의 방이 이미 있습니다</translation>
    </message>
    <message>
        <source>创建成功</source>
        <translation>방을 만들었습니다</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>방을 만들지 못했습니다</translation>
    </message>
    <message>
        <source>房间名不能包含“/”</source>
        <translation>방 이름에 "/"를 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>房间名不能包含控制字符</source>
        <translation>방 이름에 제어 문자를 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>房间名不能是“.”或“..”</source>
        <translation>방 이름은 "."이나 ".."일 수 없습니다</translation>
    </message>
    <message numerus="yes">
        <source>房间名不能超过 %n 个字符</source>
        <translation>
            <numerusform>방 이름은 %n자를 넘을 수 없습니다</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RankingPage</name>
    <message>
        <source>暂不可用</source>
        <translation>사용할 수 없음</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>글쓰기 방</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>먼저 로그인하세요</translation>
    </message>
    <message>
        <source>拼字大厅</source>
        <translation>방 목록</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>创建房间</source>
        <translation>방 만들기</translation>
    </message>
    <message>
        <source>刷新大厅</source>
        <translation>방 목록 새로 고침</translation>
    </message>
    <message>
        <source>未配置服务器地址，拼字房间不可用。</source>
        <translation>서버 주소가 설정되지 않아 글쓰기 방을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>%1 방에서 나왔습니다</translation>
    </message>
    <message>
        <source>已进入 %1 房间</source>
        <translation>%1 방에 들어왔습니다</translation>
    </message>
    <message>
        <source>房间</source>
        <translation>방</translation>
    </message>
    <message>
        <source>离开房间</source>
        <translation>방 나가기</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>닉네임</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>글자 수</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>분</translation>
    </message>
</context>
<context>
    <name>RoomPasswordSheet</name>
    <message>
        <source>请输入房间密码</source>
        <translation>방 비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>비밀번호가 틀렸습니다</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>在此输入房间密码</source>
        <translation>여기에 방 비밀번호 입력</translation>
    </message>
    <message>
        <source>房间“%1”需要输入房主指定的密码方可进入。</source>
        <translation>“%1” 방에 들어가려면 방장이 정한 비밀번호를 입력해야 합니다.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not a supported RTF file.</source>
        <translation>지원하지 않는 RTF 파일입니다.</translation>
    </message>
</context>
<context>
    <name>RtfTokenizer</name>
    <message>
        <source>Unexpectedly reached end of file.</source>
        <translation>예상치 못한 파일 끝입니다.</translation>
    </message>
</context>
<context>
    <name>SettingButton</name>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>민감어 필터</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>在光标处添加章节名</source>
        <translation>커서 위치에 챕터 제목 넣기</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>원클릭 조판</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>환경설정</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法保存设置：</source>
        <translation>설정을 저장할 수 없습니다: </translation>
    </message>
    <message>
        <source>设置文件中无法读取的行已略过，其余设置照常读取：</source>
        <translation>설정 파일에서 읽을 수 없는 줄은 건너뛰고 나머지 설정은 그대로 읽었습니다: </translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>设置文件被另一个程序锁定，本次运行中的设置更改不会保存：</source>
        <translation>다른 프로그램이 설정 파일을 잠갔습니다. 이번 실행 중의 설정 변경은 저장되지 않습니다: </translation>
    </message>
    <message>
        <source>设置文件过大，未读取，本次运行使用默认设置且不保存更改：</source>
        <translation>설정 파일이 너무 커서 읽지 않았습니다. 이번 실행은 기본 설정을 쓰며 변경 내용을 저장하지 않습니다: </translation>
    </message>
    <message>
        <source>无法在临时文件夹中建立链接</source>
        <translation>임시 폴더에 링크를 만들 수 없습니다</translation>
    </message>
</context>
<context>
    <name>SheetWindow</name>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>ShortcutBox</name>
    <message>
        <source>请按下快捷键</source>
        <translation>단축키를 누르세요</translation>
    </message>
</context>
<context>
    <name>ShutdownWindow</name>
    <message>
        <source>保存所有文档后关闭计算机。</source>
        <translation>모든 문서를 저장한 뒤 컴퓨터를 끕니다.</translation>
    </message>
    <message>
        <source>保存所有文档后重新启动计算机。</source>
        <translation>모든 문서를 저장한 뒤 컴퓨터를 다시 시작합니다.</translation>
    </message>
    <message>
        <source>关机</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>希望计算机做什么？</source>
        <translation>컴퓨터를 어떻게 할까요?</translation>
    </message>
    <message>
        <source>重启</source>
        <translation>다시 시작</translation>
    </message>
</context>
<context>
    <name>SkinButton</name>
    <message>
        <source>主题</source>
        <translation>테마</translation>
    </message>
</context>
<context>
    <name>StoreRefusal</name>
    <message>
        <source>服务器拒绝了请求 (%1)</source>
        <translation>서버가 요청을 거부했습니다 (%1)</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>本机时钟与服务器相差太多（本机时间 %1，服务器时间 %2），请校准本机时钟</source>
        <translation>이 컴퓨터의 시계가 서버와 너무 많이 다릅니다(이 컴퓨터: %1, 서버: %2). 시계를 맞추세요</translation>
    </message>
</context>
<context>
    <name>SubtlePage</name>
    <message>
        <source>过滤敏感词</source>
        <translation>민감어 필터</translation>
    </message>
    <message>
        <source>开始过滤</source>
        <translation>필터 시작</translation>
    </message>
    <message>
        <source>文档是空的，不用过滤</source>
        <translation>문서가 비어 있어 필터할 것이 없습니다</translation>
    </message>
    <message>
        <source>文档未保存，请保存文档后再过滤</source>
        <translation>문서가 저장되지 않았습니다. 저장한 뒤 필터하세요</translation>
    </message>
    <message>
        <source>自定义敏感词</source>
        <translation>사용자 민감어</translation>
    </message>
    <message>
        <source>每行一个词</source>
        <translation>한 줄에 한 단어</translation>
    </message>
    <message>
        <source>程序内置两套敏感词库：轻度过滤使用第一套，重度过滤同时使用两套。三个级别都会加上左侧框中的自定义敏感词，每行一个，可以直接粘贴，保存时会去掉重复的词。选项在开始过滤或关闭本窗口时保存。过滤前的文本可以从文档的历史记录中找回。</source>
        <translation>프로그램에는 민감어 목록 두 개가 들어 있습니다. 가벼운 필터는 첫 번째를, 엄격한 필터는 둘 다 씁니다. 세 단계 모두 왼쪽 칸의 사용자 단어(한 줄에 하나, 붙여넣기 가능, 저장할 때 중복 제거)를 더합니다. 옵션은 필터를 시작하거나 이 창을 닫을 때 저장됩니다. 필터 전의 글은 문서 기록에서 되찾을 수 있습니다.</translation>
    </message>
    <message>
        <source>标记方式</source>
        <translation>표시 방식</translation>
    </message>
    <message>
        <source>编辑文档时自动标红</source>
        <translation>편집할 때 빨갛게 표시</translation>
    </message>
    <message>
        <source>仅手动过滤时标红</source>
        <translation>필터할 때만 빨갛게 표시</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>단계</translation>
    </message>
    <message>
        <source>轻度过滤</source>
        <translation>가볍게</translation>
    </message>
    <message>
        <source>重度过滤</source>
        <translation>엄격하게</translation>
    </message>
    <message>
        <source>仅自定义</source>
        <translation>사용자 단어만</translation>
    </message>
    <message>
        <source>过滤方式</source>
        <translation>필터 방식</translation>
    </message>
    <message>
        <source>仅标红</source>
        <translation>빨갛게만</translation>
    </message>
    <message>
        <source>分割线</source>
        <translation>구분선</translation>
    </message>
    <message>
        <source>星号</source>
        <translation>별표</translation>
    </message>
    <message>
        <source>拼音</source>
        <translation>병음</translation>
    </message>
    <message>
        <source>喵星语</source>
        <translation>야옹</translation>
    </message>
    <message>
        <source>汪星语</source>
        <translation>멍멍</translation>
    </message>
</context>
<context>
    <name>TargetPage</name>
    <message>
        <source>写作目标</source>
        <translation>집필 목표</translation>
    </message>
    <message>
        <source>锁定字数不能小于当前锁定字数</source>
        <translation>잠금 글자 수는 현재보다 적을 수 없습니다</translation>
    </message>
    <message>
        <source>锁定时间不能小于当前锁定时间</source>
        <translation>잠금 시간은 현재보다 짧을 수 없습니다</translation>
    </message>
    <message>
        <source>请输入锁定时间或者字数</source>
        <translation>잠금 시간이나 글자 수를 입력하세요</translation>
    </message>
    <message>
        <source>锁定字数(字)</source>
        <translation>잠금 글자 수(자)</translation>
    </message>
    <message>
        <source>锁定时间(分钟)</source>
        <translation>잠금 시간(분)</translation>
    </message>
    <message>
        <source>锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。</source>
        <translation>잠그면 정한 값을 실제로 채울 때까지 프로그램을 끝낼 수 없습니다. 기다리기만 해서는 잠금 시간이 줄지 않고, 마구 치거나 대량으로 복사해 붙여도 잠금 글자 수는 줄지 않습니다. 시간과 글자 수는 20초마다 집계됩니다.</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>主题</source>
        <translation>테마</translation>
    </message>
</context>
<context>
    <name>ThroughGame</name>
    <message>
        <source>积分</source>
        <translation>포인트</translation>
    </message>
    <message>
        <source>恭喜，闯关成功！！！撒花！！！</source>
        <translation>축하합니다, 챌린지 성공!!!</translation>
    </message>
    <message>
        <source>成功，自动转入下一关。</source>
        <translation>성공! 다음 단계로 넘어갑니다.</translation>
    </message>
    <message>
        <source>挑战失败!</source>
        <translation>챌린지 실패!</translation>
    </message>
</context>
<context>
    <name>ThroughLabel</name>
    <message>
        <source>剩余字数</source>
        <translation>남은 글자 수</translation>
    </message>
    <message>
        <source>剩余时间:</source>
        <translation>남은 시간:</translation>
    </message>
</context>
<context>
    <name>ThroughPage</name>
    <message>
        <source>Challenge</source>
        <translation>챌린지</translation>
    </message>
    <message>
        <source>您的剩余积分不够支付本次闯关门票，快去领一些积分吧!</source>
        <translation>남은 포인트로는 이 챌린지의 참가비를 낼 수 없습니다. 포인트를 모아 오세요!</translation>
    </message>
    <message>
        <source>如果中途退出，扣除的积分不返还。</source>
        <translation>중간에 그만두면 쓴 포인트는 돌려받지 못합니다.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>포인트</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>로그인하지 않음</translation>
    </message>
    <message>
        <source>闯关信息载入失败,请稍后再试</source>
        <translation>챌린지를 불러오지 못했습니다. 잠시 후 다시 시도하세요</translation>
    </message>
    <message>
        <source>正在刷新...</source>
        <translation>새로 고치는 중…</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>门票</source>
        <translation>참가비</translation>
    </message>
    <message>
        <source>通关奖励</source>
        <translation>보상</translation>
    </message>
    <message>
        <source>通关条件</source>
        <translation>조건</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>포기</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>进行中</source>
        <translation>진행 중</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>목표</translation>
    </message>
    <message>
        <source>奖励积分</source>
        <translation>보상 포인트</translation>
    </message>
    <message>
        <source>剩余字数</source>
        <translation>남은 글자 수</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>남은 시간</translation>
    </message>
    <message numerus="yes">
        <source>确定花费%n积分，进入该闯关模式吗？</source>
        <translation>
            <numerusform>%n포인트를 써서 이 챌린지에 참가할까요?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>需要在最多%1小时内完成9关，共%n字的挑战</source>
        <translation>
            <numerusform>챌린지: 최대 %1시간 안에 9단계, 모두 %n자 쓰기</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ThroughTipsDialog</name>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>收到的内容长度不对</source>
        <translation>받은 내용의 길이가 맞지 않습니다</translation>
    </message>
    <message>
        <source>无法校验收到的内容</source>
        <translation>받은 내용을 확인할 수 없습니다</translation>
    </message>
    <message>
        <source>收到的内容与校验值不符</source>
        <translation>받은 내용이 체크섬과 일치하지 않습니다</translation>
    </message>
    <message>
        <source>云端没有确认收到的内容</source>
        <translation>클라우드가 받은 내용을 확인하지 않았습니다</translation>
    </message>
    <message>
        <source>云端收到的内容与发送的不符</source>
        <translation>클라우드가 받은 내용이 보낸 내용과 다릅니다</translation>
    </message>
</context>
<context>
    <name>TxtReader</name>
    <message>
        <source>Unable to read the file.</source>
        <translation>파일을 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>UserDatas</name>
    <message>
        <source>积分获取失败</source>
        <translation>포인트를 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>错误码</source>
        <translation>오류 코드</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>没有文件名</source>
        <translation>파일 이름이 없습니다</translation>
    </message>
    <message>
        <source>同名的文件夹已存在</source>
        <translation>같은 이름의 폴더가 이미 있습니다</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>파일이 이미 있습니다</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>폴더를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>写入磁盘的文件不完整</source>
        <translation>디스크에 쓴 파일이 불완전합니다</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>密码已失效（可能已在别处修改），已退出登录，请重新登录</source>
        <translation>비밀번호가 더 이상 유효하지 않습니다(다른 곳에서 변경되었을 수 있습니다). 로그아웃되었습니다. 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>사용자 이름을 입력하세요</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>비밀번호를 입력하세요</translation>
    </message>
    <message>
        <source>服务端暂时关闭了注册通道</source>
        <translation>서버에서 가입을 잠시 막아 두었습니다</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>验证码不正确</source>
        <translation>인증 코드가 틀렸습니다</translation>
    </message>
    <message>
        <source>密码不匹配</source>
        <translation>비밀번호가 맞지 않습니다</translation>
    </message>
    <message>
        <source>用户名已被占用</source>
        <translation>이미 쓰이는 사용자 이름입니다</translation>
    </message>
    <message>
        <source>邮箱地址已被使用</source>
        <translation>이미 쓰이는 이메일 주소입니다</translation>
    </message>
    <message>
        <source>此用户名是被保留的</source>
        <translation>예약된 사용자 이름입니다</translation>
    </message>
    <message>
        <source>用户名格式不正确</source>
        <translation>사용자 이름 형식이 잘못되었습니다</translation>
    </message>
    <message>
        <source>等待验证邮箱</source>
        <translation>이메일 인증 대기 중</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>사용자 이름 또는 비밀번호가 틀렸습니다</translation>
    </message>
    <message>
        <source>Your profile has been updated successfully.</source>
        <translation>프로필을 업데이트했습니다.</translation>
    </message>
    <message>
        <source>Your avatar setting has been updated successfully.</source>
        <translation>아바타 설정을 업데이트했습니다.</translation>
    </message>
    <message>
        <source>Email address is not a valid email address.</source>
        <translation>이메일 주소가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>网络访问被禁用。</source>
        <translation>네트워크 접근이 꺼져 있습니다.</translation>
    </message>
    <message>
        <source>上传的文件不是一张图片</source>
        <translation>올린 파일이 이미지가 아닙니다</translation>
    </message>
    <message>
        <source>正在登录...</source>
        <translation>로그인 중…</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>로그인했습니다</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>Please login first!</source>
        <translation>먼저 로그인하세요!</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>시간 초과</translation>
    </message>
    <message>
        <source>上传超时</source>
        <translation>업로드 시간 초과</translation>
    </message>
</context>
<context>
    <name>WindowsMenuBar</name>
    <message>
        <source>强制退出</source>
        <translation>강제 종료</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>최근 파일</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>목록 지우기</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>폴더 가져오기</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>파일 가져오기</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>바꾸기</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>显示 文件</source>
        <translation>파일 보기</translation>
    </message>
    <message>
        <source>显示 自动章节</source>
        <translation>챕터 보기</translation>
    </message>
    <message>
        <source>显示 字数统计</source>
        <translation>글자 수 통계 보기</translation>
    </message>
    <message>
        <source>显示 拼字</source>
        <translation>글쓰기 방 보기</translation>
    </message>
    <message>
        <source>显示 我</source>
        <translation>내 계정 보기</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>창 항상 위</translation>
    </message>
    <message>
        <source>退出 极简 模式</source>
        <translation>미니멀 모드 종료</translation>
    </message>
    <message>
        <source>进入 极简 模式</source>
        <translation>미니멀 모드 시작</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Lumo 모드 종료</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Lumo 모드 시작</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>통계 카드</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>민감어 필터</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>잠금</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>챕터 제목 추가</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>원클릭 조판</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>클라우드 동기화</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>타자기 모드</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>타자기 모드 시작</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>현재 줄 강조</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>고정 스크롤</translation>
    </message>
    <message>
        <source>关</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>上</source>
        <translation>위</translation>
    </message>
    <message>
        <source>中</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>下</source>
        <translation>아래</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>가변</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>현재 줄 표시</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>显示 闯关</source>
        <translation>챌린지 보기</translation>
    </message>
    <message>
        <source>显示 笔记</source>
        <translation>메모 보기</translation>
    </message>
</context>
<context>
    <name>WindowsTitleBar</name>
    <message>
        <source>最小化</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>이전 크기로</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>WordCountPage</name>
    <message>
        <source>字数统计</source>
        <translation>글자 수 통계</translation>
    </message>
    <message>
        <source>元</source>
        <translation>위안</translation>
    </message>
    <message>
        <source>字数统计功能菜单</source>
        <translation>글자 수 통계 메뉴</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>통계 카드</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>글자 크기</translation>
    </message>
    <message>
        <source>同步字数</source>
        <translation>글자 수 동기화</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>먼저 로그인하세요</translation>
    </message>
    <message>
        <source>文档统计</source>
        <translation>문서 통계</translation>
    </message>
    <message>
        <source>总字数</source>
        <translation>총 글자 수</translation>
    </message>
    <message>
        <source>总字数(无空格)</source>
        <translation>총 글자 수(공백 제외)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>숫자</translation>
    </message>
    <message>
        <source>空格数</source>
        <translation>공백</translation>
    </message>
    <message>
        <source>汉字数</source>
        <translation>한자</translation>
    </message>
    <message>
        <source>单词数</source>
        <translation>단어</translation>
    </message>
    <message>
        <source>段落数</source>
        <translation>문단</translation>
    </message>
    <message>
        <source>今时今日</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>오늘 글자 수</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>오늘 속도</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>오늘 시간</translation>
    </message>
    <message>
        <source>今日稿费</source>
        <translation>오늘 원고료</translation>
    </message>
    <message>
        <source>本周统计</source>
        <translation>이번 주</translation>
    </message>
    <message>
        <source>本周字数</source>
        <translation>이번 주 글자 수</translation>
    </message>
    <message>
        <source>本周速度</source>
        <translation>이번 주 속도</translation>
    </message>
    <message>
        <source>本周用时</source>
        <translation>이번 주 시간</translation>
    </message>
    <message>
        <source>本周稿费</source>
        <translation>이번 주 원고료</translation>
    </message>
    <message>
        <source>月度统计</source>
        <translation>이번 달</translation>
    </message>
    <message>
        <source>本月字数</source>
        <translation>이번 달 글자 수</translation>
    </message>
    <message>
        <source>本月速度</source>
        <translation>이번 달 속도</translation>
    </message>
    <message>
        <source>本月用时</source>
        <translation>이번 달 시간</translation>
    </message>
    <message>
        <source>本月稿费</source>
        <translation>이번 달 원고료</translation>
    </message>
    <message>
        <source>年度统计</source>
        <translation>올해</translation>
    </message>
    <message>
        <source>今年字数</source>
        <translation>올해 글자 수</translation>
    </message>
    <message>
        <source>今年速度</source>
        <translation>올해 속도</translation>
    </message>
    <message>
        <source>今年用时</source>
        <translation>올해 시간</translation>
    </message>
    <message>
        <source>年度稿费</source>
        <translation>올해 원고료</translation>
    </message>
    <message>
        <source>设置字体大小</source>
        <translation>글자 크기 설정</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>글자 크기</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n자</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n자/분</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n분</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bot</name>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>캐시 파일을 저장할 수 없습니다: </translation>
    </message>
</context>
<context>
    <name>cloudDisk</name>
    <message>
        <source>没有登陆</source>
        <translation>로그인하지 않음</translation>
    </message>
    <message>
        <source>设置中取消了云同步功能</source>
        <translation>설정에서 클라우드 동기화를 껐습니다</translation>
    </message>
    <message>
        <source>另一个云同步线程正在运行</source>
        <translation>다른 클라우드 동기화가 이미 실행 중입니다</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>클라우드 동기화</translation>
    </message>
    <message>
        <source>云同步开始</source>
        <translation>클라우드 동기화를 시작했습니다</translation>
    </message>
    <message>
        <source>有冲突文件待处理</source>
        <translation>충돌 파일을 처리해야 합니다</translation>
    </message>
    <message>
        <source>同步完成</source>
        <translation>동기화 완료</translation>
    </message>
    <message>
        <source>云同步:有冲突文件待处理</source>
        <translation>클라우드 동기화: 충돌 파일을 처리해야 합니다</translation>
    </message>
    <message>
        <source>Not logged in:</source>
        <translation>로그인하지 않음:</translation>
    </message>
    <message>
        <source>正在上传文件</source>
        <translation>파일 올리는 중</translation>
    </message>
    <message>
        <source>文件上传结束</source>
        <translation>올리기 완료</translation>
    </message>
    <message>
        <source>正在下载文件</source>
        <translation>파일 받는 중</translation>
    </message>
    <message>
        <source>文件下载结束</source>
        <translation>받기 완료</translation>
    </message>
    <message>
        <source>正在下载冲突文件</source>
        <translation>충돌 파일 받는 중</translation>
    </message>
    <message>
        <source>下载冲突文件结束</source>
        <translation>충돌 파일 받기 완료</translation>
    </message>
    <message>
        <source>删除元数据失败</source>
        <translation>메타데이터를 지우지 못했습니다</translation>
    </message>
    <message>
        <source>删除远程文件失败</source>
        <translation>원격 파일을 지우지 못했습니다</translation>
    </message>
    <message>
        <source>删除远程文件失败:</source>
        <translation>원격 파일을 지우지 못했습니다:</translation>
    </message>
    <message>
        <source>上传失败</source>
        <translation>올리기 실패</translation>
    </message>
    <message>
        <source>上传失败:</source>
        <translation>올리기 실패:</translation>
    </message>
    <message>
        <source>更新元数据失败</source>
        <translation>메타데이터를 갱신하지 못했습니다</translation>
    </message>
    <message>
        <source>更新元数据失败:</source>
        <translation>메타데이터를 갱신하지 못했습니다:</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>받기 실패</translation>
    </message>
    <message>
        <source>下载失败:</source>
        <translation>받기 실패:</translation>
    </message>
    <message>
        <source>删除文件不存在</source>
        <translation>지울 파일이 없습니다</translation>
    </message>
    <message>
        <source>删除文件不存在::</source>
        <translation>지울 파일이 없습니다::</translation>
    </message>
    <message>
        <source>删除文件失败</source>
        <translation>파일을 지우지 못했습니다</translation>
    </message>
    <message>
        <source>删除文件失败:</source>
        <translation>파일을 지우지 못했습니다:</translation>
    </message>
    <message>
        <source>写文件失败</source>
        <translation>파일을 쓰지 못했습니다</translation>
    </message>
    <message>
        <source>写文件失败:</source>
        <translation>파일을 쓰지 못했습니다:</translation>
    </message>
    <message>
        <source>写元数据失败</source>
        <translation>메타데이터를 쓰지 못했습니다</translation>
    </message>
    <message>
        <source>写元数据失败:</source>
        <translation>메타데이터를 쓰지 못했습니다:</translation>
    </message>
    <message>
        <source>写入文件失败:</source>
        <translation>파일을 쓰지 못했습니다:</translation>
    </message>
    <message>
        <source>冲突</source>
        <translation>충돌</translation>
    </message>
    <message>
        <source>已退出登录，同步已停止</source>
        <translation>로그아웃하여 동기화를 중지했습니다</translation>
    </message>
    <message>
        <source>云同步已关闭，同步已停止</source>
        <translation>클라우드 동기화가 꺼져 동기화를 중지했습니다</translation>
    </message>
    <message>
        <source>程序退出，同步已停止</source>
        <translation>프로그램이 종료되어 동기화를 중지했습니다</translation>
    </message>
    <message>
        <source>账号已切换，同步已停止</source>
        <translation>계정이 바뀌어 동기화를 중지했습니다</translation>
    </message>
    <message>
        <source>文档目录已更换，同步已停止</source>
        <translation>문서 폴더가 바뀌어 동기화를 중지했습니다</translation>
    </message>
    <message>
        <source>网络连接失败</source>
        <translation>네트워크 연결에 실패했습니다</translation>
    </message>
    <message>
        <source>同步中断</source>
        <translation>동기화가 중단되었습니다</translation>
    </message>
    <message>
        <source>同步中断:</source>
        <translation>동기화가 중단되었습니다:</translation>
    </message>
    <message>
        <source>文件在同步时被修改</source>
        <translation>동기화 중에 파일이 변경되었습니다</translation>
    </message>
    <message>
        <source>文件在同步时被修改:</source>
        <translation>동기화 중에 파일이 변경되었습니다:</translation>
    </message>
    <message>
        <source>文档目录上次由另一个账号同步，等待选择</source>
        <translation>문서 폴더를 마지막으로 다른 계정이 동기화했습니다. 선택을 기다리는 중</translation>
    </message>
    <message>
        <source>无法读取本地文件</source>
        <translation>로컬 파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>无法保存历史记录</source>
        <translation>기록 사본을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>同步结束，有文件未能同步</source>
        <translation>동기화가 끝났지만 일부 파일을 동기화하지 못했습니다</translation>
    </message>
    <message>
        <source>云同步结束，有文件未能同步:</source>
        <translation>클라우드 동기화가 끝났지만 일부 파일을 동기화하지 못했습니다:</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>알 수 없는 오류</translation>
    </message>
</context>
<context>
    <name>data</name>
    <message>
        <source>字数统计保存失败</source>
        <translation>글자 수 통계를 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>please login first</source>
        <translation>먼저 로그인하세요</translation>
    </message>
    <message>
        <source>同步本周字数成功(无变更)</source>
        <translation>이번 주 글자 수 동기화(변경 없음)</translation>
    </message>
    <message>
        <source>同步本月字数成功(无变更)</source>
        <translation>이번 달 글자 수 동기화(변경 없음)</translation>
    </message>
    <message>
        <source>同步今年字数成功(无变更)</source>
        <translation>올해 글자 수 동기화(변경 없음)</translation>
    </message>
    <message>
        <source>同步今日字数成功(无变更)</source>
        <translation>오늘 글자 수 동기화(변경 없음)</translation>
    </message>
    <message>
        <source>同步今日字数失败</source>
        <translation>오늘 글자 수를 동기화하지 못했습니다</translation>
    </message>
    <message>
        <source>同步今日字数成功(已上传)</source>
        <translation>오늘 글자 수 동기화(올림)</translation>
    </message>
</context>
<context>
    <name>fileordermaplist</name>
    <message>
        <source>无法保存书籍顺序：</source>
        <translation>책 순서를 저장할 수 없습니다: </translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>第%1章</source>
        <translation>제%1장</translation>
    </message>
    <message>
        <source>NewBook</source>
        <translation>새책</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>没有选中的文件</source>
        <translation>선택한 파일이 없습니다</translation>
    </message>
    <message>
        <source>只能删除文档文件夹中的文件：%1</source>
        <translation>문서 폴더 안의 파일만 지울 수 있습니다: %1</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>주의</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件未删除：%1</source>
        <translation>기록을 저장하지 못해 파일을 지우지 않았습니다: %1</translation>
    </message>
    <message>
        <source>删除失败：%1</source>
        <translation>지우지 못했습니다: %1</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件夹未删除：%1</source>
        <translation>기록을 저장하지 못해 폴더를 지우지 않았습니다: %1</translation>
    </message>
    <message>
        <source>无法重命名</source>
        <translation>이름을 바꿀 수 없습니다</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件已存在</source>
        <translation>같은 이름의 파일이 있어 이름을 바꿀 수 없습니다</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件夹已存在</source>
        <translation>같은 이름의 폴더가 있어 이름을 바꿀 수 없습니다</translation>
    </message>
    <message>
        <source>新笔记 %1</source>
        <translation>새 메모 %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>无法读取历史记录：%1</source>
        <translation>기록을 읽지 못했습니다: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复：%1</source>
        <translation>현재 내용을 기록에 저장하지 못해 복원하지 않았습니다: %1</translation>
    </message>
    <message>
        <source>恢复失败：%1</source>
        <translation>복원하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>최상위 폴더</translation>
    </message>
    <message>
        <source>已存在相同内容，未导入：%1</source>
        <translation>같은 내용이 이미 있어 가져오지 않았습니다: %1</translation>
    </message>
    <message>
        <source>未能导入：%1</source>
        <translation>가져오지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Directory not exists</source>
        <translation>폴더가 없습니다</translation>
    </message>
    <message>
        <source>目标文件夹不在文件目录下, 默认导入到文件目录下</source>
        <translation>대상 폴더가 문서 폴더 밖에 있어 문서 폴더로 가져옵니다</translation>
    </message>
    <message>
        <source>您要导入的文件夹与目标文件夹相同,不用导入这个文件夹</source>
        <translation>가져올 폴더가 대상 폴더와 같아 가져올 것이 없습니다</translation>
    </message>
    <message>
        <source>不能导出到书中的文档：%1</source>
        <translation>책 안의 문서로는 내보낼 수 없습니다: %1</translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation>내보내지 못했습니다: %1</translation>
    </message>
    <message>
        <source>文档名须以“.txt”或“.md”结尾</source>
        <translation>문서 이름은 ".txt"나 ".md"로 끝나야 합니다</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>不在文件目录内</source>
        <translation>문서 폴더 안에 없습니다</translation>
    </message>
    <message>
        <source>没有空闲的文件名</source>
        <translation>쓸 수 있는 파일 이름이 없습니다</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>파일이 없습니다</translation>
    </message>
    <message>
        <source>不能覆盖文档库中已有的文件：%1</source>
        <translation>라이브러리에 이미 있는 파일은 덮어쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>是否确认删除书“%1”及其中的全部文档？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>책 "%1"과(와) 그 안의 모든 문서를 지울까요? 지우기 전의 사본은 기록에 보관됩니다(도구 → 기록).</translation>
    </message>
    <message>
        <source>是否确认删除“%1”？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>"%1"을(를) 지울까요? 지우기 전의 사본은 기록에 보관됩니다(도구 → 기록).</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件导入到 %1</source>
        <translation>
            <numerusform>파일 %n개를 %1(으)로 가져왔습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>以下文件不保存副本，删除后无法恢复：%1</source>
        <translation>다음 파일은 사본이 남지 않아 지운 뒤에는 되살릴 수 없습니다: %1</translation>
    </message>
    <message>
        <source>是否要删除“%1”？删除后不能恢复。</source>
        <translation>"%1"을(를) 지울까요? 지우면 되살릴 수 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>……以及另外 %n 个文件</source>
        <translation>
            <numerusform>…외 파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>未恢复：</source>
        <translation>복원하지 않음: </translation>
    </message>
    <message>
        <source>无法确定“%1”属于哪个文档</source>
        <translation>"%1"이(가) 어느 문서의 것인지 알 수 없습니다</translation>
    </message>
    <message>
        <source>多个文档名为“%1”：请在文件树中该文档的历史记录里恢复</source>
        <translation>"%1"(이)라는 문서가 여러 개 있습니다. 파일 트리에서 해당 문서의 기록으로 복원하세요</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，不会被改写</source>
        <translation>이 파일에는 %1 텍스트가 아닌 바이트가 있습니다. 쓰지 않습니다</translation>
    </message>
</context>
<context>
    <name>function</name>
    <message>
        <source>无此功能</source>
        <translation>없는 기능입니다</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>주의</translation>
    </message>
    <message>
        <source>Do you confirm deletion? Deleted files will not be recovered.</source>
        <translation>지울까요? 지운 파일은 되살릴 수 없습니다.</translation>
    </message>
    <message>
        <source>复制失败：</source>
        <translation>복사하지 못했습니다: </translation>
    </message>
    <message>
        <source>移动失败：</source>
        <translation>옮기지 못했습니다: </translation>
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
        <translation>의견</translation>
    </message>
    <message>
        <source>你好:</source>
        <translation>안녕하세요:</translation>
    </message>
    <message>
        <source>关于%1，我有一些建议。</source>
        <translation>%1에 대해 제안이 있습니다.</translation>
    </message>
    <message>
        <source>(系统版本:%1  软件版本:%2)</source>
        <translation>(시스템 버전: %1  프로그램 버전: %2)</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>폴더가 없습니다</translation>
    </message>
    <message>
        <source>这是一个文件，不是文件夹</source>
        <translation>폴더가 아니라 파일입니다</translation>
    </message>
    <message>
        <source>这是文件系统的根目录</source>
        <translation>파일 시스템의 최상위 폴더입니다</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>쓰기 권한이 없습니다</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。已改用默认文件夹。</source>
        <translation>문서 폴더 %1을(를) 쓸 수 없습니다: %2. 기본 폴더를 씁니다.</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。</source>
        <translation>문서 폴더 %1을(를) 쓸 수 없습니다: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>偏好设置</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>打卡</source>
        <translation>출석 체크</translation>
    </message>
    <message>
        <source>闯关正在进行中，如果此时退出，直接判定闯关失败，扣除的闯关门票不退还。确定要退出吗？</source>
        <translation>챌린지가 진행 중입니다. 지금 끝내면 실패로 처리되고 참가비는 돌려받지 못합니다. 끝낼까요?</translation>
    </message>
    <message>
        <source>尚有正在进行中的闯关:</source>
        <translation>아직 진행 중인 챌린지가 있습니다:</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>모드</translation>
    </message>
    <message>
        <source>关卡</source>
        <translation>단계</translation>
    </message>
    <message>
        <source>点击确定，重进进入闯关模式，不需要门票。点击取消，放弃闯关，之前支付的门票积分不予退还。</source>
        <translation>확인을 누르면 참가비 없이 챌린지로 돌아갑니다. 취소를 누르면 포기하며, 참가비로 낸 포인트는 돌려받지 못합니다.</translation>
    </message>
    <message>
        <source>按 %1 键即可退出Lumo模式</source>
        <translation>%1 키를 누르면 Lumo 모드를 끝냅니다</translation>
    </message>
    <message>
        <source>窗口已置顶</source>
        <translation>창을 항상 위에 둡니다</translation>
    </message>
    <message>
        <source>窗口已取消置顶</source>
        <translation>창을 항상 위에 두지 않습니다</translation>
    </message>
    <message>
        <source>锁定状态不能取消窗口置顶</source>
        <translation>잠금 중에는 창을 항상 위에 둡니다</translation>
    </message>
    <message>
        <source>锁定状态不能退出程序</source>
        <translation>잠금 중에는 끝낼 수 없습니다</translation>
    </message>
    <message>
        <source>有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。</source>
        <translation>저장하지 못한 문서가 있어 프로그램을 종료하지 않았습니다. 다시 종료하면 저장되지 않은 내용을 복사해 두고 다음 시작 때 위치를 알려 드립니다.</translation>
    </message>
    <message>
        <source>上次退出时有文档未能保存，未保存的内容已存入：%1</source>
        <translation>지난번 종료 시 저장하지 못한 문서가 있습니다. 저장되지 않은 내용을 다음 위치에 보관했습니다: %1</translation>
    </message>
    <message>
        <source>上次打开的文件已不存在：%1</source>
        <translation>지난번에 열었던 파일이 더 이상 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>myRankingData</name>
    <message>
        <source>立入禁止</source>
        <translation>출입 금지</translation>
    </message>
    <message>
        <source>此房间为邀请制，需要房主邀请才能进入。</source>
        <translation>초대제 방입니다. 방장이 초대해야 들어갈 수 있습니다.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>%1 방에서 나왔습니다</translation>
    </message>
</context>
<context>
    <name>network</name>
    <message>
        <source>未配置服务器地址</source>
        <translation>서버 주소가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>错误码:</source>
        <translation>오류 코드:</translation>
    </message>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>캐시 파일을 저장할 수 없습니다: </translation>
    </message>
</context>
<context>
    <name>oss</name>
    <message>
        <source>This path is not authorized by the server</source>
        <translation>서버가 허용하지 않은 경로입니다</translation>
    </message>
    <message>
        <source>云端的回答不是文件列表</source>
        <translation>클라우드의 응답이 파일 목록이 아닙니다</translation>
    </message>
    <message>
        <source>云端的回答不是存储服务的回答</source>
        <translation>응답이 저장소 서비스에서 온 것이 아닙니다</translation>
    </message>
    <message>
        <source>云端文件列表不完整</source>
        <translation>클라우드 파일 목록이 불완전합니다</translation>
    </message>
</context>
<context>
    <name>update</name>
    <message>
        <source>有新版:</source>
        <translation>새 버전: </translation>
    </message>
    <message>
        <source>恭喜，已经是最新版了</source>
        <translation>최신 버전입니다</translation>
    </message>
    <message>
        <source>连接更新服务器失败!</source>
        <translation>업데이트 서버에 연결하지 못했습니다!</translation>
    </message>
</context>
</TS>
